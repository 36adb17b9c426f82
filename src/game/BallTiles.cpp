// A ball against the tiles: samples round its rim, the push-out, the hits, the reflection and its sound.
#include <cmath>
#include <map>
#include <vector>

#include "base/Rounding.h"
#include "media/Media.h"
#include "game/BallSteps.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/TileHits.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr double pi = 3.141592653589793;
// A sum of samples shorter than this has no direction: opposite samples cancelled (up to rounding).
constexpr float noDirection = 1e-4f;
// After this many further hits on the same tile the ball is sent away from the tile's centre.
constexpr int repeatHitLimit = 20;


// The rim samples that lie in a tile and the sum of their directions; `listTiles` collects their tiles.
struct RimTouch {
  int hits = 0;
  float nx = 0, ny = 0;
};

// `near`: the tiles near enough to hold any of the samples (see TilesNear).
RimTouch SampleRim(float cx, float cy, float r, bool listTiles, const std::vector<TileBox>& near) {
  RimTouch touch;
  int count = RimSampleCount(r);
  const RimSample* samples = RimSamples(r);
  bool narrowed = r >= 0 && r < 1000;
  for (int i = 0; i < count; ++i) {
    int px = RoundToInt(cx + r * samples[i].s), py = RoundToInt(cy + r * samples[i].c);
    int k = narrowed ? TileAtPointAmong(near, px, py) : TileAtPoint(px, py);
    if (k == -1) continue;
    touch.hits += 1;
    touch.nx += samples[i].s;
    touch.ny += samples[i].c;
    if (listTiles) lists.hitSamples.Add()->tile = k;
  }
  return touch;
}

// The guard against a ball caught bouncing on one tile for ever: on the 20th further hit its normal
// becomes the line from the ball to the tile's centre.
void GuardRepeatHits(Ball& ball, int k, float& nx, float& ny) {
  if (ball.lastTileTick == play.frameTick) return;
  if (ball.lastTile != k) {
    ball.lastTile = k;
    ball.lastTileTick = play.frameTick;
    ball.sameTileHits = 0;
    return;
  }
  ball.sameTileHits += 1;
  if (ball.sameTileHits < repeatHitLimit) return;
  const Tile* tile = lists.tiles.At(k);
  float tx = tile->x - ball.x, ty = tile->y - ball.y;
  if (tx == 0 && ty == 0) {
    int a = RandomUpTo(1000);
    int b = RandomUpTo(1000);
    int c = RandomUpTo(1000);
    int d = RandomUpTo(1000);
    nx = static_cast<float>(a - b) / 1000.0f;
    ny = static_cast<float>(c - d) / 1000.0f;
    return;
  }
  float length = std::sqrt(tx * tx + ty * ty);
  if (length == 0) length = 0.001f;
  nx = tx / length;
  ny = ty / length;
}

void PlayBounceSound(int bounceKind) {
  switch (bounceKind) {
    case 1: PlayEffectSound(Sound::Bounce, 0, 100, 40000); break;
    case 2: PlayEffectSound(Sound::Bounce, 0, 100, 35000); break;
    case 3: PlayEffectSound(Sound::Teleport, 0, 100, 44100); break;
    case 4: PlayEffectSound(Sound::Bounce, 0, 100, 44100); break;
    default: break;
  }
}

}  // namespace

int RimSampleCount(float radius) {
  double step = radius <= 8 ? pi / 8 : pi / radius;
  // Samples at 0, step, 2 step, ... below a full turn.
  return static_cast<int>(std::ceil(twoPi / step - 1e-9));
}

const RimSample* RimSamples(float radius) {
  static std::map<float, std::vector<RimSample>> made;
  auto found = made.find(radius);
  if (found != made.end()) return found->second.data();
  double step = radius <= 8 ? pi / 8 : pi / radius;
  std::vector<RimSample> samples(static_cast<size_t>(RimSampleCount(radius)));
  for (size_t i = 0; i < samples.size(); ++i) {
    double theta = static_cast<double>(i) * step;
    samples[i].s = static_cast<float>(std::sin(theta));
    samples[i].c = static_cast<float>(std::cos(theta));
  }
  return made.emplace(radius, std::move(samples)).first->second.data();
}

void CollideWithTiles(Ball& ball) {
  if (ball.vx == 0 && ball.vy == 0) return;
  float speed = std::sqrt(ball.vx * ball.vx + ball.vy * ball.vy);
  float dx = ball.vx / speed, dy = ball.vy / speed;
  float cx = ball.x, cy = ball.y, r = ball.radius;

  // Push out one pixel at a time against the touching side; two tiles pushing back and forth
  // cannot hold the ball longer than its diameter and a few passes.
  bool touched = false;
  float contactX = cx, contactY = cy;
  int passes = static_cast<int>(2 * r) + 4;
  // Each pass moves the ball one pixel at most: the tiles near its rim now are the only ones any pass can
  // touch, found once (with their boxes) for all the passes, before any tile is hit.
  static std::vector<TileBox> near;
  bool narrowed = r >= 0 && r < 1000;
  if (narrowed) {
    TilesNear(cx, cy, r + static_cast<float>(passes) + 1, near);
    // The first pass samples the centre and the rim, all within the ball's square: a ball whose square
    // overlaps no tile's box touches nothing (the usual case, away from the tiles).
    int x0 = RoundToInt(cx - r), x1 = RoundToInt(cx + r), y0 = RoundToInt(cy - r), y1 = RoundToInt(cy + r);
    bool reachable = false;
    for (const TileBox& box : near) {
      if (box.left < x1 && x0 < box.right && box.top < y1 && y0 < box.bottom) {
        reachable = true;
        break;
      }
    }
    if (!reachable) return;
  }
  for (int pass = 0; pass < passes; ++pass) {
    int px = RoundToInt(cx), py = RoundToInt(cy);
    int centreHit = (narrowed ? TileAtPointAmong(near, px, py) : TileAtPoint(px, py)) != -1 ? 1 : 0;
    RimTouch touch = SampleRim(cx, cy, r, false, near);
    if (centreHit + touch.hits == 0) break;
    touched = true;
    contactX = cx;
    contactY = cy;
    float length = std::sqrt(touch.nx * touch.nx + touch.ny * touch.ny);
    if (length < noDirection) return;
    cx -= touch.nx / length;
    cy -= touch.ny / length;
  }
  if (!touched) return;

  // Back to the last centre that still touched, at most a pixel inside, and sample again there.
  ball.x = contactX;
  ball.y = contactY;
  lists.hitSamples.Clear();
  RimTouch touch = SampleRim(contactX, contactY, r, true, near);
  TileContact contact;
  float length = std::sqrt(touch.nx * touch.nx + touch.ny * touch.ny);
  if (length < noDirection) return;
  float nx = touch.nx / length, ny = touch.ny / length;

  lists.hitSamples.Reset();
  while (const TileIndex* sample = lists.hitSamples.Next()) {
    int k = sample->tile;
    const Tile* tile = lists.tiles.At(k);
    if (tile == nullptr || !tile->alive) continue;
    ApplyTileHit(ball, k, contact);
    if (!ball.teleported) GuardRepeatHits(ball, k, nx, ny);
  }

  // The fire ball burns through breakable tiles and bounces only off unbreakable ones and teleporters.
  if (!ball.teleported && (!play.fireOn || contact.specialHit)) {
    float dot = dx * nx + dy * ny;
    if (dot == 0) dot = 0.001f;
    float rx = dx - 2 * dot * nx, ry = dy - 2 * dot * ny;
    float rLength = std::sqrt(rx * rx + ry * ry);
    if (rLength == 0) rLength = 0.001f;
    ball.vx = speed * rx / rLength;
    ball.vy = speed * ry / rLength;
  }
  PlayBounceSound(contact.bounceKind);
}
