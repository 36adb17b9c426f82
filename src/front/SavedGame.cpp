// The saved game (not written yet).
#include "front/SavedGame.h"

void SaveGame() {}
void LoadSavedGame() {}
