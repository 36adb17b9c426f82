// Band-limited single-cycle wavetables and the phase-accumulator oscillator that reads them.
#pragma once

#include <cmath>
#include <cstdint>

namespace music {

constexpr double kRate = 44100.0;  // every track is rendered at CD rate
constexpr double kTau = 6.283185307179586;
constexpr int kTableBits = 11;
constexpr int kTableSize = 1 << kTableBits;  // samples per cycle
constexpr int kFractionBits = 32 - kTableBits;

enum class Wave { Sine, Saw, Square, Triangle };

// The table of `wave` whose harmonics all stay below about 18 kHz when played at `hz`, so high
// notes do not alias; kTableSize + 1 samples (the last repeats the first for interpolation).
const float* WaveTable(Wave wave, double hz);

// The pure sine, for FM and sub oscillators.
const float* SineTable();

// A full cycle is 2^32 phase units, so the accumulator wraps by itself.
inline uint32_t PhaseIncrement(double hz) {
  double cycles = hz / kRate;
  if (cycles < 0) cycles = 0;
  if (cycles > 0.49) cycles = 0.49;
  return static_cast<uint32_t>(cycles * 4294967296.0);
}

inline float ReadTable(const float* table, uint32_t phase) {
  uint32_t i = phase >> kFractionBits;
  float f = static_cast<float>(phase & ((1u << kFractionBits) - 1)) * (1.0f / static_cast<float>(1u << kFractionBits));
  return table[i] + (table[i + 1] - table[i]) * f;
}

struct Oscillator {
  const float* table = nullptr;  // from WaveTable
  uint32_t phase = 0;            // 2^32 per cycle
  uint32_t increment = 0;        // phase units per sample
  void Start(Wave wave, double hz, uint32_t startPhase) {
    table = WaveTable(wave, hz);
    increment = PhaseIncrement(hz);
    phase = startPhase;
  }
  float Next() {
    float v = ReadTable(table, phase);
    phase += increment;
    return v;
  }
  // For vibrato and glides: the table stays the one chosen at Start.
  float Next(uint32_t inc) {
    float v = ReadTable(table, phase);
    phase += inc;
    return v;
  }
};

inline double MidiToHz(double note) { return 440.0 * std::exp2((note - 69.0) / 12.0); }

// A two-pole state-variable low-pass (trapezoidal form): stable while its cutoff moves, cheap to run.
struct LowPass {
  float a1 = 1, a2 = 0, a3 = 0, k = 1.4f;  // coefficients from Set
  float ic1 = 0, ic2 = 0;                  // integrator states
  void Set(double cutoffHz, double q) {
    double fc = cutoffHz < 20 ? 20 : (cutoffHz > kRate * 0.45 ? kRate * 0.45 : cutoffHz);
    double g = std::tan(kTau * 0.5 * fc / kRate);
    k = static_cast<float>(1.0 / (q < 0.3 ? 0.3 : q));
    a1 = static_cast<float>(1.0 / (1.0 + g * (g + k)));
    a2 = static_cast<float>(g) * a1;
    a3 = static_cast<float>(g) * a2;
  }
  float Low(float x) {
    float v3 = x - ic2;
    float v1 = a1 * ic1 + a2 * v3;
    float v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2 * v1 - ic1;
    ic2 = 2 * v2 - ic2;
    return v2;
  }
  float Band(float x) {  // the band-pass output of the same structure
    float v3 = x - ic2;
    float v1 = a1 * ic1 + a2 * v3;
    float v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2 * v1 - ic1;
    ic2 = 2 * v2 - ic2;
    return v1;
  }
};

// Gentle saturation without tanh: odd, unity slope at zero, flattening towards ±1.
inline float Saturate(float x) {
  if (x > 3) return 1;
  if (x < -3) return -1;
  return x * (27 + x * x) / (27 + 9 * x * x);
}

}  // namespace music
