// Level files and tiles: loading, the teleporter list, gliding and drawing, the level intro.
#pragma once

void LoadLevelTiles();
void BuildTeleporterList();
void UpdateTiles();
void PlayLevelIntro();
