// Tests of the recording of the mix: the WAV's header and length, frame-locked mixing, the device's ring, failures.
#include "media/MixRecorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "media/SoundDecode.h"
#include "support/Headless.h"
#include "support/TemporaryFolder.h"
#include "tests/media/SoundTestData.h"

using namespace soundtest;

namespace {

constexpr int kFramesPerPresent = 735;  // 44100 / 60

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Tag(const std::vector<uint8_t>& b, size_t at) {
  return std::string(b.begin() + long(at), b.begin() + long(at + 4));
}

// Checks every field of the header against the file's real size; returns the frames the data holds.
int64_t CheckHeader(const std::vector<uint8_t>& b) {
  EXPECT_GE(b.size(), 44u);
  if (b.size() < 44) return -1;
  EXPECT_EQ(Tag(b, 0), "RIFF");
  EXPECT_EQ(ReadLe32(&b[4]), b.size() - 8);
  EXPECT_EQ(Tag(b, 8), "WAVE");
  EXPECT_EQ(Tag(b, 12), "fmt ");
  EXPECT_EQ(ReadLe32(&b[16]), 16u);
  EXPECT_EQ(ReadLe16(&b[20]), 1);       // integer PCM
  EXPECT_EQ(ReadLe16(&b[22]), 2);       // stereo
  EXPECT_EQ(ReadLe32(&b[24]), 44100u);  // the mix rate
  EXPECT_EQ(ReadLe32(&b[28]), 44100u * 4);
  EXPECT_EQ(ReadLe16(&b[32]), 4);
  EXPECT_EQ(ReadLe16(&b[34]), 16);
  EXPECT_EQ(Tag(b, 36), "data");
  EXPECT_EQ(ReadLe32(&b[40]), b.size() - 44);
  EXPECT_EQ((b.size() - 44) % 4, 0u);
  return int64_t(b.size() - 44) / 4;
}

// The file as the game's own WAV reader sees it: interleaved left, right.
std::vector<float> Decoded(const std::vector<uint8_t>& bytes) {
  std::string why;
  auto decoder = OpenWavDecoder(SoundBytes{nullptr, bytes.data(), bytes.size()}, why);
  EXPECT_NE(decoder, nullptr) << why;
  if (!decoder) return {};
  EXPECT_EQ(decoder->Channels(), 2);
  EXPECT_EQ(decoder->Rate(), 44100);
  PcmData pcm;
  EXPECT_TRUE(DecodeWhole(*decoder, 1 << 26, pcm, why)) << why;
  return pcm.samples;
}

class MixRecording : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseTestSounds(); }
  void TearDown() override { ReleaseTestSounds(); }
  TemporaryFolder folder{"mix-recorder"};
  std::filesystem::path wav = folder.path() / "out.wav";
};

TEST_F(MixRecording, FrameLockedFileHoldsOneSixtiethOfASecondAPresentWhatTheMixerMade) {
  // An older file stays whole until the recording is finished, which goes on under a temporary name.
  std::ofstream(wav) << "older";
  ASSERT_TRUE(Load(1, LevelWav(44100, 0.5f)));
  SetSoundPan(1, -100);  // all left: the channels must not change places
  PlaySoundId(1, kSoundLoop);
  MixRecorder recorder;
  std::string error;
  ASSERT_TRUE(recorder.Open(wav.string(), true, error)) << error;
  for (int i = 0; i < 90; ++i) recorder.Present();
  EXPECT_EQ(recorder.Frames(), 90 * kFramesPerPresent);
  EXPECT_EQ(ReadAll(wav), std::vector<uint8_t>({'o', 'l', 'd', 'e', 'r'}));
  EXPECT_TRUE(std::filesystem::exists(wav.string() + ".tmp"));
  ASSERT_TRUE(recorder.Finish(error)) << error;
  EXPECT_FALSE(std::filesystem::exists(wav.string() + ".tmp"));

  std::vector<uint8_t> bytes = ReadAll(wav);
  EXPECT_EQ(CheckHeader(bytes), 90 * kFramesPerPresent);  // 1.5 s
  std::vector<float> samples = Decoded(bytes);
  ASSERT_EQ(samples.size(), size_t(2 * 90 * kFramesPerPresent));
  // The sound at half of full scale, through the mixer's master gain.
  for (size_t f = 0; f < samples.size() / 2; f += 997) {
    EXPECT_NEAR(samples[2 * f], 0.5f * kMasterGain, 1e-4) << f;
    EXPECT_EQ(samples[2 * f + 1], 0.0f) << f;
  }
  EXPECT_NEAR(int16_t(ReadLe16(&bytes[44])), 0.5 * kMasterGain * 32768, 1.0);  // little-endian
}

TEST(MixFramesDue, PresentsCarryTheRemainderExactly) {
  for (int present = 1; present <= 120; ++present) {
    EXPECT_EQ(MixFramesDueAfter(present, 44100) - MixFramesDueAfter(present - 1, 44100), kFramesPerPresent);
    int64_t step = MixFramesDueAfter(present, 22050) - MixFramesDueAfter(present - 1, 22050);
    EXPECT_TRUE(step == 367 || step == 368) << present;  // 367.5 a present
  }
  EXPECT_EQ(MixFramesDueAfter(600, 22050), 220500);
  EXPECT_EQ(MixFramesDueAfter(3600 * 60 * 24, 44100), int64_t(44100) * 3600 * 24);  // a day, nothing lost
}

TEST_F(MixRecording, StreamedMusicIsWholeAndTheSameRunGivesTheSameBytes) {
  // Sound 0 is always streamed: the recording must wait for its stream instead of leaving gaps.
  const std::vector<uint8_t> music = MakeOgg(2, 44100, Sine(3 * 44100, 2, 3 * 220, 0.3f));
  ASSERT_FALSE(music.empty());
  auto record = [&](const std::filesystem::path& path) {
    ReleaseTestSounds();
    EXPECT_TRUE(Load(0, music));
    EXPECT_TRUE(Load(2, LevelWav(2000, 0.2f, 22050)));
    PlaySoundId(0, kSoundLoop);
    MixRecorder recorder;
    std::string error;
    EXPECT_TRUE(recorder.Open(path.string(), true, error)) << error;
    for (int i = 0; i < 240; ++i) {
      if (i % 25 == 0) {
        SetSoundFrequency(2, 20000 + 300 * i);
        PlaySoundId(2, kSoundOverlap);
      }
      recorder.Present();
    }
    EXPECT_TRUE(recorder.Finish(error)) << error;
    return ReadAll(path);
  };
  std::vector<uint8_t> first = record(wav);
  std::vector<uint8_t> second = record(folder.path() / "again.wav");
  EXPECT_EQ(CheckHeader(first), 240 * kFramesPerPresent);  // four seconds: past the end of the loop
  EXPECT_TRUE(first == second) << "two identical runs recorded different sound";
  std::vector<float> samples = Decoded(first);
  ASSERT_EQ(samples.size(), size_t(2 * 240 * kFramesPerPresent));
  for (int present = 0; present < 240; ++present) {
    float peak = 0;
    for (int f = 0; f < kFramesPerPresent; ++f) {
      peak = std::max(peak, std::fabs(samples[2 * size_t(present * kFramesPerPresent + f)]));
    }
    EXPECT_GT(peak, 0.2f) << "the music has a gap in present " << present;
  }
}

// A sample value that tells the frame it belongs to.
float Marker(int64_t frame, int channel) { return float((frame * 2 + channel) % 30000) / 32767.0f; }

TEST_F(MixRecording, TheDevicesFramesReachTheFileInOrderWhileTheGameDrainsThem) {
  MixRecorder recorder;
  std::string error;
  ASSERT_TRUE(recorder.Open(wav.string(), false, error)) << error;
  constexpr int kChunk = 512, kChunks = 400;
  std::atomic<bool> done{false};
  std::thread device([&] {
    std::vector<float> chunk(2 * kChunk);
    for (int c = 0; c < kChunks; ++c) {
      for (int i = 0; i < kChunk; ++i) {
        chunk[2 * size_t(i)] = Marker(int64_t(c) * kChunk + i, 0);
        chunk[2 * size_t(i) + 1] = Marker(int64_t(c) * kChunk + i, 1);
      }
      recorder.Capture(chunk.data(), kChunk);
      if (c % 16 == 0) std::this_thread::yield();
    }
    done = true;
  });
  while (!done) recorder.Present();
  device.join();
  ASSERT_TRUE(recorder.Finish(error)) << error;
  EXPECT_EQ(recorder.DroppedFrames(), 0);
  std::vector<uint8_t> bytes = ReadAll(wav);
  ASSERT_EQ(CheckHeader(bytes), int64_t(kChunk) * kChunks);
  for (int64_t f = 0; f < int64_t(kChunk) * kChunks; ++f) {
    for (int ch = 0; ch < 2; ++ch) {
      ASSERT_EQ(int16_t(ReadLe16(&bytes[44 + 4 * f + 2 * ch])), PcmSample(Marker(f, ch))) << f << " " << ch;
    }
  }
}

TEST_F(MixRecording, AFullRingLeavesOutTheNewestFramesAndCountsThemAndAFrameLockTakesOver) {
  MixRecorder recorder;
  std::string error;
  ASSERT_TRUE(recorder.Open(wav.string(), false, error)) << error;
  std::vector<float> chunk(2 * 4096, 0.25f);
  int64_t offered = 0;
  while (offered < MixRecorder::kRingFrames + 1000) {
    recorder.Capture(chunk.data(), 4096);
    offered += 4096;
  }
  EXPECT_EQ(recorder.DroppedFrames(), offered - MixRecorder::kRingFrames);
  recorder.Present();
  EXPECT_EQ(recorder.Frames(), MixRecorder::kRingFrames);
  recorder.Capture(chunk.data(), 100);  // room again once drained
  // The device is gone: what it left is kept, then every present mixes its own frame.
  recorder.UseFrameLock();
  EXPECT_TRUE(recorder.FrameLocked());
  recorder.Present();
  recorder.Present();
  EXPECT_EQ(recorder.Frames(), MixRecorder::kRingFrames + 100 + 2 * kFramesPerPresent);
  recorder.Capture(chunk.data(), 100);  // a late call from the device's thread is ignored
  ASSERT_TRUE(recorder.Finish(error)) << error;
  EXPECT_EQ(CheckHeader(ReadAll(wav)), MixRecorder::kRingFrames + 100 + 2 * kFramesPerPresent);
}

TEST_F(MixRecording, APlaceThatCannotBeWrittenIsRefusedWithItsReason) {
  MixRecorder recorder;
  std::string error;
  EXPECT_FALSE(recorder.Open((folder.path() / "missing" / "out.wav").string(), true, error));
  EXPECT_NE(error.find("out.wav.tmp"), std::string::npos) << error;
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
  EXPECT_FALSE(recorder.IsOpen());
  EXPECT_FALSE(recorder.Open(folder.path().string(), true, error));
  EXPECT_NE(error.find("is a folder"), std::string::npos) << error;

  // The folder goes away during the run: the end says so and leaves nothing behind.
  std::filesystem::create_directories(folder.path() / "gone");
  ASSERT_TRUE(recorder.Open((folder.path() / "gone" / "out.wav").string(), true, error)) << error;
  recorder.Present();
  std::filesystem::remove_all(folder.path() / "gone");
  error.clear();
  EXPECT_FALSE(recorder.Finish(error));
  EXPECT_NE(error.find("out.wav"), std::string::npos) << error;
  EXPECT_FALSE(recorder.IsOpen());
  EXPECT_TRUE(recorder.Finish(error));  // nothing left to finish
}

TEST(PcmSamples, RoundToSixteenBitsAndHoldTheEnds) {
  EXPECT_EQ(PcmSample(0.0f), 0);
  EXPECT_EQ(PcmSample(0.5f), 16384);
  EXPECT_EQ(PcmSample(-0.5f), -16384);
  EXPECT_EQ(PcmSample(1.0f / 32767.0f * 0.49f), 0);
  EXPECT_EQ(PcmSample(1.0f), 32767);
  EXPECT_EQ(PcmSample(-1.0f), -32767);  // symmetric: -32768 is never written
  EXPECT_EQ(PcmSample(7.5f), 32767);
  EXPECT_EQ(PcmSample(-7.5f), -32767);
  EXPECT_EQ(PcmSample(std::nanf("")), 0);
}

TEST_F(MixRecording, MidiTunesPlayIntoARecordingEvenHeadless) {
  if (!std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2") &&
      !std::filesystem::exists("/usr/share/sounds/sf2/default-GM.sf2")) {
    GTEST_SKIP() << "no General MIDI sound font";
  }
  std::vector<uint8_t> tune = MakeMidi(8);
  std::ofstream(folder.path() / "tune.mid", std::ios::binary)
      .write(reinterpret_cast<const char*>(tune.data()), std::streamsize(tune.size()));
  // The run's own recorder: a headless run renders its tunes only while it records.
  EnsureHeadlessMedia();
  ASSERT_TRUE(IsHeadless());
  MixRecorder& recorder = TheRecorder();
  std::string error;
  ASSERT_TRUE(recorder.Open(wav.string(), true, error)) << error;
  ASSERT_EQ(MidiCommand("open " + (folder.path() / "tune.mid").string() + " type sequencer alias mid1"), 0);
  ASSERT_EQ(MidiCommand("play mid1"), 0);
  for (int i = 0; i < 60; ++i) recorder.Present();
  MidiCommand("close mid1");
  ASSERT_TRUE(recorder.Finish(error)) << error;
  std::vector<float> samples = Decoded(ReadAll(wav));
  EXPECT_GT(Peak(samples, 0), 0.01f);
  EXPECT_GT(Peak(samples, 1), 0.01f);
}

}  // namespace
