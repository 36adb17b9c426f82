// The sound contact sheet's rows and pictures: loudness, peaks and centroid measured once, a spectrogram per sound.
#include "sfx/SoundCatalogue.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <mutex>

#include "CairoPng.h"
#include "base/AtomicFile.h"
#include "sfx/Fft.h"
#include "sfx/Loudness.h"
#include "sfx/SoundSheet.h"
#include "sfx/Synth.h"

namespace {

struct Row {
  std::string name, kind;
  double seconds, madeLufs, playedLufs, truePeakDb, centroidHz;
};

struct Catalogue {
  std::mutex lock;
  std::string directory;
  std::vector<Row> rows;
};

Catalogue& TheCatalogue() {
  static Catalogue catalogue;
  return catalogue;
}

constexpr int kWidth = 900, kHeight = 260, kTop = 34;

std::string FileStem(const std::string& name) {
  std::string stem = std::filesystem::path(name).filename().string();
  for (char& c : stem) {
    if (c == '\\' || c == ' ' || c == '(' || c == ')') c = '_';
  }
  return stem;
}

bool WritePicture(const std::string& path, const std::string& title, const std::vector<float>& mono, double rate) {
  auto [surface, cr] = NewSheetCanvas(kWidth, kHeight);
  cairo_set_font_size(cr, 13);
  cairo_set_source_rgb(cr, 0.95, 0.96, 0.98);
  cairo_move_to(cr, 10, 20);
  cairo_show_text(cr, title.c_str());
  const int rows = kHeight - kTop - 6;
  PaintSpectrogram(cr, Spectrogram(mono, rate, kWidth - 20, rows), kWidth - 20, rows, 10, kTop, -80.0);
  PaintFrequencyMarks(cr, rate, 10, kTop, rows);
  cairo_destroy(cr);
  const bool written = WriteCairoPng(surface, path);
  cairo_surface_destroy(surface);
  return written;
}

}  // namespace

void SetSoundCatalogueDirectory(const std::string& directory) {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> hold(c.lock);
  c.directory = directory;
  c.rows.clear();
}


double SpectralCentroidHz(const std::vector<float>& mono, double rate) {
  constexpr size_t kSize = 4096;
  std::vector<std::complex<double>> frame(kSize);
  double weighted = 0, total = 0;
  for (size_t start = 0; start < mono.size(); start += kSize / 2) {
    for (size_t i = 0; i < kSize; ++i) {
      const double hann = 0.5 - 0.5 * std::cos(2 * kPi * static_cast<double>(i) / kSize);
      frame[i] = {start + i < mono.size() ? mono[start + i] * hann : 0.0, 0.0};
    }
    Fft(frame);
    for (size_t k = 1; k < kSize / 2; ++k) {
      const double power = std::norm(frame[k]);
      weighted += power * static_cast<double>(k) * rate / kSize;
      total += power;
    }
  }
  return total > 0 ? weighted / total : 0;
}

bool AddToSoundCatalogue(const CatalogueSound& sound) {
  Catalogue& c = TheCatalogue();
  if (c.directory.empty() || sound.samples == nullptr || sound.channels < 1) return true;
  const std::vector<float>& s = *sound.samples;
  const size_t frames = s.size() / static_cast<size_t>(sound.channels);
  std::vector<float> mono(frames);
  for (size_t i = 0; i < frames; ++i) {
    float sum = 0;
    for (int k = 0; k < sound.channels; ++k) sum += s[i * static_cast<size_t>(sound.channels) + static_cast<size_t>(k)];
    mono[i] = sum / static_cast<float>(sound.channels);
  }
  Row row;
  row.name = sound.name;
  row.kind = sound.kind;
  row.seconds = static_cast<double>(frames) / sound.rate;
  // As made: the file's samples at the rate they were made for, from both speakers.
  row.madeLufs = sound.madeLufs > -200   ? sound.madeLufs
                 : sound.channels == 1 ? PlayedLoudness(s, sound.rate)
                                       : IntegratedLoudness(s, sound.channels, sound.rate);
  const double gainDb = 20 * std::log10(std::max(1e-9, sound.playedGain));
  row.playedLufs = sound.playedLufs > -200 ? sound.playedLufs : row.madeLufs + gainDb;
  row.truePeakDb = sound.playedPeakDb > -200 ? sound.playedPeakDb : TruePeakDb(s, sound.channels, sound.rate) + gainDb;
  row.centroidHz = SpectralCentroidHz(mono, sound.rate);
  const std::filesystem::path picture = std::filesystem::path(c.directory) / "spectrograms" / (FileStem(sound.name) + ".png");
  char title[256];
  std::snprintf(title, sizeof title, "%s  |  %s  |  %.2f s, %.1f LUFS as made, %.1f as played, %.1f dBTP, centroid %.0f Hz",
                sound.name.c_str(), sound.kind.c_str(), row.seconds, row.madeLufs, row.playedLufs, row.truePeakDb,
                row.centroidHz);
  if (!WritePicture(picture.string(), title, mono, sound.rate)) return false;
  std::lock_guard<std::mutex> hold(c.lock);
  c.rows.push_back(row);
  return true;
}

bool WriteSoundCatalogue() {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> hold(c.lock);
  if (c.directory.empty()) return true;
  std::vector<Row> rows = c.rows;
  std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.name < b.name; });
  std::string text = "name\tkind\tseconds\tLUFS as made\tLUFS as played\ttrue peak as played (dBTP)\tcentroid (Hz)\n";
  for (const Row& r : rows) {
    char line[512];
    std::snprintf(line, sizeof line, "%s\t%s\t%.3f\t%.1f\t%.1f\t%.1f\t%.0f\n", r.name.c_str(), r.kind.c_str(), r.seconds,
                  r.madeLufs, r.playedLufs, r.truePeakDb, r.centroidHz);
    text += line;
  }
  const std::string path = (std::filesystem::path(c.directory) / "sounds.tsv").string();
  std::string error;
  std::error_code folderError;
  std::filesystem::create_directories(c.directory, folderError);
  if (!WriteFileAtomically(path, text, error)) {
    std::fprintf(stderr, "packbuilder: %s\n", error.c_str());
    return false;
  }
  std::printf("sound sheet: %zu sounds in %s, their spectrograms beside it\n", rows.size(), path.c_str());
  return true;
}
