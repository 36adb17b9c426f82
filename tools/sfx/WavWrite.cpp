// Writing sounds as 16-bit PCM RIFF/WAVE files in memory, the format the game's effects are stored in.
#include "sfx/WavWrite.h"

#include <cmath>

#include "base/ByteOrder.h"

namespace {

void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

std::vector<int16_t> FloatToPcm16(const std::vector<float>& samples) {
  std::vector<int16_t> pcm(samples.size());
  for (size_t i = 0; i < samples.size(); ++i) {
    float v = samples[i];
    if (std::isnan(v)) v = 0;
    double scaled = std::round(static_cast<double>(v) * 32767.0);
    if (scaled > 32767.0) scaled = 32767.0;
    if (scaled < -32768.0) scaled = -32768.0;
    pcm[i] = static_cast<int16_t>(scaled);
  }
  return pcm;
}

bool EncodeWav16(const std::vector<int16_t>& interleaved, int channels, int rate, std::vector<uint8_t>& out,
                 std::string& error) {
  out.clear();
  if (channels < 1 || channels > 16) {
    error = "WAV: " + std::to_string(channels) + " channels (1 to 16 allowed)";
    return false;
  }
  if (rate < 1 || rate > 384000) {
    error = "WAV: sample rate " + std::to_string(rate) + " Hz out of range";
    return false;
  }
  if (interleaved.size() % static_cast<size_t>(channels) != 0) {
    error = "WAV: " + std::to_string(interleaved.size()) + " samples are not whole frames of " +
            std::to_string(channels) + " channels";
    return false;
  }
  uint64_t dataBytes = static_cast<uint64_t>(interleaved.size()) * 2;
  if (dataBytes + 36 > 0xFFFFFFFFull) {
    error = "WAV: too much data for one file";
    return false;
  }
  uint32_t blockAlign = static_cast<uint32_t>(channels) * 2;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  AppendLe32(out, static_cast<uint32_t>(36 + dataBytes));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  AppendLe32(out, 16);
  AppendLe16(out, 1);  // PCM
  AppendLe16(out, static_cast<uint32_t>(channels));
  AppendLe32(out, static_cast<uint32_t>(rate));
  AppendLe32(out, static_cast<uint32_t>(rate) * blockAlign);
  AppendLe16(out, blockAlign);
  AppendLe16(out, 16);
  PutTag(out, "data");
  AppendLe32(out, static_cast<uint32_t>(dataBytes));
  for (int16_t v : interleaved) AppendLe16(out, static_cast<uint16_t>(v));
  return true;
}
