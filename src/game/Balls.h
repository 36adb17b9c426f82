// The balls: creation, gluing to the ship, motion with all their contacts, drawing, loss.
#pragma once

struct Ball;

// Appends a ball and makes it the current one; colour tiles under it vanish to make room.
void AddBall(float x, float y, float vx, float vy, float radius, int sprite);
void GlueAllBalls(int frames);
void ReleaseGluedBalls();
// One frame of every ball's motion and contacts.
void UpdateBalls();
void DrawBalls();
// Deletes the current ball; the last one gone (none still inside a teleporter) costs a life.
void LoseBall();

// The level's ball speed limit for now (it rises with the time spent in the level), pixels per frame.
float BallSpeedLimit();
// Holds a ball's speed to the limit and records the limit in `play.maxBallSpeed`.
void LimitBallSpeed(Ball& ball);
void LimitBallSpeed();  // on the current ball

// The first alive tile whose box strictly holds the point, -1 for none.
int TileAtPoint(int px, int py);
// Removes the first alive colour tile under the point silently: 0, or -1 when there was none.
int ClearTileAt(int px, int py);
