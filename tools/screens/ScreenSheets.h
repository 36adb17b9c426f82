// Review aids for the screens' pictures: the menu composed as the game shows it, and the contact sheets.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "art/ContactSheet.h"
#include "base/ScreenPacks.h"

namespace screens {

// The menu screen put together from its pictures (keyed by menu item) where the game draws them, with the
// entry at `selected` (0..4) chosen; missing pictures are left out. 1024 x 768.
Picture MakeMenuMock(const std::map<int, Picture>& pictures, int selected);

// Writes the screens' contact sheets and the full-size review pictures into `directory`; false after saying why.
bool WriteScreenSheets(const std::string& directory, const std::map<int, Picture>& menu,
                       const std::vector<SheetItem>& stories, const std::vector<SheetItem>& logos,
                       const std::vector<SheetItem>& credits);

}  // namespace screens
