// Tests of painting details the game depends on: straight alpha, wrapping noise, where the thread, the gun
// muzzles and the gauge put their ink, the hit marks of armoured tiles, and the contact sheet's output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "art/ArtFamilies.h"
#include "art/ContactSheet.h"
#include "art/Paint.h"

namespace {

int CountPixels(const Picture& p, bool (*test)(const uint8_t*)) {
  int n = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (test(p.At(x, y))) ++n;
  return n;
}

}  // namespace

TEST(ArtDetails, CanvasGivesStraightAlphaNotPremultiplied) {
  Canvas canvas(4, 4);
  cairo_set_source_rgba(canvas.cr(), 1.0, 0.5, 0.0, 0.5);
  cairo_paint(canvas.cr());
  Picture p = canvas.Take();
  const uint8_t* px = p.At(2, 2);
  EXPECT_NEAR(px[0], 255, 1);  // premultiplied data would give 128 here: dark fringes round every shape
  EXPECT_NEAR(px[1], 128, 2);
  EXPECT_EQ(px[2], 0);
  EXPECT_NEAR(px[3], 128, 1);
  Canvas empty(2, 2);
  Picture clear = empty.Take();
  for (uint8_t b : clear.rgba) EXPECT_EQ(b, 0);
}

TEST(ArtDetails, NoiseIsSeededSmoothAndWrapsWhereAsked) {
  EXPECT_EQ(ValueNoise(3.7, 1.2, 5), ValueNoise(3.7, 1.2, 5));
  EXPECT_NE(ValueNoise(3.7, 1.2, 5), ValueNoise(3.7, 1.2, 6));
  for (double x = -5; x < 5; x += 0.37) {
    double v = FractalNoise(x, x * 0.5, 9, 4);
    EXPECT_GE(v, 0.0);
    EXPECT_LE(v, 1.0);
    EXPECT_LT(std::fabs(ValueNoise(x, 0.3, 2) - ValueNoise(x + 0.01, 0.3, 2)), 0.05);  // no jumps
    EXPECT_NEAR(PeriodicNoise(x, 0.6, 7, 3), PeriodicNoise(x + 7, 0.6, 7, 3), 1e-9);
  }
  Dice a(4), b(4);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(a.Next(), b.Next());
}

TEST(ArtDetails, ThreadShinesOnTheBallFloor) {
  // The game draws the thread's top at y 642 and returns balls at y 698: 56 pixels down the picture.
  for (int frame : {0, 7, 21}) {
    Picture thread = PaintThread(frame);
    int bestRow = -1, best = -1;
    for (int y = 0; y < thread.height; ++y) {
      int sum = 0;
      for (int x = 0; x < thread.width; ++x) sum += thread.At(x, y)[3];
      if (sum > best) {
        best = sum;
        bestRow = y;
      }
    }
    EXPECT_NEAR(bestRow, 56, 2) << frame;
    // The copies meet: the first and last columns carry the line.
    EXPECT_GT(thread.At(0, 56)[3] + thread.At(0, 55)[3] + thread.At(0, 57)[3], 200);
    EXPECT_GT(thread.At(127, 56)[3] + thread.At(127, 55)[3] + thread.At(127, 57)[3], 200);
  }
}

TEST(ArtDetails, ChaingunBarrelsEndWhereTheMuzzlesAre) {
  // Muzzles sit 94 pixels from the pivot (64, 96) at 70 and 110 degrees: about (32, 8) and (96, 8).
  Picture gun = PaintChaingun();
  ASSERT_EQ(gun.width, 128);
  ASSERT_EQ(gun.height, 128);
  EXPECT_GT(gun.At(32, 10)[3], 200);
  EXPECT_GT(gun.At(96, 10)[3], 200);
  EXPECT_EQ(gun.At(64, 10)[3], 0);
  EXPECT_EQ(gun.At(32, 3)[3], 0);  // nothing beyond the muzzle
  EXPECT_GT(gun.At(64, 96)[3], 200);
  Picture crosshair = PaintGunTarget();  // drawn at the aim point minus 64
  EXPECT_EQ(crosshair.width, 128);
  EXPECT_GT(crosshair.At(64, 64)[3], 100);
}

TEST(ArtDetails, AmmoGaugeLosesOneSegmentPerStep) {
  auto lit = [](const uint8_t* p) { return p[3] > 200 && std::max({p[0], p[1], p[2]}) > 150; };
  int previous = 1 << 30;
  for (int step = 0; step <= 5; ++step) {
    Picture gauge = PaintAmmoGauge(step);
    ASSERT_EQ(gauge.width, 256);  // centred on the ship, drawn at its centre minus 128
    int n = CountPixels(gauge, lit);
    EXPECT_LT(n, previous) << step;
    previous = n;
    if (step == 5) {
      EXPECT_EQ(n, 0);
    }
  }
}

TEST(ArtDetails, ArmouredTilesLightOneMarkPerHitLeft) {
  // Three sockets across the middle of the tile; as many are lit as hits remain, in every frame.
  for (int hits = 1; hits <= 3; ++hits)
    for (int frame : {0, 8, 15}) {
      Picture tile = PaintTile(std::to_string(hits) + "c", frame);
      int lit = 0;
      for (int socket = 0; socket < 3; ++socket) {
        const uint8_t* p = tile.At(22 + socket * 10, 10);
        int brightness = std::max({p[0], p[1], p[2]});
        if (brightness > 150) ++lit;
        else EXPECT_LT(brightness, 100) << hits << "c socket " << socket << " frame " << frame;
      }
      EXPECT_EQ(lit, hits) << hits << "c frame " << frame;
    }
}

TEST(ArtDetails, ContactSheetShowsEveryPictureAndHalvesHugeOnes) {
  Picture red(30, 20), tall(10, 900);
  for (size_t i = 0; i < red.rgba.size(); i += 4) {
    red.rgba[i] = 255;
    red.rgba[i + 3] = 255;
  }
  for (size_t i = 0; i < tall.rgba.size(); i += 4) {
    tall.rgba[i + 1] = 255;
    tall.rgba[i + 3] = 255;
  }
  Picture sheet = MakeContactSheet({{"1", red}, {"2", tall}}, false, 200);
  int redPixels = CountPixels(sheet, [](const uint8_t* p) { return p[0] == 255 && p[1] == 0 && p[2] == 0; });
  int greenPixels = CountPixels(sheet, [](const uint8_t* p) { return p[1] == 255 && p[0] == 0 && p[2] == 0; });
  EXPECT_EQ(redPixels, 30 * 20);
  EXPECT_EQ(greenPixels, 5 * 450);
  EXPECT_GE(sheet.height, 450);
  EXPECT_LT(sheet.height, 900);
}

TEST(ArtDetails, FilesAreWrittenWholeOrNotAtAll) {
  auto dir = std::filesystem::temp_directory_path() / ("nbart_atomic_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::string path = (dir / "sub" / "sheet.png").string();
  ASSERT_TRUE(WriteSheetFile(path, {1, 2, 3}));
  EXPECT_EQ(std::filesystem::file_size(path), 3u);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  // A folder where the file should be: a clear failure, no crash.
  std::filesystem::create_directories(dir / "blocked.png");
  EXPECT_FALSE(WriteSheetFile((dir / "blocked.png").string(), {1}));
  std::filesystem::remove_all(dir);
}
