// The level's theme (background, name, monsters, gravity), its music and its animated scene.
#pragma once

#include <string>
#include <vector>

void SetUpLevel();
// The scene's own time and, on a boss level, the boss's frame of the fight; once per frame.
void StepScene();
// The background picture, the 3D scene and the animated scene (with the effects on), and the boss.
void DrawScene();
// The level's name in its 120 × 100 picture, grey on nothing, whole words to a line.
void RenderLevelTitle(const std::string& text);
// How a name is laid out there: its lines, one under another, in the titles' font at `pointSize` (smaller than
// the font's own size when a word would not fit whole). The font of that size is left set for drawing; no
// lines when the font is missing or the name cannot fit at all.
struct TitleLayout {
  std::vector<std::string> lines;
  int pointSize = 0;   // points
  int lineHeight = 0;  // pixels from one line's top to the next one's
};
TitleLayout LayOutLevelTitle(const std::string& text);
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
