// Painting helpers for the level backgrounds: shaded fields, stars, ridges, tree silhouettes and toning.
#include "themes/Backdrop.h"

#include <algorithm>
#include <cmath>
#include <vector>

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double SmoothStep(double edge0, double edge1, double v) {
  double t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

double RidgedNoise(double x, double y, uint32_t seed, int octaves) {
  double sum = 0, amplitude = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i) {
    double n = 1.0 - std::fabs(ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 131u) * 2.0 - 1.0);
    sum += n * n * amplitude;
    total += amplitude;
    x *= 2.01;
    y *= 2.01;
    amplitude *= 0.5;
  }
  return sum / total;
}

namespace {

uint32_t Mix32(uint32_t h) {
  h ^= h >> 16;
  h *= 0x7feb352dU;
  h ^= h >> 15;
  h *= 0x846ca68bU;
  h ^= h >> 16;
  return h;
}

double Corner(int x, int y, uint32_t seed) {
  return (Mix32(static_cast<uint32_t>(x) * 0x9E3779B1u ^ Mix32(static_cast<uint32_t>(y) + seed * 0x85EBCA77u)) &
          0xFFFFFF) /
         double(0xFFFFFF);
}

double TilingOctave(double x, double y, int px, int py, uint32_t seed) {
  double fx = std::floor(x), fy = std::floor(y);
  auto wrap = [](int v, int p) { return ((v % p) + p) % p; };
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  double a = Corner(wrap(ix, px), wrap(iy, py), seed), b = Corner(wrap(ix + 1, px), wrap(iy, py), seed);
  double c = Corner(wrap(ix, px), wrap(iy + 1, py), seed), d = Corner(wrap(ix + 1, px), wrap(iy + 1, py), seed);
  double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

}  // namespace

double TilingNoise(double x, double y, int periodX, int periodY, uint32_t seed, int octaves) {
  double sum = 0, amplitude = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += TilingOctave(x, y, periodX, periodY, seed + static_cast<uint32_t>(i) * 977u) * amplitude;
    total += amplitude;
    // Doubling keeps every octave a whole number of cells per period, so the sum still tiles.
    x *= 2;
    y *= 2;
    periodX *= 2;
    periodY *= 2;
    amplitude *= 0.5;
  }
  return sum / total;
}

void PaintShaded(Canvas& canvas, int step, const std::function<Rgb(double x, double y)>& shade) {
  const int w = canvas.width(), h = canvas.height();
  const int gw = w / step + 2, gh = h / step + 2;
  std::vector<Rgb> grid(static_cast<size_t>(gw) * gh);
  for (int gy = 0; gy < gh; ++gy)
    for (int gx = 0; gx < gw; ++gx) grid[static_cast<size_t>(gy) * gw + gx] = shade(gx * step, gy * step);
  cairo_surface_t* surface = cairo_get_target(canvas.cr());
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < h; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    const int gy = y / step;
    const double ty = (y - gy * step) / double(step);
    for (int x = 0; x < w; ++x) {
      const int gx = x / step;
      const double tx = (x - gx * step) / double(step);
      const Rgb& a = grid[static_cast<size_t>(gy) * gw + gx];
      const Rgb& b = grid[static_cast<size_t>(gy) * gw + gx + 1];
      const Rgb& c = grid[static_cast<size_t>(gy + 1) * gw + gx];
      const Rgb& d = grid[static_cast<size_t>(gy + 1) * gw + gx + 1];
      const double dither = ((Mix32(static_cast<uint32_t>(y * 7919 + x)) & 255) / 255.0 - 0.5) / 255.0;
      auto channel = [&](double Rgb::*field) {
        double top = a.*field + (b.*field - a.*field) * tx, bottom = c.*field + (d.*field - c.*field) * tx;
        return static_cast<uint32_t>(Clamp01(top + (bottom - top) * ty + dither) * 255.0 + 0.5);
      };
      row[x] = 0xFF000000u | (channel(&Rgb::r) << 16) | (channel(&Rgb::g) << 8) | channel(&Rgb::b);
    }
  }
  cairo_surface_mark_dirty(surface);
}

namespace {

// A star's light as a radial falloff, optionally stretched into a spike.
void StarGlow(cairo_t* cr, double x, double y, double radius, double stretchX, double stretchY, Rgb colour,
              double alpha) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, stretchX, stretchY);
  cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, radius);
  AddStop(glow, 0.0, colour, alpha);
  AddStop(glow, 0.25, colour, alpha * 0.45);
  AddStop(glow, 1.0, colour, 0.0);
  cairo_set_source(cr, glow);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_arc(cr, 0, 0, radius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_restore(cr);
}

}  // namespace

void PaintStars(cairo_t* cr, int width, int height, uint32_t seed, double density, double fadeFrom, double fadeTo,
                Rgb tint, const std::function<double(double x, double y)>& accept) {
  Dice dice(seed);
  auto fade = [&](double y) { return 1.0 - SmoothStep(fadeFrom * height, fadeTo * height, y); };
  // Colours of stars: mostly white, some blue, some warm.
  auto colourOf = [&](double pick) {
    if (pick < 0.2) return Mix(tint, Hex(0xFFD8A8), 0.6);
    if (pick < 0.45) return Mix(tint, Hex(0xA8C8FF), 0.6);
    return tint;
  };
  struct Depth {
    double count, minAlpha, maxAlpha;
  };
  const Depth depths[3] = {{1300, 0.12, 0.45}, {160, 0.4, 0.75}, {14, 0.7, 0.95}};
  for (int depth = 0; depth < 3; ++depth) {
    int count = static_cast<int>(depths[depth].count * density);
    for (int i = 0; i < count; ++i) {
      double x = dice.Range(0, width), y = dice.Range(0, height);
      double alpha = dice.Range(depths[depth].minAlpha, depths[depth].maxAlpha);
      Rgb colour = colourOf(dice.Unit());
      double keep = dice.Unit();
      double f = fade(y);
      if (accept && keep > accept(x, y)) continue;
      if (f <= 0.01) continue;
      alpha *= f;
      if (depth == 0) {
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        SetColour(cr, colour, alpha);
        cairo_rectangle(cr, std::floor(x), std::floor(y), 1, 1);
        cairo_fill(cr);
        cairo_restore(cr);
      } else if (depth == 1) {
        StarGlow(cr, x, y, 2.6, 1, 1, colour, alpha);
      } else {
        StarGlow(cr, x, y, 5.0, 1, 1, colour, alpha);
        StarGlow(cr, x, y, 14.0, 1.0, 0.08, colour, alpha * 0.7);
        StarGlow(cr, x, y, 14.0, 0.08, 1.0, colour, alpha * 0.7);
        StarGlow(cr, x, y, 1.6, 1, 1, {1, 1, 1}, alpha);
      }
    }
  }
}

double Ridge::TopAt(double x) const {
  double u = x / wavelength;
  double n;
  if (sharp) {
    double sum = 0, amp = 0.5, total = 0, f = 1;
    for (int i = 0; i < octaves; ++i) {
      double v = 1.0 - std::fabs(ValueNoise(u * f, 3.7 + i, seed + i * 71u) * 2 - 1);
      sum += v * amp;
      total += amp;
      amp *= 0.5;
      f *= 2.1;
    }
    n = sum / total;
  } else {
    n = FractalNoise(u, 5.3, seed, octaves);
  }
  return baseY - amplitude * n;
}

void PaintRidge(cairo_t* cr, int width, int height, const Ridge& ridge, Rgb top, Rgb bottom, Rgb rim,
                double rimAlpha) {
  cairo_save(cr);
  double highest = height;
  cairo_move_to(cr, -2, height + 2);
  for (int x = -2; x <= width + 2; x += 2) {
    double y = ridge.TopAt(x);
    highest = std::min(highest, y);
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, width + 2, height + 2);
  cairo_close_path(cr);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, highest, 0, height);
  AddStop(fill, 0, top);
  AddStop(fill, 1, bottom);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  if (rimAlpha > 0) {
    cairo_new_path(cr);
    for (int x = -2; x <= width + 2; x += 2) cairo_line_to(cr, x, ridge.TopAt(x) + 0.8);
    cairo_set_line_width(cr, 1.4);
    SetColour(cr, rim, rimAlpha);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

namespace {

// A jagged line from a to b: each pass splits every segment and pushes its middle sideways.
std::vector<std::pair<double, double>> Jagged(double ax, double ay, double bx, double by, double jag, int passes,
                                              Dice& dice) {
  std::vector<std::pair<double, double>> points{{ax, ay}, {bx, by}};
  for (int pass = 0; pass < passes; ++pass, jag *= 0.55) {
    std::vector<std::pair<double, double>> next;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
      next.push_back(points[i]);
      double dx = points[i + 1].first - points[i].first, dy = points[i + 1].second - points[i].second;
      double len = std::hypot(dx, dy) + 1e-9, push = dice.Range(-jag, jag);
      next.push_back({(points[i].first + points[i + 1].first) / 2 - dy / len * push,
                      (points[i].second + points[i + 1].second) / 2 + dx / len * push});
    }
    next.push_back(points.back());
    points = next;
  }
  return points;
}

void AddPoints(cairo_t* cr, const std::vector<std::pair<double, double>>& points, bool reverse) {
  if (reverse)
    for (auto it = points.rbegin(); it != points.rend(); ++it) cairo_line_to(cr, it->first, it->second);
  else
    for (auto [x, y] : points) cairo_line_to(cr, x, y);
}

}  // namespace

void PaintPeak(cairo_t* cr, const Peak& peak, Rgb lit, Rgb shade, Rgb snowLit, Rgb snowShade, Dice& dice) {
  const double height = peak.baseY - peak.topY;
  auto left = Jagged(peak.x, peak.topY, peak.x - peak.halfWidth, peak.baseY + 2, height * 0.08, 5, dice);
  auto right = Jagged(peak.x, peak.topY, peak.x + peak.halfWidth, peak.baseY + 2, height * 0.08, 5, dice);
  auto crest = Jagged(peak.x, peak.topY, peak.x + dice.Range(-0.2, 0.25) * peak.halfWidth, peak.baseY + 2,
                      height * 0.1, 5, dice);
  const double snowLine = peak.topY + height * dice.Range(0.3, 0.5);
  auto snowEdge = Jagged(peak.x - peak.halfWidth, snowLine, peak.x + peak.halfWidth, snowLine, height * 0.12, 6, dice);
  cairo_save(cr);
  for (int side = 0; side < 2; ++side) {
    cairo_new_path(cr);
    cairo_move_to(cr, peak.x, peak.topY);
    AddPoints(cr, side == 0 ? left : right, false);
    AddPoints(cr, crest, true);
    cairo_close_path(cr);
    SetColour(cr, side == 0 ? lit : shade);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Snow above the jagged snow line.
    cairo_pattern_t* snow = cairo_pattern_create_linear(0, peak.topY, 0, snowLine + height * 0.3);
    AddStop(snow, 0, side == 0 ? snowLit : snowShade);
    AddStop(snow, 1, Mix(side == 0 ? snowLit : snowShade, side == 0 ? lit : shade, 0.5));
    cairo_set_source(cr, snow);
    cairo_new_path(cr);
    cairo_move_to(cr, peak.x - peak.halfWidth, peak.topY - 5);
    cairo_line_to(cr, peak.x + peak.halfWidth, peak.topY - 5);
    AddPoints(cr, snowEdge, true);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(snow);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

void PaintPine(cairo_t* cr, double x, double baseY, double height, Rgb colour, Dice& dice) {
  const int tiers = 7 + static_cast<int>(dice.Unit() * 4);
  const double halfWidth = height * dice.Range(0.17, 0.23);
  const double top = baseY - height;
  cairo_save(cr);
  SetColour(cr, colour);
  cairo_rectangle(cr, x - height * 0.02, baseY - height * 0.12, height * 0.04, height * 0.12 + 2);
  cairo_fill(cr);
  // Right side down, then the left side back up, each tier a drooping branch tip and a notch.
  std::vector<std::pair<double, double>> right, left;
  for (int k = 1; k <= tiers; ++k) {
    double t = k / double(tiers);
    double y = top + (height * 0.9) * t;
    double reach = halfWidth * (0.15 + 0.85 * t) * dice.Range(0.85, 1.15);
    right.push_back({x + reach, y + dice.Range(0, 3)});
    right.push_back({x + reach * 0.35, y - height * 0.02});
    double reachL = halfWidth * (0.15 + 0.85 * t) * dice.Range(0.85, 1.15);
    left.push_back({x - reachL, y + dice.Range(0, 3)});
    left.push_back({x - reachL * 0.35, y - height * 0.02});
  }
  cairo_move_to(cr, x, top);
  for (auto [px, py] : right) cairo_line_to(cr, px, py);
  cairo_line_to(cr, x, baseY - height * 0.1);
  for (auto it = left.rbegin(); it != left.rend(); ++it) cairo_line_to(cr, it->first, it->second);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

namespace {

void Branch(cairo_t* cr, double x, double y, double angle, double length, double width, int depth, Dice& dice,
            std::vector<std::pair<double, double>>* tips) {
  double ex = x + std::cos(angle) * length, ey = y - std::sin(angle) * length;
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x, y);
  // A slight bend makes branches look grown rather than ruled.
  double bend = dice.Range(-0.25, 0.25) * length;
  cairo_curve_to(cr, x + (ex - x) * 0.4 + bend * 0.3, y + (ey - y) * 0.4, ex - bend * 0.2, ey + (y - ey) * 0.1, ex,
                 ey);
  cairo_stroke(cr);
  if (depth == 0) {
    if (tips) tips->push_back({ex, ey});
    return;
  }
  int forks = dice.Unit() < 0.3 ? 3 : 2;
  for (int i = 0; i < forks; ++i) {
    double spread = forks == 2 ? (i == 0 ? -1 : 1) : (i - 1);
    double a = angle + spread * dice.Range(0.3, 0.6);
    Branch(cr, ex, ey, a, length * dice.Range(0.62, 0.78), width * 0.66, depth - 1, dice, tips);
  }
}

}  // namespace

void PaintLeafyTree(cairo_t* cr, double x, double baseY, double height, Rgb colour, Dice& dice, double leafAlpha) {
  cairo_save(cr);
  SetColour(cr, colour);
  // Trunk: wider at the root, flaring into the ground.
  double w = height * 0.05;
  double forkY = baseY - height * 0.4;
  cairo_move_to(cr, x - w * 1.8, baseY + 2);
  cairo_curve_to(cr, x - w, baseY - height * 0.05, x - w * 0.8, forkY + height * 0.1, x - w * 0.6, forkY);
  cairo_line_to(cr, x + w * 0.6, forkY);
  cairo_curve_to(cr, x + w * 0.8, forkY + height * 0.1, x + w, baseY - height * 0.05, x + w * 1.8, baseY + 2);
  cairo_close_path(cr);
  cairo_fill(cr);
  std::vector<std::pair<double, double>> tips;
  Branch(cr, x, forkY + 2, kPi / 2 + dice.Range(-0.3, 0.3), height * 0.22, w * 1.2, 3, dice, &tips);
  Branch(cr, x, forkY + 2, kPi / 2 + dice.Range(0.4, 0.8), height * 0.2, w, 3, dice, &tips);
  Branch(cr, x, forkY + 2, kPi / 2 - dice.Range(0.4, 0.8), height * 0.2, w, 3, dice, &tips);
  // Clumps of leaves round the branch tips.
  SetColour(cr, colour, leafAlpha);
  for (auto [tx, ty] : tips)
    for (int k = 0; k < 3; ++k) {
      double r = height * dice.Range(0.05, 0.09);
      cairo_new_sub_path(cr);
      cairo_arc(cr, tx + dice.Range(-r, r), ty + dice.Range(-r, r * 0.5), r, 0, 2 * kPi);
    }
  cairo_fill(cr);
  cairo_restore(cr);
}

void PaintDeadTree(cairo_t* cr, double x, double baseY, double height, Rgb colour, Dice& dice) {
  cairo_save(cr);
  SetColour(cr, colour);
  double w = height * 0.045;
  cairo_move_to(cr, x - w * 2, baseY + 2);
  cairo_line_to(cr, x - w * 0.5, baseY - height * 0.35);
  cairo_line_to(cr, x + w * 0.5, baseY - height * 0.35);
  cairo_line_to(cr, x + w * 2, baseY + 2);
  cairo_close_path(cr);
  cairo_fill(cr);
  Branch(cr, x, baseY - height * 0.34, kPi / 2 + dice.Range(-0.2, 0.2), height * 0.3, w, 4, dice, nullptr);
  cairo_restore(cr);
}

void AddGlow(cairo_t* cr, double cx, double cy, double radius, Rgb colour, double intensity) {
  PaintGlow(cr, cx, cy, radius, colour, intensity);
}

void DarkenBottom(cairo_t* cr, int width, int height, double from, double strength) {
  cairo_save(cr);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, from * height, 0, height);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(shade, 0.6, 0, 0, 0, strength * 0.7);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, strength);
  cairo_set_source(cr, shade);
  cairo_rectangle(cr, 0, from * height, width, height);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
  cairo_restore(cr);
}

void Vignette(cairo_t* cr, int width, int height, double strength) {
  cairo_save(cr);
  double r = std::hypot(width, height) / 2;
  cairo_pattern_t* shade = cairo_pattern_create_radial(width / 2.0, height * 0.45, r * 0.55, width / 2.0,
                                                       height * 0.45, r * 1.05);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, strength);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
  cairo_restore(cr);
}

void ToneDown(Picture& picture, double maxValue, double maxSaturation) {
  const double knee = maxValue * 0.8, room = maxValue - knee;
  for (size_t i = 0; i < picture.rgba.size(); i += 4) {
    double c[3] = {picture.rgba[i] / 255.0, picture.rgba[i + 1] / 255.0, picture.rgba[i + 2] / 255.0};
    double v = std::max({c[0], c[1], c[2]}), m = std::min({c[0], c[1], c[2]});
    if (v <= 0) continue;
    double s = (v - m) / v;
    if (s > maxSaturation)
      for (double& ch : c) ch = v - (v - ch) * maxSaturation / s;
    if (v > knee) {
      // A soft shoulder rather than a clip keeps highlights round.
      double nv = knee + room * (1 - std::exp(-(v - knee) / room));
      for (double& ch : c) ch *= nv / v;
    }
    for (int k = 0; k < 3; ++k) picture.rgba[i + k] = static_cast<uint8_t>(Clamp01(c[k]) * 255.0 + 0.5);
    picture.rgba[i + 3] = 255;
  }
}

Picture FinishBackground(Canvas& canvas, double maxValue, double maxSaturation) {
  Picture picture = canvas.Take();
  ToneDown(picture, maxValue, maxSaturation);
  return picture;
}
