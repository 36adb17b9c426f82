// The ship: steering by mouse, keys and joystick, tilting, the enlarged shield, walls and the exit door, drawing.
#include "game/Ship.h"

#include <algorithm>
#include <cmath>

#include "media/Media.h"
#include "game/PlayState.h"
#include "game/TileHits.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr int uprightSprite = shipUprightPicture;
constexpr int leftmostTilt = shipUprightPicture - shipTiltSteps, rightmostTilt = shipUprightPicture + shipTiltSteps;
constexpr int tiltHoldFrames = framesPerSecond / 16;
// The ship may reach 15 pixels past the left wall and 17 past the right one.
constexpr float leftLimit = fieldLeft - 15, rightLimit = fieldRight + 17;

// Steps of the enlarged shape: from step 0 to 10 the shield widens, then its picture cycles.
struct EnlargeRow {
  int step;
  int shieldSprite;
  int halfWidth;  // pixels
};
constexpr int shield = shieldPictures;
constexpr EnlargeRow enlargeRows[] = {{0, shield, 40},       {2, shield + 1, 45},  {4, shield + 2, 50},
                                      {6, shield + 3, 55},   {8, shield + 4, 60},  {10, shield + 5, 65},
                                      {18, shield + 6, 65},  {26, shield + 7, 65}, {34, shield + 8, 65},
                                      {42, shield + 9, 65},  {50, shield + 10, 65}};

// Halfway back to upright, truncating towards upright so that both sides come home.
int RelaxTilt(int sprite) { return uprightSprite + (sprite - uprightSprite) / 2; }

// A joystick axis as ship speed: about ±32 pixels a frame at full deflection, in steps of 2048 units.
float AxisSpeed(int axis, int range) {
  return static_cast<float>(std::lround((axis - range / 2) / 2048.0)) * 2048.0f * 64.0f / static_cast<float>(range);
}

void NudgeFromKeys() {
  if (KeyHeld(Key::Left)) {
    ship.keyNudgeX -= 1;
  } else if (KeyHeld(Key::Right)) {
    ship.keyNudgeX += 1;
  } else {
    ship.keyNudgeX /= 2;
  }
  if (KeyHeld(Key::Up)) {
    ship.keyNudgeY -= 1;
  } else if (KeyHeld(Key::Down)) {
    ship.keyNudgeY += 1;
  } else {
    ship.keyNudgeY /= 2;
  }
}

void MovementFromDevices() {
  if (JoystickSteers()) {
    // An axis the joystick did not report keeps last frame's speed.
    if (settings.joyRangeX != 0) ship.vx = AxisSpeed(joystick0.x, settings.joyRangeX);
    if (settings.joyRangeY != 0) ship.vy = AxisSpeed(joystick0.y, settings.joyRangeY);
  } else {
    ship.vx = static_cast<float>(PointerDeltaX()) + static_cast<float>(ship.keyNudgeX);
    ship.vy = static_cast<float>(PointerDeltaY()) + static_cast<float>(ship.keyNudgeY);
  }
}

void Tilt() {
  if (ship.vx != 0) {
    long i = std::lround(ship.vx);
    if (i < 0) {
      ship.tiltSprite -= 1;
    } else if (i > 0) {
      ship.tiltSprite += 1;
    } else {
      ship.tiltSprite = RelaxTilt(ship.tiltSprite);
    }
    ship.tiltSprite = std::clamp(ship.tiltSprite, leftmostTilt, rightmostTilt);
    ship.tiltHold = tiltHoldFrames;
  } else {
    ship.tiltHold -= 1;
    if (ship.tiltHold <= 0) {
      ship.tiltHold = tiltHoldFrames;
      ship.tiltSprite = RelaxTilt(ship.tiltSprite);
    }
  }
}

bool OnFinalLevel() {
  return play.levelIndex == (play.difficulty == difficultyHard ? finalLevelHard : finalLevelNormal);
}

void HoldInsideWalls() {
  float half = ShipShieldWidth() / 2.0f;
  if (ship.x - half <= leftLimit) ship.x = leftLimit + half;
  if (ship.x + half >= rightLimit) {
    ship.x = rightLimit - half;
    // The boss has to be beaten: no door leads out of the final level.
    if (play.doorOpen && !OnFinalLevel()) {
      PlayEffectSound(Sound::Failure, 0, 100, 10000);
      play.doorOpen = false;
      play.shipLeaving = true;
      LevelWon();
    }
  }
}

void StepEnlargedShape() {
  if (play.enlargeOn) {
    play.enlargeStep += 1;
    if (play.enlargeStep >= 58) play.enlargeStep = 10;
  } else if (play.enlargeStep > 0) {
    play.enlargeStep -= 1;
  }
  // Between two listed steps the shape of the lower one holds, so a capsule that jumps straight to
  // step 10 widens the ship at once and shrinking passes through every row.
  const EnlargeRow* row = &enlargeRows[0];
  for (const EnlargeRow& r : enlargeRows) {
    if (r.step <= play.enlargeStep) row = &r;
  }
  ship.shieldSprite = row->shieldSprite;
  ship.halfWidth = row->halfWidth;
}

}  // namespace

int ShipShieldWidth() {
  int width = SpritePixelWidth(ship.shieldSprite);
  // Without the pictures (tests, a damaged pack) the shield is as wide as the ship's box.
  return width > 0 ? width : 2 * ship.halfWidth;
}

void StepShip() {
  NudgeFromKeys();
  MovementFromDevices();
  if (play.malusKind == 1) ship.vx = -ship.vx;
  Tilt();
  ship.x += ship.vx;
  HoldInsideWalls();
  StepEnlargedShape();
}

void StepShipExit() {
  if (play.shipLeaving) ship.x += 1.0f;
}

void DrawShip() {
  // The ship's pixels stay crisp: no filtering.
  QuadFiltering(0);
  float bodyX = std::round(ship.x - QuadWidth(ship.tiltSprite) / 2.0f);
  float bodyY = std::round(ship.y - QuadHeight(ship.tiltSprite) / 2.0f);
  DrawQuad(ship.tiltSprite, bodyX, bodyY);
  DrawQuad(ship.shieldSprite, std::round(ship.x - ShipShieldWidth() / 2.0f), ship.y - 98);
  QuadFiltering(1);

  // The engine glow pulses, and flares red or blue while the player pushes or pulls.
  QuadBlendMode(Blend::Add);
  int push = static_cast<int>(std::fabs(3.0f * ship.vy));
  if (push >= 255) push = 0;
  int glow = engineGlowPicture;
  if (ship.vy > 0 && play.gravityOn) glow = engineGlowBluePicture;
  if (ship.vy < 0) glow = engineGlowRedPicture;
  float wave = std::sin(play.frameTick / 8.0f);
  auto drawPair = [&](int size, int alpha) {
    float left = ship.x - size / 2.0f, top = ship.y - 8 - size / 2.0f;
    ZoomQuad(engineGlowPicture, static_cast<float>(size), static_cast<float>(size));
    DrawQuadAlpha(engineGlowPicture, left, top, alpha);
    ZoomQuad(glow, static_cast<float>(size), static_cast<float>(size));
    DrawQuadAlpha(glow, left, top, push);
  };
  drawPair(static_cast<int>(std::lround(128 + 15 * wave)), static_cast<int>(std::lround(60 + 60 * wave)));
  drawPair(static_cast<int>(std::lround(128 - 15 * wave)),
           static_cast<int>(std::lround(60 - 60 * std::sin(play.frameTick / 4.0f))));
  QuadBlendMode(Blend::Alpha);
}
