// The benchmark: a busy scene played headless and uncapped, with frame-time figures.
#pragma once

constexpr long benchmarkDefaultFrames = 3000;

// Starts the layer's devices, builds the scene, times `frames` frames and prints the figures.
// Returns the process exit status.
int RunBenchmark(long frames);
