// The chaingun: arming, aim by mouse, keys or stick, the ammo gauge, firing, bullets and muzzle flashes.
#include <algorithm>
#include <cmath>

#include "game/ExtrasDraw.h"
#include "game/ExtrasState.h"
#include "game/ProjectileHits.h"
#include "game/Weapons.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr float pi = static_cast<float>(M_PI);

bool FireHeld() {
  return PointerButton(1) || KeyHeld(Key::Enter) || (JoystickSteers() && (joystick0.buttons & 1));
}

// Arrow keys push the crosshair faster the longer they are held, like the ship.
int Nudge(int nudge, int lessKey, int moreKey) {
  if (KeyHeld(lessKey)) return nudge - 1;
  if (KeyHeld(moreKey)) return nudge + 1;
  return nudge / 2;
}

// A stick position 0..range placed on the playfield, a centred stick at its middle.
int StickAim(int stick, int range, int low, int span) {
  int n = static_cast<int>(std::lround((stick - range / 2.0) / 512.0));
  return low + span / 2 + static_cast<int>(static_cast<long>(n) * 512 * span / range);
}

void Aim(Chaingun& gun) {
  gun.nudgeX = Nudge(gun.nudgeX, Key::Left, Key::Right);
  gun.nudgeY = Nudge(gun.nudgeY, Key::Up, Key::Down);
  if (JoystickSteers() && (settings.joyRangeX != 0 || settings.joyRangeY != 0)) {
    if (settings.joyRangeX != 0) gun.aimX = StickAim(joystick0.x, settings.joyRangeX, fieldLeft, fieldWidth);
    if (settings.joyRangeY != 0) gun.aimY = StickAim(joystick0.y, settings.joyRangeY, fieldTop, fieldHeight);
  } else {
    gun.aimX += PointerDeltaX() + gun.nudgeX;
    gun.aimY += PointerDeltaY() + gun.nudgeY;
  }
  gun.aimX = std::clamp(gun.aimX, fieldLeft, fieldRight);
  gun.aimY = std::clamp(gun.aimY, fieldTop, fieldBottom);
}

// 0 while the first clip lasts, one more for each clip spent; 5 and the gun ends with the last round.
void Gauge(Chaingun& gun) {
  if (gun.ammo < 1) {
    gun.gauge = 5;
    gun.ammo = 0;
    play.chaingunActive = 0;
    return;
  }
  int clip = gun.ammoPerClip > 0 ? gun.ammoPerClip : 1;
  gun.gauge = 4;
  for (int level = 0; level < 4; ++level) {
    if (gun.ammo >= gun.ammoMax - (level + 1) * clip) {
      gun.gauge = level;
      break;
    }
  }
}

void PlaceGun(Chaingun& gun) {
  gun.gunX = ship.x - 64;
  gun.gunY = ship.y - 96;
  gun.angle = -std::atan2(gun.aimY - ship.y, gun.aimX - ship.x) * 180 / pi;
  float a1 = (-gun.angle + 160) * pi / 180, a2 = (-gun.angle + 200) * pi / 180;
  gun.muzzle1X = ship.x - 94 * std::cos(a1);
  gun.muzzle1Y = ship.y - 94 * std::sin(a1);
  gun.muzzle2X = ship.x - 94 * std::cos(a2);
  gun.muzzle2Y = ship.y - 94 * std::sin(a2);
}

void Fire(Chaingun& gun) {
  if (!FireHeld() || gun.ammo <= 0 || play.frameTick < gun.nextShotFrame || play.gameFrozen || play.levelWon) return;
  gun.nextShotFrame = play.frameTick + 16;  // a round every 16 frames at most: under four a second
  gun.muzzleToggle = gun.muzzleToggle == 0 ? -1 : 0;
  gun.ammo -= 1;
  PlayEffectSound(Sound::GunShot, -1, -1, -1);
  float x = gun.muzzleToggle == 0 ? gun.muzzle1X : gun.muzzle2X;
  float y = gun.muzzleToggle == 0 ? gun.muzzle1Y : gun.muzzle2Y;
  Bullet* bullet = extras.bullets.Append();
  bullet->x = x;
  bullet->y = y;
  bullet->speed = 3;
  bullet->angle = -gun.angle * pi / 180;
  bullet->active = true;
  bullet->picture = bulletPicture;
  MuzzleFlash* flash = extras.muzzleFlashes.Append();
  flash->x = x;
  flash->y = y;
  flash->active = true;
  flash->alpha = 255;
  flash->size = 4;
  runCounts.bulletsFired += 1;
}

// The gun turns about its pivot, which sits on the ship's centre.
void DrawGun(const Chaingun& gun) {
  float w = static_cast<float>(PictureWidth(chaingunPicture)), h = static_cast<float>(PictureHeight(chaingunPicture));
  float turn = -gun.angle + 90;
  float radians = turn * pi / 180;
  float cx = w / 2 - 64, cy = h / 2 - 96;  // picture centre from the pivot
  float centreX = ship.x + cx * std::cos(radians) - cy * std::sin(radians);
  float centreY = ship.y + cx * std::sin(radians) + cy * std::cos(radians);
  DrawPictureCentred(chaingunPicture, centreX, centreY, w, h, 255, turn);
}

}  // namespace

void StepChaingun() {
  if (!play.chaingunActive) return;
  Chaingun& gun = extras.chaingun;
  if (play.chaingunActive == 1) {
    play.chaingunActive = 2;
    gun.ammo = 10;
    gun.ammoMax = 10;
    // The console arms the gun without a clip size.
    gun.ammoPerClip = gun.ammoMax / 5;
    gun.aimX = static_cast<int>(ship.x);
    gun.aimY = static_cast<int>(ship.y) - 300;
    gun.nudgeX = gun.nudgeY = 0;
    gun.nextShotFrame = 0;
  }
  if (!play.gameFrozen) Aim(gun);
  Gauge(gun);
  PlaceGun(gun);
  if (play.chaingunActive) Fire(gun);
}

void DrawChaingun() {
  if (!play.chaingunActive) return;
  const Chaingun& gun = extras.chaingun;
  BlendNormal();
  DrawGun(gun);
  DrawQuad(gunTargetPicture, gun.aimX - 64.0f, gun.aimY - 64.0f);
  // The gauge pulses about once a second.
  int pulse = static_cast<int>(std::cos(play.frameTick / 6.0f) * 64 + 64);
  DrawQuadAlpha(ammoGaugePictures + gun.gauge, ship.x - 128, ship.y - 128, pulse);
}

void StepBullets() {
  OrderedList<Bullet>& bullets = extras.bullets;
  bullets.Reset();
  while (Bullet* bullet = bullets.Next()) {
    if (!bullet->active) continue;
    if (!play.gameFrozen) {
      bullet->x += std::cos(bullet->angle) * bullet->speed;
      bullet->y += std::sin(bullet->angle) * bullet->speed;
      if (bullet->speed < 8) bullet->speed += 1;
    }
    if (!ProjectilesHit()) continue;
    // Bullets go through what they cannot break and destroy a multi-hit tile at once.
    int index = TileInBox(bullet->x - 4, bullet->y - 4, bullet->x + 4, bullet->y + 4);
    if (index < 0) continue;
    Tile* tile = lists.tiles.At(index);
    if (IsBreakableTile(tile->sprite) && !tile->hitThisFrame) {
      BlastTile(index, bullet->x);
      play.score += 50;
      bullets.Delete();
    }
  }
}

void DrawBullets() {
  BlendNormal();
  extras.bullets.ForEach([](const Bullet& bullet) {
    if (bullet.active) DrawQuad(bullet.picture, bullet.x - 32, bullet.y - 32);
  });
}

void StepMuzzleFlashes() {
  OrderedList<MuzzleFlash>& flashes = extras.muzzleFlashes;
  flashes.Reset();
  while (MuzzleFlash* flash = flashes.Next()) {
    flash->size += 8;
    flash->alpha -= 8;
    if (flash->alpha < 1) flashes.Delete();
  }
}

void DrawMuzzleFlashes() {
  BlendAdditive();
  extras.muzzleFlashes.ForEach([](const MuzzleFlash& flash) {
    DrawPictureCentred(muzzleFlashPicture, flash.x, flash.y, flash.size, flash.size, flash.alpha);
  });
  BlendNormal();
}
