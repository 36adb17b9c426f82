// Writes the screens' packs: menu, the three stories, the three logos and the credits, in their load order.
#include <cstdio>
#include <map>

#include "Builder.h"
#include "PackWriter.h"
#include "art/ContactSheet.h"
#include "music/ScreenMusic.h"
#include "screens/ScreenArt.h"

namespace {

// Pack names use "/" whatever separator the game asks with.
std::string Slashed(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

PackEntry PictureEntry(const std::string& name, const Picture& picture) {
  return {Slashed(name), EncodeByName(Slashed(name), picture), false};
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
  for (int i = 0; i < menuEntryCount; ++i) {
    const MenuEntry& entry = menuEntries[i];
    if (entry.kind == MenuEntryKind::Sound) {
      menu.push_back({Slashed(entry.name), MakeMenuFlashSound(), false});
    } else if (entry.kind == MenuEntryKind::Music) {
      menu.push_back({Slashed(entry.name), music[entry.name], false});
    } else {
      menu.push_back(PictureEntry(entry.name, PaintMenuPicture(static_cast<MenuItem>(i))));
    }
  }
  bool ok = WriteAll(outDir + "/menu.pak", menu);
  const std::pair<const StoryPack*, StoryScene> stories[] = {
      {&introPack, StoryScene::Intro}, {&endingPack, StoryScene::Ending}, {&gameOverPack, StoryScene::GameOver}};
  for (const auto& [pack, scene] : stories) {
    ok = WriteAll(outDir + "/" + (std::string(pack->pack).substr(6)),
                  {PictureEntry(pack->background, PaintStoryBackground(scene)),
                   {Slashed(pack->music), music[pack->music], false}}) && ok;
  }
  const std::pair<const LogoPack*, LogoKind> logos[] = {
      {&gameLogoPack, LogoKind::Game}, {&publisherLogoPack, LogoKind::Publisher}, {&makerLogoPack, LogoKind::Maker}};
  for (const auto& [pack, kind] : logos) {
    ok = WriteAll(outDir + "/" + std::string(pack->pack).substr(6), {PictureEntry(pack->picture, PaintLogo(kind))}) && ok;
  }
  std::vector<PackEntry> credits = {PictureEntry(creditsTitleName, PaintCreditsTitle())};
  for (int n = 0; n < creditsPictureCount; ++n) credits.push_back(PictureEntry(CreditsPictureName(n), PaintCreditsPicture(n)));
  credits.push_back({Slashed(creditsMusicName), music[creditsMusicName], false});
  ok = WriteAll(outDir + "/credits.pak", credits) && ok;
  return ok;
}
