// Test support for the extras: the main pictures made once (their sizes matter), tiles and balls made by hand.
#pragma once

#include "game/PlayState.h"

// Loads the game's main pictures and sounds from the built game folder, once per test program: for tests that
// look at the pictures themselves.
void EnsureMainAssets();
// Play state reset, no input held, the main pictures there: blank ones of their real sizes unless the packs'
// were loaded.
void ResetExtrasTest();
// Appends an alive tile of `sprite` centred on (x, y); returns its index.
int AddTestTile(float x, float y, int sprite, int capsule = 0);
// Appends a ball of radius 8 at (x, y) with velocity (vx, vy), without clearing room.
Ball* AddTestBall(float x, float y, float vx, float vy);
// Drops a capsule of `kind` straight onto the ship and runs the capsule step that catches it.
void CatchCapsule(int kind);
// Holds the fire button (left mouse button) from the next frame on, or lets it go.
void HoldFire(bool held);
// One frame of sampled input, as the frame loop takes it before its procedures run.
void SampleFrame();
