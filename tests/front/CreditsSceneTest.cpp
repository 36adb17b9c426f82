// The credits' scene: matrices and projection against hand-worked points, the grid's lines kept on the screen,
// the pictures' life, the way out, and the text.
#include <gtest/gtest.h>

#include <cmath>

#include "base/Random.h"
#include "front/CreditsScene.h"

namespace {

TEST(CreditsScene, MatricesMultiplyAndTurnAsWorkedByHand) {
  Matrix4 t = TranslationMatrix(1, 2, 3);
  Matrix4 u = TranslationMatrix(10, 20, 30);
  Matrix4 both = MatrixMultiply(t, u);
  EXPECT_DOUBLE_EQ(both[0][3], 11);
  EXPECT_DOUBLE_EQ(both[2][3], 33);
  // A quarter turn by g alone: rows (0, 1, 0), (-1, 0, 0), (0, 0, 1).
  Matrix4 r = RotationMatrix(0, 0, M_PI / 2);
  EXPECT_NEAR(r[0][0], 0, 1e-12);
  EXPECT_NEAR(r[0][1], 1, 1e-12);
  EXPECT_NEAR(r[1][0], -1, 1e-12);
  EXPECT_NEAR(r[2][2], 1, 1e-12);
  // The credits' tilt alone: (0, 0, 1000) goes to (0, sin a * 1000, cos a * 1000).
  double a = -0.3490658503988659;
  Matrix4 m = MatrixMultiply(RotationMatrix(a, 0, 0), TranslationMatrix(0, 0, 0));
  EXPECT_NEAR(m[1][2] * 1000, std::sin(a) * 1000, 1e-9);
  EXPECT_NEAR(m[2][2] * 1000, std::cos(a) * 1000, 1e-9);
  // Translation first, then the turn: the moved point is turned.
  Matrix4 rt = MatrixMultiply(RotationMatrix(0, 0, M_PI / 2), TranslationMatrix(5, 0, 0));
  EXPECT_NEAR(rt[1][3], -5, 1e-12);
}

TEST(CreditsScene, GridPointsProjectThroughTheCameraAsWorkedByHand) {
  ResetCreditsScene();
  StepCreditsGrid();
  const CreditsScene& s = creditsScene;
  // Point (0, 0): the camera's move, the tilt and the first spin, then the wave and the bend, by hand.
  double phase = 0.1, spin = 0.004, wave = -0.04;
  double tx = std::cos(phase / 10) * 4000 - 37500, ty = std::cos(phase / 15) * 1500 + 4500,
         tz = std::sin(phase / 20) * 4000 - 37500;
  Matrix4 r = RotationMatrix(s.tilt, spin, 0);
  double x = r[0][0] * tx + r[0][1] * ty + r[0][2] * tz;
  double y = r[1][0] * tx + r[1][1] * ty + r[1][2] * tz;
  double z = r[2][0] * tx + r[2][1] * ty + r[2][2] * tz;
  double amplitude = std::cos(phase / 10) * 500 - 500, bend = std::cos(phase / 40) * 3 + 5;
  y = y - (amplitude * std::cos(wave) + amplitude * std::sin(wave)) / 2 + x * x / z / bend;
  const GridPoint& p = s.grid[0];
  EXPECT_NEAR(p.viewX, x, 1e-6);
  EXPECT_NEAR(p.viewY, y, 1e-3);
  EXPECT_NEAR(p.viewZ, z, 1e-6);
  EXPECT_NEAR(p.screenX, x * 512 / (z + 1500) + 512, 1e-3);
  EXPECT_NEAR(p.screenY, y * 512 / (z + 1500) + 384, 1e-3);
}

TEST(CreditsScene, GridLinesStayNearTheScreenAndSkipPointsThatAreNotFinite) {
  ResetCreditsScene();
  for (int frame = 0; frame < 600; ++frame) {
    StepCreditsGrid();
    if (frame % 100 != 0) continue;
    std::vector<LineSegment> lines = CreditsGridLines();
    EXPECT_GT(lines.size(), 500u);
    EXPECT_LE(lines.size(), 2u * 75 * 75);
    for (const LineSegment& l : lines) {
      ASSERT_GT(l.x1, -100);
      ASSERT_LT(l.x1, 1224);
      ASSERT_LT(std::abs(l.x2), 100000);
      ASSERT_EQ(ColorGreen(l.colour), 0);
    }
  }
  // A point made infinite (a zero depth) is passed over, and so are lines ending on it.
  creditsScene.grid[0].screenX = INFINITY;
  creditsScene.grid[1].screenY = NAN;
  for (const LineSegment& l : CreditsGridLines()) ASSERT_LT(std::abs(l.x1), 100000);
}

TEST(CreditsScene, PicturesSpawnFarAheadApproachAndVanishBehindTheViewer) {
  SeedRandom(11);
  for (int i = 0; i < 500; ++i) {
    FloatingPicture p = SpawnFloatingPicture();
    ASSERT_GE(p.z, 10000);
    ASSERT_LE(p.z, 14000);
    ASSERT_GE(p.picture, 0);
    ASSERT_LE(p.picture, 9);
    ASSERT_LE(std::fabs(p.x), 2000);
    ASSERT_EQ(p.alpha, 0);
  }
  // Each picture comes 30 units nearer a frame.
  ResetCreditsScene();
  StepFloatingPictures();
  ASSERT_EQ(creditsScene.pictures.size(), 1u);
  float first = creditsScene.pictures[0].z;
  for (int i = 0; i < 10; ++i) StepFloatingPictures();
  EXPECT_FLOAT_EQ(creditsScene.pictures.back().z, first - 300);
  // One every 45 frames; the first goes once it is more than 1000 behind the viewer, farthest drawn first.
  ResetCreditsScene();
  for (int frame = 0; frame < 2000; ++frame) {
    StepFloatingPictures();
    for (size_t i = 1; i < creditsScene.pictures.size(); ++i) {
      ASSERT_GE(creditsScene.pictures[i - 1].z, creditsScene.pictures[i].z);
    }
    for (const FloatingPicture& p : creditsScene.pictures) ASSERT_GE(p.z, -1000);
  }
  EXPECT_GT(creditsScene.pictures.size(), 5u);
  EXPECT_LT(creditsScene.pictures.size(), 2000u / 45 + 2);
}

TEST(CreditsScene, ACornerBehindTheViewerKeepsItsLastScreenPlace) {
  FloatingPicture p;
  p.z = 577;
  ProjectPicture(p);
  // At the focal distance a picture is drawn at its own size: 512 pixels wide about the centre.
  EXPECT_NEAR(p.corners[0], 512 - 256, 1e-3);
  EXPECT_NEAR(p.corners[2], 512 + 256, 1e-3);
  EXPECT_NEAR(p.corners[5], 384 + 256, 1e-3);
  p.z = -10;
  float kept = p.corners[0];
  ProjectPicture(p);
  EXPECT_EQ(p.corners[0], kept);
}

TEST(CreditsScene, WithoutInputTheCreditsNeverEndAPressFadesForAHundredFramesAndASecondEscapeEndsAtOnce) {
  CreditsExit exit;
  for (int frame = 0; frame < 100000; ++frame) ASSERT_FALSE(StepCreditsExit(exit, false, false));
  EXPECT_TRUE(StepCreditsExit(exit, false, true) == false && exit.quitting);
  int frames = 0;
  while (!StepCreditsExit(exit, false, true)) frames += 1;
  EXPECT_EQ(frames, 99);
  CreditsExit escaped;
  StepCreditsExit(escaped, true, false);
  EXPECT_TRUE(escaped.quitting);
  for (int i = 0; i < 10; ++i) ASSERT_FALSE(StepCreditsExit(escaped, false, false));
  EXPECT_TRUE(StepCreditsExit(escaped, true, false));
}

TEST(CreditsScene, TheTextIsSplitAtLineFeedsWithCarriageReturnsDropped) {
  std::vector<std::string> lines = CreditsLines();
  ASSERT_GT(lines.size(), 20u);
  EXPECT_EQ(lines[0], "NOVABOUNCER 3");
  for (const std::string& line : lines) EXPECT_EQ(line.find('\r'), std::string::npos);
}

}  // namespace
