// The settings record and the reading of the preference file at start-up.
#include "runtime/Settings.h"

Settings settings;
JoystickState joystick0;

void ReadPreferences() {
  if (!OpenPrefs("config")) {
    CreatePrefs("config");
  }
  PrefsGroup("");
  settings.musicEnabled = ReadPrefInt("ingame_music", 1) != 0;
  settings.soundEnabled = ReadPrefInt("ingame_sound", 1) != 0;
  settings.effectsEnabled = ReadPrefInt("effects_switch", 1) != 0;
  settings.fullscreenSwitch = ReadPrefInt("fullscreen_switch", 1) != 0;
  settings.internetEnabled = ReadPrefInt("internet_access_switch", 1) != 0;
  settings.joystickEnabled = ReadPrefInt("joystick_switch", 0) != 0;
  settings.flipMethod = ReadPrefInt("flip_method", 1);
  // Only the two methods exist; anything else in a hand-edited file means the default.
  if (settings.flipMethod != 1 && settings.flipMethod != 2) settings.flipMethod = 1;
  settings.playerName = ReadPrefText("player_name", "Offline");
  ClosePrefs();
}
