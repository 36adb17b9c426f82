// Kind and capsule names of the level sources, and the byte layout of a compiled level.
#include "LevelModel.h"

#include <cctype>
#include <cstring>

namespace {

struct NamedNumber {
  const char* name;
  int number;
};

const NamedNumber kKinds[] = {
    {"red", kKindRed},       {"green", kKindGreen},     {"blue", kKindBlue},   {"yellow", kKindYellow},
    {"magenta", kKindMagenta}, {"cyan", kKindCyan},     {"white", kKindWhite}, {"black", kKindBlack},
    {"solid", kKindSolid},   {"hit3", kKindHit3},       {"hit2", kKindHit2},   {"hit1", kKindHit1},
    {"tele", kKindTeleporter},
};

const NamedNumber kCapsules[] = {
    {"TRIPLE", kCapsuleTriple}, {"ENLARGE", kCapsuleEnlarge}, {"FIRE", kCapsuleFire},
    {"LASER", kCapsuleLaser},   {"GLUE", kCapsuleGlue},       {"MISSILE", kCapsuleMissile},
    {"DOOR", kCapsuleDoor},     {"ROW", kCapsuleRow},         {"BIGGER", kCapsuleBigger},
    {"CHAINGUN", kCapsuleChaingun}, {"LIFE", kCapsuleLife},
};

std::string Upper(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

void PutInt(std::vector<uint8_t>& out, int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(bits >> shift));
}

void PutFloat(std::vector<uint8_t>& out, float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  PutInt(out, static_cast<int32_t>(bits));
}

uint32_t GetBits(const std::vector<uint8_t>& data, size_t at) {
  return static_cast<uint32_t>(data[at]) | static_cast<uint32_t>(data[at + 1]) << 8 |
         static_cast<uint32_t>(data[at + 2]) << 16 | static_cast<uint32_t>(data[at + 3]) << 24;
}

float GetFloat(const std::vector<uint8_t>& data, size_t at) {
  uint32_t bits = GetBits(data, at);
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

int KindByName(const std::string& name) {
  for (const NamedNumber& kind : kKinds)
    if (name == kind.name) return kind.number;
  return 0;
}

int CapsuleByName(const std::string& name) {
  std::string upper = Upper(name);
  for (const NamedNumber& capsule : kCapsules)
    if (upper == capsule.name) return capsule.number;
  return 0;
}

const char* KindName(int sprite) {
  for (const NamedNumber& kind : kKinds)
    if (sprite == kind.number) return kind.name;
  return "?";
}

const char* CapsuleName(int capsule) {
  for (const NamedNumber& entry : kCapsules)
    if (capsule == entry.number) return entry.name;
  return "?";
}

std::vector<uint8_t> EncodeLevel(const std::vector<LevelTile>& tiles) {
  std::vector<uint8_t> out;
  for (const LevelTile& tile : tiles) {
    PutInt(out, tile.sprite);
    PutInt(out, tile.capsule);
    PutInt(out, static_cast<int32_t>(tile.keys.size()));
    for (const KeyPoint& key : tile.keys) {
      PutInt(out, key.seconds);
      PutFloat(out, key.x);
      PutFloat(out, key.y);
    }
  }
  return out;
}

bool DecodeLevel(const std::vector<uint8_t>& data, std::vector<LevelTile>& tiles, std::string& error) {
  tiles.clear();
  size_t at = 0;
  while (at < data.size()) {
    if (data.size() - at < 12) {
      error = "level data ends inside a tile record at byte " + std::to_string(at);
      return false;
    }
    LevelTile tile;
    tile.sprite = static_cast<int32_t>(GetBits(data, at));
    tile.capsule = static_cast<int32_t>(GetBits(data, at + 4));
    int32_t keyCount = static_cast<int32_t>(GetBits(data, at + 8));
    at += 12;
    if (keyCount < 1 || keyCount > kMaxKeyPoints) {
      error = "tile " + std::to_string(tiles.size()) + " has " + std::to_string(keyCount) + " key points";
      return false;
    }
    if (data.size() - at < static_cast<size_t>(keyCount) * 12) {
      error = "level data ends inside the key points of tile " + std::to_string(tiles.size());
      return false;
    }
    for (int32_t i = 0; i < keyCount; ++i, at += 12)
      tile.keys.push_back({static_cast<int32_t>(GetBits(data, at)), GetFloat(data, at + 4), GetFloat(data, at + 8)});
    tiles.push_back(std::move(tile));
  }
  return true;
}
