// Loudness as a listener hears it (EBU R128 / ITU-R BS.1770: K-weighted, gated) and the true peak of a mono sound.
#pragma once

#include <vector>

// Integrated loudness in LUFS of mono samples at `rate`; a sound shorter than one 400 ms block is measured
// as a single block. −200 for silence.
double IntegratedLoudness(const std::vector<float>& s, double rate);

// The largest level between samples as well as at them (four times oversampled), in dBTP; −200 for silence.
double TruePeakDb(const std::vector<float>& s);

// Brings the sound to `targetLufs`, then holds its true peak at or under `ceilingDb` with a smooth limiter
// (a gain that dips ahead of each peak and recovers slowly); a few rounds settle both at once.
void MasterToLoudness(std::vector<float>& s, double rate, double targetLufs, double ceilingDb);
