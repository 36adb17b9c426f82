// What every minigame shares beside the screens' input and wait: the J and S keys, the arrow keys' speed, the
// joystick's step, the fire button, the big numbers, the extra life and the game music around a minigame.
#pragma once

// The speed the arrows give: one more a frame while held, halved when neither is held.
struct ArrowSpeed {
  int velocity = 0;
  int Step(int lessKey, int moreKey);
};

// J released switches the joystick, S released saves a screenshot; called once a frame after sampling.
void MinigameHotKeys();
// An axis read as a step: ((position - range / 2) / 2048, rounded) * 2^17 / range; 0 without a range.
int JoystickStep(int position, int range);
// The fire input: the left button, Enter, or joystick button 1 while the joystick is switched on.
bool MinigameFireHeld();
// `value` in the large font with its middle on `centreX` (32 pixels a digit) at `y`, white.
void DrawBigNumber(int value, int centreX, int y);
// One more life in the main game, with the extra-life bell.
void GiveMinigameLife();
// The level's music back at 50 after a minigame (runtime's FadeOutMusic silences it before).
void RestoreGameMusic();

// The minigame's MIDI tune on slot 1 while music is on: opened, set to the game's level and played; stopped and
// closed at the end.
void StartMinigameTune(const char* file);
void StopMinigameTune();
