// Reading and writing the tile records of a level entry.
#include "base/LevelFormat.h"

#include <cmath>
#include <cstdio>

#include "base/ByteOrder.h"
#include "base/Playfield.h"

namespace {

std::string TileAt(size_t index, size_t at) {
  return "tile " + std::to_string(index + 1) + " (at byte " + std::to_string(at) + ")";
}

// Reads the record at `at` into `tile`; an empty text, or what is wrong with it.
std::string ReadRecord(const uint8_t* data, size_t size, size_t index, size_t& at, TileRecord& tile) {
  size_t start = at;
  if (size - at < tileRecordHeadBytes)
    return TileAt(index, start) + " is cut short: the entry ends " + std::to_string(size - at) + " bytes into it";
  tile.sprite = static_cast<int32_t>(ReadLe32(data + at));
  tile.capsule = static_cast<int32_t>(ReadLe32(data + at + 4));
  int32_t keyCount = static_cast<int32_t>(ReadLe32(data + at + 8));
  at += tileRecordHeadBytes;
  if (keyCount < 1 || keyCount > maxKeyPoints)
    return TileAt(index, start) + " has " + std::to_string(keyCount) + " key points (1 to " +
           std::to_string(maxKeyPoints) + " allowed)";
  if ((size - at) / keyPointBytes < static_cast<size_t>(keyCount))
    return TileAt(index, start) + " is cut short: the entry ends inside its " + std::to_string(keyCount) +
           " key points";
  // Only the kinds the game has pictures for: each is drawn as its sprite plus a frame of 0 to 15.
  if (!IsTileKind(tile.sprite)) return TileAt(index, start) + " is of no known kind (" + std::to_string(tile.sprite) + ")";
  if (tile.capsule != 0 && !IsLevelCapsule(tile.capsule))
    return TileAt(index, start) + " carries no known capsule (" + std::to_string(tile.capsule) + ")";
  tile.keys.resize(static_cast<size_t>(keyCount));
  for (size_t k = 0; k < tile.keys.size(); ++k) {
    KeyPoint& key = tile.keys[k];
    key.seconds = static_cast<int32_t>(ReadLe32(data + at));
    key.x = ReadLeFloat(data + at + 4);
    key.y = ReadLeFloat(data + at + 8);
    at += keyPointBytes;
    std::string which = TileAt(index, start) + " key point " + std::to_string(k + 1);
    if (!std::isfinite(key.x) || !std::isfinite(key.y))
      return TileAt(index, start) + " has a key point that is not a number";
    if (!TileInField(key.x, key.y)) {
      char where[96];
      std::snprintf(where, sizeof where, " puts the tile outside the field (centre %.2f, %.2f)", key.x, key.y);
      return which + where;
    }
    if (key.seconds < 0 || key.seconds > maxKeySeconds)
      return which + " lasts " + std::to_string(key.seconds) + " seconds (0 to " + std::to_string(maxKeySeconds) +
             " allowed)";
  }
  return {};
}

}  // namespace

LevelRead ReadLevelRecords(const uint8_t* data, size_t size) {
  LevelRead read;
  if (data == nullptr) return read;
  size_t at = 0;
  while (at < size) {
    if (read.tiles.size() == static_cast<size_t>(maxLevelTiles)) {
      read.tiles.clear();
      read.error = "more than " + std::to_string(maxLevelTiles) + " tiles (the field holds no more): the entry goes on at byte " +
                   std::to_string(at);
      return read;
    }
    TileRecord tile;
    read.error = ReadRecord(data, size, read.tiles.size(), at, tile);
    if (!read.error.empty()) {
      read.tiles.clear();
      return read;
    }
    read.tiles.push_back(std::move(tile));
  }
  return read;
}

void AppendTileRecord(std::vector<uint8_t>& out, const TileRecord& tile) {
  AppendLe32(out, static_cast<uint32_t>(tile.sprite));
  AppendLe32(out, static_cast<uint32_t>(tile.capsule));
  AppendLe32(out, static_cast<uint32_t>(tile.keys.size()));
  for (const KeyPoint& key : tile.keys) {
    AppendLe32(out, static_cast<uint32_t>(key.seconds));
    AppendLeFloat(out, key.x);
    AppendLeFloat(out, key.y);
  }
}
