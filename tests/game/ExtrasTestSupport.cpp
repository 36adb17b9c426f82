// Test support for the extras.
#include "ExtrasTestSupport.h"

#include "game/BallTestSupport.h"

#include <gtest/gtest.h>

#include "game/Capsules.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "support/BlankPictures.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {
enum class MainPictures { None, Blank, FromPacks };
MainPictures mainPictures = MainPictures::None;
}  // namespace

void EnsureMainAssets() {
  EnsureHeadlessMedia();
  if (mainPictures == MainPictures::FromPacks) return;
  std::string before = CurrentDirectory();
  ASSERT_TRUE(SetCurrentDirectory(GAME_DIR));
  LoadMainAssets();
  SetCurrentDirectory(before);
  mainPictures = MainPictures::FromPacks;
}

void ResetExtrasTest() {
  EnsureHeadlessMedia();
  if (mainPictures == MainPictures::None) {
    MakeBlankMainPictures();
    mainPictures = MainPictures::Blank;
  }
  ResetGameForTest();
}

int AddTestTile(float x, float y, int sprite, int capsule) {
  Tile* tile = AddTile(x, y, sprite, capsule);
  tile->keyX[0] = x;
  tile->keyY[0] = y;
  return lists.tiles.Count() - 1;
}

Ball* AddTestBall(float x, float y, float vx, float vy) {
  Ball* ball = lists.balls.Append();
  ball->x = ball->prevX = x;
  ball->y = ball->prevY = y;
  ball->vx = vx;
  ball->vy = vy;
  ball->radius = 8;
  ball->sprite = ball16Picture;
  ball->mass = 8 * 8 * 8 * 12.566371f / 3.0f;
  return ball;
}

void CatchCapsule(int kind) {
  ReleaseCapsule(ship.x, ship.y - ship.halfHeight - 15, kind);
  int before = lists.capsules.Count();
  StepCapsules();
  ASSERT_EQ(lists.capsules.Count(), before - 1) << "the capsule was not caught";
}

void HoldFire(bool held) { ReplayJournalText(held ? "1 buttons=1\n" : "1 buttons=0\n"); }

void SampleFrame() {
  PresentFrame(0);
  SampleKeyboard();
  SampleMouse();
}
