// The play state's fingerprint: every record the game's step keeps, field by field.
#include <cstdint>
#include <cstring>
#include <string>

#include "base/OrderedList.h"
#include "base/Random.h"
#include "game/ExtrasState.h"
#include "game/LevelWonPicture.h"
#include "game/PlayState.h"
#include "game/Taron.h"

namespace {

// FNV-1a over the values given, each as a fixed number of little-endian bytes, so that neither padding
// nor the machine's byte order reaches the fingerprint.
class Fingerprint {
 public:
  void Number(int64_t value) {
    auto bits = static_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) Byte(static_cast<unsigned char>(bits >> (8 * i)));
  }
  void Number(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Number(static_cast<int64_t>(bits));
  }
  // A switch hashes as the number 0 or 1, as it did while the switches were ints.
  void Number(bool value) { Number(static_cast<int64_t>(value ? 1 : 0)); }
  void Number(const std::string& text) {
    Number(static_cast<int64_t>(text.size()));
    for (char c : text) Byte(static_cast<unsigned char>(c));
  }
  template <typename... T>
  void Numbers(const T&... values) {
    (Number(Widened(values)), ...);
  }
  // A list: how many records, where its walk stands (the next record added goes after it), then each record.
  template <typename T>
  void List(const OrderedList<T>& list) {
    Numbers(list.Count(), list.Index());
    list.ForEach([this](const T& record) { Record(record); });
  }
  template <typename... L>
  void Lists(const L&... lists) {
    (List(lists), ...);
  }
  uint64_t Value() const { return hash_; }

  void Record(const Ball& b) {
    Numbers(b.x, b.y, b.prevX, b.prevY, b.vx, b.vy, b.gravity, b.mass, b.radius, b.teleported, b.stuck, b.glueOffsetX,
            b.sprite, b.lastTile, b.lastTileTick, b.sameTileHits, b.trailAlpha, b.stuckFrames);
    for (const TrailPoint& point : b.trail) Numbers(point.x, point.y, point.size, point.sprite, point.turn);
  }
  void Record(const Tile& t) {
    Numbers(t.x, t.y, t.dx, t.dy, t.sprite, t.width, t.height, t.capsule, t.hitThisFrame, t.startX, t.startY, t.alive,
            t.animFrame, t.teleportBusy, t.keyIndex, t.keyCount, t.secondsLeft, t.vx, t.vy);
    for (int k = 0; k < maxKeyPoints; ++k) Numbers(t.keySeconds[k], t.keyX[k], t.keyY[k]);
  }
  void Record(const TeleportTrip& t) { Numbers(t.vx, t.vy, t.radius, t.sprite, t.fromTile, t.toTile, t.age); }
  void Record(const TileIndex& t) { Numbers(t.tile); }
  void Record(const Explosion& e) { Numbers(e.x, e.y, e.firstSprite, e.frame); }
  void Record(const BigExplosion& e) { Numbers(e.x, e.y, e.firstSprite, e.frame, e.size); }
  void Record(const Capsule& c) { Numbers(c.x, c.y, c.kind, c.frame); }
  void Record(const Message& m) { Numbers(m.text, m.delay, m.age); }
  void Record(const Effect& e) {
    Numbers(e.x, e.vx, e.y, e.vy, e.scale, e.scaleStep, e.sprite, e.spriteStep, e.spriteLow, e.spriteHigh, e.alpha,
            e.alphaStep, e.age, e.lifetime, e.holdFrames, e.tailFrames);
  }
  void Record(const Monster& m) { Numbers(m.x, m.y, m.vx, m.vy, m.wanderTimer, m.entrySteps, m.kind, m.frame); }
  void Record(const LaserShot& s) { Numbers(s.x, s.y); }
  void Record(const Missile& m) {
    Numbers(m.x, m.y, m.speed, m.heading, m.wantedHeading, m.frame, m.nextSmokeFrame);
  }
  void Record(const Bullet& b) { Numbers(b.x, b.y, b.speed, b.angle, b.active, b.picture); }
  void Record(const MuzzleFlash& f) { Numbers(f.x, f.y, f.active, f.alpha, f.size); }
  void Record(const TaronShot& s) { Numbers(s.x, s.y, s.vx, s.vy); }
  void Record(const FlyingBall& b) { Numbers(b.x, b.y, b.age, b.targetX, b.targetY, b.vx, b.vy, b.active); }
  void Record(const PlacedBall& b) { Numbers(b.x, b.y); }

 private:
  static int64_t Widened(int value) { return value; }
  static int64_t Widened(long value) { return value; }
  static int64_t Widened(long long value) { return value; }
  static float Widened(float value) { return value; }
  static bool Widened(bool value) { return value; }
  static const std::string& Widened(const std::string& text) { return text; }

  void Byte(unsigned char byte) {
    hash_ ^= byte;
    hash_ *= 1099511628211ull;
  }

  uint64_t hash_ = 1469598103934665603ull;
};

// Everything but sceneBuilt (whether the scene's pictures were made, a matter of the effects setting)
// and changeMusic (the music's).
void AddPlay(Fingerprint& f, const PlayState& p) {
  f.Numbers(p.levelIndex, p.savedLevelIndex, p.difficulty, p.lives, p.score, p.letterMask, p.levelFrames, p.frameTick,
            p.frameCounter, p.maxBallSpeed, p.sugarPoints);
  f.Numbers(p.gravityOn, p.fireOn, p.glueOn, p.glueHoldFrames, p.threadOn, p.enlargeOn, p.enlargeStep, p.doorOpen,
            p.malusKind, p.laserOn, p.laserCooldown, p.missileArmed, p.missileCountdown, p.chaingunActive, p.fireTimer,
            p.threadPhase, p.malusTimer, p.stuckFrames, p.shipLeaving, p.sceneFrozen);
  f.Numbers(p.gameFrozen, p.restartLevel, p.levelWon, p.levelEnding, p.tileChallengePending, p.bonusTimeLimit,
            p.bonusTimeLeft, p.tileOffsetY, p.liveTileCount);
  f.Numbers(p.leaveGame, p.gameWon, p.escapeReleased, p.consoleOpen, p.pauseTicker, p.lastChanceLeft, p.levelsLocked,
            p.maxMonsters, p.servePending, p.launchBlocked);
}

void AddShip(Fingerprint& f, const Ship& s) {
  f.Numbers(s.x, s.y, s.vx, s.vy, s.halfWidth, s.halfHeight, s.tiltSprite, s.shieldSprite, s.tiltHold, s.keyNudgeX,
            s.keyNudgeY);
}

void AddLists(Fingerprint& f, const Lists& l) {
  f.Lists(l.balls, l.tiles, l.teleporters, l.teleportTrips, l.hitSamples, l.explosions, l.messages, l.capsules,
          l.monsterExplosions, l.bigExplosions);
}

void AddExtras(Fingerprint& f, const Extras& e) {
  f.Lists(e.effects, e.monsters, e.laserShots, e.missiles, e.bullets, e.muzzleFlashes);
  for (const Shrapnel& s : e.shrapnel) {
    f.Numbers(s.x0, s.y0, s.x, s.y, s.angle, s.active, s.speed, s.t, s.armTime, s.picture);
  }
  f.Numbers(e.shrapnelCount);
  for (const SmokePuff& s : e.smoke) f.Numbers(s.x, s.y, s.alpha, s.size, s.angle, s.speed, s.active, s.picture);
  const MissileTarget& t = e.target;
  f.Numbers(t.tileIndex, t.x, t.y, t.halfWidth, t.halfHeight, t.locked);
  const Chaingun& g = e.chaingun;
  f.Numbers(g.gunX, g.gunY, g.angle, g.aimX, g.aimY, g.muzzle1X, g.muzzle1Y, g.muzzle2X, g.muzzle2Y, g.nextShotFrame,
            g.ammo, g.ammoMax, g.ammoPerClip, g.muzzleToggle, g.gauge, g.nudgeX, g.nudgeY);
  f.Numbers(e.launcherAngle, e.loadedMissileFrame, e.threadAnimation, e.monsterKindsAllowed, e.spawnPeriod);
}

void AddTaron(Fingerprint& f, const Taron& t) {
  f.Numbers(t.x, t.y, t.hitPoints, static_cast<int>(t.state), t.stateTimer, t.scale, t.pulse, t.hitCooldown, t.shotSpeed, t.eyeAlpha,
            t.volleys);
  f.List(t.shots);
}

void AddWonPicture(Fingerprint& f, const LevelWonPicture& w) {
  f.Numbers(w.pictureStart, w.pictureImage, w.scanX, w.scanY, w.scanStep, w.emitterX, w.emitterY);
  f.List(w.flying);
  f.List(w.placed);
}

void AddRunCounts(Fingerprint& f, const RunCounts& r) {
  f.Numbers(r.tilesDestroyed, r.capsulesCaught, r.laserShots, r.missilesLaunched, r.bulletsFired, r.monstersDestroyed,
            r.bossHits);
}

}  // namespace

uint64_t PlayStateDigest() {
  Fingerprint f;
  AddPlay(f, play);
  AddShip(f, ship);
  AddLists(f, lists);
  AddExtras(f, extras);
  AddTaron(f, taron);
  AddWonPicture(f, wonPicture);
  AddRunCounts(f, runCounts);
  f.Number(static_cast<int64_t>(RandomState()));
  return f.Value();
}
