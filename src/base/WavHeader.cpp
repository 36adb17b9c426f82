// The 44-byte header of a plain 16-bit PCM WAV file.
#include "base/WavHeader.h"

#include <cstring>

#include "base/ByteOrder.h"

namespace {

void PutTag(uint8_t* at, const char* tag) { std::memcpy(at, tag, 4); }

void PutLe16(uint8_t* at, uint32_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace

std::array<uint8_t, kWavHeaderBytes> PcmWavHeader(int rate, int channels, uint32_t dataBytes) {
  std::array<uint8_t, kWavHeaderBytes> h{};
  const uint32_t frameBytes = static_cast<uint32_t>(channels) * 2;
  PutTag(&h[0], "RIFF");
  WriteLe32(&h[4], 36 + dataBytes);
  PutTag(&h[8], "WAVE");
  PutTag(&h[12], "fmt ");
  WriteLe32(&h[16], 16);  // the plain format chunk
  PutLe16(&h[20], 1);     // integer PCM
  PutLe16(&h[22], static_cast<uint32_t>(channels));
  WriteLe32(&h[24], static_cast<uint32_t>(rate));
  WriteLe32(&h[28], static_cast<uint32_t>(rate) * frameBytes);  // bytes per second
  PutLe16(&h[32], frameBytes);
  PutLe16(&h[34], 16);  // bits per sample
  PutTag(&h[36], "data");
  WriteLe32(&h[40], dataBytes);
  return h;
}

