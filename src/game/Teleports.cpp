// Teleporter trips: a ball enters one teleporter, glides in, fades out and leaves another one upwards.
#include <cmath>

#include "game/Effects.h"
#include "media/Media.h"
#include "game/BallSteps.h"
#include "game/Balls.h"
#include "game/PlayState.h"

namespace {

// The life of a trip, in frames: the ball's picture glides into the entry, then fades there while a
// copy rises out of the exit, and the ball comes back; both teleporters stay busy a while longer.
constexpr int glideFrames = 30, fadeFrames = 60, returnAge = glideFrames + fadeFrames, freeAge = 240;

}  // namespace

void StartTeleportTrip(Ball& ball, int fromTile) {
  Tile* entry = lists.tiles.At(fromTile);
  ball.teleported = true;
  entry->teleportBusy = true;
  int count = lists.teleporters.Count();
  // From a random teleporter onwards (wrapping round) to the first free one; the caller made sure there is one.
  int position = RandomUpTo(count - 1);
  int exitTile = -1;
  for (int tries = 0; tries < count; ++tries) {
    int candidate = lists.teleporters.At(position)->tile;
    const Tile* tile = lists.tiles.At(candidate);
    if (tile != nullptr && !tile->teleportBusy) {
      exitTile = candidate;
      break;
    }
    position = (position + 1) % count;
  }
  if (exitTile == -1) exitTile = fromTile;  // never happens when a free teleporter was found first
  lists.tiles.At(exitTile)->teleportBusy = true;

  TeleportTrip* trip = lists.teleportTrips.Append();
  trip->fromTile = fromTile;
  trip->toTile = exitTile;
  trip->vx = ball.vx;
  trip->vy = ball.vy;
  trip->radius = ball.radius;
  trip->sprite = ball.sprite;
  trip->age = 0;
  SpawnEffect({.sprite = static_cast<float>(ball.sprite),
               .x = ball.x,
               .y = ball.y,
               .vx = (entry->x - ball.x) / glideFrames,
               .vy = (entry->y - ball.y) / glideFrames,
               .lifetime = glideFrames});
}

void RunTeleportTrips() {
  lists.balls.Reset();
  while (const Ball* ball = lists.balls.Next()) {
    if (ball->teleported) lists.balls.Delete();
  }
  lists.teleportTrips.Reset();
  while (TeleportTrip* trip = lists.teleportTrips.Next()) {
    Tile* entry = lists.tiles.At(trip->fromTile);
    Tile* exit = lists.tiles.At(trip->toTile);
    if (entry == nullptr || exit == nullptr) {
      lists.teleportTrips.Delete();
      continue;
    }
    float rise = exit->height / 2.0f + trip->radius + 1;
    if (trip->age == glideFrames) {
      auto sprite = static_cast<float>(trip->sprite);
      // The ball fades out in the entry and rises, fading in, out of the exit.
      SpawnEffect({.sprite = sprite,
                   .x = entry->x,
                   .y = entry->y,
                   .alphaStep = -255.0f / fadeFrames,
                   .lifetime = fadeFrames});
      SpawnEffect({.sprite = sprite,
                   .x = exit->x,
                   .y = exit->y,
                   .vy = -rise / fadeFrames,
                   .alpha = 0,
                   .alphaStep = 255.0f / fadeFrames,
                   .lifetime = fadeFrames});
    }
    if (trip->age == returnAge) {
      AddBall(exit->x, exit->y - rise, trip->vx, -std::fabs(trip->vy), std::round(trip->radius), trip->sprite);
    }
    if (trip->age == freeAge) {
      entry->teleportBusy = false;
      exit->teleportBusy = false;
      lists.teleportTrips.Delete();
      continue;
    }
    trip->age += 1;
  }
}

int TripsInTransit() {
  // Until the trip gives its ball back, the ball still counts as in play.
  int count = 0;
  lists.teleportTrips.ForEach([&](const TeleportTrip& trip) {
    if (trip.age <= returnAge) count += 1;
  });
  return count;
}
