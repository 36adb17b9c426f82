// The extras' records and what a level start clears of them.
#include "game/ExtrasState.h"

Extras extras;

void ClearExtrasForLevel() {
  extras.effects.Clear();
  extras.monsters.Clear();
  extras.laserShots.Clear();
  extras.missiles.Clear();
  extras.bullets.Clear();
  extras.muzzleFlashes.Clear();
  for (Shrapnel& fragment : extras.shrapnel) fragment = Shrapnel{};
  extras.shrapnelCount = 0;
  for (SmokePuff& puff : extras.smoke) puff = SmokePuff{};
  extras.chaingun = Chaingun{};
  extras.launcherAngle = 0;
  extras.loadedMissileFrame = 0;
  extras.threadAnimation = 0;
  // Level defaults; the boss level's scene shortens the spawn period afterwards.
  extras.monsterKindsAllowed = 31;
  extras.spawnPeriod = 20;
}
