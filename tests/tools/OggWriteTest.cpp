// Tests of the Ogg Vorbis encoder and decoder: round trips, channel order, repeatability, bad input.
#include <gtest/gtest.h>

#include <cmath>

#include "base/ByteOrder.h"
#include "sfx/OggRead.h"
#include "sfx/OggWrite.h"

namespace {

// A tone gliding from 300 to 1200 Hz under a slow swell: enough structure to compare shapes.
std::vector<float> TestChirp(size_t frames, int rate) {
  std::vector<float> s(frames);
  double phase = 0;
  for (size_t i = 0; i < frames; ++i) {
    double t = static_cast<double>(i) / rate;
    phase += (300.0 + 900.0 * static_cast<double>(i) / static_cast<double>(frames)) / rate;
    s[i] = static_cast<float>(0.6 * std::sin(2 * M_PI * phase) * std::sin(M_PI * t / (static_cast<double>(frames) / rate)));
  }
  return s;
}

double Correlation(const std::vector<float>& a, const std::vector<float>& b) {
  double ab = 0, aa = 0, bb = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    ab += static_cast<double>(a[i]) * b[i];
    aa += static_cast<double>(a[i]) * a[i];
    bb += static_cast<double>(b[i]) * b[i];
  }
  return ab / std::sqrt(aa * bb + 1e-30);
}

}  // namespace

TEST(OggWrite, MonoRoundTripKeepsLengthRateAndWaveform) {
  // An odd length that is no multiple of any Vorbis block size.
  for (int rate : {22050, 44100}) {
    std::vector<float> input = TestChirp(static_cast<size_t>(rate) * 3 / 4 + 37, rate);
    OggVorbisSettings settings;
    settings.rate = rate;
    settings.quality = 0.5f;
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeOggVorbis(input.data(), input.size(), settings, bytes, error)) << error;
    DecodedSound decoded;
    ASSERT_TRUE(DecodeOggVorbis(bytes, decoded, error)) << error;
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_EQ(decoded.rate, rate);
    ASSERT_EQ(decoded.samples.size(), input.size());
    EXPECT_GT(Correlation(input, decoded.samples), 0.99);
  }
}

TEST(OggWrite, StereoInt16KeepsChannelOrder) {
  const int rate = 44100;
  const size_t frames = 20000;
  std::vector<float> tone = TestChirp(frames, rate);
  std::vector<int16_t> interleaved(frames * 2);
  for (size_t i = 0; i < frames; ++i) {
    interleaved[2 * i] = static_cast<int16_t>(tone[i] * 32767);  // left: the chirp
    interleaved[2 * i + 1] = 0;                                  // right: silence
  }
  OggVorbisSettings settings{2, rate, 0.4f, 7};
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(EncodeOggVorbis(interleaved.data(), frames, settings, bytes, error)) << error;
  DecodedSound decoded;
  ASSERT_TRUE(DecodeOggVorbis(bytes, decoded, error)) << error;
  ASSERT_EQ(decoded.channels, 2);
  ASSERT_EQ(decoded.samples.size(), frames * 2);
  std::vector<float> left(frames), right(frames);
  double rightEnergy = 0;
  for (size_t i = 0; i < frames; ++i) {
    left[i] = decoded.samples[2 * i];
    right[i] = decoded.samples[2 * i + 1];
    rightEnergy += static_cast<double>(right[i]) * right[i];
  }
  EXPECT_GT(Correlation(tone, left), 0.98);
  EXPECT_LT(rightEnergy / frames, 1e-5);
}

TEST(OggWrite, SameInputGivesSameBytesAndSerialIsUsed) {
  std::vector<float> input = TestChirp(9000, 22050);
  OggVorbisSettings settings;
  std::vector<uint8_t> first, second, other;
  std::string error;
  ASSERT_TRUE(EncodeOggVorbis(input.data(), input.size(), settings, first, error));
  ASSERT_TRUE(EncodeOggVorbis(input.data(), input.size(), settings, second, error));
  EXPECT_EQ(first, second);
  settings.serial = 12345;
  ASSERT_TRUE(EncodeOggVorbis(input.data(), input.size(), settings, other, error));
  ASSERT_GT(other.size(), 18u);
  // The serial number sits at bytes 14..17 of every page header.
  EXPECT_EQ(ReadLe32(other.data() + 14), 12345u);
}

TEST(OggWrite, EmptyAndOutOfRangeInput) {
  OggVorbisSettings settings;
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(EncodeOggVorbis(static_cast<const float*>(nullptr), 0, settings, bytes, error)) << error;
  DecodedSound decoded;
  ASSERT_TRUE(DecodeOggVorbis(bytes, decoded, error)) << error;
  EXPECT_TRUE(decoded.samples.empty());

  // Samples beyond full scale and NaN are clipped or silenced, not passed to the encoder.
  std::vector<float> wild(4000, 5.0f);
  for (size_t i = 0; i < wild.size(); i += 3) wild[i] = NAN;
  ASSERT_TRUE(EncodeOggVorbis(wild.data(), wild.size(), settings, bytes, error));
  ASSERT_TRUE(DecodeOggVorbis(bytes, decoded, error));
  for (float v : decoded.samples) ASSERT_TRUE(std::isfinite(v));

  settings.channels = 0;
  EXPECT_FALSE(EncodeOggVorbis(wild.data(), 10, settings, bytes, error));
  settings.channels = 1;
  settings.quality = 1.5f;
  EXPECT_FALSE(EncodeOggVorbis(wild.data(), 10, settings, bytes, error));
  settings.quality = 0.4f;
  settings.rate = 0;
  EXPECT_FALSE(EncodeOggVorbis(wild.data(), 10, settings, bytes, error));
  EXPECT_FALSE(error.empty());
}

TEST(OggRead, RefusesDamagedStreams) {
  std::vector<float> input = TestChirp(5000, 22050);
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(EncodeOggVorbis(input.data(), input.size(), OggVorbisSettings{}, bytes, error));
  DecodedSound decoded;
  EXPECT_FALSE(DecodeOggVorbis({}, decoded, error));
  EXPECT_FALSE(DecodeOggVorbis(std::vector<uint8_t>(1000, 0x55), decoded, error));
  // Cut inside the headers: the codebooks are missing.
  std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + 200);
  EXPECT_FALSE(DecodeOggVorbis(cut, decoded, error));
  EXPECT_NE(error.find("headers"), std::string::npos);
  // Flipped bytes in the audio pages must not crash the decoder; what it returns stays finite.
  std::vector<uint8_t> damaged = bytes;
  for (size_t i = damaged.size() / 2; i < damaged.size(); i += 7) damaged[i] ^= 0xA5;
  if (DecodeOggVorbis(damaged, decoded, error)) {
    for (float v : decoded.samples) ASSERT_TRUE(std::isfinite(v));
  }
}
