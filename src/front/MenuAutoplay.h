// The machine player in the menu: it watches the idle cycle once, then moves the cursor onto "start game" and clicks.
#pragma once

void ResetMenuAutoplay();
// When autoplay is on: the next frame's input, through the devices' own path. Called before each present.
void AutoplayMenuFrame();
// Where autoplay aims on an entry picture at (0, y): a visible pixel nearest the picture's centre.
bool EntryAimPoint(int picture, int& x, int& y);
