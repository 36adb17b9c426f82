// Tests of the loudness measure and the mastering: readings as the standard gives them, the rule for short
// sounds, and a master that reaches its target as the game plays the sound.
#include <gtest/gtest.h>

#include <cmath>

#include "base/SoundLevels.h"
#include "sfx/Loudness.h"
#include "sfx/Synth.h"

namespace {

std::vector<float> Tone(double seconds, double hz, float amplitude, double rate) {
  std::vector<float> s(static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < s.size(); ++i) s[i] = amplitude * static_cast<float>(std::sin(2 * kPi * hz * i / rate));
  return s;
}

float FilePeak(const std::vector<float>& s) {
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  return peak;
}

}  // namespace

TEST(Loudness, ReadsAsTheStandardDoes) {
  // A 1 kHz tone at -20 dBFS reads -23 LUFS on one channel, 3 LU more from both speakers, 6 LU less at half.
  std::vector<float> tone = Tone(3, 1000, 0.1f, 22050);
  EXPECT_NEAR(IntegratedLoudness(tone, 1, 22050), -23.0, 0.1);
  EXPECT_NEAR(PlayedLoudness(tone, 22050), -20.0, 0.1);
  std::vector<float> stereo;
  for (float v : tone) stereo.insert(stereo.end(), {v, v});
  EXPECT_NEAR(IntegratedLoudness(stereo, 2, 22050), -20.0, 0.1);
  for (float& v : tone) v *= 0.5f;
  EXPECT_NEAR(IntegratedLoudness(tone, 1, 22050), -29.0, 0.1);
  // Silence reads as nothing, and quiet stretches under the gate do not pull the reading down.
  EXPECT_LE(IntegratedLoudness(std::vector<float>(22050, 0.0f), 1, 22050), -199);
  EXPECT_LE(IntegratedLoudness({}, 1, 22050), -199);
  std::vector<float> gapped(tone);
  gapped.insert(gapped.end(), 22050 * 3, 0.0f);
  EXPECT_NEAR(IntegratedLoudness(gapped, 1, 22050), -29.0, 0.3);
}

TEST(Loudness, AShortSoundIsOneBlockOverItsOwnLength) {
  // 100 ms of the tone reads as the tone does, not 6 LU less for the 300 ms of a block it leaves empty; the rule
  // joins the gated reading at one block.
  const double rate = 44100;
  EXPECT_NEAR(IntegratedLoudness(Tone(0.1, 1000, 0.1f, rate), 1, rate), -23.0, 0.2);
  EXPECT_NEAR(IntegratedLoudness(Tone(0.399, 1000, 0.1f, rate), 1, rate),
              IntegratedLoudness(Tone(0.4, 1000, 0.1f, rate), 1, rate), 0.1);
  // A single sample still reads, louder than silence.
  EXPECT_GT(IntegratedLoudness(std::vector<float>(1, 0.5f), 1, rate), -100);
}

TEST(Loudness, TruePeakSeesBetweenTheSamples) {
  // A tone at a quarter of the rate sampled 45 degrees off its crests peaks 3 dB over its samples.
  std::vector<float> quarter(4000);
  for (size_t i = 0; i < quarter.size(); ++i) quarter[i] = 0.5f * static_cast<float>(std::sin(kPi / 2 * i + kPi / 4));
  EXPECT_NEAR(20 * std::log10(FilePeak(quarter)), -9.03, 0.01);
  EXPECT_NEAR(TruePeakDb(quarter, 1, 44100), 20 * std::log10(0.5), 0.3);
  EXPECT_LE(TruePeakDb(std::vector<float>(100, 0.0f), 1, 44100), -199);
}

TEST(Loudness, MasteringReachesItsTargetAsPlayedUnderBothCeilings) {
  // A tone with spikes three times its height, played an octave down and at a third of its amplitude: the
  // target and the ceiling hold for what the mixer puts out, the file stays under full scale.
  std::vector<float> spiky = Tone(1.5, 700, 0.1f, 22050);
  for (size_t i = 1000; i < spiky.size(); i += 5000) spiky[i] = 0.3f;
  const Playback playback{0.25, 1.0f / 3.0f};
  MasteredLevels levels = MasterToLoudness(spiky, 22050, -20, -12, playback);
  const std::vector<float> played = PlayedAtMixRate(spiky, playback);
  EXPECT_NEAR(PlayedLoudness(played, kMixRate), -20, 0.2);
  EXPECT_NEAR(levels.lufs, -20, 0.2);
  EXPECT_LE(TruePeakDb(played, 1, kMixRate), -12.0);
  EXPECT_LE(FilePeak(spiky), 1.0f);
  // Spikes far over the tone are limited only so far, and the sound stays quieter rather than crushed.
  std::vector<float> spikier = Tone(1.5, 700, 0.1f, 22050);
  for (size_t i = 1000; i < spikier.size(); i += 5000) spikier[i] = 1.0f;
  MasteredLevels held = MasterToLoudness(spikier, 22050, -20, -12, playback);
  EXPECT_LT(held.lufs, -21);
  EXPECT_LE(held.truePeakDb, -12.0);
  // A target the file cannot reach without passing full scale is left short: the file's ceiling wins.
  std::vector<float> quiet = Tone(1.0, 700, 0.1f, 44100);
  MasteredLevels short_ = MasterToLoudness(quiet, 44100, 0, 0, Playback{1.0, 0.01f});
  EXPECT_LE(20 * std::log10(FilePeak(quiet)), -0.3 + 0.01);
  EXPECT_LT(short_.lufs, -20);
}
