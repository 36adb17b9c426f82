// Monsters: an eye blob that looks where it drifts, a spinning star mine, a jellyfish that pulses in bursts,
// a flapping bat that hunts the ship and a ringed drone that hunts the ball.
#include <cmath>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

const Rgb kInk = Hex(0x0C0A14);

void Outline(cairo_t* cr, double width = 1.2) {
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, kInk, 0.9);
  cairo_stroke(cr);
}

void Eye(cairo_t* cr, double x, double y, double r, double lookX, double lookY, double open = 1.0) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 1, std::max(0.08, open));
  cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* white = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0, x, y, r);
  AddStop(white, 0, Hex(0xFFFFFF));
  AddStop(white, 1, Hex(0xB8C4D8));
  cairo_set_source(cr, white);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(white);
  Outline(cr, 1);
  if (open > 0.3) {
    cairo_arc(cr, x + lookX * r * 0.45, y + lookY * r * 0.45, r * 0.48, 0, 2 * kPi);
    SetColour(cr, Hex(0x101020));
    cairo_fill(cr);
    cairo_arc(cr, x + lookX * r * 0.45 - r * 0.18, y + lookY * r * 0.45 - r * 0.2, r * 0.16, 0, 2 * kPi);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
  }
}

// Kind 02: the picture is chosen by the drift, frame 0 drifting fast to the left, frame 15 to the right.
void PaintEyeBlob(cairo_t* cr, int frame) {
  const double d = (frame - 7.5) / 7.5;
  const Rgb green = Hex(0x4ADC5A);
  // Trailing whiskers on the side it comes from.
  for (int k = -1; k <= 1; ++k) {
    cairo_move_to(cr, 24 - d * 12, 30 + k * 5);
    cairo_curve_to(cr, 24 - d * 18, 30 + k * 7, 24 - d * 20, 34 + k * 9, 24 - d * 23, 32 + k * 10);
    cairo_set_line_width(cr, 2);
    SetColour(cr, Darker(green, 0.3));
    cairo_stroke(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, 24 + d * 1.5, 25);
  cairo_rotate(cr, d * 0.25);
  cairo_scale(cr, 1.0 + std::fabs(d) * 0.08, 1.0 - std::fabs(d) * 0.06);
  cairo_arc(cr, 0, 0, 15, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* body = cairo_pattern_create_radial(19, 18, 2, 24, 25, 17);
  AddStop(body, 0, Lighter(green, 0.55));
  AddStop(body, 0.6, green);
  AddStop(body, 1, Darker(green, 0.5));
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  Outline(cr);
  // Antennae with glowing tips.
  for (double s : {-1.0, 1.0}) {
    double tipX = 24 + s * 8 + d * 3, tipY = 5;
    cairo_move_to(cr, 24 + s * 5, 12);
    cairo_line_to(cr, tipX, tipY + 2);
    cairo_set_line_width(cr, 1.5);
    SetColour(cr, Darker(green, 0.4));
    cairo_stroke(cr);
    PaintGlow(cr, tipX, tipY + 1, 4, Hex(0xC8FF60), 1);
  }
  Eye(cr, 24 + d * 4, 24, 8, d, 0.1);
}

// Kind 03: five spikes turning a fifth of a circle per cycle, with a pulsing core.
void PaintStarMine(cairo_t* cr, int frame) {
  const double turn = frame / 16.0 * (2 * kPi / 5);
  const double pulse = 0.5 + 0.5 * std::cos(frame * 2 * kPi / 16);
  const Rgb purple = Hex(0x9A4CF0);
  PaintGlow(cr, 24, 24, 22, Hex(0xB070FF), 0.35 + 0.25 * pulse);
  for (int k = 0; k < 10; ++k) {
    double a = turn + k * kPi / 5 - kPi / 2;
    double r = k % 2 ? 9 : 20;
    double x = 24 + r * std::cos(a), y = 24 + r * std::sin(a);
    if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(8, 8, 40, 40);
  AddStop(body, 0, Lighter(purple, 0.5));
  AddStop(body, 0.5, purple);
  AddStop(body, 1, Darker(purple, 0.55));
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  Outline(cr);
  PaintSphere(cr, 24, 24, 7, Mix(Hex(0xFF60C0), Hex(0xFFE0F8), pulse));
}

// Kind 06: rests on frame 0; a burst squeezes the bell, swings the tentacles and blinks.
void PaintJellyfish(cairo_t* cr, int frame) {
  const double s = std::sin(frame / 16.0 * kPi);  // 0 at rest, 1 at the height of the burst
  const Rgb pink = Hex(0xF05AB4);
  for (int k = 0; k < 5; ++k) {
    double x0 = 13 + k * 5.5;
    double sway = std::sin(frame / 16.0 * 2 * kPi + k) * 4 * s;
    cairo_move_to(cr, x0, 26);
    cairo_curve_to(cr, x0 + sway, 34, x0 - sway, 40, x0 + sway * 0.5, 46 - s * 4);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, Mix(pink, Hex(0x6AE8FF), k / 4.0));
    cairo_stroke(cr);
  }
  const double w = 17 - 3 * s, h = 15 + 3 * s;
  cairo_save(cr);
  cairo_translate(cr, 24, 26 - s * 2);
  cairo_scale(cr, w, h);
  cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
  cairo_curve_to(cr, 0.8, 0.3, -0.8, 0.3, -1, 0);
  cairo_restore(cr);
  cairo_pattern_t* bell = cairo_pattern_create_linear(0, 10, 0, 30);
  AddStop(bell, 0, Lighter(pink, 0.5));
  AddStop(bell, 1, Darker(pink, 0.35));
  cairo_set_source(cr, bell);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(bell);
  Outline(cr);
  PaintGlow(cr, 20, 15 - s * 2, 6, Hex(0xFFFFFF), 0.4);
  double open = 1 - s * s;
  Eye(cr, 19, 21 - s * 2, 3.2, 0, 0.2, open);
  Eye(cr, 29, 21 - s * 2, 3.2, 0, 0.2, open);
}

// Kind 04: flaps once every 16 frames; its 32 pictures hold the cycle twice.
void PaintBat(cairo_t* cr, int frame) {
  const double flap = std::sin((frame % 16) / 16.0 * 2 * kPi);
  const Rgb red = Hex(0xE8402A);
  for (double s : {-1.0, 1.0}) {
    double tipY = 18 - flap * 14;
    cairo_move_to(cr, 32 + s * 6, 20);
    cairo_curve_to(cr, 32 + s * 16, 10 - flap * 6, 32 + s * 26, tipY - 4, 32 + s * 31, tipY);
    cairo_line_to(cr, 32 + s * 25, tipY + 7);
    cairo_line_to(cr, 32 + s * 20, tipY + 4);
    cairo_line_to(cr, 32 + s * 15, tipY + 10);
    cairo_curve_to(cr, 32 + s * 12, 28, 32 + s * 8, 30, 32 + s * 6, 28);
    cairo_close_path(cr);
    cairo_pattern_t* wing = cairo_pattern_create_linear(0, tipY - 6, 0, 32);
    AddStop(wing, 0, Hex(0xFF8A5A));
    AddStop(wing, 1, Hex(0x7A1410));
    cairo_set_source(cr, wing);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(wing);
    Outline(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, 32, 24 + flap * 1.5);
  cairo_scale(cr, 8, 10);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* body = cairo_pattern_create_radial(29, 19, 1, 32, 24, 11);
  AddStop(body, 0, Lighter(red, 0.5));
  AddStop(body, 1, Darker(red, 0.5));
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  Outline(cr);
  // Ears and glowing eyes.
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, 32 + s * 3, 16 + flap * 1.5);
    cairo_line_to(cr, 32 + s * 6, 9 + flap * 1.5);
    cairo_line_to(cr, 32 + s * 7, 17 + flap * 1.5);
    SetColour(cr, Darker(red, 0.3));
    cairo_fill(cr);
    PaintGlow(cr, 32 + s * 3.5, 22 + flap * 1.5, 4, Hex(0xFFE040), 1);
    cairo_arc(cr, 32 + s * 3.5, 22 + flap * 1.5, 1.3, 0, 2 * kPi);
    SetColour(cr, Hex(0xFFFFC0));
    cairo_fill(cr);
  }
}

// Kind 05: a drone whose ring lights go once round in 32 frames while its eye sweeps.
void PaintDrone(cairo_t* cr, int frame) {
  const double a = frame / 32.0 * 2 * kPi;
  const Rgb teal = Hex(0x30C8B0);
  auto ring = [cr](double from, double to) {
    cairo_save(cr);
    cairo_translate(cr, 24, 25);
    cairo_scale(cr, 22, 6);
    cairo_arc(cr, 0, 0, 1, from, to);
    cairo_restore(cr);
    cairo_set_line_width(cr, 3.5);
    SetColour(cr, kInk, 0.9);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetColour(cr, Hex(0xC0CCE0));
    cairo_stroke(cr);
  };
  ring(kPi, 2 * kPi);  // back half behind the ball
  PaintSphere(cr, 24, 24, 14, teal);
  ring(0, kPi);        // front half
  for (int k = 0; k < 4; ++k) {
    double b = a + k * kPi / 2;
    if (std::sin(b) < 0) continue;  // lights behind the drone are hidden
    double x = 24 + 22 * std::cos(b), y = 25 + 6 * std::sin(b);
    PaintGlow(cr, x, y, 4, Hex(0xFFE060), 1);
  }
  double look = std::sin(a);
  cairo_arc(cr, 24 + look * 6, 21, 3.5, 0, 2 * kPi);
  SetColour(cr, Hex(0x200808));
  cairo_fill(cr);
  PaintGlow(cr, 24 + look * 6, 21, 5, Hex(0xFF3020), 1);
}

}  // namespace

Picture PaintMonster(const std::string& kind, int frame) {
  const bool wide = kind == "04";
  Canvas canvas(wide ? 64 : 48, 48);
  cairo_t* cr = canvas.cr();
  if (kind == "02") PaintEyeBlob(cr, frame);
  else if (kind == "03") PaintStarMine(cr, frame);
  else if (kind == "06") PaintJellyfish(cr, frame);
  else if (kind == "04") PaintBat(cr, frame);
  else if (kind == "05") PaintDrone(cr, frame);
  return canvas.Take();
}
