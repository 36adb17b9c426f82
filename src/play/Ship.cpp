// The ship (not written yet).
#include "play/Ship.h"

void UpdateShip() {}
void DrawShip() {}
