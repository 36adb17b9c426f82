// A ball against the tiles: the fire ball, multi-hit tiles under many samples, capsules, the push-out and the repeat-hit guard.
#include <gtest/gtest.h>

#include <cmath>

#include "game/BallSteps.h"
#include "game/BallTestSupport.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/PlayStep.h"
#include "support/Headless.h"

namespace {

class BallTiles : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameForTest(); }

  // Frames of ball motion, with the tile procedure's clearing of the per-frame hit marks.
  static void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      for (int t = 0; t < lists.tiles.Count(); ++t) lists.tiles.At(t)->hitThisFrame = false;
      StepBalls();
      play.frameTick += 1;
    }
  }

  static int SamplesOn(int tileIndex) {
    int count = 0;
    lists.hitSamples.ForEach([&](const TileIndex& sample) { count += sample.tile == tileIndex ? 1 : 0; });
    return count;
  }
};

TEST(TileAtPoint, BoxesAreStrictAndEveryKindCountsButOnlyColourTilesClear) {
  ResetGameForTest();
  AddTile(300, 300, tileUnbreakable);
  AddTile(300, 300, tileBlue);
  EXPECT_EQ(TileAtPoint(300, 300), 0);
  EXPECT_EQ(TileAtPoint(268, 300), -1) << "the edge is outside";
  EXPECT_EQ(TileAtPoint(269, 291), 0);
  EXPECT_EQ(TileAtPoint(331, 309), 0);
  EXPECT_EQ(TileAtPoint(300, 310), -1);
  EXPECT_EQ(ClearTileAt(300, 300), 0);
  EXPECT_TRUE(lists.tiles.At(0)->alive) << "the unbreakable tile stays";
  EXPECT_FALSE(lists.tiles.At(1)->alive);
  EXPECT_EQ(ClearTileAt(300, 300), -1);
  EXPECT_EQ(TileAtPoint(300, 300), 0);
}

// The search among the tiles near a ball answers as the search among all tiles, for every point within its
// reach: tiles on half pixels (where rounding decides), overlapping tiles (the first in the list wins) and
// broken ones.
TEST(TileAtPoint, TheTilesNearAPointAnswerAsAllTheTiles) {
  ResetGameForTest();
  for (int k = 0; k < 60; ++k) {
    Tile* tile = AddTile(200 + 37.5f * (k % 10) + 0.25f * (k % 3), 150 + 10.5f * (k / 10) + 0.5f * (k % 2), tileBlue);
    tile->alive = k % 7 != 3;
  }
  std::vector<TileBox> near;
  for (float cx : {190.0f, 300.5f, 377.25f, 520.0f}) {
    for (float cy : {140.0f, 170.5f, 201.25f}) {
      for (float reach : {4.0f, 8.0f, 16.5f}) {
        TilesNear(cx, cy, reach, near);
        for (int py = static_cast<int>(cy - reach) - 1; py <= static_cast<int>(cy + reach) + 1; ++py)
          for (int px = static_cast<int>(cx - reach) - 1; px <= static_cast<int>(cx + reach) + 1; ++px)
            ASSERT_EQ(TileAtPointAmong(near, px, py), TileAtPoint(px, py)) << px << "," << py;
      }
    }
  }
}

TEST_F(BallTiles, TheFireBallCrossesARowOfColourTilesAndStillReflectsOffAnUnbreakableTile) {
  for (float x = 200; x <= 456; x += 64) AddTile(x, 300, tileRed);
  AddTile(310, 200, tileUnbreakable);
  play.fireOn = true;
  play.fireTimer = 900;
  Ball* ball = PutBall(296, 340, 0.6f, -5);
  for (int frame = 0; frame < 16; ++frame) {
    Frames(1);
    ASSERT_FLOAT_EQ(ball->vx, 0.6f) << frame;
    ASSERT_LT(ball->vy, -4.99f) << frame;
  }
  EXPECT_FALSE(lists.tiles.At(1)->alive);
  EXPECT_FALSE(lists.tiles.At(2)->alive);
  EXPECT_TRUE(lists.tiles.At(0)->alive);
  EXPECT_TRUE(lists.tiles.At(3)->alive);
  EXPECT_EQ(play.score, 20);
  EXPECT_EQ(lists.explosions.Count(), 2);
  for (int frame = 0; frame < 12 && ball->vy < 0; ++frame) Frames(1);
  EXPECT_GT(ball->vy, 4.9f) << "reflected by the unbreakable tile";
  EXPECT_TRUE(lists.tiles.At(5)->alive);
}

TEST_F(BallTiles, WithoutFireTheFirstColourTileReflectsTheBall) {
  for (float x = 200; x <= 456; x += 64) AddTile(x, 300, tileRed);
  Ball* ball = PutBall(296, 340, 0.6f, -5);
  for (int frame = 0; frame < 8 && ball->vy < 0; ++frame) Frames(1);
  EXPECT_GT(ball->vy, 4.9f);
  EXPECT_GE(play.score, 10);
  EXPECT_TRUE(lists.tiles.At(0)->alive && lists.tiles.At(3)->alive && lists.tiles.At(4)->alive);
}

TEST_F(BallTiles, ATwoHitTileUnderManySamplesLosesOneHitAFrame) {
  AddTile(400, 300, tileTwoHits);
  Ball ball = MakeBall(400, 385, 0, -4, 80);
  CollideWithTiles(ball);
  ASSERT_GE(SamplesOn(0), 5);
  const Tile& tile = *lists.tiles.At(0);
  EXPECT_EQ(tile.sprite, tileOneHit);
  EXPECT_TRUE(tile.alive);
  EXPECT_EQ(play.score, 10);
  EXPECT_GT(ball.vy, 3.9f);

  // Later in the same frame: the new one-hit tile waits.
  ball.y -= 6;
  ball.vy = -4;
  CollideWithTiles(ball);
  EXPECT_TRUE(tile.alive);
  EXPECT_EQ(play.score, 10);

  lists.tiles.At(0)->hitThisFrame = false;
  ball.y -= 6;
  ball.vy = -4;
  CollideWithTiles(ball);
  EXPECT_FALSE(tile.alive);
  EXPECT_EQ(play.score, 20);
}

TEST_F(BallTiles, ACapsuleTileReleasesItsCapsuleOnce) {
  AddTile(400, 300, tileGreen, 242);
  Ball ball = MakeBall(400, 385, 0, -4, 80);
  CollideWithTiles(ball);
  ASSERT_GE(SamplesOn(0), 2);
  ASSERT_EQ(lists.capsules.Count(), 1);
  EXPECT_EQ(lists.capsules.At(0)->kind, 242);
  EXPECT_EQ(lists.capsules.At(0)->x, 400);
  EXPECT_EQ(lists.explosions.Count(), 1);
  EXPECT_EQ(play.score, 10);
  for (int i = 0; i < 3; ++i) {
    ball.y -= 4;
    ball.vy = -4;
    CollideWithTiles(ball);
  }
  EXPECT_EQ(lists.capsules.Count(), 1);
  EXPECT_EQ(play.score, 10);
}

TEST_F(BallTiles, ThePushOutEndsBetweenTwoTilesThatPushBackAndForth) {
  // A gap of five pixels between two tiles, narrower than the ball: pushed out of one, the ball
  // touches the other, which pushes it back.
  AddTile(400, 300, tileUnbreakable);
  AddTile(400, 325, tileUnbreakable);
  for (float y = 300.0f; y <= 323.0f; y += 0.1f) {
    Ball ball = MakeBall(390, y, 1, -3);
    CollideWithTiles(ball);
    EXPECT_LE(std::fabs(ball.y - y), 2 * 8 + 4) << y;
    EXPECT_LE(std::fabs(ball.x - 390), 2 * 8 + 4) << y;
    EXPECT_TRUE(std::isfinite(ball.vx) && std::isfinite(ball.vy));
  }
}

TEST_F(BallTiles, AfterTwentyRepeatHitsTheBallIsSentAlongTheLineToTheTileCentre) {
  AddTile(400, 300, tileUnbreakable);
  // Plain reflection off the tile's underside first.
  play.frameTick = 5;
  Ball plain = MakeBall(425, 317, -3, -4);
  CollideWithTiles(plain);
  EXPECT_NEAR(plain.vx, -3, 1e-3);
  EXPECT_NEAR(plain.vy, 4, 1e-3);
  EXPECT_EQ(plain.lastTile, 0);
  EXPECT_EQ(plain.sameTileHits, 0);

  play.frameTick = 50;
  Ball guarded = MakeBall(425, 317, -3, -4);
  guarded.lastTile = 0;
  guarded.lastTileTick = 10;
  guarded.sameTileHits = 19;
  CollideWithTiles(guarded);
  EXPECT_GE(guarded.sameTileHits, 20);
  float nx = 400 - guarded.x, ny = 300 - guarded.y;
  float length = std::hypot(nx, ny);
  nx /= length;
  ny /= length;
  float dx = -0.6f, dy = -0.8f;
  float dot = dx * nx + dy * ny;
  EXPECT_NEAR(guarded.vx, 5 * (dx - 2 * dot * nx), 1e-3);
  EXPECT_NEAR(guarded.vy, 5 * (dy - 2 * dot * ny), 1e-3);
}

}  // namespace
