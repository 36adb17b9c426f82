// The recording of everything the mixer produces into a 16-bit stereo WAV at the mix rate (--audio-out).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Two ways the mix reaches the file. Frame-locked (headless, or no device could be opened): the game's
// thread mixes exactly one frame's samples at every present, so the same run always gives the same bytes
// and the file lasts frames / 60 seconds. Captured (a device pulls the mix): the device's thread copies
// what it mixed into a ring, and the game's thread moves the ring into the file at every present.
//
// The samples go to `path` + ".tmp" as they come; Finish writes the sizes into the header and renames
// the file into place, so an unfinished recording never stands under the name asked for.
class MixRecorder {
 public:
  static constexpr int kFramesPerSecond = 60;        // presents per second of the virtual clock
  static constexpr int64_t kRingFrames = 1 << 19;    // 12 s of the device's mix waiting for the game's thread

  ~MixRecorder();

  // Creates the temporary file; false with `error` saying why. `frameLocked` as described above.
  bool Open(const std::string& path, bool frameLocked, std::string& error);
  bool IsOpen() const { return descriptor_ >= 0; }
  const std::string& Path() const { return path_; }
  bool FrameLocked() const { return frameLocked_; }
  // No device pulls the mix after all: from now on the game's thread mixes at every present.
  void UseFrameLock();

  // The game's thread, once per present: one frame of the mix, or what the device mixed since the last.
  void Present();
  // The device's thread, straight after it mixed: never blocks and never allocates; when the game's
  // thread has fallen a whole ring behind, the frames that do not fit are counted and left out.
  void Capture(const float* stereo, int frames);

  // Ends the recording: the header, the rename. False with `error` saying why (the temporary file is gone then).
  bool Finish(std::string& error);

  int64_t Frames() const { return frames_; }  // frames in the file so far
  int64_t DroppedFrames() const { return dropped_.load(std::memory_order_relaxed); }

 private:
  void Append(const int16_t* samples, int64_t frames);
  void Drain();
  void Close();

  std::string path_;
  int descriptor_ = -1;
  bool frameLocked_ = false;
  int writeError_ = 0;          // errno of the first failed write; the rest are skipped
  bool full_ = false;           // the WAV cannot say it holds more
  int64_t frames_ = 0;
  int64_t presents_ = 0;        // frame-locked: presents mixed so far
  std::vector<float> mix_;      // frame-locked: one frame's mix
  std::vector<int16_t> pcm_;    // frame-locked: that frame as 16-bit samples
  std::vector<uint8_t> bytes_;  // the game's thread: samples on their way to the file, little-endian
  // The ring between the device's thread (the only writer) and the game's thread (the only reader).
  std::vector<int16_t> ring_;   // kRingFrames stereo frames, made before the device may write
  std::atomic<bool> capturing_{false};
  std::atomic<int64_t> written_{0};  // frames the device put in, counted on across wraps
  std::atomic<int64_t> read_{0};     // frames the game's thread took out
  std::atomic<int64_t> dropped_{0};
};

// The run's own recorder (one per program).
MixRecorder& TheRecorder();

// Frames of the mix at `rate` due once `presents` frames were presented: whole frames, so that one present
// gets one frame more now and then and the remainder is carried exactly however long the run.
int64_t MixFramesDueAfter(int64_t presents, int rate);

// A mixed float sample as a 16-bit one: -1..1 to -32767..32767, rounded, anything beyond held at the ends.
int16_t PcmSample(float value);
