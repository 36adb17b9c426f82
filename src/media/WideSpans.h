// Whether the drawing loops may use the processor's 256-bit integer instructions (AVX2), found at run time.
#pragma once

namespace media {

extern bool wideSpansOn;  // set once at start-up and by UseWideSpans; read for every span

// True where the processor has AVX2, the build is for x86-64, and nothing switched them off.
inline bool WideSpansOn() { return wideSpansOn; }
// For tests and measurements: off, every span goes through the SSE2 (or plain) loops.
void UseWideSpans(bool on);
bool WideSpansAvailable();

}  // namespace media
