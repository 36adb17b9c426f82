// The CPU compositor: quads and blits as SDL's software renderer draws them, the same frame whatever the
// thread count, and the SSE2 span loops against the plain ones.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "media/Compositor.h"
#include "media/Media.h"
#include "media/PictureSpans.h"
#include "media/WideSpans.h"
#include "support/Headless.h"

namespace {

// Test numbers of their own, apart from the game's generator.
struct Numbers {
  std::mt19937 engine;
  explicit Numbers(unsigned seed) : engine(seed) {}
  int Below(int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); }
};

constexpr int kW = 1024, kH = 768;
constexpr int kOpaque = 7201, kAlpha = 7202, kKeyed = 7203;

std::vector<uint32_t> FramePixels() {
  std::vector<uint32_t> pixels(kW * kH);
  BeginDraw(DrawTargetKind::Screen);
  const uint8_t* base = DrawBufferAddress();
  for (int y = 0; y < kH; ++y) std::memcpy(&pixels[y * kW], base + y * DrawBufferPitch(), kW * 4);
  EndDraw();
  return pixels;
}

// Draws the same thing through SDL's software renderer and through the compositor.
struct Both {
  std::vector<uint32_t> sdl, ours;
};
Both DrawnBothWays(const std::function<void()>& draw) {
  Both both;
  for (bool throughSdl : {true, false}) {
    media::DrawThroughRenderer(throughSdl);
    ClearFrame(ColorRGB(40, 60, 90));
    draw();
    (throughSdl ? both.sdl : both.ours) = FramePixels();
  }
  media::DrawThroughRenderer(false);
  return both;
}

bool Differs(uint32_t a, uint32_t b, int by) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int(a >> shift & 255) - int(b >> shift & 255)) > by) return true;
  return false;
}

// How far the two pictures may differ: pixels differing by more than `rounding` levels with no such pixel
// within one pixel of them in the other picture (`far`) or with one (`near`: edges half a pixel apart), and
// the mean difference of all channels of the frame.
struct Limits {
  int rounding = 6;
  long far = 0, near = 0;
  double mean = 0.05;
};

void ExpectAlike(const Both& both, const std::string& what, const Limits& limits) {
  const int roundingLevels = limits.rounding;
  long far = 0, near = 0;
  double difference = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      uint32_t a = both.sdl[y * kW + x], b = both.ours[y * kW + x];
      for (int shift = 0; shift < 24; shift += 8) difference += std::abs(int(a >> shift & 255) - int(b >> shift & 255));
      if (!Differs(a, b, roundingLevels)) continue;
      bool shifted = false;
      for (int dy = -1; dy <= 1 && !shifted; ++dy)
        for (int dx = -1; dx <= 1 && !shifted; ++dx) {
          int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= kW || ny >= kH) continue;
          shifted = !Differs(a, both.ours[ny * kW + nx], roundingLevels) ||
                    !Differs(b, both.sdl[ny * kW + nx], roundingLevels);
        }
      (shifted ? near : far) += 1;
    }
  }
  EXPECT_LE(far, limits.far) << what;
  EXPECT_LE(near, limits.near) << what << ": pixels half a pixel apart";
  EXPECT_LT(difference / (3.0 * kW * kH), limits.mean) << what;
}

class Compositor : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureHeadlessMedia();
    // Smooth ramps (so that sampling differences stay small) with a hard-edged hole in the keyed one.
    std::vector<uint32_t> opaque(64 * 48), alpha(64 * 48), keyed(64 * 48);
    for (uint32_t y = 0; y < 48; ++y)
      for (uint32_t x = 0; x < 64; ++x) {
        opaque[y * 64 + x] = 0xFF000000u | (x * 4) << 16 | (y * 5) << 8 | 200;
        uint32_t a = x < 8 ? 0 : std::min(255u, (x - 8) * 6 + y);
        alpha[y * 64 + x] = a << 24 | 250 << 16 | (y * 5) << 8 | (x * 3);
        keyed[y * 64 + x] = (x > 20 && x < 40 && y > 10 && y < 30) ? 0xFFFF00FFu : opaque[y * 64 + x];
      }
    ASSERT_TRUE(SpriteFromPixels(kOpaque, 64, 48, opaque.data(), kSpriteQuadTexture));
    ASSERT_TRUE(SpriteFromPixels(kAlpha, 64, 48, alpha.data(), kSpriteQuadTexture | kSpriteKeepAlpha));
    ASSERT_TRUE(SpriteFromPixels(kKeyed, 64, 48, keyed.data(), 0));
    SetSpriteKeyColour(kKeyed, ColorRGB(255, 0, 255));
    ASSERT_TRUE(QuadFromSprite(kOpaque, kOpaque));
    ASSERT_TRUE(QuadFromSprite(kAlpha, kAlpha));
  }
  void TearDown() override {
    for (int n : {kOpaque, kAlpha}) ReleaseQuad(n);
    for (int n : {kOpaque, kAlpha, kKeyed}) ReleaseSprite(n);
    FullViewport();
    QuadFiltering(1);
  }
};

// Every blend pair the game uses, at its own size and zoomed, faded or not, filtered or not, turned by
// quarter turns and by other angles, and cut at each edge of a viewport.
TEST_F(Compositor, QuadsLookAsTheRendererDrawsThemForEveryBlendClipEdgeAndTurn) {
  const int pairs[][2] = {{5, 6}, {5, 2}, {5, 7}, {1, 3}};
  for (const auto& pair : pairs) {
    for (int filtering : {0, 1}) {
      for (float angle : {0.0f, 90.0f, 180.0f, 270.0f, 45.0f, 15.0f}) {
        std::string what = "blend " + std::to_string(pair[0]) + "," + std::to_string(pair[1]) + " filtering " +
                           std::to_string(filtering) + " turned " + std::to_string(static_cast<int>(angle));
        Both both = DrawnBothWays([&] {
          ASSERT_TRUE(BeginQuads());
          QuadBlendMode(pair[0], pair[1]);
          QuadFiltering(filtering);
          SetViewport(200, 150, 500, 400);
          int placed = 0;
          for (int quad : {kOpaque, kAlpha}) {
            for (float zoom : {1.0f, 2.5f}) {
              for (int alpha : {255, 140}) {
                ZoomQuad(quad, 64 * zoom, 48 * zoom);
                RotateQuad(quad, angle, 0);
                // Along the viewport's edges, half in and half out, and one inside.
                const float spots[][2] = {{180, 300}, {650, 320}, {400, 130}, {420, 520}, {300.0f + placed, 250}};
                const float* at = spots[placed % 5];
                DrawQuadAlpha(quad, at[0], at[1] + placed * 3, alpha);
                placed += 1;
              }
            }
            ZoomQuad(quad, 64, 48);
            RotateQuad(quad, 0, 0);
          }
          EndQuads();
          FullViewport();
        });
        // The renderer's zoomed pictures pick their nearest texels by another mapping, and it turns a picture
        // by drawing a turned copy (sampled bilinearly, at 5 degree steps) in its box: edges and texels fall
        // half a pixel apart, no more.
        Limits limits;
        if (angle == 0.0f) {
          limits = {6, filtering ? 0L : 250L, 2500, 0.05};
        } else if (pair[0] == 1 && std::fmod(angle, 90.0f) != 0.0f) {
          // Multiplying, the renderer darkens the empty corners of the turned copy's box; the compositor
          // leaves what lies beside the turned picture alone.
          continue;
        } else {
          limits = {6, 4000, 10000, 0.25};
        }
        ExpectAlike(both, what, limits);
      }
    }
  }
}

// Blits copy texel for texel, cut at the frame's edges but not at the viewport, keyed or not, with a clip.
TEST_F(Compositor, BlitsAreTheRenderersPixelsExactly) {
  Both both = DrawnBothWays([&] {
    SetViewport(300, 300, 100, 100);  // blits take no notice of it
    for (int sprite : {kOpaque, kKeyed}) {
      BlitSprite(sprite, -20, -10);
      BlitSpriteKeyed(sprite, kW - 30, kH - 20);
      BlitSpriteKeyed(sprite, 310, 320);
      SetSpriteClip(sprite, 10, 5, 30, 20);
      BlitSpriteKeyed(sprite, 500, 100);
      BlitSprite(sprite, 600, 100);
      SetSpriteClip(sprite, -1, -1, -1, -1);
    }
    FullViewport();
  });
  EXPECT_EQ(both.sdl, both.ours);
}

// A picture blitted and opaque triangles drawn straight over it (a background under a 3D scene) land as they
// do drawn apart: the picture is left out only where the triangles cover it, along their edges too, on several
// threads; translucent triangles over it leave it whole beneath.
TEST_F(Compositor, APictureUnderOpaqueTrianglesIsLeftOutOnlyWhereTheyCoverIt) {
  const QuadVertex fan[5] = {{130.4f, 210.7f, 255, 255, 255, 255, 0, 0},
                             {370.2f, 190.1f, 200, 255, 90, 255, 1, 0},
                             {410.9f, 420.3f, 255, 120, 255, 255, 1, 1},
                             {160.6f, 460.8f, 90, 200, 255, 255, 0, 1},
                             {100.5f, 330.5f, 255, 255, 255, 255, 0, 0.5f}};
  const int indices[9] = {0, 1, 2, 0, 2, 3, 0, 3, 4};
  for (int alpha : {255, 180}) {
    std::vector<QuadVertex> corners(fan, fan + 5);
    for (QuadVertex& c : corners) c.a = static_cast<uint8_t>(alpha);
    std::vector<std::vector<uint32_t>> frames;
    for (bool apart : {false, true}) {
      ClearFrame(ColorRGB(40, 60, 90));
      for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 12; ++y) BlitSprite(kOpaque, 64 * x, 48 * y);
      BlitSprite(kOpaque, 95, 300);  // right under the triangles' edges, the last before them
      if (apart) FinishDrawing();
      BeginQuads();
      QuadBlendMode(5, 6);
      DrawTriangles(kOpaque, corners.data(), 5, indices, 9);
      EndQuads();
      frames.push_back(FramePixels());
    }
    EXPECT_EQ(frames[0], frames[1]) << "alpha " << alpha;
  }
}

// The frame comes out bit for bit the same whether one thread draws it or several split it in bands.
TEST_F(Compositor, TheFrameIsTheSameWhateverTheNumberOfDrawingThreads) {
  auto draw = [&] {
    ClearFrame(ColorRGB(10, 20, 30));
    Numbers random(7);
    BeginQuads();
    for (int i = 0; i < 300; ++i) {
      int quad = i % 2 ? kAlpha : kOpaque;
      QuadBlendMode(5, i % 3 ? 6 : 2);
      QuadFiltering(i % 4 != 0);
      float zoom = 0.5f + random.Below(400) / 100.0f;
      ZoomQuad(quad, 64 * zoom, 48 * zoom);
      RotateQuad(quad, static_cast<float>(random.Below(360)), 0);
      DrawQuadAlpha(quad, static_cast<float>(random.Below(1100)) - 50, static_cast<float>(random.Below(820)) - 50,
                    60 + random.Below(196));
      if (i % 50 == 0) BlitSpriteKeyed(kKeyed, random.Below(1000), random.Below(740));
    }
    EndQuads();
    ZoomQuad(kOpaque, 64, 48);
    ZoomQuad(kAlpha, 64, 48);
    RotateQuad(kOpaque, 0, 0);
    RotateQuad(kAlpha, 0, 0);
    return FramePixels();
  };
  int threads = DrawThreads();
  SetDrawThreads(1);
  std::vector<uint32_t> alone = draw();
  for (int count : {2, 3, 7}) {
    SetDrawThreads(count);
    EXPECT_EQ(draw(), alone) << count << " threads";
  }
  SetDrawThreads(threads);
}

// Zoomed and turned pictures drawn again are laid from kept copies. Unturned, a copy has the very pixels that
// sampling afresh gives; turned, its corners land within half a pixel of where the exact turn puts them.
TEST_F(Compositor, KeptCopiesOfZoomedAndTurnedPicturesLookAsPicturesSampledAfresh) {
  for (float angle : {0.0f, 30.0f, 135.0f}) {
    auto draw = [&] {
      ClearFrame(ColorRGB(40, 60, 90));
      BeginQuads();
      SetViewport(100, 80, 800, 600);
      for (int pass = 0; pass < 2; ++pass) {  // the second pass lays the copies the first one kept
        int placed = 0;
        for (int pair : {6, 2}) {
          QuadBlendMode(5, pair);
          for (int filtering : {1, 0}) {
            QuadFiltering(filtering);
            for (int quad : {kOpaque, kAlpha}) {
              for (float zoom : {0.75f, 1.5f, 2.25f}) {
                for (int alpha : {255, 150}) {
                  ZoomQuad(quad, std::floor(64 * zoom), std::floor(48 * zoom));
                  RotateQuad(quad, angle, 0);
                  // Some cut by the viewport's edges.
                  float x = 60.0f + static_cast<float>(placed % 8) * 115;
                  float y = 50.0f + static_cast<float>(placed / 8) * 95;
                  DrawQuadAlpha(quad, x, y, alpha);
                  placed += 1;
                }
              }
            }
          }
        }
      }
      EndQuads();
      ZoomQuad(kOpaque, 64, 48);
      ZoomQuad(kAlpha, 64, 48);
      RotateQuad(kOpaque, 0, 0);
      RotateQuad(kAlpha, 0, 0);
      FullViewport();
      QuadFiltering(1);
      return FramePixels();
    };
    media::KeepShapedCopies(false);
    Both both;
    both.sdl = draw();
    media::KeepShapedCopies(true);
    both.ours = draw();
    if (angle == 0.0f) {
      EXPECT_EQ(both.sdl, both.ours);
    } else {
      ExpectAlike(both, "turned " + std::to_string(static_cast<int>(angle)), Limits{6, 3000, 8000, 0.25});
    }
  }
}

// However many shapes are drawn, the kept copies stay within their budget.
TEST_F(Compositor, KeptCopiesStayWithinTheirBudget) {
  BeginQuads();
  QuadBlendMode(5, 2);
  for (int round = 0; round < 2; ++round) {
    for (int size = 60; size < 110; ++size) {
      for (int angle = 0; angle < 360; angle += 10) {
        ZoomQuad(kAlpha, static_cast<float>(size), static_cast<float>(size));
        RotateQuad(kAlpha, static_cast<float>(angle), 0);
        DrawQuadAlpha(kAlpha, 300, 300, 200);
      }
    }
    FinishDrawing();
    if (round == 1) {
      EXPECT_GT(media::ShapedCopyBytes(), 24L << 20);
    }
    EXPECT_LE(media::ShapedCopyBytes(), 48L << 20);
  }
  EndQuads();
  ZoomQuad(kAlpha, 64, 48);
  RotateQuad(kAlpha, 0, 0);
}

// An unturned picture is copied only when it comes back the next frame at the same size: one growing frame by
// frame (an explosion's pictures at their own sizes) makes no copies; a stretched picture drawn every frame,
// even as large as the field, is laid from its copy, to the very pixels sampling afresh gives.
TEST_F(Compositor, UnturnedPicturesAreCopiedWhenTheyComeBackTheNextFrame) {
  auto frame = [](int quad, float w, float h) {
    BeginQuads();
    ZoomQuad(quad, w, h);
    DrawQuadAlpha(quad, 40, 30, 255);
    EndQuads();
    PresentFrame(0);
  };
  long before = media::ShapedCopyBytes();
  for (int size = 70; size < 90; ++size) frame(kAlpha, static_cast<float>(size), static_cast<float>(size));
  EXPECT_EQ(media::ShapedCopyBytes(), before) << "a new size every frame";
  frame(kOpaque, 700, 500);
  EXPECT_EQ(media::ShapedCopyBytes(), before);
  frame(kOpaque, 700, 500);
  EXPECT_EQ(media::ShapedCopyBytes(), before + 700L * 500 * 4) << "back the next frame";
  std::vector<uint32_t> fromCopy = FramePixels();
  media::KeepShapedCopies(false);
  frame(kOpaque, 700, 500);
  media::KeepShapedCopies(true);
  EXPECT_EQ(FramePixels(), fromCopy);
  ZoomQuad(kOpaque, 64, 48);
  ZoomQuad(kAlpha, 64, 48);
}

// A turned picture not worth a copy is filled straight into the frame, to the very pixels its copy lays once
// the picture comes back the next frame and a copy is kept, wherever it lies (partly off the field too).
TEST_F(Compositor, TurnedPicturesFilledStraightLookAsTheirCopies) {
  int shape = 0;
  for (float x : {300.0f, -20.0f, 990.0f}) {
    std::vector<std::vector<uint32_t>> frames;
    long before = media::ShapedCopyBytes();
    shape += 2;
    for (int round = 0; round < 2; ++round) {
      ClearFrame(ColorRGB(40, 60, 90));
      BeginQuads();
      for (int pair : {6, 2}) {
        QuadBlendMode(5, pair);
        ZoomQuad(kAlpha, static_cast<float>(83 + shape + pair), 61);  // a shape of its own for each draw
        RotateQuad(kAlpha, 33, 0);
        DrawQuadAlpha(kAlpha, x, 200 + 100.0f * (pair == 2), 170);
      }
      EndQuads();
      frames.push_back(FramePixels());
      PresentFrame(0);
      if (round == 0) {
        EXPECT_EQ(media::ShapedCopyBytes(), before) << "no copy the first time";
      }
    }
    EXPECT_GT(media::ShapedCopyBytes(), before) << "kept the second time";
    EXPECT_EQ(frames[0], frames[1]) << "at " << x;
  }
  RotateQuad(kAlpha, 0, 0);
  ZoomQuad(kAlpha, 64, 48);
}

// The AVX2 and the SSE2 loops lay the very pixels of the plain ones, for every blend, fade and row length.
TEST(PictureSpans, TheFastAndThePlainLoopsLayTheSamePixels) {
  Numbers random(3);
  std::vector<uint32_t> source(37), beneath(37);
  for (bool wide : {true, false}) {
    media::UseWideSpans(wide);
    for (media::FillBlend blend : {media::FillBlend::Replace, media::FillBlend::Blend, media::FillBlend::Add,
                                   media::FillBlend::Modulate}) {
      for (uint32_t alpha : {255u, 200u, 128u, 1u}) {
        for (uint32_t orMask : {0u, 0xFF000000u}) {
          for (int count = 0; count <= 37; ++count) {
            for (uint32_t& p : source) {
              uint32_t a = random.Below(4) == 0   ? 0u
                           : random.Below(3) == 0 ? 255u
                                                  : static_cast<uint32_t>(random.Below(256));
              p = a << 24 | static_cast<uint32_t>(random.Below(1 << 24));
            }
            for (uint32_t& p : beneath) p = static_cast<uint32_t>(random.Below(1 << 24)) | 0xFF000000u;
            std::vector<uint32_t> fast = beneath, plain = beneath;
            media::LayPaint paint{blend, alpha, orMask};
            media::LaySpan(fast.data(), source.data(), count, paint);
            media::LaySpanPlain(plain.data(), source.data(), count, paint);
            ASSERT_EQ(fast, plain) << "blend " << static_cast<int>(blend) << " alpha " << alpha << " count " << count
                                   << (wide ? " (AVX2)" : " (SSE2)");
          }
        }
      }
    }
  }
  media::UseWideSpans(true);
}

}  // namespace
