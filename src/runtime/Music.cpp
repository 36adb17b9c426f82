// The music routines: half a second of fade, in 51 steps of 10 ms, between silence and the level music's volume.
#include "runtime/Music.h"

#include "base/SoundLevels.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"

namespace {

bool MusicLoaded() { return settings.musicEnabled && HasSound(Sound::Music); }

}  // namespace

void FadeOutMusic() {
  if (!MusicLoaded()) return;
  for (int volume = kLevelMusicVolume; volume >= 0; --volume) {
    Sleep(10);
    SetSoundVolume(Sound::Music, volume);
  }
}

void FadeInMusic() {
  if (!MusicLoaded()) return;
  for (int volume = 0; volume <= kLevelMusicVolume; ++volume) {
    Sleep(10);
    SetSoundVolume(Sound::Music, volume);
  }
}

void StopMusic() {
  if (!MusicLoaded()) return;
  StopSoundId(Sound::Music);
  ReleaseSound(Sound::Music);
}
