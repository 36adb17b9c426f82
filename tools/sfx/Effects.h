// The game's 21 sound effects: what each is, the rates it is stored and heard at, and its synthesizer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sfx/EffectMaster.h"
#include "sfx/Synth.h"

// The game replays a sound stored at `storedRate` at whatever frequency it asks for, which speeds
// it up by frequency / storedRate. Each effect is therefore rendered at the frequency the game mostly plays
// it at (its EffectPlay, base/SoundLevels.h), and its samples are labelled with `storedRate`: at that
// frequency it sounds exactly as designed, and at the game's other frequencies it shifts in pitch and length
// on purpose. It is mastered as it is heard there: at its usual volume, through the mixer's laws.
struct SoundEffect {
  Sound sound;         // the game's sound slot
  const char* name;    // entry name in packs/sounds.pak
  const char* what;    // one line for the builder's report and the contact sheet
  int storedRate;      // Hz written in the file
  bool ogg;            // Ogg Vorbis instead of 16-bit WAV
  double fadeOut;      // seconds of the final fade to zero
  Samples (*render)(double rate);  // raw synthesis at `rate` samples per second
};



// The worst burst the mixer meets: the `count` effects loudest at volume 100 (each at its usual frequency)
// started in the same frame. `files` holds each effect's finished samples, in the order of SoundEffects().
struct Overlap {
  std::vector<Sound> sounds;  // the effects taken, loudest first
  double peakDb = -200;       // the largest sample of their sum, dBFS, before the soft clip
};
Overlap LoudestOverlap(const std::vector<Samples>& files, int count = 4);



// The usual frequency and volume of an effect.
const EffectPlay& PlayOf(const SoundEffect& effect);

// Every effect of packs/sounds.pak, in the order the game loads them.
const std::vector<SoundEffect>& SoundEffects();

// The finished samples of an effect at its usual frequency: synthesized, faded and mastered.
Samples RenderEffect(const SoundEffect& effect, MasteredLevels* levels = nullptr);

// The bytes stored in the pack: a WAV or an Ogg file labelled with the stored rate. Returns false
// (with the reason in `error`) when the encoder fails.
bool EncodeEffect(const SoundEffect& effect, const Samples& finished, std::vector<uint8_t>& out, std::string& error);

// The synthesizers, at `rate` samples per second (EffectsHits.cpp and EffectsTones.cpp).
Samples RenderTileBounce(double rate);
Samples RenderThreadBounce(double rate);
Samples RenderBallClink(double rate);
Samples RenderTileShatter(double rate);
Samples RenderTeleport(double rate);
Samples RenderZap(double rate);
Samples RenderShield(double rate);
Samples RenderLaser(double rate);
Samples RenderMissileLoading(double rate);
Samples RenderMissileLaunch(double rate);
Samples RenderBallLaunch(double rate);
Samples RenderFire(double rate);
Samples RenderBigExplosion(double rate);
Samples RenderGunShot(double rate);
Samples RenderHappyBell(double rate);
Samples RenderFailure(double rate);
Samples RenderTick(double rate);
Samples RenderPop(double rate);
Samples RenderBonus(double rate);
Samples RenderChimes(double rate);
Samples RenderTilt(double rate);
