// Tests of the MIDI file writer: the exact bytes of a small file, delta times, running status and refused input.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "MidiTestReader.h"
#include "minigames/MidiWrite.h"

namespace {

std::vector<uint8_t> Quantity(uint32_t value) {
  std::vector<uint8_t> out;
  EXPECT_TRUE(midi::AppendVariableLength(out, value));
  return out;
}

}  // namespace

TEST(MidiWrite, SmallFileHasTheExpectedBytes) {
  midi::MidiTrack conductor;
  conductor.Tempo(0, 120);
  conductor.TimeSignature(0, 4, 4);
  midi::MidiTrack part("P");
  // Added out of order: the writer sorts them, and lets go of notes before it strikes new ones at a tick.
  part.Note(480, 240, 0, 67, 80);
  part.Note(0, 480, 0, 60, 100);
  part.Note(0, 480, 0, 64, 90);
  part.Program(0, 0, 12);
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(midi::WriteMidiFile({conductor, part}, 480, 960, bytes, error)) << error;
  const std::vector<uint8_t> expected = {
      'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0,  // format 1, two tracks, 480 a quarter
      'M', 'T', 'r', 'k', 0, 0, 0, 20,
      0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,        // 500000 microseconds a quarter note
      0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08,  // 4/4
      0x87, 0x40, 0xFF, 0x2F, 0x00,                    // ends at 960
      'M', 'T', 'r', 'k', 0, 0, 0, 37,
      0x00, 0xFF, 0x03, 0x01, 'P',
      0x00, 0xC0, 0x0C,
      0x00, 0x90, 0x3C, 0x64,
      0x00, 0x40, 0x5A,                                // the same status is not written again
      0x83, 0x60, 0x80, 0x3C, 0x40,
      0x00, 0x40, 0x40,
      0x00, 0x90, 0x43, 0x50,
      0x81, 0x70, 0x80, 0x43, 0x40,
      0x81, 0x70, 0xFF, 0x2F, 0x00};
  EXPECT_EQ(bytes, expected);
}

TEST(MidiWrite, VariableLengthQuantitiesAtTheirBoundaries) {
  EXPECT_EQ(Quantity(0), (std::vector<uint8_t>{0x00}));
  EXPECT_EQ(Quantity(0x7F), (std::vector<uint8_t>{0x7F}));
  EXPECT_EQ(Quantity(0x80), (std::vector<uint8_t>{0x81, 0x00}));
  EXPECT_EQ(Quantity(0x3FFF), (std::vector<uint8_t>{0xFF, 0x7F}));
  EXPECT_EQ(Quantity(0x4000), (std::vector<uint8_t>{0x81, 0x80, 0x00}));
  EXPECT_EQ(Quantity(0x0FFFFFFF), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x7F}));
  std::vector<uint8_t> out = {1};
  EXPECT_FALSE(midi::AppendVariableLength(out, 0x10000000));
  EXPECT_EQ(out, (std::vector<uint8_t>{1}));
}

TEST(MidiWrite, MetaEventsEndRunningStatusAndLongDeltasReadBack) {
  midi::MidiTrack track("T");
  track.Note(0, 10, 0, 60, 100);
  track.Tempo(3, 90);
  track.Note(5, 200000, 0, 62, 100);  // its note-off a delta of three bytes later
  track.Note(5, 10, 9, 36, 70);
  track.Controller(7, 9, 7, 100);
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(midi::WriteMidiFile({track}, 96, 300000, bytes, error)) << error;
  MidiTestFile file;
  std::string problem;
  ASSERT_TRUE(ReadMidiForTest(bytes, file, problem)) << problem;
  EXPECT_EQ(file.format, 1);
  EXPECT_EQ(file.division, 96);
  ASSERT_EQ(file.tracks.size(), 1u);
  std::vector<std::tuple<uint32_t, int, int>> seen;
  for (const MidiTestEvent& e : file.tracks[0]) seen.emplace_back(e.tick, e.status == 0xFF ? 0xFF00 | e.metaType : e.status, e.data1);
  const std::vector<std::tuple<uint32_t, int, int>> expected = {
      {0, 0xFF03, 0}, {0, 0x90, 60},  {3, 0xFF51, 0},  {5, 0x90, 62},      {5, 0x99, 36},
      {7, 0xB9, 7},   {10, 0x80, 60}, {15, 0x89, 36},  {200005, 0x80, 62}, {300000, 0xFF2F, 0}};
  EXPECT_EQ(seen, expected);
  // The tempo change between two note-ons makes the second write its status byte again.
  const std::vector<uint8_t> afterMeta = {0x02, 0x90, 0x3E, 0x64};
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), afterMeta.begin(), afterMeta.end()), bytes.end());
}

TEST(MidiWrite, RefusesWhatAFileCannotHold) {
  auto refused = [](const midi::MidiTrack& track, uint32_t end, const std::string& word) {
    std::vector<uint8_t> bytes = {1, 2};
    std::string error;
    bool written = midi::WriteMidiFile({track}, 480, end, bytes, error);
    EXPECT_FALSE(written) << word;
    EXPECT_TRUE(bytes.empty()) << word;
    EXPECT_NE(error.find(word), std::string::npos) << error;
  };
  midi::MidiTrack channel("a"), program("b"), key("c"), silent("d"), late("e"), tempo("f"), metre("g"), empty("h");
  channel.Program(0, 16, 0);
  refused(channel, 10, "channel 16");
  program.Program(0, 0, 128);
  refused(program, 10, "program 128");
  key.Note(0, 10, 0, 128, 100);
  refused(key, 10, "key 128");
  silent.Note(0, 10, 0, 60, 0);  // velocity 0 would be a note-off
  refused(silent, 10, "velocity 0");
  late.Note(0, 11, 0, 60, 100);
  refused(late, 10, "after the end");
  tempo.Tempo(0, 0);
  refused(tempo, 10, "tempo");
  metre.TimeSignature(0, 3, 5);
  refused(metre, 10, "3/5");
  empty.Note(0, 0, 0, 60, 100);
  refused(empty, 10, "a note of 0 ticks");
  // The first mistake is the one reported, and nothing is added after it.
  midi::MidiTrack twice("i");
  twice.Program(0, 0, 200);
  twice.Note(0, 5, 20, 60, 100);
  EXPECT_NE(twice.problem().find("program 200"), std::string::npos);
  EXPECT_TRUE(twice.events().empty());

  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_FALSE(midi::WriteMidiFile({}, 480, 10, bytes, error));
  EXPECT_FALSE(midi::WriteMidiFile({midi::MidiTrack()}, 0, 10, bytes, error));
  EXPECT_FALSE(midi::WriteMidiFile({midi::MidiTrack()}, 0x8000, 10, bytes, error));
  EXPECT_TRUE(midi::WriteMidiFile({midi::MidiTrack()}, 0x7FFF, 10, bytes, error)) << error;
}
