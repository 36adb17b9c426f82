// Writes the fuzz targets' binary seeds into a folder per target: a level entry, a small pack, WAV and Ogg sounds.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/LevelFormat.h"
#include "media/SoundTestData.h"
#include "tools/PackWriter.h"

namespace {

void Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: makeseeds FOLDER\n");
    return 2;
  }
  std::filesystem::path out = argv[1];
  // A standing tile with a capsule and a tile gliding round three key points.
  std::vector<TileRecord> tiles = {{3, 5, {{1, 120, 90}}}, {7, 0, {{2, 200, 100}, {1, 260, 100}, {3, 230, 140}}}};
  std::vector<uint8_t> level = WriteLevelRecords(tiles);
  Write(out / "level" / "two-tiles.lev", level);
  Write(out / "level" / "one-tile.lev", WriteLevelRecords(std::vector<TileRecord>{{1, 0, {{1, 100, 60}}}}));
  // A pack of a level, a small text and a scrambled larger entry.
  std::filesystem::create_directories(out / "pack");
  std::vector<uint8_t> large(5000);
  for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<uint8_t>(i * 7);
  if (!WritePack((out / "pack" / "small.pak").string(), {{"level0.lev", level, true}, {"note.txt", {'h', 'i', '\n'}}, {"big.bin", large}}))
    return 1;
  std::vector<float> mono = soundtest::Sine(300, 1, 3, 0.5f), stereo = soundtest::Sine(200, 2, 2, 0.4f);
  Write(out / "wav" / "mono16.wav", soundtest::MakeWav(1, 22050, 16, mono));
  Write(out / "wav" / "stereo8.wav", soundtest::MakeWav(2, 11025, 8, stereo));
  Write(out / "wav" / "float32.wav", soundtest::MakeWav(1, 44100, 32, mono, 3));
  Write(out / "ogg" / "mono.ogg", soundtest::MakeOgg(1, 22050, soundtest::Sine(2000, 1, 20, 0.5f)));
  Write(out / "ogg" / "stereo.ogg", soundtest::MakeOgg(2, 44100, soundtest::Sine(1500, 2, 10, 0.3f)));
  return 0;
}
