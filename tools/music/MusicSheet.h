// The picture of a rendered track, for checking it by eye: waveform, loudness, spectrogram and the loop seam.
#pragma once

#include <string>
#include <vector>

namespace music {

struct MusicSheet {
  std::vector<std::string> lines;  // heading: the first in large type
  std::vector<float> interleaved;  // stereo samples as decoded from the file
  size_t frames = 0;
  int rate = 44100;
  int bars = 0;                    // bar lines are drawn; every eighth stronger
  double targetDb = -16;           // the loudness the track aims at, drawn on the loudness strip
};

// Writes the PNG under a temporary name and renames it; false (after printing why) when it cannot.
bool WriteMusicSheet(const std::string& path, const MusicSheet& sheet);

}  // namespace music
