// Painting helpers shared by every picture family: a Cairo canvas, colours, shapes with the house light, glows, noise.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "ImageWrite.h"

constexpr double kPi = 3.14159265358979323846;

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0..1 each
};

Rgb Hex(uint32_t rgb);                       // 0xRRGGBB
Rgb Mix(Rgb a, Rgb b, double t);             // t = 0 gives a
Rgb Lighter(Rgb c, double amount);           // towards white by amount 0..1
Rgb Darker(Rgb c, double amount);            // towards black by amount 0..1
void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void AddStop(cairo_pattern_t* pattern, double offset, Rgb c, double alpha = 1.0);

// An ARGB canvas of a given size; Take() converts it to a straight-alpha Picture.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  cairo_t* cr() const { return cr_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void FillBlack();  // opaque black, the ground of pictures the game draws additively
  Picture Take();

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
  int width_, height_;
};

// A Cairo surface holding the picture (premultiplied), for drawing one picture onto another.
cairo_surface_t* SurfaceFromPicture(const Picture& picture);

// Paths.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// A solid rounded box with the house light: gradient lighter at the top, bevel, specular band, outline.
struct BoxStyle {
  Rgb base;
  double radius = 4;          // corner radius, pixels
  double bevel = 1.5;         // bevel width, pixels
  double specular = 0.40;     // opacity of the soft white band over the upper third
  double outlineDark = 0.65;  // how much darker than the base the outline is
};
void PaintLitBox(cairo_t* cr, double x, double y, double w, double h, const BoxStyle& style);

// A shaded sphere: radial gradient offset to the top left, hard highlight, rim light, outline.
void PaintSphere(cairo_t* cr, double cx, double cy, double radius, Rgb base, bool outline = true);

// A soft radial falloff, brightest in the centre, no hard edge (added onto what is there).
void PaintGlow(cairo_t* cr, double cx, double cy, double radius, Rgb colour, double intensity = 1.0);

// Seeded, smooth value noise in 0..1 and its sum over octaves; same inputs, same output everywhere.
double ValueNoise(double x, double y, uint32_t seed);
double FractalNoise(double x, double y, uint32_t seed, int octaves);
// Value noise that wraps with the given period in x (for seamless scrolling and looping).
double PeriodicNoise(double x, double y, int periodX, uint32_t seed);

// A small deterministic generator for placing sparks, stars and scratches.
class Dice {
 public:
  explicit Dice(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
  uint32_t Next();
  double Unit();                      // 0..1
  double Range(double lo, double hi);  // lo..hi
 private:
  uint32_t state_;
};

// Bold sans text centred on (cx, cy) by its ink box, as a path (the caller fills or strokes it).
void CentredTextPath(cairo_t* cr, const std::string& text, double cx, double cy, double size,
                     bool condensed = false, double squeezeX = 1.0);

// White symbol fill with a dark outline, as capsules and labels carry them.
void FillWithDarkOutline(cairo_t* cr, Rgb fill, Rgb outline, double outlineWidth);
