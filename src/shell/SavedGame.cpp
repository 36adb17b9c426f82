// The saved game (not written yet).
#include "shell/SavedGame.h"

void SaveGame() {}
void LoadSavedGame() {}
