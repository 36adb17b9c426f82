// The balls: creation, gluing, the order of a frame's motion, ball pairs, the ship, the walls, the watchdog, loss.
#include "game/Balls.h"

#include <cmath>

#include "base/AssetNames.h"
#include "base/Rounding.h"
#include "media/Media.h"
#include "game/BallSteps.h"
#include "game/PlayState.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr int glueFrames = 600;        // a ball caught by the glue waits this long on the ship
constexpr float threadLine = 698.0f;   // the protective thread returns balls whose bottom reaches it

// Two draws so that the order of the calls is fixed: a value in -max/scale .. max/scale.
float RandomSpread(int max, float scale) {
  int a = RandomUpTo(max);
  int b = RandomUpTo(max);
  return static_cast<float>(a - b) / scale;
}

template <typename F>
void EachBall(F&& f) {
  // By index, so that a walk of the list in progress keeps its place.
  for (int i = 0; i < lists.balls.Count(); ++i) f(*lists.balls.At(i));
}

void SetTrail(Ball& ball) {
  for (int i = 0; i < 10; ++i) {
    TrailPoint& point = ball.trail[i];
    if (i <= 2) {
      point.size = 4 * ball.radius + RandomUpTo(8);
      point.sprite = yellowFlarePicture;
    } else if (i <= 5) {
      point.size = 5 * ball.radius + RandomUpTo(8);
      point.sprite = orangeFlarePicture;
    } else {
      point.size = 7 * ball.radius + RandomUpTo(16);
      point.sprite = emberFlarePicture;
    }
    // The trail starts on the ball, not in the corner of the screen.
    point.x = ball.x;
    point.y = ball.y;
  }
}

// Colour tiles under a new ball vanish, ring by ring from its centre out to its rim.
void MakeRoom(float x, float y, float radius) {
  for (int r = 0; r <= radius; r += 8) {
    if (r == 0) {
      ClearTileAt(RoundToInt(x), RoundToInt(y));
      continue;
    }
    double step = 8.0 / r;
    for (int k = 0; k * step < twoPi; ++k) {
      double theta = k * step;
      ClearTileAt(RoundToInt(x + static_cast<float>(r * std::sin(theta))), RoundToInt(y + static_cast<float>(r * std::cos(theta))));
    }
  }
}

}  // namespace

Ball& AddBall(float x, float y, float vx, float vy, float radius, int sprite) {
  Ball* ball = lists.balls.Append();
  ball->x = x;
  ball->y = y;
  ball->vx = vx;
  ball->vy = vy;
  ball->radius = radius;
  ball->sprite = sprite;
  ball->mass = radius * radius * radius * 12.566371f / 3.0f;
  ball->gravity = play.gravityOn ? 0.08f : 0.0001f;
  ball->stuck = false;
  ball->glueOffsetX = 20.0f;
  SetTrail(*ball);
  MakeRoom(x, y, radius);
  return *ball;
}

void GlueAllBalls(int frames) {
  play.glueOn = true;
  EachBall([](Ball& ball) {
    ball.stuck = true;
    ball.glueOffsetX = 20.0f;
  });
  play.glueHoldFrames = frames;
}

void ReleaseGluedBalls() {
  play.servePending = false;
  play.glueOn = false;
  EachBall([](Ball& ball) { ball.stuck = false; });
}

namespace {

TileBox BoxOf(const Tile& tile, int index) {
  return {index, RoundToInt(tile.x - 32), RoundToInt(tile.x + 32), RoundToInt(tile.y - 10), RoundToInt(tile.y + 10)};
}

bool Inside(const TileBox& box, int px, int py) {
  return box.left < px && px < box.right && box.top < py && py < box.bottom;
}

// Whether (px, py) lies inside the tile's rounded box. A point a whole pixel beyond the box's half-pixel
// rounding is outside whatever the rounding does, so most tiles are passed without rounding anything.
bool InsideTile(const Tile& tile, int px, int py) {
  float fx = static_cast<float>(px), fy = static_cast<float>(py);
  if (fy >= tile.y + 11 || fy <= tile.y - 11 || fx >= tile.x + 33 || fx <= tile.x - 33) return false;
  return Inside(BoxOf(tile, 0), px, py);
}

}  // namespace

int TileAtPoint(int px, int py) {
  int count = lists.tiles.Count();
  for (int i = 0; i < count; ++i) {
    const Tile* tile = lists.tiles.At(i);
    if (!tile->alive) continue;
    if (InsideTile(*tile, px, py)) {
      return i;
    }
  }
  return -1;
}

void TilesNear(float cx, float cy, float reach, std::vector<TileBox>& out) {
  out.clear();
  // A point in a tile lies within 32.5 pixels of its centre across and 10.5 down (its box is rounded);
  // one pixel more covers the rounding of the point itself.
  float across = reach + 34, down = reach + 12;
  int count = lists.tiles.Count();
  for (int i = 0; i < count; ++i) {
    const Tile* tile = lists.tiles.At(i);
    if (tile->alive && std::fabs(tile->x - cx) < across && std::fabs(tile->y - cy) < down) out.push_back(BoxOf(*tile, i));
  }
}

int TileAtPointAmong(const std::vector<TileBox>& tiles, int px, int py) {
  for (const TileBox& box : tiles)
    if (Inside(box, px, py)) return box.tile;
  return -1;
}

int ClearTileAt(int px, int py) {
  int count = lists.tiles.Count();
  for (int i = 0; i < count; ++i) {
    Tile* tile = lists.tiles.At(i);
    if (!tile->alive || tile->sprite >= tileUnbreakable) continue;
    if (InsideTile(*tile, px, py)) {
      tile->alive = false;
      return 0;
    }
  }
  return -1;
}

float BallSpeedLimit() {
  if (play.gravityOn) return 10.0f;
  if (play.levelFrames > 9000) return 16.0f;
  if (play.levelFrames > 7200) return 14.0f;
  if (play.levelFrames > 5400) return 12.0f;
  if (play.levelFrames > 3600) return 10.0f;
  if (play.levelFrames > 1800) return 9.0f;
  return 8.0f;
}

void LimitBallSpeed(Ball& ball) {
  float speed = std::sqrt(ball.vx * ball.vx + ball.vy * ball.vy);
  if (speed == 0) speed = 0.0001f;
  float limit = BallSpeedLimit();
  play.maxBallSpeed = limit;
  if (speed > limit) {
    ball.vx = ball.vx / speed * limit;
    ball.vy = ball.vy / speed * limit;
  }
}

void MoveBall(int index) {
  Ball& ball = *lists.balls.At(index);
  if (!ball.stuck) {
    ball.x += ball.vx;
    ball.y += ball.vy;
    for (int j = index + 1; j < lists.balls.Count(); ++j) CollideBallPair(ball, *lists.balls.At(j));
    return;
  }
  ball.x = ship.x + ball.glueOffsetX;
  // Every glued ball drains the hold: several balls on the ship leave sooner.
  play.glueHoldFrames -= 1;
  if (play.glueHoldFrames <= 0) {
    ball.stuck = false;
    if (play.servePending) ReleaseGluedBalls();
  }
}

void CollideBallPair(Ball& a, Ball& b) {
  float dx = a.x - b.x, dy = a.y - b.y;
  float dd = dx * dx + dy * dy;
  float dist = std::sqrt(dd);
  float overlap = a.radius + b.radius - dist;
  if (overlap <= 0) return;
  // Coincident centres give no line to push along: the watchdog and the next moves part them.
  if (dd == 0) return;
  PlayEffectSound(Sound::BallClink, PanOf(a.x), 80, 44100);
  // The velocity components along the line of centres.
  float kb = (dx * b.vx + dy * b.vy) / dd;
  float ka = (-dx * a.vx - dy * a.vy) / dd;
  float uBx = kb * dx, uBy = kb * dy;
  float uAx = ka * -dx, uAy = ka * -dy;
  float sum = a.mass + b.mass;
  float uAx2 = (2 * b.mass * uBx + (a.mass - b.mass) * uAx) / sum;
  float uAy2 = (2 * b.mass * uBy + (a.mass - b.mass) * uAy) / sum;
  float uBx2 = (2 * a.mass * uAx + (b.mass - a.mass) * uBx) / sum;
  float uBy2 = (2 * a.mass * uAy + (b.mass - a.mass) * uBy) / sum;
  a.vx = a.vx - uAx + uAx2;
  a.vy = a.vy - uAy + uAy2;
  b.vx = b.vx - uBx + uBx2;
  b.vy = b.vy - uBy + uBy2;
  // Each ball moves back by half the overlap.
  float k = overlap / 2 / dist;
  a.x += k * dx;
  a.y += k * dy;
  b.x -= k * dx;
  b.y -= k * dy;
}

bool BallTouchesShip(const Ball& ball) {
  float left = ship.x - ship.halfWidth, right = ship.x + ship.halfWidth;
  float top = ship.y - ship.halfHeight, bottom = ship.y + ship.halfHeight;
  float r = ball.radius;
  if (left < ball.x && ball.x < right && top < ball.y + r && ball.y - r < bottom) return true;
  if (top < ball.y && ball.y < bottom && left < ball.x + r && ball.x - r < right) return true;
  for (float cornerX : {left, right}) {
    for (float cornerY : {top, bottom}) {
      float dx = ball.x - cornerX, dy = ball.y - cornerY;
      if (std::sqrt(dx * dx + dy * dy) < r) return true;
    }
  }
  return false;
}

void BounceOffShip(Ball& ball) {
  if (ball.stuck || !BallTouchesShip(ball)) return;
  PlayEffectSound(Sound::Bounce, 0, 50, 10000);
  float ux = ball.x - ship.x, uy = ball.y - ship.y;
  float length = std::sqrt(ux * ux + uy * uy);
  if (length == 0) length = 0.0001f;
  ux /= length;
  uy /= length;
  float s = std::sqrt(ball.vx * ball.vx + ball.vy * ball.vy);
  ball.vx = s * ux + ship.vx / 4;
  if (play.gravityOn) {
    // On a gravity level pushing the mouse up speeds the ball, pulling it down slows it.
    float t = s * uy - (ship.vy / 4) * uy;
    ball.vy = t < -2.0f ? t : s * uy;
  } else {
    ball.vy = s * uy + (std::fabs(ship.vy) / 4) * uy;
  }
  if (ball.vy >= -0.4f && ball.vy <= 0.4f) ball.vy = 1.0f;
  LimitBallSpeed(ball);
  // The velocity is never zero here (|vy| > 0.4), so the ball leaves the box; the bound is only a guard.
  for (int step = 0; step < 4096 && BallTouchesShip(ball); ++step) {
    ball.x += ball.vx;
    ball.y += ball.vy;
  }
  if (play.glueOn) {
    play.glueHoldFrames = glueFrames;
    EachBall([](Ball& other) { other.stuck = false; });
    ball.stuck = true;
    ball.glueOffsetX = ball.x - ship.x;
  }
}

bool BounceOffWalls(Ball& ball) {
  float r = ball.radius;
  if (play.threadOn && ball.y + r >= threadLine) {
    ball.y = threadLine - r;
    ball.vy = -std::fabs(ball.vy);
    PlayEffectSound(Sound::ThreadBounce, -1, -1, -1);
  }
  if (ball.y - r >= fieldBottom) {
    PlayEffectSound(Sound::Failure, -1, -1, 5000);
    return false;
  }
  if (ball.x - r <= fieldLeft) {
    ball.x = fieldLeft + r;
    ball.vx = std::fabs(ball.vx);
    PlayEffectSound(Sound::Bounce, -100, 100, 20000);
  }
  if (ball.y - r <= fieldTop) {
    ball.y = fieldTop + r;
    ball.vy = std::fabs(ball.vy);
    PlayEffectSound(Sound::Bounce, 0, 100, 20000);
  }
  if (ball.x + r >= fieldRight) {
    ball.x = fieldRight - r;
    ball.vx = -std::fabs(ball.vx);
    PlayEffectSound(Sound::Bounce, 100, 100, 20000);
  }
  return true;
}

void WatchBall(Ball& ball) {
  if (ball.vx > -0.1f && ball.vx < 0.1f) ball.vx = RandomSpread(100, 100.0f);
  if (ball.vy > -0.1f && ball.vy < 0.1f) ball.vy = RandomSpread(100, 100.0f);
  bool still = std::fabs(ball.x - ball.prevX) <= 0.5f && std::fabs(ball.y - ball.prevY) <= 0.5f;
  if (ball.stuck || !still) {
    ball.stuckFrames = 0;
    return;
  }
  ball.stuckFrames += 1;
  if (ball.stuckFrames >= 600) {
    // Ten seconds without moving: back above the ship as if served.
    ball.x = ship.x;
    ball.y = ship.y - ball.radius - 42;
    ball.vx = 2.0f;
    ball.vy = -3.0f;
    ball.stuckFrames = 0;
  } else if (ball.stuckFrames >= 300) {
    ball.x += RandomSpread(100, 100.0f);
    ball.y += RandomSpread(100, 100.0f);
  } else if (ball.stuckFrames >= 180) {
    ball.vx = RandomSpread(100, 100.0f);
    ball.vy = RandomSpread(100, 100.0f);
    LimitBallSpeed(ball);
  }
}

void LoseBall() {
  lists.balls.Delete();
  if (!lists.balls.Empty() || TripsInTransit() > 0) return;
  if (play.levelIndex != bonusLevel && play.lives > 0) play.lives -= 1;
  play.restartLevel = true;
  play.gameFrozen = true;
}

void StepBallMotion() {
  EachBall([](Ball& ball) {
    ball.teleported = false;
    ball.prevX = ball.x;
    ball.prevY = ball.y;
  });
  for (int i = 0; i < lists.balls.Count(); ++i) MoveBall(i);
  lists.balls.Reset();
  while (Ball* ball = lists.balls.Next()) CollideWithTiles(*ball);
}

void BounceOffMonster(Ball& ball, int monsterKind) {
  float speed = std::sqrt(ball.vx * ball.vx + ball.vy * ball.vy);
  if (monsterKind == shipSeekerPictures) {
    ball.vx = -ball.vx;
    ball.vy = -ball.vy;
  } else if (monsterKind == ballSeekerPictures) {
    // The seeker of balls throws the ball away faster, in a direction drawn by lot.
    speed = speed + RandomUpTo(300) / 100.0f + 1;
    if (speed == 0) speed = 0.0001f;
    float direction = static_cast<float>(RandomUpTo(6));
    ball.vx = speed * std::sin(direction);
    ball.vy = speed * std::cos(direction);
    LimitBallSpeed(ball);
  } else {
    float direction = static_cast<float>(RandomUpTo(6));
    ball.vx = speed * std::sin(direction);
    ball.vy = speed * std::cos(direction);
  }
}

void StepBallBounces() {
  lists.balls.Reset();
  while (Ball* ball = lists.balls.Next()) {
    LimitBallSpeed(*ball);
    BounceOffShip(*ball);
  }
  lists.balls.Reset();
  while (Ball* ball = lists.balls.Next()) {
    if (!BounceOffWalls(*ball)) LoseBall();
  }
  EachBall([](Ball& ball) { ball.vy += ball.gravity; });
  lists.balls.Reset();
  while (Ball* ball = lists.balls.Next()) WatchBall(*ball);
  RunTeleportTrips();
}
