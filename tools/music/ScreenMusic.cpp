// The five screen tracks: composed, rendered and checked as the level tracks are, handed over by entry name.
#include "music/ScreenMusic.h"

#include <chrono>
#include <cstdio>

#include "art/ContactSheet.h"
#include "base/ScreenPacks.h"
#include "music/MusicPacks.h"

namespace music {

const std::vector<std::string>& ScreenTrackEntryNames() {
  // In the order of ScreenTrackDesigns().
  static const std::vector<std::string> names = {menuEntries[menuMusic].name, introPack.music, endingPack.music,
                                                 gameOverPack.music, creditsMusicName};
  return names;
}

bool BuildScreenTracks(std::map<std::string, std::vector<uint8_t>>& byEntryName) {
  auto start = std::chrono::steady_clock::now();
  const std::vector<TrackDesign>& designs = ScreenTrackDesigns();
  const std::vector<std::string>& names = ScreenTrackEntryNames();
  if (designs.size() != names.size()) {
    std::fprintf(stderr, "packbuilder: %zu screen tracks composed for %zu screen music entries\n", designs.size(),
                 names.size());
    return false;
  }
  std::vector<BuiltTrack> built;
  // Numbered apart from the level tracks' streams, so that no two files share a stream number.
  if (!BuildAllTracks(designs, 0x4E420200u, built, 0, 2)) return false;
  PrintTracks("screen music", built);
  // The screens play their tracks at full volume.
  if (!CatalogueTracks(built, "music (screen)", 100)) return false;
  size_t total = 0;
  for (size_t i = 0; i < built.size(); ++i) {
    total += built[i].bytes.size();
    byEntryName[names[i]] = built[i].bytes;
  }
  const std::string& sheets = ContactSheetDirectory();
  if (!sheets.empty() && !WriteMusicSheets(sheets, built)) return false;
  std::printf("screen music: %zu tracks, %zu bytes, in %.2f s\n", built.size(), total,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  return true;
}

}  // namespace music
