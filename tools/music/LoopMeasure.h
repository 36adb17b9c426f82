// Measurements of a stereo loop, printed by the builder and checked by the tests: level, loudness, seam.
#pragma once

#include <cstddef>
#include <vector>

namespace music {

struct LoopMeasures {
  double seconds = 0;          // length of the loop
  double peakDb = -200;        // dBFS of the largest sample of either channel
  double rmsDb = -200;         // dBFS, whole loop, both channels
  double quietestDb = -200;    // RMS of the quietest 10 s window (windows overlap by half)
  double loudestDb = -200;     // RMS of the loudest 10 s window
  double seamStep = 0;         // largest jump from the last sample to the first, of either channel
  double typicalStep = 0;      // RMS of the jumps between neighbouring samples over the whole loop
  double largeStep = 0;        // jump that only 1 in 1000 neighbouring pairs exceeds
  double width = 0;            // side / (mid + side) energy: 0 mono, 0.5 unrelated channels, 1 opposed
  double lowShare = 0;         // share of the power through a 60 Hz low-pass (two poles): the boom
};

// `interleaved` holds `frames` left-right pairs at `rate` samples per second.
LoopMeasures MeasureLoop(const std::vector<float>& interleaved, size_t frames, int rate);

// RMS in dBFS of each `windowSeconds` window, stepping by `stepSeconds`, both channels together.
std::vector<double> WindowLoudness(const std::vector<float>& interleaved, size_t frames, int rate,
                                   double windowSeconds, double stepSeconds);

}  // namespace music
