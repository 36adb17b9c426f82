// The Sugar bot: every whole angle of the launcher is tried against the items' courses.
#include "front/SugarBot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr int flightLimit = 120;  // frames; a ball comes home well before

constexpr int aimLimit = static_cast<int>(sugarAimLimit);

// Which whole angles would pop a balloon; a shot is safe when the angles beside it do the same good, since the items
// bob and a near miss of a sweet is no aim.
struct SafeAngles {
  bool good[2 * aimLimit + 1] = {};
  explicit SafeAngles(const SugarGame& game) {
    for (int a = -aimLimit; a <= aimLimit; ++a) {
      good[a + aimLimit] = SugarContactIsGood(SugarShotOutcome(game, static_cast<float>(a)));
    }
  }
  bool Good(int angle) const { return angle >= -aimLimit && angle <= aimLimit && good[angle + aimLimit]; }
  bool Safe(int angle) const { return Good(angle - 1) && Good(angle) && Good(angle + 1); }
};

}  // namespace

SugarContact SugarShotOutcome(const SugarGame& game, float angle) {
  std::vector<SugarItem> items = game.items;
  float a = angle * std::numbers::pi_v<float> / 180.0f;
  SugarPoint ball = SugarRestingBall(angle);
  float vx = sugarBallSpeed * std::sin(a), vy = -sugarBallSpeed * std::cos(a);
  for (int frame = 0; frame < flightLimit; ++frame) {
    // As in the rules: the items move and meet the ball where it stands, then the ball moves.
    std::erase_if(items, [&](SugarItem& item) { return MoveSugarItem(game, item) != SugarMove::Stays; });
    for (const SugarItem& item : items) {
      SugarContact contact = SugarContactWith(item, ball.x, ball.y);
      if (contact != SugarContact::None) return contact;
    }
    ball.x += vx;
    ball.y += vy;
    if (ball.x <= 0) vx = std::fabs(vx);
    if (ball.x >= sugarScreenWidth - 1) vx = -std::fabs(vx);
    if (ball.y <= 0 || ball.y >= sugarScreenHeight - 1) break;
  }
  return SugarContact::None;
}

MinigameInput SugarBotInput(const SugarGame& game, MinigameBotMemory& memory) {
  MinigameInput input;
  if (BotLeaves(game.lifeWon || game.frameCount >= sugarBotPatience, memory, input)) return input;
  if (memory.pressed || game.ballFlying) {
    memory.pressed = false;  // let go, so that the next press fires
    return input;
  }
  int aim = static_cast<int>(std::lround(game.aimAngle));
  SafeAngles angles(game);
  if (angles.Safe(aim)) {
    input.fire = true;
    memory.pressed = true;
    return input;
  }
  // The nearest safe angle, looked for outwards from the present aim.
  for (int d = 1; d <= 2 * aimLimit; ++d) {
    for (int angle : {aim - d, aim + d}) {
      if (!angles.Safe(angle)) continue;
      input.move = std::clamp(angle - aim, -sugarBotTurn, sugarBotTurn);
      return input;
    }
  }
  return input;
}
