// Melodies and chords read from text, voicings placed round a centre key, and the score that writes them out.
#include "minigames/TuneNotation.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tune {

namespace {

// Semitones of the letters a..g above C.
constexpr int kLetterClass[7] = {9, 11, 0, 2, 4, 5, 7};

// A letter a-g (either case) and an optional # or b from `text` at `at`: semitones above the C of its octave,
// so -1 for C flat and 12 for B sharp; -2 when there is no note name.
int ReadNoteName(std::string_view text, size_t& at) {
  if (at >= text.size()) return -2;
  char letter = char(std::tolower(static_cast<unsigned char>(text[at])));
  if (letter < 'a' || letter > 'g') return -2;
  int pitchClass = kLetterClass[letter - 'a'];
  ++at;
  if (at < text.size() && text[at] == '#') {
    ++pitchClass;
    ++at;
  } else if (at < text.size() && text[at] == 'b') {
    // "bb" is B flat; a lone "b" after a letter is a flat too, never a note of its own.
    --pitchClass;
    ++at;
  }
  return pitchClass;
}

bool ReadNumber(std::string_view text, size_t& at, int& value) {
  size_t start = at;
  value = 0;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && at - start < 6) {
    value = value * 10 + (text[at] - '0');
    ++at;
  }
  return at > start && at == text.size();
}

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  size_t at = 0;
  while (true) {
    at = text.find_first_not_of(" \t\n", at);
    if (at == std::string_view::npos) break;
    size_t end = text.find_first_of(" \t\n", at);
    if (end == std::string_view::npos) end = text.size();
    tokens.push_back(text.substr(at, end - at));
    at = end;
  }
  return tokens;
}

// The chord kinds by the text after the root, the longest written first so that "m7" is not read as "m".
struct ChordKind {
  std::string_view suffix;
  std::vector<int> intervals;
};
const std::vector<ChordKind>& ChordKinds() {
  static const std::vector<ChordKind> kinds = {
      {"maj7", {0, 4, 7, 11}}, {"sus4", {0, 5, 7}},     {"dim", {0, 3, 6}}, {"aug", {0, 4, 8}},
      {"m7", {0, 3, 7, 10}},   {"6", {0, 4, 7, 9}},     {"7", {0, 4, 7, 10}}, {"m", {0, 3, 7}},
      {"", {0, 4, 7}},
  };
  return kinds;
}

}  // namespace

bool ParseMelody(std::string_view text, uint32_t stepTicks, Phrase& phrase, std::string& error) {
  phrase = Phrase();
  int steps = 0;
  for (std::string_view token : Tokens(text)) {
    if (token == "|") {
      phrase.barLines.push_back(phrase.length);
      continue;
    }
    size_t colon = token.find(':');
    std::string_view name = token.substr(0, colon);
    auto wrong = [&](const char* why) {
      error = "in the melody, \"" + std::string(token) + "\" " + why;
      return false;
    };
    if (colon != std::string_view::npos) {
      size_t at = colon + 1;
      if (!ReadNumber(token, at, steps) || steps == 0) return wrong("has no length of whole steps");
    } else if (steps == 0) {
      return wrong("needs a length: the first note has nothing to keep");
    }
    uint32_t ticks = uint32_t(steps) * stepTicks;
    if (name != "r") {
      size_t at = 0;
      int semitones = ReadNoteName(name, at);
      int octave = 0;
      if (semitones < -1 || !ReadNumber(name, at, octave) || octave > 9) {
        return wrong("is not a note such as c4, f#5 or bb3, nor r for a rest");
      }
      int key = 12 * (octave + 1) + semitones;
      if (key < 0 || key > 127) return wrong("is outside the MIDI keys");
      phrase.notes.push_back({phrase.length, ticks, key});
    }
    phrase.length += ticks;
  }
  return true;
}

bool ParseChord(std::string_view name, Chord& chord, std::string& error) {
  size_t at = 0;
  int root = ReadNoteName(name, at);
  if (root >= -1) {
    std::string_view rest = name.substr(at);
    for (const ChordKind& kind : ChordKinds()) {
      if (rest == kind.suffix) {
        chord.root = (root + 12) % 12;
        chord.intervals = kind.intervals;
        return true;
      }
    }
  }
  error = "\"" + std::string(name) + "\" is not a chord such as C, F#m, Bb7, Dm7, Gmaj7, Bdim, Caug or Gsus4";
  return false;
}

int KeyFrom(int lowest, int pitchClass) { return lowest + ((pitchClass - lowest) % 12 + 12) % 12; }

std::vector<int> Voicing(const Chord& chord, int centre, int count) {
  // With fewer voices than tones the fifth is left out first: it colours the chord least.
  std::vector<int> tones = chord.intervals;
  if (tones.size() >= 4 && count < int(tones.size())) tones.erase(tones.begin() + 2);
  std::vector<int> keys;
  for (int i = 0; i < count && !tones.empty(); ++i) {
    int key = KeyFrom(centre - 6, (chord.root + tones[size_t(i) % tones.size()]) % 12);
    // A tone repeated takes the nearest octave round the centre not yet used.
    for (int step = 1; std::find(keys.begin(), keys.end(), key) != keys.end(); ++step) {
      key += (step % 2 == 1 ? 12 : -12) * step;
    }
    keys.push_back(key);
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

Score::Score(int ticksPerQuarter, int beatsPerBar, int beatUnit, double beatsPerMinute, const std::string& title)
    : ticksPerQuarter_(ticksPerQuarter),
      beatTicks_(beatUnit > 0 ? uint32_t(ticksPerQuarter * 4 / beatUnit) : 0),
      barTicks_(beatTicks_ * uint32_t(std::max(beatsPerBar, 0))) {
  tracks_.emplace_back(title);
  channels_.push_back(-1);
  tracks_[0].Tempo(0, beatsPerMinute);
  tracks_[0].TimeSignature(0, beatsPerBar, beatUnit);
}

void Score::Fail(const std::string& why) {
  if (error_.empty()) error_ = why;
}

int Score::Part(const std::string& name, int channel, int program, int volume, int pan) {
  tracks_.emplace_back(name);
  channels_.push_back(channel);
  midi::MidiTrack& track = tracks_.back();
  if (program >= 0) track.Program(0, channel, program);
  track.Controller(0, channel, 7, volume);
  track.Controller(0, channel, 10, pan);
  return int(tracks_.size()) - 1;
}

void Score::Play(int part, uint32_t tick, uint32_t length, int key, int velocity) {
  if (part < 1 || part >= int(tracks_.size())) {
    Fail("no part " + std::to_string(part));
    return;
  }
  tracks_[size_t(part)].Note(tick, length, channels_[size_t(part)], key, std::clamp(velocity, 1, 127));
}

int Score::Melody(int part, int bar, std::string_view text, uint32_t stepTicks, int transpose, uint32_t detach,
                  int velocity) {
  Phrase phrase;
  std::string error;
  if (!ParseMelody(text, stepTicks, phrase, error)) {
    Fail(error);
    return 0;
  }
  // A bar too long or too short shifts everything after it: found here rather than by ear.
  if (phrase.barLines.empty() || phrase.barLines.back() != phrase.length) phrase.barLines.push_back(phrase.length);
  for (size_t i = 0; i < phrase.barLines.size(); ++i) {
    if (phrase.barLines[i] != (i + 1) * barTicks_) {
      Fail("bar " + std::to_string(i + 1) + " of the melody from bar " + std::to_string(bar + 1) +
           " does not end on its bar line");
      return 0;
    }
  }
  uint32_t start = BarStart(bar);
  for (const Note& note : phrase.notes) {
    uint32_t held = std::max(note.length - std::min(detach, note.length * 2 / 3), 1u);
    uint32_t inBar = note.tick % barTicks_;
    int accent = inBar == 0 ? 12 : inBar % beatTicks_ == 0 ? 5 : 0;
    Play(part, start + note.tick, held, note.key + transpose, velocity + accent);
  }
  return int(phrase.barLines.size());
}

std::vector<Chord> Score::Chords(std::string_view names) {
  std::vector<Chord> chords;
  for (std::string_view name : Tokens(names)) {
    if (name == "|") continue;
    Chord chord;
    std::string error;
    if (!ParseChord(name, chord, error)) {
      Fail(error);
      return {};
    }
    chords.push_back(chord);
  }
  return chords;
}

std::vector<uint8_t> Score::Finish(int bars, const char* what) {
  std::vector<uint8_t> file;
  if (error_.empty() && bars > 0) {
    WriteMidiFile(tracks_, ticksPerQuarter_, BarStart(bars), file, error_);
  } else if (error_.empty()) {
    error_ = "a tune of no bars";
  }
  if (!error_.empty()) {
    std::fprintf(stderr, "packbuilder: %s: %s\n", what, error_.c_str());
    file.clear();
  }
  return file;
}

}  // namespace tune
