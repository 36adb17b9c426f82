// Paints the theme backgrounds and the level scenes' pictures, writes their packs, and the review sheets.
#include <chrono>
#include <cstdio>
#include <map>
#include <thread>

#include "Builder.h"
#include "PackWriter.h"
#include "art/ContactSheet.h"
#include "base/SceneTable.h"
#include "themes/ScenePictures.h"
#include "themes/ThemeMock.h"
#include "themes/ThemeTable.h"

namespace {

// Runs work(i) for i in 0..count-1 on two threads, split by index so the result never depends on timing.
template <typename Work>
void OnTwoThreads(size_t count, Work work) {
  auto run = [&](size_t first) {
    for (size_t i = first; i < count; i += 2) work(i);
  };
  std::thread helper(run, 1);
  run(0);
  helper.join();
}

struct Painted {
  std::string name;
  Picture picture;            // kept only when sheets are wanted
  std::vector<uint8_t> file;  // the encoded picture; empty when painting or encoding failed
};

// The themes whose mock play screens go with the sheets: space, sky, sea, land, deep and the boss.
const char* const kMockThemes[] = {"space", "sun", "clouds", "sea", "forest", "snow", "heart", "temple"};

bool WriteReview(const std::string& directory, const std::vector<Painted>& backgrounds,
                 const std::vector<Painted>& scenes) {
  std::vector<SheetItem> small;
  for (const Painted& b : backgrounds) small.push_back({b.name, Shrink(b.picture, 4)});
  std::vector<uint8_t> sheet = EncodePng(MakeContactSheet(small, false, 1180), false);
  if (sheet.empty() || !WriteSheetFile(directory + "/themes_backgrounds.png", sheet)) return false;
  std::vector<SheetItem> pictures;
  for (const Painted& s : scenes) {
    std::string label = s.name.substr(s.name.find_last_of('/') + 1);
    pictures.push_back({label, s.picture});
  }
  if (!WriteContactSheets(directory, "themes_scenes", pictures)) return false;
  for (const char* theme : kMockThemes)
    for (const Painted& b : backgrounds)
      if (b.name == theme) {
        std::vector<uint8_t> mock = EncodePng(MakeThemeMock(b.picture), false);
        if (mock.empty() || !WriteSheetFile(directory + "/themes_mock_" + b.name + ".png", mock)) return false;
      }
  return true;
}

}  // namespace

bool BuildThemePacks(const std::string& outDir) {
  auto start = std::chrono::steady_clock::now();
  const bool keep = !ContactSheetDirectory().empty();
  const std::vector<ThemeBackground>& themes = ThemeBackgrounds();
  std::vector<Painted> backgrounds(themes.size());
  OnTwoThreads(themes.size(), [&](size_t i) {
    Picture picture = themes[i].paint();
    backgrounds[i].name = themes[i].theme;
    backgrounds[i].file = EncodeByName(ThemeEntryName(themes[i].theme), picture);
    if (keep) backgrounds[i].picture = std::move(picture);
  });

  // Every scene picture is painted once, however many packs hold it.
  std::vector<std::string> names;
  std::map<std::string, size_t> indexOf;
  for (const ScenePack& pack : ScenePackTable())
    for (const std::string& name : pack.entries)
      if (indexOf.emplace(name, names.size()).second) names.push_back(name);
  std::vector<Painted> scenes(names.size());
  OnTwoThreads(names.size(), [&](size_t i) {
    Picture picture = PaintScenePicture(names[i]);
    scenes[i].name = names[i];
    if (picture.Valid()) scenes[i].file = EncodeByName(names[i], picture);
    if (keep) scenes[i].picture = std::move(picture);
  });

  bool ok = true;
  for (size_t i = 0; i < themes.size(); ++i) {
    if (backgrounds[i].file.empty()) {
      std::fprintf(stderr, "packbuilder: could not paint the %s background\n", themes[i].theme.c_str());
      ok = false;
      continue;
    }
    PackEntry entry{ThemeEntryName(themes[i].theme), backgrounds[i].file, false};
    ok = WritePack(outDir + "/" + ThemePackFile(themes[i].theme), {entry}) && ok;
  }
  for (const Painted& scene : scenes)
    if (scene.file.empty()) {
      std::fprintf(stderr, "packbuilder: no picture for the scene entry %s\n", scene.name.c_str());
      ok = false;
    }
  if (!ok) return false;
  size_t sceneBytes = 0;
  for (const ScenePack& pack : ScenePackTable()) {
    std::vector<PackEntry> entries;
    for (const std::string& name : pack.entries) {
      entries.push_back({name, scenes[indexOf[name]].file, false});
      sceneBytes += entries.back().data.size();
    }
    ok = WritePack(outDir + "/" + ScenePackFile(pack.difficulty, pack.levelIndex), entries) && ok;
  }
  if (ok && keep) ok = WriteReview(ContactSheetDirectory(), backgrounds, scenes);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (ok)
    std::printf("packbuilder: %zu theme backgrounds and %zu scene packs (%zu pictures, %.1f MB) in %.1f s\n",
                themes.size(), ScenePackTable().size(), names.size(), sceneBytes / 1e6, seconds);
  return ok;
}
