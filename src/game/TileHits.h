// Tile hits, explosions, the level-cleared check and the won level.
#pragma once

struct Ball;

// What one ball-to-tile contact turned out to be, for its reflection and its sound.
struct TileContact {
  int bounceKind = 1;  // 1 colour tile, 2 multi-hit tile, 3 teleporter, 4 unbreakable tile
  bool specialHit = false;  // an unbreakable tile or a teleporter was touched (even a fire ball bounces)
};

// One sample point of `ball` on the alive tile `tileIndex`: what the hit does to the tile.
void ApplyTileHit(Ball& ball, int tileIndex, TileContact& contact);
void CheckLevelCleared();
// Every explosion moves on to its next picture; one past its last picture is gone. Once per frame.
void StepExplosions();
// The debris of tiles and the big blasts.
void DrawExplosions();
// The debris of monsters, drawn with the monsters.
void DrawMonsterExplosions();
void LevelWon();
// Which drawing layer a debris explosion belongs to.
enum class ExplosionLayer { Tiles, Monsters };
// Starts an explosion centred on (x, y): debris drawn at its own size in `layer`, or with `zoomedSize`
// (pixels) a big blast drawn zoomed to that width and height.
void AddExplosion(float x, float y, int zoomedSize = 0, ExplosionLayer layer = ExplosionLayer::Tiles);
// Counts of the level-cleared test: alive breakable tiles.
int AliveBreakableTiles();
// The tile challenge of normal level 91 and hard level 33: clear the multi-hit tiles without breaking
// a single colour tile.
bool IsTileChallengeLevel();
