// A strict WAV reader of the tool tests, written apart from the builder's writer so that it checks it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/ByteOrder.h"

struct WavTestFile {
  int format = 0;                // 1 for PCM
  int channels = 0;
  int rate = 0;                  // frames per second
  int bitsPerSample = 0;
  std::vector<int16_t> samples;  // interleaved
};

inline uint32_t WavTestU32(const std::vector<uint8_t>& b, size_t at) { return ReadLe32(b.data() + at); }
inline uint16_t WavTestU16(const std::vector<uint8_t>& b, size_t at) { return ReadLe16(b.data() + at); }

// Walks the RIFF chunks and checks that every size and derived field agrees; `problem` says what did not.
inline bool ReadWavForTest(const std::vector<uint8_t>& b, WavTestFile& out, std::string& problem) {
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
    problem = "no RIFF/WAVE header";
    return false;
  }
  if (WavTestU32(b, 4) != b.size() - 8) {
    problem = "RIFF size " + std::to_string(WavTestU32(b, 4)) + " but file of " + std::to_string(b.size());
    return false;
  }
  bool haveFormat = false, haveData = false;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    std::string tag(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
    size_t size = WavTestU32(b, at + 4);
    if (at + 8 + size > b.size()) {
      problem = "chunk " + tag + " runs past the end";
      return false;
    }
    if (tag == "fmt ") {
      if (size < 16) {
        problem = "short fmt chunk";
        return false;
      }
      out.format = WavTestU16(b, at + 8);
      out.channels = WavTestU16(b, at + 10);
      out.rate = static_cast<int>(WavTestU32(b, at + 12));
      uint32_t byteRate = WavTestU32(b, at + 16);
      int blockAlign = WavTestU16(b, at + 20);
      out.bitsPerSample = WavTestU16(b, at + 22);
      if (blockAlign != out.channels * out.bitsPerSample / 8 || byteRate != static_cast<uint32_t>(out.rate) * blockAlign) {
        problem = "block align or byte rate inconsistent";
        return false;
      }
      haveFormat = true;
    } else if (tag == "data") {
      if (!haveFormat || out.bitsPerSample != 16 || size % (2u * out.channels) != 0) {
        problem = "data chunk is not whole 16-bit frames";
        return false;
      }
      for (size_t i = 0; i < size; i += 2) out.samples.push_back(static_cast<int16_t>(WavTestU16(b, at + 8 + i)));
      haveData = true;
    }
    at += 8 + size + (size & 1);
  }
  if (at != b.size() || !haveFormat || !haveData) {
    problem = "missing chunks or trailing bytes";
    return false;
  }
  return true;
}
