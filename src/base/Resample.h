// The interpolation the mixer resamples every voice with, shared so that the pack builder hears what the game plays.
#pragma once

#include <vector>

// Four-point Hermite (Catmull-Rom) interpolation between x0 and x1, `t` in 0..1. It passes through the samples and
// keeps far less of the buzz that straight lines leave on pitched-down effects.
inline float Hermite(float xm1, float x0, float x1, float x2, float t) {
  float c1 = 0.5f * (x1 - xm1);
  float c2 = xm1 - 2.5f * x0 + 2.0f * x1 - 0.5f * x2;
  float c3 = 0.5f * (x2 - xm1) + 1.5f * (x0 - x1);
  return ((c3 * t + c2) * t + c1) * t + x0;
}

// A mono one-shot as a voice plays it: `step` source samples per output sample (frequency / mix rate), silence
// before the first sample and after the last, ending once the position passes the end.
std::vector<float> ResampleLikeAVoice(const std::vector<float>& source, double step);
