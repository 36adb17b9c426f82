// The CPU triangle filler: SDL's pictures for every blend, the viewport, shared edges, bilinear texels, bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "media/Media.h"
#include "media/Compositor.h"
#include "media/TriangleFill.h"
#include "support/Headless.h"

namespace {

constexpr int kW = 1024, kH = 768;
constexpr int kSmooth = 7101, kSmoothAlpha = 7102;

std::vector<uint32_t> ScreenPixels() {
  std::vector<uint32_t> pixels(kW * kH);
  BeginDraw(DrawTargetKind::Screen);
  const uint8_t* base = DrawBufferAddress();
  for (int y = 0; y < kH; ++y) std::memcpy(&pixels[y * kW], base + y * DrawBufferPitch(), kW * 4);
  EndDraw();
  return pixels;
}

struct Scene {
  int sprite = -1;
  std::vector<QuadVertex> vertices;
  std::vector<int> indices;
  int source = 5, destination = 6;  // the factor pair
  int background = ColorRGB(40, 60, 90);
  int viewport[4] = {0, 0, kW, kH};
};

std::vector<uint32_t> Drawn(const Scene& scene, bool throughRenderer) {
  ClearFrame(scene.background);
  media::DrawThroughRenderer(throughRenderer);
  EXPECT_TRUE(BeginQuads());
  QuadBlendMode(scene.source, scene.destination);
  QuadFiltering(0);  // SDL's software renderer takes the nearest texel
  SetViewport(scene.viewport[0], scene.viewport[1], scene.viewport[2], scene.viewport[3]);
  DrawTriangles(scene.sprite, scene.vertices.data(), static_cast<int>(scene.vertices.size()), scene.indices.data(),
                static_cast<int>(scene.indices.size()));
  EndQuads();
  FullViewport();
  QuadFiltering(1);
  media::DrawThroughRenderer(false);
  return ScreenPixels();
}

bool Covered(const std::vector<uint32_t>& p, int x, int y, uint32_t background) {
  return x >= 0 && y >= 0 && x < kW && y < kH && (p[y * kW + x] & 0xFFFFFFu) != background;
}

// Draws the scene both ways. Where both cover a pixel their colours may differ by little on average; a pixel
// that only one covers must touch one the other covers.
void ExpectLikeTheRenderer(const Scene& scene, const char* what) {
  std::vector<uint32_t> theirs = Drawn(scene, true), ours = Drawn(scene, false);
  uint32_t background = (scene.background & 255) << 16 | (scene.background & 0xFF00) | (scene.background >> 16 & 255);
  long both = 0, stray = 0;
  double difference = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      bool a = Covered(theirs, x, y, background), b = Covered(ours, x, y, background);
      if (a && b) {
        for (int shift = 0; shift < 24; shift += 8)
          difference += std::abs(int(theirs[y * kW + x] >> shift & 255) - int(ours[y * kW + x] >> shift & 255));
        both += 1;
      } else if (a != b) {
        const std::vector<uint32_t>& other = a ? ours : theirs;
        bool near = false;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) near = near || Covered(other, x + dx, y + dy, background);
        stray += near ? 0 : 1;
      }
    }
  }
  ASSERT_GT(both, 1000) << what;
  EXPECT_LT(difference / (3.0 * both), 2.0) << what;
  EXPECT_EQ(stray, 0) << what;
}

QuadVertex V(float x, float y, float u, float v, int r = 255, int g = 255, int b = 255, int a = 255) {
  return {x, y, uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a), u, v};
}

class TriangleFill : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureHeadlessMedia();
    // Smooth ramps, a level a texel: red across, green down; the second also fades in alpha across.
    std::vector<uint32_t> smooth(256 * 256), faded(256 * 256);
    for (uint32_t y = 0; y < 256; ++y)
      for (uint32_t x = 0; x < 256; ++x) {
        smooth[y * 256 + x] = 0xFF000000u | x << 16 | y << 8 | (255 - (x + y) / 2);
        faded[y * 256 + x] = (64 + x * 3 / 4) << 24 | x << 16 | y << 8 | 128;
      }
    ASSERT_TRUE(SpriteFromPixels(kSmooth, 256, 256, smooth.data(), kSpriteQuadTexture));
    ASSERT_TRUE(SpriteFromPixels(kSmoothAlpha, 256, 256, faded.data(), kSpriteQuadTexture | kSpriteKeepAlpha));
  }
  void TearDown() override {
    ReleaseSprite(kSmooth);
    ReleaseSprite(kSmoothAlpha);
  }
  // A 240 x 200 quad at (100, 100) as two triangles, the texture once across it, with the corners' colours.
  static Scene Quad(int sprite, int source, int destination, const int (&colours)[4][4]) {
    Scene s;
    s.sprite = sprite;
    s.source = source;
    s.destination = destination;
    const float corners[4][4] = {{100, 100, 0, 0}, {340, 100, 1, 0}, {340, 300, 1, 1}, {100, 300, 0, 1}};
    for (int k = 0; k < 4; ++k) {
      const int* c = colours[k];
      s.vertices.push_back(V(corners[k][0], corners[k][1], corners[k][2], corners[k][3], c[0], c[1], c[2], c[3]));
    }
    s.indices = {0, 1, 2, 0, 2, 3};
    return s;
  }
};

TEST_F(TriangleFill, EveryBlendLooksAsTheRendererDrawsIt) {
  const int white[4][4] = {{255, 255, 255, 255}, {255, 255, 255, 255}, {255, 255, 255, 255}, {255, 255, 255, 255}};
  const int lit[4][4] = {{255, 200, 90, 255}, {120, 255, 255, 255}, {30, 60, 90, 255}, {255, 255, 255, 255}};
  const int fading[4][4] = {{255, 255, 255, 255}, {255, 180, 90, 200}, {90, 255, 180, 60}, {255, 255, 255, 120}};
  ExpectLikeTheRenderer(Quad(kSmooth, 5, 6, white), "opaque texture");
  ExpectLikeTheRenderer(Quad(kSmooth, 5, 6, lit), "opaque texture, coloured corners");
  ExpectLikeTheRenderer(Quad(kSmoothAlpha, 5, 6, fading), "texture alpha and corner alpha blended");
  Scene added = Quad(kSmoothAlpha, 5, 2, fading);
  added.background = ColorRGB(200, 100, 50);  // red and green saturate in parts
  ExpectLikeTheRenderer(added, "additive");
  Scene modulated = Quad(kSmooth, 1, 3, lit);
  modulated.background = ColorRGB(230, 200, 170);
  ExpectLikeTheRenderer(modulated, "modulated");
  ExpectLikeTheRenderer(Quad(-1, 5, 6, lit), "untextured, coloured corners");
  ExpectLikeTheRenderer(Quad(-1, 5, 6, fading), "untextured, blended");
  ExpectLikeTheRenderer(Quad(-1, 5, 2, fading), "untextured, additive");
}

TEST_F(TriangleFill, ATriangleLeavingTheViewportIsCutAtIt) {
  Scene s;
  s.sprite = kSmooth;
  s.vertices = {V(-300.3f, 80.6f, 0, 0, 255, 200, 100), V(700.7f, 150.2f, 1, 0.2f), V(250.1f, 900.9f, 0.4f, 1)};
  s.indices = {0, 1, 2};
  s.viewport[0] = 150, s.viewport[1] = 140, s.viewport[2] = 300, s.viewport[3] = 230;
  ExpectLikeTheRenderer(s, "cut by the viewport");
  std::vector<uint32_t> ours = Drawn(s, false);
  int inside = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      bool drawn = (ours[y * kW + x] & 0xFFFFFFu) != 0x283C5Au;
      bool within = x >= 150 && x < 450 && y >= 140 && y < 370;
      if (drawn && !within) FAIL() << "drawn outside the viewport at " << x << ", " << y;
      inside += drawn ? 1 : 0;
    }
  EXPECT_EQ(inside, 300 * 230) << "the triangle covers the whole viewport";
}

// Pixels of a plain buffer, for the filler on its own.
struct Canvas {
  std::vector<uint32_t> pixels = std::vector<uint32_t>(64 * 64, 0xFF000000u);
  media::PixelRows rows{pixels.data(), 64, 64, 64};
  void Fill(const std::vector<QuadVertex>& v, const std::vector<int>& i, media::FillBlend blend,
            const media::FillTexture& texture = {}) {
    media::FillTriangles(rows, {0, 0, 64, 64}, texture, blend, v.data(), static_cast<int>(v.size()),
                         i.empty() ? nullptr : i.data(), static_cast<int>(i.size()));
  }
  int Drawn() const {
    int n = 0;
    for (uint32_t p : pixels) n += p != 0xFF000000u ? 1 : 0;
    return n;
  }
};

TEST(TriangleFiller, TrianglesSharingEdgesDrawEveryPixelOnce) {
  // A fan of twelve triangles round a pixel centre, adding 1 to green: any pixel drawn twice shows 2, any
  // gap 0. Eight of the edges run through pixel centres (across, down and diagonally), where the fill rule decides.
  Canvas canvas;
  std::vector<QuadVertex> v = {V(32.5f, 32.5f, 0, 0, 0, 1, 0)};
  const float ring[12][2] = {{4.5f, 4.5f},   {20.25f, 3},    {32.5f, 2.5f},  {60.5f, 4.5f},
                             {62, 18.75f},   {61.5f, 32.5f}, {60.5f, 60.5f}, {45.6f, 60.9f},
                             {32.5f, 61.5f}, {4.5f, 60.5f},  {2.7f, 47.3f},  {3.5f, 32.5f}};
  std::vector<int> fan;
  for (int k = 0; k < 12; ++k) {
    v.push_back(V(ring[k][0], ring[k][1], 0, 0, 0, 1, 0));
    fan.insert(fan.end(), {0, 1 + k, 1 + (k + 1) % 12});
  }
  canvas.Fill(v, fan, media::FillBlend::Add);
  int once = 0;
  for (int y = 10; y < 54; ++y)
    for (int x = 10; x < 54; ++x) {
      uint32_t green = canvas.pixels[y * 64 + x] >> 8 & 255;
      EXPECT_EQ(green, 1u) << x << ", " << y;
      once += green == 1 ? 1 : 0;
    }
  EXPECT_EQ(once, 44 * 44);
  // Half-open: a 10 x 10 square from whole-pixel corners covers exactly 10 x 10 pixels.
  Canvas square;
  square.Fill({V(5, 5, 0, 0), V(15, 5, 0, 0), V(15, 15, 0, 0), V(5, 15, 0, 0)}, {0, 1, 2, 0, 2, 3},
              media::FillBlend::Replace);
  EXPECT_EQ(square.Drawn(), 100);
  EXPECT_EQ(square.pixels[5 * 64 + 5], 0xFFFFFFFFu);
  EXPECT_EQ(square.pixels[15 * 64 + 14], 0xFF000000u);
}

TEST(TriangleFiller, BilinearTexelsBlendBetweenCentresAndHoldAtTheEdges) {
  // Black and white texels stretched over 200 pixels: black up to the first texel's centre (pixel 50), then a
  // ramp to white at the second's (pixel 150), white beyond; the nearest texel switches at pixel 100.
  const uint32_t texels[2] = {0xFF000000u, 0xFFFFFFFFu};
  media::FillTexture texture{texels, 2, 2, 1, true, true};
  std::vector<uint32_t> pixels(256 * 4, 0);
  media::PixelRows rows{pixels.data(), 256, 256, 4};
  std::vector<QuadVertex> v = {V(0, 0, 0, 0), V(200, 0, 1, 0), V(200, 4, 1, 1), V(0, 4, 0, 1)};
  std::vector<int> i = {0, 1, 2, 0, 2, 3};
  media::FillTriangles(rows, {0, 0, 256, 4}, texture, media::FillBlend::Replace, v.data(), 4, i.data(), 6);
  auto red = [&](int x) { return int(pixels[256 + x] >> 16 & 255); };
  EXPECT_EQ(red(10), 0);
  EXPECT_EQ(red(49), 0);
  EXPECT_NEAR(red(100), 128, 2);
  EXPECT_NEAR(red(75), 64, 2);
  EXPECT_EQ(red(155), 255);
  EXPECT_EQ(red(199), 255);
  EXPECT_EQ(pixels[256 + 200], 0u) << "the right edge is not drawn";
  for (int x = 51; x < 150; ++x) EXPECT_LE(red(x - 1), red(x)) << x;
  texture.bilinear = false;
  media::FillTriangles(rows, {0, 0, 256, 4}, texture, media::FillBlend::Replace, v.data(), 4, i.data(), 6);
  EXPECT_EQ(red(99), 0);
  EXPECT_EQ(red(100), 255);
}

TEST(TriangleFiller, BadTrianglesDrawNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  Canvas canvas;
  canvas.Fill({V(5, 5, 0, 0), V(40, 40, 0, 0), V(20, 20, 0, 0)}, {0, 1, 2}, media::FillBlend::Replace);  // a line
  canvas.Fill({V(5, 5, 0, 0), V(5, 5, 0, 0), V(5, 5, 0, 0)}, {}, media::FillBlend::Replace);             // a point
  // A sliver between two columns of pixel centres:
  canvas.Fill({V(10.2f, 10, 0, 0), V(10.4f, 50, 0, 0), V(10.3f, 30, 0, 0)}, {}, media::FillBlend::Replace);
  canvas.Fill({V(nan, 5, 0, 0), V(40, 5, 0, 0), V(40, 40, 0, 0)}, {}, media::FillBlend::Replace);
  canvas.Fill({V(5, 5, 0, 0), V(inf, 5, 0, 0), V(40, 40, 0, 0)}, {}, media::FillBlend::Replace);
  canvas.Fill({V(-1e9f, -1e9f, 0, 0), V(1e9f, -1e9f, 0, 0), V(0, 1e9f, 0, 0)}, {}, media::FillBlend::Replace);
  canvas.Fill({V(5, 5, 0, 0), V(40, 5, 0, 0), V(40, 40, 0, 0)}, {0, 1, 3, 0, -1, 2}, media::FillBlend::Replace);
  canvas.Fill({V(5, 5, 0, 0), V(40, 5, 0, 0)}, {}, media::FillBlend::Replace);  // not a whole triangle
  EXPECT_EQ(canvas.Drawn(), 0);
  // Texture coordinates that are not numbers, or far outside 0..1, are clamped into the texture.
  const uint32_t texel = 0xFF336699u;
  media::FillTexture texture{&texel, 1, 1, 1, false, true};
  canvas.Fill({V(5, 5, nan, -7), V(40, 5, 1e30f, nan), V(40, 40, -inf, 3)}, {}, media::FillBlend::Replace, texture);
  EXPECT_EQ(canvas.pixels[10 * 64 + 30], texel);
  // Through the media layer too: nothing drawn, nothing broken.
  EnsureHeadlessMedia();
  Scene broken;
  broken.vertices = {V(nan, 5, 0, 0), V(40, 5, 0, 0), V(40, 40, 0, 0), V(1e30f, 1, 0, 0)};
  broken.indices = {0, 1, 2, 3, 1, 2, 1, 2, 99};
  std::vector<uint32_t> after = Drawn(broken, false);
  for (uint32_t p : after) ASSERT_EQ(p & 0xFFFFFFu, 0x283C5Au);
}

}  // namespace
