// Quads: turning a picture puts its parts where a clockwise turn puts them, zoomed as asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "media/Compositor.h"
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

// Where SDL's software renderer draws (--gpu on a machine without one), turned copies are kept to save
// turning a picture again, but within a memory budget: a large picture drawn at every angle does not keep
// them all, and an angle whose copy was dropped draws as it did.
TEST(Quads, TurnedCopiesStayWithinTheirBudgetAndDrawTheSameOnceRemade) {
  EnsureHeadlessMedia();
  media::DrawThroughRenderer(true);
  const int size = 400;
  std::vector<uint32_t> pixels(size * size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels[y * size + x] = 0xFF000000u | (static_cast<uint32_t>((x * 7) << 8 | (y * 3)) & 0xFFFFFFu);
  ASSERT_TRUE(SpriteFromPixels(7004, size, size, pixels.data(), kSpriteQuadTexture));
  ASSERT_TRUE(QuadFromSprite(7004, 7004));
  auto draw = [](float degrees) {
    ClearFrame(0);
    BeginQuads();
    RotateQuad(7004, degrees, 0);
    DrawQuad(7004, 312, 184);
    EndQuads();
    std::vector<int> row;
    BeginDraw(DrawTargetKind::Screen);
    for (int x = 200; x < 824; x += 3) row.push_back(PixelColour(x, 384));
    EndDraw();
    return row;
  };
  std::vector<int> first = draw(45);
  long most = 0;
  for (int degrees = 0; degrees < 360; degrees += 5) {
    draw(static_cast<float>(degrees));
    most = std::max(most, TurnedCopyBytes());
  }
  EXPECT_LE(most, TurnedCopyBudget());
  EXPECT_GT(most, TurnedCopyBudget() / 2) << "copies are kept up to the budget";
  EXPECT_EQ(draw(45), first);
  media::DrawThroughRenderer(false);
  RotateQuad(7004, 0, 0);
  ReleaseQuad(7004);
  ReleaseSprite(7004);
}

}  // namespace
