// The 1972 duel (not built yet).
#include "front/Minigames.h"

void PlayDuel() {}
