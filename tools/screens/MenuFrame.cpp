// The menu's steel frame round the screen's edges and the deep-space ground that scrolls up behind it.
#include <algorithm>
#include <cmath>

#include "screens/MenuPainters.h"
#include "screens/ScreenPaint.h"
#include "themes/Backdrop.h"

namespace screens {

namespace {

constexpr int W = 1024, H = 768;
constexpr double kBand = 12;  // width of the plain band along every edge

// Dark steel with the house light: lighter at the top, a bright lip on the upper and left edges.
void SteelPlate(cairo_t* cr, const std::function<void()>& path) {
  path();
  cairo_pattern_t* steel = cairo_pattern_create_linear(0, 0, 0, H);
  AddStop(steel, 0.0, Hex(0x4A566C));
  AddStop(steel, 0.5, Hex(0x2E3648));
  AddStop(steel, 1.0, Hex(0x1C2230));
  cairo_set_source(cr, steel);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(steel);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_push_group(cr);
    path();
    SetColour(cr, pass == 0 ? Hex(0xB8C8E0) : Hex(0x0A0E16));
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_translate(cr, pass == 0 ? 1.6 : -1.6, pass == 0 ? 1.6 : -1.6);
    path();
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, pass == 0 ? 0.8 : 0.7);
  }
  cairo_restore(cr);
  cairo_set_line_width(cr, 2);
  SetColour(cr, Hex(0x05080E));
  cairo_stroke(cr);
}

// A polygon from a list of corners.
std::function<void()> Polygon(cairo_t* cr, std::vector<std::pair<double, double>> corners) {
  return [cr, corners] {
    cairo_move_to(cr, corners[0].first, corners[0].second);
    for (size_t i = 1; i < corners.size(); ++i) cairo_line_to(cr, corners[i].first, corners[i].second);
    cairo_close_path(cr);
  };
}

// A lit slot: a dark groove with a bar of light inside it.
void LightSlot(cairo_t* cr, double x, double y, double w, double h, Rgb light) {
  RoundedRect(cr, x - 1.5, y - 1.5, w + 3, h + 3, std::min(w, h) / 2 + 1.5);
  SetColour(cr, Hex(0x05080E));
  cairo_fill(cr);
  RoundedRect(cr, x, y, w, h, std::min(w, h) / 2);
  cairo_pattern_t* bar = w > h ? cairo_pattern_create_linear(0, y, 0, y + h) : cairo_pattern_create_linear(x, 0, x + w, 0);
  AddStop(bar, 0, Lighter(light, 0.75));
  AddStop(bar, 0.5, light);
  AddStop(bar, 1, Darker(light, 0.35));
  cairo_set_source(cr, bar);
  cairo_fill(cr);
  cairo_pattern_destroy(bar);
}

void Rivet(cairo_t* cr, double x, double y) {
  cairo_arc(cr, x, y, 3.6, 0, 2 * kPi);
  SetColour(cr, Hex(0x05080E));
  cairo_fill(cr);
  PaintSphere(cr, x, y, 2.8, Hex(0x8A98B0), false);
}

}  // namespace

Picture PaintFrame() {
  Canvas canvas(W, H);
  cairo_t* cr = canvas.cr();
  // The band round the edges, with its inner edge chamfered at the corners.
  SteelPlate(cr, [cr] {
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_move_to(cr, kBand + 20, kBand);
    cairo_line_to(cr, kBand, kBand + 20);
    cairo_line_to(cr, kBand, H - kBand - 20);
    cairo_line_to(cr, kBand + 20, H - kBand);
    cairo_line_to(cr, W - kBand - 20, H - kBand);
    cairo_line_to(cr, W - kBand, H - kBand - 20);
    cairo_line_to(cr, W - kBand, kBand + 20);
    cairo_line_to(cr, W - kBand - 20, kBand);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  });
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // Heavy brackets in the four corners, mirrored from the top left one.
  for (int corner = 0; corner < 4; ++corner) {
    const bool right = corner & 1, bottom = corner & 2;
    auto at = [&](double x, double y) { return std::pair{right ? W - x : x, bottom ? H - y : y}; };
    SteelPlate(cr, Polygon(cr, {at(0, 0), at(150, 0), at(132, 26), at(44, 26), at(26, 44), at(26, 118), at(0, 136)}));
    LightSlot(cr, right ? W - 120 : 56, bottom ? H - 19 : 11, 64, 5, Hex(0x2EB8F0));
    LightSlot(cr, right ? W - 16 : 11, bottom ? H - 104 : 56, 5, 48, Hex(0x2EB8F0));
    const auto rivet = at(16, 16);
    Rivet(cr, rivet.first, rivet.second);
    const auto lamp = at(38, 38);
    cairo_arc(cr, lamp.first, lamp.second, 4.5, 0, 2 * kPi);
    SetColour(cr, Hex(0x05080E));
    cairo_fill(cr);
    PaintSphere(cr, lamp.first, lamp.second, 3.4, Hex(0xFFB030), false);
  }
  // Tabs at the middle of the top and the bottom, each with a long slot of light.
  for (int side = 0; side < 2; ++side) {
    auto y = [side](double v) { return side ? H - v : v; };
    SteelPlate(cr, Polygon(cr, {{352, y(0)}, {672, y(0)}, {642, y(30)}, {382, y(30)}}));
    LightSlot(cr, 400, side ? H - 20 : 14, 224, 6, Hex(0x3A8CFF));
    Rivet(cr, 372, y(13));
    Rivet(cr, 652, y(13));
  }
  // Plates at the middle of the left and right edges, beside the menu's choices.
  for (int side = 0; side < 2; ++side) {
    auto x = [side](double v) { return side ? W - v : v; };
    SteelPlate(cr, Polygon(cr, {{x(0), 330}, {x(24), 352}, {x(24), 640}, {x(0), 662}}));
    LightSlot(cr, side ? W - 16 : 11, 370, 5, 252, Hex(0x2E7BFF));
  }
  Picture picture = canvas.Take();
  HardenAlpha(picture);
  return picture;
}

Picture PaintMenuBackground() {
  // Noise that tiles in both directions: the picture scrolls up a pixel a frame and wraps without a seam.
  Canvas canvas(W, H);
  PaintShaded(canvas, 2, [](double x, double y) {
    const double u = x / 256, v = y / 256;
    const double wx = TilingNoise(u, v, 4, 3, 5101, 3), wy = TilingNoise(u + 1.7, v, 4, 3, 5102, 3);
    const double n = TilingNoise(u * 2 + wx * 0.9, v * 2 + wy * 0.9, 8, 6, 5103, 5);
    const double hue = TilingNoise(u, v, 4, 3, 5104, 3);
    const double dust = TilingNoise(u * 3, v * 3, 12, 9, 5105, 4);
    const double cloud = SmoothStep(0.42, 0.82, n);
    Rgb colour = Times(Mix(Hex(0x1C2C78), Hex(0x3A1868), SmoothStep(0.35, 0.7, hue)), cloud * 0.55);
    colour = Plus(colour, Times(Hex(0x2E6AB0), SmoothStep(0.7, 0.95, n) * 0.18));
    colour = Times(colour, 1 - 0.55 * SmoothStep(0.5, 0.8, dust));
    return Plus(Hex(0x02040C), colour);
  });
  screens::PaintWrappedStars(canvas.cr(), W, H, 5106, 1.0);
  return FinishBackground(canvas, 0.7, 0.7);
}

}  // namespace screens
