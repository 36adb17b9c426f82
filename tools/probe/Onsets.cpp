// The onset detector: energy of the signal's slope in 2 ms hops against its recent past.
#include "probe/Onsets.h"

#include <algorithm>
#include <cmath>

std::vector<double> FindOnsets(const std::vector<float>& mono, double rate) {
  std::vector<double> onsets;
  const size_t hop = std::max<size_t>(1, static_cast<size_t>(0.002 * rate));
  const size_t hops = mono.size() / hop;
  std::vector<double> energy(hops, 0.0);
  for (size_t h = 0; h < hops; ++h) {
    double sum = 0;
    for (size_t i = h * hop; i < (h + 1) * hop; ++i) {
      const double slope = mono[i] - (i > 0 ? mono[i - 1] : 0.0f);
      sum += slope * slope;
    }
    energy[h] = sum / static_cast<double>(hop);
  }
  // −60 dBFS of a full-scale tone's slope at 1 kHz, roughly: a floor under which nothing counts as a sound.
  const double floor = std::pow(10.0, -60.0 / 10.0) * 0.5 * std::pow(2 * 3.14159265358979 * 1000.0 / rate, 2);
  const size_t past = std::max<size_t>(1, static_cast<size_t>(0.03 * rate) / hop);
  const size_t gap = std::max<size_t>(1, static_cast<size_t>(0.025 * rate) / hop);
  size_t last = 0;
  bool any = false;
  for (size_t h = 1; h < hops; ++h) {
    double before = 0;
    size_t from = h > past ? h - past : 0;
    for (size_t k = from; k < h; ++k) before += energy[k];
    before /= static_cast<double>(h - from);
    if (energy[h] > floor && energy[h] > 4.0 * before + floor && (!any || h - last >= gap)) {
      onsets.push_back(static_cast<double>(h * hop) / rate);
      last = h;
      any = true;
    }
  }
  return onsets;
}
