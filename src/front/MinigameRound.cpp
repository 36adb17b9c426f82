// The pieces Duck shooting and Sugar share around their rules.
#include "front/MinigameRound.h"

#include <string>

#include "game/Effects.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "runtime/SoundCues.h"

void ApplyMinigameEvents(const MinigameEvents& events) {
  for (const MinigameSound& s : events.sounds) PlayEffectSound(s.sound, -1, -1, s.frequency);
  if (events.lifeWon) GiveMinigameLife();
}

int SidewaysMove(ArrowSpeed& arrows, int stickDivisor) {
  int move = PointerDeltaX() + arrows.Step(Key::Left, Key::Right);
  if (settings.joystickEnabled && stickDivisor > 0) move += JoystickStep(joystick0.x, settings.joyRangeX) / stickDivisor;
  return move;
}

void ShowMinigameWords(int frame) {
  if (frame == 0) ShowMessage("MINIGAME !", 2 * framesPerSecond);
  // The way out is told again and again: nothing else on screen says how to leave.
  if (frame >= escapeReminderFirst && (frame - escapeReminderFirst) % escapeReminderPeriod == 0) {
    ShowMessage("ESC TO QUIT", 0);
  }
}

void InjectBotInput(const MinigameBotInput& input) {
  InjectInput("mouse=" + std::to_string(input.move) + ",0 buttons=" + (input.fire ? "1" : "0") +
              (input.quit ? " keys=1" : " keys="));
}

void CloseMinigameRound(bool lifeWon, const std::function<void()>& drawFrame) {
  StopMinigameTune();
  if (lifeWon || !settings.soundEnabled) return;
  PlayEffectSound(Sound::Failure, -1, -1, -1);
  if (settings.autoplay) InjectBotInput({});
  for (int frame = 0; frame < 3 * framesPerSecond;) {
    if (MinigameWaitFocus()) continue;
    SampleMinigameInput();
    drawFrame();
    PresentFrame(settings.flipMethod);
    frame += 1;
  }
}
