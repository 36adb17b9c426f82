// The menu's pictures shared by its phases, and the two high-score displays of its idle cycle.
#pragma once

void DrawMenuBackground();  // the scrolling background, wrapped at its bottom
void DrawMenuCursor();      // the pointer and its blue ring (inside BeginQuads)
void DrawVersionText();
// The local or the live table over the menu's background, the title letters and the cursor.
void DrawScorePhase(bool live);
