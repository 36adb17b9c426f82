// Tests of the music renderer: repeatable renders, seamless short loops, the loop effects and the oscillators.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "music/LoopEffects.h"
#include "music/LoopMeasure.h"
#include "music/MusicPacks.h"
#include "music/MusicRender.h"
#include "music/Wavetable.h"
#include "base/SoundLevels.h"
#include "sfx/Loudness.h"

using namespace music;

namespace {

// Magnitude of one frequency in a block of samples (a single DFT bin, Hann window).
double Magnitude(const std::vector<float>& s, double hz) {
  std::complex<double> sum = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double w = 0.5 - 0.5 * std::cos(kTau * static_cast<double>(i) / static_cast<double>(s.size()));
    sum += std::polar(w * s[i], -kTau * hz * static_cast<double>(i) / kRate);
  }
  return std::abs(sum) / static_cast<double>(s.size());
}

}  // namespace

TEST(MusicRender, TheSameTrackRendersAndEncodesToTheSameBytes) {
  const TrackDesign& d = TrackDesigns()[4];
  RenderedTrack a = RenderTrack(d, 2), b = RenderTrack(d, 2);
  ASSERT_EQ(a.frames, LoopFrames(d, 2));
  ASSERT_EQ(a.interleaved.size(), a.frames * 2);
  EXPECT_EQ(a.interleaved, b.interleaved);
  BuiltTrack x, y;
  ASSERT_TRUE(BuildTrack(d, 2, 7, x)) << x.error;
  ASSERT_TRUE(BuildTrack(d, 2, 7, y)) << y.error;
  EXPECT_EQ(x.bytes, y.bytes);
  EXPECT_EQ(x.frames, a.frames);
}

TEST(MusicRender, ShortLoopsOfEveryTrackJoinWithoutAJumpAndStayUnderTheCeiling) {
  // The level tracks and the screen tracks.
  for (const std::vector<TrackDesign>* list : {&TrackDesigns(), &ScreenTrackDesigns()}) {
    for (const TrackDesign& d : *list) {
      SCOPED_TRACE(d.file);
      RenderedTrack t = RenderTrack(d, 4);
      ASSERT_EQ(t.frames, LoopFrames(d, 4));
      for (float v : t.interleaved) ASSERT_TRUE(std::isfinite(v));
      LoopMeasures m = MeasureLoop(t.interleaved, t.frames, static_cast<int>(kRate));
      EXPECT_LE(m.peakDb, kCeilingDb + 0.01);
      EXPECT_NEAR(IntegratedLoudness(t.interleaved, 2, kRate), kMusicFileLufs, 0.3) << "the limiter only trims peaks";
      // The last sample leads into the first as any sample leads into the next.
      EXPECT_LE(m.seamStep, m.largeStep);
      EXPECT_GT(m.width, 0.005) << "some stereo width";
    }
  }
}

TEST(MusicRender, EchoesAndRoomTailsWrapOntoTheStartOfTheLoop) {
  // Five seconds: longer than the room's decay, so its tail has died before the click comes round.
  const size_t n = 5 * 44100;
  std::vector<float> in(n, 0.0f), left(n, 0.0f), right(n, 0.0f);
  in[n - 100] = 1.0f;  // a click just before the loop point
  AddPingPongEcho(in, 1000, 0.5f, 20000, left, right);
  // The first echo lands 1000 samples later, past the end: on the left, near the start of the loop.
  EXPECT_GT(std::fabs(left[900]) + std::fabs(left[899]) + std::fabs(left[901]), 0.3f);
  // The next one crosses to the right, another 1000 samples on, about half as loud.
  float second = std::fabs(right[1899]) + std::fabs(right[1900]) + std::fabs(right[1901]);
  EXPECT_GT(second, 0.1f);
  EXPECT_LT(second, 0.6f);
  // Nothing is heard before the dry click's first echo except the wrapped tail of earlier rounds.
  EXPECT_LT(std::fabs(left[n - 50]), 1e-3f);

  std::vector<float> roomLeft(n, 0.0f), roomRight(n, 0.0f);
  MixSound mix;
  AddRoom(in, mix, roomLeft, roomRight);
  double start = 0, before = 0;
  for (size_t i = 0; i < 4410; ++i) start += double(roomLeft[i]) * roomLeft[i] + double(roomRight[i]) * roomRight[i];
  for (size_t i = n - 8000; i < n - 4000; ++i) before += double(roomLeft[i]) * roomLeft[i];
  EXPECT_GT(start, 1e-4) << "the room still rings when the loop starts again";
  EXPECT_LT(before, 1e-6) << "and is quiet well before the click";
}

TEST(MusicRender, TheLimiterHoldsPeaksAndLeavesQuietMusicAlone) {
  const size_t n = 60000;
  std::vector<float> left(n), right(n);
  for (size_t i = 0; i < n; ++i) left[i] = right[i] = 0.3f * static_cast<float>(std::sin(kTau * 220.0 * static_cast<double>(i) / kRate));
  std::vector<float> keptLeft = left;
  EXPECT_EQ(Limit(left, right, 0.8f), 0.0);
  EXPECT_EQ(left, keptLeft);
  // A spike far above the ceiling, and one straddling the loop point.
  left[5000] = 3.0f;
  right[n - 1] = -2.0f;
  left[0] = 1.5f;
  double reduction = Limit(left, right, 0.8f);
  EXPECT_LT(reduction, -11.0);
  for (size_t i = 0; i < n; ++i) {
    ASSERT_LE(std::fabs(left[i]), 0.8f + 1e-5f) << i;
    ASSERT_LE(std::fabs(right[i]), 0.8f + 1e-5f) << i;
  }
  // Once the gain has recovered (a second after the spike) the music is as it was.
  EXPECT_NEAR(left[50000], keptLeft[50000], 1e-4);
}

TEST(MusicRender, OscillatorsAreBandLimitedAndInTune) {
  for (Wave wave : {Wave::Saw, Wave::Square, Wave::Triangle, Wave::Sine}) {
    Oscillator osc;
    osc.Start(wave, 3000.0, 0);
    std::vector<float> s(8192);
    for (float& v : s) v = osc.Next();
    double fundamental = Magnitude(s, 3000.0);
    EXPECT_GT(fundamental, 0.1) << "in tune";
    // Harmonics above Nyquist would fold back onto frequencies between the harmonics.
    for (double alias : {44100.0 - 8 * 3000.0, 44100.0 - 9 * 3000.0, 2.0 * 44100.0 - 25 * 3000.0}) {
      EXPECT_LT(Magnitude(s, alias), fundamental * 0.003) << "alias at " << alias << " Hz";
    }
  }
  // A low saw keeps its many harmonics, falling as 1/k.
  Oscillator low;
  low.Start(Wave::Saw, 110.0, 0);
  std::vector<float> s(16384);
  for (float& v : s) v = low.Next();
  EXPECT_NEAR(Magnitude(s, 330.0) / Magnitude(s, 110.0), 1.0 / 3.0, 0.03);
  EXPECT_NEAR(Magnitude(s, 1100.0) / Magnitude(s, 110.0), 1.0 / 10.0, 0.02);
}

TEST(MusicRender, LoudnessWindowsAndSeamAreMeasuredRoundTheLoop) {
  // 20 s of stereo: a steady tone, then 10 dB quieter.
  const size_t frames = 20 * 44100;
  std::vector<float> s(frames * 2);
  for (size_t i = 0; i < frames; ++i) {
    float a = i < frames / 2 ? 0.5f : 0.158f;
    float v = a * static_cast<float>(std::sin(kTau * 100.0 * static_cast<double>(i) / kRate));
    s[2 * i] = v;
    s[2 * i + 1] = 0.5f * v;
  }
  LoopMeasures m = MeasureLoop(s, frames, 44100);
  EXPECT_NEAR(m.seconds, 20.0, 1e-9);
  EXPECT_NEAR(m.peakDb, 20 * std::log10(0.5), 0.01);
  EXPECT_NEAR(m.loudestDb - m.quietestDb, 10.0, 0.1);
  EXPECT_NEAR(m.width, 0.1, 0.001) << "the right channel at half the left";
  // The tone ends where it started, so the seam is no larger than an ordinary step.
  EXPECT_LE(m.seamStep, m.largeStep);
  s[0] = 0.9f;  // a click at the loop point
  EXPECT_GT(MeasureLoop(s, frames, 44100).seamStep, 10 * m.largeStep);
}

TEST(MusicRender, TheLowShareIsThePowerOfTheBoomAlone) {
  // Two seconds of a 20 Hz rumble, of a 1 kHz tone, and of both at once.
  const size_t frames = 2 * 44100;
  auto share = [&](double lowLevel, double highLevel) {
    std::vector<float> s(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
      double t = static_cast<double>(i) / kRate;
      s[2 * i] = s[2 * i + 1] =
          static_cast<float>(lowLevel * std::sin(kTau * 20.0 * t) + highLevel * std::sin(kTau * 1000.0 * t));
    }
    return MeasureLoop(s, frames, 44100).lowShare;
  };
  EXPECT_GT(share(0.5, 0), 0.75);
  EXPECT_LT(share(0, 0.5), 0.01);
  EXPECT_NEAR(share(0.5, 0.5), 0.5 * share(0.5, 0), 0.02) << "half the power is the rumble's";
  EXPECT_EQ(share(0, 0), 0.0) << "silence has no boom";
}
