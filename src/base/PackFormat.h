// The one rule shared by the pack builder and the game's pack reader: how large entries are scrambled.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/ByteOrder.h"

// Entries of 256 bytes or more have their first 64 little-endian 32-bit words XORed with
// i * size * 0x2F6B9D43 (mod 2^32). The rule is its own inverse, and word 0 never changes.
inline void ScramblePackEntry(uint8_t* data, size_t size) {
  if (data == nullptr || size < 256) return;
  for (uint32_t i = 0; i < 64; ++i) {
    uint32_t key = i * static_cast<uint32_t>(size) * 0x2F6B9D43u;
    uint8_t* p = data + i * 4;
    WriteLe32(p, ReadLe32(p) ^ key);
  }
}
