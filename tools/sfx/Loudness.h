// Loudness as EBU R128 measures it (libebur128: K-weighted, gated, true peak oversampled), and mastering a sound to it.
#pragma once

#include <vector>

// Integrated loudness in LUFS of `channels` interleaved channels at `rate`. A sound shorter than one 400 ms
// block is measured as one block over its own length. −200 for silence.
double IntegratedLoudness(const std::vector<float>& interleaved, int channels, double rate);

// A mono voice as the mixer plays it centred: the same samples from both speakers.
double PlayedLoudness(const std::vector<float>& mono, double rate);

// The largest level between samples as well as at them, in dBTP; −200 for silence.
double TruePeakDb(const std::vector<float>& interleaved, int channels, double rate);

// How the game turns a file's samples into what the mixer puts out: resampled by `step` file samples per
// output sample (frequency / mix rate), then scaled by `gain` (the volume law times the master gain).
struct Playback {
  double step = 1.0;
  float gain = 1.0f;
};
std::vector<float> PlayedAtMixRate(const std::vector<float>& file, const Playback& playback);

struct MasteredLevels {
  double lufs = -200;        // loudness as played
  double truePeakDb = -200;  // true peak as played
  double filePeakDb = -200;  // largest sample of the file itself
};

// Brings what `playback` makes of `s` to `targetLufs` with its true peak at or under `ceilingDb`, by gain and a
// smooth limiter (a gain that dips ahead of each peak and recovers slowly) on the file's samples; the file's own
// samples stay under `fileCeilingDb`, which wins over the loudness. Returns the levels reached.
MasteredLevels MasterToLoudness(std::vector<float>& s, double rate, double targetLufs, double ceilingDb,
                                const Playback& playback = {}, double fileCeilingDb = -0.3);
