// The five screen tracks: for now a second of silence each, until their music is composed.
#include "music/ScreenMusic.h"

#include "base/ScreenPacks.h"
#include "sfx/OggWrite.h"

#include <cstdio>

namespace music {

bool BuildScreenTracks(std::map<std::string, std::vector<uint8_t>>& byEntryName) {
  const char* names[] = {menuEntries[menuMusic].name, introPack.music, endingPack.music, gameOverPack.music,
                         creditsMusicName};
  std::vector<float> silence(44100 * 2, 0.0f);
  OggVorbisSettings settings;
  settings.channels = 2;
  settings.rate = 44100;
  for (const char* name : names) {
    std::string error;
    if (!EncodeOggVorbis(silence.data(), silence.size() / 2, settings, byEntryName[name], error)) {
      std::fprintf(stderr, "packbuilder: %s: %s\n", name, error.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace music
