// The fire button (serve, laser, glue release, missile launch) and the laser.
#include "game/Weapons.h"

#include <cmath>

#include "game/ExtrasDraw.h"
#include "game/ExtrasState.h"
#include "game/Monsters.h"
#include "game/ProjectileHits.h"
#include "media/Media.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

bool FireHeld() {
  return PointerButton(1) || KeyHeld(Key::Enter) || (JoystickSteers() && (joystick0.buttons & 1));
}

}  // namespace

void HandleFireButton() {
  if (FireHeld() && !play.gameFrozen && !play.levelWon) {
    if (play.servePending && !play.launchBlocked) {
      PlayEffectSound(Sound::BallLaunch, PanOf(ship.x), 100, 70000);
      ReleaseGluedBalls();
    }
    if (play.laserOn) FireLaser();
    if (play.glueOn && !play.servePending && !play.launchBlocked) {
      PlayEffectSound(Sound::BallLaunch, PanOf(ship.x), 100, 70000);
      play.glueHoldFrames = 0;
      lists.balls.Reset();
      while (Ball* ball = lists.balls.Next()) ball->stuck = false;
    }
    if (play.missileArmed && play.missileCountdown == 0) LaunchMissile();
  }
  if (play.laserCooldown > 0) play.laserCooldown -= 1;
}

void FireLaser() {
  if (play.laserCooldown > 0) return;
  PlayEffectSound(Sound::Laser, 0, 100, 20000);
  for (float side : {-27.0f, 27.0f}) {
    LaserShot* shot = extras.laserShots.Append();
    shot->x = ship.x + side;
    shot->y = ship.y - 70;
  }
  runCounts.laserShots += 2;
  // A held button fires one pair every 16 frames.
  play.laserCooldown = 16;
}

namespace {

// What one laser shot does at its tip; true when the shot is spent.
bool LaserShotHits(const LaserShot& shot) {
  int index = TileAtPoint(static_cast<int>(std::lround(shot.x)), static_cast<int>(std::lround(shot.y)));
  if (index < 0) return ShootMonsterAt(shot.x, shot.y);
  Tile* tile = lists.tiles.At(index);
  if (!tile->alive) return false;
  if (tile->sprite == tileUnbreakable || tile->sprite == tileTeleporter) return true;
  // A tile already hit in this frame lets the shot through.
  if (tile->hitThisFrame) return false;
  if (tile->sprite == tileThreeHits || tile->sprite == tileTwoHits) {
    // The laser takes one hit off a multi-hit tile; only a ball or a stronger weapon finishes it at once.
    tile->sprite = tile->sprite == tileThreeHits ? tileTwoHits : tileOneHit;
    tile->hitThisFrame = true;
    play.score += 10;
    return true;
  }
  if (IsBreakableTile(tile->sprite)) {
    BlastTile(index, shot.x);
    play.score += 10;
    return true;
  }
  return false;
}

}  // namespace

void StepLaserShots() {
  OrderedList<LaserShot>& shots = extras.laserShots;
  shots.Reset();
  while (LaserShot* shot = shots.Next()) {
    if (!play.gameFrozen) shot->y -= 10;
    if (shot->y < fieldTop || (ProjectilesHit() && LaserShotHits(*shot))) shots.Delete();
  }
}

void DrawLaserShots() {
  BlendNormal();
  extras.laserShots.ForEach([](const LaserShot& shot) {
    DrawQuad(shipLaserShotPicture, shot.x - PictureWidth(shipLaserShotPicture) / 2.0f, shot.y);
  });
}
