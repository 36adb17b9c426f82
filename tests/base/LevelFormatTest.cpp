// The level entry's records: exact round trips, and damaged entries refused whole with a message.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/ByteOrder.h"
#include "base/LevelFormat.h"
#include "base/Playfield.h"

namespace {

std::vector<TileRecord> TwoTiles() {
  return {{tileRed, capsuleLaser, {{1, 448.0f, 100.5f}}},
          {tileThreeHits, 0, {{5, 300.25f, 200.0f}, {0, 448.00003f, 100.00001f}, {3600, 400.0f, 150.0f}}}};
}

void ExpectSameRecords(const std::vector<TileRecord>& got, const std::vector<TileRecord>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].sprite, want[i].sprite) << i;
    EXPECT_EQ(got[i].capsule, want[i].capsule) << i;
    ASSERT_EQ(got[i].keys.size(), want[i].keys.size()) << i;
    for (size_t k = 0; k < want[i].keys.size(); ++k) {
      EXPECT_EQ(got[i].keys[k].seconds, want[i].keys[k].seconds) << i << " " << k;
      // Bit for bit: the last bits of the fractions included.
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

// Every field is held to what the game can draw and time; the message names the tile and the value.
TEST(LevelFormat, FieldsTheGameCannotDrawOrTimeAreRefused) {
  struct Case {
    int sprite, capsule, seconds;
    float x, y;
    const char* error;  // empty: accepted
  };
  const int most = std::numeric_limits<int32_t>::max();
  const Case cases[] = {
      {tileTeleporter, capsuleExtraLife, 0, fieldLeft + 32, fieldTop + 10, ""},
      {tileBlack, 0, maxKeySeconds, fieldRight - 32, fieldBottom - 10, ""},
      {999, 0, 1, 300, 200, "tile 2 (at byte 24) is of no known kind (999)"},
      {tileRed + 1, 0, 1, 300, 200, "tile 2 (at byte 24) is of no known kind (35)"},
      {most, 0, 1, 300, 200, "tile 2 (at byte 24) is of no known kind (2147483647)"},
      {tileRed, capsuleMalus, 1, 300, 200, "tile 2 (at byte 24) carries no known capsule (418)"},
      {tileRed, capsuleLetterB, 1, 300, 200, "tile 2 (at byte 24) carries no known capsule (434)"},
      {tileRed, capsuleTriple + 1, 1, 300, 200, "tile 2 (at byte 24) carries no known capsule (243)"},
      {tileRed, -1, 1, 300, 200, "tile 2 (at byte 24) carries no known capsule (-1)"},
      {tileRed, most, 1, 300, 200, "tile 2 (at byte 24) carries no known capsule (2147483647)"},
      {tileRed, 0, -1, 300, 200, "tile 2 (at byte 24) key point 1 lasts -1 seconds (0 to 3600 allowed)"},
      {tileRed, 0, maxKeySeconds + 1, 300, 200, "tile 2 (at byte 24) key point 1 lasts 3601 seconds (0 to 3600 allowed)"},
      {tileRed, 0, most, 300, 200, "tile 2 (at byte 24) key point 1 lasts 2147483647 seconds (0 to 3600 allowed)"},
      {tileRed, 0, 1, fieldLeft + 31.9f, 200, "tile 2 (at byte 24) key point 1 puts the tile outside the field (centre 119.90, 200.00)"},
      {tileRed, 0, 1, 300, fieldBottom - 9.5f, "tile 2 (at byte 24) key point 1 puts the tile outside the field (centre 300.00, 758.50)"},
      {tileRed, 0, 1, 300, fieldTop, "outside the field (centre 300.00, 20.00)"},
      {tileRed, 0, 1, -1e30f, 200, "outside the field"},
  };
  for (const Case& c : cases) {
    std::vector<TileRecord> tiles{{tileRed, 0, {{1, 300, 100}}}, {c.sprite, c.capsule, {{c.seconds, c.x, c.y}}}};
    LevelRead read = ReadLevelRecords(WriteLevelRecords(tiles));
    if (*c.error == 0) {
      EXPECT_EQ(read.error, "") << c.sprite;
      EXPECT_EQ(read.tiles.size(), 2u);
      continue;
    }
    EXPECT_TRUE(read.tiles.empty()) << c.error;
    EXPECT_NE(read.error.find(c.error), std::string::npos) << read.error;
  }
  // A later key point of a path is checked like the first.
  std::vector<TileRecord> path{{tileRed, 0, {{2, 300, 100}, {2, 300, 100}, {1, 900, 100}}}};
  EXPECT_EQ(ReadLevelRecords(WriteLevelRecords(path)).error.find("tile 1 (at byte 0) key point 3 puts"), 0u);
}

TEST(LevelFormat, NoMoreTilesThanTheFieldHolds) {
  std::vector<TileRecord> full(maxLevelTiles, TileRecord{tileRed, 0, {{1, 300, 100}}});
  std::vector<uint8_t> bytes = WriteLevelRecords(full);
  EXPECT_EQ(ReadLevelRecords(bytes).tiles.size(), static_cast<size_t>(maxLevelTiles));
  // One more, or an entry of many megabytes of records, is refused at the first tile too many.
  AppendTileRecord(bytes, full[0]);
  LevelRead read = ReadLevelRecords(bytes);
  EXPECT_TRUE(read.tiles.empty());
  EXPECT_EQ(read.error, "more than 407 tiles (the field holds no more): the entry goes on at byte " +
                            std::to_string(maxLevelTiles * (tileRecordHeadBytes + keyPointBytes)));
  std::vector<uint8_t> huge(16u << 20);
  for (size_t at = 0; at < bytes.size(); ++at) huge[at] = bytes[at];
  EXPECT_FALSE(ReadLevelRecords(huge).error.empty());
}

}  // namespace
