// Fresh presses for the screens, and their wait while the window is in the background.
#include "front/ScreenInput.h"

#include <array>

#include "media/Media.h"
#include "runtime/Settings.h"

namespace {

// What was held when the screen began and has not been let go since.
struct StaleInput {
  std::array<bool, kKeyCodeCount> keys{};
  std::array<bool, 4> buttons{};
  bool joystick = false;
};
StaleInput stale;

bool JoystickButtonDown() { return settings.joystickEnabled && (joystick0.buttons & 1) != 0; }

}  // namespace

void BeginScreenInput() {
  ForgetKeyReleases();
  for (int code = 0; code < kKeyCodeCount; ++code) stale.keys[code] = KeyHeld(code) != 0;
  for (int n = 1; n <= 3; ++n) stale.buttons[n] = PointerButton(n) != 0;
  stale.joystick = JoystickButtonDown();
}

void SampleScreenInput() {
  SampleKeyboard();
  SampleMouse();
  if (settings.joystickEnabled) {
    ReadJoystick(0, joystick0);
  } else {
    joystick0.buttons = 0;
  }
  for (int code = 0; code < kKeyCodeCount; ++code) stale.keys[code] = stale.keys[code] && KeyHeld(code) != 0;
  for (int n = 1; n <= 3; ++n) stale.buttons[n] = stale.buttons[n] && PointerButton(n) != 0;
  stale.joystick = stale.joystick && JoystickButtonDown();
}

bool FreshKeyHeld(int code) {
  if (code < 0 || code >= kKeyCodeCount) return false;
  return KeyHeld(code) != 0 && !stale.keys[code];
}

bool FreshButtonHeld(int n) {
  if (n < 1 || n > 3) return false;
  return PointerButton(n) != 0 && !stale.buttons[n];
}

int ArrowVelocity(int velocity, int lessKey, int moreKey) {
  if (KeyHeld(lessKey)) return velocity - 1;
  if (KeyHeld(moreKey)) return velocity + 1;
  return velocity / 2;
}

bool FreshJoystickButton() { return JoystickButtonDown() && !stale.joystick; }

bool WaitWhileUnfocused(const std::function<void()>& lost, const std::function<void()>& back) {
  if (ScreenHasFocus()) return false;
  if (lost) lost();
  ReleasePointer(1);
  while (!ScreenHasFocus()) {
    PresentFrame(1);
    Sleep(1);
  }
  ReleasePointer(0);
  if (back) back();
  return true;
}
