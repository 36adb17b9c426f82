// Tests of the synthesizer's finishing pass, filters and spectrogram, which every effect relies on.
#include <gtest/gtest.h>

#include <cmath>

#include "sfx/SoundSheet.h"
#include "sfx/Synth.h"

TEST(SfxSynth, FinishingRemovesOffsetZeroesTheEndsAndSetsThePeak) {
  // A loud tone riding on a constant offset, starting and ending at full level.
  Samples s(4410);
  for (size_t i = 0; i < s.size(); ++i) s[i] = 0.4f + 1.7f * Sine(static_cast<double>(i) * 440.0 / 22050.0);
  FinishEffect(s, 22050, 0.001, 0.01);
  EXPECT_EQ(s.front(), 0.0f);
  EXPECT_EQ(s.back(), 0.0f);
  double mean = 0;
  for (float v : s) mean += v;
  EXPECT_NEAR(mean / static_cast<double>(s.size()), 0.0, 0.01);
  EXPECT_NEAR(MeasureLevels(s).peakDb, -3.0, 0.01);
  // The attack is not swallowed: within 2 ms the tone is back near full level.
  float early = 0;
  for (size_t i = 0; i < 44; ++i) early = std::max(early, std::fabs(s[i]));
  EXPECT_GT(early, 0.5f);
}

TEST(SfxSynth, FinishingSilenceAndTinySoundsIsHarmless) {
  Samples silent(1000, 0.0f);
  FinishEffect(silent, 22050, 0.001, 0.01);
  for (float v : silent) ASSERT_EQ(v, 0.0f);
  EXPECT_LT(MeasureLevels(silent).peakDb, -150);
  Samples one{0.5f}, none;
  FinishEffect(one, 22050, 0.001, 0.01);
  FinishEffect(none, 22050, 0.001, 0.01);
  EXPECT_TRUE(std::isfinite(one[0]));
}

TEST(SfxSynth, FilterStaysStableWhileItsCutoffSweepsToTheTop) {
  Svf filter;
  Rng rng(5);
  float largest = 0;
  for (int i = 0; i < 20000; ++i) {
    filter.Set(ExpGlide(i / 20000.0, 50, 30000, 1.0), 8.0, 44100);
    filter.Process(static_cast<float>(rng.Bipolar()));
    ASSERT_TRUE(std::isfinite(filter.low) && std::isfinite(filter.band) && std::isfinite(filter.high));
    largest = std::max(largest, std::fabs(filter.band));
  }
  EXPECT_LT(largest, 20.0f);
  EXPECT_DOUBLE_EQ(ExpGlide(0.0, 100, 400, 1.0), 100);
  EXPECT_DOUBLE_EQ(ExpGlide(2.0, 100, 400, 1.0), 400);  // held after the glide
  EXPECT_NEAR(ExpGlide(0.5, 100, 400, 1.0), 200, 1e-9);
}

TEST(SfxSynth, SeededNoiseRepeatsAndSeedsDiffer) {
  Rng a(7), b(7), c(8);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    double va = a.Bipolar();
    ASSERT_EQ(va, b.Bipolar());
    ASSERT_GE(va, -1.0);
    ASSERT_LE(va, 1.0);
    differs = differs || va != c.Bipolar();
  }
  EXPECT_TRUE(differs);
}

TEST(SfxSheet, SpectrogramPutsAToneInItsBand) {
  // 1 kHz at 22050 Hz on the 40 Hz .. 11025 Hz logarithmic axis of 100 rows.
  Samples s(22050);
  for (size_t i = 0; i < s.size(); ++i) s[i] = 0.5f * Sine(static_cast<double>(i) * 1000.0 / 22050.0);
  const int rows = 100;
  std::vector<float> db = Spectrogram(s, 22050, 10, rows);
  int loudest = 0;
  for (int r = 1; r < rows; ++r) {
    if (db[5 * rows + r] > db[5 * rows + loudest]) loudest = r;
  }
  int expected = static_cast<int>(rows * std::log(1000.0 / 40.0) / std::log(11025.0 / 40.0));
  EXPECT_NEAR(loudest, expected, 1);
  EXPECT_LT(db[5 * rows + 5], db[5 * rows + loudest] - 40);  // 60 Hz band: far quieter
}
