// Rendering a track: its score played by its instruments into one seamless stereo loop, mixed and levelled.
#pragma once

#include <cstddef>
#include <vector>

#include "music/MusicDesign.h"

namespace music {

constexpr float kCeilingDb = -2.0f;  // the limiter's ceiling: the encoder's overshoot stays under −1 dBFS

struct RenderedTrack {
  size_t frames = 0;               // samples per channel: a whole number of bars
  std::vector<float> interleaved;  // left, right
  double gainDb = 0;               // gain that brought the mix to its loudness target
  double limiterDb = 0;            // deepest gain reduction of the limiter
};

// Renders the first `bars` bars (0: the whole track) as a loop: every note's and echo's tail that runs
// past the end is added onto the start.
RenderedTrack RenderTrack(const TrackDesign& design, int bars = 0);

}  // namespace music
