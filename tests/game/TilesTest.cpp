// Level files and tiles: tiles from records (and damaged entries refused), gliding along paths, teleporters, the intro.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/ByteOrder.h"
#include "base/LevelFormat.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "game/Tiles.h"
#include "shell/Shell.h"
#include "support/Headless.h"
#include "tools/PackWriter.h"

namespace {

// A level entry written by the one writer of the level format.
std::vector<uint8_t> Level(const std::vector<TileRecord>& tiles) { return WriteLevelRecords(tiles); }

class Tiles : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameForTest(); }
  bool Read(const std::vector<uint8_t>& bytes) {
    std::string error;
    return ReadTileRecords(bytes.data(), bytes.size(), error);
  }
};

TEST_F(Tiles, RecordsBecomeTilesAtTheirFirstKeyPoint) {
  ASSERT_TRUE(Read(Level({{tileRed, capsuleTriple, {{1, 200.4f, 100.6f}}},
                          {tileTwoHits, 0, {{5, 300, 200}, {3, 400, 200}}}})));
  ASSERT_EQ(lists.tiles.Count(), 2);
  Tile* first = lists.tiles.At(0);
  EXPECT_EQ(first->capsule, capsuleTriple);
  EXPECT_TRUE(first->alive);
  EXPECT_EQ(first->startX, 200);
  EXPECT_EQ(first->startY, 101);
  Tile* second = lists.tiles.At(1);
  EXPECT_FLOAT_EQ(second->vx, 100.0f / 300.0f);
  EXPECT_EQ(second->secondsLeft, 5);
}

TEST_F(Tiles, ADamagedEntryAddsNoTileAndSaysWhy) {
  ASSERT_TRUE(Read({}));
  EXPECT_EQ(lists.tiles.Count(), 0);
  std::vector<uint8_t> cut = Level({{tileRed, 0, {{1, 200, 100}}}, {tileBlue, 0, {{1, 300, 100}, {2, 400, 100}}}});
  cut.resize(cut.size() - 5);
  std::string error;
  EXPECT_FALSE(ReadTileRecords(cut.data(), cut.size(), error));
  EXPECT_EQ(lists.tiles.Count(), 0);
  EXPECT_NE(error.find("tile 2"), std::string::npos) << error;
  EXPECT_FALSE(Read(Level({{tileRed, 0, std::vector<KeyPoint>(maxKeyPoints + 1, KeyPoint{1, 200, 100})}})));
  EXPECT_FALSE(Read(Level({{tileRed, 0, {}}})));
  EXPECT_EQ(lists.tiles.Count(), 0);
}

TEST_F(Tiles, ZeroSecondsCountAsOne) {
  ASSERT_TRUE(Read(Level({{tileRed, 0, {{0, 200, 100}, {0, 260, 100}}}})));
  EXPECT_EQ(lists.tiles.At(0)->keySeconds[0], 1);
  EXPECT_FLOAT_EQ(lists.tiles.At(0)->vx, 1.0f);
}

TEST_F(Tiles, OneKeyPointNeverMovesAndTwoKeyPointsLoopInTheirSeconds) {
  ASSERT_TRUE(Read(Level({{tileRed, 0, {{1, 200, 100}}}, {tileGreen, 0, {{5, 300, 200}, {3, 400, 200}}}})));
  Tile* still = lists.tiles.At(0);
  Tile* mover = lists.tiles.At(1);
  int arrivedAt = -1, backAt = -1;
  for (int frame = 1; frame <= 700; ++frame) {
    StepTiles();
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
  ASSERT_TRUE(Read(Level({{tileTeleporter, 0, {{1, 200, 100}}},
                          {tileRed, 0, {{1, 300, 100}}},
                          {tileTeleporter, 0, {{1, 400, 100}}}})));
  lists.tiles.At(2)->teleportBusy = true;
  BuildTeleporterList();
  ASSERT_EQ(lists.teleporters.Count(), 2);
  EXPECT_EQ(lists.teleporters.At(0)->tile, 0);
  EXPECT_EQ(lists.teleporters.At(1)->tile, 2);
  EXPECT_FALSE(lists.tiles.At(2)->teleportBusy);
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
  EXPECT_EXIT(LoadLevelTiles(), ::testing::ExitedWithCode(1), "No level file: packs/normal/level5.pak: No such file");
  std::vector<uint8_t> bad = Level({{tileRed, 0, std::vector<KeyPoint>(maxKeyPoints + 1, KeyPoint{1, 200, 100})}});
  ASSERT_TRUE(WritePack("packs/normal/level5.pak", {PackEntry{"level5.dat", bad, true}}));
  EXPECT_EXIT(LoadLevelTiles(), ::testing::ExitedWithCode(1), "packs/normal/level5.pak is damaged: tile 1 .* 61 key points");
  // A record cut short is refused the same way, never read in part.
  std::vector<uint8_t> cut = Level({{tileRed, 0, {{1, 200, 100}}}, {tileRed, 0, {{1, 300, 100}}}});
  cut.pop_back();
  ASSERT_TRUE(WritePack("packs/normal/level5.pak", {PackEntry{"level5.dat", cut, true}}));
  EXPECT_EXIT(LoadLevelTiles(), ::testing::ExitedWithCode(1), "level5.pak is damaged: tile 2 .* cut short");
  // So is a tile the game has no picture for: the message names the level and the value.
  ASSERT_TRUE(WritePack("packs/normal/level5.pak", {PackEntry{"level5.dat", Level({{999, 0, {{1, 200, 100}}}}), true}}));
  EXPECT_EXIT(LoadLevelTiles(), ::testing::ExitedWithCode(1), "level5.pak is damaged: tile 1 .* no known kind \\(999\\)");
}

TEST_F(LevelFiles, AnEntryFailingItsChecksumEndsNamingThePackAndTheEntry) {
  play.levelIndex = 7;
  std::vector<uint8_t> level = Level({{tileRed, 0, {{1, 200, 100}}}, {tileBlue, 0, {{1, 300, 100}}}});
  ASSERT_TRUE(WritePack("packs/normal/level7.pak", {PackEntry{"level7.dat", level, true}}));
  LoadLevelTiles();
  ASSERT_EQ(lists.tiles.Count(), 2);
  // The stored checksum, in the entry's local header and in the directory, no longer fits its data.
  std::vector<uint8_t> whole;
  {
    std::ifstream in("packs/normal/level7.pak", std::ios::binary);
    whole.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  int patched = 0;
  for (size_t i = 0; i + 20 <= whole.size(); ++i) {
    uint32_t signature = ReadLe32(&whole[i]);
    size_t crcAt = signature == 0x04034b50u ? 14 : signature == 0x02014b50u ? 16 : 0;
    if (crcAt == 0) continue;
    WriteLe32(&whole[i + crcAt], ReadLe32(&whole[i + crcAt]) ^ 0x00010000u);
    ++patched;
  }
  ASSERT_EQ(patched, 2);
  std::ofstream("packs/normal/level7.pak", std::ios::binary).write(reinterpret_cast<const char*>(whole.data()),
                                                                  static_cast<std::streamsize>(whole.size()));
  EXPECT_EXIT(LoadLevelTiles(), ::testing::ExitedWithCode(1),
              "Alert: The level file cannot be read: packs/normal/level7.pak: level7.dat is damaged");
}

TEST(CompiledLevels, EveryLevelOfBothSetsLoads) {
  ResetGameForTest();
  std::string home = CurrentDirectory();
  ASSERT_TRUE(SetCurrentDirectory(GAME_DIR));
  std::vector<std::pair<int, int>> levels;
  for (int i = 0; i <= 102; ++i) levels.push_back({difficultyNormal, i});
  for (int i = 0; i <= 50; ++i) levels.push_back({difficultyHard, i});
  for (int i = 100; i <= 102; ++i) levels.push_back({difficultyHard, i});
  for (const auto& level : levels) {
    int difficulty = level.first, index = level.second;  // plain names: clang 14's lambdas cannot capture bindings
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
