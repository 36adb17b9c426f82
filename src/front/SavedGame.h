// The saved game of the normal set, kept in the preferences file: written after each ordinary won level,
// read when the player continues.
#pragma once

void SaveGame();
void LoadSavedGame();
