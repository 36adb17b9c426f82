// The picture of a rendered track: both channels' waveforms, loudness per second, spectrogram, loop seam.
#include "music/MusicSheet.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "CairoPng.h"
#include "music/LoopMeasure.h"
#include "sfx/SoundSheet.h"

namespace music {

namespace {

constexpr int kWidth = 1600, kLeft = 60, kPlot = kWidth - kLeft - 16;
constexpr int kHeadTop = 0, kWaveTop = 78, kWaveHeight = 180, kLoudTop = 274, kLoudHeight = 90;
constexpr int kSpecTop = 382, kSpecHeight = 240, kDetailTop = 646, kDetailHeight = 260;
constexpr int kSeamTop = 930, kSeamHeight = 150, kHeight = 1110;

void Label(cairo_t* cr, double x, double y, const std::string& text, double size, double grey = 0.75) {
  cairo_set_font_size(cr, size);
  cairo_set_source_rgb(cr, grey, grey, grey + 0.05);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

void Panel(cairo_t* cr, double top, double height) {
  cairo_set_source_rgb(cr, 0.06, 0.07, 0.1);
  cairo_rectangle(cr, kLeft, top, kPlot, height);
  cairo_fill(cr);
}

void BarLines(cairo_t* cr, const MusicSheet& s, double top, double height) {
  if (s.bars <= 0) return;
  for (int b = 0; b <= s.bars; ++b) {
    double x = kLeft + std::floor(static_cast<double>(b) / s.bars * kPlot) + 0.5;
    bool block = b % 8 == 0;
    cairo_set_source_rgba(cr, 1, 1, 1, block ? 0.35 : 0.1);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x, top + height);
    cairo_stroke(cr);
  }
}

void Waveforms(cairo_t* cr, const MusicSheet& s) {
  Panel(cr, kWaveTop, kWaveHeight);
  double lane = kWaveHeight / 2.0;
  for (int c = 0; c < 2; ++c) {
    double mid = kWaveTop + lane * c + lane / 2, half = lane / 2 - 2;
    // Guides at −1 dBFS, the most a peak may reach.
    double guide = std::pow(10.0, -1.0 / 20.0) * half;
    cairo_set_source_rgb(cr, 0.45, 0.18, 0.18);
    for (double y : {mid - guide, mid + guide}) {
      cairo_move_to(cr, kLeft, std::floor(y) + 0.5);
      cairo_line_to(cr, kLeft + kPlot, std::floor(y) + 0.5);
    }
    cairo_stroke(cr);
    if (c == 0) cairo_set_source_rgb(cr, 0.3, 0.85, 1.0);
    else cairo_set_source_rgb(cr, 1.0, 0.55, 0.85);
    for (int x = 0; x < kPlot; ++x) {
      size_t from = s.frames * static_cast<size_t>(x) / kPlot, to = std::max(from + 1, s.frames * (x + 1) / kPlot);
      float lo = 0, hi = 0;
      for (size_t i = from; i < to && i < s.frames; ++i) {
        lo = std::min(lo, s.interleaved[2 * i + c]);
        hi = std::max(hi, s.interleaved[2 * i + c]);
      }
      cairo_rectangle(cr, kLeft + x, mid - hi * half, 1, std::max(1.0, (hi - lo) * half));
    }
    cairo_fill(cr);
    Label(cr, 8, mid + 4, c == 0 ? "left" : "right", 11);
  }
  BarLines(cr, s, kWaveTop, kWaveHeight);
}

void Loudness(cairo_t* cr, const MusicSheet& s) {
  Panel(cr, kLoudTop, kLoudHeight);
  auto y = [](double db) { return kLoudTop + kLoudHeight * (1.0 - std::clamp((db + 36.0) / 36.0, 0.0, 1.0)); };
  for (double db : {-30.0, -20.0, -10.0}) {
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_move_to(cr, kLeft, std::floor(y(db)) + 0.5);
    cairo_line_to(cr, kLeft + kPlot, std::floor(y(db)) + 0.5);
    cairo_stroke(cr);
    Label(cr, 8, y(db) + 4, std::to_string(static_cast<int>(db)) + " dB", 10, 0.6);
  }
  cairo_set_source_rgba(cr, 1.0, 0.8, 0.3, 0.6);
  const double dash[] = {4, 4};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_move_to(cr, kLeft, y(s.targetDb));
  cairo_line_to(cr, kLeft + kPlot, y(s.targetDb));
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  std::vector<double> perSecond = WindowLoudness(s.interleaved, s.frames, s.rate, 1.0, 0.25);
  cairo_set_source_rgb(cr, 0.5, 1.0, 0.5);
  cairo_set_line_width(cr, 1.5);
  for (size_t i = 0; i < perSecond.size(); ++i) {
    double t = (static_cast<double>(i) * 0.25 + 0.5) * s.rate / static_cast<double>(s.frames);
    double x = kLeft + t * kPlot;
    if (i == 0) cairo_move_to(cr, x, y(perSecond[i]));
    else cairo_line_to(cr, x, y(perSecond[i]));
  }
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1);
  BarLines(cr, s, kLoudTop, kLoudHeight);
}

// The spectrogram of the first `frames` samples, drawn `height` pixels high from `top`.
void Spectrum(cairo_t* cr, const MusicSheet& s, size_t frames, int top, int kSpecHeight) {
  const int kSpecTop = top;
  std::vector<float> mono(frames);
  for (size_t i = 0; i < frames; ++i) mono[i] = 0.5f * (s.interleaved[2 * i] + s.interleaved[2 * i + 1]);
  std::vector<float> db = Spectrogram(mono, s.rate, kPlot, kSpecHeight);
  PaintSpectrogram(cr, db, kPlot, kSpecHeight, kLeft, kSpecTop, -90.0);
  double highest = std::log(s.rate / 2.0), bottom = std::log(40.0);
  for (double f : {100.0, 300.0, 1000.0, 3000.0, 10000.0}) {
    double yy = kSpecTop + kSpecHeight * (1.0 - (std::log(f) - bottom) / (highest - bottom));
    cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
    cairo_move_to(cr, kLeft - 6, std::floor(yy) + 0.5);
    cairo_line_to(cr, kLeft, std::floor(yy) + 0.5);
    cairo_stroke(cr);
    Label(cr, 8, yy + 4, f >= 1000 ? std::to_string(static_cast<int>(f / 1000)) + " kHz" : std::to_string(static_cast<int>(f)) + " Hz", 10, 0.6);
  }
}

// The last and the first 25 ms side by side: the loop point sits on the red line.
void Seam(cairo_t* cr, const MusicSheet& s) {
  Panel(cr, kSeamTop, kSeamHeight);
  size_t span = std::min(s.frames / 2, static_cast<size_t>(0.025 * s.rate));
  float peak = 1e-4f;
  auto at = [&](long i, int c) { return s.interleaved[2 * ((i + static_cast<long>(s.frames)) % static_cast<long>(s.frames)) + c]; };
  for (long i = -static_cast<long>(span); i < static_cast<long>(span); ++i) {
    peak = std::max({peak, std::fabs(at(i, 0)), std::fabs(at(i, 1))});
  }
  double mid = kSeamTop + kSeamHeight / 2.0, half = kSeamHeight / 2.0 - 6;
  for (int c = 0; c < 2; ++c) {
    if (c == 0) cairo_set_source_rgb(cr, 0.3, 0.85, 1.0);
    else cairo_set_source_rgb(cr, 1.0, 0.55, 0.85);
    for (long i = -static_cast<long>(span); i < static_cast<long>(span); ++i) {
      double x = kLeft + (static_cast<double>(i + static_cast<long>(span)) / (2.0 * span)) * kPlot;
      double yy = mid - at(i, c) / peak * half;
      if (i == -static_cast<long>(span)) cairo_move_to(cr, x, yy);
      else cairo_line_to(cr, x, yy);
    }
    cairo_stroke(cr);
  }
  cairo_set_source_rgb(cr, 1, 0.2, 0.2);
  cairo_move_to(cr, kLeft + kPlot / 2.0 + 0.5, kSeamTop);
  cairo_line_to(cr, kLeft + kPlot / 2.0 + 0.5, kSeamTop + kSeamHeight);
  cairo_stroke(cr);
  char text[120];
  std::snprintf(text, sizeof text, "loop seam: last 25 ms | first 25 ms, scaled to %.3f full scale", peak);
  Label(cr, kLeft, kSeamTop + kSeamHeight + 16, text, 11);
}

}  // namespace

bool WriteMusicSheet(const std::string& path, const MusicSheet& s) {
  if (s.frames < 2 || s.interleaved.size() < s.frames * 2) {
    std::fprintf(stderr, "packbuilder: no samples for the music sheet %s\n", path.c_str());
    return false;
  }
  auto [surface, cr] = NewSheetCanvas(kWidth, kHeight);
  cairo_set_line_width(cr, 1);
  for (size_t i = 0; i < s.lines.size(); ++i) {
    Label(cr, 12, kHeadTop + 24 + 18.0 * static_cast<double>(i), s.lines[i], i == 0 ? 17 : 12, i == 0 ? 0.96 : 0.72);
  }
  Waveforms(cr, s);
  Label(cr, kLeft, kLoudTop - 4, "loudness, 1 s windows (dashed: target)", 10, 0.6);
  Loudness(cr, s);
  Spectrum(cr, s, s.frames, kSpecTop, kSpecHeight);
  // The first four bars at a scale where single notes and drum hits show, beats marked.
  size_t detail = s.bars > 4 ? s.frames * 4 / static_cast<size_t>(s.bars) : s.frames;
  Spectrum(cr, s, detail, kDetailTop, kDetailHeight);
  for (int beat = 0; beat <= 16; ++beat) {
    double x = kLeft + std::floor(beat / 16.0 * kPlot) + 0.5;
    cairo_set_source_rgba(cr, 1, 1, 1, beat % 4 == 0 ? 0.5 : 0.18);
    cairo_move_to(cr, x, kDetailTop - 6);
    cairo_line_to(cr, x, kDetailTop);
    cairo_stroke(cr);
  }
  Label(cr, kLeft, kDetailTop - 9, "the first four bars (ticks on the beats)", 10, 0.6);
  Seam(cr, s);
  cairo_destroy(cr);
  bool written = WriteCairoPng(surface, path);
  cairo_surface_destroy(surface);
  return written;
}

}  // namespace music
