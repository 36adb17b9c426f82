// The floating words and the one-shot moving, fading pictures.
#pragma once

#include <string>

#include "game/ExtrasState.h"

// Shows `text` in big gold letters in the middle of the playfield, after `delay` frames.
void ShowMessage(const std::string& text, int delay);
// The same in the middle of the whole screen, for the minigames that take it all.
void ShowScreenMessage(const std::string& text, int delay);
void ShowMessageAt(const std::string& text, int delay, float centreX, float y);  // pixels
// Appends one effect, e.g. SpawnEffect({.sprite = s, .x = x, .y = y, .alphaStep = -8, .lifetime = 20}); an `age`
// below 0 makes it wait that many frames before it shows.
void SpawnEffect(const Effect& effect);
// Moves, fades and ends every effect and ages the words; once per frame.
void StepEffects();
// The effects on screen: those that are not waiting, within their lifetime or their tail.
void DrawEffects();

// Frames a word stays on screen once shown: the still part, then the split that fades away.
constexpr int messageHoldFrames = 90, messageFadeFrames = 85;
