// Cutting the renderer's convex polygons by straight lines: near plane, guard band, texture repeats.
#include "media/Engine3DClip.h"

#include <algorithm>
#include <cmath>

namespace engine3d {

namespace {

Corner3 Between(const Corner3& a, const Corner3& b, float t) {
  auto mix = [t](float p, float q) { return p + (q - p) * t; };
  return {mix(a.x, b.x), mix(a.y, b.y), mix(a.z, b.z), mix(a.r, b.r), mix(a.g, b.g),
          mix(a.b, b.b), mix(a.u, b.u), mix(a.v, b.v)};
}

void Add(Polygon& p, const Corner3& c) {
  if (p.count < static_cast<int>(p.corners.size())) p.corners[p.count++] = c;
}

// Keeps the corners where side(corner) >= 0, with new corners where the edges cross zero.
template <typename Side>
void Keep(const Polygon& in, Polygon& out, Side side) {
  out.count = 0;
  for (int i = 0; i < in.count; ++i) {
    const Corner3& a = in.corners[i];
    const Corner3& b = in.corners[(i + 1) % in.count];
    float sa = side(a), sb = side(b);
    if (sa >= 0) Add(out, a);
    if ((sa >= 0) != (sb >= 0)) {
      // Always from the same end of the edge, so that the neighbour sharing it makes the very same corner.
      bool forward = a.x < b.x || (a.x == b.x && a.y < b.y) || (a.x == b.x && a.y == b.y && a.z <= b.z);
      Add(out, forward ? Between(a, b, sa / (sa - sb)) : Between(b, a, sb / (sb - sa)));
    }
  }
  if (out.count < 3) out.count = 0;
}

// Splits `in` at u = k (or v = k): the part below goes to `below`, the rest to `above`.
void Cut(const Polygon& in, bool alongU, float k, Polygon& below, Polygon& above) {
  Keep(in, below, [&](const Corner3& c) { return k - (alongU ? c.u : c.v); });
  Keep(in, above, [&](const Corner3& c) { return (alongU ? c.u : c.v) - k; });
}

void Range(const Polygon& p, bool alongU, float& low, float& high) {
  low = high = alongU ? p.corners[0].u : p.corners[0].v;
  for (int i = 1; i < p.count; ++i) {
    float value = alongU ? p.corners[i].u : p.corners[i].v;
    low = std::min(low, value);
    high = std::max(high, value);
  }
}

// Appends the pieces of `in` cut at every whole value along one coordinate.
void CutAll(const Polygon& in, bool alongU, std::vector<Polygon>& out) {
  float low = 0, high = 0;
  Range(in, alongU, low, high);
  float first = std::floor(low) + 1, last = std::ceil(high) - 1;
  Polygon rest = in, below, above;
  for (float k = first; k <= last; k += 1) {
    Cut(rest, alongU, k, below, above);
    if (below.count) out.push_back(below);
    rest = above;
    if (rest.count == 0) return;
  }
  out.push_back(rest);
}

// Moves a piece's coordinates by whole repeats so that its middle lies in 0..1, and clamps the rounding.
// Moves `count` pairs of coordinates by the whole repeats that bring their middle into 0..1.
void ByWholeRepeats(float* u, float* v, int count) {
  float su = 0, sv = 0;
  for (int i = 0; i < count; ++i) su += u[i], sv += v[i];
  float du = std::floor(su / count), dv = std::floor(sv / count);
  for (int i = 0; i < count; ++i) u[i] -= du, v[i] -= dv;
}

void IntoFirstRepeat(Polygon& p, bool clamp) {
  float u[16], v[16];
  for (int i = 0; i < p.count; ++i) u[i] = p.corners[i].u, v[i] = p.corners[i].v;
  ByWholeRepeats(u, v, p.count);
  for (int i = 0; i < p.count; ++i) {
    Corner3& c = p.corners[i];
    c.u = clamp ? std::clamp(u[i], 0.0f, 1.0f) : u[i];
    c.v = clamp ? std::clamp(v[i], 0.0f, 1.0f) : v[i];
  }
}

}  // namespace

void ClipNear(const Polygon& in, float nearZ, Polygon& out) {
  Keep(in, out, [nearZ](const Corner3& c) { return -nearZ - c.z; });
}

void ClipRect(const Polygon& in, float minX, float minY, float maxX, float maxY, Polygon& out) {
  Polygon a, b;
  Keep(in, a, [minX](const Corner3& c) { return c.x - minX; });
  Keep(a, b, [maxX](const Corner3& c) { return maxX - c.x; });
  Keep(b, a, [minY](const Corner3& c) { return c.y - minY; });
  Keep(a, out, [maxY](const Corner3& c) { return maxY - c.y; });
}

void MoveNearFirstRepeat(float* u, float* v, int count) {
  if (count <= 0) return;
  float lowU = u[0], highU = u[0], lowV = v[0], highV = v[0];
  for (int i = 1; i < count; ++i) {
    lowU = std::min(lowU, u[i]), highU = std::max(highU, u[i]);
    lowV = std::min(lowV, v[i]), highV = std::max(highV, v[i]);
  }
  if (std::isfinite(lowU + highU + lowV + highV)) ByWholeRepeats(u, v, count);
}

void SplitAtRepeats(const Polygon& in, std::vector<Polygon>& pieces) {
  pieces.clear();
  if (in.count < 3) return;
  float lowU = 0, highU = 0, lowV = 0, highV = 0;
  Range(in, true, lowU, highU);
  Range(in, false, lowV, highV);
  if (!(highU - lowU <= kMostRepeats) || !(highV - lowV <= kMostRepeats)) {
    pieces.push_back(in);
    if (std::isfinite(lowU + highU + lowV + highV)) IntoFirstRepeat(pieces.back(), false);
    return;
  }
  // Most triangles lie within one repeat: no cutting at all.
  if (std::floor(lowU) >= std::ceil(highU) - 1 && std::floor(lowV) >= std::ceil(highV) - 1) {
    pieces.push_back(in);
    IntoFirstRepeat(pieces.back(), true);
    return;
  }
  std::vector<Polygon> columns;
  CutAll(in, true, columns);
  for (const Polygon& column : columns) CutAll(column, false, pieces);
  for (Polygon& piece : pieces) IntoFirstRepeat(piece, true);
}

}  // namespace engine3d
