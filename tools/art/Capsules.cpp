// Capsules, 32 x 32: a turning drum in the kind's colour carrying its letter or symbol, white with a dark outline.
#include <cmath>
#include <map>

#include "art/ArtFamilies.h"
#include "art/Paint.h"

namespace {

struct CapsuleLook {
  uint32_t colour;     // body colour
  const char* symbol;  // a letter, or "ball" / "heart" for the drawn symbols
};

// What each capsule does decides its mark: T triple, E enlarge, F fire, L laser, G glue, M missile,
// D door, R row (the thread), a ball for bigger balls, C chaingun, a heart for an extra life,
// ? for the random malus, and the five letters of BONUS on gold.
const std::map<std::string, CapsuleLook>& Looks() {
  static const std::map<std::string, CapsuleLook> looks = {
      {"t", {0x20C4EC, "T"}},     {"e", {0x2F7BFF, "E"}},     {"f", {0xFF7A1A, "F"}},
      {"l", {0xE83CD8, "L"}},     {"c", {0x2ED158, "G"}},     {"m", {0x8A4CFF, "M"}},
      {"b", {0x14B894, "D"}},     {"r", {0x4A9CFF, "R"}},     {"s", {0xE0A020, "ball"}},
      {"g", {0x7C8AA4, "C"}},     {"p", {0xFF4F8A, "heart"}}, {"malus", {0xD8301A, "?"}},
      {"B", {0xFFC23D, "B"}},     {"O", {0xFFC23D, "O"}},     {"N", {0xFFC23D, "N"}},
      {"U", {0xFFC23D, "U"}},     {"S", {0xFFC23D, "S"}},
  };
  return looks;
}

constexpr double kCx = 16, kCy = 16;
constexpr double kBodyX = 1, kBodyY = 5, kBodyW = 30, kBodyH = 22;
constexpr double kDrumRadius = 13;  // pixels from the turning axis to the surface

void SymbolPath(cairo_t* cr, const std::string& symbol, double x, double squeeze) {
  cairo_save(cr);
  cairo_translate(cr, x, kCy);
  cairo_scale(cr, squeeze, 1.0);
  if (symbol == "ball") {
    cairo_new_sub_path(cr);
    cairo_arc(cr, -1.5, 1, 6, 0, 2 * kPi);
    // A small plus beside it: the balls grow.
    cairo_rectangle(cr, 5, -8, 5, 1.8);
    cairo_rectangle(cr, 6.6, -9.6, 1.8, 5);
  } else if (symbol == "heart") {
    cairo_move_to(cr, 0, 8);
    cairo_curve_to(cr, -9, 1, -8, -8, -3.5, -7);
    cairo_curve_to(cr, -1.5, -6.6, -0.4, -5, 0, -3.8);
    cairo_curve_to(cr, 0.4, -5, 1.5, -6.6, 3.5, -7);
    cairo_curve_to(cr, 8, -8, 9, 1, 0, 8);
    cairo_close_path(cr);
  } else {
    CentredTextPath(cr, symbol, 0, 0, 18, false, symbol == "M" ? 0.85 : 1.0);
  }
  cairo_restore(cr);
}

}  // namespace

Picture PaintCapsule(const std::string& kind, int frame) {
  Canvas canvas(32, 32);
  cairo_t* cr = canvas.cr();
  auto it = Looks().find(kind);
  if (it == Looks().end()) return canvas.Take();
  const Rgb base = Hex(it->second.colour);
  const bool letter = kind.size() == 1 && kind[0] >= 'A' && kind[0] <= 'Z';
  // Both faces carry the mark, so half a turn in 16 frames loops seamlessly.
  const double theta = frame * kPi / 16.0;

  if (letter) PaintGlow(cr, kCx, kCy, 16, Hex(0xFFD870), 0.55);
  // Drum body: lit across (the turning axis is vertical) and from the top.
  RoundedRect(cr, kBodyX, kBodyY, kBodyW, kBodyH, 10);
  cairo_pattern_t* across = cairo_pattern_create_linear(kBodyX, 0, kBodyX + kBodyW, 0);
  AddStop(across, 0.0, Darker(base, 0.45));
  AddStop(across, 0.28, Lighter(base, 0.35));
  AddStop(across, 0.6, base);
  AddStop(across, 1.0, Darker(base, 0.55));
  cairo_set_source(cr, across);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(across);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_pattern_t* down = cairo_pattern_create_linear(0, kBodyY, 0, kBodyY + kBodyH);
  cairo_pattern_add_color_stop_rgba(down, 0.0, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(down, 0.45, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(down, 0.7, 0, 0, 0, 0.0);
  cairo_pattern_add_color_stop_rgba(down, 1.0, 0, 0, 0, 0.35);
  cairo_set_source(cr, down);
  cairo_fill(cr);
  cairo_pattern_destroy(down);
  // Seams on the drum move across as it turns.
  for (int k = 0; k < 4; ++k) {
    double phi = theta + k * kPi / 2 + kPi / 4;
    double facing = std::cos(phi);
    if (facing <= 0.05) continue;
    double x = kCx + kDrumRadius * std::sin(phi);
    cairo_set_line_width(cr, 1.0);
    SetColour(cr, Darker(base, 0.6), 0.5 * facing);
    cairo_move_to(cr, x, kBodyY);
    cairo_line_to(cr, x, kBodyY + kBodyH);
    cairo_stroke(cr);
    SetColour(cr, Lighter(base, 0.7), 0.35 * facing);
    cairo_move_to(cr, x + 1, kBodyY);
    cairo_line_to(cr, x + 1, kBodyY + kBodyH);
    cairo_stroke(cr);
  }
  // End caps in metal make it read as a capsule.
  Rgb cap = letter ? Hex(0xB0741A) : Hex(0xB4C0D4);
  for (double x : {kBodyX, kBodyX + kBodyW - 4}) {
    cairo_rectangle(cr, x, kBodyY, 4, kBodyH);
    cairo_pattern_t* metal = cairo_pattern_create_linear(0, kBodyY, 0, kBodyY + kBodyH);
    AddStop(metal, 0, Lighter(cap, 0.5));
    AddStop(metal, 0.5, cap);
    AddStop(metal, 1, Darker(cap, 0.5));
    cairo_set_source(cr, metal);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
  }
  cairo_restore(cr);

  // The mark: squeezed by the cosine of its angle as it rides round.
  double psi = theta - kPi * std::round(theta / kPi);
  double squeeze = std::cos(psi);
  if (squeeze > 0.12) {
    SymbolPath(cr, it->second.symbol, kCx + kDrumRadius * 0.75 * std::sin(psi), squeeze);
    Rgb fill = kind == "p" ? Hex(0xFFF0F4) : Rgb{1, 1, 1};
    FillWithDarkOutline(cr, fill, Darker(base, 0.8), 1.3);
  }
  // Specular band and outline over everything.
  cairo_save(cr);
  cairo_translate(cr, 13, kBodyY + 5);
  cairo_scale(cr, 11, 3.2);
  cairo_pattern_t* shine = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, 0.45);
  cairo_pattern_add_color_stop_rgba(shine, 1, 1, 1, 1, 0);
  cairo_set_source(cr, shine);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(shine);
  cairo_restore(cr);
  RoundedRect(cr, kBodyX + 0.5, kBodyY + 0.5, kBodyW - 1, kBodyH - 1, 9.5);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Darker(base, 0.8));
  cairo_stroke(cr);
  return canvas.Take();
}
