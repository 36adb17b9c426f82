// Turns a track's design into notes and drum hits: chords voiced, patterns laid on the bars, swing applied.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "music/MusicScore.h"
#include "sfx/Synth.h"

namespace music {

const std::array<int, 7>& ModeSteps(Mode mode) {
  static const std::array<int, 7> aeolian{0, 2, 3, 5, 7, 8, 10}, dorian{0, 2, 3, 5, 7, 9, 10},
      harmonic{0, 2, 3, 5, 7, 8, 11}, phrygian{0, 1, 3, 5, 7, 8, 10},
      ionian{0, 2, 4, 5, 7, 9, 11};
  switch (mode) {
    case Mode::Dorian: return dorian;
    case Mode::Harmonic: return harmonic;
    case Mode::Phrygian: return phrygian;
    case Mode::Ionian: return ionian;
    default: return aeolian;
  }
}

int DegreePitch(int tonic, Mode mode, int degree) {
  int octave = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
  return tonic + 12 * octave + ModeSteps(mode)[static_cast<size_t>(degree - 7 * octave)];
}

double SamplesPerBeat(const TrackDesign& design) { return kRate * 60.0 / design.bpm; }

size_t LoopFrames(const TrackDesign& design, int bars) {
  return static_cast<size_t>(std::llround(SamplesPerBeat(design) * 4.0 * bars));
}

bool ParsePattern(const std::string& text, std::vector<int>& tokens) {
  tokens.clear();
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '|') {
      ++i;
      continue;
    }
    size_t end = text.find_first_of(" |", i);
    if (end == std::string::npos) end = text.size();
    std::string word = text.substr(i, end - i);
    i = end;
    if (word == "-") {
      tokens.push_back(kHold);
    } else if (word == ".") {
      tokens.push_back(kRest);
    } else {
      char* stop = nullptr;
      long value = std::strtol(word.c_str(), &stop, 10);
      if (stop == nullptr || *stop != '\0' || value < -48 || value > 48) return false;
      tokens.push_back(static_cast<int>(value));
    }
  }
  return !tokens.empty() && tokens.size() % 16 == 0;
}

const Chord& ChordAt(const TrackDesign& design, double beat) {
  int cycle = 0;
  for (const Chord& c : design.chords) cycle += c.beats;
  double b = std::fmod(beat, static_cast<double>(cycle));
  for (const Chord& c : design.chords) {
    if (b < c.beats) return c;
    b -= c.beats;
  }
  return design.chords.back();
}

namespace {

// The chord's root placed in [centre − 6, centre + 5].
int RootNear(const TrackDesign& design, const Chord& chord, int centre) {
  int root = DegreePitch(design.tonic, chord.mode, chord.degree);
  while (root < centre - 6) root += 12;
  while (root > centre + 5) root -= 12;
  return root;
}

}  // namespace

int ChordStepPitch(const TrackDesign& design, const Chord& chord, int step, int centre) {
  int root = RootNear(design, chord, centre);
  return root + DegreePitch(design.tonic, chord.mode, chord.degree + step) -
         DegreePitch(design.tonic, chord.mode, chord.degree);
}

namespace {

struct Composer {
  const TrackDesign& d;
  Score& score;
  int bars;
  double beat;       // samples
  double sixteenth;  // samples
  Rng rng;

  double StepTime(int bar, int step) const {
    double t = (bar * 16 + step) * sixteenth;
    if (step % 2 == 1) t += d.swing * sixteenth;  // the off-sixteenths lean back
    return t;
  }

  const Chord& ChordAtStep(int bar, int step) const { return ChordAt(d, bar * 4 + step / 4.0); }

  // Stacked tones of the chord with the lowest `inversion` of them raised an octave, moved by octaves.
  std::vector<int> Voicing(const Chord& chord, int inversion, int octave) const {
    std::vector<int> v;
    int root = DegreePitch(d.tonic, chord.mode, chord.degree);
    for (size_t i = 0; i < d.pad.tones.size(); ++i) {
      int p = DegreePitch(d.tonic, chord.mode, chord.degree + d.pad.tones[i]) - root;
      if (static_cast<int>(i) < inversion) p += 12;
      v.push_back(p + root + 12 * octave);
    }
    std::sort(v.begin(), v.end());
    return v;
  }

  // Smooth voice leading: the inversion that moves the voices least, kept near the pad's centre and
  // free of semitone rubs between neighbouring voices.
  std::vector<int> ChooseVoicing(const Chord& chord, const std::vector<int>& previous) const {
    std::vector<int> best;
    double bestCost = 1e9;
    int count = static_cast<int>(d.pad.tones.size());
    for (int inversion = 0; inversion < count; ++inversion) {
      for (int octave = -8; octave <= 8; ++octave) {
        std::vector<int> v = Voicing(chord, inversion, octave);
        // Raising a tone onto its own octave double would leave two voices on one pitch.
        if (std::adjacent_find(v.begin(), v.end()) != v.end()) continue;
        double mean = 0;
        for (int p : v) mean += p;
        mean /= static_cast<double>(v.size());
        if (std::fabs(mean - d.pad.centre) > 9) continue;
        double cost = 0.6 * std::fabs(mean - d.pad.centre);
        if (previous.size() == v.size()) {
          for (size_t i = 0; i < v.size(); ++i) cost += std::abs(v[i] - previous[i]);
        }
        for (size_t i = 1; i < v.size(); ++i) {
          if (v[i] - v[i - 1] <= 1) cost += 4;
        }
        if (cost < bestCost) {
          bestCost = cost;
          best = v;
        }
      }
    }
    return best;
  }

  void Pads() {
    std::vector<int> previous;
    // One pass through the chords first, so that the first chord is voiced as it follows the last
    // one: the loop then joins like any other change of chord.
    for (const Chord& chord : d.chords) previous = ChooseVoicing(chord, previous);
    std::vector<size_t> open;  // indexes of the notes still ringing at the end of the last chord
    double totalBeats = bars * 4.0;
    double at = 0;
    for (size_t index = 0; at < totalBeats; ++index) {
      const Chord& chord = d.chords[index % d.chords.size()];
      double beats = std::min<double>(chord.beats, totalBeats - at);
      std::vector<int> v = ChooseVoicing(chord, previous);
      std::vector<size_t> nowOpen;
      for (size_t i = 0; i < v.size(); ++i) {
        bool held = false;
        for (size_t j : open) {
          if (static_cast<int>(score.pad[j].pitch) == v[i]) {
            score.pad[j].length += beats * beat;  // a common tone rings on instead of starting again
            nowOpen.push_back(j);
            held = true;
            break;
          }
        }
        if (held) continue;
        float pan = v.size() > 1 ? -0.6f + 1.2f * static_cast<float>(i) / static_cast<float>(v.size() - 1) : 0.0f;
        nowOpen.push_back(score.pad.size());
        score.pad.push_back(Note{at * beat, beats * beat, static_cast<float>(v[i]), 1.0f, pan, 0});
      }
      open = nowOpen;
      previous = v;
      at += beats;
    }
  }

  // Lays `tokens` from `firstBar` on for `count` bars (repeating), through `make` for each note; a
  // note's last sixteenth is held for the fraction `gate` of it.
  template <typename Make>
  void Line(const std::vector<int>& tokens, int firstBar, int count, float gate, Make make) {
    int total = count * 16;
    int period = static_cast<int>(tokens.size());
    for (int s = 0; s < total; ++s) {
      int token = tokens[static_cast<size_t>(s % period)];
      if (token == kHold || token == kRest) continue;
      int held = 1;
      while (s + held < total && tokens[static_cast<size_t>((s + held) % period)] == kHold &&
             (s + held) % period != 0) {
        ++held;
      }
      int bar = firstBar + s / 16, step = s % 16;
      double start = StepTime(bar, step);
      double end = StepTime(firstBar + (s + held) / 16, (s + held) % 16);
      double heldSamples = std::max(end - start - (1.0 - gate) * sixteenth, 0.02 * kRate);
      bool tied = s % period > 0 && tokens[static_cast<size_t>((s - 1) % period)] != kRest;
      make(bar, step, token, start, heldSamples, tied);
    }
  }

  float Humanize(float velocity, float amount) {
    return std::clamp(velocity * static_cast<float>(1.0 + amount * rng.Bipolar()), 0.05f, 1.0f);
  }

  void Parts(const Block& block, int firstBar, int count) {
    std::vector<int> tokens;
    if (block.bass >= 0 && ParsePattern(d.bassLines[static_cast<size_t>(block.bass)], tokens)) {
      Line(tokens, firstBar, count, 0.92f, [&](int bar, int step, int token, double start, double length, bool) {
        if (bar - firstBar < block.breakdown) return;  // the bass drops out with the drums
        const Chord& c = ChordAtStep(bar, step);
        float pitch = static_cast<float>(ChordStepPitch(d, c, token, d.bass.lowest + 6));
        float velocity = Humanize(step % 4 == 0 ? 1.0f : 0.85f, 0.04f);
        score.bass.push_back(Note{start, length, pitch, velocity, 0, 0});
      });
    }
    if (block.arp >= 0 && ParsePattern(d.arpLines[static_cast<size_t>(block.arp)], tokens)) {
      bool left = true;
      Line(tokens, firstBar, count, d.arp.gate, [&](int bar, int step, int token, double start, double length, bool) {
        const Chord& c = ChordAtStep(bar, step);
        size_t index = static_cast<size_t>(std::clamp(token, 0, static_cast<int>(d.arp.tones.size()) - 1));
        float pitch = static_cast<float>(ChordStepPitch(d, c, d.arp.tones[index], d.arp.centre));
        float velocity = Humanize(step % 4 == 0 ? 1.0f : step % 2 == 0 ? 0.8f : 0.65f, 0.06f);
        score.arp.push_back(Note{start, length, pitch, velocity, left ? -d.arp.spread : d.arp.spread, 0});
        left = !left;
      });
    }
    for (int pair = 0; pair < count / 2; ++pair) {
      int motif = block.lead[static_cast<size_t>(pair % 4)];
      if (motif < 0 || !ParsePattern(d.leadMotifs[static_cast<size_t>(motif)], tokens)) continue;
      float previous = 0;
      double previousEnd = -1;
      Line(tokens, firstBar + 2 * pair, 2, 1.0f, [&](int bar, int step, int token, double start, double length, bool tied) {
        const Chord& c = ChordAtStep(bar, step);
        float pitch = static_cast<float>(ChordStepPitch(d, c, token, d.lead.centre));
        float velocity = Humanize(step % 4 == 0 ? 1.0f : 0.82f, 0.05f);
        // A note that follows the last without a rest slides into place.
        float from = tied && previous > 0 && std::fabs(start - previousEnd) < sixteenth ? previous : 0.0f;
        score.lead.push_back(Note{start, length * 0.96, pitch, velocity, d.lead.pan, from});
        previous = pitch;
        previousEnd = start + length;
      });
    }
  }

  float Level(char c) {
    switch (c) {
      case 'X': case 'H': case 'M': case 'L': return 1.0f;
      case 'x': return 0.78f;
      case 'o': case 'h': case 'm': case 'l': return 0.55f;
      case 'g': return 0.3f;
      default: return 0.0f;
    }
  }

  void DrumLine(const std::string& line, Drum drum, int bar, float humanize) {
    for (int step = 0; step < 16 && step < static_cast<int>(line.size()); ++step) {
      char c = line[static_cast<size_t>(step)];
      float v = Level(c);
      if (v <= 0) continue;
      Drum which = drum;
      if (drum == Drum::TomMid) which = (c == 'H' || c == 'h') ? Drum::TomHigh : (c == 'L' || c == 'l') ? Drum::TomLow : Drum::TomMid;
      score.drums.push_back(DrumHit{StepTime(bar, step), which, Humanize(v, humanize)});
    }
  }

  void Drums(const Block& block, int firstBar, int count) {
    const int breakdown = std::min(block.breakdown, count);
    if (breakdown > 0) {
      score.breakdowns.push_back(Score::Span{StepTime(firstBar, 0), breakdown * 16 * sixteenth});
      // A noise rise through the last bar of the breakdown carries it back into the beat.
      score.drums.push_back(DrumHit{StepTime(firstBar + breakdown - 1, 0), Drum::Swell, 1.0f});
    }
    for (int i = 0; i < count; ++i) {
      int bar = firstBar + i;
      if (i == 0 && block.crash) score.drums.push_back(DrumHit{StepTime(bar, 0), Drum::Crash, 0.85f});
      if (i < breakdown) continue;
      int index = i == 7 ? block.fill : i >= 4 ? block.drumsLate : block.drums;
      if (index < 0) continue;
      const DrumBar& b = d.drumBars[static_cast<size_t>(index)];
      DrumLine(b.kick, Drum::Kick, bar, 0.02f);
      DrumLine(b.snare, Drum::Snare, bar, 0.04f);
      DrumLine(b.clap, Drum::Clap, bar, 0.04f);
      DrumLine(b.hat, Drum::Hat, bar, 0.12f);
      DrumLine(b.openHat, Drum::OpenHat, bar, 0.06f);
      DrumLine(b.shaker, Drum::Shaker, bar, 0.15f);
      DrumLine(b.tom, Drum::TomMid, bar, 0.05f);
      DrumLine(b.rim, Drum::Rim, bar, 0.08f);
      if (i == 7 && block.swell) score.drums.push_back(DrumHit{StepTime(bar, 0), Drum::Swell, 1.0f});
    }
  }
};

}  // namespace

Score Compose(const TrackDesign& design, int bars) {
  Score score;
  if (bars <= 0 || bars > design.bars) bars = design.bars;
  score.frames = LoopFrames(design, bars);
  score.samplesPerBeat = SamplesPerBeat(design);
  if (design.chords.empty() || design.blocks.empty()) return score;
  Composer c{design, score, bars, score.samplesPerBeat, score.samplesPerBeat / 4, Rng(design.seed)};
  c.Pads();
  for (int first = 0; first < bars; first += 8) {
    const Block& block = design.blocks[static_cast<size_t>(first / 8) % design.blocks.size()];
    int count = std::min(8, bars - first);
    c.Parts(block, first, count);
    c.Drums(block, first, count);
  }
  for (int bar = 0; bar < bars; ++bar) {
    const Chord& chord = ChordAt(design, bar * 4.0);
    score.chordAtBar.push_back(static_cast<int>(&chord - design.chords.data()));
  }
  return score;
}

}  // namespace music
