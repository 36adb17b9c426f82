// The spine of the game: start-up, the game and level cycles, the frame loop and the level exit.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

void StartUp();
void OpenGameScreen();
void BlankSecond();
void DetectJoysticks();
void LoadGameFonts();  // the text fonts, each with a stand-in face; a missing one ends through Alert
void LockSystemKeys();
void UnlockSystemKeys();
[[noreturn]] void QuitProgram();
// Runs the named screen (logos, menu, intro, ending, gameover, credits) or minigame (duel, tetris, duck, sugar)
// by itself and ends the program.
[[noreturn]] void RunScreenOnly(const std::string& name);

[[noreturn]] void RunGameCycle();
void NewGameValues();
// A new game starts on this level as if play had brought it there (the last chance and the bonus level
// with their countdown and the level to come back to).
void EnterLevelDirectly(int levelIndex);
void RunOneGame();   // from the main assets to the saved score

// How a game ended.
enum class GameEndCause { livesGone, escape, won, windowClosed, signal };
const char* GameEndCauseName(GameEndCause cause);  // "lives gone", "escape", "won", "window closed", "signal"
// The games ended in this run and the last one's final values, for the run's report.
struct EndedGames {
  long count = 0;
  int64_t score = 0;  // points
  int levelIndex = 0;
  int difficulty = 0;
  GameEndCause cause = GameEndCause::escape;
};
extern EndedGames endedGames;
// A game begins: from now on its end is recorded (FinishGame), Escape's unless something else ends it.
void BeginGame();
// The game is over: the level cycle ends after this frame, and `cause` is what ended it.
void LeaveGame(GameEndCause cause);
// The one place where an ended game is recorded: its score goes to the local and live tables and its
// values to `endedGames`. Does nothing when no game is running.
void FinishGame();
// A game running when the program is ended from outside (the window closed, a signal) ends as Escape ends
// it, with that cause.
void FinishGameOnProgramEnd();
void StartLevel();   // a level attempt's start: reset, tiles, scene, first ball, words, intro
void RunFrameLoop();  // until the level's frame loop exits
// One frame of play: input and hot keys, the step, then (unless `drawn` is false) the drawing pass.
void RunFrame(bool drawn = true);
// Where the last frame's time went, in milliseconds of the real clock, measured only while `framePhases`
// points somewhere (the benchmark): the drawing then finishes inside its phase instead of at the present.
struct FramePhases {
  double simulation = 0;  // input, hot keys and the step of play
  double scene = 0;       // the level's scene behind the field: its 3D world or its background
  double drawing = 0;     // the rest of the playfield and the HUD
};
extern FramePhases* framePhases;
bool FrameLoopShouldExit();
void HandleLevelExit();
void RunCountdown();
// Play resumes after the player's pause (P, a new level, leaving the game): the pointer is captured again
// and, with `withMusic`, the music restarts. Nothing happens when no pause holds them.
void EndPause(bool withMusic);
// The display went away (task switch): wait for it with the pointer free and the music stopped.
void WaitForFocus();
void PlayLevelIntro();    // the tiles slide in from above
void RunTileChallenge();  // the sugar minigame of a met challenge, then the level is won

// The program's end: the report, then the exit. False when the report could not be written.
bool WriteRunReport(const std::string& reason);
void SetReportPath(const std::string& path);
// The program-end hook: a running game ends as the window or a signal asked, then the report is
// written with the end's reason ("closed" and "signal" for those). False when the report failed.
bool EndOfRun();
