// The configuration window's form without the window: what it shows and what it stores.
#pragma once

#include <string>

// The gadgets' states, as the window shows them and reads them back.
struct ConfigurationForm {
  bool music = true, sound = true, effects = true, internet = true, joystick = false;
  int flipMethod = 1;          // 1: synchronised with the retrace, 2: paced by a timer
  bool synchroLocked = false;  // the display has no 1024 x 768 mode at 60 Hz: timer pacing, not to be changed
  std::string name, password;
};

// The form as the window opens it, from the settings read at start-up.
ConfigurationForm FormFromSettings(bool displayHas60Hz);
// Takes the form's choices into the settings (name and password filtered) and stores the switches and the
// name in "config", keeping everything else the file holds; the password is never stored.
void ApplyForm(const ConfigurationForm& form);
