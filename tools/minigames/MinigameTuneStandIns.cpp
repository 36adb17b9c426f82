// Stand-in tunes for the minigames: one note each, until they are composed.
#include "minigames/MinigameArt.h"

namespace {

// A tiny format-0 file: one note, then the end of the track.
std::vector<uint8_t> OneNote(uint8_t note) {
  std::vector<uint8_t> track = {0x00, 0x90, note, 0x60, 0x83, 0x60, 0x80, note, 0x00, 0x00, 0xFF, 0x2F, 0x00};
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0,
                               static_cast<uint8_t>(track.size())};
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

}  // namespace

std::vector<uint8_t> ComposeDuckTune() { return OneNote(60); }
std::vector<uint8_t> ComposeSugarTune() { return OneNote(64); }
