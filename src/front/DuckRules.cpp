// Duck shooting's rules, stepped once a frame without drawing.
#include "front/DuckRules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/Random.h"

DuckGame duck;

namespace {

constexpr int hitPoints[7] = {1, 2, 3, -4, -1, -2, -3};
constexpr int hitFrequencies[7] = {5000, 5000, 5000, 50, 100, 60, 80};

// At the right edge of the top row the target comes back along the middle row facing left: a young duck has
// grown on the way.
int TurnedLeft(int picture) {
  if (picture == DuckPicture(duckCanard0, true)) return DuckPicture(duckCanard1, false);
  return picture - duckFacingRight;
}

// At the left edge of the middle row it goes down to the bottom row facing right, and the duck grows again.
int TurnedRight(int picture) {
  if (picture == DuckPicture(duckCanard1, false)) return DuckPicture(duckCanard2, true);
  return picture + duckFacingRight;
}

// Moves one target; false when it has left the screen for good.
bool MoveTarget(DuckGame& game, DuckTarget& t, MinigameEvents& events) {
  float step = t.speed + game.driftSpeed;
  float half = static_cast<float>(game.WidthOf(t.picture)) / 2.0f;
  if (t.row == duckTopRow) {
    t.x += step;
    if (t.x - half >= duckScreenWidth) {
      t.row = duckMiddleRow;
      t.speed += 1;
      t.picture = TurnedLeft(t.picture);
    }
  } else if (t.row == duckMiddleRow) {
    t.x -= step;
    if (t.x <= -half) {
      t.row = duckBottomRow;
      t.speed += 1;
      t.picture = TurnedRight(t.picture);
    }
  } else {
    t.x += step;
    if (t.x - half >= duckScreenWidth) {
      // Only a duck that got away costs points; the others were never to be shot.
      if (t.picture == DuckPicture(duckCanard2, true)) {
        game.points -= duckEscapeCost;
        events.sounds.push_back({Sound::Tick, 500});
      }
      return false;
    }
  }
  return true;
}

void MoveTargets(DuckGame& game, MinigameEvents& events) {
  std::erase_if(game.targets, [&](DuckTarget& t) { return !MoveTarget(game, t, events); });
}

void EnterTarget(DuckGame& game) {
  DuckTarget t;
  t.x = -static_cast<float>(game.WidthOf(DuckPicture(duckCanard0, true)));
  t.row = duckTopRow;
  t.speed = 1.0f;
  if (RandomUpTo(10) < 5) {
    t.picture = DuckPicture(duckCanard0, true);
  } else {
    t.picture = DuckPicture(duckCaddie + RandomUpTo(3), true);
  }
  game.targets.push_back(t);
}

// Shots rise; the first target a shot reaches is hit, and only one hit counts in a frame.
void MoveShots(DuckGame& game, MinigameEvents& events) {
  bool hit = false;
  for (size_t s = 0; s < game.shots.size();) {
    DuckShot& shot = game.shots[s];
    shot.y -= duckShotSpeed;
    if (shot.y < -9) {
      game.shots.erase(game.shots.begin() + static_cast<long>(s));
      continue;
    }
    if (!hit) {
      auto target = std::find_if(game.targets.begin(), game.targets.end(), [&](const DuckTarget& t) {
        return t.x - duckHitReach <= static_cast<float>(shot.x) && static_cast<float>(shot.x) <= t.x + duckHitReach &&
               std::abs(t.row - shot.y) <= duckHitReach;
      });
      if (target != game.targets.end()) {
        game.points += DuckHitPoints(target->picture);
        events.sounds.push_back({Sound::Pop, DuckHitFrequency(target->picture)});
        game.targets.erase(target);
        game.shots.erase(game.shots.begin() + static_cast<long>(s));
        hit = true;
        continue;
      }
    }
    ++s;
  }
}

void Trigger(DuckGame& game, bool fire, MinigameEvents& events) {
  if (game.shotCooldown > 0) game.shotCooldown -= 1;
  if (!fire) {
    game.triggerHeld = false;
    return;
  }
  if (game.triggerHeld || game.shotCooldown > 0) return;
  game.shots.push_back({game.cannonX, game.cannonY + 10});
  events.sounds.push_back({Sound::GunShot, -1});
  game.triggerHeld = true;
  game.shotCooldown = duckShotPause;
}

}  // namespace

int DuckKindOf(int picture) { return (picture - duckTargets) % duckFacingRight; }
bool DuckFacesRight(int picture) { return picture - duckTargets >= duckFacingRight; }
bool IsDuckPicture(int picture) { return DuckKindOf(picture) <= duckCanard2; }
int DuckPicture(int kind, bool facingRight) { return duckTargets + kind + (facingRight ? duckFacingRight : 0); }
int DuckHitPoints(int picture) { return hitPoints[DuckKindOf(picture)]; }
int DuckHitFrequency(int picture) { return hitFrequencies[DuckKindOf(picture)]; }

int DuckRowDirection(int row) { return row == duckMiddleRow ? -1 : 1; }

void ResetDuckGame(DuckGame& game) { game = DuckGame{}; }

MinigameEvents StepDuck(DuckGame& game, const MinigameInput& input) {
  MinigameEvents events;
  game.frameCount += 1;
  if (input.quit) game.quitRequested = true;
  MoveTargets(game, events);
  if (game.frameCount % duckEntryPeriod == 0) EnterTarget(game);
  if (game.frameCount % duckDriftPeriod == 0) game.driftSpeed += duckDriftStep;
  MoveShots(game, events);
  game.cannonX = std::clamp(game.cannonX + input.move, 0, duckScreenWidth - 1);
  Trigger(game, input.fire, events);
  // The life comes only when the points stand at exactly fifty, and once a round.
  if (game.points == duckLifePoints && !game.lifeWon) {
    game.lifeWon = true;
    events.lifeWon = true;
  }
  return events;
}

bool DuckRoundOver(const DuckGame& game) { return game.quitRequested || game.points < 1; }
