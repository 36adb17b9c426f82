// The level scene packs: for each level whose setup loads pictures, the entries in the order it loads them.
#pragma once

#include <string>
#include <vector>

struct ScenePack {
  int difficulty = 0;                // 0 normal set ("packs/normal/"), 1 hard set ("packs/hard/")
  int levelIndex = 0;                // the level index the setup runs for
  std::string scene;                 // the scene procedure the entries serve, for people reading the table
  std::vector<std::string> entries;  // entry names in load order, "/" separated
  int sceneStart = 0;                // entries before this one load whatever the effects setting
};

// The pack of one level, or null when its setup loads nothing from a scene pack.
const ScenePack* FindScenePack(int difficulty, int levelIndex);

// Every scene pack of both sets, normal first, each set by ascending level index. Levels missing here load
// nothing from their scene pack (their scene, if any, is made of 3D meshes and textures only).
const std::vector<ScenePack>& ScenePackTable();

// The pack's path under the packs folder: "normal/0012.pak", "hard/0005.pak".
std::string ScenePackFile(int difficulty, int levelIndex);

// The numbered picture families of the scenes: how many frames each has and the name of one frame.
constexpr int kPlaqueFrames = 16;   // "gfx/plaque/plaque_128x128_0000.png" ...
constexpr int kPoulpeFrames = 16;   // "gfx/poulpe/poulpe0000.png" ...
constexpr int kGlobuleFrames = 16;  // "gfx/globule/globule0000.png" ...
std::string FrameName(const std::string& stem, int frame, const std::string& extension);
