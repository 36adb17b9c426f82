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

}  // namespace

TEST_F(SfxPack, HoldsTheGamesSoundsInItsLoadOrder) {
  ASSERT_TRUE(read_);
  const std::vector<MainSound>& game = MainSoundTable();
  ASSERT_EQ(entries_.size(), game.size());
  ASSERT_EQ(SoundEffects().size(), game.size());
  for (size_t i = 0; i < game.size(); ++i) {
    EXPECT_EQ(entries_[i].name, game[i].name) << "entry " << i;
    EXPECT_EQ(SoundEffects()[i].name, game[i].name) << "entry " << i;
    EXPECT_EQ(SoundEffects()[i].number, SoundNumber(game[i].sound)) << game[i].name;
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
    size_t firstFiveMs = static_cast<size_t>(effects[i].heardRate * 0.005);
    for (size_t k = 0; k < s.size(); ++k) {
      peak = std::max(peak, std::fabs(s[k]));
      if (k < firstFiveMs) attack = std::max(attack, std::fabs(s[k]));
    }
    double peakDb = 20 * std::log10(peak);
    EXPECT_LT(peakDb, 0.0);
    EXPECT_GT(peakDb, -6.0);
    EXPECT_GT(attack, 0.03f) << "silent start";
  }
}

TEST_F(SfxPack, BouncesAreShortAndTheFireLastsPastItsRestart) {
  // Durations as heard in the game: bounces 30 to 80 ms; the fire is restarted every 120 frames
  // (2 s) and must not leave a gap; the missile loading covers the 150 frames of the rising missile.
  auto heardSeconds = [](int number) {
    for (const SoundEffect& e : SoundEffects()) {
      if (e.number == number) return static_cast<double>(RenderEffect(e).size()) / e.heardRate;
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
