// Explosions: the tile burst (flash, shock ring, sparks, smoke) and the big additive fireball on black.
#include <algorithm>
#include <cmath>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

uint8_t Byte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); }

// Heat 1 is white, then yellow, orange, red, and 0 is dark smoke.
Rgb HeatColour(double heat) {
  heat = std::clamp(heat, 0.0, 1.0);
  if (heat > 0.75) return Mix(Hex(0xFFE070), Hex(0xFFFFF4), (heat - 0.75) / 0.25);
  if (heat > 0.5) return Mix(Hex(0xFF8A1E), Hex(0xFFE070), (heat - 0.5) / 0.25);
  if (heat > 0.25) return Mix(Hex(0xB8260C), Hex(0xFF8A1E), (heat - 0.25) / 0.25);
  return Mix(Hex(0x2A2420), Hex(0xB8260C), heat / 0.25);
}

}  // namespace

Picture PaintTileExplosion(int frame) {
  const double t = frame / 30.0;
  Canvas canvas(96, 96);
  cairo_t* cr = canvas.cr();
  const double c = 48;
  // Fire puffs that swell, cool from yellow to red and turn to smoke that rises and thins.
  Dice puffs(41);
  for (int i = 0; i < 9; ++i) {
    double a = puffs.Range(0, 2 * kPi), d = puffs.Range(3, 13), size = puffs.Range(7, 12);
    double grow = std::clamp((t - 0.03) / 0.97, 0.0, 1.0);
    if (grow <= 0) continue;
    double x = c + std::cos(a) * d * (0.6 + 1.4 * grow), y = c + std::sin(a) * d * (0.6 + 1.4 * grow) - grow * 10;
    double radius = size * (0.5 + grow);
    double heat = 1 - grow * 1.6;
    // Fire fades continuously into smoke, so no frame pops.
    Rgb smoke = Mix(Hex(0x4A4650), Hex(0x2A2830), std::clamp(-heat, 0.0, 1.0));
    Rgb colour = Mix(smoke, HeatColour(0.25 + std::max(0.0, heat) * 0.7), std::clamp(heat * 3, 0.0, 1.0));
    double alpha = (0.45 + 0.3 * std::clamp(heat, 0.0, 1.0)) * std::pow(1 - grow, 0.8);
    cairo_pattern_t* puff = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    AddStop(puff, 0, colour, alpha);
    AddStop(puff, 0.6, colour, alpha * 0.6);
    AddStop(puff, 1, colour, 0);
    cairo_set_source(cr, puff);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(puff);
  }
  // Flash: a white star that cools quickly.
  if (t < 0.3) {
    double k = t / 0.3;
    PaintGlow(cr, c, c, 16 + 22 * k, HeatColour(1 - k * 0.5), (1 - k) * 1.6);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int ray = 0; ray < 8; ++ray) {
      double a = ray * kPi / 4 + 0.2, len = (ray % 2 ? 14 : 24) * (1 - k * 0.6);
      cairo_move_to(cr, c, c);
      cairo_line_to(cr, c + std::cos(a) * len, c + std::sin(a) * len);
      cairo_set_line_width(cr, 2.5 * (1 - k) + 0.5);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      SetColour(cr, Hex(0xFFF4C0), 0.8 * (1 - k));
      cairo_stroke(cr);
    }
    cairo_restore(cr);
  }
  // Shock ring.
  if (t < 0.45) {
    double k = t / 0.45;
    cairo_arc(cr, c, c, 8 + 36 * std::pow(k, 0.6), 0, 2 * kPi);
    cairo_set_line_width(cr, 2.5 * (1 - k) + 0.5);
    SetColour(cr, Mix(Hex(0xFFF0C0), Hex(0xFF7A20), k), 0.85 * std::pow(1 - k, 1.5));
    cairo_stroke(cr);
  }
  // Sparks fly out, slow down and cool; the same seeds in every frame, so they move smoothly.
  Dice dice(7);
  for (int i = 0; i < 30; ++i) {
    double a = dice.Range(0, 2 * kPi), speed = dice.Range(18, 44), life = dice.Range(0.4, 0.95);
    double k = t / life;
    if (k >= 1) continue;
    double travel = speed * (1 - std::pow(1 - k, 2.2));
    double x = c + std::cos(a) * travel, y = c + std::sin(a) * travel + 10 * k * k;
    double tail = 6 * (1 - k) + 1.5;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - std::cos(a) * tail, y - std::sin(a) * tail);
    cairo_set_line_width(cr, 2.4 * (1 - k) + 0.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, HeatColour(1.05 - k * 0.8), 1 - k * k);
    cairo_stroke(cr);
    if (k < 0.5) PaintGlow(cr, x, y, 4, HeatColour(1 - k), 0.6 * (1 - 2 * k));
  }
  // A few tumbling fragments of the tile.
  Dice chunks(99);
  for (int i = 0; i < 6; ++i) {
    double a = chunks.Range(0, 2 * kPi), speed = chunks.Range(14, 30), spin = chunks.Range(-6, 6);
    double x = c + std::cos(a) * speed * t * 1.2, y = c + std::sin(a) * speed * t * 1.2 + 30 * t * t;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, spin * t);
    cairo_rectangle(cr, -2.5, -1.5, 5, 3);
    SetColour(cr, Hex(0xC8D0E0), std::clamp(1.4 - t * 1.4, 0.0, 1.0));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.8);
    SetColour(cr, Hex(0x202430), std::clamp(1.4 - t * 1.4, 0.0, 1.0));
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  return canvas.Take();
}

Picture PaintBigExplosion(int frame) {
  const double t = frame / 23.0;
  Picture picture(128, 128);
  const double radius = 18 + 40 * (1 - std::pow(1 - t, 2));
  const double fade = std::pow(1 - t, 1.4);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      double dx = x - 63.5, dy = y - 63.5;
      double r = std::hypot(dx, dy);
      double angle = std::atan2(dy, dx);
      // Billows: noise around the rim and through the ball, drifting outwards with time.
      double rim = 0.78 + 0.32 * PeriodicNoise((angle + kPi) / (2 * kPi) * 9, t * 3, 9, 1234);
      double billow = FractalNoise(dx / 9.0 - t * 2, dy / 9.0 + t * 2, 555, 5);
      double q = r / (radius * rim);
      double density = std::clamp(1.2 - q, 0.0, 1.0) * (0.55 + 0.7 * billow);
      double heat = density * (1.15 - t * 0.9) + (1 - q) * 0.25 * (1 - t);
      Rgb colour = HeatColour(heat);
      double light = std::clamp(density * 1.6, 0.0, 1.0) * (0.35 + 0.65 * fade);
      // A bright shock front runs ahead of the fireball in the first frames.
      double front = 14 + 60 * std::sqrt(t);
      light += std::exp(-std::pow((r - front) / 3.0, 2)) * std::max(0.0, 1 - t * 2.5) * 0.7;
      double edge = std::clamp((63.5 - r) / 6, 0.0, 1.0);  // nothing reaches the border
      uint8_t* p = picture.At(x, y);
      p[0] = Byte(colour.r * light * edge);
      p[1] = Byte(colour.g * light * edge);
      p[2] = Byte(colour.b * light * edge);
      p[3] = 255;
    }
  return picture;
}
