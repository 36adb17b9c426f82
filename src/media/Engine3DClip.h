// Convex polygons of the 3D renderer and their cutting: at the near plane, at a guard band round the viewport,
// and at whole texture repeats so that every piece samples one copy of its texture.
#pragma once

#include <array>
#include <vector>

namespace engine3d {

// A corner in view space (x, y, z) before projection, or on the screen (x, y pixels) after it. Left unset
// until written (polygons are made by the thousand a frame; only their first `count` corners are ever read).
struct Corner3 {
  float x, y, z;
  float r, g, b;  // lit colour, 0..1 (may exceed 1 before clamping)
  float u, v;     // texture coordinates
};

struct Polygon {
  Polygon() {}  // made in place without clearing its corners
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
// For a texture that repeats by itself: `count` pairs of coordinates moved by whole repeats so that their
// middle lies in 0..1 (not at all when they are not numbers), the polygon left whole.
void MoveNearFirstRepeat(float* u, float* v, int count);

}  // namespace engine3d
