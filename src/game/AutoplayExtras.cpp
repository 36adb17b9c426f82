// Autoplay's part in the extras: going for falling capsules when the balls allow it, firing the weapons.
#include "game/AutoplayExtras.h"

#include <algorithm>
#include <cmath>

#include "game/Capsules.h"
#include "game/ExtrasState.h"
#include "game/Taron.h"
#include "game/Autoplay.h"
#include "game/PlayState.h"

namespace {

constexpr float handSpeed = 30;  // pixels a frame the hand moves the ship, a little under its limit
constexpr int safetyFrames = 15;  // spare time kept before a ball reaches the ship

// The capsule worth going for: the one that reaches the ship first among those the ship can reach
// and still be back before the next ball arrives. Maluses are left to fall.
const Capsule* CapsuleToChase(const AutoplayPlan& plan) {
  const float catchY = ship.y - ship.halfHeight - 16;  // capsule centre when its box meets the ship's top
  const Capsule* best = nullptr;
  float bestFrames = 0;
  lists.capsules.ForEach([&](const Capsule& c) {
    if (c.kind == capsuleMalus) return;
    float untilCatchable = std::max(0.0f, catchY - c.y);
    float lastChance = fieldBottom - 8 - c.y;
    float travel = std::fabs(c.x - ship.x) / handSpeed;
    if (travel > lastChance) return;
    float back = std::fabs(plan.shipTargetX - c.x) / handSpeed;
    float busy = std::max(travel, untilCatchable) + back;
    if (plan.framesToContact >= 0 && plan.framesToContact < busy + safetyFrames) return;
    if (best == nullptr || untilCatchable < bestFrames) {
      best = &c;
      bestFrames = untilCatchable;
    }
  });
  return best;
}

// The lowest breakable tile: the chaingun's next target.
const Tile* LowestBreakableTile() {
  const Tile* lowest = nullptr;
  lists.tiles.ForEach([&](const Tile& t) {
    if (t.alive && IsBreakableTile(t.sprite) && (lowest == nullptr || t.y > lowest->y)) lowest = &t;
  });
  return lowest;
}

// While the chaingun is out the ship stands still and the mouse moves the crosshair.
void AimChaingun(AutoplayPlan& plan) {
  const Chaingun& gun = extras.chaingun;
  const Tile* target = LowestBreakableTile();
  plan.shipTargetX = ship.x;
  // Without a target the rounds are fired anyway: the balls wait until the gun is empty.
  plan.fire = true;
  if (target == nullptr || target->y >= ship.y - 1) return;
  float wantedAimX = ship.x + (target->x - ship.x) * (ship.y - gun.aimY) / (ship.y - target->y);
  float move = std::clamp(wantedAimX, static_cast<float>(fieldLeft), static_cast<float>(fieldRight)) - gun.aimX;
  // The mirror malus turns the hand, not the crosshair: undo the turn autoplay would make.
  plan.shipTargetX = ship.x + (play.malusKind == 1 ? -move : move);
  plan.fire = std::fabs(move) < 6;
}

// True when a shot of Taron's would strike the ship on its way to `x`: the hand moves it at most
// `handSpeed` pixels a frame, so where it is when the shot comes down depends on how far it has to go.
// Shots that come down after `horizon` frames are left for later.
bool ShotWouldStrike(float x, float horizon = 1e9f) {
  bool strikes = false;
  float margin = ShipStrikeHalfWidth() + 10.0f;
  float halfHeight = static_cast<float>(ShipStrikeHalfHeight());
  taron.shots.ForEach([&](const TaronShot& shot) {
    if (shot.vy <= 0 || shot.y > ship.y + halfHeight) return;
    // The shot is a danger from when it reaches the ship's top until it has passed its bottom.
    float enter = std::max((ship.y - halfHeight - shot.y) / shot.vy, 0.0f);
    float leave = std::max((ship.y + halfHeight - shot.y) / shot.vy, 0.0f);
    if (enter > horizon) return;
    for (float frames : {enter, (enter + leave) / 2, leave}) {
      float reach = handSpeed * frames;
      float shipThen = ship.x + std::clamp(x - ship.x, -reach, reach);
      strikes = strikes || std::fabs(shot.x + shot.vx * frames - shipThen) < margin;
    }
  });
  return strikes;
}

// A shot costs every ball, so the ship steps aside from it, as little as it must: first to a place
// that still meets the coming ball, then anywhere.
void DodgeShots(AutoplayPlan& plan) {
  // A shot that comes down after the ball's bounce is dodged once the ball is on its way up.
  constexpr int stepAsideFrames = 6;
  float horizon = plan.framesToContact >= 0 ? static_cast<float>(plan.framesToContact + stepAsideFrames) : 1e9f;
  if (!ShotWouldStrike(plan.shipTargetX, horizon)) return;
  auto meetsBall = [&](float x) {
    if (plan.framesToContact < 0) return true;
    return std::fabs(x - plan.contactX) < 0.85f * ship.halfWidth &&
           std::fabs(x - ship.x) <= handSpeed * static_cast<float>(plan.framesToContact);
  };
  for (bool needBall : {true, false}) {
    for (float step = 8; step <= fieldWidth; step += 8) {
      for (float side : {-1.0f, 1.0f}) {
        float x = plan.shipTargetX + side * step;
        if (x < fieldLeft + ship.halfWidth || x > fieldRight - ship.halfWidth) continue;
        if ((!needBall || meetsBall(x)) && !ShotWouldStrike(x)) {
          plan.shipTargetX = x;
          return;
        }
      }
    }
  }
}

}  // namespace

bool AutoplayBossAim(float& aimX, float& aimY) {
  if (!IsBossLevel() || !TaronInPlay()) return false;
  aimX = static_cast<float>(taron.x);
  aimY = taron.y;
  return true;
}

void PlanCapsulesAndWeapons(AutoplayPlan& plan) {
  if (play.chaingunActive) {
    AimChaingun(plan);
    return;
  }
  if (const Capsule* capsule = CapsuleToChase(plan)) plan.shipTargetX = capsule->x;
  if (play.laserOn) plan.fire = true;
  if (play.missileArmed && play.missileCountdown == 0 && extras.target.locked) plan.fire = true;
  if (IsBossLevel()) DodgeShots(plan);
}
