// Tests of the tracks' designs and scores: level and screen tracks, tempi and keys, whole bars, harmony, swing, variation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "music/MusicScore.h"

using namespace music;

namespace {

// Pitch classes of the mode a chord takes its tones from.
std::set<int> ModeClasses(const TrackDesign& d, const Chord& c) {
  std::set<int> classes;
  for (int degree = 0; degree < 7; ++degree) classes.insert(DegreePitch(d.tonic, c.mode, degree) % 12);
  return classes;
}

int Class(float pitch) { return static_cast<int>(std::lround(pitch)) % 12; }

// The level tracks, then the screen tracks, then the falling-block minigame's.
const std::vector<TrackDesign>& EveryTrack() {
  static const std::vector<TrackDesign> all = [] {
    std::vector<TrackDesign> v = TrackDesigns();
    v.insert(v.end(), ScreenTrackDesigns().begin(), ScreenTrackDesigns().end());
    v.push_back(TetrisTrackDesign());
    return v;
  }();
  return all;
}

}  // namespace

TEST(MusicScore, SixTracksInTheOrderTheLevelsUseThem) {
  const std::vector<TrackDesign>& designs = TrackDesigns();
  std::vector<std::string> files;
  for (const TrackDesign& d : designs) files.push_back(d.file);
  EXPECT_EQ(files, (std::vector<std::string>{"nova3.ogg", "nova05_01.ogg", "nova3b.ogg", "nova3a.ogg",
                                             "nova2_level(blade128).ogg", "lethal3_trans_bis1.ogg"}));
  std::set<std::pair<int, double>> keysAndTempi;
  std::set<int> keys;
  for (const TrackDesign& d : designs) {
    SCOPED_TRACE(d.file);
    EXPECT_GE(d.bpm, 100);
    EXPECT_LE(d.bpm, 140);
    keys.insert(d.tonic % 12);
    // Whole bars, in 8-bar blocks, at least a minute, and a whole number of samples.
    EXPECT_EQ(d.bars % 8, 0);
    double exact = d.bars * 4 * 60.0 * kRate / d.bpm;
    EXPECT_DOUBLE_EQ(exact, std::round(exact));
    EXPECT_EQ(LoopFrames(d, d.bars), static_cast<size_t>(exact));
    EXPECT_GE(static_cast<double>(LoopFrames(d, d.bars)), 60.0 * kRate);
    // Four or eight chords whose cycle fits the 8-bar blocks; the first is the minor tonic.
    EXPECT_TRUE(d.chords.size() == 4 || d.chords.size() == 8);
    int beats = 0;
    for (const Chord& c : d.chords) beats += c.beats;
    EXPECT_EQ(32 % beats, 0);
    const Chord& home = d.chords.front();
    EXPECT_EQ(home.degree, 0);
    EXPECT_EQ(DegreePitch(d.tonic, home.mode, 2) - DegreePitch(d.tonic, home.mode, 0), 3) << "a minor third";
    EXPECT_GE(d.swing, 0.0f);
    EXPECT_LE(d.swing, 0.2f) << "a little swing";
  }
  EXPECT_EQ(keys.size(), designs.size()) << "each track in its own key";
  // The first levels are calm, later ones faster; the boss is not the slowest.
  EXPECT_LT(designs[0].bpm, designs[4].bpm);
  EXPECT_GT(designs[5].bpm, designs[0].bpm);
}

TEST(MusicScore, EveryPatternAndArrangementReferenceIsValid) {
  for (const TrackDesign& d : EveryTrack()) {
    SCOPED_TRACE(d.file);
    std::vector<int> tokens;
    for (const std::string& line : d.bassLines) EXPECT_TRUE(ParsePattern(line, tokens)) << line;
    for (const std::string& line : d.arpLines) {
      ASSERT_TRUE(ParsePattern(line, tokens)) << line;
      for (int t : tokens) {
        if (t != kHold && t != kRest) {
          EXPECT_LT(t, static_cast<int>(d.arp.tones.size())) << line;
        }
      }
    }
    for (const std::string& line : d.leadMotifs) {
      ASSERT_TRUE(ParsePattern(line, tokens)) << line;
      EXPECT_EQ(tokens.size(), 32u) << "two bars: " << line;
    }
    for (const DrumBar& bar : d.drumBars) {
      for (const std::string* line : {&bar.kick, &bar.snare, &bar.clap, &bar.hat, &bar.openHat, &bar.shaker, &bar.tom, &bar.rim}) {
        EXPECT_TRUE(line->empty() || line->size() == 16) << *line;
        EXPECT_EQ(line->find_first_not_of(".XxogHMLhml"), std::string::npos) << *line;
      }
    }
    for (const Block& b : d.blocks) {
      for (int drum : {b.drums, b.drumsLate, b.fill}) EXPECT_LT(drum, static_cast<int>(d.drumBars.size()));
      EXPECT_LT(b.bass, static_cast<int>(d.bassLines.size()));
      EXPECT_LT(b.arp, static_cast<int>(d.arpLines.size()));
      for (int m : b.lead) EXPECT_LT(m, static_cast<int>(d.leadMotifs.size()));
    }
  }
}

TEST(MusicScore, PatternsRefuseWhatIsNotAPattern) {
  std::vector<int> tokens;
  ASSERT_TRUE(ParsePattern("0 - . 7 | -3 - - . 4 - 2 - 0 . . 12", tokens));
  EXPECT_EQ(tokens[0], 0);
  EXPECT_EQ(tokens[1], kHold);
  EXPECT_EQ(tokens[2], kRest);
  EXPECT_EQ(tokens[4], -3);
  EXPECT_FALSE(ParsePattern("0 - . 7", tokens)) << "not a whole bar";
  EXPECT_FALSE(ParsePattern("0 - . x - - - - - - - - - - - -", tokens));
  EXPECT_FALSE(ParsePattern("0 - . 99 - - - - - - - - - - - -", tokens)) << "far out of range";
  EXPECT_FALSE(ParsePattern("", tokens));
}

TEST(MusicScore, PadAndBassStayInTheChordsModeAndLeadBeatsAreChordTones) {
  for (const TrackDesign& d : EveryTrack()) {
    SCOPED_TRACE(d.file);
    Score s = Compose(d);
    auto chordAt = [&](double start) -> const Chord& { return ChordAt(d, start / s.samplesPerBeat + 1e-6); };
    for (const Note& n : s.pad) EXPECT_TRUE(ModeClasses(d, chordAt(n.start)).count(Class(n.pitch))) << n.pitch;
    for (const Note& n : s.bass) EXPECT_TRUE(ModeClasses(d, chordAt(n.start)).count(Class(n.pitch))) << n.pitch;
    // Lead notes starting on a beat are the chord's root, third, fifth, seventh or ninth.
    for (const Note& n : s.lead) {
      double beat = n.start / s.samplesPerBeat;
      if (std::fabs(beat - std::round(beat)) > 1e-6) continue;
      const Chord& c = chordAt(n.start);
      std::set<int> tones;
      for (int step : {0, 2, 4, 6, 8}) tones.insert(DegreePitch(d.tonic, c.mode, c.degree + step) % 12);
      EXPECT_TRUE(tones.count(Class(n.pitch))) << "lead " << n.pitch << " at beat " << beat;
    }
    // The bass sits low (octave pops included) and the pad in the middle.
    for (const Note& n : s.bass) EXPECT_LT(n.pitch, 64);
    for (const Note& n : s.pad) {
      EXPECT_GT(n.pitch, 40);
      EXPECT_LT(n.pitch, 80);
    }
  }
}

TEST(MusicScore, PadVoicesNeverDoubleAPitchAndCommonTonesRingOn) {
  for (const TrackDesign& d : EveryTrack()) {
    SCOPED_TRACE(d.file);
    Score s = Compose(d);
    std::map<int, std::vector<std::pair<double, double>>> byPitch;
    for (const Note& n : s.pad) byPitch[static_cast<int>(n.pitch)].push_back({n.start, n.start + n.length});
    for (auto& [pitch, spans] : byPitch) {
      std::sort(spans.begin(), spans.end());
      // A held tone is one long note, not two notes that stop and start again (or overlap).
      for (size_t i = 1; i < spans.size(); ++i) EXPECT_GT(spans[i].first, spans[i - 1].second + 1) << pitch;
    }
    // At every chord change the pad sounds as many voices as the voicing has tones.
    double beat = 0;
    for (int k = 0; k < 16 && beat < d.bars * 4; ++k) {
      const Chord& c = d.chords[static_cast<size_t>(k) % d.chords.size()];
      double t = (beat + 0.5) * s.samplesPerBeat;
      size_t sounding = 0;
      for (const Note& n : s.pad) sounding += n.start <= t && t < n.start + n.length;
      EXPECT_EQ(sounding, d.pad.tones.size()) << "chord " << k;
      beat += c.beats;
    }
  }
}

TEST(MusicScore, OffSixteenthsSwingAndEveryEighthBarChangesTheDrums) {
  for (const TrackDesign& d : EveryTrack()) {
    SCOPED_TRACE(d.file);
    Score s = Compose(d);
    double sixteenth = s.samplesPerBeat / 4;
    bool sawOff = false;
    for (const DrumHit& h : s.drums) {
      double step = h.start / sixteenth;
      double frac = step - std::floor(step + 1e-9);
      int index = static_cast<int>(std::floor(step + 1e-9));
      if (index % 2 == 0) {
        EXPECT_NEAR(frac, 0.0, 1e-6);
      } else {
        EXPECT_NEAR(frac, d.swing, 1e-6);
        sawOff = true;
      }
    }
    EXPECT_TRUE(sawOff);
    // The hits of each bar, as (drum, sixteenth) pairs.
    auto barHits = [&](int bar) {
      std::set<std::pair<int, int>> hits;
      for (const DrumHit& h : s.drums) {
        int step = static_cast<int>(std::floor(h.start / sixteenth + 1e-9));
        if (step / 16 == bar) hits.insert({static_cast<int>(h.drum), step % 16});
      }
      return hits;
    };
    for (int block = 0; block < d.bars / 8; ++block) {
      EXPECT_NE(barHits(block * 8 + 7), barHits(block * 8 + 1)) << "bar 8 of block " << block << " is a fill";
      // A cymbal opens every block that opens with drums.
      if (d.blocks[static_cast<size_t>(block) % d.blocks.size()].drums < 0) continue;
      EXPECT_TRUE(barHits(block * 8).count({static_cast<int>(Drum::Crash), 0})) << "a cymbal opens block " << block;
    }
    // Consecutive blocks differ somewhere: drums, bass, arp or lead.
    for (size_t b = 0; b + 1 < d.blocks.size(); ++b) {
      const Block &x = d.blocks[b], &y = d.blocks[b + 1];
      EXPECT_TRUE(x.drums != y.drums || x.drumsLate != y.drumsLate || x.bass != y.bass || x.arp != y.arp ||
                  x.lead != y.lead);
    }
  }
}

TEST(MusicScore, FiveScreenTracksEachInAKeyAndVoiceOfItsOwn) {
  const std::vector<TrackDesign>& screens = ScreenTrackDesigns();
  ASSERT_EQ(screens.size(), 5u);
  const TrackDesign &menu = screens[0], &intro = screens[1], &ending = screens[2], &gameOver = screens[3],
                    &credits = screens[4];
  for (const TrackDesign& d : screens) {
    SCOPED_TRACE(d.file);
    // Whole 8-bar blocks of whole samples, at least a minute.
    EXPECT_EQ(d.bars % 8, 0);
    double exact = d.bars * 4 * 60.0 * kRate / d.bpm;
    EXPECT_DOUBLE_EQ(exact, std::round(exact));
    EXPECT_GE(exact, 60.0 * kRate);
    EXPECT_GE(d.bpm, 60);
    EXPECT_LE(d.bpm, 140);
    // The chord cycle fits the loop, so that the harmony joins where the loop does.
    int beats = 0;
    for (const Chord& c : d.chords) beats += c.beats;
    EXPECT_EQ(d.bars * 4 % beats, 0);
    // A breakdown: some block leaves the drums out, or thins them to no kick, for a while.
    bool breakdown = false;
    for (const Block& b : d.blocks) {
      breakdown = breakdown || b.drums < 0 || d.drumBars[static_cast<size_t>(b.drums)].kick.empty();
    }
    EXPECT_TRUE(breakdown);
  }
  // No two of the eleven tracks share a key note, and no track shares its lead voice (the kind of instrument and
  // its waves) with any other, so each is told apart by ear.
  std::map<int, std::string> keys;
  for (const TrackDesign& d : EveryTrack()) {
    auto key = keys.emplace(d.tonic % 12, d.file);
    EXPECT_TRUE(key.second) << d.file << " is in the key of " << key.first->second;
  }
  auto voice = [](const TrackDesign& d) {
    return std::tuple{static_cast<int>(d.lead.kind), static_cast<int>(d.lead.wave), static_cast<int>(d.lead.wave2),
                      d.lead.fmRatio};
  };
  for (const TrackDesign& screen : EveryTrack()) {
    for (const TrackDesign& other : EveryTrack()) {
      if (other.file != screen.file) {
        EXPECT_NE(voice(screen), voice(other)) << screen.file << " and " << other.file;
      }
    }
  }
  // The moods: the ending alone in a major key, the others minor; defeat the slowest, the ending and the
  // story slower than play, the credits driving.
  auto third = [](const TrackDesign& d) {
    const Chord& home = d.chords.front();
    return DegreePitch(d.tonic, home.mode, home.degree + 2) - DegreePitch(d.tonic, home.mode, home.degree);
  };
  EXPECT_EQ(ending.chords.front().degree, 0);
  EXPECT_EQ(third(ending), 4) << "a major tonic";
  for (const TrackDesign* d : {&menu, &gameOver, &credits}) {
    EXPECT_EQ(d->chords.front().degree, 0);
    EXPECT_EQ(third(*d), 3) << d->file << ": a minor tonic";
  }
  for (const TrackDesign* d : {&menu, &intro, &ending, &credits}) EXPECT_LT(gameOver.bpm, d->bpm);
  for (const TrackDesign* d : {&intro, &ending}) EXPECT_LT(d->bpm, TrackDesigns().front().bpm);
  EXPECT_GE(credits.bpm, 120);
  EXPECT_LT(menu.bpm, credits.bpm) << "the title theme at a walking pace";
  // The story turns: its last chords are darker (Phrygian or harmonic) than its first, which are major.
  EXPECT_EQ(DegreePitch(intro.tonic, intro.chords.front().mode, intro.chords.front().degree + 2) -
                DegreePitch(intro.tonic, intro.chords.front().mode, intro.chords.front().degree),
            4);
  EXPECT_TRUE(intro.chords.back().mode == Mode::Harmonic || intro.chords.back().mode == Mode::Phrygian);
}

TEST(MusicScore, TheMinigameTrackIsQuickAndInAKeyAndVoiceOfItsOwn) {
  const TrackDesign& d = TetrisTrackDesign();
  EXPECT_EQ(d.file, "noval01a.ogg");
  // Quicker than any level's track, yet within the house's tempi; whole blocks of whole samples, a minute or more.
  for (const TrackDesign& level : TrackDesigns()) EXPECT_GT(d.bpm, level.bpm) << level.file;
  EXPECT_LE(d.bpm, 140);
  EXPECT_EQ(d.bars % 8, 0);
  const double exact = d.bars * 4 * 60.0 * kRate / d.bpm;
  EXPECT_DOUBLE_EQ(exact, std::round(exact));
  EXPECT_GE(exact, 60.0 * kRate);
  int beats = 0;
  for (const Chord& c : d.chords) beats += c.beats;
  EXPECT_EQ(d.bars * 4 % beats, 0) << "the harmony joins where the loop does";
  // Minor at home, with the bright major IV of the Dorian.
  EXPECT_EQ(d.chords.front().degree, 0);
  EXPECT_EQ(DegreePitch(d.tonic, d.chords.front().mode, 2) - DegreePitch(d.tonic, d.chords.front().mode, 0), 3);
  bool majorFour = false;
  for (const Chord& c : d.chords) {
    majorFour = majorFour || (c.degree == 3 && DegreePitch(d.tonic, c.mode, 5) - DegreePitch(d.tonic, c.mode, 3) == 4);
  }
  EXPECT_TRUE(majorFour);
  // A breakdown without the kick.
  bool breakdown = false;
  for (const Block& b : d.blocks) breakdown = breakdown || b.drums < 0 || d.drumBars[static_cast<size_t>(b.drums)].kick.empty();
  EXPECT_TRUE(breakdown);
  // Its key note and its lead voice are no other track's.
  for (const TrackDesign& other : EveryTrack()) {
    if (other.file == d.file) continue;
    EXPECT_NE(other.tonic % 12, d.tonic % 12) << other.file;
    EXPECT_FALSE(other.lead.kind == d.lead.kind && other.lead.wave == d.lead.wave && other.lead.wave2 == d.lead.wave2 &&
                 other.lead.fmRatio == d.lead.fmRatio)
        << other.file;
  }
}

TEST(MusicScore, AShortScoreStopsAtItsLastBar) {
  const TrackDesign& d = TrackDesigns()[2];
  Score s = Compose(d, 3);
  EXPECT_EQ(s.frames, LoopFrames(d, 3));
  EXPECT_EQ(s.chordAtBar.size(), 3u);
  for (const Note& n : s.bass) EXPECT_LT(n.start, static_cast<double>(s.frames));
  for (const DrumHit& h : s.drums) EXPECT_LT(h.start, static_cast<double>(s.frames));
  // A pad chord cut by the end of the loop ends with it.
  for (const Note& n : s.pad) EXPECT_LE(n.start + n.length, static_cast<double>(s.frames) + 1);
}

TEST(MusicScore, EveryTrackBreaksDownForFourToEightBarsWithoutDrumsOrBass) {
  for (const TrackDesign& d : EveryTrack()) {
    SCOPED_TRACE(d.file);
    Score score = Compose(d);
    ASSERT_EQ(score.breakdowns.size(), 1u);
    const Score::Span& span = score.breakdowns.front();
    const double bars = span.length / (4 * score.samplesPerBeat);
    EXPECT_GE(bars, 4 - 1e-9);
    EXPECT_LE(bars, 8 + 1e-9);
    // Within it only the cymbal that opens it and the swell that leads out of it; no bass note starts.
    int swells = 0;
    for (const DrumHit& hit : score.drums) {
      if (hit.start < span.start - 1 || hit.start >= span.start + span.length - 1) continue;
      EXPECT_TRUE(hit.drum == Drum::Crash || hit.drum == Drum::Swell) << static_cast<int>(hit.drum) << " at " << hit.start;
      swells += hit.drum == Drum::Swell ? 1 : 0;
    }
    EXPECT_GE(swells, 1);
    for (const Note& n : score.bass) {
      EXPECT_FALSE(n.start >= span.start && n.start < span.start + span.length - 1) << "bass at " << n.start;
    }
    // The drums come back after it.
    bool kickAfter = false;
    for (const DrumHit& hit : score.drums) kickAfter = kickAfter || (hit.drum == Drum::Kick && hit.start >= span.start + span.length - 1);
    EXPECT_TRUE(kickAfter || span.start + span.length >= score.frames - 1);
  }
}
