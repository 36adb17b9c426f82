// Screen-space triangles filled on the CPU straight into 32-bit pixels, for the software renderer's surface.
#pragma once

#include <cstdint>

#include "media/Media.h"

namespace media {

enum class FillBlend { Replace, Blend, Add, Modulate };

// ARGB8888 pixels, row after row.
struct PixelRows {
  uint32_t* pixels = nullptr;
  int pitch = 0;               // pixels from one row to the next
  int width = 0, height = 0;   // pixels
};

// The texture the triangles sample; pixels null: the vertex colours alone.
struct FillTexture {
  const uint32_t* pixels = nullptr;  // ARGB8888
  int pitch = 0;                     // texels from one row to the next
  int width = 0, height = 0;         // texels, at most kLargestFillTexture
  bool opaque = false;               // the texels' alpha is taken as 255
  bool bilinear = false;             // false: the nearest texel
  // The texture repeats instead of stopping at its edges: width and height are powers of two, and `pixels`
  // holds one more column and one more row (copies of the first) so that a bilinear pair never needs a wrap.
  bool wrap = false;
};

struct FillClip {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // pixels; x1 and y1 are outside
};

constexpr int kLargestFillTexture = 16384;  // texels along a side
constexpr float kFarthestFillPixel = 65536.0f;  // pixels from the origin; beyond that a triangle is refused
constexpr int kMostFillTexels = 16384;  // texel positions a wrapping triangle's corners may lie apart

// Whether a picture of this size can be drawn wrapping.
inline bool CanWrapTexture(int width, int height) {
  auto power = [](int n) { return n > 0 && n <= kMostFillTexels && (n & (n - 1)) == 0; };
  return power(width) && power(height);
}

// A second texture multiplied over what the first lays, with coordinates of its own (u, v for each vertex),
// untinted: two layers drawn in one pass, as the first over all the triangles and then the second would draw
// them, where the triangles do not cover one another.
struct FillSecondLayer {
  FillTexture texture;
  const float* uv = nullptr;
};

// The pixels a fill drew, one bit each, for rows top .. top + rows - 1 (words per row: enough for the target's
// width), to be marked by the fill.
struct FillCoverage {
  uint64_t* bits = nullptr;
  int top = 0, rows = 0, wordsPerRow = 0;
};

// Fills indexed triangles (indices null: the vertices three by three) with the half-open top-left rule:
// a pixel whose centre lies exactly on a left or top edge is drawn, on a right or bottom edge not, so
// triangles that share an edge never both draw a pixel. u and v are clamped to 0..1, unless the texture
// wraps: then whole numbers of u and v are whole repeats, and a triangle's corners may lie up to
// kMostFillTexels texels apart (beyond that its texels are wrong, never out of bounds). A triangle with an index
// outside the vertices, a coordinate that is not a number or lies beyond kFarthestFillPixel, or no area
// draws nothing. `second`, when given, is multiplied over the first layer; `coverage`, when given, is marked
// with every pixel drawn.
void FillTriangles(const PixelRows& target, const FillClip& clip, const FillTexture& texture, FillBlend blend,
                   const QuadVertex* vertices, int vertexCount, const int* indices, int indexCount,
                   const FillSecondLayer* second = nullptr, FillCoverage* coverage = nullptr);

}  // namespace media
