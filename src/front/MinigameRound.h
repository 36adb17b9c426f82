// What Duck shooting and Sugar share around their rules: the sounds a frame asks for, the sideways input, the
// words on screen, the bot's input and the close of a round.
#pragma once

#include <functional>
#include <vector>

#include "base/AssetNames.h"
#include "front/MinigameCommon.h"

// A sound a frame of the rules asks for, its pan and volume left as they stand; frequency -1 leaves it too.
struct MinigameSound {
  Sound sound;
  int frequency;
};

// What one frame of a minigame's rules asks of the world around it.
struct MinigameEvents {
  std::vector<MinigameSound> sounds;
  bool lifeWon = false;  // the main game gains a life this frame
};

// Plays the frame's sounds and gives the life it won.
void ApplyMinigameEvents(const MinigameEvents& events);

// This frame's sideways input: the pointer, the arrows and, switched on, the stick's step divided by `stickDivisor`.
int SidewaysMove(ArrowSpeed& arrows, int stickDivisor);

// "MINIGAME !" as the round starts, then "ESC TO QUIT" now and then; `frame` counts from 0 at the start.
void ShowMinigameWords(int frame);
constexpr int escapeReminderFirst = 8 * 60, escapeReminderPeriod = 20 * 60;  // frames

// What a bot asks for in the next frame, given to the game as a player's input would be.
struct MinigameBotInput {
  int move = 0;       // pointer pixels sideways
  bool fire = false;  // the left button down
  bool quit = false;  // Escape down
};
// The bot's input in the journal's words, for InjectInput; the pointer's movement is always named since it is held.
void InjectBotInput(const MinigameBotInput& input);

// The round's close: the tune stopped, then, when no life was won and sound is on, the failure sound over three
// seconds of the last picture (counted in frames, so that a replay stays exact).
void CloseMinigameRound(bool lifeWon, const std::function<void()>& drawFrame);
