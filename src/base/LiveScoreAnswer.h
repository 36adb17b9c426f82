// The score server's answer to GetScores: checksum, count and rows, separated by ACK, carriage returns and tabs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/ScoreBlock.h"

// Reads the answer into `rows` and returns true, or returns false leaving `rows` alone: a count above ten, a
// score that is not a number, or scores that do not add up to the checksum. Rows beyond the count are cleared,
// except that a count of 0 changes no row.
bool ReadLiveScores(const std::string& answer, ScoreRows& rows);
// The answer a server gives for `rows` (the first `count`), as ReadLiveScores reads it.
std::string LiveScoresAnswer(const ScoreRows& rows, size_t count);
