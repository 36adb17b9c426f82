// Weapons: the laser's rate and tile rules, bullets, the missile's lock, flight and shrapnel, the chaingun's end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "ExtrasTestSupport.h"
#include "game/Capsules.h"
#include "game/ExtrasDraw.h"
#include "game/ExtrasState.h"
#include "game/Monsters.h"
#include "game/Weapons.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class Weapons : public ::testing::Test {
 protected:
  void SetUp() override { ResetExtrasTest(); }
  void TearDown() override {
    HoldFire(false);
    PresentFrame(0);
  }
  // The firing part of a frame: the button, then the shots' flight.
  static void FireFrame() {
    SampleFrame();
    HandleFireButton();
    StepLaserShots();
  }
};

TEST_F(Weapons, HeldFireGivesALaserPairEverySixteenFrames) {
  play.laserOn = true;
  HoldFire(true);
  int pairs = 0;
  for (int frame = 0; frame < 64; ++frame) {
    long before = runCounts.laserShots;
    FireFrame();
    if (runCounts.laserShots != before) {
      EXPECT_EQ(frame % 16, 0) << "a pair came at frame " << frame;
      pairs += 1;
    }
  }
  EXPECT_EQ(pairs, 4);
}

TEST_F(Weapons, LaserShotsStartBesideTheShipAndRiseTenPixelsAFrame) {
  play.laserOn = true;
  FireLaser();
  ASSERT_EQ(extras.laserShots.Count(), 2);
  EXPECT_FLOAT_EQ(extras.laserShots.At(0)->x, ship.x - 27);
  EXPECT_FLOAT_EQ(extras.laserShots.At(1)->x, ship.x + 27);
  StepLaserShots();
  EXPECT_FLOAT_EQ(extras.laserShots.At(0)->y, ship.y - 80);
  for (int i = 0; i < 70; ++i) StepLaserShots();
  EXPECT_EQ(extras.laserShots.Count(), 0) << "shots leave at the ceiling";
}

TEST_F(Weapons, LaserStepsAThreeHitTileWhileABulletDestroysIt) {
  int tile = AddTestTile(ship.x - 27, 400, tileThreeHits);
  FireLaser();
  for (int i = 0; i < 40 && extras.laserShots.Count() == 2; ++i) StepLaserShots();
  EXPECT_EQ(lists.tiles.At(tile)->sprite, tileTwoHits);
  EXPECT_TRUE(lists.tiles.At(tile)->alive);
  EXPECT_EQ(play.score, 10);

  lists.tiles.At(tile)->sprite = tileThreeHits;
  lists.tiles.At(tile)->hitThisFrame = false;
  Bullet* bullet = extras.bullets.Add();
  bullet->x = ship.x - 27;
  bullet->y = 500;
  bullet->angle = static_cast<float>(-M_PI / 2);
  bullet->speed = 3;
  bullet->active = true;
  for (int i = 0; i < 40 && lists.tiles.At(tile)->alive; ++i) StepBullets();
  EXPECT_FALSE(lists.tiles.At(tile)->alive);
  EXPECT_EQ(play.score, 60);
  EXPECT_EQ(extras.bullets.Count(), 0);
}

TEST_F(Weapons, LaserStopsOnUnbreakableTilesAndPassesATileAlreadyHitThisFrame) {
  int wall = AddTestTile(ship.x - 27, 300, tileUnbreakable);
  int hit = AddTestTile(ship.x + 27, 500, tileRed, capsuleGlue);
  lists.tiles.At(hit)->hitThisFrame = true;
  FireLaser();
  for (int i = 0; i < 35; ++i) StepLaserShots();
  EXPECT_TRUE(lists.tiles.At(wall)->alive);
  EXPECT_TRUE(lists.tiles.At(hit)->alive);
  ASSERT_EQ(extras.laserShots.Count(), 1) << "the left shot stops at the wall, the right one flies on";
  lists.tiles.At(hit)->hitThisFrame = false;
  lists.tiles.At(hit)->y = extras.laserShots.At(0)->y - 12;
  StepLaserShots();
  EXPECT_FALSE(lists.tiles.At(hit)->alive);
  EXPECT_EQ(lists.capsules.Count(), 1) << "a blasted tile lets its capsule fall";
  EXPECT_EQ(runCounts.tilesDestroyed, 1);
}

TEST_F(Weapons, BulletsGoThroughUnbreakableTiles) {
  int wall = AddTestTile(400, 400, tileUnbreakable);
  int target = AddTestTile(400, 200, tileGreen);
  Bullet* bullet = extras.bullets.Add();
  bullet->x = 400;
  bullet->y = 600;
  bullet->angle = static_cast<float>(-M_PI / 2);
  bullet->speed = 3;
  bullet->active = true;
  for (int i = 0; i < 100; ++i) StepBullets();
  EXPECT_TRUE(lists.tiles.At(wall)->alive);
  EXPECT_FALSE(lists.tiles.At(target)->alive);
  EXPECT_EQ(play.score, 50);
}

TEST_F(Weapons, MissileTargetIsPickedAgainWhenItsTileIsGone) {
  int first = AddTestTile(300, 100, tileRed);
  AddTestTile(600, 100, tileUnbreakable);
  play.missileArmed = true;
  PickMissileTarget();
  ASSERT_TRUE(extras.target.locked);
  EXPECT_EQ(extras.target.tileIndex, first) << "only breakable tiles are candidates";
  int second = AddTestTile(500, 200, tileThreeHits);
  lists.tiles.At(first)->alive = false;
  StepMissileTarget();
  EXPECT_TRUE(extras.target.locked);
  EXPECT_EQ(extras.target.tileIndex, second);
  EXPECT_FLOAT_EQ(extras.target.x, 500);
  // With nothing breakable left the launcher stays unlocked.
  lists.tiles.At(second)->alive = false;
  StepMissileTarget();
  EXPECT_FALSE(extras.target.locked);
  PickMissileTarget();
  EXPECT_FALSE(extras.target.locked);
}

TEST_F(Weapons, LaunchedMissileHeadsForItsTargetAndBlastsIt) {
  // A target up and to the left, and one to the right, each alone in its level.
  for (float targetX : {200.0f, 700.0f}) {
    ResetExtrasTest();
    int target = AddTestTile(targetX, 150, tileOneHit);
    play.missileArmed = true;
    PickMissileTarget();
    extras.launcherAngle = -45;  // the launcher's swing adds nothing
    LaunchMissile();
    ASSERT_EQ(extras.missiles.Count(), 1);
    EXPECT_FALSE(play.missileArmed);
    const Missile* missile = extras.missiles.At(0);
    float aheadX = -std::sin(missile->wantedHeading), aheadY = -std::cos(missile->wantedHeading);
    float dx = targetX - ship.x, dy = 150 - ship.y, d = std::sqrt(dx * dx + dy * dy);
    EXPECT_NEAR(aheadX, dx / d, 1e-3);
    EXPECT_NEAR(aheadY, dy / d, 1e-3);
    for (int i = 0; i < 600 && extras.missiles.Count() > 0; ++i) StepMissiles();
    EXPECT_FALSE(lists.tiles.At(target)->alive) << "target at x " << targetX;
    EXPECT_EQ(extras.missiles.Count(), 0);
    EXPECT_FALSE(extras.target.locked);
    EXPECT_GT(extras.shrapnelCount, 0);
  }
}

TEST_F(Weapons, AFlyingMissileLeavesAPuffOfSmokeEveryOtherFrame) {
  AddTestTile(448, 100, tileOneHit);
  play.missileArmed = true;
  PickMissileTarget();
  LaunchMissile();
  auto puffs = [] {
    int count = 0;
    for (const SmokePuff& puff : extras.smoke) count += puff.active;
    return count;
  };
  for (int frame = 0; frame < 20; ++frame) {
    StepMissiles();
    play.frameTick += 1;
  }
  EXPECT_EQ(puffs(), 10);
  // Frames that do not come do not count, whatever the clock says.
  for (int present = 0; present < 20; ++present) SampleFrame();
  StepMissiles();
  EXPECT_EQ(puffs(), 11);
  StepMissiles();
  EXPECT_EQ(puffs(), 11);
}

TEST_F(Weapons, MissileLoadsInOneHundredAndFiftyFramesBeforeItCanLeave) {
  CatchCapsule(capsuleMissile);
  for (int i = 0; i < 149; ++i) StepMissiles();
  EXPECT_EQ(play.missileCountdown, 1);
  HoldFire(true);
  SampleFrame();
  HandleFireButton();
  EXPECT_EQ(extras.missiles.Count(), 0);
  StepMissiles();
  HandleFireButton();
  EXPECT_EQ(extras.missiles.Count(), 1);
}

TEST_F(Weapons, TwentyFiveFragmentsFlyingTakeNoMoreAndNewHitsRestartLowSlots) {
  StartShrapnel(400, 300);
  EXPECT_EQ(extras.shrapnelCount, 25);
  float before = extras.shrapnel[1].t;
  StartShrapnel(600, 300);
  EXPECT_EQ(extras.shrapnelCount, 25);
  EXPECT_FLOAT_EQ(extras.shrapnel[1].x0, 400) << "no slot was restarted";
  EXPECT_FLOAT_EQ(extras.shrapnel[1].t, before);
  // Five fragments come down; the next hit restarts slots 1..5, flying or not.
  for (int slot = 21; slot <= 25; ++slot) extras.shrapnel[slot].active = false;
  extras.shrapnelCount = 20;
  StartShrapnel(600, 300);
  EXPECT_EQ(extras.shrapnelCount, 20);
  for (int slot = 1; slot <= 5; ++slot) EXPECT_FLOAT_EQ(extras.shrapnel[slot].x0, 600);
  EXPECT_FLOAT_EQ(extras.shrapnel[6].x0, 400);
}

TEST_F(Weapons, EveryFragmentFallsOutOfTheField) {
  StartShrapnel(448, 400);
  for (int i = 0; i < 200; ++i) StepShrapnel();
  EXPECT_EQ(extras.shrapnelCount, 0) << "every fragment falls out of the field";
}

TEST_F(Weapons, ChaingunFiresTenRoundsSixteenFramesApartAndEnds) {
  CatchCapsule(capsuleChaingun);
  HoldFire(true);
  std::vector<int> shotFrames;
  while (play.chaingunActive && play.frameTick < 1000) {
    SampleFrame();
    long before = runCounts.bulletsFired;
    StepChaingun();
    if (runCounts.bulletsFired > before) shotFrames.push_back(play.frameTick);
    play.frameTick += 1;
  }
  EXPECT_EQ(runCounts.bulletsFired, 10);
  EXPECT_EQ(extras.chaingun.gauge, 5) << "the last gauge picture shows when it ends";
  EXPECT_EQ(extras.chaingun.ammo, 0);
  ASSERT_EQ(shotFrames.size(), 10u);
  EXPECT_EQ(shotFrames[0], 0) << "the first round leaves at once";
  // Frames, not the clock: under four rounds a second at 60 frames a second, however fast frames come.
  for (size_t i = 1; i < shotFrames.size(); ++i) EXPECT_EQ(shotFrames[i] - shotFrames[i - 1], 16) << i;
  EXPECT_EQ(extras.muzzleFlashes.Count(), 10);
  for (int i = 0; i < 40; ++i) StepMuzzleFlashes();
  EXPECT_EQ(extras.muzzleFlashes.Count(), 0);
}

TEST_F(Weapons, ChaingunAimsAtTheCrosshairFromEitherBarrel) {
  play.chaingunActive = 1;
  StepChaingun();
  EXPECT_EQ(play.chaingunActive, 2);
  EXPECT_EQ(extras.chaingun.ammoPerClip, 2) << "armed without a clip size, the gun makes one";
  // Crosshair straight above: the barrels are 32 pixels either side, 88 above the ship's centre.
  EXPECT_NEAR(extras.chaingun.muzzle1X, ship.x - 32.15f, 0.1f);
  EXPECT_NEAR(extras.chaingun.muzzle1Y, ship.y - 88.33f, 0.1f);
  EXPECT_NEAR(extras.chaingun.muzzle2X, ship.x + 32.15f, 0.1f);
  HoldFire(true);
  SampleFrame();
  StepChaingun();
  ASSERT_EQ(extras.bullets.Count(), 1);
  EXPECT_NEAR(extras.bullets.At(0)->angle, -M_PI / 2, 1e-3);
}

TEST_F(Weapons, ChaingunStickAimIsCentredOnThePlayfield) {
  settings.joystickEnabled = true;
  settings.joyRangeX = settings.joyRangeY = 65535;
  joystick0 = JoystickState{};
  joystick0.open = true;
  play.chaingunActive = 1;
  StepChaingun();
  EXPECT_NEAR(extras.chaingun.aimX, fieldLeft + fieldWidth / 2, 2);
  EXPECT_NEAR(extras.chaingun.aimY, fieldTop + fieldHeight / 2, 2);
  joystick0.x = 65535;
  StepChaingun();
  EXPECT_EQ(extras.chaingun.aimX, fieldRight);
  settings.joystickEnabled = false;
}

TEST_F(Weapons, LaserKillsAMonsterForNoPoints) {
  AddMonster(hopperPictures, 2, 1);
  Monster* monster = extras.monsters.At(0);
  monster->x = ship.x - 27;
  monster->y = 400;
  FireLaser();
  for (int i = 0; i < 40; ++i) StepLaserShots();
  EXPECT_EQ(extras.monsters.Count(), 0);
  EXPECT_EQ(play.score, 0);
  EXPECT_EQ(runCounts.monstersDestroyed, 1);
}

}  // namespace

namespace {

// Once the level is won, every projectile flies on but breaks, kills and scores nothing.
TEST_F(Weapons, AfterTheLevelIsWonProjectilesHitNothing) {
  AddTestTile(ship.x - 27, 400, tileRed, capsuleGlue);
  AddTestTile(200, 300, tileGreen);
  int missileTarget = AddTestTile(600, 150, tileOneHit);
  AddMonster(hopperPictures, 2, 1);
  extras.monsters.At(0)->x = ship.x + 27;
  extras.monsters.At(0)->y = 400;
  play.missileArmed = true;
  PickMissileTarget();
  extras.target.tileIndex = missileTarget;
  extras.target.x = 600;
  extras.target.y = 150;
  extras.launcherAngle = -45;
  LaunchMissile();
  FireLaser();
  Bullet* bullet = extras.bullets.Add();
  bullet->x = 200;
  bullet->y = 600;
  bullet->angle = static_cast<float>(-M_PI / 2);
  bullet->speed = 3;
  bullet->active = true;
  StartShrapnel(400, 160);
  AddTestTile(400, 200, tileBlue);
  play.levelWon = true;
  float shotStart = extras.laserShots.At(0)->y;
  for (int i = 0; i < 20; ++i) {
    StepLaserShots();
    StepBullets();
    StepMissiles();
    StepShrapnel();
  }
  EXPECT_FLOAT_EQ(extras.laserShots.At(0)->y, shotStart - 200) << "shots still fly";
  EXPECT_LT(extras.bullets.At(0)->y, 600) << "bullets still fly";
  for (int i = 0; i < 600; ++i) {
    StepLaserShots();
    StepBullets();
    StepMissiles();
    StepShrapnel();
  }
  for (int tile = 0; tile < lists.tiles.Count(); ++tile) EXPECT_TRUE(lists.tiles.At(tile)->alive) << tile;
  EXPECT_EQ(extras.monsters.Count(), 1);
  EXPECT_EQ(play.score, 0);
  EXPECT_EQ(lists.capsules.Count(), 0);
  EXPECT_EQ(runCounts.tilesDestroyed, 0);
}

// One row through the middle of a 128-pixel picture drawn at its own size centred on (512, 384).
std::vector<int> ScrolledRow(float scroll) {
  ClearFrame(0);
  BeginQuads();
  QuadFiltering(0);
  BlendNormal();
  if (std::isnan(scroll)) {
    DrawPictureCentred(targetTextPicture, 512, 384, 128, 128, 255);
  } else {
    DrawScrolledPictureCentred(targetTextPicture, 512, 384, 128, 128, 255, scroll);
  }
  QuadFiltering(1);
  EndQuads();
  std::vector<int> row;
  BeginDraw(DrawTargetKind::Screen);
  for (int y : {320 + 8, 320 + 56, 320 + 105})
    for (int x = 448; x < 576; ++x) row.push_back(PixelColour(x, y));
  EndDraw();
  return row;
}

// The lock-on lettering runs round its band: a quarter turn shows the picture moved left by a quarter,
// its left quarter coming back on the right, and whole turns either way change nothing.
TEST_F(Weapons, TargetLetteringScrollsRoundItsBand) {
  EnsureMainAssets();
  ASSERT_TRUE(HasQuad(targetTextPicture));
  ASSERT_EQ(PictureWidth(targetTextPicture), 128);
  std::vector<int> still = ScrolledRow(std::nanf(""));
  EXPECT_EQ(ScrolledRow(0), still);
  EXPECT_NE(std::count(still.begin(), still.end(), 0), static_cast<long>(still.size())) << "the lettering shows";
  std::vector<int> quarter = ScrolledRow(0.25f);
  for (int line = 0; line < 3; ++line)
    for (int x = 0; x < 128; ++x) EXPECT_EQ(quarter[line * 128 + x], still[line * 128 + (x + 32) % 128]) << x;
  EXPECT_EQ(ScrolledRow(1.25f), quarter);
  EXPECT_EQ(ScrolledRow(-0.75f), quarter);
}

}  // namespace
