// The ship: steering by mouse, keys and joystick, tilting, walls and the exit door, drawing.
#pragma once

// The player's steering: the devices move and tilt the ship, the walls and the door hold it, the
// enlarged shield grows or shrinks; once per frame while play moves.
void StepShip();
// The ship leaving through the open door glides on out; once per frame.
void StepShipExit();
void DrawShip();
// Width of the current shield picture in pixels: the ship's width against the walls.
int ShipShieldWidth();
