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
// The ten best results of all players, from the score server.
extern ScoreRows liveScores;
// Whether a score server is named (the preference "score_server" or --score-server): without one the game is
// offline, asks nothing and offers no retry.
bool ScoreServerConfigured();
// Fetches the live table: 1 when it came and was whole, 0 otherwise (the table then stays as it was).
int FetchLiveScores();
// Sends the player's best local result to the score server after checking the account; silent, and nothing
// is sent without a password.
void SubmitLiveScore();
