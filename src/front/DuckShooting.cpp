// Duck shooting between levels (not built yet).
#include "front/Minigames.h"

void PlayDuck() {}
