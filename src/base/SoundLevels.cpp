// The volume laws, the loudness classes and how the game usually plays each of its effects.
#include "base/SoundLevels.h"

#include <algorithm>
#include <cmath>

float EffectVolumeGain(int volume) { return std::sqrt(static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f); }

float MusicVolumeGain(int volume) {
  const int v = std::clamp(volume, 0, 100);
  if (v >= 50) return EffectVolumeGain(v);
  const float below = static_cast<float>(v) / 50.0f;
  return EffectVolumeGain(50) * below * below;
}

double EffectCeilingDbtp(int volume) {
  const double quieter = 20.0 * std::log10(std::max(1e-6f, EffectVolumeGain(volume)) / EffectVolumeGain(100));
  return std::min(kEffectCeilingDbtp, kBurstCeilingDbtp + quieter);
}

double ClassTargetLufs(EffectClass kind) {
  switch (kind) {
    case EffectClass::Frequent: return -16;   // heard again and again: bounces, ticks, shattering tiles, zaps
    case EffectClass::Weapon: return -15;     // the player's shots and what they hit
    case EffectClass::Reward: return -14;     // capsules, lives won and lost: the player must notice them
    case EffectClass::Explosion: return -13;  // the missile's blast
  }
  return -16;
}

const char* ClassName(EffectClass kind) {
  switch (kind) {
    case EffectClass::Frequent: return "frequent";
    case EffectClass::Weapon: return "weapon";
    case EffectClass::Reward: return "reward";
    case EffectClass::Explosion: return "explosion";
  }
  return "?";
}

const std::vector<EffectPlay>& EffectPlays() {
  using C = EffectClass;
  // A tile shattering and a monster's zap come with every hit, and the fire's roar lasts its 15 s, so they sit
  // with the bounces rather than over them. Frequencies and volumes of the calls heard most: a tile bounce rather than the ship's, a fire ball's restarts
  // (volume 50 to 100, so 75) rather than the capsule's first roar. An effect the game never sets plays at the
  // rate of its file and at volume 100.
  static const std::vector<EffectPlay> plays = {
      {Sound::Bounce, C::Frequent, 40000, 100},        {Sound::ThreadBounce, C::Frequent, 22050, 100},
      {Sound::BallClink, C::Frequent, 44100, 80},      {Sound::TileShatter, C::Frequent, 20000, 50},
      {Sound::Teleport, C::Frequent, 44100, 100},      {Sound::Zap, C::Frequent, 40000, 30},
      {Sound::Shimmer, C::Reward, 20000, 100},     {Sound::Laser, C::Weapon, 20000, 100},
      {Sound::MissileLoading, C::Weapon, 10000, 100}, {Sound::MissileLaunch, C::Weapon, 30000, 100},
      {Sound::BallLaunch, C::Frequent, 70000, 100},    {Sound::Fire, C::Frequent, 20000, 75},
      {Sound::BigExplosion, C::Explosion, 22050, 100}, {Sound::GunShot, C::Weapon, 22050, 100},
      {Sound::ExtraLife, C::Reward, 20000, 100},   {Sound::Failure, C::Reward, 5000, 100},
      {Sound::Tick, C::Frequent, 22050, 100},          {Sound::TitleFlash, C::Reward, 22050, 100},
      {Sound::Pop, C::Frequent, 5000, 100},            {Sound::BonusCaught, C::Reward, 22050, 100},
      {Sound::Chimes, C::Reward, 22050, 100},      {Sound::Tilt, C::Reward, 20000, 100},
  };
  return plays;
}

const EffectPlay* FindEffectPlay(Sound sound) {
  for (const EffectPlay& play : EffectPlays()) {
    if (play.sound == sound) return &play;
  }
  return nullptr;
}
