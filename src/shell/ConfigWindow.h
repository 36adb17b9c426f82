// The configuration window shown before the game when it starts without arguments.
#pragma once

// Shows the window until "Start game" (or Enter), then stores the choices; its close box ends the program.
// Without a display to show it on, the stored settings are kept as they are.
void ConfigurationUtility();
