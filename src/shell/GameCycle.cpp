// The game cycle (menu, main assets, levels, scores) and the start of every level attempt.
#include "front/Console.h"
#include "game/Capsules.h"
#include "media/Media.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/Scene.h"
#include "game/Tiles.h"
#include "front/Menu.h"
#include "front/Minigames.h"
#include "front/Screens.h"
#include "front/Scores.h"
#include "runtime/Loaders.h"
#include "front/SavedGame.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"

void NewGameValues() {
  play.levelEnding = false;
  play.levelIndex = 0;
  play.score = 0;
  play.lives = 3;
  play.letterMask = 0;
  play.lastChanceLeft = true;
  play.levelsLocked = true;
  play.restartLevel = false;
  // A game that ended must not leave its end behind: the next one would stop on its first frame.
  play.leaveGame = false;
  play.gameWon = false;
  play.levelWon = false;
  play.bonusTimeLimit = 0;
  play.bonusTimeLeft = 0;
  play.savedLevelIndex = 0;
  // A game may start anywhere (a continued game, a chosen level): its first level plays its group's track.
  play.changeMusic = true;
  lists.tiles.Clear();
}

void StartLevel() {
  // Nothing of the previous attempt stays: its lists, switches and loaded pictures go.
  ResetLevelState();
  FreeAllResources();
  // A level begins in play: a pause the last one ended in gives back the pointer and the music.
  EndPause(true);
  // A fresh level, or a replay with the tiles left after the lost ball.
  if (!play.restartLevel || play.levelWon) {
    LoadLevelTiles();
    PlaceLetterAndMalus();
  }
  play.levelWon = false;
  play.restartLevel = false;
  // The level's theme, scene and music, then the teleporters among its tiles.
  SetUpLevel();
  BuildTeleporterList();
  // The first ball and banner; an ordinary level has no countdown.
  bool hard = play.difficulty == difficultyHard;
  if (hard) {
    AddBall(ship.x, ship.y - 50, 3.0f, -4.0f, 8, ball16Picture);
  } else {
    AddBall(ship.x, ship.y - 50, 2.0f, -3.0f, 8, ball16Picture);
  }
  if (play.levelIndex < (hard ? finalLevelHard : finalLevelNormal)) {
    play.bonusTimeLimit = 0;
    play.bonusTimeLeft = 0;
    ShowMessage("LEVEL " + std::to_string(play.levelIndex + 1), 0);
  }
  // The last-chance level says so.
  if (play.levelIndex == lastChanceLevel) ShowMessage("LAST CHANCE", 0);
  // Gravity is announced: level 11 teaches how to play with it.
  constexpr int fps = framesPerSecond;
  if (play.levelIndex == 10) {
    ShowMessage("GRAVITY DETECTED", 2 * fps + 85);
    ShowMessage("PUSH AND PULL", 4 * fps + 170);
    ShowMessage("TO ALTER SPEED", 6 * fps + 255);
  } else if (play.gravityOn) {
    ShowMessage("GRAVITY DETECTED", 2 * fps + 85);
  }
  // The tiles slide in, the ball waits on the ship for up to ten seconds and keys held before the level are
  // forgotten.
  PlayLevelIntro();
  GlueAllBalls(10 * fps);
  play.servePending = true;
  play.levelFrames = 0;
  // Keys still held from before the level must not act in it.
  ForgetKeyReleases();
}

namespace {
bool gameRunning = false;
GameEndCause endCause = GameEndCause::escape;
}  // namespace

EndedGames endedGames;

const char* GameEndCauseName(GameEndCause cause) {
  switch (cause) {
    case GameEndCause::livesGone: return "lives gone";
    case GameEndCause::escape: return "escape";
    case GameEndCause::won: return "won";
    case GameEndCause::windowClosed: return "window closed";
    case GameEndCause::signal: return "signal";
  }
  return "";
}

void BeginGame() {
  gameRunning = true;
  endCause = GameEndCause::escape;
}

void LeaveGame(GameEndCause cause) {
  play.leaveGame = true;
  endCause = cause;
}

void FinishGame() {
  if (!gameRunning) return;
  gameRunning = false;
  SaveLocalScore();
  SubmitLiveScore();
  endedGames.count += 1;
  endedGames.score = play.score;
  endedGames.levelIndex = play.levelIndex;
  endedGames.difficulty = play.difficulty;
  endedGames.cause = endCause;
}

void FinishGameOnProgramEnd() {
  OutsideEnd outside = OutsideEndRequest();
  if (outside == OutsideEnd::none || !gameRunning) return;
  // A game already over (its game-over or ending story showing) keeps the cause it ended with.
  if (!play.leaveGame) LeaveGame(outside == OutsideEnd::signal ? GameEndCause::signal : GameEndCause::windowClosed);
  FinishGame();
}

// After Tetris: the main pictures it replaced and the level's scene it freed come back; the tiles stay as they are.
void RestoreLevelAfterTetris() {
  LoadMainAssets();
  SetUpLevel();
}

void RunOneGame() {
  SetMinigameRestore(RestoreLevelAfterTetris);
  ConsoleBanner();
  LoadMainAssets();
  if (play.levelIndex == 0 && settings.startLevel < 0) IntroStory();
  BeginGame();
  while (!play.leaveGame) {
    StartLevel();
    RunFrameLoop();
    HandleLevelExit();
  }
  FinishGame();
  if (settings.musicEnabled) StopSoundId(Sound::Music);
}

void EnterLevelDirectly(int levelIndex) {
  play.levelIndex = levelIndex;
  if (levelIndex != lastChanceLevel && levelIndex != bonusLevel) return;
  // Entered as play enters them, from the first level: the last chance with one life and 100 seconds,
  // the bonus level with the five letters and 50 seconds.
  play.savedLevelIndex = 0;
  play.bonusTimeLimit = 1.0f;
  if (levelIndex == lastChanceLevel) {
    play.lives = 1;
    play.bonusTimeLeft = 100.0f * framesPerSecond;
  } else {
    play.letterMask = allLetters;
    play.bonusTimeLeft = 50.0f * framesPerSecond;
  }
}

void RunGameCycle() {
  bool skipMenu = settings.startLevel >= 0 || settings.continueAtStart;
  for (;;) {
    NewGameValues();
    LoadLocalScores();
    if (settings.internetEnabled) FetchLiveScores();
    settings.continueRequested = false;
    if (skipMenu && settings.continueAtStart) {
      // The saved game at once, as the menu's continue entry would start it; later games go through the menu.
      settings.continueRequested = true;
      skipMenu = false;
    } else if (skipMenu) {
      // Straight into play on the level asked for, once; later games go through the menu.
      play.difficulty = settings.startHard ? difficultyHard : difficultyNormal;
      EnterLevelDirectly(settings.startLevel);
      skipMenu = false;
    } else if (!MainMenu()) {
      QuitProgram();
    }
    if (settings.continueRequested) {
      LoadSavedGame();
      play.difficulty = difficultyNormal;
    }
    RunOneGame();
  }
}
