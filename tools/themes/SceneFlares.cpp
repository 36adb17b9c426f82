// The additive pictures of the level scenes: flares, glows, streaks, clouds, water light, psyche, lightning.
#include <algorithm>
#include <cmath>
#include <vector>

#include "themes/Backdrop.h"
#include "themes/ScenePictures.h"

namespace {

uint8_t Byte(double v) { return static_cast<uint8_t>(Clamp01(v) * 255.0 + 0.5); }

// Colour on opaque black: the game adds these onto the screen, so black adds nothing. `shade` gets the
// offset from the centre in units of the half width and half height (-1..1).
template <typename Shade>
Picture Additive(int width, int height, Shade shade) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Rgb c = shade((x + 0.5) / width * 2 - 1, (y + 0.5) / height * 2 - 1);
      uint8_t* p = picture.At(x, y);
      p[0] = Byte(c.r);
      p[1] = Byte(c.g);
      p[2] = Byte(c.b);
      p[3] = 255;
    }
  return picture;
}

// Fades to nothing before the border so the quad's edge never shows.
double EdgeFade(double u, double v) { return SmoothStep(1.0, 0.8, std::max(std::fabs(u), std::fabs(v))); }

// A glow of `colour` whose centre burns white.
Rgb HotGlow(Rgb colour, double intensity) {
  return Plus(Times(colour, intensity), Times({1, 1, 1}, std::pow(Clamp01(intensity), 3) * 0.8));
}

// Colours of the rainbow from red (0) to violet (1).
Rgb Spectrum(double t) {
  t = Clamp01(t);
  const Rgb stops[] = {Hex(0xFF2020), Hex(0xFF9020), Hex(0xFFF040), Hex(0x40FF60), Hex(0x30A0FF), Hex(0x8040FF)};
  double s = t * 5;
  int i = std::min(4, static_cast<int>(s));
  return Mix(stops[i], stops[i + 1], s - i);
}

}  // namespace

Picture PaintRedStar() {
  return Additive(128, 128, [](double u, double v) {
    double r = std::hypot(u, v), a = std::atan2(v, u);
    double glow = std::exp(-r * 5) * 0.9 + std::exp(-r * 2.2) * 0.25;
    // Six rays, the two horizontal ones longest.
    double rays = 0;
    for (int k = 0; k < 6; ++k) {
      double angle = k * kPi / 3;
      double off = std::fabs(std::sin(a - angle)) * r;
      if (std::cos(a - angle) <= 0) continue;
      double reach = (k % 3 == 0) ? 1.0 : 0.7;
      rays += std::exp(-(off / 0.018) * (off / 0.018)) * std::pow(Clamp01(1 - r / reach), 2);
    }
    return Times(HotGlow(Hex(0xFF2A1A), Clamp01(glow + rays * 0.8)), EdgeFade(u, v));
  });
}

Picture PaintStreaks(bool three) {
  const int height = three ? 64 : 32;
  return Additive(512, height, [three](double u, double v) {
    auto streak = [](double u, double dv, double thickness, double length) {
      double along = std::pow(Clamp01(1 - std::fabs(u) / length), 2.2);
      return std::exp(-(dv / thickness) * (dv / thickness)) * along;
    };
    if (!three) {
      double s = streak(u, v, 0.22, 1.0);
      return Times(HotGlow(Hex(0x7A80FF), s), EdgeFade(u * 0.95, v * 0.9));
    }
    double s = streak(u, v, 0.09, 1.0) + 0.4 * streak(u, v - 0.5, 0.06, 0.7) + 0.4 * streak(u, v + 0.5, 0.06, 0.7);
    return Times(HotGlow(Hex(0x40B0FF), s), EdgeFade(u * 0.95, v * 0.9));
  });
}

Picture PaintTwoBranches() {
  return Additive(64, 64, [](double u, double v) {
    double r = std::hypot(u, v);
    double core = std::exp(-r * 6);
    double branchH = std::exp(-(v / 0.07) * (v / 0.07)) * std::pow(Clamp01(1 - std::fabs(u)), 2);
    double branchV = std::exp(-(u / 0.07) * (u / 0.07)) * std::pow(Clamp01(1 - std::fabs(v)), 2);
    return Times(HotGlow(Hex(0xFF7A2A), Clamp01(core + 0.8 * (branchH + branchV))), EdgeFade(u, v));
  });
}

Picture PaintRainbowHalo() {
  return Additive(256, 256, [](double u, double v) {
    double r = std::hypot(u, v);
    double ring = std::exp(-std::pow((r - 0.62) / 0.14, 2));
    Rgb colour = Times(Spectrum((0.76 - r) / 0.28), ring * 0.72);
    colour = Plus(colour, Times(Hex(0xFFF0E0), std::exp(-r * 6) * 0.25));
    return Times(colour, EdgeFade(u, v));
  });
}

Picture PaintCentralGlow(uint32_t rgb, bool rings) {
  const int size = rings ? 256 : 128;
  const Rgb colour = Hex(rgb);
  return Additive(size, size, [&](double u, double v) {
    double r = std::hypot(u, v);
    double glow = std::exp(-r * 4.5) + std::exp(-r * 1.8) * 0.2;
    if (rings)
      for (int k = 0; k < 3; ++k)
        glow += (0.3 - 0.07 * k) * std::exp(-std::pow((r - 0.35 - 0.2 * k) / 0.035, 2));
    return Times(HotGlow(colour, Clamp01(glow)), EdgeFade(u, v));
  });
}

Picture PaintWaterLight() {
  // Caustics: the bright net that light makes through a rippled surface. Tiles so the scene can scroll it.
  return Additive(256, 256, [](double u, double v) {
    double x = (u + 1) * 128, y = (v + 1) * 128;
    double n1 = TilingNoise(x / 64, y / 64, 4, 4, 301, 3), n2 = TilingNoise(x / 32, y / 32, 8, 8, 302, 2);
    double lines = std::pow(1 - std::fabs(n1 * 2 - 1), 10) + 0.6 * std::pow(1 - std::fabs(n2 * 2 - 1), 12);
    return Times(Hex(0x70D8FF), Clamp01(lines) * 0.75);
  });
}

Picture PaintCloudPuff(uint32_t rgb, uint32_t seed) {
  const Rgb colour = Hex(rgb);
  return Additive(256, 256, [&](double u, double v) {
    double r = std::hypot(u, v * 1.15);
    double n = FractalNoise(u * 2.5 + 5, v * 2.5 + 5, seed, 6);
    double density = SmoothStep(0.3, 0.75, n + 0.55 * (1 - r) - 0.2) * SmoothStep(1.0, 0.55, r);
    // Brighter on the top-left, where the light falls.
    double lit = Clamp01(0.7 - (u + v) * 0.3 + (n - FractalNoise(u * 2.5 + 4.96, v * 2.5 + 4.96, seed, 6)) * 6);
    return Times(Mix(Times(colour, 0.45), colour, lit), density * 0.85);
  });
}

Picture PaintPsyche(int which) {
  return Additive(256, 256, [which](double u, double v) {
    double r = std::hypot(u, v), a = std::atan2(v, u);
    double fade = SmoothStep(0.98, 0.55, r);
    if (which == 1) {
      // A rainbow spiral of five arms.
      double hue = std::fmod(a / (2 * kPi) * 2 + r * 1.6 + 10, 1.0);
      double band = 0.5 + 0.5 * std::sin(r * 28 - a * 5);
      return Times(Spectrum(hue), band * fade * 0.8);
    }
    // Interference rings from three centres, in shifting colours.
    double w = std::sin(std::hypot(u - 0.3, v) * 30) + std::sin(std::hypot(u + 0.25, v - 0.25) * 26) +
               std::sin(std::hypot(u, v + 0.35) * 22);
    double band = SmoothStep(0.2, 1.6, w + 1);
    return Times(Spectrum(std::fmod(w * 0.15 + r + 2.0, 1.0)), band * fade * 0.75);
  });
}

Picture PaintLightning() {
  const int width = 128, height = 512;
  Canvas canvas(width, height);
  canvas.FillBlack();
  cairo_t* cr = canvas.cr();
  Dice dice(311);
  // Midpoint displacement: each pass splits every segment and pushes its middle sideways.
  auto bolt = [&](double x0, double y0, double x1, double y1, double jag, int passes) {
    std::vector<std::pair<double, double>> points{{x0, y0}, {x1, y1}};
    for (int pass = 0; pass < passes; ++pass, jag *= 0.55) {
      std::vector<std::pair<double, double>> next;
      for (size_t i = 0; i + 1 < points.size(); ++i) {
        next.push_back(points[i]);
        double mx = (points[i].first + points[i + 1].first) / 2 + dice.Range(-jag, jag);
        next.push_back({std::clamp(mx, 12.0, width - 12.0), (points[i].second + points[i + 1].second) / 2});
      }
      next.push_back(points.back());
      points = next;
    }
    return points;
  };
  auto stroke = [&](const std::vector<std::pair<double, double>>& points, double scale) {
    const double widths[4] = {16, 7, 3, 1.2};
    const double alphas[4] = {0.06, 0.18, 0.7, 1.0};
    const Rgb colours[4] = {Hex(0x6A7AFF), Hex(0x8AA0FF), Hex(0xC8D8FF), Hex(0xFFFFFF)};
    for (int k = 0; k < 4; ++k) {
      cairo_new_path(cr);
      for (auto [x, y] : points) cairo_line_to(cr, x, y);
      cairo_set_line_width(cr, widths[k] * scale);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      SetColour(cr, colours[k], alphas[k]);
      cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
      cairo_stroke(cr);
    }
  };
  auto main = bolt(64, 0, 60, height, 40, 7);
  stroke(main, 1.0);
  for (int branch = 0; branch < 4; ++branch) {
    auto start = main[(branch + 1) * main.size() / 6];
    double length = dice.Range(90, 160);
    double endX = start.first + dice.Range(-50, 50);
    stroke(bolt(start.first, start.second, endX, start.second + length, 18, 5), 0.55);
  }
  Picture picture = canvas.Take();
  for (size_t i = 0; i < picture.rgba.size(); i += 4) picture.rgba[i + 3] = 255;
  return picture;
}

Picture PaintLightBar() {
  return Additive(512, 16, [](double u, double v) {
    double across = std::exp(-(v / 0.35) * (v / 0.35));
    double along = SmoothStep(1.0, 0.7, std::fabs(u));
    return Times(HotGlow(Hex(0x40C8FF), across * along * 0.9), SmoothStep(1.0, 0.85, std::fabs(v)));
  });
}
