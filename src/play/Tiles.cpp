// Level files and tiles (the level loader is not written yet: levels start empty).
#include "play/Tiles.h"

#include "play/PlayState.h"

void LoadLevelTiles() { play.frameCounter = 0; }
void BuildTeleporterList() { lists.teleporters.Clear(); }
void UpdateTiles() {}
void PlayLevelIntro() { play.tileOffsetY = 0; }
