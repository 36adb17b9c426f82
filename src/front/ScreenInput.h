// What the screens around play read of the devices: only presses and releases that began after the screen did.
#pragma once

#include <functional>

// Keys and buttons held now are ignored until they have been let go; releases of keys held now never report.
void BeginScreenInput();
// Samples keyboard, mouse and (while it is switched on) joystick 0, and notes what has been let go.
void SampleScreenInput();
bool FreshKeyHeld(int code);   // held, and pressed after the screen began
bool FreshButtonHeld(int n);   // mouse button 1 left, 2 right, 3 middle, likewise
bool FreshJoystickButton();    // joystick button 1 held, likewise, with the joystick switched on

// The speed the arrow keys give a cursor: one more a frame while held, halved when neither is held.
int ArrowVelocity(int velocity, int lessKey, int moreKey);

// While the window is in the background: `lost` runs, the pointer goes free, the screen waits presenting with
// the default mode (window events are still handled, so the window can be closed), then takes the pointer
// back and `back` runs. False, doing nothing, while the window has the focus.
bool WaitWhileUnfocused(const std::function<void()>& lost = {}, const std::function<void()>& back = {});
