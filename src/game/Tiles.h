// Level files and tiles: loading, the teleporter list, gliding and drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// packs/normal/level12.pak for normal level index 12.
std::string LevelFileName(int difficulty, int levelIndex);
void LoadLevelTiles();
// Appends the tile records of a level entry to `lists.tiles`, each at its first key point. A damaged
// entry (see ReadLevelRecords) adds nothing: false, with `error` saying what is wrong.
bool ReadTileRecords(const uint8_t* data, size_t size, std::string& error);
void BuildTeleporterList();
// Glides the alive tiles along their paths, turns their pictures and counts them; once per frame.
void StepTiles();
// The alive tiles, lowered by the intro's offset.
void DrawTiles();
