// The single steps of a ball's frame, in the order StepBalls runs them (open to the tests as well).
#pragma once

struct Ball;

// Moves the ball by its velocity, or keeps it on the ship while glued; a moving ball then meets
// every ball after it in the list.
void MoveBall(int index);
// Elastic exchange along the line of centres and separation of two touching balls.
void CollideBallPair(Ball& a, Ball& b);
// The sampled contact with the tiles: push-out, the hits on the tiles, reflection and sound.
void CollideWithTiles(Ball& ball);
// The ship returns a touching ball along the line from its centre through the ball's centre.
void BounceOffShip(Ball& ball);
bool BallTouchesShip(const Ball& ball);
// Walls, ceiling and the thread return the ball; false when it has fallen past the bottom line, where the
// walk over the balls loses it.
bool BounceOffWalls(Ball& ball);
// Jiggles balls that have come to rest and frees balls that stopped moving.
void WatchBall(Ball& ball);
// The ball enters the teleporter `fromTile`: both ends busy, a trip recorded, the ball's picture glides in.
void StartTeleportTrip(Ball& ball, int fromTile);
// Deletes the balls that entered a teleporter this frame and carries the trips on.
void RunTeleportTrips();
// Trips whose ball has not come out yet.
int TripsInTransit();

// The rim sample directions of a ball: sin and cos of every sample angle.
struct RimSample {
  float s = 0, c = 0;
};
int RimSampleCount(float radius);
const RimSample* RimSamples(float radius);
