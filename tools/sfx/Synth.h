// Building blocks of the effect synthesizer: seeded noise, oscillators, envelopes, filters and the finishing pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Mono samples in −1..1 at one sample rate; every effect is rendered into one of these.
using Samples = std::vector<float>;

constexpr double kPi = 3.14159265358979323846;

// A small seeded generator so that every build renders the same noise.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
  uint64_t Next();
  double Uniform();  // 0..1
  double Bipolar();  // −1..1
 private:
  uint64_t state_;
};

// A phase accumulator in cycles (0..1); frequencies may change every sample for sweeps.
struct Phase {
  double cycles = 0;  // position in the current cycle, 0..1
  double step = 0;    // cycles per sample of the last advance, for the anti-aliasing corrections
  double Advance(double hz, double rate);
};

// Waveforms of a phase in cycles. The square and saw are band-limited with polyBLEP steps so that
// high-pitched zaps do not alias; `step` is the phase increment per sample.
float Sine(double cycles);
float Saw(double cycles, double step);
float Square(double cycles, double step, double duty = 0.5);
float Triangle(double cycles);

// Envelopes and sweeps of the time t in seconds.
float ExpDecay(double t, double tau);                      // e^(−t/tau)
float AttackDecay(double t, double attack, double tau);   // linear rise over `attack`, then ExpDecay
double ExpGlide(double t, double from, double to, double duration);  // exponential pitch glide, held after
double Smoothstep(double x);                               // 0..1 eased, x clamped to 0..1

// A topology-preserving state-variable filter: stays stable when the cutoff moves every sample.
class Svf {
 public:
  void Set(double cutoffHz, double q, double rate);
  void Process(float x);
  float low = 0, band = 0, high = 0;  // the three outputs of the last Process
 private:
  double g_ = 0, k_ = 1, a1_ = 0, a2_ = 0, a3_ = 0;
  double ic1_ = 0, ic2_ = 0;
};

// One-pole low-pass, for smoothing noise and taking the edge off.
class OnePole {
 public:
  void Set(double cutoffHz, double rate);
  float Low(float x);
  float High(float x) { return x - Low(x); }
 private:
  double a_ = 1, y_ = 0;
};

float SoftClip(float x, float drive);  // tanh saturation, unity gain for small x

// Adds `source` into `target` from sample `offset` on, scaled by `gain`; grows the target when needed.
void MixInto(Samples& target, const Samples& source, size_t offset, float gain);

// Removes any DC offset and rounds the first and last milliseconds to zero (no clicks).
void RoundEnds(Samples& s, double rate, double fadeInSeconds, double fadeOutSeconds);

// RoundEnds, then the peak scaled to `peakDb` dBFS.
void FinishEffect(Samples& s, double rate, double fadeInSeconds, double fadeOutSeconds, double peakDb = -3.0);

// Measurements printed by the builder and shown on the contact sheet.
struct SoundLevels {
  double peakDb = -200;  // dBFS of the largest sample
  double rmsDb = -200;   // dBFS of the root mean square over the whole effect
};
SoundLevels MeasureLevels(const Samples& s);
