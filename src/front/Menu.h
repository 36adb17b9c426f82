// The main menu: its state, its frame (input, then drawing, then the animation moving on) and its loop.
#pragma once

#include <array>

// One spark of the selection ball's trail.
struct Spark {
  float x = 0, y = 0;   // pixels
  float drag = 0.2f;    // taken off the drift every frame
  float drift = 0;      // leftward speed, pixels a frame
  float vy = 0;         // pixels a frame
  int alpha = 0;        // 0..255
};
constexpr int menuSparkCount = 150;

enum MenuChoice : int { menuNone = 0, menuStart = 1, menuQuitProgram = 2 };
enum MenuEntryNumber : int {
  entryNone = 0, entryStartGame = 1, entryContinue = 2, entryDifficulty = 3, entryCredits = 4, entryQuit = 5
};
enum class MenuPhase { Menu, LocalScores, LiveScores };

struct MenuState {
  int menuResult = menuNone;
  bool buttonLatch = false;       // the select button is still held after an activation
  int cursorX = 200, cursorY = 200;  // pixels, within the screen
  int keyVelX = 0, keyVelY = 0;   // cursor speed from the arrow keys, pixels a frame
  int joyVelX = 0, joyVelY = 0;   // cursor speed from the joystick, pixels a frame
  int selectedEntry = entryNone;
  int logoX = 1050;               // pixels; slides in to -3
  int titleX = -256, titleY = -60, titleSize = 500;  // the first title letter, pixels
  int flashAlpha = 0;
  bool flashDone = false;
  int musicDelay = 0;             // frames until the menu music starts
  int ballX = -65, ballY = 381;   // the selection ball, pixels
  bool ballActive = false;
  int barAlpha = 200;
  float sparkSpread = 15.0f, sparkPull = 0.35f;
  int idleFrames = 0;             // frames since the player last moved or pressed
  int backgroundScroll = 0;       // rows the background has scrolled up, 0..767
  std::array<Spark, menuSparkCount> sparks{};  // kept for the whole program
};
extern MenuState menu;

// The menu back at its start: the intro animation again, nothing selected, the button unlatched. The ball's
// rolling state and the sparks are kept as they were.
void InitMenuState();
void ResetSparks();  // every spark back at the ball with a new motion
MenuPhase MenuPhaseOf(int idleFrames);
// The pictures, the flash sound and the music of packs/menu.pak.
void LoadMenuAssets();
// One frame of the menu without its present: input, drawing, then the animation moving on.
void MainMenuFrame();
// The menu until the player starts a game (true) or chooses to quit (false: the caller ends the program).
bool MainMenu();

// The parts of a frame, for tests: what the devices say, the hover test and the effect of a press.
void StepMenuInput();
void StepMenuSelection();
void ActOnEntry(int entry);
