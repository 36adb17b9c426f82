// Tests of the screens' pictures and flash: the sizes and places the game's drawing relies on, keyed pictures
// the colour key can show, seamless tiling, the numeral's footprint, the flash's loudness, and determinism.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "screens/ScreenArt.h"
#include "screens/ScreenPaint.h"
#include "sfx/EffectMaster.h"

namespace {

// Every menu picture is painted once for the whole file.
const Picture& Menu(MenuItem item) {
  static std::map<int, Picture> cache;
  auto found = cache.find(item);
  if (found == cache.end()) found = cache.emplace(item, PaintMenuPicture(item)).first;
  return found->second;
}

bool Shows(const Picture& p, int x, int y) {
  const uint8_t* px = p.At(x, y);
  return px[3] >= 128 && (px[0] | px[1] | px[2]) != 0;
}

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
};

// The box round the pixels the colour key lets through.
Box KeyedInk(const Picture& p) {
  Box box;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (Shows(p, x, y)) {
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      }
  return box;
}

double Luma(const uint8_t* p) { return (0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2]) / 255.0; }

// Mean absolute difference of two rows (all four channels), per pixel.
double RowStep(const Picture& p, int a, int b) {
  double sum = 0;
  for (int x = 0; x < p.width; ++x)
    for (int c = 0; c < 4; ++c) sum += std::abs(int(p.At(x, a)[c]) - int(p.At(x, b)[c]));
  return sum / p.width;
}

double ColumnStep(const Picture& p, int a, int b) {
  double sum = 0;
  for (int y = 0; y < p.height; ++y)
    for (int c = 0; c < 4; ++c) sum += std::abs(int(p.At(a, y)[c]) - int(p.At(b, y)[c]));
  return sum / p.height;
}

const MenuItem kEntries[] = {menuStartGame, menuCredits, menuQuit, menuDifficultyNormal, menuDifficultyHard,
                             menuContinue, menuContinueDisabled};

}  // namespace

TEST(ScreenArt, MenuPicturesHaveTheSizesTheMenuDrawsThemAt) {
  const std::map<MenuItem, std::pair<int, int>> sizes = {
      {menuTitleLetter, {256, 256}}, {menuTitleFire, {256, 256}}, {menuBlueBar, {256, 256}},
      {menuSubtitle, {1024, 60}},    {menuFrame, {1024, 768}},     {menuCaption, {1024, 40}},
      {menuBall, {64, 64}},          {menuSpark, {32, 32}},        {menuBlueRing, {128, 128}},
      {menuRedBar, {128, 128}},      {menuBackground, {1024, 768}}};
  for (const auto& [item, size] : sizes) {
    EXPECT_EQ(Menu(item).width, size.first) << item;
    EXPECT_EQ(Menu(item).height, size.second) << item;
  }
  for (MenuItem item : kEntries) {
    EXPECT_EQ(Menu(item).width, 1024) << item;
    EXPECT_EQ(Menu(item).height, 64) << item;
  }
  // The word mark slides in to x -3 and must be gone left of the numeral at x 590.
  const Box mark = KeyedInk(Menu(menuLogo));
  EXPECT_LE(Menu(menuLogo).width - 3, 590);
  EXPECT_GE(mark.right - mark.left, 480) << "the word mark is big";
  EXPECT_GE(mark.bottom - mark.top, 90);
  // The pointer's hot spot is its tip, the first pixel, and it is small.
  EXPECT_TRUE(Shows(Menu(menuCursor), 0, 0));
  EXPECT_LE(Menu(menuCursor).width, 32);
  EXPECT_LE(Menu(menuCursor).height, 32);
  // The sound and the music are not pictures.
  EXPECT_FALSE(PaintMenuPicture(menuFlashSound).Valid());
}

TEST(ScreenArt, KeyedPicturesHaveHardAlphaAndNoPureBlackThatWouldVanish) {
  for (int i = 0; i < menuEntryCount; ++i) {
    if (menuEntries[i].kind != MenuEntryKind::Image) continue;
    const Picture& p = Menu(static_cast<MenuItem>(i));
    int visible = 0;
    for (size_t k = 0; k < p.rgba.size(); k += 4) {
      const uint8_t a = p.rgba[k + 3];
      ASSERT_TRUE(a == 0 || a == 255) << menuEntries[i].name << " has soft alpha " << int(a);
      if (a == 255) {
        ++visible;
        ASSERT_FALSE(p.rgba[k] == 0 && p.rgba[k + 1] == 0 && p.rgba[k + 2] == 0 && i != menuBackground)
            << menuEntries[i].name << " has pure black where it should show";
      }
    }
    EXPECT_GT(visible, 0) << menuEntries[i].name;
  }
  const Picture title = PaintCreditsTitle();
  for (size_t k = 3; k < title.rgba.size(); k += 4) ASSERT_TRUE(title.rgba[k] == 0 || title.rgba[k] == 255);
  EXPECT_FALSE(KeyedInk(title).Empty());
  EXPECT_LE(KeyedInk(title).bottom, 160);
}

TEST(ScreenArt, HardeningFollowsTheGamesKey) {
  Picture p(4, 1);
  const uint8_t pixels[4][4] = {{200, 10, 10, 127}, {200, 10, 10, 128}, {0, 0, 0, 255}, {5, 6, 7, 0}};
  for (int x = 0; x < 4; ++x) std::copy(pixels[x], pixels[x] + 4, p.At(x, 0));
  screens::HardenAlpha(p);
  EXPECT_EQ(p.At(0, 0)[3], 0);
  EXPECT_EQ(p.At(0, 0)[0], 0);
  EXPECT_EQ(p.At(1, 0)[3], 255);
  EXPECT_EQ(p.At(1, 0)[0], 200);
  EXPECT_TRUE(Shows(p, 2, 0)) << "black that should show is lifted off the key";
  EXPECT_FALSE(Shows(p, 3, 0));
}

TEST(ScreenArt, TheGroundTilesVerticallyAndTheFrameLeavesTheMiddleClear) {
  const Picture& ground = Menu(menuBackground);
  for (size_t k = 3; k < ground.rgba.size(); k += 4) ASSERT_EQ(ground.rgba[k], 255);
  // The wrap from the bottom row to the top row is no bigger a step than ordinary neighbouring rows.
  std::vector<double> steps;
  for (int y = 0; y + 1 < ground.height; ++y) steps.push_back(RowStep(ground, y, y + 1));
  std::sort(steps.begin(), steps.end());
  const double typical = steps[steps.size() * 9 / 10];
  EXPECT_LE(RowStep(ground, ground.height - 1, 0), typical * 1.2 + 1.0);
  // Dark and calm: the menu's letters stand out on it.
  double sum = 0;
  for (size_t k = 0; k < ground.rgba.size(); k += 4) sum += Luma(&ground.rgba[k]);
  EXPECT_LT(sum / (ground.width * ground.height), 0.15);

  const Picture& frame = Menu(menuFrame);
  for (int y = 60; y < 700; ++y)
    for (int x = 60; x < 964; ++x) ASSERT_FALSE(Shows(frame, x, y)) << "the frame reaches in at " << x << "," << y;
  EXPECT_TRUE(Shows(frame, 0, 0) && Shows(frame, 1023, 767) && Shows(frame, 512, 2) && Shows(frame, 2, 400));
}

TEST(ScreenArt, ChoicesAreCentredLettersOnTheirLine) {
  std::map<MenuItem, double> brightness;
  for (MenuItem item : kEntries) {
    const Picture& p = Menu(item);
    const Box ink = KeyedInk(p);
    ASSERT_FALSE(ink.Empty()) << item;
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 512, 4) << item;
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 33, 4) << item;
    EXPECT_GE(ink.bottom - ink.top, 34) << item;
    EXPECT_LE(ink.bottom - ink.top, 52) << item;
    EXPECT_GE(ink.top, 4) << item;
    double sum = 0;
    int count = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (Shows(p, x, y)) sum += Luma(p.At(x, y)), ++count;
    brightness[item] = sum / count;
  }
  // The same words, one chosen and one not: same place, clearly duller.
  EXPECT_LT(brightness[menuContinueDisabled], brightness[menuContinue] * 0.7);
  const Box caption = KeyedInk(Menu(menuCaption));
  EXPECT_NEAR((caption.left + caption.right) / 2.0, 512, 4);
  const Box subtitle = KeyedInk(Menu(menuSubtitle));
  EXPECT_LT(subtitle.right, 590) << "the subtitle stays under the word mark, clear of the numeral";
  EXPECT_GE(subtitle.bottom - subtitle.top, 26);
}

TEST(ScreenArt, TheNumeralsStrokeReadsAsIIIWhenDrawnThreeTimes) {
  for (MenuItem item : {menuTitleLetter, menuTitleFire}) {
    const Picture& p = Menu(item);
    // Across the middle of the stem: one solid run 40 to 48 pixels wide, centred.
    int left = -1, right = -1;
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, 128)[3] >= 200) {
        if (left < 0) left = x;
        right = x;
      }
    EXPECT_GE(right - left + 1, 40) << item;
    EXPECT_LE(right - left + 1, 50) << item;
    EXPECT_NEAR((left + right) / 2.0, 127.5, 2) << item;
    // Nearly full height, and clear well away from it, so copies 60 apart stay three strokes.
    int top = -1, bottom = -1;
    for (int y = 0; y < p.height; ++y)
      if (p.At(128, y)[3] >= 200) {
        if (top < 0) top = y;
        bottom = y;
      }
    EXPECT_GE(bottom - top, 220) << item;
    for (int y = 0; y < p.height; ++y) {
      ASSERT_LT(p.At(128 - 60 + 22, y)[3] + p.At(128 + 60 - 22, y)[3], 2 * 200) << item << " row " << y;
      for (int x : {0, 40, 215, 255}) ASSERT_LT(p.At(x, y)[3], 40) << item << " at " << x << "," << y;
    }
  }
}

TEST(ScreenArt, GlowsAreSoftCentredAndTheBandsTileAcross) {
  for (MenuItem band : {menuBlueBar, menuRedBar}) {
    const Picture& p = Menu(band);
    EXPECT_LE(ColumnStep(p, p.width - 1, 0), ColumnStep(p, 0, 1) * 2 + 2.0) << "band " << band << " seams";
    // Its light is centred on the middle row, and clear at the top and bottom edges.
    double weight = 0, moment = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) weight += p.At(x, y)[3], moment += p.At(x, y)[3] * (y + 0.5);
    EXPECT_NEAR(moment / weight, p.height / 2.0, 1.5) << band;
    for (int x = 0; x < p.width; ++x) ASSERT_LT(p.At(x, 0)[3] + p.At(x, p.height - 1)[3], 8) << band;
  }
  // The red bar is about 40 pixels tall.
  const Picture& red = Menu(menuRedBar);
  int tall = 0;
  for (int y = 0; y < red.height; ++y) tall += red.At(64, y)[3] >= 64;
  EXPECT_GE(tall, 24);
  EXPECT_LE(tall, 56);
  for (MenuItem glow : {menuSpark, menuBlueRing, menuBall}) {
    const Picture& p = Menu(glow);
    const int c = p.width / 2;
    EXPECT_LT(p.At(0, 0)[3] + p.At(p.width - 1, p.height - 1)[3], 4) << "corners of " << glow;
    EXPECT_NEAR(p.At(c - p.width / 4, c)[3], p.At(c + p.width / 4 - 1, c)[3], 40) << glow;
  }
  EXPECT_GT(Menu(menuSpark).At(16, 16)[3], 200);
  EXPECT_LT(Menu(menuBlueRing).At(64, 64)[3], 60) << "the halo is a ring, open in the middle";
  EXPECT_GT(Menu(menuBall).At(32, 32)[3], 250);
}

TEST(ScreenArt, StoryBackgroundsAreOpaqueAndCalmWhereTheLettersGo) {
  for (StoryScene scene : {StoryScene::Intro, StoryScene::Ending, StoryScene::GameOver}) {
    const Picture p = PaintStoryBackground(scene);
    ASSERT_EQ(p.width, 1024);
    ASSERT_EQ(p.height, 768);
    double middle = 0, brightest = 0;
    int count = 0;
    for (int y = 100; y < 550; ++y)
      for (int x = 200; x < 824; ++x) {
        middle += Luma(p.At(x, y)), ++count;
        brightest = std::max(brightest, Luma(p.At(x, y)));
      }
    EXPECT_LT(middle / count, 0.4) << static_cast<int>(scene);
    EXPECT_GT(brightest, 0.15) << "scene " << static_cast<int>(scene) << " is not blank";
    for (size_t k = 3; k < p.rgba.size(); k += 4) ASSERT_EQ(p.rgba[k], 255);
  }
}

TEST(ScreenArt, LogosAndCreditPicturesFadeToClearAtTheirEdges) {
  const std::pair<LogoKind, std::pair<int, int>> logos[] = {
      {LogoKind::Game, {700, 300}}, {LogoKind::Publisher, {600, 300}}, {LogoKind::Maker, {512, 384}}};
  for (const auto& [kind, size] : logos) {
    const Picture p = PaintLogo(kind);
    EXPECT_EQ(p.width, size.first);
    EXPECT_EQ(p.height, size.second);
    EXPECT_EQ(p.At(0, 0)[3], 0);
    EXPECT_EQ(p.At(p.width - 1, p.height - 1)[3], 0);
  }
  std::vector<Picture> pictures;
  for (int n = 0; n < creditsPictureCount; ++n) {
    pictures.push_back(PaintCreditsPicture(n));
    const Picture& p = pictures.back();
    ASSERT_EQ(p.width, creditsPictureSize);
    ASSERT_EQ(p.height, creditsPictureSize);
    for (int i = 0; i < p.width; ++i) {
      ASSERT_EQ(p.At(i, 0)[3], 0) << n;
      ASSERT_EQ(p.At(0, i)[3], 0) << n;
      ASSERT_EQ(p.At(i, p.height - 1)[3], 0) << n;
    }
    EXPECT_EQ(p.At(5, 5)[3], 0) << "rounded corners";
    EXPECT_EQ(p.At(256, 256)[3], 255) << n;
  }
  // Ten distinct vignettes.
  for (size_t i = 0; i < pictures.size(); ++i)
    for (size_t j = i + 1; j < pictures.size(); ++j) {
      double sum = 0;
      for (size_t k = 0; k < pictures[i].rgba.size(); ++k) sum += std::abs(pictures[i].rgba[k] - pictures[j].rgba[k]);
      EXPECT_GT(sum / (512.0 * 512.0), 20.0) << i << " and " << j;
    }
}

TEST(ScreenArt, LetteringFitsTheWidthItIsGiven) {
  Canvas canvas(400, 80);
  cairo_t* cr = canvas.cr();
  double left = 0, right = 0;
  screens::Lettering look{"DejaVu Sans", true, 40, 6, 1.0, 300};
  screens::LetteringPath(cr, "A LONG LINE OF CAPITALS", 200, 60, look, &left, &right);
  EXPECT_LE(right - left, 301);
  EXPECT_GE(right - left, 280);
  EXPECT_NEAR((left + right) / 2, 200, 1);
  double x1, y1, x2, y2;
  cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
  EXPECT_NEAR(x1, left, 1.5);
  EXPECT_NEAR(x2, right, 1.5);
  EXPECT_NEAR(y2 - y1, 40, 2.5);  // round letters overshoot the cap height a little
}

TEST(ScreenArt, TheFlashIsMasteredAndCleanAtBothEnds) {
  const std::vector<float> s = RenderMenuFlash();
  const double seconds = s.size() / double(menuFlashRate);
  EXPECT_GE(seconds, 1.0);
  EXPECT_LE(seconds, 1.5);
  // Mastered as the menu plays it: a reward's loudness, under the effects' ceiling.
  const EffectPlay& play = *FindEffectPlay(Sound::TitleFlash);
  MasteredLevels played = MeasurePlayed(s, play);
  EXPECT_NEAR(played.lufs, ClassTargetLufs(play.kind), 6.0);
  EXPECT_LE(played.truePeakDb, EffectCeilingDbtp(play.volume));
  EXPECT_EQ(s.front(), 0.0f);
  EXPECT_EQ(s.back(), 0.0f);
  float early = 0;
  for (size_t i = 0; i < 220; ++i) early = std::max(early, std::fabs(s[i]));
  EXPECT_GT(early, 0.05f) << "no silence before the hit";
  // The file: a 44-byte header, then 16-bit mono at the flash's rate.
  const std::vector<uint8_t> wav = MakeMenuFlashSound();
  ASSERT_EQ(wav.size(), 44 + s.size() * 2);
  EXPECT_EQ(wav[22] | wav[23] << 8, 1);
  EXPECT_EQ(wav[24] | wav[25] << 8 | wav[26] << 16, menuFlashRate);
  EXPECT_EQ(wav[34], 16);
}

TEST(ScreenArt, PaintingIsDeterministic) {
  EXPECT_EQ(PaintMenuPicture(menuBackground).rgba, Menu(menuBackground).rgba);
  EXPECT_EQ(PaintMenuPicture(menuLogo).rgba, Menu(menuLogo).rgba);
  EXPECT_EQ(PaintCreditsPicture(8).rgba, PaintCreditsPicture(8).rgba);
  EXPECT_EQ(PaintLogo(LogoKind::Maker).rgba, PaintLogo(LogoKind::Maker).rgba);
  EXPECT_EQ(MakeMenuFlashSound(), MakeMenuFlashSound());
}
