// Tests of the music as the game reads it from its packs: a minute or more of clean, steady stereo per track.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "Builder.h"
#include "PackWriter.h"
#include "base/MinigamePacks.h"
#include "base/ScreenPacks.h"
#include "music/LoopMeasure.h"
#include "music/MusicDesign.h"
#include "music/ScreenMusic.h"
#include "sfx/OggRead.h"

namespace {

// The packs as the build wrote them into the game folder (every track at full length).
const std::filesystem::path kPacks = PACKS_DIR;

const std::vector<std::string> kTracks = {"nova3.ogg", "nova05_01.ogg", "nova3b.ogg", "nova3a.ogg",
                                          "nova2_level(blade128).ogg", "lethal3_trans_bis1.ogg"};

// Decodes one track and checks what a listener hears over many loops: a minute or more of stereo at
// 44100 Hz with headroom, no click or change of level where it joins, steady loudness, no boom.
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
  EXPECT_LT(m.lowShare, 1.0 / 3.0) << "boomy on small speakers";
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
    EXPECT_NEAR(m.rmsDb, designs[i].mix.targetRmsDb, 1.0) << "mastered to its loudness";
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
  EXPECT_NEAR(m.rmsDb, design.mix.targetRmsDb, 1.0) << "mastered to its loudness";
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
