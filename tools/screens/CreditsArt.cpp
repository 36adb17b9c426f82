// The credits: the glowing title and ten vignettes of the game's world that float towards the viewer.
#include <cmath>

#include "art/ArtFamilies.h"
#include "screens/ScreenArt.h"
#include "screens/ScreenPaint.h"
#include "themes/Backdrop.h"
#include "themes/ScenePictures.h"
#include "themes/ThemePainters.h"

namespace {

using screens::DrawPicture;
constexpr int S = creditsPictureSize;

// Space behind a vignette: a nebula of the given tints and a field of stars.
void SpaceGround(Canvas& canvas, uint32_t seed, Rgb a, Rgb b) {
  PaintShaded(canvas, 2, [=](double x, double y) {
    const double n = FractalNoise(x / 160, y / 160, seed, 5), m = FractalNoise(x / 90, y / 90, seed + 1, 3);
    return Plus(Hex(0x03040C), Times(Mix(a, b, m), SmoothStep(0.4, 0.85, n) * 0.6));
  });
  PaintStars(canvas.cr(), S, S, seed + 2, 0.5, 2, 2);
}

// The middle of a 740 x 748 level background, as a 512 x 512 window.
void Window(cairo_t* cr, const Picture& background, double top) {
  DrawPicture(cr, background, -(background.width - S) / 2.0, -top);
}

void Ship(Canvas& canvas) {
  SpaceGround(canvas, 7001, Hex(0x3A1C78), Hex(0x0E4468));
  cairo_t* cr = canvas.cr();
  PaintGlow(cr, 256, 372, 150, Hex(0x2F7BFF), 0.6);
  DrawPicture(cr, PaintShip(0), 256 - 160, 236 - 160, 4.0);
}

void BallAndTiles(Canvas& canvas) {
  SpaceGround(canvas, 7011, Hex(0x102A60), Hex(0x281040));
  cairo_t* cr = canvas.cr();
  const char* kinds[] = {"red", "yellow", "green", "cyan", "blue", "magenta", "white", "ub", "3c"};
  Dice dice(7012);
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 4; ++column) {
      if (dice.Unit() < 0.18) continue;  // tiles already broken
      DrawPicture(cr, PaintTile(kinds[(row * 3 + column * 2) % 9], (row + column) % 16), 14 + column * 122,
                  40 + row * 42, 1.8);
    }
  // The ball climbing from the lower right, its fire trail behind it.
  for (int i = 10; i >= 1; --i) {
    const double t = i / 10.0;
    PaintGlow(cr, 330 + 120 * t, 360 + 110 * t, 22 + 16 * t, Mix(Hex(0xFFD22E), Hex(0xE8283C), t), 0.6 * (1 - t) + 0.2);
  }
  PaintGlow(cr, 330, 360, 60, Hex(0xFFE9A0), 0.9);
  DrawPicture(cr, PaintBall(56), 302, 332);
}

void Capsule(Canvas& canvas) {
  SpaceGround(canvas, 7021, Hex(0x0E4468), Hex(0x103A30));
  cairo_t* cr = canvas.cr();
  const char* kinds[] = {"e", "l", "m"};
  const double places[][3] = {{120, 110, 3.0}, {330, 190, 4.5}, {170, 330, 3.5}};
  for (int i = 0; i < 3; ++i) {
    const double x = places[i][0], y = places[i][1], scale = places[i][2];
    // Falling: a streak of light above each capsule.
    cairo_rectangle(cr, x + 6 * scale, y - 90, 20 * scale, 90 + 8 * scale);
    cairo_pattern_t* streak = cairo_pattern_create_linear(0, y - 90, 0, y + 8 * scale);
    AddStop(streak, 0, Hex(0x9FE8FF), 0);
    AddStop(streak, 1, Hex(0x9FE8FF), 0.3);
    cairo_set_source(cr, streak);
    cairo_fill(cr);
    cairo_pattern_destroy(streak);
    PaintGlow(cr, x + 16 * scale, y + 16 * scale, 22 * scale, Hex(0x2EE6F0), 0.5);
    DrawPicture(cr, PaintCapsule(kinds[i], 3 + i * 4), x, y, scale);
  }
}

void Monster(Canvas& canvas) {
  SpaceGround(canvas, 7031, Hex(0x3A1060), Hex(0x601040));
  cairo_t* cr = canvas.cr();
  // A one-eyed drifting creature: a soft body, tentacles curling below, a wide eye with a hard glint.
  Dice dice(7032);
  for (int i = 0; i < 7; ++i) {
    const double x0 = 186 + i * 24, sway = dice.Range(-60, 60);
    cairo_move_to(cr, x0, 290);
    cairo_curve_to(cr, x0 + sway, 350, x0 - sway, 400, x0 + sway * 0.6, 460);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 20);
    SetColour(cr, Hex(0x3A0A30));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 15);
    SetColour(cr, Hex(0xB83CA8));
    cairo_stroke(cr);
  }
  PaintGlow(cr, 256, 230, 190, Hex(0xE83CD8), 0.45);
  PaintSphere(cr, 256, 230, 110, Hex(0xC83CB8));
  PaintSphere(cr, 256, 222, 58, Hex(0xF2F4FA));
  PaintSphere(cr, 262, 226, 30, Hex(0x2EE6F0));
  cairo_arc(cr, 264, 228, 15, 0, 2 * kPi);
  SetColour(cr, Hex(0x06040A));
  cairo_fill(cr);
  PaintGlow(cr, 250, 212, 10, Hex(0xFFFFFF), 1.0);
}

void BossFace(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  SpaceGround(canvas, 7041, Hex(0x601010), Hex(0x300818));
  PaintGlow(cr, 256, 256, 260, Hex(0xE8283C), 0.7);
  DrawPicture(cr, PaintTaron(2), 256 - 230, 256 - 230, 1.8);
}

void Earth(Canvas& canvas) { Window(canvas.cr(), PaintEarthBackground(), 80); }

void Nebula(Canvas& canvas) { Window(canvas.cr(), PaintSpaceBackground(), 60); }

void Explosion(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  canvas.FillBlack();
  PaintStars(cr, S, S, 7071, 0.4, 2, 2);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  DrawPicture(cr, PaintBigExplosion(7), 256 - 240, 256 - 240, 5.0);
  DrawPicture(cr, PaintBigExplosion(4), 120 - 72, 340 - 72, 1.5, 0.7);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void Teleporter(Canvas& canvas) {
  // A whirl of cyan and violet arms falling into a bright eye.
  Picture swirl = screens::PaintField(S, S, [](double x, double y) {
    const double dx = x - 256, dy = y - 256, r = std::hypot(dx, dy), a = std::atan2(dy, dx);
    const double n = FractalNoise(x / 40, y / 40, 7081, 3);
    const double arms = std::pow(0.5 + 0.5 * std::cos(4 * a + r / 26 + n * 2), 3);
    const double fall = std::exp(-r / 150);
    Rgb colour = Mix(Hex(0x2EE6F0), Hex(0x8A3CE8), std::min(1.0, r / 230));
    colour = Mix(colour, Hex(0xFFFFFF), std::exp(-r / 28));
    return screens::Tint{Plus(Hex(0x040410), Times(colour, arms * fall * 1.4 + std::exp(-r / 30))), 1.0};
  });
  DrawPicture(canvas.cr(), swirl, 0, 0);
  for (int i = 0; i < 4; ++i) {
    const double a = i * kPi / 2 + 0.4;
    DrawPicture(canvas.cr(), PaintTile("tp", i * 4), 256 + std::cos(a) * 180 - 64, 256 + std::sin(a) * 180 - 20, 2.0);
  }
}

void Sea(Canvas& canvas) { Window(canvas.cr(), PaintSeaBackground(), 200); }

}  // namespace

Picture PaintCreditsTitle() {
  Canvas canvas(1024, 140);
  cairo_t* cr = canvas.cr();
  screens::Lettering look{"League Spartan Black", false, 84, 10, 1.0};
  screens::LetteringPath(cr, "CREDITS", 512, 112, look);
  const screens::Metal chrome = {{Hex(0xFFFFFF), Hex(0xF0D8FF), Hex(0x6A4A8A), Hex(0xF2E4FF)}, Hex(0x0E0616), 0.85};
  screens::FillMetal(cr, 112 - 84, 112, chrome, 2.4, {{Hex(0x0E0616), 18}, {Hex(0xB03CFF), 13}, {Hex(0xF0A8FF), 8}});
  Picture picture = canvas.Take();
  screens::HardenAlpha(picture);
  return picture;
}

Picture PaintCreditsPicture(int n) {
  Canvas canvas(S, S);
  switch (n) {
    case 0: Ship(canvas); break;
    case 1: BallAndTiles(canvas); break;
    case 2: Capsule(canvas); break;
    case 3: Monster(canvas); break;
    case 4: BossFace(canvas); break;
    case 5: Earth(canvas); break;
    case 6: Nebula(canvas); break;
    case 7: Explosion(canvas); break;
    case 8: Teleporter(canvas); break;
    default: Sea(canvas); break;
  }
  Picture picture = canvas.Take();
  screens::SoftRoundedEdges(picture, 4, 64, 40);
  return picture;
}
