// The saved game in "config": one group a player, the older top-level keys, and values no game can have saved.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Prefs.h"
#include "base/Random.h"
#include "base/SavedGameCode.h"
#include "front/SavedGame.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;

class Saved : public ::testing::Test {
 protected:
  void SetUp() override {
    savedSettings_ = settings;
    savedPlay_ = play;
    SeedRandom(9);
  }
  void TearDown() override {
    settings = savedSettings_;
    play = savedPlay_;
  }
  // A game in progress, then saved.
  static void Save(const std::string& player, int level, int64_t score, int lives, int letters, bool lastChance) {
    settings.playerName = player;
    play.levelIndex = level;
    play.score = score;
    play.lives = lives;
    play.letterMask = letters;
    play.lastChanceLeft = lastChance;
    SaveGame();
  }
  // A new game's values, then the saved game of `player` loaded over them.
  static void Load(const std::string& player) {
    settings.playerName = player;
    play.levelIndex = 0;
    play.score = 0;
    play.lives = 3;
    play.letterMask = 0;
    play.lastChanceLeft = true;
    LoadSavedGame();
  }
  static std::string File() {
    std::ifstream in("config");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  TemporaryFolder folder_{"saved"};
  Settings savedSettings_;
  PlayState savedPlay_;
};

TEST_F(Saved, EachPlayerContinuesOnlyTheirOwnGame) {
  std::ofstream("config") << "player_name = Ann\n[Other]\nkeep = 1\n";
  Save("Ann", 7, 12345, 2, 5, false);
  Save("Bob", 30, 999, 4, 31, true);
  Load("Ann");
  EXPECT_EQ(play.levelIndex, 7);
  EXPECT_EQ(play.score, 12345);
  EXPECT_EQ(play.lives, 2);
  EXPECT_EQ(play.letterMask, 5);
  EXPECT_FALSE(play.lastChanceLeft);
  Load("Bob");
  EXPECT_EQ(play.levelIndex, 30);
  EXPECT_EQ(play.letterMask, 31);
  Load("Carol");  // nobody saved under this name
  EXPECT_EQ(play.levelIndex, 0);
  EXPECT_EQ(play.lives, 3);
  EXPECT_NE(File().find("[Other]\nkeep = 1"), std::string::npos);
  EXPECT_NE(File().find("player_name = Ann"), std::string::npos);
}

TEST_F(Saved, OlderFilesKeptTheLevelAloneAtTheTop) {
  std::ofstream("config") << "level = " << EncodeSmall(12) << "\n";
  Load("Ann");
  EXPECT_EQ(play.levelIndex, 12);
  EXPECT_EQ(play.lives, 3);  // no lives saved: the new game's lives, score and letters
  std::ofstream("config") << "Ann = " << EncodeSmall(20) << "\nlevel = " << EncodeSmall(12) << "\n";
  Load("Ann");
  EXPECT_EQ(play.levelIndex, 20);
  Load("Bob");
  EXPECT_EQ(play.levelIndex, 12);
  // With no name the five keys stand at the top of the file.
  std::ofstream("config") << "";
  Save("", 9, 50, 1, 0, true);
  Load("");
  EXPECT_EQ(play.levelIndex, 9);
  EXPECT_EQ(play.lives, 1);
}

TEST_F(Saved, ValuesNoGameCanHaveSavedMeanNoSavedGame) {
  // Written by hand with the right encoding but values out of the game's reach: the bonus level, 120 lives,
  // a letter mask of 40.
  for (auto [level, lives, letters] : {std::tuple{102, 2, 0}, std::tuple{5, 120, 0}, std::tuple{5, 2, 40}}) {
    std::ofstream("config") << "[Ann]\nalpha = " << EncodeSmall(level) << "\nbeta = " << EncodeScore(777)
                            << "\ngamma = " << EncodeSmall(lives) << "\ndelta = " << EncodeSmall(letters)
                            << "\nepsilon = " << EncodeSmall(1) << "\n";
    Load("Ann");
    EXPECT_EQ(play.levelIndex, 0) << level << " " << lives << " " << letters;
    EXPECT_EQ(play.score, 0);
    EXPECT_EQ(play.lives, 3);
    EXPECT_EQ(play.letterMask, 0);
  }
  // More lives than a continued game takes are saved as the most it takes, not lost with the whole game.
  std::ofstream("config") << "";
  Save("Ann", 4, 10, 150, 0, true);
  Load("Ann");
  EXPECT_EQ(play.levelIndex, 4);
  EXPECT_EQ(play.lives, 99);
  // Saving beyond the ordinary levels writes nothing.
  std::ofstream("config") << "";
  Save("Ann", 99, 1, 1, 1, true);
  Save("Ann", 100, 1, 1, 1, true);
  EXPECT_EQ(File().find("alpha"), std::string::npos);
}

TEST_F(Saved, ADamagedLivesCountDropsTheScoreAndLettersToo) {
  std::ofstream("config") << "";
  Save("Ann", 7, 5000, 2, 3, false);
  std::string file = File();
  size_t at = file.find("gamma = ") + 8 + 5;  // the first value group of the lives
  file[at] = static_cast<char>('0' + (file[at] - '0' + 4) % 10);
  std::ofstream("config") << file;
  Load("Ann");
  EXPECT_EQ(play.levelIndex, 7);
  EXPECT_EQ(play.lives, 3);
  EXPECT_EQ(play.score, 0);
  EXPECT_EQ(play.letterMask, 0);
  EXPECT_TRUE(play.lastChanceLeft);
}

}  // namespace
