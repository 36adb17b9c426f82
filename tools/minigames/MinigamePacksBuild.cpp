// Writes the minigames' packs (Tetris, duck shooting, Sugar) and their two MIDI tunes.
#include <cstdio>

#include "Builder.h"
#include "PackWriter.h"
#include "base/AtomicFile.h"
#include "minigames/MinigameArt.h"
#include "music/ScreenMusic.h"

namespace {

std::string Slashed(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

template <size_t N>
bool WritePicturePack(const std::string& path, const std::array<MinigameEntry, N>& table, Picture (*paint)(int),
                      const std::vector<uint8_t>* music) {
  std::vector<PackEntry> entries;
  for (const MinigameEntry& entry : table) {
    std::string name = Slashed(entry.name);
    bool isMusic = name.size() > 4 && name.substr(name.size() - 4) == ".ogg";
    std::vector<uint8_t> bytes = isMusic && music != nullptr ? *music : EncodeByName(name, paint(entry.number));
    if (bytes.empty()) {
      std::fprintf(stderr, "packbuilder: could not make %s for %s\n", name.c_str(), path.c_str());
      return false;
    }
    entries.push_back({name, std::move(bytes), false});
  }
  return WritePack(path, entries);
}

// An empty tune is one that could not be composed: the composer has said why.
bool WriteTune(const std::string& path, const std::vector<uint8_t>& tune) {
  if (tune.empty()) return false;
  std::string error;
  bool ok = WriteThroughTemporary(
      path,
      [&](const std::string& temporary, std::string& why) {
        FILE* file = std::fopen(temporary.c_str(), "wb");
        if (file == nullptr) {
          why = "cannot be created";
          return false;
        }
        bool written = std::fwrite(tune.data(), 1, tune.size(), file) == tune.size();
        return std::fclose(file) == 0 && written;
      },
      error);
  if (!ok) std::fprintf(stderr, "packbuilder: %s: %s\n", path.c_str(), error.c_str());
  return ok;
}

}  // namespace

bool BuildMinigamePacks(const std::string& outDir) {
  std::vector<uint8_t> tetrisMusicBytes;
  if (!music::BuildTetrisTrack(tetrisMusicBytes)) return false;
  bool ok = WritePicturePack(outDir + "/tetris.pak", tetrisEntries, PaintTetrisPicture, &tetrisMusicBytes);
  ok = WritePicturePack(outDir + "/ducks.pak", duckEntries, PaintDuckPicture, nullptr) && ok;
  ok = WritePicturePack(outDir + "/sugar.pak", sugarEntries, PaintSugarPicture, nullptr) && ok;
  ok = WriteTune(outDir + "/ballgame.pak", ComposeDuckTune()) && ok;
  ok = WriteTune(outDir + "/elephant.pak", ComposeSugarTune()) && ok;
  return ok;
}
