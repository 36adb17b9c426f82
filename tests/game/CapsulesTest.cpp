// Capsules: the catch box, the cancellations every catch makes, each kind's effect, the letters, the malus.
#include <gtest/gtest.h>

#include <cmath>

#include "ExtrasTestSupport.h"
#include "game/Capsules.h"
#include "game/ExtrasState.h"
#include "game/PlayState.h"
#include "game/Ship.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class Capsules : public ::testing::Test {
 protected:
  void SetUp() override { ResetExtrasTest(); }
};

float Speed(const Ball& ball) { return std::sqrt(ball.vx * ball.vx + ball.vy * ball.vy); }

TEST_F(Capsules, FallOnePixelAFrameButNotWhilePausedAndLeaveAtTheBottom) {
  ship.x = 200;  // out of the way
  ReleaseCapsule(600, 300, capsuleGlue);
  StepCapsules();
  EXPECT_FLOAT_EQ(lists.capsules.At(0)->y, 301);
  play.gameFrozen = true;
  StepCapsules();
  EXPECT_FLOAT_EQ(lists.capsules.At(0)->y, 301);
  play.gameFrozen = false;
  for (int i = 0; i < 467; ++i) StepCapsules();
  EXPECT_EQ(lists.capsules.Count(), 1);  // y = 768 is still on screen
  StepCapsules();
  EXPECT_EQ(lists.capsules.Count(), 0);
  EXPECT_FALSE(play.glueOn);
}

TEST_F(Capsules, CatchBoxTakesEitherEdgeOnTheShipAndNoBottomTest) {
  // The capsule's right edge exactly on the ship's left end is caught; one pixel further out is not.
  ReleaseCapsule(ship.x - ship.halfWidth - 16, ship.y - ship.halfHeight - 16, capsuleDoor);
  ReleaseCapsule(ship.x - ship.halfWidth - 17.6f, ship.y - ship.halfHeight - 16, capsuleDoor);
  StepCapsules();
  EXPECT_TRUE(play.doorOpen);
  ASSERT_EQ(lists.capsules.Count(), 1);
  // Already below the ship's top, it is still caught when the ship comes under it.
  lists.capsules.At(0)->y = 740;
  StepCapsules();
  EXPECT_EQ(lists.capsules.Count(), 1);
  ship.x -= 20;
  play.doorOpen = false;
  StepCapsules();
  EXPECT_EQ(lists.capsules.Count(), 0);
  EXPECT_TRUE(play.doorOpen);
  EXPECT_EQ(runCounts.capsulesCaught, 2);
}

TEST_F(Capsules, NonLetterCatchSwitchesTheLaserOffAndASecondLaserOnAgain) {
  play.laserOn = true;
  CatchCapsule(capsuleLetterO);
  EXPECT_TRUE(play.laserOn) << "a letter leaves the laser on";
  CatchCapsule(capsuleLaser);
  EXPECT_TRUE(play.laserOn);
  CatchCapsule(capsuleRow);
  EXPECT_FALSE(play.laserOn);
  EXPECT_TRUE(play.threadOn);
}

TEST_F(Capsules, LaserReleasesGluedBalls) {
  Ball* a = AddTestBall(400, 600, 1, -3);
  Ball* b = AddTestBall(500, 600, 1, -3);
  a->stuck = b->stuck = true;
  play.glueOn = true;
  play.glueHoldFrames = 300;
  CatchCapsule(capsuleLaser);
  EXPECT_FALSE(a->stuck);
  EXPECT_FALSE(b->stuck);
  EXPECT_FALSE(play.glueOn);
  EXPECT_EQ(play.glueHoldFrames, 0);
  EXPECT_TRUE(play.laserOn);
}

TEST_F(Capsules, EnlargeWhileEnlargedStaysWideAndAnyOtherCatchShrinksThroughTheRows) {
  CatchCapsule(capsuleEnlarge);
  int64_t afterFirst = play.score;
  for (int i = 0; i < 5; ++i) StepShip();
  EXPECT_EQ(ship.halfWidth, 65);
  CatchCapsule(capsuleEnlarge);
  EXPECT_EQ(play.score - afterFirst, 20) << "a second ENLARGE only scores";
  EXPECT_TRUE(play.enlargeOn);
  for (int i = 0; i < 60; ++i) StepShip();
  EXPECT_EQ(ship.halfWidth, 65);
  CatchCapsule(capsuleBigger);
  EXPECT_FALSE(play.enlargeOn);
  std::vector<int> widths;
  for (int i = 0; i < 70; ++i) {
    StepShip();
    if (widths.empty() || widths.back() != ship.halfWidth) widths.push_back(ship.halfWidth);
  }
  EXPECT_EQ(ship.halfWidth, 40);
  EXPECT_EQ(ship.shieldSprite, shieldPictures);
  EXPECT_GE(widths.size(), 3u) << "it shrinks through the rows, not at once";
}

TEST_F(Capsules, MissileAndChaingunExcludeEachOtherCompletely) {
  play.chaingunActive = 1;
  CatchCapsule(capsuleMissile);
  EXPECT_FALSE(play.missileArmed);
  EXPECT_EQ(play.score, 0);
  EXPECT_FALSE(MessageShown("MISSILE"));

  ResetExtrasTest();
  CatchCapsule(capsuleMissile);
  EXPECT_TRUE(play.missileArmed);
  EXPECT_EQ(play.missileCountdown, 150);
  EXPECT_EQ(play.score, 100);
  CatchCapsule(capsuleChaingun);
  EXPECT_EQ(play.chaingunActive, 0);
  EXPECT_EQ(play.score, 100);
  EXPECT_FALSE(MessageShown("CHAINGUN"));
  // A second missile while one is loaded scores but does not restart the loading.
  play.missileCountdown = 40;
  CatchCapsule(capsuleMissile);
  EXPECT_EQ(play.missileCountdown, 40);
  EXPECT_EQ(play.score, 200);
}

TEST_F(Capsules, ChaingunArmsTenRoundsInClipsOfTwo) {
  CatchCapsule(capsuleChaingun);
  EXPECT_EQ(play.chaingunActive, 1);
  EXPECT_EQ(extras.chaingun.ammo, 10);
  EXPECT_EQ(extras.chaingun.ammoPerClip, 2);
  EXPECT_EQ(play.score, 300);
}

TEST_F(Capsules, LuckyMalusStillCancelsThreadFireAndEnlargementAndRestoresBallSize) {
  Ball* ball = AddTestBall(400, 400, 2, -3);
  ball->radius = 40;
  ball->sprite = ball80Picture;
  play.threadOn = play.fireOn = play.enlargeOn = true;
  play.malusKind = 0;
  ApplyMalus();
  EXPECT_FALSE(play.threadOn);
  EXPECT_FALSE(play.fireOn);
  EXPECT_FALSE(play.enlargeOn);
  EXPECT_FLOAT_EQ(ball->radius, 8);
  EXPECT_EQ(ball->sprite, ball16Picture);
  EXPECT_NEAR(ball->mass, 2144.66f, 0.01f);
  EXPECT_TRUE(MessageShown("LUCKY!"));
}

TEST_F(Capsules, MalusOutcomes) {
  Ball* first = AddTestBall(400, 400, 2, -3);
  Ball* last = AddTestBall(300, 400, 3, 4);
  play.malusKind = 2;
  ApplyMalus();
  EXPECT_FLOAT_EQ(first->vx, -2);
  EXPECT_FLOAT_EQ(last->vy, -4);
  play.malusKind = 3;
  ApplyMalus();
  EXPECT_FLOAT_EQ(first->radius, 4);
  EXPECT_EQ(last->sprite, ball8Picture);
  // FASTER speeds up the last ball only, within the level's limit (8 at the start).
  last->vx = 3;
  last->vy = 4;
  play.malusKind = 4;
  ApplyMalus();
  EXPECT_NEAR(Speed(*last), 7.5f, 1e-4);
  EXPECT_NEAR(Speed(*first), std::sqrt(13.0f), 1e-4);
  ApplyMalus();
  EXPECT_NEAR(Speed(*last), 8.0f, 1e-4);
  EXPECT_TRUE(MessageShown("FASTER"));
}

TEST_F(Capsules, MalusTimerEndsTheMirrorButNotWhilePaused) {
  CatchCapsule(capsuleMalus);
  EXPECT_EQ(play.malusTimer, 600);
  play.malusKind = 1;
  play.gameFrozen = true;
  for (int i = 0; i < 700; ++i) StepCapsules();
  EXPECT_EQ(play.malusKind, 1);
  play.gameFrozen = false;
  for (int i = 0; i < 600; ++i) StepCapsules();
  EXPECT_EQ(play.malusKind, 1);
  StepCapsules();
  EXPECT_EQ(play.malusKind, 0);
}

TEST_F(Capsules, TripleWithTwoBallsGivesSixAtTheSameSpeed) {
  AddTestBall(300, 300, 0, -5);
  AddTestBall(500, 400, 3, 4);
  CatchCapsule(capsuleTriple);
  ASSERT_EQ(lists.balls.Count(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(Speed(*lists.balls.At(i)), 5.0f, 1e-3);
  // The first ball flies straight up (angle π from straight down): its first split turns by 2.09.
  const Ball* split = lists.balls.At(2);
  EXPECT_NEAR(split->vx, 5 * std::sin(M_PI + 2.09), 1e-3);
  EXPECT_NEAR(split->vy, 5 * std::cos(M_PI + 2.09), 1e-3);
  EXPECT_NEAR(split->x, 300 + 16 * std::sin(M_PI + 2.09), 1e-3);
  EXPECT_EQ(split->sprite, ball16Picture);
  EXPECT_GT(split->mass, 2000);
  EXPECT_EQ(play.score, 50);
}

TEST_F(Capsules, TripleClearsNoTilesAroundItsNewBalls) {
  AddTestBall(300, 300, 0, -5);
  int tile = AddTestTile(300, 284, tileRed);
  CatchCapsule(capsuleTriple);
  EXPECT_EQ(lists.balls.Count(), 3);
  EXPECT_TRUE(lists.tiles.At(tile)->alive);
}

TEST_F(Capsules, EveryCatchAfterTheFiveLettersAddsAThousandAndSaysBonus) {
  for (int kind : {capsuleLetterB, capsuleLetterO, capsuleLetterN, capsuleLetterU}) CatchCapsule(kind);
  EXPECT_EQ(play.letterMask, letterB | letterO | letterN | letterU);
  EXPECT_FALSE(MessageShown("BONUS!"));
  CatchCapsule(capsuleLetterS);
  EXPECT_EQ(play.letterMask, allLetters);
  EXPECT_EQ(play.score, 500 + 1000);
  EXPECT_TRUE(MessageShown("BONUS!"));
  CatchCapsule(capsuleGlue);
  EXPECT_EQ(play.score, 1500 + 20 + 1000);
}

TEST_F(Capsules, CaughtCapsuleLeavesARisingGhost) {
  CatchCapsule(capsuleExtraLife);
  EXPECT_EQ(play.lives, 4);
  bool ghost = false;
  extras.effects.ForEach([&](const Effect& e) {
    if (static_cast<int>(e.sprite) == capsuleExtraLife && e.vy == -0.5f && e.lifetime == 30) ghost = true;
  });
  EXPECT_TRUE(ghost);
}

TEST_F(Capsules, FireBurnsFifteenSeconds) {
  CatchCapsule(capsuleFire);
  EXPECT_EQ(play.fireTimer, 900);
  for (int i = 0; i < 899; ++i) StepCapsules();
  EXPECT_TRUE(play.fireOn);
  StepCapsules();
  EXPECT_FALSE(play.fireOn);
}

TEST_F(Capsules, BiggerGrowsEachBallOneSizeKeepsItInsideAndStopsAtEighty) {
  Ball* small = AddTestBall(fieldLeft + 10, 300, 1, 1);
  Ball* big = AddTestBall(400, 300, 1, 1);
  big->radius = 80;
  big->sprite = ball160Picture;
  GrowBalls();
  EXPECT_FLOAT_EQ(small->radius, 16);
  EXPECT_EQ(small->sprite, ball32Picture);
  EXPECT_FLOAT_EQ(small->x, fieldLeft + 16);
  EXPECT_GE(small->trail[0].size, 64);
  EXPECT_LE(small->trail[9].size, 7 * 16 + 16);
  EXPECT_FLOAT_EQ(big->radius, 80);
  GrowBalls();
  EXPECT_EQ(small->sprite, ball80Picture);
  EXPECT_FLOAT_EQ(small->x, fieldLeft + 40);
  EXPECT_NEAR(small->mass, 40 * 40 * 40 * 12.566371f / 3.0f, 1);
}

class LetterAndMalus : public ::testing::Test {
 protected:
  void SetUp() override { ResetExtrasTest(); }
  static int CountCapsules(int kind) {
    int n = 0;
    lists.tiles.ForEach([&](const Tile& t) { n += t.capsule == kind ? 1 : 0; });
    return n;
  }
};

TEST_F(LetterAndMalus, FewerThanSixTilesGetNothing) {
  for (int i = 0; i < 5; ++i) AddTestTile(150 + 70 * i, 100, tileRed);
  PlaceLetterAndMalus();
  EXPECT_EQ(CountCapsules(capsuleLetterB) + CountCapsules(capsuleMalus), 0);
}

TEST_F(LetterAndMalus, TheFirstLetterNotHeldAndAMalusGoIntoBreakableTilesOnly) {
  play.letterMask = letterB | letterO;
  for (int round = 0; round < 40; ++round) {
    lists.tiles.Clear();
    for (int i = 0; i < 8; ++i) AddTestTile(150 + 70 * i, 100, i % 2 ? tileUnbreakable : tileBlue);
    AddTestTile(150, 150, tileTeleporter);
    AddTestTile(220, 150, tileGreen, capsuleFire);
    PlaceLetterAndMalus();
    EXPECT_LE(CountCapsules(capsuleLetterN), 1);
    EXPECT_EQ(CountCapsules(capsuleLetterB) + CountCapsules(capsuleLetterO), 0);
    EXPECT_LE(CountCapsules(capsuleMalus), 1);
    EXPECT_EQ(CountCapsules(capsuleFire), 1) << "a tile's own capsule stays";
    lists.tiles.ForEach([&](const Tile& t) {
      if (t.capsule == capsuleLetterN || t.capsule == capsuleMalus) {
        EXPECT_TRUE(IsBreakableTile(t.sprite));
      }
    });
  }
}

TEST_F(LetterAndMalus, NothingWhileATimedLevelRunsOrWhenAllLettersAreHeld) {
  for (int i = 0; i < 10; ++i) AddTestTile(150 + 60 * i, 100, tileRed);
  play.bonusTimeLimit = 1.0f;
  PlaceLetterAndMalus();
  EXPECT_EQ(CountCapsules(0), 10);
  play.bonusTimeLimit = 0;
  play.letterMask = allLetters;
  lists.tiles.At(9)->capsule = 0;
  // Every tile is free, so the malus always finds its tile; no letter is left to place.
  for (int round = 0; round < 20; ++round) {
    for (int i = 0; i < 10; ++i) lists.tiles.At(i)->capsule = 0;
    PlaceLetterAndMalus();
    EXPECT_EQ(CountCapsules(capsuleMalus), 1);
    for (int kind : {capsuleLetterB, capsuleLetterO, capsuleLetterN, capsuleLetterU, capsuleLetterS}) {
      EXPECT_EQ(CountCapsules(kind), 0);
    }
  }
}

TEST_F(LetterAndMalus, NoneOnTheBossLevelsOrTheTimedLevelsWhateverTheCountdownSays) {
  for (int i = 0; i < 10; ++i) AddTestTile(150 + 60 * i, 100, tileRed);
  // The countdown of these levels is not set yet when the tiles are loaded.
  play.bonusTimeLimit = 0;
  const int levels[][2] = {{difficultyNormal, finalLevelNormal}, {difficultyHard, finalLevelHard},
                           {difficultyNormal, lastChanceLevel}, {difficultyHard, bonusLevel}};
  for (const auto& [difficulty, level] : levels) {
    play.difficulty = difficulty;
    play.levelIndex = level;
    for (int round = 0; round < 10; ++round) PlaceLetterAndMalus();
    EXPECT_EQ(CountCapsules(0), 10) << "difficulty " << difficulty << " level " << level;
  }
  // The level before the boss's gets its letter.
  play.difficulty = difficultyNormal;
  play.levelIndex = finalLevelNormal - 1;
  PlaceLetterAndMalus();
  EXPECT_EQ(CountCapsules(capsuleLetterB), 1);
}

TEST(Thread, FadesInInTwentySixFramesHoldsThirtySecondsAndFadesOut) {
  ResetExtrasTest();
  CatchCapsule(capsuleRow);
  EXPECT_EQ(play.threadPhase, -255);
  for (int i = 0; i < 26; ++i) StepThread();
  EXPECT_EQ(play.threadPhase, 30 * 60);
  for (int i = 0; i < 30 * 60 - 1; ++i) StepThread();
  EXPECT_TRUE(play.threadOn);
  StepThread();
  EXPECT_FALSE(play.threadOn);
}

}  // namespace
