// The main menu's rules: the latch, pixel-exact hover, the continue entry in hard, the idle counter, J and Escape
// in every phase, and presses held from before the menu.
#include <gtest/gtest.h>

#include "base/ScreenPacks.h"
#include "front/Menu.h"
#include "front/MenuAutoplay.h"
#include "front/ScreenInput.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "support/Headless.h"

namespace {

class Menu : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    InitMenuState();
    LoadMenuAssets();
    ResetSparks();
    BeginScreenInput();
    // Past the intro animation: a frame in the menu phase draws nothing new and moves nothing but the sparks.
    menu.idleFrames = 0;
  }
  // One frame of the menu with this input (journal fields) arriving before it.
  void Frame(const std::string& fields) {
    InjectInput(fields);
    PresentFrame(0);
    MainMenuFrame();
  }
  // Puts the cursor on a visible pixel of an entry picture standing at height `y`.
  void PointAt(int picture, int y) {
    int x = 0, py = 0;
    ASSERT_TRUE(EntryAimPoint(picture, x, py));
    menu.cursorX = x;
    menu.cursorY = y + py;
  }
};

TEST_F(Menu, APressWithNothingSelectedOnlyLatchesAndEachActionNeedsAFreshPress) {
  Frame("mouse=0,0 buttons=1");
  EXPECT_EQ(menu.menuResult, menuNone);
  EXPECT_TRUE(menu.buttonLatch);
  // Onto "start game" with the button still down: selected, but the held press does not start.
  PointAt(MenuPicture(menuStartGame), menuEntryY[0]);
  StepMenuSelection();
  EXPECT_EQ(menu.selectedEntry, entryStartGame);
  Frame("buttons=1");
  EXPECT_EQ(menu.menuResult, menuNone);
  Frame("buttons=0");
  EXPECT_FALSE(menu.buttonLatch);
  Frame("buttons=1");
  EXPECT_EQ(menu.menuResult, menuStart);
}

TEST_F(Menu, AButtonHeldWhenTheMenuBeginsDoesNothingUntilLetGo) {
  Frame("buttons=1");
  PointAt(MenuPicture(menuStartGame), menuEntryY[0]);
  StepMenuSelection();
  // As when the menu comes back from the credits: the state starts again and the held button is old.
  InitMenuState();
  BeginScreenInput();
  EXPECT_EQ(menu.selectedEntry, entryNone);
  PointAt(MenuPicture(menuStartGame), menuEntryY[0]);
  StepMenuSelection();
  Frame("buttons=1");
  Frame("buttons=1");
  EXPECT_EQ(menu.menuResult, menuNone);
  Frame("buttons=0");
  Frame("buttons=1");
  EXPECT_EQ(menu.menuResult, menuStart);
}

TEST_F(Menu, TheContinueEntryCannotBeSelectedInHardAndCanAgainAfterTogglingBack) {
  play.difficulty = difficultyHard;
  PointAt(MenuPicture(menuContinueDisabled), menuEntryY[1]);
  StepMenuSelection();
  EXPECT_EQ(menu.selectedEntry, entryNone);
  // The difficulty entry toggles on every click and stays selected.
  PointAt(MenuPicture(menuDifficultyHard), menuEntryY[2]);
  StepMenuSelection();
  ASSERT_EQ(menu.selectedEntry, entryDifficulty);
  ActOnEntry(entryDifficulty);
  EXPECT_EQ(play.difficulty, difficultyNormal);
  EXPECT_EQ(menu.selectedEntry, entryDifficulty);
  PointAt(MenuPicture(menuContinue), menuEntryY[1]);
  StepMenuSelection();
  EXPECT_EQ(menu.selectedEntry, entryContinue);
  ActOnEntry(entryContinue);
  EXPECT_TRUE(settings.continueRequested);
  EXPECT_EQ(menu.menuResult, menuStart);
}

TEST_F(Menu, TheCursorOffEveryEntrySelectsNothingEvenOverTheirPicturesClearParts) {
  // The entries' pictures span the screen's width; only their letters count.
  menu.cursorX = 5;
  menu.cursorY = menuEntryY[0] + 2;
  StepMenuSelection();
  EXPECT_EQ(menu.selectedEntry, entryNone);
}

TEST_F(Menu, KeysLeftDoNotWakeTheMenuButMouseMotionOverTenPixelsDoes) {
  menu.idleFrames = 100;
  for (int i = 0; i < 20; ++i) Frame("keys=203");
  EXPECT_LT(menu.keyVelX, -10);
  EXPECT_EQ(menu.idleFrames, 120);
  Frame("keys= mouse=10,0");
  EXPECT_EQ(menu.idleFrames, 121);
  Frame("mouse=-11,0");
  EXPECT_EQ(menu.idleFrames, 1);
  // Rightwards from the keys wakes it once the speed passes ten.
  menu.idleFrames = 50;
  menu.keyVelX = 0;
  for (int i = 0; i < 15; ++i) Frame("mouse=0,0 keys=205");
  EXPECT_LT(menu.idleFrames, 10);
  EXPECT_GE(menu.cursorX, 0);
  EXPECT_LE(menu.cursorX, 1023);
}

TEST_F(Menu, TheIdleCycleShowsTheMenuThenTheLocalThenTheLiveTable) {
  EXPECT_EQ(MenuPhaseOf(0), MenuPhase::Menu);
  EXPECT_EQ(MenuPhaseOf(299), MenuPhase::Menu);
  EXPECT_EQ(MenuPhaseOf(300), MenuPhase::LocalScores);
  EXPECT_EQ(MenuPhaseOf(600), MenuPhase::LiveScores);
  EXPECT_EQ(MenuPhaseOf(900), MenuPhase::Menu);
}

TEST_F(Menu, JTogglesTheJoystickAndEscapeQuitsInEveryPhase) {
  for (int idle : {0, 350, 650}) {
    SCOPED_TRACE(idle);
    menu.idleFrames = idle;
    menu.menuResult = menuNone;
    bool before = settings.joystickEnabled;
    Frame("keys=36");
    Frame("keys=");
    EXPECT_NE(settings.joystickEnabled, before);
    EXPECT_EQ(menu.menuResult, menuNone);
    Frame("keys=1");
    Frame("keys=");
    EXPECT_EQ(menu.menuResult, menuQuitProgram);
  }
  settings.joystickEnabled = false;
}

TEST_F(Menu, ReturnReleasedInAScoreDisplayBringsTheMenuBack) {
  menu.idleFrames = 400;
  Frame("keys=28");
  Frame("keys=");
  EXPECT_EQ(menu.idleFrames, 1);
  EXPECT_EQ(menu.menuResult, menuNone);  // no entry acts in a score display
}

TEST_F(Menu, TheIntroAnimationEndsWhereItShouldAndTheSparksStayOnTheScreen) {
  for (int i = 0; i < 300; ++i) Frame("mouse=0,0");
  EXPECT_EQ(menu.logoX, -3);
  EXPECT_EQ(menu.titleSize, 256);
  EXPECT_EQ(menu.titleX, -256 + 7 * 122);
  EXPECT_EQ(menu.titleY, -60 + 122);
  EXPECT_TRUE(menu.flashDone);
  EXPECT_LE(menu.flashAlpha, 10);
  PointAt(MenuPicture(menuQuit), menuEntryY[4]);
  StepMenuSelection();
  ASSERT_EQ(menu.selectedEntry, entryQuit);
  menu.idleFrames = 0;  // still in the menu phase for the ball's whole roll
  for (int i = 0; i < 200; ++i) {
    Frame("mouse=0,0");
    for (const Spark& spark : menu.sparks) {
      ASSERT_LE(spark.y, 780 + 32);
      ASSERT_GE(spark.x, -50 - 30);
    }
  }
  EXPECT_EQ(menu.barAlpha, 70);
  EXPECT_FALSE(menu.ballActive);  // it rolled off the right edge
}

}  // namespace
