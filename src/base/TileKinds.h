// Tile kinds, capsule kinds and the length of a tile's path: the numbers stored in the level files.
#pragma once

// Tile kinds by base sprite: the first of each kind's 16 pictures.
enum TileKind : int {
  tileRed = 34, tileGreen = 50, tileBlue = 66, tileYellow = 82, tileMagenta = 98, tileCyan = 114,
  tileWhite = 130, tileBlack = 146, tileUnbreakable = 162, tileThreeHits = 178, tileTwoHits = 194,
  tileOneHit = 210, tileTeleporter = 226
};
// Any sprite from red to black, pictures between the kinds included.
inline bool IsColourTile(int sprite) { return sprite >= tileRed && sprite <= tileBlack; }
inline bool IsMultiHitTile(int sprite) { return sprite == tileThreeHits || sprite == tileTwoHits || sprite == tileOneHit; }
inline bool IsBreakableTile(int sprite) { return IsColourTile(sprite) || IsMultiHitTile(sprite); }
// Exactly one of the kinds above.
inline bool IsTileKind(int sprite) {
  return (IsColourTile(sprite) && (sprite - tileRed) % 16 == 0) || IsMultiHitTile(sprite) || sprite == tileUnbreakable ||
         sprite == tileTeleporter;
}

// Capsule kinds: the first of each kind's 16 pictures, as stored in the tiles of the level files.
enum CapsuleKind : int {
  capsuleTriple = 242, capsuleEnlarge = 258, capsuleFire = 274, capsuleLaser = 290, capsuleGlue = 306,
  capsuleMissile = 322, capsuleDoor = 338, capsuleRow = 354, capsuleBigger = 370, capsuleChaingun = 386,
  capsuleExtraLife = 402, capsuleMalus = 418, capsuleLetterB = 434, capsuleLetterO = 450, capsuleLetterN = 466,
  capsuleLetterU = 482, capsuleLetterS = 498
};
inline bool IsLetterCapsule(int kind) { return kind >= capsuleLetterB && kind <= capsuleLetterS; }
// The capsules a level file may give a tile; the letters and the malus are placed by the game itself.
inline bool IsLevelCapsule(int kind) {
  return kind >= capsuleTriple && kind <= capsuleExtraLife && (kind - capsuleTriple) % 16 == 0;
}

// The most key points a tile's path may have: the game's key arrays hold no more.
constexpr int maxKeyPoints = 60;
// The longest a tile takes from one key point to the next, seconds; a slower tile never seems to move.
// (0 is taken as one second.)
constexpr int maxKeySeconds = 3600;
