// Finding where sounds start in a recording: a small onset detector for the tests that listen to the game.
#pragma once

#include <vector>

// Times in seconds at which a new sound starts in mono samples at `rate`: a jump of the short-time energy of
// the first difference (which stresses attacks over sustained low notes) to several times what the last 30 ms
// held, above a floor of −60 dBFS; two onsets are at least 25 ms apart.
std::vector<double> FindOnsets(const std::vector<float>& mono, double rate);
