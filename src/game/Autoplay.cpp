// Autoplay: moves the mouse under the ball that will reach the ship first, aims the bounce at a tile,
// serves and clicks through the end of a level, all as injected device input.
#include "game/Autoplay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>

#include "game/AutoplayExtras.h"
#include "game/LevelWonPicture.h"
#include "media/Media.h"
#include "game/Ship.h"
#include "runtime/Settings.h"

namespace {

constexpr int serveWaitFrames = 45;       // a short look at the level before serving
constexpr int glueWaitFrames = 20;        // a caught ball rides the ship this long
constexpr int lostBallWaitFrames = 90;    // the lost-ball sparkles are shown before the click
constexpr int pictureLingerFrames = 45;   // the finished won picture is shown before the click
constexpr int screenWaitFrames = 90;      // a screen outside play is looked at this long before the click
constexpr int pictureWaitLimit = 900;     // the click comes at the latest this long after the win
constexpr int predictionHorizon = 900;    // frames a ball's path is followed ahead
constexpr int maxMouseStep = 32;          // pixels a frame: a quick hand, not a teleport
constexpr float aimShare = 0.8f;          // share of the half width used for aiming
constexpr int aimPeriod = 150;            // frames between changes of the aimed-at tile
constexpr float wantedSpeed = 8.0f;       // pixels a frame: brisk, and still easy to follow
constexpr int maxPush = 40;               // pixels of vertical hand movement at a bounce
constexpr int stallLimit = 900;           // frames without a point before other angles are tried
constexpr int stallPatternFrames = 300;   // frames each tried angle is kept
constexpr int fewTilesLeft = 3;           // breakable tiles left when the weapons stay quiet

// Angles tried when the ball brings no points: where the ball meets the ship (share of the half
// width, to the right) and a sideways swipe of the hand at the bounce that flattens it further.
struct StallPattern {
  float offsetShare;
  int swipe;  // pixels in the frame of the bounce
};
constexpr StallPattern stallPatterns[] = {{0.5f, 0},    {-0.5f, 0},   {0.9f, 16},  {-0.9f, -16},
                                          {0.95f, 32}, {-0.95f, -32}, {0.3f, 0},   {-0.3f, 0}};

// Waits counted in frames; autoplay's own, never part of the play state.
struct AutoplayMemory {
  int serveWait = 0;
  int glueWait = 0;
  int endWait = 0;
  bool buttonWasDown = false;
  bool winAnnounced = false;
  int64_t lastScore = -1;
  int stalled = 0;  // frames since the score last changed
  int screenWait = 0;  // frames a screen outside play has waited for its click
};
AutoplayMemory memory;

float ShipTop() { return ship.y - ship.halfHeight; }

float ClampShipX(float x) {
  float half = ShipShieldWidth() / 2.0f;
  return std::clamp(x, fieldLeft - 15 + half + 1, fieldRight + 17 - half - 1);
}

// The tile the next bounce is aimed at: the breakable tiles take turns, so the ball explores the level
// and never settles into a loop between the ship and one unbreakable tile.
bool AimTile(float& aimX, float& aimY) {
  int count = 0;
  lists.tiles.ForEach([&](const Tile& t) { count += t.alive && IsBreakableTile(t.sprite) ? 1 : 0; });
  if (count == 0) return false;
  int wanted = (play.frameTick / aimPeriod) % count, seen = 0;
  lists.tiles.ForEach([&](const Tile& t) {
    if (!t.alive || !IsBreakableTile(t.sprite)) return;
    if (seen++ == wanted) {
      aimX = t.x;
      aimY = t.y;
    }
  });
  return true;
}


// Where the ship should be for the ball that will reach it first.
AutoplayPlan PlanForBalls() {
  AutoplayPlan plan;
  plan.shipTargetX = ship.x;
  const Ball* chosen = nullptr;
  float chosenX = 0;
  int chosenFrames = predictionHorizon + 1;
  const Ball* lowest = nullptr;
  lists.balls.ForEach([&](const Ball& ball) {
    if (ball.stuck) return;
    if (lowest == nullptr || ball.y > lowest->y) lowest = &ball;
    float x = 0;
    int frames = 0;
    // A rising ball will meet tiles first: its path is only guessed once it comes down.
    if (ball.vy <= 0 || !PredictShipContact(ball, ShipTop(), predictionHorizon, x, frames)) return;
    if (frames < chosenFrames) {
      chosen = &ball;
      chosenX = x;
      chosenFrames = frames;
    }
  });
  if (chosen == nullptr) {
    if (lowest != nullptr) plan.shipTargetX = lowest->x;
    plan.shipTargetX = ClampShipX(plan.shipTargetX);
    return plan;
  }
  plan.framesToContact = chosenFrames;
  plan.contactX = chosenX;
  float aimX = chosenX, aimY = fieldTop;
  if (!AutoplayBossAim(aimX, aimY) && !AimTile(aimX, aimY)) aimX = chosenX;
  float contactY = ShipTop() - chosen->radius;
  plan.shipTargetX = ClampShipX(ShipXForAim(chosenX, contactY, aimX, aimY));
  if (memory.stalled >= stallLimit) {
    // Nothing is being hit: the remaining tiles may need an angle the plain aim never gives.
    const StallPattern& p = stallPatterns[(memory.stalled / stallPatternFrames) % std::size(stallPatterns)];
    float meetX = chosenX - p.offsetShare * ship.halfWidth;
    plan.shipTargetX = ClampShipX(chosenFrames <= 1 ? meetX : meetX - p.swipe);
    if (chosenFrames <= 1) plan.swipe = p.swipe;
  }
  // A push of the hand at the bounce speeds the ball up (and on gravity levels lifts it to the tiles).
  if (chosenFrames <= 2) {
    float ux = chosenX - plan.shipTargetX, uy = contactY - ship.y;
    float length = std::max(std::hypot(ux, uy), 0.0001f);
    float speed = std::hypot(chosen->vx, chosen->vy);
    plan.pushY = PushForBounce(speed, -uy / length, std::min(play.maxBallSpeed, wantedSpeed), contactY - aimY);
  }
  return plan;
}

int BreakableTilesLeft() {
  int count = 0;
  lists.tiles.ForEach([&](const Tile& t) { count += t.alive && IsBreakableTile(t.sprite) ? 1 : 0; });
  return count;
}

AutoplayInput Press(AutoplayInput input) {
  input.buttons = 1;
  return input;
}

}  // namespace

bool PredictShipContact(const Ball& ball, float contactTop, int horizon, float& contactX, int& frames) {
  float x = ball.x, y = ball.y, vx = ball.vx, vy = ball.vy, r = ball.radius;
  for (int step = 1; step <= horizon; ++step) {
    x += vx;
    y += vy;
    if (y + r > contactTop && vy > 0) {
      contactX = x;
      frames = step;
      return true;
    }
    if (x - r <= fieldLeft) {
      x = fieldLeft + r;
      vx = std::fabs(vx);
    }
    if (y - r <= fieldTop) {
      y = fieldTop + r;
      vy = std::fabs(vy);
    }
    if (x + r >= fieldRight) {
      x = fieldRight - r;
      vx = -std::fabs(vx);
    }
    vy += ball.gravity;
  }
  return false;
}

int PushForBounce(float speed, float upShare, float wanted, float climb) {
  if (upShare <= 0.1f) return 0;
  float push = 0;
  if (play.gravityOn) {
    // Rising against gravity g to climb h needs an upward speed of sqrt(2 g h); a little more is safer.
    float needed = 1.15f * std::sqrt(2.0f * 0.08f * std::max(climb, 0.0f));
    push = 4.0f * (needed / upShare - speed);
  } else {
    push = 4.0f * (wanted - speed);
  }
  return -std::clamp(static_cast<int>(std::lround(push)), 0, maxPush);
}

float ShipXForAim(float ballX, float ballY, float aimX, float aimY) {
  // The ball leaves along the line from the ship's centre through its own centre.
  float below = ship.y - ballY;              // ship centre below the ball's centre
  float above = std::max(ballY - aimY, 1.0f);  // the aim above the ball
  float offset = (aimX - ballX) * below / above;
  float limit = aimShare * ship.halfWidth;
  offset = std::clamp(offset, -limit, limit);
  // Never quite straight up: a vertical ball can bounce between the ship and a wall of tiles forever.
  if (std::fabs(offset) < 3.0f) offset = (play.frameTick / aimPeriod) % 2 ? 3.0f : -3.0f;
  return ballX - offset;
}

AutoplayInput DecideAutoplayInput() {
  AutoplayInput input;
  if (play.levelWon || play.restartLevel || play.gameWon) {
    memory.endWait += 1;
    bool ready = false;
    if ((play.levelWon || play.gameWon) && play.levelEnding) {
      ready = (LevelWonPictureComplete() && memory.endWait >= pictureLingerFrames) ||
              memory.endWait >= pictureWaitLimit;
    } else {
      ready = memory.endWait >= lostBallWaitFrames;
    }
    return ready ? Press(input) : input;
  }
  memory.endWait = 0;
  if (play.gameFrozen) return input;  // a pause is the player's, not autoplay's, to end
  if (play.score != memory.lastScore) {
    memory.lastScore = play.score;
    memory.stalled = 0;
  } else {
    memory.stalled += 1;
  }

  AutoplayPlan plan = PlanForBalls();
  bool anyStuck = false;
  lists.balls.ForEach([&](const Ball& ball) { anyStuck = anyStuck || ball.stuck; });
  if (play.servePending && anyStuck) {
    memory.serveWait += 1;
    plan.fire = memory.serveWait >= serveWaitFrames;
  } else if (play.glueOn && anyStuck) {
    memory.serveWait = 0;
    memory.glueWait += 1;
    plan.fire = memory.glueWait >= glueWaitFrames;
  } else {
    memory.serveWait = 0;
    memory.glueWait = 0;
  }
  PlanCapsulesAndWeapons(plan);
  // A button held as the last tile breaks would also click the won picture away before it is seen:
  // near the end only a ball riding the ship is worth a press. The chaingun, which holds the balls
  // until its rounds are spent, must still be fired.
  if (BreakableTilesLeft() <= fewTilesLeft && !anyStuck && !play.chaingunActive) plan.fire = false;

  int step = static_cast<int>(std::lround(plan.shipTargetX - ship.x));
  step = std::clamp(step, -maxMouseStep, maxMouseStep);
  if (plan.swipe != 0) step = plan.swipe;
  // With the mirror malus the ship goes the other way: so does the hand.
  input.mouseDx = play.malusKind == 1 ? -step : step;
  input.mouseDy = plan.pushY;
  // The button is tapped: a press in one frame, let go in the next.
  if (plan.fire && !memory.buttonWasDown) input.buttons = 1;
  memory.buttonWasDown = input.buttons != 0;
  return input;
}

std::string AutoplayInputFields(const AutoplayInput& input) {
  return "mouse=" + std::to_string(input.mouseDx) + "," + std::to_string(input.mouseDy) +
         " buttons=" + std::to_string(input.buttons);
}

void AutoplayFrame() {
  if (!settings.autoplay) return;
  // Headless runs find their way by these lines: when the level was won and when the picture was left.
  if (play.levelWon && !memory.winAnnounced) {
    std::printf("autoplay: level index %d won at frame %ld with %d lives\n", play.levelIndex, PresentedFrames(),
                play.lives);
    memory.winAnnounced = true;
  }
  AutoplayInput input = DecideAutoplayInput();
  if (play.levelWon && input.buttons) {
    std::printf("autoplay: level index %d left at frame %ld\n", play.levelIndex, PresentedFrames() + 1);
  }
  std::fflush(stdout);
  InjectInput(AutoplayInputFields(input));
}

void AutoplayAcknowledge() {
  if (!settings.autoplay) return;
  // A click is a press in one frame and a release in the next, so each screen sees exactly one.
  memory.screenWait += 1;
  AutoplayInput input;
  if (memory.screenWait >= screenWaitFrames) {
    input.buttons = 1;
    memory.screenWait = 0;
  }
  InjectInput(AutoplayInputFields(input));
}

void AutoplayLevelEnded() {
  if (!settings.autoplay) return;
  ResetAutoplay();
  InjectInput(AutoplayInputFields(AutoplayInput{}));
}

void ResetAutoplay() { memory = AutoplayMemory{}; }
