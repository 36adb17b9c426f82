// A one-shot resampled exactly as a voice of the mixer resamples it.
#include "base/Resample.h"

#include <cmath>
#include <cstdint>

std::vector<float> ResampleLikeAVoice(const std::vector<float>& source, double step) {
  std::vector<float> out;
  const int64_t n = static_cast<int64_t>(source.size());
  if (n == 0 || !(step > 0)) return out;
  out.reserve(static_cast<size_t>(std::ceil(static_cast<double>(n) / step)) + 1);
  auto at = [&](int64_t k) { return k >= 0 && k < n ? source[static_cast<size_t>(k)] : 0.0f; };
  int64_t position = 0;
  double fraction = 0;
  while (position < n) {
    out.push_back(Hermite(at(position - 1), at(position), at(position + 1), at(position + 2), float(fraction)));
    fraction += step;
    const int64_t whole = int64_t(fraction);
    position += whole;
    fraction -= double(whole);
  }
  return out;
}
