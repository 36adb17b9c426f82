// The sound decoders of the media layer: WAV and Ogg Vorbis held in memory, read as float frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Encoded bytes a decoder reads. `owner` keeps them alive while a stream decodes them on the stream
// thread; a decoder used only inside one call may leave it empty and point at the caller's buffer.
struct SoundBytes {
  std::shared_ptr<const std::vector<uint8_t>> owner;
  const uint8_t* data = nullptr;
  size_t size = 0;  // bytes
};

// Sounds of more than two channels are mixed down to mono: the game only ever pans mono or stereo.
class PcmDecoder {
 public:
  virtual ~PcmDecoder() = default;
  int Channels() const { return channels; }             // 1 or 2
  int Rate() const { return rate; }                     // frames per second of the source
  int64_t TotalFrames() const { return totalFrames; }   // frames; -1 when the container does not say
  // Reads up to `frames` interleaved frames into `out`; 0 at the end of the audio, and also at damage
  // the decoder cannot read past (the sound then simply ends there).
  virtual long Read(float* out, long frames) = 0;
  virtual bool Rewind() = 0;  // back to the first frame, for seamless loops

 protected:
  int channels = 0;
  int rate = 0;
  int64_t totalFrames = -1;
};

// Each returns null and says why in `why` when the data is not a sound it can play.
std::unique_ptr<PcmDecoder> OpenWavDecoder(const SoundBytes& bytes, std::string& why);
std::unique_ptr<PcmDecoder> OpenOggDecoder(const SoundBytes& bytes, std::string& why);
std::unique_ptr<PcmDecoder> OpenSoundDecoder(const SoundBytes& bytes, std::string& why);  // by signature

// A sound decoded completely, for short effects.
struct PcmData {
  std::vector<float> samples;  // interleaved frames, -1..1
  int channels = 0;            // 1 or 2
  int rate = 0;                // frames per second
  int64_t frames = 0;
};

// Decodes at most `maxFrames` frames (a longer sound is cut there). False when nothing decodes.
bool DecodeWhole(PcmDecoder& decoder, int64_t maxFrames, PcmData& out, std::string& why);

// Frames of `inChannels` samples become frames of `outChannels` (1 or 2) samples.
void ConvertChannels(const float* in, int inChannels, float* out, int outChannels, long frames);
