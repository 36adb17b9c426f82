// Tests of the mixer: pitch, clamping, pan, volume, overlapping and restarted instances, loops, stop and release.
#include <gtest/gtest.h>

#include "base/Resample.h"
#include "media/SoundMixer.h"
#include "tests/media/SoundTestData.h"

using namespace soundtest;

namespace {

class SoundMixing : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseTestSounds(); }
  void TearDown() override { ReleaseTestSounds(); }
};

// A rising line from 0 to 0.5: whatever the pitch, the value read tells the position read.
std::vector<uint8_t> RampWav(int frames) {
  std::vector<float> s(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) s[size_t(i)] = 0.5f * float(i) / float(frames);
  return MakeWav(1, 44100, 16, s);
}

TEST_F(SoundMixing, FrequencySetsHowFastTheSoundIsRead) {
  ASSERT_TRUE(Load(1, LevelWav(4410, 0.5f)));
  EXPECT_EQ(SoundFrequency(1), 44100);  // a sound's own rate is its default

  // Twice the mix rate: 4410 frames are done in 2205.
  SetSoundFrequency(1, 88200);
  PlaySoundId(1, 0);
  Mix(2200);
  EXPECT_TRUE(SoundPlaying(1));
  Mix(10);
  EXPECT_FALSE(SoundPlaying(1));

  // The samples read follow the step: every second one at double speed, halfway points at half speed.
  const int n = 10000;
  ASSERT_TRUE(Load(2, RampWav(n)));
  SetSoundFrequency(2, 88200);
  PlaySoundId(2, 0);
  std::vector<float> fast = Mix(1000);
  for (int j = 10; j < 1000; j += 97) EXPECT_NEAR(fast[2 * size_t(j)], 0.5f * 2 * j / n, 1e-4) << j;
  SetSoundFrequency(2, 22050);
  PlaySoundId(2, 0);
  std::vector<float> slow = Mix(1000);
  for (int j = 11; j < 1000; j += 97) EXPECT_NEAR(slow[2 * size_t(j)], 0.5f * (j / 2.0f) / n, 1e-4) << j;
}

TEST_F(SoundMixing, SettingsAreClampedToTheirRanges) {
  ASSERT_TRUE(Load(1, LevelWav(100, 0.5f, 22050)));
  EXPECT_EQ(SoundFrequency(1), 22050);
  EXPECT_EQ(SoundVolume(1), 100);
  EXPECT_EQ(SoundPan(1), 0);
  SetSoundFrequency(1, 500000);
  EXPECT_EQ(SoundFrequency(1), 200000);
  SetSoundVolume(1, 250);
  EXPECT_EQ(SoundVolume(1), 100);
  SetSoundVolume(1, -10);
  EXPECT_EQ(SoundVolume(1), 0);
  SetSoundPan(1, -300);
  EXPECT_EQ(SoundPan(1), -100);
  SetSoundPan(1, 300);
  EXPECT_EQ(SoundPan(1), 100);

  // 50 Hz plays as 100 Hz: 100 frames last one second of the mix, not two.
  SetSoundFrequency(1, 50);
  EXPECT_EQ(SoundFrequency(1), 100);
  PlaySoundId(1, 0);
  Mix(44000);
  EXPECT_TRUE(SoundPlaying(1));
  Mix(200);
  EXPECT_FALSE(SoundPlaying(1));

  // A missing sound answers zero and ignores settings.
  SetSoundVolume(55, 10);
  EXPECT_EQ(SoundVolume(55), 0);
  EXPECT_EQ(SoundFrequency(55), 0);
  EXPECT_FALSE(HasSound(55));
}

TEST_F(SoundMixing, PanMovesTheSoundBetweenChannels) {
  ASSERT_TRUE(Load(1, LevelWav(4000, 0.5f)));
  PlaySoundId(1, 1);
  std::vector<float> centre = Mix(1000);
  EXPECT_FLOAT_EQ(Peak(centre, 0), 0.5f);
  EXPECT_FLOAT_EQ(Peak(centre, 1), 0.5f);

  SetSoundPan(1, -100);
  PlaySoundId(1, 1);
  std::vector<float> left = Mix(1000);
  EXPECT_FLOAT_EQ(Peak(left, 0), 0.5f);
  EXPECT_EQ(Peak(left, 1), 0.0f);

  SetSoundPan(1, 100);
  PlaySoundId(1, 1);
  std::vector<float> right = Mix(1000);
  EXPECT_EQ(Peak(right, 0), 0.0f);
  EXPECT_FLOAT_EQ(Peak(right, 1), 0.5f);

  // Half left: the left keeps its level, the right falls to half.
  SetSoundPan(1, -50);
  PlaySoundId(1, 1);
  std::vector<float> half = Mix(1000);
  EXPECT_FLOAT_EQ(Peak(half, 0), 0.5f);
  EXPECT_NEAR(Peak(half, 1), 0.25f, 1e-6);
}

TEST_F(SoundMixing, VolumeZeroIsSilentAndLouderIsLouder) {
  ASSERT_TRUE(Load(1, LevelWav(4000, 0.5f)));
  float previous = -1.0f;
  for (int volume : {0, 10, 30, 50, 80, 100}) {
    SetSoundVolume(1, volume);
    PlaySoundId(1, 0);
    std::vector<float> out = Mix(500);
    if (volume == 0) {
      EXPECT_EQ(Peak(out, 0), 0.0f);
      EXPECT_EQ(Peak(out, 1), 0.0f);
    } else {
      EXPECT_GT(Peak(out, 0), previous) << volume;
    }
    previous = Peak(out, 0);
  }
  EXPECT_FLOAT_EQ(previous, 0.5f);  // full volume leaves the samples as they are
}

TEST_F(SoundMixing, OverlappingInstancesKeepTheirSettingsAndPlainPlayRestarts) {
  ASSERT_TRUE(Load(1, LevelWav(4410, 0.2f)));
  SetSoundFrequency(1, 44100);
  PlaySoundId(1, kSoundOverlap);
  SetSoundFrequency(1, 88200);  // changes only what starts from now on
  PlaySoundId(1, kSoundOverlap);
  EXPECT_EQ(SoundVoiceCount(), 2);
  Mix(2300);
  EXPECT_EQ(SoundVoiceCount(), 1);  // the fast one is done, the first keeps its own pitch
  Mix(2000);
  EXPECT_EQ(SoundVoiceCount(), 1);
  Mix(200);
  EXPECT_EQ(SoundVoiceCount(), 0);

  // Without the overlap flag the one instance starts again from its beginning.
  SetSoundFrequency(1, 44100);
  PlaySoundId(1, 0);
  Mix(3000);
  PlaySoundId(1, 0);
  EXPECT_EQ(SoundVoiceCount(), 1);
  Mix(3000);
  EXPECT_TRUE(SoundPlaying(1));
  Mix(1500);
  EXPECT_FALSE(SoundPlaying(1));

  // The main instance follows a new frequency while it plays: 3410 frames left at double speed.
  PlaySoundId(1, 0);
  Mix(1000);
  SetSoundFrequency(1, 88200);
  Mix(1700);
  EXPECT_TRUE(SoundPlaying(1));
  Mix(10);
  EXPECT_FALSE(SoundPlaying(1));
}

TEST_F(SoundMixing, VolumeChangesReachThePlayingMainInstanceOnly) {
  // The music fades by changing its volume while it plays.
  ASSERT_TRUE(Load(1, LevelWav(4000, 0.5f)));
  PlaySoundId(1, kSoundLoop);
  Mix(100);
  SetSoundVolume(1, 0);
  std::vector<float> faded = Mix(400);
  EXPECT_EQ(Peak(std::vector<float>(faded.end() - 200, faded.end()), 0), 0.0f);
  StopSoundId(1);

  SetSoundVolume(1, 100);
  PlaySoundId(1, kSoundLoop | kSoundOverlap);
  SetSoundVolume(1, 0);
  SetSoundPan(1, 100);
  std::vector<float> kept = Mix(400);
  EXPECT_FLOAT_EQ(Peak(kept, 0), 0.5f);
  EXPECT_FLOAT_EQ(Peak(kept, 1), 0.5f);
}

TEST_F(SoundMixing, LoopPlaysPastTheEndUntilStopped) {
  ASSERT_TRUE(Load(1, LevelWav(441, 0.5f)));
  PlaySoundId(1, kSoundLoop);
  std::vector<float> out = Mix(20000);
  EXPECT_TRUE(SoundPlaying(1));
  // No frame of silence anywhere, not at the loop points either.
  for (size_t i = 0; i < out.size(); ++i) ASSERT_FLOAT_EQ(out[i], 0.5f) << i;
  StopSoundId(1);
  EXPECT_FALSE(SoundPlaying(1));
  EXPECT_EQ(SoundVoiceCount(), 0);
  EXPECT_EQ(Peak(Mix(100), 0), 0.0f);
  EXPECT_TRUE(HasSound(1));
}

TEST_F(SoundMixing, ReleaseAndReloadStopWhatPlays) {
  ASSERT_TRUE(Load(1, LevelWav(4000, 0.5f)));
  ASSERT_TRUE(Load(2, LevelWav(4000, 0.5f)));
  PlaySoundId(1, kSoundLoop);
  PlaySoundId(1, kSoundOverlap);
  PlaySoundId(2, kSoundLoop | kSoundOverlap);
  Mix(100);
  ReleaseSound(1);
  EXPECT_FALSE(HasSound(1));
  EXPECT_FALSE(SoundPlaying(1));
  EXPECT_EQ(SoundVoiceCount(), 1);
  PlaySoundId(1, 0);  // nothing to play any more
  EXPECT_EQ(SoundVoiceCount(), 1);

  // Loading into a used number replaces the sound and stops the old one's instances.
  ASSERT_TRUE(Load(2, LevelWav(100, 0.25f, 22050)));
  EXPECT_FALSE(SoundPlaying(2));
  EXPECT_EQ(SoundFrequency(2), 22050);
  EXPECT_EQ(Peak(Mix(100), 0), 0.0f);
}

TEST_F(SoundMixing, VoicesAreBoundedAndTheOldestOverlapGivesWay) {
  ASSERT_TRUE(Load(3, LevelWav(1000, 0.01f)));
  PlaySoundId(3, kSoundLoop);
  for (int n = 10; n < 80; ++n) {
    ASSERT_TRUE(Load(n, LevelWav(1000, 0.01f)));
    PlaySoundId(n, kSoundLoop | kSoundOverlap);
  }
  EXPECT_EQ(SoundVoiceCount(), 64);
  EXPECT_TRUE(SoundPlaying(3));  // a sound's own instance is not dropped for an overlapping one
  for (int n = 10; n < 17; ++n) EXPECT_FALSE(SoundPlaying(n)) << n;
  for (int n = 17; n < 80; ++n) EXPECT_TRUE(SoundPlaying(n)) << n;
}

TEST_F(SoundMixing, OutputStaysWithinFullScale) {
  ASSERT_TRUE(Load(1, LevelWav(2000, 0.9f)));
  // Each at a pitch of its own, so that they are twenty voices.
  for (int i = 0; i < 20; ++i) {
    SetSoundFrequency(1, 44100 + i);
    PlaySoundId(1, kSoundOverlap);
  }
  std::vector<float> out = MixOutput(1000);
  for (float s : out) ASSERT_LE(std::fabs(s), 1.0f);
  EXPECT_GT(Peak(out, 0), 0.95f);
}

}  // namespace

TEST_F(SoundMixing, CopiesStartedTogetherAtOnePitchPlayAsOneLouderVoice) {
  // Twenty copies of one sound in one frame would sum to twenty times its level; they play as one voice whose
  // power grows with their number, up to twice its amplitude.
  ASSERT_TRUE(Load(1, LevelWav(4410, 0.3f)));
  PlaySoundId(1, kSoundOverlap);
  PlaySoundId(1, kSoundOverlap);
  EXPECT_EQ(SoundVoiceCount(), 1);
  EXPECT_NEAR(Peak(Mix(100), 0), 0.3f * std::sqrt(2.0f), 1e-4);
  // Once heard, a voice takes no more copies: the next start is a voice of its own, and takes the copies after it.
  for (int i = 0; i < 18; ++i) PlaySoundId(1, kSoundOverlap);
  EXPECT_EQ(SoundVoiceCount(), 2);
  ReleaseSound(1);
  ASSERT_TRUE(Load(1, LevelWav(4410, 0.3f)));
  for (int i = 0; i < 20; ++i) PlaySoundId(1, kSoundOverlap);
  EXPECT_EQ(SoundVoiceCount(), 1);
  EXPECT_NEAR(Peak(Mix(100), 0), 0.3f * kMostStackedGain, 1e-4);
  // Another pitch, or the sound's own instance, is a voice of its own.
  SetSoundFrequency(1, 22050);
  PlaySoundId(1, kSoundOverlap);
  PlaySoundId(1, 0);
  EXPECT_EQ(SoundVoiceCount(), 3);
}

TEST_F(SoundMixing, AVoiceIsWhatThePackBuilderHearsAsPlayed) {
  // The builder masters each effect as this mixer plays it: its resampling, the volume law, the master gain.
  std::vector<float> source = Sine(3000, 1, 37.5, 0.6f);
  for (float& v : source) v = float(std::lround(v * 32767.0)) / 32768.0f;  // as the 16-bit file holds it
  ASSERT_TRUE(Load(1, MakeWav(1, 22050, 16, source)));
  SetSoundFrequency(1, 20000);
  SetSoundVolume(1, 30);
  PlaySoundId(1, kSoundOverlap);
  std::vector<float> out = MixOutput(8000);
  std::vector<float> heard = ResampleLikeAVoice(source, 20000.0 / kMixRate);
  ASSERT_LT(heard.size(), 7000u);
  for (size_t i = 0; i < heard.size(); ++i) {
    ASSERT_NEAR(out[2 * i], heard[i] * EffectVolumeGain(30) * kMasterGain, 1.5e-5) << i;  // half a 16-bit step
  }
  EXPECT_EQ(out[2 * heard.size() + 2], 0.0f) << "the voice ends where the builder's copy does";
}

