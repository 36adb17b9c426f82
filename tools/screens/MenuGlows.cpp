// The menu's lights, drawn as blended quads: the numeral's stroke (cold and burning), the energy bands, the
// selection ball, the spark and the halo.
#include <cmath>

#include "screens/MenuPainters.h"
#include "screens/ScreenPaint.h"

namespace screens {

namespace {

double Gauss(double d, double sigma) { return std::exp(-0.5 * d * d / (sigma * sigma)); }

// The numeral's stroke: a stem 44 pixels wide with bracketed serifs 56 wide, so three of them 60 apart
// nearly touch at their serifs and read as one "III".
constexpr double kStemLeft = 106, kStemRight = 150, kSerifLeft = 100, kSerifRight = 156;
constexpr double kTop = 10, kBottom = 246, kSerif = 14, kBracket = 12;

void StrokePath(cairo_t* cr) {
  cairo_move_to(cr, kSerifLeft, kTop);
  cairo_line_to(cr, kSerifRight, kTop);
  cairo_line_to(cr, kSerifRight, kTop + kSerif);
  cairo_curve_to(cr, kStemRight, kTop + kSerif, kStemRight, kTop + kSerif, kStemRight, kTop + kSerif + kBracket);
  cairo_line_to(cr, kStemRight, kBottom - kSerif - kBracket);
  cairo_curve_to(cr, kStemRight, kBottom - kSerif, kStemRight, kBottom - kSerif, kSerifRight, kBottom - kSerif);
  cairo_line_to(cr, kSerifRight, kBottom);
  cairo_line_to(cr, kSerifLeft, kBottom);
  cairo_line_to(cr, kSerifLeft, kBottom - kSerif);
  cairo_curve_to(cr, kStemLeft, kBottom - kSerif, kStemLeft, kBottom - kSerif, kStemLeft, kBottom - kSerif - kBracket);
  cairo_line_to(cr, kStemLeft, kTop + kSerif + kBracket);
  cairo_curve_to(cr, kStemLeft, kTop + kSerif, kStemLeft, kTop + kSerif, kSerifLeft, kTop + kSerif);
  cairo_close_path(cr);
}

// Distance from a point to the stroke's outline boxes (0 inside), for the flames round the burning one.
double StrokeDistance(double x, double y) {
  auto box = [&](double l, double t, double r, double b) {
    const double dx = std::max({l - x, 0.0, x - r}), dy = std::max({t - y, 0.0, y - b});
    return std::hypot(dx, dy);
  };
  return std::min({box(kStemLeft, kTop, kStemRight, kBottom), box(kSerifLeft, kTop, kSerifRight, kTop + kSerif),
                   box(kSerifLeft, kBottom - kSerif, kSerifRight, kBottom)});
}

// A horizontal band of light centred on row `centre`, tiling every `width` pixels: a hot core, a body and a
// wide faint glow, its strength and height wandering along the band with noise of the band's own period.
Picture EnergyBand(int width, int height, double centre, double body, Rgb core, Rgb mid, Rgb outer, uint32_t seed) {
  const int cells = width / 32;
  return PaintField(width, height, [=](double x, double y) {
    const double wander = PeriodicNoise(x / 32, 0.5, cells, seed);
    const double pulse = 0.75 + 0.5 * PeriodicNoise(x / 16, 3.5, cells * 2, seed + 1);
    const double d = y - centre - (wander - 0.5) * body * 0.08;
    // Fine filaments of energy running along the band.
    const double threads = PeriodicNoise(x / 8, d / 3 + 7, cells * 4, seed + 2);
    LightSum light;
    light.Add(core, Gauss(d, body * 0.12) * pulse);
    light.Add(mid, Gauss(d, body * 0.3) * (0.45 + 0.25 * threads));
    light.Add(outer, Gauss(d, body * 0.55) * 0.18);
    Tint t = light.Result();
    // Nothing at the picture's top and bottom rows: the quad's edge must not show.
    const double edge = std::min(y, height - y) / (height * 0.12);
    t.alpha *= std::min(1.0, edge);
    return t;
  });
}

}  // namespace

Picture PaintNumeralStroke(bool burning) {
  Canvas canvas(256, 256);
  cairo_t* cr = canvas.cr();
  if (burning) {
    // Flames licking up and out of the stroke, hotter near it, torn by tall noise.
    Picture flames = PaintField(256, 256, [](double x, double y) {
      const double d = StrokeDistance(x, y);
      const double n = FractalNoise(x / 7, y / 20, 7021, 4);
      const double reach = 3 + 9 * n * n + (y < 128 ? 2 : 0);
      const double heat = std::exp(-d / reach) * (0.55 + 0.6 * n);
      const Rgb colour = heat > 0.7 ? Mix(Hex(0xFFD060), Hex(0xFFF8E0), (heat - 0.7) / 0.3)
                                    : Mix(Hex(0xE83A10), Hex(0xFFD060), heat / 0.7);
      return Tint{colour, std::min(1.0, heat * 1.2)};
    });
    DrawPicture(cr, flames, 0, 0);
  } else {
    // A cool blue sheen close round the metal.
    for (int i = 0; i < 4; ++i) {
      StrokePath(cr);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_set_line_width(cr, 18 - i * 4);
      SetColour(cr, Hex(0x3F8CFF), 0.07 + 0.04 * i);
      cairo_stroke(cr);
    }
  }
  // The stem as a polished bar: light from the left, a bright streak a third of the way across.
  StrokePath(cr);
  cairo_pattern_t* across = cairo_pattern_create_linear(kSerifLeft, 0, kSerifRight, 0);
  if (burning) {
    AddStop(across, 0.0, Hex(0xFF8A20));
    AddStop(across, 0.3, Hex(0xFFFBEA));
    AddStop(across, 0.55, Hex(0xFFE6A0));
    AddStop(across, 1.0, Hex(0xFF7A18));
  } else {
    AddStop(across, 0.0, Hex(0x9AA6BA));
    AddStop(across, 0.12, Hex(0xDCE6F4));
    AddStop(across, 0.32, Hex(0xFFFFFF));
    AddStop(across, 0.5, Hex(0xAEBACC));
    AddStop(across, 0.78, Hex(0x5C6880));
    AddStop(across, 1.0, Hex(0x8894AA));
  }
  cairo_set_source(cr, across);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(across);
  // Light from above: brighter at the top, a touch darker at the foot.
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_pattern_t* down = cairo_pattern_create_linear(0, kTop, 0, kBottom);
  AddStop(down, 0.0, Hex(0xFFFFFF), 0.35);
  AddStop(down, 0.35, Hex(0xFFFFFF), 0.0);
  AddStop(down, 0.7, burning ? Hex(0xC03010) : Hex(0x1A2236), 0.0);
  AddStop(down, 1.0, burning ? Hex(0xC03010) : Hex(0x1A2236), 0.35);
  cairo_set_source(cr, down);
  cairo_paint(cr);
  cairo_pattern_destroy(down);
  cairo_restore(cr);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, burning ? Hex(0xB83A0C) : Hex(0x1A2030), 0.9);
  cairo_stroke(cr);
  return canvas.Take();
}

Picture PaintBlueBand() {
  return EnergyBand(256, 256, 128, 40, Hex(0xE8FAFF), Hex(0x3A8CFF), Hex(0x1438B0), 3031);
}

Picture PaintRedBand() {
  return EnergyBand(128, 128, 64, 40, Hex(0xFFF0D8), Hex(0xFF3A28), Hex(0xA01020), 3037);
}

Picture PaintSelectionBall() {
  Canvas canvas(64, 64);
  cairo_t* cr = canvas.cr();
  PaintGlow(cr, 32, 32, 31, Hex(0x2EC8FF), 1.0);
  PaintGlow(cr, 32, 32, 26, Hex(0x9FE8FF), 0.8);
  PaintSphere(cr, 32, 32, 20, Hex(0xA0B8E0));
  // A thin band of energy round the sphere's waist, tilted like an orbit.
  cairo_save(cr);
  cairo_translate(cr, 32, 32);
  cairo_rotate(cr, -0.35);
  cairo_scale(cr, 1, 0.32);
  cairo_arc(cr, 0, 0, 22, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_set_line_width(cr, 1.6);
  SetColour(cr, Hex(0xBFF4FF), 0.8);
  cairo_stroke(cr);
  return canvas.Take();
}

Picture PaintSpark() {
  return PaintField(32, 32, [](double x, double y) {
    const double r = std::hypot(x - 16, y - 16);
    const double window = std::pow(std::max(0.0, 1 - (r / 16) * (r / 16)), 2);
    LightSum light;
    light.Add(Hex(0xFFF6D8), Gauss(r, 2.2));
    light.Add(Hex(0xFFC040), Gauss(r, 4.5) * 0.8);
    light.Add(Hex(0xFF6A10), Gauss(r, 8) * 0.5);
    Tint t = light.Result();
    t.alpha *= window;
    return t;
  });
}

Picture PaintBlueRing() {
  return PaintField(128, 128, [](double x, double y) {
    const double r = std::hypot(x - 64, y - 64);
    const double window = std::min(1.0, std::max(0.0, 63 - r) / 8);
    LightSum light;
    light.Add(Hex(0xCFEAFF), Gauss(r - 42, 2.0) * 0.9);
    light.Add(Hex(0x3F8CFF), Gauss(r - 42, 6.0) * 0.7);
    light.Add(Hex(0x1A48C8), Gauss(r - 40, 15.0) * 0.35);
    Tint t = light.Result();
    t.alpha *= window;
    return t;
  });
}

}  // namespace screens
