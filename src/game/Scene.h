// The level's theme (background, name, monsters, gravity), its music and its animated scene.
#pragma once

#include <string>

void SetUpLevel();
// The scene's own time and, on a boss level, the boss's frame of the fight; once per frame.
void StepScene();
// The background picture, the 3D scene and the animated scene (with the effects on), and the boss.
void DrawScene();
void RenderLevelTitle(const std::string& text);
void ChooseMusic();

// What a level's theme says; for the tables' tests.
struct LevelTheme {
  std::string background;  // "" keeps the background of the level before (hard set)
  std::string name;
  int monsterKinds = 31;   // bits of the allowed monster kinds
  bool gravity = false;
  int maxMonsters = 4;
  std::string extraPicture;  // "gfx/goutte.png" or "gfx/strike.tif"
  bool boss = false;
};
LevelTheme ThemeOf(int difficulty, int levelIndex);
std::string MusicTrack(int difficulty, int levelIndex, bool changeRequested);  // "" keeps the music
extern std::string currentBackground;  // the theme whose picture is backgroundPicture
