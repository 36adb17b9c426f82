// The order of a frame of play: each system's step in turn, and the balls' meetings with the monsters.
#include "game/PlayStep.h"

#include "base/Random.h"
#include "game/Balls.h"
#include "game/Capsules.h"
#include "game/Effects.h"
#include "game/ExtrasState.h"
#include "game/LevelWonPicture.h"
#include "game/Monsters.h"
#include "game/PlayState.h"
#include "game/Scene.h"
#include "game/Ship.h"
#include "game/Taron.h"
#include "game/TileHits.h"
#include "game/Tiles.h"
#include "game/Weapons.h"

namespace {

bool PlayMoves() { return !play.gameFrozen && !play.chaingunActive && !play.levelWon; }

// While the lost level waits for its click, blasts go off round the ship.
void LostBallSparkles() {
  if (!play.restartLevel || play.frameTick % 4 != 1) return;
  float x = ship.x + RandomUpTo(64) - RandomUpTo(64);
  float y = ship.y + RandomUpTo(64) - RandomUpTo(64);
  AddExplosion(x, y, 128);
}

}  // namespace

void BallHitsMonsters(Ball& ball) {
  extras.monsters.Reset();
  while (Monster* monster = extras.monsters.Next()) {
    if (!BallTouchesMonster(ball, *monster)) continue;
    BounceOffMonster(ball, monster->kind);
    MonsterDestroyed(monster->x, monster->y);
    play.score += 5;
    extras.monsters.Delete();
  }
}

void StepBalls() {
  StepBallMotion();
  lists.balls.Reset();
  while (Ball* ball = lists.balls.Next()) BallHitsMonsters(*ball);
  StepBallBounces();
}

void StepPlay() {
  if (PlayMoves()) StepShip();
  StepScene();
  // A frozen game's tiles stand where they are, their timers held; a won level's keep gliding.
  if (!play.gameFrozen) StepTiles();
  StepThread();
  StepMissiles();
  StepSmoke();
  StepChaingun();
  StepShipExit();
  StepCapsules();
  StepMonsters();
  StepEffects();
  StepLaserShots();
  StepExplosions();
  StepShrapnel();
  StepBullets();
  StepMuzzleFlashes();
  StepMissileTarget();
  // The chaingun holds the balls, and a decided level too; what happened above counts in this frame.
  if (PlayMoves()) StepBalls();
  // A lost level is not also won; the final level ends with the boss.
  if (!play.levelWon && !play.restartLevel && !IsBossLevel()) CheckLevelCleared();
  if (play.fireOn) StepFireTrails();
  if (play.missileArmed) PickMissileTarget();
  LostBallSparkles();
  HandleFireButton();
  if (play.levelEnding) StepLevelWonPicture();
}

void StepLevelIntro() {
  StepScene();
  StepShipExit();
  StepEffects();
  StepTiles();
}
