// Autoplay: the machine player that steers the ship through the input devices' own path.
#pragma once

#include <string>

#include "game/PlayState.h"

// One frame of input chosen by autoplay, as a player's devices would give it.
struct AutoplayInput {
  int mouseDx = 0, mouseDy = 0;  // pointer movement, pixels
  int buttons = 0;               // mouse buttons held: 1 left
};

// What autoplay knows about the coming frames when it decides where the ship should go.
struct AutoplayPlan {
  float shipTargetX = 0;   // where the ship's centre should be, pixels
  int framesToContact = -1;  // frames until the next ball meets the ship; -1 when none is coming
  float contactX = 0;      // where that ball meets the ship's line, pixels
  int swipe = 0;           // sideways hand movement in the frame of the bounce, pixels (0: none)
  int pushY = 0;           // vertical hand movement at the bounce, pixels (negative: a push up)
  bool fire = false;       // press the button in the next frame
};

// When autoplay is on: decides the input of the next frame and injects it. Called once per frame,
// before the frame is presented, by every loop that waits for the player.
void AutoplayFrame();
// For the other loops that wait for a click (story screens, minigame ends): when autoplay is on, clicks
// after a short look. Called once per frame, before the frame is presented.
void AutoplayAcknowledge();
// The frame loop has ended: let go of the mouse and the button so nothing is held into the next level.
void AutoplayLevelEnded();
// Forgets the waits autoplay counts (a new run, tests).
void ResetAutoplay();

// Where a free ball will first meet the line y = contactTop with its lower edge, ignoring tiles but
// bouncing off the walls and the ceiling with its gravity; false when not within `horizon` frames.
bool PredictShipContact(const Ball& ball, float contactTop, int horizon, float& contactX, int& frames);
// The ship x that sends a ball meeting the ship at (ballX, ballY) towards (aimX, aimY), kept within
// the part of the ship's top that returns a ball upwards.
float ShipXForAim(float ballX, float ballY, float aimX, float aimY);
// The vertical hand movement at a bounce that brings a ball of `speed` up to `wantedSpeed` (no gravity)
// or, on a gravity level, gives it the upward speed to climb `climb` pixels; 0 or negative (a push up).
int PushForBounce(float speed, float upShare, float wantedSpeed, float climb);
// The next frame's input from the play state and autoplay's own waits.
AutoplayInput DecideAutoplayInput();
// The input in the journal's field syntax, as InjectInput takes it.
std::string AutoplayInputFields(const AutoplayInput& input);
