// Sounds made in memory for the sound tests: WAV files of any layout, Ogg Vorbis files and mixing helpers.
#pragma once

#include "base/SoundLevels.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/ByteOrder.h"
#include "media/Media.h"

namespace soundtest {

constexpr double kPi = 3.14159265358979323846;

inline void Put16(std::vector<uint8_t>& b, int v) { AppendLe16(b, static_cast<uint32_t>(v)); }
inline void Put32(std::vector<uint8_t>& b, uint32_t v) { AppendLe32(b, v); }
inline void PutTag(std::vector<uint8_t>& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(tag[i]));
}

// A WAV of interleaved `samples` (-1..1). format 1 is integer PCM, 3 float; `extensible` wraps
// either in the extensible format chunk.
inline std::vector<uint8_t> MakeWav(int channels, int rate, int bits, const std::vector<float>& samples,
                                    int format = 1, bool extensible = false) {
  std::vector<uint8_t> data;
  for (float s : samples) {
    // Float files keep any value, broken ones too; integer ones are clipped to their range.
    double v = format == 3 ? double(s) : std::fmax(-1.0, std::fmin(1.0, double(s)));
    if (format == 3 && bits == 32) {
      float f = float(v);
      uint32_t u;
      std::memcpy(&u, &f, 4);
      Put32(data, u);
    } else if (format == 3) {
      uint64_t u;
      std::memcpy(&u, &v, 8);
      Put32(data, uint32_t(u));
      Put32(data, uint32_t(u >> 32));
    } else if (bits == 8) {
      data.push_back(uint8_t(std::lround(v * 127.0) + 128));
    } else if (bits == 16) {
      Put16(data, int(std::lround(v * 32767.0)));
    } else if (bits == 24) {
      int32_t i = int32_t(std::lround(v * 8388607.0));
      for (int k = 0; k < 3; ++k) data.push_back(uint8_t(i >> (8 * k)));
    } else {
      Put32(data, uint32_t(int32_t(std::lround(v * 2147483647.0))));
    }
  }
  std::vector<uint8_t> b;
  PutTag(b, "RIFF");
  Put32(b, 0);  // filled in below
  PutTag(b, "WAVE");
  PutTag(b, "fmt ");
  Put32(b, extensible ? 40 : 16);
  Put16(b, extensible ? 0xFFFE : format);
  Put16(b, channels);
  Put32(b, uint32_t(rate));
  Put32(b, uint32_t(rate * channels * bits / 8));
  Put16(b, channels * bits / 8);
  Put16(b, bits);
  if (extensible) {
    Put16(b, 22);
    Put16(b, bits);
    Put32(b, 0);
    Put16(b, format);
    static const uint8_t kGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    b.insert(b.end(), kGuidTail, kGuidTail + 14);
  }
  PutTag(b, "data");
  Put32(b, uint32_t(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  uint32_t riff = uint32_t(b.size() - 8);
  std::memcpy(b.data() + 4, &riff, 4);
  return b;
}

// `frames` frames of a sine of `cycles` whole periods over the sound, on every channel.
inline std::vector<float> Sine(int frames, int channels, double cycles, float amplitude) {
  std::vector<float> s(size_t(frames) * channels);
  for (int f = 0; f < frames; ++f) {
    float v = amplitude * float(std::sin(2.0 * kPi * cycles * f / frames));
    for (int c = 0; c < channels; ++c) s[size_t(f) * channels + c] = v;
  }
  return s;
}

// A 16-bit mono WAV at `rate` with a constant level: easy to measure after volume and pan.
inline std::vector<uint8_t> LevelWav(int frames, float level, int rate = 44100) {
  return MakeWav(1, rate, 16, std::vector<float>(size_t(frames), level));
}

// Ogg Vorbis of interleaved `samples`, encoded with libvorbisenc at a middling quality.
inline std::vector<uint8_t> MakeOgg(int channels, int rate, const std::vector<float>& samples) {
  std::vector<uint8_t> out;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, 0.5f) != 0) return out;
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1234);
  ogg_packet header, commentPacket, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentPacket);
  ogg_stream_packetin(&stream, &codebooks);
  ogg_page page;
  auto append = [&](const ogg_page& p) {
    out.insert(out.end(), p.header, p.header + p.header_len);
    out.insert(out.end(), p.body, p.body + p.body_len);
  };
  while (ogg_stream_flush(&stream, &page) != 0) append(page);
  const long frames = long(samples.size() / size_t(channels));
  long at = 0;
  bool done = false;
  while (!done) {
    long n = std::min(1024L, frames - at);
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp, int(n));
      for (long f = 0; f < n; ++f)
        for (int c = 0; c < channels; ++c) buffer[c][f] = samples[size_t(at + f) * channels + c];
      vorbis_analysis_wrote(&dsp, int(n));
      at += n;
    } else {
      vorbis_analysis_wrote(&dsp, 0);
    }
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) {
          append(page);
          if (ogg_page_eos(&page)) done = true;
        }
      }
    }
  }
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

// A standard MIDI file: `notes` quarter notes of middle C on a piano, half a second each.
inline std::vector<uint8_t> MakeMidi(int notes) {
  std::vector<uint8_t> track = {0x00, 0xC0, 0x00};
  for (int i = 0; i < notes; ++i) {
    uint8_t key = uint8_t(60 + (i % 5));
    track.insert(track.end(), {0x00, 0x90, key, 0x64, 0x60, 0x80, key, 0x40});
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
  uint32_t length = uint32_t(track.size());
  for (int shift = 24; shift >= 0; shift -= 8) file.push_back(uint8_t(length >> shift));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

// Mixes `frames` frames and returns them interleaved left, right, with the mixer's master gain taken back out:
// the voices as the sounds and their settings made them.
inline std::vector<float> Mix(int frames) {
  std::vector<float> out(size_t(frames) * 2);
  MixSoundFrames(out.data(), frames);
  for (float& v : out) v /= kMasterGain;
  return out;
}

// Mixes `frames` frames as the device receives them: after the master gain and the soft clip.
inline std::vector<float> MixOutput(int frames) {
  std::vector<float> out(size_t(frames) * 2);
  MixSoundFrames(out.data(), frames);
  return out;
}

inline float Peak(const std::vector<float>& stereo, int channel) {
  float peak = 0;
  for (size_t i = size_t(channel); i < stereo.size(); i += 2) peak = std::fmax(peak, std::fabs(stereo[i]));
  return peak;
}

inline bool Load(int number, const std::vector<uint8_t>& bytes) {
  return SoundFromMemory(number, bytes.data(), bytes.size());
}

// Every sound the tests use lives below this number; each test starts and ends with none of them.
constexpr int kTestSoundNumbers = 80;
inline void ReleaseTestSounds() {
  for (int n = 0; n < kTestSoundNumbers; ++n) ReleaseSound(n);
}

}  // namespace soundtest
