// The main packs' entries in the order the game loads them: maingfx.pak's pictures, panel.pak's and sounds.pak's.
#pragma once

#include <string>
#include <vector>

#include "base/AssetNames.h"

// How the game loads a main picture.
enum class MainLoader {
  SpriteQuad,        // a sprite with alpha and its quad
  OpaqueSpriteQuad,  // the same without alpha
  PivotSpriteQuad,   // the same turning round a point of its own (the chaingun)
  SpriteEntry,       // a sprite only, blitted
  ImageEntry         // an image, read pixel by pixel
};

struct MainPicture {
  std::string name;  // entry name in the pack, "/" separated
  int number = 0;    // sprite number, or image number for an ImageEntry
  MainLoader loader = MainLoader::SpriteQuad;
};

const std::vector<MainPicture>& MainPictureTable();   // the 864 entries of packs/maingfx.pak
const std::vector<MainPicture>& PanelPictureTable();  // the 3 entries of packs/panel.pak

struct MainSound {
  Sound sound;
  std::string name;  // entry name in the pack
};
const std::vector<MainSound>& MainSoundTable();  // the 21 entries of packs/sounds.pak
