// Tests of the analyses the builder and the tests listen with: onsets, spectral centroid, and tracks' profiles.
#include <gtest/gtest.h>

#include <cmath>

#include "music/TrackProfile.h"
#include "probe/Onsets.h"
#include "sfx/SoundCatalogue.h"
#include "sfx/Synth.h"

namespace {

constexpr double kAt = 44100;

// A decaying 2 kHz ping at each of `times` (seconds), over `seconds` of silence or a soft hum.
std::vector<float> Pings(const std::vector<double>& times, double seconds, float hum = 0) {
  std::vector<float> s(static_cast<size_t>(seconds * kAt));
  for (size_t i = 0; i < s.size(); ++i) s[i] = hum * static_cast<float>(std::sin(2 * kPi * 110 * i / kAt));
  for (double t : times) {
    for (size_t i = static_cast<size_t>(t * kAt), k = 0; i < s.size() && k < 4410; ++i, ++k) {
      s[i] += 0.5f * static_cast<float>(std::sin(2 * kPi * 2000 * k / kAt) * std::exp(-static_cast<double>(k) / 400));
    }
  }
  return s;
}

// Stereo of a chord's tones (MIDI notes) held for `seconds`.
std::vector<float> Chord(const std::vector<int>& notes, double seconds) {
  std::vector<float> s(2 * static_cast<size_t>(seconds * kAt));
  for (size_t i = 0; i < s.size() / 2; ++i) {
    double v = 0;
    for (int n : notes) v += 0.1 * std::sin(2 * kPi * 440 * std::pow(2, (n - 69) / 12.0) * i / kAt);
    s[2 * i] = s[2 * i + 1] = static_cast<float>(v);
  }
  return s;
}

}  // namespace

TEST(Onsets, FindEachAttackOnceAndNothingInSilenceOrAHum) {
  std::vector<double> found = FindOnsets(Pings({0.1, 0.5, 0.52, 1.2}, 1.5), kAt);
  // The ping 20 ms after another is within the detector's 25 ms and counts with it.
  ASSERT_EQ(found.size(), 3u);
  EXPECT_NEAR(found[0], 0.1, 0.003);
  EXPECT_NEAR(found[1], 0.5, 0.003);
  EXPECT_NEAR(found[2], 1.2, 0.003);
  EXPECT_TRUE(FindOnsets(std::vector<float>(44100, 0.0f), kAt).empty());
  // A steady hum already sounding is no onset, however loud; a ping over it is still heard.
  EXPECT_TRUE(FindOnsets(Pings({}, 1.0, 0.3f), kAt).empty());
  std::vector<double> over = FindOnsets(Pings({0.6}, 1.0, 0.3f), kAt);
  ASSERT_EQ(over.size(), 1u);
  EXPECT_NEAR(over[0], 0.6, 0.003);
  EXPECT_TRUE(FindOnsets({}, kAt).empty());
}

TEST(SoundCatalogue, TheCentroidSitsOnAToneAndBetweenTwo) {
  std::vector<float> tone(44100), pair(44100);
  for (size_t i = 0; i < tone.size(); ++i) {
    tone[i] = static_cast<float>(std::sin(2 * kPi * 1000 * i / kAt));
    pair[i] = static_cast<float>(std::sin(2 * kPi * 500 * i / kAt) + std::sin(2 * kPi * 4500 * i / kAt));
  }
  EXPECT_NEAR(SpectralCentroidHz(tone, kAt), 1000, 20);
  EXPECT_NEAR(SpectralCentroidHz(pair, kAt), 2500, 50);
  EXPECT_EQ(SpectralCentroidHz(std::vector<float>(1000, 0.0f), kAt), 0);
}

TEST(TrackProfile, KeysAndSpectraAreToldApart) {
  // A minor and its neighbours: the same chord reads the same, a tritone away reads unlike it.
  std::vector<float> a = Chord({57, 60, 64}, 3), again = Chord({57, 60, 64}, 3), far = Chord({63, 66, 70}, 3);
  music::TrackProfile pa = music::ProfileOf(a, a.size() / 2, 44100), pf = music::ProfileOf(far, far.size() / 2, 44100);
  EXPECT_NEAR(music::KeyLikeness(pa, music::ProfileOf(again, again.size() / 2, 44100)), 1.0, 1e-9);
  EXPECT_LT(music::KeyLikeness(pa, pf), 0.2);
  // The pitch classes of the chord hold nearly all the tonal power.
  EXPECT_GT(pa.pitchClasses[9] + pa.pitchClasses[0] + pa.pitchClasses[4], 0.95);
  // The same notes an octave apart move power between bands.
  std::vector<float> low = Chord({45, 48, 52}, 3);
  EXPECT_GT(music::BandDistanceDb(pa, music::ProfileOf(low, low.size() / 2, 44100)), 3.0);
  EXPECT_NEAR(music::BandDistanceDb(pa, pa), 0.0, 1e-9);
  // Too short to measure: an empty profile, not a crash.
  music::TrackProfile none = music::ProfileOf(std::vector<float>(200, 0.1f), 100, 44100);
  EXPECT_EQ(none.bands[0], 0);
}
