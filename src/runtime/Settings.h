// The settings of this run: preferences, player, devices found at start-up.
#pragma once

#include <string>

#include "media/Media.h"

struct Settings {
  int musicEnabled = 1;       // "ingame_music"
  int soundEnabled = 1;       // "ingame_sound"
  int effectsEnabled = 1;     // "effects_switch"
  int fullscreenSwitch = 1;   // "fullscreen_switch", stored only
  int internetEnabled = 1;    // "internet_access_switch"
  int joystickEnabled = 0;    // "joystick_switch"
  int flipMethod = 1;         // "flip_method": 1 retrace, 2 timer
  std::string playerName = "Offline";  // "player_name"
  std::string playerPassword;          // never stored
  int continueRequested = 0;
  int engine3DAvailable = 0;
  int fontRegistered = 0;
  int joyRangeX = 0, joyRangeY = 0;    // joystick 0 axis spans
  std::string startDirectory;
  // Run options that skip the screens before play
  int startLevel = -1;        // >= 0: start a game at once on this level index
  int startHard = 0;
  int autoplay = 0;
};

extern Settings settings;
extern JoystickState joystick0;  // joystick 0 as read this frame

// Reads the preference file "config" (creating it when missing) into `settings`.
void ReadPreferences();
