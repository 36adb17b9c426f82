// Sound effects as the game asks for them: only when sound is on, panned by where they happen.
#pragma once

#include <cstddef>
#include <vector>

#include "runtime/NamedMedia.h"

void PlayEffectSound(Sound sound, int pan, int volume, int frequency);  // -1 leaves a setting as it is
int PanOf(float x);  // -100 at the left wall .. 100 at the right wall

// The effects started in this run, each with the number of presents before it, for the run's report; the first
// kMostEffectCues only. Sound is no game state: this log is in no digest.
struct EffectCue {
  Sound sound;
  long frame;  // presents before the effect was asked for: it is heard from that frame's audio on
};
constexpr size_t kMostEffectCues = 20000;
const std::vector<EffectCue>& EffectCues();
