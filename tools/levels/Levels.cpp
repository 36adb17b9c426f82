// The level compiler's part of the pack builder: compiles both level sets and writes one pack per level.
#include <chrono>
#include <cstdio>

#include "Builder.h"
#include "LevelSets.h"
#include "PackWriter.h"

bool BuildLevelPacks(const std::string& levelSourceDir, const std::string& outDir) {
  auto started = std::chrono::steady_clock::now();
  bool ok = true;
  int written = 0;
  for (const LevelSetInfo& set : LevelSets()) {
    std::map<int, Level> levels;
    std::string errors;
    if (!LoadLevelSet(levelSourceDir, set, levels, errors)) {
      std::fprintf(stderr, "%s", errors.c_str());
      ok = false;
      continue;
    }
    for (const auto& [index, level] : levels) {
      // The game reads the tile records as they are: the entry is never scrambled.
      PackEntry entry{"level" + std::to_string(index) + ".dat", WriteLevelRecords(level.tiles), true};
      // Never write a level the game would refuse to read.
      std::string refused = ReadLevelRecords(entry.data).error;
      if (!refused.empty()) {
        std::fprintf(stderr, "%s: the game would refuse this level: %s\n", level.sourcePath.c_str(), refused.c_str());
        ok = false;
        continue;
      }
      if (!WritePack(LevelPackPath(outDir, set.name, index), {entry})) ok = false;
      else ++written;
    }
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("packbuilder: %d level packs in %.2f s\n", written, seconds);
  if (!ok) std::fprintf(stderr, "packbuilder: the levels were not all compiled\n");
  return ok;
}
