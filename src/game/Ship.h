// The ship: steering by mouse, keys and joystick, tilting, walls and the exit door, drawing.
#pragma once

void UpdateShip();
void DrawShip();
// Width of the current shield picture in pixels: the ship's width against the walls.
int ShipShieldWidth();
