// Fuzz target: the level reader takes any bytes a level pack's entry may hold.
#include <cstddef>
#include <cstdint>

#include "base/LevelFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LevelRead read = ReadLevelRecords(data, size);
  if (!read.error.empty() && !read.tiles.empty()) __builtin_trap();  // a refused entry holds no tiles
  return 0;
}
