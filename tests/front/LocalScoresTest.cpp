// The local score tables: the block's layout and checksum, damaged files ignored, results sorted in and written back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "base/Compress.h"
#include "base/Playfield.h"
#include "base/ScoreBlock.h"
#include "front/Scores.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;

std::vector<char> Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const void* data, size_t size) {
  std::ofstream(path, std::ios::binary).write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A table file as the game writes it, from a plain block.
void WriteTable(const std::string& path, const std::array<uint8_t, kScoreBlockBytes>& block) {
  std::vector<uint8_t> packed(1024);
  long size = CompressBlock(block.data(), packed.data(), block.size(), packed.size());
  ASSERT_GT(size, 0);
  WriteBytes(path, packed.data(), static_cast<size_t>(size));
}

TEST(ScoreBlock, HoldsTenRowsWithNamesCutToTwelveAndASignedByteSum) {
  ScoreRows rows;
  rows[0] = {"Ann", 7, 12345};
  rows[1] = {"Bartholomew-Jones", 99, 2000000};  // 17 characters
  rows[2] = {"\xE9l\xE8ve", 3, -5};               // bytes above 127 count negative in the sum
  auto block = EncodeScoreBlock(rows);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(block.data()), 4), std::string("Ann\0", 4));
  EXPECT_EQ(block[12], 7);
  EXPECT_EQ(block[16] | block[17] << 8, 12345);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(block.data() + 20), 12), "Bartholomew-");
  int32_t sum = 0;
  for (int i = 0; i < 200; ++i) sum += static_cast<int8_t>(block[i]);
  EXPECT_EQ(static_cast<int32_t>(block[200] | block[201] << 8 | block[202] << 16 | block[203] << 24), sum);
  EXPECT_LT(sum, 9000);  // the negative bytes did count negative
  ScoreRows back;
  ASSERT_TRUE(DecodeScoreBlock(block, back));
  EXPECT_EQ(back[1].name, "Bartholomew-");
  EXPECT_EQ(back[2].name, "\xE9l\xE8ve");
  EXPECT_EQ(back[2].score, -5);
  EXPECT_EQ(back[9].name, "");
  // One more in the byte sum and the whole block is refused.
  block[5] += 1;
  EXPECT_FALSE(DecodeScoreBlock(block, back));
}

class LocalScores : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories("packs");
    savedSettings_ = settings;
    savedPlay_ = play;
    savedTable_ = localScores;
    localScores = ScoreTable{};
    play.difficulty = difficultyNormal;
  }
  void TearDown() override {
    settings = savedSettings_;
    play = savedPlay_;
    localScores = savedTable_;
  }
  static void Result(const std::string& name, int levelIndex, int64_t score) {
    settings.playerName = name;
    play.levelIndex = levelIndex;
    play.score = score;
    SaveLocalScore();
  }
  TemporaryFolder folder_{"scores"};
  Settings savedSettings_;
  PlayState savedPlay_;
  ScoreTable savedTable_;
};

TEST_F(LocalScores, WithoutAFileTheTableIsTenEmptyRows) {
  LoadLocalScores();
  for (size_t i = 0; i < kScoreRows; ++i) {
    EXPECT_EQ(localScores.rows[i].name, "");
    EXPECT_EQ(localScores.rows[i].level, 0);
    EXPECT_EQ(localScores.rows[i].score, 0);
  }
}

TEST_F(LocalScores, ResultsAreSortedInWrittenBackAndReadAgain) {
  // Three won levels and a lost game in the normal set: four rows, each with the score reached then.
  Result("Ann", 1, 100);
  Result("Ann", 2, 250);
  Result("Ann", 3, 400);
  Result("Ann", 3, 420);
  Result("Someone Very Long", 0, 300);  // 17 characters, kept as 12
  localScores = ScoreTable{};
  LoadLocalScores();
  EXPECT_EQ(localScores.rows[0].score, 420);
  EXPECT_EQ(localScores.rows[0].level, 4);
  EXPECT_EQ(localScores.rows[1].score, 400);
  EXPECT_EQ(localScores.rows[2].name, "Someone Very");
  EXPECT_EQ(localScores.rows[2].level, 1);
  EXPECT_EQ(localScores.rows[4].score, 100);
  EXPECT_EQ(localScores.rows[5].name, "");
  // The hard set keeps a file of its own.
  play.difficulty = difficultyHard;
  Result("Bob", 5, 50);
  EXPECT_TRUE(fs::exists("packs/scores.pak"));
  localScores = ScoreTable{};
  LoadLocalScores();
  EXPECT_EQ(localScores.rows[0].name, "Ann");  // the rows in memory went in with it
  play.difficulty = difficultyNormal;
  localScores = ScoreTable{};
  LoadLocalScores();
  EXPECT_EQ(localScores.rows[0].score, 420);
}

TEST_F(LocalScores, AScoreBelowAllTenNeverEntersAndTheBetweenLevelsCountTheLevelReached) {
  for (int i = 0; i < 10; ++i) Result("P" + std::to_string(i), i, 1000 + i);
  Result("Low", 0, 999);
  localScores = ScoreTable{};
  LoadLocalScores();
  for (size_t i = 0; i < kScoreRows; ++i) EXPECT_NE(localScores.rows[i].name, "Low");
  // Left on the bonus level, reached from level index 41: level 42 is recorded, not 103.
  play.savedLevelIndex = 41;
  Result("Bonus", bonusLevel, 5000);
  EXPECT_EQ(localScores.rows[0].name, "Bonus");
  EXPECT_EQ(localScores.rows[0].level, 42);
}

TEST_F(LocalScores, DamagedTruncatedAndOversizedFilesAreIgnored) {
  ScoreRows rows;
  rows[0] = {"Kept", 3, 777};
  localScores.rows[0] = {"Before", 1, 1};
  auto block = EncodeScoreBlock(rows);
  auto off = block;
  off[7] += 1;  // the byte sum off by one
  WriteTable("packs/scores_normal.pak", off);
  LoadLocalScores();
  EXPECT_EQ(localScores.rows[0].name, "Before");
  WriteTable("packs/scores_normal.pak", block);
  std::vector<char> good = Bytes("packs/scores_normal.pak");
  WriteBytes("packs/scores_normal.pak", good.data(), good.size() / 2);  // truncated
  LoadLocalScores();
  EXPECT_EQ(localScores.rows[0].name, "Before");
  std::vector<char> big(5000, 'x');
  WriteBytes("packs/scores_normal.pak", big.data(), big.size());
  LoadLocalScores();
  EXPECT_EQ(localScores.rows[0].name, "Before");
  // A plain block compressed but a byte short decompresses to the wrong size.
  std::vector<uint8_t> packed(1024);
  long size = CompressBlock(block.data(), packed.data(), 203, packed.size());
  WriteBytes("packs/scores_normal.pak", packed.data(), static_cast<size_t>(size));
  LoadLocalScores();
  EXPECT_EQ(localScores.rows[0].name, "Before");
  WriteBytes("packs/scores_normal.pak", good.data(), good.size());
  LoadLocalScores();
  EXPECT_EQ(localScores.rows[0].name, "Kept");
}

}  // namespace
