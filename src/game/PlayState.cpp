// The play state's records, the level reset and the digest that fingerprints a game.
#include "game/PlayState.h"

#include <cstring>

#include "game/ExtrasState.h"
#include "media/Media.h"

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
  play.glueOn = play.fireOn = play.threadOn = play.enlargeOn = play.enlargeStep = 0;
  play.doorOpen = play.malusKind = play.gravityOn = play.gameFrozen = play.levelEnding = 0;
  play.shipLeaving = play.sceneFrozen = 0;
  play.tileChallengePending = false;
  play.laserOn = play.laserCooldown = play.missileArmed = play.missileCountdown = 0;
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

namespace {

struct Fnv {
  uint64_t hash = 1469598103934665603ull;
  void Bytes(const void* data, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
      hash ^= p[i];
      hash *= 1099511628211ull;
    }
  }
  template <typename T>
  void Add(const T& value) {
    Bytes(&value, sizeof value);
  }
};

}  // namespace

uint64_t PlayStateDigest() {
  Fnv f;
  f.Add(play.levelIndex);
  f.Add(play.difficulty);
  f.Add(play.lives);
  f.Add(play.score);
  f.Add(play.letterMask);
  f.Add(play.levelFrames);
  f.Add(play.frameTick);
  f.Add(play.gameFrozen);
  f.Add(play.levelWon);
  f.Add(play.restartLevel);
  f.Add(play.bonusTimeLeft);
  f.Add(ship.x);
  f.Add(ship.y);
  lists.balls.ForEach([&](const Ball& b) {
    f.Add(b.x);
    f.Add(b.y);
    f.Add(b.vx);
    f.Add(b.vy);
    f.Add(b.radius);
  });
  lists.tiles.ForEach([&](const Tile& t) {
    f.Add(t.x);
    f.Add(t.y);
    f.Add(t.sprite);
    f.Add(t.alive);
  });
  f.Add(RandomState());
  return f.hash;
}
