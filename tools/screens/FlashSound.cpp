// The title's flash: a struck impact that blooms into a shimmering chord sweeping upwards, with sparkles.
#include <cmath>
#include <cstdio>
#include <string>

#include "screens/ScreenArt.h"
#include "sfx/EffectMaster.h"
#include "sfx/SoundCatalogue.h"
#include "sfx/Synth.h"
#include "sfx/WavWrite.h"

namespace {

constexpr double kSeconds = 1.3;

// The hit: a burst of noise whose brightness falls quickly, over a short low thump.
void Impact(Samples& out, double rate) {
  Rng rng(3050);
  Svf tone;
  Phase thump;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / rate;
    if (t > 0.5) break;
    tone.Set(ExpGlide(t, 7000, 500, 0.18), 0.9, rate);
    tone.Process(static_cast<float>(rng.Bipolar()));
    const double noise = tone.low * AttackDecay(t, 0.001, 0.07);
    const double body = Sine(thump.Advance(ExpGlide(t, 140, 55, 0.12), rate)) * AttackDecay(t, 0.002, 0.09);
    out[i] += static_cast<float>(0.5 * noise + 0.3 * body);
  }
}

// The bloom: a chord of detuned partials gliding up three octaves, trembling faster as it rises.
void Sweep(Samples& out, double rate) {
  const double ratios[] = {1.0, 1.005, 1.498, 2.0, 2.006, 3.0, 4.01};
  const double levels[] = {0.30, 0.30, 0.22, 0.20, 0.20, 0.12, 0.08};
  Phase phases[7];
  Rng rng(11);
  for (Phase& p : phases) p.cycles = rng.Uniform();  // scattered starts keep the chord's peaks down
  Phase tremolo;
  OnePole soften;
  soften.Set(5000, rate);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / rate;
    const double start = 0.03;
    if (t < start) continue;
    const double u = t - start;
    const double base = ExpGlide(u, 220, 1400, 1.05);
    const double shimmer = 0.8 + 0.2 * Sine(tremolo.Advance(12 + 14 * Smoothstep(u / 1.1), rate));
    const double envelope = Smoothstep(u / 0.12) * (1 - Smoothstep((u - 0.75) / 0.5));
    double sum = 0;
    for (int k = 0; k < 7; ++k) sum += levels[k] * Sine(phases[k].Advance(base * ratios[k], rate));
    out[i] += soften.Low(static_cast<float>(sum * shimmer * envelope * 0.9));
  }
}

// Sparkles: short high pings, more of them as the sweep climbs.
void Sparkles(Samples& out, double rate) {
  Rng rng(7);
  for (int n = 0; n < 26; ++n) {
    const double when = 0.08 + std::pow(rng.Uniform(), 0.6) * 0.95;
    const double hz = 2500 + 3000 * rng.Uniform(), level = 0.05 + 0.06 * rng.Uniform();
    Phase phase;
    for (size_t i = static_cast<size_t>(when * rate); i < out.size(); ++i) {
      const double t = i / rate - when;
      if (t > 0.15) break;
      out[i] += static_cast<float>(level * Sine(phase.Advance(hz, rate)) * AttackDecay(t, 0.002, 0.03));
    }
  }
}

}  // namespace

std::vector<float> RenderMenuFlash() {
  const double rate = menuFlashRate;
  Samples out(static_cast<size_t>(kSeconds * rate));
  Impact(out, rate);
  Sweep(out, rate);
  Sparkles(out, rate);
  // Little below 80 Hz: the thump is felt in the attack, not left rumbling.
  OnePole rumble;
  rumble.Set(70, rate);
  // A little saturation thickens the chord and rounds the hit's peak, so the flash is loud without spiking.
  for (float& v : out) v = SoftClip(rumble.High(v) * 1.6f, 1.8f);
  MasterEffect(out, *FindEffectPlay(Sound::TitleFlash), 0.12);
  return out;
}

std::vector<uint8_t> MakeMenuFlashSound() {
  std::vector<uint8_t> out;
  std::string error;
  const std::vector<float> flash = RenderMenuFlash();
  const EffectPlay& play = *FindEffectPlay(Sound::TitleFlash);
  const MasteredLevels played = MeasurePlayed(flash, play);
  AddToSoundCatalogue(CatalogueSound{"gfx/menu/16 - son.wav", "effect (reward)", &flash, 1, double(menuFlashRate),
                                     PlaybackOf(play).gain, played.lufs, played.truePeakDb});
  if (!EncodeWav16(FloatToPcm16(flash), 1, menuFlashRate, out, error)) {
    std::fprintf(stderr, "packbuilder: the menu's flash: %s\n", error.c_str());
    out.clear();
  }
  return out;
}
