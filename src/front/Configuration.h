// The configuration window shown before the game when it starts without arguments.
#pragma once

void ConfigurationUtility();
