// Key profiles and band spectra of whole tracks, from short-time spectra of their mid channel.
#include "music/TrackProfile.h"

#include <cmath>
#include <complex>

#include "sfx/Fft.h"
#include "sfx/Synth.h"

namespace music {

TrackProfile ProfileOf(const std::vector<float>& s, size_t frames, int rate) {
  TrackProfile profile;
  constexpr size_t kSize = 8192;
  if (rate <= 0 || frames < kSize || s.size() < 2 * frames) return profile;
  const size_t hop = static_cast<size_t>(rate / 4);
  const double edges[kBands - 1] = {60, 125, 250, 500, 1000, 2000, 4000, 8000};
  std::vector<std::complex<double>> frame(kSize);
  std::array<double, 12> pitch{};
  std::array<double, kBands> band{};
  for (size_t start = 0; start + kSize <= frames; start += hop) {
    for (size_t i = 0; i < kSize; ++i) {
      const double hann = 0.5 - 0.5 * std::cos(2 * kPi * static_cast<double>(i) / kSize);
      frame[i] = {0.5 * (s[2 * (start + i)] + s[2 * (start + i) + 1]) * hann, 0.0};
    }
    Fft(frame);
    for (size_t k = 1; k < kSize / 2; ++k) {
      const double hz = static_cast<double>(k) * rate / kSize, power = std::norm(frame[k]);
      int b = 0;
      while (b < kBands - 1 && hz >= edges[b]) ++b;
      band[static_cast<size_t>(b)] += power;
      // Pitch classes from the notes' fundamentals and first overtones, where bins are narrow enough to tell
      // neighbouring semitones apart.
      if (hz >= 80 && hz <= 2500) {
        const double midi = 69 + 12 * std::log2(hz / 440.0);
        const long nearest = std::lround(midi);
        if (std::fabs(midi - static_cast<double>(nearest)) < 0.35) pitch[static_cast<size_t>(((nearest % 12) + 12) % 12)] += power;
      }
    }
  }
  double pitchSum = 0, bandSum = 0;
  for (double p : pitch) pitchSum += p;
  for (double b : band) bandSum += b;
  for (size_t i = 0; i < 12; ++i) profile.pitchClasses[i] = pitchSum > 0 ? pitch[i] / pitchSum : 0;
  for (size_t i = 0; i < kBands; ++i) profile.bands[i] = bandSum > 0 ? band[i] / bandSum : 0;
  return profile;
}

double KeyLikeness(const TrackProfile& a, const TrackProfile& b) {
  double ma = 0, mb = 0;
  for (size_t i = 0; i < 12; ++i) ma += a.pitchClasses[i] / 12, mb += b.pitchClasses[i] / 12;
  double ab = 0, aa = 0, bb = 0;
  for (size_t i = 0; i < 12; ++i) {
    const double x = a.pitchClasses[i] - ma, y = b.pitchClasses[i] - mb;
    ab += x * y, aa += x * x, bb += y * y;
  }
  return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 1.0;
}

double BandDistanceDb(const TrackProfile& a, const TrackProfile& b) {
  double sum = 0;
  for (size_t i = 0; i < kBands; ++i) {
    const double d = 10 * std::log10((a.bands[i] + 1e-9) / (b.bands[i] + 1e-9));
    sum += d * d;
  }
  return std::sqrt(sum / kBands);
}

}  // namespace music
