// Sound effects as the game asks for them.
#include "runtime/SoundCues.h"

#include <cmath>

#include "media/Media.h"
#include "runtime/Settings.h"

namespace {

std::vector<EffectCue>& Cues() {
  static std::vector<EffectCue> cues;
  return cues;
}

}  // namespace

const std::vector<EffectCue>& EffectCues() { return Cues(); }

void PlayEffectSound(Sound sound, int pan, int volume, int frequency) {
  if (!settings.soundEnabled) return;
  if (Cues().size() < kMostEffectCues) Cues().push_back(EffectCue{sound, PresentedFrames()});
  const int id = SoundNumber(sound);
  if (pan != -1) SetSoundPan(id, pan);
  if (volume != -1) SetSoundVolume(id, volume);
  if (frequency != -1) SetSoundFrequency(id, frequency);
  PlaySoundId(id, kSoundOverlap);
}

int PanOf(float x) { return static_cast<int>(std::lround(x)) * 200 / 720 - 100; }
