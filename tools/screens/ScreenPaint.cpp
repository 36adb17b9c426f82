// Painting helpers the screens' pictures share: spaced metallic lettering, keyed pictures, soft masks, stars.
#include "screens/ScreenPaint.h"

#include <algorithm>
#include <cmath>

namespace screens {

void LetteringPath(cairo_t* cr, const std::string& text, double cx, double baseline, const Lettering& look,
                   double* left, double* right) {
  cairo_save(cr);
  cairo_select_font_face(cr, look.family, CAIRO_FONT_SLANT_NORMAL,
                         look.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 100);
  cairo_text_extents_t h;
  cairo_text_extents(cr, "H", &h);
  const double size = 100 * look.capHeight / std::max(1.0, h.height);
  // Pen positions with the extra spacing, then the ink's extent from the first and the last glyph.
  std::vector<double> pen(text.size());
  double inkLeft = 0, inkRight = 0;
  auto layout = [&](double squeeze) {
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, size * squeeze, size);
    cairo_set_font_matrix(cr, &m);
    double x = 0;
    inkLeft = 1e9, inkRight = -1e9;
    for (size_t i = 0; i < text.size(); ++i) {
      const char glyph[2] = {text[i], 0};
      cairo_text_extents_t e;
      cairo_text_extents(cr, glyph, &e);
      pen[i] = x;
      if (text[i] != ' ') {
        inkLeft = std::min(inkLeft, x + e.x_bearing);
        inkRight = std::max(inkRight, x + e.x_bearing + e.width);
      }
      x += e.x_advance + look.tracking;
    }
  };
  double squeeze = look.squeeze;
  layout(squeeze);
  // The spacing does not narrow with the glyphs, so a second pass corrects the first one's estimate.
  for (int pass = 0; pass < 3 && look.fitWidth > 0 && inkRight - inkLeft > look.fitWidth; ++pass) {
    const double spacing = look.tracking * (text.size() - 1);
    squeeze *= std::max(0.1, (look.fitWidth - spacing) / std::max(1.0, inkRight - inkLeft - spacing));
    layout(squeeze);
  }
  if (inkLeft > inkRight) inkLeft = inkRight = 0;
  const double shift = cx - (inkLeft + inkRight) / 2;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    const char glyph[2] = {text[i], 0};
    cairo_move_to(cr, pen[i] + shift, baseline);
    cairo_text_path(cr, glyph);
  }
  if (left) *left = inkLeft + shift;
  if (right) *right = inkRight + shift;
  cairo_restore(cr);  // the path survives the restore
}

Metal Silver() { return {{Hex(0xFFFFFF), Hex(0xC8D2E0), Hex(0x7E8896), Hex(0xDDE4EE)}, Hex(0x0B0F1A)}; }
Metal Gold() { return {{Hex(0xFFF6C8), Hex(0xFFC23D), Hex(0xB0741A), Hex(0xFFD466)}, Hex(0x1E1004)}; }
Metal HotMetal() { return {{Hex(0xFFF0C0), Hex(0xFF9A3A), Hex(0xC02C14), Hex(0xFF7A3A)}, Hex(0x1E0604)}; }
Metal DullMetal() { return {{Hex(0x5E646E), Hex(0x4C515A), Hex(0x3A3E46), Hex(0x464B54)}, Hex(0x0C0E12), 0.15}; }

void FillMetal(cairo_t* cr, double capTop, double baseline, const Metal& metal, double outlineWidth,
               const std::vector<Rim>& rims) {
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // Rings from the widest in, so each narrower one sits on top of the one outside it.
  std::vector<Rim> sorted = rims;
  std::sort(sorted.begin(), sorted.end(), [](const Rim& a, const Rim& b) { return a.width > b.width; });
  for (const Rim& rim : sorted) {
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, rim.width);
    SetColour(cr, rim.colour, rim.alpha);
    cairo_stroke(cr);
  }
  if (outlineWidth > 0) {
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, outlineWidth * 2);
    SetColour(cr, metal.outline);
    cairo_stroke(cr);
  }
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, capTop, 0, baseline);
  AddStop(gradient, 0.0, metal.stops[0]);
  AddStop(gradient, 0.46, metal.stops[1]);
  AddStop(gradient, 0.54, metal.stops[2]);
  AddStop(gradient, 1.0, metal.stops[3]);
  cairo_append_path(cr, path);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
  // The light from the top left: a thin bright edge where the letters face up, a shade where they face down.
  const double thickness = std::max(1.0, (baseline - capTop) / 22);
  for (int pass = 0; pass < 2; ++pass) {
    const double dx = pass == 0 ? thickness * 0.6 : -thickness * 0.5, dy = pass == 0 ? thickness : -thickness;
    cairo_push_group(cr);
    cairo_append_path(cr, path);
    SetColour(cr, pass == 0 ? Rgb{1, 1, 1} : Darker(metal.stops[2], 0.5));
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_translate(cr, dx, dy);
    cairo_append_path(cr, path);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, pass == 0 ? metal.shine : 0.5);
  }
  cairo_restore(cr);
  cairo_path_destroy(path);
}

void HardenAlpha(Picture& picture) {
  for (size_t i = 0; i < picture.rgba.size(); i += 4) {
    uint8_t* p = &picture.rgba[i];
    if (p[3] < 128) {
      p[0] = p[1] = p[2] = p[3] = 0;
      continue;
    }
    p[3] = 255;
    if (p[0] == 0 && p[1] == 0 && p[2] == 0) p[0] = p[1] = p[2] = 1;
  }
}

void SoftRoundedEdges(Picture& picture, double inset, double radius, double feather) {
  const double hw = picture.width / 2.0 - inset, hh = picture.height / 2.0 - inset;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      // Signed distance to the rounded square, negative inside.
      const double qx = std::fabs(x + 0.5 - picture.width / 2.0) - (hw - radius);
      const double qy = std::fabs(y + 0.5 - picture.height / 2.0) - (hh - radius);
      const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
      const double d = outside + std::min(std::max(qx, qy), 0.0) - radius;
      double t = std::clamp(-d / feather, 0.0, 1.0);
      t = t * t * (3 - 2 * t);
      uint8_t* p = picture.At(x, y);
      p[3] = static_cast<uint8_t>(p[3] * t + 0.5);
      if (p[3] == 0) p[0] = p[1] = p[2] = 0;
    }
}

Picture PaintField(int width, int height, const std::function<Tint(double x, double y)>& shade) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Tint t = shade(x + 0.5, y + 0.5);
      const double a = std::clamp(t.alpha, 0.0, 1.0);
      uint8_t* p = picture.At(x, y);
      p[3] = static_cast<uint8_t>(a * 255 + 0.5);
      if (p[3] == 0) continue;
      p[0] = static_cast<uint8_t>(std::clamp(t.colour.r, 0.0, 1.0) * 255 + 0.5);
      p[1] = static_cast<uint8_t>(std::clamp(t.colour.g, 0.0, 1.0) * 255 + 0.5);
      p[2] = static_cast<uint8_t>(std::clamp(t.colour.b, 0.0, 1.0) * 255 + 0.5);
    }
  return picture;
}

void LightSum::Add(Rgb colour, double strength) {
  r += colour.r * strength, g += colour.g * strength, b += colour.b * strength, a += strength;
}

Tint LightSum::Result() const {
  if (a <= 1e-9) return {{0, 0, 0}, 0};
  // Where lights overlap past full coverage their excess brightens the colour towards white.
  const double over = std::max(0.0, a - 1) / a;
  const Rgb mean = {r / a, g / a, b / a};
  return {Mix(mean, {1, 1, 1}, std::min(0.8, over * 0.8)), std::min(1.0, a)};
}

void DrawPicture(cairo_t* cr, const Picture& picture, double x, double y, double scale, double alpha) {
  cairo_surface_t* surface = SurfaceFromPicture(picture);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
  cairo_surface_destroy(surface);
}

void PaintWrappedStars(cairo_t* cr, int width, int height, uint32_t seed, double density) {
  Dice dice(seed);
  const int count = static_cast<int>(width * height / 900.0 * density);
  for (int i = 0; i < count; ++i) {
    const double x = dice.Range(0, width), y = dice.Range(0, height), depth = dice.Unit();
    const double hue = dice.Unit();
    const Rgb tint = hue < 0.2 ? Hex(0xFFD8B0) : hue < 0.5 ? Hex(0xB8C8FF) : Hex(0xE8EEFF);
    for (double copy : {y - height, y, y + height}) {
      if (copy < -12 || copy > height + 12) continue;
      if (depth < 0.985) {
        // Most stars are faint points; a few are larger with a little glow.
        const double bright = 0.15 + 0.55 * depth * depth;
        SetColour(cr, tint, bright);
        cairo_arc(cr, x, copy, 0.45 + 0.7 * depth * depth, 0, 2 * kPi);
        cairo_fill(cr);
        if (depth > 0.9) PaintGlow(cr, x, copy, 4, tint, 0.25);
      } else {
        PaintGlow(cr, x, copy, 9, tint, 0.55);
        SetColour(cr, Hex(0xFFFFFF), 0.5);
        cairo_set_line_width(cr, 0.8);
        cairo_move_to(cr, x - 8, copy);
        cairo_line_to(cr, x + 8, copy);
        cairo_move_to(cr, x, copy - 8);
        cairo_line_to(cr, x, copy + 8);
        cairo_stroke(cr);
        SetColour(cr, Hex(0xFFFFFF), 0.95);
        cairo_arc(cr, x, copy, 1.2, 0, 2 * kPi);
        cairo_fill(cr);
      }
    }
  }
}

}  // namespace screens
