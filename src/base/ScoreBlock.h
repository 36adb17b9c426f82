// The local high-score file's plain block: ten rows of name, level and score, and a byte-sum checksum.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct ScoreEntry {
  std::string name;    // at most 12 characters in the file; "" shows as "-"
  int32_t level = 0;   // the 1-based number of the level the player had reached
  int32_t score = 0;   // points
};

constexpr size_t kScoreRows = 10;
constexpr size_t kScoreBlockBytes = 204;
constexpr size_t kScoreNameBytes = 12;

using ScoreRows = std::array<ScoreEntry, kScoreRows>;

// The 204 bytes of ten rows: each name cut to 12 characters (a shorter one ends with a zero byte), level and
// score little-endian, and at 200 the sum of bytes 0..199 taken as signed bytes.
std::array<uint8_t, kScoreBlockBytes> EncodeScoreBlock(const ScoreRows& rows);
// False, leaving `rows` alone, when the block's checksum does not add up.
bool DecodeScoreBlock(const std::array<uint8_t, kScoreBlockBytes>& block, ScoreRows& rows);
