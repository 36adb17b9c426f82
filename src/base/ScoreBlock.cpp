// The local high-score block, written and read the same way by the game and its tests.
#include "base/ScoreBlock.h"

#include <algorithm>
#include <cstring>

#include "base/ByteOrder.h"

namespace {

int32_t Checksum(const std::array<uint8_t, kScoreBlockBytes>& block) {
  int32_t sum = 0;
  for (size_t i = 0; i < 200; ++i) sum += static_cast<int8_t>(block[i]);
  return sum;
}

}  // namespace

std::array<uint8_t, kScoreBlockBytes> EncodeScoreBlock(const ScoreRows& rows) {
  std::array<uint8_t, kScoreBlockBytes> block{};
  for (size_t i = 0; i < kScoreRows; ++i) {
    uint8_t* row = block.data() + 20 * i;
    size_t length = std::min(rows[i].name.size(), kScoreNameBytes);
    std::memcpy(row, rows[i].name.data(), length);  // a shorter name is followed by the block's zeros
    WriteLe32(row + 12, static_cast<uint32_t>(rows[i].level));
    WriteLe32(row + 16, static_cast<uint32_t>(rows[i].score));
  }
  WriteLe32(block.data() + 200, static_cast<uint32_t>(Checksum(block)));
  return block;
}

bool DecodeScoreBlock(const std::array<uint8_t, kScoreBlockBytes>& block, ScoreRows& rows) {
  if (static_cast<int32_t>(ReadLe32(block.data() + 200)) != Checksum(block)) return false;
  for (size_t i = 0; i < kScoreRows; ++i) {
    const uint8_t* row = block.data() + 20 * i;
    size_t length = 0;
    while (length < kScoreNameBytes && row[length] != 0) ++length;
    rows[i].name.assign(reinterpret_cast<const char*>(row), length);
    rows[i].level = static_cast<int32_t>(ReadLe32(row + 12));
    rows[i].score = static_cast<int32_t>(ReadLe32(row + 16));
  }
  return true;
}
