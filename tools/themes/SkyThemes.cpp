// Backgrounds of the sky and sea levels: clouds, the space elevator, sea, underwater, sunset, shore, storm, aurora.
#include <algorithm>
#include <cmath>

#include "themes/Backdrop.h"
#include "themes/ThemePainters.h"

namespace {

constexpr int W = kBackgroundWidth;
constexpr int H = kBackgroundHeight;

// A bank of cloud: density 0..1 at (x, y) and how much light reaches its top-left side.
struct CloudBank {
  double centreY, thickness, scale;  // pixels
  uint32_t seed;
  double cover;  // 0..1, how much of the bank is cloud

  double Density(double x, double y) const {
    double profile = 1 - std::fabs(y - centreY) / thickness;
    double n = FractalNoise(x / scale, y / (scale * 0.45), seed, 6);
    return SmoothStep(1 - cover, 1 - cover + 0.25, n * 0.7 + profile * 0.55);
  }
  // Brighter where the cloud thins towards the light.
  double Light(double x, double y) const {
    double here = FractalNoise(x / scale, y / (scale * 0.45), seed, 4);
    double towardsLight = FractalNoise((x - 6) / scale, (y - 8) / (scale * 0.45), seed, 4);
    return Clamp01(0.5 + (here - towardsLight) * 9);
  }
};

// Lays a cloud bank over a colour: shadowed grey-blue underneath, lit colour on its upper side.
Rgb OverCloud(Rgb under, const CloudBank& bank, double x, double y, Rgb shadow, Rgb lit) {
  double density = bank.Density(x, y);
  if (density <= 0) return under;
  double light = bank.Light(x, y) * 0.6 + Clamp01((bank.centreY - y) / bank.thickness + 0.5) * 0.4;
  return Mix(under, Mix(shadow, lit, light), density);
}

}  // namespace

Picture PaintCloudsBackground() {
  // Falling through the sky: banks of cloud one under another, the lowest in the shadow of the others.
  Canvas canvas(W, H);
  const CloudBank banks[] = {{H * 0.16, 120, 260, 81, 0.55}, {H * 0.46, 150, 220, 82, 0.6}, {H * 0.8, 170, 200, 83, 0.7}};
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    Rgb sky = Mix(Hex(0x142046), Hex(0x3A5A8C), SmoothStep(0.0, 0.6, v));
    sky = Mix(sky, Hex(0x1A2A48), SmoothStep(0.6, 1.0, v));
    sky = OverCloud(sky, banks[0], x, y, Hex(0x3E4C6C), Hex(0x9EAAC4));
    sky = OverCloud(sky, banks[1], x, y, Hex(0x2C3850), Hex(0x74849E));
    sky = OverCloud(sky, banks[2], x, y, Hex(0x1A2236), Hex(0x4A5670));
    return sky;
  });
  Vignette(canvas.cr(), W, H, 0.35);
  DarkenBottom(canvas.cr(), W, H, 0.7, 0.55);
  // Capped lower than most: pale cloud must not swallow the chrome balls.
  return FinishBackground(canvas, 0.6, 0.45);
}

Picture PaintBlueBackground() {
  // The space elevator: its cable rises out of the blue haze of the atmosphere into the black of space.
  Canvas canvas(W, H);
  const double horizon = H * 0.56;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    // The Earth's limb curves gently below the middle.
    double curve = horizon + std::pow((x - W * 0.5) / W, 2) * 120;
    Rgb sky = Mix(Hex(0x020410), Hex(0x0A2A6A), SmoothStep(0.0, curve / H, v));
    double limb = std::exp(-std::fabs(y - curve) / 14);
    sky = Plus(sky, Times(Hex(0x3A8AE8), limb * 0.7));
    if (y > curve) {
      // Below the limb: the top of the atmosphere with faint cloud, darkening towards the ship.
      double cloud = SmoothStep(0.5, 0.8, FractalNoise(x / 140, (y - curve) / 40 + 3, 91, 5));
      Rgb air = Mix(Hex(0x0C3270), Hex(0x040E26), SmoothStep(curve, H, y));
      sky = Plus(Mix(air, Hex(0x2A4E8A), cloud * 0.5 * (1 - v)), Times(Hex(0x3A8AE8), limb * 0.7));
    }
    double haze = FractalNoise(x / 200, y / 60, 92, 4);
    return Times(sky, 0.85 + 0.3 * haze);
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 309, 1.0, 0.15, 0.45);
  // The cable: a thin ribbon with beacons, fading up into space and down into the haze.
  const double cableX = W * 0.5;
  cairo_pattern_t* cable = cairo_pattern_create_linear(0, 0, 0, H);
  cairo_pattern_add_color_stop_rgba(cable, 0.0, 0.5, 0.6, 0.8, 0.0);
  cairo_pattern_add_color_stop_rgba(cable, 0.3, 0.55, 0.65, 0.85, 0.45);
  cairo_pattern_add_color_stop_rgba(cable, 0.7, 0.5, 0.6, 0.8, 0.4);
  cairo_pattern_add_color_stop_rgba(cable, 1.0, 0.3, 0.4, 0.6, 0.05);
  cairo_set_source(cr, cable);
  cairo_rectangle(cr, cableX - 1.5, 0, 3, H);
  cairo_fill(cr);
  cairo_pattern_destroy(cable);
  for (double y = 30; y < H * 0.8; y += 46) AddGlow(cr, cableX, y, 7, Hex(0x80C0FF), 0.5 * (1 - y / H));
  DarkenBottom(cr, W, H, 0.72, 0.5);
  return FinishBackground(canvas, 0.74, 0.75);
}

Picture PaintSeaBackground() {
  // A strange sky over a dark sea: green and violet clouds, a pale horizon, long swells rolling in.
  Canvas canvas(W, H);
  const double horizon = H * 0.42;
  PaintShaded(canvas, 2, [&](double x, double y) {
    if (y < horizon) {
      double v = y / horizon;
      Rgb sky = Mix(Hex(0x14142A), Hex(0x4A5468), std::pow(v, 1.8));
      double n = FractalNoise(x / 220, y / 70, 101, 6);
      double tint = FractalNoise(x / 300 + 4, y / 150, 102, 3);
      Rgb cloud = Mix(Hex(0x3A2A5A), Hex(0x2A5A4E), tint);
      sky = Mix(sky, cloud, SmoothStep(0.45, 0.75, n) * 0.85);
      return Plus(sky, Times(Hex(0x8A9A9A), std::exp(-(horizon - y) / 10) * 0.35));
    }
    // Perspective: the waves grow and spread towards the viewer.
    double depth = (y - horizon) / (H - horizon);
    double z = 1.0 / (0.05 + depth);
    double swell = FractalNoise(x / (30 + 260 * depth), z * 2.5, 103, 5);
    double crest = SmoothStep(0.6, 0.8, swell);
    Rgb sea = Mix(Hex(0x223844), Hex(0x04101A), std::pow(depth, 0.6));
    sea = Plus(sea, Times(Hex(0x5A7A84), crest * 0.3 * (1 - depth)));
    return Plus(sea, Times(Hex(0x8A9A9A), std::exp(-(y - horizon) / 6) * 0.3));
  });
  DarkenBottom(canvas.cr(), W, H, 0.7, 0.5);
  return FinishBackground(canvas, 0.7, 0.5);
}

Picture PaintWaterBackground() {
  // Under water: the wavy ceiling of light, rays slanting down into blue-green depth, drifting motes.
  Canvas canvas(W, H);
  const double sunX = W * 0.3, sunY = -H * 0.4;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    Rgb water = Mix(Hex(0x0E5A6E), Hex(0x031620), SmoothStep(0.0, 0.9, v));
    double angle = std::atan2(x - sunX, y - sunY);
    double rays = SmoothStep(0.55, 0.9, FractalNoise(angle * 40, v * 0.8, 111, 3));
    water = Plus(water, Times(Hex(0x4AB0C0), rays * 0.3 * (1 - SmoothStep(0.0, 0.75, v))));
    // The surface ripples at the top catch the light.
    double caustic = RidgedNoise(x / 40, y / 16, 112, 3);
    water = Plus(water, Times(Hex(0x8AE0E8), SmoothStep(0.65, 0.95, caustic) * std::exp(-y / 40) * 0.7));
    double murk = FractalNoise(x / 160, y / 160, 113, 4);
    return Times(water, 0.8 + 0.4 * murk);
  });
  cairo_t* cr = canvas.cr();
  // Bubbles rising in loose strings, fainter with depth.
  Dice dice(114);
  for (int string = 0; string < 5; ++string) {
    double x = dice.Range(40, W - 40);
    for (double y = dice.Range(400, 560); y > 20; y -= dice.Range(18, 40)) {
      double r = dice.Range(1.5, 4.5);
      x += dice.Range(-5, 5);
      double alpha = 0.45 * (1 - y / H);
      cairo_arc(cr, x, y, r, 0, 2 * kPi);
      cairo_set_line_width(cr, 1);
      SetColour(cr, Hex(0xBFF0F8), alpha);
      cairo_stroke(cr);
      cairo_arc(cr, x - r * 0.35, y - r * 0.35, r * 0.3, 0, 2 * kPi);
      SetColour(cr, Hex(0xFFFFFF), alpha);
      cairo_fill(cr);
    }
  }
  PaintStars(cr, W, H, 115, 0.35, 0.5, 0.85, Hex(0x9AD8D0));
  DarkenBottom(cr, W, H, 0.7, 0.5);
  return FinishBackground(canvas, 0.72, 0.7);
}

Picture PaintSunsetBackground() {
  // Landing at dusk: an indigo-to-orange sky with streaks of cloud, the sun on the horizon, hills in layers.
  Canvas canvas(W, H);
  const double horizon = H * 0.6, sunX = W * 0.36, sunY = H * 0.585;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = Clamp01(y / horizon);
    Rgb sky = v < 0.55 ? Mix(Hex(0x141236), Hex(0x5A2452), v / 0.55) : Mix(Hex(0x5A2452), Hex(0xD06A34), (v - 0.55) / 0.45);
    double streak = FractalNoise(x / 260, y / 18, 121, 5);
    double lit = Clamp01(1 - std::fabs(y - horizon * 0.8) / (horizon * 0.6));
    sky = Mix(sky, Mix(Hex(0x3A1A3A), Hex(0xF08A5A), lit), SmoothStep(0.55, 0.75, streak) * 0.7);
    double d = std::hypot(x - sunX, (y - sunY) * 1.4);
    sky = Plus(sky, Times(Hex(0xFF9A50), std::exp(-d / 90) * 0.6));
    if (d < 34) sky = Mix(sky, Hex(0xFFD08A), SmoothStep(34, 31, d));
    return sky;
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 310, 0.6, 0.15, 0.35);
  Ridge far{horizon + 6, 60, 260, 122, 5, false};
  Ridge mid{horizon + 80, 90, 220, 123, 5, false};
  Ridge nearLand{horizon + 190, 110, 180, 124, 5, false};
  PaintRidge(cr, W, H, far, Hex(0x4A2440), Hex(0x2A1428), Hex(0xFF9A6A), 0.5);
  PaintRidge(cr, W, H, mid, Hex(0x2A1428), Hex(0x160A18), Hex(0xE07A5A), 0.35);
  PaintRidge(cr, W, H, nearLand, Hex(0x10080E), Hex(0x050306));
  // Runway lights on the middle hills guide the ship down.
  for (int i = 0; i < 9; ++i) {
    double x = W * 0.52 + i * 22, y = mid.TopAt(x) + 18 + i * 5;
    AddGlow(cr, x, y, 6, Hex(0xFFC070), 0.5);
  }
  DarkenBottom(cr, W, H, 0.75, 0.4);
  return FinishBackground(canvas, 0.76, 0.75);
}

Picture PaintShoreBackground() {
  // A shore by moonlight: a silver path across the sea, foam lines running up the sand, rocks to the left.
  Canvas canvas(W, H);
  const double horizon = H * 0.38, moonX = W * 0.66, moonY = H * 0.15, shoreY = H * 0.7;
  auto foamLine = [](double x, double base, uint32_t seed) { return base + (FractalNoise(x / 160, 1.5, seed, 4) - 0.5) * 60; };
  PaintShaded(canvas, 2, [&](double x, double y) {
    if (y < horizon) {
      Rgb sky = Mix(Hex(0x060C1C), Hex(0x1E3450), std::pow(y / horizon, 1.5));
      double cloud = SmoothStep(0.55, 0.8, FractalNoise(x / 200, y / 50, 131, 5));
      sky = Mix(sky, Hex(0x3A4A64), cloud * 0.6);
      return Plus(sky, Times(Hex(0xA8B8D8), std::exp(-std::hypot(x - moonX, y - moonY) / 70) * 0.5));
    }
    double shore = foamLine(x, shoreY, 132);
    if (y < shore) {
      double depth = (y - horizon) / (shore - horizon);
      double z = 1.0 / (0.06 + depth);
      double wave = FractalNoise(x / (25 + 200 * depth), z * 3, 133, 4);
      Rgb sea = Mix(Hex(0x1A3048), Hex(0x0A1826), depth);
      // The moon's path: a column of glitter under the moon.
      double path = std::exp(-std::pow((x - moonX) / (20 + 90 * depth), 2));
      sea = Plus(sea, Times(Hex(0xC8D8F0), path * SmoothStep(0.55, 0.8, wave) * 0.6));
      double foam = std::exp(-(shore - y) / 5) + 0.6 * std::exp(-std::fabs(y - foamLine(x, shore - 34, 134)) / 3);
      return Plus(sea, Times(Hex(0x9AB0C4), foam * 0.5));
    }
    double sand = FractalNoise(x / 30, y / 12, 135, 4);
    Rgb ground = Mix(Hex(0x3A3430), Hex(0x120F0E), SmoothStep(shore, H, y));
    return Times(ground, 0.8 + 0.35 * sand);
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 311, 0.8, 0.25, 0.38);
  PaintSphere(cr, moonX, moonY, 22, Hex(0xD8DCE8), false);
  // Dark rocks on the left of the beach, sloping down into the sea.
  cairo_new_path(cr);
  cairo_move_to(cr, -2, H);
  for (double x = -2; x <= W * 0.4; x += 3) {
    double t = Clamp01(x / (W * 0.4));
    double crag = 1 - std::fabs(FractalNoise(x / 45, 7.5, 136, 4) * 2 - 1);
    double top = H * 0.5 + (H * 1.01 - H * 0.5) * std::pow(t, 2.2) - crag * (70 * (1 - t) + 8);
    cairo_line_to(cr, x, top);
  }
  cairo_line_to(cr, W * 0.4, H + 2);
  cairo_close_path(cr);
  cairo_pattern_t* rock = cairo_pattern_create_linear(0, H * 0.5, W * 0.3, H);
  AddStop(rock, 0, Hex(0x2A3040));
  AddStop(rock, 0.4, Hex(0x12151C));
  AddStop(rock, 1, Hex(0x050608));
  cairo_set_source(cr, rock);
  cairo_fill(cr);
  cairo_pattern_destroy(rock);
  DarkenBottom(cr, W, H, 0.74, 0.45);
  return FinishBackground(canvas, 0.72, 0.5);
}

Picture PaintStormBackground() {
  // A storm: heavy billowing clouds, the inside of one lit by lightning, rain slanting down.
  Canvas canvas(W, H);
  const double flashX = W * 0.64, flashY = H * 0.24;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    double billow = FractalNoise(x / 170, y / 110, 141, 6);
    double edge = RidgedNoise(x / 90, y / 70, 142, 4);
    Rgb cloud = Mix(Hex(0x0E1016), Hex(0x3A4050), SmoothStep(0.35, 0.75, billow));
    cloud = Plus(cloud, Times(Hex(0x5A6478), SmoothStep(0.7, 0.95, edge) * 0.25 * (1 - v)));
    double flash = std::exp(-std::hypot(x - flashX, (y - flashY) * 1.3) / 110) * SmoothStep(0.3, 0.7, billow);
    cloud = Plus(cloud, Times(Hex(0x8A9AD8), flash * 0.65));
    return Times(cloud, 1 - 0.6 * SmoothStep(0.4, 1.0, v));
  });
  cairo_t* cr = canvas.cr();
  // Rain: thin slanted streaks, sparse and faint.
  Dice dice(143);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 700; ++i) {
    double x = dice.Range(-60, W), y = dice.Range(0, H), len = dice.Range(10, 26);
    SetColour(cr, Hex(0x9AA8C0), dice.Range(0.05, 0.16) * (1 - y / H * 0.7));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len * 0.3, y + len);
    cairo_stroke(cr);
  }
  DarkenBottom(cr, W, H, 0.7, 0.45);
  return FinishBackground(canvas, 0.7, 0.35);
}

Picture PaintAuroraBackground() {
  // The northern lights: green curtains with violet fringes over a starry sky and snowy mountains.
  Canvas canvas(W, H);
  auto curtainBase = [](double x, uint32_t seed, double base) {
    return base + std::sin(x / 130 + seed) * 40 + (FractalNoise(x / 150, 2.5, seed, 4) - 0.5) * 120;
  };
  PaintShaded(canvas, 2, [&](double x, double y) {
    double v = y / H;
    Rgb sky = Mix(Hex(0x020810), Hex(0x0A1E2A), SmoothStep(0.0, 0.7, v));
    Rgb light{0, 0, 0};
    const double bases[2] = {H * 0.3, H * 0.5};
    for (int k = 0; k < 2; ++k) {
      double base = curtainBase(x, 151 + k * 7, bases[k]);
      double above = base - y;  // rays rise from the curtain's lower edge
      if (above < -12) continue;
      double intensity = above < 0 ? std::exp(above / 6) : std::exp(-above / (k == 0 ? 170 : 120));
      double rays = 0.45 + 0.75 * FractalNoise(x / 5 + k * 40, y / 300, 152 + k, 3);
      Rgb colour = Mix(Hex(0x30E08A), Hex(0x9A40D0), SmoothStep(20, 220, above));
      light = Plus(light, Times(colour, intensity * rays * (k == 0 ? 0.55 : 0.4)));
    }
    return Plus(sky, light);
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 312, 1.0, 0.55, 0.8);
  // Dark snowy mountains under the lights, their snow tinged green.
  Dice dice(153);
  for (int i = 0; i < 6; ++i) {
    double px = (i + dice.Range(0.1, 0.9)) * (W + 100) / 6 - 50;
    PaintPeak(cr, Peak{px, dice.Range(H * 0.6, H * 0.7), H * 0.86, dice.Range(100, 150)}, Hex(0x1A2630),
              Hex(0x0A1016), Hex(0x5A8A84), Hex(0x22383C), dice);
  }
  PaintRidge(cr, W, H, Ridge{H * 0.88, 30, 240, 154, 4, false}, Hex(0x10181E), Hex(0x030507));
  DarkenBottom(cr, W, H, 0.76, 0.4);
  return FinishBackground(canvas, 0.72, 0.7);
}
