// The contact sheet of the sound effects: a waveform and a spectrogram of each, to check shapes by eye.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "sfx/Synth.h"

struct SheetSound {
  std::string title;    // first line of the cell: number and name
  std::string what;     // second line: what the effect is
  std::string details;  // third line: rates, duration, levels
  Samples samples;      // as heard
  double rate = 22050;  // samples per second of `samples`
};

// Draws every sound in a grid and writes the PNG under a temporary name, then renames it.
// Returns false (and prints why) when the picture cannot be written.
bool WriteSoundSheet(const std::string& path, const std::vector<SheetSound>& sounds);

// A magnitude spectrogram: `columns` Hann-windowed FFT frames evenly spread over the sound, each
// reduced to `rows` bands on a logarithmic frequency axis from 40 Hz to half the rate; values in dB
// relative to the loudest cell (0 at the top, down to about −120).
std::vector<float> Spectrogram(const Samples& s, double rate, int columns, int rows);

// Paints a spectrogram (as Spectrogram returns it) as a heat map with its top-left at (x, y), the
// highest band on top; `floorDb` is the level painted darkest (e.g. -80).
void PaintSpectrogram(cairo_t* cr, const std::vector<float>& db, int columns, int rows, double x, double y,
                      double floorDb);

// Marks 100 Hz, 1 kHz and 10 kHz beside a spectrogram painted at (x, y), `height` pixels tall, of a sound at `rate`.
void PaintFrequencyMarks(cairo_t* cr, double rate, double x, double y, int height);

