// Tests of the tracks' instruments and scale arithmetic: click-free notes, drums at full scale, pitches placed right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "music/MusicScore.h"
#include "music/Voices.h"

using namespace music;

namespace {

float Peak(const std::vector<float>& s, size_t from, size_t to) {
  float peak = 0;
  for (size_t i = from; i < to && i < s.size(); ++i) peak = std::max(peak, std::fabs(s[i]));
  return peak;
}

// The frequency of a stretch of samples from its rising zero crossings.
double Frequency(const std::vector<float>& s, size_t from, size_t to) {
  int crossings = 0;
  size_t first = 0, last = 0;
  for (size_t i = from + 1; i < to; ++i) {
    if (s[i - 1] < 0 && s[i] >= 0) {
      if (crossings == 0) first = i;
      last = i;
      ++crossings;
    }
  }
  return crossings > 1 ? (crossings - 1) * kRate / static_cast<double>(last - first) : 0;
}

}  // namespace

TEST(MusicVoices, EveryInstrumentsNotesStartAndEndSilently) {
  // The level tracks and the screen tracks.
  for (const std::vector<TrackDesign>* list : {&TrackDesigns(), &ScreenTrackDesigns()}) {
    for (const TrackDesign& d : *list) {
      SCOPED_TRACE(d.file);
      Note note{0, 0.4 * kRate, 57, 1.0f, 0, 0};
      VoiceBuffer v;
      auto check = [&](const char* what, size_t shortest) {
        ASSERT_GE(v.count, shortest) << what;
        EXPECT_LT(std::fabs(v.left[0]) + std::fabs(v.right[0]), 0.02f) << what << " starts at zero";
        EXPECT_LT(std::fabs(v.left[v.count - 1]) + std::fabs(v.right[v.count - 1]), 0.01f) << what << " ends at zero";
        EXPECT_GT(Peak(v.left, 0, v.count), 0.05f) << what << " sounds";
        for (size_t i = 0; i < v.count; ++i) ASSERT_TRUE(std::isfinite(v.left[i]) && std::isfinite(v.right[i])) << what;
      };
      RenderPad(d.pad, note, 0, 8 * 4 * SamplesPerBeat(d), 1, v);
      check("pad", static_cast<size_t>(note.length));
      RenderBass(d.bass, note, v);
      check("bass", static_cast<size_t>(note.length));
      RenderArp(d.arp, note, 0, 8 * 4 * SamplesPerBeat(d), v);
      check("arp", static_cast<size_t>(0.1 * kRate));
      RenderLead(d.lead, note, v);
      check("lead", static_cast<size_t>(note.length));
    }
  }
}

TEST(MusicVoices, TheLeadSlidesIntoItsNoteAndStaysInTune) {
  LeadSound lead;
  lead.wave = lead.wave2 = Wave::Sine;
  lead.vibratoCents = 0;
  lead.glide = 0.08f;
  Note note{0, 0.5 * kRate, 69, 1.0f, 0, 57};  // A4, sliding up from A3
  VoiceBuffer v;
  RenderLead(lead, note, v);
  double early = Frequency(v.left, 0, static_cast<size_t>(0.012 * kRate));
  double late = Frequency(v.left, static_cast<size_t>(0.2 * kRate), static_cast<size_t>(0.45 * kRate));
  EXPECT_LT(early, 400.0) << "still on its way up";
  EXPECT_NEAR(late, 440.0, 2.0);
}

TEST(MusicVoices, DrumsPeakAtFullScaleAndFadeOut) {
  const TrackDesign& d = TrackDesigns()[5];
  double bar = 4 * SamplesPerBeat(d);
  DrumKit kit = MakeDrumKit(d.kit, bar, d.seed);
  for (int drum = 0; drum < static_cast<int>(Drum::Count); ++drum) {
    ASSERT_GT(kit.takes[drum], 0) << drum;
    for (int t = 0; t < kit.takes[drum]; ++t) {
      const std::vector<float>& shot = kit.shots[drum][t];
      ASSERT_GT(shot.size(), 100u);
      EXPECT_NEAR(Peak(shot, 0, shot.size()), 1.0f, 1e-6) << drum;
      EXPECT_LT(std::fabs(shot.front()), 0.05f) << drum << " starts quietly";
      EXPECT_EQ(shot.back(), 0.0f) << drum << " ends at zero";
    }
  }
  // The swell lasts one bar and grows towards the downbeat it leads into.
  const std::vector<float>& swell = kit.shots[static_cast<int>(Drum::Swell)][0];
  EXPECT_NEAR(static_cast<double>(swell.size()), bar, 1.0);
  EXPECT_GT(Peak(swell, swell.size() * 3 / 4, swell.size()), 5 * Peak(swell, 0, swell.size() / 4));
  // Takes of the same drum differ (no machine-gun repeats), the same seed gives the same kit.
  EXPECT_NE(kit.shots[static_cast<int>(Drum::Hat)][0], kit.shots[static_cast<int>(Drum::Hat)][1]);
  DrumKit again = MakeDrumKit(d.kit, bar, d.seed);
  EXPECT_EQ(again.shots[static_cast<int>(Drum::Snare)][1], kit.shots[static_cast<int>(Drum::Snare)][1]);
}

TEST(MusicVoices, ScaleDegreesAndChordStepsLandOnTheRightPitches) {
  // D minor from D3 (50): degree −1 is the C below, 7 the octave, and the harmonic minor raises the 7th.
  EXPECT_EQ(DegreePitch(50, Mode::Aeolian, 0), 50);
  EXPECT_EQ(DegreePitch(50, Mode::Aeolian, -1), 48);
  EXPECT_EQ(DegreePitch(50, Mode::Aeolian, -7), 38);
  EXPECT_EQ(DegreePitch(50, Mode::Aeolian, -8), 36);
  EXPECT_EQ(DegreePitch(50, Mode::Aeolian, 7), 62);
  EXPECT_EQ(DegreePitch(50, Mode::Aeolian, 9), 65);
  EXPECT_EQ(DegreePitch(50, Mode::Harmonic, 6), 61);
  EXPECT_EQ(DegreePitch(50, Mode::Phrygian, 1), 51);
  EXPECT_EQ(DegreePitch(50, Mode::Dorian, 5), 59);
  // The chord's root sits within a tritone of the centre; steps count scale degrees above it.
  const TrackDesign& d = TrackDesigns()[0];
  Chord major{4, 4, Mode::Harmonic};  // A major, the dominant of D minor
  for (int centre = 40; centre < 80; ++centre) {
    int root = ChordStepPitch(d, major, 0, centre);
    EXPECT_EQ(root % 12, 9);
    EXPECT_GE(root, centre - 6);
    EXPECT_LE(root, centre + 5);
    EXPECT_EQ(ChordStepPitch(d, major, 2, centre) - root, 4) << "major third from the raised seventh";
    EXPECT_EQ(ChordStepPitch(d, major, 7, centre) - root, 12);
    EXPECT_EQ(ChordStepPitch(d, major, -3, centre) - root, -5) << "the fifth below";
  }
}
