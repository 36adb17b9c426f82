// Capsules and their effects, the floating words and the one-shot pictures.
#pragma once

#include <string>

void UpdateCapsules();
void UpdateEffects();
void DrawThread();
void ShowMessage(const std::string& text, int delay);  // delay in frames before the word shows
void PlaceLetterAndMalus();
