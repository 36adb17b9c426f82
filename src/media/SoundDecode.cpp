// Choosing a decoder by the sound's signature, whole-sound decoding and channel conversion.
#include "media/SoundDecode.h"

#include <algorithm>
#include <cstring>

std::unique_ptr<PcmDecoder> OpenSoundDecoder(const SoundBytes& bytes, std::string& why) {
  if (bytes.data == nullptr || bytes.size < 4) {
    why = "sound data is empty or too short";
    return nullptr;
  }
  if (std::memcmp(bytes.data, "RIFF", 4) == 0) return OpenWavDecoder(bytes, why);
  if (std::memcmp(bytes.data, "OggS", 4) == 0) return OpenOggDecoder(bytes, why);
  why = "sound data is neither WAV nor Ogg Vorbis";
  return nullptr;
}

bool DecodeWhole(PcmDecoder& decoder, int64_t maxFrames, PcmData& out, std::string& why) {
  const int channels = decoder.Channels();
  out.channels = channels;
  out.rate = decoder.Rate();
  out.samples.clear();
  int64_t expected = decoder.TotalFrames();
  if (expected > 0) out.samples.reserve(size_t(std::min(expected, maxFrames)) * channels);
  constexpr long kChunk = 4096;  // frames
  std::vector<float> chunk(size_t(kChunk) * channels);
  int64_t frames = 0;
  while (frames < maxFrames) {
    long want = long(std::min<int64_t>(kChunk, maxFrames - frames));
    long got = decoder.Read(chunk.data(), want);
    if (got <= 0) break;
    out.samples.insert(out.samples.end(), chunk.begin(), chunk.begin() + got * channels);
    frames += got;
  }
  out.frames = frames;
  if (frames == 0) {
    why = "no audio could be decoded";
    return false;
  }
  out.samples.shrink_to_fit();
  return true;
}

void ConvertChannels(const float* in, int inChannels, float* out, int outChannels, long frames) {
  if (inChannels == outChannels) {
    std::copy(in, in + size_t(frames) * inChannels, out);
    return;
  }
  for (long f = 0; f < frames; ++f) {
    const float* from = in + size_t(f) * inChannels;
    if (outChannels == 1) {
      float sum = 0;
      for (int c = 0; c < inChannels; ++c) sum += from[c];
      out[f] = sum / float(inChannels);
    } else if (inChannels == 1) {
      out[2 * f] = out[2 * f + 1] = from[0];
    } else {
      // Only when a chained Ogg changes its channel count: its first two channels stand for left and right.
      out[2 * f] = from[0];
      out[2 * f + 1] = from[1];
    }
  }
}
