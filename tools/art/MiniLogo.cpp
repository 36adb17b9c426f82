// The configuration window's banner: packs/minilogo.pak, one 350 x 109 picture of the game's name over deep space.
#include <cmath>
#include <cstdio>
#include <string>

#include "Builder.h"
#include "PackWriter.h"
#include "art/ContactSheet.h"
#include "art/Paint.h"

namespace {

constexpr int kWidth = 350, kHeight = 109;

// Deep space: a dark gradient, a blue and violet nebula of layered noise, stars in three depths.
void PaintSpace(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHeight);
  AddStop(sky, 0, Hex(0x0A1230));
  AddStop(sky, 1, Hex(0x03050C));
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  cairo_surface_t* surface = cairo_get_target(cr);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < kWidth; ++x) {
      double n = FractalNoise(x / 70.0, y / 45.0, 3050, 5);
      double m = FractalNoise(x / 40.0 + 9, y / 30.0, 77, 4);
      double cloud = std::max(0.0, n - 0.45) * 1.6;
      uint32_t p = row[x];
      double r = (p >> 16 & 255) + cloud * 70 * m, g = (p >> 8 & 255) + cloud * 30, b = (p & 255) + cloud * 120;
      row[x] = 0xFF000000u | static_cast<uint32_t>(std::min(255.0, r)) << 16 |
               static_cast<uint32_t>(std::min(255.0, g)) << 8 | static_cast<uint32_t>(std::min(255.0, b));
    }
  }
  cairo_surface_mark_dirty(surface);
  Dice dice(121);
  for (int i = 0; i < 160; ++i) {
    double x = dice.Range(0, kWidth), y = dice.Range(0, kHeight), depth = dice.Unit();
    SetColour(cr, Mix(Hex(0x8FA8FF), Hex(0xFFFFFF), depth), 0.25 + 0.6 * depth * depth);
    cairo_arc(cr, x, y, 0.4 + 0.6 * depth, 0, 2 * kPi);
    cairo_fill(cr);
  }
  for (int i = 0; i < 5; ++i) {
    double x = dice.Range(10, kWidth - 10), y = dice.Range(6, kHeight - 6);
    PaintGlow(cr, x, y, 6, Hex(0xBFD4FF), 0.8);
    SetColour(cr, Hex(0xFFFFFF), 0.55);
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, x - 6, y);
    cairo_line_to(cr, x + 6, y);
    cairo_move_to(cr, x, y - 6);
    cairo_line_to(cr, x, y + 6);
    cairo_stroke(cr);
  }
}

// The rim of the Earth the ship comes home to, low on the right, with its blue air glowing.
void PaintEarthRim(cairo_t* cr) {
  double cx = 300, cy = 250, radius = 175;
  PaintGlow(cr, cx, cy - radius + 6, 90, Hex(0x2F7BFF), 0.5);
  cairo_pattern_t* land = cairo_pattern_create_radial(cx - 60, cy - radius, 10, cx, cy, radius);
  AddStop(land, 0, Hex(0x2E6FB8));
  AddStop(land, 0.5, Hex(0x123A6A));
  AddStop(land, 1, Hex(0x050D1C));
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_set_source(cr, land);
  cairo_fill(cr);
  cairo_pattern_destroy(land);
  cairo_arc(cr, cx, cy, radius, 1.1 * kPi, 1.95 * kPi);
  SetColour(cr, Hex(0x9FD8FF), 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// A glowing ball with its fire trail, crossing from the lower left.
void PaintBall(cairo_t* cr) {
  for (int i = 9; i >= 1; --i) {
    double t = i / 9.0;
    PaintGlow(cr, 34 - 24 * t, 86 + 16 * t, 10 + 6 * t, Mix(Hex(0xFFD22E), Hex(0xE8283C), t), 0.7 * (1 - t) + 0.2);
  }
  PaintGlow(cr, 34, 86, 16, Hex(0xFFE9A0), 1.0);
  PaintSphere(cr, 34, 86, 6, Hex(0xF2F4FA));
}

// Metallic capitals: a vertical gradient between `stops`, a dark outline, a thin light along the upper edge.
void PaintTitle(cairo_t* cr, const std::string& text, double left, double baseline, double capHeight,
                double width, const Rgb (&stops)[4], Rgb outline) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 100);
  cairo_text_extents_t h;
  cairo_text_extents(cr, "H", &h);
  double size = 100 * capHeight / h.height;
  cairo_set_font_size(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, size * width / ext.width, size);
  cairo_set_font_matrix(cr, &m);
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_move_to(cr, left - ext.x_bearing, baseline);
  cairo_text_path(cr, text.c_str());
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, outline);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_append_path(cr, path);
  cairo_pattern_t* metal = cairo_pattern_create_linear(0, baseline - capHeight, 0, baseline);
  AddStop(metal, 0, stops[0]);
  AddStop(metal, 0.45, stops[1]);
  AddStop(metal, 0.55, stops[2]);
  AddStop(metal, 1, stops[3]);
  cairo_set_source(cr, metal);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(metal);
  // The lit upper edge: the outline's path moved half a pixel down, kept only above the letters' middle.
  cairo_save(cr);
  cairo_rectangle(cr, 0, baseline - capHeight - 2, kWidth, capHeight * 0.35);
  cairo_clip(cr);
  SetColour(cr, Hex(0xFFFFFF), 0.7);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_path_destroy(path);
}

Picture PaintMiniLogo() {
  Canvas canvas(kWidth, kHeight);
  PaintSpace(canvas);
  cairo_t* cr = canvas.cr();
  PaintEarthRim(cr);
  PaintBall(cr);
  const Rgb silver[4] = {Hex(0xFFFFFF), Hex(0xC8D2E0), Hex(0x7E8896), Hex(0xDDE4EE)};
  const Rgb gold[4] = {Hex(0xFFF6C8), Hex(0xFFC23D), Hex(0xB0741A), Hex(0xFFD466)};
  PaintGlow(cr, 175, 44, 120, Hex(0x2F7BFF), 0.25);
  PaintTitle(cr, "NOVABOUNCER", 22, 56, 34, 250, silver, Hex(0x161B26));
  PaintTitle(cr, "III", 284, 56, 34, 44, gold, Hex(0x2E1804));
  // The edition's name, spaced out in cyan light under the title.
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 11);
  const std::string edition = "M E R I D I A N   P R E S T I G E";
  cairo_text_extents_t ext;
  cairo_text_extents(cr, edition.c_str(), &ext);
  double x = (kWidth - ext.width) / 2 - ext.x_bearing + 16;
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, x, 80);
    SetColour(cr, pass == 0 ? Hex(0x2EE6F0) : Hex(0xE6FDFF), pass == 0 ? 0.35 : 1.0);
    if (pass == 0) {
      cairo_text_path(cr, edition.c_str());
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    } else {
      cairo_show_text(cr, edition.c_str());
    }
  }
  return canvas.Take();
}

}  // namespace

bool BuildMiniLogoPack(const std::string& outDir) {
  Picture picture = PaintMiniLogo();
  std::vector<PackEntry> entries(1);
  entries[0].name = "gfx/minilogo.bmp";
  entries[0].data = EncodeByName(entries[0].name, picture);
  if (entries[0].data.empty()) return false;
  const std::string& sheets = ContactSheetDirectory();
  if (!sheets.empty() && !WriteSheetFile(sheets + "/minilogo.png", EncodePng(picture, false))) return false;
  return WritePack(outDir + "/minilogo.pak", entries);
}
