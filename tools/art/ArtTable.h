// The pictures of packs/maingfx.pak and packs/panel.pak in the order the game loads them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ImageWrite.h"

struct ArtEntry {
  std::string name;               // file name as the game's loader passes it, "/" separated
  int number = 0;                 // sprite or image number the game loads it under
  std::function<Picture()> paint;  // paints the picture; the file format follows the name
};

std::vector<ArtEntry> MainGraphicsTable();  // 864 entries
std::vector<ArtEntry> PanelTable();         // 3 entries

// Glyph numbers of the bitmap fonts for a character code, 0 when the font has no such glyph.
int SilverGlyphNumber(int characterCode);
int GoldGlyphNumber(int characterCode);
