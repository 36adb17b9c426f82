// The level themes whose background pictures the builder paints, and the pack each one goes into.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ImageWrite.h"

struct ThemeBackground {
  std::string theme;               // the theme name the level setup passes to LoadBackground
  std::function<Picture()> paint;  // paints the 740 x 748 picture
};

// Every theme named by the normal and hard theme tables, each once.
const std::vector<ThemeBackground>& ThemeBackgrounds();

// The pack "<theme>.pak" in the packs folder (the game opens "packs/<theme>.pak") and its only entry.
std::string ThemePackFile(const std::string& theme);
std::string ThemeEntryName(const std::string& theme);
