// Building the music tracks for their packs: render, encode, decode back and measure, on worker threads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "music/LoopMeasure.h"
#include "music/MusicDesign.h"

namespace music {

struct BuiltTrack {
  const TrackDesign* design = nullptr;
  std::vector<uint8_t> bytes;   // the Ogg Vorbis file
  std::vector<float> heard;     // the file decoded again: stereo, interleaved
  size_t frames = 0;            // samples per channel
  LoopMeasures measures;        // of `heard`
  double lufs = -200;           // integrated loudness of `heard`
  double truePeakDb = -200;     // of `heard`
  double gainDb = 0;            // gain applied to reach the loudness target (and the peak limit)
  double limiterDb = 0;         // deepest limiter gain reduction
  double lowShelfDb = 0;        // the mastering EQ's low shelf and presence lift as used
  double presenceDb = 0;
  double renderSeconds = 0;     // time spent synthesizing
  double totalSeconds = 0;      // synthesizing, encoding and checking
  std::string error;            // why it failed
};

// Renders the first `bars` bars (0: all) of `design`, encodes them with the stream serial `serial` and
// checks the decoded file's peak; false with the reason in built.error.
bool BuildTrack(const TrackDesign& design, int bars, uint32_t serial, BuiltTrack& built);

// Every track of `designs`, one per worker thread at a time, the Ogg streams numbered from `firstSerial`;
// false (after printing which failed) on any failure.
bool BuildAllTracks(const std::vector<TrackDesign>& designs, uint32_t firstSerial, std::vector<BuiltTrack>& built,
                    int bars, int threads);

// Lists every track in the sound contact sheet as the game plays it at `volume`; false after printing why.
bool CatalogueTracks(const std::vector<BuiltTrack>& built, const std::string& kind, int volume);

// One line of figures: key, tempo, length, levels, seam, size.
std::string Describe(const BuiltTrack& built);

// Prints each track's figures and processor time, each line opened by `label`.
void PrintTracks(const char* label, const std::vector<BuiltTrack>& built);

// Writes each track's file and its picture into the folder "music" under `sheetDir`; false after printing
// what could not be written.
bool WriteMusicSheets(const std::string& sheetDir, const std::vector<BuiltTrack>& built);

}  // namespace music
