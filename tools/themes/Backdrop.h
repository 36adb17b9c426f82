// Painting helpers for the level backgrounds: shaded fields, star fields, ridges, trees, and the final toning.
#pragma once

#include <cstdint>
#include <functional>

#include "art/Paint.h"

// Every background covers the playfield as the game draws picture 2077: top-left at (80, 20), reaching the
// right panel at x 820 and the bottom of the screen.
constexpr int kBackgroundWidth = 740;   // pixels
constexpr int kBackgroundHeight = 748;  // pixels

double Clamp01(double v);
inline Rgb Plus(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb Times(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
double SmoothStep(double edge0, double edge1, double v);
// Sum of octaves of |2n - 1| folded to ridges: thin bright lines where the noise crosses its middle.
double RidgedNoise(double x, double y, uint32_t seed, int octaves);
// Value noise that wraps in both directions with the given periods (for tiling pictures).
double TilingNoise(double x, double y, int periodX, int periodY, uint32_t seed, int octaves);

// Fills the canvas with `shade` evaluated every `step` pixels and interpolated smoothly in between, with a
// faint fixed dither so dark gradients do not band once they are stored as JPEG.
void PaintShaded(Canvas& canvas, int step, const std::function<Rgb(double x, double y)>& shade);

// Three depths of stars: many faint points, some medium ones with a small glow, a few bright ones with a
// cross flare. `density` 1 is a clear night sky; stars fade out below `fadeFrom` (fraction of the height)
// and are gone at `fadeTo`. `accept` (optional) keeps a star at (x, y) with its returned probability.
void PaintStars(cairo_t* cr, int width, int height, uint32_t seed, double density, double fadeFrom, double fadeTo,
                Rgb tint = {0.85, 0.9, 1.0}, const std::function<double(double x, double y)>& accept = nullptr);

// A skyline made of octaves of noise: y of the top of the land at x.
struct Ridge {
  double baseY = 0;       // pixels
  double amplitude = 0;   // pixels of rise above baseY at the noise's highest
  double wavelength = 0;  // pixels of the largest feature
  uint32_t seed = 0;
  int octaves = 5;
  bool sharp = false;     // folded noise: peaks instead of rolling hills
  double TopAt(double x) const;
};

// Fills the land under the ridge with a vertical gradient from `top` at the ridge to `bottom` at the
// picture's bottom, and lights the skyline with a thin rim of `rim` (alpha `rimAlpha`) from the sky.
void PaintRidge(cairo_t* cr, int width, int height, const Ridge& ridge, Rgb top, Rgb bottom, Rgb rim = {},
                double rimAlpha = 0);

// A mountain: its peak at (x, topY), its foot `halfWidth` either side on baseY. The face left of the crest
// takes the light (`lit`), the right one is in shadow (`shade`); the upper part is capped with snow.
struct Peak {
  double x, topY, baseY, halfWidth;  // pixels
};
void PaintPeak(cairo_t* cr, const Peak& peak, Rgb lit, Rgb shade, Rgb snowLit, Rgb snowShade, Dice& dice);

// A fir silhouette standing on (x, baseY), `height` pixels tall, in tiers of jagged branches.
void PaintPine(cairo_t* cr, double x, double baseY, double height, Rgb colour, Dice& dice);
// A broad-leaved tree silhouette: a tapering trunk, forking branches and clumps of leaves.
void PaintLeafyTree(cairo_t* cr, double x, double baseY, double height, Rgb colour, Dice& dice,
                    double leafAlpha = 1.0);
// A bare dead tree: forking branches only.
void PaintDeadTree(cairo_t* cr, double x, double baseY, double height, Rgb colour, Dice& dice);

// A soft glow added onto the picture (the sun behind haze, a moon's halo, a torch).
void AddGlow(cairo_t* cr, double cx, double cy, double radius, Rgb colour, double intensity);

// Darkens the lower part where the ship flies: black at alpha 0 at `from` (fraction of the height) rising
// to `strength` at the bottom.
void DarkenBottom(cairo_t* cr, int width, int height, double from, double strength);
// Darkens the corners a little, which frames the playfield and keeps the eye on the middle.
void Vignette(cairo_t* cr, int width, int height, double strength);

// The last step of every background: caps the brightness and the saturation so the play objects, which
// are brighter and more saturated, always stand out.
void ToneDown(Picture& picture, double maxValue, double maxSaturation);
// Takes the canvas's picture and tones it down.
Picture FinishBackground(Canvas& canvas, double maxValue, double maxSaturation);
