// The records of the gameplay extras: effects, monsters, projectiles, shrapnel and smoke slots, the chaingun.
#pragma once

#include "base/AssetNames.h"
#include "base/OrderedList.h"

// One moving, fading picture (the letters of a floating word, a capsule's ghost, a growth burst). SpawnEffect
// takes one written with designated initializers, so the fields are in the order a caller names them.
struct Effect {
  float sprite = 0;      // picture number, fractional while animating
  float spriteStep = 0;  // pictures per frame
  int spriteLow = 0, spriteHigh = 0;  // picture numbers: the animation wraps from above spriteHigh to spriteLow
                                      // when they differ
  float x = 0, y = 0;    // centre, pixels
  float vx = 0, vy = 0;  // pixels per frame
  float scale = 1;       // drawn size over the picture's own size
  float scaleStep = 0;   // added to scale every frame
  float alpha = 255;     // 0..255
  float alphaStep = 0;   // added to alpha every frame
  int age = 0;           // frames; negative while waiting to show
  int lifetime = 0;      // frames it moves and changes
  int holdFrames = 0;    // frames it stands still before it starts to change
  int tailFrames = 0;    // frames it stays drawn unchanged after its lifetime
};

struct Monster {
  float x = 0, y = 0;    // centre, pixels
  float vx = 0, vy = 0;  // pixels per movement step (one step every fourth frame)
  int wanderTimer = 0;   // movement steps until a new drift
  int entrySteps = 0;    // movement steps left before it moves freely
  int kind = 0;          // the first picture of its kind (drifterPictures ... ballSeekerPictures)
  int frame = 0;
};

struct LaserShot {
  float x = 0, y = 0;  // top centre, pixels
};

struct Missile {
  float x = 0, y = 0;        // centre, pixels
  float speed = 0;           // pixels per frame
  float heading = 0;         // radians, 0 straight up, growing towards the left
  float wantedHeading = 0;   // radians
  int frame = 0;             // 0..31
  int nextSmokeFrame = 0;   // play.frameTick from which the next puff may leave
};

struct MissileTarget {
  int tileIndex = -1;
  float x = 0, y = 0;             // centre of the target tile, pixels
  int halfWidth = 0, halfHeight = 0;  // pixels
  bool locked = false;
};

struct Shrapnel {
  float x0 = 0, y0 = 0;  // start point, pixels
  float x = 0, y = 0;    // pixels
  float angle = 0;       // degrees
  bool active = false;
  float speed = 0;       // pixels per unit of flight time
  float t = 0;           // flight time, grows by 0.1 per frame
  int armTime = 0;       // flight time before it can hit a tile
  int picture = 0;
};

struct SmokePuff {
  float x = 0, y = 0;  // centre, pixels
  int alpha = 0;       // 0..255
  float size = 0;      // pixels
  float angle = 0;     // degrees
  float speed = 0;     // pixels per frame
  bool active = false;
  int picture = 0;
};

struct Chaingun {
  float gunX = 0, gunY = 0;  // top-left of the gun picture, pixels
  float angle = 0;           // degrees
  int aimX = 0, aimY = 0;    // crosshair, pixels
  float muzzle1X = 0, muzzle1Y = 0, muzzle2X = 0, muzzle2Y = 0;  // barrel tips, pixels
  int nextShotFrame = 0;     // play.frameTick from which the next round may leave
  int ammo = 0, ammoMax = 0, ammoPerClip = 0;  // rounds
  int muzzleToggle = 0;      // 0 or -1: which barrel fires next
  int gauge = 0;             // 0..5
  int nudgeX = 0, nudgeY = 0;  // arrow-key accumulators of the crosshair, pixels per frame
};

struct Bullet {
  float x = 0, y = 0;  // pixels
  float speed = 0;     // pixels per frame
  float angle = 0;     // radians
  bool active = false;
  int picture = bulletPicture;
};

struct MuzzleFlash {
  float x = 0, y = 0;  // centre, pixels
  bool active = false;
  int alpha = 0;       // 0..255
  float size = 0;      // pixels
};

constexpr int shrapnelSlots = 25, smokeSlots = 150;

struct Extras {
  OrderedList<Effect> effects;
  OrderedList<Monster> monsters;
  OrderedList<LaserShot> laserShots;
  OrderedList<Missile> missiles;
  OrderedList<Bullet> bullets;
  OrderedList<MuzzleFlash> muzzleFlashes;
  Shrapnel shrapnel[shrapnelSlots + 1];  // slots 1..25; 0 unused
  int shrapnelCount = 0;                 // active slots
  SmokePuff smoke[smokeSlots + 1];       // slots 1..150; 0 unused
  MissileTarget target;
  Chaingun chaingun;
  float launcherAngle = 0;  // degrees, -90..0, swings while a loaded missile waits
  int loadedMissileFrame = 0;  // 0..31, the picture of the missile waiting on the ship
  float threadAnimation = 0;  // picture phase of the thread, grows by 0.5 per frame
  int monsterKindsAllowed = 31;  // bit 1 drifters, 2 hoppers, 4 ship seekers, 8 ball seekers, 16 blinkers
  int spawnPeriod = 20;          // frames between spawn chances
};

extern Extras extras;

// What a level start clears: every list and slot, the switches' companions; the target lock stays
// (it is replaced as soon as its tile is found gone).
void ClearExtrasForLevel();
