// The level compiler: what it refuses (with file and line), the exact record bytes, and how paths and blocks place tiles.
#include <gtest/gtest.h>

#include <cmath>

#include "base/LevelFormat.h"
#include "levels/LevelModel.h"
#include "levels/LevelSource.h"

namespace {

// Compiles a source that must fail and returns the message.
std::string Refusal(const std::string& text) {
  Level level;
  std::string error;
  EXPECT_FALSE(CompileLevelSource(text, "lv.txt", level, error)) << text;
  return error;
}

Level Compiled(const std::string& text) {
  Level level;
  std::string error;
  EXPECT_TRUE(CompileLevelSource(text, "lv.txt", level, error)) << error;
  return level;
}

TEST(LevelCompiler, RefusesWhatTheGameCannotPlayNamingFileAndLine) {
  EXPECT_EQ(Refusal("name \"x\"\n\ntile purple 448 100\n").rfind("lv.txt:3: unknown tile kind 'purple'", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ntile red 448 100\ntile red 20 100\n").rfind("lv.txt:3: tile off the playfield", 0), 0u);
  // A tile that only leaves the field along its path is refused too.
  EXPECT_EQ(Refusal("name \"x\"\npath p slide 400 0 2\ntile red 448 100 move p\n").rfind("lv.txt:3: tile off the playfield", 0), 0u);
  // Touching the wall exactly is fine; one pixel more is not.
  Compiled("name \"x\"\ntile red 120 30\ntile red 776 758\n");
  EXPECT_NE(Refusal("name \"x\"\ntile red 119 30\n").find("off the playfield"), std::string::npos);
  EXPECT_EQ(Refusal("name \"x\"\npath p keys 0 0 0 10 0 2\n").rfind("lv.txt:2: key point seconds must be", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\npath p slide 10 0 0\n").rfind("lv.txt:2: key point seconds", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ntile red 448 100 cap MALUS\n").rfind("lv.txt:2: capsule 'MALUS' is placed by the game", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ntile red 448 100 cap B\n").rfind("lv.txt:2:", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ntile red 448 100 cap WINGS\n").rfind("lv.txt:2: unknown capsule 'WINGS'", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ntile solid 448 100 cap LASER\n").rfind("lv.txt:2: only breakable tiles", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ntile red 448 100\ntile tele 448 300\n").rfind("lv.txt:3: a single teleporter", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ngrid 142 60\nrrXr\nend\n").rfind("lv.txt:3: unknown grid character 'X'", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ngroup\ntile red 448 100\n").rfind("lv.txt:2: block opened here is never closed", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ntile red 448 100 move nowhere\n").rfind("lv.txt:2: no path named", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\ncapsule LASER 600 600\ntile red 448 100\n").rfind("lv.txt:2: no tile is written", 0), 0u);
  EXPECT_EQ(Refusal("tile red 448 100\n").rfind("lv.txt:1: the level has no 'name'", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\nrow red 448 100 two 68\n").rfind("lv.txt:2: 'two' is not a number", 0), 0u);
}

TEST(LevelCompiler, RefusesMoreThanSixtyKeyPoints) {
  std::string sixty = "keys";
  for (int i = 0; i < 60; ++i) sixty.append(" ").append(std::to_string(i % 5)).append(" 0 1");
  std::string sixtyOne = sixty;
  sixtyOne.append(" 0 1 1");
  Level level = Compiled("name \"x\"\npath p " + sixty + "\ntile red 448 100 move p\n");
  ASSERT_EQ(level.tiles.size(), 1u);
  EXPECT_EQ(level.tiles[0].keys.size(), 60u);
  EXPECT_EQ(Refusal("name \"x\"\npath p " + sixtyOne + "\n").rfind("lv.txt:2: a path has at most 60 key points (got 61)", 0), 0u);
  EXPECT_EQ(Refusal("name \"x\"\npath p circle 50 61 1\n").rfind("lv.txt:2: a path needs 2 to 60 key points", 0), 0u);
}

TEST(LevelCompiler, RecordBytesAreExactlyTheLevelFormat) {
  Level level = Compiled("name \"x\"\ntile red 448 100 cap LASER\npath p slide 100 -50 5 3\ntile hit3 300 200 move p\n");
  std::vector<uint8_t> bytes = WriteLevelRecords(level.tiles);
  // 448.0f = 0x43E00000, 100.0f = 0x42C80000, 300.0f = 0x43960000, 200.0f = 0x43480000,
  // 400.0f = 0x43C80000, 150.0f = 0x43160000.
  const std::vector<uint8_t> expected = {
      34, 0, 0, 0,   0x22, 1, 0, 0,  1, 0, 0, 0,                         // red, LASER (290), one key point
      1, 0, 0, 0,    0, 0, 0xE0, 0x43,  0, 0, 0xC8, 0x42,                 // 1 s, (448, 100)
      178, 0, 0, 0,  0, 0, 0, 0,     2, 0, 0, 0,                         // three-hit, no capsule, two key points
      5, 0, 0, 0,    0, 0, 0x96, 0x43,  0, 0, 0x48, 0x43,                 // 5 s from (300, 200)
      3, 0, 0, 0,    0, 0, 0xC8, 0x43,  0, 0, 0x16, 0x43,                 // 3 s back from (400, 150)
  };
  EXPECT_EQ(bytes, expected);
  LevelRead read = ReadLevelRecords(bytes);
  ASSERT_EQ(read.error, "");
  ASSERT_EQ(read.tiles.size(), 2u);
  EXPECT_EQ(read.tiles[1].keys[1].x, 400.0f);
}

TEST(LevelCompiler, BlocksPlaceAndMoveTilesAsWritten) {
  Level level = Compiled(
      "name \"x\"\n"
      "path turn spin 448 200 4 2\n"
      "path wave slide 0 40 1\n"
      "mirror\n"
      "tile red 300 100 cap TRIPLE\n"
      "end\n"
      "grid 142 300\n"
      "r#3T\n"
      ".T\n"
      "end\n"
      "row blue 200 400 3 68 move wave stagger 1\n"
      "tile green 548 200 move turn\n"
      "shape pair\n"
      "row white 0 0 2 68\n"
      "end\n"
      "place pair 400 600\n"
      "capsule FIRE 468 600\n");
  ASSERT_EQ(level.tiles.size(), 13u);
  // The mirror copy keeps the capsule and stands across the field's centre line.
  EXPECT_EQ(level.tiles[1].keys[0].x, 596.0f);
  EXPECT_EQ(level.tiles[1].capsule, capsuleTriple);
  // Grid cells by character, pitch 68 × 24.
  EXPECT_EQ(level.tiles[2].sprite, tileRed);
  EXPECT_EQ(level.tiles[3].sprite, tileUnbreakable);
  EXPECT_EQ(level.tiles[4].sprite, tileThreeHits);
  EXPECT_EQ(level.tiles[5].sprite, tileTeleporter);
  EXPECT_EQ(level.tiles[6].keys[0].x, 210.0f);
  EXPECT_EQ(level.tiles[6].keys[0].y, 324.0f);
  // Stagger starts each further tile one key point further along: a wave.
  EXPECT_EQ(level.tiles[7].keys[0].y, 400.0f);
  EXPECT_EQ(level.tiles[8].keys[0].y, 440.0f);
  EXPECT_EQ(level.tiles[9].keys[0].y, 400.0f);
  // A quarter turn clockwise on screen takes (548, 200) to (448, 300).
  const LevelTile& spun = level.tiles[10];
  ASSERT_EQ(spun.keys.size(), 4u);
  EXPECT_NEAR(spun.keys[1].x, 448.0f, 0.01);
  EXPECT_NEAR(spun.keys[1].y, 300.0f, 0.01);
  EXPECT_EQ(spun.keys[1].seconds, 2);
  // Capsules find the tile written at the point, wherever its path begins.
  EXPECT_EQ(level.tiles[12].capsule, capsuleFire);
  EXPECT_EQ(level.tiles[11].capsule, 0);
}

}  // namespace
