// The story screens' backgrounds: the ship coming home to Earth, the calm lake at dusk, the atomic blast.
// Letters are typed over their middle (y 100..550), so the middle stays calm and not too bright.
#include <algorithm>
#include <cmath>

#include "art/ArtFamilies.h"
#include "screens/ScreenArt.h"
#include "screens/ScreenPaint.h"
#include "themes/Backdrop.h"

namespace {

constexpr int W = 1024, H = 768;

// A soft dark veil over the text's area, so silver and gold letters read on any part of the scene.
void CalmMiddle(cairo_t* cr, double strength) {
  cairo_save(cr);
  cairo_translate(cr, W / 2.0, 325);
  cairo_scale(cr, 1.0, 0.55);
  cairo_pattern_t* veil = cairo_pattern_create_radial(0, 0, 120, 0, 0, 520);
  cairo_pattern_add_color_stop_rgba(veil, 0, 0, 0, 0.02, strength);
  cairo_pattern_add_color_stop_rgba(veil, 1, 0, 0, 0.02, 0);
  cairo_set_source(cr, veil);
  cairo_paint(cr);
  cairo_pattern_destroy(veil);
  cairo_restore(cr);
}

// --- The homecoming -------------------------------------------------------------------------------------------

constexpr double kEarthX = 900, kEarthY = 990, kEarthR = 580;

Rgb EarthAt(double x, double y) {
  const double dx = (x - kEarthX) / kEarthR, dy = (y - kEarthY) / kEarthR, r2 = dx * dx + dy * dy;
  const double lx = -0.55, ly = -0.62, lz = 0.56;  // the sun, up and to the left
  if (r2 >= 1) {
    // The thin blue air round the limb, lit on the sun's side.
    const double r = std::sqrt(r2), edge = (r - 1) * kEarthR;
    const double lit = std::clamp(0.2 + (dx * lx + dy * ly) / r, 0.0, 1.0);
    return Times(Hex(0x3C8CFF), std::exp(-edge / 16) * 0.9 * lit + std::exp(-edge / 60) * 0.12 * lit);
  }
  const double dz = std::sqrt(1 - r2);
  // Noise on the sphere's surface: continents, then clouds a little above them.
  const double u = dx / (dz + 0.6) * 2.6, v = dy / (dz + 0.6) * 2.6;
  const double landNoise = FractalNoise(u + 11, v + 4, 9001, 6);
  const double land = SmoothStep(0.52, 0.56, landNoise);
  const double clouds = SmoothStep(0.45, 0.8, FractalNoise(u * 1.6 + 3, v * 3.2, 9002, 6));
  Rgb ground = Mix(Mix(Hex(0x0A2C6A), Hex(0x1A5AA8), FractalNoise(u * 3, v * 3, 9003, 3)),
                   Mix(Hex(0x3A5A2A), Hex(0x8A7A4A), FractalNoise(u * 4, v * 4, 9004, 4)), land);
  ground = Mix(ground, Hex(0xF2F6FF), clouds * 0.85);
  const double light = std::max(0.0, dx * lx + dy * ly + dz * lz);
  Rgb colour = Times(ground, 0.04 + 0.96 * std::pow(light, 0.8));
  // The air brightens the rim of the lit side.
  const double rim = std::pow(1 - dz, 3);
  colour = Plus(colour, Times(Hex(0x4A9CFF), rim * (0.25 + 0.75 * light)));
  // City lights on the night side.
  const double night = SmoothStep(0.08, 0.0, light) * (1 - land * 0) * land;
  const double cities = SmoothStep(0.72, 0.8, ValueNoise(u * 40, v * 40, 9005));
  return Plus(colour, Times(Hex(0xFFC060), night * cities * 0.6));
}

Picture PaintHomecoming() {
  Canvas canvas(W, H);
  PaintShaded(canvas, 1, [](double x, double y) {
    const double n = FractalNoise(x / 300, y / 300, 9010, 5), m = FractalNoise(x / 180, y / 180, 9011, 4);
    // The nebula keeps to the top left and the edges; the middle stays open space.
    const double edge = std::min(1.0, std::hypot((x - 512) / 512, (y - 330) / 380));
    const double cloud = SmoothStep(0.45, 0.85, n) * (0.25 + 0.75 * edge);
    Rgb sky = Plus(Mix(Hex(0x04060F), Hex(0x010206), y / H), Times(Mix(Hex(0x3A1C78), Hex(0x0E4468), m), cloud * 0.5));
    const double dx = (x - kEarthX) / kEarthR, dy = (y - kEarthY) / kEarthR;
    if (dx * dx + dy * dy >= 1) return Plus(sky, EarthAt(x, y));
    return EarthAt(x, y);
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 9012, 1.0, 2, 2, {0.85, 0.9, 1.0}, [](double x, double y) {
    const double dx = (x - kEarthX) / kEarthR, dy = (y - kEarthY) / kEarthR;
    return dx * dx + dy * dy < 1.02 ? 0.0 : 1.0;
  });
  // The sun's glare beyond the top left corner.
  AddGlow(cr, -40, -60, 420, Hex(0xFFE8C0), 0.35);
  // The ship, far off, heading down towards the lit limb: its engines' glow, and the trail it leaves.
  const double sx = 470, sy = 628, angle = 1.05;  // radians clockwise from nose-up
  const double bx = sx - std::sin(angle) * 24, by = sy + std::cos(angle) * 24;
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* trail = cairo_pattern_create_linear(bx, by, bx - std::sin(angle) * 420, by + std::cos(angle) * 420);
  cairo_pattern_add_color_stop_rgba(trail, 0, 0.5, 0.75, 1.0, 0.35);
  cairo_pattern_add_color_stop_rgba(trail, 1, 0.2, 0.4, 1.0, 0.0);
  cairo_set_source(cr, trail);
  cairo_move_to(cr, bx - std::cos(angle) * 5, by - std::sin(angle) * 5);
  cairo_line_to(cr, bx + std::cos(angle) * 5, by + std::sin(angle) * 5);
  cairo_line_to(cr, bx - std::sin(angle) * 420, by + std::cos(angle) * 420);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(trail);
  cairo_restore(cr);
  AddGlow(cr, bx, by, 40, Hex(0x6FB0FF), 0.8);
  cairo_save(cr);
  cairo_translate(cr, sx, sy);
  cairo_rotate(cr, angle);
  screens::DrawPicture(cr, PaintShip(0), -26, -26, 0.65);
  cairo_restore(cr);
  AddGlow(cr, bx, by, 12, Hex(0xE8F4FF), 1.0);
  CalmMiddle(cr, 0.35);
  return FinishBackground(canvas, 0.82, 0.8);
}

// --- The lake at dusk -----------------------------------------------------------------------------------------

constexpr double kWater = 500;  // the lake's far shore

Picture PaintLake() {
  Canvas canvas(W, H);
  PaintShaded(canvas, 2, [](double x, double y) {
    const double v = std::clamp(y / kWater, 0.0, 1.0);
    // Violet high up, rose lower, a warm band just above the shore; the sun has set to the right.
    Rgb sky = v < 0.35 ? Mix(Hex(0x120C2E), Hex(0x34205A), v / 0.35)
                       : v < 0.62 ? Mix(Hex(0x34205A), Hex(0x9A4A68), (v - 0.35) / 0.27)
                                  : Mix(Hex(0x9A4A68), Hex(0xF09850), std::min(1.0, (v - 0.62) / 0.25));
    const double sun = std::exp(-std::hypot((x - 760) / 300, (y - kWater + 120) / 110));
    sky = Plus(sky, Times(Hex(0xFFB060), sun * 0.45));
    // Long thin clouds lit pink from below.
    const double streak = FractalNoise(x / 260, y / 22, 9101, 5);
    const double cloud = SmoothStep(0.55, 0.75, streak) * SmoothStep(0.25, 0.6, v) * SmoothStep(1.0, 0.8, v);
    return Mix(sky, Mix(Hex(0x5A3050), Hex(0xF0A070), v), cloud * 0.6);
  });
  cairo_t* cr = canvas.cr();
  PaintStars(cr, W, H, 9102, 0.35, 0.05, 0.3, {0.95, 0.9, 1.0});
  // Two ranges of mountains, the far one hazy, the near one dark; firs along the shore.
  Ridge far{kWater - 40, 170, 420, 9103, 5, true};
  Ridge near{kWater - 6, 80, 260, 9104, 5, true};
  PaintRidge(cr, W, static_cast<int>(kWater) + 1, far, Hex(0x4A3462), Hex(0x3A2A52), Hex(0xE0A080), 0.35);
  PaintRidge(cr, W, static_cast<int>(kWater) + 1, near, Hex(0x1E1630), Hex(0x140E22), Hex(0xC08070), 0.25);
  Dice dice(9105);
  for (int i = 0; i < 34; ++i) {
    const bool left = i < 18;
    const double x = left ? dice.Range(-10, 300) : dice.Range(720, 1034);
    PaintPine(cr, x, kWater + 2, dice.Range(30, 80), Hex(0x0C0816), dice);
  }
  cairo_rectangle(cr, 0, kWater, W, H - kWater);
  SetColour(cr, Hex(0x0C0816));
  cairo_fill(cr);
  Picture picture = canvas.Take();
  // The lake mirrors everything above the shore, darker and bluer, broken by ripples that widen near us.
  const int shore = static_cast<int>(kWater);
  for (int y = shore; y < H; ++y) {
    const double depth = (y - kWater) / (H - kWater);
    for (int x = 0; x < W; ++x) {
      const double ripple = (FractalNoise(x / 90.0, y / (3 + depth * 10), 9106, 3) - 0.5) * (2 + depth * 26);
      const int sy = std::clamp(static_cast<int>(2 * kWater - y + ripple), 0, shore - 1);
      const int sx = std::clamp(x + static_cast<int>(ripple * 0.4), 0, W - 1);
      const uint8_t* s = picture.At(sx, sy);
      uint8_t* d = picture.At(x, y);
      const double k = 0.72 - 0.3 * depth;
      const double glint = SmoothStep(0.78, 0.9, FractalNoise(x / 60.0, y / 2.5, 9107, 3)) *
                           std::exp(-std::fabs(x - 760) / 220) * (1 - depth) * 0.35;
      d[0] = static_cast<uint8_t>(std::min(255.0, s[0] * k * 0.9 + 255 * glint));
      d[1] = static_cast<uint8_t>(std::min(255.0, s[1] * k * 0.92 + 180 * glint));
      d[2] = static_cast<uint8_t>(std::min(255.0, s[2] * k + 120 * glint));
    }
  }
  Canvas finish(W, H);
  screens::DrawPicture(finish.cr(), picture, 0, 0);
  CalmMiddle(finish.cr(), 0.3);
  DarkenBottom(finish.cr(), W, H, 0.8, 0.4);
  return FinishBackground(finish, 0.8, 0.7);
}

// --- The blast ------------------------------------------------------------------------------------------------

// How much smoke is at (x, y) and how hot it glows there: the cap, the stem, the skirt along the ground.
struct Smoke {
  double density, heat;
  double vapour;  // the condensation ring's pale cloud
};

Smoke BlastAt(double x, double y) {
  const double n = FractalNoise(x / 55, y / 55, 9201, 5), m = FractalNoise(x / 24, y / 24, 9202, 3);
  const double billow = (n - 0.5) * 0.7 + (m - 0.5) * 0.25;
  // The cap: a flattened ball rolling outwards, hottest underneath and inside.
  const double cx = (x - 512) / 250, cy = (y - 250) / 120;
  const double cap = SmoothStep(1.05, 0.8, std::hypot(cx, cy * (cy > 0 ? 1.25 : 1.0)) - billow);
  const double capHeat = 0.28 + 0.7 * SmoothStep(1.0, -0.2, std::hypot(cx * 0.95, (cy - 0.4) * 1.3));
  // The stem, widening towards the ground, twisting a little.
  const double t = std::clamp((y - 300) / 320, 0.0, 1.0);
  const double half = 38 + 50 * t * t;
  const double sway = std::sin(y / 70) * 6;
  const double stem = y > 280 ? SmoothStep(1.1, 0.8, std::fabs(x - 512 - sway) / half - billow * 0.8) : 0.0;
  const double stemHeat = SmoothStep(1.0, 0.0, std::fabs(x - 512 - sway) / half) * (0.75 - 0.45 * t);
  // The ring of condensation round the stem, and the skirt of dust rolling over the ground.
  const double ring = SmoothStep(0.18, 0.0, std::fabs(std::hypot((x - 512) / 200, (y - 395) / 26) - 1) - billow * 0.2);
  const double skirt = SmoothStep(1.0, 0.7, std::hypot((x - 512) / 430, (y - 612) / 55) - billow);
  const double density = std::max({cap, stem, ring * 0.6, skirt});
  const double heat = std::max({cap * capHeat, stem * stemHeat, skirt * 0.35 * SmoothStep(600, 560, std::fabs(x - 512) + 200)});
  return {density, heat * (0.75 + 0.5 * m), ring * 0.6 * (1 - cap)};
}

Picture PaintBlast() {
  Canvas canvas(W, H);
  PaintShaded(canvas, 2, [](double x, double y) {
    const double v = y / H;
    Rgb sky = v < 0.8 ? Mix(Hex(0x0E0606), Hex(0x5A2010), std::pow(v / 0.8, 2)) : Hex(0x5A2010);
    sky = Plus(sky, Times(Hex(0xFF6A20), std::exp(-std::hypot((x - 512) / 420, (y - 560) / 200)) * 0.35));
    // Dark smoke drifting high up.
    sky = Mix(sky, Hex(0x140C0A), SmoothStep(0.45, 0.8, FractalNoise(x / 200, y / 90, 9203, 5)) * (1 - v) * 0.8);
    const Smoke smoke = BlastAt(x, y);
    if (smoke.density <= 0) return sky;
    // Unlit smoke is a dark brown-grey; heat lights it red, then orange, then yellow-white at the core.
    const double h = std::clamp(smoke.heat, 0.0, 1.0);
    Rgb glow = h < 0.4 ? Mix(Hex(0x4A2A22), Hex(0xB83010), h / 0.4)
                       : h < 0.75 ? Mix(Hex(0xB83010), Hex(0xFF9A30), (h - 0.4) / 0.35)
                                  : Mix(Hex(0xFF9A30), Hex(0xFFF0C0), (h - 0.75) / 0.25);
    // Light from the fireball below catches the lower sides of the billows.
    const double shade = FractalNoise(x / 30, y / 30 + 0.3, 9204, 3);
    glow = Times(glow, 0.7 + 0.6 * shade);
    glow = Mix(glow, Hex(0xD89070), smoke.vapour);
    return Mix(sky, glow, std::min(1.0, smoke.density));
  });
  cairo_t* cr = canvas.cr();
  // The ruined skyline: broken towers, black against the glow, their edges lit orange.
  Dice dice(9205);
  cairo_move_to(cr, 0, H);
  double x = -10;
  while (x < W + 10) {
    const double w = dice.Range(18, 60), top = 640 - dice.Range(0, 1) * dice.Range(10, 90) * (std::fabs(x - 512) > 140 ? 1 : 0.3);
    cairo_line_to(cr, x, 660);
    cairo_line_to(cr, x, top + dice.Range(0, 12));
    // A jagged, broken top.
    const int teeth = 1 + static_cast<int>(dice.Range(0, 3));
    for (int k = 1; k <= teeth; ++k) cairo_line_to(cr, x + w * k / (teeth + 1), top + dice.Range(-8, 14));
    cairo_line_to(cr, x + w, top + dice.Range(0, 12));
    cairo_line_to(cr, x + w, 660);
    x += w + dice.Range(0, 14);
  }
  cairo_line_to(cr, W + 10, H);
  cairo_close_path(cr);
  cairo_path_t* skyline = cairo_copy_path(cr);
  cairo_pattern_t* ground = cairo_pattern_create_linear(0, 560, 0, H);
  AddStop(ground, 0, Hex(0x1C0C08));
  AddStop(ground, 1, Hex(0x060304));
  cairo_set_source(cr, ground);
  cairo_fill(cr);
  cairo_pattern_destroy(ground);
  cairo_append_path(cr, skyline);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0xFF7A30), 0.45);
  cairo_stroke(cr);
  cairo_path_destroy(skyline);
  // Embers carried up on the blast.
  for (int i = 0; i < 160; ++i) {
    const double ex = 512 + dice.Range(-1, 1) * dice.Range(0, 480), ey = dice.Range(120, 640);
    AddGlow(cr, ex, ey, dice.Range(1.5, 4), Hex(0xFFA040), dice.Range(0.2, 0.8));
  }
  CalmMiddle(cr, 0.3);
  return FinishBackground(canvas, 0.8, 0.85);
}

}  // namespace

Picture PaintStoryBackground(StoryScene scene) {
  switch (scene) {
    case StoryScene::Intro: return PaintHomecoming();
    case StoryScene::Ending: return PaintLake();
    case StoryScene::GameOver: return PaintBlast();
  }
  return Picture();
}
