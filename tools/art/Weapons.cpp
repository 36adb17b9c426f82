// Weapon and bonus pictures: thread, missile and its target, shrapnel, smoke, launcher, chaingun, bullets, gauge.
#include <algorithm>
#include <cmath>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

const Rgb kTargetRed = Hex(0xFF4A22);
const Rgb kGunMetal = Hex(0x5E6B82);

uint8_t Byte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); }

void StrokeGlowing(cairo_t* cr, Rgb colour, double width) {
  // Wide faint strokes under a thin bright one read as light.
  for (int pass = 0; pass < 3; ++pass) {
    cairo_set_line_width(cr, width * (pass == 0 ? 4 : pass == 1 ? 2 : 1));
    SetColour(cr, pass == 2 ? Lighter(colour, 0.45) : colour, pass == 0 ? 0.2 : pass == 1 ? 0.4 : 1.0);
    cairo_stroke_preserve(cr);
  }
  cairo_new_path(cr);
}

}  // namespace

Picture PaintThread(int frame) {
  // The ball floor lies 56 pixels below the top of the picture; copies stand side by side every 128 pixels,
  // so the wave repeats twice across and loops in 22 frames.
  Canvas canvas(128, 128);
  cairo_t* cr = canvas.cr();
  const double phase = frame / 22.0 * 2 * kPi;
  auto waveY = [phase](double x, double amplitude) { return 56 + amplitude * std::sin(x / 64.0 * 2 * kPi - phase); };
  for (int pass = 0; pass < 3; ++pass) {
    cairo_move_to(cr, 0, waveY(0, 1.6));
    for (int x = 1; x <= 128; ++x) cairo_line_to(cr, x, waveY(x, 1.6));
    cairo_set_line_width(cr, pass == 0 ? 9 : pass == 1 ? 4 : 1.6);
    SetColour(cr, pass == 2 ? Hex(0xE0FFF4) : Hex(0x2EF0B0), pass == 0 ? 0.18 : pass == 1 ? 0.45 : 1.0);
    cairo_stroke(cr);
  }
  // Sparks ride along the thread.
  for (int k = 0; k < 4; ++k) {
    double x = std::fmod(k * 32 + frame * 128.0 / 22.0, 128.0);
    PaintGlow(cr, x, waveY(x, 1.6), 5, Hex(0xC8FFE8), 0.9);
  }
  return canvas.Take();
}

Picture PaintMissile(int frame) {
  Canvas canvas(32, 96);
  cairo_t* cr = canvas.cr();
  const double t = frame / 32.0 * 2 * kPi;
  // Exhaust flame, flickering with whole-number harmonics so frame 31 flows into frame 0.
  double length = 16 + 3 * std::sin(t * 4) + 1.5 * std::sin(t * 7 + 1);
  cairo_move_to(cr, 11, 74);
  cairo_curve_to(cr, 11, 80, 14, 74 + length * 0.8, 16, 74 + length);
  cairo_curve_to(cr, 18, 74 + length * 0.8, 21, 80, 21, 74);
  cairo_close_path(cr);
  cairo_pattern_t* flame = cairo_pattern_create_linear(0, 74, 0, 74 + length);
  cairo_pattern_add_color_stop_rgba(flame, 0, 1, 1, 0.9, 1);
  cairo_pattern_add_color_stop_rgba(flame, 0.35, 1, 0.8, 0.3, 0.95);
  cairo_pattern_add_color_stop_rgba(flame, 1, 1, 0.3, 0.05, 0);
  cairo_set_source(cr, flame);
  cairo_fill(cr);
  cairo_pattern_destroy(flame);
  PaintGlow(cr, 16, 76, 9, Hex(0xFFB040), 0.8);
  // Fins.
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, 16 + s * 5, 56);
    cairo_line_to(cr, 16 + s * 13, 70);
    cairo_line_to(cr, 16 + s * 13, 75);
    cairo_line_to(cr, 16 + s * 5, 71);
    cairo_close_path(cr);
    SetColour(cr, s < 0 ? Hex(0xE0382A) : Hex(0xA82018));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Hex(0x301010));
    cairo_stroke(cr);
  }
  // Body: a lit cylinder with a pointed nose.
  cairo_move_to(cr, 11, 72);
  cairo_line_to(cr, 11, 24);
  cairo_curve_to(cr, 11, 14, 14, 6, 16, 3);
  cairo_curve_to(cr, 18, 6, 21, 14, 21, 24);
  cairo_line_to(cr, 21, 72);
  cairo_close_path(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(11, 0, 21, 0);
  AddStop(body, 0, Hex(0x8892A8));
  AddStop(body, 0.3, Hex(0xF4F8FF));
  AddStop(body, 1, Hex(0x4A5468));
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x141824));
  cairo_stroke(cr);
  // Warhead band and a blinking beacon.
  cairo_rectangle(cr, 11.5, 22, 9, 4);
  SetColour(cr, Hex(0xE0382A));
  cairo_fill(cr);
  double blink = 0.5 + 0.5 * std::cos(t * 2);
  PaintGlow(cr, 16, 14, 5, Hex(0xFF5030), blink);
  return canvas.Take();
}

Picture PaintTargetRing() {
  Canvas canvas(128, 128);
  canvas.FillBlack();
  cairo_t* cr = canvas.cr();
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  // Four arcs with gaps, inner brackets and ticks: turning, it reads as a locking reticle.
  for (int k = 0; k < 4; ++k) {
    double a = k * kPi / 2;
    cairo_arc(cr, 64, 64, 46, a + 0.18, a + kPi / 2 - 0.18);
    StrokeGlowing(cr, kTargetRed, 2.2);
    cairo_move_to(cr, 64 + 52 * std::cos(a + kPi / 4), 64 + 52 * std::sin(a + kPi / 4));
    cairo_line_to(cr, 64 + 40 * std::cos(a + kPi / 4), 64 + 40 * std::sin(a + kPi / 4));
    StrokeGlowing(cr, kTargetRed, 2);
    cairo_arc(cr, 64, 64, 30, a - 0.3, a + 0.3);
    StrokeGlowing(cr, Hex(0xFF8A3A), 1.6);
  }
  for (int k = 0; k < 24; ++k) {
    double a = k * kPi / 12;
    cairo_move_to(cr, 64 + 55 * std::cos(a), 64 + 55 * std::sin(a));
    cairo_line_to(cr, 64 + 58 * std::cos(a), 64 + 58 * std::sin(a));
    cairo_set_line_width(cr, 1.2);
    SetColour(cr, kTargetRed, 0.7);
    cairo_stroke(cr);
  }
  return canvas.Take();
}

Picture PaintTargetLight() {
  Picture picture(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      double r = std::hypot(x - 63.5, y - 63.5);
      double ring = std::exp(-std::pow((r - 40) / 9.0, 2)) * 0.8 + std::exp(-r * r / 300.0) * 0.35;
      ring *= std::clamp((63 - r) / 6, 0.0, 1.0);
      uint8_t* p = picture.At(x, y);
      p[0] = Byte(ring * 1.0);
      p[1] = Byte(ring * 0.42);
      p[2] = Byte(ring * 0.16);
      p[3] = 255;
    }
  return picture;
}

Picture PaintTargetText() {
  // Eight rows of lettering that repeat exactly every 128 pixels both ways, so the game can scroll it.
  Canvas canvas(128, 128);
  canvas.FillBlack();
  cairo_t* cr = canvas.cr();
  cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  const char* text = "LOCK ON \xE2\x80\xA2 ";
  cairo_set_font_size(cr, 12);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text, &ext);
  double stretch = 128.0 / ext.x_advance;
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  for (int row = 0; row < 8; ++row) {
    double offset = row % 2 ? -32 : 0;
    for (double x0 : {offset - 128, offset, offset + 128}) {
      cairo_save(cr);
      cairo_translate(cr, x0, row * 16 + 12);
      cairo_scale(cr, stretch, 1);
      cairo_move_to(cr, 0, 0);
      cairo_text_path(cr, text);
      cairo_restore(cr);
      SetColour(cr, row % 2 ? Hex(0xC03010) : kTargetRed, 0.9);
      cairo_fill(cr);
    }
  }
  return canvas.Take();
}

Picture PaintShrapnel(int index) {
  Canvas canvas(24, 24);
  cairo_t* cr = canvas.cr();
  Dice dice(static_cast<uint32_t>(index) * 31u + 5u);
  const int corners = 5 + index % 3;
  for (int i = 0; i < corners; ++i) {
    double a = i * 2 * kPi / corners + dice.Range(-0.3, 0.3);
    double r = dice.Range(5, 10.5);
    double x = 12 + r * std::cos(a), y = 12 + r * std::sin(a) * 0.75;
    if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_pattern_t* metal = cairo_pattern_create_linear(4, 4, 20, 20);
  AddStop(metal, 0, Hex(0xD8E0EC));
  AddStop(metal, 0.5, Hex(0x7C889C));
  AddStop(metal, 1, Hex(0x384050));
  cairo_set_source(cr, metal);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(metal);
  // Glowing hot edges.
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 2.2);
  SetColour(cr, Hex(0xFF8A20), 0.8);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 0.8);
  SetColour(cr, Hex(0x2A1008));
  cairo_stroke(cr);
  return canvas.Take();
}

Picture PaintSmoke(int index) {
  Picture picture(64, 64);
  const uint32_t seed = 900u + static_cast<uint32_t>(index) * 17u;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      double dx = (x - 31.5) / 31.5, dy = (y - 31.5) / 31.5;
      double r = std::hypot(dx, dy);
      double n = FractalNoise(x / 14.0 + index * 3.7, y / 14.0, seed, 4);
      double density = std::clamp((1 - r * 1.15) * 1.6 + (n - 0.5) * 1.4, 0.0, 1.0);
      density *= std::clamp((1 - r) * 3, 0.0, 1.0);
      // Lit from the top left: lighter grey there.
      double shade = 0.55 + 0.25 * std::clamp(-(dx + dy) * 0.5 + (n - 0.5), -1.0, 1.0);
      uint8_t* p = picture.At(x, y);
      p[0] = Byte(shade);
      p[1] = Byte(shade);
      p[2] = Byte(shade * 1.04);
      p[3] = Byte(density * 0.85);
    }
  return picture;
}

Picture PaintLauncherWindow() {
  // A fan-shaped aiming window over the ship; the needle of P_Tool_Bar sweeps it from -45 to 45 degrees.
  Canvas canvas(256, 256);
  cairo_t* cr = canvas.cr();
  const double cx = 128, cy = 128, r = 120;
  const Rgb cyan = Hex(0x2EE6F0);
  auto fan = [&](double radius) {
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, radius, -kPi / 2 - kPi / 4 - 0.08, -kPi / 2 + kPi / 4 + 0.08);
    cairo_close_path(cr);
  };
  fan(r);
  cairo_pattern_t* glass = cairo_pattern_create_radial(cx, cy, 10, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(glass, 0, 0.1, 0.5, 0.7, 0.05);
  cairo_pattern_add_color_stop_rgba(glass, 1, 0.1, 0.6, 0.8, 0.35);
  cairo_set_source(cr, glass);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(glass);
  cairo_set_line_width(cr, 2);
  SetColour(cr, cyan, 0.9);
  cairo_stroke(cr);
  for (double radius : {50.0, 85.0}) {
    cairo_arc(cr, cx, cy, radius, -3 * kPi / 4, -kPi / 4);
    cairo_set_line_width(cr, 1);
    SetColour(cr, cyan, 0.5);
    cairo_stroke(cr);
  }
  for (int k = -9; k <= 9; ++k) {
    double a = -kPi / 2 + k * kPi / 36;
    double inner = k % 3 == 0 ? r - 14 : r - 7;
    cairo_move_to(cr, cx + inner * std::cos(a), cy + inner * std::sin(a));
    cairo_line_to(cr, cx + (r - 2) * std::cos(a), cy + (r - 2) * std::sin(a));
    cairo_set_line_width(cr, k % 3 == 0 ? 1.6 : 1);
    SetColour(cr, Lighter(cyan, 0.4), 0.85);
    cairo_stroke(cr);
  }
  cairo_arc(cr, cx, cy, 9, 0, 2 * kPi);
  SetColour(cr, Hex(0x18303C), 0.9);
  cairo_fill_preserve(cr);
  SetColour(cr, cyan);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  return canvas.Take();
}

Picture PaintLauncherBar() {
  Canvas canvas(256, 256);
  cairo_t* cr = canvas.cr();
  const double cx = 128, cy = 128;
  cairo_move_to(cr, cx, cy - 4);
  cairo_line_to(cr, cx, cy - 104);
  StrokeGlowing(cr, Hex(0xFFB030), 2);
  cairo_move_to(cr, cx, cy - 122);
  cairo_line_to(cr, cx - 7, cy - 104);
  cairo_line_to(cr, cx + 7, cy - 104);
  cairo_close_path(cr);
  SetColour(cr, Hex(0xFFE080));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x603000));
  cairo_stroke(cr);
  PaintSphere(cr, cx, cy, 5, Hex(0xFFB030));
  return canvas.Take();
}

Picture PaintChaingun() {
  // Turns about (64, 96); the two barrels end at (32, 8) and (96, 8), where the game puts the muzzles.
  Canvas canvas(128, 128);
  cairo_t* cr = canvas.cr();
  for (double x : {32.0, 96.0}) {
    // Strut from the housing to the barrel.
    cairo_move_to(cr, 64, 92);
    cairo_line_to(cr, x, 74);
    cairo_set_line_width(cr, 9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, Hex(0x0C1018));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 7);
    SetColour(cr, kGunMetal);
    cairo_stroke(cr);
    // Barrel: a lit cylinder with cooling rings.
    RoundedRect(cr, x - 5, 8, 10, 78, 3);
    cairo_pattern_t* barrel = cairo_pattern_create_linear(x - 5, 0, x + 5, 0);
    AddStop(barrel, 0, Hex(0x59647A));
    AddStop(barrel, 0.3, Hex(0xDDE4F0));
    AddStop(barrel, 1, Hex(0x2C3240));
    cairo_set_source(cr, barrel);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(barrel);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Hex(0x0C1018));
    cairo_stroke(cr);
    for (double y = 22; y < 72; y += 9) {
      RoundedRect(cr, x - 6.5, y, 13, 3, 1);
      SetColour(cr, Hex(0x394456));
      cairo_fill_preserve(cr);
      SetColour(cr, Hex(0x0C1018));
      cairo_stroke(cr);
    }
    cairo_rectangle(cr, x - 3, 8, 6, 2);
    SetColour(cr, Hex(0x080A10));
    cairo_fill(cr);
  }
  // A brace across the barrels.
  BoxStyle brace;
  brace.base = Hex(0x4A566C);
  brace.radius = 3;
  brace.outlineDark = 0.8;
  PaintLitBox(cr, 24, 56, 80, 9, brace);
  // Housing round the pivot.
  BoxStyle housing;
  housing.base = kGunMetal;
  housing.radius = 12;
  housing.bevel = 2;
  housing.outlineDark = 0.8;
  PaintLitBox(cr, 30, 74, 68, 40, housing);
  cairo_rectangle(cr, 38, 102, 52, 4);
  SetColour(cr, Hex(0xFF8A1E), 0.9);
  cairo_fill(cr);
  PaintSphere(cr, 64, 96, 7, Hex(0x9AA6BC));
  return canvas.Take();
}

Picture PaintGunTarget() {
  Canvas canvas(128, 128);
  cairo_t* cr = canvas.cr();
  const double c = 64;
  cairo_arc(cr, c, c, 26, 0, 2 * kPi);
  cairo_set_line_width(cr, 4);
  SetColour(cr, Hex(0x200806), 0.6);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 2);
  SetColour(cr, kTargetRed);
  cairo_stroke(cr);
  for (int k = 0; k < 4; ++k) {
    double a = k * kPi / 2;
    double dx = std::cos(a), dy = std::sin(a);
    cairo_move_to(cr, c + dx * 10, c + dy * 10);
    cairo_line_to(cr, c + dx * 38, c + dy * 38);
    cairo_set_line_width(cr, 4);
    SetColour(cr, Hex(0x200806), 0.6);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetColour(cr, Hex(0xFF7A40));
    cairo_stroke(cr);
    // Corner brackets.
    double bx = c + std::cos(a + kPi / 4) * 44, by = c + std::sin(a + kPi / 4) * 44;
    double sx = dx - dy > 0 ? -1 : 1, sy = dx + dy > 0 ? -1 : 1;
    cairo_move_to(cr, bx + sx * 10, by);
    cairo_line_to(cr, bx, by);
    cairo_line_to(cr, bx, by + sy * 10);
    cairo_set_line_width(cr, 2);
    SetColour(cr, kTargetRed, 0.9);
    cairo_stroke(cr);
  }
  PaintGlow(cr, c, c, 6, Hex(0xFF6A30), 1);
  return canvas.Take();
}

Picture PaintMuzzleFlash() {
  Canvas canvas(64, 64);
  cairo_t* cr = canvas.cr();
  PaintGlow(cr, 32, 32, 30, Hex(0xFFA030), 0.8);
  // An eight-pointed star of flame.
  for (int k = 0; k < 16; ++k) {
    double a = k * kPi / 8;
    double r = k % 2 ? 14 : 28;
    double x = 32 + r * std::cos(a), y = 32 + r * std::sin(a);
    if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_pattern_t* star = cairo_pattern_create_radial(32, 32, 0, 32, 32, 28);
  cairo_pattern_add_color_stop_rgba(star, 0, 1, 1, 0.9, 1);
  cairo_pattern_add_color_stop_rgba(star, 0.4, 1, 0.85, 0.3, 0.9);
  cairo_pattern_add_color_stop_rgba(star, 1, 1, 0.4, 0.05, 0);
  cairo_set_source(cr, star);
  cairo_fill(cr);
  PaintGlow(cr, 32, 32, 9, Hex(0xFFFFFF), 1);
  cairo_pattern_destroy(star);
  return canvas.Take();
}

Picture PaintBullet() {
  Canvas canvas(64, 64);
  cairo_t* cr = canvas.cr();
  PaintGlow(cr, 32, 32, 18, Hex(0xFFB040), 1.0);
  PaintSphere(cr, 32, 32, 5, Hex(0xFFE890), true);
  PaintGlow(cr, 32, 32, 6, Hex(0xFFFFFF), 0.7);
  return canvas.Take();
}

Picture PaintAmmoGauge(int step) {
  // Five arc segments over the ship; each spent clip puts one out, from the right.
  Canvas canvas(256, 256);
  cairo_t* cr = canvas.cr();
  const double cx = 128, cy = 128, r = 76;
  const int lit = 5 - std::clamp(step, 0, 5);
  for (int k = 0; k < 5; ++k) {
    double a0 = kPi + 0.35 + k * (kPi - 0.7) / 5 + 0.04;
    double a1 = kPi + 0.35 + (k + 1) * (kPi - 0.7) / 5 - 0.04;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r + 6, a0, a1);
    cairo_arc_negative(cr, cx, cy, r - 6, a1, a0);
    cairo_close_path(cr);
    bool on = k < lit;
    Rgb colour = Mix(Hex(0xFF5A22), Hex(0x3CF08C), lit / 5.0);
    if (on) {
      SetColour(cr, colour, 0.9);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 1.2);
      SetColour(cr, Lighter(colour, 0.6));
      cairo_stroke(cr);
    } else {
      SetColour(cr, Hex(0x202838), 0.55);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 1);
      SetColour(cr, Hex(0x6A7890), 0.8);
      cairo_stroke(cr);
    }
  }
  return canvas.Take();
}

Picture PaintLaserBeam() {
  Canvas canvas(16, 64);
  cairo_t* cr = canvas.cr();
  cairo_pattern_t* glow = cairo_pattern_create_linear(0, 0, 16, 0);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.3, 0.5, 0);
  cairo_pattern_add_color_stop_rgba(glow, 0.5, 1, 0.35, 0.6, 0.75);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.3, 0.5, 0);
  cairo_rectangle(cr, 0, 0, 16, 64);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_rectangle(cr, 6.5, 0, 3, 64);
  SetColour(cr, Hex(0xFFF0F8));
  cairo_fill(cr);
  return canvas.Take();
}
