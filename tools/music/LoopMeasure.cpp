// Measurements of a stereo loop: peak and loudness, loudness over time, the jump where the loop joins.
#include "music/LoopMeasure.h"

#include <algorithm>
#include <cmath>

namespace music {

namespace {

double ToDb(double linear) { return linear > 0 ? 20.0 * std::log10(linear) : -200.0; }

// Share of the power that passes two one-pole 60 Hz low-passes, round the loop: the filters first run
// over its last tenth of a second, so that the start is measured as it sounds after the end.
double LowShare(const std::vector<float>& s, size_t frames, int rate) {
  const double a = 1.0 - std::exp(-2.0 * 3.141592653589793 * 60.0 / rate);
  double low[2][2] = {};
  auto step = [&](size_t i, int c) {
    low[c][0] += a * (s[2 * i + c] - low[c][0]);
    low[c][1] += a * (low[c][0] - low[c][1]);
    return low[c][1];
  };
  size_t warm = std::min(frames, static_cast<size_t>(rate / 10));
  for (size_t i = frames - warm; i < frames; ++i) {
    for (int c = 0; c < 2; ++c) step(i, c);
  }
  double under = 0, all = 0;
  for (size_t i = 0; i < frames; ++i) {
    for (int c = 0; c < 2; ++c) {
      double x = step(i, c);
      under += x * x;
      all += double(s[2 * i + c]) * s[2 * i + c];
    }
  }
  return all > 0 ? under / all : 0;
}

}  // namespace

std::vector<double> WindowLoudness(const std::vector<float>& s, size_t frames, int rate, double windowSeconds,
                                   double stepSeconds) {
  std::vector<double> out;
  size_t window = static_cast<size_t>(windowSeconds * rate), step = static_cast<size_t>(stepSeconds * rate);
  if (frames == 0 || window == 0 || step == 0 || s.size() < frames * 2) return out;
  window = std::min(window, frames);
  for (size_t start = 0; start + window <= frames; start += step) {
    double sum = 0;
    for (size_t i = start; i < start + window; ++i) sum += double(s[2 * i]) * s[2 * i] + double(s[2 * i + 1]) * s[2 * i + 1];
    out.push_back(ToDb(std::sqrt(sum / (2.0 * static_cast<double>(window)))));
  }
  return out;
}

LoopMeasures MeasureLoop(const std::vector<float>& s, size_t frames, int rate) {
  LoopMeasures m;
  if (frames < 2 || rate <= 0 || s.size() < frames * 2) return m;
  m.seconds = static_cast<double>(frames) / rate;
  double peak = 0, sum = 0, stepSum = 0, mid = 0, side = 0;
  std::vector<float> steps;
  steps.reserve(frames * 2);
  for (size_t i = 0; i < frames; ++i) {
    float l = s[2 * i], r = s[2 * i + 1];
    peak = std::max({peak, double(std::fabs(l)), double(std::fabs(r))});
    sum += double(l) * l + double(r) * r;
    mid += 0.25 * double(l + r) * (l + r);
    side += 0.25 * double(l - r) * (l - r);
    if (i > 0) {
      for (int c = 0; c < 2; ++c) {
        float d = std::fabs(s[2 * i + c] - s[2 * (i - 1) + c]);
        stepSum += double(d) * d;
        steps.push_back(d);
      }
    }
  }
  m.peakDb = ToDb(peak);
  m.rmsDb = ToDb(std::sqrt(sum / (2.0 * static_cast<double>(frames))));
  m.width = mid + side > 0 ? side / (mid + side) : 0;
  m.typicalStep = std::sqrt(stepSum / static_cast<double>(steps.size()));
  size_t rank = steps.size() - steps.size() / 1000 - 1;
  std::nth_element(steps.begin(), steps.begin() + static_cast<long>(rank), steps.end());
  m.largeStep = steps[rank];
  for (int c = 0; c < 2; ++c) m.seamStep = std::max(m.seamStep, double(std::fabs(s[c] - s[2 * (frames - 1) + c])));
  m.lowShare = LowShare(s, frames, rate);
  std::vector<double> windows = WindowLoudness(s, frames, rate, 10.0, 5.0);
  if (!windows.empty()) {
    m.quietestDb = *std::min_element(windows.begin(), windows.end());
    m.loudestDb = *std::max_element(windows.begin(), windows.end());
  }
  return m;
}

}  // namespace music
