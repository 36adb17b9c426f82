// The picture that celebrates a won level: its word built out of flying balls.
#pragma once

#include "base/AssetNames.h"
#include "base/OrderedList.h"

// A ball on its way from the emitter to its place in the picture.
struct FlyingBall {
  float x = 0, y = 0;              // current position, pixels
  int age = 0;                     // frames flown
  float targetX = 0, targetY = 0;  // resting place, pixels
  float vx = 0, vy = 0;            // pixels per frame
  bool active = false;             // launched
};

// A ball that has reached its place and ripples round it.
struct PlacedBall {
  float x = 0, y = 0;  // resting position, pixels
};

struct LevelWonPicture {
  bool pictureStart = false;   // until the first frame after a start has prepared the scan
  int pictureImage = 0;        // image being built: 0 "BONUS", 1 "WINNER"
  int scanX = 0, scanY = 0;    // pixel of the image to examine next
  int scanStep = 1;            // +1 or -1 along the current row
  int emitterX = 0, emitterY = 0;  // where new balls start this frame, pixels
  OrderedList<FlyingBall> flying;
  OrderedList<PlacedBall> placed;
};

extern LevelWonPicture wonPicture;

constexpr int wonBallFlightFrames = 40;  // every ball reaches its place this many frames after launch

// Starts building `image` (wonPictureBonus or wonPictureWinner): empties both ball lists and sets levelEnding.
void StartLevelWonPicture(int image = wonPictureWinner);
// One frame of the building: the emitter sweeps, the flying balls move and land, the scan launches more.
void StepLevelWonPicture();
// The landed balls rippling in their places and the balls still flying.
void DrawLevelWonPicture();
// True once every pixel has been examined and every ball has landed.
bool LevelWonPictureComplete();
