// The Tetris minigame's track: for now a second of silence, until it is composed.
#include <cstdio>

#include "music/ScreenMusic.h"
#include "sfx/OggWrite.h"

namespace music {

bool BuildTetrisTrack(std::vector<uint8_t>& ogg) {
  std::vector<float> silence(44100 * 2, 0.0f);
  OggVorbisSettings settings;
  settings.channels = 2;
  settings.rate = 44100;
  std::string error;
  if (!EncodeOggVorbis(silence.data(), silence.size() / 2, settings, ogg, error)) {
    std::fprintf(stderr, "packbuilder: noval01a.ogg: %s\n", error.c_str());
    return false;
  }
  return true;
}

}  // namespace music
