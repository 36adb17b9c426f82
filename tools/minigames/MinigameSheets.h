// Review aids for the minigames' pictures: each game's screen composed from its pictures as the game lays them
// out, and the contact sheets.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "art/ContactSheet.h"

namespace minigames {

// The pictures of one pack by their picture numbers; a missing picture is left out of the composed screens.
using PictureSet = std::map<int, Picture>;

// 1024 x 768 screens: the falling-block board part way through a game, the duck gallery with a target of each
// kind in its rows, and Sugar with balloons carrying their sweets.
Picture MakeTetrisMock(const PictureSet& pictures);
Picture MakeDuckMock(const PictureSet& pictures);
Picture MakeSugarMock(const PictureSet& pictures);

// Writes <dir>/<name>.png and <name>_light.png (the contact sheets) and <dir>/<name>_screen.png (the composed
// screen); false after printing why.
bool WriteMinigameSheets(const std::string& directory, const std::string& name, const std::vector<SheetItem>& items,
                         const Picture& screen);

}  // namespace minigames
