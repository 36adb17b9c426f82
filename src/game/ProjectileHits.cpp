// The tile rules shared by laser shots, missiles, shrapnel and bullets.
#include "game/ProjectileHits.h"

#include "game/Capsules.h"
#include "game/PlayState.h"
#include "game/TileHits.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

bool ProjectilesHit() { return !play.levelWon; }

int TileInBox(float left, float top, float right, float bottom) {
  int count = lists.tiles.Count();
  for (int i = 0; i < count; ++i) {
    const Tile* tile = lists.tiles.At(i);
    if (!tile->alive) continue;
    float tileLeft = tile->x - tileWidth / 2.0f, tileRight = tile->x + tileWidth / 2.0f;
    float tileTop = tile->y - tileHeight / 2.0f, tileBottom = tile->y + tileHeight / 2.0f;
    if (tileLeft < right && tileRight > left && tileTop < bottom && tileBottom > top) return i;
  }
  return -1;
}

void BlastTile(int index, float projectileX) {
  Tile* tile = lists.tiles.At(index);
  if (tile == nullptr || !tile->alive) return;
  ReleaseCapsule(tile->x, tile->y, tile->capsule);
  AddExplosion(tile->x, tile->y);
  PlayEffectSound(Sound::TileShatter, PanOf(projectileX), 50, 20000);
  tile->alive = false;
  runCounts.tilesDestroyed += 1;
}
