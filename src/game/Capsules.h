// Capsules and their effects, the thread, the malus; the floating words come with them (Effects.h).
#pragma once

#include "game/Effects.h"

// Capsule kinds: the first of each kind's 16 pictures, as stored in the tiles of the level files.
enum CapsuleKind : int {
  capsuleTriple = 242, capsuleEnlarge = 258, capsuleFire = 274, capsuleLaser = 290, capsuleGlue = 306,
  capsuleMissile = 322, capsuleDoor = 338, capsuleRow = 354, capsuleBigger = 370, capsuleChaingun = 386,
  capsuleExtraLife = 402, capsuleMalus = 418, capsuleLetterB = 434, capsuleLetterO = 450, capsuleLetterN = 466,
  capsuleLetterU = 482, capsuleLetterS = 498
};
inline bool IsLetterCapsule(int kind) { return kind >= capsuleLetterB && kind <= capsuleLetterS; }

// Draws, moves and catches the capsules and runs the malus and fire timers; once per frame.
void UpdateCapsules();
// A destroyed tile's capsule starts falling from the tile's centre (`kind` 0: nothing).
void ReleaseCapsule(float x, float y, int kind);
// One BONUS letter and one malus hidden in capsule-less breakable tiles of a fresh level.
void PlaceLetterAndMalus();
// Carries out `play.malusKind` after a malus capsule was caught.
void ApplyMalus();
// Every ball one size larger.
void GrowBalls();
// The protective thread along the bottom, its fade in and out.
void DrawThread();
