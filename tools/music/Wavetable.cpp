// Band-limited single-cycle wavetables: sums of sine harmonics, one table per octave of playing pitch.
#include "music/Wavetable.h"

#include <vector>

namespace music {

namespace {

constexpr int kLevels = 11;  // level l holds 2^l harmonics: 1 .. 1024
constexpr double kHighestHarmonic = 18000.0;  // Hz

struct Bank {
  std::vector<float> sine;
  std::vector<float> levels[3][kLevels];  // saw, square, triangle
};

// Harmonic k of each wave: its amplitude (sign included) in the Fourier series.
double Amplitude(int wave, int k) {
  switch (wave) {
    case 0: return -2.0 / (kTau / 2 * k);                                     // saw rising −1..1
    case 1: return k % 2 ? 4.0 / (kTau / 2 * k) : 0.0;                        // square
    default: return k % 2 ? ((k / 2) % 2 ? -1.0 : 1.0) * 8.0 / ((kTau / 2) * (kTau / 2) * k * k) : 0.0;  // triangle
  }
}

Bank MakeBank() {
  Bank bank;
  bank.sine.resize(kTableSize + 1);
  for (int i = 0; i <= kTableSize; ++i) bank.sine[i] = static_cast<float>(std::sin(kTau * i / kTableSize));
  for (int wave = 0; wave < 3; ++wave) {
    for (int level = 0; level < kLevels; ++level) {
      int harmonics = 1 << level;
      std::vector<double> sum(kTableSize, 0.0);
      for (int k = 1; k <= harmonics; ++k) {
        double a = Amplitude(wave, k);
        if (a == 0) continue;
        // Lanczos sigma tames the ringing of a cut-off series.
        double x = kTau / 2 * k / (harmonics + 1);
        a *= std::sin(x) / x;
        // sin(2π k i / N) is an exact lookup into the sine table.
        for (int i = 0; i < kTableSize; ++i) sum[i] += a * bank.sine[(static_cast<long>(k) * i) & (kTableSize - 1)];
      }
      std::vector<float>& t = bank.levels[wave][level];
      t.resize(kTableSize + 1);
      for (int i = 0; i < kTableSize; ++i) t[i] = static_cast<float>(sum[i]);
      t[kTableSize] = t[0];
    }
  }
  return bank;
}

const Bank& TheBank() {
  static const Bank bank = MakeBank();  // built once, thread-safe
  return bank;
}

}  // namespace

const float* SineTable() { return TheBank().sine.data(); }

const float* WaveTable(Wave wave, double hz) {
  const Bank& bank = TheBank();
  if (wave == Wave::Sine) return bank.sine.data();
  int index = wave == Wave::Saw ? 0 : wave == Wave::Square ? 1 : 2;
  double allowed = hz > 0 ? kHighestHarmonic / hz : 1024.0;
  int level = 0;
  while (level + 1 < kLevels && static_cast<double>(1 << (level + 1)) <= allowed) ++level;
  return bank.levels[index][level].data();
}

}  // namespace music
