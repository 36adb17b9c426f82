// Tests of the sound effects pack: entry names and order, file formats, levels, edges and repeatability.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "Builder.h"
#include "PackWriter.h"
#include "WavTestReader.h"
#include "base/MainPictureTable.h"
#include "sfx/Effects.h"
#include "sfx/OggRead.h"

namespace {

// The pack as the build wrote it into the game folder, read once for all the tests of this file.
class SfxPack : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { read_ = ReadPack(std::string(PACKS_DIR) + "/sounds.pak", entries_); }
  static bool read_;
  static std::vector<PackEntry> entries_;
};
bool SfxPack::read_ = false;
std::vector<PackEntry> SfxPack::entries_;

// What the game hears of an entry, as floats, with the rate in the file.
bool HeardSamples(const PackEntry& entry, std::vector<float>& samples, int& rate, std::string& problem) {
  samples.clear();
  if (entry.name.ends_with(".ogg")) {
    DecodedSound decoded;
    if (!DecodeOggVorbis(entry.data, decoded, problem)) return false;
    if (decoded.channels != 1) {
      problem = "not mono";
      return false;
    }
    samples = decoded.samples;
    rate = decoded.rate;
    return true;
  }
  WavTestFile wav;
  if (!ReadWavForTest(entry.data, wav, problem)) return false;
  if (wav.format != 1 || wav.channels != 1 || wav.bitsPerSample != 16) {
    problem = "not mono 16-bit PCM";
    return false;
  }
  for (int16_t v : wav.samples) samples.push_back(v / 32768.0f);
  rate = wav.rate;
  return true;
}

// Share of the power above `hz` (through a one-pole high-pass).
double HighShare(const std::vector<float>& s, double rate, double hz) {
  const double a = std::exp(-2 * kPi * hz / rate);
  double low = 0, high = 0, all = 0;
  for (float v : s) {
    low = (1 - a) * v + a * low;
    high += (v - low) * (v - low);
    all += double(v) * v;
  }
  return all > 0 ? high / all : 0;
}

}  // namespace

TEST_F(SfxPack, HoldsTheGamesSoundsInItsLoadOrder) {
  ASSERT_TRUE(read_);
  const std::vector<MainSound>& game = MainSoundTable();
  ASSERT_EQ(entries_.size(), game.size());
  ASSERT_EQ(SoundEffects().size(), game.size());
  for (size_t i = 0; i < game.size(); ++i) {
    EXPECT_EQ(entries_[i].name, game[i].name) << "entry " << i;
    EXPECT_EQ(SoundEffects()[i].name, game[i].name) << "entry " << i;
    EXPECT_EQ(SoundNumber(SoundEffects()[i].sound), SoundNumber(game[i].sound)) << game[i].name;
  }
}

TEST_F(SfxPack, EveryEntryDecodesAtItsRateWithCleanEdgesAndLevels) {
  ASSERT_TRUE(read_);
  const std::vector<SoundEffect>& effects = SoundEffects();
  ASSERT_EQ(entries_.size(), effects.size());
  for (size_t i = 0; i < entries_.size(); ++i) {
    SCOPED_TRACE(entries_[i].name);
    std::vector<float> s;
    int rate = 0;
    std::string problem;
    ASSERT_TRUE(HeardSamples(entries_[i], s, rate, problem)) << problem;
    EXPECT_EQ(rate, effects[i].storedRate);
    EXPECT_EQ(entries_[i].name.ends_with(".ogg"), effects[i].ogg);
    ASSERT_GT(s.size(), 100u);
    // No click at either end (Vorbis may leave a trace of ringing), no silence before the attack.
    EXPECT_LT(std::fabs(s.front()), 0.01f);
    EXPECT_LT(std::fabs(s.back()), 0.01f);
    float peak = 0, attack = 0;
    size_t firstFiveMs = static_cast<size_t>(PlayOf(effects[i]).frequencyHz * 0.005);
    for (size_t k = 0; k < s.size(); ++k) {
      peak = std::max(peak, std::fabs(s[k]));
      if (k < firstFiveMs) attack = std::max(attack, std::fabs(s[k]));
    }
    EXPECT_LT(20 * std::log10(peak), -0.2) << "clipped";
    EXPECT_GT(attack, 0.1f * peak) << "silent start";
    // As the game plays it: its class's loudness within 6 LU, its true peak under the ceiling for its volume.
    const EffectPlay& play = PlayOf(effects[i]);
    MasteredLevels played = MeasurePlayed(s, play);
    EXPECT_NEAR(played.lufs, ClassTargetLufs(play.kind), 6.0) << ClassName(play.kind);
    EXPECT_LE(played.truePeakDb, EffectCeilingDbtp(play.volume) + 0.05);
  }
}

TEST_F(SfxPack, TheFourLoudestStartedTogetherStayUnderTheMixersKnee) {
  ASSERT_TRUE(read_);
  std::vector<Samples> files;
  for (const PackEntry& entry : entries_) {
    std::vector<float> s;
    int rate = 0;
    std::string problem;
    ASSERT_TRUE(HeardSamples(entry, s, rate, problem)) << entry.name << ": " << problem;
    files.push_back(s);
  }
  Overlap overlap = LoudestOverlap(files);
  ASSERT_EQ(overlap.sounds.size(), 4u);
  EXPECT_LT(overlap.peakDb, 20 * std::log10(kSoftClipKnee));
}

TEST_F(SfxPack, TheMissileBlastStaysABlastAtTaronsPitch) {
  // After the boss the game plays the blast at 5000 Hz: still over within three seconds, and with a good part
  // of its power above 500 Hz, a crackling blast rather than a low rumble.
  ASSERT_TRUE(read_);
  const std::vector<SoundEffect>& effects = SoundEffects();
  for (size_t i = 0; i < effects.size(); ++i) {
    if (effects[i].sound != Sound::BigExplosion) continue;
    std::vector<float> s;
    int rate = 0;
    std::string problem;
    ASSERT_TRUE(HeardSamples(entries_[i], s, rate, problem)) << problem;
    EffectPlay slow = PlayOf(effects[i]);
    slow.frequencyHz = 5000;
    std::vector<float> played = PlayedAtMixRate(s, PlaybackOf(slow));
    EXPECT_LT(played.size() / double(kMixRate), 3.0);
    EXPECT_GT(HighShare(played, kMixRate, 500), 0.15);
    slow.frequencyHz = PlayOf(effects[i]).frequencyHz;
    EXPECT_GT(HighShare(PlayedAtMixRate(s, PlaybackOf(slow)), kMixRate, 500), 0.5);
    return;
  }
  FAIL() << "no missile blast";
}

TEST_F(SfxPack, BouncesAreShortAndTheFireLastsPastItsRestart) {
  // Durations as heard in the game: bounces 30 to 80 ms; the fire is restarted every 120 frames
  // (2 s) and must not leave a gap; the missile loading covers the 150 frames of the rising missile.
  auto heardSeconds = [](int number) {
    for (const SoundEffect& e : SoundEffects()) {
      if (SoundNumber(e.sound) == number) return static_cast<double>(RenderEffect(e).size()) / PlayOf(e).frequencyHz;
    }
    return -1.0;
  };
  for (int bounce : {1, 2, 3}) {
    EXPECT_GE(heardSeconds(bounce), 0.03) << bounce;
    EXPECT_LE(heardSeconds(bounce), 0.08) << bounce;
  }
  EXPECT_GT(heardSeconds(12), 2.0);
  EXPECT_GE(heardSeconds(9), 2.5);
  EXPECT_LT(heardSeconds(14), 0.25);  // four chaingun shots a second at most
}

TEST(SfxEffects, RenderingTwiceGivesTheSameBytes) {
  for (const SoundEffect& e : SoundEffects()) {
    std::vector<uint8_t> first, second;
    std::string error;
    ASSERT_TRUE(EncodeEffect(e, RenderEffect(e), first, error)) << e.name << ": " << error;
    ASSERT_TRUE(EncodeEffect(e, RenderEffect(e), second, error)) << e.name << ": " << error;
    EXPECT_EQ(first, second) << e.name;
  }
}

TEST(SfxPackWrite, AnUnwritableFolderFailsTheBuild) {
  // A plain file where the output folder should be: the builder must report failure, not succeed.
  std::filesystem::path blocker = std::filesystem::temp_directory_path() / ("sfxblock-" + std::to_string(::getpid()));
  { std::ofstream(blocker) << "x"; }
  testing::internal::CaptureStderr();
  EXPECT_FALSE(BuildSoundPacks((blocker / "packs").string()));
  testing::internal::GetCapturedStderr();
  std::filesystem::remove(blocker);
}
