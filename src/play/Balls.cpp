// The balls (their motion is not written yet: a ball stays where it is made).
#include "play/Balls.h"

#include <cmath>

#include "play/PlayState.h"

void AddBall(float x, float y, float vx, float vy, float radius, int sprite) {
  Ball* ball = lists.balls.Add();
  ball->x = ball->prevX = x;
  ball->y = ball->prevY = y;
  ball->vx = vx;
  ball->vy = vy;
  ball->radius = radius;
  ball->sprite = sprite;
  ball->mass = static_cast<float>(4.0 / 3.0 * M_PI * radius * radius * radius);
  ball->glueOffsetX = 20.0f;
}

void GlueAllBalls(int frames) {
  play.glueHoldFrames = frames;
  lists.balls.ForEach([](const Ball&) {});
}

void ReleaseGluedBalls() { play.servePending = 0; }
void UpdateBalls() {}
void DrawBalls() {}
void LoseBall() {}
