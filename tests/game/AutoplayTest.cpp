// Autoplay: the path prediction, the aim, the waits before serving and clicking, and that it plays only
// through input (a run made by autoplay replays from its input alone to the same state).
#include <gtest/gtest.h>

#include <string>

#include "game/LevelWonPicture.h"
#include "media/Media.h"
#include "game/Autoplay.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class Autoplay : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    ResetAutoplay();
  }
  void TearDown() override {
    settings.autoplay = false;
    ReplayJournalText("1 keys= mouse=0,0 buttons=0\n");
    PresentFrame(0);
  }
};

Ball FreeBall(float x, float y, float vx, float vy) {
  Ball ball;
  ball.x = x;
  ball.y = y;
  ball.vx = vx;
  ball.vy = vy;
  ball.radius = 8;
  return ball;
}

// A small level: two rows of colour tiles and a wall of unbreakable ones, one ball glued to the ship.
void SmallLevel() {
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 8; ++column) {
      Tile* tile = lists.tiles.Add();
      tile->sprite = row == 0 ? tileRed : tileUnbreakable;
      tile->x = 176.0f + 80 * column;
      tile->y = 120.0f + 40 * row;
      tile->width = tileWidth;
      tile->height = tileHeight;
      tile->keyCount = 1;
      tile->keyX[0] = tile->x;
      tile->keyY[0] = tile->y;
      tile->keySeconds[0] = 1;
      tile->alive = true;
    }
  }
  AddBall(ship.x, ship.y - 50, 2.0f, -3.0f, 8, ball16Picture);
  GlueAllBalls(600);
  play.glueOn = true;
  lists.balls.Reset();
  while (Ball* ball = lists.balls.Next()) ball->stuck = true;
  play.servePending = true;
}

TEST_F(Autoplay, PredictionFollowsTheBallOffTheWallsAndTheCeiling) {
  float x = 0;
  int frames = 0;
  // Off the right wall: x 790, 800 (wall), 790, ... down to the ship's top at 688.
  ASSERT_TRUE(PredictShipContact(FreeBall(780, 600, 10, 10), 688, 100, x, frames));
  EXPECT_FLOAT_EQ(x, 730.0f);
  EXPECT_EQ(frames, 9);
  // A rising ball comes back from the ceiling.
  ASSERT_TRUE(PredictShipContact(FreeBall(448, 100, 0, -10), 688, 200, x, frames));
  EXPECT_FLOAT_EQ(x, 448.0f);
  EXPECT_EQ(frames, 8 + 66);
  // Gravity pulls a ball thrown upwards back down.
  Ball thrown = FreeBall(300, 600, 1, -3);
  thrown.gravity = 0.08f;
  ASSERT_TRUE(PredictShipContact(thrown, 688, 400, x, frames));
  EXPECT_GT(x, 300.0f);
  EXPECT_FALSE(PredictShipContact(FreeBall(448, 100, 1, -1), 688, 50, x, frames)) << "beyond the horizon";
}

TEST_F(Autoplay, AimKeepsTheBallOnTheShipsTopAndNeverSendsItStraightUp) {
  float straight = ShipXForAim(400, 680, 400, 100);
  EXPECT_NE(straight, 400.0f);
  EXPECT_LE(std::abs(straight - 400.0f), 3.0f);
  // Far to the right: the ship goes left of the ball, but never further than its aiming share.
  float right = ShipXForAim(400, 680, 800, 600);
  EXPECT_LT(right, 400.0f);
  EXPECT_GE(right, 400.0f - 0.8f * ship.halfWidth);
  float left = ShipXForAim(400, 680, 300, 100);
  EXPECT_GT(left, 400.0f);
}

TEST_F(Autoplay, MovesTowardsTheComingBallAndTheMirrorTurnsTheHand) {
  AddBall(700, 600, 0.5f, 4, 8, ball16Picture);
  AutoplayInput input = DecideAutoplayInput();
  EXPECT_GT(input.mouseDx, 0);
  EXPECT_LE(input.mouseDx, 32);
  EXPECT_EQ(input.buttons, 0);
  play.malusKind = 1;
  input = DecideAutoplayInput();
  EXPECT_LT(input.mouseDx, 0);
  EXPECT_EQ(AutoplayInputFields(AutoplayInput{5, 0, 1}), "mouse=5,0 buttons=1");
}

TEST_F(Autoplay, ServesAfterAShortPauseWithATapOfTheButton) {
  SmallLevel();
  int pressedAt = -1;
  for (int frame = 1; frame <= 100 && pressedAt < 0; ++frame) {
    if (DecideAutoplayInput().buttons) pressedAt = frame;
  }
  EXPECT_GT(pressedAt, 10);
  EXPECT_LT(pressedAt, 100);
  EXPECT_EQ(DecideAutoplayInput().buttons, 0) << "a tap, not a hold";
}

TEST_F(Autoplay, ClicksThroughTheWonPictureOnceItIsBuiltAndThroughALostBall) {
  ASSERT_TRUE(CreateBlankImage(42, 3, 2));
  play.levelWon = true;
  StartLevelWonPicture(42);
  AutoplayInput input = DecideAutoplayInput();
  EXPECT_EQ(input.buttons, 0) << "the picture has not been drawn yet";
  int clickAt = 0;
  for (int frame = 2; frame < 1000 && clickAt == 0; ++frame) {
    StepLevelWonPicture();
    if (DecideAutoplayInput().buttons) clickAt = frame;
  }
  EXPECT_GT(clickAt, 30);
  EXPECT_LT(clickAt, 120);

  ResetAutoplay();
  play.levelWon = false;
  play.levelEnding = false;
  play.restartLevel = true;
  play.gameFrozen = true;
  clickAt = 0;
  for (int frame = 1; frame < 1000 && clickAt == 0; ++frame) {
    if (DecideAutoplayInput().buttons) clickAt = frame;
  }
  EXPECT_GT(clickAt, 30);
  EXPECT_LT(clickAt, 200);
}

TEST_F(Autoplay, AScreenOutsidePlayGetsOneClickAfterALookAndNoneWhenAutoplayIsOff) {
  for (int frame = 0; frame < 200; ++frame) {
    AutoplayAcknowledge();
    PresentFrame(0);
    SampleMouse();
    EXPECT_EQ(PointerButton(1), 0) << "autoplay is off";
  }
  settings.autoplay = true;
  int clicks = 0, firstClick = 0;
  for (int frame = 1; frame <= 100; ++frame) {
    AutoplayAcknowledge();
    PresentFrame(0);
    SampleMouse();
    if (PointerButton(1)) {
      clicks += 1;
      if (firstClick == 0) firstClick = frame;
    }
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_GE(firstClick, 30);
}

TEST_F(Autoplay, ARunPlayedByAutoplayReplaysFromItsInputToTheSameState) {
  // Autoplay plays 900 frames; every input it gives is written down as a journal.
  SeedRandom(11);
  SmallLevel();
  settings.autoplay = true;
  std::string journal;
  float firstX = ship.x;
  bool moved = false;
  for (int frame = 1; frame <= 900; ++frame) {
    std::string fields = AutoplayInputFields(DecideAutoplayInput());
    ASSERT_TRUE(InjectInput(fields));
    journal += std::to_string(frame) + " " + fields + "\n";
    PresentFrame(0);
    RunFrame();
    moved = moved || ship.x != firstX;
  }
  EXPECT_FALSE(play.servePending) << "autoplay served";
  EXPECT_TRUE(moved);
  uint64_t played = PlayStateDigest();

  // The same start without autoplay, the journal as the only input.
  settings.autoplay = false;
  ResetGameForTest();
  ResetAutoplay();
  SeedRandom(11);
  SmallLevel();
  ReplayJournalText(journal);
  for (int frame = 1; frame <= 900; ++frame) {
    PresentFrame(0);
    RunFrame();
  }
  EXPECT_EQ(PlayStateDigest(), played);
}

}  // namespace
