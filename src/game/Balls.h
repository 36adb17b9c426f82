// The balls: creation, gluing to the ship, motion with all their contacts, drawing, loss.
#pragma once

#include <vector>

struct Ball;

// Appends a ball, which becomes the list's current record, and returns it; colour tiles under it vanish to
// make room.
Ball& AddBall(float x, float y, float vx, float vy, float radius, int sprite);
void GlueAllBalls(int frames);
void ReleaseGluedBalls();
// The first part of the balls' frame: every ball moves (meeting the balls after it) and meets the tiles.
void StepBallMotion();
// The rest of the balls' frame, after their monster contacts: speed limit and ship, walls, gravity, the
// watchdog and the teleporter trips.
void StepBallBounces();
// A ball that touched a monster of `monsterKind` (its first picture) leaves it as that kind sends it.
void BounceOffMonster(Ball& ball, int monsterKind);
// The fire trail's flicker: its flares shaken, their turns and brightness drawn by lot, the crackle
// renewed; once per frame while the fire ball burns.
void StepFireTrails();
void DrawBalls();
// Deletes the current ball of a walk over the balls; the last one gone (none still inside a teleporter) costs
// a life.
void LoseBall();

// The level's ball speed limit for now (it rises with the time spent in the level), pixels per frame.
float BallSpeedLimit();
// Holds a ball's speed to the limit and records the limit in `play.maxBallSpeed`.
void LimitBallSpeed(Ball& ball);

// The first alive tile whose box strictly holds the point, -1 for none.
int TileAtPoint(int px, int py);
// An alive tile's box as whole pixels: a point lies in it when left < x < right and top < y < bottom.
struct TileBox {
  int tile = -1;  // its index in the tile list
  int left = 0, right = 0, top = 0, bottom = 0;
};
// The boxes of the alive tiles that a point (rounded to whole pixels) within `reach` pixels of (cx, cy) could
// lie in, in list order, as the tiles stand now; TileAtPointAmong then answers as TileAtPoint does for such
// points (while the tiles stay where they are).
void TilesNear(float cx, float cy, float reach, std::vector<TileBox>& out);
int TileAtPointAmong(const std::vector<TileBox>& tiles, int px, int py);
// Removes the first alive colour tile under the point silently: 0, or -1 when there was none.
int ClearTileAt(int px, int py);
