// Local score tables and the online score client.
#pragma once

#include <array>

#include "base/ScoreBlock.h"

// Rows 0..9 are the table, row 10 the slot where the next result waits to be sorted in.
struct ScoreTable {
  std::array<ScoreEntry, kScoreRows + 1> rows;
};
extern ScoreTable localScores;

// Reads the table of the level set being played from its file; a missing or damaged file leaves the table as it was.
void LoadLocalScores();
// Enters the player's result (name, level reached, score) and writes the table back to its file.
void SaveLocalScore();
int FetchLiveScores();  // 1 when the table came
void SubmitLiveScore();
