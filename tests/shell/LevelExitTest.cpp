// The level exit, row by row for both level sets, and the minigame offer rules.
#include <gtest/gtest.h>

#include "front/Minigames.h"
#include "game/PlayState.h"
#include "shell/Shell.h"
#include "support/Headless.h"

namespace {

class LevelExit : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameForTest(); }
  void Won(int difficulty, int level) {
    play.difficulty = difficulty;
    play.levelIndex = level;
    play.levelWon = true;
    ClickThroughScreens();
    HandleLevelExit();
  }
  void Lost(int difficulty, int level) {
    play.difficulty = difficulty;
    play.levelIndex = level;
    play.restartLevel = true;
    ClickThroughScreens();
    HandleLevelExit();
  }
};

TEST_F(LevelExit, OrdinaryWinAdvancesAndEmptiesTheTiles) {
  for (int difficulty : {difficultyNormal, difficultyHard}) {
    ResetGameForTest();
    lists.tiles.Add();
    Won(difficulty, 5);
    EXPECT_EQ(play.levelIndex, 6);
    EXPECT_TRUE(lists.tiles.Empty());
    EXPECT_FALSE(play.leaveGame);
  }
}

TEST_F(LevelExit, FiveLettersSendToTheBonusLevelAndBack) {
  play.letterMask = allLetters;
  Won(difficultyNormal, 12);
  EXPECT_EQ(play.levelIndex, bonusLevel);
  EXPECT_EQ(play.savedLevelIndex, 12);
  EXPECT_EQ(play.bonusTimeLimit, 1.0f);
  EXPECT_EQ(play.bonusTimeLeft, 50.0f * 60);
  Won(difficultyNormal, bonusLevel);
  EXPECT_EQ(play.levelIndex, 13);
  EXPECT_EQ(play.letterMask, 0);
  EXPECT_EQ(play.bonusTimeLimit, 0.0f);
  EXPECT_EQ(play.bonusTimeLeft, 0.0f);
}

TEST_F(LevelExit, BonusLevelLostCostsNoLifeAndGoesOnAfterTheSavedLevel) {
  play.lives = 2;
  play.letterMask = allLetters;
  play.savedLevelIndex = 40;
  play.bonusTimeLimit = 1.0f;
  play.bonusTimeLeft = 100;
  Lost(difficultyNormal, bonusLevel);
  EXPECT_EQ(play.levelIndex, 41);
  EXPECT_EQ(play.lives, 2);
  EXPECT_TRUE(play.levelWon);
  EXPECT_FALSE(play.restartLevel);
  EXPECT_EQ(play.letterMask, 0);
  EXPECT_EQ(play.bonusTimeLimit, 0.0f);
}

TEST_F(LevelExit, HardLockedSkipsFromLevel34ToTheFinalLevel) {
  Won(difficultyHard, 34);
  EXPECT_EQ(play.levelIndex, finalLevelHard);
  // Unlocked, the set goes on.
  ResetGameForTest();
  play.levelsLocked = false;
  Won(difficultyHard, 34);
  EXPECT_EQ(play.levelIndex, 35);
}

TEST_F(LevelExit, HardLockedBonusLevelAfter34AlsoSkips) {
  play.letterMask = allLetters;
  Won(difficultyHard, 34);
  ASSERT_EQ(play.levelIndex, bonusLevel);
  Won(difficultyHard, bonusLevel);
  EXPECT_EQ(play.levelIndex, finalLevelHard);
  // Losing every ball on that bonus level leads to the same place.
  ResetGameForTest();
  play.letterMask = allLetters;
  Won(difficultyHard, 34);
  Lost(difficultyHard, bonusLevel);
  EXPECT_EQ(play.levelIndex, finalLevelHard);
}

TEST_F(LevelExit, NormalLocked98GoesStraightTo99) {
  Won(difficultyNormal, lastOrdinaryLevelNormal);
  EXPECT_EQ(play.levelIndex, finalLevelNormal);
  ResetGameForTest();
  play.levelsLocked = false;
  Won(difficultyNormal, lastOrdinaryLevelNormal);
  EXPECT_EQ(play.levelIndex, finalLevelNormal);
}

TEST_F(LevelExit, LastLifeLostGivesTheLastChanceOnce) {
  play.lives = 0;
  lists.tiles.Add();
  Lost(difficultyNormal, 30);
  EXPECT_EQ(play.levelIndex, lastChanceLevel);
  EXPECT_EQ(play.lives, 1);
  EXPECT_EQ(play.savedLevelIndex, 30);
  EXPECT_TRUE(play.levelWon);
  EXPECT_FALSE(play.restartLevel);
  EXPECT_EQ(play.bonusTimeLeft, 100.0f * 60);
  EXPECT_TRUE(lists.tiles.Empty());
  EXPECT_FALSE(play.leaveGame);
}

TEST_F(LevelExit, LastChanceWonReturnsToTheSavedLevel) {
  play.letterMask = allLetters;  // the level 100 rule comes before the letters
  play.savedLevelIndex = 30;
  play.bonusTimeLimit = 1.0f;
  Won(difficultyNormal, lastChanceLevel);
  EXPECT_EQ(play.levelIndex, 30);
  EXPECT_FALSE(play.lastChanceLeft);
  EXPECT_EQ(play.bonusTimeLimit, 0.0f);
}

TEST_F(LevelExit, LastChanceLostEndsTheGameOnTheLevelBeforeIt) {
  play.lastChanceLeft = true;
  play.savedLevelIndex = 30;
  play.lives = 0;
  Lost(difficultyHard, lastChanceLevel);
  EXPECT_TRUE(play.leaveGame);
  EXPECT_EQ(play.levelIndex, 30);
}

TEST_F(LevelExit, NoLastChanceLeftEndsTheGame) {
  play.lastChanceLeft = false;
  play.lives = 0;
  Lost(difficultyNormal, 7);
  EXPECT_TRUE(play.leaveGame);
  EXPECT_EQ(play.levelIndex, 7);
}

TEST_F(LevelExit, LivesLeftReplayTheLevelWithItsTiles) {
  play.lives = 2;
  lists.tiles.Add();
  Lost(difficultyNormal, 7);
  EXPECT_EQ(play.levelIndex, 7);
  EXPECT_EQ(lists.tiles.Count(), 1);
  EXPECT_TRUE(play.restartLevel);
  EXPECT_FALSE(play.leaveGame);
}

TEST_F(LevelExit, BossBeatenEndsTheGame) {
  play.gameWon = true;
  play.levelWon = true;
  play.levelIndex = finalLevelNormal;
  ClickThroughScreens();
  HandleLevelExit();
  EXPECT_TRUE(play.leaveGame);
  EXPECT_FALSE(play.levelWon);
  EXPECT_EQ(play.levelIndex, finalLevelNormal);
}

TEST(MinigameOffer, FollowsTheLevelsOfEachSet) {
  EXPECT_EQ(MinigameAfterLevel(difficultyHard, 9, 0), Minigame::Tetris);
  EXPECT_EQ(MinigameAfterLevel(difficultyHard, 19, 0), Minigame::Duel);
  EXPECT_EQ(MinigameAfterLevel(difficultyNormal, 19, 0), Minigame::Tetris);
  EXPECT_EQ(MinigameAfterLevel(difficultyNormal, 49, 0), Minigame::Duel);
  EXPECT_EQ(MinigameAfterLevel(difficultyNormal, 9, 0), Minigame::None);
  // Duck shooting only after a level won in under three minutes.
  EXPECT_EQ(MinigameAfterLevel(difficultyHard, 22, 10799), Minigame::Duck);
  EXPECT_EQ(MinigameAfterLevel(difficultyHard, 22, 10800), Minigame::None);
  EXPECT_EQ(MinigameAfterLevel(difficultyNormal, 86, 10799), Minigame::Duck);
  EXPECT_EQ(MinigameAfterLevel(difficultyNormal, 86, 10800), Minigame::None);
}

TEST(StartLevel, TheLastChanceAndTheBonusLevelStartAsPlayEntersThem) {
  for (int difficulty : {difficultyNormal, difficultyHard}) {
    ResetGameForTest();
    NewGameValues();
    play.difficulty = difficulty;
    EnterLevelDirectly(lastChanceLevel);
    EXPECT_EQ(play.lives, 1);
    EXPECT_EQ(play.bonusTimeLeft, 100.0f * 60);
    StartLevel();
    EXPECT_EQ(play.bonusTimeLimit, 1.0f);
    play.levelWon = true;
    HandleLevelExit();
    EXPECT_EQ(play.levelIndex, 0);  // back to where the game began
    EXPECT_FALSE(play.lastChanceLeft);

    NewGameValues();
    play.difficulty = difficulty;
    EnterLevelDirectly(bonusLevel);
    EXPECT_EQ(play.bonusTimeLeft, 50.0f * 60);
    StartLevel();
    play.levelWon = true;
    HandleLevelExit();
    EXPECT_EQ(play.levelIndex, 1);  // the level after the one the letters were completed on
    EXPECT_EQ(play.bonusTimeLimit, 0.0f);
  }
}

}  // namespace
