// The settings record and the reading of the preference file at start-up.
#include "runtime/Settings.h"

#include <cstdio>

Settings settings;
JoystickState joystick0;

bool JoystickSteers() { return settings.joystickEnabled && joystick0.open; }

void ReadPreferences() {
  if (!OpenPrefs("config")) {
    if (PrefsOpenError().empty()) {
      CreatePrefs("config");
    } else {
      // Never replace what could not be read: the player may mend it, and the next start reads it. The
      // reads below then give the defaults.
      std::fprintf(stderr, "The configuration file config %s: it is left as it is, and this run plays with the "
                   "default settings.\n", PrefsOpenError().c_str());
    }
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
  // --score-server names one for this run, over the stored one.
  if (settings.scoreServer.empty()) settings.scoreServer = ReadPrefText("score_server", "");
  ClosePrefs();
}

std::string ScoreServerBase() {
  std::string base = settings.scoreServer;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base;
}

std::string LiveScoresPage() {
  // The score server shows its table on its own page; without one, the project's page.
  std::string base = ScoreServerBase();
  return (base.empty() ? "https://novabouncer.example" : base) + "/live/?game=novabouncer3";
}
