// Painting helpers: Cairo canvas to straight-alpha picture, lit boxes, spheres, glows, seeded noise, text paths.
#include "art/Paint.h"

#include <algorithm>
#include <cmath>

Rgb Hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Lighter(Rgb c, double amount) { return Mix(c, {1, 1, 1}, amount); }
Rgb Darker(Rgb c, double amount) { return Mix(c, {0, 0, 0}, amount); }

void SetColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void AddStop(cairo_pattern_t* pattern, double offset, Rgb c, double alpha) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, alpha);
}

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)),
      width_(width),
      height_(height) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::FillBlack() {
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr_, 0, 0, 0);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

Picture Canvas::Take() {
  cairo_surface_flush(surface_);
  Picture picture(width_, height_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height_; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width_; ++x) {
      uint32_t p = row[x];
      uint32_t a = p >> 24;
      uint8_t* out = picture.At(x, y);
      if (a == 0) {
        out[0] = out[1] = out[2] = out[3] = 0;
        continue;
      }
      // Cairo stores premultiplied colour; the files want it straight.
      auto un = [a](uint32_t c) { return static_cast<uint8_t>(std::min<uint32_t>(255, (c * 255 + a / 2) / a)); };
      out[0] = un((p >> 16) & 0xFF);
      out[1] = un((p >> 8) & 0xFF);
      out[2] = un(p & 0xFF);
      out[3] = static_cast<uint8_t>(a);
    }
  }
  return picture;
}

cairo_surface_t* SurfaceFromPicture(const Picture& picture) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t* s = picture.At(x, y);
      uint32_t a = s[3];
      uint32_t r = (s[0] * a + 127) / 255, g = (s[1] * a + 127) / 255, b = (s[2] * a + 127) / 255;
      reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride)[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  cairo_surface_mark_dirty(surface);
  return surface;
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
  radius = std::min({radius, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - radius, y + radius, radius, -kPi / 2, 0);
  cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, kPi / 2);
  cairo_arc(cr, x + radius, y + h - radius, radius, kPi / 2, kPi);
  cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void PaintLitBox(cairo_t* cr, double x, double y, double w, double h, const BoxStyle& style) {
  cairo_save(cr);
  // Base gradient, lighter at the top.
  cairo_pattern_t* base = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(base, 0.0, Lighter(style.base, 0.35));
  AddStop(base, 0.45, style.base);
  AddStop(base, 1.0, Darker(style.base, 0.35));
  RoundedRect(cr, x, y, w, h, style.radius);
  cairo_set_source(cr, base);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(base);
  cairo_clip(cr);
  // Bevel: light on the top and left edges, shadow on the bottom and right.
  const double b = style.bevel;
  cairo_set_line_width(cr, b * 2);
  RoundedRect(cr, x + b * 0.5, y + b * 0.5, w, h, style.radius);
  SetColour(cr, Darker(style.base, 0.55), 0.75);
  cairo_stroke(cr);
  RoundedRect(cr, x - b * 0.5, y - b * 0.5, w, h, style.radius);
  SetColour(cr, Lighter(style.base, 0.75), 0.85);
  cairo_stroke(cr);
  // Specular band over the upper third.
  if (style.specular > 0) {
    cairo_save(cr);
    cairo_translate(cr, x + w * 0.45, y + h * 0.22);
    cairo_scale(cr, w * 0.48, h * 0.2);
    cairo_pattern_t* shine = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, style.specular);
    cairo_pattern_add_color_stop_rgba(shine, 0.6, 1, 1, 1, style.specular * 0.5);
    cairo_pattern_add_color_stop_rgba(shine, 1, 1, 1, 1, 0);
    cairo_set_source(cr, shine);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
    cairo_restore(cr);
  }
  cairo_reset_clip(cr);
  // Dark outline where the box meets transparency.
  RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, std::max(0.0, style.radius - 0.5));
  cairo_set_line_width(cr, 1.0);
  SetColour(cr, Darker(style.base, style.outlineDark));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void PaintSphere(cairo_t* cr, double cx, double cy, double radius, Rgb base, bool outline) {
  cairo_save(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_pattern_t* body =
      cairo_pattern_create_radial(cx - radius * 0.35, cy - radius * 0.4, radius * 0.05, cx, cy, radius);
  AddStop(body, 0.0, Lighter(base, 0.65));
  AddStop(body, 0.35, Lighter(base, 0.1));
  AddStop(body, 0.8, Darker(base, 0.35));
  AddStop(body, 1.0, Darker(base, 0.6));
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  cairo_clip(cr);
  // Faint rim light at the bottom right, bounced from the playfield.
  cairo_pattern_t* rim =
      cairo_pattern_create_radial(cx - radius * 0.3, cy - radius * 0.3, radius * 1.05, cx - radius * 0.3,
                                  cy - radius * 0.3, radius * 1.35);
  AddStop(rim, 0.0, Lighter(base, 0.5), 0.0);
  AddStop(rim, 1.0, Lighter(base, 0.5), 0.55);
  cairo_set_source(cr, rim);
  cairo_paint(cr);
  cairo_pattern_destroy(rim);
  cairo_reset_clip(cr);
  // Small hard highlight.
  double hr = std::max(0.8, radius * 0.22);
  cairo_pattern_t* spot = cairo_pattern_create_radial(cx - radius * 0.38, cy - radius * 0.42, 0,
                                                      cx - radius * 0.38, cy - radius * 0.42, hr);
  cairo_pattern_add_color_stop_rgba(spot, 0.0, 1, 1, 1, 0.95);
  cairo_pattern_add_color_stop_rgba(spot, 0.55, 1, 1, 1, 0.8);
  cairo_pattern_add_color_stop_rgba(spot, 1.0, 1, 1, 1, 0.0);
  cairo_set_source(cr, spot);
  cairo_arc(cr, cx - radius * 0.38, cy - radius * 0.42, hr, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(spot);
  if (outline && radius >= 3) {
    cairo_arc(cr, cx, cy, radius - 0.5, 0, 2 * kPi);
    cairo_set_line_width(cr, 1.0);
    SetColour(cr, Darker(base, 0.75), 0.9);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void PaintGlow(cairo_t* cr, double cx, double cy, double radius, Rgb colour, double intensity) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  // A roughly Gaussian falloff, sampled into stops.
  for (int i = 0; i <= 8; ++i) {
    double t = i / 8.0;
    double a = std::exp(-t * t * 4.0) * (1 - t) * intensity;
    AddStop(glow, t, colour, std::clamp(a, 0.0, 1.0));
  }
  cairo_set_source(cr, glow);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_restore(cr);
}

namespace {

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = seed * 0x27d4eb2dU ^ static_cast<uint32_t>(x) * 0x85ebca6bU ^ static_cast<uint32_t>(y) * 0xc2b2ae35U;
  h ^= h >> 15;
  h *= 0x2c1b3c6dU;
  h ^= h >> 12;
  h *= 0x297a2d39U;
  h ^= h >> 15;
  return h;
}

double Lattice(int32_t x, int32_t y, uint32_t seed) { return (Hash(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF); }

double Smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double ValueNoise(double x, double y, uint32_t seed) {
  double fx = std::floor(x), fy = std::floor(y);
  int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
  double tx = Smooth(x - fx), ty = Smooth(y - fy);
  double a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  double c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double FractalNoise(double x, double y, uint32_t seed, int octaves) {
  double sum = 0, amplitude = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 101u) * amplitude;
    total += amplitude;
    x *= 2.03;
    y *= 2.03;
    amplitude *= 0.5;
  }
  return sum / total;
}

double PeriodicNoise(double x, double y, int periodX, uint32_t seed) {
  double fx = std::floor(x), fy = std::floor(y);
  int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
  auto wrap = [periodX](int32_t v) { return ((v % periodX) + periodX) % periodX; };
  double tx = Smooth(x - fx), ty = Smooth(y - fy);
  double a = Lattice(wrap(ix), iy, seed), b = Lattice(wrap(ix + 1), iy, seed);
  double c = Lattice(wrap(ix), iy + 1, seed), d = Lattice(wrap(ix + 1), iy + 1, seed);
  double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

uint32_t Dice::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Dice::Unit() { return (Next() & 0xFFFFFF) / double(0xFFFFFF); }
double Dice::Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

void CentredTextPath(cairo_t* cr, const std::string& text, double cx, double cy, double size, bool condensed,
                     double squeezeX) {
  cairo_save(cr);
  cairo_select_font_face(cr, condensed ? "DejaVu Sans Condensed" : "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         CAIRO_FONT_WEIGHT_BOLD);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, size * squeezeX, size);
  cairo_set_font_matrix(cr, &m);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_move_to(cr, cx - ext.x_bearing - ext.width / 2, cy - ext.y_bearing - ext.height / 2);
  cairo_text_path(cr, text.c_str());
  cairo_restore(cr);  // the path survives the restore
}

void FillWithDarkOutline(cairo_t* cr, Rgb fill, Rgb outline, double outlineWidth) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, outlineWidth * 2);
  SetColour(cr, outline, 0.95);
  cairo_stroke_preserve(cr);
  SetColour(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
}
