// Sprite blits and 2D drawing checked pixel by pixel: clips, keyed and opaque blits at the target's edges,
// blended quads at the screen's edges, and text drawn as wide as it is measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/Playfield.h"

#include "media/Media.h"
#include "support/Headless.h"

namespace {

constexpr int kPicture = 7101, kTarget = 7102;
const int red = ColorRGB(255, 0, 0), blue = ColorRGB(0, 0, 255), grey = ColorRGB(40, 40, 40);

int ScreenAt(int x, int y) {
  BeginDraw(DrawTargetKind::Screen);
  int colour = PixelColour(x, y);
  EndDraw();
  return colour;
}

// A 10 x 10 picture: red with a black (key colour) left half on its top five rows.
void MakePicture() {
  std::vector<uint32_t> pixels(100, 0xFFFF0000u);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) pixels[y * 10 + x] = 0xFF000000u;
  ASSERT_TRUE(SpriteFromPixels(kPicture, 10, 10, pixels.data(), kSpriteQuadTexture | kSpriteKeepAlpha));
}

// Both targets: the back buffer (drawn by the renderer) and a sprite (drawn on the processor).
class Blits : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    EnsureHeadlessMedia();
    MakePicture();
    ASSERT_TRUE(CreateBlankSprite(kTarget, 40, 30, 0));
    Clear();
  }
  void TearDown() override {
    BlitTarget(-1);
    ReleaseSprite(kPicture);
    ReleaseSprite(kTarget);
  }
  bool IntoSprite() const { return GetParam(); }
  void Clear() {
    BlitTarget(-1);
    ClearFrame(grey);
    BeginDraw(DrawTargetKind::Sprite, kTarget);
    FillBox(0, 0, 40, 30, grey);
    EndDraw();
    BlitTarget(IntoSprite() ? kTarget : -1);
  }
  int At(int x, int y) {
    if (!IntoSprite()) return ScreenAt(x, y);
    uint32_t p = SpritePixel(kTarget, x, y);
    return ColorRGB((p >> 16) & 255, (p >> 8) & 255, p & 255);
  }
  // How many pixels of the 40 x 30 corner differ from the cleared grey.
  int Changed() {
    int n = 0;
    if (!IntoSprite()) BeginDraw(DrawTargetKind::Screen);  // one copy of the back buffer for all pixels
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        uint32_t p = SpritePixel(kTarget, x, y);
        int colour = IntoSprite() ? ColorRGB((p >> 16) & 255, (p >> 8) & 255, p & 255) : PixelColour(x, y);
        n += colour != grey;
      }
    if (!IntoSprite()) EndDraw();
    return n;
  }
};

TEST_P(Blits, AClipBlitsOnlyItsPartAndAnEmptyClipNothing) {
  SetSpriteClip(kPicture, 5, 5, 3, 2);
  BlitSprite(kPicture, 20, 10);  // the clip's corner lands on (20, 10)
  EXPECT_EQ(At(20, 10), red);
  EXPECT_EQ(At(22, 11), red);
  EXPECT_EQ(At(23, 10), grey);
  EXPECT_EQ(At(20, 12), grey);
  EXPECT_EQ(Changed(), 6);
  // Empty, or wholly outside the sprite: nothing at all is drawn, keyed or not.
  for (auto [x, y, w, h] : {std::array{0, 0, 0, 0}, std::array{2, 2, 5, 0}, std::array{10, 0, 4, 4},
                            std::array{-6, -6, 5, 5}, std::array{0, 0, -3, 4}}) {
    Clear();
    SetSpriteClip(kPicture, x, y, w, h);
    BlitSprite(kPicture, 20, 10);
    BlitSpriteKeyed(kPicture, 0, 0);
    EXPECT_EQ(Changed(), 0) << x << " " << y << " " << w << " " << h;
  }
  // All four -1 give the whole sprite back.
  Clear();
  SetSpriteClip(kPicture, -1, -1, -1, -1);
  BlitSprite(kPicture, 20, 10);
  EXPECT_EQ(Changed(), 100);
}

TEST_P(Blits, KeyedAndOpaqueBlitsAreClippedToTheTargetAtEveryEdge) {
  // Half off the top-left corner: only the picture's bottom-right quarter lands, all red.
  BlitSpriteKeyed(kPicture, -5, -5);
  EXPECT_EQ(Changed(), 25);
  EXPECT_EQ(At(0, 0), red);
  EXPECT_EQ(At(4, 4), red);
  // Keyed at the bottom-right edge of the target: the black corner stays grey; opaque it is black.
  Clear();
  int right = IntoSprite() ? 40 : screenWidth, bottom = IntoSprite() ? 30 : screenHeight;
  BlitSpriteKeyed(kPicture, right - 7, bottom - 7);
  EXPECT_EQ(At(right - 7, bottom - 7), grey);
  EXPECT_EQ(At(right - 2, bottom - 7), red);
  EXPECT_EQ(At(right - 7, bottom - 2), red);
  EXPECT_EQ(At(right - 1, bottom - 1), red);
  Clear();
  BlitSprite(kPicture, right - 7, bottom - 7);
  EXPECT_EQ(At(right - 7, bottom - 7), 0);
  EXPECT_EQ(At(right - 1, bottom - 1), red);
  // Wholly outside: nothing.
  Clear();
  BlitSprite(kPicture, -10, 0);
  BlitSpriteKeyed(kPicture, 0, -10);
  EXPECT_EQ(Changed(), 0);
}

TEST_P(Blits, AFilledBoxIsCutToItsTargetAndXorTwiceLeavesThePixelsAsTheyWere) {
  auto box = [&](int x, int y, int w, int h, int colour, int mode) {
    if (IntoSprite()) BeginDraw(DrawTargetKind::Sprite, kTarget);
    else BeginDraw(DrawTargetKind::Screen);
    SetDrawMode(mode);
    FillBox(x, y, w, h, colour);
    SetDrawMode(0);
    EndDraw();
  };
  // Over the top-left corner: the 6 x 4 inside part alone, its edges exact.
  box(-4, -6, 10, 10, red, 0);
  EXPECT_EQ(Changed(), 24);
  EXPECT_EQ(At(5, 3), red);
  EXPECT_EQ(At(6, 3), grey);
  EXPECT_EQ(At(5, 4), grey);
  // Wholly left of the target, or of no width: nothing.
  Clear();
  box(-20, 0, 20, 10, red, 0);
  box(3, 3, 0, 10, red, 0);
  EXPECT_EQ(Changed(), 0);
  // Xor flips the colour bits and a second pass flips them back.
  box(2, 2, 5, 5, blue, kDrawXor);
  EXPECT_EQ(Changed(), 25);
  EXPECT_EQ(At(2, 2), grey ^ blue);
  box(2, 2, 5, 5, blue, kDrawXor);
  EXPECT_EQ(Changed(), 0);
  // An outline is the border alone: 2 * 5 + 2 * 3 pixels.
  box(2, 2, 5, 5, red, kDrawOutline);
  EXPECT_EQ(Changed(), 16);
  EXPECT_EQ(At(4, 4), grey);
}

// Color channels within `slack` of each other.
void ExpectNear(int got, int want, int slack, const char* what) {
  EXPECT_NEAR(ColorRed(got), ColorRed(want), slack) << what;
  EXPECT_NEAR(ColorGreen(got), ColorGreen(want), slack) << what;
  EXPECT_NEAR(ColorBlue(got), ColorBlue(want), slack) << what;
}

TEST(BlendedQuads, HalfAlphaMixesAdditiveAddsAndTheScreenEdgeCutsCleanly) {
  EnsureHeadlessMedia();
  std::vector<uint32_t> pixels(100, 0xFFFF0000u);
  ASSERT_TRUE(SpriteFromPixels(kPicture, 10, 10, pixels.data(), kSpriteQuadTexture | kSpriteKeepAlpha));
  ASSERT_TRUE(QuadFromSprite(kPicture, kPicture));
  ClearFrame(blue);
  ASSERT_TRUE(BeginQuads());
  QuadBlendMode(5, 6);                       // normal transparency
  DrawQuadAlpha(kPicture, -5, 100, 128);     // half off the left edge
  DrawQuadAlpha(kPicture, screenWidth - 5, 200, 255);  // half off the right edge, opaque
  QuadBlendMode(5, 2);                       // additive glow
  DrawQuadAlpha(kPicture, 300, 300, 128);
  EndQuads();
  BeginDraw(DrawTargetKind::Screen);
  ExpectNear(PixelColour(0, 105), ColorRGB(128, 0, 127), 2, "half red over blue");
  ExpectNear(PixelColour(4, 109), ColorRGB(128, 0, 127), 2, "to the quad's last column");
  EXPECT_EQ(PixelColour(5, 105), blue) << "the part past the edge is not folded back";
  EXPECT_EQ(PixelColour(screenWidth - 1, 205), red);
  EXPECT_EQ(PixelColour(screenWidth - 6, 205), blue);
  ExpectNear(PixelColour(305, 305), ColorRGB(128, 0, 255), 2, "half red added to blue");
  EXPECT_EQ(PixelColour(310, 305), blue);
  EndDraw();
  QuadBlendMode(5, 6);
  ReleaseQuad(kPicture);
  ReleaseSprite(kPicture);
}

// What the text measures is where its ink lies: a line breaker that measures and a drawing that draws
// agree to the pixel on where the text ends.
TEST(TextMeasure, DrawnInkStaysInsideTheMeasuredBoxAndNearlyFillsIt) {
  EnsureHeadlessMedia();
  for (const std::string text : {"CORRIDOR", "ELEVATOR AVATAR", "Wavy tilt, 1972!", "i"}) {
    ClearFrame(0);
    ASSERT_TRUE(BeginDraw(DrawTargetKind::Screen));
    SetDrawFont(-1);
    SetDrawMode(kDrawTransparentText);
    int width = TextPixelWidth(text), height = TextPixelHeight(text);
    DrawTextAt(100, 100, text, ColorRGB(255, 255, 255));
    int left = screenWidth, right = -1;
    for (int y = 90; y < 110 + height + 10; ++y)
      for (int x = 80; x < 120 + width + 20; ++x)
        if (PixelColour(x, y) != 0) left = std::min(left, x), right = std::max(right, x);
    EndDraw();
    ASSERT_GE(right, 0) << text << ": nothing drawn";
    EXPECT_GE(left, 100) << text;
    EXPECT_LT(right, 100 + width) << text;
    EXPECT_GE(right - 100 + 1, width - 4) << text << ": the measure is wider than the ink";
  }
}

INSTANTIATE_TEST_SUITE_P(ScreenAndSprite, Blits, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "IntoASprite" : "OnTheScreen"; });

}  // namespace
