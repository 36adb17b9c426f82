// Writing tunes down in code: melodies as short text, chords by name, and the score they fill bar by bar.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "minigames/MidiWrite.h"

namespace tune {

struct Note {
  uint32_t tick;    // from the start of the melody's first bar
  uint32_t length;  // in ticks
  int key;          // MIDI key: c4 is middle C, 60
};

struct Phrase {
  std::vector<Note> notes;         // rests are left out
  std::vector<uint32_t> barLines;  // where each "|" stood, in ticks
  uint32_t length = 0;             // where the phrase ends
};

// "c5:2 e5 g5:4 | r:2 f#4 bb3:1": each token a note name (a-g, then # or b, then its octave) or r for a rest,
// and after a colon its length in steps; a token without one keeps the length before it. A "|" marks a bar
// line for the reader, and for the score to check. False, saying which token is wrong, for anything else.
bool ParseMelody(std::string_view text, uint32_t stepTicks, Phrase& phrase, std::string& error);

struct Chord {
  int root = 0;                // pitch class, 0 for C
  std::vector<int> intervals;  // semitones above the root, the root's 0 first
};

// "C", "F#m", "Bb7", "Dm7", "Gmaj7", "Bdim", "Caug", "Gsus4".
bool ParseChord(std::string_view name, Chord& chord, std::string& error);

// The first key at or above `lowest` with the pitch class `pitchClass`.
int KeyFrom(int lowest, int pitchClass);

// `count` keys of the chord, each tone once before any repeats, gathered as closely as they go round `centre`
// and returned from the lowest up.
std::vector<int> Voicing(const Chord& chord, int centre, int count);

// A tune's score: a conductor track and one track a part, filled bar by bar, the first mistake kept so that
// the tune is refused with a clear message instead of written wrong.
class Score {
 public:
  Score(int ticksPerQuarter, int beatsPerBar, int beatUnit, double beatsPerMinute, const std::string& title);

  uint32_t barTicks() const { return barTicks_; }
  uint32_t beatTicks() const { return beatTicks_; }
  uint32_t BarStart(int bar) const { return uint32_t(bar) * barTicks_; }

  // A new part on its own track, its level and place (0 left, 64 centre, 127 right) set at the start; returns
  // its number for the calls below. A program below 0 leaves it unset, as drums want.
  int Part(const std::string& name, int channel, int program, int volume, int pan);
  void Play(int part, uint32_t tick, uint32_t length, int key, int velocity);

  // A melody written from the start of `bar` in steps of `stepTicks`, moved by `transpose` semitones, each
  // note shortened by `detach` ticks (never below a third of its length); the louder on the bar's first beat.
  // It must fill whole bars, with its bar lines where they fall. Returns how many bars it filled.
  int Melody(int part, int bar, std::string_view text, uint32_t stepTicks, int transpose, uint32_t detach,
             int velocity);

  // The chords of a run of bars, one name a bar; "|" may divide them for reading. Empty after a mistake.
  std::vector<Chord> Chords(std::string_view names);

  // Stops the score at the end of `bars` bars and writes it; empty, after printing the reason, on a mistake.
  std::vector<uint8_t> Finish(int bars, const char* what);

 private:
  void Fail(const std::string& why);

  int ticksPerQuarter_;
  uint32_t beatTicks_;
  uint32_t barTicks_;
  std::vector<midi::MidiTrack> tracks_;
  std::vector<int> channels_;  // of each part, the conductor's first
  std::string error_;
};

}  // namespace tune
