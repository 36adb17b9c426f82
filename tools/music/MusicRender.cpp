// Rendering a track: notes through the instruments, sends through echo and room, then loudness and limiter.
#include "music/MusicRender.h"

#include <algorithm>
#include <cmath>

#include "music/LoopEffects.h"
#include "music/MusicScore.h"
#include "music/TrackProfile.h"
#include "music/Voices.h"
#include "base/SoundLevels.h"
#include "sfx/Loudness.h"

namespace music {

namespace {

// One part of the track (pad, bass, arp, lead or drums) on its own, before it is levelled and mixed.
struct PartBus {
  size_t frames;
  std::vector<float> left, right;
  std::vector<float> room;  // the drums' own send to the room, hit by hit; empty for the other parts
  const std::vector<float>* duck = nullptr;  // gain under the kicks, when this part pumps

  explicit PartBus(size_t n) : frames(n), left(n), right(n) {}

  // Adds a voice starting at sample `start` of the loop, wrapping past the end; the right channel
  // comes `haas` samples later, for width.
  void Add(const float* l, const float* r, size_t count, double start, float gain, float pan, size_t haas = 0,
           float roomSend = 0) {
    if (frames == 0) return;
    // Equal loudness across the stereo field, unity in the centre.
    double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kTau / 8;
    float gl = static_cast<float>(std::cos(angle) * std::sqrt(2.0)) * gain;
    float gr = static_cast<float>(std::sin(angle) * std::sqrt(2.0)) * gain;
    size_t at = static_cast<size_t>(std::llround(start)) % frames;
    if (duck != nullptr) {
      const std::vector<float>& d = *duck;
      Wrapped(at, count, [&](size_t p, size_t i) { left[p] += l[i] * gl * d[p]; });
      Wrapped((at + haas) % frames, count, [&](size_t p, size_t i) { right[p] += r[i] * gr * d[p]; });
    } else {
      Wrapped(at, count, [&](size_t p, size_t i) { left[p] += l[i] * gl; });
      Wrapped((at + haas) % frames, count, [&](size_t p, size_t i) { right[p] += r[i] * gr; });
    }
    if (roomSend > 0) {
      if (room.empty()) room.assign(frames, 0.0f);
      Wrapped(at, count, [&](size_t p, size_t i) { room[p] += l[i] * gain * roomSend; });
    }
  }

  // Calls f(loop position, voice sample) for `count` samples from `at`, in runs that avoid a division
  // per sample.
  template <typename F>
  void Wrapped(size_t at, size_t count, F f) const {
    size_t i = 0;
    while (i < count) {
      size_t run = std::min(count - i, frames - at);
      for (size_t k = 0; k < run; ++k) f(at + k, i + k);
      i += run;
      at = 0;
    }
  }
};

// How loud a part sounds while it plays: the mean square of the bars in which it is no more than
// 20 dB below its loudest bar, after a gentle bass roll-off (two 70 Hz high-pass poles) standing in
// for the ear's weaker hearing of low notes. In dB; −200 for silence.
double ActiveLoudness(const PartBus& part, double barSamples) {
  float a = static_cast<float>(1.0 - std::exp(-kTau * 70.0 / kRate));
  float l1 = 0, l2 = 0, r1 = 0, r2 = 0;
  std::vector<double> bars;
  double sum = 0;
  size_t inBar = 0, barLength = std::max<size_t>(1, static_cast<size_t>(barSamples));
  for (size_t i = 0; i < part.frames; ++i) {
    l1 += a * (part.left[i] - l1);
    float l = part.left[i] - l1;
    l2 += a * (l - l2);
    l -= l2;
    r1 += a * (part.right[i] - r1);
    float r = part.right[i] - r1;
    r2 += a * (r - r2);
    r -= r2;
    sum += double(l) * l + double(r) * r;
    if (++inBar == barLength || i + 1 == part.frames) {
      bars.push_back(sum / (2.0 * static_cast<double>(inBar)));
      sum = 0;
      inBar = 0;
    }
  }
  double loudest = 0;
  for (double b : bars) loudest = std::max(loudest, b);
  if (loudest <= 0) return -200;
  double total = 0;
  int count = 0;
  for (double b : bars) {
    if (b >= loudest * 0.01) {
      total += b;
      ++count;
    }
  }
  return 10.0 * std::log10(total / count);
}

// The finished loop: parts added at their levels, with their sends to the echo and the room.
struct Mix {
  size_t frames;
  std::vector<float> left, right, room, echo;
  explicit Mix(size_t n) : frames(n), left(n), right(n), room(n), echo(n) {}

  // Brings `part` to `levelDb` and adds it; returns the gain used.
  float Add(const PartBus& part, double barSamples, float levelDb, float roomSend, float echoSend) {
    double loudness = ActiveLoudness(part, barSamples);
    if (loudness <= -199) return 0;
    float g = static_cast<float>(std::pow(10.0, (levelDb - loudness) / 20.0));
    for (size_t i = 0; i < frames; ++i) {
      float l = part.left[i] * g, r = part.right[i] * g;
      left[i] += l;
      right[i] += r;
      float mono = 0.5f * (l + r);
      room[i] += (part.room.empty() ? mono * roomSend : part.room[i] * g);
      echo[i] += mono * echoSend;
    }
    return g;
  }
};

// Ducking under every kick: quick dip, slower recovery, round the loop.
std::vector<float> DuckingCurve(const Score& score, float depth) {
  std::vector<float> duck(score.frames, 1.0f);
  if (depth <= 0 || score.frames == 0) return duck;
  size_t span = static_cast<size_t>(std::min(score.samplesPerBeat, 0.45 * kRate));
  for (const DrumHit& hit : score.drums) {
    if (hit.drum != Drum::Kick) continue;
    size_t at = static_cast<size_t>(std::llround(hit.start)) % score.frames;
    for (size_t i = 0; i < span; ++i) {
      double t = static_cast<double>(i) / kRate;
      double shape = std::min(1.0, t / 0.006) * std::exp(-t / 0.11);
      // The curve reaches back to 1 at the end of its span.
      double tail = 1.0 - static_cast<double>(i) / static_cast<double>(span);
      float g = static_cast<float>(1.0 - depth * hit.velocity * shape * std::min(1.0, tail * 4));
      if (t < 0.006) g = static_cast<float>(1.0 - depth * hit.velocity * (t / 0.006));
      size_t p = (at + i) % score.frames;
      duck[p] = std::min(duck[p], g);
    }
  }
  return duck;
}

struct DrumPlace {
  float gain, pan, room;
};

DrumPlace Placement(const TrackDesign& d, Drum drum) {
  const KitSound& k = d.kit;
  float room = d.mix.drumReverb;
  switch (drum) {
    case Drum::Kick: return {k.kick, 0, 0};
    case Drum::Snare: return {k.snare, 0.02f, room * 2};
    case Drum::Clap: return {k.clap, -0.04f, room * 2.5f};
    case Drum::Hat: return {k.hat, k.hatPan, room * 0.5f};
    case Drum::OpenHat: return {k.openHat, k.hatPan * 0.6f, room};
    case Drum::Shaker: return {k.shaker, -k.hatPan, room};
    case Drum::TomHigh: return {k.tom, 0.35f, room * 2};
    case Drum::TomMid: return {k.tom, 0, room * 2};
    case Drum::TomLow: return {k.tom, -0.35f, room * 2};
    case Drum::Rim: return {k.rim, -0.2f, room * 2.5f};
    case Drum::Crash: return {k.crash, -0.25f, room * 1.5f};
    case Drum::Swell: return {k.swell, 0, room * 3};
    default: return {0, 0, 0};
  }
}

}  // namespace

RenderedTrack RenderTrack(const TrackDesign& design, int bars) {
  RenderedTrack track;
  Score score = Compose(design, bars);
  size_t frames = score.frames;
  track.frames = frames;
  if (frames == 0) return track;
  const int usedBars = bars <= 0 || bars > design.bars ? design.bars : bars;
  double barSamples = score.samplesPerBeat * 4;
  // Slow sweeps take 8 bars, or the whole of a shorter loop, so they join at the loop point.
  double sweepPeriod = static_cast<double>(frames) / std::max(1, (usedBars + 7) / 8);
  const MixSound& m = design.mix;
  std::vector<float> duck = DuckingCurve(score, design.pad.pump);
  Mix mix(frames);
  VoiceBuffer voice;

  // One part at a time, so that only one part's buffers exist besides the mix.
  {
    PartBus part(frames);
    if (design.pad.pump > 0) part.duck = &duck;
    size_t haas = static_cast<size_t>(design.pad.haasMs * 0.001 * kRate);
    uint32_t seed = design.seed * 2654435761u;
    for (const Note& n : score.pad) {
      RenderPad(design.pad, n, n.start, sweepPeriod, seed++, voice);
      part.Add(voice.left.data(), voice.right.data(), voice.count, n.start, 1.0f, n.pan, haas);
    }
    mix.Add(part, barSamples, m.padDb, m.padReverb, 0);
  }
  {
    PartBus part(frames);
    for (const Note& n : score.bass) {
      RenderBass(design.bass, n, voice);
      part.Add(voice.left.data(), voice.right.data(), voice.count, n.start, 1.0f, 0);
    }
    mix.Add(part, barSamples, m.bassDb, 0, 0);
  }
  {
    PartBus part(frames);
    if (design.pad.pump > 0.3f) part.duck = &duck;
    for (const Note& n : score.arp) {
      RenderArp(design.arp, n, n.start, sweepPeriod, voice);
      part.Add(voice.left.data(), voice.right.data(), voice.count, n.start, 1.0f, n.pan);
    }
    mix.Add(part, barSamples, m.arpDb, m.arpReverb, m.arpDelay);
  }
  {
    PartBus part(frames);
    for (const Note& n : score.lead) {
      RenderLead(design.lead, n, voice);
      part.Add(voice.left.data(), voice.right.data(), voice.count, n.start, 1.0f, n.pan);
    }
    mix.Add(part, barSamples, m.leadDb, m.leadReverb, m.leadDelay);
  }
  // The breakdowns: everything but the drums (which are out) under a low-pass that opens bar by bar, the sends
  // to the echo and the room too, so the tails darken with it.
  for (const Score::Span& span : score.breakdowns) {
    size_t from = static_cast<size_t>(std::llround(span.start)), count = static_cast<size_t>(std::llround(span.length));
    for (std::vector<float>* channel : {&mix.left, &mix.right, &mix.room, &mix.echo}) {
      OpenFilter(*channel, from, count, 320, 14000);
    }
  }
  {
    PartBus part(frames);
    DrumKit kit = MakeDrumKit(design.kit, barSamples, design.seed);
    int turn[static_cast<int>(Drum::Count)] = {};
    for (const DrumHit& hit : score.drums) {
      int index = static_cast<int>(hit.drum);
      if (kit.takes[index] == 0) continue;
      const std::vector<float>& shot = kit.shots[index][turn[index]++ % kit.takes[index]];
      DrumPlace place = Placement(design, hit.drum);
      part.Add(shot.data(), shot.data(), shot.size(), hit.start, place.gain * hit.velocity, place.pan, 0, place.room);
    }
    mix.Add(part, barSamples, m.drumsDb, 0, 0);
  }

  AddPingPongEcho(mix.echo, score.samplesPerBeat * m.delayBeats, m.delayFeedback, 3500, mix.left, mix.right);
  AddRoom(mix.room, m, mix.left, mix.right);
  // The design's EQ first; where the track still booms under 60 Hz or lacks presence over 2 kHz, the shelf
  // deepens and the lift grows, by what the measured shares call for, within limits.
  MixSound eq = m;
  track.unmastered.resize(frames * 2);
  for (int round = 0; round < 4; ++round) {
    std::vector<float> left = mix.left, right = mix.right;
    MasterEq(left, eq);
    MasterEq(right, eq);
    for (size_t i = 0; i < frames; ++i) {
      track.unmastered[2 * i] = left[i];
      track.unmastered[2 * i + 1] = right[i];
    }
    const TrackProfile profile = ProfileOf(track.unmastered, frames, static_cast<int>(kRate));
    const double low = profile.bands[0], high = profile.bands[6] + profile.bands[7] + profile.bands[8];
    const bool boomy = low > kMostLowShare && eq.lowShelfDb > -15;
    const bool dull = high < kLeastPresenceShare && eq.presenceDb < 12;
    if (!boomy && !dull) break;
    if (boomy) eq.lowShelfDb = std::max(-15.0f, eq.lowShelfDb + static_cast<float>(10 * std::log10(0.9 * kMostLowShare / low)));
    if (dull && high > 0) {
      eq.presenceDb = std::min(12.0f, eq.presenceDb + static_cast<float>(13 * std::log10(1.1 * kLeastPresenceShare / high)));
    }
  }
  track.lowShelfDb = eq.lowShelfDb;
  track.presenceDb = eq.presenceDb;
  MasterTrack(track, kCeilingDb);
  return track;
}

void MasterTrack(RenderedTrack& track, float ceilingDb) {
  // Loudness first, then the limiter catches the drum peaks that stand above the ceiling; what the limiter
  // takes off is given back by a little more gain, a few times over until the loudness holds.
  const float ceiling = static_cast<float>(std::pow(10.0, ceilingDb / 20.0));
  std::vector<float> left(track.frames), right(track.frames);
  double loudness = IntegratedLoudness(track.unmastered, 2, kRate);
  double gainDb = loudness > -200 ? kMusicFileLufs - loudness : 0;
  for (int round = 0; round < 4; ++round) {
    const float gain = static_cast<float>(std::pow(10.0, gainDb / 20.0));
    for (size_t i = 0; i < track.frames; ++i) {
      left[i] = track.unmastered[2 * i] * gain;
      right[i] = track.unmastered[2 * i + 1] * gain;
    }
    track.limiterDb = Limit(left, right, ceiling);
    track.interleaved.resize(track.frames * 2);
    for (size_t i = 0; i < track.frames; ++i) {
      track.interleaved[2 * i] = left[i];
      track.interleaved[2 * i + 1] = right[i];
    }
    track.gainDb = gainDb;
    loudness = IntegratedLoudness(track.interleaved, 2, kRate);
    if (loudness <= -200 || std::fabs(loudness - kMusicFileLufs) < 0.1) break;
    gainDb += kMusicFileLufs - loudness;
  }
}

}  // namespace music
