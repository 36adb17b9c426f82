// Tile hits, explosions, the level-cleared check and the won level.
#pragma once

void CheckLevelCleared();
void DrawExplosions();
void LevelWon();
void AddBigExplosion(float x, float y, int size);
