// Tetris between levels (not built yet).
#include "front/Minigames.h"

void PlayTetris() {}
