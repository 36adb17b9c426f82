// Fuzz target: the pack reader takes any bytes a pack file may hold and hands out its entries one by one.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "media/Media.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The bytes stand as a file in memory, opened by its name under /proc like any pack on disk.
  static const int file = memfd_create("pack", 0);
  if (file < 0 || ftruncate(file, 0) != 0 || pwrite(file, data, size, 0) != static_cast<ssize_t>(size)) __builtin_trap();
  if (!OpenPack("/proc/self/fd/" + std::to_string(file))) return 0;
  while (const uint8_t* entry = NextPackEntry()) {
    if (entry[PackEntrySize()] != 0) __builtin_trap();  // every entry ends with a zero byte for text readers
    PackEntryName();
  }
  ClosePack();
  return 0;
}
