// The three logos shown before the menu: the game's, the publisher's (Quarx Creation) and the maker's (Tessalink).
#include <cmath>

#include "screens/ScreenArt.h"
#include "screens/ScreenPaint.h"

namespace {

using screens::FillMetal;
using screens::Lettering;
using screens::LetteringPath;

// The game's name in chrome, the numeral in gold, on an orbit of light round a glowing ball.
Picture PaintGameLogo() {
  Canvas canvas(700, 300);
  cairo_t* cr = canvas.cr();
  PaintGlow(cr, 350, 140, 330, Hex(0x2F5BD0), 0.35);
  // The orbit: a tilted ellipse of light, brighter at the front.
  cairo_save(cr);
  cairo_translate(cr, 350, 150);
  cairo_rotate(cr, -0.12);
  cairo_scale(cr, 1, 0.26);
  cairo_arc(cr, 0, 0, 320, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* orbit = cairo_pattern_create_linear(0, 60, 0, 240);
  AddStop(orbit, 0, Hex(0x3A6CFF), 0.25);
  AddStop(orbit, 1, Hex(0xAEE8FF), 0.95);
  cairo_set_source(cr, orbit);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_pattern_destroy(orbit);
  const double base = 170;
  Lettering word{"League Spartan Black", false, 92, 4, 1.0, 470};
  double left = 0, right = 0;
  LetteringPath(cr, "NOVABOUNCER", 268, base, word, &left, &right);
  const screens::Metal chrome = {{Hex(0xFFFFFF), Hex(0xCFE0F4), Hex(0x50607A), Hex(0xE4F0FF)}, Hex(0x070B16), 0.85};
  FillMetal(cr, base - 92, base, chrome, 2.4, {{Hex(0x1A6CFF), 16, 0.25}, {Hex(0x2A9CFF), 10.5}, {Hex(0x9EE6FF), 7}});
  Lettering numeral{"DejaVu Serif", true, 104, 3, 0.9, 118};
  LetteringPath(cr, "III", right + 80, base + 6, numeral);
  FillMetal(cr, base + 6 - 104, base + 6, screens::Gold(), 2.4, {{Hex(0xFF8A20), 14, 0.3}, {Hex(0xFFB040), 8}});
  // The ball riding the orbit at the front, and the subtitle under the name.
  PaintGlow(cr, 566, 228, 46, Hex(0x9FE0FF), 1.0);
  PaintSphere(cr, 566, 228, 11, Hex(0xE8EEF6));
  Lettering sub{"DejaVu Sans", true, 22, 9, 1.0};
  LetteringPath(cr, "THE HOMECOMING", 350, 270, sub);
  FillMetal(cr, 248, 270, screens::Silver(), 1.5);
  return canvas.Take();
}

// Quarx Creation: a quasar in a ring, its jet crossing the ring as the tail of a Q, over spaced gold letters.
Picture PaintPublisherLogo() {
  Canvas canvas(600, 300);
  cairo_t* cr = canvas.cr();
  const double cx = 300, cy = 92, r = 62;
  PaintGlow(cr, cx, cy, 150, Hex(0xFF9A30), 0.35);
  // The jets: two thin cones of light out of the core, one crossing the ring at the bottom right.
  for (int side = 0; side < 2; ++side) {
    const double a = 0.72 + side * kPi, reach = side == 0 ? 120 : 80;
    cairo_move_to(cr, cx + std::cos(a + 1.4) * 4, cy + std::sin(a + 1.4) * 4);
    cairo_line_to(cr, cx + std::cos(a) * reach, cy + std::sin(a) * reach);
    cairo_line_to(cr, cx + std::cos(a - 1.4) * 4, cy + std::sin(a - 1.4) * 4);
    cairo_close_path(cr);
    cairo_pattern_t* jet = cairo_pattern_create_radial(cx, cy, 0, cx, cy, reach);
    AddStop(jet, 0, Hex(0xFFFFFF), 1);
    AddStop(jet, 0.5, Hex(0xFFD060), 0.8);
    AddStop(jet, 1, Hex(0xFF7A20), 0);
    cairo_set_source(cr, jet);
    cairo_fill(cr);
    cairo_pattern_destroy(jet);
  }
  // The ring, as a gold band with the house light.
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_line_width(cr, 16);
  SetColour(cr, Hex(0x1E1004));
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_line_width(cr, 12);
  cairo_pattern_t* band = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  AddStop(band, 0, Hex(0xFFF6C8));
  AddStop(band, 0.45, Hex(0xFFC23D));
  AddStop(band, 0.55, Hex(0xB0741A));
  AddStop(band, 1, Hex(0xFFD466));
  cairo_set_source(cr, band);
  cairo_stroke(cr);
  cairo_pattern_destroy(band);
  // The core, white-hot.
  PaintGlow(cr, cx, cy, 44, Hex(0xFFE8A0), 1.0);
  PaintGlow(cr, cx, cy, 14, Hex(0xFFFFFF), 1.0);
  Lettering name{"League Spartan Black", false, 58, 18, 1.0};
  LetteringPath(cr, "QUARX", cx, 236, name);
  FillMetal(cr, 236 - 58, 236, screens::Gold(), 2.4, {{Hex(0xFF9A30), 9, 0.5}});
  Lettering creation{"DejaVu Sans", true, 20, 14, 1.0};
  LetteringPath(cr, "CREATION", cx, 282, creation);
  FillMetal(cr, 262, 282, screens::Silver(), 1.4);
  return canvas.Take();
}

// Tessalink: a five-pointed star inside a zig-zag ring of ten shards, the name under it.
Picture PaintMakerLogo() {
  Canvas canvas(512, 384);
  cairo_t* cr = canvas.cr();
  const double cx = 256, cy = 160;
  PaintGlow(cr, cx, cy, 170, Hex(0x2EE6F0), 0.35);
  for (int i = 0; i < 10; ++i) {
    // Each shard leans the same way round the ring, so the ten together zig-zag like a saw's edge.
    const double a = i * kPi / 5 - kPi / 2, step = kPi / 5;
    const double gap = 0.03;
    cairo_move_to(cr, cx + std::cos(a + gap) * 92, cy + std::sin(a + gap) * 92);
    cairo_line_to(cr, cx + std::cos(a + step * 0.62) * 136, cy + std::sin(a + step * 0.62) * 136);
    cairo_line_to(cr, cx + std::cos(a + step - gap) * 104, cy + std::sin(a + step - gap) * 104);
    cairo_line_to(cr, cx + std::cos(a + step * 0.5) * 98, cy + std::sin(a + step * 0.5) * 98);
    cairo_close_path(cr);
    cairo_path_t* shard = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3);
    SetColour(cr, Hex(0x04161C));
    cairo_stroke(cr);
    cairo_append_path(cr, shard);
    // Light from the top left: the shards facing it are bright, the others deep teal.
    const double facing = 0.5 + 0.5 * std::cos(a + step / 2 + 3 * kPi / 4);
    cairo_pattern_t* metal = cairo_pattern_create_linear(cx - 136, cy - 136, cx + 136, cy + 136);
    AddStop(metal, 0, Mix(Hex(0x1A8A9A), Hex(0xCFFBFF), facing));
    AddStop(metal, 1, Mix(Hex(0x0A3A48), Hex(0x2EE6F0), facing));
    cairo_set_source(cr, metal);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
    cairo_path_destroy(shard);
  }
  // The star, white-gold with a hot centre.
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5, rr = i % 2 ? 29 : 72;
    cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
  }
  cairo_close_path(cr);
  cairo_path_t* star = cairo_copy_path(cr);
  cairo_new_path(cr);
  PaintGlow(cr, cx, cy, 90, Hex(0xFFE8A0), 0.7);
  cairo_append_path(cr, star);
  FillMetal(cr, cy - 72, cy + 60, screens::Gold(), 2.0);
  cairo_path_destroy(star);
  PaintGlow(cr, cx, cy, 26, Hex(0xFFFFFF), 0.9);
  Lettering name{"DejaVu Sans", true, 44, 9, 1.0, 470};
  LetteringPath(cr, "TESSALINK", cx, 352, name);
  FillMetal(cr, 352 - 44, 352, screens::Silver(), 2.0, {{Hex(0x2EE6F0), 7, 0.6}});
  return canvas.Take();
}

}  // namespace

Picture PaintLogo(LogoKind kind) {
  switch (kind) {
    case LogoKind::Game: return PaintGameLogo();
    case LogoKind::Publisher: return PaintPublisherLogo();
    case LogoKind::Maker: return PaintMakerLogo();
  }
  return Picture();
}
