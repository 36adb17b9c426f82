// Level themes: the tables of both sets, the title's line breaking, the music schedule, the kept background.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/ExtrasState.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "game/Scene.h"
#include "runtime/Loaders.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"
#include "support/Headless.h"
#include "runtime/NamedMedia.h"

namespace {

// The lines of the title picture (24 pixels each, as in the titles' font at its own size) that hold any text.
std::vector<int> TitleLines() {
  std::vector<int> lines;
  for (int line = 0; line * 24 < 100; ++line) {
    bool ink = false;
    for (int y = line * 24; y < std::min(line * 24 + 24, 100) && !ink; ++y) {
      for (int x = 0; x < 120 && !ink; ++x) ink = (SpritePixel(levelTitlePicture, x, y) & 0xFFFFFF) != 0;
    }
    if (ink) lines.push_back(line);
  }
  return lines;
}

// The rightmost inked column of a title line, -1 for none.
int InkRight(int line, int lineHeight = 24) {
  int right = -1;
  for (int y = line * lineHeight; y < (line + 1) * lineHeight; ++y) {
    for (int x = 0; x < 120; ++x) {
      if ((SpritePixel(levelTitlePicture, x, y) & 0xFFFFFF) != 0) right = std::max(right, x);
    }
  }
  return right;
}

int TextWidth(const std::string& text) {
  BeginDraw(DrawTargetKind::Screen);
  SetDrawFont(FontHandle(textFont));
  int width = TextPixelWidth(text);
  EndDraw();
  return width;
}

TEST(Themes, NormalLevelTwelveIsTheMilkyWayWithOneMonsterKind) {
  LevelTheme theme = ThemeOf(difficultyNormal, 12);
  EXPECT_EQ(theme.background, "milkyway");
  EXPECT_EQ(theme.name, "FOUND MY WAY");
  EXPECT_EQ(theme.monsterKinds, 2);
  EXPECT_EQ(theme.gravity, 0);
  EXPECT_EQ(ThemeOf(difficultyNormal, 31).extraPicture, "gfx/goutte.png");
  EXPECT_EQ(ThemeOf(difficultyNormal, 31).gravity, 1);
  EXPECT_EQ(ThemeOf(difficultyNormal, 97).monsterKinds, 31);
  LevelTheme boss = ThemeOf(difficultyHard, 50);
  EXPECT_TRUE(boss.boss);
  EXPECT_EQ(boss.background, "temple");
  EXPECT_EQ(boss.monsterKinds, 12);
  EXPECT_EQ(ThemeOf(difficultyHard, 2).maxMonsters, 2);
  EXPECT_EQ(ThemeOf(difficultyHard, 5).background, "");
}

TEST(Themes, MusicChangesEveryFiveLevelsOrWhenAskedAndKeepsOnSpecialLevels) {
  EXPECT_EQ(MusicTrack(difficultyNormal, 0, false), "nova3.ogg");
  EXPECT_EQ(MusicTrack(difficultyNormal, 3, false), "");
  EXPECT_EQ(MusicTrack(difficultyNormal, 5, false), "nova05_01.ogg");
  EXPECT_EQ(MusicTrack(difficultyNormal, 7, true), "nova05_01.ogg");
  EXPECT_EQ(MusicTrack(difficultyNormal, 25, false), "nova3.ogg");
  EXPECT_EQ(MusicTrack(difficultyNormal, 99, false), "lethal3_trans_bis1.ogg");
  EXPECT_EQ(MusicTrack(difficultyNormal, 100, true), "");
  EXPECT_EQ(MusicTrack(difficultyNormal, 102, false), "");
  EXPECT_EQ(MusicTrack(difficultyHard, 50, false), "lethal3_trans_bis1.ogg");
  EXPECT_EQ(MusicTrack(difficultyHard, 20, false), "nova2_level(blade128).ogg");
  EXPECT_EQ(MusicTrack(difficultyHard, 25, false), "nova3.ogg");
}

class LevelSetUp : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    home = CurrentDirectory();
    ASSERT_TRUE(SetCurrentDirectory(GAME_DIR));
    RegisterFontFile("DESIB___.ttf", "Designer Block");
    ASSERT_TRUE(LoadFontFace(textFont, "Designer Block", 20));
  }
  void TearDown() override { SetCurrentDirectory(home); }
  std::string home;
};

TEST_F(LevelSetUp, TitlesBreakAtRunsOfBlanksWithinTheirWidth) {
  RenderLevelTitle("GOING         AWAY");
  EXPECT_EQ(TitleLines(), (std::vector<int>{0, 1}));
  RenderLevelTitle("    TARON !       THE OLD         ENEMY!");
  EXPECT_EQ(TitleLines(), (std::vector<int>{0, 1, 2}));
  // Words stay whole: "M" would still fit after "FOUND ", but "MY" would not.
  RenderLevelTitle("FOUND MY WAY");
  EXPECT_EQ(TitleLines(), (std::vector<int>{0, 1}));
  EXPECT_LE(InkRight(0), TextWidth("FOUND") + 1);
  EXPECT_GE(InkRight(1), TextWidth("MY WAY") - 4);
  // Words that only fit whole when measured as they are drawn, kerning and all.
  RenderLevelTitle("CORRIDOR");
  EXPECT_EQ(TitleLines(), (std::vector<int>{0}));
  RenderLevelTitle("SPACE         ELEVATOR");
  EXPECT_EQ(TitleLines(), (std::vector<int>{0, 1}));
  RenderLevelTitle("");
  EXPECT_TRUE(TitleLines().empty());
}

// The words of a text, blanks dropped.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text + " ") {
    if (c != ' ') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}

TEST_F(LevelSetUp, AWordWiderThanTheTitleShrinksTheTextInsteadOfSplitting) {
  for (const char* text : {"WWWWWWW", "HOOOOOT !"}) {
    TitleLayout layout = LayOutLevelTitle(text);
    ASSERT_FALSE(layout.lines.empty()) << text;
    EXPECT_LT(layout.pointSize, FontPointSize(textFont)) << text;
    EXPECT_EQ(Words(layout.lines[0])[0], Words(text)[0]) << "the long word leads the first line whole";
    for (const std::string& line : layout.lines) EXPECT_LE(TextPixelWidth(line), 120) << line;
  }
  EXPECT_EQ(LayOutLevelTitle("HOOOOOT !").lines, std::vector<std::string>{"HOOOOOT !"}) << "no line of its own for \"!\"";
  // The first line's ink reaches across what was measured for it and no further.
  TitleLayout layout = LayOutLevelTitle("WWWWWWW");
  int measured = TextPixelWidth(layout.lines[0]);
  RenderLevelTitle("WWWWWWW");
  EXPECT_EQ(TitleLines(), (std::vector<int>{0}));
  EXPECT_LE(InkRight(0), measured);
  EXPECT_GE(InkRight(0), measured - 4);
}

// Every name of both sets: its words whole and in order, each line within the picture's width as measured
// and as drawn.
TEST_F(LevelSetUp, EveryLevelNameKeepsItsWordsWholeWithinThePicture) {
  for (int difficulty : {difficultyNormal, difficultyHard}) {
    for (int level = 0; level <= bonusLevel; ++level) {
      std::string name = ThemeOf(difficulty, level).name;
      if (name.empty()) continue;
      TitleLayout layout = LayOutLevelTitle(name);
      std::vector<std::string> words;
      std::vector<int> widths;
      for (const std::string& line : layout.lines) {
        for (const std::string& word : Words(line)) words.push_back(word);
        widths.push_back(TextPixelWidth(line));
        EXPECT_LE(widths.back(), 120) << name << ": " << line;
      }
      EXPECT_EQ(words, Words(name));
      EXPECT_LE(static_cast<int>(layout.lines.size()) * layout.lineHeight, 100) << name;
      RenderLevelTitle(name);
      for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
        int right = InkRight(i, layout.lineHeight);
        EXPECT_GE(right, 0) << name << " line " << i;
        EXPECT_LE(right, widths[i]) << name << " line " << i;
      }
    }
  }
}

TEST_F(LevelSetUp, AHardLevelWithoutAThemeKeepsTheBackgroundBeforeIt) {
  play.difficulty = difficultyHard;
  play.levelIndex = 3;
  SetUpLevel();
  EXPECT_EQ(currentBackground, "black");
  EXPECT_TRUE(play.gravityOn);
  play.levelIndex = 5;
  SetUpLevel();
  EXPECT_EQ(currentBackground, "black");
  EXPECT_FALSE(play.gravityOn);
  EXPECT_EQ(extras.monsterKindsAllowed, 31);
}

TEST_F(LevelSetUp, AHardLevelStartedDirectlyShowsTheBackgroundTheLevelsBeforeWouldHaveLeft) {
  play.difficulty = difficultyHard;
  currentBackground.clear();  // nothing played before
  play.levelIndex = 5;
  SetUpLevel();
  EXPECT_EQ(currentBackground, "black");
  EXPECT_TRUE(HasSprite(backgroundPicture));
}

TEST_F(LevelSetUp, TheBossLevelHasNoPracticalTimeLimitAndWaitsForTheServe) {
  play.levelIndex = finalLevelNormal;
  SetUpLevel();
  EXPECT_EQ(play.bonusTimeLimit, 1.0f);
  EXPECT_GE(play.bonusTimeLeft, 1e7f);
  EXPECT_TRUE(play.servePending);
  EXPECT_EQ(play.maxMonsters, 10);
  EXPECT_EQ(extras.monsterKindsAllowed, 12);
  EXPECT_EQ(extras.spawnPeriod, 5);
  play.levelIndex = 3;  // the level after sets its own defaults again
  SetUpLevel();
  EXPECT_EQ(extras.spawnPeriod, 20);
}

TEST_F(LevelSetUp, AGameContinuedInsideAGroupStartsItsTrackAtOnce) {
  settings.musicEnabled = true;
  if (HasSound(Sound::Music)) ReleaseSound(Sound::Music);
  NewGameValues();
  play.levelIndex = 7;
  ChooseMusic();
  EXPECT_TRUE(HasSound(Sound::Music));
  EXPECT_FALSE(play.changeMusic);
  ReleaseSound(Sound::Music);
  play.levelIndex = 8;  // the next level of the group keeps the music
  ChooseMusic();
  EXPECT_FALSE(HasSound(Sound::Music));
  settings.musicEnabled = false;
}

// Frames the scene behind the tiles and tells whether the playfield shows the background alone.
bool PlayfieldIsBackgroundOnly() {
  ClearFrame(0);
  BeginQuads();
  DrawScene();
  EndQuads();
  BeginDraw(DrawTargetKind::Screen);
  int differing = 0;
  for (int y = 40; y < 760; y += 16) {
    for (int x = 96; x < 800; x += 16) {
      uint32_t picture = SpritePixel(backgroundPicture, x - 80, y - 20);
      int expected = ColorRGB((picture >> 16) & 255, (picture >> 8) & 255, picture & 255);
      differing += PixelColour(x, y) != expected ? 1 : 0;
    }
  }
  EndDraw();
  return differing == 0;
}

TEST_F(LevelSetUp, WithEffectsOffOnlyTheBackgroundIsDrawn) {
  play.levelIndex = 10;  // the pulsar's glows and streaks
  play.frameTick = 300;
  settings.effectsEnabled = false;
  SetUpLevel();
  ASSERT_TRUE(HasSprite(backgroundPicture));
  EXPECT_FALSE(play.sceneBuilt);
  EXPECT_TRUE(PlayfieldIsBackgroundOnly());
  settings.effectsEnabled = true;
  SetUpLevel();
  EXPECT_TRUE(play.sceneBuilt);
  EXPECT_FALSE(PlayfieldIsBackgroundOnly());
}

TEST_F(LevelSetUp, EveryLevelOfBothSetsSetsUpAndAnimatesWithItsBackground) {
  settings.effectsEnabled = true;
  for (int difficulty : {difficultyNormal, difficultyHard}) {
    int last = difficulty == difficultyNormal ? finalLevelNormal : finalLevelHard;
    std::vector<int> levels;
    for (int level = 0; level <= last; ++level) levels.push_back(level);
    levels.push_back(lastChanceLevel);
    levels.push_back(bonusLevel);
    for (int level : levels) {
      SCOPED_TRACE("difficulty " + std::to_string(difficulty) + " level " + std::to_string(level));
      FreeAllResources();
      play.difficulty = difficulty;
      play.levelIndex = level;
      SetUpLevel();  // a missing picture or object would end the program here
      EXPECT_TRUE(HasSprite(backgroundPicture));
      EXPECT_FALSE(currentBackground.empty());
      for (int frame = 0; frame < 3; ++frame) {
        StepScene();
        BeginQuads();
        DrawScene();
        EndQuads();
        play.frameTick += 97;
      }
    }
  }
}

}  // namespace
