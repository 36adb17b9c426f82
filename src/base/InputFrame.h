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
  bool focus = true;           // the game's window has the focus ("focus=0" in the journal while it has not)
};

// The keys and pointer buttons that went down at any time during a frame, gathered from the devices'
// press events.
struct FramePresses {
  std::bitset<256> keys;  // DirectInput scan codes
  int buttons = 0;        // as InputFrame::buttons
};

// A press counts as held in the frame it happened in, even when the key or button came up again before
// the frame's state was sampled (a touchpad tap, a quick tap at a low frame rate): the game sees it held
// for that frame and released in the next.
inline void MergePresses(InputFrame& sampled, const FramePresses& presses) {
  sampled.keys |= presses.keys;
  sampled.buttons |= presses.buttons;
}

// The journal is plain text: a line "FRAME field=value ..." for every frame whose input differs
// from the frame before. Held fields (keys, mouse, buttons, joy, focus) keep their value until a later
// line changes them; events (wheel, text) happen only in the frame of their line. The fields:
//   keys=A,B,...   the scan codes held (none after "=": every key up)
//   mouse=DX,DY    pointer movement in every frame from this one on, pixels
//   buttons=N      pointer buttons held, bits as InputFrame::buttons
//   joy=X,Y,B      joystick 0 axes and buttons; joy=none when no joystick is there
//   focus=0|1      the window lost (0) or got back (1) the focus; the game waits while it is lost.
//                  Journals written before focus was recorded have no such field: the focus was kept.
//   wheel=N        wheel notches in this frame only
//   text=T         characters typed in this frame only, bytes outside '!'..'~' and '%' written %XX
// A key or button tapped within one frame is held in that frame's line (see MergePresses).
std::string JournalLine(long frame, const InputFrame& now, const InputFrame& before);
// Applies one journal line to `frame` (held fields carried over, events cleared by the caller).
// Returns false for a line it cannot read, leaving `frame` as it was: a malformed field, or a number
// out of its field's range (keys 0..255, mouse and wheel within journalMotionLimit, buttons 0..7,
// joystick axes 0..65535 and buttons 0..2^31-1, focus 0..1, the frame number 0..LONG_MAX).
bool ParseJournalLine(const std::string& line, long& frameNumber, InputFrame& frame);
