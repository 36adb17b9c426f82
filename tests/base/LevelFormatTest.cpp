// The level entry's records: exact round trips, and damaged entries refused whole with a message.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/ByteOrder.h"
#include "base/LevelFormat.h"

namespace {

std::vector<TileRecord> TwoTiles() {
  return {{tileRed, capsuleLaser, {{1, 448.0f, 100.5f}}},
          {tileThreeHits, 0, {{5, 300.25f, 200.0f}, {0, -0.0f, 1e-30f}, {-3, 400.0f, 150.0f}}}};
}

void ExpectSameRecords(const std::vector<TileRecord>& got, const std::vector<TileRecord>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].sprite, want[i].sprite) << i;
    EXPECT_EQ(got[i].capsule, want[i].capsule) << i;
    ASSERT_EQ(got[i].keys.size(), want[i].keys.size()) << i;
    for (size_t k = 0; k < want[i].keys.size(); ++k) {
      EXPECT_EQ(got[i].keys[k].seconds, want[i].keys[k].seconds) << i << " " << k;
      // Bit for bit, the sign of zero included.
      EXPECT_EQ(std::signbit(got[i].keys[k].x), std::signbit(want[i].keys[k].x)) << i << " " << k;
      EXPECT_EQ(got[i].keys[k].x, want[i].keys[k].x) << i << " " << k;
      EXPECT_EQ(got[i].keys[k].y, want[i].keys[k].y) << i << " " << k;
    }
  }
}

TEST(LevelFormat, RecordsComeBackExactlyAndTheSizeFollowsTheKeyCounts) {
  std::vector<uint8_t> bytes = WriteLevelRecords(TwoTiles());
  EXPECT_EQ(bytes.size(), 2 * tileRecordHeadBytes + 4 * keyPointBytes);
  LevelRead read = ReadLevelRecords(bytes);
  EXPECT_EQ(read.error, "");
  ExpectSameRecords(read.tiles, TwoTiles());
  // The longest path the game holds.
  TileRecord longest{tileTeleporter, 0, std::vector<KeyPoint>(maxKeyPoints, KeyPoint{2, 120, 30})};
  read = ReadLevelRecords(WriteLevelRecords(std::vector<TileRecord>{longest}));
  EXPECT_EQ(read.error, "");
  ExpectSameRecords(read.tiles, {longest});
}

TEST(LevelFormat, NoDataIsALevelWithoutTiles) {
  LevelRead read = ReadLevelRecords(nullptr, 0);
  EXPECT_TRUE(read.tiles.empty());
  EXPECT_EQ(read.error, "");
  read = ReadLevelRecords(std::vector<uint8_t>{});
  EXPECT_TRUE(read.tiles.empty());
  EXPECT_EQ(read.error, "");
}

TEST(LevelFormat, AnEntryCutShortAnywhereInsideARecordIsRefusedWhole) {
  std::vector<uint8_t> bytes = WriteLevelRecords(TwoTiles());
  size_t firstEnd = tileRecordHeadBytes + keyPointBytes;
  for (size_t length = 1; length < bytes.size(); ++length) {
    LevelRead read = ReadLevelRecords(bytes.data(), length);
    if (length == firstEnd) {
      EXPECT_EQ(read.error, "");
      EXPECT_EQ(read.tiles.size(), 1u);
      continue;
    }
    EXPECT_TRUE(read.tiles.empty()) << length;
    EXPECT_NE(read.error.find("is cut short"), std::string::npos) << length << ": " << read.error;
    // The message names the damaged record and where it starts.
    const char* which = length < firstEnd ? "tile 1 (at byte 0)" : "tile 2 (at byte 24)";
    EXPECT_EQ(read.error.rfind(which, 0), 0u) << length << ": " << read.error;
  }
}

TEST(LevelFormat, KeyCountsOutsideOneToTheLimitAreRefused) {
  for (int32_t count : {0, -7, maxKeyPoints + 1, std::numeric_limits<int32_t>::min()}) {
    std::vector<uint8_t> bytes = WriteLevelRecords(TwoTiles());
    size_t second = tileRecordHeadBytes + keyPointBytes;
    WriteLe32(bytes.data() + second + 8, static_cast<uint32_t>(count));
    LevelRead read = ReadLevelRecords(bytes);
    EXPECT_TRUE(read.tiles.empty()) << count;
    EXPECT_EQ(read.error, "tile 2 (at byte 24) has " + std::to_string(count) + " key points (1 to 60 allowed)");
  }
  // A count that would overflow the size arithmetic is refused as too many, never read past the end.
  std::vector<uint8_t> huge(tileRecordHeadBytes, 0);
  WriteLe32(huge.data() + 8, 0x7FFFFFFFu);
  EXPECT_FALSE(ReadLevelRecords(huge).error.empty());
}

TEST(LevelFormat, KeyPointsThatAreNotNumbersAreRefused) {
  for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity()}) {
    std::vector<TileRecord> tiles = TwoTiles();
    tiles[1].keys[2].y = bad;
    LevelRead read = ReadLevelRecords(WriteLevelRecords(tiles));
    EXPECT_TRUE(read.tiles.empty());
    EXPECT_EQ(read.error, "tile 2 (at byte 24) has a key point that is not a number");
  }
}

}  // namespace
