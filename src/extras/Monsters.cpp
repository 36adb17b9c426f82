// The monsters (not written yet).
#include "extras/Monsters.h"

void UpdateMonsters() {}
