// The saved game of the normal set, kept in the preferences file.
#pragma once

void SaveGame();
void LoadSavedGame();
