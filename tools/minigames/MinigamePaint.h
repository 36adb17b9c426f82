// Painting helpers the minigames' pictures share: ink outlines, glossy fills, mirroring and noise that tiles.
#pragma once

#include <cstdint>

#include "ImageWrite.h"
#include "art/Paint.h"

namespace minigames {

// The dark ink every cartoon shape of the minigames is outlined with.
Rgb Ink();

// Strokes the current path in ink, `width` pixels wide, with round joins; the path is kept.
void InkOutline(cairo_t* cr, double width);

// Strokes the current path as a line of `colour` inside a darker edge: first `edgeWidth` wide in `edge`, then
// `width` wide in the colour, round capped and joined; the path is consumed.
void EdgedLine(cairo_t* cr, Rgb colour, double width, double edgeWidth, Rgb edge);

// Fills the current path (kept) with `base` lit from above: lighter at `top`, darker at `bottom` (y in pixels).
void FillLit(cairo_t* cr, Rgb base, double top, double bottom, double light = 0.45, double shade = 0.35);

// Fills the current path as a painted, inked shape: FillLit from `top` to `bottom`, then an ink outline of
// `line` pixels; the path is consumed.
void FillInked(cairo_t* cr, Rgb paint, double top, double bottom, double line = 2.0);

// Adds an ellipse centred on (cx, cy) with radii rx, ry, turned by `turn` radians, as a closed sub-path.
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double turn = 0);

// A soft white ellipse of highlight, brightest at its middle (opacity `alpha`), as a gloss on the upper part of a
// shape; drawn inside whatever clip is set.
void Shine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);

// The picture turned left for right: column x becomes column width - 1 - x.
Picture Mirrored(const Picture& picture);

// Smooth value noise (0..1) that repeats every `period` lattice steps in both directions, summed over
// `octaves` (each doubling the frequency, so the period stays whole).
double TilingNoise(double x, double y, int period, uint32_t seed, int octaves = 1);

// 0..1 to a byte, clamped and rounded.
uint8_t Byte(double v);

}  // namespace minigames
