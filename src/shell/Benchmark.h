// The benchmark: a busy scene played headless and uncapped, with frame-time figures.
#pragma once

#include <string>

constexpr long benchmarkDefaultFrames = 3000;

// Starts the layer's devices, builds the scenes, times `frames` frames of each and prints the figures (also as
// JSON into `jsonPath` unless it is empty).
// Returns the process exit status.
int RunBenchmark(long frames, const std::string& jsonPath);
