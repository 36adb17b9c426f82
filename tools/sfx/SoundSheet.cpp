// The contact sheet of the sound effects: a waveform and a spectrogram of each, to check shapes by eye.
#include "sfx/SoundSheet.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "CairoPng.h"
#include "sfx/Fft.h"

namespace {

constexpr int kColumns = 3;
constexpr int kCellWidth = 500, kCellHeight = 262;
constexpr int kPlotLeft = 12, kPlotWidth = 476;
constexpr int kWaveTop = 56, kWaveHeight = 64;
constexpr int kSpectrumTop = 126, kSpectrumHeight = 118;

// Dark blue through magenta and orange to pale yellow, for −80..0 dB.
void HeatColour(double db, double floorDb, uint8_t& r, uint8_t& g, uint8_t& b) {
  double x = std::clamp((db - floorDb) / -floorDb, 0.0, 1.0);
  const double stops[][3] = {{0.02, 0.02, 0.06}, {0.20, 0.05, 0.45}, {0.75, 0.15, 0.55}, {0.98, 0.55, 0.10},
                             {1.0, 0.97, 0.70}};
  double position = x * 4.0;
  int k = std::min(3, static_cast<int>(position));
  double f = position - k;
  r = static_cast<uint8_t>(255 * (stops[k][0] + (stops[k + 1][0] - stops[k][0]) * f));
  g = static_cast<uint8_t>(255 * (stops[k][1] + (stops[k + 1][1] - stops[k][1]) * f));
  b = static_cast<uint8_t>(255 * (stops[k][2] + (stops[k + 1][2] - stops[k][2]) * f));
}

void DrawWaveform(cairo_t* cr, const SheetSound& sound, double x0, double y0) {
  cairo_set_source_rgb(cr, 0.07, 0.08, 0.12);
  cairo_rectangle(cr, x0, y0, kPlotWidth, kWaveHeight);
  cairo_fill(cr);
  double mid = y0 + kWaveHeight / 2.0, half = kWaveHeight / 2.0 - 1;
  // Guides at −3 dBFS, where the peaks are meant to sit.
  cairo_set_source_rgb(cr, 0.35, 0.2, 0.2);
  cairo_set_line_width(cr, 1);
  double guide = std::pow(10.0, -3.0 / 20.0) * half;
  for (double y : {mid - guide, mid + guide}) {
    cairo_move_to(cr, x0, std::floor(y) + 0.5);
    cairo_line_to(cr, x0 + kPlotWidth, std::floor(y) + 0.5);
  }
  cairo_stroke(cr);
  size_t n = sound.samples.size();
  if (n == 0) return;
  cairo_set_source_rgb(cr, 0.3, 0.9, 1.0);
  for (int x = 0; x < kPlotWidth; ++x) {
    size_t from = n * static_cast<size_t>(x) / kPlotWidth, to = std::max(from + 1, n * (x + 1) / kPlotWidth);
    float lo = 1, hi = -1;
    for (size_t i = from; i < to && i < n; ++i) {
      lo = std::min(lo, sound.samples[i]);
      hi = std::max(hi, sound.samples[i]);
    }
    cairo_rectangle(cr, x0 + x, mid - hi * half, 1, std::max(1.0, (hi - lo) * half));
  }
  cairo_fill(cr);
}

void DrawSpectrogram(cairo_t* cr, const SheetSound& sound, double x0, double y0) {
  std::vector<float> db = Spectrogram(sound.samples, sound.rate, kPlotWidth, kSpectrumHeight);
  PaintSpectrogram(cr, db, kPlotWidth, kSpectrumHeight, x0, y0, -80.0);
  PaintFrequencyMarks(cr, sound.rate, x0, y0, kSpectrumHeight);
}

}  // namespace

std::vector<float> Spectrogram(const Samples& s, double rate, int columns, int rows) {
  std::vector<float> out(static_cast<size_t>(columns) * rows, -120.0f);
  if (s.empty() || columns <= 0 || rows <= 0) return out;
  // A window of about 20 ms: fine enough in time for clicks, in frequency for bells.
  size_t size = 64;
  while (static_cast<double>(size) < rate * 0.02 && size < 4096) size <<= 1;
  std::vector<std::complex<double>> frame(size);
  std::vector<double> magnitude(size / 2);
  double low = std::log(40.0), high = std::log(rate / 2.0);
  for (int column = 0; column < columns; ++column) {
    double centre = (column + 0.5) * static_cast<double>(s.size()) / columns;
    for (size_t i = 0; i < size; ++i) {
      double index = centre - static_cast<double>(size) / 2 + static_cast<double>(i);
      double v = (index >= 0 && index < static_cast<double>(s.size())) ? s[static_cast<size_t>(index)] : 0.0;
      double hann = 0.5 - 0.5 * std::cos(2 * kPi * static_cast<double>(i) / static_cast<double>(size));
      frame[i] = {v * hann, 0.0};
    }
    Fft(frame);
    for (size_t k = 0; k < size / 2; ++k) magnitude[k] = std::abs(frame[k]) * 4.0 / static_cast<double>(size);
    for (int row = 0; row < rows; ++row) {
      double f0 = std::exp(low + (high - low) * row / rows), f1 = std::exp(low + (high - low) * (row + 1) / rows);
      size_t b0 = static_cast<size_t>(f0 / rate * static_cast<double>(size));
      size_t b1 = std::max(b0 + 1, static_cast<size_t>(f1 / rate * static_cast<double>(size)));
      double peak = 0;
      for (size_t k = b0; k < b1 && k < size / 2; ++k) peak = std::max(peak, magnitude[k]);
      out[static_cast<size_t>(column) * rows + row] = static_cast<float>(20.0 * std::log10(peak + 1e-6));
    }
  }
  return out;
}

bool WriteSoundSheet(const std::string& path, const std::vector<SheetSound>& sounds) {
  int rowsOfCells = (static_cast<int>(sounds.size()) + kColumns - 1) / kColumns;
  int width = kColumns * kCellWidth, height = std::max(1, rowsOfCells) * kCellHeight;
  auto [surface, cr] = NewSheetCanvas(width, height);
  for (size_t i = 0; i < sounds.size(); ++i) {
    double x = static_cast<double>(i % kColumns) * kCellWidth, y = static_cast<double>(i / kColumns) * kCellHeight;
    const SheetSound& sound = sounds[i];
    cairo_save(cr);
    cairo_rectangle(cr, x, y, kCellWidth - 4, kCellHeight);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.95, 0.96, 0.98);
    cairo_set_font_size(cr, 13);
    cairo_move_to(cr, x + kPlotLeft, y + 18);
    cairo_show_text(cr, sound.title.c_str());
    cairo_set_source_rgb(cr, 0.7, 0.74, 0.8);
    cairo_set_font_size(cr, 10.5);
    cairo_move_to(cr, x + kPlotLeft, y + 33);
    cairo_show_text(cr, sound.what.c_str());
    cairo_move_to(cr, x + kPlotLeft, y + 48);
    cairo_show_text(cr, sound.details.c_str());
    DrawWaveform(cr, sound, x + kPlotLeft, y + kWaveTop);
    DrawSpectrogram(cr, sound, x + kPlotLeft, y + kSpectrumTop);
    // Time ticks every 10, 100 or 1000 ms, whichever gives a readable count.
    double seconds = static_cast<double>(sound.samples.size()) / sound.rate;
    double tick = seconds > 1.5 ? 0.5 : seconds > 0.3 ? 0.1 : seconds > 0.06 ? 0.01 : 0.005;
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    for (double t = 0; t <= seconds && seconds > 0; t += tick) {
      double tx = x + kPlotLeft + std::floor(t / seconds * kPlotWidth) + 0.5;
      cairo_move_to(cr, tx, y + kSpectrumTop + kSpectrumHeight);
      cairo_line_to(cr, tx, y + kSpectrumTop + kSpectrumHeight + 4);
    }
    cairo_stroke(cr);
    char axis[64];
    std::snprintf(axis, sizeof axis, "ticks every %g ms", tick * 1000);
    cairo_set_font_size(cr, 9);
    cairo_move_to(cr, x + kPlotLeft, y + kSpectrumTop + kSpectrumHeight + 13);
    cairo_show_text(cr, axis);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  bool written = WriteCairoPng(surface, path);
  cairo_surface_destroy(surface);
  return written;
}

void PaintSpectrogram(cairo_t* cr, const std::vector<float>& db, int columns, int rows, double x, double y,
                      double floorDb) {
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, columns, rows);
  cairo_surface_flush(image);
  unsigned char* data = cairo_image_surface_get_data(image);
  int stride = cairo_image_surface_get_stride(image);
  for (int row = 0; row < rows; ++row) {
    uint32_t* line = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(stride) * row);
    for (int column = 0; column < columns; ++column) {
      uint8_t r, g, b;
      // Row 0 of the picture is the highest band.
      HeatColour(db[static_cast<size_t>(column) * rows + (rows - 1 - row)], floorDb, r, g, b);
      line[column] = (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
    }
  }
  cairo_surface_mark_dirty(image);
  cairo_set_source_surface(cr, image, x, y);
  cairo_paint(cr);
  cairo_surface_destroy(image);
}

void PaintFrequencyMarks(cairo_t* cr, double rate, double x0, double y0, int height) {
  // On the logarithmic axis of Spectrogram, from 40 Hz to half the rate.
  double top = std::log(rate / 2.0), bottom = std::log(40.0);
  cairo_set_font_size(cr, 9);
  for (double f : {100.0, 1000.0, 10000.0}) {
    if (f >= rate / 2.0) continue;
    double y = y0 + height * (1.0 - (std::log(f) - bottom) / (top - bottom));
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_move_to(cr, x0, std::floor(y) + 0.5);
    cairo_line_to(cr, x0 + 8, std::floor(y) + 0.5);
    cairo_stroke(cr);
    cairo_move_to(cr, x0 + 10, y + 3);
    cairo_show_text(cr, f >= 1000 ? (std::to_string(static_cast<int>(f / 1000)) + " kHz").c_str()
                                  : (std::to_string(static_cast<int>(f)) + " Hz").c_str());
  }
}

