// Decoding Ogg Vorbis streams held in memory, for the builder's checks of what it encoded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedSound {
  int channels = 0;            // samples per frame
  int rate = 0;                // frames per second
  std::vector<float> samples;  // interleaved, −1..1
};

// Decodes the first logical stream; the result is cut to the length recorded in the last page, so a
// round trip gives back exactly as many frames as were encoded. Fails with the reason in `error`
// on data that is not a complete Vorbis stream.
bool DecodeOggVorbis(const std::vector<uint8_t>& bytes, DecodedSound& out, std::string& error);
