// The duck gallery's pictures: a fairground cork gun and its cork, and seven painted tin targets (three ducks, a
// trolley, a snail, a hen and a calf), each facing left and mirrored to face right.
#include <array>
#include <cmath>

#include "minigames/MinigameArt.h"
#include "minigames/MinigamePaint.h"

using namespace minigames;

namespace {

constexpr int kTargetW = 64, kTargetH = 56;
constexpr double kLine = 2.0;  // the ink outline of the tin shapes

// The peg that holds a target on the gallery's rail.
void Peg(cairo_t* cr, double cx, double top) {
  RoundedRect(cr, cx - 4, top, 8, kTargetH - 1 - top, 2);
  cairo_pattern_t* steel = cairo_pattern_create_linear(cx - 4, 0, cx + 4, 0);
  AddStop(steel, 0, Hex(0xD8E0EE));
  AddStop(steel, 1, Hex(0x6A7488));
  cairo_set_source(cr, steel);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(steel);
  InkOutline(cr, 1.5);
  cairo_new_path(cr);
}

void Eye(cairo_t* cr, double x, double y, double r) {
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  SetColour(cr, Hex(0xFFFFFF));
  cairo_fill_preserve(cr);
  InkOutline(cr, 1);
  cairo_new_path(cr);
  cairo_arc(cr, x - r * 0.3, y, r * 0.55, 0, 2 * kPi);
  SetColour(cr, Ink());
  cairo_fill(cr);
  cairo_arc(cr, x - r * 0.5, y - r * 0.25, r * 0.2, 0, 2 * kPi);
  SetColour(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
}

struct DuckLook {
  Rgb body, wing, head, beak;
  bool mallard = false;  // green head, white collar, chestnut breast, blue wing bar
  bool speckled = false;
};

void PaintDuck(cairo_t* cr, const DuckLook& look) {
  Peg(cr, 36, 44);
  // Tail, body, wing.
  cairo_move_to(cr, 48, 30);
  cairo_curve_to(cr, 54, 24, 58, 20, 62, 15);
  cairo_curve_to(cr, 62, 24, 60, 32, 55, 40);
  cairo_close_path(cr);
  FillInked(cr, look.body, 15, 40);
  EllipsePath(cr, 36, 35, 21, 12);
  FillLit(cr, look.body, 23, 47);
  if (look.mallard) {
    cairo_save(cr);
    cairo_clip_preserve(cr);
    EllipsePath(cr, 17, 36, 9, 11);
    FillLit(cr, Hex(0x9A4220), 26, 48);
    cairo_new_path(cr);
    cairo_restore(cr);
    EllipsePath(cr, 36, 35, 21, 12);
  }
  InkOutline(cr, kLine);
  cairo_new_path(cr);
  cairo_save(cr);
  EllipsePath(cr, 36, 35, 21, 12);
  cairo_clip(cr);
  Shine(cr, 32, 28, 14, 4, 0.45);
  cairo_restore(cr);
  cairo_move_to(cr, 27, 31);
  cairo_curve_to(cr, 34, 26, 46, 26, 53, 32);
  cairo_curve_to(cr, 50, 38, 40, 42, 30, 40);
  cairo_curve_to(cr, 26, 38, 25, 34, 27, 31);
  cairo_close_path(cr);
  FillLit(cr, look.wing, 27, 42, 0.3, 0.3);
  InkOutline(cr, 1.4);
  cairo_new_path(cr);
  if (look.mallard) {
    cairo_move_to(cr, 40, 35);
    cairo_curve_to(cr, 44, 34, 48, 34, 51, 34);
    cairo_set_line_width(cr, 3);
    SetColour(cr, Hex(0x2F7BFF));
    cairo_stroke(cr);
  }
  if (look.speckled) {
    Dice dice(7);
    for (int i = 0; i < 14; ++i) {
      const double x = dice.Range(22, 52), y = dice.Range(28, 44);
      if (std::pow((x - 36) / 19, 2) + std::pow((y - 35) / 10.5, 2) > 1) continue;
      cairo_arc(cr, x, y, 0.9, 0, 2 * kPi);
      SetColour(cr, Darker(look.body, 0.45), 0.8);
      cairo_fill(cr);
    }
  }
  // Beak, head, eye.
  cairo_move_to(cr, 13, 13.5);
  cairo_curve_to(cr, 8, 13, 4, 14, 1.5, 16.5);
  cairo_curve_to(cr, 3, 20, 8, 21.5, 13, 21);
  cairo_close_path(cr);
  FillInked(cr, look.beak, 13, 22, 1.6);
  cairo_move_to(cr, 3, 18);
  cairo_line_to(cr, 11, 18.5);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Ink(), 0.7);
  cairo_stroke(cr);
  cairo_arc(cr, 20, 16, 10, 0, 2 * kPi);
  FillLit(cr, look.head, 6, 26, look.mallard ? 0.35 : 0.45);
  InkOutline(cr, kLine);
  cairo_new_path(cr);
  if (look.mallard) {
    cairo_arc(cr, 21, 17, 9, kPi * 0.25, kPi * 0.75);
    cairo_set_line_width(cr, 2.2);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_stroke(cr);
  }
  Shine(cr, 17, 10, 5, 3, 0.5);
  Eye(cr, 18, 13.5, 3.2);
}

Picture PaintDuckTarget(int kind) {
  Canvas canvas(kTargetW, kTargetH);
  cairo_t* cr = canvas.cr();
  const DuckLook looks[3] = {
      {Hex(0xFFD22E), Hex(0xF0A818), Hex(0xFFDA40), Hex(0xFF8A1A)},
      {Hex(0xA8682E), Hex(0x74421C), Hex(0xB87A3C), Hex(0xFF9A2A), false, true},
      {Hex(0xF0C24A), Hex(0xC8922A), Hex(0x16A05A), Hex(0xFFD22E), true}};
  PaintDuck(cr, looks[kind]);
  return canvas.Take();
}

// A red shopping trolley pushed from the right: a wire basket, a handle, a chassis and two wheels.
Picture PaintTrolley() {
  Canvas canvas(kTargetW, kTargetH);
  cairo_t* cr = canvas.cr();
  const Rgb red = Hex(0xE8283C);
  // Handle.
  cairo_move_to(cr, 50, 13);
  cairo_line_to(cr, 60, 5);
  EdgedLine(cr, Hex(0xFFD22E), 2.4, 5, Ink());
  // Chassis.
  cairo_move_to(cr, 15, 38);
  cairo_line_to(cr, 17, 45);
  cairo_line_to(cr, 48, 45);
  cairo_line_to(cr, 49, 38);
  EdgedLine(cr, Hex(0xB8C4DA), 2, 4.5, Ink());
  // The basket: tin painted with its wires, a red rim.
  auto basket = [cr] {
    cairo_move_to(cr, 5, 11);
    cairo_line_to(cr, 53, 11);
    cairo_line_to(cr, 50, 38);
    cairo_line_to(cr, 14, 38);
    cairo_close_path(cr);
  };
  basket();
  FillLit(cr, Hex(0xC8D2E4), 11, 38, 0.4, 0.25);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_set_line_width(cr, 1.4);
  SetColour(cr, Hex(0x4A5468));
  for (double x = 11; x < 54; x += 6) {
    cairo_move_to(cr, x, 11);
    cairo_line_to(cr, x + 3 - (x - 5) * 0.15, 38);
  }
  for (double y = 17; y < 38; y += 6) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, 60, y);
  }
  cairo_stroke(cr);
  Shine(cr, 28, 14, 22, 4, 0.5);
  cairo_restore(cr);
  basket();
  EdgedLine(cr, red, 2.6, 5, Ink());
  cairo_move_to(cr, 5.5, 10.5);
  cairo_line_to(cr, 52.5, 10.5);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Lighter(red, 0.6));
  cairo_stroke(cr);
  for (double x : {19.0, 45.0}) {
    cairo_arc(cr, x, 49.5, 5, 0, 2 * kPi);
    SetColour(cr, Hex(0x22242E));
    cairo_fill_preserve(cr);
    InkOutline(cr, 1.5);
    cairo_new_path(cr);
    PaintSphere(cr, x, 49.5, 2, Hex(0xD8E0EE), false);
  }
  return canvas.Take();
}

// A snail with a spiral shell, its head raised to the left on two eye stalks.
Picture PaintSnail() {
  Canvas canvas(kTargetW, kTargetH);
  cairo_t* cr = canvas.cr();
  const Rgb skin = Hex(0xB8E04A);
  for (double x : {8.0, 14.0}) {
    cairo_move_to(cr, x + 2, 28);
    cairo_line_to(cr, x - 2 + (x - 8) * 0.5, 12);
    EdgedLine(cr, skin, 2.2, 4.5, Ink());
  }
  Eye(cr, 6, 11, 3.4);
  Eye(cr, 15, 11, 3.4);
  cairo_move_to(cr, 60, 47);
  cairo_curve_to(cr, 40, 49, 20, 49, 8, 48);
  cairo_curve_to(cr, 2, 47, 2, 40, 4, 33);
  cairo_curve_to(cr, 6, 26, 16, 24, 19, 31);
  cairo_curve_to(cr, 22, 37, 26, 39, 36, 39);
  cairo_line_to(cr, 58, 40);
  cairo_curve_to(cr, 62, 41, 63, 45, 60, 47);
  cairo_close_path(cr);
  FillInked(cr, skin, 26, 49);
  // A smile under the stalks.
  cairo_arc(cr, 8, 37, 3, kPi * 0.15, kPi * 0.85);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Ink());
  cairo_stroke(cr);
  // The shell, and its spiral painted on.
  const double cx = 40, cy = 25;
  cairo_arc(cr, cx, cy, 17, 0, 2 * kPi);
  cairo_pattern_t* shell = cairo_pattern_create_radial(cx - 6, cy - 7, 2, cx, cy, 18);
  AddStop(shell, 0, Hex(0xFFC070));
  AddStop(shell, 0.6, Hex(0xE07A2A));
  AddStop(shell, 1, Hex(0x8A3A12));
  cairo_set_source(cr, shell);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(shell);
  InkOutline(cr, kLine);
  cairo_new_path(cr);
  for (int i = 0; i <= 80; ++i) {
    const double t = i / 80.0, a = -kPi / 2 + t * 4.2 * kPi, r = 1 + t * 14.5;
    const double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r;
    if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_set_line_width(cr, 2);
  SetColour(cr, Hex(0x5A2208), 0.9);
  cairo_stroke(cr);
  Shine(cr, 34, 15, 7, 4, 0.55);
  return canvas.Take();
}

// A plump white hen with a red comb and wattle, facing left.
Picture PaintHen() {
  Canvas canvas(kTargetW, kTargetH);
  cairo_t* cr = canvas.cr();
  const Rgb white = Hex(0xF6F0E2), red = Hex(0xE8283C), yellow = Hex(0xFFC22E);
  for (double x : {31.0, 41.0}) {
    cairo_move_to(cr, x, 44);
    cairo_line_to(cr, x - 1, 52);
    cairo_move_to(cr, x - 5, 53);
    cairo_line_to(cr, x + 3, 53);
    EdgedLine(cr, yellow, 2.2, 4.5, Ink());
  }
  // Tail plumes, then the body over their roots.
  for (int i = 0; i < 3; ++i) {
    const double turn = -0.9 + i * 0.45;
    EllipsePath(cr, 52 + i * 2.5, 24 + i * 3, 9, 4.5, turn);
    FillInked(cr, i == 1 ? Hex(0xE0D6C0) : white, 14, 36, 1.6);
  }
  EllipsePath(cr, 35, 32, 19, 14.5);
  FillInked(cr, white, 17, 47);
  cairo_save(cr);
  EllipsePath(cr, 35, 32, 19, 14.5);
  cairo_clip(cr);
  Shine(cr, 31, 23, 12, 5, 0.6);
  cairo_restore(cr);
  // The wing: scalloped feathers.
  cairo_move_to(cr, 27, 29);
  cairo_curve_to(cr, 36, 24, 46, 26, 49, 32);
  for (int i = 0; i < 3; ++i) {
    const double x = 47 - i * 7;
    cairo_curve_to(cr, x, 38, x - 5, 38, x - 6, 35);
  }
  cairo_curve_to(cr, 27, 36, 25, 32, 27, 29);
  cairo_close_path(cr);
  FillLit(cr, Hex(0xE2D8C4), 24, 38, 0.2, 0.2);
  InkOutline(cr, 1.3);
  cairo_new_path(cr);
  // Comb, beak, wattle, head.
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 14 + i * 4.2, 7.5 - (i == 1 ? 1 : 0), 3.2, 0, 2 * kPi);
    FillInked(cr, red, 3, 11, 1.5);
  }
  cairo_move_to(cr, 11, 13);
  cairo_line_to(cr, 2, 16.5);
  cairo_line_to(cr, 11, 19.5);
  cairo_close_path(cr);
  FillInked(cr, yellow, 13, 20, 1.5);
  EllipsePath(cr, 12.5, 23, 2.6, 4);
  FillInked(cr, red, 19, 27, 1.4);
  cairo_arc(cr, 18, 16, 8.5, 0, 2 * kPi);
  FillInked(cr, white, 7, 25);
  Shine(cr, 16, 11, 4.5, 2.6, 0.6);
  Eye(cr, 16, 14.5, 2.8);
  return canvas.Take();
}

// A spotted calf standing, head to the left, tail with a tuft behind.
Picture PaintCalf() {
  Canvas canvas(kTargetW, kTargetH);
  cairo_t* cr = canvas.cr();
  const Rgb cream = Hex(0xF4EEDC), brown = Hex(0x9A5426), pink = Hex(0xF5A0B0);
  cairo_move_to(cr, 53, 22);
  cairo_curve_to(cr, 59, 24, 59, 32, 58, 38);
  EdgedLine(cr, cream, 1.6, 3.5, Ink());
  EllipsePath(cr, 58, 40, 2.4, 3.4);
  FillInked(cr, brown, 37, 44, 1.4);
  // Legs, the far pair darker.
  const double legs[4][2] = {{23, 0.2}, {45, 0.2}, {27, 0}, {49, 0}};
  for (const auto& leg : legs) {
    RoundedRect(cr, leg[0], 33, 6, 19, 2);
    FillInked(cr, Darker(cream, leg[1] + 0.05), 33, 52, 1.6);
    RoundedRect(cr, leg[0], 48, 6, 5, 1.5);
    FillInked(cr, Hex(0x3A2A22), 48, 53, 1.4);
  }
  RoundedRect(cr, 18, 16, 38, 22, 10);
  FillLit(cr, cream, 16, 38);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  for (auto [x, y, r] : {std::array<double, 3>{30, 20, 7}, {47, 30, 6}, {22, 33, 4}}) {
    cairo_new_path(cr);
    EllipsePath(cr, x, y, r * 1.3, r);
    FillLit(cr, brown, y - r, y + r);
  }
  cairo_new_path(cr);
  Shine(cr, 36, 20, 15, 3.5, 0.45);
  cairo_restore(cr);
  RoundedRect(cr, 18, 16, 38, 22, 10);
  InkOutline(cr, kLine);
  cairo_new_path(cr);
  // Ears, head and its pink muzzle.
  EllipsePath(cr, 22, 11, 6, 2.8, -0.35);
  FillInked(cr, brown, 8, 14, 1.6);
  EllipsePath(cr, 6, 11, 5, 2.6, 0.35);
  FillInked(cr, brown, 8, 14, 1.6);
  RoundedRect(cr, 5, 7, 16, 20, 7);
  FillInked(cr, cream, 7, 27);
  EllipsePath(cr, 11, 11, 4.5, 3.5);
  FillInked(cr, brown, 7, 15, 1.2);
  EllipsePath(cr, 10, 24, 7, 5);
  FillInked(cr, pink, 19, 29, 1.6);
  for (double x : {7.5, 12.5}) {
    EllipsePath(cr, x, 24.5, 1, 1.4);
    SetColour(cr, Hex(0x7A3040));
    cairo_fill(cr);
  }
  Shine(cr, 11, 10, 4, 2, 0.5);
  Eye(cr, 11, 15, 2.6);
  return canvas.Take();
}

// The fairground cork gun, pointing up: a wooden stock with a red band, a gun-metal barrel, a brass muzzle
// and the cork waiting in it.
Picture PaintCannon() {
  Canvas canvas(64, 64);
  cairo_t* cr = canvas.cr();
  cairo_move_to(cr, 13, 63);
  cairo_line_to(cr, 51, 63);
  cairo_curve_to(cr, 50, 52, 46, 42, 42, 38);
  cairo_line_to(cr, 22, 38);
  cairo_curve_to(cr, 18, 42, 14, 52, 13, 63);
  cairo_close_path(cr);
  cairo_pattern_t* wood = cairo_pattern_create_linear(13, 0, 51, 0);
  AddStop(wood, 0, Hex(0xD08A48));
  AddStop(wood, 0.45, Hex(0xA0602A));
  AddStop(wood, 1, Hex(0x5A3012));
  cairo_set_source(cr, wood);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(wood);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x4A2408), 0.35);
  for (double x : {20.0, 27.0, 37.0, 44.0}) {
    cairo_move_to(cr, x, 40);
    cairo_curve_to(cr, x - 2, 48, x + 2, 55, x, 64);
  }
  cairo_stroke(cr);
  cairo_rectangle(cr, 0, 49, 64, 5);
  FillLit(cr, Hex(0xE8283C), 49, 54, 0.4, 0.2);
  cairo_new_path(cr);
  cairo_restore(cr);
  InkOutline(cr, kLine);
  cairo_new_path(cr);
  // The barrel, a cylinder lit from the left.
  cairo_rectangle(cr, 25, 8, 14, 34);
  cairo_pattern_t* metal = cairo_pattern_create_linear(25, 0, 39, 0);
  AddStop(metal, 0, Hex(0x8A96AE));
  AddStop(metal, 0.3, Hex(0xE0E8F4));
  AddStop(metal, 0.6, Hex(0x5A647A));
  AddStop(metal, 1, Hex(0x2A3040));
  cairo_set_source(cr, metal);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(metal);
  InkOutline(cr, kLine);
  cairo_new_path(cr);
  for (double y : {8.0, 34.0}) {
    RoundedRect(cr, 22.5, y - 1, 19, 7, 2);
    cairo_pattern_t* brass = cairo_pattern_create_linear(22, 0, 42, 0);
    AddStop(brass, 0, Hex(0xFFE08A));
    AddStop(brass, 0.35, Hex(0xFFC23D));
    AddStop(brass, 1, Hex(0x8A5A14));
    cairo_set_source(cr, brass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(brass);
    InkOutline(cr, 1.6);
    cairo_new_path(cr);
  }
  RoundedRect(cr, 27, 1, 10, 9, 2.5);
  FillInked(cr, Hex(0xE0B070), 1, 10, 1.6);
  for (auto [x, y] : {std::array<double, 2>{30, 4}, {34, 6}, {31.5, 7.5}}) {
    cairo_arc(cr, x, y, 0.7, 0, 2 * kPi);
    SetColour(cr, Hex(0x8A5A2A));
    cairo_fill(cr);
  }
  return canvas.Take();
}

// The cork it fires.
Picture PaintCork() {
  Canvas canvas(12, 12);
  PaintSphere(canvas.cr(), 6, 6, 5.5, Hex(0xF0C888), true);
  return canvas.Take();
}

}  // namespace

Picture PaintDuckPicture(int number) {
  if (number == duckCannon) return PaintCannon();
  if (number == duckBall) return PaintCork();
  const int index = number - duckTargets;
  if (index < 0 || index >= 2 * duckFacingRight) return {};
  // The right-facing targets are the left-facing ones turned over, pixel for pixel.
  if (index >= duckFacingRight) return Mirrored(PaintDuckPicture(number - duckFacingRight));
  switch (index) {
    case 0: case 1: case 2: return PaintDuckTarget(index);
    case 3: return PaintTrolley();
    case 4: return PaintSnail();
    case 5: return PaintHen();
    default: return PaintCalf();
  }
}
