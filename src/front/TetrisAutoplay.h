// The machine player of Tetris: where each piece should go, and the keys that take it there.
#pragma once

#include <string>

struct TetrisPlacement {
  int rotation = 0;
  int x = 0;  // pixels from the board's corner, a multiple of 32
  bool found = false;
};

// The rotation and column for the falling piece that fill the lowest holes: the most lines completed, then the
// fewest gaps covered, then the lowest resting place.
TetrisPlacement ChooseTetrisPlacement();

void ResetTetrisAutoplay();
// The journal fields of the next frame's keys: rotate, slide with the arrows, then hold Space; Escape once the game
// is over.
std::string TetrisAutoplayFields();
// When autoplay is on: injects those fields. Called once a frame before the present.
void AutoplayTetrisFrame();
