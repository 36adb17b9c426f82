// Backgrounds of the space levels: deep black, the fire galaxy, nebulae, the Milky Way, the sun, the Earth, the bonus.
#include <algorithm>
#include <cmath>

#include "themes/Backdrop.h"
#include "themes/ThemePainters.h"

namespace {

constexpr int W = kBackgroundWidth;
constexpr int H = kBackgroundHeight;

}  // namespace

Picture PaintBlackBackground() {
  // Almost empty space: the 3D scenes of these levels play over it, so it stays quiet.
  Canvas canvas(W, H);
  PaintShaded(canvas, 4, [](double x, double y) {
    double v = y / H;
    Rgb base = Mix(Hex(0x05060F), Hex(0x010204), v);
    double n = FractalNoise(x / 260, y / 260, 11, 5);
    double wisp = SmoothStep(0.55, 0.85, n) * (1 - v * 0.7);
    return Plus(base, Times(Mix(Hex(0x2A2060), Hex(0x103048), FractalNoise(x / 120, y / 120, 12, 3)), wisp * 0.22));
  });
  PaintStars(canvas.cr(), W, H, 301, 0.9, 0.65, 0.93);
  return FinishBackground(canvas, 0.8, 0.6);
}

Picture PaintSpaceBackground() {
  // A violet and teal nebula torn by dark dust lanes, over a dense star field.
  Canvas canvas(W, H);
  PaintShaded(canvas, 2, [](double x, double y) {
    double v = y / H;
    double qx = FractalNoise(x / 300, y / 300, 21, 4), qy = FractalNoise(x / 300 + 5.2, y / 300, 22, 4);
    double n = FractalNoise(x / 230 + qx * 1.6, y / 230 + qy * 1.6, 23, 6);
    double m = FractalNoise(x / 160, y / 160, 24, 4);
    double dust = RidgedNoise(x / 170 + qy, y / 170, 25, 4);
    double cloud = SmoothStep(0.38, 0.8, n) * (1 - 0.6 * SmoothStep(0.45, 1.0, v));
    Rgb colour = Times(Mix(Hex(0x3A1C78), Hex(0x0E4468), m), cloud * 0.9);
    colour = Plus(colour, Times(Hex(0x8A4090), SmoothStep(0.68, 0.95, n) * 0.45 * (1 - v)));
    colour = Times(colour, 1 - 0.7 * SmoothStep(0.55, 0.9, dust) * cloud);
    return Plus(Hex(0x03040C), colour);
  });
  PaintStars(canvas.cr(), W, H, 302, 1.3, 0.6, 0.92);
  DarkenBottom(canvas.cr(), W, H, 0.7, 0.5);
  return FinishBackground(canvas, 0.78, 0.65);
}

Picture PaintFireGalaxyBackground() {
  // A spiral galaxy in fire colours, seen at a slant, burning above the playfield's middle.
  Canvas canvas(W, H);
  const double cx = W * 0.56, cy = H * 0.33, tilt = -0.42;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double dx = x - cx, dy = y - cy;
    double rx = dx * std::cos(tilt) - dy * std::sin(tilt);
    double ry = (dx * std::sin(tilt) + dy * std::cos(tilt)) / 0.45;
    double r = std::hypot(rx, ry), theta = std::atan2(ry, rx);
    double n = FractalNoise(x / 70, y / 70, 31, 5);
    double arms = std::pow(0.5 + 0.5 * std::cos(2 * (theta - 2.4 * std::log(r / 35 + 1)) + n * 1.6), 2.5);
    double disc = std::exp(-r / 230);
    double core = std::exp(-(r / 60) * (r / 60));
    double glow = arms * disc * (0.35 + 0.9 * n) + core * 1.3 + disc * 0.15;
    Rgb colour = Mix(Hex(0xA02A10), Hex(0xFF9A30), Clamp01(arms * n * 1.4 + core));
    colour = Mix(colour, Hex(0xFFE6B0), core * 0.8);
    // Fiery wisps drift through the whole field.
    double wisp = SmoothStep(0.55, 0.85, FractalNoise(x / 200 + 3, y / 200, 32, 5)) * (1 - y / H);
    Rgb out = Plus(Times(colour, glow * 0.75), Times(Hex(0x5A1408), wisp * 0.5));
    return Plus(out, Hex(0x070305));
  });
  PaintStars(canvas.cr(), W, H, 303, 1.0, 0.6, 0.92, Hex(0xFFE8D0));
  DarkenBottom(canvas.cr(), W, H, 0.68, 0.55);
  return FinishBackground(canvas, 0.78, 0.75);
}

Picture PaintMilkyWayBackground() {
  // The band of the galaxy seen from inside: a diagonal river of faint stars split by a dark rift.
  Canvas canvas(W, H);
  // The band's axis from (0, 0.66 H) to (W, 0.08 H).
  const double ax = 0, ay = H * 0.66, bx = W, by = H * 0.08;
  const double len = std::hypot(bx - ax, by - ay);
  const double nx = -(by - ay) / len, ny = (bx - ax) / len;
  auto distance = [=](double x, double y) { return (x - ax) * nx + (y - ay) * ny; };
  PaintShaded(canvas, 2, [&](double x, double y) {
    double d = distance(x, y) + (FractalNoise(x / 300, y / 300, 41, 3) - 0.5) * 90;
    double band = std::exp(-(d / 120) * (d / 120));
    double n = FractalNoise(x / 140, y / 140, 42, 6);
    double fine = FractalNoise(x / 25, y / 25, 43, 3);
    double rift = RidgedNoise(x / 130, y / 130, 44, 4) * std::exp(-((d + 10) / 45) * ((d + 10) / 45));
    double glow = band * (0.3 + 0.8 * n) * (0.75 + 0.5 * fine);
    glow *= 1 - 0.85 * SmoothStep(0.35, 0.8, rift);
    Rgb colour = Mix(Hex(0x4A5888), Hex(0xD8C0A0), Clamp01(band * 1.3 - 0.2));
    return Plus(Hex(0x03040A), Times(colour, glow * 0.55));
  });
  // Countless faint stars crowd into the band.
  PaintStars(canvas.cr(), W, H, 304, 1.0, 0.6, 0.92);
  PaintStars(canvas.cr(), W, H, 305, 2.2, 0.6, 0.9, {0.9, 0.9, 1.0}, [&](double x, double y) {
    double d = distance(x, y);
    return 0.08 + 0.92 * std::exp(-(d / 110) * (d / 110));
  });
  DarkenBottom(canvas.cr(), W, H, 0.7, 0.5);
  return FinishBackground(canvas, 0.78, 0.5);
}

Picture PaintSunBackground() {
  // The sun's lower limb fills the top: a granulated surface, a ragged corona and prominences, then dark space.
  Canvas canvas(W, H);
  const double cx = W * 0.5, cy = -H * 0.1, radius = 270;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
    double v = y / H;
    Rgb space = Mix(Hex(0x1A0806), Hex(0x020102), SmoothStep(0.2, 0.85, v));
    if (d < radius) {
      double limb = std::sqrt(1 - (d / radius) * (d / radius));
      double grain = FractalNoise(x / 9, y / 9, 51, 3);
      double cells = RidgedNoise(x / 28, y / 28, 52, 3);
      double spots = SmoothStep(0.72, 0.8, FractalNoise(x / 45 + 9, y / 45, 53, 4));
      Rgb colour = Mix(Hex(0xB83A08), Hex(0xFFB040), limb * 0.8 + grain * 0.2);
      double light = (0.45 + 0.55 * limb) * (0.8 + 0.3 * cells) * (1 - 0.7 * spots);
      return Times(colour, light);
    }
    double out = d - radius;
    double angle = std::atan2(dy, dx);
    double flames = FractalNoise(angle * 14, out / 35 - 0.0, 54, 5);
    double corona = std::exp(-out / 55) * 0.9 + std::exp(-out / 160) * 0.35;
    double prominence = SmoothStep(0.55, 0.8, flames) * std::exp(-out / 28);
    Rgb glow = Plus(Times(Hex(0xE05A14), corona), Times(Hex(0xFF8A30), prominence * 0.9));
    return Plus(space, glow);
  });
  PaintStars(canvas.cr(), W, H, 306, 0.5, 0.6, 0.9, Hex(0xFFE0C8), [&](double x, double y) {
    return Clamp01((std::hypot(x - cx, y - cy) - radius - 120) / 150);
  });
  DarkenBottom(canvas.cr(), W, H, 0.65, 0.55);
  return FinishBackground(canvas, 0.72, 0.8);
}

Picture PaintEarthBackground() {
  // Home seen from orbit: oceans, continents and cloud bands lit from the top left, the night side with its
  // city lights, and the thin blue atmosphere round the rim.
  Canvas canvas(W, H);
  const double cx = W * 0.6, cy = H * 0.12, radius = 330;
  const double lx = -0.62, ly = -0.52, lz = 0.59;  // the sun, top left and in front
  PaintShaded(canvas, 2, [&](double x, double y) {
    double dx = (x - cx) / radius, dy = (y - cy) / radius, d2 = dx * dx + dy * dy;
    double d = std::sqrt(d2);
    Rgb space = Mix(Hex(0x03050C), Hex(0x010204), y / H);
    // The atmosphere's glow, strongest on the lit side.
    double rimLight = Clamp01((-dx * 0.7 - dy * 0.6) / (d + 1e-6) * 0.6 + 0.45);
    double halo = std::exp(-std::fabs(d - 1.0) * radius / 9.0) * rimLight;
    if (d >= 1.0) return Plus(space, Times(Hex(0x4A8AFF), halo * 0.75));
    double dz = std::sqrt(1 - d2);
    double lambert = dx * lx + dy * ly + dz * lz;
    double lit = SmoothStep(-0.12, 0.35, lambert);
    // Surface coordinates bend towards the rim, as on a globe.
    double su = std::asin(std::clamp(dx, -1.0, 1.0)) * 2.2, sv = std::asin(std::clamp(dy, -1.0, 1.0)) * 2.2;
    double land = FractalNoise(su + 4, sv + 1, 61, 6);
    double clouds = FractalNoise(su * 1.8 + 7, sv * 3.2, 62, 5);
    Rgb ocean = Mix(Hex(0x06204A), Hex(0x0C3A78), dz);
    Rgb ground = Mix(Hex(0x2A5020), Hex(0x8A7448), SmoothStep(0.6, 0.75, land));
    Rgb surface = land > 0.56 ? Mix(ocean, ground, SmoothStep(0.56, 0.58, land)) : ocean;
    double cloudCover = SmoothStep(0.52, 0.72, clouds);
    surface = Mix(surface, Hex(0xE8EEF8), cloudCover * 0.85);
    // Sun glint on the ocean.
    double glint = std::pow(Clamp01(lambert), 24) * (land > 0.56 ? 0 : 1) * (1 - cloudCover);
    Rgb day = Plus(Times(surface, 0.15 + 0.85 * lit), Times(Hex(0xFFF0D0), glint * 0.5));
    // City lights on the night side's land.
    double city = 0;
    if (land > 0.6 && lit < 0.3) city = SmoothStep(0.7, 0.9, FractalNoise(su * 14, sv * 14, 63, 2)) * (1 - lit * 3);
    Rgb colour = Plus(Times(day, 0.8), Times(Hex(0xFFB050), city * 0.35 * (1 - cloudCover)));
    // The atmosphere thickens towards the limb.
    colour = Mix(colour, Hex(0x5A8AE0), std::pow(1 - dz, 3) * 0.6 * (0.2 + lit));
    return colour;
  });
  PaintStars(canvas.cr(), W, H, 307, 0.9, 0.62, 0.92, {0.85, 0.9, 1.0}, [&](double x, double y) {
    return std::hypot(x - cx, y - cy) > radius + 12 ? 1.0 : 0.0;
  });
  // The Moon, small and far, lit from the same side.
  cairo_t* cr = canvas.cr();
  PaintSphere(cr, W * 0.16, H * 0.5, 16, Hex(0x8A8C94), false);
  DarkenBottom(cr, W, H, 0.66, 0.55);
  return FinishBackground(canvas, 0.76, 0.7);
}

Picture PaintBonusBackground() {
  // A celebration: slow purple and plum rays turning round a warm golden heart, dusted with golden sparkles.
  Canvas canvas(W, H);
  const double cx = W * 0.5, cy = H * 0.38;
  PaintShaded(canvas, 2, [&](double x, double y) {
    double dx = x - cx, dy = y - cy, r = std::hypot(dx, dy), a = std::atan2(dy, dx);
    double rays = 0.5 + 0.5 * std::cos(a * 14 + r / 170);
    rays = SmoothStep(0.35, 0.65, rays);
    Rgb colour = Mix(Hex(0x1A0A2C), Hex(0x3E1450), rays);
    double heart = std::exp(-(r / 170) * (r / 170));
    colour = Plus(colour, Times(Hex(0xB07A20), heart * 0.55));
    double shimmer = FractalNoise(x / 90, y / 90, 71, 4);
    colour = Times(colour, 0.8 + 0.4 * shimmer);
    return Times(colour, 1 - 0.55 * SmoothStep(0.5, 1.0, y / H));
  });
  PaintStars(canvas.cr(), W, H, 308, 0.6, 0.6, 0.9, Hex(0xFFD890));
  Vignette(canvas.cr(), W, H, 0.5);
  DarkenBottom(canvas.cr(), W, H, 0.68, 0.5);
  return FinishBackground(canvas, 0.74, 0.75);
}
