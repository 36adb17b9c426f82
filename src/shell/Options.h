// The command line: game options beginning with "--", the rest the player name and password.
#pragma once

#include <string>
#include <vector>

#include "media/Media.h"

struct RunOptions {
  MediaOptions media;
  std::vector<std::string> arguments;  // player name, password
  std::string reportPath;
  std::string benchmarkJsonPath;  // --benchmark's figures as JSON
  std::string scoreServer;        // --score-server: the score server's base address for this run
  int startLevel = -1;
  bool hard = false;
  bool continueGame = false;  // --continue: the saved game of the normal set, straight away
  bool autoplay = false;
  std::string screen;  // --screen or --minigame: the one to run (logos, menu, intro, ending, gameover, credits,
                       // duel, tetris, duck, sugar)
  bool help = false;
};

// Paths given to options are taken relative to `callerDirectory`. False with `error` set for a
// command line the game cannot follow.
bool ParseOptions(const std::vector<std::string>& words, const std::string& callerDirectory, RunOptions& options,
                  std::string& error);
const char* UsageText();
