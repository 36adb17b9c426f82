// The credits' scene without its drawing: the wire grid's matrices, wave and projection, and the floating pictures.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "media/Media.h"

using Matrix4 = std::array<std::array<double, 4>, 4>;  // rows of columns

Matrix4 TranslationMatrix(double tx, double ty, double tz);  // the identity with the move in the last column
// Turns by the three angles (radians) in one matrix, rows as the credits' camera wants them.
Matrix4 RotationMatrix(double a, double b, double g);
Matrix4 MatrixMultiply(const Matrix4& left, const Matrix4& right);

constexpr int creditsGridSize = 76;  // points a side
struct GridPoint {
  double viewX = 0, viewY = 0, viewZ = 0;  // after the camera
  double screenX = 0, screenY = 0;         // pixels
};

struct FloatingPicture {
  int picture = 0;         // one of the ten credits pictures
  bool active = true;
  float x = 0, y = 0, z = 0;  // view space; z is the distance ahead of the viewer
  float angle = 0;         // degrees about the view axis
  float wobble = 0;        // radians, drives the angle's swing
  int alpha = 0;           // 0..255
  std::array<float, 8> corners{};  // screen x, y of the four corners as last projected
  bool shown = false;      // it was ahead of the viewer when last projected
};

struct CreditsScene {
  float phase = 0;
  double tilt = -0.3490658503988659;  // -20 degrees
  double spin = 0, wave = 0;
  double textY = 768;       // pixels: the first credits line
  int framesToPicture = 0;  // frames until the next picture is sent
  std::vector<GridPoint> grid = std::vector<GridPoint>(creditsGridSize * creditsGridSize);
  std::vector<FloatingPicture> pictures;
};
extern CreditsScene creditsScene;

void ResetCreditsScene();
// The camera moved on a frame and every grid point transformed, waved, bent and projected.
void StepCreditsGrid();
// The grid's lines of this frame, far ones darker; points behind the viewer, too far, off the screen or not
// finite are left out.
std::vector<LineSegment> CreditsGridLines();
// A new picture every 45 frames (three quarters of a second), then every picture nearer, turned and faded in;
// those 1000 units behind the viewer go.
void StepFloatingPictures();
FloatingPicture SpawnFloatingPicture();
// The four screen corners of a picture of 512 x 512 at its place and angle; a corner behind the viewer keeps
// where it was.
void ProjectPicture(FloatingPicture& picture);

// Leaving the credits: the first press starts a fade of the music over 100 frames, during which everything moves
// on; a second Escape ends it at once.
struct CreditsExit {
  bool quitting = false;
  int volume = 100;  // the music's, 0..100
};
// One frame of it; true when the screen ends after this frame.
bool StepCreditsExit(CreditsExit& exit, bool escapeReleased, bool pressed);

// The credits text: one line per line feed, carriage returns dropped.
std::vector<std::string> CreditsLines();
