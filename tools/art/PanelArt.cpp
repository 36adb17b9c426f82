// The frame round the playfield, the status column with its slots, the scanner inset and the word pictures.
#include <algorithm>
#include <cmath>
#include <map>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

// The panels are blitted without alpha, perhaps with black as the key colour: no pixel may be pure black.
const Rgb kGround = Hex(0x121824);
const Rgb kPlate = Hex(0x283246);
const Rgb kLip = Hex(0x8AA0C0);
const Rgb kLabel = Hex(0x6FA6C8);

void FillGround(Canvas& canvas, uint32_t seed) {
  cairo_t* cr = canvas.cr();
  SetColour(cr, kGround);
  cairo_paint(cr);
  // Faint mottling so the metal is not flat.
  for (int y = 0; y < canvas.height(); y += 2)
    for (int x = 0; x < canvas.width(); x += 2) {
      double n = FractalNoise(x / 23.0, y / 23.0, seed, 3) - 0.5;
      SetColour(cr, n > 0 ? Rgb{0.6, 0.7, 0.9} : Rgb{0.02, 0.03, 0.06}, std::fabs(n) * 0.12);
      cairo_rectangle(cr, x, y, 2, 2);
      cairo_fill(cr);
    }
}

void Plate(cairo_t* cr, double x, double y, double w, double h) {
  BoxStyle style;
  style.base = kPlate;
  style.radius = 3;
  style.bevel = 1.5;
  style.specular = 0.08;
  style.outlineDark = 0.6;
  PaintLitBox(cr, x, y, w, h, style);
  for (double cx : {x + 5, x + w - 5})
    for (double cy : {y + 5, y + h - 5})
      if (w > 20 && h > 20) PaintSphere(cr, cx, cy, 1.6, Hex(0x7C8AA4), false);
}

void Vents(cairo_t* cr, double x, double y, double w, int count) {
  for (int i = 0; i < count; ++i) {
    RoundedRect(cr, x, y + i * 6, w, 3, 1.5);
    SetColour(cr, Hex(0x0A0E16));
    cairo_fill(cr);
    cairo_move_to(cr, x + 1.5, y + i * 6 + 3.5);
    cairo_line_to(cr, x + w - 1.5, y + i * 6 + 3.5);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Hex(0x4A5670), 0.8);
    cairo_stroke(cr);
  }
}

// A recessed dark-glass slot the status texts stand in.
void Slot(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, 4);
  cairo_pattern_t* glass = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(glass, 0, Hex(0x060A10));
  AddStop(glass, 1, Hex(0x101A28));
  cairo_set_source(cr, glass);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);
  RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 4);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x04060A));
  cairo_stroke(cr);
  cairo_move_to(cr, x + 4, y + h - 0.5);
  cairo_line_to(cr, x + w - 4, y + h - 0.5);
  SetColour(cr, Hex(0x5A7090), 0.8);
  cairo_stroke(cr);
  RoundedRect(cr, x + 2.5, y + 2.5, w - 5, h - 5, 3);
  SetColour(cr, Hex(0x2EC8F0), 0.18);
  cairo_stroke(cr);
}

void Label(cairo_t* cr, const char* text, double x, double baseline, double size = 10) {
  cairo_select_font_face(cr, "DejaVu Sans Condensed", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, x, baseline);
  SetColour(cr, kLabel);
  cairo_show_text(cr, text);
}

// A bright lip along the playfield edge, from (x0, y0) to (x1, y1).
void Lip(cairo_t* cr, double x0, double y0, double x1, double y1) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, pass == 0 ? 4 : 1.5);
    SetColour(cr, pass == 0 ? Hex(0x2EC8F0) : kLip, pass == 0 ? 0.25 : 1.0);
    cairo_stroke(cr);
  }
}

// 5 x 7 capitals for the word pictures.
const std::map<char, const char*>& PixelFont() {
  static const std::map<char, const char*> font = {
      {'B', "11110100011000111110100011000111110"}, {'O', "01110100011000110001100011000101110"},
      {'N', "10001110011010110011100011000110001"}, {'U', "10001100011000110001100011000101110"},
      {'S', "01111100001000001110000010000111110"}, {'W', "10001100011000110101101011101110001"},
      {'I', "11111001000010000100001000010011111"}, {'E', "11111100001000011110100001000011111"},
      {'R', "11110100011000111110101001001010001"},
  };
  return font;
}

}  // namespace

Picture PaintPanelLeft() {
  Canvas canvas(88, 768);
  cairo_t* cr = canvas.cr();
  FillGround(canvas, 11);
  const double segments[] = {6, 130, 262, 394, 526, 658, 762};
  for (int i = 0; i + 1 < 7; ++i) {
    Plate(cr, 8, segments[i], 68, segments[i + 1] - segments[i] - 4);
    if (i % 2 == 0) Vents(cr, 20, segments[i] + 24, 44, 5);
    else {
      // A round port with a soft light, one per other plate.
      double cy = segments[i] + 60;
      cairo_arc(cr, 42, cy, 13, 0, 2 * kPi);
      SetColour(cr, Hex(0x0A0E16));
      cairo_fill(cr);
      PaintGlow(cr, 42, cy, 12, Hex(0x2E8CF0), 0.5);
      cairo_arc(cr, 42, cy, 13, 0, 2 * kPi);
      cairo_set_line_width(cr, 1.5);
      SetColour(cr, kLip, 0.7);
      cairo_stroke(cr);
    }
  }
  Lip(cr, 86.5, 20, 86.5, 768);
  return canvas.Take();
}

Picture PaintPanelTop() {
  // Drawn at x 80: its columns 8..728 lie over the playfield's top edge (x 88..808).
  Canvas canvas(740, 20);
  cairo_t* cr = canvas.cr();
  FillGround(canvas, 12);
  for (int i = 0; i < 6; ++i) Plate(cr, 10 + i * 120, 2, 116, 13);
  for (int i = 0; i < 6; ++i) {
    PaintGlow(cr, 68 + i * 120, 8.5, 5, Hex(0x2EC8F0), 0.6);
    cairo_arc(cr, 68 + i * 120, 8.5, 1.5, 0, 2 * kPi);
    SetColour(cr, Hex(0xBFF4FF));
    cairo_fill(cr);
  }
  Lip(cr, 6.5, 18.5, 740, 18.5);
  return canvas.Take();
}

Picture PaintPanelRight() {
  // Drawn at x 820; the status texts end at x 994 (174 here) and the inset sits at (851, 600).
  Canvas canvas(204, 768);
  cairo_t* cr = canvas.cr();
  FillGround(canvas, 13);
  Plate(cr, 2, 2, 200, 764);
  // Title plate.
  CentredTextPath(cr, "NOVABOUNC3R", 102, 20, 15, true);
  cairo_pattern_t* chrome = cairo_pattern_create_linear(0, 13, 0, 27);
  AddStop(chrome, 0, Hex(0xFFFFFF));
  AddStop(chrome, 0.5, Hex(0x9AA8C0));
  AddStop(chrome, 1, Hex(0xDDE6F4));
  cairo_set_line_width(cr, 2.5);
  SetColour(cr, Hex(0x0A0E18));
  cairo_stroke_preserve(cr);
  cairo_set_source(cr, chrome);
  cairo_fill(cr);
  cairo_pattern_destroy(chrome);

  Label(cr, "PILOT", 10, 44);
  Slot(cr, 4, 48, 196, 44);
  Label(cr, "SCORE", 10, 164);
  Slot(cr, 4, 168, 196, 44);
  Label(cr, "LIVES", 10, 290);
  Slot(cr, 6, 294, 190, 106);
  // Empty sockets for the five letters, drawn at x 0, 36, 73, 110, 146 and y 419.
  Label(cr, "BONUS", 10, 413, 9);
  Slot(cr, 0, 415, 182, 40);
  const double letterX[] = {0, 36, 73, 110, 146};
  const char* letters[] = {"B", "O", "N", "U", "S"};
  for (int i = 0; i < 5; ++i) {
    cairo_arc(cr, letterX[i] + 16, 435, 12, 0, 2 * kPi);
    SetColour(cr, Hex(0x1A2434));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, Hex(0x4A5A78));
    cairo_stroke(cr);
    CentredTextPath(cr, letters[i], letterX[i] + 16, 435, 14);
    SetColour(cr, Hex(0x3A4660));
    cairo_fill(cr);
  }
  Label(cr, "LEVEL", 10, 522);
  Slot(cr, 4, 526, 196, 44);
  // Under the inset: a dark screen (the level-name picture shows on it) in a housing.
  Vents(cr, 40, 578, 124, 2);
  RoundedRect(cr, 40, 626, 132, 106, 4);
  SetColour(cr, Hex(0x06100E));
  cairo_fill(cr);
  Vents(cr, 40, 748, 124, 2);
  return canvas.Take();
}

Picture PaintInsetFrame() {
  // The game keys out magenta (255, 0, 255): the corners and the window must be that exact colour, so the
  // housing's silhouette is drawn without antialiasing.
  Canvas canvas(150, 140);
  cairo_t* cr = canvas.cr();
  cairo_set_source_rgb(cr, 1, 0, 1);
  cairo_paint(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  RoundedRect(cr, 0, 0, 150, 140, 12);
  cairo_pattern_t* metal = cairo_pattern_create_linear(0, 0, 0, 140);
  AddStop(metal, 0, Hex(0x4A5872));
  AddStop(metal, 0.5, Hex(0x2E3A50));
  AddStop(metal, 1, Hex(0x1C2434));
  cairo_set_source(cr, metal);
  cairo_fill(cr);
  cairo_pattern_destroy(metal);
  // Bevel lines, still hard-edged, inside the silhouette.
  RoundedRect(cr, 1, 1, 148, 138, 11);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x8CA0C0));
  cairo_stroke(cr);
  // Antialiased details stay inside the housing, away from the magenta.
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
  cairo_select_font_face(cr, "DejaVu Sans Condensed", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 10);
  cairo_move_to(cr, 14, 19);
  SetColour(cr, kLabel);
  cairo_show_text(cr, "SECTOR SCAN");
  const uint32_t leds[] = {0x3CF08C, 0xFFC02E, 0xFF4A2A};
  for (int i = 0; i < 3; ++i) {
    PaintGlow(cr, 110 + i * 11, 15, 5, Hex(leds[i]), 0.8);
    PaintSphere(cr, 110 + i * 11, 15, 2.4, Hex(leds[i]), false);
  }
  RoundedRect(cr, 10, 27, 130, 104, 5);
  SetColour(cr, Hex(0x0E1420));
  cairo_fill(cr);
  // The window the scanner picture (124 x 98, at 13, 30) is drawn into.
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_rectangle(cr, 13, 30, 124, 98);
  cairo_set_source_rgb(cr, 1, 0, 1);
  cairo_fill(cr);
  return canvas.Take();
}

Picture PaintInsetScreen() {
  // The game rolls this picture up six lines at a time, so everything repeats every 98 lines (7 x 14).
  Canvas canvas(124, 98);
  cairo_t* cr = canvas.cr();
  SetColour(cr, Hex(0x07181C));
  cairo_paint(cr);
  cairo_set_line_width(cr, 1);
  for (int y = 0; y < 98; y += 14) {
    cairo_move_to(cr, 0, y + 0.5);
    cairo_line_to(cr, 124, y + 0.5);
  }
  for (int x = 6; x < 124; x += 14) {
    cairo_move_to(cr, x + 0.5, 0);
    cairo_line_to(cr, x + 0.5, 98);
  }
  SetColour(cr, Hex(0x1E6A60), 0.6);
  cairo_stroke(cr);
  // Read-out bars, two per grid row.
  Dice dice(2117);
  for (int row = 0; row < 14; ++row) {
    double y = row * 7 + 2;
    double x = 4;
    while (x < 76) {
      double w = dice.Range(3, 14);
      if (x + w > 78) break;
      cairo_rectangle(cr, x, y, w, 3);
      SetColour(cr, dice.Unit() < 0.2 ? Hex(0xB8FFE0) : Hex(0x2EE6A0), dice.Range(0.5, 0.95));
      cairo_fill(cr);
      x += w + dice.Range(2, 5);
    }
  }
  // A trace running down the right side; its period divides the height.
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, 103 + 12 * std::sin(0), 0);
    for (int y = 1; y <= 98; ++y)
      cairo_line_to(cr, 103 + 12 * std::sin(y / 49.0 * 2 * kPi) * std::cos(y / 98.0 * 2 * kPi * 3), y);
    cairo_set_line_width(cr, pass == 0 ? 4 : 1.4);
    SetColour(cr, Hex(0x5AF8D0), pass == 0 ? 0.25 : 1.0);
    cairo_stroke(cr);
  }
  // Scan lines.
  for (int y = 1; y < 98; y += 2) {
    cairo_rectangle(cr, 0, y, 124, 1);
    SetColour(cr, Hex(0x000000), 0.18);
    cairo_fill(cr);
  }
  return canvas.Take();
}

Picture PaintWordPicture(const std::string& word) {
  // Every exactly white pixel becomes a ball, 10 pixels from the next: crisp 2-pixel strokes, no smoothing,
  // and a ground with no white at all. 72 columns span the 720-pixel playfield.
  constexpr int kWidth = 72, kHeight = 20, kScale = 2, kGap = 2;
  Picture picture(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      uint8_t* p = picture.At(x, y);
      p[0] = 12;
      p[1] = static_cast<uint8_t>(16 + y);
      p[2] = static_cast<uint8_t>(44 + y * 2);
      p[3] = 255;
    }
  int letters = static_cast<int>(word.size());
  int gap = letters * 5 * kScale + (letters - 1) * (kGap + 1) <= kWidth ? kGap + 1 : kGap;
  int total = letters * 5 * kScale + (letters - 1) * gap;
  int x0 = (kWidth - total) / 2, y0 = (kHeight - 7 * kScale) / 2;
  for (int i = 0; i < letters; ++i) {
    auto it = PixelFont().find(word[i]);
    if (it == PixelFont().end()) continue;
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col) {
        if (it->second[row * 5 + col] != '1') continue;
        for (int dy = 0; dy < kScale; ++dy)
          for (int dx = 0; dx < kScale; ++dx) {
            int x = x0 + i * (5 * kScale + gap) + col * kScale + dx, y = y0 + row * kScale + dy;
            if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) continue;
            uint8_t* p = picture.At(x, y);
            p[0] = p[1] = p[2] = 255;
          }
      }
  }
  return picture;
}
