// The minigames' shared input, drawing and music.
#include "front/MinigameCommon.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/AssetNames.h"
#include "front/ScreenInput.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/NamedMedia.h"
#include "runtime/Screenshot.h"
#include "runtime/Settings.h"
#include "runtime/SoundCues.h"

int ArrowSpeed::Step(int lessKey, int moreKey) {
  velocity = ArrowVelocity(velocity, lessKey, moreKey);
  return velocity;
}

void MinigameHotKeys() {
  if (KeyReleased(Key::J)) settings.joystickEnabled = !settings.joystickEnabled;
  if (KeyReleased(Key::S)) SaveScreenshot();
}

int JoystickStep(int position, int range) {
  if (range == 0) return 0;
  int n = static_cast<int>(std::lround((position - range / 2) / 2048.0));
  return static_cast<int>(static_cast<long long>(n) * 131072 / range);
}

bool MinigameFireHeld() {
  return PointerButton(1) || KeyHeld(Key::Enter) || (settings.joystickEnabled && (joystick0.buttons & 1) != 0);
}

void DrawBigNumber(int value, int centreX, int y) {
  std::string digits = std::to_string(value);
  if (!BeginDraw(DrawTargetKind::Screen)) return;
  SetDrawFont(FontHandle(bigTextFont));
  SetDrawMode(kDrawTransparentText);
  // The large font is taller than the line it was placed on: the number is raised so that it stays whole.
  int top = std::min(y, 768 - TextPixelHeight(digits));
  DrawTextAt(centreX - 32 * static_cast<int>(digits.size()) / 2, top, digits, ColorRGB(255, 255, 255));
  SetDrawMode(0);
  EndDraw();
}

void GiveMinigameLife() {
  play.lives += 1;
  PlayEffectSound(Sound::ExtraLife, 0, 100, 20000);
}

void RestoreGameMusic() {
  if (settings.musicEnabled && HasSound(Sound::Music)) SetSoundVolume(Sound::Music, 50);
}

void StartMinigameTune(const char* file) {
  if (!settings.musicEnabled) return;
  MidiCommand(std::string("open ") + file + " type sequencer alias mid1");
  MidiCommand("set volume1 volume 150");
  MidiCommand("play mid1");
}

void StopMinigameTune() {
  if (!settings.musicEnabled) return;
  MidiCommand("stop mid1");
  MidiCommand("close mid1");
}
