// Writes the minigames' packs (Tetris, duck shooting, Sugar) and their two MIDI tunes.
#include <chrono>
#include <cstdio>

#include "base/Paths.h"
#include "Builder.h"
#include "PackWriter.h"
#include "base/AtomicFile.h"
#include "art/ContactSheet.h"
#include "minigames/MinigameArt.h"
#include "minigames/MinigameSheets.h"
#include "music/ScreenMusic.h"

namespace {

// Paints every picture of a pack once, for the pack and for its review sheets.
template <size_t N>
minigames::PictureSet PaintAll(const std::array<MinigameEntry, N>& table, Picture (*paint)(int)) {
  minigames::PictureSet pictures;
  for (const MinigameEntry& entry : table) {
    std::string name = NativePath(entry.name);
    if (name.size() <= 4 || name.substr(name.size() - 4) != ".png") continue;
    pictures[entry.number] = paint(entry.number);
  }
  return pictures;
}

template <size_t N>
bool WritePicturePack(const std::string& path, const std::array<MinigameEntry, N>& table,
                      const minigames::PictureSet& pictures, const std::vector<uint8_t>* music) {
  std::vector<PackEntry> entries;
  for (const MinigameEntry& entry : table) {
    std::string name = NativePath(entry.name);
    bool isMusic = name.size() > 4 && name.substr(name.size() - 4) == ".ogg";
    auto picture = pictures.find(entry.number);
    std::vector<uint8_t> bytes;
    if (isMusic && music != nullptr) {
      bytes = *music;
    } else if (picture != pictures.end()) {
      bytes = EncodeByName(name, picture->second);
    }
    if (bytes.empty()) {
      std::fprintf(stderr, "packbuilder: could not make %s for %s\n", name.c_str(), path.c_str());
      return false;
    }
    entries.push_back({name, std::move(bytes), false});
  }
  return WritePack(path, entries);
}

// The contact sheets of a pack (every picture labelled with its file name) and its composed screen.
template <size_t N>
bool WriteSheets(const std::string& name, const std::array<MinigameEntry, N>& table,
                 const minigames::PictureSet& pictures, Picture (*compose)(const minigames::PictureSet&)) {
  const std::string& directory = ContactSheetDirectory();
  if (directory.empty()) return true;
  std::vector<SheetItem> items;
  for (const MinigameEntry& entry : table) {
    auto picture = pictures.find(entry.number);
    if (picture == pictures.end()) continue;
    std::string file = NativePath(entry.name);
    items.push_back({file.substr(file.rfind('/') + 1), picture->second});
  }
  return minigames::WriteMinigameSheets(directory + "/minigames", name, items, compose(pictures));
}

// An empty tune is one that could not be composed: the composer has said why.
bool WriteTune(const std::string& path, const std::vector<uint8_t>& tune) {
  if (tune.empty()) return false;
  std::string error;
  bool ok = WriteFileAtomically(path, tune, error);
  if (!ok) std::fprintf(stderr, "packbuilder: %s: %s\n", path.c_str(), error.c_str());
  return ok;
}

}  // namespace

bool BuildMinigamePacks(const std::string& outDir) {
  std::vector<uint8_t> tetrisMusicBytes;
  if (!music::BuildTetrisTrack(tetrisMusicBytes)) return false;
  auto start = std::chrono::steady_clock::now();
  const minigames::PictureSet tetris = PaintAll(tetrisEntries, PaintTetrisPicture);
  const minigames::PictureSet ducks = PaintAll(duckEntries, PaintDuckPicture);
  const minigames::PictureSet sugar = PaintAll(sugarEntries, PaintSugarPicture);
  std::printf("minigame pictures: %zu painted in %.2f s\n", tetris.size() + ducks.size() + sugar.size(),
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  bool ok = WritePicturePack(outDir + "/tetris.pak", tetrisEntries, tetris, &tetrisMusicBytes);
  ok = WritePicturePack(outDir + "/ducks.pak", duckEntries, ducks, nullptr) && ok;
  ok = WritePicturePack(outDir + "/sugar.pak", sugarEntries, sugar, nullptr) && ok;
  ok = WriteSheets("tetris", tetrisEntries, tetris, minigames::MakeTetrisMock) && ok;
  ok = WriteSheets("ducks", duckEntries, ducks, minigames::MakeDuckMock) && ok;
  ok = WriteSheets("sugar", sugarEntries, sugar, minigames::MakeSugarMock) && ok;
  ok = WriteTune(outDir + "/ballgame.pak", ComposeDuckTune()) && ok;
  ok = WriteTune(outDir + "/elephant.pak", ComposeSugarTune()) && ok;
  return ok;
}
