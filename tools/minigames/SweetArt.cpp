// Sugar's 25 sweets, 48 x 48 each, in the order of their files: a ring, two biscuits, a wrapped sweet, chocolate,
// four jellies, Turkish delight, five gummy bears, six liquorice sweets, a gummy snake and three lollipops.
#include <array>
#include <cmath>

#include "minigames/MinigamePaint.h"
#include "minigames/SweetArt.h"

namespace minigames {

namespace {

constexpr int kSide = 48;

// Sugar crystals scattered inside the current clip.
void SugarCoat(cairo_t* cr, uint32_t seed, int count, double x0, double y0, double x1, double y1, double alpha = 0.85) {
  Dice dice(seed);
  for (int i = 0; i < count; ++i) {
    const double x = dice.Range(x0, x1), y = dice.Range(y0, y1), r = dice.Range(0.5, 1.1);
    cairo_rectangle(cr, x - r, y - r, 2 * r, 2 * r);
    SetColour(cr, Hex(0xFFFFFF), alpha * dice.Range(0.5, 1));
    cairo_fill(cr);
  }
}

// Fills the current path (kept) as a translucent jelly: bright inside, deep at the rim, light from the top left.
void FillJelly(cairo_t* cr, Rgb colour, double cx, double cy, double r) {
  cairo_pattern_t* jelly = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.35, r * 0.1, cx, cy, r * 1.1);
  AddStop(jelly, 0, Lighter(colour, 0.4));
  AddStop(jelly, 0.35, colour);
  AddStop(jelly, 1, Darker(colour, 0.45));
  cairo_set_source(cr, jelly);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(jelly);
}

void OutlineIn(cairo_t* cr, Rgb colour, double width) {
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, Darker(colour, 0.7), 0.95);
  cairo_stroke(cr);
}

// A rounded rectangle whose edge ripples outwards, like a biscuit's crimped rim.
void CrimpedRect(cairo_t* cr, double x, double y, double w, double h, double r, double depth, double wave) {
  const double straightW = w - 2 * r, straightH = h - 2 * r, corner = kPi * r / 2;
  const double perimeter = 2 * (straightW + straightH) + 4 * corner;
  const int steps = static_cast<int>(perimeter * 2);
  for (int i = 0; i < steps; ++i) {
    double s = perimeter * i / steps;
    const double at = s;
    double px = 0, py = 0, nx = 0, ny = 0;
    // Walk: top edge, top-right corner, right edge, bottom-right corner, bottom, bottom-left, left, top-left.
    const double lengths[8] = {straightW, corner, straightH, corner, straightW, corner, straightH, corner};
    int part = 0;
    while (part < 7 && s > lengths[part]) s -= lengths[part++];
    const double cxs[4] = {x + w - r, x + w - r, x + r, x + r}, cys[4] = {y + r, y + h - r, y + h - r, y + r};
    switch (part) {
      case 0: px = x + r + s, py = y, nx = 0, ny = -1; break;
      case 2: px = x + w, py = y + r + s, nx = 1, ny = 0; break;
      case 4: px = x + w - r - s, py = y + h, nx = 0, ny = 1; break;
      case 6: px = x, py = y + h - r - s, nx = -1, ny = 0; break;
      default: {
        const int k = part / 2;
        const double a = -kPi / 2 + k * kPi / 2 + s / r;
        nx = std::cos(a), ny = std::sin(a);
        px = cxs[k] + nx * r, py = cys[k] + ny * r;
      }
    }
    const double bump = depth * (0.5 + 0.5 * std::cos(2 * kPi * at / wave));
    if (i == 0) cairo_move_to(cr, px + nx * bump, py + ny * bump);
    else cairo_line_to(cr, px + nx * bump, py + ny * bump);
  }
  cairo_close_path(cr);
}

Picture CandyRing() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_arc(cr, 24, 24, 20, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 24, 24, 8, 0, 2 * kPi);
  cairo_pattern_t* gum = cairo_pattern_create_linear(0, 4, 0, 44);
  AddStop(gum, 0, Hex(0xFFF0A0));
  AddStop(gum, 0.4, Hex(0xFFB040));
  AddStop(gum, 0.62, Hex(0xFF7A2A));
  AddStop(gum, 1, Hex(0xD8402A));
  cairo_set_source(cr, gum);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gum);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  // The tube's roundness: dark towards both its edges.
  cairo_pattern_t* tube = cairo_pattern_create_radial(24, 24, 8, 24, 24, 20);
  cairo_pattern_add_color_stop_rgba(tube, 0, 0.4, 0.1, 0, 0.35);
  cairo_pattern_add_color_stop_rgba(tube, 0.45, 0.4, 0.1, 0, 0);
  cairo_pattern_add_color_stop_rgba(tube, 1, 0.4, 0.1, 0, 0.4);
  cairo_set_source(cr, tube);
  cairo_paint(cr);
  cairo_pattern_destroy(tube);
  SugarCoat(cr, 41, 45, 3, 3, 45, 45, 0.6);
  Shine(cr, 17, 12, 8, 4, 0.7);
  cairo_restore(cr);
  OutlineIn(cr, Hex(0xD8502A), 1.5);
  return canvas.Take();
}

Picture ButterBiscuit() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  cairo_translate(cr, 24, 24);
  cairo_rotate(cr, -0.12);
  cairo_translate(cr, -24, -24);
  CrimpedRect(cr, 5, 10, 38, 28, 5, 2, 5);
  cairo_pattern_t* bake = cairo_pattern_create_radial(22, 20, 4, 24, 24, 24);
  AddStop(bake, 0, Hex(0xFFD890));
  AddStop(bake, 0.6, Hex(0xE8A850));
  AddStop(bake, 1, Hex(0xA86420));
  cairo_set_source(cr, bake);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(bake);
  OutlineIn(cr, Hex(0xB06828), 1.4);
  // The baked rim, a groove inside it, and the holes pricked in the dough.
  RoundedRect(cr, 10, 15, 28, 18, 3);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Hex(0x9A5818), 0.6);
  cairo_stroke(cr);
  RoundedRect(cr, 10.8, 15.8, 28, 18, 3);
  SetColour(cr, Hex(0xFFF0C0), 0.5);
  cairo_stroke(cr);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 4; ++column) {
      cairo_arc(cr, 15.5 + column * 6, 21 + row * 6, 1.1, 0, 2 * kPi);
      SetColour(cr, Hex(0x8A4A14));
      cairo_fill(cr);
    }
  Shine(cr, 18, 14, 10, 2.5, 0.35);
  return canvas.Take();
}

// A disc seen from above at a slant: its side from `top` down to `bottom`, then its face at `top`.
void Cylinder(cairo_t* cr, double top, double bottom, double rx, double ry, Rgb side, Rgb face) {
  cairo_move_to(cr, 24 - rx, top);
  cairo_line_to(cr, 24 - rx, bottom);
  cairo_save(cr);
  cairo_translate(cr, 24, bottom);
  cairo_scale(cr, rx, ry);
  cairo_arc_negative(cr, 0, 0, 1, kPi, 0);
  cairo_restore(cr);
  cairo_line_to(cr, 24 + rx, top);
  cairo_close_path(cr);
  cairo_pattern_t* shade = cairo_pattern_create_linear(24 - rx, 0, 24 + rx, 0);
  AddStop(shade, 0, Lighter(side, 0.2));
  AddStop(shade, 0.5, side);
  AddStop(shade, 1, Darker(side, 0.4));
  cairo_set_source(cr, shade);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(shade);
  OutlineIn(cr, side, 1.2);
  EllipsePath(cr, 24, top, rx, ry);
  FillLit(cr, face, top - ry, top + ry, 0.3, 0.2);
  OutlineIn(cr, face, 1.2);
}

Picture SandwichBiscuit() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb cocoa = Hex(0x4A2412), cream = Hex(0xFFF6E6);
  Cylinder(cr, 32, 37, 20, 8, cocoa, Lighter(cocoa, 0.1));
  Cylinder(cr, 28, 32, 19, 7.5, cream, cream);
  Cylinder(cr, 20, 27, 20, 8, cocoa, Lighter(cocoa, 0.12));
  // The pattern pressed into the top.
  EllipsePath(cr, 24, 20, 13, 5);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Hex(0x2A1008), 0.8);
  cairo_stroke(cr);
  EllipsePath(cr, 24.5, 20.6, 13, 5);
  SetColour(cr, Hex(0x8A5A3A), 0.6);
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4;
    cairo_arc(cr, 24 + std::cos(a) * 7, 20 + std::sin(a) * 2.8, 0.9, 0, 2 * kPi);
    SetColour(cr, Hex(0x8A5A3A));
    cairo_fill(cr);
  }
  Shine(cr, 17, 15, 7, 2, 0.4);
  return canvas.Take();
}

Picture WrappedSweet() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb red = Hex(0xE8283C);
  cairo_translate(cr, 24, 24);
  cairo_rotate(cr, -0.35);
  cairo_translate(cr, -24, -24);
  // The twisted ends, pleated cellophane.
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 24 + side * 10, 21);
    cairo_curve_to(cr, 24 + side * 15, 18, 24 + side * 19, 12, 24 + side * 23, 12);
    cairo_curve_to(cr, 24 + side * 21, 20, 24 + side * 21, 28, 24 + side * 23, 36);
    cairo_curve_to(cr, 24 + side * 19, 36, 24 + side * 15, 30, 24 + side * 10, 27);
    cairo_close_path(cr);
    FillLit(cr, Lighter(red, 0.15), 12, 36);
    OutlineIn(cr, red, 1.3);
    for (double y : {17.0, 24.0, 31.0}) {
      cairo_move_to(cr, 24 + side * 12, 24 + (y - 24) * 0.3);
      cairo_line_to(cr, 24 + side * 21, y);
    }
    cairo_set_line_width(cr, 0.9);
    SetColour(cr, Hex(0xFFFFFF), 0.55);
    cairo_stroke(cr);
  }
  EllipsePath(cr, 24, 24, 12, 9.5);
  FillLit(cr, red, 14.5, 33.5);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_set_line_width(cr, 2.6);
  SetColour(cr, Hex(0xFFF4F0), 0.9);
  for (double x = 6; x < 44; x += 7) {
    cairo_move_to(cr, x, 14);
    cairo_line_to(cr, x + 8, 34);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  OutlineIn(cr, red, 1.5);
  Shine(cr, 20, 18, 7, 3, 0.75);
  return canvas.Take();
}

Picture Chocolate() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb dark = Hex(0x5A2C12);
  cairo_translate(cr, 24, 24);
  cairo_rotate(cr, -0.2);
  cairo_translate(cr, -24, -24);
  RoundedRect(cr, 6, 6, 36, 36, 3);
  SetColour(cr, Darker(dark, 0.35));
  cairo_fill_preserve(cr);
  OutlineIn(cr, dark, 1.5);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 2; ++column) {
      BoxStyle square;
      square.base = dark;
      square.radius = 2;
      square.bevel = 2.2;
      square.specular = 0.3;
      square.outlineDark = 0.6;
      PaintLitBox(cr, 8 + column * 16.5, 8 + row * 16.5, 15.5, 15.5, square);
    }
  return canvas.Take();
}

Picture Gumdrop() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb red = Hex(0xF0283C);
  cairo_move_to(cr, 7, 37);
  cairo_curve_to(cr, 6, 20, 14, 7, 24, 7);
  cairo_curve_to(cr, 34, 7, 42, 20, 41, 37);
  cairo_curve_to(cr, 36, 43, 12, 43, 7, 37);
  cairo_close_path(cr);
  FillJelly(cr, red, 24, 26, 20);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SugarCoat(cr, 43, 40, 4, 4, 44, 44, 0.55);
  cairo_restore(cr);
  OutlineIn(cr, red, 1.5);
  Shine(cr, 17, 16, 4, 6, 0.75);
  return canvas.Take();
}

Picture JellyHeart() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb green = Hex(0x3ADC5A);
  cairo_move_to(cr, 24, 43);
  cairo_curve_to(cr, 12, 34, 4, 26, 5, 16);
  cairo_curve_to(cr, 6, 7, 19, 5, 24, 14);
  cairo_curve_to(cr, 29, 5, 42, 7, 43, 16);
  cairo_curve_to(cr, 44, 26, 36, 34, 24, 43);
  cairo_close_path(cr);
  FillJelly(cr, green, 24, 24, 20);
  OutlineIn(cr, green, 1.5);
  Shine(cr, 14, 14, 5, 3, 0.8);
  Shine(cr, 33, 30, 3, 2, 0.3);
  return canvas.Take();
}

Picture CitrusSlice() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb orange = Hex(0xFF9A1A);
  cairo_translate(cr, 24, 24);
  cairo_rotate(cr, -0.25);
  cairo_translate(cr, -24, -24);
  cairo_arc(cr, 24, 34, 21, kPi, 2 * kPi);
  cairo_close_path(cr);
  FillJelly(cr, orange, 24, 24, 18);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  // The rind, the pith and the segments.
  cairo_new_path(cr);
  cairo_arc(cr, 24, 34, 18, kPi, 2 * kPi);
  cairo_set_line_width(cr, 2.2);
  SetColour(cr, Hex(0xFFF0C0), 0.9);
  cairo_stroke(cr);
  for (int i = 1; i < 6; ++i) {
    const double a = kPi + i * kPi / 6;
    cairo_move_to(cr, 24 + std::cos(a) * 3, 34 + std::sin(a) * 3);
    cairo_line_to(cr, 24 + std::cos(a) * 16, 34 + std::sin(a) * 16);
  }
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Hex(0xFFE8B0), 0.8);
  cairo_stroke(cr);
  SugarCoat(cr, 47, 35, 2, 12, 46, 34, 0.6);
  cairo_restore(cr);
  OutlineIn(cr, orange, 1.5);
  return canvas.Take();
}

// A five-pointed star with rounded points, as a path.
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double turn = 0) {
  for (int k = 0; k < 10; ++k) {
    const double a = turn - kPi / 2 + k * kPi / 5, r = k % 2 ? inner : outer;
    const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

Picture JellyStar() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb purple = Hex(0xA850F0);
  StarPath(cr, 24, 26, 22, 10, 0.1);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 4);
  SetColour(cr, Darker(purple, 0.7));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 2);
  SetColour(cr, purple);
  cairo_stroke_preserve(cr);
  FillJelly(cr, purple, 24, 26, 18);
  cairo_new_path(cr);
  Shine(cr, 18, 17, 5, 3, 0.8);
  return canvas.Take();
}

Picture TurkishDelight() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb rose = Hex(0xF0508E);
  const double faces[3][8] = {{24, 5, 43, 14, 24, 23, 5, 14},
                              {5, 14, 24, 23, 24, 44, 5, 35},
                              {24, 23, 43, 14, 43, 35, 24, 44}};
  const Rgb shades[3] = {Lighter(rose, 0.2), rose, Darker(rose, 0.25)};
  for (int f = 0; f < 3; ++f) {
    cairo_move_to(cr, faces[f][0], faces[f][1]);
    for (int i = 2; i < 8; i += 2) cairo_line_to(cr, faces[f][i], faces[f][i + 1]);
    cairo_close_path(cr);
    SetColour(cr, shades[f]);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    // Icing sugar, thickest on the top.
    SugarCoat(cr, 50 + f, f == 0 ? 70 : 30, 3, 3, 45, 45, f == 0 ? 0.8 : 0.55);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColour(cr, Darker(rose, 0.6), 0.8);
    cairo_stroke(cr);
  }
  return canvas.Take();
}

Picture GummyBear(Rgb colour) {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  auto bear = [cr] {
    cairo_new_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 16.5, 6.5, 4, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 31.5, 6.5, 4, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 24, 13, 9, 0, 2 * kPi);
    EllipsePath(cr, 24, 30, 11, 11.5);
    EllipsePath(cr, 13.5, 25, 6, 3.8, -0.8);
    EllipsePath(cr, 34.5, 25, 6, 3.8, 0.8);
    EllipsePath(cr, 16.5, 40.5, 6.5, 5);
    EllipsePath(cr, 31.5, 40.5, 6.5, 5);
  };
  // The outline goes round the whole bear: stroked wide first, the body filled over its inner half.
  bear();
  cairo_set_line_width(cr, 3);
  SetColour(cr, Darker(colour, 0.65));
  cairo_stroke(cr);
  bear();
  FillJelly(cr, colour, 24, 24, 22);
  cairo_new_path(cr);
  // A pressed-in face and belly, and the light in the gum.
  for (double x : {20.5, 27.5}) {
    cairo_arc(cr, x, 11.5, 1.3, 0, 2 * kPi);
    SetColour(cr, Darker(colour, 0.55), 0.85);
    cairo_fill(cr);
  }
  EllipsePath(cr, 24, 16.5, 3, 2.2);
  SetColour(cr, Darker(colour, 0.3), 0.8);
  cairo_fill(cr);
  EllipsePath(cr, 24, 31, 6, 6.5);
  SetColour(cr, Lighter(colour, 0.35), 0.45);
  cairo_fill(cr);
  Shine(cr, 20, 8, 4, 2.5, 0.8);
  Shine(cr, 19, 25, 3, 4, 0.45);
  return canvas.Take();
}

Picture LiquoriceWheel() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  cairo_arc(cr, 24, 24, 21, 0, 2 * kPi);
  FillJelly(cr, Hex(0x30303A), 24, 24, 21);
  OutlineIn(cr, Hex(0x30303A), 1.2);
  // The rolled lace: a spiral groove with a faint shine along it.
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i <= 120; ++i) {
      const double t = i / 120.0, a = t * 6 * kPi, r = 8 + t * 12;
      const double x = 24 + std::cos(a) * r + pass * 0.8, y = 24 + std::sin(a) * r + pass * 0.8;
      if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    cairo_set_line_width(cr, pass ? 1.0 : 1.4);
    SetColour(cr, pass ? Hex(0x0A0A10) : Hex(0x7A7A90), pass ? 0.9 : 0.6);
    cairo_stroke(cr);
  }
  cairo_arc(cr, 24, 24, 7.5, 0, 2 * kPi);
  SetColour(cr, Hex(0x0A0A10));
  cairo_fill(cr);
  PaintSphere(cr, 24, 24, 6, Hex(0xFF5AB4), true);
  Shine(cr, 16, 12, 7, 3, 0.35);
  return canvas.Take();
}

Picture LiquoriceTwist() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  cairo_translate(cr, 24, 24);
  cairo_rotate(cr, -kPi / 4);
  RoundedRect(cr, -23, -8, 46, 16, 6);
  SetColour(cr, Hex(0x22222C));
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  // The twist: slanted ridges, each lit on its upper side.
  for (double x = -28; x < 26; x += 6) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, -9);
    cairo_curve_to(cr, x + 3, -3, x + 3, 3, x + 6, 9);
    cairo_set_line_width(cr, 3);
    SetColour(cr, Hex(0x8A8AA4), 0.9);
    cairo_stroke(cr);
    cairo_move_to(cr, x + 2.2, -9);
    cairo_curve_to(cr, x + 5.2, -3, x + 5.2, 3, x + 8.2, 9);
    cairo_set_line_width(cr, 1.4);
    SetColour(cr, Hex(0x050508));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  cairo_set_line_width(cr, 1.4);
  SetColour(cr, Hex(0x000000));
  cairo_stroke(cr);
  return canvas.Take();
}

// A layered liquorice allsort, seen from above its front corner: its bands of colour from the top down.
Picture LayeredAllsort(const std::array<Rgb, 5>& bands) {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const double x0 = 8, x1 = 36, y0 = 14, y1 = 42, dx = 7, dy = -7;
  const double bandH = (y1 - y0) / 5;
  for (int i = 0; i < 5; ++i) {
    const double top = y0 + i * bandH, bottom = top + bandH;
    cairo_rectangle(cr, x0, top, x1 - x0, bandH);
    SetColour(cr, bands[i]);
    cairo_fill(cr);
    cairo_move_to(cr, x1, top);
    cairo_line_to(cr, x1 + dx, top + dy);
    cairo_line_to(cr, x1 + dx, bottom + dy);
    cairo_line_to(cr, x1, bottom);
    cairo_close_path(cr);
    SetColour(cr, Darker(bands[i], 0.3));
    cairo_fill(cr);
  }
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x0 + dx, y0 + dy);
  cairo_line_to(cr, x1 + dx, y0 + dy);
  cairo_line_to(cr, x1, y0);
  cairo_close_path(cr);
  SetColour(cr, Lighter(bands[0], 0.2));
  cairo_fill(cr);
  // Edges.
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x0 + dx, y0 + dy);
  cairo_line_to(cr, x1 + dx, y0 + dy);
  cairo_line_to(cr, x1 + dx, y1 + dy);
  cairo_line_to(cr, x1, y1);
  cairo_line_to(cr, x0, y1);
  cairo_close_path(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y0);
  cairo_line_to(cr, x1, y1);
  cairo_move_to(cr, x1, y0);
  cairo_line_to(cr, x1 + dx, y0 + dy);
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, Hex(0x08080C));
  cairo_stroke(cr);
  Shine(cr, 18, 18, 8, 2, 0.35);
  return canvas.Take();
}

// A coconut roll: a rough pink coat round a black liquorice core, seen end on.
Picture CoconutRoll() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb pink = Hex(0xFF5AA8);
  Dice dice(61);
  for (int i = 0; i < 48; ++i) {
    const double a = i * 2 * kPi / 48, r = 19.5 + dice.Range(-1.2, 1.2);
    const double x = 24 + std::cos(a) * r, y = 24 + std::sin(a) * r;
    if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  FillJelly(cr, pink, 24, 24, 20);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  for (int i = 0; i < 110; ++i) {
    const double x = dice.Range(3, 45), y = dice.Range(3, 45);
    cairo_rectangle(cr, x, y, 1.2, 0.8);
    SetColour(cr, dice.Unit() < 0.3 ? Hex(0xFFFFFF) : Darker(pink, 0.3), 0.6);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  OutlineIn(cr, pink, 1.3);
  cairo_arc(cr, 24, 24, 9, 0, 2 * kPi);
  cairo_pattern_t* core = cairo_pattern_create_radial(22, 22, 1, 24, 24, 9);
  AddStop(core, 0, Hex(0x4A4A58));
  AddStop(core, 1, Hex(0x0A0A10));
  cairo_set_source(cr, core);
  cairo_fill(cr);
  Shine(cr, 17, 13, 7, 3, 0.45);
  return canvas.Take();
}

// A liquorice button covered in blue sugar beads.
Picture BeadedButton() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  cairo_arc(cr, 24, 24, 19, 0, 2 * kPi);
  FillJelly(cr, Hex(0x2A2A34), 24, 24, 19);
  OutlineIn(cr, Hex(0x2A2A34), 1.3);
  Dice dice(67);
  for (int i = 0; i < 70; ++i) {
    const double a = dice.Range(0, 2 * kPi), r = 17 * std::sqrt(dice.Unit());
    const double x = 24 + std::cos(a) * r, y = 24 + std::sin(a) * r;
    PaintSphere(cr, x, y, 1.6, Mix(Hex(0x3A8CFF), Hex(0x7AD8FF), dice.Unit()), false);
  }
  Shine(cr, 17, 14, 7, 4, 0.35);
  return canvas.Take();
}

// A liquorice pipe with red sugar embers in its bowl.
Picture LiquoricePipe() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const Rgb black = Hex(0x24242E);
  cairo_move_to(cr, 4, 14);
  cairo_curve_to(cr, 14, 20, 22, 30, 30, 30);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 7.5);
  SetColour(cr, Hex(0x050508));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 5);
  SetColour(cr, black);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Hex(0x8A8AA0), 0.7);
  cairo_translate(cr, 0, -1.2);
  cairo_stroke(cr);
  cairo_identity_matrix(cr);
  // The bowl.
  cairo_move_to(cr, 26, 16);
  cairo_line_to(cr, 44, 16);
  cairo_curve_to(cr, 44, 32, 42, 42, 35, 42);
  cairo_curve_to(cr, 28, 42, 26, 32, 26, 16);
  cairo_close_path(cr);
  FillLit(cr, black, 16, 42, 0.35, 0.4);
  OutlineIn(cr, black, 1.4);
  EllipsePath(cr, 35, 16, 9, 3);
  SetColour(cr, Hex(0x0A0A10));
  cairo_fill(cr);
  Dice dice(71);
  for (int i = 0; i < 9; ++i) {
    PaintSphere(cr, 35 + dice.Range(-6, 6), 15 + dice.Range(-1.5, 1), 1.8, Mix(Hex(0xFF3030), Hex(0xFF9A30), dice.Unit()),
                false);
  }
  Shine(cr, 30, 24, 2, 6, 0.4);
  return canvas.Take();
}

Picture GummySnake() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  auto body = [cr] {
    cairo_move_to(cr, 5, 42);
    cairo_curve_to(cr, 14, 46, 20, 38, 16, 30);
    cairo_curve_to(cr, 12, 22, 18, 14, 26, 20);
    cairo_curve_to(cr, 32, 25, 36, 18, 37, 13);
  };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  body();
  cairo_set_line_width(cr, 10);
  SetColour(cr, Hex(0x300810));
  cairo_stroke(cr);
  body();
  cairo_pattern_t* stripes = cairo_pattern_create_linear(5, 42, 37, 13);
  AddStop(stripes, 0, Hex(0x2ED158));
  AddStop(stripes, 0.45, Hex(0xFFD22E));
  AddStop(stripes, 1, Hex(0xF0283C));
  cairo_set_source(cr, stripes);
  cairo_set_line_width(cr, 7.5);
  cairo_stroke(cr);
  cairo_pattern_destroy(stripes);
  cairo_translate(cr, -1, -1.6);
  body();
  cairo_set_line_width(cr, 1.8);
  SetColour(cr, Hex(0xFFFFFF), 0.5);
  cairo_stroke(cr);
  cairo_identity_matrix(cr);
  // The head, eyes and tongue.
  cairo_move_to(cr, 42, 7);
  cairo_line_to(cr, 45, 4);
  cairo_move_to(cr, 42, 7);
  cairo_line_to(cr, 46, 7);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Hex(0xFF3A6A));
  cairo_stroke(cr);
  EllipsePath(cr, 38, 11, 6.5, 5.5, -0.6);
  FillJelly(cr, Hex(0xF0283C), 38, 11, 6);
  OutlineIn(cr, Hex(0xF0283C), 1.3);
  for (auto [x, y] : {std::array<double, 2>{36, 8.5}, {40.5, 10.5}}) {
    cairo_arc(cr, x, y, 1.5, 0, 2 * kPi);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    cairo_arc(cr, x + 0.3, y + 0.2, 0.8, 0, 2 * kPi);
    SetColour(cr, Hex(0x100810));
    cairo_fill(cr);
  }
  return canvas.Take();
}

void LollipopStick(cairo_t* cr, double fromX, double fromY) {
  cairo_move_to(cr, fromX, fromY);
  cairo_line_to(cr, 7, 45);
  EdgedLine(cr, Hex(0xFAF6EE), 3, 5, Hex(0x6A6A78));
}

// A flat swirl lollipop; `colours` alternate along its spiral.
Picture SwirlLollipop(const std::vector<Rgb>& colours) {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  const double cx = 28, cy = 20, r = 17;
  LollipopStick(cr, cx, cy);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  SetColour(cr, Hex(0xFFF8F4));
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  // Bands wound round the middle: each colour fills the gap between two arms of the spiral.
  const int arms = static_cast<int>(colours.size());
  for (int k = 0; k < arms; ++k) {
    for (int i = 0; i <= 90; ++i) {
      const double t = i / 90.0, a = k * 2 * kPi / arms + t * 3 * kPi, rr = t * (r + 2);
      const double x = cx + std::cos(a) * rr, y = cy + std::sin(a) * rr;
      if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    cairo_set_line_width(cr, 4.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, colours[static_cast<size_t>(k)]);
    cairo_stroke(cr);
  }
  // The glassy dome of the boiled sugar.
  cairo_pattern_t* dome = cairo_pattern_create_radial(cx - 5, cy - 6, 1, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(dome, 0, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(dome, 0.6, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(dome, 1, 0.2, 0, 0.2, 0.3);
  cairo_set_source(cr, dome);
  cairo_paint(cr);
  cairo_pattern_destroy(dome);
  cairo_restore(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0x4A1030));
  cairo_stroke(cr);
  Shine(cr, cx - 6, cy - 8, 6, 3, 0.8);
  return canvas.Take();
}

Picture BallLollipop() {
  Canvas canvas(kSide, kSide);
  cairo_t* cr = canvas.cr();
  LollipopStick(cr, 28, 20);
  PaintSphere(cr, 28, 19, 15, Hex(0xFF8A1A), true);
  // A paper band round it where the wrapper was twisted off.
  cairo_save(cr);
  cairo_arc(cr, 28, 19, 15, 0, 2 * kPi);
  cairo_clip(cr);
  EllipsePath(cr, 28, 19, 17, 5, -0.5);
  cairo_set_line_width(cr, 2.5);
  SetColour(cr, Hex(0xFFE040), 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
  return canvas.Take();
}

}  // namespace

Picture PaintSweet(int index) {
  switch (index) {
    case 0: return CandyRing();
    case 1: return ButterBiscuit();
    case 2: return SandwichBiscuit();
    case 3: return WrappedSweet();
    case 4: return Chocolate();
    case 5: return Gumdrop();
    case 6: return JellyHeart();
    case 7: return CitrusSlice();
    case 8: return JellyStar();
    case 9: return TurkishDelight();
    case 10: return GummyBear(Hex(0x3A7CFF));
    case 11: return GummyBear(Hex(0xFFCC1E));
    case 12: return GummyBear(Hex(0xFF7AC8));
    case 13: return GummyBear(Hex(0xE8283C));
    case 14: return GummyBear(Hex(0x2ED158));
    case 15: return LiquoriceWheel();
    case 16: return LiquoriceTwist();
    case 17: return LayeredAllsort({Hex(0x1A1A22), Hex(0xFAF6EE), Hex(0xFF7AB8), Hex(0xFAF6EE), Hex(0x1A1A22)});
    case 18: return CoconutRoll();
    case 19: return BeadedButton();
    case 20: return LiquoricePipe();
    case 21: return GummySnake();
    case 22: return SwirlLollipop({Hex(0xE8283C), Hex(0xE8283C)});
    case 23: return SwirlLollipop({Hex(0xE8283C), Hex(0xFFD22E), Hex(0x2ED158), Hex(0x2F7BFF), Hex(0xA850F0)});
    case 24: return BallLollipop();
    default: return {};
  }
}

}  // namespace minigames
