// The configuration window's form: its start from the settings and the writing back.
#include "front/ConfigurationForm.h"

#include <cctype>

#include "base/Prefs.h"
#include "media/Media.h"
#include "runtime/Settings.h"

namespace {

bool IsPlayerOne(const std::string& name) {
  const std::string playerOne = "player 1";
  if (name.size() != playerOne.size()) return false;
  for (size_t i = 0; i < name.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[i])) != playerOne[i]) return false;
  return true;
}

}  // namespace

ConfigurationForm FormFromSettings(bool displayHas60Hz) {
  ConfigurationForm form;
  form.music = settings.musicEnabled;
  form.sound = settings.soundEnabled;
  form.effects = settings.effectsEnabled;
  form.internet = settings.internetEnabled;
  form.joystick = settings.joystickEnabled;
  form.flipMethod = settings.flipMethod == 2 ? 2 : 1;
  if (!displayHas60Hz) {
    // Without a 60 Hz mode the retrace cannot pace the game: the timer does, and the choice is not offered.
    form.flipMethod = 2;
    form.synchroLocked = true;
  }
  form.name = settings.playerName;
  form.password = settings.playerPassword;
  return form;
}

void ApplyForm(const ConfigurationForm& form) {
  settings.musicEnabled = form.music;
  settings.soundEnabled = form.sound;
  settings.effectsEnabled = form.effects;
  settings.internetEnabled = form.internet;
  settings.joystickEnabled = form.joystick;
  settings.flipMethod = form.synchroLocked ? 2 : (form.flipMethod == 2 ? 2 : 1);
  settings.playerName = FilterName(form.name);
  settings.playerPassword = FilterPassword(form.password);
  // A player without an account is stored as "Offline" (and plays as "Player 1").
  if (settings.playerName.empty() || IsPlayerOne(settings.playerName)) settings.playerName = "Offline";
  // A file that cannot be opened keeps what it holds: the choices then hold for this run only.
  if (!OpenPrefs("config")) return;
  PrefsGroup("");
  WritePrefInt("ingame_music", settings.musicEnabled ? 1 : 0);
  WritePrefInt("ingame_sound", settings.soundEnabled ? 1 : 0);
  WritePrefInt("effects_switch", settings.effectsEnabled ? 1 : 0);
  WritePrefInt("internet_access_switch", settings.internetEnabled ? 1 : 0);
  WritePrefInt("joystick_switch", settings.joystickEnabled ? 1 : 0);
  WritePrefInt("flip_method", settings.flipMethod);
  WritePrefText("player_name", settings.playerName);
  ClosePrefs();
}
