// Tests of the music packs as the game reads them: one entry each, a minute or more of clean, steady stereo.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "Builder.h"
#include "PackWriter.h"
#include "music/LoopMeasure.h"
#include "sfx/OggRead.h"

namespace {

// The six packs as the build wrote them into the game folder (every track at full length).
const std::filesystem::path kPacks = PACKS_DIR;

const std::vector<std::string> kTracks = {"nova3.ogg", "nova05_01.ogg", "nova3b.ogg", "nova3a.ogg",
                                          "nova2_level(blade128).ogg", "lethal3_trans_bis1.ogg"};

}  // namespace

TEST(MusicPack, EachPackHoldsItsTrackAsItsOnlyEntry) {
  for (const std::string& track : kTracks) {
    std::vector<PackEntry> entries;
    ASSERT_TRUE(ReadPack((kPacks / (track + ".pak")).string(), entries)) << track;
    ASSERT_EQ(entries.size(), 1u) << track;
    EXPECT_EQ(entries[0].name, "sfx/" + track);
    EXPECT_EQ(std::string(entries[0].data.begin(), entries[0].data.begin() + 4), "OggS") << "unscrambled Ogg";
  }
}

TEST(MusicPack, EveryTrackIsAMinuteOfSteadyStereoThatLoopsCleanly) {
  for (const std::string& track : kTracks) {
    SCOPED_TRACE(track);
    std::vector<PackEntry> entries;
    ASSERT_TRUE(ReadPack((kPacks / (track + ".pak")).string(), entries));
    ASSERT_EQ(entries.size(), 1u);
    DecodedSound sound;
    std::string error;
    ASSERT_TRUE(DecodeOggVorbis(entries[0].data, sound, error)) << error;
    ASSERT_EQ(sound.channels, 2);
    ASSERT_EQ(sound.rate, 44100);
    size_t frames = sound.samples.size() / 2;
    EXPECT_GE(frames, 60u * 44100u);
    music::LoopMeasures m = music::MeasureLoop(sound.samples, frames, sound.rate);
    EXPECT_LT(m.peakDb, -1.0) << "headroom";
    EXPECT_GT(m.rmsDb, -24.0) << "not near silence";
    // The decoded end runs into the decoded start like any two neighbouring samples.
    EXPECT_LE(m.seamStep, m.largeStep);
    // Nor does the level dip or swell at the loop point: the last and first 100 ms sit near the
    // track's loudness.
    std::vector<float> head(sound.samples.begin(), sound.samples.begin() + 2 * 4410);
    std::vector<float> tail(sound.samples.end() - 2 * 4410, sound.samples.end());
    for (const std::vector<float>* part : {&head, &tail}) {
      double db = music::WindowLoudness(*part, 4410, 44100, 0.1, 0.1).at(0);
      EXPECT_NEAR(db, m.rmsDb, 9.0);
    }
    // Steady loudness: every 10 s window within 3 dB of the whole.
    for (double db : music::WindowLoudness(sound.samples, frames, sound.rate, 10.0, 5.0)) {
      EXPECT_NEAR(db, m.rmsDb, 3.0);
    }
  }
}

TEST(MusicPackFolder, AFileInTheWayOfTheFolderFailsCleanly) {
  std::filesystem::path blocker =
      std::filesystem::temp_directory_path() / ("musicpackblock-" + std::to_string(::getpid()));
  std::ofstream(blocker) << "in the way";
  testing::internal::CaptureStderr();
  EXPECT_FALSE(BuildMusicPacks(blocker.string()));
  std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("cannot create the folder"), std::string::npos) << message;
  std::filesystem::remove(blocker);
}
