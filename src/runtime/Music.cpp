// The music routines: half a second of fade, in 51 steps of 10 ms, between silence and volume 50.
#include "runtime/Music.h"

#include "media/Media.h"
#include "runtime/Settings.h"

namespace {

bool MusicLoaded() { return settings.musicEnabled && HasSound(0); }

}  // namespace

void FadeOutMusic() {
  if (!MusicLoaded()) return;
  for (int volume = 50; volume >= 0; --volume) {
    Sleep(10);
    SetSoundVolume(0, volume);
  }
}

void FadeInMusic() {
  if (!MusicLoaded()) return;
  for (int volume = 0; volume <= 50; ++volume) {
    Sleep(10);
    SetSoundVolume(0, volume);
  }
}

void StopMusic() {
  if (!MusicLoaded()) return;
  StopSoundId(0);
  ReleaseSound(0);
}
