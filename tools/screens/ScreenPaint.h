// Painting helpers the screens' pictures share: spaced metallic lettering, keyed (hard-alpha) pictures, soft masks.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "art/Paint.h"

namespace screens {

// A face and the spacing of a line of capitals.
struct Lettering {
  const char* family = "DejaVu Sans";
  bool bold = true;
  double capHeight = 34;  // pixels from the baseline to the top of an "H"
  double tracking = 0;    // extra pixels between letters
  double squeeze = 1.0;   // horizontal scale of every glyph
  double fitWidth = 0;    // when set, the glyphs are narrowed (never widened) so the ink is at most this wide
};

// Sets `text` as a path with its ink centred on cx and its baseline on `baseline`; returns the ink's
// left and right edges through `left` and `right` (either may be null).
void LetteringPath(cairo_t* cr, const std::string& text, double cx, double baseline, const Lettering& look,
                   double* left = nullptr, double* right = nullptr);

// Metal from the cap top to the baseline: four colours (top, upper middle, lower middle, bottom).
struct Metal {
  Rgb stops[4];
  Rgb outline;
  double shine = 0.75;  // opacity of the lit upper edge
};
Metal Silver();
Metal Gold();
Metal HotMetal();   // orange-red, for the hard difficulty
Metal DullMetal();  // grey and flat, for what cannot be chosen

// Fills the current path as metal (gradient, darker outline of `outlineWidth`, a thin lit upper edge and a
// shaded lower edge); the path is consumed. `rims` adds coloured neon rings outside the outline first.
struct Rim {
  Rgb colour;
  double width;  // pixels of stroke centred on the letters' edge
  double alpha = 1.0;
};
void FillMetal(cairo_t* cr, double capTop, double baseline, const Metal& metal, double outlineWidth,
               const std::vector<Rim>& rims = {});

// The game blits keyed pictures: a pixel shows when its alpha is at least 128 and it is not pure black.
// Turns a soft picture into that form: alpha 255 or 0, and visible pure black lifted to (1, 1, 1).
void HardenAlpha(Picture& picture);

// Multiplies the alpha by a rounded square `inset` pixels in from the edges whose border fades over
// `feather` pixels, so a picture drawn as a quad has soft rounded edges.
void SoftRoundedEdges(Picture& picture, double inset, double radius, double feather);

// A picture computed pixel by pixel: `shade` gives the straight colour and the alpha (0..1) at a pixel's centre.
struct Tint {
  Rgb colour;
  double alpha = 1;
};
Picture PaintField(int width, int height, const std::function<Tint(double x, double y)>& shade);

// Light that adds up: several glows of their own colour and strength, returned as colour and coverage.
struct LightSum {
  double r = 0, g = 0, b = 0, a = 0;
  void Add(Rgb colour, double strength);  // strength 0..1 of this light at the pixel
  Tint Result() const;                    // the mixed colour, and the coverage clamped to 1
};

// Draws `picture` onto the canvas scaled by `scale` with its top left at (x, y), smoothly filtered.
void DrawPicture(cairo_t* cr, const Picture& picture, double x, double y, double scale = 1.0, double alpha = 1.0);

// Stars in three depths on a strip that wraps vertically every `height` pixels (each star near an edge is
// drawn again one height away), so a scrolling picture has no seam in its star field.
void PaintWrappedStars(cairo_t* cr, int width, int height, uint32_t seed, double density);

}  // namespace screens
