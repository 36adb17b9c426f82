// The scene sprites with alpha (rain drop, golden star, turning plates, the octopus, the cells) and the
// painter chosen by an entry's name.
#include <algorithm>
#include <cmath>
#include <map>

#include "themes/Backdrop.h"
#include "base/SceneTable.h"
#include "themes/ScenePictures.h"

Picture PaintRainDrop() {
  Canvas canvas(8, 32);
  cairo_t* cr = canvas.cr();
  // A streak thickening into the falling bead at the bottom.
  cairo_move_to(cr, 4, 1);
  cairo_curve_to(cr, 4.6, 12, 6.6, 22, 6.6, 26);
  cairo_arc(cr, 4, 26, 2.6, 0, kPi);
  cairo_curve_to(cr, 1.4, 22, 3.4, 12, 4, 1);
  cairo_close_path(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(0, 0, 0, 30);
  AddStop(body, 0, Hex(0xA8D0FF), 0.0);
  AddStop(body, 0.6, Hex(0xB8DCFF), 0.45);
  AddStop(body, 1, Hex(0xE8F4FF), 0.95);
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  cairo_arc(cr, 3.2, 25, 0.9, 0, 2 * kPi);
  SetColour(cr, {1, 1, 1}, 0.9);
  cairo_fill(cr);
  return canvas.Take();
}

Picture PaintBonusStar() {
  Canvas canvas(64, 64);
  cairo_t* cr = canvas.cr();
  auto starPath = [&](double cx, double cy, double outer, double inner) {
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
      double a = -kPi / 2 + i * kPi / 5, r = i % 2 ? inner : outer;
      cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    cairo_close_path(cr);
  };
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  starPath(32, 34, 29, 12.5);
  cairo_set_line_width(cr, 3);
  SetColour(cr, Hex(0x6A3A08));
  cairo_stroke_preserve(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(14, 8, 48, 58);
  AddStop(body, 0, Hex(0xFFF2A0));
  AddStop(body, 0.45, Hex(0xFFC23D));
  AddStop(body, 1, Hex(0xB0741A));
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  // Bevel: a lighter inner star offset to the top left, a soft shine on the upper arms.
  starPath(31, 33, 22, 9.5);
  SetColour(cr, Hex(0xFFE27A), 0.45);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 27, 24);
  cairo_scale(cr, 14, 7);
  cairo_pattern_t* shine = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, 0.55);
  cairo_pattern_add_color_stop_rgba(shine, 1, 1, 1, 1, 0);
  cairo_set_source(cr, shine);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(shine);
  cairo_restore(cr);
  return canvas.Take();
}

Picture PaintPlate(int frame) {
  // A riveted metal plate with a glowing emblem, turning round its upright axis once in 16 frames.
  Canvas canvas(128, 128);
  cairo_t* cr = canvas.cr();
  const double angle = 2 * kPi * frame / kPlaqueFrames;
  const double c = std::cos(angle), s = std::sin(angle);
  const bool front = c >= 0;
  const double faceWidth = 92 * std::fabs(c), edge = 7 * std::fabs(s);
  const double total = faceWidth + edge, left = 64 - total / 2;
  // The edge shows on the side turning away.
  const double faceX = (s > 0) == front ? left : left + edge;
  const double edgeX = (s > 0) == front ? left + faceWidth : left;
  if (edge > 0.3) {
    cairo_rectangle(cr, edgeX, 18, edge, 92);
    SetColour(cr, Hex(0x4A5466));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x1A1E28));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  if (faceWidth < 0.5) return canvas.Take();
  cairo_save(cr);
  cairo_translate(cr, faceX, 18);
  cairo_scale(cr, faceWidth / 92, 1);
  // The front is polished steel; the back, darker and braced, is lit the other way round.
  BoxStyle style;
  style.base = front ? Hex(0x8A96AA) : Hex(0x505A6A);
  style.radius = 8;
  style.bevel = 2.5;
  style.specular = front ? 0.4 * c : 0.15;
  PaintLitBox(cr, 0, 0, 92, 92, style);
  if (front) {
    cairo_arc(cr, 46, 46, 20, 0, 2 * kPi);
    SetColour(cr, Hex(0x1A2030));
    cairo_fill(cr);
    cairo_arc(cr, 46, 46, 15, 0, 2 * kPi);
    cairo_pattern_t* emblem = cairo_pattern_create_radial(46, 46, 0, 46, 46, 15);
    AddStop(emblem, 0, Hex(0xE8FFFF));
    AddStop(emblem, 0.4, Hex(0x2EE6F0));
    AddStop(emblem, 1, Hex(0x0A4A60));
    cairo_set_source(cr, emblem);
    cairo_fill(cr);
    cairo_pattern_destroy(emblem);
  } else {
    cairo_set_line_width(cr, 5);
    SetColour(cr, Hex(0x2A303C));
    cairo_move_to(cr, 12, 12);
    cairo_line_to(cr, 80, 80);
    cairo_move_to(cr, 80, 12);
    cairo_line_to(cr, 12, 80);
    cairo_stroke(cr);
  }
  for (double rx : {10.0, 82.0})
    for (double ry : {10.0, 82.0}) PaintSphere(cr, rx, ry, 3.2, front ? Hex(0xB8C2D2) : Hex(0x6A7484));
  cairo_restore(cr);
  return canvas.Take();
}

Picture PaintOctopus(int frame) {
  // A small violet octopus: the mantle breathes and the eight arms wave in a travelling ripple.
  Canvas canvas(128, 128);
  cairo_t* cr = canvas.cr();
  const double phase = 2 * kPi * frame / kPoulpeFrames;
  const double squeeze = std::sin(phase);
  const Rgb skin = Hex(0xB050D0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (int pass = 0; pass < 2; ++pass)
    for (int arm = 0; arm < 8; ++arm) {
      double baseX = 44 + arm * 5.7, baseY = 60 + 2 * squeeze;
      double spread = (arm - 3.5) * 0.16;
      const int segments = 12;
      for (int k = 0; k < segments; ++k) {
        double t0 = k / double(segments), t1 = (k + 1) / double(segments);
        auto point = [&](double t) {
          double sway = std::sin(phase - t * 4.5 + arm * 0.8) * 9 * t;
          double length = 56 - 5 * squeeze;
          return std::pair{baseX + std::sin(spread) * length * t + sway, baseY + std::cos(spread) * length * t};
        };
        auto [x0, y0] = point(t0);
        auto [x1, y1] = point(t1);
        double width = 7.5 * (1 - t0 * 0.8);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_set_line_width(cr, pass == 0 ? width + 2 : width);
        if (pass == 0)
          SetColour(cr, Darker(skin, 0.75));
        else
          SetColour(cr, Mix(Lighter(skin, 0.1), Darker(skin, 0.35), t0));
        cairo_stroke(cr);
      }
    }
  // The mantle: a lit, slightly squashed sphere.
  cairo_save(cr);
  cairo_translate(cr, 64, 40 + squeeze);
  cairo_scale(cr, 1 + 0.06 * squeeze, 1 - 0.06 * squeeze);
  cairo_scale(cr, 1, 1.15);
  PaintSphere(cr, 0, 0, 25, skin);
  cairo_restore(cr);
  // Eyes, blinking once in the cycle.
  double open = frame == 8 ? 0.15 : 1.0;
  for (double ex : {55.0, 73.0}) {
    cairo_save(cr);
    cairo_translate(cr, ex, 50 + squeeze);
    cairo_scale(cr, 1, open);
    cairo_arc(cr, 0, 0, 5, 0, 2 * kPi);
    SetColour(cr, Hex(0xF8F4FF));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x2A0A3A));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, 0.8, 1, 2.4, 0, 2 * kPi);
    SetColour(cr, Hex(0x10041A));
    cairo_fill(cr);
    cairo_restore(cr);
  }
  return canvas.Take();
}

Picture PaintCell(int frame) {
  // A translucent coral cell: its membrane wobbles, its nucleus circles slowly inside.
  Canvas canvas(64, 64);
  cairo_t* cr = canvas.cr();
  const double phase = 2 * kPi * frame / kGlobuleFrames;
  cairo_new_path(cr);
  for (int i = 0; i <= 64; ++i) {
    double a = 2 * kPi * i / 64;
    double r = 24 + 2.0 * std::sin(3 * a + phase) + 1.2 * std::sin(5 * a - 2 * phase);
    cairo_line_to(cr, 32 + std::cos(a) * r, 32 + std::sin(a) * r);
  }
  cairo_close_path(cr);
  cairo_pattern_t* body = cairo_pattern_create_radial(26, 24, 2, 32, 32, 27);
  AddStop(body, 0, Hex(0xFFC8B8), 0.55);
  AddStop(body, 0.7, Hex(0xF06A6A), 0.45);
  AddStop(body, 1, Hex(0xFF9A8A), 0.9);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0x7A1A24), 0.9);
  cairo_stroke(cr);
  double nx = 32 + 5 * std::cos(phase), ny = 33 + 4 * std::sin(phase);
  cairo_arc(cr, nx, ny, 7.5, 0, 2 * kPi);
  cairo_pattern_t* nucleus = cairo_pattern_create_radial(nx - 2, ny - 2, 1, nx, ny, 7.5);
  AddStop(nucleus, 0, Hex(0xE05A8A), 0.9);
  AddStop(nucleus, 1, Hex(0x8A1A4A), 0.85);
  cairo_set_source(cr, nucleus);
  cairo_fill(cr);
  cairo_pattern_destroy(nucleus);
  cairo_save(cr);
  cairo_translate(cr, 23, 20);
  cairo_scale(cr, 7, 4);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  SetColour(cr, {1, 1, 1}, 0.6);
  cairo_fill(cr);
  cairo_restore(cr);
  return canvas.Take();
}

namespace {

// The frame number at the end of a numbered name ("...0007.png" gives 7), or -1.
int FrameOf(const std::string& name, const std::string& stem) {
  if (name.rfind(stem, 0) != 0 || name.size() != stem.size() + 8) return -1;
  int frame = 0;
  for (size_t i = stem.size(); i < stem.size() + 4; ++i) {
    if (name[i] < '0' || name[i] > '9') return -1;
    frame = frame * 10 + (name[i] - '0');
  }
  return frame;
}

}  // namespace

Picture PaintScenePicture(const std::string& name) {
  static const std::map<std::string, Picture (*)()> fixed = {
      {"gfx/flare/starFF0000_128x128.png", PaintRedStar},
      {"gfx/flare/anamorphicstreaks3.png", [] { return PaintStreaks(true); }},
      {"gfx/flare/anamorphicstreaks.png", [] { return PaintStreaks(false); }},
      {"gfx/flare/2branches_64x64.png", PaintTwoBranches},
      {"gfx/flare/centralrainbow.png", PaintRainbowHalo},
      {"gfx/flare/centralglowFF0000.png", [] { return PaintCentralGlow(0xFF2A1A, false); }},
      {"gfx/flare/centralglowFF0000_3.png", [] { return PaintCentralGlow(0xFF2A1A, true); }},
      {"gfx/flare/centralglow0000FF_3.png", [] { return PaintCentralGlow(0x2A4AFF, true); }},
      {"gfx/background/water/water.png", PaintWaterLight},
      {"gfx/goutte.png", PaintRainDrop},
      {"gfx/cloudff0000wa.jpg", [] { return PaintCloudPuff(0xFF3A24, 321); }},
      {"gfx/cloudwa.jpg", [] { return PaintCloudPuff(0xE0E8F4, 322); }},
      {"gfx/mariostar.png", PaintBonusStar},
      {"gfx/background/psyche/psyche1.png", [] { return PaintPsyche(1); }},
      {"gfx/background/psyche/psyche2.png", [] { return PaintPsyche(2); }},
      {"gfx/strike.tif", PaintLightning},
      {"gfx/flare/barre.png", PaintLightBar},
      {"gfx/taron/taronwin.png", PaintTaronWin},
      {"gfx/taron/taronlost.png", PaintTaronLost},
      {"gfx/taron/taronmask.png", PaintTaronMask},
  };
  auto it = fixed.find(name);
  if (it != fixed.end()) return it->second();
  int frame = FrameOf(name, "gfx/plaque/plaque_128x128_");
  if (frame >= 0 && frame < kPlaqueFrames && name.ends_with(".png")) return PaintPlate(frame);
  frame = FrameOf(name, "gfx/poulpe/poulpe");
  if (frame >= 0 && frame < kPoulpeFrames && name.ends_with(".png")) return PaintOctopus(frame);
  frame = FrameOf(name, "gfx/globule/globule");
  if (frame >= 0 && frame < kGlobuleFrames && name.ends_with(".png")) return PaintCell(frame);
  frame = FrameOf(name, "gfx/taron/taron");
  if (frame >= 0 && frame < 8 && name.ends_with(".png")) return PaintTaron(frame);
  return Picture();
}
