// soundprobe: measures a recording of the game for the end-to-end tests: loudness, peaks, and where sounds start.
//   soundprobe levels FILE.wav [FROM TO]   integrated LUFS, true peak dBTP, sample peak dBFS (seconds FROM..TO)
//   soundprobe onsets FILE.wav             one onset time in seconds a line
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/ByteOrder.h"
#include "probe/Onsets.h"
#include "sfx/Loudness.h"

namespace {

struct Recording {
  int channels = 0, rate = 0;
  std::vector<float> samples;  // interleaved
};

// A 16-bit PCM WAV, its chunks walked so that a file with extra chunks reads too.
bool ReadWav(const char* path, Recording& out, std::string& why) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    why = "cannot open it";
    return false;
  }
  std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
    why = "not a RIFF/WAVE file";
    return false;
  }
  int bits = 0;
  for (size_t at = 12; at + 8 <= b.size();) {
    const uint32_t size = ReadLe32(b.data() + at + 4);
    const size_t body = at + 8;
    const size_t length = std::min<size_t>(size, b.size() - body);
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && length >= 16) {
      if (ReadLe16(b.data() + body) != 1) break;
      out.channels = ReadLe16(b.data() + body + 2);
      out.rate = static_cast<int>(ReadLe32(b.data() + body + 4));
      bits = ReadLe16(b.data() + body + 14);
    } else if (std::memcmp(b.data() + at, "data", 4) == 0 && out.channels > 0 && bits == 16) {
      out.samples.resize(length / 2);
      for (size_t i = 0; i < out.samples.size(); ++i) {
        out.samples[i] = static_cast<float>(static_cast<int16_t>(ReadLe16(b.data() + body + 2 * i))) / 32768.0f;
      }
      return out.rate > 0 && out.channels <= 16;
    }
    at = body + length + (length & 1);
  }
  why = "not 16-bit PCM with a data chunk";
  return false;
}

int Usage() {
  std::fprintf(stderr, "usage: soundprobe levels FILE.wav [FROM TO] | soundprobe onsets FILE.wav\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 5 && std::strcmp(argv[1], "levels") == 0)) return Usage();
  Recording r;
  std::string why;
  if (!ReadWav(argv[2], r, why)) {
    std::fprintf(stderr, "soundprobe: %s: %s\n", argv[2], why.c_str());
    return 1;
  }
  const size_t frames = r.samples.size() / static_cast<size_t>(r.channels);
  if (std::strcmp(argv[1], "levels") == 0) {
    size_t from = 0, to = frames;
    if (argc == 5) {
      char* end1 = nullptr;
      char* end2 = nullptr;
      double a = std::strtod(argv[3], &end1), z = std::strtod(argv[4], &end2);
      if (*end1 != '\0' || *end2 != '\0' || !(a >= 0) || !(z > a)) return Usage();
      from = std::min(frames, static_cast<size_t>(a * r.rate));
      to = std::min(frames, static_cast<size_t>(z * r.rate));
    }
    std::vector<float> part(r.samples.begin() + static_cast<long>(from * r.channels),
                            r.samples.begin() + static_cast<long>(to * r.channels));
    float peak = 0;
    for (float v : part) peak = std::max(peak, std::fabs(v));
    std::printf("%.2f %.2f %.2f\n", IntegratedLoudness(part, r.channels, r.rate), TruePeakDb(part, r.channels, r.rate),
                peak > 0 ? 20 * std::log10(peak) : -200.0);
    return 0;
  }
  if (std::strcmp(argv[1], "onsets") == 0) {
    std::vector<float> mono(frames);
    for (size_t i = 0; i < frames; ++i) {
      float sum = 0;
      for (int c = 0; c < r.channels; ++c) sum += r.samples[i * static_cast<size_t>(r.channels) + static_cast<size_t>(c)];
      mono[i] = sum / static_cast<float>(r.channels);
    }
    for (double t : FindOnsets(mono, r.rate)) std::printf("%.4f\n", t);
    return 0;
  }
  return Usage();
}
