// The five tracks of the screens around play: menu, intro, ending, game over and credits.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace music {

// Renders, encodes and checks the five screen tracks; `byEntryName` maps each track's entry name in its pack
// (the music names of base/ScreenPacks.h) to its Ogg Vorbis bytes. False after printing what failed.
bool BuildScreenTracks(std::map<std::string, std::vector<uint8_t>>& byEntryName);

// The Tetris minigame's track ("noval01a.ogg" of packs/tetris.pak) as Ogg Vorbis bytes; false after printing why.
bool BuildTetrisTrack(std::vector<uint8_t>& ogg);

// The entry name of each screen track, in the order of ScreenTrackDesigns().
const std::vector<std::string>& ScreenTrackEntryNames();

}  // namespace music
