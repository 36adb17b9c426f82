// The level entry of a level pack: its tile records, and the one reader and the one writer of their bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/TileKinds.h"

// The entry holds tile records one after the other, little-endian, with no header. A record is the
// sprite (int32), the capsule (int32), the key count (int32), then for each key point its seconds
// (int32), x and y (float32).
constexpr size_t tileRecordHeadBytes = 12, keyPointBytes = 12;

struct KeyPoint {
  int seconds = 1;  // seconds the tile takes from this key point to the next
  float x = 0;      // tile centre, screen pixels
  float y = 0;      // tile centre, screen pixels
};

struct TileRecord {
  int sprite = 0;              // tile kind
  int capsule = 0;             // capsule kind released when the tile is destroyed, 0 for none
  std::vector<KeyPoint> keys;  // closed path; one key point means the tile stands still
};

struct LevelRead {
  std::vector<TileRecord> tiles;  // every record, in order; empty when the entry was refused
  std::string error;              // empty when the entry was read whole, else what is wrong with it
};

// Reads a whole entry (no data or none at all: no tiles). A damaged entry is refused as a whole:
// a record cut short by the end of the data, more records than the field holds (maxLevelTiles), a
// tile of no known kind, a capsule a level may not give, a key count outside 1..maxKeyPoints, a key
// point that is not a finite number or leaves the tile's box outside the field, or key seconds
// outside 0..maxKeySeconds.
LevelRead ReadLevelRecords(const uint8_t* data, size_t size);
inline LevelRead ReadLevelRecords(const std::vector<uint8_t>& bytes) {
  return ReadLevelRecords(bytes.data(), bytes.size());
}

// Appends the bytes of one record.
void AppendTileRecord(std::vector<uint8_t>& out, const TileRecord& tile);

// The entry for `tiles`, any sequence of records (or of things made from them), in order.
template <typename Tiles>
std::vector<uint8_t> WriteLevelRecords(const Tiles& tiles) {
  std::vector<uint8_t> out;
  for (const TileRecord& tile : tiles) AppendTileRecord(out, tile);
  return out;
}
