// The play state's records and the level reset.
#include "game/PlayState.h"

#include "game/ExtrasState.h"

PlayState play;
Ship ship;
Lists lists;
RunCounts runCounts;

void ResetLevelState() {
  lists.balls.Clear();
  lists.teleporters.Clear();
  lists.teleportTrips.Clear();
  lists.hitSamples.Clear();
  lists.explosions.Clear();
  lists.messages.Clear();
  lists.capsules.Clear();
  lists.monsterExplosions.Clear();
  lists.bigExplosions.Clear();
  ClearExtrasForLevel();
  ship = Ship{};
  play.maxBallSpeed = 8.0f;
  play.frameTick = 0;
  play.glueOn = play.fireOn = play.threadOn = play.enlargeOn = false;
  play.doorOpen = play.gravityOn = play.gameFrozen = play.levelEnding = false;
  play.shipLeaving = play.sceneFrozen = false;
  play.tileChallengePending = false;
  play.laserOn = play.missileArmed = false;
  play.enlargeStep = play.malusKind = play.laserCooldown = play.missileCountdown = 0;
  play.chaingunActive = 0;
  play.fireTimer = play.threadPhase = play.malusTimer = play.glueHoldFrames = play.stuckFrames = 0;
  play.maxMonsters = 4;
}

void ResetAllPlayState() {
  play = PlayState{};
  ship = Ship{};
  lists.tiles.Clear();
  runCounts = RunCounts{};
  extras.target = MissileTarget{};
  ResetLevelState();
}
