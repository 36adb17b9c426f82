// Sugar's rules, stepped once a frame without drawing.
#include "front/SugarRules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/Random.h"

SugarGame sugar;

namespace {

constexpr float radiansPerDegree = std::numbers::pi_v<float> / 180.0f;
constexpr float halfPi = std::numbers::pi_v<float> / 2.0f;

float Distance(SugarPoint a, float bx, float by) { return std::hypot(a.x - bx, a.y - by); }

void EnterItem(SugarGame& game) {
  SugarItem item;
  item.y = RandomUpTo(128) + 128;
  item.balloonPicture = sugarBalloons + RandomUpTo(sugarBalloonCount - 1);
  item.sweetPicture = sugarSweets + RandomUpTo(sugarSweetCount - 1);
  item.state = sugarCarrying;
  float half = static_cast<float>(game.BalloonWidth(item)) / 2.0f;
  if (RandomUpTo(10) < 5) {
    item.x = -half;
    item.vx = 0.5f;
  } else {
    item.x = half + (sugarScreenWidth - 1);
    item.vx = -0.5f;
  }
  game.items.push_back(item);
}

void Launch(SugarGame& game) {
  float a = game.aimAngle * radiansPerDegree + 3.0f * halfPi;
  SugarPoint rest = SugarRestingBall(game.aimAngle);
  game.ballFlying = true;
  game.ballX = rest.x;
  game.ballY = rest.y;
  game.ballVX = sugarBallSpeed * std::cos(a);
  game.ballVY = sugarBallSpeed * std::sin(a);
}

// What a contact does to the item, the points and the ball; false when the item is gone.
bool Touch(SugarGame& game, SugarItem& item, SugarContact contact, MinigameEvents& events) {
  bool sweetHit = contact == SugarContact::SweetLost || contact == SugarContact::FallingSweetLost;
  SugarPoint pop = sweetHit ? SweetCentre(item) : BalloonCentre(item);
  game.popX = pop.x;
  game.popY = pop.y;
  game.popFrames = sugarPopFrames;
  game.ballFlying = false;
  events.sounds.push_back({Sound::Pop, sweetHit ? 2500 : 5000});
  switch (contact) {
    case SugarContact::BalloonPopped: {
      // The sweet falls from where it hung.
      SugarPoint sweet = SweetCentre(item);
      item.x = sweet.x;
      item.y = static_cast<int>(std::lround(sweet.y));
      item.state = sugarSweetFalling;
      return true;
    }
    case SugarContact::SweetLost:
      game.points -= sugarBadHit;
      item.state = sugarBalloonAlone;
      return true;
    case SugarContact::LoneBalloonPopped:
      game.points += sugarGoodPop;
      return false;
    case SugarContact::FallingSweetLost:
      game.points -= sugarBadHit;
      return false;
    case SugarContact::None: break;
  }
  return true;
}

void StepItems(SugarGame& game, MinigameEvents& events) {
  std::erase_if(game.items, [&](SugarItem& item) {
    SugarMove move = MoveSugarItem(game, item);
    if (move == SugarMove::Gone) return true;
    if (move == SugarMove::Collected) {
      game.points += sugarSweetCollected;
      return true;
    }
    if (!game.ballFlying) return false;
    SugarContact contact = SugarContactWith(item, game.ballX, game.ballY);
    return contact != SugarContact::None && !Touch(game, item, contact, events);
  });
}

// The ball bounces off the sides, always back towards the screen, and comes home at the top or the bottom.
void StepBall(SugarGame& game) {
  if (!game.ballFlying) {
    SugarPoint rest = SugarRestingBall(game.aimAngle);
    game.ballX = rest.x;
    game.ballY = rest.y;
    return;
  }
  game.ballX += game.ballVX;
  game.ballY += game.ballVY;
  if (game.ballX <= 0) game.ballVX = std::fabs(game.ballVX);
  if (game.ballX >= sugarScreenWidth - 1) game.ballVX = -std::fabs(game.ballVX);
  if (game.ballY <= 0 || game.ballY >= sugarScreenHeight - 1) game.ballFlying = false;
}

}  // namespace

void ResetSugarGame(SugarGame& game) { game = SugarGame{}; }

SugarPoint BalloonCentre(const SugarItem& item) {
  if (item.state == sugarSweetFalling) return {item.x, static_cast<float>(item.y)};
  return {item.x, static_cast<float>(item.y) + std::sin(item.x / 64.0f) * 32.0f};
}

float SugarWobble(const SugarItem& item) { return std::sin(item.x / 32.0f) * 10.0f; }

SugarPoint SweetCentre(const SugarItem& item) {
  if (item.state == sugarSweetFalling) return {item.x, static_cast<float>(item.y)};
  // A pendulum 60 pixels long, swinging with the balloon's lean.
  float p = SugarWobble(item) * radiansPerDegree + halfPi;
  SugarPoint balloon = BalloonCentre(item);
  return {balloon.x + std::cos(p) * 60.0f, balloon.y + std::sin(p) * 60.0f};
}

SugarPoint SugarRestingBall(float aimAngle) {
  float a = aimAngle * radiansPerDegree + halfPi;
  return {sugarLauncherX + std::cos(a) * 48.0f, sugarLauncherY + std::sin(a) * 48.0f};
}

SugarContact SugarContactWith(const SugarItem& item, float bx, float by) {
  switch (item.state) {
    case sugarCarrying: {
      float toSweet = Distance(SweetCentre(item), bx, by);
      if (toSweet < sugarSweetReach) return SugarContact::SweetLost;
      if (Distance(BalloonCentre(item), bx, by) < sugarBalloonReach) return SugarContact::BalloonPopped;
      return SugarContact::None;
    }
    case sugarBalloonAlone:
      return Distance(BalloonCentre(item), bx, by) < sugarBalloonReach ? SugarContact::LoneBalloonPopped
                                                                       : SugarContact::None;
    default:
      return Distance(SweetCentre(item), bx, by) < sugarSweetReach ? SugarContact::FallingSweetLost
                                                                   : SugarContact::None;
  }
}

bool SugarContactIsGood(SugarContact contact) {
  return contact == SugarContact::BalloonPopped || contact == SugarContact::LoneBalloonPopped;
}

SugarMove MoveSugarItem(const SugarGame& game, SugarItem& item) {
  if (item.state == sugarSweetFalling) {
    // The sweet falls faster and faster; at least a pixel a frame, so that it always lands.
    item.y = std::max(item.y + 1, static_cast<int>(std::lround(static_cast<float>(item.y) * 1.01f)));
    return item.y >= sugarScreenHeight ? SugarMove::Collected : SugarMove::Stays;
  }
  item.x += item.vx * game.speedFactor;
  if (item.state == sugarBalloonAlone) item.y -= 1;
  float half = static_cast<float>(game.BalloonWidth(item)) / 2.0f;
  if (item.x > 1026.0f + half || item.x < -2.0f - half) return SugarMove::Gone;
  if (item.state == sugarBalloonAlone && item.y < -63) return SugarMove::Gone;
  return SugarMove::Stays;
}

MinigameEvents StepSugar(SugarGame& game, const MinigameInput& input) {
  MinigameEvents events;
  game.frameCount += 1;
  if (input.quit) game.quitRequested = true;
  if (game.popFrames > 0) game.popFrames -= 1;
  if (!input.fire) {
    game.triggerHeld = false;
  } else if (!game.triggerHeld && !game.ballFlying) {
    Launch(game);
    events.sounds.push_back({Sound::GunShot, -1});
    game.triggerHeld = true;
  }
  if (game.frameCount % sugarEntryPeriod == 0) EnterItem(game);
  if (game.frameCount % sugarSpeedPeriod == 0) game.speedFactor += sugarSpeedStep;
  StepItems(game, events);
  // The launcher never turns below the horizon.
  game.aimAngle = std::clamp(game.aimAngle + static_cast<float>(input.move), -sugarAimLimit, sugarAimLimit);
  StepBall(game);
  if (game.points == sugarLifePoints && !game.lifeWon) {
    game.lifeWon = true;
    events.lifeWon = true;
  }
  return events;
}

bool SugarRoundOver(const SugarGame& game) { return game.quitRequested || game.points <= 0; }

int SugarResult(const SugarGame& game) { return std::max(game.points, 0); }
