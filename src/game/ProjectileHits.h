// What the ship's projectiles do to tiles: the tile-in-box query, blasting a tile.
#pragma once

// False once the level is won: shots, missiles, fragments and bullets fly on and are drawn but break and score
// nothing.
bool ProjectilesHit();
// The first alive tile in list order whose 64 × 20 box overlaps the box (left, top)..(right, bottom); -1 for none.
int TileInBox(float left, float top, float right, float bottom);
// A projectile at `projectileX` destroys tile `index`: its capsule falls, debris, the explosion sound.
void BlastTile(int index, float projectileX);
