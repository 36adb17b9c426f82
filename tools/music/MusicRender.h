// Rendering a track: its score played by its instruments into one seamless stereo loop, mixed and levelled.
#pragma once

#include <cstddef>
#include <vector>

#include "music/MusicDesign.h"

namespace music {

// The limiter's first ceiling in dBFS: the oversampled peak and the encoder's overshoot stay under the music's
// true-peak ceiling. The pack builder lowers it for a track whose file still peaks too high.
constexpr float kCeilingDb = -2.6f;

struct RenderedTrack {
  size_t frames = 0;               // samples per channel: a whole number of bars
  std::vector<float> interleaved;  // left, right: mastered
  std::vector<float> unmastered;   // the same mix before its loudness gain and limiter
  double gainDb = 0;               // gain that brought the mix to its loudness target
  double limiterDb = 0;            // deepest gain reduction of the limiter
  float lowShelfDb = 0;            // the EQ the track was mastered with, after any deepening
  float presenceDb = 0;
};

// The most of a track's power under 60 Hz before it booms on laptops, and the least over 2 kHz before it
// sounds dull: the mastering EQ works towards both.
constexpr double kMostLowShare = 0.15, kLeastPresenceShare = 0.04;

// Renders the first `bars` bars (0: the whole track) as a loop: every note's and echo's tail that runs
// past the end is added onto the start. The result is mastered with kCeilingDb.
RenderedTrack RenderTrack(const TrackDesign& design, int bars = 0);

// Masters track.unmastered into track.interleaved: the music's loudness, integrated, with every sample
// peak at or under `ceilingDb`.
void MasterTrack(RenderedTrack& track, float ceilingDb);

}  // namespace music
