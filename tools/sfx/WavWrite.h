// Writing sounds as 16-bit PCM RIFF/WAVE files in memory, the format the game's effects are stored in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Float samples (−1..1) to 16-bit: clamped, rounded to the nearest step; NaN becomes silence.
std::vector<int16_t> FloatToPcm16(const std::vector<float>& samples);

// A canonical 44-byte-header WAV file of interleaved 16-bit samples. Fails (with the reason in `error`)
// for 0 or more than 16 channels, a rate outside 1..384000 Hz, a sample count that is not a whole number
// of frames, or data too large for the 32-bit RIFF sizes.
bool EncodeWav16(const std::vector<int16_t>& interleaved, int channels, int rate, std::vector<uint8_t>& out,
                 std::string& error);
