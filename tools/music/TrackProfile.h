// A track's fingerprint as a listener tells tracks apart: the weight of each pitch class and the share of each band.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace music {

// Octave-wide bands of the spectrum: under 60 Hz, 60–125, 125–250, 250–500, 500 Hz–1 kHz, 1–2, 2–4, 4–8 and
// over 8 kHz.
constexpr int kBands = 9;

struct TrackProfile {
  std::array<double, 12> pitchClasses{};  // share of the tonal power of C, C#, ... B (sums to 1)
  std::array<double, kBands> bands{};     // share of the power in each band (sums to 1)
};

// Of `frames` left-right pairs at `rate`: 8192-sample Hann windows every quarter of a second, mid channel.
TrackProfile ProfileOf(const std::vector<float>& interleaved, size_t frames, int rate);

// How alike two key profiles are: their correlation, 1 for the same weights, near 0 for unrelated keys.
double KeyLikeness(const TrackProfile& a, const TrackProfile& b);

// How far apart two band spectra are: the root mean square of the bands' differences in dB.
double BandDistanceDb(const TrackProfile& a, const TrackProfile& b);

}  // namespace music
