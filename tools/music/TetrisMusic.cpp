// The falling-block minigame's track: rendered, encoded and checked as the other tracks are.
#include <chrono>
#include <cstdio>

#include "art/ContactSheet.h"
#include "music/MusicPacks.h"
#include "music/ScreenMusic.h"

namespace music {

bool BuildTetrisTrack(std::vector<uint8_t>& ogg) {
  auto start = std::chrono::steady_clock::now();
  // The built track points at its design, so the list of designs lives as long as it.
  static const std::vector<TrackDesign> designs = {TetrisTrackDesign()};
  std::vector<BuiltTrack> built;
  // Numbered apart from the level and screen tracks' streams.
  if (!BuildAllTracks(designs, 0x4E420300u, built, 0, 1)) return false;
  PrintTracks("minigame music", built);
  if (!CatalogueTracks(built, "music (minigame)", 100)) return false;
  ogg = built.front().bytes;
  const std::string& sheets = ContactSheetDirectory();
  if (!sheets.empty() && !WriteMusicSheets(sheets, built)) return false;
  std::printf("minigame music: %zu bytes, in %.2f s\n", ogg.size(),
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  return true;
}

}  // namespace music
