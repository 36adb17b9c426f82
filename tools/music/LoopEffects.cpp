// Effects on whole loops: the ping-pong echo, the room, the low cut and the look-ahead limiter.
#include "music/LoopEffects.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "sfx/Synth.h"

namespace music {

namespace {

// Calls step(i, keep) for the warm-up samples (keep false) and then for every sample of the loop.
template <typename Step>
void RoundTheLoop(size_t frames, double warmSeconds, Step step) {
  if (frames == 0) return;
  size_t warm = std::min(frames, static_cast<size_t>(warmSeconds * kRate));
  // A short loop goes round several times so that long tails still settle.
  size_t rounds = warm < static_cast<size_t>(warmSeconds * kRate) ? static_cast<size_t>(warmSeconds * kRate) / frames : 0;
  for (size_t r = 0; r < rounds; ++r) {
    for (size_t i = 0; i < frames; ++i) step(i, false);
  }
  for (size_t i = frames - warm; i < frames; ++i) step(i, false);
  for (size_t i = 0; i < frames; ++i) step(i, true);
}

// A delay line whose length is fixed at construction.
class DelayLine {
 public:
  explicit DelayLine(size_t length) : buffer_(std::max<size_t>(length, 1), 0.0f) {}
  float Read() const { return buffer_[position_]; }
  void Write(float x) {
    buffer_[position_] = x;
    if (++position_ == buffer_.size()) position_ = 0;
  }
 private:
  std::vector<float> buffer_;
  size_t position_ = 0;
};

}  // namespace

void AddPingPongEcho(const std::vector<float>& in, double delaySamples, float feedback, float cutoffHz,
                     std::vector<float>& left, std::vector<float>& right) {
  size_t frames = in.size();
  size_t d = static_cast<size_t>(std::max(1.0, std::round(delaySamples)));
  DelayLine toLeft(d), toRight(d);
  float a = static_cast<float>(1.0 - std::exp(-kTau * cutoffHz / kRate));
  float lowL = 0, lowR = 0;
  // Repeats fall by `feedback` each; after the warm-up they are below −90 dB.
  double seconds = delaySamples / kRate * std::min(60.0, 4.5 / std::max(0.01, -std::log10(static_cast<double>(feedback))));
  RoundTheLoop(frames, seconds, [&](size_t i, bool keep) {
    float echoL = toLeft.Read(), echoR = toRight.Read();
    lowL += a * (echoL - lowL);
    lowR += a * (echoR - lowR);
    // The dry sound goes in on the left; each echo crosses to the other side.
    toLeft.Write(in[i] + lowR * feedback);
    toRight.Write(lowL * feedback);
    if (keep) {
      left[i] += echoL;
      right[i] += echoR;
    }
  });
}

void AddRoom(const std::vector<float>& in, const MixSound& mix, std::vector<float>& left, std::vector<float>& right) {
  constexpr int kLines = 8;
  const double lengthsMs[kLines] = {29.7, 37.1, 41.1, 43.7, 53.3, 59.9, 67.3, 73.1};
  std::vector<DelayLine> lines;
  float gains[kLines], low[kLines] = {};
  for (int j = 0; j < kLines; ++j) {
    double samples = lengthsMs[j] * 0.001 * kRate * mix.reverbSize;
    lines.emplace_back(static_cast<size_t>(samples));
    // Each pass through a line loses its share of 60 dB over the decay time.
    gains[j] = static_cast<float>(std::pow(10.0, -3.0 * samples / kRate / mix.reverbSeconds));
  }
  float damp = static_cast<float>(1.0 - std::exp(-kTau * mix.reverbDampHz / kRate));
  DelayLine preDelay(static_cast<size_t>(0.018 * kRate));
  float highState = 0;
  float highA = static_cast<float>(1.0 - std::exp(-kTau * 180.0 / kRate));
  RoundTheLoop(in.size(), mix.reverbSeconds * 1.6 + 0.2, [&](size_t i, bool keep) {
    // Below 180 Hz nothing goes into the room: bass and kick stay tight.
    highState += highA * (in[i] - highState);
    float x = preDelay.Read();
    preDelay.Write(in[i] - highState);
    float out[kLines], sum = 0;
    for (int j = 0; j < kLines; ++j) {
      float v = lines[j].Read();
      low[j] += damp * (v - low[j]);
      out[j] = low[j] * gains[j];
      sum += out[j];
    }
    float householder = sum * (2.0f / kLines);
    for (int j = 0; j < kLines; ++j) lines[j].Write(out[j] - householder + ((j & 1) ? -x : x) * 0.35f);
    if (keep) {
      left[i] += (out[0] - out[2] + out[4] - out[6] + out[1] * 0.5f) * 0.6f;
      right[i] += (out[1] - out[3] + out[5] - out[7] + out[2] * 0.5f) * 0.6f;
    }
  });
}

namespace {

// A biquad in transposed direct form II, with the cookbook's high-pass, low-shelf and peaking designs.
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double z1 = 0, z2 = 0;
  float Run(float x) {
    double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return static_cast<float>(y);
  }
  void Normalise(double a0) {
    b0 /= a0, b1 /= a0, b2 /= a0, a1 /= a0, a2 /= a0;
  }
};

Biquad HighPass(double hz, double q) {
  double w = kTau * hz / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  Biquad f{(1 + c) / 2, -(1 + c), (1 + c) / 2, -2 * c, 1 - alpha};
  f.Normalise(1 + alpha);
  return f;
}

Biquad LowShelf(double hz, double gainDb) {
  double a = std::pow(10.0, gainDb / 40.0), w = kTau * hz / kRate, c = std::cos(w);
  double alpha = std::sin(w) / 2 * std::sqrt(2.0), root = 2 * std::sqrt(a) * alpha;
  Biquad f{a * ((a + 1) - (a - 1) * c + root), 2 * a * ((a - 1) - (a + 1) * c), a * ((a + 1) - (a - 1) * c - root),
           -2 * ((a - 1) + (a + 1) * c), (a + 1) + (a - 1) * c - root};
  f.Normalise((a + 1) + (a - 1) * c + root);
  return f;
}

Biquad Peak(double hz, double q, double gainDb) {
  double a = std::pow(10.0, gainDb / 40.0), w = kTau * hz / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  Biquad f{1 + alpha * a, -2 * c, 1 - alpha * a, -2 * c, 1 - alpha / a};
  f.Normalise(1 + alpha / a);
  return f;
}

}  // namespace

void MasterEq(std::vector<float>& samples, const MixSound& mix) {
  // Two high-pass stages (fourth order in all) take out what small speakers cannot play and big ones only boom with.
  Biquad stages[] = {HighPass(mix.highPassHz, 0.54), HighPass(mix.highPassHz, 1.31), LowShelf(100, mix.lowShelfDb),
                     Peak(mix.presenceHz, 0.6, mix.presenceDb)};
  std::vector<float> out(samples.size());
  RoundTheLoop(samples.size(), 0.6, [&](size_t i, bool keep) {
    float v = samples[i];
    for (Biquad& stage : stages) v = stage.Run(v);
    if (keep) out[i] = v;
  });
  samples.swap(out);
}

void OpenFilter(std::vector<float>& samples, size_t from, size_t count, double startHz, double endHz) {
  if (count == 0 || from >= samples.size()) return;
  count = std::min(count, samples.size() - from);
  // A resonant low-pass gliding open; short crossfades with the dry sound at both ends, so the drop into the
  // breakdown and the return of the full band do not click.
  const size_t fade = std::min(count / 4, static_cast<size_t>(0.03 * kRate));
  Svf filter;
  for (size_t k = 0; k < count; ++k) {
    double x = static_cast<double>(k) / static_cast<double>(count);
    filter.Set(std::min(startHz * std::pow(endHz / startHz, x * x), kRate * 0.45), 1.4, kRate);
    float in = samples[from + k];
    filter.Process(in);
    double wet = k < fade ? static_cast<double>(k) / fade : k + fade > count ? static_cast<double>(count - k) / fade : 1;
    samples[from + k] = static_cast<float>(in + (filter.low - in) * wet);
  }
}

double Limit(std::vector<float>& left, std::vector<float>& right, float ceiling) {
  size_t n = left.size();
  if (n == 0 || ceiling <= 0) return 0;
  // The gain each sample needs on its own.
  std::vector<float> need(n);
  bool any = false;
  for (size_t i = 0; i < n; ++i) {
    float peak = std::max(std::fabs(left[i]), std::fabs(right[i]));
    need[i] = peak > ceiling ? ceiling / peak : 1.0f;
    any = any || need[i] < 1.0f;
  }
  if (!any) return 0;
  const size_t look = static_cast<size_t>(0.0015 * kRate);  // samples each side
  auto at = [&](long long i) { return need[static_cast<size_t>(((i % static_cast<long long>(n)) + static_cast<long long>(n)) % static_cast<long long>(n))]; };
  // The smallest need within ±look of each sample (a sliding minimum round the loop).
  std::vector<float> low(n);
  std::deque<long long> window;
  long long span = static_cast<long long>(look);
  for (long long i = -2 * span; i < static_cast<long long>(n); ++i) {
    long long incoming = i + span;
    while (!window.empty() && at(window.back()) >= at(incoming)) window.pop_back();
    window.push_back(incoming);
    while (window.front() < i - span) window.pop_front();
    if (i >= 0) low[static_cast<size_t>(i)] = at(window.front());
  }
  // The gain recovers slowly (80 ms) but never above what the window allows.
  float recover = static_cast<float>(1.0 - std::exp(-1.0 / (0.08 * kRate)));
  float g = 1;
  std::vector<float> gain(n);
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < n; ++i) {
      g = std::min(low[i], g + recover * (1.0f - g));
      gain[i] = g;
    }
  }
  // Averaging over the window softens the attack; every sample in a window around a peak sees a gain
  // no higher than that peak needs, so the average stays below it as well.
  double deepest = 1;
  double sum = 0;
  size_t width = 2 * look + 1;
  for (size_t k = 0; k < width; ++k) sum += gain[(n - look + k) % n];
  std::vector<float> smooth(n);
  for (size_t i = 0; i < n; ++i) {
    smooth[i] = static_cast<float>(sum / static_cast<double>(width));
    sum += gain[(i + look + 1) % n] - gain[(i + n - look) % n];
  }
  for (size_t i = 0; i < n; ++i) {
    left[i] *= smooth[i];
    right[i] *= smooth[i];
    deepest = std::min(deepest, static_cast<double>(smooth[i]));
  }
  return 20.0 * std::log10(deepest);
}

}  // namespace music
