// The ship: steering by mouse, keys and joystick, tilting, walls and the exit door, drawing.
#pragma once

void UpdateShip();
void DrawShip();
