// The missile: loading and launcher, the target lock, flight with smoke, the hit and its shrapnel.
#include <algorithm>
#include <cmath>
#include <vector>

#include "game/ExtrasDraw.h"
#include "game/ExtrasState.h"
#include "game/Monsters.h"
#include "game/ProjectileHits.h"
#include "game/TileHits.h"
#include "game/Weapons.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr float pi = static_cast<float>(M_PI);
constexpr float twoPi = 2 * pi;

bool Running() { return !play.gameFrozen && !play.levelEnding; }

float Normalised(float angle) {
  angle = std::fmod(angle, twoPi);
  return angle < 0 ? angle + twoPi : angle;
}

// The way a missile flying along `heading` goes: 0 is straight up, growing towards the left.
float AheadX(float heading) { return std::cos(3 * pi / 2 - heading); }
float AheadY(float heading) { return std::sin(3 * pi / 2 - heading); }

// The heading that points along (dx, dy): the angle of the opposite direction measured from straight down.
float HeadingTowards(float dx, float dy) {
  float length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return 0;
  float ux = -dx / length, uy = -dy / length;
  float theta = std::acos(std::fmax(-1.0f, std::fmin(1.0f, uy)));
  return ux < 0 ? twoPi - theta : theta;
}

bool TargetTileValid() {
  const Tile* tile = lists.tiles.At(extras.target.tileIndex);
  return tile != nullptr && tile->alive && IsBreakableTile(tile->sprite);
}

void AdvanceMissileFrame(int& frame) {
  if (play.levelFrames % 2 == 0) frame = (frame + 1) & 31;
}

// The loaded missile rising onto the ship, then the launcher swinging to and fro while it waits.
void StepLoadedMissile() {
  if (!play.missileArmed) return;
  AdvanceMissileFrame(extras.loadedMissileFrame);
  if (play.missileCountdown > 0) {
    if (Running()) play.missileCountdown -= 1;
    return;
  }
  extras.launcherAngle = std::cos(play.frameTick / 15.0f) * 45 - 45;
}

void DrawLoadedMissile() {
  if (!play.missileArmed) return;
  BlendNormal();
  int picture = missilePictures + extras.loadedMissileFrame;
  if (play.missileCountdown > 0) {
    DrawPictureCentred(picture, ship.x, ship.y + play.missileCountdown);
    return;
  }
  float left = ship.x - 128, top = ship.y - 276;
  DrawQuadAlpha(launcherWindowPicture, left, top, 150);
  RotateQuad(launcherBarPicture, -extras.launcherAngle - 45, 0);
  DrawQuadAlpha(launcherBarPicture, left, top, 150);
  RotateQuad(launcherBarPicture, 0, 0);
  DrawPictureCentred(picture, ship.x, ship.y);
}

// What the missile's nose finds; true when the missile is spent.
bool MissileHits(const Missile& missile) {
  if (missile.y < 0 || !ProjectilesHit()) return false;
  float px = missile.x + AheadX(missile.heading) * 50, py = missile.y + AheadY(missile.heading) * 50;
  int index = TileInBox(px - 10, py - 10, px + 10, py + 10);
  if (index >= 0) {
    Tile* tile = lists.tiles.At(index);
    if (tile->sprite == tileUnbreakable || tile->sprite == tileTeleporter) {
      AddExplosion(missile.x, missile.y);
      extras.target.locked = false;
      return true;
    }
    if (IsBreakableTile(tile->sprite) && !tile->hitThisFrame) {
      StartShrapnel(tile->x, tile->y);
      BlastTile(index, missile.x);
      play.score += 10;
      extras.target.locked = false;
      return true;
    }
    return false;
  }
  if (ShootMonsterAt(missile.x, missile.y)) {
    extras.target.locked = false;
    return true;
  }
  return false;
}

bool OffScreen(const Missile& missile) {
  float size = static_cast<float>(std::max(PictureWidth(missilePictures), PictureHeight(missilePictures)));
  // Below the screen too: a missile turned downwards would otherwise fly on for ever.
  return missile.y < -size || missile.x < -size || missile.x > screenWidth + size || missile.y > screenHeight + size;
}

}  // namespace

void PickMissileTarget() {
  if (!play.missileArmed || extras.target.locked) return;
  std::vector<int> candidates;
  int count = lists.tiles.Count();
  for (int i = 0; i < count; ++i) {
    const Tile* tile = lists.tiles.At(i);
    if (tile->alive && IsBreakableTile(tile->sprite)) candidates.push_back(i);
  }
  // With no breakable tile left the launcher stays unlocked.
  if (candidates.empty()) return;
  int index = candidates[RandomUpTo(static_cast<int>(candidates.size()) - 1)];
  const Tile* tile = lists.tiles.At(index);
  extras.target.tileIndex = index;
  extras.target.x = tile->x;
  extras.target.y = tile->y;
  extras.target.halfWidth = PictureWidth(tile->sprite) / 2;
  extras.target.halfHeight = PictureHeight(tile->sprite) / 2;
  extras.target.locked = true;
}

void StepMissileTarget() {
  if (!play.missileArmed || !extras.target.locked) return;
  if (!TargetTileValid()) {
    // The tile went by other means: lock on another one.
    extras.target.locked = false;
    PickMissileTarget();
    if (!extras.target.locked) return;
  }
  const Tile* tile = lists.tiles.At(extras.target.tileIndex);
  extras.target.x = tile->x;
  extras.target.y = tile->y + play.tileOffsetY;
}

void DrawMissileTarget() {
  if (!play.missileArmed || !extras.target.locked) return;
  // The sights turn slowly to and fro; once the missile is ready the ring pulses four times as fast.
  float turn = std::cos(play.frameTick / 60.0f) * 180 + 180;
  BlendAdditive();
  DrawPictureCentred(targetRingPicture, extras.target.x, extras.target.y, 255, turn);
  DrawPictureCentred(targetLightPicture, extras.target.x, extras.target.y, 255, turn);
  if (play.missileCountdown == 0) {
    float size = std::cos(play.frameTick / 15.0f) * 64 + 128;
    // The lettering runs round the band, 0.004 of its width a frame.
    float scroll = static_cast<float>(play.frameTick % 250) * 0.004f;
    DrawScrolledPictureCentred(targetTextPicture, extras.target.x, extras.target.y, size, size, 255, scroll);
  }
  BlendNormal();
}

void LaunchMissile() {
  PlayEffectSound(Sound::MissileLaunch, 0, 100, 30000);
  play.missileArmed = false;
  OrderedList<Missile>& missiles = extras.missiles;
  Missile* missile = missiles.Append();
  missile->x = ship.x;
  missile->y = ship.y;
  missile->speed = 0;
  missile->heading = 0;
  missile->frame = 0;
  // Towards the target (its last known place when none was locked), swung a little by the launcher.
  float offset = (extras.launcherAngle + 45) / 4 * pi / 180;
  missile->wantedHeading = Normalised(HeadingTowards(extras.target.x - missile->x, extras.target.y - missile->y) + offset);
  missile->nextSmokeFrame = 0;
  runCounts.missilesLaunched += 1;
}

void StepMissiles() {
  StepLoadedMissile();
  OrderedList<Missile>& missiles = extras.missiles;
  missiles.Reset();
  while (Missile* missile = missiles.Next()) {
    AdvanceMissileFrame(missile->frame);
    if (Running()) {
      missile->x += AheadX(missile->heading) * missile->speed;
      missile->y += AheadY(missile->heading) * missile->speed;
      // Turn the short way round towards the wanted heading, 0.01 radians a frame.
      float heading = Normalised(missile->heading), wanted = Normalised(missile->wantedHeading);
      float difference = wanted - heading;
      if (difference > pi) difference -= twoPi;
      if (difference < -pi) difference += twoPi;
      if (std::fabs(difference) <= 0.01f) {
        heading = wanted;
      } else {
        heading += difference > 0 ? 0.01f : -0.01f;
      }
      missile->heading = Normalised(heading);
      if (missile->speed < 8) missile->speed += 0.08f;
      // A puff of smoke every other frame.
      if (play.frameTick >= missile->nextSmokeFrame) {
        missile->nextSmokeFrame = play.frameTick + 2;
        EmitSmoke(missile->x, missile->y, missile->heading);
      }
    }
    if (OffScreen(*missile)) {
      extras.target.locked = false;
      missiles.Delete();
      continue;
    }
    if (MissileHits(*missile)) missiles.Delete();
  }
}

void DrawMissiles() {
  DrawLoadedMissile();
  BlendNormal();
  extras.missiles.ForEach([](const Missile& missile) {
    DrawPictureCentred(missilePictures + missile.frame, missile.x, missile.y, 255, -missile.heading * 180 / pi);
  });
}

void StartShrapnel(float x, float y) {
  // As many fragments as there are free places, taken from slot 1 on: a low slot still flying restarts.
  int starting = shrapnelSlots - extras.shrapnelCount;
  for (int slot = 1; slot <= starting; ++slot) {
    Shrapnel& s = extras.shrapnel[slot];
    s.x0 = s.x = x;
    s.y0 = s.y = y;
    s.angle = -static_cast<float>(RandomUpTo(180));
    s.active = true;
    s.speed = static_cast<float>(RandomUpTo(40) + 40);
    s.t = -0.5f;
    s.armTime = RandomUpTo(5) + 1;
    s.picture = shrapnelPictures + missilePartStep * RandomUpTo(3);
    PlayEffectSound(Sound::BigExplosion, -1, -1, -1);
  }
  int active = 0;
  for (int slot = 1; slot <= shrapnelSlots; ++slot) active += extras.shrapnel[slot].active ? 1 : 0;
  extras.shrapnelCount = active;
}

void StepShrapnel() {
  for (int slot = 1; slot <= shrapnelSlots; ++slot) {
    Shrapnel& s = extras.shrapnel[slot];
    if (!s.active || !Running()) continue;
    float radians = s.angle * pi / 180;
    s.x = s.x0 + (s.t + 0.5f) * std::cos(radians) * s.speed;
    s.y = s.y0 + s.t * s.t * 9.8f + (s.t + 0.5f) * std::sin(radians) * s.speed;
    s.t += 0.1f;
    if (s.x < fieldLeft || s.x > fieldRight || s.y < fieldTop || s.y > fieldBottom) {
      s.active = false;
      continue;
    }
    if (s.t < s.armTime || !ProjectilesHit()) continue;
    int index = TileInBox(s.x - 10, s.y - 10, s.x + 10, s.y + 10);
    if (index < 0) continue;
    Tile* tile = lists.tiles.At(index);
    if (tile->sprite == tileUnbreakable || tile->sprite == tileTeleporter) {
      AddExplosion(s.x, s.y);
      s.active = false;
    } else if (IsBreakableTile(tile->sprite) && !tile->hitThisFrame) {
      BlastTile(index, s.x);
      play.score += 10;
      s.active = false;
    }
  }
  int active = 0;
  for (int slot = 1; slot <= shrapnelSlots; ++slot) active += extras.shrapnel[slot].active ? 1 : 0;
  extras.shrapnelCount = active;
}

void DrawShrapnel() {
  BlendNormal();
  // The fragments spin 500 degrees a second, each slot turned a little further than the one before.
  float spin = std::fmod(play.frameTick * 25.0f / 3.0f, 360.0f);
  for (int slot = 1; slot <= shrapnelSlots; ++slot) {
    const Shrapnel& s = extras.shrapnel[slot];
    if (s.active) DrawPictureCentred(s.picture, s.x, s.y, 255, std::fmod(spin + slot * 37.0f, 360.0f));
  }
}

void EmitSmoke(float x, float y, float heading) {
  for (int slot = 1; slot <= smokeSlots; ++slot) {
    SmokePuff& puff = extras.smoke[slot];
    if (puff.active) continue;
    float backX = -AheadX(heading), backY = -AheadY(heading);
    puff.x = x + backX * 36;
    puff.y = y + backY * 36;
    puff.size = 40;
    puff.alpha = 255 - RandomUpTo(100);
    puff.speed = 2;
    // Puffs move along (angle + 270) degrees: start them backwards from the missile, spread a little.
    float backwards = std::atan2(backY, backX) * 180 / pi + 90;
    puff.angle = backwards + RandomUpTo(30) - RandomUpTo(30);
    puff.picture = smokePictures + missilePartStep * RandomUpTo(4);
    puff.active = true;
    return;
  }
}

void StepSmoke() {
  for (int slot = 1; slot <= smokeSlots; ++slot) {
    SmokePuff& puff = extras.smoke[slot];
    if (!puff.active || !Running()) continue;
    float radians = (puff.angle + 270) * pi / 180;
    puff.x += std::cos(radians) * puff.speed;
    puff.y += std::sin(radians) * puff.speed;
    puff.speed -= 0.1f;
    if (puff.speed < -1.5f) puff.speed = -1.5f;
    puff.alpha -= 2;
    if (puff.size < 256) puff.size += 5;
    if (puff.alpha < 1) puff.active = false;
  }
}

void DrawSmoke() {
  BlendNormal();
  for (int slot = 1; slot <= smokeSlots; ++slot) {
    const SmokePuff& puff = extras.smoke[slot];
    if (puff.active) DrawPictureCentred(puff.picture, puff.x, puff.y, puff.size, puff.size, puff.alpha, puff.angle);
  }
}
