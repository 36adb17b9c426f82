// The two level sets: which indices each holds, where their sources live, and loading a whole set.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "LevelModel.h"

struct LevelSetInfo {
  std::string name;          // folder name under the sources and under packs/: "normal" or "hard"
  std::vector<int> indices;  // every level index the game can ask for in this set
  int bossIndex;             // the boss arena, which ends through the boss and may hold no breakable tile
  std::vector<int> gravityIndices;  // levels whose theme switches gravity on
  int challengeIndex;        // the tile-challenge level
};

const std::vector<LevelSetInfo>& LevelSets();

// Compiles every source of the set from `sourceDir`/<set name>/level<index>.txt (leading zeros allowed).
// A missing index, a source that names no index of the set, two sources for one index, a compile error,
// or an ordinary level without a breakable tile are all reported; `errors` collects every message.
bool LoadLevelSet(const std::string& sourceDir, const LevelSetInfo& set, std::map<int, Level>& levels,
                  std::string& errors);

// "packs/normal/level7.pak" below the output folder.
std::string LevelPackPath(const std::string& outDir, const std::string& setName, int index);
