// Tile hits and the level's end (not written yet).
#include "play/TileHits.h"

void CheckLevelCleared() {}
void DrawExplosions() {}
void LevelWon() {}
void AddBigExplosion(float, float, int) {}
