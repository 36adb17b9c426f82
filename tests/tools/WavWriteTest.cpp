// Tests of the WAV writer: header fields, sample conversion and refused input.
#include <gtest/gtest.h>

#include <cmath>

#include "WavTestReader.h"
#include "sfx/WavWrite.h"

TEST(WavWrite, HeaderAndDataAgreeForMonoAndStereo) {
  for (int channels : {1, 2}) {
    std::vector<int16_t> samples;
    for (int i = 0; i < 2 * 301; ++i) samples.push_back(static_cast<int16_t>(i * 97 - 30000));
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeWav16(samples, channels, 11025 * channels, bytes, error)) << error;
    EXPECT_EQ(bytes.size(), 44u + 2 * samples.size());
    WavTestFile wav;
    std::string problem;
    ASSERT_TRUE(ReadWavForTest(bytes, wav, problem)) << problem;
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.channels, channels);
    EXPECT_EQ(wav.rate, 11025 * channels);
    EXPECT_EQ(wav.bitsPerSample, 16);
    EXPECT_EQ(wav.samples, samples);
  }
}

TEST(WavWrite, EmptySoundIsAValidFile) {
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(EncodeWav16({}, 1, 22050, bytes, error));
  WavTestFile wav;
  std::string problem;
  ASSERT_TRUE(ReadWavForTest(bytes, wav, problem)) << problem;
  EXPECT_TRUE(wav.samples.empty());
}

TEST(WavWrite, RefusesImpossibleFormats) {
  std::vector<uint8_t> bytes{1, 2, 3};
  std::string error;
  EXPECT_FALSE(EncodeWav16({0, 0}, 0, 22050, bytes, error));
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(EncodeWav16({0, 0}, 17, 22050, bytes, error));
  EXPECT_FALSE(EncodeWav16({0, 0}, 1, 0, bytes, error));
  EXPECT_FALSE(EncodeWav16({0, 0}, 1, -44100, bytes, error));
  // Three samples cannot be whole stereo frames.
  EXPECT_FALSE(EncodeWav16({0, 0, 0}, 2, 22050, bytes, error));
  EXPECT_NE(error.find("frames"), std::string::npos);
}

TEST(WavWrite, FloatConversionRoundsClampsAndSilencesNan) {
  std::vector<int16_t> pcm = FloatToPcm16({0.0f, 1.0f, -1.0f, 2.5f, -7.0f, 0.5f, -0.5f, 1.6f / 32767.0f, 0.4f / 32767.0f, NAN});
  EXPECT_EQ(pcm, (std::vector<int16_t>{0, 32767, -32767, 32767, -32768, 16384, -16384, 2, 0, 0}));
}
