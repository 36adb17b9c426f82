// Monsters: the spawn limits, the entry glide, each kind's motion, ball contact and who scores.
#include <gtest/gtest.h>

#include <cmath>

#include "ExtrasTestSupport.h"
#include "game/ExtrasState.h"
#include "game/Monsters.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "game/PlayStep.h"
#include "game/TileHits.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class Monsters : public ::testing::Test {
 protected:
  void SetUp() override { ResetExtrasTest(); }
  static Monster* Only() { return extras.monsters.At(0); }
  // Runs the monsters for `frames` frames, the level clock advancing as in play.
  static void Run(int frames) {
    for (int i = 0; i < frames; ++i) {
      StepMonsters();
      play.frameTick += 1;
    }
  }
  static Monster* Place(int kind, float x, float y, float vx, float vy) {
    AddMonster(kind, 1, 1);
    Monster* m = extras.monsters.At(extras.monsters.Count() - 1);
    m->x = x;
    m->y = y;
    m->vx = vx;
    m->vy = vy;
    m->entrySteps = 0;
    return m;
  }
};

TEST_F(Monsters, FourAliveInTheFirstFiveMinutesAllowNoFifth) {
  Run(20000);
  EXPECT_EQ(extras.monsters.Count(), 4);
  // The frame loop raises the cap at five minutes.
  play.maxMonsters += 4;
  Run(20000);
  EXPECT_GT(extras.monsters.Count(), 4);
  EXPECT_LE(extras.monsters.Count(), 8);
}

TEST_F(Monsters, ASpawnRollForADisallowedKindAddsNone) {
  extras.monsterKindsAllowed = 0;
  Run(20000);
  EXPECT_EQ(extras.monsters.Count(), 0);
  extras.monsterKindsAllowed = 4;  // the ship seeker only
  Run(20000);
  ASSERT_GT(extras.monsters.Count(), 0);
  extras.monsters.ForEach([](const Monster& m) { EXPECT_EQ(m.kind, shipSeekerPictures); });
}

TEST_F(Monsters, NothingSpawnsOrMovesWhilePaused) {
  Place(hopperPictures, 400, 300, 1, 1);
  play.gameFrozen = true;
  Run(5000);
  EXPECT_EQ(extras.monsters.Count(), 1);
  EXPECT_FLOAT_EQ(Only()->x, 400);
}

TEST_F(Monsters, EnteringMonstersOnlyGlideInFromTheirSide) {
  AddMonster(drifterPictures, 1.0f, 1.5f);
  Monster* m = Only();
  int w = SpritePixelWidth(drifterPictures), h = SpritePixelHeight(drifterPictures);
  EXPECT_FLOAT_EQ(m->y, h / 2.0f + 30);
  EXPECT_EQ(m->entrySteps, w + 40);
  bool fromRight = m->x > 448;
  EXPECT_FLOAT_EQ(m->x, fromRight ? fieldRight + w / 2.0f : fieldLeft - w / 2.0f);
  // Nothing of it stands inside the field before it glides in (a monster waiting at the left wall once showed its tip).
  EXPECT_TRUE(fromRight ? m->x - w / 2.0f >= fieldRight : m->x + w / 2.0f <= fieldLeft);
  EXPECT_FLOAT_EQ(m->vx, fromRight ? -1.0f : 1.0f);
  float startX = m->x, startY = m->y;
  Run(4 * 10);  // ten movement steps
  EXPECT_FLOAT_EQ(m->x, startX + 10 * m->vx);
  EXPECT_FLOAT_EQ(m->y, startY) << "no descent and no wall bounce while entering";
  EXPECT_EQ(m->entrySteps, w + 30);
}

TEST_F(Monsters, ShipSeekerStopsDescendingAHundredPixelsAboveTheShipButKeepsSteering) {
  Monster* m = Place(shipSeekerPictures, 200, 500, 0, 2);
  Run(4 * 400);
  EXPECT_LT(m->y, ship.y - 100 + 2.01f);
  EXPECT_GE(m->y, ship.y - 100);
  EXPECT_NEAR(m->x, ship.x, 2.5f) << "it still steers across to the ship";
  float settled = m->y;
  Run(4 * 50);
  EXPECT_FLOAT_EQ(m->y, settled);
}

TEST_F(Monsters, BallSeekerHomesOnTheFirstBallAndKeepsItsVelocityWithNone) {
  Monster* m = Place(ballSeekerPictures, 300, 300, 0.5f, -0.25f);
  Run(4);
  EXPECT_FLOAT_EQ(m->x, 300.5f);
  EXPECT_FLOAT_EQ(m->vx, 0.5f);
  EXPECT_FLOAT_EQ(m->vy, -0.25f);
  AddTestBall(600, 300, 0, 0);
  AddTestBall(100, 300, 0, 0);
  Run(4);
  EXPECT_NEAR(m->vx, 4.0f, 1e-3) << "it heads for the first ball of the list";
  EXPECT_NEAR(m->vy, 0.0f, 0.02f);
}

TEST_F(Monsters, WanderersBounceOffTheWallsWithAMargin) {
  Monster* m = Place(hopperPictures, 200, 300, -3, 0);
  m->wanderTimer = 500;
  int w = SpritePixelWidth(hopperPictures);
  Run(4 * 40);
  EXPECT_GT(m->x - w / 2.0f, fieldLeft + 40 - 4);
  EXPECT_GT(m->vx, 0);
}

TEST_F(Monsters, BallKillScoresFiveAndEachKindDeflectsItsWay) {
  // The ship seeker sends the ball back the way it came.
  Ball* ball = AddTestBall(400, 300, 3, -4);
  Place(shipSeekerPictures, 400, 300 - 20, 0, 0);
  BallHitsMonsters(*ball);
  EXPECT_EQ(extras.monsters.Count(), 0);
  EXPECT_EQ(play.score, 5);
  EXPECT_FLOAT_EQ(ball->vx, -3);
  EXPECT_FLOAT_EQ(ball->vy, 4);
  // A wanderer turns it at the same speed.
  Place(blinkerPictures, 400, 300 + 20, 0, 0);
  BallHitsMonsters(*ball);
  EXPECT_EQ(play.score, 10);
  EXPECT_NEAR(std::sqrt(ball->vx * ball->vx + ball->vy * ball->vy), 5.0f, 1e-4);
  // The ball seeker speeds it up, within the level's limit.
  Place(ballSeekerPictures, 400, 300, 0, 0);
  BallHitsMonsters(*ball);
  float speed = std::sqrt(ball->vx * ball->vx + ball->vy * ball->vy);
  EXPECT_GT(speed, 5.9f);
  EXPECT_LE(speed, 8.0f + 1e-4f);
  EXPECT_EQ(runCounts.monstersDestroyed, 3);
  // Their debris belongs with the monsters, not with the tiles'.
  EXPECT_EQ(lists.monsterExplosions.Count(), 3);
  EXPECT_EQ(lists.explosions.Count(), 0);
}

TEST_F(Monsters, AShotMonsterLeavesDebrisInTheMonstersLayerThatLastsAsATilesDoes) {
  Place(hopperPictures, 400, 300, 0, 0);
  ASSERT_TRUE(ShootMonsterAt(400, 300));
  AddExplosion(200, 200);
  ASSERT_EQ(lists.monsterExplosions.Count(), 1);
  EXPECT_EQ(lists.explosions.Count(), 1) << "a tile's debris stays in the tiles' layer";
  for (int frame = 0; frame < 40; ++frame) {
    StepExplosions();
    EXPECT_EQ(lists.monsterExplosions.Count(), lists.explosions.Count()) << frame;
  }
  EXPECT_EQ(lists.monsterExplosions.Count(), 0);
}

TEST_F(Monsters, OneBallCanTakeSeveralMonstersAndMissesThoseItDoesNotTouch) {
  Ball* ball = AddTestBall(400, 300, 3, -4);
  Place(hopperPictures, 400 - 20, 300, 0, 0);
  Place(hopperPictures, 400 + 20, 300, 0, 0);
  Place(hopperPictures, 600, 300, 0, 0);
  BallHitsMonsters(*ball);
  EXPECT_EQ(extras.monsters.Count(), 1);
  EXPECT_EQ(play.score, 10);
}

TEST_F(Monsters, DrifterPictureShowsItsDriftAndTheBlinkerAnimatesInBursts) {
  Monster* drifter = Place(drifterPictures, 300, 300, -1, 0);
  EXPECT_EQ(MonsterPicture(*drifter), drifterPictures);
  drifter->vx = 1;
  EXPECT_EQ(MonsterPicture(*drifter), drifterPictures + 15);
  Monster* blinker = Place(blinkerPictures, 300, 300, 0, 0);
  play.frameTick = 5;
  EXPECT_EQ(MonsterPicture(*blinker), blinkerPictures);
  play.frameTick = 256 + 5;
  EXPECT_EQ(MonsterPicture(*blinker), blinkerPictures + 5);
  play.frameTick = 256 + 20;
  EXPECT_EQ(MonsterPicture(*blinker), blinkerPictures);
}

}  // namespace
