// The level model shared by the level compiler, its previews and its tests: tiles with their source lines, kind and capsule names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/LevelFormat.h"
#include "base/Playfield.h"

// A tile record with where its statement stood in the source.
struct LevelTile : TileRecord {
  int line = 0;                // source line of the statement that made the tile, for messages
  float writtenX = 0;          // where the source put the tile before any path moved it, screen pixels;
  float writtenY = 0;          //   capsule statements find their tile by this point
};

struct Level {
  std::string name;        // the level's idea, as the designer names it
  std::string sourcePath;  // the text file it was compiled from
  int index = -1;          // level index within its set
  std::vector<LevelTile> tiles;
};

// Kind and capsule names of the level sources; the lookups return 0 for an unknown name.
int KindByName(const std::string& name);
int CapsuleByName(const std::string& name);  // case-insensitive
const char* KindName(int sprite);
const char* CapsuleName(int capsule);
