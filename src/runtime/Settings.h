// The settings of this run: preferences, player, devices found at start-up.
#pragma once

#include <string>

#include "media/Media.h"

struct Settings {
  // The switches are stored as 0 or 1 under the names given.
  bool musicEnabled = true;       // "ingame_music"
  bool soundEnabled = true;       // "ingame_sound"
  bool effectsEnabled = true;     // "effects_switch"
  bool fullscreenSwitch = true;   // "fullscreen_switch", stored only
  bool internetEnabled = true;    // "internet_access_switch"
  bool joystickEnabled = false;   // "joystick_switch"
  int flipMethod = 1;         // "flip_method": 1 retrace, 2 timer
  std::string playerName = "Offline";  // "player_name"
  std::string playerPassword;          // never stored
  std::string scoreServer;             // "score_server": the score server's base address, "" offline
  bool continueRequested = false;
  bool engine3DAvailable = false;
  bool fontRegistered = false;
  int joyRangeX = 0, joyRangeY = 0;    // joystick 0 axis spans
  std::string startDirectory;
  // Run options that skip the screens before play
  int startLevel = -1;        // >= 0: start a game at once on this level index
  bool startHard = false;
  bool continueAtStart = false;  // continue the saved game at once, without the menu
  bool autoplay = false;
  std::string screenOnly;     // one screen run by itself, then the program ends ("": the whole game)
};

extern Settings settings;
extern JoystickState joystick0;  // joystick 0 as read this frame

// The joystick steers and launches only while the switch is on and a joystick is there; otherwise
// the mouse and keys do, as with the switch off.
bool JoystickSteers();

// The score server's base address without a closing "/", "" when none is named (the game is then offline).
std::string ScoreServerBase();
// The live-scores page on the web, where players sign up and see the table of all players.
std::string LiveScoresPage();

// Reads the preference file "config" (creating it when missing) into `settings`.
void ReadPreferences();
