// Tiles, 64 x 20: eight glassy colour tiles, brushed metal, the teleporter swirl and the armoured multi-hit tiles.
#include <cmath>
#include <map>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

constexpr int kW = 64, kH = 20;

// A diagonal glint that crosses the tile once per cycle; frames 0 and 15 show none, so the loop is seamless.
void PaintShimmer(cairo_t* cr, int frame, double strength) {
  double p = -20 + frame * 7.0;
  cairo_save(cr);
  RoundedRect(cr, 1, 1, kW - 2, kH - 2, 3.5);
  cairo_clip(cr);
  cairo_pattern_t* band = cairo_pattern_create_linear(p - 8, 0, p + 8, -6);
  cairo_pattern_add_color_stop_rgba(band, 0.0, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(band, 0.5, 1, 1, 1, strength);
  cairo_pattern_add_color_stop_rgba(band, 1.0, 1, 1, 1, 0);
  cairo_set_source(cr, band);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  cairo_paint(cr);
  cairo_pattern_destroy(band);
  cairo_restore(cr);
}

void PaintColourTile(cairo_t* cr, Rgb base, bool darkSlate, int frame) {
  BoxStyle style;
  style.base = base;
  style.radius = 4;
  style.specular = darkSlate ? 0.22 : 0.38;
  style.outlineDark = darkSlate ? 0.85 : 0.62;
  PaintLitBox(cr, 0, 0, kW, kH, style);
  // A recessed facet gives the tile the look of a cut gem plate.
  cairo_save(cr);
  RoundedRect(cr, 4.5, 4.5, kW - 9, kH - 9, 2);
  cairo_pattern_t* facet = cairo_pattern_create_linear(0, 4, 0, kH - 4);
  AddStop(facet, 0, Darker(base, 0.15), 0.55);
  AddStop(facet, 1, Lighter(base, 0.25), 0.55);
  cairo_set_source(cr, facet);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(facet);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Lighter(base, 0.5), 0.35);
  cairo_stroke(cr);
  cairo_restore(cr);
  if (darkSlate) {
    // The slate tile needs a bright rim so it still reads against a black sky.
    RoundedRect(cr, 1.5, 1.5, kW - 3, kH - 3, 3);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Hex(0x98A4C8), 0.9);
    cairo_stroke(cr);
  }
  PaintShimmer(cr, frame, darkSlate ? 0.35 : 0.5);
}

void PaintMetalTile(cairo_t* cr, int frame) {
  Rgb steel = Hex(0x8C9AB2);
  BoxStyle style;
  style.base = steel;
  style.radius = 3;
  style.bevel = 2;
  style.specular = 0.3;
  style.outlineDark = 0.75;
  PaintLitBox(cr, 0, 0, kW, kH, style);
  // Brushed grain: thin horizontal streaks of fixed seeded noise.
  cairo_save(cr);
  RoundedRect(cr, 2, 2, kW - 4, kH - 4, 2);
  cairo_clip(cr);
  for (int y = 2; y < kH - 2; ++y)
    for (int x = 2; x < kW - 2; x += 2) {
      double n = ValueNoise(x * 0.15, y * 3.1, 77) - 0.5;
      SetColour(cr, n > 0 ? Rgb{1, 1, 1} : Rgb{0, 0, 0.1}, std::fabs(n) * 0.25);
      cairo_rectangle(cr, x, y, 2, 1);
      cairo_fill(cr);
    }
  cairo_restore(cr);
  // Rivets at both ends mark it as armour that never breaks.
  for (double x : {6.5, kW - 6.5})
    for (double y : {6.0, kH - 6.0}) PaintSphere(cr, x, y, 1.8, Hex(0xC8D2E4), false);
  // A groove across the middle.
  cairo_set_line_width(cr, 1);
  SetColour(cr, Darker(steel, 0.5), 0.7);
  cairo_move_to(cr, 12, 10.5);
  cairo_line_to(cr, kW - 12, 10.5);
  cairo_stroke(cr);
  SetColour(cr, Lighter(steel, 0.6), 0.6);
  cairo_move_to(cr, 12, 11.5);
  cairo_line_to(cr, kW - 12, 11.5);
  cairo_stroke(cr);
  PaintShimmer(cr, frame, 0.6);
}

void PaintTeleporterTile(cairo_t* cr, int frame) {
  Rgb deep = Hex(0x1C1238);
  BoxStyle style;
  style.base = deep;
  style.radius = 4;
  style.specular = 0.15;
  style.outlineDark = 0.8;
  PaintLitBox(cr, 0, 0, kW, kH, style);
  cairo_save(cr);
  RoundedRect(cr, 2, 2, kW - 4, kH - 4, 3);
  cairo_clip(cr);
  // Three spiral arms; turning by a third of a circle per cycle makes frame 15 flow into frame 0.
  const double turn = frame / 16.0 * (2 * kPi / 3);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  for (int arm = 0; arm < 3; ++arm) {
    for (int i = 0; i < 40; ++i) {
      double t = i / 40.0;
      double angle = turn + arm * 2 * kPi / 3 + t * 4.2;
      double r = 2 + t * 30;
      double x = 32 + std::cos(angle) * r;
      double y = 10 + std::sin(angle) * r * 0.33;
      Rgb c = Mix(Hex(0x7CF6FF), Hex(0xE83CD8), t);
      SetColour(cr, c, 0.55 * (1 - t * 0.7));
      cairo_arc(cr, x, y, 1.6 - t * 0.6, 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  PaintGlow(cr, 32, 10, 10, Hex(0xB8FAFF), 0.9 + 0.1 * std::cos(frame * 2 * kPi / 16));
  cairo_restore(cr);
  // A cyan rim says "portal".
  RoundedRect(cr, 1.5, 1.5, kW - 3, kH - 3, 3);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x46D8F0), 0.8);
  cairo_stroke(cr);
}

// Armoured tiles show their remaining hits as lit pips: green for three, amber for two, red for one.
void PaintArmouredTile(cairo_t* cr, int hits, int frame) {
  Rgb plate = Hex(0x4C566E);
  BoxStyle style;
  style.base = plate;
  style.radius = 3;
  style.bevel = 2;
  style.specular = 0.3;
  style.outlineDark = 0.8;
  PaintLitBox(cr, 0, 0, kW, kH, style);
  PaintShimmer(cr, frame, 0.3);  // under the marks, so a dead socket never looks lit
  const Rgb light = hits == 3 ? Hex(0x3CF08C) : hits == 2 ? Hex(0xFFC02E) : Hex(0xFF4A2A);
  // Cracks grow as the tile loses hits; fixed lines, the same in every frame.
  cairo_set_line_width(cr, 1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  if (hits <= 2) {
    SetColour(cr, Hex(0x12141C), 0.9);
    cairo_move_to(cr, 50, 3);
    cairo_line_to(cr, 47, 8);
    cairo_line_to(cr, 51, 12);
    cairo_line_to(cr, 48, 17);
    cairo_stroke(cr);
  }
  if (hits == 1) {
    SetColour(cr, Hex(0x12141C), 0.9);
    cairo_move_to(cr, 10, 17);
    cairo_line_to(cr, 14, 12);
    cairo_line_to(cr, 12, 8);
    cairo_line_to(cr, 17, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 14, 12);
    cairo_line_to(cr, 20, 14);
    cairo_stroke(cr);
    cairo_move_to(cr, 47, 8);
    cairo_line_to(cr, 42, 6);
    cairo_stroke(cr);
  }
  const double pulse = 0.75 + 0.25 * std::cos(frame * 2 * kPi / 16);
  for (int i = 0; i < 3; ++i) {
    double x = 22 + i * 10;
    bool lit = i < hits;
    // Socket.
    cairo_arc(cr, x, 10, 3.6, 0, 2 * kPi);
    SetColour(cr, Hex(0x161A24));
    cairo_fill(cr);
    if (lit) {
      PaintGlow(cr, x, 10, 8, light, 0.7 * pulse);
      PaintSphere(cr, x, 10, 2.8, Mix(light, Rgb{1, 1, 1}, 0.15 * pulse), false);
    } else {
      PaintSphere(cr, x, 10, 2.6, Hex(0x2A303C), false);
    }
  }
}

}  // namespace

Picture PaintTile(const std::string& kind, int frame) {
  static const std::map<std::string, uint32_t> colours = {
      {"red", 0xE8283C},  {"green", 0x2ED158}, {"blue", 0x2F7BFF},  {"yellow", 0xFFD22E},
      {"magenta", 0xE83CD8}, {"cyan", 0x2EE6F0}, {"white", 0xF2F4FA}, {"black", 0x2A2D3A}};
  Canvas canvas(kW, kH);
  cairo_t* cr = canvas.cr();
  if (auto it = colours.find(kind); it != colours.end()) {
    PaintColourTile(cr, Hex(it->second), kind == "black", frame);
  } else if (kind == "ub") {
    PaintMetalTile(cr, frame);
  } else if (kind == "tp") {
    PaintTeleporterTile(cr, frame);
  } else if (kind == "3c" || kind == "2c" || kind == "1c") {
    PaintArmouredTile(cr, kind[0] - '0', frame);
  }
  return canvas.Take();
}
