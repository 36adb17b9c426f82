// The level's end: cleared levels, the five letters, the tile challenge of normal 91 and hard 33, explosions' lives.
#include <gtest/gtest.h>

#include "game/LevelWonPicture.h"
#include "game/BallTestSupport.h"
#include "game/PlayState.h"
#include "game/TileHits.h"
#include "shell/Shell.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class TileHits : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    play.levelIndex = 4;
    PutBall(400, 400, 2, -3);
  }
};

TEST_F(TileHits, ALevelOfOnlyUnbreakableTilesAndTeleportersIsClearedAtOnce) {
  AddTile(200, 200, tileUnbreakable);
  AddTile(300, 200, tileTeleporter);
  AddTile(400, 200, tileRed)->alive = false;
  AddTile(500, 200, tileThreeHits)->alive = false;
  CheckLevelCleared();
  EXPECT_TRUE(play.levelWon);
  EXPECT_TRUE(play.levelEnding);
  EXPECT_EQ(wonPicture.pictureImage, wonPictureWinner);
  EXPECT_TRUE(lists.balls.Empty());
}

TEST_F(TileHits, AnyAliveBreakableTileKeepsTheLevelGoing) {
  for (int sprite : {tileRed, tileBlack, tileThreeHits, tileTwoHits, tileOneHit}) {
    ResetGameForTest();
    AddTile(200, 200, tileUnbreakable);
    AddTile(300, 200, sprite);
    CheckLevelCleared();
    EXPECT_FALSE(play.levelWon) << sprite;
  }
}

TEST_F(TileHits, FiveLettersEndALevelButNotTheBonusLevel) {
  AddTile(300, 200, tileRed);
  play.letterMask = allLetters;
  play.levelIndex = bonusLevel;
  CheckLevelCleared();
  EXPECT_FALSE(play.levelWon);
  lists.tiles.At(0)->alive = false;
  CheckLevelCleared();
  EXPECT_TRUE(play.levelWon);
  EXPECT_EQ(wonPicture.pictureImage, wonPictureWinner);

  ResetGameForTest();
  AddTile(300, 200, tileRed);
  play.letterMask = allLetters;
  play.levelIndex = 12;
  CheckLevelCleared();
  EXPECT_TRUE(play.levelWon);
  EXPECT_EQ(wonPicture.pictureImage, wonPictureBonus);
}

struct Challenge {
  int difficulty;
  int level;
};

class TileChallenge : public ::testing::TestWithParam<Challenge> {
 protected:
  void SetUp() override {
    ResetGameForTest();
    play.difficulty = GetParam().difficulty;
    play.levelIndex = GetParam().level;
    play.score = 500;
    PutBall(400, 400, 2, -3);
    AddTile(200, 200, tileRed);
    AddTile(264, 200, tileBlue);
    AddTile(400, 300, tileOneHit);
    AddTile(464, 300, tileThreeHits);
  }
};

TEST_P(TileChallenge, ClearingTheMultiHitTilesWithoutBreakingAColourTileWinsAtOnce) {
  CheckLevelCleared();
  EXPECT_FALSE(play.levelWon);
  lists.tiles.At(2)->alive = false;
  CheckLevelCleared();
  EXPECT_FALSE(play.levelWon) << "a multi-hit tile is left";
  lists.tiles.At(3)->alive = false;
  CheckLevelCleared();
  EXPECT_TRUE(play.tileChallengePending) << "colour tiles remain, but the challenge was met";
  EXPECT_FALSE(play.levelWon) << "the minigame runs between frames, not inside the drawing pass";
  CheckLevelCleared();
  EXPECT_FALSE(play.levelWon) << "a pending challenge is not also an ordinary win";
  // The player leaves Sugar at once with Escape, keeping its 20 starting points.
  ReplayJournalText("30 keys=1\n31 keys=\n");
  RunTileChallenge();
  EXPECT_FALSE(play.tileChallengePending);
  EXPECT_TRUE(play.levelWon);
  EXPECT_EQ(play.score, 500 + 10 * play.sugarPoints);
  EXPECT_TRUE(lists.balls.Empty());
}

TEST_P(TileChallenge, OneBrokenColourTileForfeitsTheChallenge) {
  lists.tiles.At(0)->alive = false;
  lists.tiles.At(2)->alive = false;
  lists.tiles.At(3)->alive = false;
  CheckLevelCleared();
  EXPECT_FALSE(play.levelWon);
  lists.tiles.At(1)->alive = false;
  CheckLevelCleared();
  EXPECT_TRUE(play.levelWon) << "the ordinary end once every breakable tile is gone";
}

INSTANTIATE_TEST_SUITE_P(NormalAndHard, TileChallenge,
                         ::testing::Values(Challenge{difficultyNormal, 91}, Challenge{difficultyHard, 33}));

TEST_F(TileHits, ExplosionsLiveTheirPictureCount) {
  Explosion* tile = lists.explosions.Add();
  tile->firstSprite = tileExplosionPictures;
  Explosion* monster = lists.monsterExplosions.Add();
  monster->firstSprite = tileExplosionPictures;
  AddExplosion(300, 300, 128);
  ASSERT_EQ(lists.bigExplosions.Count(), 1);
  EXPECT_EQ(lists.bigExplosions.At(0)->firstSprite, bigExplosionPictures);
  EXPECT_EQ(lists.bigExplosions.At(0)->size, 128);
  // Made at its first picture, each step shows the next one; a step past the last ends it.
  for (int step = 1; step <= 23; ++step) StepExplosions();
  ASSERT_EQ(lists.bigExplosions.Count(), 1);
  EXPECT_EQ(lists.bigExplosions.At(0)->frame, 23) << "pictures 544..567";
  StepExplosions();
  EXPECT_TRUE(lists.bigExplosions.Empty()) << "24 pictures";
  for (int step = 25; step <= 29; ++step) StepExplosions();
  ASSERT_EQ(lists.explosions.Count(), 1);
  EXPECT_EQ(lists.explosions.At(0)->frame, 29) << "pictures 514..543";
  ASSERT_EQ(lists.monsterExplosions.Count(), 1);
  StepExplosions();
  EXPECT_TRUE(lists.explosions.Empty());
  EXPECT_TRUE(lists.monsterExplosions.Empty());
}

}  // namespace
