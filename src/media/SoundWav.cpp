// The WAV decoder: PCM of 8, 16, 24 or 32 bits and 32 or 64-bit float, any channel count and rate.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/ByteOrder.h"
#include "media/SoundDecode.h"

namespace {

constexpr int kMaxWavChannels = 8;
constexpr int kMaxWavRate = 768000;  // frames per second; anything above is a damaged header
constexpr int kFormatPcm = 1, kFormatFloat = 3, kFormatExtensible = 0xFFFE;

struct WavLayout {
  int format = 0;          // kFormatPcm or kFormatFloat
  int channels = 0;        // as stored
  int rate = 0;            // frames per second
  int bytesPerSample = 0;  // 1..4, or 8 for double
  size_t dataOffset = 0;   // bytes from the start of the file
  int64_t frames = 0;      // whole frames present in the data chunk
};

bool ParseWav(const uint8_t* p, size_t size, WavLayout& w, std::string& why) {
  if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) {
    why = "WAV header is missing or cut";
    return false;
  }
  bool haveFormat = false, haveData = false;
  int blockAlign = 0, bits = 0;
  size_t dataBytes = 0;
  // The RIFF size is ignored: writers that stream leave it wrong, and the chunks are bounded by
  // the buffer anyway.
  size_t at = 12;
  while (at + 8 <= size) {
    const uint8_t* id = p + at;
    size_t length = ReadLe32(p + at + 4);
    size_t body = at + 8;
    size_t left = size - body;
    if (std::memcmp(id, "fmt ", 4) == 0) {
      if (length < 16 || length > left) {
        why = "WAV format chunk is damaged";
        return false;
      }
      const uint8_t* f = p + body;
      w.format = ReadLe16(f);
      w.channels = ReadLe16(f + 2);
      w.rate = int(std::min<uint32_t>(ReadLe32(f + 4), 0x7fffffff));
      blockAlign = ReadLe16(f + 12);
      bits = ReadLe16(f + 14);
      if (w.format == kFormatExtensible) {
        // The real encoding is the first two bytes of the sub-format GUID.
        if (length < 40) {
          why = "WAV extensible format chunk is damaged";
          return false;
        }
        w.format = ReadLe16(f + 24);
      }
      haveFormat = true;
    } else if (std::memcmp(id, "data", 4) == 0 && !haveData) {
      // A data chunk cut short (or with a size that was never filled in) is taken as far as it goes.
      w.dataOffset = body;
      dataBytes = std::min(length, left);
      haveData = true;
    }
    if (length > left) break;
    at = body + length + (length & 1);
  }
  if (!haveFormat) {
    why = "WAV has no format chunk";
    return false;
  }
  if (!haveData) {
    why = "WAV has no data chunk";
    return false;
  }
  if (w.format != kFormatPcm && w.format != kFormatFloat) {
    why = "WAV encoding " + std::to_string(w.format) + " is not PCM or float";
    return false;
  }
  if (w.channels < 1 || w.channels > kMaxWavChannels) {
    why = "WAV channel count " + std::to_string(w.channels) + " is out of range";
    return false;
  }
  if (w.rate < 1 || w.rate > kMaxWavRate) {
    why = "WAV sample rate " + std::to_string(w.rate) + " is out of range";
    return false;
  }
  bool bitsOk = w.format == kFormatPcm ? (bits == 8 || bits == 16 || bits == 24 || bits == 32)
                                       : (bits == 32 || bits == 64);
  if (!bitsOk) {
    why = "WAV sample size of " + std::to_string(bits) + " bits is not supported";
    return false;
  }
  w.bytesPerSample = bits / 8;
  if (blockAlign != w.channels * w.bytesPerSample) {
    why = "WAV block size does not match its channels and sample size";
    return false;
  }
  w.frames = int64_t(dataBytes / size_t(blockAlign));
  if (w.frames == 0) {
    why = "WAV holds no audio";
    return false;
  }
  return true;
}

float SampleAt(const uint8_t* s, const WavLayout& w) {
  if (w.format == kFormatFloat) {
    double v;
    if (w.bytesPerSample == 4) {
      float f;
      std::memcpy(&f, s, 4);  // WAV is little-endian, as every machine the game runs on
      v = f;
    } else {
      std::memcpy(&v, s, 8);
    }
    // NaN or infinite samples would poison the whole mix; loud ones are only tamed by the mixer's clip.
    if (!std::isfinite(v)) return 0.0f;
    return float(std::clamp(v, -8.0, 8.0));
  }
  switch (w.bytesPerSample) {
    case 1: return (int(s[0]) - 128) / 128.0f;
    case 2: return int16_t(ReadLe16(s)) / 32768.0f;
    case 3: return int32_t((uint32_t(s[0]) << 8) | (uint32_t(s[1]) << 16) | (uint32_t(s[2]) << 24)) / 2147483648.0f;
    default: return int32_t(ReadLe32(s)) / 2147483648.0f;
  }
}

class WavDecoder : public PcmDecoder {
 public:
  WavDecoder(const SoundBytes& bytes, const WavLayout& layout) : bytes_(bytes), layout_(layout) {
    channels = layout.channels <= 2 ? layout.channels : 1;
    rate = layout.rate;
    totalFrames = layout.frames;
  }

  long Read(float* out, long frames) override {
    long count = long(std::min<int64_t>(frames, layout_.frames - position_));
    if (count <= 0) return 0;
    const int stored = layout_.channels;
    const size_t step = size_t(layout_.bytesPerSample);
    const uint8_t* from = bytes_.data + layout_.dataOffset + size_t(position_) * stored * step;
    float frame[kMaxWavChannels];
    for (long f = 0; f < count; ++f) {
      for (int c = 0; c < stored; ++c, from += step) frame[c] = SampleAt(from, layout_);
      ConvertChannels(frame, stored, out + size_t(f) * channels, channels, 1);
    }
    position_ += count;
    return count;
  }

  bool Rewind() override {
    position_ = 0;
    return true;
  }

 private:
  SoundBytes bytes_;
  WavLayout layout_;
  int64_t position_ = 0;  // frames read so far
};

}  // namespace

std::unique_ptr<PcmDecoder> OpenWavDecoder(const SoundBytes& bytes, std::string& why) {
  WavLayout layout;
  if (bytes.data == nullptr || !ParseWav(bytes.data, bytes.size, layout, why)) return nullptr;
  return std::make_unique<WavDecoder>(bytes, layout);
}
