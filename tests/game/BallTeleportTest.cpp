// Teleporters: entering by chance and only towards a free exit, the trip's glide, fades and return, and lives kept meanwhile.
#include <gtest/gtest.h>

#include <cmath>

#include "game/ExtrasState.h"
#include "game/BallSteps.h"
#include "game/BallTestSupport.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/PlayStep.h"
#include "game/TileHits.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class BallTeleport : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    AddTile(200, 200, tileTeleporter);
    AddTile(600, 300, tileTeleporter);
  }

  static TeleportTrip* AddTrip(int age) {
    TeleportTrip* trip = lists.teleportTrips.Add();
    trip->fromTile = 0;
    trip->toTile = 1;
    trip->vx = 1;
    trip->vy = 3;
    trip->radius = 8;
    trip->sprite = ball16Picture;
    trip->age = age;
    lists.tiles.At(0)->teleportBusy = lists.tiles.At(1)->teleportBusy = true;
    return trip;
  }
};

TEST_F(BallTeleport, ATripGlidesThirtyFramesFadesSixtyAndGivesTheBallBackAtNinety) {
  ListTeleporters();
  Ball* ball = PutBall(230, 222, 3, -4);
  StartTeleportTrip(*ball, 0);
  EXPECT_TRUE(ball->teleported);
  ASSERT_EQ(lists.teleportTrips.Count(), 1);
  const TeleportTrip& trip = *lists.teleportTrips.At(0);
  EXPECT_EQ(trip.toTile, 1);
  EXPECT_TRUE(lists.tiles.At(0)->teleportBusy && lists.tiles.At(1)->teleportBusy);
  ASSERT_EQ(extras.effects.Count(), 1);
  const Effect& glide = *extras.effects.At(0);
  EXPECT_EQ(glide.lifetime, 30);
  EXPECT_FLOAT_EQ(glide.x + 30 * glide.vx, 200);
  EXPECT_FLOAT_EQ(glide.y + 30 * glide.vy, 200);

  RunTeleportTrips();
  EXPECT_TRUE(lists.balls.Empty()) << "the ball that entered is gone at the end of the frame";
  for (int frame = 2; frame <= 30; ++frame) RunTeleportTrips();
  EXPECT_EQ(extras.effects.Count(), 1);
  RunTeleportTrips();
  ASSERT_EQ(extras.effects.Count(), 3);
  const Effect& fadeOut = *extras.effects.At(1);
  const Effect& rise = *extras.effects.At(2);
  EXPECT_EQ(fadeOut.lifetime, 60);
  EXPECT_EQ(fadeOut.x, 200);
  EXPECT_NEAR(fadeOut.alpha + 60 * fadeOut.alphaStep, 0, 1e-3);
  EXPECT_EQ(rise.lifetime, 60);
  EXPECT_EQ(rise.x, 600);
  EXPECT_NEAR(rise.alpha + 60 * rise.alphaStep, 255, 1e-3);
  EXPECT_NEAR(rise.y + 60 * rise.vy, 300 - 10 - 8 - 1, 1e-3);

  for (int frame = 32; frame <= 90; ++frame) RunTeleportTrips();
  EXPECT_TRUE(lists.balls.Empty());
  RunTeleportTrips();
  ASSERT_EQ(lists.balls.Count(), 1);
  const Ball& back = *lists.balls.At(0);
  EXPECT_EQ(back.x, 600);
  EXPECT_EQ(back.y, 300 - 10 - 8 - 1);
  EXPECT_EQ(back.vx, 3);
  EXPECT_EQ(back.vy, -4) << "leaves the exit upwards";

  for (int frame = 92; frame <= 240; ++frame) RunTeleportTrips();
  EXPECT_EQ(lists.teleportTrips.Count(), 1);
  EXPECT_TRUE(lists.tiles.At(1)->teleportBusy);
  RunTeleportTrips();
  EXPECT_TRUE(lists.teleportTrips.Empty());
  EXPECT_FALSE(lists.tiles.At(0)->teleportBusy || lists.tiles.At(1)->teleportBusy);
}

TEST_F(BallTeleport, LosingTheLastBallWhileAnotherTravelsCostsNoLife) {
  ListTeleporters();
  Ball* entering = PutBall(230, 222, 3, -4);
  PutBall(400, 790, 0, 3);
  StartTeleportTrip(*entering, 0);
  RunTeleportTrips();  // the end of the frame in which it entered
  ASSERT_EQ(lists.balls.Count(), 1);
  StepBalls();
  EXPECT_TRUE(lists.balls.Empty());
  EXPECT_EQ(play.lives, 3);
  EXPECT_FALSE(play.restartLevel);
  EXPECT_FALSE(play.gameFrozen);
  for (int frame = 0; frame < 95 && lists.balls.Empty(); ++frame) StepBalls();
  ASSERT_EQ(lists.balls.Count(), 1);

  // Once the ball is back, losing it is losing the last ball.
  lists.balls.At(0)->y = 790;
  StepBalls();
  EXPECT_EQ(play.lives, 2);
  EXPECT_TRUE(play.restartLevel);
  EXPECT_TRUE(play.gameFrozen);
}

TEST_F(BallTeleport, ATripAboutToGiveItsBallBackStillCounts) {
  AddTrip(90);
  PutBall(400, 790, 0, 3);
  StepBalls();
  EXPECT_EQ(play.lives, 3);
  EXPECT_FALSE(play.restartLevel);
  EXPECT_EQ(lists.balls.Count(), 1);
}

TEST_F(BallTeleport, ATripWhoseBallIsBackNoLongerCounts) {
  AddTrip(91);
  PutBall(400, 790, 0, 3);
  StepBalls();
  EXPECT_EQ(play.lives, 2);
  EXPECT_TRUE(play.restartLevel);
}

TEST_F(BallTeleport, ABallEntersByChanceAndOnlyTowardsAFreeTeleporter) {
  AddTile(300, 400, tileTeleporter);
  AddTile(500, 500, tileTeleporter);
  ListTeleporters();
  lists.tiles.At(2)->teleportBusy = true;
  int entered = 0, exitOne = 0, exitThree = 0;
  for (int attempt = 0; attempt < 60; ++attempt) {
    lists.tiles.At(0)->teleportBusy = lists.tiles.At(1)->teleportBusy = lists.tiles.At(3)->teleportBusy = false;
    lists.tiles.At(0)->hitThisFrame = false;
    lists.teleportTrips.Clear();
    Ball ball = MakeBall(230, 222, 3, -4);
    TileContact contact;
    int64_t score = play.score;
    ApplyTileHit(ball, 0, contact);
    EXPECT_TRUE(contact.specialHit);
    if (!ball.teleported) {
      EXPECT_EQ(contact.bounceKind, 1);
      EXPECT_EQ(play.score, score);
      continue;
    }
    entered += 1;
    EXPECT_EQ(contact.bounceKind, 3);
    EXPECT_EQ(play.score, score + 10);
    EXPECT_TRUE(lists.tiles.At(0)->hitThisFrame);
    int exit = lists.teleportTrips.At(0)->toTile;
    EXPECT_TRUE(exit == 1 || exit == 3) << exit;
    exitOne += exit == 1 ? 1 : 0;
    exitThree += exit == 3 ? 1 : 0;
  }
  EXPECT_GT(entered, 15);
  EXPECT_LT(entered, 45);
  EXPECT_GT(exitOne, 0);
  EXPECT_GT(exitThree, 0);
}

TEST_F(BallTeleport, NoTripWhenEveryOtherTeleporterIsBusyOrTheBallAlreadyLeft) {
  ListTeleporters();
  lists.tiles.At(1)->teleportBusy = true;
  for (int attempt = 0; attempt < 20; ++attempt) {
    Ball ball = MakeBall(230, 222, 3, -4);
    TileContact contact;
    ApplyTileHit(ball, 0, contact);
    EXPECT_FALSE(ball.teleported);
    EXPECT_TRUE(contact.specialHit);
  }
  lists.tiles.At(1)->teleportBusy = false;
  for (int attempt = 0; attempt < 20; ++attempt) {
    Ball ball = MakeBall(230, 222, 3, -4);
    ball.teleported = true;
    TileContact contact;
    ApplyTileHit(ball, 0, contact);
  }
  EXPECT_TRUE(lists.teleportTrips.Empty());
  EXPECT_EQ(play.score, 0);
}

}  // namespace
