// The instruments of the tracks: pad, bass, arpeggio pluck or bell, lead, and the drum kit's one-shots.
#include "music/Voices.h"

#include <algorithm>
#include <cmath>

#include "sfx/Synth.h"

namespace music {

namespace {

constexpr int kControl = 16;           // samples between filter and pitch updates
constexpr double kEndRamp = 0.004;     // seconds of the final fade of every voice: no clicks

double Cents(double cents) { return std::exp2(cents / 1200.0); }

// Linear attack, then the level held until `length`, then an exponential release that a short ramp
// takes to exactly zero at `count`.
struct Envelope {
  double attack, length, releaseTau;
  size_t count;
  float At(size_t i) const {
    double t = static_cast<double>(i) / kRate;
    double level = t < attack ? t / attack : 1.0;
    if (t > length) level *= std::exp(-(t - length) / releaseTau);
    double left = static_cast<double>(count - i) / kRate;
    if (left < kEndRamp) level *= left / kEndRamp;
    return static_cast<float>(level);
  }
};

uint32_t RandomPhase(Rng& rng) { return static_cast<uint32_t>(rng.Next() >> 32); }

}  // namespace

void VoiceBuffer::Resize(size_t n) {
  count = n;
  if (left.size() < n) {
    left.resize(n);
    right.resize(n);
  }
}

void RenderPad(const PadSound& s, const Note& note, double loopPosition, double sweepPeriod, uint32_t seed,
               VoiceBuffer& out) {
  size_t count = static_cast<size_t>((note.length / kRate + s.release) * kRate);
  out.Resize(count);
  Rng rng(seed);
  double hz = MidiToHz(note.pitch);
  Oscillator a, b, c;
  a.Start(s.wave, hz * Cents(-s.detuneCents), RandomPhase(rng));
  b.Start(s.wave, hz, RandomPhase(rng));
  c.Start(s.wave, hz * Cents(s.detuneCents), RandomPhase(rng));
  LowPass fl, fr;
  Envelope env{s.attack, note.length / kRate, s.release / 5.0, count};
  for (size_t i0 = 0; i0 < count; i0 += kControl) {
    double sweep = std::sin(kTau * (loopPosition + static_cast<double>(i0)) / sweepPeriod);
    double cutoff = s.cutoffHz * (1.0 + s.cutoffSwing * sweep);
    fl.Set(cutoff, 0.7);
    fr.Set(cutoff * 1.03, 0.7);
    size_t end = std::min(count, i0 + kControl);
    for (size_t i = i0; i < end; ++i) {
      float e = env.At(i) * note.velocity;
      float mid = b.Next() * 0.6f;
      out.left[i] = fl.Low(a.Next() + mid) * e;
      out.right[i] = fr.Low(c.Next() + mid) * e;
    }
  }
}

void RenderBass(const BassSound& s, const Note& note, VoiceBuffer& out) {
  size_t count = static_cast<size_t>((note.length / kRate + s.release * 4) * kRate);
  out.Resize(count);
  double hz = MidiToHz(note.pitch);
  Oscillator main, sub;
  main.Start(s.wave, hz, 0);
  sub.Start(Wave::Sine, s.subOctave ? hz / 2 : hz, 0);
  LowPass filter;
  Envelope env{0.003, note.length / kRate, s.release, count};
  float norm = 1.0f / Saturate(s.drive);
  for (size_t i0 = 0; i0 < count; i0 += kControl) {
    double t = static_cast<double>(i0) / kRate;
    filter.Set(s.cutoffHz + s.envHz * note.velocity * std::exp(-t / s.envDecay), s.q);
    size_t end = std::min(count, i0 + kControl);
    for (size_t i = i0; i < end; ++i) {
      float x = filter.Low(main.Next()) + sub.Next() * s.subLevel;
      x = Saturate(x * s.drive) * norm * env.At(i) * note.velocity;
      out.left[i] = x;
      out.right[i] = x;
    }
  }
}

void RenderArp(const ArpSound& s, const Note& note, double loopPosition, double sweepPeriod, VoiceBuffer& out) {
  double ring = s.kind == ArpKind::Bell ? s.decay * 2.5 : s.decay;
  double held = std::min(note.length / kRate, ring * 5);
  size_t count = static_cast<size_t>((held + 0.08) * kRate);
  out.Resize(count);
  double hz = MidiToHz(note.pitch);
  Envelope env{0.002, held, 0.02, count};
  if (s.kind == ArpKind::Bell) {
    // Two-operator FM: a sine carrier whose phase a decaying sine modulator pushes around.
    const float* sine = SineTable();
    uint32_t carrier = 0, modulator = 0;
    uint32_t carrierStep = PhaseIncrement(hz), modulatorStep = PhaseIncrement(hz * s.fmRatio);
    float decay = static_cast<float>(std::exp(-1.0 / (ring * kRate)));
    float indexDecay = static_cast<float>(std::exp(-1.0 / (s.decay * 0.6 * kRate)));
    float level = 1, index = s.fmIndex * (0.6f + 0.4f * note.velocity);
    for (size_t i = 0; i < count; ++i) {
      float m = ReadTable(sine, modulator) * index * static_cast<float>(4294967296.0 / kTau);
      float x = ReadTable(sine, carrier + static_cast<uint32_t>(static_cast<int64_t>(m))) * level * env.At(i);
      carrier += carrierStep;
      modulator += modulatorStep;
      level *= decay;
      index *= indexDecay;
      out.left[i] = x * note.velocity;
      out.right[i] = x * note.velocity;
    }
    return;
  }
  Oscillator a, b;
  a.Start(s.wave, hz, 0);
  b.Start(s.wave, hz * Cents(7), 0x40000000u);
  LowPass filter;
  double sweep = 1.0 + s.cutoffSwing * std::sin(kTau * loopPosition / sweepPeriod);
  float decay = static_cast<float>(std::exp(-1.0 / (s.decay * kRate)));
  float level = 1;
  for (size_t i0 = 0; i0 < count; i0 += kControl) {
    double t = static_cast<double>(i0) / kRate;
    filter.Set(s.cutoffHz + s.envHz * sweep * note.velocity * std::exp(-t / (s.decay * 0.5)), 1.3);
    size_t end = std::min(count, i0 + kControl);
    for (size_t i = i0; i < end; ++i) {
      float x = filter.Low(a.Next() + 0.5f * b.Next()) * level * env.At(i) * note.velocity;
      level *= decay;
      out.left[i] = x;
      out.right[i] = x;
    }
  }
}

void RenderLead(const LeadSound& s, const Note& note, VoiceBuffer& out) {
  size_t count = static_cast<size_t>((note.length / kRate + s.release * 1.2) * kRate);
  out.Resize(count);
  Oscillator a, b;
  double hz = MidiToHz(note.pitch);
  a.Start(s.wave, hz, 0);
  b.Start(s.wave2, hz, 0x55555555u);
  const float* sine = SineTable();
  uint32_t modulator = 0;
  LowPass filter;
  double length = note.length / kRate;
  double from = note.glideFrom > 0 ? note.glideFrom : note.pitch;
  double glideTau = std::max(0.001, s.glide / 4.0);
  for (size_t i0 = 0; i0 < count; i0 += kControl) {
    double t = static_cast<double>(i0) / kRate;
    double pitch = note.pitch + (from - note.pitch) * std::exp(-t / glideTau);
    double vibrato = s.vibratoCents * Smoothstep((t - s.vibratoDelay) / 0.4) * std::sin(kTau * s.vibratoHz * t);
    double f = MidiToHz(pitch) * Cents(vibrato);
    uint32_t stepA = PhaseIncrement(f * Cents(-s.detuneCents * 0.5)), stepB = PhaseIncrement(f * Cents(s.detuneCents * 0.5));
    uint32_t stepM = PhaseIncrement(f * s.fmRatio);
    double level;  // attack, decay to the sustain level, release
    if (t < s.attack) {
      level = t / s.attack;
    } else {
      level = s.sustain + (1.0 - s.sustain) * std::exp(-(t - s.attack) / std::max(0.01f, s.decay / 3));
    }
    if (t > length) level *= std::exp(-(t - length) / std::max(0.01f, s.release / 5));
    filter.Set(s.cutoffHz + s.envHz * std::exp(-t / 0.18), s.q);
    size_t end = std::min(count, i0 + kControl);
    float index = s.fmIndex * static_cast<float>(0.35 + 0.65 * std::exp(-t / 0.3));
    for (size_t i = i0; i < end; ++i) {
      float x;
      if (s.kind == LeadKind::Bell) {
        float m = ReadTable(sine, modulator) * index * static_cast<float>(4294967296.0 / kTau);
        x = ReadTable(sine, a.phase + static_cast<uint32_t>(static_cast<int64_t>(m)));
        a.phase += stepA;
        modulator += stepM;
        x += 0.3f * b.Next(stepB);
      } else {
        x = filter.Low(a.Next(stepA) + s.mix2 * b.Next(stepB));
      }
      double left = static_cast<double>(count - i) / kRate;
      float ramp = left < kEndRamp ? static_cast<float>(left / kEndRamp) : 1.0f;
      float attackRamp = i < 64 ? static_cast<float>(i) / 64.0f : 1.0f;  // within the first control block
      x *= static_cast<float>(level) * note.velocity * ramp * attackRamp;
      out.left[i] = x;
      out.right[i] = x;
    }
  }
}

namespace {

// White noise through a two-pole high-pass, for cymbals and hats.
struct HighPass {
  LowPass lp;
  float Process(float x) { return x - lp.Low(x); }
};

std::vector<float> Kick(const KitSound& k, Rng& rng) {
  size_t n = static_cast<size_t>(k.kickDecay * 5.5 * kRate);
  std::vector<float> out(n);
  double phase = 0;
  LowPass clickFilter;
  clickFilter.Set(3500, 0.7);
  float norm = 1.0f / Saturate(k.kickDrive);
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    double f = k.kickEndHz + (k.kickStartHz - k.kickEndHz) * std::exp(-t / k.kickPitchTau);
    phase += f / kRate;
    double body = std::sin(kTau * phase) * std::exp(-t / k.kickDecay);
    double click = clickFilter.Low(static_cast<float>(rng.Bipolar())) * std::exp(-t / 0.004) * k.kickClick * 2.5;
    double attack = std::min(1.0, t / 0.0008);
    out[i] = Saturate(static_cast<float>((body + click) * attack) * k.kickDrive) * norm;
  }
  return out;
}

std::vector<float> Snare(const KitSound& k, Rng& rng) {
  size_t n = static_cast<size_t>(k.snareDecay * 6 * kRate);
  std::vector<float> out(n);
  LowPass band, body;
  band.Set(3200, 0.55);
  body.Set(k.snareToneHz * 1.2, 1.0);
  double phase = 0;
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += k.snareToneHz * (1.0 + 0.4 * std::exp(-t / 0.015)) / kRate;
    double tone = std::sin(kTau * phase) * std::exp(-t / 0.055);
    float noise = static_cast<float>(rng.Bipolar());
    double rattle = (band.Band(noise) * 1.6 + body.Band(noise) * 0.4) * std::exp(-t / k.snareDecay) * k.snareNoise;
    out[i] = static_cast<float>((tone * 0.7 + rattle) * std::min(1.0, t / 0.0007));
  }
  return out;
}

std::vector<float> Clap(const KitSound& k, Rng& rng) {
  size_t n = static_cast<size_t>((0.03 + k.clapDecay * 6) * kRate);
  std::vector<float> out(n);
  LowPass band;
  band.Set(k.clapHz, 1.4);
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    double e = 0;
    for (double at : {0.0, 0.0105, 0.021}) {
      if (t >= at) e = std::max(e, std::exp(-(t - at) / 0.0035));
    }
    if (t >= 0.029) e = std::max(e, 0.8 * std::exp(-(t - 0.029) / k.clapDecay));
    out[i] = static_cast<float>(band.Band(static_cast<float>(rng.Bipolar())) * 2.2 * e * std::min(1.0, t / 0.0005));
  }
  return out;
}

// Six detuned square waves under noise, both high-passed: the metallic hiss of hats and cymbals.
std::vector<float> Metal(const KitSound& k, double decay, double attack, double seconds, Rng& rng) {
  size_t n = static_cast<size_t>(seconds * kRate);
  std::vector<float> out(n);
  const double ratios[6] = {1.0, 1.4827, 1.8004, 2.5466, 2.6301, 3.8968};
  double phases[6] = {}, steps[6];
  double base = 205.3 * k.hatHz / 8000.0;
  for (int j = 0; j < 6; ++j) {
    steps[j] = base * ratios[j] * (1.0 + 0.01 * rng.Bipolar()) / kRate;
    phases[j] = rng.Uniform();
  }
  HighPass h1, h2;
  h1.lp.Set(k.hatHz * 0.8, 0.7);
  h2.lp.Set(k.hatHz, 0.7);
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    double metal = 0;
    for (int j = 0; j < 6; ++j) {
      phases[j] += steps[j];
      phases[j] -= std::floor(phases[j]);
      metal += phases[j] < 0.5 ? 1.0 : -1.0;
    }
    float x = static_cast<float>(metal / 6.0 * 0.6 + rng.Bipolar() * 0.8);
    double e = std::exp(-t / decay) * std::min(1.0, t / attack);
    double left = seconds - t;
    if (left < 0.01) e *= left / 0.01;
    out[i] = h2.Process(h1.Process(x)) * static_cast<float>(e * 1.6);
  }
  return out;
}

std::vector<float> Shaker(Rng& rng) {
  size_t n = static_cast<size_t>(0.16 * kRate);
  std::vector<float> out(n);
  LowPass band;
  band.Set(6500, 0.9);
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    double e = t < 0.012 ? t / 0.012 : std::exp(-(t - 0.012) / 0.035);
    out[i] = static_cast<float>(band.Band(static_cast<float>(rng.Bipolar())) * 1.8 * e);
  }
  return out;
}

std::vector<float> Tom(double hz, Rng& rng) {
  size_t n = static_cast<size_t>(1.3 * kRate);
  std::vector<float> out(n);
  double phase = 0;
  LowPass band;
  band.Set(hz * 3, 0.8);
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += hz * (1.0 + 0.5 * std::exp(-t / 0.04)) / kRate;
    double body = std::sin(kTau * phase) * std::exp(-t / 0.22);
    double skin = band.Band(static_cast<float>(rng.Bipolar())) * std::exp(-t / 0.03) * 0.5;
    double left = 1.3 - t;
    out[i] = static_cast<float>((body + skin) * std::min(1.0, t / 0.0008) * std::min(1.0, left / 0.01));
  }
  return out;
}

std::vector<float> Rim(Rng& rng) {
  size_t n = static_cast<size_t>(0.12 * kRate);
  std::vector<float> out(n);
  LowPass band;
  band.Set(2500, 2.0);
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    double tone = (std::sin(kTau * 1650 * t) * 0.6 + std::sin(kTau * 480 * t) * 0.5) * std::exp(-t / 0.018);
    double click = band.Band(static_cast<float>(rng.Bipolar())) * std::exp(-t / 0.006);
    double left = 0.12 - t;
    out[i] = static_cast<float>((tone + click) * std::min(1.0, t / 0.0004) * std::min(1.0, left / 0.005));
  }
  return out;
}

// Filtered noise opening up and growing over one bar, cut at the downbeat it leads into.
std::vector<float> Swell(double barSamples, Rng& rng) {
  size_t n = static_cast<size_t>(barSamples);
  std::vector<float> out(n);
  LowPass lp;
  for (size_t i = 0; i < n; ++i) {
    double x = static_cast<double>(i) / static_cast<double>(n);
    if (i % kControl == 0) lp.Set(400.0 * std::pow(25.0, x), 1.2);
    double e = x * x * x;
    double left = static_cast<double>(n - i) / kRate;
    if (left < 0.006) e *= left / 0.006;
    out[i] = static_cast<float>(lp.Low(static_cast<float>(rng.Bipolar())) * e * 1.5);
  }
  return out;
}

}  // namespace

DrumKit MakeDrumKit(const KitSound& k, double barSamples, unsigned seed) {
  DrumKit kit;
  Rng rng(seed * 7919u + 17u);
  auto set = [&](Drum d, int takes, auto make) {
    int index = static_cast<int>(d);
    kit.takes[index] = takes;
    for (int t = 0; t < takes; ++t) kit.shots[index][t] = make();
  };
  set(Drum::Kick, 1, [&] { return Kick(k, rng); });
  set(Drum::Snare, 2, [&] { return Snare(k, rng); });
  set(Drum::Clap, 2, [&] { return Clap(k, rng); });
  set(Drum::Hat, 3, [&] { return Metal(k, k.hatDecay, 0.0005, k.hatDecay * 7, rng); });
  set(Drum::OpenHat, 2, [&] { return Metal(k, k.openHatDecay, 0.001, k.openHatDecay * 6, rng); });
  set(Drum::Shaker, 3, [&] { return Shaker(rng); });
  set(Drum::TomHigh, 1, [&] { return Tom(k.tomHz * 1.35, rng); });
  set(Drum::TomMid, 1, [&] { return Tom(k.tomHz, rng); });
  set(Drum::TomLow, 1, [&] { return Tom(k.tomHz * 0.72, rng); });
  set(Drum::Rim, 1, [&] { return Rim(rng); });
  set(Drum::Crash, 1, [&] {
    KitSound bright = k;
    bright.hatHz = k.hatHz * 0.7f;
    return Metal(bright, k.crashDecay, 0.002, k.crashDecay * 4.5, rng);
  });
  set(Drum::Swell, 1, [&] { return Swell(barSamples, rng); });
  // Every take peaks at full scale, so the kit's levels compare the drums as a drummer hears them,
  // and its last milliseconds fade to exactly zero, so a cut-off tail never clicks.
  for (auto& takes : kit.shots) {
    for (std::vector<float>& shot : takes) {
      float peak = 0;
      for (float v : shot) peak = std::max(peak, std::fabs(v));
      if (peak > 0) {
        for (float& v : shot) v /= peak;
      }
      size_t fade = std::min(shot.size(), static_cast<size_t>(kEndRamp * kRate));
      for (size_t i = 0; i < fade; ++i) shot[shot.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    }
  }
  return kit;
}

}  // namespace music
