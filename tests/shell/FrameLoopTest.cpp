// The frame loop driven by replayed input: pause and quit keys, hot keys, countdown, counters and the exit test.
#include <gtest/gtest.h>

#include "media/Media.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"
#include "support/Headless.h"
#include "tests/media/SoundTestData.h"

namespace {

class FrameLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    StartLevel();
  }
};

TEST_F(FrameLoop, EscapeFreezesAndASecondEscapeEndsTheGame) {
  ReplayJournalText("1 keys=1\n2 keys=\n");
  EXPECT_EQ(RunFramesUntilExit(10), 10);
  EXPECT_TRUE(play.gameFrozen);
  EXPECT_FALSE(play.leaveGame);
  EXPECT_TRUE(MessageShown("PAUSE"));
  ReplayJournalText("1 keys=1\n2 keys=\n");
  EXPECT_EQ(RunFramesUntilExit(10), 2);
  EXPECT_TRUE(play.leaveGame);
}

TEST_F(FrameLoop, PPausesAndResumesAndHoldingItDoesNotRepeat) {
  ReplayJournalText("1 keys=25\n30 keys=\n");
  RunFramesUntilExit(29);
  EXPECT_FALSE(play.gameFrozen);  // held, not yet released
  RunFramesUntilExit(5);
  EXPECT_TRUE(play.gameFrozen);  // one release, one toggle
  ReplayJournalText("1 keys=25\n2 keys=\n");
  RunFramesUntilExit(5);
  EXPECT_FALSE(play.gameFrozen);
  EXPECT_FALSE(play.leaveGame);
}

// A tap: the key goes down and up again before the frame's state is read.
void TapKey(int code) {
  SendDeviceKey(code, true);
  SendDeviceKey(code, false);
}

TEST_F(FrameLoop, HotKeysTappedWithinOneFrameFire) {
  EndReplay();
  TapKey(Key::P);
  RunFramesUntilExit(2);
  EXPECT_TRUE(play.gameFrozen);
  TapKey(Key::P);
  RunFramesUntilExit(2);
  EXPECT_FALSE(play.gameFrozen);
  bool joystick = settings.joystickEnabled;
  TapKey(Key::J);
  RunFramesUntilExit(2);
  EXPECT_NE(settings.joystickEnabled, joystick);
  TapKey(Key::Escape);
  RunFramesUntilExit(2);
  TapKey(Key::Escape);
  EXPECT_EQ(RunFramesUntilExit(5), 2);
  EXPECT_TRUE(play.leaveGame);
}

TEST_F(FrameLoop, AWonLevelIsLeftByATappedButton) {
  EndReplay();
  play.levelWon = true;
  EXPECT_EQ(RunFramesUntilExit(3), 3);
  SendDeviceButton(1, true);
  SendDeviceButton(1, false);
  EXPECT_EQ(RunFramesUntilExit(5), 1);
}

TEST_F(FrameLoop, TheGameStandsStillWhileTheJournalsWindowHasNoFocus) {
  ReplayJournalText("1 mouse=0,0\n3 focus=0\n8 focus=1\n");
  RecordJournalText();
  long ticks = play.frameTick;
  long presented = PresentedFrames();
  RunFramesUntilExit(10);
  // Frames 3 to 7 wait; the step that found the focus lost is not made up.
  EXPECT_EQ(play.frameTick - ticks, 9);
  EXPECT_EQ(PresentedFrames() - presented, 15);
  EXPECT_TRUE(ScreenHasFocus());
  EXPECT_EQ(RecordedJournalText(), "3 focus=0\n8 focus=1\n") << "the recording keeps the wait";
}

TEST_F(FrameLoop, JoystickSwitchedOnWithoutAJoystickLeavesTheMouseAndKeysInCharge) {
  settings.joystickEnabled = true;
  ReplayJournalText("1 mouse=4,0\n3 mouse=0,0 keys=205\n5 keys= buttons=1\n6 buttons=0\n");
  float start = ship.x;
  RunFramesUntilExit(2);
  EXPECT_FLOAT_EQ(ship.x - start, 8.0f) << "the mouse steers";
  RunFramesUntilExit(2);
  EXPECT_FLOAT_EQ(ship.x - start, 8.0f + 1 + 2) << "the arrow keys steer";
  EXPECT_TRUE(play.servePending);
  RunFramesUntilExit(2);
  EXPECT_FALSE(play.servePending) << "the mouse button launches";
  // A joystick plugged in takes over at once: full right, the mouse pushing left is not heard.
  ReplayJournalText("1 joy=65535,32767,0 mouse=-5,0\n3 joy=none\n");
  float before = ship.x;
  RunFramesUntilExit(1);
  EXPECT_NEAR(ship.x - before, 32.0f, 0.5f);
  EXPECT_EQ(settings.joyRangeX, 65535) << "its ranges come with it";
  before = ship.x;
  RunFramesUntilExit(2);
  EXPECT_NEAR(ship.x - before, 32.0f - 5, 0.5f) << "pulled out, the mouse is back";
}

TEST_F(FrameLoop, PauseCaptionsCycleEverySixSeconds) {
  ReplayJournalText("1 keys=25\n2 keys=\n");
  RunFramesUntilExit(2 * 60 + 2);
  EXPECT_TRUE(MessageShown("PRESS P TO RESUME"));
  EXPECT_FALSE(MessageShown("ESC TO QUIT"));
}

TEST_F(FrameLoop, EscapeHeldBeforeTheLevelDoesNotPauseIt) {
  // Escape is down when the level starts (pressed on the screen before) and comes up in play.
  ReplayJournalText("1 keys=1\n");
  PresentFrame(0);
  SampleKeyboard();
  StartLevel();
  ReplayJournalText("1 keys=\n");
  RunFramesUntilExit(5);
  EXPECT_FALSE(play.gameFrozen);
}

TEST_F(FrameLoop, HotKeysToggleButNotWhileTheConsoleIsOpen) {
  ReplayJournalText("1 keys=60\n2 keys=\n3 keys=36\n4 keys=\n");
  RunFramesUntilExit(5);
  EXPECT_FALSE(settings.effectsEnabled);
  EXPECT_TRUE(settings.joystickEnabled);
  play.consoleOpen = true;
  ReplayJournalText("1 keys=60\n2 keys=\n3 keys=36\n4 keys=\n5 keys=25\n6 keys=\n");
  for (int i = 0; i < 8; ++i) {
    PresentFrame(0);
    play.consoleOpen = true;  // the console is not built yet and would close itself
    RunFrame();
  }
  EXPECT_FALSE(settings.effectsEnabled);
  EXPECT_TRUE(settings.joystickEnabled);
  EXPECT_FALSE(play.gameFrozen);
}

// A tile gliding between two key points, added to the level's tiles.
Tile* AddGlidingTile() {
  Tile* tile = lists.tiles.Add();
  tile->sprite = tileRed;
  tile->alive = true;
  tile->keyCount = 2;
  tile->keySeconds[0] = tile->keySeconds[1] = 2;
  tile->keyX[0] = tile->x = 200;
  tile->keyX[1] = 400;
  tile->keyY[0] = tile->keyY[1] = tile->y = 300;
  tile->secondsLeft = 2;
  tile->vx = 200.0f / 120;
  return tile;
}

// Music on, with a short looping sound in the music's slot.
void PlayTestMusic() {
  settings.musicEnabled = true;
  ASSERT_TRUE(soundtest::Load(SoundNumber(Sound::Music), soundtest::LevelWav(2000, 0.1f)));
  PlaySoundId(Sound::Music, kSoundLoop);
}

TEST_F(FrameLoop, APausedGamesTilesStandStillAndKeepTheirTimers) {
  Tile* tile = AddGlidingTile();
  ReplayJournalText("1 keys=25\n2 keys=\n");
  RunFramesUntilExit(2);
  ASSERT_TRUE(play.gameFrozen);
  Tile before = *tile;
  int counter = play.frameCounter;
  RunFramesUntilExit(200);
  EXPECT_EQ(tile->x, before.x);
  EXPECT_EQ(tile->secondsLeft, before.secondsLeft);
  EXPECT_EQ(tile->keyIndex, before.keyIndex);
  EXPECT_EQ(tile->animFrame, before.animFrame);
  EXPECT_EQ(play.frameCounter, counter);
  // Resumed, the tile goes on from where it stood; a won level's tiles glide on too.
  ReplayJournalText("1 keys=25\n2 keys=\n");
  RunFramesUntilExit(3);
  ASSERT_FALSE(play.gameFrozen);
  EXPECT_GT(tile->x, before.x);
  EXPECT_LT(tile->x, before.x + 3 * tile->vx + 0.01f);
  play.levelWon = play.levelEnding = true;
  float x = tile->x;
  RunFramesUntilExit(10);
  EXPECT_GT(tile->x, x);
}

TEST_F(FrameLoop, TheIntroIsNoPauseItsTilesGlide) {
  Tile* tile = AddGlidingTile();
  play.gameFrozen = true;  // the level before ended frozen
  PlayLevelIntro();
  EXPECT_GT(tile->x, 200.0f + 90 * tile->vx);
}

TEST_F(FrameLoop, TheCountdownStandsStillWhilePausedAndEndsWithComingBack) {
  PlayTestMusic();
  play.bonusTimeLimit = 1.0f;
  play.bonusTimeLeft = 6 * 60 + 10;
  ReplayJournalText("1 keys=25\n2 keys=\n");
  RunFramesUntilExit(600);
  EXPECT_TRUE(play.gameFrozen);
  EXPECT_EQ(play.bonusTimeLeft, 6 * 60 + 10 - 1);  // the frame of the press still counted
  EXPECT_FALSE(MessageShown("5"));
  EXPECT_TRUE(PointerIsFree());
  EXPECT_FALSE(SoundPlaying(SoundNumber(Sound::Music)));
  // Play resumes: pointer and music come back, and the clock runs on to its end.
  ReplayJournalText("1 keys=25\n2 keys=\n");
  RunFramesUntilExit(3);
  EXPECT_FALSE(PointerIsFree());
  EXPECT_TRUE(SoundPlaying(SoundNumber(Sound::Music)));
  RunFramesUntilExit(70);
  EXPECT_TRUE(MessageShown("5"));
  EXPECT_FALSE(play.levelWon);
  RunFramesUntilExit(6 * 60);
  EXPECT_TRUE(play.levelWon);
  EXPECT_TRUE(MessageShown("COMING BACK..."));
  ReleaseSound(Sound::Music);
}

TEST_F(FrameLoop, PlayResumingAfterAPauseGivesBackThePointerAndTheMusic) {
  PlayTestMusic();
  // Paused, then the next level begins: it begins in play.
  ReplayJournalText("1 keys=25\n2 keys=\n");
  RunFramesUntilExit(3);
  ASSERT_TRUE(PointerIsFree());
  StartLevel();
  EXPECT_FALSE(play.gameFrozen);
  EXPECT_FALSE(PointerIsFree());
  EXPECT_TRUE(SoundPlaying(SoundNumber(Sound::Music)));
  // Paused, then left with Escape: the pointer comes back, the music stays off.
  ReplayJournalText("1 keys=1\n2 keys=\n3 keys=1\n4 keys=\n");
  RunFramesUntilExit(5);
  EXPECT_TRUE(play.leaveGame);
  EXPECT_FALSE(PointerIsFree());
  EXPECT_FALSE(SoundPlaying(SoundNumber(Sound::Music)));
  ReleaseSound(Sound::Music);
}

TEST_F(FrameLoop, NoCountdownWhileALostLevelWaits) {
  play.bonusTimeLimit = 1.0f;
  play.bonusTimeLeft = 5;
  play.restartLevel = true;
  RunFramesUntilExit(20);
  EXPECT_FALSE(play.levelWon);
  EXPECT_EQ(play.bonusTimeLeft, 5.0f);
}

TEST_F(FrameLoop, AWonLevelWaitsForAClick) {
  play.levelWon = true;
  EXPECT_EQ(RunFramesUntilExit(30), 30);
  ReplayJournalText("1 buttons=1\n2 buttons=0\n");
  EXPECT_EQ(RunFramesUntilExit(30), 1);
}

TEST_F(FrameLoop, AButtonHeldWhenTheLevelIsWonMustBeLetGoFirst) {
  ReplayJournalText("1 buttons=1\n");
  RunFramesUntilExit(3);
  play.levelWon = true;
  EXPECT_EQ(RunFramesUntilExit(20), 20) << "still the press from play";
  ReplayJournalText("1 buttons=0\n5 buttons=1\n");
  EXPECT_EQ(RunFramesUntilExit(20), 5);
}

TEST_F(FrameLoop, MonsterCapGrowsAtFiveTenAndFifteenMinutes) {
  play.frameTick = 5 * 60 * 60 - 1;
  RunFramesUntilExit(1);
  EXPECT_EQ(play.maxMonsters, 8);
  RunFramesUntilExit(1);
  EXPECT_EQ(play.maxMonsters, 8);
  play.frameTick = 15 * 60 * 60 - 1;
  RunFramesUntilExit(1);
  EXPECT_EQ(play.maxMonsters, 12);
}

TEST(NewGame, ClearsWhatTheLastGameLeft) {
  ResetGameForTest();
  play.leaveGame = play.gameWon = play.levelWon = true;
  play.bonusTimeLimit = 1.0f;
  play.bonusTimeLeft = 99;
  play.savedLevelIndex = 40;
  play.score = 12345;
  play.lives = 0;
  NewGameValues();
  EXPECT_FALSE(play.leaveGame);
  EXPECT_FALSE(play.gameWon);
  EXPECT_EQ(play.bonusTimeLimit, 0.0f);
  EXPECT_EQ(play.bonusTimeLeft, 0.0f);
  EXPECT_EQ(play.savedLevelIndex, 0);
  EXPECT_EQ(play.score, 0);
  EXPECT_EQ(play.lives, 3);
  EXPECT_TRUE(play.lastChanceLeft);
  EXPECT_TRUE(play.levelsLocked);
}

TEST(LevelStart, ResetKeepsScoreLivesLettersAndClearsTheSwitches) {
  ResetGameForTest();
  play.score = 500;
  play.lives = 2;
  play.letterMask = letterB | letterS;
  play.laserOn = play.missileArmed = play.shipLeaving = true;
  play.fireTimer = play.glueHoldFrames = 1;
  play.gameFrozen = true;
  ship.x = 100;
  lists.balls.Add();
  ResetLevelState();
  EXPECT_EQ(play.score, 500);
  EXPECT_EQ(play.lives, 2);
  EXPECT_EQ(play.letterMask, letterB | letterS);
  EXPECT_FALSE(play.laserOn || play.missileArmed || play.shipLeaving);
  EXPECT_EQ(play.fireTimer + play.glueHoldFrames, 0);
  EXPECT_FALSE(play.gameFrozen);
  EXPECT_EQ(ship.x, 448.0f);
  EXPECT_TRUE(lists.balls.Empty());
}

TEST(LevelStart, BannerAndCountdownResetInBothSets) {
  ResetGameForTest();
  play.difficulty = difficultyHard;
  play.levelIndex = 12;
  play.bonusTimeLimit = 1.0f;
  StartLevel();
  EXPECT_TRUE(MessageShown("LEVEL 13"));
  EXPECT_EQ(play.bonusTimeLimit, 0.0f);
  EXPECT_TRUE(play.servePending);
  ASSERT_EQ(lists.balls.Count(), 1);
  EXPECT_EQ(lists.balls.At(0)->vx, 3.0f);
  // The last chance keeps its countdown and says so.
  ResetGameForTest();
  play.levelIndex = lastChanceLevel;
  play.bonusTimeLimit = 1.0f;
  play.bonusTimeLeft = 6000;
  StartLevel();
  EXPECT_TRUE(MessageShown("LAST CHANCE"));
  EXPECT_FALSE(MessageShown("LEVEL 101"));
  EXPECT_EQ(play.bonusTimeLeft, 6000.0f);
}

TEST(Sounds, PanFollowsThePositionAcrossThePlayfield) {
  EXPECT_EQ(PanOf(448.0f), 24);
  EXPECT_EQ(PanOf(88.0f), -76);
  EXPECT_EQ(PanOf(0.0f), -100);
  EXPECT_EQ(PanOf(720.0f), 100);
  EXPECT_EQ(PanOf(359.6f), 0);  // rounded before the integer arithmetic
}

TEST(AlertTest, EndsWithAFailureAndSaysWhy) {
  EnsureHeadlessMedia();
  EXPECT_EXIT(Alert("No level file"), ::testing::ExitedWithCode(1), "Alert: No level file");
}

}  // namespace
