// Encoding sounds and music as Ogg Vorbis streams in memory; the same input always gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct OggVorbisSettings {
  int channels = 1;           // 1 mono, 2 stereo (left, right interleaved)
  int rate = 22050;           // samples per second per channel
  float quality = 0.4f;       // Vorbis VBR quality, −0.1 (smallest) .. 1.0 (best)
  uint32_t serial = 0x4E42;   // Ogg stream serial number: fixed, so repeated builds give identical files
};

// Interleaved float samples (−1..1; values beyond are clipped, NaN is taken as silence), `frames`
// frames of settings.channels samples each. Fails with the reason in `error` when the settings are
// refused by the encoder (channel count, rate or quality out of range).
bool EncodeOggVorbis(const float* interleaved, size_t frames, const OggVorbisSettings& settings,
                     std::vector<uint8_t>& out, std::string& error);

// The same for 16-bit samples.
bool EncodeOggVorbis(const int16_t* interleaved, size_t frames, const OggVorbisSettings& settings,
                     std::vector<uint8_t>& out, std::string& error);
