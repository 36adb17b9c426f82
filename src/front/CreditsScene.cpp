// The credits' wire grid and floating pictures, moved and projected each frame.
#include "front/CreditsScene.h"

#include <algorithm>
#include <cmath>

#include "base/Random.h"

CreditsScene creditsScene;

namespace {

constexpr double gridFocal = 512, gridDepth = 1500, pictureFocal = 577;
constexpr double centreX = 512, centreY = 384;

void Transform(const Matrix4& m, double x, double y, double z, double& ox, double& oy, double& oz) {
  ox = m[0][0] * x + m[0][1] * y + m[0][2] * z + m[0][3];
  oy = m[1][0] * x + m[1][1] * y + m[1][2] * z + m[1][3];
  oz = m[2][0] * x + m[2][1] * y + m[2][2] * z + m[2][3];
}

bool Drawable(const GridPoint& p) {
  return std::isfinite(p.screenX) && std::isfinite(p.screenY) && p.viewZ > 0 && p.viewZ < 30500 &&
         p.screenX > -100 && p.screenX < 1224 && p.screenY > -100 && p.screenY < 968;
}

// An end point far outside the screen would make a line of millions of pixels: such lines are skipped.
bool Reasonable(const GridPoint& p) {
  return std::isfinite(p.screenX) && std::isfinite(p.screenY) && std::fabs(p.screenX) < 100000 &&
         std::fabs(p.screenY) < 100000;
}

}  // namespace

Matrix4 TranslationMatrix(double tx, double ty, double tz) {
  return {{{1, 0, 0, tx}, {0, 1, 0, ty}, {0, 0, 1, tz}, {0, 0, 0, 1}}};
}

Matrix4 RotationMatrix(double a, double b, double g) {
  double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b), cg = std::cos(g), sg = std::sin(g);
  return {{{cg * cb, sg * cb, -sb, 0},
           {sa * sb * cg - ca * sg, ca * cg + sa * sb * sg, sa * cb, 0},
           {ca * sb * cg + sa * sg, ca * sb * sg - sa * cg, ca * cb, 0},
           {0, 0, 0, 1}}};
}

Matrix4 MatrixMultiply(const Matrix4& left, const Matrix4& right) {
  Matrix4 out{};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += left[r][k] * right[k][c];
      out[r][c] = sum;
    }
  }
  return out;
}

void ResetCreditsScene() { creditsScene = CreditsScene{}; }

void StepCreditsGrid() {
  CreditsScene& s = creditsScene;
  s.phase += 0.1f;
  s.spin += 0.004;
  double phase = s.phase;
  Matrix4 move = TranslationMatrix(std::cos(phase / 10) * 4000 - 37500, std::cos(phase / 15) * 1500 + 4500,
                                   std::sin(phase / 20) * 4000 - 37500);
  Matrix4 m = MatrixMultiply(RotationMatrix(s.tilt, s.spin, 0), move);
  s.wave -= 0.04;
  double a = std::cos(phase / 10) * 500 - 500, d = std::cos(phase / 40) * 3 + 5;
  for (int i = 0; i < creditsGridSize; ++i) {
    double ai = s.wave + 5.76 * i;
    for (int j = 0; j < creditsGridSize; ++j) {
      double bj = s.wave + 5.76 * j;
      GridPoint& p = s.grid[i * creditsGridSize + j];
      Transform(m, 1000.0 * i, 0, 1000.0 * j, p.viewX, p.viewY, p.viewZ);
      // The wave rolls across the plane and the last term bends it down towards the sides.
      p.viewY = p.viewY - (a * std::cos(bj) + a * std::sin(ai)) / 2 + p.viewX * p.viewX / p.viewZ / d;
      double depth = p.viewZ + gridDepth;
      p.screenX = p.viewX * gridFocal / depth + centreX;
      p.screenY = p.viewY * gridFocal / depth + centreY;
    }
  }
}

std::vector<LineSegment> CreditsGridLines() {
  const CreditsScene& s = creditsScene;
  std::vector<LineSegment> lines;
  lines.reserve(2 * (creditsGridSize - 1) * (creditsGridSize - 1));
  auto add = [&](const GridPoint& from, const GridPoint& to, int colour) {
    if (!Reasonable(to)) return;
    lines.push_back({static_cast<int>(from.screenX), static_cast<int>(from.screenY), static_cast<int>(to.screenX),
                     static_cast<int>(to.screenY), colour});
  };
  for (int i = 0; i < creditsGridSize - 1; ++i) {
    for (int j = 0; j < creditsGridSize - 1; ++j) {
      const GridPoint& p = s.grid[i * creditsGridSize + j];
      if (!Drawable(p)) continue;
      int k = std::clamp(255 - static_cast<int>(std::lround(p.viewZ / 255 * 2)), 0, 255);
      int colour = ColorRGB(k, 0, k / 2);
      add(p, s.grid[i * creditsGridSize + j + 1], colour);
      add(p, s.grid[(i + 1) * creditsGridSize + j], colour);
    }
  }
  return lines;
}

FloatingPicture SpawnFloatingPicture() {
  FloatingPicture p;
  int r1 = RandomUpTo(2000), r2 = RandomUpTo(2000), r3 = RandomUpTo(2000), r4 = RandomUpTo(2000);
  p.x = static_cast<float>(r2 - r1);
  p.y = static_cast<float>(r4 - r3);
  p.z = static_cast<float>(14000 - RandomUpTo(4000));
  p.picture = RandomUpTo(9);
  p.active = true;
  int r5 = RandomUpTo(100), r6 = RandomUpTo(100);
  p.wobble = (r6 - r5) / 100.0f;
  return p;
}

void ProjectPicture(FloatingPicture& picture) {
  const double corners[4][2] = {{-256, -256}, {256, -256}, {256, 256}, {-256, 256}};
  double turn = picture.angle * 3.14159265358979 / 180, c = std::cos(turn), s = std::sin(turn);
  for (int i = 0; i < 4; ++i) {
    double x = corners[i][0] * c - corners[i][1] * s + picture.x;
    double y = corners[i][0] * s + corners[i][1] * c + picture.y;
    double z = picture.z;
    if (z <= 0) continue;
    picture.corners[i * 2] = static_cast<float>(x * pictureFocal / z + centreX);
    picture.corners[i * 2 + 1] = static_cast<float>(y * pictureFocal / z + centreY);
  }
}

void StepFloatingPictures() {
  CreditsScene& s = creditsScene;
  if (s.framesToPicture <= 0) {
    s.pictures.push_back(SpawnFloatingPicture());
    s.framesToPicture = 45;
  }
  s.framesToPicture -= 1;
  // Farthest first, so that nearer pictures are drawn over farther ones.
  std::stable_sort(s.pictures.begin(), s.pictures.end(),
                   [](const FloatingPicture& a, const FloatingPicture& b) { return a.z > b.z; });
  for (FloatingPicture& p : s.pictures) {
    ProjectPicture(p);
    p.shown = p.z > 0;
    p.z -= 30;
    p.angle = std::cos(p.wobble) * 20 - 10;
    p.wobble += 0.02f;
    p.alpha = std::min(255, p.alpha + 1);
  }
  s.pictures.erase(std::remove_if(s.pictures.begin(), s.pictures.end(),
                                  [](const FloatingPicture& p) { return p.z < -1000; }),
                   s.pictures.end());
}

bool StepCreditsExit(CreditsExit& exit, bool escapeReleased, bool pressed) {
  if (exit.quitting) {
    exit.volume -= 1;
    if (escapeReleased) exit.volume = 0;
  } else if (escapeReleased || pressed) {
    exit.quitting = true;
  }
  return exit.volume <= 0;
}
