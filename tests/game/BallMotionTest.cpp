// Ball motion: the ship bounce, ball pairs, the speed limit, walls and loss, the glue, the watchdog, room for new balls.
#include <gtest/gtest.h>

#include <cmath>

#include "game/BallSteps.h"
#include "game/BallTestSupport.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/PlayStep.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class BallMotion : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameForTest(); }
};

// A ball dropping onto the middle of the ship: ship at (448, 728), half sizes 40.
TEST_F(BallMotion, BallOnTheMiddleOfAStillShipLeavesStraightUpAndAVerticalPushAddsAQuarter) {
  Ball still = MakeBall(ship.x, ship.y - 40 - 8 + 2, 0, 3);
  BounceOffShip(still);
  EXPECT_EQ(still.vx, 0.0f);
  EXPECT_FLOAT_EQ(still.vy, -3.0f);
  EXPECT_LE(still.y + still.radius, ship.y - ship.halfHeight) << "stepped out of the ship";

  // Without gravity either direction of the mouse adds a quarter of its movement.
  for (float push : {8.0f, -8.0f}) {
    ship.vy = push;
    Ball pushed = MakeBall(ship.x, ship.y - 46, 0, 3);
    BounceOffShip(pushed);
    EXPECT_FLOAT_EQ(pushed.vy, -5.0f) << push;
  }

  // With gravity pushing up speeds the ball, pulling down leaves it at its own speed.
  play.gravityOn = true;
  ship.vy = -8;
  Ball up = MakeBall(ship.x, ship.y - 46, 0, 3);
  BounceOffShip(up);
  EXPECT_FLOAT_EQ(up.vy, -5.0f);
  ship.vy = 8;
  Ball down = MakeBall(ship.x, ship.y - 46, 0, 3);
  BounceOffShip(down);
  EXPECT_FLOAT_EQ(down.vy, -3.0f);
}

TEST_F(BallMotion, ASidewaysTouchOfTheShipGetsVyOne) {
  for (float dy : {0.0f, -2.0f, 2.0f}) {
    Ball ball = MakeBall(ship.x + 40 + 8 - 1, ship.y + dy, -5, 0);
    BounceOffShip(ball);
    EXPECT_EQ(ball.vy, 1.0f) << dy;
    EXPECT_GT(ball.vx, 4.9f);
    EXPECT_FALSE(BallTouchesShip(ball));
  }
}

TEST_F(BallMotion, TheGlueHoldsABallThatTouchesTheShip) {
  play.glueOn = true;
  AddBall(300, 300, 1, 1, 8, ball16Picture);
  lists.balls.At(0)->stuck = true;
  AddBall(ship.x + 10, ship.y - 46, 0, 4, 8, ball16Picture);
  Ball* ball = lists.balls.At(1);
  BounceOffShip(*ball);
  EXPECT_TRUE(ball->stuck);
  EXPECT_FALSE(lists.balls.At(0)->stuck) << "only the ball that touched stays glued";
  EXPECT_FLOAT_EQ(ball->glueOffsetX, ball->x - ship.x);
  EXPECT_EQ(play.glueHoldFrames, 600);
}

TEST_F(BallMotion, EqualMassesHeadOnExchangeVelocities) {
  Ball a = MakeBall(300, 300, 3, 0);
  Ball b = MakeBall(315, 300, -2, 0);
  CollideBallPair(a, b);
  EXPECT_NEAR(a.vx, -2, 1e-5);
  EXPECT_NEAR(b.vx, 3, 1e-5);
  EXPECT_NEAR(a.vy, 0, 1e-6);
  EXPECT_NEAR(b.x - a.x, 16, 1e-4) << "each moved back by half the overlap";
}

TEST_F(BallMotion, UnequalObliqueCollisionKeepsMomentumAndEnergy) {
  Ball a = MakeBall(300, 300, 4, 1, 16);
  Ball b = MakeBall(318, 310, -1, -2, 8);
  float px = a.mass * a.vx + b.mass * b.vx, py = a.mass * a.vy + b.mass * b.vy;
  float energy = a.mass * (a.vx * a.vx + a.vy * a.vy) + b.mass * (b.vx * b.vx + b.vy * b.vy);
  CollideBallPair(a, b);
  EXPECT_NEAR(a.mass * a.vx + b.mass * b.vx, px, std::fabs(px) * 1e-4);
  EXPECT_NEAR(a.mass * a.vy + b.mass * b.vy, py, std::fabs(py) * 1e-4 + 1);
  EXPECT_NEAR(a.mass * (a.vx * a.vx + a.vy * a.vy) + b.mass * (b.vx * b.vx + b.vy * b.vy), energy, energy * 1e-4);
  float dx = a.x - b.x, dy = a.y - b.y;
  EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 24, 1e-3);
}

TEST_F(BallMotion, CoincidentCentresAreLeftAlone) {
  Ball a = MakeBall(300, 300, 3, 1);
  Ball b = MakeBall(300, 300, -2, 4);
  CollideBallPair(a, b);
  EXPECT_EQ(a.vx, 3);
  EXPECT_EQ(b.vy, 4);
  EXPECT_TRUE(std::isfinite(a.x) && std::isfinite(b.x));
}

TEST_F(BallMotion, SpeedLimitRisesWithTheTimeInTheLevel) {
  struct Step {
    int frames;
    float limit;
  };
  for (Step step : {Step{0, 8}, Step{1800, 8}, Step{1801, 9}, Step{3600, 9}, Step{3601, 10}, Step{5401, 12},
                    Step{7201, 14}, Step{9000, 14}, Step{9001, 16}, Step{100000, 16}}) {
    play.levelFrames = step.frames;
    Ball fast = MakeBall(300, 300, 30, -40);
    LimitBallSpeed(fast);
    EXPECT_NEAR(std::hypot(fast.vx, fast.vy), step.limit, 1e-4) << step.frames;
    EXPECT_NEAR(fast.vx / fast.vy, -0.75, 1e-5) << "direction kept";
    EXPECT_EQ(play.maxBallSpeed, step.limit);
  }
  play.gravityOn = true;
  play.levelFrames = 9001;
  Ball fast = MakeBall(300, 300, 30, -40);
  LimitBallSpeed(fast);
  EXPECT_NEAR(std::hypot(fast.vx, fast.vy), 10, 1e-4);
  Ball slow = MakeBall(300, 300, 1, -2);
  LimitBallSpeed(slow);
  EXPECT_EQ(slow.vx, 1);
  EXPECT_EQ(slow.vy, -2) << "balls never speed up by themselves";
}

TEST_F(BallMotion, WallsReturnTheBallAndTheBottomLosesIt) {
  Ball& ball = AddBall(90, 300, -4, 1, 8, ball16Picture);
  EXPECT_TRUE(BounceOffWalls(ball));
  EXPECT_EQ(ball.x, 96);
  EXPECT_EQ(ball.vx, 4);

  play.threadOn = true;
  ball.x = 400;
  ball.y = 695;
  ball.vy = 6;
  EXPECT_TRUE(BounceOffWalls(ball));
  EXPECT_EQ(ball.y, 690);
  EXPECT_EQ(ball.vy, -6);

  play.threadOn = false;
  ball.y = 776;
  play.lives = 3;
  EXPECT_FALSE(BounceOffWalls(ball));
  EXPECT_EQ(lists.balls.Count(), 1) << "the walk over the balls loses it, not the wall";
  StepBallBounces();
  EXPECT_TRUE(lists.balls.Empty());
  EXPECT_EQ(play.lives, 2);
  EXPECT_TRUE(play.restartLevel);
  EXPECT_TRUE(play.gameFrozen);
}

TEST_F(BallMotion, LosingOneOfTwoBallsOrTheLastOnTheBonusLevelCostsNoLife) {
  AddBall(300, 780, 0, 3, 8, ball16Picture);
  AddBall(400, 300, 0, 3, 8, ball16Picture);
  StepBalls();
  EXPECT_EQ(lists.balls.Count(), 1);
  EXPECT_EQ(lists.balls.At(0)->x, 400) << "the walk went on with the next ball";
  EXPECT_EQ(play.lives, 3);
  EXPECT_FALSE(play.restartLevel);

  play.levelIndex = bonusLevel;
  lists.balls.At(0)->y = 790;
  StepBalls();
  EXPECT_EQ(play.lives, 3);
  EXPECT_TRUE(play.restartLevel);
}

TEST_F(BallMotion, GluedBallsRideTheShipAndDrainTheHoldTogether) {
  AddBall(ship.x, ship.y - 50, 2, -3, 8, ball16Picture);
  AddBall(ship.x, ship.y - 50, 2, -3, 8, ball16Picture);
  GlueAllBalls(10);
  play.servePending = true;
  ship.x = 500;
  StepBalls();
  EXPECT_EQ(lists.balls.At(0)->x, 520);
  EXPECT_EQ(lists.balls.At(0)->y, ship.y - 50) << "a glued ball keeps its height";
  EXPECT_EQ(play.glueHoldFrames, 8);
  for (int frame = 0; frame < 4; ++frame) StepBalls();
  EXPECT_FALSE(lists.balls.At(0)->stuck);
  EXPECT_FALSE(lists.balls.At(1)->stuck);
  EXPECT_FALSE(play.servePending);
  EXPECT_FALSE(play.glueOn);
}

TEST_F(BallMotion, TheWatchdogCountsEachBallOnItsOwn) {
  Ball held = MakeBall(300, 300, 5, 5);
  Ball moving = MakeBall(500, 300, 5, 5);
  for (int check = 1; check <= 599; ++check) {
    held.prevX = held.x;
    held.prevY = held.y;
    float vx = held.vx;
    WatchBall(held);
    moving.prevX = moving.x - 5;
    moving.prevY = moving.y;
    WatchBall(moving);
    if (check < 180) {
      ASSERT_EQ(held.vx, vx) << check;
    } else if (check < 300) {
      ASSERT_LE(std::hypot(held.vx, held.vy), 8.0f) << check;
    }
  }
  EXPECT_EQ(held.stuckFrames, 599);
  EXPECT_NE(held.x, 300.0f) << "shaken between 300 and 599 checks";
  held.prevX = held.x;
  held.prevY = held.y;
  WatchBall(held);
  EXPECT_EQ(held.x, ship.x);
  EXPECT_EQ(held.y, ship.y - 8 - 42);
  EXPECT_EQ(held.vx, 2.0f);
  EXPECT_EQ(held.vy, -3.0f);
  EXPECT_EQ(held.stuckFrames, 0);
  EXPECT_EQ(moving.stuckFrames, 0);

  Ball resting = MakeBall(300, 300, 0.05f, -0.05f);
  WatchBall(resting);
  EXPECT_TRUE(std::fabs(resting.vx) <= 1 && std::fabs(resting.vy) <= 1);
}

TEST_F(BallMotion, ABigBallMadeInsideColourTilesClearsThemSilently) {
  for (int row = 0; row < 12; ++row) {
    for (int column = 0; column < 7; ++column) {
      int sprite = row == 5 && column == 3 ? tileUnbreakable : tileRed + 16 * (column % 8);
      AddTile(136 + 64 * column, 180 + 20 * row, sprite, row == 4 && column == 3 ? 242 : 0);
    }
  }
  float x = 136 + 64 * 3, y = 180 + 20 * 5;
  AddBall(x, y, 1, -1, 80, ball160Picture);
  int checked = 0;
  lists.tiles.ForEach([&](const Tile& tile) {
    float nearX = std::fmax(std::fabs(tile.x - x) - 32, 0), nearY = std::fmax(std::fabs(tile.y - y) - 10, 0);
    float nearest = std::hypot(nearX, nearY);
    if (tile.sprite == tileUnbreakable) {
      EXPECT_TRUE(tile.alive);
    } else if (std::hypot(tile.x - x, tile.y - y) < 75) {
      EXPECT_FALSE(tile.alive) << tile.x << "," << tile.y;
      checked += 1;
    } else if (nearest > 80) {
      EXPECT_TRUE(tile.alive) << tile.x << "," << tile.y;
    }
  });
  EXPECT_GT(checked, 10);
  EXPECT_EQ(play.score, 0);
  EXPECT_TRUE(lists.explosions.Empty());
  EXPECT_TRUE(lists.capsules.Empty());

  const Ball& ball = *lists.balls.At(0);
  EXPECT_FLOAT_EQ(ball.mass, 80.0f * 80 * 80 * 12.566371f / 3);
  EXPECT_GE(ball.trail[9].size, 7 * 80);
  EXPECT_LE(ball.trail[9].size, 7 * 80 + 16);
  EXPECT_EQ(ball.trail[0].sprite, yellowFlarePicture);
}

}  // namespace
