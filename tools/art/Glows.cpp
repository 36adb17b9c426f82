// Balls, the halo, fire flares, the ship's energy glows, the pointer and the exit arrow.
#include <algorithm>
#include <cmath>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

uint8_t Byte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); }

// Additive pictures are drawn by the game with "one, source alpha" blending, so they are opaque colour on
// black: black adds nothing. `shape` gives the brightness 0..1 at a pixel offset from the centre.
template <typename Shape>
Picture PaintAdditive(int size, Rgb colour, double whiteCore, Shape shape) {
  Picture picture(size, size);
  const double c = (size - 1) / 2.0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double v = shape((x - c) / c, (y - c) / c);
      double core = std::pow(std::clamp(v, 0.0, 1.0), 3) * whiteCore;
      uint8_t* p = picture.At(x, y);
      p[0] = Byte(colour.r * v + core);
      p[1] = Byte(colour.g * v + core);
      p[2] = Byte(colour.b * v + core);
      p[3] = 255;
    }
  return picture;
}

}  // namespace

Picture PaintBall(int diameter) {
  // A pearl-chrome sphere: lit from the top left, a darker lower half that reflects the deep sky, a bright
  // horizon just under the middle and a cyan rim light, so it shines against any background.
  Canvas canvas(diameter, diameter);
  cairo_t* cr = canvas.cr();
  const double c = diameter / 2.0, r = c - 0.5;
  PaintSphere(cr, c, c, r, Hex(0xC8DCFF), false);
  if (diameter >= 16) {
    cairo_save(cr);
    cairo_arc(cr, c, c, r, 0, 2 * kPi);
    cairo_clip(cr);
    // Circles centred high above the ball: the reflected horizon bends up towards the sides.
    cairo_pattern_t* sky = cairo_pattern_create_radial(c, c - 2 * r, 0, c, c - 2 * r, 4 * r);
    cairo_pattern_add_color_stop_rgba(sky, 0.0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(sky, 0.5, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(sky, 0.525, 0.95, 0.98, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(sky, 0.55, 0.08, 0.16, 0.42, 0.4);
    cairo_pattern_add_color_stop_rgba(sky, 0.8, 0.05, 0.1, 0.3, 0.2);
    cairo_pattern_add_color_stop_rgba(sky, 1.0, 0.05, 0.1, 0.3, 0.1);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    cairo_pattern_t* rim = cairo_pattern_create_radial(c - r * 0.2, c - r * 0.25, r * 0.9, c - r * 0.2, c - r * 0.25,
                                                       r * 1.25);
    cairo_pattern_add_color_stop_rgba(rim, 0, 0.3, 0.9, 1, 0);
    cairo_pattern_add_color_stop_rgba(rim, 1, 0.3, 0.9, 1, 0.7);
    cairo_set_source(cr, rim);
    cairo_paint(cr);
    cairo_pattern_destroy(rim);
    cairo_restore(cr);
    cairo_arc(cr, c, c, r - 0.5, 0, 2 * kPi);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Hex(0x18223A), 0.85);
    cairo_stroke(cr);
  }
  return canvas.Take();
}

Picture PaintRedBall() {
  Canvas canvas(16, 16);
  PaintSphere(canvas.cr(), 8, 8, 7.5, Hex(0xE8283C));
  return canvas.Take();
}

Picture PaintHalo() {
  // A soft blue-white glow with four faint rays, so the game's turning of it shows.
  return PaintAdditive(64, Hex(0x7CC8FF), 0.5, [](double x, double y) {
    double r = std::hypot(x, y);
    double glow = std::exp(-r * r * 5.0) * 0.8 + std::exp(-r * r * 1.6) * 0.2;
    double angle = std::atan2(y, x);
    double rays = std::pow(std::fabs(std::cos(2 * angle)), 24) * std::exp(-r * 2.2) * 0.35;
    double fade = std::clamp((1.0 - r) * 4, 0.0, 1.0);
    return (glow + rays) * fade;
  });
}

Picture PaintFlare(uint32_t rgb) {
  if (rgb == 0x000000) {
    // A black flare adds nothing; it is a soft dark puff for normal blending instead.
    Picture picture(64, 64);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        double r = std::hypot((x - 31.5) / 31.5, (y - 31.5) / 31.5);
        uint8_t* p = picture.At(x, y);
        p[0] = p[1] = p[2] = 0;
        p[3] = Byte(std::exp(-r * r * 4.0) * std::clamp((1 - r) * 4, 0.0, 1.0) * 0.8);
      }
    return picture;
  }
  Rgb colour = Hex(rgb);
  double brightness = std::max({colour.r, colour.g, colour.b});
  // Flame-like lobes from angular noise; the game turns each flare at random, so no two look alike.
  return PaintAdditive(64, colour, brightness > 0.9 ? 0.6 : 0.25, [rgb](double x, double y) {
    double r = std::hypot(x, y);
    double angle = std::atan2(y, x);
    double lobes = 0.75 + 0.3 * PeriodicNoise((angle + kPi) / (2 * kPi) * 7, 0.5, 7, rgb);
    double q = r / lobes;
    double fade = std::clamp((1.0 - r) * 5, 0.0, 1.0);
    return (std::exp(-q * q * 4.5) * 0.9 + std::exp(-r * r * 14) * 0.3) * fade;
  });
}

Picture PaintEnergyGlow(uint32_t rgb) {
  // Wider than tall: the glow spreads along the ship's wings.
  return PaintAdditive(128, Hex(rgb), 0.35, [](double x, double y) {
    double q = std::hypot(x / 1.0, y / 0.7);
    double fade = std::clamp((1.0 - std::hypot(x, y)) * 5, 0.0, 1.0);
    return (std::exp(-q * q * 3.5) * 0.75 + std::exp(-q * q * 12) * 0.35) * fade;
  });
}

Picture PaintPointer() {
  Canvas canvas(32, 32);
  cairo_t* cr = canvas.cr();
  PaintGlow(cr, 8, 10, 14, Hex(0x2EE6F0), 0.35);
  cairo_move_to(cr, 2, 2);
  cairo_line_to(cr, 2, 24);
  cairo_line_to(cr, 8, 18.5);
  cairo_line_to(cr, 12.5, 28);
  cairo_line_to(cr, 16.5, 26);
  cairo_line_to(cr, 12, 17);
  cairo_line_to(cr, 20, 17);
  cairo_close_path(cr);
  cairo_pattern_t* fill = cairo_pattern_create_linear(2, 2, 16, 26);
  AddStop(fill, 0, Hex(0xFFFFFF));
  AddStop(fill, 0.5, Hex(0xBFF6FF));
  AddStop(fill, 1, Hex(0x2EB8E0));
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0x0A2A40));
  cairo_stroke(cr);
  return canvas.Take();
}

Picture PaintNextLevelArrow() {
  Canvas canvas(48, 48);
  cairo_t* cr = canvas.cr();
  PaintGlow(cr, 24, 24, 24, Hex(0x2ED158), 0.6);
  auto chevron = [cr](double x) {
    cairo_move_to(cr, x, 10);
    cairo_line_to(cr, x + 14, 24);
    cairo_line_to(cr, x, 38);
    cairo_line_to(cr, x - 7, 38);
    cairo_line_to(cr, x + 7, 24);
    cairo_line_to(cr, x - 7, 10);
    cairo_close_path(cr);
  };
  for (double x : {17.0, 31.0}) {
    chevron(x);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 10, 0, 38);
    AddStop(fill, 0, Hex(0xC8FFD8));
    AddStop(fill, 0.5, Hex(0x2ED158));
    AddStop(fill, 1, Hex(0x14803A));
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    SetColour(cr, Hex(0x0A3018));
    cairo_stroke(cr);
  }
  return canvas.Take();
}
