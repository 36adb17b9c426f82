// Building blocks of the effect synthesizer: seeded noise, oscillators, envelopes, filters and the finishing pass.
#include "sfx/Synth.h"

#include <algorithm>
#include <cmath>

uint64_t Rng::Next() {
  // splitmix64: tiny, fast and the same on every platform.
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::Bipolar() { return Uniform() * 2.0 - 1.0; }

double Phase::Advance(double hz, double rate) {
  step = std::clamp(hz / rate, 0.0, 0.5);
  cycles += step;
  cycles -= std::floor(cycles);
  return cycles;
}

namespace {

// The polyBLEP correction around a discontinuity at phase 0 of a cycle.
double PolyBlep(double t, double dt) {
  if (dt <= 0) return 0;
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0;
}

}  // namespace

float Sine(double cycles) { return static_cast<float>(std::sin(2.0 * kPi * cycles)); }

float Saw(double cycles, double step) {
  return static_cast<float>(2.0 * cycles - 1.0 - PolyBlep(cycles, step));
}

float Square(double cycles, double step, double duty) {
  double value = cycles < duty ? 1.0 : -1.0;
  value += PolyBlep(cycles, step);
  double shifted = cycles - duty;
  if (shifted < 0) shifted += 1.0;
  value -= PolyBlep(shifted, step);
  return static_cast<float>(value);
}

float Triangle(double cycles) {
  double v = cycles < 0.5 ? 4.0 * cycles - 1.0 : 3.0 - 4.0 * cycles;
  return static_cast<float>(v);
}

float ExpDecay(double t, double tau) { return t < 0 ? 0.0f : static_cast<float>(std::exp(-t / tau)); }

float AttackDecay(double t, double attack, double tau) {
  if (t < 0) return 0;
  if (t < attack) return static_cast<float>(t / attack);
  return ExpDecay(t - attack, tau);
}

double ExpGlide(double t, double from, double to, double duration) {
  double x = std::clamp(t / duration, 0.0, 1.0);
  return from * std::pow(to / from, x);
}

double Smoothstep(double x) {
  x = std::clamp(x, 0.0, 1.0);
  return x * x * (3.0 - 2.0 * x);
}

void Svf::Set(double cutoffHz, double q, double rate) {
  double nyquistSafe = std::clamp(cutoffHz, 10.0, rate * 0.49);
  g_ = std::tan(kPi * nyquistSafe / rate);
  k_ = 1.0 / std::max(q, 0.05);
  a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
  a2_ = g_ * a1_;
  a3_ = g_ * a2_;
}

void Svf::Process(float x) {
  double v3 = x - ic2_;
  double v1 = a1_ * ic1_ + a2_ * v3;
  double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  low = static_cast<float>(v2);
  band = static_cast<float>(v1);
  high = static_cast<float>(x - k_ * v1 - v2);
}

void OnePole::Set(double cutoffHz, double rate) {
  a_ = 1.0 - std::exp(-2.0 * kPi * std::clamp(cutoffHz, 1.0, rate * 0.49) / rate);
}

float OnePole::Low(float x) {
  y_ += a_ * (x - y_);
  return static_cast<float>(y_);
}

float SoftClip(float x, float drive) {
  if (drive <= 0) return x;
  return static_cast<float>(std::tanh(x * drive) / drive);
}

void MixInto(Samples& target, const Samples& source, size_t offset, float gain) {
  if (target.size() < offset + source.size()) target.resize(offset + source.size(), 0.0f);
  for (size_t i = 0; i < source.size(); ++i) target[offset + i] += source[i] * gain;
}

void RoundEnds(Samples& s, double rate, double fadeInSeconds, double fadeOutSeconds) {
  if (s.empty()) return;
  // Low thumps can leave the mean off zero; a constant offset would click at both ends.
  double mean = 0;
  for (float v : s) mean += v;
  mean /= static_cast<double>(s.size());
  for (float& v : s) v = static_cast<float>(v - mean);

  size_t n = s.size();
  size_t fadeIn = std::min(n / 2, static_cast<size_t>(fadeInSeconds * rate) + 1);
  size_t fadeOut = std::min(n / 2, static_cast<size_t>(fadeOutSeconds * rate) + 1);
  // Raised-cosine ramps: the first and the last sample are exactly zero.
  for (size_t i = 0; i < fadeIn; ++i) {
    s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(fadeIn)));
  }
  for (size_t i = 0; i < fadeOut; ++i) {
    double x = static_cast<double>(i) / static_cast<double>(fadeOut);
    s[n - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * x));
  }
}

void FinishEffect(Samples& s, double rate, double fadeInSeconds, double fadeOutSeconds, double peakDb) {
  if (s.empty()) return;
  RoundEnds(s, rate, fadeInSeconds, fadeOutSeconds);
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  if (peak <= 0) return;
  float gain = static_cast<float>(std::pow(10.0, peakDb / 20.0) / peak);
  for (float& v : s) v *= gain;
}

SoundLevels MeasureLevels(const Samples& s) {
  SoundLevels levels;
  if (s.empty()) return levels;
  double peak = 0, sum = 0;
  for (float v : s) {
    peak = std::max(peak, static_cast<double>(std::fabs(v)));
    sum += static_cast<double>(v) * v;
  }
  double rms = std::sqrt(sum / static_cast<double>(s.size()));
  levels.peakDb = peak > 0 ? 20.0 * std::log10(peak) : -200.0;
  levels.rmsDb = rms > 0 ? 20.0 * std::log10(rms) : -200.0;
  return levels;
}
