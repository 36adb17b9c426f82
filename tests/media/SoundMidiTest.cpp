// Tests of the MIDI command strings of the minigames and of MIDI music rendered into the mix.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/media/SoundTestData.h"

using namespace soundtest;

namespace {

class SoundMidi : public ::testing::Test {
 protected:
  void SetUp() override {
    ReleaseTestSounds();
    folder = std::filesystem::temp_directory_path() / ("nb_midi_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    Write("tune.pak", MakeMidi(8));
    Write("picture.pak", std::vector<uint8_t>(100, 0x42));
  }
  void TearDown() override {
    MidiCommand("close all");
    std::filesystem::remove_all(folder);
  }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  // The path as the game writes it, with "\" separators.
  std::string GamePath(const std::string& name) {
    std::string path = (folder / name).string();
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
  }
  std::filesystem::path folder;
};

TEST_F(SoundMidi, CommandsFollowTheSequencerSyntaxAndBadOnesAreRefused) {
  EXPECT_EQ(MidiCommand("open " + GamePath("tune.pak") + " type sequencer alias mid1"), 0);
  EXPECT_EQ(MidiCommand("set volume1 volume 150"), 0);
  EXPECT_EQ(MidiCommand("play mid1"), 0);
  EXPECT_EQ(MidiCommand("stop mid1"), 0);
  EXPECT_EQ(MidiCommand("PLAY Mid1"), 0);  // the words are not case-sensitive
  EXPECT_NE(MidiCommand("open " + GamePath("tune.pak") + " type sequencer alias mid1"), 0);  // alias in use
  EXPECT_EQ(MidiCommand("close mid1"), 0);
  EXPECT_NE(MidiCommand("play mid1"), 0);  // closed
  EXPECT_NE(MidiCommand("close mid1"), 0);

  EXPECT_EQ(MidiCommand("OPEN " + GamePath("tune.pak") + " TYPE Sequencer ALIAS mid2"), 0);
  EXPECT_EQ(MidiCommand("close mid2"), 0);

  // Bad commands and files.
  EXPECT_NE(MidiCommand("open " + GamePath("missing.pak") + " type sequencer alias mid1"), 0);
  EXPECT_NE(MidiCommand("open " + GamePath("picture.pak") + " type sequencer alias mid1"), 0);
  EXPECT_NE(MidiCommand("play mid1"), 0);  // nothing was opened
  EXPECT_NE(MidiCommand(""), 0);
  EXPECT_NE(MidiCommand("   "), 0);
  EXPECT_NE(MidiCommand("dance mid1"), 0);
  EXPECT_NE(MidiCommand("play"), 0);
  EXPECT_NE(MidiCommand("open alias mid1"), 0);
  EXPECT_NE(MidiCommand("open " + GamePath("tune.pak") + " type waveaudio alias mid1"), 0);
  EXPECT_NE(MidiCommand("open " + GamePath("tune.pak") + " alias"), 0);
  ASSERT_EQ(MidiCommand("open " + GamePath("tune.pak") + " type sequencer alias mid1"), 0);
  EXPECT_NE(MidiCommand("set volume1 volume loud"), 0);
  EXPECT_NE(MidiCommand("set volume1 volume -5"), 0);
  EXPECT_NE(MidiCommand("set volume1 volume"), 0);
  EXPECT_NE(MidiCommand("set volume7 volume 100"), 0);  // no slot 7
  EXPECT_EQ(MidiCommand("set volume1 volume 5000"), 0);  // taken as full volume
}

TEST_F(SoundMidi, MusicIsRenderedIntoTheMixAndStops) {
  bool font = std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2") ||
              std::filesystem::exists("/usr/share/sounds/sf2/default-GM.sf2");
  if (IsHeadless() || !font) GTEST_SKIP() << "MIDI is silent without a sound font or in a headless run";
  ASSERT_EQ(MidiCommand("open " + GamePath("tune.pak") + " type sequencer alias mid1"), 0);
  EXPECT_EQ(Peak(Mix(4410), 0), 0.0f);  // opened, not yet playing
  ASSERT_EQ(MidiCommand("play mid1"), 0);
  std::vector<float> loud = Mix(44100);
  EXPECT_GT(Peak(loud, 0), 0.01f);
  EXPECT_GT(Peak(loud, 1), 0.01f);

  // The game's volume of 150 out of 1000, or any other, leaves the tune at the music's level.
  ASSERT_EQ(MidiCommand("set volume1 volume 150"), 0);
  std::vector<float> same = Mix(44100);
  EXPECT_GT(Peak(same, 0), Peak(loud, 0) * 0.5f);
  ASSERT_EQ(MidiCommand("set volume1 volume 0"), 0);
  EXPECT_GT(Peak(Mix(44100), 0), 0.01f);

  ASSERT_EQ(MidiCommand("set volume1 volume 1000"), 0);
  ASSERT_EQ(MidiCommand("stop mid1"), 0);
  Mix(3 * 44100);  // the notes fade out
  EXPECT_EQ(Peak(Mix(4410), 0), 0.0f);
  ASSERT_EQ(MidiCommand("close mid1"), 0);
  EXPECT_EQ(Peak(Mix(4410), 0), 0.0f);

  // A tune that has played to its end starts again from its beginning, until it is stopped.
  Write("short.pak", MakeMidi(2));
  ASSERT_EQ(MidiCommand("open " + GamePath("short.pak") + " type sequencer alias mid3"), 0);
  ASSERT_EQ(MidiCommand("play mid3"), 0);
  Mix(5 * 44100);
  EXPECT_GT(Peak(Mix(44100), 0), 0.01f);
  ASSERT_EQ(MidiCommand("stop mid3"), 0);
  Mix(3 * 44100);
  EXPECT_EQ(Peak(Mix(4410), 0), 0.0f);
  ASSERT_EQ(MidiCommand("play mid3"), 0);
  EXPECT_GT(Peak(Mix(22050), 0), 0.01f);
}

}  // namespace
