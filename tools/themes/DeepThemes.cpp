// Backgrounds of the deep levels: rock, the cave, the heart, Taron's temple and the dead land after it.
#include <algorithm>
#include <cmath>

#include "themes/Backdrop.h"
#include "themes/ThemePainters.h"

namespace {

constexpr int W = kBackgroundWidth;
constexpr int H = kBackgroundHeight;

// Stone: strata, grain and cracks, lit from the top left by the slope of a height field.
Rgb Stone(double x, double y, uint32_t seed, Rgb dark, Rgb light) {
  auto height = [&](double px, double py) {
    return FractalNoise(px / 70, py / 70, seed, 5) + 0.35 * RidgedNoise(px / 40, py / 40, seed + 1, 3);
  };
  double h = height(x, y);
  double shade = Clamp01(0.5 + (h - height(x - 3, y - 3)) * 6);
  double strata = 0.5 + 0.5 * std::sin(y / 19 + FractalNoise(x / 220, y / 220, seed + 2, 3) * 7);
  Rgb colour = Mix(dark, light, 0.25 + 0.45 * strata * h + 0.3 * shade);
  double crack = SmoothStep(0.82, 0.95, RidgedNoise(x / 110, y / 110, seed + 3, 3));
  return Times(colour, 1 - 0.7 * crack);
}

// Cones hanging from `top` (or standing on `bottom` when `up`), dark with a lit left edge.
void Dripstones(cairo_t* cr, double baseY, bool up, int count, double minLength, double maxLength, Rgb colour,
                uint32_t seed) {
  Dice dice(seed);
  for (int i = 0; i < count; ++i) {
    double x = dice.Range(-10, W + 10), length = dice.Range(minLength, maxLength), half = length * dice.Range(0.09, 0.16);
    double tip = up ? baseY - length : baseY + length;
    cairo_move_to(cr, x - half, baseY);
    cairo_curve_to(cr, x - half * 0.4, (baseY + tip) / 2, x - 1, tip, x, tip);
    cairo_curve_to(cr, x + 1, tip, x + half * 0.4, (baseY + tip) / 2, x + half, baseY);
    cairo_close_path(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(x - half, 0, x + half, 0);
    AddStop(body, 0, Lighter(colour, 0.12));
    AddStop(body, 1, Darker(colour, 0.5));
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    cairo_move_to(cr, x - half + 1, baseY);
    cairo_curve_to(cr, x - half * 0.4 + 1, (baseY + tip) / 2, x, tip, x, tip);
    cairo_set_line_width(cr, 1.2);
    SetColour(cr, Lighter(colour, 0.3), 0.35);
    cairo_stroke(cr);
  }
}

}  // namespace

Picture PaintRockBackground() {
  // A wall of layered rock: ochre and grey strata, grain lit from the top left, dark cracks.
  Canvas canvas(W, H);
  PaintShaded(canvas, 2, [](double x, double y) {
    Rgb stone = Stone(x, y, 241, Hex(0x1E1812), Hex(0x8A7258));
    double tint = FractalNoise(x / 300, y / 300, 245, 3);
    return Mix(stone, Times(stone, 0.7), tint);
  });
  Vignette(canvas.cr(), W, H, 0.55);
  DarkenBottom(canvas.cr(), W, H, 0.7, 0.5);
  return FinishBackground(canvas, 0.6, 0.45);
}

Picture PaintCaveBackground() {
  // Inside a cave: arches of rock recede one behind another towards a cold light far down the passage;
  // dripstones hang from the roof and rise from the floor.
  Canvas canvas(W, H);
  const double holeX = W * 0.52, holeY = H * 0.4;
  const double radii[6] = {1.3, 1.0, 0.78, 0.6, 0.46, 0.34};  // of each arch's opening, outermost first
  PaintShaded(canvas, 2, [&](double x, double y) {
    double dx = (x - holeX) / 300, dy = (y - holeY) / 330;
    double d = std::hypot(dx, dy), a = std::atan2(dy, dx);
    // Each arch's edge wanders with the angle, differently for each.
    auto edge = [&](int k) {
      return radii[k] * (1 + 0.16 * (FractalNoise(std::cos(a) * 2.2 + k * 5, std::sin(a) * 2.2, 251 + k, 4) - 0.5) * 2);
    };
    int layer = 0;
    while (layer < 6 && d < edge(layer)) ++layer;
    if (layer == 6) {
      // The far light: a pale teal haze.
      double mist = FractalNoise(x / 40, y / 40, 257, 4);
      return Times(Mix(Hex(0x9ACCCC), Hex(0x2A5A64), SmoothStep(0.0, radii[5], d)), 0.75 + 0.4 * mist);
    }
    double outer = layer == 0 ? 10 : edge(layer - 1);
    Rgb stone = Stone(x, y, 256, Hex(0x0A0908), Hex(0x4A4238));
    // Deeper arches catch more of the far light; each arch's inner edge is lit, its outer edge lies in the
    // shadow of the arch in front.
    double light = 0.18 + 0.55 * std::pow(layer / 5.0, 1.4);
    double rim = std::exp(-(d - edge(layer)) / 0.025);
    double shadow = layer == 0 ? 0 : std::exp(-(outer - d) / 0.04);
    Rgb colour = Mix(Times(stone, light), Hex(0x5A8A8C), rim * 0.45 * (0.4 + layer / 8.0));
    colour = Times(colour, 1 - 0.6 * shadow);
    return Times(colour, 1 - 0.5 * SmoothStep(0.55, 1.0, y / H));
  });
  cairo_t* cr = canvas.cr();
  AddGlow(cr, holeX, holeY, 120, Hex(0x5AA8B0), 0.3);
  Dripstones(cr, -4, false, 22, 50, 150, Hex(0x2E2620), 254);
  Dripstones(cr, H + 4, true, 14, 40, 110, Hex(0x1A1612), 255);
  Vignette(cr, W, H, 0.5);
  DarkenBottom(cr, W, H, 0.72, 0.45);
  return FinishBackground(canvas, 0.62, 0.45);
}

Picture PaintHeartBackground() {
  // The deep heart of the planet: dark crimson tissue threaded with glowing vessels round a heart of light.
  Canvas canvas(W, H);
  const double cx = W * 0.5, cy = H * 0.34, size = 140;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    double qx = FractalNoise(x / 200, y / 200, 261, 3), qy = FractalNoise(x / 200 + 7, y / 200, 262, 3);
    // Vessels: the places where a warped noise crosses its middle make long branching lines.
    double n1 = FractalNoise(x / 160 + qx * 1.5, y / 160 + qy * 1.5, 263, 4);
    double n2 = FractalNoise(x / 70 + qy, y / 70 + qx, 265, 3);
    double vessel = SmoothStep(0.94, 0.99, 1 - std::fabs(n1 * 2 - 1)) +
                    0.5 * SmoothStep(0.95, 0.99, 1 - std::fabs(n2 * 2 - 1));
    double tissue = FractalNoise(x / 40, y / 40, 264, 4);
    Rgb colour = Mix(Hex(0x180408), Hex(0x44101C), tissue);
    colour = Plus(colour, Times(Hex(0xD0342C), Clamp01(vessel) * 0.55));
    // The heart: (x² + y² − 1)³ − x² y³ is negative inside.
    double hx = (x - cx) / size, hy = -(y - cy) / size + 0.2;
    double f = std::pow(hx * hx + hy * hy - 1, 3) - hx * hx * hy * hy * hy;
    double inside = SmoothStep(0.04, -0.04, f);
    double halo = std::exp(-std::max(f, 0.0) * 6);
    Rgb heart = Mix(Hex(0x9A1424), Hex(0xC84A56), SmoothStep(0.0, -0.5, f) * Clamp01(0.8 - hy * 0.3 - hx * 0.3));
    colour = Plus(Mix(colour, heart, inside), Times(Hex(0xD02A3A), halo * 0.35 * (1 - inside)));
    return Times(colour, 1 - 0.55 * SmoothStep(0.5, 1.0, v));
  });
  Vignette(canvas.cr(), W, H, 0.5);
  DarkenBottom(canvas.cr(), W, H, 0.72, 0.45);
  return FinishBackground(canvas, 0.7, 0.72);
}

Picture PaintTempleBackground() {
  // Taron's temple: a stepped pyramid under a boiling red sky, torches on its flanks, columns at the sides.
  Canvas canvas(W, H);
  PaintShaded(canvas, 2, [](double x, double y) {
    double v = y / H;
    double billow = FractalNoise(x / 160, y / 90, 271, 6);
    Rgb sky = Mix(Hex(0x1A0614), Hex(0x6A1420), SmoothStep(0.1, 0.6, v));
    sky = Mix(sky, Hex(0x2A0A1C), SmoothStep(0.45, 0.8, billow) * 0.7);
    return Plus(sky, Times(Hex(0xC04A20), std::exp(-std::hypot(x - W * 0.5, y - H * 0.45) / 140) * 0.4));
  });
  cairo_t* cr = canvas.cr();
  // The pyramid in six steps, lit on the left.
  const double baseY = H * 0.9, topY = H * 0.44, baseHalf = 330, topHalf = 60;
  const int steps = 6;
  for (int s = 0; s < steps; ++s) {
    double y0 = baseY - (baseY - topY) * s / steps, y1 = baseY - (baseY - topY) * (s + 1) / steps;
    double half = baseHalf - (baseHalf - topHalf) * s / steps;
    cairo_rectangle(cr, W / 2 - half, y1, half * 2, y0 - y1 + 1);
    cairo_pattern_t* face = cairo_pattern_create_linear(W / 2 - half, 0, W / 2 + half, 0);
    AddStop(face, 0, Hex(0x3A2426));
    AddStop(face, 0.5, Hex(0x24161A));
    AddStop(face, 1, Hex(0x120A0E));
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    cairo_rectangle(cr, W / 2 - half, y1, half * 2, 2);
    SetColour(cr, Hex(0x8A4A3A), 0.5);
    cairo_fill(cr);
  }
  // The stair up the middle and the shrine on top with its glowing door.
  cairo_rectangle(cr, W / 2 - 34, topY, 68, baseY - topY);
  SetColour(cr, Hex(0x1A0E12), 0.8);
  cairo_fill(cr);
  cairo_rectangle(cr, W / 2 - 70, topY - 70, 140, 72);
  SetColour(cr, Hex(0x20121A));
  cairo_fill(cr);
  cairo_rectangle(cr, W / 2 - 18, topY - 46, 36, 48);
  SetColour(cr, Hex(0xE06A30), 0.55);
  cairo_fill(cr);
  AddGlow(cr, W / 2, topY - 22, 60, Hex(0xFF6A2A), 0.5);
  for (double side : {-1.0, 1.0}) {
    AddGlow(cr, W / 2 + side * 150, H * 0.62, 40, Hex(0xFF8A3A), 0.6);
    AddGlow(cr, W / 2 + side * 150, H * 0.62, 8, Hex(0xFFD080), 0.7);
  }
  // Columns framing the playfield's sides.
  for (double x : {18.0, 96.0, W - 66.0, W - 144.0}) {
    double top = H * 0.16 + (x < W / 2 ? x : W - x) * 0.3;
    cairo_pattern_t* shaft = cairo_pattern_create_linear(x, 0, x + 48, 0);
    AddStop(shaft, 0, Hex(0x4A3034));
    AddStop(shaft, 0.35, Hex(0x2A1A1E));
    AddStop(shaft, 1, Hex(0x0A0608));
    cairo_set_source(cr, shaft);
    cairo_rectangle(cr, x, top, 48, H - top);
    cairo_fill(cr);
    cairo_rectangle(cr, x - 8, top - 16, 64, 16);
    cairo_fill(cr);
    cairo_pattern_destroy(shaft);
    for (double fx = x + 8; fx < x + 46; fx += 10) {
      cairo_rectangle(cr, fx, top, 2, H - top);
      SetColour(cr, Hex(0x000000), 0.3);
      cairo_fill(cr);
    }
  }
  DarkenBottom(cr, W, H, 0.7, 0.55);
  return FinishBackground(canvas, 0.66, 0.7);
}

Picture PaintDeathBackground() {
  // The land after the battle: ashen clouds under a blood moon, dead trees and grave markers, falling ash.
  Canvas canvas(W, H);
  const double moonX = W * 0.62, moonY = H * 0.27;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    Rgb sky = Mix(Hex(0x100A0C), Hex(0x3A1A1A), SmoothStep(0.0, 0.6, v));
    double ash = FractalNoise(x / 180, y / 70, 281, 6);
    sky = Mix(sky, Hex(0x2A2226), SmoothStep(0.5, 0.8, ash) * 0.7);
    double d = std::hypot(x - moonX, y - moonY);
    sky = Plus(sky, Times(Hex(0xA02A20), std::exp(-d / 110) * 0.5));
    if (d < 58) {
      double crater = FractalNoise(x / 14, y / 14, 282, 3);
      sky = Mix(sky, Times(Hex(0xA83A2A), 0.7 + 0.4 * crater), SmoothStep(58, 55, d));
    }
    return sky;
  });
  cairo_t* cr = canvas.cr();
  Ridge ground{H * 0.8, 40, 260, 283, 5, false};
  Dice dice(284);
  for (double x : {W * 0.12, W * 0.4, W * 0.86})
    PaintDeadTree(cr, x + dice.Range(-20, 20), ground.TopAt(x) + 6, dice.Range(200, 300), Hex(0x0C0808), dice);
  PaintRidge(cr, W, H, ground, Hex(0x140C0C), Hex(0x050303), Hex(0x8A3A2A), 0.4);
  for (int i = 0; i < 7; ++i) {
    double x = dice.Range(40, W - 40), y = ground.TopAt(x) + dice.Range(6, 30), s = dice.Range(14, 24);
    SetColour(cr, Hex(0x0A0606));
    if (i % 2) {
      cairo_rectangle(cr, x - s * 0.12, y - s * 1.6, s * 0.24, s * 1.7);
      cairo_rectangle(cr, x - s * 0.5, y - s * 1.2, s, s * 0.22);
    } else {
      RoundedRect(cr, x - s * 0.4, y - s * 1.1, s * 0.8, s * 1.2, s * 0.35);
    }
    cairo_fill(cr);
  }
  for (int i = 0; i < 260; ++i) {
    double x = dice.Range(0, W), y = dice.Range(0, H * 0.8);
    SetColour(cr, Hex(0xB8A8A0), dice.Range(0.1, 0.35) * (1 - y / H));
    cairo_arc(cr, x, y, dice.Range(0.5, 1.4), 0, 2 * kPi);
    cairo_fill(cr);
  }
  DarkenBottom(cr, W, H, 0.74, 0.45);
  return FinishBackground(canvas, 0.62, 0.6);
}
