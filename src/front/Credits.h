// The credits screen: the scrolling names over a flying wire grid and drifting pictures, until the player leaves.
#pragma once

void CreditsScreen();
// One frame of the credits without input or present: the scene moved on and drawn (for the benchmark and tests).
void CreditsFrame();
// The credits' pictures, title and track loaded from their pack.
void LoadCreditsAssets();
