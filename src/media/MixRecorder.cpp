// The recording of everything the mixer produces into a 16-bit stereo WAV at the mix rate (--audio-out).
#include "media/MixRecorder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/AtomicFile.h"
#include "base/WavHeader.h"
#include "media/SoundMixer.h"

namespace {

constexpr int kChannels = 2;
constexpr int64_t kFrameBytes = 2 * kChannels;
constexpr int64_t kMostFrames = kWavMostDataBytes / kFrameBytes;

int64_t FramesDueAfter(int64_t presents) { return MixFramesDueAfter(presents, kMixRate); }

}  // namespace

int64_t MixFramesDueAfter(int64_t presents, int rate) { return presents * rate / MixRecorder::kFramesPerSecond; }

int16_t PcmSample(float value) {
  if (!(value > -1.0f)) return value < 0.0f ? int16_t(-32767) : int16_t(0);  // -1 and below, or not a number
  if (value >= 1.0f) return 32767;
  return static_cast<int16_t>(std::lrintf(value * 32767.0f));
}

MixRecorder::~MixRecorder() {
  if (IsOpen()) {
    Close();
    std::remove(TemporaryPathFor(path_).c_str());
  }
}

bool MixRecorder::Open(const std::string& path, bool frameLocked, std::string& error) {
  if (IsOpen()) {
    error = "a recording is already being made to " + path_;
    return false;
  }
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    error = path + " is a folder";
    return false;
  }
  const std::string temporary = TemporaryPathFor(path);
  int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (descriptor < 0) {
    error = "cannot create " + temporary + ": " + std::strerror(errno);
    return false;
  }
  struct stat old;
  if (stat(path.c_str(), &old) == 0) fchmod(descriptor, old.st_mode & 07777);  // a file replaced keeps its permissions
  // The sizes are not known yet: the header is written again when the recording ends.
  auto header = PcmWavHeader(kMixRate, kChannels, 0);
  if (!WriteWhole(descriptor, header.data(), header.size())) {
    error = "cannot write " + temporary + ": " + std::strerror(errno);
    close(descriptor);
    std::remove(temporary.c_str());
    return false;
  }
  path_ = path;
  descriptor_ = descriptor;
  writeError_ = 0;
  full_ = false;
  frames_ = 0;
  presents_ = 0;
  dropped_.store(0);
  mix_.assign(size_t(FramesDueAfter(1) + 1) * kChannels, 0.0f);
  frameLocked_ = frameLocked;
  if (!frameLocked) {
    ring_.assign(size_t(kRingFrames) * kChannels, 0);
    written_.store(0);
    read_.store(0);
    capturing_.store(true, std::memory_order_release);
  }
  return true;
}

void MixRecorder::UseFrameLock() {
  if (!IsOpen() || frameLocked_) return;
  capturing_.store(false, std::memory_order_release);
  Drain();
  frameLocked_ = true;
  presents_ = 0;
}

void MixRecorder::Present() {
  if (!IsOpen()) return;
  if (!frameLocked_) {
    Drain();
    return;
  }
  const int64_t frames = FramesDueAfter(presents_ + 1) - FramesDueAfter(presents_);
  presents_ += 1;
  // Without a device the caller is the audio clock: the mixer waits for the music's stream instead of skipping it.
  MixFrames(mix_.data(), int(frames), true);
  pcm_.resize(size_t(frames) * kChannels);
  for (size_t i = 0; i < pcm_.size(); ++i) pcm_[i] = PcmSample(mix_[i]);
  Append(pcm_.data(), frames);
}

void MixRecorder::Capture(const float* stereo, int frames) {
  if (frames <= 0 || !capturing_.load(std::memory_order_acquire)) return;
  const int64_t w = written_.load(std::memory_order_relaxed);  // this thread is the only writer
  const int64_t room = kRingFrames - (w - read_.load(std::memory_order_acquire));
  const int64_t n = std::min<int64_t>(frames, room);
  for (int64_t i = 0; i < n; ++i) {
    int16_t* to = ring_.data() + ((w + i) & (kRingFrames - 1)) * kChannels;
    to[0] = PcmSample(stereo[2 * i]);
    to[1] = PcmSample(stereo[2 * i + 1]);
  }
  written_.store(w + n, std::memory_order_release);
  if (n < frames) dropped_.fetch_add(frames - n, std::memory_order_relaxed);
}

void MixRecorder::Drain() {
  const int64_t w = written_.load(std::memory_order_acquire);
  int64_t r = read_.load(std::memory_order_relaxed);  // this thread is the only reader
  while (r < w) {
    const int64_t at = r & (kRingFrames - 1);
    const int64_t n = std::min(w - r, kRingFrames - at);  // up to the ring's end, then from its start
    Append(ring_.data() + at * kChannels, n);
    r += n;
  }
  read_.store(r, std::memory_order_release);
}

void MixRecorder::Append(const int16_t* samples, int64_t frames) {
  if (writeError_ != 0 || full_ || frames <= 0) return;
  if (frames_ + frames > kMostFrames) {
    frames = kMostFrames - frames_;
    full_ = true;
  }
  // The file is little-endian whatever the machine.
  bytes_.resize(size_t(frames * kFrameBytes));
  for (int64_t i = 0; i < frames * kChannels; ++i) {
    uint16_t u = static_cast<uint16_t>(samples[i]);
    bytes_[size_t(2 * i)] = static_cast<uint8_t>(u);
    bytes_[size_t(2 * i + 1)] = static_cast<uint8_t>(u >> 8);
  }
  if (!WriteWhole(descriptor_, bytes_.data(), bytes_.size())) {
    writeError_ = errno;
    return;
  }
  frames_ += frames;
}

void MixRecorder::Close() {
  capturing_.store(false, std::memory_order_release);
  if (descriptor_ >= 0) close(descriptor_);
  descriptor_ = -1;
}

bool MixRecorder::Finish(std::string& error) {
  if (!IsOpen()) return true;
  capturing_.store(false, std::memory_order_release);
  if (!frameLocked_) Drain();
  auto finish = [&](const std::string&, std::string& why) {
    auto header = PcmWavHeader(kMixRate, kChannels, uint32_t(frames_ * kFrameBytes));
    bool ok = writeError_ == 0;
    if (!ok) why = std::strerror(writeError_);
    if (ok && (lseek(descriptor_, 0, SEEK_SET) != 0 || !WriteWhole(descriptor_, header.data(), header.size()))) {
      why = std::strerror(errno);
      ok = false;
    }
    if (close(descriptor_) != 0 && ok) {
      why = std::strerror(errno);
      ok = false;
    }
    descriptor_ = -1;
    return ok;
  };
  bool done = WriteThroughTemporary(path_, finish, error);
  descriptor_ = -1;
  return done;
}

MixRecorder& TheRecorder() {
  // Never destroyed: the device's thread may still hand it frames while the program exits.
  static MixRecorder* recorder = new MixRecorder;
  return *recorder;
}
