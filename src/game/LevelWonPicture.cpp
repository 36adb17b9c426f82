// The level-won picture: a zigzag scan of the word picture from its bottom row, three pixels a frame,
// each white pixel a red ball flying in from a sweeping emitter and rippling in its place.
#include "game/LevelWonPicture.h"

#include <cmath>

#include "media/Media.h"
#include "game/PlayState.h"

LevelWonPicture wonPicture;

namespace {

constexpr int pixelsPerFrame = 3;
constexpr int gridStep = 10;                     // pixels between neighbouring balls
constexpr int emitterCentreX = fieldWidth / 2;   // 360
constexpr int white = ColorRGB(255, 255, 255);

void DrawBall(float x, float y) {
  DrawQuadAlpha(wonBallPicture, static_cast<float>(std::lround(x)), static_cast<float>(std::lround(y)), 255);
}

// One step of the zigzag: along the row, turning up a row at either edge. False once past the top row.
bool AdvanceScan(int width) {
  LevelWonPicture& p = wonPicture;
  p.scanX += p.scanStep;
  if (p.scanX >= width) {
    p.scanX = width - 1;
    p.scanStep = -1;
    p.scanY -= 1;
  }
  if (p.scanX < 0) {
    p.scanX = 0;
    p.scanStep = 1;
    p.scanY -= 1;
  }
  return p.scanY >= 0;
}

void LaunchBall(int imageHeight) {
  LevelWonPicture& p = wonPicture;
  FlyingBall* ball = p.flying.Append();
  ball->x = static_cast<float>(p.emitterX + RandomUpTo(32));
  ball->y = static_cast<float>(p.emitterY - RandomUpTo(32));
  ball->targetX = static_cast<float>(fieldLeft + gridStep * p.scanX);
  ball->targetY = screenHeight / 2.0f - gridStep * (imageHeight / 2.0f) + gridStep * p.scanY;
  ball->vx = (ball->targetX - ball->x) / wonBallFlightFrames;
  ball->vy = (ball->targetY - ball->y) / wonBallFlightFrames;
  ball->age = 0;
  ball->active = true;
}

void ScanPixels() {
  LevelWonPicture& p = wonPicture;
  int width = ImagePixelWidth(p.pictureImage), height = ImagePixelHeight(p.pictureImage);
  if (!BeginDraw(DrawTargetKind::Image, p.pictureImage)) {
    // No picture to read: the scan is over at once and the loop simply waits for the click.
    p.scanY = -1;
    return;
  }
  for (int i = 0; i < pixelsPerFrame; ++i) {
    if (!AdvanceScan(width)) break;
    if (PixelColour(p.scanX, p.scanY) == white) LaunchBall(height);
  }
  EndDraw();
}

}  // namespace

void StartLevelWonPicture(int image) {
  wonPicture.flying.Clear();
  wonPicture.placed.Clear();
  play.levelEnding = true;
  wonPicture.pictureStart = true;
  wonPicture.pictureImage = image;
}

void StepLevelWonPicture() {
  LevelWonPicture& p = wonPicture;
  if (p.pictureStart) {
    p.scanX = 0;
    p.scanY = ImagePixelHeight(p.pictureImage) - 1;
    p.scanStep = 1;
    p.pictureStart = false;
  }
  p.emitterX = static_cast<int>(std::lround(emitterCentreX + 400 * std::sin(play.frameTick / 10.0)));
  p.emitterY = static_cast<int>(std::lround(-100 + 30 * std::cos(play.frameTick / 50.0)));
  p.flying.Reset();
  while (FlyingBall* ball = p.flying.Next()) {
    ball->x += ball->vx;
    ball->y += ball->vy;
    ball->age += 1;
    if (ball->age >= wonBallFlightFrames) {
      PlacedBall* landed = p.placed.Append();
      landed->x = ball->targetX;
      landed->y = ball->targetY;
      p.flying.Delete();
    }
  }
  if (p.scanY < 0) return;
  ScanPixels();
}

void DrawLevelWonPicture() {
  // The finished balls circle their places, the phase shifting with the column: the word ripples.
  wonPicture.placed.ForEach([](const PlacedBall& ball) {
    double phase = play.frameTick / 15.0 + ball.x / 100.0;
    DrawBall(static_cast<float>(ball.x + 10 * std::sin(phase)), static_cast<float>(ball.y + 10 * std::cos(phase)));
  });
  wonPicture.flying.ForEach([](const FlyingBall& ball) { DrawBall(ball.x, ball.y); });
}

bool LevelWonPictureComplete() {
  return !wonPicture.pictureStart && wonPicture.scanY < 0 && wonPicture.flying.Empty();
}
