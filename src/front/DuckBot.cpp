// The Duck shooting bot.
#include "front/DuckBot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Where a target stands after `frames` more moves along its row; false once it would have left the row.
bool CourseAt(const DuckGame& game, const DuckTarget& t, int frames, float& x) {
  x = t.x + static_cast<float>(DuckRowDirection(t.row)) * (t.speed + game.driftSpeed) * static_cast<float>(frames);
  float half = static_cast<float>(game.WidthOf(t.picture)) / 2.0f;
  return x > -half && x - half < duckScreenWidth;
}

int ShotStartY(const DuckGame& game) { return game.cannonY + 10; }

// The index of the target a shot now at (shotX, shotY) meets first, the targets moving `lag` frames ahead of it
// (-1: none). Targets already `claimed` by other shots are taken as gone.
int FirstHit(const DuckGame& game, int shotX, int shotY, int lag, const std::vector<bool>& claimed) {
  for (int k = 1;; ++k) {
    int y = shotY - duckShotSpeed * k;
    if (y < -9) return -1;
    for (size_t i = 0; i < game.targets.size(); ++i) {
      const DuckTarget& t = game.targets[i];
      float x = 0;
      if (claimed[i] || std::abs(t.row - y) > duckHitReach || !CourseAt(game, t, k + lag, x)) continue;
      if (x - duckHitReach <= static_cast<float>(shotX) && static_cast<float>(shotX) <= x + duckHitReach) {
        return static_cast<int>(i);
      }
    }
  }
}

// The targets the shots in the air will take.
std::vector<bool> ClaimedTargets(const DuckGame& game) {
  std::vector<bool> claimed(game.targets.size(), false);
  for (const DuckShot& s : game.shots) {
    int hit = FirstHit(game, s.x, s.y, 0, claimed);
    if (hit >= 0) claimed[static_cast<size_t>(hit)] = true;
  }
  return claimed;
}

}  // namespace

int PredictedDuckHit(const DuckGame& game, int shotX) {
  // A shot fired in the next frame leaves after the targets' next move.
  int hit = FirstHit(game, shotX, ShotStartY(game), 1, ClaimedTargets(game));
  return hit < 0 ? -1 : game.targets[static_cast<size_t>(hit)].picture;
}

MinigameInput DuckBotInput(const DuckGame& game, MinigameBotMemory& memory) {
  MinigameInput input;
  if (BotLeaves(game.lifeWon || game.frameCount >= duckBotPatience, memory, input)) return input;
  std::vector<bool> claimed = ClaimedTargets(game);
  // The nearest duck no shot is on its way to, where it will be when a shot fired now reaches its row.
  bool found = false;
  float aim = 0;
  for (size_t i = 0; i < game.targets.size(); ++i) {
    const DuckTarget& t = game.targets[i];
    if (claimed[i] || !IsDuckPicture(t.picture)) continue;
    int rise = static_cast<int>(std::lround(static_cast<double>(ShotStartY(game) - t.row) / duckShotSpeed));
    float x = 0;
    if (!CourseAt(game, t, rise + 1, x) || x < 0 || x > duckScreenWidth - 1) continue;
    if (!found || std::fabs(x - static_cast<float>(game.cannonX)) < std::fabs(aim - static_cast<float>(game.cannonX))) {
      aim = x;
      found = true;
    }
  }
  if (!found) {
    memory.pressed = false;
    return input;
  }
  int wanted = static_cast<int>(std::lround(aim)) - game.cannonX;
  input.move = std::clamp(wanted, -duckBotGlide, duckBotGlide);
  int shotX = std::clamp(game.cannonX + input.move, 0, duckScreenWidth - 1);
  if (memory.pressed) {
    memory.pressed = false;  // let go, so that the next press fires
  } else if (game.shotCooldown <= 1) {
    int hit = FirstHit(game, shotX, ShotStartY(game), 1, claimed);
    if (hit >= 0 && IsDuckPicture(game.targets[static_cast<size_t>(hit)].picture)) {
      input.fire = true;
      memory.pressed = true;
    }
  }
  return input;
}
