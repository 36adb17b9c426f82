// Test support: the media layer started headless once, and the game's records back to a known state.
#pragma once

#include <string>

// Starts the headless media layer and screen on first use.
void EnsureHeadlessMedia();
// Play state, settings and keyboard back to a program start (sound effects off, no music), in the game folder.
void ResetGameForTest();
// Runs frames of play until the frame loop would exit or `limit` frames have passed; returns the count.
int RunFramesUntilExit(int limit);
// True when a floating word with this text was shown since the last reset.
bool MessageShown(const std::string& text);
// From the next present on, a click every 20 frames for the next 3000: the story screens a game's end shows
// (game over, the ending) are left as a player would leave them.
void ClickThroughScreens();
