// Test support for the balls and tile hits.
#include "game/BallTestSupport.h"
#include "base/AssetNames.h"

Tile* AddTile(float x, float y, int sprite, int capsule) {
  Tile* tile = lists.tiles.Append();
  tile->x = x;
  tile->y = y;
  tile->sprite = sprite;
  tile->capsule = capsule;
  tile->alive = true;
  tile->width = tileWidth;
  tile->height = tileHeight;
  tile->keyCount = 1;
  return tile;
}

Ball MakeBall(float x, float y, float vx, float vy, float radius) {
  Ball ball;
  ball.x = ball.prevX = x;
  ball.y = ball.prevY = y;
  ball.vx = vx;
  ball.vy = vy;
  ball.radius = radius;
  ball.mass = radius * radius * radius * 12.566371f / 3.0f;
  ball.gravity = 0.0001f;
  ball.sprite = ball16Picture;
  return ball;
}

Ball* PutBall(float x, float y, float vx, float vy, float radius) {
  Ball* ball = lists.balls.Append();
  *ball = MakeBall(x, y, vx, vy, radius);
  return ball;
}

void ListTeleporters() {
  lists.teleporters.Clear();
  for (int i = 0; i < lists.tiles.Count(); ++i) {
    if (lists.tiles.At(i)->sprite == tileTeleporter) lists.teleporters.Add()->tile = i;
  }
}
