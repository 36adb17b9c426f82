// The pictures of packs/maingfx.pak and packs/panel.pak in the order the game loads them, each with its painter.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ImageWrite.h"
#include "base/MainPictureTable.h"

struct ArtEntry {
  std::string name;               // entry name, "/" separated
  int number = 0;                 // sprite or image number the game loads it under
  std::function<Picture()> paint;  // paints the picture; the file format follows the name
};

// The painter of one picture of the game's table, empty when the builder has none for it.
std::function<Picture()> PainterFor(const MainPicture& picture);

std::vector<ArtEntry> MainGraphicsTable();  // MainPictureTable() with painters
std::vector<ArtEntry> PanelTable();         // PanelPictureTable() with painters
