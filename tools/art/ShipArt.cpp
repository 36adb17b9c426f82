// The ship seen from behind and above, banked by rolling a small polygon model; its shield rings and laser shot.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

struct Vec3 {
  double x, y, z;  // pixels: x right, y towards the tail (down the screen), z up out of the hull
};

struct Facet {
  std::vector<Vec3> points;
  Rgb colour;
  bool cylinder;  // shaded across like a round pod rather than as a flat plate
};

std::vector<Facet> ShipModel() {
  const Rgb hull = Hex(0xD4DEF2), steel = Hex(0x5C6C8C), accent = Hex(0x2EC8F0), dark = Hex(0x384258);
  std::vector<Facet> model;
  for (double s : {-1.0, 1.0}) {
    auto m = [s](double x, double y, double z) { return Vec3{x * s, y, z}; };
    model.push_back({{m(6, -6, 1), m(37, 15, -1), m(37, 23, -1), m(24, 25, 0), m(8, 21, 1)}, hull, false});
    model.push_back({{m(13, 3, 1.6), m(33, 16, -0.6), m(33, 19.5, -0.6), m(13, 8, 1.6)}, accent, false});
    model.push_back({{m(10, -7, 2.5), m(14, -11, 3.5), m(18, -7, 2.5), m(18, 29, 2.5), m(14, 32, 3.5),
                      m(10, 29, 2.5)},
                     steel, true});
    model.push_back({{m(0, -39, 6), m(8.5, -10, 3.5), m(8, 25, 3.5), m(0, 30, 9)}, hull, false});
    model.push_back({{m(9, 13, 4), m(9, 27, 4), m(9, 28, 13), m(9, 21, 13)}, dark, false});
  }
  return model;
}

struct Projected {
  std::vector<double> xs, ys;
  double depth;
  double light;
  const Facet* facet;
};

void DrawFacet(cairo_t* cr, const Projected& p) {
  const Facet& f = *p.facet;
  cairo_move_to(cr, p.xs[0], p.ys[0]);
  for (size_t i = 1; i < p.xs.size(); ++i) cairo_line_to(cr, p.xs[i], p.ys[i]);
  cairo_close_path(cr);
  double minX = *std::min_element(p.xs.begin(), p.xs.end()), maxX = *std::max_element(p.xs.begin(), p.xs.end());
  double minY = *std::min_element(p.ys.begin(), p.ys.end()), maxY = *std::max_element(p.ys.begin(), p.ys.end());
  Rgb lit = Mix(Darker(f.colour, 0.55), Lighter(f.colour, 0.25), std::clamp(p.light, 0.0, 1.0));
  cairo_pattern_t* pattern;
  if (f.cylinder) {
    pattern = cairo_pattern_create_linear(minX, 0, maxX, 0);
    AddStop(pattern, 0.0, Darker(lit, 0.3));
    AddStop(pattern, 0.35, Lighter(lit, 0.35));
    AddStop(pattern, 1.0, Darker(lit, 0.55));
  } else {
    pattern = cairo_pattern_create_linear(0, minY, 0, maxY);
    AddStop(pattern, 0.0, Lighter(lit, 0.2));
    AddStop(pattern, 1.0, Darker(lit, 0.2));
  }
  cairo_set_source(cr, pattern);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(pattern);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 0.9);
  SetColour(cr, Hex(0x0C1220), 0.85);
  cairo_stroke(cr);
}

}  // namespace

Picture PaintShip(int tilt) {
  Canvas canvas(80, 80);
  cairo_t* cr = canvas.cr();
  const double beta = tilt * 10.0 * kPi / 180.0;  // roll: positive banks to the right
  const double cb = std::cos(beta), sb = std::sin(beta);
  const double scale = 0.95;
  auto project = [&](const Vec3& v, double& x, double& y, double& depth) {
    double xr = v.x * cb + v.z * sb;   // the top of the hull leans into the turn
    double zr = -v.x * sb + v.z * cb;  // and the inner wing dips
    x = 40 + scale * xr;
    y = 41 + scale * (v.y - 0.28 * zr);
    depth = zr;
  };
  // Light from the top left, above.
  const Vec3 light = {-0.45, -0.55, 0.7};
  const double lightLength = std::sqrt(light.x * light.x + light.y * light.y + light.z * light.z);

  std::vector<Facet> model = ShipModel();
  std::vector<Projected> facets;
  for (const Facet& f : model) {
    Projected p;
    p.facet = &f;
    double depthSum = 0;
    std::vector<Vec3> rotated;
    for (const Vec3& v : f.points) {
      double x, y, d;
      project(v, x, y, d);
      p.xs.push_back(x);
      p.ys.push_back(y);
      depthSum += d;
      rotated.push_back({v.x * cb + v.z * sb, v.y, -v.x * sb + v.z * cb});
    }
    p.depth = depthSum / f.points.size();
    Vec3 a = rotated[0], b = rotated[1], c = rotated[2];
    Vec3 u = {b.x - a.x, b.y - a.y, b.z - a.z}, w = {c.x - a.x, c.y - a.y, c.z - a.z};
    Vec3 n = {u.y * w.z - u.z * w.y, u.z * w.x - u.x * w.z, u.x * w.y - u.y * w.x};
    double nl = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (nl < 1e-9) nl = 1;
    if (n.z < 0) n = {-n.x, -n.y, -n.z};
    double facing = (n.x * light.x + n.y * light.y + n.z * light.z) / (nl * lightLength);
    p.light = 0.25 + 0.85 * std::max(0.0, facing);
    facets.push_back(std::move(p));
  }
  std::stable_sort(facets.begin(), facets.end(),
                   [](const Projected& a, const Projected& b) { return a.depth < b.depth; });

  // Engine glow first, under the hull.
  for (double s : {-1.0, 0.0, 1.0}) {
    double x, y, d;
    project({s * 14, s == 0 ? 31.0 : 33.0, 3}, x, y, d);
    PaintGlow(cr, x, y + 2, s == 0 ? 7 : 8, Hex(0x58B8FF), 0.9);
  }
  for (const Projected& p : facets) DrawFacet(cr, p);

  // Canopy: a glassy drop on the spine.
  {
    double x, y, d;
    project({0, -8, 11}, x, y, d);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 4.6 * std::max(0.55, cb) * scale, 9.5 * scale);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_pattern_t* glass = cairo_pattern_create_radial(x - 1.5, y - 4, 0.5, x, y, 10);
    AddStop(glass, 0, Hex(0xE8FCFF));
    AddStop(glass, 0.3, Hex(0x5AD6F8));
    AddStop(glass, 1, Hex(0x0E3A64));
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    cairo_set_line_width(cr, 0.9);
    SetColour(cr, Hex(0x0C1220));
    cairo_stroke(cr);
  }
  // Bright exhaust cores and the wingtip lights (red left, green right).
  for (double s : {-1.0, 0.0, 1.0}) {
    double x, y, d;
    project({s * 14, s == 0 ? 30.5 : 32.5, 3}, x, y, d);
    PaintGlow(cr, x, y + 1, 3.5, Hex(0xE8F8FF), 1.0);
  }
  for (double s : {-1.0, 1.0}) {
    double x, y, d;
    project({s * 36, 19, -1}, x, y, d);
    PaintGlow(cr, x, y, 3.2, s < 0 ? Hex(0xFF3030) : Hex(0x30FF60), 1.0);
  }
  return canvas.Take();
}

int ShieldWidth(int index) { return 2 * std::min(40 + 5 * std::clamp(index, 0, 10), 65); }

Picture PaintShield(int index) {
  const int w = ShieldWidth(index), h = 140;
  Canvas canvas(w, h);
  cairo_t* cr = canvas.cr();
  const double cx = w / 2.0, cy = 98, rx = w / 2.0 - 2.5, ry = 42;
  // While enlarged the ring cycles six pictures: a bright pulse runs round it.
  const double strength = index == 0 ? 0.55 : 0.7 + 0.06 * std::min(index, 5);
  const double pulse = index >= 5 ? (index - 5) / 6.0 * 2 * kPi : -10;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* bubble = cairo_pattern_create_radial(cx, cy, 0, cx, cy, rx);
  cairo_pattern_add_color_stop_rgba(bubble, 0.0, 0.2, 0.8, 1.0, 0.0);
  cairo_pattern_add_color_stop_rgba(bubble, 0.8, 0.2, 0.8, 1.0, 0.05 * strength);
  cairo_pattern_add_color_stop_rgba(bubble, 1.0, 0.3, 0.9, 1.0, 0.18 * strength);
  cairo_set_source(cr, bubble);
  cairo_fill(cr);
  cairo_pattern_destroy(bubble);
  // The ring as short segments, brighter at the front (bottom) and at the two ends that meet the walls.
  const int steps = 96;
  for (int pass = 0; pass < 3; ++pass) {
    double width = pass == 0 ? 6 : pass == 1 ? 3 : 1.2;
    for (int i = 0; i < steps; ++i) {
      double a0 = i * 2 * kPi / steps, a1 = (i + 1) * 2 * kPi / steps, a = (a0 + a1) / 2;
      double front = 0.55 + 0.45 * std::sin(a);
      double ends = std::pow(std::fabs(std::cos(a)), 6);
      double d = std::remainder(a - pulse, 2 * kPi);
      double runner = std::exp(-d * d * 6);
      double v = std::clamp(strength * (front * 0.7 + ends * 0.6 + runner * 0.8), 0.0, 1.0);
      Rgb colour = pass == 2 ? Mix(Hex(0x9FF4FF), Hex(0xFFFFFF), v) : Hex(0x2ED8F8);
      double alpha = pass == 0 ? 0.18 * v : pass == 1 ? 0.45 * v : 0.95 * v;
      cairo_move_to(cr, cx + rx * std::cos(a0), cy + ry * std::sin(a0));
      cairo_line_to(cr, cx + rx * std::cos(a1), cy + ry * std::sin(a1));
      cairo_set_line_width(cr, width);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      SetColour(cr, colour, alpha);
      cairo_stroke(cr);
    }
  }
  // Emitter nodes where the ring meets the walls.
  for (double s : {-1.0, 1.0}) {
    PaintGlow(cr, cx + s * (rx - 0.5), cy, 5, Hex(0x9FF4FF), 0.9);
    PaintSphere(cr, cx + s * (rx - 0.5), cy, 2.0, Hex(0xCFF8FF), false);
  }
  return canvas.Take();
}

Picture PaintShipLaserShot() {
  Canvas canvas(8, 32);
  cairo_t* cr = canvas.cr();
  cairo_pattern_t* glow = cairo_pattern_create_linear(0, 0, 8, 0);
  cairo_pattern_add_color_stop_rgba(glow, 0.0, 0.2, 0.9, 1.0, 0.0);
  cairo_pattern_add_color_stop_rgba(glow, 0.5, 0.3, 0.95, 1.0, 0.6);
  cairo_pattern_add_color_stop_rgba(glow, 1.0, 0.2, 0.9, 1.0, 0.0);
  RoundedRect(cr, 0, 0, 8, 32, 4);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  RoundedRect(cr, 2.5, 1, 3, 30, 1.5);
  cairo_pattern_t* core = cairo_pattern_create_linear(0, 0, 0, 32);
  AddStop(core, 0, Hex(0xFFFFFF));
  AddStop(core, 0.7, Hex(0xC8F8FF));
  cairo_pattern_add_color_stop_rgba(core, 1, 0.5, 0.9, 1, 0.3);
  cairo_set_source(cr, core);
  cairo_fill(cr);
  cairo_pattern_destroy(core);
  return canvas.Take();
}
