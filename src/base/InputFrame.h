// One frame's input as it enters the game, and its line in the input journal.
#pragma once

#include <bitset>
#include <cstdio>
#include <string>

// The largest pointer movement and wheel turn a frame can hold, either way; the journal refuses more.
constexpr int journalMotionLimit = 1000000;  // pixels or notches a frame

struct InputFrame {
  std::bitset<256> keys;       // DirectInput scan codes held down
  int mouseDx = 0, mouseDy = 0;  // pointer movement this frame, pixels
  int buttons = 0;             // bit 0 left, bit 1 right, bit 2 middle
  int wheel = 0;               // wheel notches this frame
  std::string text;            // characters typed this frame
  int joyX = 32767, joyY = 32767;  // joystick 0 axes, 0..65535
  int joyButtons = 0;          // joystick 0 buttons, bit 0 is button 1
  bool joyOpen = false;        // joystick 0 is there ("joy=none" in the journal when it is not)
};

// The journal is plain text: a line "FRAME field=value ..." for every frame whose input differs
// from the frame before. Held fields (keys, mouse, buttons, joy) keep their value until a later
// line changes them; events (wheel, text) happen only in the frame of their line.
std::string JournalLine(long frame, const InputFrame& now, const InputFrame& before);
// Applies one journal line to `frame` (held fields carried over, events cleared by the caller).
// Returns false for a line it cannot read, leaving `frame` as it was: a malformed field, or a number
// out of its field's range (keys 0..255, mouse and wheel within journalMotionLimit, buttons 0..7,
// joystick axes 0..65535 and buttons 0..2^31-1, the frame number 0..LONG_MAX).
bool ParseJournalLine(const std::string& line, long& frameNumber, InputFrame& frame);
