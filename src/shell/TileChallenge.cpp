// The sugar challenge met on its level: its minigame runs between two frames, then the level is won.
#include "base/SoundLevels.h"
#include "front/Minigames.h"
#include "game/PlayState.h"
#include "game/TileHits.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"

void RunTileChallenge() {
  play.tileChallengePending = false;
  if (settings.musicEnabled) SetSoundVolume(Sound::Music, 0);
  play.sugarPoints = PlaySugar();
  play.score += 10 * play.sugarPoints;
  if (settings.musicEnabled) SetSoundVolume(Sound::Music, kLevelMusicVolume);
  LevelWon();
}
