// The pieces Duck shooting and Sugar share around their rules.
#include "front/ScreenInput.h"
#include "front/MinigameRound.h"

#include <string>

#include "game/Effects.h"
#include "game/ExtrasState.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
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
  if (frame == 0) ShowScreenMessage("MINIGAME !", 2 * framesPerSecond);
  // The way out is told again and again: nothing else on screen says how to leave.
  if (frame >= escapeReminderFirst && (frame - escapeReminderFirst) % escapeReminderPeriod == 0) {
    ShowScreenMessage("ESC TO QUIT", 0);
  }
}

void PlayMinigameRound(const MinigameRoundParts& parts) {
  extras.effects.Clear();
  ForgetKeyReleases();  // an Escape held from the level does not end the round
  ArrowSpeed arrows;
  while (!parts.over()) {
    if (WaitWhileUnfocused()) continue;
    SampleScreenInput();
    MinigameHotKeys();
    ShowMinigameWords(parts.frame());
    MinigameInput input{SidewaysMove(arrows, parts.stickDivisor), MinigameFireHeld(), KeyReleased(Key::Escape) != 0};
    ApplyMinigameEvents(parts.step(input));
    StepEffects();
    parts.draw();
    if (settings.autoplay) InjectBotInput(parts.bot());
    PresentFrame(settings.flipMethod);
  }
  CloseMinigameRound(parts.lifeWon(), parts.draw);
  extras.effects.Clear();
}

void LoadMinigamePictures(const char* pack, std::span<const MinigameEntry> entries, int first, std::span<int> widths) {
  ChoosePack(pack);
  for (const MinigameEntry& entry : entries) LoadSceneSpriteQuad(entry.number, entry.name);
  ClosePack();
  for (size_t n = 0; n < widths.size(); ++n) {
    int width = SpritePixelWidth(first + static_cast<int>(n));
    if (width > 0) widths[n] = width;
  }
}

void DrawQuadCentred(int picture, float x, float y, float degrees, int alpha, float height) {
  float w = static_cast<float>(SpritePixelWidth(picture));
  float h = height > 0 ? height : static_cast<float>(SpritePixelHeight(picture));
  ZoomQuad(picture, w, h);
  RotateQuad(picture, degrees, 0);
  DrawQuadAlpha(picture, x - w / 2, y - h / 2, alpha);
}

bool BotLeaves(bool leaving, MinigameBotMemory& memory, MinigameInput& input) {
  if (!leaving) return false;
  input = {};
  input.quit = !memory.pressed;
  memory.pressed = input.quit;
  return true;
}

void InjectBotInput(const MinigameInput& input) {
  InjectInput("mouse=" + std::to_string(input.move) + ",0 buttons=" + (input.fire ? "1" : "0") +
              (input.quit ? " keys=1" : " keys="));
}

void CloseMinigameRound(bool lifeWon, const std::function<void()>& drawFrame) {
  StopMinigameTune();
  if (lifeWon || !settings.soundEnabled) return;
  PlayEffectSound(Sound::Failure, -1, -1, -1);
  if (settings.autoplay) InjectBotInput({});
  for (int frame = 0; frame < 3 * framesPerSecond;) {
    if (WaitWhileUnfocused()) continue;
    SampleScreenInput();
    drawFrame();
    PresentFrame(settings.flipMethod);
    frame += 1;
  }
}
