// The pull-down console: its state, the lines it shows, its commands, and its drawing.
#pragma once

#include <string>
#include <vector>

enum class ConsoleSlide { Down = 0, Open = 1, Up = 2 };

struct ConsoleState {
  ConsoleSlide slide = ConsoleSlide::Down;
  float panelY = -192;                 // pixels: the panel's top; -192 hidden, 0 open
  std::vector<std::string> lines;      // every line shown, oldest first (the last 1000 kept)
  std::string commandLine;             // what the player is typing
  std::string lastCommand;             // the last line executed, upper case
  float scrollOffset = 0;              // pixels
  int wheelOffset = 0;                 // pixels of extra scroll from the mouse wheel
  bool bonusCommandsOn = false;        // the weapon group, for the whole run
  bool optionCommandsOn = false;       // the minigames and levels group, for the whole run
  float gridOffsetX = 0, gridOffsetY = 0;  // pixels, 0..31.5: the grid drifts down and right
  int caretFrames = 0;                 // frames into the caret's blink
};
extern ConsoleState console;
void ResetConsole();  // as at the program's start

constexpr int consoleHeight = 192, consoleLineHeight = 20;
constexpr size_t consoleMostLines = 1000;

// The banner, once per game; the console starts closed.
void ConsoleBanner();
// Inside the quad pass while the console is open: the grid, and the text over it at alpha 200.
void DrawConsole();
// After the quad pass while the console is open: the slide, the keys, the commands and both layers redrawn.
void ConsoleCommand();

// A line added at the end (the oldest go past 1000), scrolling the text a line on.
void AddConsoleLine(const std::string& line);
// Executes a typed line as Return does.
void ExecuteConsoleLine(const std::string& typed);
// The two unlock words, read back from their stored form.
std::string WeaponUnlockWord();
std::string OptionUnlockWord();
