// Backgrounds of the land levels: the forest, the trees, the river, the Yosemite corridor, snow, the valley.
#include <algorithm>
#include <cmath>

#include "themes/Backdrop.h"
#include "themes/ThemePainters.h"

namespace {

constexpr int W = kBackgroundWidth;
constexpr int H = kBackgroundHeight;

// A veil of mist of one colour over everything painted so far, thickest at `y` and fading above and below.
void MistBand(cairo_t* cr, double y, double thickness, Rgb colour, double alpha) {
  cairo_pattern_t* band = cairo_pattern_create_linear(0, y - thickness, 0, y + thickness);
  AddStop(band, 0, colour, 0);
  AddStop(band, 0.5, colour, alpha);
  AddStop(band, 1, colour, 0);
  cairo_set_source(cr, band);
  cairo_rectangle(cr, 0, y - thickness, W, thickness * 2);
  cairo_fill(cr);
  cairo_pattern_destroy(band);
}

// A row of firs along a ridge, every `spacing` pixels with some jitter.
void PineRow(cairo_t* cr, const Ridge& ground, double spacing, double minHeight, double maxHeight, Rgb colour,
             uint32_t seed) {
  Dice dice(seed);
  for (double x = -20; x < W + 20; x += spacing * dice.Range(0.6, 1.3))
    PaintPine(cr, x, ground.TopAt(x) + 4, dice.Range(minHeight, maxHeight), colour, dice);
}

}  // namespace

Picture PaintForestBackground() {
  // A fir forest at night: moonlit teal mist, rows of firs receding into it, the nearest black.
  Canvas canvas(W, H);
  const double moonX = W * 0.72, moonY = H * 0.14;
  PaintShaded(canvas, 4, [&](double x, double y) {
    double v = y / H;
    Rgb sky = Mix(Hex(0x06101A), Hex(0x1E4446), SmoothStep(0.0, 0.55, v));
    double cloud = SmoothStep(0.55, 0.8, FractalNoise(x / 200, y / 60, 161, 5));
    sky = Mix(sky, Hex(0x2A4A50), cloud * 0.4 * (1 - v));
    return Plus(sky, Times(Hex(0x9AC8C0), std::exp(-std::hypot(x - moonX, y - moonY) / 90) * 0.35));
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 313, 0.6, 0.12, 0.35);
  PaintSphere(cr, moonX, moonY, 18, Hex(0xC8DCD8), false);
  const Rgb rows[4] = {Hex(0x2A4A4A), Hex(0x1A3234), Hex(0x0C1C1E), Hex(0x030708)};
  for (int k = 0; k < 4; ++k) {
    Ridge ground{H * (0.5 + 0.1 * k), 30.0 + 10 * k, 240, static_cast<uint32_t>(162 + k), 4, false};
    double scale = 0.55 + 0.35 * k;
    PaintRidge(cr, W, H, ground, rows[k], rows[k]);
    PineRow(cr, ground, 16 + 10 * k, 60 * scale, 120 * scale, rows[k], 170 + k);
    if (k < 3) MistBand(cr, H * (0.52 + 0.1 * k), 40, Hex(0x2A5254), 0.35);
  }
  // The nearest firs frame the sides, tall and dark.
  Dice dice(175);
  for (double x : {-10.0, 40.0, W - 50.0, W + 5.0}) PaintPine(cr, x, H + 10, dice.Range(420, 560), rows[3], dice);
  DarkenBottom(cr, W, H, 0.75, 0.4);
  return FinishBackground(canvas, 0.7, 0.5);
}

Picture PaintTreesBackground() {
  // Great broad-leaved trees against a golden-green evening glow, their canopy closing overhead.
  Canvas canvas(W, H);
  PaintShaded(canvas, 4, [&](double x, double y) {
    double v = y / H;
    Rgb glow = Mix(Hex(0x1A2810), Hex(0x8A8A44), SmoothStep(0.05, 0.55, v));
    glow = Mix(glow, Hex(0x1C2410), SmoothStep(0.62, 0.95, v));
    double haze = FractalNoise(x / 160, y / 160, 181, 4);
    return Times(Plus(glow, Times(Hex(0xC0A050), std::exp(-std::hypot(x - W * 0.45, y - H * 0.5) / 160) * 0.3)),
                 0.85 + 0.3 * haze);
  });
  cairo_t* cr = canvas.cr();
  // Far trees in the haze, then the great trees, then the ground.
  Dice dice(182);
  Ridge ground{H * 0.8, 25, 300, 183, 4, false};
  for (int i = 0; i < 9; ++i) {
    double x = dice.Range(0, W);
    PaintLeafyTree(cr, x, ground.TopAt(x) - 20, dice.Range(140, 220), Hex(0x4A5A2C), dice, 0.9);
  }
  for (double x : {W * 0.08, W * 0.3, W * 0.72, W * 0.95})
    PaintLeafyTree(cr, x + dice.Range(-20, 20), ground.TopAt(x) + 10, dice.Range(420, 520), Hex(0x141C0C), dice);
  PaintRidge(cr, W, H, ground, Hex(0x18200E), Hex(0x070A04));
  // Light shafts between the trunks.
  for (int i = 0; i < 4; ++i) {
    double x = dice.Range(W * 0.2, W * 0.8);
    cairo_save(cr);
    cairo_move_to(cr, x - 20, 0);
    cairo_line_to(cr, x + 20, 0);
    cairo_line_to(cr, x + 140, H * 0.8);
    cairo_line_to(cr, x + 60, H * 0.8);
    cairo_close_path(cr);
    cairo_pattern_t* shaft = cairo_pattern_create_linear(0, 0, 0, H * 0.8);
    AddStop(shaft, 0, Hex(0xE0D090), 0.12);
    AddStop(shaft, 1, Hex(0xE0D090), 0.0);
    cairo_set_source(cr, shaft);
    cairo_fill(cr);
    cairo_pattern_destroy(shaft);
    cairo_restore(cr);
  }
  DarkenBottom(cr, W, H, 0.72, 0.45);
  return FinishBackground(canvas, 0.68, 0.6);
}

Picture PaintRiverBackground() {
  // A river winding out of the evening hills towards us, mirroring the sky between dark banks.
  Canvas canvas(W, H);
  const double horizon = H * 0.4;
  auto centre = [](double y) { return W * (0.5 + 0.2 * std::sin((y / H) * 7.0 + 0.8)); };
  auto halfWidth = [=](double y) { return 6 + 300 * std::pow(Clamp01((y - horizon) / (H - horizon)), 1.7); };
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    Rgb sky = Mix(Hex(0x101A34), Hex(0x8A7A8A), SmoothStep(0.0, horizon / H, v));
    double cloud = SmoothStep(0.55, 0.8, FractalNoise(x / 220, y / 40, 191, 5));
    sky = Mix(sky, Hex(0xB08A84), cloud * 0.5 * SmoothStep(0, horizon, y));
    if (y < horizon) return sky;
    double depth = (y - horizon) / (H - horizon);
    double bank = FractalNoise(x / (20 + 60 * depth), y / (8 + 30 * depth), 192, 4);
    Rgb land = Mix(Hex(0x2A3A24), Hex(0x0A1008), SmoothStep(0, 0.7, depth));
    land = Times(land, 0.7 + 0.5 * bank);
    double d = std::fabs(x - centre(y)) - halfWidth(y);
    if (d > 0) return Mix(land, Hex(0x1A2418), std::exp(-d / 3) * 0.5);
    // The water mirrors the sky above the horizon, rippled, darker nearer to us.
    double mirrorY = horizon - (y - horizon) * 0.6;
    Rgb mirror = Mix(Hex(0x101A34), Hex(0x8A7A8A), SmoothStep(0.0, horizon / H, mirrorY / H));
    double ripple = FractalNoise(x / 40, y / (3 + 10 * depth), 193, 3);
    return Times(mirror, (0.7 + 0.4 * ripple) * (1 - 0.55 * depth));
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 314, 0.5, 0.1, 0.3);
  Ridge hills{horizon + 4, 70, 200, 194, 5, false};
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, W, horizon + 6);
  cairo_clip(cr);
  PaintRidge(cr, W, H, hills, Hex(0x2A3040), Hex(0x202838), Hex(0xD0A0A0), 0.35);
  cairo_restore(cr);
  DarkenBottom(cr, W, H, 0.72, 0.5);
  return FinishBackground(canvas, 0.7, 0.5);
}

Picture PaintYosemiteBackground() {
  // The corridor: sheer granite walls on both sides, a domed peak far down the valley, firs at their feet.
  Canvas canvas(W, H);
  auto leftWall = [](double y) { return W * 0.2 + 90 * std::pow(y / H, 2) + (FractalNoise(y / 90, 1.5, 201, 4) - 0.5) * 50; };
  auto rightWall = [](double y) {
    return W * 0.78 - 70 * std::pow(y / H, 1.5) + (FractalNoise(y / 90, 8.5, 202, 4) - 0.5) * 50;
  };
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    Rgb sky = Mix(Hex(0x2A4A6A), Hex(0x8A9AA8), SmoothStep(0.0, 0.6, v));
    // The far dome, hazy blue-grey.
    double domeTop = H * 0.38 + std::pow((x - W * 0.52) / 110, 2) * 55;
    if (y > domeTop) sky = Mix(Hex(0x5A6A7A), Hex(0x3A4654), SmoothStep(domeTop, H, y));
    double lx = leftWall(y), rx = rightWall(y);
    if (x < lx || x > rx) {
      // Granite: vertical streaks of stain and light, lit from the left on the right wall's face.
      double streak = FractalNoise(x / 6, y / 160, 203, 4);
      double grain = FractalNoise(x / 30, y / 30, 204, 4);
      double edge = x < lx ? (lx - x) : (x - rx);
      double face = x < lx ? 0.55 : 0.85;
      Rgb rock = Mix(Hex(0x4A4844), Hex(0x9A968C), face * (0.5 + 0.5 * grain));
      rock = Times(rock, (0.7 + 0.35 * streak) * (0.75 + 0.25 * std::exp(-edge / 40)));
      return Times(rock, 1 - 0.5 * SmoothStep(0.4, 1.0, v));
    }
    return sky;
  });
  cairo_t* cr = canvas.cr();
  Dice dice(205);
  Ridge floor{H * 0.8, 20, 200, 206, 3, false};
  for (double x = -10; x < W + 10; x += dice.Range(10, 22))
    PaintPine(cr, x, floor.TopAt(x) + 10, dice.Range(60, 130), Hex(0x0E1A14), dice);
  PaintRidge(cr, W, H, floor, Hex(0x0E1A14), Hex(0x050807));
  DarkenBottom(cr, W, H, 0.72, 0.45);
  return FinishBackground(canvas, 0.68, 0.35);
}

Picture PaintSnowBackground() {
  // Snowy mountains by night: peaks with moonlit left faces and shadowed right ones, snow caps, falling snow.
  Canvas canvas(W, H);
  PaintShaded(canvas, 4, [&](double x, double y) {
    double v = y / H;
    Rgb sky = Mix(Hex(0x081228), Hex(0x2A4068), SmoothStep(0.0, 0.65, v));
    double cloud = SmoothStep(0.6, 0.85, FractalNoise(x / 220, y / 50, 211, 5));
    return Mix(sky, Hex(0x3A4A6A), cloud * 0.35 * (1 - v));
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 315, 0.8, 0.3, 0.55);
  // Two rows of peaks, the far one hazy; then the snowfield in front.
  Dice dice(212);
  const struct {
    double baseY, minTop, maxTop, minHalf, maxHalf, haze;
    int count;
  } rows[2] = {{H * 0.72, H * 0.3, H * 0.42, 120, 190, 0.45, 5}, {H * 0.8, H * 0.42, H * 0.55, 110, 170, 0.0, 6}};
  for (const auto& row : rows)
    for (int i = 0; i < row.count; ++i) {
      double px = (i + dice.Range(0.1, 0.9)) * (W + 120) / row.count - 60;
      Peak peak{px, dice.Range(row.minTop, row.maxTop), row.baseY, dice.Range(row.minHalf, row.maxHalf)};
      Rgb haze = Hex(0x2A4068);
      PaintPeak(cr, peak, Mix(Hex(0x3A4660), haze, row.haze), Mix(Hex(0x141A2A), haze, row.haze),
                Mix(Hex(0x9AA8C4), haze, row.haze), Mix(Hex(0x4A5A7E), haze, row.haze), dice);
    }
  Ridge field{H * 0.84, 40, 260, 213, 5, false};
  PaintRidge(cr, W, H, field, Hex(0x3A4A6C), Hex(0x0A0E18), Hex(0xD8E4F8), 0.5);
  // Falling snow: soft flakes, thinning towards the bottom.
  for (int i = 0; i < 500; ++i) {
    double x = dice.Range(0, W), y = dice.Range(0, H * 0.85), r = dice.Range(0.6, 2.2);
    SetColour(cr, Hex(0xE0E8F8), dice.Range(0.2, 0.55) * (1 - y / H));
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
  }
  DarkenBottom(cr, W, H, 0.74, 0.5);
  // Capped lower than most: pale snow must not swallow the chrome balls.
  return FinishBackground(canvas, 0.6, 0.45);
}

Picture PaintValleyBackground() {
  // A green valley at dawn: hills in five layers fading into the golden haze, a river of mist between them.
  Canvas canvas(W, H);
  PaintShaded(canvas, 4, [&](double x, double y) {
    double v = y / H;
    Rgb sky = Mix(Hex(0x24406A), Hex(0xC49C70), SmoothStep(0.05, 0.5, v));
    double cloud = SmoothStep(0.55, 0.8, FractalNoise(x / 240, y / 50, 221, 5));
    sky = Mix(sky, Hex(0xD0AA88), cloud * 0.45 * (1 - v));
    return Plus(sky, Times(Hex(0xFFD8A0), std::exp(-std::hypot(x - W * 0.62, y - H * 0.42) / 120) * 0.4));
  });
  cairo_t* cr = canvas.cr();
  const Rgb layers[5] = {Hex(0x8A9A8A), Hex(0x5A7458), Hex(0x3A5636), Hex(0x1E3620), Hex(0x0A160C)};
  for (int k = 0; k < 5; ++k) {
    Ridge hill{H * (0.5 + 0.08 * k), 60.0 + 25 * k, 280 - 20.0 * k, static_cast<uint32_t>(222 + k), 5, false};
    PaintRidge(cr, W, H, hill, layers[k], Darker(layers[k], 0.3), Hex(0xFFE0A8), k < 3 ? 0.35 : 0.15);
    if (k >= 2) {
      Dice dice(230 + k);
      for (int t = 0; t < 6 + 4 * k; ++t) {
        double x = dice.Range(0, W);
        PaintLeafyTree(cr, x, hill.TopAt(x) + 6, dice.Range(20, 30) * (k - 1), layers[k], dice);
      }
    }
    if (k < 4) MistBand(cr, H * (0.54 + 0.08 * k), 26, Hex(0xE8D8C0), 0.25);
  }
  DarkenBottom(cr, W, H, 0.72, 0.45);
  return FinishBackground(canvas, 0.7, 0.5);
}
