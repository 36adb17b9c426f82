// Tests of the volume laws and of the table of how the game plays its effects.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "base/MainPictureTable.h"
#include "base/SoundLevels.h"

namespace {

double Db(float gain) { return 20 * std::log10(gain); }

}  // namespace

TEST(SoundLevels, BothLawsAreSilentAtZeroRiseWithVolumeAndClampOutside) {
  for (auto law : {EffectVolumeGain, MusicVolumeGain}) {
    EXPECT_EQ(law(0), 0.0f);
    EXPECT_EQ(law(-20), 0.0f);
    EXPECT_FLOAT_EQ(law(100), 1.0f);
    EXPECT_FLOAT_EQ(law(250), 1.0f);
    for (int v = 1; v <= 100; ++v) EXPECT_GT(law(v), law(v - 1)) << v;
  }
  // Power follows the effects' volume: a zap at 30 plays 5.2 dB under full, a tile at 50 3 dB under.
  EXPECT_NEAR(Db(EffectVolumeGain(30)), -5.23, 0.01);
  EXPECT_NEAR(Db(EffectVolumeGain(50)), -3.01, 0.01);
}

TEST(SoundLevels, TheMusicLawKeepsScreensNearTheLevelsAndFadesEvenly) {
  // A screen's track at 100 plays 3 dB over a level's at 50, the two laws agreeing from 50 up.
  EXPECT_NEAR(Db(MusicVolumeGain(100)) - Db(MusicVolumeGain(50)), 3.01, 0.01);
  for (int v = 50; v <= 100; ++v) EXPECT_FLOAT_EQ(MusicVolumeGain(v), EffectVolumeGain(v)) << v;
  // Halfway through a fade from 50 the music sounds about half as loud (loudness grows as amplitude^0.6), and
  // the last steps before silence are already far down.
  const double halfway = std::pow(MusicVolumeGain(25) / MusicVolumeGain(50), 0.6);
  EXPECT_GT(halfway, 0.35);
  EXPECT_LT(halfway, 0.65);
  EXPECT_LT(Db(MusicVolumeGain(1)) - Db(MusicVolumeGain(50)), -30);
}

TEST(SoundLevels, TheBurstCeilingTightensForQuietlyPlayedEffects) {
  EXPECT_DOUBLE_EQ(EffectCeilingDbtp(100), kBurstCeilingDbtp);
  EXPECT_NEAR(EffectCeilingDbtp(30), kBurstCeilingDbtp - 5.23, 0.01);
  EXPECT_LE(EffectCeilingDbtp(100), kEffectCeilingDbtp);
  // Four effects at the burst ceiling, even in step, may bend in the soft clip but never reach full scale.
  EXPECT_LT(4 * std::pow(10.0, kBurstCeilingDbtp / 20), 1.0);
}

TEST(SoundLevels, EveryEffectOfThePacksHasOneUsualWayOfPlaying) {
  std::set<int> seen;
  for (const EffectPlay& play : EffectPlays()) {
    EXPECT_TRUE(seen.insert(SoundNumber(play.sound)).second) << SoundNumber(play.sound) << " twice";
    EXPECT_GE(play.frequencyHz, 100);
    EXPECT_LE(play.frequencyHz, 200000);
    EXPECT_GT(play.volume, 0);
    EXPECT_LE(play.volume, 100);
    EXPECT_EQ(FindEffectPlay(play.sound), &play);
  }
  for (const MainSound& sound : MainSoundTable()) EXPECT_NE(FindEffectPlay(sound.sound), nullptr) << sound.name;
  EXPECT_NE(FindEffectPlay(Sound::TitleFlash), nullptr);
  EXPECT_EQ(FindEffectPlay(Sound::Music), nullptr);
  // The classes keep their order: what is heard most often sits lowest.
  EXPECT_LT(ClassTargetLufs(EffectClass::Frequent), ClassTargetLufs(EffectClass::Weapon));
  EXPECT_LT(ClassTargetLufs(EffectClass::Weapon), ClassTargetLufs(EffectClass::Reward));
  EXPECT_LT(ClassTargetLufs(EffectClass::Reward), ClassTargetLufs(EffectClass::Explosion));
}
