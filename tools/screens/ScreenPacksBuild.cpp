// Writes the screens' packs: menu, the three stories, the three logos and the credits, in their load order.
#include <cstdio>
#include <map>

#include "base/Paths.h"
#include "Builder.h"
#include "PackWriter.h"
#include "art/ContactSheet.h"
#include "music/ScreenMusic.h"
#include "screens/ScreenArt.h"
#include "screens/ScreenSheets.h"

namespace {

PackEntry PictureEntry(const std::string& name, const Picture& picture) {
  return {NativePath(name), EncodeByName(NativePath(name), picture), false};
}

bool WriteAll(const std::string& path, const std::vector<PackEntry>& entries) {
  for (const PackEntry& entry : entries) {
    if (entry.data.empty()) {
      std::fprintf(stderr, "packbuilder: could not make %s for %s\n", entry.name.c_str(), path.c_str());
      return false;
    }
  }
  return WritePack(path, entries);
}

}  // namespace

bool BuildScreenPacks(const std::string& outDir) {
  std::map<std::string, std::vector<uint8_t>> music;
  if (!music::BuildScreenTracks(music)) return false;
  std::vector<PackEntry> menu;
  std::map<int, Picture> menuPictures;  // kept for the contact sheets
  std::vector<SheetItem> storySheet, logoSheet, creditSheet;
  for (int i = 0; i < menuEntryCount; ++i) {
    const MenuEntry& entry = menuEntries[i];
    if (entry.kind == MenuEntryKind::Sound) {
      menu.push_back({NativePath(entry.name), MakeMenuFlashSound(), false});
    } else if (entry.kind == MenuEntryKind::Music) {
      menu.push_back({NativePath(entry.name), music[entry.name], false});
    } else {
      Picture& picture = menuPictures[i] = PaintMenuPicture(static_cast<MenuItem>(i));
      menu.push_back(PictureEntry(entry.name, picture));
    }
  }
  bool ok = WriteAll(outDir + "/menu.pak", menu);
  const std::pair<const StoryPack*, StoryScene> stories[] = {
      {&introPack, StoryScene::Intro}, {&endingPack, StoryScene::Ending}, {&gameOverPack, StoryScene::GameOver}};
  const char* storyNames[] = {"intro", "ending", "gameover"};
  for (const auto& [pack, scene] : stories) {
    storySheet.push_back({storyNames[static_cast<int>(scene)], PaintStoryBackground(scene)});
    ok = WriteAll(outDir + "/" + (std::string(pack->pack).substr(6)),
                  {PictureEntry(pack->background, storySheet.back().picture),
                   {NativePath(pack->music), music[pack->music], false}}) && ok;
  }
  const std::pair<const LogoPack*, LogoKind> logos[] = {
      {&gameLogoPack, LogoKind::Game}, {&publisherLogoPack, LogoKind::Publisher}, {&makerLogoPack, LogoKind::Maker}};
  for (const auto& [pack, kind] : logos) {
    logoSheet.push_back({std::string(pack->pack).substr(6), PaintLogo(kind)});
    ok = WriteAll(outDir + "/" + std::string(pack->pack).substr(6), {PictureEntry(pack->picture, logoSheet.back().picture)}) && ok;
  }
  creditSheet.push_back({"title", PaintCreditsTitle()});
  std::vector<PackEntry> credits = {PictureEntry(creditsTitleName, creditSheet.back().picture)};
  for (int n = 0; n < creditsPictureCount; ++n) {
    creditSheet.push_back({std::to_string(creditsPictures + n), PaintCreditsPicture(n)});
    credits.push_back(PictureEntry(CreditsPictureName(n), creditSheet.back().picture));
  }
  credits.push_back({NativePath(creditsMusicName), music[creditsMusicName], false});
  ok = WriteAll(outDir + "/credits.pak", credits) && ok;
  const std::string& sheets = ContactSheetDirectory();
  if (!sheets.empty()) ok = screens::WriteScreenSheets(sheets, menuPictures, storySheet, logoSheet, creditSheet) && ok;
  return ok;
}
