// Tests of streamed sounds: the music and long sounds decoded while they play, loops without gaps.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/media/SoundTestData.h"

using namespace soundtest;

namespace {

class SoundStreaming : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseTestSounds(); }
  void TearDown() override { ReleaseTestSounds(); }
};

// The values a 16-bit WAV really holds for `samples`.
std::vector<float> As16Bit(const std::vector<float>& samples) {
  std::vector<float> out;
  for (float s : samples) out.push_back(float(std::lround(s * 32767.0)) / 32768.0f);
  return out;
}

TEST_F(SoundStreaming, MusicLoopsWithoutAGap) {
  // Read at its own rate, the mix is the source itself, frame for frame across every loop point;
  // one loop shorter than the stream's ring and one longer.
  for (int frames : {30000, 100000}) {
    SCOPED_TRACE(frames);
    std::vector<float> source = As16Bit(Sine(frames, 1, frames / 400.0, 0.5f));
    ASSERT_TRUE(Load(0, MakeWav(1, 44100, 16, source)));
    PlaySoundId(0, kSoundLoop);
    std::vector<float> out = Mix(2 * frames + 30000);
    for (size_t k = 0; k < out.size() / 2; ++k) {
      ASSERT_NEAR(out[2 * k], source[k % size_t(frames)], 1e-6) << k;
      ASSERT_NEAR(out[2 * k + 1], source[k % size_t(frames)], 1e-6) << k;
    }
    EXPECT_TRUE(SoundPlaying(0));
  }
}

TEST_F(SoundStreaming, OggMusicLoopsSeamlessly) {
  const int frames = 44100;
  std::vector<uint8_t> ogg = MakeOgg(1, 44100, Sine(frames, 1, 441, 0.5f));
  ASSERT_TRUE(Load(0, ogg)) << LastSoundError();
  PlaySoundId(0, kSoundLoop);
  std::vector<float> out = Mix(3 * frames + 5000);
  auto at = [&](int k) { return out[2 * size_t(k)]; };
  // Every loop decodes the same frames, and a loop is exactly the encoded length long.
  float drift = 0;
  for (int k = 0; k < 2 * frames; ++k) drift = std::fmax(drift, std::fabs(at(k) - at(k + frames)));
  EXPECT_LT(drift, 1e-4f);
  // Across the loop points the sine runs on: no step bigger than its own slope allows, no silence.
  for (int loop = 1; loop <= 3; ++loop) {
    for (int k = loop * frames - 200; k < loop * frames + 200; ++k) {
      ASSERT_LT(std::fabs(at(k + 1) - at(k)), 0.045f) << k;
    }
  }
  int quietRun = 0;
  for (int k = 0; k < 3 * frames; ++k) {
    quietRun = std::fabs(at(k)) < 1e-3f ? quietRun + 1 : 0;
    ASSERT_LT(quietRun, 4) << k;
  }
}

TEST_F(SoundStreaming, LongSoundsStreamAndEnd) {
  // Twelve seconds at 8 kHz is over the limit for decoding at load, so it streams.
  const int frames = 96000;
  std::vector<float> saw(frames);
  for (int k = 0; k < frames; ++k) saw[size_t(k)] = 0.4f * float((k * 7) % 1000) / 1000.0f;
  std::vector<float> source = As16Bit(saw);
  ASSERT_TRUE(Load(5, MakeWav(1, 8000, 16, source)));
  EXPECT_EQ(SoundFrequency(5), 8000);

  // Four source frames per mixed frame: every fourth sample, through a ring it wraps several times.
  SetSoundFrequency(5, 4 * 44100);
  PlaySoundId(5, 0);
  std::vector<float> out = Mix(23990);
  for (size_t j = 0; j < 23990; ++j) ASSERT_NEAR(out[2 * j], source[4 * j], 1e-6) << j;
  EXPECT_TRUE(SoundPlaying(5));
  Mix(20);
  EXPECT_FALSE(SoundPlaying(5));

  // Overlapping instances stream on their own.
  PlaySoundId(5, kSoundOverlap);
  Mix(10000);
  PlaySoundId(5, kSoundOverlap);
  EXPECT_EQ(SoundVoiceCount(), 2);
  Mix(14100);
  EXPECT_EQ(SoundVoiceCount(), 1);
  Mix(10000);
  EXPECT_EQ(SoundVoiceCount(), 0);
}

TEST_F(SoundStreaming, MusicRestartsStopsAndReleasesWhileStreaming) {
  std::vector<float> source = As16Bit(Sine(50000, 1, 100, 0.5f));
  ASSERT_TRUE(Load(0, MakeWav(1, 44100, 16, source)));
  PlaySoundId(0, kSoundLoop);
  Mix(70000);
  PlaySoundId(0, kSoundLoop);  // from the beginning again
  std::vector<float> out = Mix(1000);
  for (size_t k = 0; k < 1000; ++k) ASSERT_NEAR(out[2 * k], source[k], 1e-6) << k;
  EXPECT_EQ(SoundVoiceCount(), 1);

  SetSoundVolume(0, 0);  // the fade of the music ends in silence
  std::vector<float> faded = Mix(1000);
  EXPECT_EQ(Peak(std::vector<float>(faded.begin() + 200, faded.end()), 0), 0.0f);
  SetSoundVolume(0, 50);
  EXPECT_GT(Peak(Mix(1000), 0), 0.1f);

  StopSoundId(0);
  EXPECT_FALSE(SoundPlaying(0));
  EXPECT_EQ(Peak(Mix(1000), 0), 0.0f);
  PlaySoundId(0, kSoundLoop);
  Mix(500);
  ReleaseSound(0);
  EXPECT_FALSE(HasSound(0));
  EXPECT_EQ(SoundVoiceCount(), 0);
  EXPECT_EQ(Peak(Mix(1000), 0), 0.0f);
}

TEST_F(SoundStreaming, ChangesAreSafeWhileTheStreamAndDeviceRun) {
  // A second thread mixes the way the device does while this one works the music and the effects.
  std::vector<uint8_t> ogg = MakeOgg(2, 44100, Sine(44100, 2, 300, 0.3f));
  std::vector<uint8_t> music = MakeWav(1, 22050, 16, Sine(30000, 1, 50, 0.3f));
  std::vector<uint8_t> effect = LevelWav(300, 0.3f);
  std::atomic<bool> stop{false};
  std::thread device([&] {
    std::vector<float> buffer(2048);
    while (!stop.load()) MixSoundFrames(buffer.data(), 1024);
  });
  for (int i = 0; i < 300; ++i) {
    int n = i % 6;  // 0 is the music
    if (i % 50 == 0) {
      ASSERT_TRUE(Load(0, i % 100 == 0 ? ogg : music));
    } else if (n != 0 && i % 7 == 0) {
      ASSERT_TRUE(Load(n, effect));
    }
    PlaySoundId(n, n == 0 ? kSoundLoop : i % 4);
    SetSoundVolume(n, i % 101);
    SetSoundPan(n, i % 201 - 100);
    SetSoundFrequency(n, 1000 + 700 * i);
    if (i % 5 == 0) StopSoundId(n);
    if (i % 11 == 0) ReleaseSound(n);
    if (i % 13 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  stop.store(true);
  device.join();
  ReleaseTestSounds();
  EXPECT_EQ(SoundVoiceCount(), 0);
}

}  // namespace

TEST_F(SoundStreaming, StreamedMusicFollowsTheMusicLawAndShortEffectsTheirOwn) {
  // At volume 25 the music is a quarter of the way into its fade, an effect only 6 dB down.
  std::vector<float> source = As16Bit(Sine(50000, 1, 100, 0.5f));
  ASSERT_TRUE(Load(0, MakeWav(1, 44100, 16, source)));
  ASSERT_TRUE(Load(1, MakeWav(1, 44100, 16, source)));
  SetSoundVolume(0, 25);
  PlaySoundId(0, kSoundLoop);
  EXPECT_NEAR(Peak(Mix(2000), 0), 0.5f * MusicVolumeGain(25), 1e-3);
  StopSoundId(0);
  SetSoundVolume(1, 25);
  PlaySoundId(1, 0);
  EXPECT_NEAR(Peak(Mix(2000), 0), 0.5f * EffectVolumeGain(25), 1e-3);
}

