// Test support for the balls and tile hits: tiles and balls built by hand, no level file needed.
#pragma once

#include "game/PlayState.h"

// Appends an alive, still tile of `sprite` centred on (x, y), 64 × 20; returns it.
Tile* AddTile(float x, float y, int sprite, int capsule = 0);
// A ball record with its mass, not in any list.
Ball MakeBall(float x, float y, float vx, float vy, float radius = 8);
// Appends a ball to `lists.balls` without clearing room round it; returns it.
Ball* PutBall(float x, float y, float vx, float vy, float radius = 8);
// Every teleporter tile into `lists.teleporters`, as a level start does.
void ListTeleporters();
