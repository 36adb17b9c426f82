// Review aids for the minigames' pictures: each game's screen composed as the game lays it out, and contact sheets.
#include "minigames/MinigameSheets.h"

#include <algorithm>
#include <cmath>

#include "art/Paint.h"
#include "base/MinigamePacks.h"
#include "minigames/MinigamePaint.h"
#include "screens/ScreenPaint.h"

namespace minigames {

namespace {

const Picture* Find(const PictureSet& pictures, int number) {
  auto found = pictures.find(number);
  return found == pictures.end() || !found->second.Valid() ? nullptr : &found->second;
}

// Draws a picture centred on (cx, cy), turned by `degrees`, scaled and faded, as the game's quads are.
void DrawCentred(cairo_t* cr, const PictureSet& pictures, int number, double cx, double cy, double degrees = 0,
                 double alpha = 1, double scaleY = 1) {
  const Picture* p = Find(pictures, number);
  if (!p) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, degrees * kPi / 180);
  cairo_scale(cr, 1, scaleY);
  screens::DrawPicture(cr, *p, -p->width / 2.0, -p->height / 2.0, 1.0, alpha);
  cairo_restore(cr);
}

void DrawAt(cairo_t* cr, const PictureSet& pictures, int number, double x, double y, double alpha = 1) {
  if (const Picture* p = Find(pictures, number)) screens::DrawPicture(cr, *p, x, y, 1.0, alpha);
}

void Text(cairo_t* cr, const char* text, double cx, double y, Rgb colour, double size = 14) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, y + size);
  SetColour(cr, colour);
  cairo_show_text(cr, text);
}

// The wall tile as the game makes it: the colour lit by the relief's slopes from the top left, tinted.
Picture LitWallTile(const Picture& relief, const Picture& colour, Rgb tint) {
  Picture out(relief.width, relief.height);
  auto height = [&](int x, int y) {
    x = (x + relief.width) % relief.width, y = (y + relief.height) % relief.height;
    return relief.At(x, y)[0] / 255.0;
  };
  for (int y = 0; y < relief.height; ++y)
    for (int x = 0; x < relief.width; ++x) {
      const double nx = (height(x - 1, y) - height(x + 1, y)) * 4, ny = (height(x, y - 1) - height(x, y + 1)) * 4;
      const double light = std::clamp(0.55 + (nx + ny) * 0.7, 0.15, 1.4);
      const uint8_t* c = colour.At(x, y);
      uint8_t* o = out.At(x, y);
      o[0] = Byte(c[0] / 255.0 * light * tint.r), o[1] = Byte(c[1] / 255.0 * light * tint.g);
      o[2] = Byte(c[2] / 255.0 * light * tint.b), o[3] = 255;
    }
  return out;
}

}  // namespace

Picture MakeTetrisMock(const PictureSet& pictures) {
  Canvas canvas(1024, 768);
  cairo_t* cr = canvas.cr();
  DrawAt(cr, pictures, tetrisBackdrop, 0, 0);
  const Picture* relief = Find(pictures, tetrisBump);
  const Picture* colour = Find(pictures, tetrisDiffuse);
  if (relief && colour && relief->width == colour->width && relief->height == colour->height) {
    Picture tile = LitWallTile(*relief, *colour, {0.9, 1.0, 1.15});
    for (int y = -tile.height + 40; y < 768; y += tile.height)
      for (int x = 0; x < 1024; x += tile.width) screens::DrawPicture(cr, tile, x, y);
  }
  DrawAt(cr, pictures, tetrisFrame, 0, 0);
  // A stack with the bugs still in its lowest rows, a line about to go, and a piece falling.
  Dice dice(5);
  for (int row = 12; row < 20; ++row)
    for (int column = 0; column < 20; ++column) {
      const int top = 12 + static_cast<int>(dice.Unit() * 4);
      if (row < top || (row != 15 && dice.Unit() < 0.18)) continue;
      const bool bug = row >= 18 && dice.Unit() < 0.5;
      DrawAt(cr, pictures, bug ? tetrisBug : tetrisGreen + static_cast<int>(dice.Unit() * 6), 32 + 32 * column,
             32 + 32 * row);
    }
  for (int column = 0; column < 20; column += 2) DrawAt(cr, pictures, tetrisLineFlash, 48 + 32 * column, 32 + 32 * 15);
  DrawAt(cr, pictures, tetrisGlint, 32 + 32 * 6, 32 + 32 * 17, 0.9);
  const int piece[4][2] = {{0, 0}, {1, 0}, {2, 0}, {1, 1}};
  for (const auto& b : piece) DrawAt(cr, pictures, tetrisPurple, 320 + 32 * b[0], 200 + 32 * b[1]);
  const int next[4][2] = {{0, 0}, {1, 0}, {1, 1}, {2, 1}};
  for (const auto& b : next) DrawAt(cr, pictures, tetrisCyan, 834 + 32 * b[0], 85 + 32 * b[1]);
  const Rgb lime = {128 / 255.0, 1, 0};
  Text(cr, "LEVEL : 3", 910, 310, lime);
  Text(cr, "SCORE:", 910, 330, lime);
  Text(cr, "12340", 910, 350, lime);
  return canvas.Take();
}

Picture MakeDuckMock(const PictureSet& pictures) {
  Canvas canvas(1024, 768);
  cairo_t* cr = canvas.cr();
  cairo_set_source_rgb(cr, 0, 0, 85 / 255.0);
  cairo_paint(cr);
  for (int y : {64, 164, 264}) {
    cairo_rectangle(cr, 0, y, 1024, 1);
    cairo_set_source_rgb(cr, 170 / 255.0, 170 / 255.0, 170 / 255.0);
    cairo_fill(cr);
  }
  // Row 32 moves right (right-facing pictures), row 132 left, row 232 right again.
  for (int kind = 0; kind < 7; ++kind) {
    const double x = 80 + kind * 140;
    DrawCentred(cr, pictures, duckTargets + duckFacingRight + kind, x, 32, std::sin(x / 8) * 10);
    DrawCentred(cr, pictures, duckTargets + kind, x + 60, 132, std::sin((x + 60) / 8) * 10);
    DrawCentred(cr, pictures, duckTargets + duckFacingRight + kind, x + 30, 232, std::sin((x + 30) / 8) * 10);
  }
  const Picture* cannon = Find(pictures, duckCannon);
  const double cannonY = 768 - (cannon ? cannon->height : 64);
  DrawCentred(cr, pictures, duckCannon, 500, cannonY + (cannon ? cannon->height / 2.0 : 32));
  for (int shot = 0; shot < 3; ++shot) DrawCentred(cr, pictures, duckBall, 500, cannonY + 10 - 140 * shot - 60);
  return canvas.Take();
}

Picture MakeSugarMock(const PictureSet& pictures) {
  Canvas canvas(1024, 768);
  cairo_t* cr = canvas.cr();
  cairo_set_source_rgb(cr, 243 / 255.0, 190 / 255.0, 240 / 255.0);
  cairo_paint(cr);
  const int frame = 40, offset = 12;
  for (int row = 0; row < 6; ++row) {
    const double y = 32 + row * 128;
    for (int x = -128; x < 1152; x += 128) {
      const double sx = row % 2 == 0 ? x + offset : x - offset;
      const double bob = std::sin((sx + offset + frame) / 128) * 20;
      DrawCentred(cr, pictures, sugarStar, sx, y + bob, frame, std::min(1.0, (y / 8 + 32) / 255));
    }
  }
  for (int i = 0; i < 8; ++i) {
    const double x = 70 + i * 125, y = 150 + (i % 3) * 40;
    const double cy = y + std::sin(x / 64) * 32, p = std::sin(x / 32) * 10 * kPi / 180;
    const double sweetX = x + std::cos(p + kPi / 2) * 60, sweetY = cy + std::sin(p + kPi / 2) * 60;
    cairo_move_to(cr, x, cy + 38);
    cairo_line_to(cr, sweetX, sweetY);
    cairo_set_source_rgba(cr, 0.3, 0.2, 0.3, 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    DrawCentred(cr, pictures, sugarBalloons + i % sugarBalloonCount, x, cy, std::sin(x / 32) * 10, 1,
                1 + std::sin(x / 64) * 10 / 80);
    DrawCentred(cr, pictures, sugarSweets + (i * 3) % sugarSweetCount, sweetX, sweetY, std::sin(x / 32) * 10);
  }
  // The sweets not carried above, falling.
  for (int i = 0; i < sugarSweetCount; ++i) {
    if ((i * 11) % 3 == 0) continue;
    DrawCentred(cr, pictures, sugarSweets + i, 40 + (i % 13) * 78, 440 + (i / 13) * 70);
  }
  DrawCentred(cr, pictures, sugarLauncher, 512, 705, -25);
  const double a = -25 * kPi / 180;
  DrawCentred(cr, pictures, sugarBall, 512 + std::cos(a + kPi / 2) * 48, 705 + std::sin(a + kPi / 2) * 48);
  DrawCentred(cr, pictures, sugarBall, 420, 380);
  DrawCentred(cr, pictures, sugarPop, 820, 200);
  return canvas.Take();
}

bool WriteMinigameSheets(const std::string& directory, const std::string& name, const std::vector<SheetItem>& items,
                         const Picture& screen) {
  if (!WriteContactSheets(directory, name, items)) return false;
  std::vector<uint8_t> png = EncodePng(screen, false);
  return !png.empty() && WriteSheetFile(directory + "/" + name + "_screen.png", png);
}

}  // namespace minigames
