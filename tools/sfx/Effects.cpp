// The table of the game's sound effects, and turning a synthesized effect into the bytes of its pack entry.
#include "sfx/Effects.h"

#include <algorithm>
#include <cmath>

#include "sfx/OggWrite.h"
#include "sfx/WavWrite.h"

const std::vector<SoundEffect>& SoundEffects() {
  static const std::vector<SoundEffect> effects = {
      {Sound::Bounce, "sfx/bounce.wav", "ball on tile, wall or ship: short pitched tock", 44100, false, 0.004,
       RenderTileBounce},
      {Sound::ThreadBounce, "sfx/bounce_f.wav", "ball on the energy thread: electric twang", 22050, false, 0.006,
       RenderThreadBounce},
      {Sound::BallClink, "sfx/bounce_ball.wav", "ball on ball: glassy clink", 44100, false, 0.004, RenderBallClink},
      {Sound::TileShatter, "sfx/explode.wav", "tile shatters: noise crunch over a low thump", 22050, false, 0.02,
       RenderTileShatter},
      {Sound::Teleport, "sfx/PrSelect.wav", "ball enters a teleporter: rising warp chirp", 44100, false, 0.01,
       RenderTeleport},
      {Sound::Zap, "sfx/zap.wav", "monster destroyed (boss hit at a quarter speed): electric zap", 44100, false, 0.01,
       RenderZap},
      {Sound::Shimmer, "sfx/bouclier.wav", "ship enlarged or door opened: rising shimmering chord", 22050, false, 0.05,
       RenderShield},
      {Sound::Laser, "sfx/laser3.wav", "ship laser (boss volley at a fifth of the speed): falling zap", 22050, false, 0.01,
       RenderLaser},
      {Sound::MissileLoading, "sfx/missile_loading.wav", "missile rises into the launcher: servo whine, ratchet, lock, beeps", 11025, false, 0.01, RenderMissileLoading},
      {Sound::MissileLaunch, "sfx/missile_launch.wav", "missile launch: ignition thump and whoosh", 22050, false, 0.08,
       RenderMissileLaunch},
      {Sound::BallLaunch, "sfx/ball_launch.wav", "ball leaves the ship: springy upward blip", 44100, false, 0.01,
       RenderBallLaunch},
      {Sound::Fire, "sfx/onfire.wav", "fire ball: roar and crackle, restarted every 2 s so it overlaps itself", 22050,
       false, 0.05, RenderFire},
      {Sound::BigExplosion, "sfx/Explosion.wav", "missile blast (boss blows up at 5000 Hz): big explosion", 22050, false, 0.08,
       RenderBigExplosion},
      {Sound::GunShot, "sfx/m2fire.wav", "chaingun, duck gun and sugar launcher: gunshot", 22050, false, 0.02,
       RenderGunShot},
      {Sound::ExtraLife, "sfx/HAPPYBEL.WAV", "extra life: rising peal of bells", 22050, false, 0.1, RenderHappyBell},
      {Sound::Failure, "sfx/SOUND827.WAV", "ball lost or minigame lost (door exit at double speed): falling wail", 11025,
       false, 0.05, RenderFailure},
      {Sound::Tick, "sfx/inter.WAV", "pause and countdown: bright tick", 22050, false, 0.008, RenderTick},
      {Sound::Pop, "sfx/bounce1.wav", "minigame hit (good at 5000 Hz, bad at 2500 Hz): pop", 11025, false, 0.008,
       RenderPop},
      {Sound::BonusCaught, "sfx/digifx08.ogg", "bonus capsule caught: shimmering rising arpeggio", 22050, true, 0.05,
       RenderBonus},
      {Sound::Chimes, "sfx/chimes.wav", "bonus letter caught: chimes", 22050, false, 0.1, RenderChimes},
      {Sound::Tilt, "sfx/tilt.ogg", "malus caught: dissonant tilt buzzer", 22050, true, 0.03, RenderTilt},
  };
  return effects;
}

const EffectPlay& PlayOf(const SoundEffect& effect) {
  static const EffectPlay unknown{Sound::Music, EffectClass::Frequent, 22050, 100};
  const EffectPlay* play = FindEffectPlay(effect.sound);
  return play != nullptr ? *play : unknown;
}



Overlap LoudestOverlap(const std::vector<Samples>& files, int count) {
  const std::vector<SoundEffect>& effects = SoundEffects();
  struct Loud {
    double lufs;
    size_t index;
    std::vector<float> played;
  };
  std::vector<Loud> all;
  for (size_t i = 0; i < effects.size() && i < files.size(); ++i) {
    EffectPlay full = PlayOf(effects[i]);
    full.volume = 100;
    std::vector<float> played = PlayedAtMixRate(files[i], PlaybackOf(full));
    all.push_back(Loud{PlayedLoudness(played, kMixRate), i, std::move(played)});
  }
  std::sort(all.begin(), all.end(), [](const Loud& a, const Loud& b) { return a.lufs > b.lufs; });
  Overlap overlap;
  std::vector<float> sum;
  for (int k = 0; k < count && k < static_cast<int>(all.size()); ++k) {
    overlap.sounds.push_back(effects[all[static_cast<size_t>(k)].index].sound);
    const std::vector<float>& played = all[static_cast<size_t>(k)].played;
    if (sum.size() < played.size()) sum.resize(played.size(), 0.0f);
    for (size_t i = 0; i < played.size(); ++i) sum[i] += played[i];
  }
  float peak = 0;
  for (float v : sum) peak = std::max(peak, std::fabs(v));
  overlap.peakDb = peak > 0 ? 20.0 * std::log10(peak) : -200;
  return overlap;
}


Samples RenderEffect(const SoundEffect& effect, MasteredLevels* levels) {
  const EffectPlay& play = PlayOf(effect);
  Samples s = effect.render(play.frequencyHz);
  MasteredLevels reached = MasterEffect(s, play, effect.fadeOut);
  if (levels != nullptr) *levels = reached;
  return s;
}

bool EncodeEffect(const SoundEffect& effect, const Samples& finished, std::vector<uint8_t>& out, std::string& error) {
  if (effect.ogg) {
    OggVorbisSettings settings;
    settings.channels = 1;
    settings.rate = effect.storedRate;
    settings.quality = 0.6f;
    settings.serial = 0x5346u + static_cast<uint32_t>(SoundNumber(effect.sound));
    return EncodeOggVorbis(finished.data(), finished.size(), settings, out, error);
  }
  return EncodeWav16(FloatToPcm16(finished), 1, effect.storedRate, out, error);
}
