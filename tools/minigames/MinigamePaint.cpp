// Painting helpers the minigames' pictures share: ink outlines, glossy fills, mirroring and noise that tiles.
#include "minigames/MinigamePaint.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace minigames {

Rgb Ink() { return Hex(0x140C1E); }

void InkOutline(cairo_t* cr, double width) {
  cairo_save(cr);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColour(cr, Ink(), 0.95);
  cairo_stroke_preserve(cr);
  cairo_restore(cr);
}

void EdgedLine(cairo_t* cr, Rgb colour, double width, double edgeWidth, Rgb edge) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, edgeWidth);
  SetColour(cr, edge);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, width);
  SetColour(cr, colour);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void FillLit(cairo_t* cr, Rgb base, double top, double bottom, double light, double shade) {
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, bottom);
  AddStop(fill, 0.0, Lighter(base, light));
  AddStop(fill, 0.45, base);
  AddStop(fill, 1.0, Darker(base, shade));
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
}

void FillInked(cairo_t* cr, Rgb paint, double top, double bottom, double line) {
  FillLit(cr, paint, top, bottom);
  InkOutline(cr, line);
  cairo_new_path(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double turn) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, turn);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
}

void Shine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  if (rx <= 0 || ry <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* shine = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(shine, 0.0, 1, 1, 1, alpha);
  cairo_pattern_add_color_stop_rgba(shine, 0.55, 1, 1, 1, alpha * 0.6);
  cairo_pattern_add_color_stop_rgba(shine, 1.0, 1, 1, 1, 0);
  cairo_set_source(cr, shine);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(shine);
  cairo_restore(cr);
}

Picture Mirrored(const Picture& picture) {
  Picture out(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) std::memcpy(out.At(picture.width - 1 - x, y), picture.At(x, y), 4);
  return out;
}

namespace {

double Lattice(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double WrappedValue(double x, double y, int period, uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  auto wrap = [period](int v) { return ((v % period) + period) % period; };
  const int x0 = wrap(static_cast<int>(fx)), y0 = wrap(static_cast<int>(fy));
  const int x1 = wrap(x0 + 1), y1 = wrap(y0 + 1);
  auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  const double tx = smooth(x - fx), ty = smooth(y - fy);
  const double top = Lattice(x0, y0, seed) + (Lattice(x1, y0, seed) - Lattice(x0, y0, seed)) * tx;
  const double bottom = Lattice(x0, y1, seed) + (Lattice(x1, y1, seed) - Lattice(x0, y1, seed)) * tx;
  return top + (bottom - top) * ty;
}

}  // namespace

double TilingNoise(double x, double y, int period, uint32_t seed, int octaves) {
  double sum = 0, total = 0, amplitude = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += WrappedValue(x, y, period, seed + static_cast<uint32_t>(i) * 131u) * amplitude;
    total += amplitude;
    x *= 2, y *= 2, period *= 2, amplitude *= 0.5;
  }
  return sum / total;
}

uint8_t Byte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); }

}  // namespace minigames
