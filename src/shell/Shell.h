// The spine of the game: start-up, the game and level cycles, the frame loop and the level exit.
#pragma once

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

[[noreturn]] void RunGameCycle();
void NewGameValues();
void RunOneGame();   // from the main assets to the saved score
void StartLevel();   // a level attempt's start: reset, tiles, scene, first ball, words, intro
void RunFrameLoop();  // until the level's frame loop exits
// One frame of play: input and hot keys, the step, then (unless `drawn` is false) the drawing pass.
void RunFrame(bool drawn = true);
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

// The program's end: the report, then the exit.
void WriteRunReport(const std::string& reason);
void SetReportPath(const std::string& path);
