// The table of the game's sound effects, and turning a synthesized effect into the bytes of its pack entry.
#include "sfx/Effects.h"

#include "sfx/OggWrite.h"
#include "sfx/WavWrite.h"

const std::vector<SoundEffect>& SoundEffects() {
  // Heard rates come from the calls in the game: a tile bounce at 40000 Hz, the ball launch at
  // 70000 Hz, a lost ball at 5000 Hz... Effects the game plays with the frequency left unchanged
  // are heard at their stored rate.
  static const std::vector<SoundEffect> effects = {
      {1, "sfx/bounce.wav", "ball on tile, wall or ship: short pitched tock", 44100, 40000, false, 0.004,
       RenderTileBounce},
      {2, "sfx/bounce_f.wav", "ball on the energy thread: electric twang", 22050, 22050, false, 0.006,
       RenderThreadBounce},
      {3, "sfx/bounce_ball.wav", "ball on ball: glassy clink", 44100, 44100, false, 0.004, RenderBallClink},
      {4, "sfx/explode.wav", "tile shatters: noise crunch over a low thump", 22050, 20000, false, 0.02,
       RenderTileShatter},
      {5, "sfx/PrSelect.wav", "ball enters a teleporter: rising warp chirp", 44100, 44100, false, 0.01,
       RenderTeleport},
      {6, "sfx/zap.wav", "monster destroyed (boss hit at a quarter speed): electric zap", 44100, 40000, false, 0.01,
       RenderZap},
      {7, "sfx/bouclier.wav", "ship enlarged or door opened: rising shimmering chord", 22050, 20000, false, 0.05,
       RenderShield},
      {8, "sfx/laser3.wav", "ship laser (boss volley at a fifth of the speed): falling zap", 22050, 20000, false, 0.01,
       RenderLaser},
      {9, "sfx/missile_loading.wav", "missile rises into the launcher: servo whine, ratchet, lock, beeps", 11025,
       10000, false, 0.01, RenderMissileLoading},
      {10, "sfx/missile_launch.wav", "missile launch: ignition thump and whoosh", 22050, 30000, false, 0.08,
       RenderMissileLaunch},
      {11, "sfx/ball_launch.wav", "ball leaves the ship: springy upward blip", 44100, 70000, false, 0.01,
       RenderBallLaunch},
      {12, "sfx/onfire.wav", "fire ball: roar and crackle, restarted every 2 s so it overlaps itself", 22050, 20000,
       false, 0.05, RenderFire},
      {13, "sfx/Explosion.wav", "missile blast (boss blows up at 5000 Hz): big explosion", 22050, 22050, false, 0.08,
       RenderBigExplosion},
      {14, "sfx/m2fire.wav", "chaingun, duck gun and sugar launcher: gunshot", 22050, 22050, false, 0.02,
       RenderGunShot},
      {15, "sfx/HAPPYBEL.WAV", "extra life: rising peal of bells", 22050, 20000, false, 0.1, RenderHappyBell},
      {16, "sfx/SOUND827.WAV", "ball lost or minigame lost (door exit at double speed): falling wail", 11025, 5000,
       false, 0.05, RenderFailure},
      {18, "sfx/inter.WAV", "pause and countdown: bright tick", 22050, 22050, false, 0.008, RenderTick},
      {23, "sfx/bounce1.wav", "minigame hit (good at 5000 Hz, bad at 2500 Hz): pop", 11025, 5000, false, 0.008,
       RenderPop},
      {24, "sfx/digifx08.ogg", "bonus capsule caught: shimmering rising arpeggio", 22050, 22050, true, 0.05,
       RenderBonus},
      {25, "sfx/chimes.wav", "bonus letter caught: chimes", 22050, 22050, false, 0.1, RenderChimes},
      {26, "sfx/tilt.ogg", "malus caught: dissonant tilt buzzer", 22050, 20000, true, 0.03, RenderTilt},
  };
  return effects;
}

Samples RenderEffect(const SoundEffect& effect) {
  double rate = effect.heardRate;
  Samples s = effect.render(rate);
  FinishEffect(s, rate, 0.001, effect.fadeOut);
  return s;
}

bool EncodeEffect(const SoundEffect& effect, const Samples& finished, std::vector<uint8_t>& out, std::string& error) {
  if (effect.ogg) {
    OggVorbisSettings settings;
    settings.channels = 1;
    settings.rate = effect.storedRate;
    settings.quality = 0.6f;
    settings.serial = 0x5346u + static_cast<uint32_t>(effect.number);
    return EncodeOggVorbis(finished.data(), finished.size(), settings, out, error);
  }
  return EncodeWav16(FloatToPcm16(finished), 1, effect.storedRate, out, error);
}
