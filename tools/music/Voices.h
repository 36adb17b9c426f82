// The instruments of the tracks: each renders one note (or one drum) into a short stereo buffer.
#pragma once

#include <cstddef>
#include <vector>

#include "music/MusicDesign.h"
#include "music/MusicScore.h"

namespace music {

// A note's sound as stereo samples from its start, release tail included.
struct VoiceBuffer {
  std::vector<float> left, right;
  size_t count = 0;  // samples used
  void Resize(size_t n);
};

// `loopPosition` is the note's start within the loop and `sweepPeriod` the length of the slow filter
// sweeps in samples, so that a sweep continues where the loop joins.
void RenderPad(const PadSound& sound, const Note& note, double loopPosition, double sweepPeriod, uint32_t seed,
               VoiceBuffer& out);
void RenderBass(const BassSound& sound, const Note& note, VoiceBuffer& out);
void RenderArp(const ArpSound& sound, const Note& note, double loopPosition, double sweepPeriod, VoiceBuffer& out);
void RenderLead(const LeadSound& sound, const Note& note, VoiceBuffer& out);

// The drum kit of a track, rendered once as mono one-shots; `barSamples` sizes the swell.
struct DrumKit {
  std::vector<float> shots[static_cast<int>(Drum::Count)][3];  // up to three takes of each, used in turn
  int takes[static_cast<int>(Drum::Count)] = {};
};
DrumKit MakeDrumKit(const KitSound& sound, double barSamples, unsigned seed);

}  // namespace music
