// The autoplay bot of Duck shooting: it follows the nearest duck it can reach, leads it and holds its fire while
// a target that must not be hit stands in the way.
#pragma once

#include "front/DuckRules.h"

// The picture a shot fired from `shotX` in the next frame would hit first, from the targets' present courses
// (-1: none). The bot's input reaches the rules one frame later, so the targets move once before the shot leaves.
int PredictedDuckHit(const DuckGame& game, int shotX);

// The bot's input for the next frame. It leaves once the life is won, or after two minutes.
MinigameInput DuckBotInput(const DuckGame& game, MinigameBotMemory& memory);
constexpr int duckBotPatience = 2 * 60 * 60;  // frames
constexpr int duckBotGlide = 24;               // pixels a frame at most
