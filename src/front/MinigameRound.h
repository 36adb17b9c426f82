// What Duck shooting and Sugar share around their rules: the sounds a frame asks for, the sideways input, the
// words on screen, the bot's input and the close of a round.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "base/AssetNames.h"
#include "base/MinigamePacks.h"
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

// A frame's input as the rules take it, and as a bot gives it (then `fire` and `quit` are the button and Escape
// held down in the next frame).
struct MinigameInput {
  int move = 0;       // sideways: pixels the cannon goes, degrees the launcher turns
  bool fire = false;  // the fire input is held
  bool quit = false;  // Escape was let go
};

// This frame's sideways input: the pointer, the arrows and, switched on, the stick's step divided by `stickDivisor`.
int SidewaysMove(ArrowSpeed& arrows, int stickDivisor);

// "MINIGAME !" as the round starts, then "ESC TO QUIT" now and then; `frame` counts from 0 at the start.
void ShowMinigameWords(int frame);
constexpr int escapeReminderFirst = 8 * 60, escapeReminderPeriod = 20 * 60;  // frames

// A round's parts, which its loop calls each frame.
struct MinigameRoundParts {
  int stickDivisor = 1;                                 // the stick's step is divided by it
  std::function<int()> frame;                           // frames stepped since the start
  std::function<MinigameEvents(const MinigameInput&)> step;  // the rules
  std::function<void()> draw;
  std::function<bool()> over;
  std::function<bool()> lifeWon;
  std::function<MinigameInput()> bot;                   // the autoplay bot's input for the next frame
};
// The round from its first frame to its close, its pictures loaded and its state reset: each frame the devices
// sampled (waiting while the window is in the background), J and S handled, the words shown, the rules stepped,
// the frame drawn and presented, the bot heard with autoplay. The effects are cleared before and after.
void PlayMinigameRound(const MinigameRoundParts& parts);

// What a bot remembers between frames: fire and Escape are each a press and a release.
struct MinigameBotMemory {
  bool pressed = false;  // fire (or Escape) went down last frame
};
// When the bot is `leaving`, its input is Escape pressed and let go by turns, and true is returned.
bool BotLeaves(bool leaving, MinigameBotMemory& memory, MinigameInput& input);
// The bot's input in the journal's words, for InjectInput; the pointer's movement is always named since it is held.
void InjectBotInput(const MinigameInput& input);

// A minigame's pictures from its pack, as quads so that they can be turned; then the widths of `widths.size()`
// of them from `first` on (a picture that failed keeps the width it had).
void LoadMinigamePictures(const char* pack, std::span<const MinigameEntry> entries, int first, std::span<int> widths);
// A picture at its own width and height (or `height` pixels tall) with its centre at (x, y), turned by `degrees`.
void DrawQuadCentred(int picture, float x, float y, float degrees, int alpha = 255, float height = 0);

// The pictures' widths before they are loaded: the stand-ins' 64 pixels.
template <size_t count>
constexpr std::array<int, count> StandInWidths() {
  std::array<int, count> widths{};
  widths.fill(64);
  return widths;
}

// The round's close: the tune stopped, then, when no life was won and sound is on, the failure sound over three
// seconds of the last picture (counted in frames, so that a replay stays exact).
void CloseMinigameRound(bool lifeWon, const std::function<void()>& drawFrame);
