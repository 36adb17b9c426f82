// Tests of the tune notation: melodies and chords read from text, voicings, and the score's checks of its bars.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "MidiTestReader.h"
#include "minigames/TuneNotation.h"

namespace {

std::vector<std::tuple<uint32_t, uint32_t, int>> Notes(const tune::Phrase& phrase) {
  std::vector<std::tuple<uint32_t, uint32_t, int>> notes;
  for (const tune::Note& note : phrase.notes) notes.emplace_back(note.tick, note.length, note.key);
  return notes;
}

std::vector<int> Tones(const char* name) {
  tune::Chord chord;
  std::string error;
  EXPECT_TRUE(tune::ParseChord(name, chord, error)) << error;
  std::vector<int> tones;
  for (int interval : chord.intervals) tones.push_back((chord.root + interval) % 12);
  return tones;
}

// Keys of the note-ons of one part's track in a written score.
std::vector<std::pair<uint32_t, int>> NoteOns(const std::vector<uint8_t>& bytes, size_t track) {
  MidiTestFile file;
  std::string problem;
  EXPECT_TRUE(ReadMidiForTest(bytes, file, problem)) << problem;
  std::vector<std::pair<uint32_t, int>> ons;
  if (track >= file.tracks.size()) return ons;
  for (const MidiTestEvent& e : file.tracks[track]) {
    if ((e.status & 0xF0) == 0x90) ons.emplace_back(e.tick, e.data1);
  }
  return ons;
}

}  // namespace

TEST(TuneNotation, MelodyKeysLengthsRestsAndBarLines) {
  tune::Phrase phrase;
  std::string error;
  ASSERT_TRUE(tune::ParseMelody("c4:2 e4 | r:1 f#5 bb3:3 | b4:1 cb5 E#2", 10, phrase, error)) << error;
  const std::vector<std::tuple<uint32_t, uint32_t, int>> expected = {
      {0, 20, 60}, {20, 20, 64}, {50, 10, 78}, {60, 30, 58}, {90, 10, 71}, {100, 10, 71}, {110, 10, 41}};
  EXPECT_EQ(Notes(phrase), expected);
  EXPECT_EQ(phrase.barLines, (std::vector<uint32_t>{40, 90}));
  EXPECT_EQ(phrase.length, 120u);
  // The extremes of the keyboard.
  ASSERT_TRUE(tune::ParseMelody("c-1:1", 1, phrase, error) == false);
  ASSERT_TRUE(tune::ParseMelody("c0:1 g9:1", 1, phrase, error)) << error;
  EXPECT_EQ(Notes(phrase), (std::vector<std::tuple<uint32_t, uint32_t, int>>{{0, 1, 12}, {1, 1, 127}}));
}

TEST(TuneNotation, MelodyMistakesAreNamed) {
  for (const char* wrong : {"c4", "h4:2", "c:2", "c4:0", "c4:x", "c4:2 d44x", "g#9:1", "c4:2 r:", "c4:2 rr:1"}) {
    tune::Phrase phrase;
    std::string error;
    EXPECT_FALSE(tune::ParseMelody(wrong, 10, phrase, error)) << wrong;
    EXPECT_NE(error.find("in the melody"), std::string::npos) << wrong << ": " << error;
  }
}

TEST(TuneNotation, ChordsByName) {
  EXPECT_EQ(Tones("C"), (std::vector<int>{0, 4, 7}));
  EXPECT_EQ(Tones("F#m"), (std::vector<int>{6, 9, 1}));
  EXPECT_EQ(Tones("Bb7"), (std::vector<int>{10, 2, 5, 8}));
  EXPECT_EQ(Tones("Dm7"), (std::vector<int>{2, 5, 9, 0}));
  EXPECT_EQ(Tones("Gmaj7"), (std::vector<int>{7, 11, 2, 6}));
  EXPECT_EQ(Tones("Bdim"), (std::vector<int>{11, 2, 5}));
  EXPECT_EQ(Tones("Caug"), (std::vector<int>{0, 4, 8}));
  EXPECT_EQ(Tones("Gsus4"), (std::vector<int>{7, 0, 2}));
  EXPECT_EQ(Tones("Ab6"), (std::vector<int>{8, 0, 3, 5}));
  for (const char* wrong : {"", "H", "Cm9", "c7x", "Bbb", "m7"}) {
    tune::Chord chord;
    std::string error;
    EXPECT_FALSE(tune::ParseChord(wrong, chord, error)) << wrong;
    EXPECT_NE(error.find("is not a chord"), std::string::npos);
  }
}

TEST(TuneNotation, VoicingsGatherRoundTheCentre) {
  tune::Chord c, g7;
  std::string error;
  ASSERT_TRUE(tune::ParseChord("C", c, error));
  ASSERT_TRUE(tune::ParseChord("G7", g7, error));
  EXPECT_EQ(tune::Voicing(c, 60, 3), (std::vector<int>{55, 60, 64}));
  // Three voices of a seventh chord keep the root, third and seventh.
  EXPECT_EQ(tune::Voicing(g7, 63, 3), (std::vector<int>{59, 65, 67}));
  // A fourth voice doubles the root an octave away rather than striking a key twice.
  EXPECT_EQ(tune::Voicing(c, 60, 4), (std::vector<int>{55, 60, 64, 72}));
  std::vector<int> wide = tune::Voicing(g7, 86, 6);
  EXPECT_EQ(std::set<int>(wide.begin(), wide.end()).size(), 6u);
  EXPECT_TRUE(std::is_sorted(wide.begin(), wide.end()));
  EXPECT_EQ(tune::KeyFrom(36, 0), 36);
  EXPECT_EQ(tune::KeyFrom(37, 0), 48);
  EXPECT_EQ(tune::KeyFrom(41, 10), 46);
}

TEST(TuneNotation, ScorePlacesMelodiesByBarAndChecksTheirBars) {
  tune::Score score(96, 3, 4, 120, "test");
  int lead = score.Part("lead", 0, 0, 100, 64);
  EXPECT_EQ(score.barTicks(), 288u);
  EXPECT_EQ(score.Melody(lead, 1, "c5:4 d5:2 | e5:6", 48, 2, 0, 80), 2);
  std::vector<uint8_t> bytes = score.Finish(3, "test");
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(NoteOns(bytes, 1), (std::vector<std::pair<uint32_t, int>>{{288, 74}, {480, 76}, {576, 78}}));

  // A bar a step short is caught, and so is a melody running past the end of the score.
  tune::Score shortBar(96, 3, 4, 120, "test");
  int part = shortBar.Part("lead", 0, 0, 100, 64);
  EXPECT_EQ(shortBar.Melody(part, 0, "c5:4 d5:1 | e5:6", 48, 0, 0, 80), 0);
  testing::internal::CaptureStderr();
  EXPECT_TRUE(shortBar.Finish(4, "test").empty());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("does not end on its bar line"), std::string::npos);
  tune::Score overrun(96, 3, 4, 120, "test");
  part = overrun.Part("lead", 0, 0, 100, 64);
  overrun.Melody(part, 1, "c5:6 | c5:6", 48, 0, 0, 80);
  testing::internal::CaptureStderr();
  EXPECT_TRUE(overrun.Finish(2, "test").empty());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("after the end"), std::string::npos);
  tune::Score badChord(96, 3, 4, 120, "test");
  EXPECT_TRUE(badChord.Chords("C G7 | Xm").empty());
  testing::internal::CaptureStderr();
  EXPECT_TRUE(badChord.Finish(2, "test").empty());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("\"Xm\""), std::string::npos);
}
