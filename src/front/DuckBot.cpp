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

}  // namespace

int PredictedDuckHit(const DuckGame& game, int shotX) {
  for (int k = 1;; ++k) {
    int y = ShotStartY(game) - duckShotSpeed * k;
    if (y < -9) return -1;
    for (const DuckTarget& t : game.targets) {
      float x = 0;
      if (std::abs(t.row - y) > duckHitReach || !CourseAt(game, t, k + 1, x)) continue;
      if (x - duckHitReach <= static_cast<float>(shotX) && static_cast<float>(shotX) <= x + duckHitReach) {
        return t.picture;
      }
    }
  }
}

MinigameBotInput DuckBotInput(const DuckGame& game, DuckBotMemory& memory) {
  MinigameBotInput input;
  if (game.lifeWon || game.frameCount >= duckBotPatience) {
    input.quit = true;
    return input;
  }
  // The nearest duck, where it will be when a shot fired now reaches its row.
  bool found = false;
  float aim = 0;
  for (const DuckTarget& t : game.targets) {
    if (!IsDuckPicture(t.picture)) continue;
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
    int hit = PredictedDuckHit(game, shotX);
    if (hit >= 0 && IsDuckPicture(hit)) {
      input.fire = true;
      memory.pressed = true;
    }
  }
  return input;
}
