// Fuzz targets: the WAV and the Ogg Vorbis decoders take any bytes a sound entry may hold (the build compiles
// this file twice, choosing the decoder with DECODER).
#include <cstddef>
#include <cstdint>
#include <string>

#include "media/SoundDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SoundBytes bytes;
  bytes.data = data;
  bytes.size = size;
  std::string why;
  std::unique_ptr<PcmDecoder> decoder = DECODER(bytes, why);
  if (!decoder) return 0;
  if (decoder->Channels() < 1 || decoder->Channels() > 2 || decoder->Rate() <= 0) __builtin_trap();
  PcmData whole;
  DecodeWhole(*decoder, 1 << 18, whole, why);  // a quarter of a million frames at most
  if (decoder->Rewind()) {
    float frames[2 * 256];
    decoder->Read(frames, 256);
  }
  return 0;
}
