// Synthesizers of the percussive effects: bounces, shatters, explosions, shots, zaps and launches.
#include <cmath>

#include "sfx/Effects.h"

namespace {

size_t Count(double seconds, double rate) { return static_cast<size_t>(seconds * rate); }

// Short crackles scattered over [0, spread) seconds, each a few milliseconds of bright noise,
// growing sparser and quieter: the grit of debris and flames.
void AddCrackles(Samples& s, double rate, Rng& rng, int count, double spread, double loudness, double tone) {
  Svf filter;
  filter.Set(tone, 0.9, rate);
  for (int k = 0; k < count; ++k) {
    double start = spread * std::pow(rng.Uniform(), 1.6);
    double length = 0.0008 + 0.0025 * rng.Uniform();
    double gain = loudness * (0.4 + 0.6 * rng.Uniform()) * (1.0 - 0.7 * start / spread);
    size_t first = Count(start, rate), n = Count(length, rate) + 2;
    for (size_t i = 0; i < n && first + i < s.size(); ++i) {
      double x = static_cast<double>(i) / static_cast<double>(n);
      filter.Process(static_cast<float>(rng.Bipolar()));
      s[first + i] += static_cast<float>(filter.band * gain * std::sin(kPi * x));
    }
  }
}

}  // namespace

Samples RenderTileBounce(double rate) {
  // A small hard block struck: a ping with one inharmonic overtone over a tick of noise. At the
  // ship's 10000 Hz it drops two octaves into a soft tock.
  Samples s(Count(0.034, rate));
  Rng rng(1);
  Phase p1, p2;
  Svf tick;
  tick.Set(3200, 1.2, rate);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double f = ExpGlide(t, 1900, 1480, 0.012);
    double body = 0.8 * Sine(p1.Advance(f, rate)) * ExpDecay(t, 0.0075) +
                  0.35 * Sine(p2.Advance(f * 2.71, rate)) * ExpDecay(t, 0.0035);
    tick.Process(static_cast<float>(rng.Bipolar()));
    s[i] = static_cast<float>(body + 0.6 * tick.band * ExpDecay(t, 0.0012));
  }
  return s;
}

Samples RenderThreadBounce(double rate) {
  // The ball kicks the humming energy thread: a resonant saw twang whose filter snaps shut.
  Samples s(Count(0.08, rate));
  Phase a, b, ping;
  Svf filter;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double f = ExpGlide(t, 300, 240, 0.06);
    filter.Set(ExpGlide(t, 5200, 500, 0.05), 5.0, rate);
    double saws = Saw(a.Advance(f, rate), a.step) + 0.7 * Saw(b.Advance(f * 1.503, rate), b.step);
    filter.Process(static_cast<float>(saws * 0.5));
    double ring = Sine(ping.Advance(1320, rate)) * ExpDecay(t, 0.008);
    s[i] = static_cast<float>(SoftClip(filter.low, 1.5f) * ExpDecay(t, 0.022) + 0.45 * ring);
  }
  return s;
}

Samples RenderBallClink(double rate) {
  // Two glass marbles: high inharmonic partials that die within a few tens of milliseconds.
  Samples s(Count(0.045, rate));
  const double partials[][3] = {{2350, 0.9, 0.012}, {5450, 0.5, 0.007}, {9620, 0.25, 0.004}};
  Phase phases[3];
  Rng rng(3);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double v = 0;
    for (int k = 0; k < 3; ++k) v += partials[k][1] * Sine(phases[k].Advance(partials[k][0], rate)) * ExpDecay(t, partials[k][2]);
    v += 0.3 * rng.Bipolar() * ExpDecay(t, 0.0006);
    s[i] = static_cast<float>(v);
  }
  return s;
}

Samples RenderTileShatter(double rate) {
  // A tile breaks: a burst of noise whose band falls from bright to dull, debris crackles and a
  // short low thump underneath. Heard often, so it stays short and dense: the crunch holds for a
  // moment and is gone.
  Samples s(Count(0.17, rate));
  Rng rng(4);
  Svf band;
  Phase thump;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    band.Set(ExpGlide(t, 4200, 900, 0.15), 0.9, rate);
    band.Process(static_cast<float>(rng.Bipolar()));
    double hold = t < 0.03 ? std::min(1.0, t / 0.001) : ExpDecay(t - 0.03, 0.04);
    double noise = band.band * hold * 1.8;
    double low = Sine(thump.Advance(ExpGlide(t, 170, 80, 0.06), rate)) * AttackDecay(t, 0.002, 0.025);
    s[i] = static_cast<float>(noise + 0.35 * low);
  }
  AddCrackles(s, rate, rng, 16, 0.12, 0.5, 4200);
  for (float& v : s) v = SoftClip(v, 2.5f);
  return s;
}

Samples RenderZap(double rate) {
  // An electric zap: a narrow square diving in pitch, roughened by noise and a closing filter.
  // The boss's hit plays it four times slower, which turns it into a deep crackling blow.
  Samples s(Count(0.15, rate));
  Rng rng(6);
  Phase square, sub;
  Svf filter;
  OnePole grit;
  grit.Set(3000, rate);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double f = ExpGlide(t, 2400, 160, 0.14);
    double tone = Square(square.Advance(f, rate), square.step, 0.3) + 0.5 * Sine(sub.Advance(f * 0.5, rate));
    double roughness = 0.55 + 0.45 * grit.Low(static_cast<float>(rng.Bipolar())) * 4.0;
    filter.Set(ExpGlide(t, 9000, 1500, 0.14), 1.4, rate);
    filter.Process(static_cast<float>(tone * roughness));
    double envelope = t < 0.05 ? std::min(1.0, t / 0.001) : ExpDecay(t - 0.05, 0.04);
    s[i] = SoftClip(static_cast<float>(filter.low * envelope), 2.5f);
  }
  return s;
}

Samples RenderLaser(double rate) {
  // The ship's laser: a saw and a slightly detuned square falling fast, the classic "pew".
  // The boss fires the same sound at 4000 Hz: five times slower, a low menacing sweep.
  Samples s(Count(0.18, rate));
  Phase saw, square;
  Svf filter;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double f = ExpGlide(t, 2600, 300, 0.16);
    double tone = Saw(saw.Advance(f, rate), saw.step) + 0.7 * Square(square.Advance(f * 1.007, rate), square.step);
    filter.Set(ExpGlide(t, 9000, 1300, 0.16), 1.0, rate);
    filter.Process(static_cast<float>(tone * 0.5));
    s[i] = SoftClip(static_cast<float>(filter.low * AttackDecay(t, 0.0008, 0.055)), 1.5f);
  }
  return s;
}

Samples RenderMissileLaunch(double rate) {
  // Ignition thump, then a jet of noise whose band rises as the missile leaves and falls away as it
  // recedes, over a rumble.
  Samples s(Count(1.0, rate));
  Rng rng(10);
  Svf jet;
  OnePole rumbleA, rumbleB;
  rumbleA.Set(500, rate);
  rumbleB.Set(500, rate);
  Phase thump;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double centre = t < 0.22 ? ExpGlide(t, 450, 3200, 0.22) : ExpGlide(t - 0.22, 3200, 800, 0.7);
    jet.Set(centre, 1.3, rate);
    float noise = static_cast<float>(rng.Bipolar());
    jet.Process(noise);
    double whoosh = jet.band * AttackDecay(t, 0.05, 0.32) * 1.3;
    double rumble = rumbleB.Low(rumbleA.Low(noise)) * 3.0 * AttackDecay(t, 0.01, 0.25);
    double low = Sine(thump.Advance(ExpGlide(t, 95, 38, 0.15), rate)) * AttackDecay(t, 0.002, 0.09);
    s[i] = SoftClip(static_cast<float>(whoosh + rumble + 0.9 * low), 1.3f);
  }
  return s;
}

Samples RenderBallLaunch(double rate) {
  // The ball springs off the ship: a click and a quick upward blip with a little spring wobble.
  Samples s(Count(0.13, rate));
  Rng rng(11);
  Phase tone, wobble;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double vibrato = 1.0 + 0.03 * Sine(wobble.Advance(38, rate)) * ExpDecay(t, 0.05);
    double f = ExpGlide(t, 420, 1400, 0.075) * vibrato;
    double c = tone.Advance(f, rate);
    double v = (Sine(c) + 0.25 * Sine(2.0 * c)) * AttackDecay(t, 0.002, 0.045);
    v += 0.5 * rng.Bipolar() * ExpDecay(t, 0.001);
    s[i] = static_cast<float>(v);
  }
  return s;
}

Samples RenderFire(double rate) {
  // Flames: a breathing roar with crackles and hiss. The game restarts it every two seconds while the
  // fire ball lasts, so it swells in quickly, fades out gently, and the restarts overlap into one
  // steady fire.
  Samples s(Count(2.4, rate));
  Rng rng(12);
  OnePole lowA, lowB, rumble;
  lowA.Set(700, rate);
  lowB.Set(700, rate);
  rumble.Set(160, rate);
  Svf hiss;
  hiss.Set(2200, 0.7, rate);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    float noise = static_cast<float>(rng.Bipolar());
    double breathing = 0.75 + 0.15 * std::sin(2 * kPi * 0.9 * t) + 0.1 * std::sin(2 * kPi * 2.3 * t + 1.0);
    hiss.Process(noise);
    // The roar's lowest octave is taken out: a fire crackles and hisses, it does not hum.
    float body = lowB.Low(lowA.Low(noise));
    double roar = (body - rumble.Low(body)) * 4.0 + hiss.band * 0.6;
    double swell = (0.3 + 0.7 * Smoothstep(t / 0.15)) * (1.0 - Smoothstep((t - 1.95) / 0.45));
    s[i] = static_cast<float>(roar * breathing * swell);
  }
  Samples crackle(s.size(), 0.0f);
  AddCrackles(crackle, rate, rng, 110, 2.4, 0.7, 3000);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    s[i] += crackle[i] * static_cast<float>(Smoothstep(t / 0.15) * (1.0 - Smoothstep((t - 1.95) / 0.45)));
  }
  return s;
}

Samples RenderBigExplosion(double rate) {
  // A missile's blast: a punch, a dense roar of noise that darkens as it dies and a shower of debris, all driven
  // into saturation. After Taron's fall the game plays it at 5000 Hz, four and a half times slower: so the body is
  // short, the thump sits high enough to stay a thud rather than a rumble, and the debris and the noise reach up
  // to where they still crackle at a quarter of their pitch.
  Samples s(Count(0.62, rate));
  Rng rng(13);
  Svf body, grit;
  Phase thump;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    body.Set(ExpGlide(t, 7000, 700, 0.45), 0.7, rate);
    float noise = static_cast<float>(rng.Bipolar());
    body.Process(noise);
    grit.Set(ExpGlide(t, 5200, 2400, 0.4), 1.6, rate);
    grit.Process(noise);
    // The roar holds for a moment before it decays, so the blast is dense rather than one spike.
    double hold = t < 0.07 ? 1.0 : ExpDecay(t - 0.07, 0.14);
    double roar = (body.low * 1.4 + grit.band * 0.6) * std::min(1.0, t / 0.002) * hold;
    double low = Sine(thump.Advance(ExpGlide(t, 130, 60, 0.12), rate)) * AttackDecay(t, 0.002, 0.07);
    s[i] = static_cast<float>(roar + 0.6 * low);
  }
  AddCrackles(s, rate, rng, 70, 0.5, 0.5, 4200);
  for (float& v : s) v = SoftClip(v, 3.0f);
  return s;
}

Samples RenderGunShot(double rate) {
  // A chaingun round: a sharp crack, a band of noise for the report, a low punch and a short metallic
  // ring of the mechanism. Four a second at most, so it is over in 200 ms.
  Samples s(Count(0.2, rate));
  Rng rng(14);
  Svf report;
  report.Set(1700, 1.1, rate);
  Phase punch, ring;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    float noise = static_cast<float>(rng.Bipolar());
    report.Process(noise);
    double v = noise * ExpDecay(t, 0.0018) * 0.8 + report.band * ExpDecay(t, 0.028) * 1.6;
    v += 0.45 * Sine(punch.Advance(ExpGlide(t, 170, 55, 0.06), rate)) * AttackDecay(t, 0.001, 0.03);
    v += 0.12 * Sine(ring.Advance(3150, rate)) * ExpDecay(t, 0.03);
    s[i] = SoftClip(static_cast<float>(v), 3.0f);
  }
  return s;
}

Samples RenderPop(double rate) {
  // A balloon pops or a duck is hit: a quick falling blip with a puff of noise. Heard at 5000 Hz,
  // so everything lies below 2.5 kHz; bad hits play it an octave lower.
  Samples s(Count(0.09, rate));
  Rng rng(23);
  Phase tone;
  OnePole puff;
  puff.Set(1800, rate);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double v = Sine(tone.Advance(ExpGlide(t, 950, 330, 0.035), rate)) * AttackDecay(t, 0.001, 0.024);
    v += puff.Low(static_cast<float>(rng.Bipolar())) * 1.6 * ExpDecay(t, 0.006);
    s[i] = static_cast<float>(v);
  }
  return s;
}
