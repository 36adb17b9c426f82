// Tests of sound decoding: every WAV layout, damaged WAV headers, Ogg Vorbis made with libvorbisenc.
#include <gtest/gtest.h>

#include "tests/media/SoundTestData.h"

using namespace soundtest;

namespace {

class SoundDecoding : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseTestSounds(); }
  void TearDown() override { ReleaseTestSounds(); }
};

// Plays sound 1 once at its own rate, centred at full volume, and returns the left channel.
std::vector<float> PlayedLeft(int frames) {
  PlaySoundId(1, 0);
  std::vector<float> out = Mix(frames);
  std::vector<float> left(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) left[size_t(i)] = out[2 * size_t(i)];
  return left;
}

TEST_F(SoundDecoding, EveryWavLayoutGivesTheSameSamples) {
  const int frames = 200;
  std::vector<float> mono(frames);
  for (int i = 0; i < frames; ++i) mono[size_t(i)] = 0.6f * float(std::sin(i * 0.1)) - 0.1f;
  struct Layout {
    int bits, format;
    bool extensible;
    float tolerance;
  };
  const Layout layouts[] = {{8, 1, false, 1.0f / 100}, {16, 1, false, 1e-4f}, {24, 1, false, 1e-6f},
                            {32, 1, false, 1e-6f},     {32, 3, false, 1e-6f}, {64, 3, false, 1e-6f},
                            {16, 1, true, 1e-4f},      {32, 3, true, 1e-6f}};
  for (const Layout& l : layouts) {
    SCOPED_TRACE(testing::Message() << l.bits << " bits, format " << l.format << (l.extensible ? " extensible" : ""));
    ASSERT_TRUE(Load(1, MakeWav(1, 44100, l.bits, mono, l.format, l.extensible))) << LastSoundError();
    std::vector<float> got = PlayedLeft(frames);
    for (int i = 0; i < frames; ++i) ASSERT_NEAR(got[size_t(i)], mono[size_t(i)], l.tolerance) << i;
  }

  // Stereo keeps its channels apart.
  std::vector<float> stereo;
  for (int i = 0; i < frames; ++i) {
    stereo.push_back(0.5f);
    stereo.push_back(-0.25f);
  }
  ASSERT_TRUE(Load(1, MakeWav(2, 44100, 16, stereo)));
  PlaySoundId(1, 0);
  std::vector<float> out = Mix(100);
  EXPECT_FLOAT_EQ(out[100], 0.5f);
  EXPECT_FLOAT_EQ(out[101], -0.25f);
}

TEST_F(SoundDecoding, DamagedWavIsRefusedWithoutHarm) {
  const std::vector<uint8_t> good = LevelWav(100, 0.5f);  // 44-byte header, then 200 bytes of data
  ASSERT_TRUE(Load(1, good));

  // Every cut inside the header, including just "RIFF".
  for (size_t cut = 0; cut <= 44; ++cut) {
    std::vector<uint8_t> part(good.begin(), good.begin() + long(cut));
    EXPECT_FALSE(SoundFromMemory(2, part.data(), part.size())) << cut;
  }
  EXPECT_FALSE(SoundFromMemory(2, nullptr, 100));

  auto patched = [&](size_t at, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> b = good;
    std::copy(bytes.begin(), bytes.end(), b.begin() + long(at));
    return b;
  };
  struct Damage {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  const Damage damaged[] = {
      {"zero channels", patched(22, {0, 0})},
      {"hundreds of channels", patched(22, {0, 1})},
      {"rate 0", patched(24, {0, 0, 0, 0})},
      {"rate of four billion", patched(24, {0xff, 0xff, 0xff, 0xff})},
      {"12-bit samples", patched(34, {12, 0})},
      {"block size that does not match", patched(32, {7, 0})},
      {"ADPCM", patched(20, {2, 0})},
      {"huge format chunk", patched(16, {0xff, 0xff, 0xff, 0x7f})},
      {"format chunk too small", patched(16, {8, 0, 0, 0})},
      {"no data chunk", patched(36, {'j', 'u', 'n', 'k'})},
      {"not WAVE", patched(8, {'A', 'V', 'I', ' '})},
  };
  for (const Damage& d : damaged) {
    EXPECT_FALSE(Load(2, d.bytes)) << d.what;
    EXPECT_FALSE(LastSoundError().empty()) << d.what;
  }
  EXPECT_FALSE(HasSound(2));

  // A failed load leaves the sound that was there.
  EXPECT_FALSE(Load(1, damaged[0].bytes));
  EXPECT_TRUE(HasSound(1));
}

TEST_F(SoundDecoding, CutDataIsPlayedAsFarAsItGoes) {
  // The data chunk claims far more than the file holds: the frames present are the sound.
  std::vector<uint8_t> wav = LevelWav(1000, 0.5f);
  wav.resize(44 + 2 * 300 + 1);  // 300 whole frames and half of one
  ASSERT_TRUE(Load(1, wav));
  PlaySoundId(1, 0);
  Mix(295);
  EXPECT_TRUE(SoundPlaying(1));
  Mix(10);
  EXPECT_FALSE(SoundPlaying(1));

  // A size of 0xFFFFFFFF, as streaming writers leave it.
  std::vector<uint8_t> open = LevelWav(50, 0.5f);
  std::fill(open.begin() + 40, open.begin() + 44, 0xff);
  EXPECT_TRUE(Load(1, open));

  // A data chunk of no whole frame is no sound.
  std::vector<uint8_t> empty = LevelWav(1, 0.5f);
  empty.resize(45);
  EXPECT_FALSE(Load(1, empty));
}

TEST_F(SoundDecoding, ScrambledHeadersNeverCrash) {
  const std::vector<uint8_t> good = MakeWav(2, 22050, 16, Sine(500, 2, 3, 0.5f));
  uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  };
  int loaded = 0;
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> b = good;
    for (int k = 0; k < 3; ++k) b[next() % 48] = uint8_t(next());
    if (next() % 4 == 0) b.resize(next() % b.size());
    if (SoundFromMemory(2, b.data(), b.size())) {
      ++loaded;
      PlaySoundId(2, int(next() % 4));
      std::vector<float> out = Mix(300);
      for (float s : out) ASSERT_TRUE(std::isfinite(s) && std::fabs(s) <= 1.0f);
    }
  }
  EXPECT_GT(loaded, 0);  // damage outside the fields that matter still loads
}

TEST_F(SoundDecoding, FloatWavWithBrokenValuesStaysFinite) {
  std::vector<float> s(100, 0.25f);
  s[10] = std::nanf("");
  s[20] = INFINITY;
  s[30] = 1e30f;
  ASSERT_TRUE(Load(1, MakeWav(1, 44100, 32, s, 3)));
  PlaySoundId(1, 0);
  std::vector<float> out = MixOutput(100);
  for (float v : out) ASSERT_TRUE(std::isfinite(v) && std::fabs(v) <= 1.0f);
  EXPECT_FLOAT_EQ(out[100], 0.25f * kMasterGain);
}

TEST_F(SoundDecoding, OggVorbisDecodes) {
  // Made with libvorbisenc: half a second of a 441 Hz sine, then a stereo one with a silent right side.
  const int frames = 22050;
  std::vector<uint8_t> ogg = MakeOgg(1, 44100, Sine(frames, 1, 220.5, 0.5f));
  ASSERT_GT(ogg.size(), 100u);
  ASSERT_TRUE(Load(1, ogg)) << LastSoundError();
  EXPECT_EQ(SoundFrequency(1), 44100);
  std::vector<float> left = PlayedLeft(frames - 100);
  double energy = 0;
  for (float v : left) energy += double(v) * v;
  EXPECT_NEAR(std::sqrt(energy / double(left.size())), 0.5 / std::sqrt(2.0), 0.02);
  Mix(300);
  EXPECT_FALSE(SoundPlaying(1));  // its length is the encoded one

  std::vector<float> stereo(size_t(frames) * 2, 0.0f);
  std::vector<float> sine = Sine(frames, 1, 220.5, 0.5f);
  for (int i = 0; i < frames; ++i) stereo[2 * size_t(i)] = sine[size_t(i)];
  ASSERT_TRUE(Load(1, MakeOgg(2, 22050, stereo)));
  EXPECT_EQ(SoundFrequency(1), 22050);
  PlaySoundId(1, 0);
  std::vector<float> out = Mix(20000);
  EXPECT_GT(Peak(out, 0), 0.4f);
  EXPECT_LT(Peak(out, 1), 0.05f);
}

TEST_F(SoundDecoding, DamagedOggIsRefusedOrCut) {
  // A sine with noise on it, so that the audio pages outweigh the headers (the codebooks take some 4 KB).
  std::vector<float> noisy = Sine(4 * 44100, 1, 4 * 441, 0.4f);
  uint32_t seed = 99;
  for (float& v : noisy) {
    seed = seed * 1103515245u + 12345u;
    v += 0.1f * (float((seed >> 8) & 0xffff) / 32768.0f - 1.0f);
  }
  std::vector<uint8_t> ogg = MakeOgg(1, 44100, noisy);
  ASSERT_GT(ogg.size(), 40000u);
  for (size_t cut : {4, 28, 100, 500}) {
    std::vector<uint8_t> part(ogg.begin(), ogg.begin() + long(cut));
    EXPECT_FALSE(Load(1, part)) << cut;
  }
  std::vector<uint8_t> garbage = {'O', 'g', 'g', 'S'};
  garbage.resize(5000, 0x5a);
  EXPECT_FALSE(Load(1, garbage));
  std::vector<uint8_t> neither(64, 7);
  EXPECT_FALSE(Load(1, neither));
  EXPECT_FALSE(LastSoundError().empty());

  // Cut halfway: what is there plays, and it ends early.
  std::vector<uint8_t> half(ogg.begin(), ogg.begin() + long(ogg.size() / 2));
  ASSERT_TRUE(Load(1, half)) << LastSoundError();
  PlaySoundId(1, 0);
  std::vector<float> out = Mix(10000);
  EXPECT_GT(Peak(out, 0), 0.4f);
  Mix(4 * 44100 - 10000);
  EXPECT_FALSE(SoundPlaying(1));

  // Bytes flipped in the middle: whatever decodes stays finite.
  for (int round = 0; round < 20; ++round) {
    std::vector<uint8_t> b = ogg;
    for (size_t at = 200 + size_t(round) * 37; at < b.size(); at += 997) b[at] ^= 0x55;
    if (Load(1, b)) {
      PlaySoundId(1, 0);
      for (float s : Mix(44100)) ASSERT_TRUE(std::isfinite(s) && std::fabs(s) <= 1.0f);
    }
  }
}

}  // namespace
