// The effects' mastering: the played-back view of a file, its levels there, and the gain and limiter to its target.
#include "sfx/EffectMaster.h"

#include <algorithm>
#include <cmath>

#include "sfx/Synth.h"

Playback PlaybackOf(const EffectPlay& play) {
  return Playback{static_cast<double>(play.frequencyHz) / kMixRate, EffectVolumeGain(play.volume) * kMasterGain};
}

MasteredLevels MeasurePlayed(const Samples& file, const EffectPlay& play) {
  MasteredLevels levels;
  const std::vector<float> played = PlayedAtMixRate(file, PlaybackOf(play));
  levels.lufs = PlayedLoudness(played, kMixRate);
  levels.truePeakDb = TruePeakDb(played, 1, kMixRate);
  float peak = 0;
  for (float v : file) peak = std::max(peak, std::fabs(v));
  levels.filePeakDb = peak > 0 ? 20.0 * std::log10(peak) : -200;
  return levels;
}

MasteredLevels MasterEffect(Samples& s, const EffectPlay& play, double fadeOut) {
  const double rate = play.frequencyHz;
  FinishEffect(s, rate, 0.001, fadeOut);
  // A little under the ceiling, for what the last rounding of the ends and the Ogg encoder may add.
  MasteredLevels levels =
      MasterToLoudness(s, rate, ClassTargetLufs(play.kind), EffectCeilingDbtp(play.volume) - 0.3, PlaybackOf(play));
  // The limiter may have lifted the last samples off zero; the ends are rounded again.
  RoundEnds(s, rate, 0.001, std::min(fadeOut, 0.004));
  return levels;
}
