// The main pictures of the game: paints every entry of packs/maingfx.pak and packs/panel.pak and writes the packs.
#include <chrono>
#include <cstdio>
#include <map>
#include <thread>

#include "Builder.h"
#include "PackWriter.h"
#include "art/ArtFamilies.h"
#include "art/ArtTable.h"
#include "art/ContactSheet.h"
#include "art/PlayMock.h"

namespace {

struct Painted {
  std::vector<PackEntry> entries;
  std::vector<SheetItem> sheet;  // filled only when contact sheets are wanted
  bool ok = true;
};

// Paints and encodes every entry; two workers split the table by index, so the result does not depend
// on which finishes first.
Painted PaintAll(const std::vector<ArtEntry>& table, bool keepPictures) {
  Painted result;
  result.entries.resize(table.size());
  if (keepPictures) result.sheet.resize(table.size());
  std::vector<char> failed(table.size(), 0);
  auto work = [&](size_t first, size_t step) {
    for (size_t i = first; i < table.size(); i += step) {
      if (!table[i].paint) {
        failed[i] = 1;
        continue;
      }
      Picture picture = table[i].paint();
      result.entries[i].name = table[i].name;
      result.entries[i].data = EncodeByName(table[i].name, picture);
      if (result.entries[i].data.empty()) failed[i] = 1;
      if (keepPictures) result.sheet[i] = {std::to_string(table[i].number), std::move(picture)};
    }
  };
  // Fontconfig and Cairo's font cache set themselves up on first use: do that before a second thread paints.
  PaintGlyph(false, 'A');
  std::thread helper(work, 1, 2);
  work(0, 2);
  helper.join();
  for (size_t i = 0; i < table.size(); ++i)
    if (failed[i]) {
      std::fprintf(stderr, "packbuilder: %s %s\n", table[i].paint ? "could not encode" : "has no painter for",
                   table[i].name.c_str());
      result.ok = false;
    }
  return result;
}

bool WritePainted(const Painted& painted, const std::string& outDir, const std::string& packName) {
  if (!painted.ok) return false;
  return WritePack(outDir + "/" + packName + ".pak", painted.entries);
}

// Contact sheets of both packs and a mock play screen that places the pictures as the game does.
bool WriteReviewPictures(const std::string& directory, const Painted& main, const Painted& panel) {
  if (!WriteContactSheets(directory, "maingfx", main.sheet) || !WriteContactSheets(directory, "panel", panel.sheet))
    return false;
  std::map<int, const Picture*> sprites;
  for (const Painted* painted : {&main, &panel})
    for (const SheetItem& item : painted->sheet) sprites[std::stoi(item.label)] = &item.picture;
  // 544 is loaded twice; the game keeps the second picture.
  return WriteSheetFile(directory + "/playscreen.png", EncodePng(MakePlayMock(sprites), false));
}

}  // namespace

bool BuildMainGraphicsPacks(const std::string& outDir) {
  auto start = std::chrono::steady_clock::now();
  const std::string& sheets = ContactSheetDirectory();
  Painted main = PaintAll(MainGraphicsTable(), !sheets.empty());
  Painted panel = PaintAll(PanelTable(), !sheets.empty());
  bool ok = WritePainted(main, outDir, "maingfx") && WritePainted(panel, outDir, "panel");
  if (ok && !sheets.empty()) ok = WriteReviewPictures(sheets, main, panel);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (ok) std::printf("packbuilder: main graphics painted in %.1f s\n", seconds);
  return ok;
}
