// The console: commands in any letter case, the unlock words and their groups, CHANGELEVEL's range, CLEAR's
// banner, the history line, typing while the panel slides, and the line limit.
#include <gtest/gtest.h>

#include "front/Console.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "support/Headless.h"

namespace {

class Console : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    ResetConsole();
    LoadStrips();
  }
  static void LoadStrips() {
    for (int n = screenStripPictures; n < screenStripPictures + screenStripCount; ++n) {
      if (!HasSprite(n)) CreateBlankSprite(n, 1024, 192, kSpriteQuadTexture);
    }
  }
  // One console frame with this input arriving before it.
  void Frame(const std::string& fields) {
    InjectInput(fields);
    PresentFrame(0);
    SampleKeyboard();
    SampleMouse();
    ConsoleCommand();
  }
  void Open() {
    play.consoleOpen = true;
    for (int i = 0; i < 43; ++i) Frame("keys=");
    ASSERT_EQ(console.slide, ConsoleSlide::Open);
  }
  std::string Last() const { return console.lines.empty() ? "" : console.lines.back(); }
};

TEST_F(Console, ThePanelSlidesDownInFortyThreeFramesFreezesTheGameAndSlidesBack) {
  ConsoleBanner();
  play.consoleOpen = true;
  for (int i = 0; i < 42; ++i) Frame("keys=");
  EXPECT_EQ(console.slide, ConsoleSlide::Down);
  Frame("keys=");
  EXPECT_EQ(console.slide, ConsoleSlide::Open);
  EXPECT_EQ(console.panelY, 0);
  EXPECT_TRUE(play.gameFrozen);
  Frame("keys=201");
  for (int i = 0; i < 41; ++i) Frame("keys=");
  EXPECT_TRUE(play.consoleOpen);
  Frame("keys=");
  EXPECT_FALSE(play.consoleOpen);
  EXPECT_FALSE(play.gameFrozen);
  EXPECT_EQ(console.panelY, -192);
}

TEST_F(Console, LowerCaseIsReadAsUpperCaseAndClearShowsItsOwnBanner) {
  ConsoleBanner();
  ExecuteConsoleLine("clear");
  ASSERT_EQ(console.lines.size(), 2u);
  EXPECT_EQ(console.lines[0], "NOVABOUNCER 3 MERIDIAN (2008) CONSOLE MODE");
  EXPECT_EQ(console.lines[1], std::string(44, '-'));
  EXPECT_EQ(console.scrollOffset, 0);
}

TEST_F(Console, WeaponCommandsNeedTheirWordAndSetOnlyTheSwitches) {
  ExecuteConsoleLine("missile");
  EXPECT_FALSE(play.missileArmed);
  EXPECT_EQ(Last(), "MISSILE");  // only echoed
  ASSERT_EQ(WeaponUnlockWord().size(), 8u);
  ExecuteConsoleLine(WeaponUnlockWord());
  EXPECT_TRUE(console.bonusCommandsOn);
  EXPECT_EQ(Last(), "MISSILE - CHAINGUN - FIL - LASER - GLUE - MEGACOMBO");
  ExecuteConsoleLine("megacombo");
  EXPECT_TRUE(play.missileArmed && play.laserOn && play.glueOn && play.threadOn);
  EXPECT_EQ(play.chaingunActive, 1);
  EXPECT_LT(play.threadPhase, 0);  // the thread fades in as its capsule starts it
  EXPECT_EQ(Last(), "COMBO BONUS !");
  // Unknown words are only echoed until the option group is on.
  ExecuteConsoleLine("nonsense");
  EXPECT_EQ(Last(), "NONSENSE");
}

TEST_F(Console, ChangeLevelTakesOnlyLevelsOfTheSetAndAnEmptyArgumentMeansTheFirst) {
  ASSERT_EQ(OptionUnlockWord().size(), 7u);
  ExecuteConsoleLine(OptionUnlockWord());
  EXPECT_TRUE(console.optionCommandsOn);
  EXPECT_EQ(Last(), "CHANGELEVEL - UNLOCK");
  play.levelIndex = 5;
  ExecuteConsoleLine("changelevel 12");
  EXPECT_TRUE(play.levelWon);
  EXPECT_EQ(play.levelIndex, 11);
  EXPECT_EQ(Last(), "Change level to 12");
  play.levelWon = false;
  ExecuteConsoleLine("CHANGELEVEL");
  EXPECT_EQ(play.levelIndex, -1);
  EXPECT_TRUE(play.levelWon);
  play.levelWon = false;
  play.levelIndex = 5;
  for (const char* bad : {"CHANGELEVEL 100", "CHANGELEVEL -3", "CHANGELEVEL TWELVE", "CHANGELEVEL 1 2"}) {
    ExecuteConsoleLine(bad);
    EXPECT_EQ(Last(), "Level out of range") << bad;
    EXPECT_EQ(play.levelIndex, 5);
    EXPECT_FALSE(play.levelWon);
  }
  play.difficulty = difficultyHard;
  ExecuteConsoleLine("CHANGELEVEL 51");
  EXPECT_EQ(Last(), "Level out of range");
  ExecuteConsoleLine("CHANGELEVEL 50");
  EXPECT_EQ(play.levelIndex, 49);
  ExecuteConsoleLine("UNLOCK");
  EXPECT_FALSE(play.levelsLocked);
  ExecuteConsoleLine("FLY");
  EXPECT_EQ(Last(), "Command not found !");
  // An empty line is only echoed.
  size_t before = console.lines.size();
  ExecuteConsoleLine("   ");
  EXPECT_EQ(console.lines.size(), before + 1);
}

TEST_F(Console, UpThenReturnRepeatsTheLastCommand) {
  ExecuteConsoleLine(WeaponUnlockWord());
  ExecuteConsoleLine("laser");
  play.laserOn = false;
  Open();
  Frame("keys=200");
  EXPECT_EQ(console.commandLine, "LASER");
  Frame("keys=28");
  Frame("keys=");
  EXPECT_TRUE(play.laserOn);
  EXPECT_EQ(console.commandLine, "");
}

TEST_F(Console, TypingWhileThePanelSlidesIsIgnoredButReturnAndBackspaceAct) {
  play.consoleOpen = true;
  console.commandLine = "LASE";
  Frame("text=xyz keys=14");
  Frame("keys=");
  EXPECT_EQ(console.commandLine, "LAS");
  EXPECT_EQ(console.slide, ConsoleSlide::Down);
  Frame("keys=28");
  Frame("keys=");
  EXPECT_EQ(console.lastCommand, "LAS");
  Open();
  Frame("text=ab");
  EXPECT_EQ(console.commandLine, "ab");
}

TEST_F(Console, TheLinesStopAtAThousand) {
  for (int i = 0; i < 1200; ++i) AddConsoleLine("line " + std::to_string(i));
  ASSERT_EQ(console.lines.size(), consoleMostLines);
  EXPECT_EQ(console.lines.front(), "line 200");
  EXPECT_EQ(console.scrollOffset, 1000.0f * consoleLineHeight);
}

}  // namespace
