// The notes and drum hits of a track, worked out from its design before any sound is made.
#pragma once

#include <cstddef>
#include <vector>

#include "music/MusicDesign.h"

namespace music {

struct Note {
  double start;      // samples from the loop start
  double length;     // samples the key is held
  float pitch;       // MIDI note number
  float velocity;    // 0..1
  float pan;         // −1 left .. 1 right
  float glideFrom;   // MIDI note the pitch slides from (lead), 0 for none
};

enum class Drum { Kick, Snare, Clap, Hat, OpenHat, Shaker, TomHigh, TomMid, TomLow, Rim, Crash, Swell, Count };

struct DrumHit {
  double start;      // samples from the loop start
  Drum drum;
  float velocity;    // 0..1
};

struct Score {
  size_t frames = 0;               // loop length in samples
  double samplesPerBeat = 0;
  std::vector<Note> pad, bass, arp, lead;
  std::vector<DrumHit> drums;
  std::vector<int> chordAtBar;     // index into the design's chords at each bar's first beat
  struct Span {
    double start, length;          // samples
  };
  std::vector<Span> breakdowns;    // the bars without drums, under the opening filter
};

// Writes out the first `bars` bars of the track (0: all of them) as one loop.
Score Compose(const TrackDesign& design, int bars = 0);

// The chord sounding at `beat` (counted from the loop start).
const Chord& ChordAt(const TrackDesign& design, double beat);

// The pitch of a chord-relative scale step with the chord's root placed within a tritone of `centre`.
int ChordStepPitch(const TrackDesign& design, const Chord& chord, int step, int centre);

// One pattern's tokens: a number, kHold ('-') or kRest ('.'); false when a token is none of these.
constexpr int kHold = 1000, kRest = 1001;
bool ParsePattern(const std::string& text, std::vector<int>& tokens);

}  // namespace music
