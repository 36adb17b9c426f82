// Tests of the minigames' pictures: the sizes the games' arithmetic relies on, targets that really face both ways,
// the falling-block frame's clear board, tiles that wrap, a flash that joins, colours in their places, inked
// edges, soft glows, the review screens, the packs as written, determinism.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "PackWriter.h"
#include "base/MinigamePacks.h"
#include "minigames/MinigameArt.h"
#include "minigames/MinigamePaint.h"
#include "minigames/MinigameSheets.h"

namespace {

// Every picture is painted once for the whole file.
const Picture& Painted(int number) {
  static std::map<int, Picture> cache;
  auto found = cache.find(number);
  if (found != cache.end()) return found->second;
  Picture picture;
  if (number >= tetrisGreen && number <= tetrisDiffuse) {
    picture = PaintTetrisPicture(number);
  } else if (number >= duckCannon && number < duckTargets + 2 * duckFacingRight) {
    picture = PaintDuckPicture(number);
  } else {
    picture = PaintSugarPicture(number);
  }
  return cache.emplace(number, std::move(picture)).first->second;
}

template <size_t N>
std::vector<int> PictureNumbers(const std::array<MinigameEntry, N>& table) {
  std::vector<int> numbers;
  for (const MinigameEntry& entry : table) {
    std::string name = entry.name;
    if (name.substr(name.size() - 4) == ".png") numbers.push_back(entry.number);
  }
  return numbers;
}

std::vector<int> EveryPicture() {
  std::vector<int> all = PictureNumbers(tetrisEntries);
  for (int n : PictureNumbers(duckEntries)) all.push_back(n);
  for (int n : PictureNumbers(sugarEntries)) all.push_back(n);
  return all;
}

int Alpha(const Picture& p, int x, int y) { return p.At(x, y)[3]; }

double Coverage(const Picture& p) {
  double sum = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) sum += Alpha(p, x, y) / 255.0;
  return sum / (p.width * p.height);
}

// Mean colour of the opaque part, weighted by alpha.
struct Mean {
  double r = 0, g = 0, b = 0;
};
Mean MeanColour(const Picture& p) {
  Mean m;
  double weight = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const uint8_t* px = p.At(x, y);
      const double a = px[3] / 255.0;
      m.r += px[0] * a, m.g += px[1] * a, m.b += px[2] * a, weight += a;
    }
  if (weight > 0) m.r /= weight, m.g /= weight, m.b /= weight;
  return m;
}

// The largest difference (any channel) between two columns of a picture.
int ColumnJump(const Picture& p, int a, int b) {
  int most = 0;
  for (int y = 0; y < p.height; ++y)
    for (int c = 0; c < 4; ++c) most = std::max(most, std::abs(p.At(a, y)[c] - p.At(b, y)[c]));
  return most;
}

int RowJump(const Picture& p, int a, int b) {
  int most = 0;
  for (int x = 0; x < p.width; ++x)
    for (int c = 0; c < 4; ++c) most = std::max(most, std::abs(p.At(x, a)[c] - p.At(x, b)[c]));
  return most;
}

}  // namespace

TEST(MinigameArt, EveryPictureHasTheSizeTheGamesCountWith) {
  std::map<int, std::pair<int, int>> sizes = {
      {tetrisFrame, {1024, 768}}, {tetrisBackdrop, {1024, 768}}, {tetrisBump, {128, 128}},
      {tetrisDiffuse, {128, 128}}, {tetrisLineFlash, {64, 32}},  {tetrisGlint, {32, 32}},
      {tetrisBug, {32, 32}},      {duckCannon, {64, 64}},        {duckBall, {12, 12}},
      {sugarStar, {32, 32}},      {sugarLauncher, {32, 96}},     {sugarBall, {16, 16}},
      {sugarPop, {64, 64}}};
  for (int n = tetrisGreen; n <= tetrisCyan; ++n) sizes[n] = {32, 32};
  for (int n = duckTargets; n < duckTargets + 2 * duckFacingRight; ++n) sizes[n] = {64, 56};
  for (int n = sugarBalloons; n < sugarBalloons + sugarBalloonCount; ++n) sizes[n] = {64, 80};
  for (int n = sugarSweets; n < sugarSweets + sugarSweetCount; ++n) sizes[n] = {48, 48};
  const std::vector<int> all = EveryPicture();
  EXPECT_EQ(all.size(), sizes.size()) << "a size for every picture of the three packs";
  for (int n : all) {
    SCOPED_TRACE(n);
    const Picture& p = Painted(n);
    ASSERT_TRUE(p.Valid());
    ASSERT_TRUE(sizes.count(n));
    EXPECT_EQ(p.width, sizes[n].first);
    EXPECT_EQ(p.height, sizes[n].second);
    EXPECT_GT(Coverage(p), 0.02) << "something is painted";
    // Encodes as the pack stores it.
    EXPECT_FALSE(EncodePng(p).empty());
  }
  // The pictures the game lays down whole are opaque.
  for (int n : {tetrisBackdrop, tetrisBump, tetrisDiffuse}) EXPECT_DOUBLE_EQ(Coverage(Painted(n)), 1.0) << n;
}

TEST(MinigameArt, NumbersOutsideThePacksGiveNoPictureRatherThanAWrongOne) {
  EXPECT_FALSE(PaintTetrisPicture(tetrisTile).Valid()) << "the tile is made by the game";
  EXPECT_FALSE(PaintTetrisPicture(0).Valid());
  EXPECT_FALSE(PaintDuckPicture(duckTargets + 2 * duckFacingRight).Valid());
  EXPECT_FALSE(PaintDuckPicture(duckCannon - 1).Valid());
  EXPECT_FALSE(PaintSugarPicture(sugarPop + 1).Valid());
  EXPECT_FALSE(PaintSugarPicture(-5).Valid());
}

TEST(MinigameArt, TargetsFacingRightAreTheLeftFacingOnesMirrored) {
  for (int kind = 0; kind < duckFacingRight; ++kind) {
    SCOPED_TRACE(kind);
    const Picture& left = Painted(duckTargets + kind);
    const Picture& right = Painted(duckTargets + duckFacingRight + kind);
    ASSERT_EQ(left.width, right.width);
    ASSERT_EQ(left.height, right.height);
    EXPECT_EQ(minigames::Mirrored(left).rgba, right.rgba);
    // Not a shape that looks the same either way, or the turn at the screen's edge would not show.
    EXPECT_NE(left.rgba, right.rgba);
  }
  // Mirroring twice gives the picture back.
  const Picture& hen = Painted(duckTargets + 5);
  EXPECT_EQ(minigames::Mirrored(minigames::Mirrored(hen)).rgba, hen.rgba);
}

TEST(MinigameArt, TheFrameLeavesTheBoardClearAndSurroundsIt) {
  const Picture& frame = Painted(tetrisFrame);
  for (int y = 32; y < 32 + 640; ++y)
    for (int x = 32; x < 32 + 640; ++x) ASSERT_EQ(Alpha(frame, x, y), 0) << x << ", " << y;
  // A solid bezel on all four sides, right against the board's edges.
  for (int along = 40; along < 660; along += 37) {
    EXPECT_EQ(Alpha(frame, 20, along), 255) << along;
    EXPECT_EQ(Alpha(frame, 683, along), 255) << along;
    EXPECT_EQ(Alpha(frame, along, 20), 255) << along;
    EXPECT_EQ(Alpha(frame, along, 683), 255) << along;
  }
  // The next piece shows through smoked glass, the wall through the open parts of the status column.
  const int nextAlpha = Alpha(frame, 834 + 64, 85 + 64);
  EXPECT_GT(nextAlpha, 0);
  EXPECT_LT(nextAlpha, 255);
  EXPECT_EQ(Alpha(frame, 1015, 700), 0);
  EXPECT_EQ(Alpha(frame, 760, 600), 0);
}

TEST(MinigameArt, TheWallTilesWrapWithoutASeam) {
  for (int n : {tetrisBump, tetrisDiffuse}) {
    SCOPED_TRACE(n);
    const Picture& p = Painted(n);
    // The step from the last column to the first is no larger than steps inside the picture.
    int inside = 0;
    for (int x = 1; x < p.width; ++x) inside = std::max(inside, ColumnJump(p, x - 1, x));
    for (int y = 1; y < p.height; ++y) inside = std::max(inside, RowJump(p, y - 1, y));
    EXPECT_LE(ColumnJump(p, p.width - 1, 0), inside);
    EXPECT_LE(RowJump(p, p.height - 1, 0), inside);
  }
  // The relief is grey, a height only.
  const Picture& relief = Painted(tetrisBump);
  for (int y = 0; y < relief.height; y += 7)
    for (int x = 0; x < relief.width; x += 5) {
      const uint8_t* px = relief.At(x, y);
      EXPECT_TRUE(px[0] == px[1] && px[1] == px[2]) << x << ", " << y;
    }
}

TEST(MinigameArt, TheLineFlashJoinsEndToEndAndGlowsFromItsMiddleRow) {
  const Picture& flash = Painted(tetrisLineFlash);
  // Copies laid every 64 pixels meet as neighbouring columns do.
  EXPECT_LE(ColumnJump(flash, flash.width - 1, 0), ColumnJump(flash, 0, 1) + 3);
  // Brightest along the middle, fading to nothing at the top and bottom.
  const int middle = Alpha(flash, 32, 15);
  EXPECT_GT(middle, 240);
  EXPECT_LT(Alpha(flash, 32, 0), 20);
  EXPECT_LT(Alpha(flash, 32, 31), 20);
  for (int y = 1; y <= 15; ++y) EXPECT_GE(Alpha(flash, 32, y), Alpha(flash, 32, y - 1)) << y;
  // The glint is brightest at its middle and gone at the corners it does not cross.
  const Picture& glint = Painted(tetrisGlint);
  EXPECT_GT(Alpha(glint, 16, 16), 200);
  EXPECT_LT(Alpha(glint, 1, 1), 10);
  EXPECT_LT(Alpha(glint, 30, 30), 10);
}

TEST(MinigameArt, BlocksAndBalloonsWearTheColoursTheirNamesSay) {
  auto expectHue = [](const Picture& p, double r, double g, double b, const char* what) {
    const Mean m = MeanColour(p);
    const double n = std::hypot(r, g, b), len = std::hypot(m.r, m.g, m.b);
    const double cosine = (m.r * r + m.g * g + m.b * b) / (n * len);
    EXPECT_GT(cosine, 0.9) << what << ": mean " << m.r << ", " << m.g << ", " << m.b;
  };
  expectHue(Painted(tetrisGreen), 0.2, 0.8, 0.35, "green block");
  expectHue(Painted(tetrisRed), 0.9, 0.15, 0.25, "red block");
  expectHue(Painted(tetrisBlue), 0.2, 0.5, 1, "blue block");
  expectHue(Painted(tetrisYellow), 1, 0.8, 0.2, "yellow block");
  expectHue(Painted(tetrisPurple), 0.6, 0.25, 0.95, "purple block");
  expectHue(Painted(tetrisCyan), 0.2, 0.9, 0.95, "cyan block");
  // The bug's block is dark, darker than any colour block, so it is told apart at a glance.
  auto luma = [](const Picture& p) {
    const Mean m = MeanColour(p);
    return 0.3 * m.r + 0.59 * m.g + 0.11 * m.b;
  };
  for (int n = tetrisGreen; n <= tetrisCyan; ++n) EXPECT_LT(luma(Painted(tetrisBug)), luma(Painted(n)) * 0.7);
  expectHue(Painted(sugarBalloons + 0), 0.2, 0.5, 1, "ballon_bleu");
  expectHue(Painted(sugarBalloons + 1), 0.2, 0.9, 0.95, "ballon_cyan");
  expectHue(Painted(sugarBalloons + 2), 1, 0.8, 0.2, "ballon_jaune");
  expectHue(Painted(sugarBalloons + 3), 1, 0.5, 0.8, "ballon_rose");
  expectHue(Painted(sugarBalloons + 4), 0.9, 0.15, 0.25, "ballon_rouge");
  expectHue(Painted(sugarBalloons + 5), 0.2, 0.8, 0.35, "ballon_vert");
}

TEST(MinigameArt, BalloonsHangTheirKnotAtTheBottomMiddleAndTheLauncherPointsUp) {
  for (int n = sugarBalloons; n < sugarBalloons + sugarBalloonCount; ++n) {
    const Picture& p = Painted(n);
    // The knot: the opaque pixels of the rows near the bottom sit round the middle column.
    for (int y = p.height - 10; y < p.height - 4; ++y) {
      int lo = p.width, hi = -1;
      for (int x = 0; x < p.width; ++x)
        if (Alpha(p, x, y) > 128) lo = std::min(lo, x), hi = std::max(hi, x);
      ASSERT_GE(hi, lo) << n << " row " << y;
      EXPECT_NEAR((lo + hi) / 2.0, p.width / 2.0, 3) << n << " row " << y;
      EXPECT_LT(hi - lo, 14) << n << " row " << y;
    }
  }
  // The launcher's tip is a point at the top, its body wider below.
  const Picture& launcher = Painted(sugarLauncher);
  auto width = [&](int y) {
    int count = 0;
    for (int x = 0; x < launcher.width; ++x) count += Alpha(launcher, x, y) > 128;
    return count;
  };
  EXPECT_LT(width(3), 6);
  EXPECT_GT(width(22), width(3) * 3);
  // The cannon's muzzle is at the top middle, where the shot leaves it.
  const Picture& cannon = Painted(duckCannon);
  EXPECT_GT(Alpha(cannon, 32, 2), 128);
  EXPECT_EQ(Alpha(cannon, 4, 2), 0);
  EXPECT_EQ(Alpha(cannon, 60, 2), 0);
}

TEST(MinigameArt, EverySweetIsAPictureOfItsOwn) {
  std::set<std::vector<uint8_t>> seen;
  for (int n = sugarSweets; n < sugarSweets + sugarSweetCount; ++n) {
    const Picture& p = Painted(n);
    EXPECT_TRUE(seen.insert(p.rgba).second) << n << " repeats another sweet";
    EXPECT_GT(Coverage(p), 0.2) << n << " fills its square";
    // Room round it, so it turns on its pendulum without being cut.
    EXPECT_EQ(Alpha(p, 0, 0), 0) << n;
    EXPECT_EQ(Alpha(p, p.width - 1, p.height - 1), 0) << n;
  }
  // The gummy bears are one shape in five colours.
  auto shape = [](const Picture& p) {
    std::vector<bool> mask;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) mask.push_back(Alpha(p, x, y) > 128);
    return mask;
  };
  for (int bear = 11; bear < 15; ++bear) EXPECT_EQ(shape(Painted(sugarSweets + bear)), shape(Painted(sugarSweets + 10)));
}

TEST(MinigameArt, PaintingIsDeterministic) {
  for (int n : EveryPicture()) {
    Picture again = n >= tetrisGreen && n <= tetrisDiffuse ? PaintTetrisPicture(n)
                    : n >= duckCannon && n < duckTargets + 2 * duckFacingRight ? PaintDuckPicture(n)
                                                                                 : PaintSugarPicture(n);
    EXPECT_EQ(again.rgba, Painted(n).rgba) << n;
  }
}

TEST(MinigamePaint, TilingNoiseRepeatsOverItsPeriodAndStaysInRange) {
  for (int octaves : {1, 3}) {
    for (double y = 0; y < 8; y += 0.37)
      for (double x = 0; x < 8; x += 0.41) {
        const double v = minigames::TilingNoise(x, y, 8, 99, octaves);
        EXPECT_GE(v, 0.0);
        EXPECT_LE(v, 1.0);
        EXPECT_NEAR(v, minigames::TilingNoise(x + 8, y, 8, 99, octaves), 1e-9);
        EXPECT_NEAR(v, minigames::TilingNoise(x, y - 8, 8, 99, octaves), 1e-9);
      }
  }
}

TEST(MinigameArt, TinTargetsAreOutlinedInDarkInkAndSweetsSitInTheMiddle) {
  auto luma = [](const uint8_t* px) { return (0.3 * px[0] + 0.59 * px[1] + 0.11 * px[2]) / 255.0; };
  // Where a target meets the gallery's background its edge is dark, so it reads on the dark blue.
  for (int n = duckTargets; n < duckTargets + duckFacingRight; ++n) {
    const Picture& p = Painted(n);
    int edges = 0, dark = 0;
    // Opaque pixels within two of a clear one: the antialiased rim lies between them.
    for (int y = 2; y < p.height - 2; ++y)
      for (int x = 2; x < p.width - 2; ++x) {
        if (Alpha(p, x, y) < 230) continue;
        bool nearClear = false;
        for (int dy = -2; dy <= 2; ++dy)
          for (int dx = -2; dx <= 2; ++dx) nearClear = nearClear || Alpha(p, x + dx, y + dy) < 20;
        if (!nearClear) continue;
        ++edges;
        dark += luma(p.At(x, y)) < 0.4;
      }
    ASSERT_GT(edges, 50) << n;
    EXPECT_GT(dark, edges * 0.75) << n << ": " << dark << " of " << edges << " edge pixels dark";
  }
  // The game centres sweets on their string's end and balloons on their bobbing point.
  auto centroid = [](const Picture& p, double& cx, double& cy) {
    double sum = 0;
    cx = cy = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const double a = Alpha(p, x, y);
        cx += a * (x + 0.5), cy += a * (y + 0.5), sum += a;
      }
    cx /= sum, cy /= sum;
  };
  for (int n = sugarSweets; n < sugarSweets + sugarSweetCount; ++n) {
    double cx, cy;
    centroid(Painted(n), cx, cy);
    EXPECT_NEAR(cx, 24, 7) << n;
    EXPECT_NEAR(cy, 24, 7) << n;
  }
  for (int n = sugarBalloons; n < sugarBalloons + sugarBalloonCount; ++n) {
    double cx, cy;
    centroid(Painted(n), cx, cy);
    EXPECT_NEAR(cx, 32, 2) << n;
  }
}

TEST(MinigameArt, GlowsAndTheStarAreSoftNotSolidRectangles) {
  for (int n : {tetrisLineFlash, tetrisGlint, sugarStar}) {
    const Picture& p = Painted(n);
    std::set<int> levels;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) levels.insert(Alpha(p, x, y));
    EXPECT_GT(levels.size(), 24u) << n << ": a falloff, not a hard edge";
    EXPECT_LT(Coverage(p), 0.6) << n;
    // Brightest towards the middle, fading above it.
    EXPECT_GT(Alpha(p, p.width / 2, p.height / 2), Alpha(p, p.width / 2, 1) + 150) << n;
  }
}

TEST(MinigamePaint, MirroringTurnsEveryRowAboutItsMiddle) {
  Picture p(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      for (int c = 0; c < 4; ++c) p.At(x, y)[c] = static_cast<uint8_t>(y * 100 + x * 10 + c);
  const Picture m = minigames::Mirrored(p);
  ASSERT_EQ(m.width, 3);
  ASSERT_EQ(m.height, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      for (int c = 0; c < 4; ++c) EXPECT_EQ(m.At(x, y)[c], p.At(2 - x, y)[c]);
  EXPECT_FALSE(minigames::Mirrored(Picture()).Valid()) << "nothing stays nothing";
}

TEST(MinigameSheets, ScreensAreComposedFromWhateverPicturesThereAre) {
  minigames::PictureSet none;
  for (auto compose : {minigames::MakeTetrisMock, minigames::MakeDuckMock, minigames::MakeSugarMock}) {
    const Picture empty = compose(none);
    EXPECT_EQ(empty.width, 1024);
    EXPECT_EQ(empty.height, 768);
  }
  // The falling-block screen shows the frame's bezel and, through its board, the wall behind.
  minigames::PictureSet tetris;
  for (int n : PictureNumbers(tetrisEntries)) tetris[n] = Painted(n);
  const Picture screen = minigames::MakeTetrisMock(tetris);
  EXPECT_EQ(std::vector<uint8_t>(screen.At(20, 300), screen.At(20, 300) + 3),
            std::vector<uint8_t>(Painted(tetrisFrame).At(20, 300), Painted(tetrisFrame).At(20, 300) + 3));
  EXPECT_EQ(screen.At(300, 100)[3], 255);
  // A picture of the wrong kind (an empty one) is left out rather than drawn.
  tetris[tetrisFrame] = Picture();
  EXPECT_EQ(minigames::MakeTetrisMock(tetris).width, 1024);
}

TEST(MinigamePacks, EachPackHoldsItsPicturesAsPaintedInTableOrder) {
  const std::filesystem::path packs = PACKS_DIR;
  auto check = [&](const char* pack, const auto& table) {
    SCOPED_TRACE(pack);
    std::vector<PackEntry> entries;
    ASSERT_TRUE(ReadPack((packs / std::filesystem::path(pack).filename()).string(), entries));
    ASSERT_EQ(entries.size(), table.size());
    for (size_t i = 0; i < table.size(); ++i) {
      std::string name = table[i].name;
      std::replace(name.begin(), name.end(), '\\', '/');
      EXPECT_EQ(entries[i].name, name);
      if (name.substr(name.size() - 4) != ".png") continue;
      Picture decoded;
      ASSERT_TRUE(DecodePng(entries[i].data, decoded)) << name;
      EXPECT_EQ(decoded.rgba, Painted(table[i].number).rgba) << name;
    }
  };
  check(tetrisPack, tetrisEntries);
  check(ducksPack, duckEntries);
  check(sugarPack, sugarEntries);
}
