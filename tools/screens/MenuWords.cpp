// The menu's lettering: the word mark, the subtitle, the choices, the caption and the mouse pointer, all keyed.
#include <cmath>

#include "screens/MenuPainters.h"
#include "screens/ScreenPaint.h"

namespace screens {

namespace {

constexpr const char* kHeavy = "League Spartan Black";     // the word mark's geometric capitals
constexpr const char* kCondensed = "DejaVu Sans Condensed";

// Lettering over a clear canvas, hardened for the colour key.
Picture KeyedLine(int width, int height, const std::string& text, double cx, double baseline, const Lettering& look,
                  const Metal& metal, double outline, const std::vector<Rim>& rims = {}) {
  Canvas canvas(width, height);
  cairo_t* cr = canvas.cr();
  LetteringPath(cr, text, cx, baseline, look);
  FillMetal(cr, baseline - look.capHeight, baseline, metal, outline, rims);
  Picture picture = canvas.Take();
  HardenAlpha(picture);
  return picture;
}

}  // namespace

Picture PaintWordMark() {
  // Chrome capitals with a cyan neon edge; the edge is solid light so it survives the colour key.
  Lettering look{kHeavy, false, 86, 4, 1.0, 530};
  const double baseline = 116;
  Canvas canvas(560, 150);
  cairo_t* cr = canvas.cr();
  double left = 0, right = 0;
  LetteringPath(cr, "NOVABOUNCER", 280, baseline, look, &left, &right);
  const Metal chrome = {{Hex(0xFFFFFF), Hex(0xCFE0F4), Hex(0x50607A), Hex(0xE4F0FF)}, Hex(0x070B16), 0.85};
  FillMetal(cr, baseline - look.capHeight, baseline, chrome, 2.2,
            {{Hex(0x050914), 15}, {Hex(0x2A9CFF), 10.5}, {Hex(0x9EE6FF), 7.5}});
  // A blade of light under the word, tapering at both ends, echoing the band the title sits on.
  const double y = baseline + 12;
  cairo_move_to(cr, left + 6, y);
  cairo_curve_to(cr, left + 120, y - 4, right - 120, y - 4, right - 6, y);
  cairo_curve_to(cr, right - 120, y + 4, left + 120, y + 4, left + 6, y);
  cairo_close_path(cr);
  SetColour(cr, Hex(0x050914));
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* blade = cairo_pattern_create_linear(left, 0, right, 0);
  AddStop(blade, 0, Hex(0x2A6CFF));
  AddStop(blade, 0.5, Hex(0xE8FAFF));
  AddStop(blade, 1, Hex(0x2A6CFF));
  cairo_set_source(cr, blade);
  cairo_fill(cr);
  cairo_pattern_destroy(blade);
  Picture picture = canvas.Take();
  HardenAlpha(picture);
  return picture;
}

Picture PaintSubtitle() {
  // Under the word mark, which ends at x 557 once it has slid in from the right.
  Lettering look{"DejaVu Sans", true, 30, 7, 0.95};
  return KeyedLine(1024, 60, "THE HOMECOMING", 277, 46, look, Silver(), 1.8, {{Hex(0x16305E), 6}});
}

Picture PaintEntry(const std::string& text, EntryLook kind) {
  Lettering look{kCondensed, true, 34, 3, 1.0};
  const Metal metal = kind == EntryLook::Hot ? HotMetal() : kind == EntryLook::Disabled ? DullMetal() : Silver();
  std::vector<Rim> rims;
  if (kind == EntryLook::Normal) rims = {{Hex(0x1A3A7A), 7}};
  if (kind == EntryLook::Hot) rims = {{Hex(0x6A1A0C), 7}};
  return KeyedLine(1024, 64, text, 512, 50, look, metal, 2.0, rims);
}

Picture PaintCaption() {
  Lettering look{"DejaVu Sans", true, 12, 1.6, 1.0};
  const Metal muted = {{Hex(0xB4C2D8), Hex(0x8E9EB8), Hex(0x74849E), Hex(0x8494AE)}, Hex(0x070A12), 0.3};
  return KeyedLine(1024, 40, "MOUSE, ARROW KEYS OR JOYSTICK   -   J SWITCHES THE JOYSTICK", 512, 26, look, muted, 1.5);
}

Picture PaintCursor() {
  Canvas canvas(24, 26);
  cairo_t* cr = canvas.cr();
  // The classic slanted arrow with a tail; the tip sits on the first pixel.
  const double points[][2] = {{0.7, 0.7}, {0.7, 19.5}, {5.4, 15.3}, {9.2, 23.6}, {12.6, 22.1}, {8.9, 14.1}, {15.2, 14.1}};
  auto outlinePath = [&] {
    cairo_move_to(cr, points[0][0], points[0][1]);
    for (int i = 1; i < 7; ++i) cairo_line_to(cr, points[i][0], points[i][1]);
    cairo_close_path(cr);
  };
  outlinePath();
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_line_width(cr, 2.4);
  SetColour(cr, Hex(0x060A14));
  cairo_stroke(cr);
  outlinePath();
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 10, 22);
  AddStop(fill, 0, Hex(0xFFFFFF));
  AddStop(fill, 0.6, Hex(0xCFEFFF));
  AddStop(fill, 1, Hex(0x6FB8F0));
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  Picture picture = canvas.Take();
  // The tip is the hot spot: it must show even where the outline's corner only half covers it.
  uint8_t* tip = picture.At(0, 0);
  tip[0] = 0x10, tip[1] = 0x14, tip[2] = 0x20, tip[3] = 255;
  HardenAlpha(picture);
  return picture;
}

}  // namespace screens
