// Loudness and true peak through libebur128, and the gain and limiter that master a sound to them.
#include "sfx/Loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/Resample.h"
#include "base/SoundLevels.h"

namespace {

struct StateDeleter {
  void operator()(ebur128_state* st) const { ebur128_destroy(&st); }
};
using State = std::unique_ptr<ebur128_state, StateDeleter>;

State Open(int channels, double rate, int mode) {
  return State(ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(std::lround(rate)), mode));
}

double Loudness(const std::vector<float>& s, int channels, double rate, bool dualMono) {
  if (channels < 1 || rate <= 0 || s.size() < static_cast<size_t>(channels)) return -200;
  const size_t frames = s.size() / static_cast<size_t>(channels);
  const size_t block = static_cast<size_t>(std::lround(kLoudnessBlockSeconds * rate));
  State st = Open(channels, rate, EBUR128_MODE_I | EBUR128_MODE_M);
  if (!st) return -200;
  if (dualMono && channels == 1) ebur128_set_channel(st.get(), 0, EBUR128_DUAL_MONO);
  double lufs = -HUGE_VAL;
  if (frames >= block) {
    ebur128_add_frames_float(st.get(), s.data(), frames);
    if (ebur128_loudness_global(st.get(), &lufs) != EBUR128_SUCCESS) return -200;
  } else {
    // One block: the sound and silence after it fill 400 ms, whose mean power is then taken back to the
    // sound's own length.
    std::vector<float> padded(block * static_cast<size_t>(channels), 0.0f);
    std::copy(s.begin(), s.begin() + static_cast<long>(frames * static_cast<size_t>(channels)), padded.begin());
    ebur128_add_frames_float(st.get(), padded.data(), block);
    if (ebur128_loudness_momentary(st.get(), &lufs) != EBUR128_SUCCESS) return -200;
    lufs += 10.0 * std::log10(static_cast<double>(block) / static_cast<double>(frames));
  }
  return std::isfinite(lufs) && lufs > -200 ? lufs : -200;
}

double SamplePeakDb(const std::vector<float>& s) {
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  return peak > 0 ? 20.0 * std::log10(peak) : -200;
}

void Scale(std::vector<float>& s, double db) {
  const float gain = static_cast<float>(std::pow(10.0, db / 20.0));
  for (float& v : s) v *= gain;
}

// Holds every sample of `s` at or under `limit` (linear): the least gain needed over the next 2 ms, averaged
// over the last 2 ms, dips smoothly before each peak and recovers over about 60 ms, or a sixth of a shorter
// sound, so that a click's decay is evened out rather than only turned down.
void Limit(std::vector<float>& s, double rate, double limit) {
  const size_t window = static_cast<size_t>(0.002 * rate) + 1;
  const double seconds = static_cast<double>(s.size()) / rate;
  const double release = 1 - std::exp(-1.0 / (std::clamp(seconds / 6, 0.004, 0.06) * rate));
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

// The most gain reduction the mastering limiter may apply to an effect's loudest peak, in dB.
constexpr double kMostLimitingDb = 9.0;

}  // namespace

double IntegratedLoudness(const std::vector<float>& s, int channels, double rate) {
  return Loudness(s, channels, rate, false);
}

double PlayedLoudness(const std::vector<float>& mono, double rate) { return Loudness(mono, 1, rate, true); }

double TruePeakDb(const std::vector<float>& s, int channels, double rate) {
  if (channels < 1 || rate <= 0 || s.size() < static_cast<size_t>(channels)) return -200;
  State st = Open(channels, rate, EBUR128_MODE_TRUE_PEAK);
  if (!st) return -200;
  ebur128_add_frames_float(st.get(), s.data(), s.size() / static_cast<size_t>(channels));
  double peak = 0;
  for (int c = 0; c < channels; ++c) {
    double p = 0;
    if (ebur128_true_peak(st.get(), static_cast<unsigned>(c), &p) == EBUR128_SUCCESS) peak = std::max(peak, p);
  }
  return peak > 0 ? 20.0 * std::log10(peak) : -200;
}

std::vector<float> PlayedAtMixRate(const std::vector<float>& file, const Playback& playback) {
  std::vector<float> out = playback.step == 1.0 ? file : ResampleLikeAVoice(file, playback.step);
  for (float& v : out) v *= playback.gain;
  return out;
}

MasteredLevels MasterToLoudness(std::vector<float>& s, double rate, double targetLufs, double ceilingDb,
                                const Playback& playback, double fileCeilingDb) {
  MasteredLevels levels;
  const double playedRate = playback.step == 1.0 ? rate : kMixRate;
  auto measure = [&] {
    std::vector<float> played = PlayedAtMixRate(s, playback);
    levels.lufs = PlayedLoudness(played, playedRate);
    levels.truePeakDb = TruePeakDb(played, 1, playedRate);
    levels.filePeakDb = SamplePeakDb(s);
  };
  measure();
  if (levels.lufs <= -200) return levels;
  // Each round starts again from the unmastered sound: a gain, then the limiter at a threshold in the file's own
  // samples. What the limiter takes off comes back as more gain next round, and where the true peak as played
  // still passes the ceiling (between samples, after resampling) the threshold goes down by as much.
  const std::vector<float> original = s;
  const double playedGainDb = 20.0 * std::log10(std::max(1e-9f, playback.gain));
  const double peakDb = levels.filePeakDb;
  double gainDb = targetLufs - levels.lufs;
  double correction = -0.1;
  for (int round = 0; round < 12; ++round) {
    const double thresholdDb = std::min(fileCeilingDb, ceilingDb - playedGainDb + correction);
    // The limiter takes off at most kMostLimitingDb: beyond that a sound is crushed, and it stays quieter instead.
    gainDb = std::min(gainDb, thresholdDb - peakDb + kMostLimitingDb);
    s = original;
    Scale(s, gainDb);
    if (peakDb + gainDb > thresholdDb) Limit(s, rate, std::pow(10.0, thresholdDb / 20.0));
    measure();
    const double over = levels.truePeakDb - ceilingDb;
    if (over > 0) correction -= over + 0.05;
    if (over <= 0 && std::fabs(levels.lufs - targetLufs) < 0.05) break;
    gainDb += targetLufs - levels.lufs;
  }
  // Should the rounds not settle, the peaks win over the loudness.
  const double over = std::max(levels.truePeakDb - ceilingDb, levels.filePeakDb - fileCeilingDb);
  if (over > 0) {
    Scale(s, -over);
    measure();
  }
  return levels;
}
