// The play digest sees every field of every record the step keeps, and nothing that only the display keeps.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Random.h"
#include "game/ExtrasState.h"
#include "game/LevelWonPicture.h"
#include "game/PlayState.h"
#include "game/Taron.h"

namespace {

// One record in every list, everything else as a program start leaves it.
void Fixture() {
  ResetAllPlayState();
  ResetTaron();
  wonPicture = LevelWonPicture{};
  SeedRandom(1);
  lists.balls.Add();
  lists.tiles.Add();
  lists.teleporters.Add();
  lists.teleportTrips.Add();
  lists.hitSamples.Add();
  lists.explosions.Add();
  lists.messages.Add()->text = "WORD";
  lists.capsules.Add();
  lists.monsterExplosions.Add();
  lists.bigExplosions.Add();
  extras.effects.Add();
  extras.monsters.Add();
  extras.laserShots.Add();
  extras.missiles.Add();
  extras.bullets.Add();
  extras.muzzleFlashes.Add();
  taron.shots.Add();
  wonPicture.flying.Add();
  wonPicture.placed.Add();
}

void Bump(int& value) { value += 1; }
void Bump(long& value) { value += 1; }
void Bump(float& value) { value += 1.5f; }
void Bump(bool& value) { value = !value; }
void Bump(TaronState& state) { state = static_cast<TaronState>(static_cast<int>(state) + 1); }
void Bump(std::string& text) { text += "S"; }

struct Change {
  const char* field;
  std::function<void()> apply;
};
#define FIELD(target) Change{#target, [] { Bump(target); }}

Ball& B() { return *lists.balls.At(0); }
Tile& T() { return *lists.tiles.At(0); }
Effect& E() { return *extras.effects.At(0); }
Monster& M() { return *extras.monsters.At(0); }
Missile& Mi() { return *extras.missiles.At(0); }
Bullet& Bu() { return *extras.bullets.At(0); }
MuzzleFlash& Fl() { return *extras.muzzleFlashes.At(0); }
Shrapnel& Sh() { return extras.shrapnel[shrapnelSlots]; }
SmokePuff& Sm() { return extras.smoke[smokeSlots]; }
Chaingun& G() { return extras.chaingun; }
FlyingBall& Fb() { return *wonPicture.flying.At(0); }

const std::vector<Change>& Changes() {
  static const std::vector<Change> changes = {
      FIELD(play.levelIndex), FIELD(play.savedLevelIndex), FIELD(play.difficulty), FIELD(play.lives),
      FIELD(play.score), FIELD(play.letterMask), FIELD(play.levelFrames), FIELD(play.frameTick),
      FIELD(play.frameCounter), FIELD(play.maxBallSpeed), FIELD(play.sugarPoints), FIELD(play.gravityOn),
      FIELD(play.fireOn), FIELD(play.glueOn), FIELD(play.glueHoldFrames), FIELD(play.threadOn), FIELD(play.enlargeOn),
      FIELD(play.enlargeStep), FIELD(play.doorOpen), FIELD(play.malusKind), FIELD(play.laserOn),
      FIELD(play.laserCooldown), FIELD(play.missileArmed), FIELD(play.missileCountdown), FIELD(play.chaingunActive),
      FIELD(play.fireTimer), FIELD(play.threadPhase), FIELD(play.malusTimer), FIELD(play.stuckFrames),
      FIELD(play.shipLeaving), FIELD(play.sceneFrozen), FIELD(play.gameFrozen), FIELD(play.restartLevel),
      FIELD(play.levelWon), FIELD(play.levelEnding), FIELD(play.tileChallengePending), FIELD(play.bonusTimeLimit),
      FIELD(play.bonusTimeLeft), FIELD(play.tileOffsetY), FIELD(play.liveTileCount), FIELD(play.leaveGame),
      FIELD(play.gameWon), FIELD(play.escapeReleased), FIELD(play.consoleOpen), FIELD(play.pauseTicker),
      FIELD(play.lastChanceLeft), FIELD(play.levelsLocked), FIELD(play.maxMonsters), FIELD(play.servePending),
      FIELD(play.launchBlocked),
      FIELD(ship.x), FIELD(ship.y), FIELD(ship.vx), FIELD(ship.vy), FIELD(ship.halfWidth), FIELD(ship.halfHeight),
      FIELD(ship.tiltSprite), FIELD(ship.shieldSprite), FIELD(ship.tiltHold), FIELD(ship.keyNudgeX),
      FIELD(ship.keyNudgeY),
      FIELD(B().x), FIELD(B().y), FIELD(B().prevX), FIELD(B().prevY), FIELD(B().vx), FIELD(B().vy), FIELD(B().gravity),
      FIELD(B().mass), FIELD(B().radius), FIELD(B().teleported), FIELD(B().stuck), FIELD(B().glueOffsetX),
      FIELD(B().sprite), FIELD(B().lastTile), FIELD(B().lastTileTick), FIELD(B().sameTileHits), FIELD(B().trailAlpha),
      FIELD(B().stuckFrames), FIELD(B().trail[9].x), FIELD(B().trail[9].y), FIELD(B().trail[9].size),
      FIELD(B().trail[9].sprite), FIELD(B().trail[9].turn),
      FIELD(T().x), FIELD(T().y), FIELD(T().dx), FIELD(T().dy), FIELD(T().sprite), FIELD(T().width), FIELD(T().height),
      FIELD(T().capsule), FIELD(T().hitThisFrame), FIELD(T().startX), FIELD(T().startY), FIELD(T().alive),
      FIELD(T().animFrame), FIELD(T().teleportBusy), FIELD(T().keyIndex), FIELD(T().keyCount), FIELD(T().secondsLeft),
      FIELD(T().vx), FIELD(T().vy), FIELD(T().keySeconds[maxKeyPoints - 1]), FIELD(T().keyX[maxKeyPoints - 1]),
      FIELD(T().keyY[maxKeyPoints - 1]),
      FIELD(lists.teleportTrips.At(0)->vx), FIELD(lists.teleportTrips.At(0)->vy),
      FIELD(lists.teleportTrips.At(0)->radius), FIELD(lists.teleportTrips.At(0)->sprite),
      FIELD(lists.teleportTrips.At(0)->fromTile), FIELD(lists.teleportTrips.At(0)->toTile),
      FIELD(lists.teleportTrips.At(0)->age), FIELD(lists.teleporters.At(0)->tile),
      FIELD(lists.hitSamples.At(0)->tile),
      FIELD(lists.explosions.At(0)->x), FIELD(lists.explosions.At(0)->y), FIELD(lists.explosions.At(0)->firstSprite),
      FIELD(lists.explosions.At(0)->frame), FIELD(lists.monsterExplosions.At(0)->frame),
      FIELD(lists.bigExplosions.At(0)->x), FIELD(lists.bigExplosions.At(0)->y),
      FIELD(lists.bigExplosions.At(0)->firstSprite), FIELD(lists.bigExplosions.At(0)->frame),
      FIELD(lists.bigExplosions.At(0)->size),
      FIELD(lists.messages.At(0)->text), FIELD(lists.messages.At(0)->delay), FIELD(lists.messages.At(0)->age),
      FIELD(lists.capsules.At(0)->x), FIELD(lists.capsules.At(0)->y), FIELD(lists.capsules.At(0)->kind),
      FIELD(lists.capsules.At(0)->frame),
      FIELD(E().x), FIELD(E().vx), FIELD(E().y), FIELD(E().vy), FIELD(E().scale), FIELD(E().scaleStep),
      FIELD(E().sprite), FIELD(E().spriteStep), FIELD(E().spriteLow), FIELD(E().spriteHigh), FIELD(E().alpha),
      FIELD(E().alphaStep), FIELD(E().age), FIELD(E().lifetime), FIELD(E().holdFrames), FIELD(E().tailFrames),
      FIELD(M().x), FIELD(M().y), FIELD(M().vx), FIELD(M().vy), FIELD(M().wanderTimer), FIELD(M().entrySteps),
      FIELD(M().kind), FIELD(M().frame),
      FIELD(extras.laserShots.At(0)->x), FIELD(extras.laserShots.At(0)->y),
      FIELD(Mi().x), FIELD(Mi().y), FIELD(Mi().speed), FIELD(Mi().heading), FIELD(Mi().wantedHeading),
      FIELD(Mi().frame), FIELD(Mi().nextSmokeFrame),
      FIELD(Bu().x), FIELD(Bu().y), FIELD(Bu().speed), FIELD(Bu().angle), FIELD(Bu().active), FIELD(Bu().picture),
      FIELD(Fl().x), FIELD(Fl().y), FIELD(Fl().active), FIELD(Fl().alpha), FIELD(Fl().size),
      FIELD(Sh().x0), FIELD(Sh().y0), FIELD(Sh().x), FIELD(Sh().y), FIELD(Sh().angle), FIELD(Sh().active),
      FIELD(Sh().speed), FIELD(Sh().t), FIELD(Sh().armTime), FIELD(Sh().picture), FIELD(extras.shrapnelCount),
      FIELD(Sm().x), FIELD(Sm().y), FIELD(Sm().alpha), FIELD(Sm().size), FIELD(Sm().angle), FIELD(Sm().speed),
      FIELD(Sm().active), FIELD(Sm().picture),
      FIELD(extras.target.tileIndex), FIELD(extras.target.x), FIELD(extras.target.y), FIELD(extras.target.halfWidth),
      FIELD(extras.target.halfHeight), FIELD(extras.target.locked),
      FIELD(G().gunX), FIELD(G().gunY), FIELD(G().angle), FIELD(G().aimX), FIELD(G().aimY), FIELD(G().muzzle1X),
      FIELD(G().muzzle1Y), FIELD(G().muzzle2X), FIELD(G().muzzle2Y), FIELD(G().nextShotFrame), FIELD(G().ammo),
      FIELD(G().ammoMax), FIELD(G().ammoPerClip), FIELD(G().muzzleToggle), FIELD(G().gauge), FIELD(G().nudgeX),
      FIELD(G().nudgeY),
      FIELD(extras.launcherAngle), FIELD(extras.loadedMissileFrame), FIELD(extras.threadAnimation),
      FIELD(extras.monsterKindsAllowed), FIELD(extras.spawnPeriod),
      FIELD(taron.x), FIELD(taron.y), FIELD(taron.hitPoints), FIELD(taron.state), FIELD(taron.stateTimer),
      FIELD(taron.scale), FIELD(taron.pulse), FIELD(taron.hitCooldown), FIELD(taron.shotSpeed), FIELD(taron.eyeAlpha),
      FIELD(taron.volleys), FIELD(taron.shots.At(0)->x), FIELD(taron.shots.At(0)->y), FIELD(taron.shots.At(0)->vx),
      FIELD(taron.shots.At(0)->vy),
      FIELD(wonPicture.pictureStart), FIELD(wonPicture.pictureImage), FIELD(wonPicture.scanX),
      FIELD(wonPicture.scanY), FIELD(wonPicture.scanStep), FIELD(wonPicture.emitterX), FIELD(wonPicture.emitterY),
      FIELD(Fb().x), FIELD(Fb().y), FIELD(Fb().age), FIELD(Fb().targetX), FIELD(Fb().targetY), FIELD(Fb().vx),
      FIELD(Fb().vy), FIELD(Fb().active), FIELD(wonPicture.placed.At(0)->x), FIELD(wonPicture.placed.At(0)->y),
      FIELD(runCounts.tilesDestroyed), FIELD(runCounts.capsulesCaught), FIELD(runCounts.laserShots),
      FIELD(runCounts.missilesLaunched), FIELD(runCounts.bulletsFired), FIELD(runCounts.monstersDestroyed),
      FIELD(runCounts.bossHits),
  };
  return changes;
}

TEST(PlayDigest, EveryFieldOfEveryRecordChangesIt) {
  Fixture();
  uint64_t before = PlayStateDigest();
  Fixture();
  ASSERT_EQ(PlayStateDigest(), before) << "the same state, the same digest";
  for (const Change& change : Changes()) {
    Fixture();
    change.apply();
    EXPECT_NE(PlayStateDigest(), before) << change.field;
  }
}

TEST(PlayDigest, TheListsTheirOrderTheirWalksAndTheRandomGeneratorCount) {
  Fixture();
  uint64_t before = PlayStateDigest();
  auto changed = [&](const std::function<void()>& change) {
    Fixture();
    change();
    return PlayStateDigest() != before;
  };
  EXPECT_TRUE(changed([] { lists.capsules.Add(); })) << "one record more";
  EXPECT_TRUE(changed([] { extras.monsters.Clear(); })) << "one record fewer";
  EXPECT_TRUE(changed([] { lists.balls.Reset(); })) << "where the next ball would be added";
  EXPECT_TRUE(changed([] { RandomUpTo(10); }));
  // Two balls the other way round.
  Fixture();
  lists.balls.Add()->x = 100;
  uint64_t ordered = PlayStateDigest();
  Fixture();
  lists.balls.Reset();
  lists.balls.Add()->x = 100;
  lists.balls.Next();
  EXPECT_NE(PlayStateDigest(), ordered);
}

TEST(PlayDigest, WhatOnlyTheDisplayOrTheMusicKeepsIsLeftOut) {
  Fixture();
  uint64_t before = PlayStateDigest();
  play.sceneBuilt = !play.sceneBuilt;
  play.changeMusic = !play.changeMusic;
  EXPECT_EQ(PlayStateDigest(), before);
}

}  // namespace
