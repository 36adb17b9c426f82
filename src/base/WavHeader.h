// The 44-byte header of a plain 16-bit PCM WAV file.
#pragma once

#include <array>
#include <cstdint>

constexpr int kWavHeaderBytes = 44;
// The most sample bytes a WAV can say it holds: its sizes are 32-bit and count the header's 36 bytes after "RIFF".
constexpr uint32_t kWavMostDataBytes = 0xFFFFFFFFu - 36;

// The header of a 16-bit PCM file of `channels` at `rate` frames per second with `dataBytes` of samples after it.
std::array<uint8_t, kWavHeaderBytes> PcmWavHeader(int rate, int channels, uint32_t dataBytes);

