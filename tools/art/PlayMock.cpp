// A mock play screen built from the painted pictures, placed as the game places them, for judging the art in context.
#include "art/PlayMock.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "art/Paint.h"
#include "base/AssetNames.h"

namespace {

class Screen {
 public:
  explicit Screen(const std::map<int, const Picture*>& sprites) : sprites_(sprites), canvas_(1024, 768) {}

  // Draws sprite `number` with its top-left corner at (x, y), zoomed to w x h when given.
  void Draw(int number, double x, double y, double w = -1, double h = -1, double alpha = 1.0, bool additive = false,
            bool keyMagenta = false) {
    auto it = sprites_.find(number);
    if (it == sprites_.end() || !it->second->Valid()) return;
    Picture picture = *it->second;
    if (keyMagenta)
      for (size_t i = 0; i < picture.rgba.size(); i += 4)
        if (picture.rgba[i] == 255 && picture.rgba[i + 1] == 0 && picture.rgba[i + 2] == 255) picture.rgba[i + 3] = 0;
    if (w < 0) w = picture.width;
    if (h < 0) h = picture.height;
    cairo_t* cr = canvas_.cr();
    cairo_surface_t* surface = SurfaceFromPicture(picture);
    cairo_save(cr);
    if (additive) cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / picture.width, h / picture.height);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
    cairo_surface_destroy(surface);
  }

  void Centred(int number, double cx, double cy, double w = -1, double h = -1, double alpha = 1.0,
               bool additive = false) {
    auto it = sprites_.find(number);
    if (it == sprites_.end()) return;
    if (w < 0) w = it->second->width;
    if (h < 0) h = it->second->height;
    Draw(number, std::round(cx - w / 2), std::round(cy - h / 2), w, h, alpha, additive);
  }

  // A status row: silver glyphs zoomed to 36 x 36, 20 pixels apart, ending at x 994.
  void HudText(const std::string& text, double y) {
    double x = 994 - 20.0 * text.size();
    for (char c : text) {
      Draw(silverFontBase + static_cast<unsigned char>(c), x, y, 36, 36);
      x += 20;
    }
  }

  cairo_t* cr() { return canvas_.cr(); }
  Picture Take() { return canvas_.Take(); }

 private:
  const std::map<int, const Picture*>& sprites_;
  Canvas canvas_;
};

}  // namespace

Picture MakePlayMock(const std::map<int, const Picture*>& sprites) {
  Screen screen(sprites);
  cairo_t* cr = screen.cr();
  // Stand-in for a theme background: a dark nebula, drawn at (80, 20).
  for (int y = 20; y < 768; y += 4)
    for (int x = 80; x < 820; x += 4) {
      double n = FractalNoise(x / 180.0, y / 180.0, 3050, 5);
      double m = FractalNoise(x / 90.0 + 7, y / 90.0, 3051, 4);
      Rgb c = Mix(Hex(0x050814), Mix(Hex(0x1A1040), Hex(0x0A2A48), m), std::clamp((n - 0.35) * 1.8, 0.0, 1.0));
      SetColour(cr, c);
      cairo_rectangle(cr, x, y, 4, 4);
      cairo_fill(cr);
    }
  Dice stars(8);
  for (int i = 0; i < 220; ++i) {
    double x = stars.Range(80, 820), y = stars.Range(20, 700), b = stars.Unit();
    SetColour(cr, Rgb{0.8, 0.85, 1.0}, 0.25 + 0.6 * b * b);
    cairo_rectangle(cr, std::floor(x), std::floor(y), b > 0.9 ? 2 : 1, b > 0.9 ? 2 : 1);
    cairo_fill(cr);
  }
  screen.Draw(panelLeftPicture, 0, 0);
  screen.Draw(panelTopPicture, 80, 0);
  screen.Draw(panelRightPicture, 820, 0);
  screen.Draw(insetFramePicture, 851, 600, -1, -1, 1.0, false, true);
  screen.Draw(insetScreenPicture, 864, 630);

  // Tiles: colour rows, a row of specials, by their centres.
  for (int row = 0; row < 9; ++row)
    for (int col = 0; col < 11; ++col) {
      if (row == 4 && (col == 3 || col == 7)) continue;
      int kind = tilePictures + kindFrames * (row < 8 ? (row + col / 4) % 8 : 8 + col % 5);
      screen.Centred(kind + (row * 3 + col) % kindFrames, 88 + 40 + col * 64, 90 + row * 22);
    }
  // The thread, the ship with its shield and glow, a glued ball.
  for (int x = 88; x <= 807; x += 128) screen.Draw(threadPictures + (x / 128) % threadPictureFrames, x, 768 - 126);
  const double shipX = 448, shipY = 728;
  screen.Centred(shipUprightPicture + 1, shipX, shipY);
  screen.Draw(shieldPictures, shipX - 40, shipY - 98);
  screen.Centred(engineGlowPicture, shipX, shipY - 8, 128, 128, 0.35, true);
  screen.Centred(ball16Picture, shipX + 20, shipY - 50);
  // Balls in flight with their halos, one fire ball with its trail.
  for (auto [x, y] : {std::pair{300.0, 420.0}, std::pair{620.0, 500.0}}) {
    screen.Centred(ball16Picture, x, y);
    screen.Centred(haloPicture, x, y, 36, 36, 1.0, true);
    screen.Centred(haloPicture, x, y, 28, 28, 1.0, true);
  }
  for (int i = 9; i >= 0; --i) {
    int flare = i < 3 ? yellowFlarePicture : i < 6 ? orangeFlarePicture : emberFlarePicture;
    double size = i < 3 ? 34 : i < 6 ? 42 : 58;
    screen.Centred(flare, 700 - i * 6, 330 + i * 9, size, size, 0.8, true);
  }
  screen.Centred(ball32Picture, 700, 330);
  // Capsules, monsters, an explosion, a laser pair, the crosshair.
  screen.Centred(capsuleTriple + 3, 220, 560);
  screen.Centred(capsuleLetterB, 520, 600);
  screen.Centred(capsuleMalus + 8, 760, 470);
  screen.Centred(drifterPictures + 12, 160, 300);
  screen.Centred(shipSeekerPictures + 5, 420, 330);
  screen.Centred(ballSeekerPictures + 7, 560, 260);
  screen.Centred(tileExplosionPictures + 5, 392, 178);
  screen.Draw(shipLaserShotPicture, 421 - 4, 560);
  screen.Draw(shipLaserShotPicture, 475 - 4, 560);
  // The status column.
  screen.HudText("NOVA", 52);
  screen.HudText("12340", 172);
  for (int i = 0; i < 3; ++i) screen.Draw(shipUprightPicture, 832 + 24 * i, 300, 24, 24);
  screen.Draw(capsuleLetterB, 820, 419);
  screen.Draw(capsuleLetterN, 893, 419);
  screen.HudText("7", 530);
  // A floating word in gold letters, 40 pixels apart, centred on the playfield.
  std::string word = "LEVEL 7";
  double x0 = 88 + 360 - (word.size() * 40.0 - 40) / 2;
  for (size_t i = 0; i < word.size(); ++i)
    screen.Centred(goldFontBase + static_cast<unsigned char>(word[i]), x0 + 40 * i, 375);
  return screen.Take();
}
