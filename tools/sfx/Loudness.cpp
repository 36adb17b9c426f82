// Loudness (K-weighted, gated, as EBU R128 measures it), true peak, and mastering a sound to both.
#include "sfx/Loudness.h"

#include <algorithm>
#include <cmath>

#include "sfx/Synth.h"

namespace {

// A biquad in direct form I.
struct Biquad {
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double Run(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

// The two K-weighting stages at any sample rate, from their analogue prototypes (a shelf of about +4 dB
// above 1.7 kHz, the head's effect, and a high-pass at 38 Hz).
Biquad Shelf(double rate) {
  const double f0 = 1681.974450955533, gain = 3.999843853973347, q = 0.7071752369554196;
  const double k = std::tan(kPi * f0 / rate), vh = std::pow(10.0, gain / 20.0), vb = std::pow(vh, 0.4996667741545416);
  const double a0 = 1 + k / q + k * k;
  return {(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
          2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

Biquad HighPass(double rate) {
  const double f0 = 38.13547087602444, q = 0.5003270373238773;
  const double k = std::tan(kPi * f0 / rate), a0 = 1 + k / q + k * k;
  return {1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

}  // namespace

double IntegratedLoudness(const std::vector<float>& s, double rate) {
  if (s.empty() || rate <= 0) return -200;
  Biquad shelf = Shelf(rate), highPass = HighPass(rate);
  std::vector<double> weighted(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const double y = highPass.Run(shelf.Run(s[i]));
    weighted[i] = y * y;
  }
  // Mean power of 400 ms blocks, each starting 100 ms after the last.
  const size_t block = std::min(s.size(), static_cast<size_t>(0.4 * rate)), hop = std::max<size_t>(1, block / 4);
  std::vector<double> powers;
  for (size_t start = 0; start + block <= s.size(); start += hop) {
    double sum = 0;
    for (size_t i = start; i < start + block; ++i) sum += weighted[i];
    powers.push_back(sum / static_cast<double>(block));
  }
  auto lufs = [](double power) { return power > 0 ? -0.691 + 10 * std::log10(power) : -200.0; };
  // Two gates: blocks under −70 LUFS, then blocks 10 LU under the loudness of what remains, are left out.
  auto gatedMean = [&](double floor) {
    double sum = 0;
    int count = 0;
    for (double p : powers)
      if (lufs(p) > floor) sum += p, ++count;
    return count ? sum / count : 0.0;
  };
  const double ungated = gatedMean(-70);
  if (ungated <= 0) return -200;
  return lufs(gatedMean(lufs(ungated) - 10));
}

double TruePeakDb(const std::vector<float>& s) {
  // Four phases of a windowed-sinc interpolator, 12 taps each side.
  constexpr int kTaps = 12, kFactor = 4;
  double peak = 0;
  const long n = static_cast<long>(s.size());
  for (long i = 0; i < n; ++i) {
    peak = std::max(peak, static_cast<double>(std::fabs(s[i])));
    for (int phase = 1; phase < kFactor; ++phase) {
      const double frac = static_cast<double>(phase) / kFactor;
      double sum = 0;
      for (int k = -kTaps + 1; k <= kTaps; ++k) {
        const long j = i + k;
        if (j < 0 || j >= n) continue;
        const double t = k - frac;  // distance from the point between samples to sample j
        const double sinc = std::sin(kPi * t) / (kPi * t);
        const double window = 0.5 + 0.5 * std::cos(kPi * t / (kTaps + 1));
        sum += s[j] * sinc * window;
      }
      peak = std::max(peak, std::fabs(sum));
    }
  }
  return peak > 0 ? 20 * std::log10(peak) : -200;
}

void MasterToLoudness(std::vector<float>& s, double rate, double targetLufs, double ceilingDb) {
  const size_t window = static_cast<size_t>(0.002 * rate) + 1;
  const double release = 1 - std::exp(-1.0 / (0.06 * rate));
  for (int round = 0; round < 8; ++round) {
    const double loudness = IntegratedLoudness(s, rate);
    if (loudness <= -200) return;
    const float gain = static_cast<float>(std::pow(10.0, (targetLufs - loudness) / 20.0));
    for (float& v : s) v *= gain;
    if (TruePeakDb(s) <= ceilingDb) return;
    // The gain each sample may have; the least of it over the next 2 ms, averaged over the last 2 ms, never
    // exceeds what any sample needs, and it dips smoothly before each peak. It recovers over about 60 ms.
    // The threshold sits a little lower each round for the overshoot between samples.
    const double limit = std::pow(10.0, (ceilingDb - 0.3 - 0.2 * round) / 20.0);
    const size_t n = s.size();
    std::vector<double> need(n), ahead(n), smooth(n);
    for (size_t i = 0; i < n; ++i) need[i] = std::min(1.0, limit / std::max(1e-9, double(std::fabs(s[i]))));
    for (size_t i = 0; i < n; ++i) {
      ahead[i] = need[i];
      for (size_t k = 1; k < window && i + k < n; ++k) ahead[i] = std::min(ahead[i], need[i + k]);
    }
    double sum = 0;
    for (size_t i = 0; i < n; ++i) {
      sum += ahead[i];
      if (i >= window) sum -= ahead[i - window];
      smooth[i] = sum / static_cast<double>(std::min(i + 1, window));
    }
    double g = 1;
    for (size_t i = 0; i < n; ++i) {
      g = std::min(smooth[i], g + (1 - g) * release);
      s[i] = static_cast<float>(s[i] * g);
    }
  }
  // Should the rounds not settle, the peak wins over the loudness.
  const double over = TruePeakDb(s) - ceilingDb;
  if (over > 0) {
    const float gain = static_cast<float>(std::pow(10.0, -over / 20.0));
    for (float& v : s) v *= gain;
  }
}
