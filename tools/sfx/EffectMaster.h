// Mastering an effect as the game plays it: at its usual frequency and volume, through the mixer's laws.
#pragma once

#include <vector>

#include "base/SoundLevels.h"
#include "sfx/Loudness.h"

// What the mixer makes of an effect's file when the game plays it as `play` says.
Playback PlaybackOf(const EffectPlay& play);

// The levels of a finished file (synthesized at play.frequencyHz) as the game plays it.
MasteredLevels MeasurePlayed(const std::vector<float>& file, const EffectPlay& play);

// Finishes and masters samples synthesized at the effect's usual frequency: no offset, no click at either end,
// its class's loudness as played, and its true peak under the ceiling for its volume.
MasteredLevels MasterEffect(std::vector<float>& s, const EffectPlay& play, double fadeOut);
