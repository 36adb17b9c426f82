// The silver and gold bitmap fonts: bold sans glyphs painted as metal with an outline and a lit upper edge.
#include <algorithm>
#include <cmath>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

struct FontLook {
  int size;          // picture width and height, pixels
  double capHeight;  // pixels, the same for every glyph of the font
  double baseline;   // pixels from the top
  double maxInk;     // widest glyph ink, pixels: the status column sets silver letters 20 pixels apart
  Rgb stops[5];      // the metal from the cap top to the baseline
  Rgb outline;
};

const FontLook kSilver = {36, 26, 31, 23,
                          {Hex(0xFFFFFF), Hex(0xE8EEF6), Hex(0x98A4B6), Hex(0xDDE4EE), Hex(0x7E8896)},
                          Hex(0x161B26)};
const FontLook kGold = {40, 30, 35, 33,
                        {Hex(0xFFF6C8), Hex(0xFFC23D), Hex(0xB0741A), Hex(0xFFD466), Hex(0xA86A14)},
                        Hex(0x2E1804)};

void GlyphPath(cairo_t* cr, const FontLook& look, const std::string& text, bool digit) {
  cairo_select_font_face(cr, "DejaVu Sans Condensed", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 100);
  cairo_text_extents_t h;
  cairo_text_extents(cr, "H", &h);
  double size = 100 * look.capHeight / h.height;
  cairo_set_font_size(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  double squeeze = ext.width > look.maxInk ? look.maxInk / ext.width : 1.0;
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, size * squeeze, size);
  cairo_set_font_matrix(cr, &m);
  cairo_text_extents(cr, text.c_str(), &ext);
  // Digits are centred on their advance, so every digit takes the same width in a number; the rest on their ink.
  double x = digit ? (look.size - ext.x_advance) / 2 : look.size / 2.0 - ext.x_bearing - ext.width / 2;
  cairo_move_to(cr, x, look.baseline);
  cairo_text_path(cr, text.c_str());
}

}  // namespace

Picture PaintGlyph(bool gold, int characterCode) {
  const FontLook& look = gold ? kGold : kSilver;
  Canvas canvas(look.size, look.size);
  cairo_t* cr = canvas.cr();
  if (characterCode == ' ' || characterCode <= 0 || characterCode > 255) return canvas.Take();
  std::string text(1, static_cast<char>(characterCode));
  if (characterCode == '\'') text = "\xE2\x80\x99";  // a curly apostrophe reads better at this size
  const bool digit = characterCode >= '0' && characterCode <= '9';
  GlyphPath(cr, look, text, digit);
  cairo_path_t* path = cairo_copy_path(cr);

  // Outline first, so the fill covers its inner half.
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 3.2);
  SetColour(cr, look.outline);
  cairo_stroke(cr);

  const double top = look.baseline - look.capHeight;
  cairo_pattern_t* metal = cairo_pattern_create_linear(0, top, 0, look.baseline);
  const double offsets[5] = {0.0, 0.3, 0.52, 0.6, 1.0};
  for (int i = 0; i < 5; ++i) AddStop(metal, offsets[i], look.stops[i]);
  cairo_append_path(cr, path);
  cairo_set_source(cr, metal);
  cairo_fill(cr);
  cairo_pattern_destroy(metal);

  // A thin highlight on the upper and left edges, a soft shade on the lower ones.
  for (int pass = 0; pass < 2; ++pass) {
    double dx = pass == 0 ? 0.8 : -0.7, dy = pass == 0 ? 1.4 : -1.2;
    cairo_push_group(cr);
    cairo_append_path(cr, path);
    SetColour(cr, pass == 0 ? Rgb{1, 1, 1} : look.outline);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_translate(cr, dx, dy);
    cairo_append_path(cr, path);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    cairo_identity_matrix(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, pass == 0 ? 0.8 : 0.35);
  }
  cairo_path_destroy(path);
  return canvas.Take();
}
