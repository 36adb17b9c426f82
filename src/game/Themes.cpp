// The theme tables of both level sets and the music schedule.
#include "game/PlayState.h"
#include "game/Scene.h"

namespace {

struct NormalRow {
  int first, last;
  const char* background;
  const char* name;
  int kinds;  // -1: one kind per level of the range, 1 << (index - first)
  int gravity;
  const char* extra;
};

// Runs of blanks in the names put each word on its own line of the 120-pixel title.
const NormalRow normalThemes[] = {
    {0, 0, "black", "HOOOOOT !", 3, 0, ""},
    {1, 4, "fire_galaxy", "GOING         AWAY", -1, 0, ""},
    {5, 5, "black", "PULSAR", 31, 0, ""},
    {6, 9, "space", "FREE...       BUT LOST", -1, 0, ""},
    {10, 10, "black", "GRAVITY!", 31, 1, ""},
    {11, 14, "milkyway", "FOUND MY WAY", -1, 0, ""},
    {15, 15, "black", "", 31, 0, ""},
    {16, 19, "sun", "SHINING", -1, 0, ""},
    {20, 20, "black", "", 31, 0, ""},
    {21, 24, "earth", "EARTH", -1, 0, ""},
    {25, 25, "black", "", 31, 0, ""},
    {26, 29, "clouds", "FALLING", -1, 0, ""},
    {30, 30, "blue", "SPACE         ELEVATOR", 31, 1, ""},
    {31, 34, "sea", "SKY IS            STRANGE", -1, 1, "gfx/goutte.png"},
    {35, 35, "water", "WATER", 31, 0, ""},
    {36, 39, "sunset", "LANDING", -1, 1, ""},
    {40, 40, "black", "", 31, 0, ""},
    {41, 44, "forest", "FOREST", -1, 0, ""},
    {45, 45, "black", "", 31, 0, ""},
    {46, 49, "trees", "TREES", -1, 1, ""},
    {50, 50, "black", "", 31, 1, ""},
    {51, 54, "river", "RIVER", -1, 0, ""},
    {55, 55, "black", "", 31, 0, ""},
    {56, 59, "yosemite", "CORRIDOR", -1, 0, ""},
    {60, 60, "black", "", 31, 0, ""},
    {61, 64, "snow", "SNOW", -1, 0, ""},
    {65, 65, "black", "", 31, 0, ""},
    {66, 69, "rock", "ROCK", -1, 1, ""},
    {70, 70, "black", "", 31, 0, ""},
    {71, 74, "shore", "SHORE", -1, 1, ""},
    {75, 75, "black", "LIFE", 31, 0, ""},
    {76, 79, "storm", "STORM", -1, 0, "gfx/strike.tif"},
    {80, 80, "black", "", 31, 1, ""},
    {81, 84, "aurora", "AURORA", -1, 0, ""},
    {85, 85, "black", "", 31, 1, ""},
    {86, 89, "cave", "CAVE", -1, 0, ""},
    {90, 90, "black", "", 31, 0, ""},
    {91, 94, "heart", "DEEP", -1, 0, ""},
    {95, 95, "black", "", 31, 1, ""},
    {96, 98, "valley", "VALLEY", 31, 1, ""},
    {100, 100, "death", "", 31, 0, ""},
    {101, 101, "black", "", 31, 0, ""},
    {102, 102, "bonus", "", 31, 0, ""},
};

struct HardRow {
  int index;
  const char* background;
  const char* name;
  int kinds;
  int gravity;
  int maxMonsters;
  const char* extra;
};

const HardRow hardThemes[] = {
    {0, "clouds", "SOON...       EARTH !", 7, 0, 4, ""},
    {1, "black", "", 15, 0, 4, ""},
    {2, "black", "NOT SO       HARD...", 31, 0, 2, ""},
    {3, "black", "", 31, 1, 4, ""},
    {9, "blue", "SPACE         ELEVATOR", 30, 0, 4, ""},
    {10, "sea", "EARTH!         SKY IS            STRANGE", 31, 1, 4, "gfx/goutte.png"},
    {15, "water", "", 31, 0, 4, ""},
    {20, "forest", "UNREAL", 31, 0, 4, ""},
    {22, "cave", "HARD WAY", 31, 1, 4, ""},
    {30, "storm", "EARTH         SEEMS...         ANGRY", 31, 0, 4, "gfx/strike.tif"},
    {33, "heart", "NEVER         MIND...", 31, 0, 4, ""},
    {34, "valley", "TARGET IN     SIGHT...", 31, 1, 4, ""},
    {37, "black", "", 31, 1, 4, ""},
    {42, "black", "", 31, 1, 4, ""},
    {100, "death", "", 31, 0, 4, ""},
    {101, "black", "", 31, 0, 4, ""},
    {102, "bonus", "", 31, 0, 4, ""},
};

const char* const bossName = "    TARON !       THE OLD         ENEMY!";
const char* const levelTracks[5] = {"nova3.ogg", "nova05_01.ogg", "nova3b.ogg", "nova3a.ogg",
                                    "nova2_level(blade128).ogg"};

}  // namespace

LevelTheme ThemeOf(int difficulty, int levelIndex) {
  LevelTheme theme;
  bool hard = difficulty == difficultyHard;
  if (levelIndex == (hard ? finalLevelHard : finalLevelNormal)) {
    theme.background = "temple";
    theme.name = bossName;
    theme.boss = true;
    theme.maxMonsters = 10;
    theme.monsterKinds = 12;
    return theme;
  }
  if (hard) {
    for (const HardRow& row : hardThemes) {
      if (row.index != levelIndex) continue;
      theme.background = row.background;
      theme.name = row.name;
      theme.monsterKinds = row.kinds;
      theme.gravity = row.gravity;
      theme.maxMonsters = row.maxMonsters;
      theme.extraPicture = row.extra;
    }
    return theme;
  }
  for (const NormalRow& row : normalThemes) {
    if (levelIndex < row.first || levelIndex > row.last) continue;
    theme.background = row.background;
    theme.name = row.name;
    theme.monsterKinds = row.kinds < 0 ? 1 << (levelIndex - row.first) : row.kinds;
    theme.gravity = row.gravity;
    theme.extraPicture = row.extra;
  }
  return theme;
}

std::string MusicTrack(int difficulty, int levelIndex, bool changeRequested) {
  bool hard = difficulty == difficultyHard;
  if (levelIndex == (hard ? finalLevelHard : finalLevelNormal)) return "lethal3_trans_bis1.ogg";
  if (levelIndex == lastChanceLevel || levelIndex == bonusLevel) return "";
  if (levelIndex % 5 == 0 || changeRequested) return levelTracks[(levelIndex / 5) % 5];
  return "";
}
