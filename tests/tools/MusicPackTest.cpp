// Tests of the music as the game reads it from its packs: a minute or more of clean, steady stereo per track.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "Builder.h"
#include "PackWriter.h"
#include "base/MinigamePacks.h"
#include "base/ScreenPacks.h"
#include "music/LoopMeasure.h"
#include "music/MusicDesign.h"
#include "music/MusicRender.h"
#include "music/ScreenMusic.h"
#include "music/TrackProfile.h"
#include "base/SoundLevels.h"
#include "sfx/Loudness.h"
#include "sfx/OggRead.h"

namespace {

// The packs as the build wrote them into the game folder (every track at full length).
const std::filesystem::path kPacks = PACKS_DIR;

// Two tracks sound alike in key above this correlation of their pitch-class weights, and in colour under this
// distance of their band spectra.
constexpr double kMostKeyLikeness = 0.9, kLeastBandDistanceDb = 1.0;

const std::vector<std::string> kTracks = {"nova3.ogg", "nova05_01.ogg", "nova3b.ogg", "nova3a.ogg",
                                          "nova2_level(blade128).ogg", "lethal3_trans_bis1.ogg"};

// Decodes one track and checks what a listener hears over many loops: a minute or more of stereo at
// 44100 Hz at the music's loudness under its true-peak ceiling, no click or change of level where it joins,
// a breakdown, no boom and some presence.
// Returns the whole loop's measures.
music::LoopMeasures ExpectCleanSteadyLoop(const std::vector<uint8_t>& ogg) {
  DecodedSound sound;
  std::string error;
  EXPECT_TRUE(DecodeOggVorbis(ogg, sound, error)) << error;
  EXPECT_EQ(sound.channels, 2);
  EXPECT_EQ(sound.rate, 44100);
  size_t frames = sound.samples.size() / 2;
  EXPECT_GE(frames, 60u * 44100u);
  if (sound.channels != 2 || frames < 44100u) return {};
  music::LoopMeasures m = music::MeasureLoop(sound.samples, frames, sound.rate);
  // Mastered as EBU R128 measures it: the music's loudness and true-peak ceiling, after the encoder.
  EXPECT_NEAR(IntegratedLoudness(sound.samples, 2, sound.rate), kMusicFileLufs, 0.5);
  EXPECT_LE(TruePeakDb(sound.samples, 2, sound.rate), kMusicCeilingDbtp);
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
  // It breathes: a breakdown brings some 5 s stretch at least 2 dB under the loudest, yet no stretch falls
  // into a hole.
  std::vector<double> windows = music::WindowLoudness(sound.samples, frames, sound.rate, 5.0, 2.5);
  double quietest = *std::min_element(windows.begin(), windows.end());
  double loudest = *std::max_element(windows.begin(), windows.end());
  EXPECT_GE(loudest - quietest, 2.0) << "no breakdown or build";
  EXPECT_GT(quietest, m.rmsDb - 12.0) << "a hole in the music";
  // Neither boomy nor dull on small speakers.
  music::TrackProfile profile = music::ProfileOf(sound.samples, frames, sound.rate);
  EXPECT_LT(profile.bands[0], music::kMostLowShare + 0.02) << "boom under 60 Hz";
  EXPECT_GT(profile.bands[6] + profile.bands[7] + profile.bands[8], music::kLeastPresenceShare - 0.01)
      << "no presence over 2 kHz";
  return m;
}

// Pack entries use "/" whatever separator the game asks with.
std::string Slashed(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

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
    ExpectCleanSteadyLoop(entries[0].data);
  }
}

TEST(MusicPack, TheSixLevelTracksAreToldApartByKeyAndSpectrum) {
  // Measured from the files, as a listener would tell them apart: no two share a key profile, and no two share
  // a band spectrum.
  std::vector<music::TrackProfile> profiles;
  for (const std::string& track : kTracks) {
    std::vector<PackEntry> entries;
    ASSERT_TRUE(ReadPack((kPacks / (track + ".pak")).string(), entries)) << track;
    ASSERT_EQ(entries.size(), 1u);
    DecodedSound sound;
    std::string error;
    ASSERT_TRUE(DecodeOggVorbis(entries[0].data, sound, error)) << error;
    profiles.push_back(music::ProfileOf(sound.samples, sound.samples.size() / 2, sound.rate));
  }
  for (size_t a = 0; a < profiles.size(); ++a) {
    for (size_t b = a + 1; b < profiles.size(); ++b) {
      double key = music::KeyLikeness(profiles[a], profiles[b]), bands = music::BandDistanceDb(profiles[a], profiles[b]);
      std::printf("%s / %s: key likeness %.2f, band distance %.1f dB\n", kTracks[a].c_str(), kTracks[b].c_str(), key,
                  bands);
      EXPECT_LT(key, kMostKeyLikeness) << kTracks[a] << " and " << kTracks[b] << " share a key profile";
      EXPECT_GT(bands, kLeastBandDistanceDb) << kTracks[a] << " and " << kTracks[b] << " share a spectrum";
    }
  }
}

TEST(MusicPack, EveryScreenTrackLoopsCleanlyAtItsLoudnessInItsScreensPack) {
  // Each track in the pack of the screen that plays it, in the order of the screen designs.
  const std::vector<std::string> packs = {menuPack, introPack.pack, endingPack.pack, gameOverPack.pack, creditsPack};
  const std::vector<std::string>& names = music::ScreenTrackEntryNames();
  const std::vector<music::TrackDesign>& designs = music::ScreenTrackDesigns();
  ASSERT_EQ(names.size(), packs.size());
  ASSERT_EQ(designs.size(), packs.size());
  for (size_t i = 0; i < packs.size(); ++i) {
    SCOPED_TRACE(names[i]);
    std::vector<PackEntry> entries;
    ASSERT_TRUE(ReadPack((kPacks / std::filesystem::path(packs[i]).filename()).string(), entries));
    const PackEntry* music = nullptr;
    for (const PackEntry& e : entries) {
      if (e.name == Slashed(names[i])) music = &e;
    }
    ASSERT_NE(music, nullptr) << "no entry " << Slashed(names[i]) << " in " << packs[i];
    ASSERT_GT(music->data.size(), 4u);
    EXPECT_EQ(std::string(music->data.begin(), music->data.begin() + 4), "OggS") << "unscrambled Ogg";
    // The design that made it: its file name ends the entry name.
    EXPECT_EQ(std::filesystem::path(Slashed(names[i])).filename().string(), designs[i].file);
    music::LoopMeasures m = ExpectCleanSteadyLoop(music->data);
    EXPECT_NEAR(m.seconds * designs[i].bpm / 240.0, designs[i].bars, 1e-6) << "whole bars";
  }
}

TEST(MusicPack, TheMinigameTrackLoopsCleanlyAtItsLoudnessInItsPack) {
  std::vector<PackEntry> entries;
  ASSERT_TRUE(ReadPack((kPacks / std::filesystem::path(tetrisPack).filename()).string(), entries));
  ASSERT_EQ(entries.size(), tetrisEntries.size());
  // The music is the pack's last entry.
  const PackEntry& music = entries.back();
  EXPECT_EQ(music.name, Slashed(tetrisEntries.back().name));
  ASSERT_GT(music.data.size(), 4u);
  EXPECT_EQ(std::string(music.data.begin(), music.data.begin() + 4), "OggS") << "unscrambled Ogg";
  const music::TrackDesign& design = music::TetrisTrackDesign();
  music::LoopMeasures m = ExpectCleanSteadyLoop(music.data);
  EXPECT_NEAR(m.seconds * design.bpm / 240.0, design.bars, 1e-6) << "whole bars";
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
