// Loading pictures and sounds from the packs in their fixed order, and freeing a scene's resources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

extern std::string currentPack;  // the pack the loaders read from
extern int entriesTaken;         // entries loaded from it; 0: not opened yet

// Starts a new group of loads from `path`; the pack opens at the first load.
void ChoosePack(const std::string& path);
void EnsurePackOpen();
// The next entry, unscrambled; ends through Alert when it is missing or not named `expectedName`.
uint8_t* TakePackEntry(const std::string& expectedName, size_t& size);

// The resources a scene registers, freed together at the next scene change.
enum ResourceKind {
  resourceSprite = 0, resourceQuad = 1, resourceImage = 2, resourceFont = 3, resourceSound = 4,
  resourceMesh = 5, resourceTexture = 6, resourceEntity = 7, resourceMaterial = 8, resourceCamera = 9, resourceLight = 10
};
void RegisterResource(int kind, int number);
void FreeAllResources();
int RegisteredResourceCount();

struct Pivot {
  int sprite = 0;
  int x = 0, y = 0;  // the picture's turning point, pixels from its top-left corner
};

void LoadSpriteQuad(int number, const std::string& name);
void LoadOpaqueSpriteQuad(int number, const std::string& name);
Pivot LoadPivotSpriteQuad(int number, const std::string& name, int pivotX, int pivotY);
void LoadImageEntry(int number, const std::string& name);
void LoadSpriteEntry(int number, const std::string& name);
void LoadSoundEntry(int number, const std::string& name);
void LoadSceneSpriteQuad(int number, const std::string& name);
void LoadSceneOpaqueSpriteQuad(int number, const std::string& name);
void LoadSceneSprite(int number, const std::string& name);
void LoadSceneSound(int number, const std::string& name);
// A mesh or texture of the 3D archive for this scene; a failure ends through Alert.
void LoadSceneMesh(int number, const std::string& name);
void LoadSceneTexture(int number, const std::string& name);

// "packs/normal/" or "packs/hard/", the folder of a level set's levels and scene packs.
std::string LevelSetDirectory(int difficulty);
// The theme's background picture; the loaders then go on with `scenePack`, the level's own.
void LoadBackground(const std::string& theme, const std::string& scenePack);
void LoadLevelMusic(const std::string& music);

// The main pictures, the panel and the sounds in the order of base/MainPictureTable.h, and the screen strips.
void LoadMainAssets();

extern Pivot chaingunPivot;
