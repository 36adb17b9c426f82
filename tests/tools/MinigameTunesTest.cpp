// Tests of the minigames' two MIDI tunes as a player reads them: length, instruments, notes and the loop.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "MidiTestReader.h"
#include "minigames/MinigameArt.h"

namespace {

struct TuneFacts {
  double seconds = 0;            // from the tempo map, up to the end of the tracks
  uint32_t endTick = 0;
  uint32_t barTicks = 0;
  std::set<int> programs;        // General MIDI programs set on melodic channels
  int leadProgram = -1;          // of the first part after the conductor
  std::set<int> drumKeys;
  uint32_t firstNote = UINT32_MAX;
  uint32_t lastRelease = 0;      // where the last note-off falls
};

// Reads the tune and checks what every tune must hold, returning what the caller checks per tune.
TuneFacts CheckTune(const std::vector<uint8_t>& bytes, const char* name) {
  SCOPED_TRACE(name);
  TuneFacts facts;
  MidiTestFile file;
  std::string problem;
  EXPECT_TRUE(ReadMidiForTest(bytes, file, problem)) << problem;
  EXPECT_EQ(file.format, 1);
  EXPECT_GT(file.division, 0);
  EXPECT_GE(file.tracks.size(), 3u);
  if (file.tracks.empty() || file.division <= 0) return facts;

  facts.endTick = file.tracks[0].back().tick;
  std::map<uint32_t, uint32_t> tempos;  // tick -> microseconds a quarter note
  int signatures = 0;
  for (size_t t = 0; t < file.tracks.size(); ++t) {
    SCOPED_TRACE("track " + std::to_string(t));
    const std::vector<MidiTestEvent>& track = file.tracks[t];
    // Every part stops at the same tick, so that a player starting again keeps them together.
    EXPECT_EQ(track.back().tick, facts.endTick);
    std::map<std::pair<int, int>, int> held;  // channel and key -> notes sounding
    std::set<int> programmed;
    for (const MidiTestEvent& e : track) {
      if (e.status == 0xFF && e.metaType == 0x51 && e.meta.size() == 3) {
        tempos[e.tick] = uint32_t(e.meta[0]) << 16 | uint32_t(e.meta[1]) << 8 | e.meta[2];
      }
      if (e.status == 0xFF && e.metaType == 0x58 && e.meta.size() == 4) {
        ++signatures;
        EXPECT_EQ(e.tick, 0u);
        facts.barTicks = uint32_t(file.division) * 4 / (1u << e.meta[1]) * e.meta[0];
      }
      if (e.status >= 0xF0) continue;
      int kind = e.status & 0xF0, channel = e.status & 0x0F;
      if (kind == 0xC0) {
        EXPECT_NE(channel, 9) << "a program on the percussion channel";
        facts.programs.insert(e.data1);
        if (facts.leadProgram < 0) facts.leadProgram = e.data1;
        programmed.insert(channel);
      }
      bool on = kind == 0x90 && e.data2 > 0, off = kind == 0x80 || (kind == 0x90 && e.data2 == 0);
      if (on) {
        facts.firstNote = std::min(facts.firstNote, e.tick);
        if (channel == 9) {
          facts.drumKeys.insert(e.data1);
        } else {
          EXPECT_TRUE(programmed.count(channel)) << "a note before its instrument is chosen";
          EXPECT_GE(e.data1, 28);
          EXPECT_LE(e.data1, 108);
        }
        EXPECT_EQ(held[std::make_pair(channel, int(e.data1))]++, 0) << "key " << int(e.data1) << " struck again while held at " << e.tick;
      }
      if (off) {
        EXPECT_GT(held[std::make_pair(channel, int(e.data1))]--, 0) << "key " << int(e.data1) << " let go unheld at " << e.tick;
        facts.lastRelease = std::max(facts.lastRelease, e.tick);
      }
    }
    for (const auto& [note, count] : held) EXPECT_EQ(count, 0) << "key " << note.second << " never let go";
  }
  EXPECT_EQ(signatures, 1);
  EXPECT_TRUE(tempos.count(0)) << "no tempo at the start";
  // Seconds from the tempo map; before any tempo a file runs at 120 a minute.
  uint32_t tick = 0, micros = 500000;
  for (const auto& [at, quarter] : tempos) {
    facts.seconds += double(at - tick) * micros / file.division / 1e6;
    tick = at;
    micros = quarter;
  }
  facts.seconds += double(facts.endTick - tick) * micros / file.division / 1e6;
  return facts;
}

void CheckLoop(const TuneFacts& facts) {
  EXPECT_GE(facts.seconds, 60.0);
  EXPECT_LE(facts.seconds, 120.0);
  ASSERT_GT(facts.barTicks, 0u);
  // Whole bars, a note on the first beat and one still sounding into the last: played again from its start,
  // the tune keeps its beat with no gap at the seam.
  EXPECT_EQ(facts.endTick % facts.barTicks, 0u);
  EXPECT_EQ(facts.firstNote, 0u);
  EXPECT_GT(facts.lastRelease, facts.endTick - facts.barTicks / 4);
  EXPECT_LE(facts.lastRelease, facts.endTick);
  for (int key : facts.drumKeys) {
    EXPECT_GE(key, 35) << "not a General MIDI drum";
    EXPECT_LE(key, 81) << "not a General MIDI drum";
  }
}

std::vector<uint8_t> BuiltPack(const char* name) {
  std::ifstream in(std::string(PACKS_DIR) + "/" + name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(MinigameTunes, DuckTuneIsAFairgroundWaltzThatLoops) {
  std::vector<uint8_t> tune = ComposeDuckTune();
  TuneFacts facts = CheckTune(tune, "duck tune");
  CheckLoop(facts);
  EXPECT_EQ(facts.leadProgram, 82);  // calliope
  EXPECT_EQ(facts.programs, (std::set<int>{82, 16, 58, 9, 21}));
  EXPECT_TRUE(facts.drumKeys.count(36)) << "no bass drum";
  EXPECT_EQ(facts.barTicks % 3, 0u);
  EXPECT_EQ(tune, ComposeDuckTune()) << "the same tune every build";
  EXPECT_EQ(BuiltPack("ballgame.pak"), tune);
}

TEST(MinigameTunes, SugarTuneIsABouncyMarimbaTuneThatLoops) {
  std::vector<uint8_t> tune = ComposeSugarTune();
  TuneFacts facts = CheckTune(tune, "sugar tune");
  CheckLoop(facts);
  EXPECT_EQ(facts.leadProgram, 12);  // marimba
  EXPECT_EQ(facts.programs, (std::set<int>{12, 9, 45, 11}));
  EXPECT_GE(facts.drumKeys.size(), 4u);
  EXPECT_EQ(tune, ComposeSugarTune()) << "the same tune every build";
  EXPECT_EQ(BuiltPack("elephant.pak"), tune);
}

TEST(MinigameTunes, TheCheckerFindsBrokenTunes) {
  // A note never let go, and a tune too short: the checks above must see both.
  std::vector<uint8_t> bytes = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0,
                                'M', 'T', 'r', 'k', 0, 0, 0, 19, 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
                                0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08, 0x00, 0xFF, 0x2F, 0x00,
                                'M', 'T', 'r', 'k', 0, 0, 0, 11, 0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x40,
                                0x00, 0xFF, 0x2F, 0x00};
  testing::TestPartResultArray failures;
  {
    testing::ScopedFakeTestPartResultReporter reporter(testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    CheckLoop(CheckTune(bytes, "broken"));
  }
  std::string all;
  for (int i = 0; i < failures.size(); ++i) all += failures.GetTestPartResult(i).message();
  EXPECT_NE(all.find("never let go"), std::string::npos) << all;
  EXPECT_NE(all.find("facts.seconds"), std::string::npos) << all;
}
