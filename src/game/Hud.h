// The status column beside the playfield and its animated inset.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

void DrawPanelInset();
// The inset's screen rolls on by a few rows, before the frame is drawn (its picture changes: rolled while the
// frame's drawing waited to be done, the drawing would first have to be finished).
void StepPanelInset();
void DrawHud(const std::string& playerName, int64_t score, int letterMask, int levelIndex);

// The layout the column is drawn from (also read by the tests).
struct HudGlyph {
  int picture = 0;  // silver font picture
  int x = 0, y = 0;  // top-left corner, pixels
};
struct HudIcon {
  int x = 0, y = 0;  // top-left corner, pixels
};
// A text row ending at x = 994: upper-cased, characters without a glyph left out.
std::vector<HudGlyph> HudTextRow(const std::string& text, int y);
// The player's name as shown: its first 9 characters.
std::string HudName(const std::string& playerName);
// One ship icon per life, seven to a row, at most four rows.
std::vector<HudIcon> HudLifeIcons(int lives);
// The level row: the level's number, or "DEATH", "BONUS" or "SPECIAL" for the levels without one.
std::string HudLevelText(int levelIndex, int difficulty);
// The letter capsules shown for the letters held: (picture, x) pairs.
std::vector<std::pair<int, int>> HudLetters(int letterMask);
// Whether the inset shows the level's name picture this frame (else its rolling screen).
bool InsetShowsLevelName(int levelFrames);
