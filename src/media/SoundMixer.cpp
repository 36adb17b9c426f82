// The mixer: every voice resampled to the mix rate with its own pitch, volume and pan, then soft-clipped.
#include "media/SoundMixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "base/Resample.h"
#include "base/SoundLevels.h"
#include "media/Media.h"

namespace {

// A change of volume or pan slides over this many frames (1.5 ms) instead of clicking.
constexpr int kRampFrames = 64;

// Output stays linear up to the knee (base/SoundLevels.h); above it peaks bend smoothly towards 1 instead of
// clipping hard.
constexpr float kClipKnee = kSoftClipKnee;

const float kSilentFrame[2] = {0.0f, 0.0f};

// The gains of one voice across one chunk: a short ramp to the target, then steady.
struct Gains {
  float left, right, stepLeft = 0, stepRight = 0, targetLeft, targetRight;
  int ramp = 0;  // frames left in the ramp

  explicit Gains(const Voice& v, int frames)
      : left(v.gainLeft), right(v.gainRight), targetLeft(v.targetLeft), targetRight(v.targetRight) {
    if (left != targetLeft || right != targetRight) {
      ramp = std::min(kRampFrames, frames);
      stepLeft = (targetLeft - left) / float(ramp);
      stepRight = (targetRight - right) / float(ramp);
    }
  }
  void Next() {
    if (ramp == 0) return;
    left += stepLeft;
    right += stepRight;
    if (--ramp == 0) {
      left = targetLeft;
      right = targetRight;
    }
  }
  void Store(Voice& v) const {
    v.gainLeft = left;
    v.gainRight = right;
  }
};

// Mixes one frame read around `at` (pointers to the frames before, at, after and two after).
template <int C>
inline void MixFrame(const float* m1, const float* p0, const float* p1, const float* p2, float t, Gains& g, float* out) {
  g.Next();
  if constexpr (C == 1) {
    float y = Hermite(m1[0], p0[0], p1[0], p2[0], t);
    out[0] += y * g.left;
    out[1] += y * g.right;
  } else {
    out[0] += Hermite(m1[0], p0[0], p1[0], p2[0], t) * g.left;
    out[1] += Hermite(m1[1], p0[1], p1[1], p2[1], t) * g.right;
  }
}

inline void Advance(Voice& v) {
  v.fraction += v.step;
  int64_t whole = int64_t(v.fraction);
  v.position += whole;
  v.fraction -= double(whole);
}

// A short sound held in memory; the voice becomes Finished when a one-shot reaches its end.
template <int C>
void MixMemoryVoice(Voice& v, float* out, int frames, Gains& g) {
  const PcmData& d = *v.pcm;
  const float* s = d.samples.data();
  const int64_t n = d.frames;
  auto at = [&](int64_t k) -> const float* {
    if (k >= 0 && k < n) return s + k * C;
    if (!v.loop) return kSilentFrame;
    k %= n;
    if (k < 0) k += n;
    return s + k * C;
  };
  int i = 0;
  while (i < frames) {
    // Frames whose four neighbours all lie inside the sound need no wrap or end test.
    int run = 0;
    if (v.position >= 1) {
      double room = double(n - 3 - v.position) - v.fraction;
      if (room >= 0) {
        double fit = room / v.step + 1.0;
        run = fit >= double(frames - i) ? frames - i : int(fit);
      }
    }
    if (run > 0) {
      // Fixed point (32 bits of fraction) inside the run: a double carried from frame to frame
      // through a float-to-integer conversion costs several times the interpolation itself.
      // Truncating the step only ever lags, so the run's bound still holds.
      constexpr double kOne = 4294967296.0;
      uint64_t phase = uint64_t(v.fraction * kOne);
      const uint64_t increment = uint64_t(v.step * kOne);
      const float* base = s + (v.position - 1) * C;
      float* to = out + 2 * i;
      for (int j = 0; j < run; ++j) {
        const float* p = base + int64_t(phase >> 32) * C;
        float t = float(uint32_t(phase)) * float(1.0 / kOne);
        MixFrame<C>(p, p + C, p + 2 * C, p + 3 * C, t, g, to + 2 * j);
        phase += increment;
      }
      v.position += int64_t(phase >> 32);
      v.fraction = double(uint32_t(phase)) / kOne;
      i += run;
    } else {
      int64_t k = v.position;
      MixFrame<C>(at(k - 1), at(k), at(k + 1), at(k + 2), float(v.fraction), g, out + 2 * i);
      Advance(v);
      ++i;
    }
    if (v.position >= n) {
      if (!v.loop) {
        v.state = VoiceState::Finished;
        return;
      }
      v.position %= n;
    }
  }
}

// A streamed sound read from its ring. When the stream thread has fallen behind, the voice waits
// (the rest of the chunk stays silent) rather than skipping music.
template <int C>
void MixStreamVoice(Voice& v, float* out, int frames, Gains& g) {
  Stream& st = *v.stream;
  const int64_t end = st.end.load(std::memory_order_acquire);
  const int64_t written = st.written.load(std::memory_order_acquire);
  const bool ended = end != kNoEnd;
  const float* ring = st.ring.data();
  auto at = [&](int64_t k) -> const float* {
    if (k < 0 || k >= end) return kSilentFrame;
    return ring + (k & (kRingFrames - 1)) * C;
  };
  for (int i = 0; i < frames; ++i) {
    int64_t k = v.position;
    if (!ended && k + 2 >= written) break;
    MixFrame<C>(at(k - 1), at(k), at(k + 1), at(k + 2), float(v.fraction), g, out + 2 * i);
    Advance(v);
    if (v.position >= end) {
      v.state = VoiceState::Finished;
      break;
    }
  }
  st.needed.store(v.position - 1, std::memory_order_release);
}

// A voice nobody can hear only moves on; cheap, and keeps its place as if it had been mixed.
bool SkipSilentVoice(Voice& v, int frames) {
  if (v.stream || v.gainLeft != 0 || v.gainRight != 0 || v.targetLeft != 0 || v.targetRight != 0) return false;
  const int64_t n = v.pcm->frames;
  double travel = v.fraction + v.step * frames;
  int64_t whole = int64_t(travel);
  v.fraction = travel - double(whole);
  v.position += whole;
  if (v.position >= n) {
    if (v.loop) {
      v.position %= n;
    } else {
      v.state = VoiceState::Finished;
    }
  }
  return true;
}

void MixVoices(float* out, int frames) {
  for (Voice& v : TheMixer().voices) {
    if (v.state != VoiceState::Playing) continue;
    if (SkipSilentVoice(v, frames)) continue;
    Gains g(v, frames);
    if (v.stream) {
      if (v.channels == 1) MixStreamVoice<1>(v, out, frames, g);
      else MixStreamVoice<2>(v, out, frames, g);
    } else {
      if (v.channels == 1) MixMemoryVoice<1>(v, out, frames, g);
      else MixMemoryVoice<2>(v, out, frames, g);
    }
    // A voice that stopped mid-ramp must not leave a ramp half done for a restart.
    if (g.ramp > 0) {
      g.left = g.targetLeft;
      g.right = g.targetRight;
    }
    g.Store(v);
  }
}

inline float SoftClip(float x) {
  float a = std::fabs(x);
  if (a <= kClipKnee) return x;
  if (std::isnan(a)) return 0.0f;
  float bent = kClipKnee + (1.0f - kClipKnee) * std::tanh((a - kClipKnee) / (1.0f - kClipKnee));
  return std::copysign(bent, x);
}

// Without a device the caller's calls are the audio clock, so a stream must not fall behind them:
// waits (at most a couple of seconds) until every streamed voice has the frames this chunk reads.
void WaitForStreams(int frames) {
  Mixer& m = TheMixer();
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  for (;;) {
    bool ready = true;
    {
      std::lock_guard<std::mutex> hold(m.lock);
      for (const Voice& v : m.voices) {
        if (v.state != VoiceState::Playing || !v.stream) continue;
        int64_t last = v.position + int64_t(std::ceil(v.fraction + v.step * frames)) + 3;
        const Stream& st = *v.stream;
        if (st.end.load(std::memory_order_acquire) == kNoEnd && st.written.load(std::memory_order_acquire) <= last) {
          ready = false;
        }
      }
    }
    if (ready || std::chrono::steady_clock::now() > deadline) return;
    WakeStreamThread();
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
}

}  // namespace

Mixer& TheMixer() {
  // Never destroyed: the device and the stream thread may still run while the program exits.
  static Mixer* mixer = new Mixer;
  return *mixer;
}

// Linear balance: the channel away from the pan keeps full level and the other falls in a straight
// line to silence at the far side, so a centred sound plays at full level on both channels.
// Volume: the effects' and the music's laws (base/SoundLevels.h), then the master gain that keeps a burst of
// effects under the soft clip's knee.
void VoiceGains(int volume, int pan, bool music, float& left, float& right) {
  float gain = (music ? MusicVolumeGain(volume) : EffectVolumeGain(volume)) * kMasterGain;
  float p = float(std::clamp(pan, -100, 100)) / 100.0f;
  left = gain * std::min(1.0f, 1.0f - p);
  right = gain * std::min(1.0f, 1.0f + p);
}

void MixFrames(float* stereo, int frames, bool waitForStreams) {
  if (stereo == nullptr || frames <= 0) return;
  Mixer& m = TheMixer();
  for (int done = 0; done < frames;) {
    int n = std::min(kMixChunk, frames - done);
    float* out = stereo + 2 * size_t(done);
    std::fill(out, out + 2 * n, 0.0f);
    if (waitForStreams) WaitForStreams(n);
    {
      std::lock_guard<std::mutex> hold(m.lock);
      MixVoices(out, n);
    }
    MixMidi(out, n);
    for (int i = 0; i < 2 * n; ++i) out[i] = SoftClip(out[i]);
    done += n;
  }
}

void MixSoundFrames(float* stereo, int frames) { MixFrames(stereo, frames, !TheMixer().deviceOpen.load()); }

int MixRate() { return kMixRate; }
