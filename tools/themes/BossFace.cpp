// Taron's pictures: a horned metal face with burning eye sockets, its mouth opening over eight frames,
// its grin, its wreck, and the mask of its solid shape.
#include <algorithm>
#include <cmath>

#include "themes/Backdrop.h"
#include "themes/ScenePictures.h"

namespace {

constexpr int kSize = 256;
constexpr double kJawDrop = 14;  // pixels the chin moves down with the mouth wide open

// The outline of the head, horns included; `open` 0..1 lowers the jaw.
void HeadPath(cairo_t* cr, double open) {
  const double drop = kJawDrop * open;
  const double right[][2] = {{150, 22},  {176, 30},  {238, 6},   {214, 62},  {230, 118},
                             {216, 150}, {198, 184}, {164, 220}, {140, 232}};
  cairo_new_path(cr);
  cairo_move_to(cr, 128, 16);
  for (auto& p : right) cairo_line_to(cr, p[0], p[1] + (p[1] > 160 ? drop : 0));
  cairo_line_to(cr, 128, 236 + drop);
  for (int i = 8; i >= 0; --i) cairo_line_to(cr, 256 - right[i][0], right[i][1] + (right[i][1] > 160 ? drop : 0));
  cairo_close_path(cr);
}

struct Look {
  double open = 0;       // 0 closed .. 1 wide open
  double smile = 0;      // pixels the mouth's corners rise (negative: a sagging frown)
  Rgb metal = Hex(0x6A5A7E);
  Rgb eye = Hex(0xFF3A1E);
  double eyeGlow = 1;    // 0 dead .. 1 burning
  bool wrecked = false;  // cracks and scorch marks
};

void PaintEye(cairo_t* cr, double cx, double cy, double side, const Look& look) {
  // An almond socket slanting down towards the nose: the frown of the face.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, side * 0.32);
  cairo_scale(cr, 1, look.smile > 0 ? 0.6 : 1.0);
  cairo_new_path(cr);
  cairo_move_to(cr, -20, 0);
  cairo_curve_to(cr, -10, -13, 10, -13, 20, 0);
  cairo_curve_to(cr, 10, 10, -10, 10, -20, 0);
  cairo_close_path(cr);
  SetColour(cr, Hex(0x0C0408));
  cairo_fill_preserve(cr);
  cairo_pattern_t* glow = cairo_pattern_create_radial(0, -1, 0, 0, -1, 16);
  AddStop(glow, 0, Lighter(look.eye, 0.7), look.eyeGlow);
  AddStop(glow, 0.35, look.eye, look.eyeGlow * 0.9);
  AddStop(glow, 1, Darker(look.eye, 0.8), look.eyeGlow * 0.2);
  cairo_set_source(cr, glow);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(glow);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0x08020A));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void PaintMouth(cairo_t* cr, const Look& look) {
  const double top = 176 + look.open * 2, height = 5 + look.open * 38;
  const double left = 84, right = 172, mid = 128;
  const double corner = top - look.smile;
  auto cavity = [&]() {
    cairo_new_path(cr);
    cairo_move_to(cr, left, corner);
    cairo_curve_to(cr, left + 20, top - 2, right - 20, top - 2, right, corner);
    cairo_curve_to(cr, right - 10, top + height + look.smile * 0.6, left + 10, top + height + look.smile * 0.6, left,
                   corner);
    cairo_close_path(cr);
  };
  cavity();
  cairo_pattern_t* throat = cairo_pattern_create_radial(mid, top + height * 0.6, 1, mid, top + height * 0.5, 50);
  AddStop(throat, 0, Mix(Hex(0x3A0A08), Hex(0xFFB040), look.open * look.eyeGlow));
  AddStop(throat, 0.45, Mix(Hex(0x200406), Hex(0xD02A10), look.open * look.eyeGlow));
  AddStop(throat, 1, Hex(0x0A0204));
  cairo_set_source(cr, throat);
  cairo_fill(cr);
  cairo_pattern_destroy(throat);
  // Teeth: a row hanging from the upper lip, and one rising from the jaw once it has dropped.
  cairo_save(cr);
  cavity();
  cairo_clip(cr);
  Rgb tooth = look.wrecked ? Hex(0x8A8478) : Hex(0xE8E0C8);
  for (int i = 0; i < 8; ++i) {
    double x = left + 8 + i * 10.5;
    double edge = top - look.smile * std::pow((x - mid) / (mid - left), 2) - 1;
    cairo_move_to(cr, x - 4.5, edge);
    cairo_line_to(cr, x, edge + 10 + (i == 1 || i == 6 ? 6 : 0));
    cairo_line_to(cr, x + 4.5, edge);
    cairo_close_path(cr);
    SetColour(cr, tooth);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x3A2A20));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    double bottom = top + height + look.smile * 0.45 * (1 - std::pow((x - mid) / (mid - left), 2));
    cairo_move_to(cr, x - 4, bottom + 2);
    cairo_line_to(cr, x + 1, bottom - 9);
    cairo_line_to(cr, x + 5, bottom + 2);
    cairo_close_path(cr);
    SetColour(cr, Darker(tooth, 0.15));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x3A2A20));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  cavity();
  cairo_set_line_width(cr, 2);
  SetColour(cr, Hex(0x12060E));
  cairo_stroke(cr);
}

Picture PaintFace(const Look& look) {
  Canvas canvas(kSize, kSize);
  cairo_t* cr = canvas.cr();
  // The head: dark metal, lighter to the top left, with a bevel inside its outline.
  HeadPath(cr, look.open);
  cairo_pattern_t* metal = cairo_pattern_create_linear(40, 10, 210, 250);
  AddStop(metal, 0, Lighter(look.metal, 0.3));
  AddStop(metal, 0.45, look.metal);
  AddStop(metal, 1, Darker(look.metal, 0.7));
  cairo_set_source(cr, metal);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(metal);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_save(cr);
  cairo_translate(cr, 2, 2);
  HeadPath(cr, look.open);
  cairo_restore(cr);
  cairo_set_line_width(cr, 4);
  SetColour(cr, Lighter(look.metal, 0.55), 0.8);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, -2, -2);
  HeadPath(cr, look.open);
  cairo_restore(cr);
  SetColour(cr, Darker(look.metal, 0.75), 0.8);
  cairo_stroke(cr);
  // Cheek grooves and the ridge of the nose.
  cairo_set_line_width(cr, 3);
  SetColour(cr, Darker(look.metal, 0.6), 0.8);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 128 + side * 44, 124);
    cairo_curve_to(cr, 128 + side * 52, 150, 128 + side * 50, 166, 128 + side * 46, 176);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 128, 102);
  cairo_line_to(cr, 120, 150);
  cairo_line_to(cr, 136, 150);
  cairo_close_path(cr);
  SetColour(cr, Darker(look.metal, 0.35));
  cairo_fill(cr);
  cairo_move_to(cr, 127, 104);
  cairo_line_to(cr, 121, 148);
  SetColour(cr, Lighter(look.metal, 0.4), 0.7);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Specular sheen across the dome.
  cairo_save(cr);
  cairo_translate(cr, 104, 46);
  cairo_scale(cr, 56, 16);
  cairo_pattern_t* shine = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, look.wrecked ? 0.12 : 0.35);
  cairo_pattern_add_color_stop_rgba(shine, 1, 1, 1, 1, 0);
  cairo_set_source(cr, shine);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(shine);
  cairo_restore(cr);
  cairo_restore(cr);
  HeadPath(cr, look.open);
  cairo_set_line_width(cr, 2);
  SetColour(cr, Hex(0x0E0812));
  cairo_stroke(cr);
  // The brow: a heavy V pressing down on the eyes.
  cairo_new_path(cr);
  cairo_move_to(cr, 58, 74);
  cairo_line_to(cr, 128, 96);
  cairo_line_to(cr, 198, 74);
  cairo_line_to(cr, 200, 86);
  cairo_line_to(cr, 128, 108);
  cairo_line_to(cr, 56, 86);
  cairo_close_path(cr);
  SetColour(cr, Darker(look.metal, 0.45));
  cairo_fill_preserve(cr);
  SetColour(cr, Hex(0x0E0812));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, 60, 75);
  cairo_line_to(cr, 128, 97);
  cairo_line_to(cr, 196, 75);
  SetColour(cr, Lighter(look.metal, 0.5), 0.8);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Eyes where the scene puts their glows: 24 pixels either side of the centre, 22 above it.
  PaintEye(cr, 104, 110, 1, look);
  PaintEye(cr, 152, 110, -1, look);
  PaintSphere(cr, 128, 58, 7, look.wrecked ? Hex(0x4A3038) : Hex(0xE8283C));
  PaintMouth(cr, look);
  if (look.wrecked) {
    // Cracks across the face and scorch where the balls struck.
    Dice dice(331);
    cairo_set_line_width(cr, 2);
    for (int crack = 0; crack < 5; ++crack) {
      double x = dice.Range(70, 186), y = dice.Range(30, 200);
      cairo_move_to(cr, x, y);
      for (int k = 0; k < 5; ++k) {
        x += dice.Range(-14, 14);
        y += dice.Range(4, 16);
        cairo_line_to(cr, x, y);
      }
      SetColour(cr, Hex(0x0A0608), 0.9);
      cairo_stroke(cr);
    }
    cairo_save(cr);
    HeadPath(cr, look.open);
    cairo_clip(cr);
    for (int scorch = 0; scorch < 4; ++scorch) {
      double x = dice.Range(60, 196), y = dice.Range(40, 220);
      cairo_pattern_t* burn = cairo_pattern_create_radial(x, y, 0, x, y, 30);
      cairo_pattern_add_color_stop_rgba(burn, 0, 0.05, 0.03, 0.03, 0.7);
      cairo_pattern_add_color_stop_rgba(burn, 1, 0.05, 0.03, 0.03, 0);
      cairo_set_source(cr, burn);
      cairo_paint(cr);
      cairo_pattern_destroy(burn);
    }
    cairo_restore(cr);
  }
  return canvas.Take();
}

}  // namespace

Picture PaintTaron(int mouth) {
  Look look;
  look.open = std::clamp(mouth, 0, 7) / 7.0;
  return PaintFace(look);
}

Picture PaintTaronWin() {
  Look look;
  look.open = 0.45;
  look.smile = 16;
  look.eye = Hex(0xFFB020);
  return PaintFace(look);
}

Picture PaintTaronLost() {
  Look look;
  look.open = 0.75;
  look.smile = -10;
  look.metal = Hex(0x4A4450);
  look.eye = Hex(0x5A3030);
  look.eyeGlow = 0.15;
  look.wrecked = true;
  return PaintFace(look);
}

Picture PaintTaronMask() {
  // The solid shape with the jaw fully open, so every frame of the face lies inside it.
  Canvas canvas(kSize, kSize);
  cairo_t* cr = canvas.cr();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  HeadPath(cr, 1.0);
  SetColour(cr, Hex(0xFF3020));
  cairo_fill_preserve(cr);
  // The face's dark outline is drawn on the path, half of it outside: the mask takes it in.
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  return canvas.Take();
}
