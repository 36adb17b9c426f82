// The level-won picture (not written yet).
#include "extras/LevelWonPicture.h"

void StartLevelWonPicture() {}
void DrawLevelWonPicture() {}
