// The falling-block minigame's pictures: six glossy blocks and the bug, the frame round the board, the dark
// backdrop, the relief and colour of the scrolling wall tile, the line flash and the glint.
#include <algorithm>
#include <array>
#include <cmath>

#include "minigames/MinigameArt.h"
#include "minigames/MinigamePaint.h"
#include "screens/ScreenPaint.h"

using namespace minigames;

namespace {

constexpr int kCell = 32;
// Where the game puts things on the 1024 x 768 screen.
constexpr int kBoardX = 32, kBoardY = 32, kBoardSide = 640;
constexpr int kNextX = 834, kNextY = 85, kNextSide = 128;
constexpr double kStatusX = 910;  // the status lines are centred here, at y 310, 330 and 350

// A block of the stack: four bevel faces lit from the top left, a face that darkens downwards, a glassy
// reflection over its upper half and a hard sparkle, outlined so that neighbouring blocks read apart.
void PaintBlockFaces(cairo_t* cr, Rgb base, double bevel) {
  const double s = kCell, b = bevel;
  struct Face {
    std::array<double, 8> xy;
    Rgb colour;
  };
  const Face faces[] = {{{0, 0, s, 0, s - b, b, b, b}, Lighter(base, 0.55)},
                        {{0, 0, b, b, b, s - b, 0, s}, Lighter(base, 0.28)},
                        {{0, s, b, s - b, s - b, s - b, s, s}, Darker(base, 0.5)},
                        {{s, 0, s, s, s - b, s - b, s - b, b}, Darker(base, 0.3)}};
  for (const Face& f : faces) {
    cairo_move_to(cr, f.xy[0], f.xy[1]);
    for (int i = 2; i < 8; i += 2) cairo_line_to(cr, f.xy[i], f.xy[i + 1]);
    cairo_close_path(cr);
    SetColour(cr, f.colour);
    cairo_fill(cr);
  }
  cairo_pattern_t* face = cairo_pattern_create_linear(b, b, s - b, s - b);
  AddStop(face, 0, Lighter(base, 0.18));
  AddStop(face, 0.5, base);
  AddStop(face, 1, Darker(base, 0.22));
  cairo_rectangle(cr, b, b, s - 2 * b, s - 2 * b);
  cairo_set_source(cr, face);
  cairo_fill(cr);
  cairo_pattern_destroy(face);
}

void PaintBlockOutline(cairo_t* cr, Rgb base) {
  cairo_rectangle(cr, 0.5, 0.5, kCell - 1, kCell - 1);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Darker(base, 0.72));
  cairo_stroke(cr);
}

Picture PaintBlock(Rgb base) {
  Canvas canvas(kCell, kCell);
  cairo_t* cr = canvas.cr();
  PaintBlockFaces(cr, base, 4);
  // The reflection: a wide ellipse cut off by the face, bright at the top and fading to its lower edge.
  cairo_save(cr);
  cairo_rectangle(cr, 4, 4, kCell - 8, kCell - 8);
  cairo_clip(cr);
  cairo_save(cr);
  cairo_translate(cr, 13, 3);
  cairo_scale(cr, 19, 12);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* gloss = cairo_pattern_create_linear(0, 4, 0, 15);
  cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.62);
  cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.1);
  cairo_set_source(cr, gloss);
  cairo_fill(cr);
  cairo_pattern_destroy(gloss);
  // Light bounced into the lower right corner of the glass.
  Shine(cr, 23, 24, 6, 3.5, 0.18);
  cairo_restore(cr);
  Shine(cr, 7.5, 7.5, 2.2, 2.2, 0.95);
  PaintBlockOutline(cr, base);
  return canvas.Take();
}

// The bug: an amber beetle with glowing eyes on a dark slate block with a red-hot rim, so it never passes
// for an ordinary block.
Picture PaintBugBlock() {
  Canvas canvas(kCell, kCell);
  cairo_t* cr = canvas.cr();
  const Rgb slate = Hex(0x2A2D3A);
  PaintBlockFaces(cr, slate, 3);
  cairo_rectangle(cr, 2, 2, kCell - 4, kCell - 4);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0xFF5A30), 0.55);
  cairo_stroke(cr);
  // Six legs, bent at the knee, and two antennae.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 1.3);
  SetColour(cr, Hex(0x0A0608));
  for (double side : {-1.0, 1.0}) {
    const double legs[3][6] = {{14, 12, 8, 9, 6, 6}, {12, 17, 6, 17, 4, 20}, {13, 22, 8, 25, 7, 29}};
    for (const auto& leg : legs) {
      cairo_move_to(cr, 16 + side * (16 - leg[0]), leg[1]);
      cairo_line_to(cr, 16 + side * (16 - leg[2]), leg[3]);
      cairo_line_to(cr, 16 + side * (16 - leg[4]), leg[5]);
      cairo_stroke(cr);
    }
    cairo_move_to(cr, 16 + side * 1.5, 6);
    cairo_curve_to(cr, 16 + side * 3, 3, 16 + side * 6, 3, 16 + side * 8, 2);
    cairo_stroke(cr);
  }
  // Wing cases with their seam and spots, the shield behind the head, the head.
  cairo_save(cr);
  cairo_translate(cr, 16, 18.5);
  cairo_scale(cr, 7.2, 9);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* shell = cairo_pattern_create_radial(13, 14, 1, 16, 18.5, 10);
  AddStop(shell, 0, Hex(0xFFD070));
  AddStop(shell, 0.45, Hex(0xFF7A1A));
  AddStop(shell, 1, Hex(0xA0200C));
  cairo_set_source(cr, shell);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(shell);
  InkOutline(cr, 1.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 11);
  cairo_line_to(cr, 16, 27.5);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x3A0A04));
  cairo_stroke(cr);
  for (auto [x, y, r] : {std::array<double, 3>{12.5, 17, 1.5}, {19.5, 17, 1.5}, {13, 22.5, 1.3}, {19, 22.5, 1.3}}) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    SetColour(cr, Hex(0x1A0604));
    cairo_fill(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, 16, 10);
  cairo_scale(cr, 5, 2.8);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  SetColour(cr, Hex(0x2A1A22));
  cairo_fill_preserve(cr);
  InkOutline(cr, 1);
  cairo_new_path(cr);
  cairo_arc(cr, 16, 6.6, 2.8, 0, 2 * kPi);
  SetColour(cr, Hex(0x120A0E));
  cairo_fill(cr);
  for (double side : {-1.0, 1.0}) PaintGlow(cr, 16 + side * 1.4, 6.2, 2.2, Hex(0xFFE040), 1.2);
  Shine(cr, 13.5, 14, 2.6, 2.2, 0.7);
  PaintBlockOutline(cr, slate);
  return canvas.Take();
}

// Metal for the frame: cool steel lit from the top left.
void FillSteel(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* steel = cairo_pattern_create_linear(x0, y0, x1, y1);
  AddStop(steel, 0, Hex(0x8E9AB4));
  AddStop(steel, 0.35, Hex(0x4A5468));
  AddStop(steel, 0.7, Hex(0x2C3344));
  AddStop(steel, 1, Hex(0x5C6680));
  cairo_set_source(cr, steel);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(steel);
}

// A steel plate with a bevelled rim and a window of smoked glass cut into it; `glass` is the glass's opacity.
void PaintPanel(cairo_t* cr, double x, double y, double w, double h, double wx, double wy, double ww, double wh,
                double glass) {
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  RoundedRect(cr, x, y, w, h, 10);
  RoundedRect(cr, wx, wy, ww, wh, 4);
  FillSteel(cr, x, y, x + w * 0.4, y + h);
  cairo_new_path(cr);
  // Bevel: lit on the outer top left, shaded inside the window's top left, where the plate casts its shadow.
  RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, 9);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0xC8D4EC), 0.5);
  cairo_stroke(cr);
  RoundedRect(cr, wx - 1.5, wy - 1.5, ww + 3, wh + 3, 5);
  cairo_set_line_width(cr, 3);
  SetColour(cr, Hex(0x0A0C14), 0.9);
  cairo_stroke(cr);
  RoundedRect(cr, wx - 4, wy - 4, ww + 8, wh + 8, 7);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x2EE6F0), 0.55);
  cairo_stroke(cr);
  RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 10);
  SetColour(cr, Hex(0x06080E));
  cairo_stroke(cr);
  // The glass: darker at the bottom, with a faint reflection across its top.
  RoundedRect(cr, wx, wy, ww, wh, 4);
  cairo_pattern_t* smoke = cairo_pattern_create_linear(0, wy, 0, wy + wh);
  AddStop(smoke, 0, Hex(0x141A30), glass * 0.85);
  AddStop(smoke, 1, Hex(0x04060C), glass);
  cairo_set_source(cr, smoke);
  cairo_fill(cr);
  cairo_pattern_destroy(smoke);
  cairo_restore(cr);
  for (double sx : {x + 7, x + w - 7})
    for (double sy : {y + 7, y + h - 7}) PaintSphere(cr, sx, sy, 2.2, Hex(0xB8C4DA), true);
}

// A rod joining the board's frame to a panel of the status column.
void PaintStrut(cairo_t* cr, double x0, double x1, double y) {
  cairo_rectangle(cr, x0, y - 5, x1 - x0, 10);
  FillSteel(cr, x0, y - 5, x0, y + 5);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x06080E));
  cairo_stroke(cr);
  cairo_move_to(cr, x0, y - 3.5);
  cairo_line_to(cr, x1, y - 3.5);
  SetColour(cr, Hex(0xD0DCF0), 0.5);
  cairo_stroke(cr);
  cairo_rectangle(cr, x0, y - 0.5, x1 - x0, 1);
  SetColour(cr, Hex(0x2EE6F0), 0.7);
  cairo_fill(cr);
}

// The frame drawn over the scrolling wall: a steel bezel round the board (whose window stays clear), a panel
// for the next piece, a panel behind the status lines, and the wall showing everywhere else.
Picture PaintFrame() {
  Canvas canvas(1024, 768);
  cairo_t* cr = canvas.cr();
  const double x0 = kBoardX, y0 = kBoardY, side = kBoardSide;
  PaintStrut(cr, x0 + side + 16, 822, 150);
  PaintStrut(cr, x0 + side + 16, 826, 332);
  PaintStrut(cr, x0 + side + 16, 846, 470);
  // The bezel.
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  RoundedRect(cr, x0 - 20, y0 - 20, side + 40, side + 40, 14);
  cairo_rectangle(cr, x0, y0, side, side);
  FillSteel(cr, x0 - 20, y0 - 20, x0 + side * 0.3, y0 + side + 20);
  cairo_new_path(cr);
  cairo_restore(cr);
  RoundedRect(cr, x0 - 18.5, y0 - 18.5, side + 37, side + 37, 13);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0xD0DCF0), 0.55);
  cairo_stroke(cr);
  RoundedRect(cr, x0 - 19.5, y0 - 19.5, side + 39, side + 39, 14);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x06080E));
  cairo_stroke(cr);
  // A neon groove round the window and the window's dark lip, where the board sinks into the frame.
  cairo_rectangle(cr, x0 - 9, y0 - 9, side + 18, side + 18);
  cairo_set_line_width(cr, 3);
  SetColour(cr, Hex(0x0C1020), 0.9);
  cairo_stroke(cr);
  cairo_rectangle(cr, x0 - 9, y0 - 9, side + 18, side + 18);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Hex(0x5CF4FF), 0.95);
  cairo_stroke(cr);
  cairo_rectangle(cr, x0 - 3, y0 - 3, side + 6, side + 6);
  cairo_set_line_width(cr, 6);
  cairo_pattern_t* lip = cairo_pattern_create_linear(x0 - 6, y0 - 6, x0 + side, y0 + side);
  AddStop(lip, 0, Hex(0x04050A));
  AddStop(lip, 1, Hex(0x4A5468));
  cairo_set_source(cr, lip);
  cairo_stroke(cr);
  cairo_pattern_destroy(lip);
  for (double sx : {x0 - 12.0, x0 + side + 12})
    for (double sy : {y0 - 12.0, y0 + side / 2, y0 + side + 12}) PaintSphere(cr, sx, sy, 3, Hex(0xB8C4DA), true);
  for (double sx : {x0 + side / 2}) {
    PaintSphere(cr, sx, y0 - 12, 3, Hex(0xB8C4DA), true);
    PaintSphere(cr, sx, y0 + side + 12, 3, Hex(0xB8C4DA), true);
  }
  // The next piece's window (four cells square) with its label above it.
  PaintPanel(cr, kNextX - 16, 36, kNextSide + 32, kNextY + kNextSide + 14 - 36, kNextX - 4, kNextY - 4,
             kNextSide + 8, kNextSide + 8, 0.6);
  screens::Lettering label;
  label.capHeight = 20;
  label.tracking = 4;
  screens::LetteringPath(cr, "NEXT", kNextX + kNextSide / 2.0, 70, label);
  screens::FillMetal(cr, 50, 70, screens::Silver(), 1.2, {{Hex(0x2EE6F0), 4, 0.45}});
  // The status lines' panel, centred on their column.
  PaintPanel(cr, kStatusX - 90, 280, 180, 108, kStatusX - 78, 292, 156, 84, 0.78);
  // A plate with a little piece of the six colours, for the eye to rest on.
  PaintPanel(cr, kStatusX - 64, 440, 128, 96, kStatusX - 54, 450, 108, 76, 0.5);
  const Rgb colours[] = {Hex(0x2ED158), Hex(0xE8283C), Hex(0x2F7BFF), Hex(0xFFD22E), Hex(0xA040F0), Hex(0x2EE6F0)};
  const int cells[6][2] = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {3, 1}, {2, 2}};
  for (int i = 0; i < 6; ++i) {
    Picture block = PaintBlock(colours[i]);
    screens::DrawPicture(cr, block, kStatusX - 38 + cells[i][0] * 18, 456 + cells[i][1] * 18, 18.0 / kCell);
  }
  // Nothing of the frame may cover the board.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_rectangle(cr, x0, y0, side, side);
  cairo_fill(cr);
  cairo_restore(cr);
  return canvas.Take();
}

// The dark backdrop: a deep violet night with slow nebula and faint stars.
Picture PaintBackdrop() {
  Picture sky = screens::PaintField(1024, 768, [](double x, double y) {
    const double t = y / 768;
    Rgb base = Mix(Hex(0x0C0A24), Hex(0x04040C), t);
    const double cloud = std::pow(FractalNoise(x / 260, y / 260, 911, 5), 2.2);
    const double veil = FractalNoise(x / 120 + 7, y / 120, 913, 4);
    base = Mix(base, Hex(0x3A1E6A), cloud * 0.55);
    base = Mix(base, Hex(0x0E4A5C), std::max(0.0, veil - 0.55) * 0.9);
    return screens::Tint{base, 1};
  });
  Canvas canvas(1024, 768);
  cairo_t* cr = canvas.cr();
  screens::DrawPicture(cr, sky, 0, 0);
  screens::PaintWrappedStars(cr, 1024, 768, 917, 0.6);
  return canvas.Take();
}

// The wall behind the board is four pieces of the game interlocked in a 4 x 4 grid of cells, so that it tiles:
// an L, a J, a square and a bar.
constexpr int kTileCells = 4;
constexpr int kWallPieces[kTileCells][kTileCells] = {{0, 0, 1, 1}, {0, 2, 2, 1}, {0, 2, 2, 1}, {3, 3, 3, 3}};

int PieceAt(int column, int row) {
  auto wrap = [](int v) { return ((v % kTileCells) + kTileCells) % kTileCells; };
  return kWallPieces[wrap(row)][wrap(column)];
}

double Smoothstep(double a, double b, double v) {
  double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Height 0..1 of the wall at a pixel of the 128 x 128 tile; `piece` receives the piece it belongs to.
double WallHeight(double x, double y, int* piece) {
  const int column = static_cast<int>(std::floor(x / kCell)), row = static_cast<int>(std::floor(y / kCell));
  const double u = x - column * kCell, v = y - row * kCell;
  const int own = PieceAt(column, row);
  if (piece) *piece = own;
  // Distance to the nearest edge shared with another piece (grooves), and to the seams inside the piece.
  double groove = 1e9, seam = 1e9;
  const double toEdge[4] = {u, kCell - u, v, kCell - v};
  const int dx[4] = {-1, 1, 0, 0}, dy[4] = {0, 0, -1, 1};
  for (int i = 0; i < 4; ++i) {
    if (PieceAt(column + dx[i], row + dy[i]) == own) {
      seam = std::min(seam, toEdge[i]);
    } else {
      groove = std::min(groove, toEdge[i]);
    }
  }
  // Inner corners where only the diagonal neighbour belongs to another piece.
  for (int sx : {-1, 1})
    for (int sy : {-1, 1}) {
      if (PieceAt(column + sx, row + sy) == own) continue;
      const double cx = sx < 0 ? u : kCell - u, cy = sy < 0 ? v : kCell - v;
      groove = std::min(groove, std::hypot(cx, cy));
    }
  double h = 0.18 + 0.62 * Smoothstep(0, 7, groove);
  h -= 0.14 * (1 - Smoothstep(0.3, 2.2, seam));
  // Each cell carries an engraved ring with a stud in its middle.
  const double r = std::hypot(u - kCell / 2.0, v - kCell / 2.0);
  h -= 0.12 * std::exp(-std::pow((r - 8) / 1.2, 2));
  h += 0.1 * (1 - Smoothstep(2, 4, r));
  h += 0.08 * (TilingNoise(x / 8, y / 8, 16, 929, 3) - 0.5);
  return std::clamp(h, 0.0, 1.0);
}

Picture PaintWallRelief() {
  return screens::PaintField(128, 128, [](double x, double y) {
    const double h = WallHeight(x, y, nullptr);
    return screens::Tint{{h, h, h}, 1};
  });
}

Picture PaintWallColour() {
  const Rgb pieces[4] = {Hex(0x2A3070), Hex(0x1C4E5E), Hex(0x46286C), Hex(0x283E78)};
  return screens::PaintField(128, 128, [&](double x, double y) {
    int piece = 0;
    const double h = WallHeight(x, y, &piece);
    const double grime = TilingNoise(x / 16, y / 16, 8, 931, 4);
    Rgb c = Mix(pieces[piece], Lighter(pieces[piece], 0.25), grime * 0.6);
    c = Darker(c, (1 - h) * 0.6);
    // The rings glow faintly, like circuits in the wall.
    const double u = std::fmod(x, kCell), v = std::fmod(y, kCell);
    const double r = std::hypot(u - kCell / 2.0, v - kCell / 2.0);
    c = Mix(c, Hex(0x6CE8FF), 0.35 * std::exp(-std::pow((r - 8) / 0.9, 2)));
    return screens::Tint{c, 1};
  });
}

// The flash along a completed row: a white-hot core and a cyan glow, even along its length so that copies laid
// every 64 pixels join into one streak. Colour with alpha, so that it adds light however it is blended.
Picture PaintLineFlash() {
  Picture p(64, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) {
      const double dy = y + 0.5 - 16;
      const double ripple = 0.9 + 0.1 * std::cos(2 * kPi * (x + 0.5) / 32);
      const double core = std::exp(-std::pow(dy / 2.4, 2)) * ripple;
      const double glow = 0.6 * std::exp(-std::pow(dy / 7.5, 2)) * (1 - std::fabs(dy) / 16);
      const double v = std::min(1.0, core + glow);
      const Rgb c = Mix(Hex(0x60E8FF), Hex(0xFFFFFF), std::min(1.0, core / std::max(v, 1e-6)));
      uint8_t* px = p.At(x, y);
      px[0] = Byte(c.r), px[1] = Byte(c.g), px[2] = Byte(c.b), px[3] = Byte(v);
    }
  return p;
}

// The glint that sweeps a block now and then: a soft diagonal streak from the lower left to the upper right
// with a small four-pointed sparkle at its middle.
Picture PaintGlint() {
  Picture p(kCell, kCell);
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const double px = x + 0.5 - 16, py = y + 0.5 - 16;
      const double across = (px + py) / std::sqrt(2.0), along = (px - py) / std::sqrt(2.0);
      const double streak = std::exp(-std::pow(across / 2.6, 2)) * std::exp(-std::pow(along / 11, 2));
      const double sparkle = std::exp(-(std::pow(px / 1.2, 2) + std::pow(py / 7, 2))) +
                             std::exp(-(std::pow(px / 7, 2) + std::pow(py / 1.2, 2)));
      const double v = std::min(1.0, 0.85 * streak + 0.8 * sparkle);
      uint8_t* out = p.At(x, y);
      out[0] = 255, out[1] = 255, out[2] = Byte(0.9 + 0.1 * v), out[3] = Byte(v);
    }
  return p;
}

}  // namespace

Picture PaintTetrisPicture(int number) {
  switch (number) {
    case tetrisGreen: return PaintBlock(Hex(0x2ED158));
    case tetrisRed: return PaintBlock(Hex(0xE8283C));
    case tetrisBlue: return PaintBlock(Hex(0x2F7BFF));
    case tetrisYellow: return PaintBlock(Hex(0xFFD22E));
    case tetrisPurple: return PaintBlock(Hex(0xA040F0));
    case tetrisCyan: return PaintBlock(Hex(0x2EE6F0));
    case tetrisFrame: return PaintFrame();
    case tetrisBackdrop: return PaintBackdrop();
    case tetrisBump: return PaintWallRelief();
    case tetrisDiffuse: return PaintWallColour();
    case tetrisLineFlash: return PaintLineFlash();
    case tetrisGlint: return PaintGlint();
    case tetrisBug: return PaintBugBlock();
    default: return {};
  }
}
