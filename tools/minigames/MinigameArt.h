// The minigames' pictures and tunes, painted and composed for their packs.
#pragma once

#include <cstdint>
#include <vector>

#include "ImageWrite.h"
#include "base/MinigamePacks.h"

Picture PaintTetrisPicture(int number);  // every picture entry of packs/tetris.pak, by its number
Picture PaintDuckPicture(int number);    // every entry of packs/ducks.pak
Picture PaintSugarPicture(int number);   // every entry of packs/sugar.pak
// Standard MIDI Files (format 1), each at least a minute and ending where it can start again.
std::vector<uint8_t> ComposeDuckTune();   // packs/ballgame.pak: cheerful fairground music
std::vector<uint8_t> ComposeSugarTune();  // packs/elephant.pak: a bouncy tune
