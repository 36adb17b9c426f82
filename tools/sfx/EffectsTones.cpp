// Synthesizers of the tonal effects: chords, bells, chimes, the teleporter, the tick, the wail and the buzzer.
#include <algorithm>
#include <cmath>

#include "sfx/Effects.h"

namespace {

size_t Count(double seconds, double rate) { return static_cast<size_t>(seconds * rate); }

struct Partial {
  double ratio;  // frequency as a multiple of the strike's note
  double gain;   // relative amplitude
  double tau;    // seconds of decay to 1/e
};

// One strike of a bell or chime: sine partials with their own decays, each doubled a hair apart so
// that it beats like struck metal, plus a tiny click of the striker. Partials that would fold over
// the Nyquist frequency are left out.
void AddStrike(Samples& s, double rate, double start, double note, const Partial* partials, int count, double gain) {
  size_t first = Count(start, rate);
  Phase phases[16][2];
  for (size_t i = first; i < s.size(); ++i) {
    double t = static_cast<double>(i - first) / rate;
    double v = 0;
    for (int k = 0; k < count && k < 16; ++k) {
      double f = note * partials[k].ratio;
      if (f > rate * 0.45) continue;
      double pair = Sine(phases[k][0].Advance(f, rate)) + Sine(phases[k][1].Advance(f * 1.0012, rate));
      v += 0.5 * pair * partials[k].gain * AttackDecay(t, 0.0015, partials[k].tau);
    }
    s[i] += static_cast<float>(v * gain);
  }
}

}  // namespace

Samples RenderTeleport(double rate) {
  // The ball drops into a teleporter: two voices a fifth apart whirl upwards with a fast vibrato.
  Samples s(Count(0.16, rate));
  Phase a, b, wobble;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double vibrato = 1.0 + 0.035 * Sine(wobble.Advance(32, rate));
    double f = ExpGlide(t, 480, 2100, 0.13) * vibrato;
    double v = Sine(a.Advance(f, rate)) + 0.55 * Triangle(b.Advance(f * 1.5, rate));
    double envelope = std::min(1.0, t / 0.004) * (1.0 - Smoothstep((t - 0.07) / 0.09));
    s[i] = static_cast<float>(v * envelope);
  }
  return s;
}

Samples RenderShield(double rate) {
  // The ship grows its shield: a major chord whose notes enter one after another and glide up a
  // fourth together, each voice a detuned pair with a quick tremolo for the shimmer.
  Samples s(Count(0.85, rate));
  const double notes[] = {330.0, 415.3, 495.0, 660.0, 990.0};
  const double voiceGain[] = {0.8, 0.6, 0.6, 0.5, 0.25};
  for (int k = 0; k < 5; ++k) {
    double onset = 0.03 * k;
    Phase a, b, c;
    for (size_t i = Count(onset, rate); i < s.size(); ++i) {
      double t = static_cast<double>(i) / rate;
      double local = t - onset;
      double f = notes[k] * ExpGlide(t, 1.0, 4.0 / 3.0, 0.5);
      double v = Sine(a.Advance(f, rate)) + Sine(b.Advance(f * 1.006, rate)) + 0.3 * Triangle(c.Advance(f * 2.0, rate));
      double tremolo = 0.75 + 0.25 * std::sin(2 * kPi * (13.0 + 2.0 * k) * t);
      double envelope = std::min(1.0, local / 0.04) * (t < 0.45 ? 1.0 : ExpDecay(t - 0.45, 0.13));
      s[i] += static_cast<float>(v * tremolo * envelope * voiceGain[k]);
    }
  }
  return s;
}

Samples RenderMissileLoading(double rate) {
  // The missile rises into the launcher over two and a half seconds: a servo whine climbing in pitch,
  // a ratchet that quickens, a heavy lock, then two beeps: armed.
  Samples s(Count(2.55, rate));
  Rng rng(9);
  Phase servo, beep;
  Svf whine, ratchet;
  ratchet.Set(1900, 2.0, rate);
  const double lockAt = 2.2;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double v = 0;
    if (t < lockAt) {
      double f = ExpGlide(t, 110, 440, lockAt);
      whine.Set(900 + 700 * t / lockAt, 2.5, rate);
      whine.Process(Saw(servo.Advance(f, rate), servo.step));
      v += whine.low * 0.6 * std::min(1.0, t / 0.08) * (0.85 + 0.15 * std::sin(2 * kPi * 7 * t));
    }
    // Ratchet teeth, closer together as the missile nears its place.
    double toothRate = 6.0 + 6.0 * t / lockAt;
    double toothPhase = std::fmod(t * toothRate, 1.0);
    float noise = static_cast<float>(rng.Bipolar());
    ratchet.Process(noise);
    if (t < lockAt) v += ratchet.band * 0.8 * ExpDecay(toothPhase / toothRate, 0.004) * (0.5 + 0.5 * t / lockAt);
    if (t >= lockAt) {
      double lt = t - lockAt;
      v += noise * 0.9 * ExpDecay(lt, 0.006) + Sine(servo.Advance(ExpGlide(lt, 120, 70, 0.05), rate)) * ExpDecay(lt, 0.05);
      for (double start : {0.1, 0.22}) {
        double bt = lt - start;
        if (bt >= 0 && bt < 0.07) v += 0.5 * Square(beep.Advance(1320, rate), beep.step) * std::sin(kPi * bt / 0.07);
      }
    }
    s[i] = static_cast<float>(v);
  }
  return s;
}

Samples RenderHappyBell(double rate) {
  // An extra life: four bells ringing up a major arpeggio, each with the hum, major tierce and
  // upper partials of a small bell, left to ring out.
  Samples s(Count(2.3, rate));
  const Partial bell[] = {{0.5, 0.3, 1.3},  {1.0, 1.0, 1.0},   {1.25, 0.4, 0.75}, {1.5, 0.3, 0.6},
                          {2.0, 0.4, 0.45}, {2.63, 0.22, 0.3}, {3.35, 0.15, 0.2}, {4.2, 0.1, 0.12}};
  const double notes[] = {880.0, 1108.7, 1318.5, 1760.0};
  for (int k = 0; k < 4; ++k) AddStrike(s, rate, 0.13 * k, notes[k], bell, 8, k == 3 ? 0.9 : 0.7);
  return s;
}

Samples RenderFailure(double rate) {
  // A lost ball: a wailing saw that slides down two octaves with a widening vibrato, through a
  // filter that closes as it falls. Heard at 5000 Hz; the exit door plays it twice as fast.
  Samples s(Count(1.1, rate));
  Phase saw, wobble;
  Svf filter;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double vibrato = 1.0 + (0.01 + 0.03 * t) * Sine(wobble.Advance(6.0, rate));
    double f = ExpGlide(t, 392, 98, 0.95) * vibrato;
    filter.Set(ExpGlide(t, 2000, 350, 1.0), 2.0, rate);
    filter.Process(Saw(saw.Advance(f, rate), saw.step));
    double envelope = std::min(1.0, t / 0.01) * (t < 0.7 ? 1.0 : ExpDecay(t - 0.7, 0.15));
    s[i] = static_cast<float>(filter.low * envelope);
  }
  return s;
}

Samples RenderTick(double rate) {
  // Pause and the last seconds of a countdown: a clean high blip with a soft wooden knock under it.
  Samples s(Count(0.09, rate));
  Phase high, knock;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double c = high.Advance(1568, rate);
    double v = (Sine(c) + 0.3 * Sine(2.0 * c)) * AttackDecay(t, 0.0015, 0.028);
    v += 0.6 * Sine(knock.Advance(ExpGlide(t, 700, 520, 0.02), rate)) * ExpDecay(t, 0.01);
    s[i] = static_cast<float>(v);
  }
  return s;
}

Samples RenderBonus(double rate) {
  // A bonus caught: a quick rising major arpeggio of detuned, filtered saws with a shimmering
  // tremolo, and a few high sparkles on top.
  Samples s(Count(0.7, rate));
  const double notes[] = {523.3, 659.3, 784.0, 1046.5, 1318.5};
  for (int k = 0; k < 5; ++k) {
    double onset = 0.045 * k;
    Phase a, b, pure;
    Svf filter;
    filter.Set(3500, 0.8, rate);
    for (size_t i = Count(onset, rate); i < s.size(); ++i) {
      double t = static_cast<double>(i) / rate;
      double local = t - onset;
      double f = notes[k] * (1.0 + 0.02 * Smoothstep(local / 0.2));
      filter.Process(static_cast<float>(0.5 * (Saw(a.Advance(f, rate), a.step) + Saw(b.Advance(f * 1.008, rate), b.step))));
      double v = 0.6 * filter.low + 0.6 * Sine(pure.Advance(f, rate));
      double tremolo = 0.7 + 0.3 * std::sin(2 * kPi * 17.0 * t);
      s[i] += static_cast<float>(v * tremolo * AttackDecay(local, 0.005, 0.22) * 0.55);
    }
  }
  Rng rng(24);
  for (int k = 0; k < 9; ++k) {
    double start = 0.05 + 0.5 * rng.Uniform();
    double f = 3000 + 3000 * rng.Uniform();
    Phase p;
    for (size_t i = Count(start, rate); i < s.size() && i < Count(start + 0.06, rate); ++i) {
      double t = static_cast<double>(i) / rate - start;
      s[i] += static_cast<float>(0.12 * Sine(p.Advance(f, rate)) * AttackDecay(t, 0.002, 0.015));
    }
  }
  return s;
}

Samples RenderChimes(double rate) {
  // A bonus letter: four tuned chime bars struck in a falling and rising pentatonic figure, with the
  // inharmonic overtones of a free bar (1, 2.76, 5.40, 8.93).
  Samples s(Count(1.6, rate));
  const Partial bar[] = {{1.0, 1.0, 0.9}, {2.756, 0.45, 0.35}, {5.404, 0.2, 0.15}, {8.933, 0.1, 0.07}};
  const double notes[] = {1568.0, 1174.7, 1760.0, 2349.3};
  for (int k = 0; k < 4; ++k) AddStrike(s, rate, 0.075 * k, notes[k], bar, 4, 0.6);
  return s;
}

Samples RenderTilt(double rate) {
  // A malus: the pinball tilt buzzer. Two squares a semitone apart sag in pitch while a gate chops
  // them eleven times a second, over a clank, all distorted.
  Samples s(Count(0.7, rate));
  Rng rng(26);
  Phase a, b;
  Svf filter;
  filter.Set(3200, 0.9, rate);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double sag = ExpGlide(t, 1.0, 0.85, 0.7);
    // An octave over a mains hum, so the buzz is heard on small speakers instead of felt.
    double v = Square(a.Advance(360 * sag, rate), a.step) + Square(b.Advance(381.4 * sag, rate), b.step);
    double gate = 0.55 + 0.45 * std::tanh(4.0 * std::sin(2 * kPi * 11.0 * t + 0.5 * kPi));
    filter.Process(static_cast<float>(v * 0.5 * gate));
    double envelope = std::min(1.0, t / 0.005) * (t < 0.5 ? 1.0 : ExpDecay(t - 0.5, 0.07));
    double clank = rng.Bipolar() * AttackDecay(t, 0.003, 0.01);
    s[i] = SoftClip(static_cast<float>(filter.low * envelope + 0.7 * clank), 2.5f);
  }
  return s;
}
