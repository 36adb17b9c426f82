// The screen and playfield geometry and the level indices with a meaning of their own, for the game and the level compiler.
#pragma once

// Screen and playfield, in pixels; a tile's whole box stays inside the field.
constexpr int screenWidth = 1024, screenHeight = 768, screenDepth = 32;
constexpr int fieldLeft = 88, fieldTop = 20, fieldRight = 808, fieldBottom = 768;
constexpr int fieldWidth = fieldRight - fieldLeft, fieldHeight = fieldBottom - fieldTop;
constexpr int tileWidth = 64, tileHeight = 20;
// The most tiles the field holds side by side without overlapping: no level has more.
constexpr int maxLevelTiles = (fieldWidth / tileWidth) * (fieldHeight / tileHeight);
// How far a tile's box may graze the field's edge: positions turned or mirrored by the level compiler
// are rounded, pixels.
constexpr float fieldSlack = 0.01f;
// True when a tile centred at (x, y) keeps its whole box inside the field.
inline bool TileInField(float x, float y) {
  return x - tileWidth / 2 >= fieldLeft - fieldSlack && x + tileWidth / 2 <= fieldRight + fieldSlack &&
         y - tileHeight / 2 >= fieldTop - fieldSlack && y + tileHeight / 2 <= fieldBottom + fieldSlack;
}
// Where the ship's centre stands when a level starts, pixels.
constexpr int shipStartX = fieldLeft + 360, shipStartY = fieldBottom - 40;

// Level indices with a meaning of their own.
constexpr int lastOrdinaryLevelHard = 49, lastOrdinaryLevelNormal = 98;
constexpr int finalLevelHard = 50, finalLevelNormal = 99;
constexpr int lastChanceLevel = 100, bonusLevel = 102;
// The levels of the tile challenge: every multi-hit tile must go before any colour tile.
constexpr int tileChallengeLevelHard = 33, tileChallengeLevelNormal = 91;
