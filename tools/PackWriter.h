// Writing pack files: zip archives whose entries stand in load order under the names the game loads them by.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PackEntry {
  std::string name;           // the file name the game passes to its loader, "/" separated
  std::vector<uint8_t> data;  // the file's bytes as they are, before scrambling
  bool plain = false;         // level data is stored as it is, never scrambled
};

// Writes the pack under a temporary name and renames it into place; large entries are scrambled.
// Returns false (and prints why) when the archive cannot be written.
bool WritePack(const std::string& path, const std::vector<PackEntry>& entries);

// Reads a pack back, for the builder's own checks and its tests; `unscramble` undoes the
// scrambling of large entries (leave it false for packs of plain entries such as levels).
bool ReadPack(const std::string& path, std::vector<PackEntry>& entries, bool unscramble = true);
