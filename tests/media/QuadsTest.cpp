// Quads: turning a picture puts its parts where a clockwise turn puts them, zoomed as asked.
#include <gtest/gtest.h>

#include <vector>

#include "media/Media.h"
#include "support/Headless.h"

namespace {

int ScreenAt(int x, int y) {
  BeginDraw(DrawTargetKind::Screen);
  int colour = PixelColour(x, y);
  EndDraw();
  return colour;
}

TEST(Quads, AQuarterTurnClockwisePutsTheLeftHalfOnTop) {
  EnsureHeadlessMedia();
  std::vector<uint32_t> pixels(20 * 10);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) pixels[y * 20 + x] = x < 10 ? 0xFFFF0000u : 0xFF0000FFu;
  }
  ASSERT_TRUE(SpriteFromPixels(7001, 20, 10, pixels.data(), kSpriteQuadTexture | kSpriteKeepAlpha));
  ASSERT_TRUE(QuadFromSprite(7001, 7001));
  for (float degrees : {90.0f, 450.0f}) {
    ClearFrame(0);
    ASSERT_TRUE(BeginQuads());
    RotateQuad(7001, degrees, 0);
    DrawQuad(7001, 100, 100);  // centred on (110, 105)
    EndQuads();
    EXPECT_EQ(ScreenAt(110, 98), ColorRGB(255, 0, 0)) << degrees;
    EXPECT_EQ(ScreenAt(110, 112), ColorRGB(0, 0, 255)) << degrees;
    EXPECT_EQ(ScreenAt(101, 105), 0) << "the turned picture is 10 wide";
  }
  // Twice the size, still turned about its centre.
  ClearFrame(0);
  ASSERT_TRUE(BeginQuads());
  ZoomQuad(7001, 40, 20);
  RotateQuad(7001, 90, 0);
  DrawQuad(7001, 90, 95);  // centred on (110, 105): 20 wide and 40 high once turned
  EndQuads();
  EXPECT_EQ(ScreenAt(110, 90), ColorRGB(255, 0, 0));
  EXPECT_EQ(ScreenAt(110, 120), ColorRGB(0, 0, 255));
  EXPECT_EQ(ScreenAt(98, 105), 0);
  // Half a turn, half off the left edge of the screen: what stays on screen is the turned picture's right
  // half, the original left (red) one, and nothing is folded back.
  ClearFrame(0);
  ASSERT_TRUE(BeginQuads());
  ZoomQuad(7001, 20, 10);
  RotateQuad(7001, 180, 0);
  DrawQuad(7001, -10, 100);
  EndQuads();
  EXPECT_EQ(ScreenAt(0, 105), ColorRGB(255, 0, 0));
  EXPECT_EQ(ScreenAt(9, 102), ColorRGB(255, 0, 0));
  EXPECT_EQ(ScreenAt(10, 105), 0);
  ReleaseQuad(7001);
  ReleaseSprite(7001);
}

}  // namespace
