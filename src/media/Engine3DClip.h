// Convex polygons of the 3D renderer and their cutting: at the near plane, at a guard band round the viewport,
// and at whole texture repeats so that every piece samples one copy of its texture.
#pragma once

#include <array>
#include <vector>

namespace engine3d {

// A corner in view space (x, y, z) before projection, or on the screen (x, y pixels) after it.
struct Corner3 {
  float x = 0, y = 0, z = 0;
  float r = 0, g = 0, b = 0;  // lit colour, 0..1 (may exceed 1 before clamping)
  float u = 0, v = 0;         // texture coordinates
};

struct Polygon {
  std::array<Corner3, 16> corners;  // convex, in order
  int count = 0;
};

// Keeps the part with z <= -nearZ (the camera looks down -z); count 0 when nothing is left.
void ClipNear(const Polygon& in, float nearZ, Polygon& out);
// Keeps the part with minX <= x <= maxX and minY <= y <= maxY (screen corners).
void ClipRect(const Polygon& in, float minX, float minY, float maxX, float maxY, Polygon& out);
// Cuts a screen polygon at whole values of u and v; each piece has its coordinates moved into 0..1.
// Interpolation is linear on the screen, as the media layer maps textures. A polygon that spans more than
// kMostRepeats copies either way is returned whole, its coordinates only moved near 0..1.
constexpr int kMostRepeats = 64;
void SplitAtRepeats(const Polygon& in, std::vector<Polygon>& pieces);
// The polygon whole, for a texture that repeats by itself: its coordinates only moved by whole repeats so
// that its middle lies in 0..1.
void NearFirstRepeat(const Polygon& in, std::vector<Polygon>& pieces);

}  // namespace engine3d
