// Capsules and their effects, the thread, the malus; the floating words come with them (Effects.h).
#pragma once

#include "base/TileKinds.h"
#include "game/Effects.h"

// Runs the malus and fire timers and moves, turns and catches the capsules; once per frame.
void StepCapsules();
void DrawCapsules();
// A destroyed tile's capsule starts falling from the tile's centre (`kind` 0: nothing).
void ReleaseCapsule(float x, float y, int kind);
// One BONUS letter and one malus hidden in capsule-less breakable tiles of a fresh level.
void PlaceLetterAndMalus();
// Carries out `play.malusKind` after a malus capsule was caught.
void ApplyMalus();
// Every ball one size larger.
void GrowBalls();
// The protective thread along the bottom: its fade in and out and its running picture; once per frame.
void StepThread();
void DrawThread();
