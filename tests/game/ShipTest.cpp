// The ship: keyboard nudge, mirror malus, joystick speed, tilt, walls and the exit door, the enlarged shape.
#include <gtest/gtest.h>

#include <string>

#include "media/Media.h"
#include "game/PlayState.h"
#include "game/Ship.h"
#include "runtime/Settings.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class ShipControl : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameForTest(); }
  void TearDown() override {
    // Nothing held may leak into the next test.
    ReplayJournalText("1 keys= mouse=0,0 buttons=0\n");
    PresentFrame(0);
  }
  // One frame of input as the frame loop takes it, then the ship's update.
  static void Frame() {
    PresentFrame(0);
    SampleKeyboard();
    SampleMouse();
    StepShip();
  }
  static void Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
  }
};

TEST_F(ShipControl, TenFramesOfTheRightArrowMoveFiftyFivePixelsAndReleasingHalvesTheNudge) {
  float start = ship.x;
  ReplayJournalText("1 keys=205\n11 keys=\n");
  Frames(10);
  EXPECT_FLOAT_EQ(ship.x - start, 55.0f);
  EXPECT_EQ(ship.keyNudgeX, 10);
  Frame();
  EXPECT_EQ(ship.keyNudgeX, 5);
  EXPECT_FLOAT_EQ(ship.x - start, 60.0f);
  Frames(3);  // 2, 1, 0
  EXPECT_EQ(ship.keyNudgeX, 0);
  EXPECT_FLOAT_EQ(ship.x - start, 63.0f);
  EXPECT_FLOAT_EQ(ship.y, fieldBottom - 40.0f) << "the ship never moves vertically";
}

TEST_F(ShipControl, MirrorMalusTurnsTheMouseTheOtherWayAndTiltsToTheLeft) {
  play.malusKind = 1;
  float start = ship.x;
  ReplayJournalText("1 mouse=6,0\n");
  Frame();
  EXPECT_FLOAT_EQ(ship.x - start, -6.0f);
  EXPECT_EQ(ship.tiltSprite, shipUprightPicture - 1);
  play.malusKind = 0;
  Frame();
  EXPECT_FLOAT_EQ(ship.x - start, 0.0f);
  EXPECT_EQ(ship.tiltSprite, shipUprightPicture);
}

TEST_F(ShipControl, JoystickGivesAboutThirtyTwoPixelsAtFullDeflectionAndAZeroRangeKeepsTheSpeed) {
  settings.joystickEnabled = true;
  settings.joyRangeX = 65535;
  settings.joyRangeY = 0;
  joystick0.x = 65535;
  joystick0.open = true;
  ship.vy = 2.5f;
  float start = ship.x;
  Frame();
  EXPECT_NEAR(ship.vx, 32.0f, 0.01f);
  EXPECT_FLOAT_EQ(ship.vy, 2.5f);
  EXPECT_NEAR(ship.x - start, 32.0f, 0.01f);
  joystick0.x = 32767;  // centred: the ship stands
  Frame();
  EXPECT_FLOAT_EQ(ship.vx, 0.0f);
  joystick0 = JoystickState{};
}

TEST_F(ShipControl, TiltStopsAtTheLastPictureAndComesBackUprightFromBothSides) {
  ReplayJournalText("1 mouse=4,0\n");
  Frames(8);
  EXPECT_EQ(ship.tiltSprite, shipUprightPicture + 5);
  const int upright = shipUprightPicture;
  for (int tilted : {upright + 5, upright - 5, upright + 1, upright - 1}) {
    ship.tiltSprite = tilted;
    ship.tiltHold = 3;
    ReplayJournalText("1 mouse=0,0\n");
    Frames(3 * 4);
    EXPECT_EQ(ship.tiltSprite, shipUprightPicture) << "from " << tilted;
  }
  // Halfway back every third idle frame: five steps banked, then two, one and upright.
  ship.tiltSprite = shipUprightPicture + 5;
  ship.tiltHold = 3;
  Frames(3);
  EXPECT_EQ(ship.tiltSprite, shipUprightPicture + 2);
  Frames(3);
  EXPECT_EQ(ship.tiltSprite, shipUprightPicture + 1);
}

TEST_F(ShipControl, WallsHoldTheShipByItsShieldWidth) {
  ReplayJournalText("1 mouse=-50,0\n");
  Frames(10);
  EXPECT_FLOAT_EQ(ship.x, 73.0f + ShipShieldWidth() / 2.0f);
  ReplayJournalText("1 mouse=50,0\n");
  Frames(20);
  EXPECT_FLOAT_EQ(ship.x, 825.0f - ShipShieldWidth() / 2.0f);
  EXPECT_FALSE(play.levelWon) << "no door, no win";
  // Enlarged, the wider shield stops it sooner.
  play.enlargeOn = true;
  play.enlargeStep = 10;
  Frames(2);  // the wall is tested before the shape grows
  EXPECT_EQ(ShipShieldWidth(), 130);
  EXPECT_FLOAT_EQ(ship.x, 825.0f - 65.0f);
}

TEST_F(ShipControl, TheOpenDoorWinsTheLevelOnce) {
  play.doorOpen = true;
  ship.x = 780;
  ReplayJournalText("1 mouse=10,0\n");
  Frame();
  EXPECT_FLOAT_EQ(ship.x, 785.0f);
  EXPECT_FALSE(play.doorOpen);
  EXPECT_TRUE(play.shipLeaving);
  EXPECT_TRUE(play.levelWon);
  EXPECT_TRUE(play.levelEnding);
  // Pushing on against the wall does not win again.
  play.levelWon = false;
  Frames(3);
  EXPECT_FALSE(play.levelWon);
  // The leaving ship drifts out to the right, a pixel a frame.
  float before = ship.x;
  StepShipExit();
  EXPECT_FLOAT_EQ(ship.x, before + 1.0f);
}

TEST_F(ShipControl, TheDoorDoesNothingOnTheFinalLevelOfEitherSet) {
  for (int hard : {0, 1}) {
    play.difficulty = hard;
    play.levelIndex = hard ? finalLevelHard : finalLevelNormal;
    play.doorOpen = true;
    play.shipLeaving = false;
    ship.x = 780;
    ReplayJournalText("1 mouse=10,0\n");
    Frame();
    EXPECT_FLOAT_EQ(ship.x, 785.0f);
    EXPECT_FALSE(play.levelWon);
    EXPECT_FALSE(play.shipLeaving);
  }
}

TEST_F(ShipControl, EnlargedShapeWidensAtOnceCyclesItsShieldAndShrinksThroughEveryRow) {
  play.enlargeOn = true;
  play.enlargeStep = 10;  // as the capsule leaves it
  Frame();
  EXPECT_EQ(play.enlargeStep, 11);
  EXPECT_EQ(ship.shieldSprite, shieldPictures + 5);
  EXPECT_EQ(ship.halfWidth, 65);
  Frames(7);  // step 18
  EXPECT_EQ(ship.shieldSprite, shieldPictures + 6);
  Frames(32);  // step 50
  EXPECT_EQ(ship.shieldSprite, shieldPictures + 10);
  Frames(7);  // step 57
  EXPECT_EQ(play.enlargeStep, 57);
  Frame();  // 58 wraps to 10
  EXPECT_EQ(play.enlargeStep, 10);
  EXPECT_EQ(ship.shieldSprite, shieldPictures + 5);

  play.enlargeOn = false;
  play.enlargeStep = 31;
  Frame();  // 30: the row of step 26
  EXPECT_EQ(ship.shieldSprite, shieldPictures + 7);
  EXPECT_EQ(ship.halfWidth, 65);
  play.enlargeStep = 10;
  int seenHalfWidths[5] = {};
  for (int i = 0; i < 10; ++i) {
    Frame();
    if (play.enlargeStep % 2 == 0) seenHalfWidths[play.enlargeStep / 2] = ship.halfWidth;
  }
  EXPECT_EQ(play.enlargeStep, 0);
  EXPECT_EQ(ship.shieldSprite, shieldPictures);
  EXPECT_EQ(ship.halfWidth, 40);
  EXPECT_EQ(seenHalfWidths[1], 45);
  EXPECT_EQ(seenHalfWidths[2], 50);
  EXPECT_EQ(seenHalfWidths[3], 55);
  EXPECT_EQ(seenHalfWidths[4], 60);
  Frame();
  EXPECT_EQ(play.enlargeStep, 0) << "never below 0";
}

}  // namespace
