// Mock play screens over the theme backgrounds, composed from the main art's painters (a review aid).
#include "themes/ThemeMock.h"

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

void Place(cairo_t* cr, const Picture& picture, double x, double y, bool centred = false) {
  if (!picture.Valid()) return;
  cairo_surface_t* surface = SurfaceFromPicture(picture);
  if (centred) {
    x -= picture.width / 2.0;
    y -= picture.height / 2.0;
  }
  cairo_set_source_surface(cr, surface, x, y);
  cairo_paint(cr);
  cairo_surface_destroy(surface);
}

}  // namespace

Picture MakeThemeMock(const Picture& background) {
  Canvas canvas(1024, 768);
  cairo_t* cr = canvas.cr();
  canvas.FillBlack();
  Place(cr, background, 80, 20);
  // Tiles in rows of every colour, then a row of the special ones, as a level lays them out.
  const char* kinds[] = {"red", "green", "blue", "yellow", "magenta", "cyan", "white", "black"};
  const char* specials[] = {"ub", "tp", "3c", "2c", "1c"};
  for (int row = 0; row < 9; ++row)
    for (int col = 0; col < 11; ++col) {
      if (row == 4 && (col == 3 || col == 7)) continue;
      Picture tile = row < 8 ? PaintTile(kinds[(row + col / 4) % 8], (row * 3 + col) % 16)
                             : PaintTile(specials[col % 5], col % 16);
      Place(cr, tile, 88 + 40 + col * 64, 90 + row * 22, true);
    }
  Picture ball = PaintBall(16);
  Place(cr, ball, 300, 420, true);
  Place(cr, ball, 620, 520, true);
  Place(cr, ball, 468, 680, true);
  Place(cr, PaintCapsule("t", 3), 220, 560, true);
  Place(cr, PaintCapsule("malus", 5), 700, 610, true);
  Place(cr, PaintMonster("02", 4), 160, 320, true);
  Place(cr, PaintShip(0), 448, 728, true);
  Place(cr, PaintPanelLeft(), 0, 0);
  Place(cr, PaintPanelTop(), 80, 0);
  Place(cr, PaintPanelRight(), 820, 0);
  return canvas.Take();
}

Picture Shrink(const Picture& picture, int factor) {
  Picture small(picture.width / factor, picture.height / factor);
  for (int y = 0; y < small.height; ++y)
    for (int x = 0; x < small.width; ++x)
      for (int c = 0; c < 4; ++c) {
        int sum = 0;
        for (int dy = 0; dy < factor; ++dy)
          for (int dx = 0; dx < factor; ++dx) sum += picture.At(x * factor + dx, y * factor + dy)[c];
        small.At(x, y)[c] = static_cast<uint8_t>((sum + factor * factor / 2) / (factor * factor));
      }
  return small;
}
