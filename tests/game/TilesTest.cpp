// Level files and tiles: reading records (and damaged ones), gliding along paths, teleporters, the intro.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <filesystem>

#include "media/Media.h"
#include "game/PlayState.h"
#include "game/Tiles.h"
#include "shell/Shell.h"
#include "support/Headless.h"
#include "tools/PackWriter.h"

namespace {

struct Key {
  int seconds;
  float x, y;
};

void Put(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

constexpr int countOfKeys = INT_MIN;  // write the number of key points given

void Record(std::vector<uint8_t>& out, int sprite, int capsule, std::vector<Key> keys, int keyCount = countOfKeys) {
  Put(out, static_cast<uint32_t>(sprite));
  Put(out, static_cast<uint32_t>(capsule));
  Put(out, static_cast<uint32_t>(keyCount == countOfKeys ? static_cast<int>(keys.size()) : keyCount));
  for (const Key& k : keys) {
    Put(out, static_cast<uint32_t>(k.seconds));
    uint32_t bits;
    std::memcpy(&bits, &k.x, 4);
    Put(out, bits);
    std::memcpy(&bits, &k.y, 4);
    Put(out, bits);
  }
}

class Tiles : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameForTest(); }
  bool Read(const std::vector<uint8_t>& bytes) {
    std::string error;
    return ReadTileRecords(bytes.data(), bytes.size(), error);
  }
};

TEST_F(Tiles, RecordsBecomeTilesAtTheirFirstKeyPoint) {
  std::vector<uint8_t> level;
  Record(level, tileRed, 242, {{1, 200.4f, 100.6f}});
  Record(level, tileTwoHits, 0, {{5, 300, 200}, {3, 400, 200}});
  ASSERT_TRUE(Read(level));
  ASSERT_EQ(lists.tiles.Count(), 2);
  Tile* first = lists.tiles.At(0);
  EXPECT_EQ(first->capsule, 242);
  EXPECT_EQ(first->alive, 1);
  EXPECT_EQ(first->startX, 200);
  EXPECT_EQ(first->startY, 101);
  Tile* second = lists.tiles.At(1);
  EXPECT_FLOAT_EQ(second->vx, 100.0f / 300.0f);
  EXPECT_EQ(second->secondsLeft, 5);
}

TEST_F(Tiles, AnEmptyEntryGivesNoTilesAndACutRecordEndsTheReading) {
  ASSERT_TRUE(Read({}));
  EXPECT_EQ(lists.tiles.Count(), 0);
  std::vector<uint8_t> level;
  Record(level, tileRed, 0, {{1, 200, 100}});
  Record(level, tileBlue, 0, {{1, 300, 100}, {2, 400, 100}});
  level.resize(level.size() - 5);
  ASSERT_TRUE(Read(level));
  EXPECT_EQ(lists.tiles.Count(), 1);
}

TEST_F(Tiles, KeyCountsOutsideOneToSixtyAreRefusedAndZeroSecondsCountAsOne) {
  std::vector<uint8_t> tooMany;
  Record(tooMany, tileRed, 0, std::vector<Key>(61, Key{1, 200, 100}));
  EXPECT_FALSE(Read(tooMany));
  std::vector<uint8_t> none;
  Record(none, tileRed, 0, {}, 0);
  EXPECT_FALSE(Read(none));
  std::vector<uint8_t> negative;
  Record(negative, tileRed, 0, {{1, 200, 100}}, -7);
  EXPECT_FALSE(Read(negative));
  lists.tiles.Clear();
  std::vector<uint8_t> zero;
  Record(zero, tileRed, 0, {{0, 200, 100}, {0, 260, 100}});
  ASSERT_TRUE(Read(zero));
  EXPECT_EQ(lists.tiles.At(0)->keySeconds[0], 1);
  EXPECT_FLOAT_EQ(lists.tiles.At(0)->vx, 1.0f);
}

TEST_F(Tiles, OneKeyPointNeverMovesAndTwoKeyPointsLoopInTheirSeconds) {
  std::vector<uint8_t> level;
  Record(level, tileRed, 0, {{1, 200, 100}});
  Record(level, tileGreen, 0, {{5, 300, 200}, {3, 400, 200}});
  ASSERT_TRUE(Read(level));
  Tile* still = lists.tiles.At(0);
  Tile* mover = lists.tiles.At(1);
  int arrivedAt = -1, backAt = -1;
  for (int frame = 1; frame <= 700; ++frame) {
    UpdateTiles();
    if (arrivedAt < 0 && mover->x == 400.0f) arrivedAt = frame;
    if (arrivedAt > 0 && backAt < 0 && mover->x == 300.0f) backAt = frame;
  }
  EXPECT_EQ(still->x, 200.0f);
  EXPECT_EQ(still->y, 100.0f);
  EXPECT_NEAR(arrivedAt, 300, 2);
  EXPECT_NEAR(backAt - arrivedAt, 180, 2);
  EXPECT_EQ(play.liveTileCount, 2);
}

TEST_F(Tiles, TheTeleporterListFollowsTheTileOrder) {
  std::vector<uint8_t> level;
  Record(level, tileTeleporter, 0, {{1, 200, 100}});
  Record(level, tileRed, 0, {{1, 300, 100}});
  Record(level, tileTeleporter, 0, {{1, 400, 100}});
  ASSERT_TRUE(Read(level));
  lists.tiles.At(2)->teleportBusy = 1;
  BuildTeleporterList();
  ASSERT_EQ(lists.teleporters.Count(), 2);
  EXPECT_EQ(lists.teleporters.At(0)->tile, 0);
  EXPECT_EQ(lists.teleporters.At(1)->tile, 2);
  EXPECT_EQ(lists.tiles.At(2)->teleportBusy, 0);
}

TEST_F(Tiles, LevelFilesAreNamedByTheSetAndTheIndex) {
  EXPECT_EQ(LevelFileName(difficultyHard, 12), "packs/hard/level12.pak");
  EXPECT_EQ(LevelFileName(difficultyNormal, 0), "packs/normal/level0.pak");
}

TEST_F(Tiles, TheIntroLasts96FramesAndEscapeEndsIt) {
  long before = PresentedFrames();
  PlayLevelIntro();
  EXPECT_EQ(PresentedFrames() - before, 97);  // the blank first frame and 96 sliding ones
  EXPECT_EQ(play.tileOffsetY, 0);
  ReplayJournalText("3 keys=1\n");
  before = PresentedFrames();
  PlayLevelIntro();
  EXPECT_LT(PresentedFrames() - before, 10);
  EXPECT_EQ(play.tileOffsetY, 0);
  ReplayJournalText("1 keys=\n");
}

class LevelFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    home = CurrentDirectory();
    dir = std::filesystem::temp_directory_path() / ("levels-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "packs/normal");
    SetCurrentDirectory(dir.string());
  }
  void TearDown() override {
    SetCurrentDirectory(home);
    std::filesystem::remove_all(dir);
  }
  std::string home;
  std::filesystem::path dir;
};

TEST_F(LevelFiles, AMissingOrDamagedFileEndsWithAClearMessage) {
  play.levelIndex = 5;
  EXPECT_EXIT(LoadLevelTiles(), ::testing::ExitedWithCode(1), "No level file");
  std::vector<uint8_t> bad;
  Record(bad, tileRed, 0, std::vector<Key>(61, Key{1, 200, 100}));
  PackEntry entry{"level5.dat", bad, true};
  ASSERT_TRUE(WritePack("packs/normal/level5.pak", {entry}));
  EXPECT_EXIT(LoadLevelTiles(), ::testing::ExitedWithCode(1), "packs/normal/level5.pak");
}

TEST(CompiledLevels, EveryLevelOfBothSetsLoads) {
  ResetGameForTest();
  std::string home = CurrentDirectory();
  ASSERT_TRUE(SetCurrentDirectory(GAME_DIR));
  std::vector<std::pair<int, int>> levels;
  for (int i = 0; i <= 102; ++i) levels.push_back({difficultyNormal, i});
  for (int i = 0; i <= 50; ++i) levels.push_back({difficultyHard, i});
  for (int i = 100; i <= 102; ++i) levels.push_back({difficultyHard, i});
  for (auto [difficulty, index] : levels) {
    play.difficulty = difficulty;
    play.levelIndex = index;
    LoadLevelTiles();
    bool breakable = false;
    lists.tiles.ForEach([&](const Tile& t) {
      breakable = breakable || IsBreakableTile(t.sprite);
      EXPECT_GE(t.x - 32, fieldLeft) << LevelFileName(difficulty, index);
      EXPECT_LE(t.x + 32, fieldRight) << LevelFileName(difficulty, index);
    });
    bool finalLevel = index == (difficulty == difficultyHard ? finalLevelHard : finalLevelNormal);
    EXPECT_TRUE(breakable || finalLevel) << LevelFileName(difficulty, index);
  }
  SetCurrentDirectory(home);
}

}  // namespace
