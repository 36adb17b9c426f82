// Effects on whole loops: echoes, room and limiter run round the loop, so their tails wrap onto its start.
#pragma once

#include <cstddef>
#include <vector>

#include "music/MusicDesign.h"

namespace music {

// Each effect first runs over the last `warm` samples of the loop (output thrown away) and then over the
// whole loop: what rings at the end of the loop rings on at its start, as it will when the game loops it.
// The warm-up is long enough for the echoes to have died below −90 dB.

// A stereo echo bouncing between left and right: `in` (mono) is added to `left` and `right` as echoes
// only, `delaySamples` apart, each `feedback` times the last and darker (`cutoffHz`).
void AddPingPongEcho(const std::vector<float>& in, double delaySamples, float feedback, float cutoffHz,
                     std::vector<float>& left, std::vector<float>& right);

// A room: eight damped delay lines mixed by a Householder matrix; adds its stereo tail of `in`.
void AddRoom(const std::vector<float>& in, const MixSound& mix, std::vector<float>& left, std::vector<float>& right);

// The mastering equaliser, round the loop: a steep high-pass at mix.highPassHz (no DC, no rumble), a low shelf
// of mix.lowShelfDb centred on 100 Hz (its full depth under 80 Hz) and a broad presence lift of mix.presenceDb at mix.presenceHz.
void MasterEq(std::vector<float>& samples, const MixSound& mix);

// A breakdown's filter opening over `count` samples from `from`: a resonant low-pass that glides from `startHz`
// to `endHz`, slowly at first and faster towards the end, like a hand on the knob.
void OpenFilter(std::vector<float>& samples, size_t from, size_t count, double startHz, double endHz);

// Brings every peak to at most `ceiling` (linear) with a look-ahead of about 1.5 ms and a smooth
// release; returns the deepest gain reduction in dB (0 when the mix never reached the ceiling).
double Limit(std::vector<float>& left, std::vector<float>& right, float ceiling);

}  // namespace music
