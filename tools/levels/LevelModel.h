// The level model shared by the level compiler, its previews and its tests: tiles, key points, kinds and capsules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Playfield and tile geometry in screen pixels; a tile's whole box must stay inside the field.
constexpr float kFieldLeft = 88.0f;
constexpr float kFieldTop = 20.0f;
constexpr float kFieldRight = 808.0f;
constexpr float kFieldBottom = 768.0f;
constexpr float kTileWidth = 64.0f;
constexpr float kTileHeight = 20.0f;
constexpr float kShipY = 728.0f;
constexpr int kMaxKeyPoints = 60;  // the game's key arrays hold no more

// Tile kinds are the base sprite numbers the game draws them with.
constexpr int kKindRed = 34;
constexpr int kKindGreen = 50;
constexpr int kKindBlue = 66;
constexpr int kKindYellow = 82;
constexpr int kKindMagenta = 98;
constexpr int kKindCyan = 114;
constexpr int kKindWhite = 130;
constexpr int kKindBlack = 146;
constexpr int kKindSolid = 162;  // unbreakable
constexpr int kKindHit3 = 178;
constexpr int kKindHit2 = 194;
constexpr int kKindHit1 = 210;
constexpr int kKindTeleporter = 226;

// Capsule kinds a level may carry (the letters and the malus are placed by the game itself).
constexpr int kCapsuleTriple = 242;
constexpr int kCapsuleEnlarge = 258;
constexpr int kCapsuleFire = 274;
constexpr int kCapsuleLaser = 290;
constexpr int kCapsuleGlue = 306;
constexpr int kCapsuleMissile = 322;
constexpr int kCapsuleDoor = 338;
constexpr int kCapsuleRow = 354;
constexpr int kCapsuleBigger = 370;
constexpr int kCapsuleChaingun = 386;
constexpr int kCapsuleLife = 402;
constexpr int kCapsuleMalus = 418;
constexpr int kCapsuleFirstLetter = 434;
constexpr int kCapsuleLastLetter = 498;

struct KeyPoint {
  int seconds = 1;  // seconds the tile takes from this key point to the next
  float x = 0;      // tile centre, screen pixels
  float y = 0;      // tile centre, screen pixels
};

struct LevelTile {
  int sprite = 0;              // tile kind
  int capsule = 0;             // capsule sprite released when destroyed, 0 for none
  std::vector<KeyPoint> keys;  // closed path; one key point means the tile stands still
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

inline bool IsColourKind(int sprite) { return sprite >= kKindRed && sprite <= kKindBlack && (sprite - kKindRed) % 16 == 0; }
inline bool IsMultiHitKind(int sprite) { return sprite == kKindHit3 || sprite == kKindHit2 || sprite == kKindHit1; }
inline bool IsBreakableKind(int sprite) { return IsColourKind(sprite) || IsMultiHitKind(sprite); }
inline bool IsKnownKind(int sprite) {
  return IsBreakableKind(sprite) || sprite == kKindSolid || sprite == kKindTeleporter;
}
inline bool IsLevelCapsule(int capsule) { return capsule >= kCapsuleTriple && capsule <= kCapsuleLife && (capsule - kCapsuleTriple) % 16 == 0; }

// Kind and capsule names of the level sources; the lookups return 0 for an unknown name.
int KindByName(const std::string& name);
int CapsuleByName(const std::string& name);  // case-insensitive
const char* KindName(int sprite);
const char* CapsuleName(int capsule);

// The level entry: tile records one after the other, little-endian, no header.
std::vector<uint8_t> EncodeLevel(const std::vector<LevelTile>& tiles);
// Reads records back; false with a message when the data ends inside a record or holds impossible values.
bool DecodeLevel(const std::vector<uint8_t>& data, std::vector<LevelTile>& tiles, std::string& error);
