// The CPU triangle filler: SDL's pictures for every blend, the viewport, shared edges, bilinear texels, bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "media/Media.h"
#include "media/Compositor.h"
#include "media/TriangleFill.h"
#include "media/WideSpans.h"
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

// A texture of w x h texels set up for wrapping: one more column and row, copies of the first.
struct WrapTexture {
  std::vector<uint32_t> texels;
  media::FillTexture texture;
  WrapTexture(int w, int h, bool opaque, unsigned seed) : texels(static_cast<size_t>(w + 1) * (h + 1)) {
    std::mt19937 numbers(seed);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) texels[y * (w + 1) + x] = opaque ? numbers() | 0xFF000000u : numbers();
    for (int y = 0; y <= h; ++y) texels[y * (w + 1) + w] = texels[(y % h) * (w + 1)];
    for (int x = 0; x <= w; ++x) texels[h * (w + 1) + x] = texels[x];
    texture = {texels.data(), w + 1, w, h, opaque, true, true};
  }
};

// The four-pixel AVX2 loops fill what the two-pixel ones fill, bit for bit: random triangles, every blend,
// tinted or not, textures with and without alpha, inside a texture, across its edges and wrapping.
TEST(TriangleFiller, TheWideLoopsFillThePixelsOfTheTwoPixelLoops) {
  if (!media::WideSpansAvailable()) GTEST_SKIP() << "the processor has no AVX2";
  std::mt19937 numbers(11);
  auto real = [&](float low, float high) { return std::uniform_real_distribution<float>(low, high)(numbers); };
  auto level = [&] { return static_cast<int>(numbers() % 256); };
  std::vector<uint32_t> plain(128 * 128), smooth(128 * 128);
  for (uint32_t& p : plain) p = numbers();
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) smooth[y * 128 + x] = static_cast<uint32_t>((x * 2) << 24 | x << 16 | y << 8 | 77);
  WrapTexture wrapping(64, 32, false, 5), wrappingOpaque(16, 128, true, 6);
  media::FillTexture textures[] = {{plain.data(), 128, 128, 128, false, true},
                                   {plain.data(), 128, 128, 128, true, true},
                                   {smooth.data(), 128, 128, 128, false, true},
                                   wrapping.texture,
                                   wrappingOpaque.texture};
  for (const media::FillTexture& texture : textures) {
    for (media::FillBlend blend : {media::FillBlend::Replace, media::FillBlend::Blend, media::FillBlend::Add,
                                   media::FillBlend::Modulate}) {
      for (int round = 0; round < 40; ++round) {
        std::vector<QuadVertex> v;
        bool tint = round % 2 == 1, level_v = round % 5 == 0;
        float spread = texture.wrap ? 3.5f : 1.2f;
        for (int k = 0; k < 3; ++k) {
          QuadVertex q = V(real(-20, 220), real(-20, 220), real(-0.1f, spread), real(-0.1f, spread));
          if (tint) q.r = uint8_t(level()), q.g = uint8_t(level()), q.b = uint8_t(level()), q.a = uint8_t(level());
          v.push_back(q);
        }
        if (level_v) v[1].v = v[0].v, v[2].y = v[0].y + 40;  // some spans along one texel row
        std::vector<uint32_t> beneath(200 * 200);
        for (uint32_t& p : beneath) p = numbers();
        std::vector<uint32_t> wide = beneath, narrow = beneath;
        for (bool on : {true, false}) {
          media::UseWideSpans(on);
          std::vector<uint32_t>& to = on ? wide : narrow;
          media::FillTriangles({to.data(), 200, 200, 200}, {3, 5, 197, 190}, texture, blend, v.data(), 3, nullptr, 0);
        }
        media::UseWideSpans(true);
        ASSERT_EQ(wide, narrow) << "blend " << static_cast<int>(blend) << " round " << round << " wrap "
                                << texture.wrap << " opaque " << texture.opaque;
      }
    }
  }
}

// Two layers in one pass lay what the first layer over all the triangles and then the second multiplied over
// them lay, in both the wide and the two-pixel loops, tinted or not, for every blend of the first.
TEST(TriangleFiller, TwoLayersInOnePassLayWhatTwoPassesLay) {
  std::mt19937 numbers(17);
  auto real = [&](float low, float high) { return std::uniform_real_distribution<float>(low, high)(numbers); };
  WrapTexture fire(64, 64, true, 8), glow(16, 32, true, 9), clear(32, 32, false, 10);
  // A fan of triangles that share edges and never cover one another, as a 3D plane's do.
  std::vector<QuadVertex> v;
  std::vector<float> second;
  for (int k = 0; k < 9; ++k) {
    QuadVertex q = V(real(10, 190), real(10, 190), real(-2, 3), real(-2, 3), 40 + 20 * k, 255 - 9 * k, 90, 255);
    v.push_back(q);
    second.push_back(real(-0.5f, 1.5f));
    second.push_back(real(-0.5f, 1.5f));
  }
  v[0] = V(100, 100, 0.5f, 0.5f, 200, 180, 160);
  std::vector<int> fan;
  // Corners 1..8 round the centre, in order of their angle about it.
  std::vector<int> ring = {1, 2, 3, 4, 5, 6, 7, 8};
  std::sort(ring.begin(), ring.end(), [&](int a, int b) {
    return std::atan2(v[a].y - 100, v[a].x - 100) < std::atan2(v[b].y - 100, v[b].x - 100);
  });
  for (int k = 0; k < 8; ++k) fan.insert(fan.end(), {0, ring[k], ring[(k + 1) % 8]});
  for (const media::FillTexture* first : {&fire.texture, &clear.texture}) {
    for (media::FillBlend blend : {media::FillBlend::Replace, media::FillBlend::Blend, media::FillBlend::Add}) {
      for (bool tint : {true, false}) {
        std::vector<QuadVertex> corners = v;
        if (!tint)
          for (QuadVertex& c : corners) c.r = c.g = c.b = c.a = 255;
        std::vector<uint32_t> beneath(200 * 200);
        for (uint32_t& p : beneath) p = numbers() | 0xFF000000u;
        std::vector<uint32_t> twoPasses = beneath;
        media::PixelRows rows{twoPasses.data(), 200, 200, 200};
        media::FillTriangles(rows, {0, 0, 200, 200}, *first, blend, corners.data(), 9, fan.data(), 24);
        std::vector<QuadVertex> modulating = corners;
        for (size_t i = 0; i < modulating.size(); ++i) {
          modulating[i].r = modulating[i].g = modulating[i].b = modulating[i].a = 255;
          modulating[i].u = second[2 * i];
          modulating[i].v = second[2 * i + 1];
        }
        media::FillTriangles(rows, {0, 0, 200, 200}, glow.texture, media::FillBlend::Modulate, modulating.data(), 9,
                             fan.data(), 24);
        long changed = 0;
        for (size_t i = 0; i < beneath.size(); ++i) changed += twoPasses[i] != beneath[i] ? 1 : 0;
        ASSERT_GT(changed, 3000) << "the fan covers the middle of the picture";
        media::FillSecondLayer layer{glow.texture, second.data()};
        for (bool wide : {true, false}) {
          media::UseWideSpans(wide);
          std::vector<uint32_t> onePass = beneath;
          media::FillTriangles({onePass.data(), 200, 200, 200}, {0, 0, 200, 200}, *first, blend, corners.data(), 9,
                               fan.data(), 24, &layer);
          ASSERT_EQ(onePass, twoPasses) << "blend " << static_cast<int>(blend) << " tint " << tint << " wide " << wide;
        }
        media::UseWideSpans(true);
      }
    }
  }
}

// A wrapping texture repeats at every whole number of u and v, wherever the triangle's coordinates lie, and
// coordinates far off or not numbers never read outside it.
TEST(TriangleFiller, AWrappingTextureRepeatsAtWholeNumbers) {
  WrapTexture wrap(8, 4, true, 3);
  auto fill = [&](float u0, float v0, media::FillBlend blend = media::FillBlend::Replace) {
    std::vector<uint32_t> pixels(64 * 32, 0xFF000000u);
    // 64 x 32 pixels over two repeats across and two down: a repeat every 32 pixels across, 16 down.
    std::vector<QuadVertex> v = {V(0, 0, u0, v0), V(64, 0, u0 + 2, v0), V(64, 32, u0 + 2, v0 + 2),
                                 V(0, 32, u0, v0 + 2)};
    std::vector<int> i = {0, 1, 2, 0, 2, 3};
    media::FillTriangles({pixels.data(), 64, 64, 32}, {0, 0, 64, 32}, wrap.texture, blend, v.data(), 4, i.data(), 6);
    return pixels;
  };
  std::vector<uint32_t> first = fill(0, 0);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(first[y * 64 + x], first[y * 64 + x + 32]) << x << ", " << y;
      if (y < 16) {
        ASSERT_EQ(first[y * 64 + x], first[(y + 16) * 64 + x]) << x << ", " << y;
      }
    }
  EXPECT_EQ(fill(3, -5), first) << "whole repeats away";
  EXPECT_EQ(fill(-1000, 700), first);
  // Past the last texel's centre the filter blends it with the first, as inside the texture: pixel (31, 0)
  // lies between columns 7 and 0 and between rows 3 and 0.
  uint32_t seam = first[31];
  const uint32_t around[4] = {wrap.texels[7], wrap.texels[0], wrap.texels[3 * 9 + 7], wrap.texels[3 * 9]};
  for (int shift = 0; shift < 24; shift += 8) {
    int low = 255, high = 0, m = seam >> shift & 255;
    for (uint32_t t : around) low = std::min(low, int(t >> shift & 255)), high = std::max(high, int(t >> shift & 255));
    EXPECT_GE(m, low - 1);
    EXPECT_LE(m, high + 1);
  }
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::vector<uint32_t> pixels(64 * 32, 0);
  for (float far : {1e9f, -3e8f, nan, std::numeric_limits<float>::infinity()}) {
    std::vector<QuadVertex> v = {V(0, 0, far, 0), V(64, 0, 0, far), V(0, 32, 1e6f, -far)};
    media::FillTriangles({pixels.data(), 64, 64, 32}, {0, 0, 64, 32}, wrap.texture, media::FillBlend::Blend, v.data(), 3,
                         nullptr, 0);
  }
  // Sides that are not powers of two cannot wrap: nothing is drawn.
  EXPECT_FALSE(media::CanWrapTexture(6, 8));
  EXPECT_TRUE(media::CanWrapTexture(1, 16384));
  media::FillTexture odd = wrap.texture;
  odd.width = 6;
  std::vector<uint32_t> untouched(64 * 32, 0);
  std::vector<QuadVertex> v = {V(0, 0, 0, 0), V(64, 0, 1, 0), V(0, 32, 0, 1)};
  media::FillTriangles({untouched.data(), 64, 64, 32}, {0, 0, 64, 32}, odd, media::FillBlend::Replace, v.data(), 3,
                       nullptr, 0);
  EXPECT_EQ(untouched, std::vector<uint32_t>(64 * 32, 0));
}

}  // namespace
