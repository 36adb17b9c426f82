// Sugar's pictures: six shiny balloons, the sweets they carry, the soft star of the background, the candy-stick
// launcher, its ball and the comic pop.
#include <cmath>

#include "minigames/MinigameArt.h"
#include "minigames/MinigamePaint.h"
#include "minigames/SweetArt.h"

using namespace minigames;

namespace {

// A rubber balloon, 64 x 80: a rounded body narrowing to the knot at the bottom centre, a bright window of
// reflected light at its upper left and a tied knot with the start of its string.
Picture PaintBalloon(Rgb colour) {
  Canvas canvas(64, 80);
  cairo_t* cr = canvas.cr();
  auto body = [cr] {
    cairo_move_to(cr, 32, 68);
    cairo_curve_to(cr, 16, 60, 3, 44, 3, 31);
    cairo_curve_to(cr, 3, 13, 16, 2, 32, 2);
    cairo_curve_to(cr, 48, 2, 61, 13, 61, 31);
    cairo_curve_to(cr, 61, 44, 48, 60, 32, 68);
    cairo_close_path(cr);
  };
  // String and knot first, so the body's rim sits over the knot's top.
  cairo_move_to(cr, 32, 72);
  cairo_curve_to(cr, 30, 75, 34, 77, 32, 80);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Hex(0x5A4A5A));
  cairo_stroke(cr);
  cairo_move_to(cr, 32, 65);
  cairo_line_to(cr, 36.5, 73);
  cairo_curve_to(cr, 34, 74.5, 30, 74.5, 27.5, 73);
  cairo_close_path(cr);
  FillLit(cr, Darker(colour, 0.15), 65, 74);
  InkOutline(cr, 1.2);
  cairo_new_path(cr);
  body();
  cairo_pattern_t* rubber = cairo_pattern_create_radial(22, 20, 2, 30, 32, 40);
  AddStop(rubber, 0, Lighter(colour, 0.6));
  AddStop(rubber, 0.35, Lighter(colour, 0.1));
  AddStop(rubber, 0.75, colour);
  AddStop(rubber, 1, Darker(colour, 0.55));
  cairo_set_source(cr, rubber);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(rubber);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  // Light through the rubber at the lower right, the window's reflection at the upper left.
  Shine(cr, 46, 50, 10, 8, 0.18);
  cairo_restore(cr);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Darker(colour, 0.7));
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 19, 19);
  cairo_rotate(cr, 0.55);
  Shine(cr, 0, 0, 5.5, 10, 0.85);
  cairo_restore(cr);
  Shine(cr, 16.5, 16, 2.2, 3.5, 0.9);
  Shine(cr, 44, 55, 2.5, 1.5, 0.5);
  return canvas.Take();
}

// The background's star: soft and pale, with a warm glow round it (the game fades it by its row).
Picture PaintStar() {
  Canvas canvas(32, 32);
  cairo_t* cr = canvas.cr();
  PaintGlow(cr, 16, 16, 16, Hex(0xFFF0A0), 0.55);
  for (int k = 0; k < 10; ++k) {
    const double a = -kPi / 2 + k * kPi / 5, r = k % 2 ? 5.2 : 12.5;
    const double x = 16 + r * std::cos(a), y = 16.5 + r * std::sin(a);
    if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_pattern_t* fill = cairo_pattern_create_radial(16, 16, 1, 16, 16, 13);
  AddStop(fill, 0, Hex(0xFFFFFF));
  AddStop(fill, 0.5, Hex(0xFFF6C0));
  AddStop(fill, 1, Hex(0xFFD870));
  cairo_set_source(cr, fill);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0xFFFFFF), 0.5);
  cairo_stroke(cr);
  return canvas.Take();
}

// The launcher, 32 x 96, pointing up and turned about its middle: a golden arrow tip on a red and white
// candy stick, with a pink grip at its foot.
Picture PaintLauncher() {
  Canvas canvas(32, 96);
  cairo_t* cr = canvas.cr();
  RoundedRect(cr, 10, 20, 12, 62, 3);
  cairo_pattern_t* stick = cairo_pattern_create_linear(10, 0, 22, 0);
  AddStop(stick, 0, Hex(0xFFFFFF));
  AddStop(stick, 0.6, Hex(0xF4EEF2));
  AddStop(stick, 1, Hex(0xB8AAB8));
  cairo_set_source(cr, stick);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(stick);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_set_line_width(cr, 4.5);
  for (double y = 14; y < 92; y += 9) {
    cairo_move_to(cr, 8, y + 6);
    cairo_line_to(cr, 24, y);
  }
  cairo_pattern_t* stripe = cairo_pattern_create_linear(10, 0, 22, 0);
  AddStop(stripe, 0, Hex(0xFF4A5A));
  AddStop(stripe, 1, Hex(0xA01020));
  cairo_set_source(cr, stripe);
  cairo_stroke(cr);
  cairo_pattern_destroy(stripe);
  cairo_restore(cr);
  InkOutline(cr, 1.6);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 1.5);
  cairo_line_to(cr, 29, 25);
  cairo_line_to(cr, 20, 21);
  cairo_line_to(cr, 12, 21);
  cairo_line_to(cr, 3, 25);
  cairo_close_path(cr);
  cairo_pattern_t* gold = cairo_pattern_create_linear(3, 0, 29, 0);
  AddStop(gold, 0, Hex(0xFFF2B0));
  AddStop(gold, 0.45, Hex(0xFFC23D));
  AddStop(gold, 1, Hex(0xB0741A));
  cairo_set_source(cr, gold);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gold);
  InkOutline(cr, 1.6);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 4);
  cairo_line_to(cr, 16, 19);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0xFFFFFF), 0.7);
  cairo_stroke(cr);
  RoundedRect(cr, 6, 78, 20, 16, 5);
  FillInked(cr, Hex(0xFF6AC0), 78, 94, 1.6);
  for (double y : {83.0, 88.0}) {
    cairo_move_to(cr, 9, y);
    cairo_line_to(cr, 23, y);
  }
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0xA0306A), 0.8);
  cairo_stroke(cr);
  Shine(cr, 12, 81, 3, 1.5, 0.7);
  return canvas.Take();
}

// The ball: a deep blue gumball that stands out on the pink.
Picture PaintGumball() {
  Canvas canvas(16, 16);
  PaintSphere(canvas.cr(), 8, 8, 7.3, Hex(0x3A3AE8), true);
  return canvas.Take();
}

// The pop: a jagged comic burst, yellow to orange with a white heart and the word written across it.
Picture PaintPop() {
  Canvas canvas(64, 64);
  cairo_t* cr = canvas.cr();
  auto burst = [cr](double outer, double inner, uint32_t seed) {
    Dice dice(seed);
    for (int k = 0; k < 28; ++k) {
      const double a = k * kPi / 14 + dice.Range(-0.06, 0.06);
      const double r = (k % 2 ? inner : outer) * dice.Range(0.88, 1.05);
      const double x = 32 + r * std::cos(a), y = 32 + r * std::sin(a);
      if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
  };
  burst(30, 19, 83);
  cairo_pattern_t* fire = cairo_pattern_create_radial(32, 32, 4, 32, 32, 30);
  AddStop(fire, 0, Hex(0xFFF6A0));
  AddStop(fire, 0.5, Hex(0xFFD22E));
  AddStop(fire, 1, Hex(0xFF6A1A));
  cairo_set_source(cr, fire);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fire);
  InkOutline(cr, 2);
  cairo_new_path(cr);
  burst(19, 12, 89);
  SetColour(cr, Hex(0xFFFFFF), 0.9);
  cairo_fill(cr);
  CentredTextPath(cr, "POP!", 32, 32, 15, true);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 3);
  SetColour(cr, Ink());
  cairo_stroke_preserve(cr);
  SetColour(cr, Hex(0xE8283C));
  cairo_fill(cr);
  return canvas.Take();
}

}  // namespace

Picture PaintSugarPicture(int number) {
  const Rgb balloons[sugarBalloonCount] = {Hex(0x2F7BFF), Hex(0x2EE6F0), Hex(0xFFD22E),
                                           Hex(0xFF7AC8), Hex(0xE8283C), Hex(0x2ED158)};
  if (number >= sugarBalloons && number < sugarBalloons + sugarBalloonCount) {
    return PaintBalloon(balloons[number - sugarBalloons]);
  }
  if (number >= sugarSweets && number < sugarSweets + sugarSweetCount) return PaintSweet(number - sugarSweets);
  switch (number) {
    case sugarStar: return PaintStar();
    case sugarLauncher: return PaintLauncher();
    case sugarBall: return PaintGumball();
    case sugarPop: return PaintPop();
    default: return {};
  }
}
