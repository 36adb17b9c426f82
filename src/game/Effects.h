// The floating words and the one-shot moving, fading pictures.
#pragma once

#include <string>

// Shows `text` in big gold letters in the middle of the playfield, after `delay` frames.
void ShowMessage(const std::string& text, int delay);
// Appends one effect; `startAge` below 0 makes it wait that many frames before it shows.
void SpawnEffect(float x, float y, float vx, float vy, float sprite, float spriteStep, int startAge, int lifetime,
                 float alpha, float alphaStep, int holdFrames, int tailFrames, int spriteLow, int spriteHigh,
                 float scale, float scaleStep);
// Draws and advances every effect, once per frame.
void UpdateEffects();

// Frames a word stays on screen once shown: the still part, then the split that fades away.
constexpr int messageHoldFrames = 90, messageFadeFrames = 85;
