// What the sound files of the media layer share: the voices, the streams, and the locks between the
// game's thread, the stream thread and the audio device's thread.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

#include "base/SoundLevels.h"
#include "media/SoundDecode.h"

constexpr int kMixChunk = 1024;          // frames mixed in one go; longer requests are cut into chunks
constexpr int kMaxVoices = 64;           // playing instances at once, every sound together
constexpr int kMinFrequency = 100;       // Hz a sound can be played at
constexpr int kMaxFrequency = 200000;    // Hz
constexpr int kStreamSeconds = 10;       // longer sounds (and always the music, sound 0) are streamed
constexpr int64_t kRingFrames = 1 << 16; // frames a stream keeps decoded ahead (1.5 s at 44.1 kHz)
constexpr int64_t kNoEnd = std::numeric_limits<int64_t>::max();

// One playing instance of a streamed sound: its own decoder filling a ring that the mixer reads.
// The stream thread is the only writer and the mixer the only reader; they meet through the atomics.
struct Stream {
  std::unique_ptr<PcmDecoder> decoder;  // used by one thread at a time: the starter, then the stream thread
  int channels = 1;                     // samples per frame in the ring
  bool loop = false;                    // the decoder wraps to its start instead of ending
  std::vector<float> ring;              // kRingFrames frames; frame k lives at k % kRingFrames
  std::atomic<int64_t> written{0};      // frames decoded so far, counted on across loops
  std::atomic<int64_t> needed{-1};      // oldest frame the mixer may still read
  std::atomic<int64_t> end{kNoEnd};     // frames in the whole stream, once a one-shot decoder ran dry
  std::atomic<bool> retired{false};     // no voice plays it any more: the stream thread lets it go
  bool rewoundEmpty = false;            // filler only: the last rewind has given no frame yet
};

enum class VoiceState { Free, Playing, Finished };

struct Voice {
  VoiceState state = VoiceState::Free;  // Finished: ended in the mixer, its data is freed by the game's thread
  int sound = 0;                        // the sound's number
  bool main = false;                    // the sound's own instance, which follows later settings
  bool loop = false;
  uint64_t serial = 0;                  // start order, to drop the oldest instance when all are taken
  std::shared_ptr<const PcmData> pcm;   // a short sound's samples, or
  std::shared_ptr<Stream> stream;       // a long sound's stream
  int channels = 1;                     // 1 or 2
  double step = 1.0;                    // source frames per mixed frame: frequency / kMixRate
  int64_t position = 0;                 // source frame the next mixed frame reads
  double fraction = 0.0;                // 0..1, between `position` and the frame after it
  float gainLeft = 0, gainRight = 0;    // amplitude applied now
  float targetLeft = 0, targetRight = 0;  // amplitude the volume and pan ask for; reached within a few ms
  int stacked = 1;                      // overlapping starts merged into this voice before it was first heard
};

// Instances of one sound started together at one pitch would add up in step, n of them n times as loud: they
// play as one voice whose power grows with their number, at most kMostStackedGain in amplitude.
constexpr float kMostStackedGain = 1.5f;

struct Mixer {
  std::mutex lock;                      // the voices: held by the mixer for one chunk, by the game briefly
  std::array<Voice, kMaxVoices> voices;
  uint64_t serial = 0;                  // last start number given
  std::atomic<bool> deviceOpen{false};  // a device pulls the mix; otherwise the caller of MixSoundFrames is the clock
};

Mixer& TheMixer();

// Amplitude of each channel for the game's volume (0..100) and pan (-100..100), under the music's volume law
// when `music` is set and the effects' otherwise.
void VoiceGains(int volume, int pan, bool music, float& left, float& right);

// Mixes into `stereo` (which it overwrites) with every lock it needs. `waitForStreams`: when no
// device runs, wait a little for the stream thread instead of leaving a gap in the music.
void MixFrames(float* stereo, int frames, bool waitForStreams);

// Streams (SoundStream.cpp): a started stream is decoded a little ahead, then kept full by the stream thread.
std::shared_ptr<Stream> StartStream(std::unique_ptr<PcmDecoder> decoder, bool loop);
void RetireStream(Stream& stream);  // safe under the mixer's lock
void WakeStreamThread();
void StopStreamThread();

// The sound table (SoundPlayback.cpp).
void ReleaseAllSounds();

// The recording of --audio-out (SoundDevice.cpp): finished and renamed into place; false, with a message on
// standard error, when the file could not be written. Nothing to do when there is no recording.
bool FinishAudioOut();

// MIDI music (MidiPlayer.cpp), rendered into the mix.
void MixMidi(float* stereo, int frames);  // adds to `stereo`
void CloseAllMidi();
