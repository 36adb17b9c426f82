// The autoplay bot of Sugar: it turns the launcher towards a balloon it can pop without touching a sweet on the way
// and fires.
#pragma once

#include "front/SugarRules.h"

// What a ball launched in the next frame at `angle` would touch first, following the items' courses (None: it comes
// home untouched).
SugarContact SugarShotOutcome(const SugarGame& game, float angle);

// The bot's input for the next frame. It leaves once the life is won, or after two minutes.
MinigameInput SugarBotInput(const SugarGame& game, MinigameBotMemory& memory);
constexpr int sugarBotPatience = 2 * 60 * 60;  // frames
constexpr int sugarBotTurn = 6;                // degrees a frame at most
