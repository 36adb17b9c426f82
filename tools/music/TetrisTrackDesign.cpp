// The falling-block minigame's track: quick and playful, a marimba-like lead hopping over a bouncing bass.
#include "music/MusicDesign.h"

namespace music {

namespace {

constexpr Mode A = Mode::Aeolian, D = Mode::Dorian, H = Mode::Harmonic;

// A puzzle to solve against the clock, so light on its feet rather than heavy: F Dorian, whose major IV keeps the
// minor key bright, an oom-pah bass leaping octaves, a chirping square arpeggio and a wooden mallet lead in short
// staccato notes. The fourth block drops the kick for a breakdown and winds back up into the last.
TrackDesign Tumble() {
  TrackDesign t;
  t.file = "noval01a.ogg";
  t.title = "Tumble";
  t.character = "the falling-block minigame: quick and playful, a hopping mallet lead, a bouncing bass, chirping arps";
  t.keyName = "B minor (Dorian)";
  t.tonic = 47;
  t.bpm = 140;
  t.bars = 40;
  t.swing = 0.06f;
  t.seed = 41;
  t.chords = {{0, 4, D}, {3, 4, D}, {6, 4, D}, {2, 4, D}, {0, 4, D}, {3, 4, D}, {5, 4, A}, {4, 4, H}};
  t.pad = {.wave = Wave::Saw, .detuneCents = 9, .cutoffHz = 1900, .cutoffSwing = 0.3f, .attack = 0.04f,
           .release = 0.35f, .centre = 62, .tones = {0, 2, 4, 6}, .haasMs = 12, .pump = 0.45f};
  t.bass = {.wave = Wave::Saw, .subLevel = 0.6f, .subOctave = false, .cutoffHz = 300, .envHz = 1500,
            .envDecay = 0.06f, .q = 1.2f, .drive = 1.3f, .release = 0.02f, .lowest = 36};
  t.arp = {.kind = ArpKind::Pluck, .wave = Wave::Square, .cutoffHz = 1500, .envHz = 4500, .cutoffSwing = 0.45f,
           .decay = 0.08f, .gate = 0.45f, .centre = 77, .tones = {0, 2, 4, 7, 9}, .spread = 0.75f};
  // An FM mallet: a sine carrier with its modulator four times higher gives the woody knock of a marimba bar,
  // a quiet square under it the chirp of a toy.
  t.lead = {.kind = LeadKind::Bell, .wave = Wave::Sine, .wave2 = Wave::Square, .mix2 = 0.3f, .detuneCents = 3,
            .cutoffHz = 5000, .envHz = 0, .q = 0.7f, .attack = 0.003f, .decay = 0.28f, .sustain = 0.22f,
            .release = 0.12f, .vibratoCents = 6, .vibratoHz = 6.0f, .vibratoDelay = 0.3f, .glide = 0.01f,
            .fmRatio = 4.0f, .fmIndex = 1.3f, .centre = 74, .pan = 0.08f};
  t.kit = {.kickStartHz = 170, .kickEndHz = 52, .kickPitchTau = 0.028f, .kickDecay = 0.22f, .kickClick = 0.3f,
           .kickDrive = 1.3f, .snareToneHz = 210, .snareDecay = 0.12f, .snareNoise = 0.7f, .clapDecay = 0.14f,
           .clapHz = 1500, .hatDecay = 0.035f, .openHatDecay = 0.2f, .hatHz = 9000, .tomHz = 160, .crashDecay = 1.4f,
           .kick = 0.8f, .snare = 0.5f, .clap = 0.45f, .hat = 0.24f, .openHat = 0.17f, .shaker = 0.16f, .tom = 0.4f,
           .rim = 0.3f, .crash = 0.13f, .swell = 0.12f};
  t.mix = {.reverbSeconds = 1.6f, .reverbSize = 0.9f, .reverbDampHz = 7500, .delayBeats = 0.75f,
           .delayFeedback = 0.3f, .padReverb = 0.2f, .arpReverb = 0.22f, .leadReverb = 0.2f, .drumReverb = 0.06f,
           .arpDelay = 0.25f, .leadDelay = 0.18f, .drumsDb = -1.5f, .bassDb = -1.5f,
           .padDb = -6, .arpDb = -7, .leadDb = -2};
  t.bassLines = {"0 . 7 . 0 . 7 . 0 . 7 . 0 . 7 .", "0 . 7 . 0 0 7 . 0 . 7 . 4 . 7 ."};
  t.arpLines = {"0 . 2 . 1 . 3 . 2 . 4 . 3 . 1 .", "0 2 1 3 2 4 3 1 0 2 1 3 4 3 2 1"};
  // Over i–IV, VII–III, i–IV and VI–V: a call climbing the chord, its answer stepping home, the call again an
  // octave-leap higher, and a close that leans on the dominant; then a riff of repeated notes for the middle.
  t.leadMotifs = {"0 . 2 . 4 . 2 . 4 - 7 - 4 . 2 . | 0 . 2 . 4 . 6 . 7 - - - 4 . . .",
                  "4 . 4 . 2 . 4 . 6 - 4 - 2 . 1 . | 2 . 1 . 0 . . . 2 - 4 - 0 . . .",
                  "7 . 6 . 7 . 4 . 6 . 4 . 2 . 4 . | 7 - - . 9 . 7 . 4 - - . 2 . . .",
                  "4 . 2 . 0 . 2 . 4 - - - 2 . 1 . | 0 - - - -1 . 0 . 2 - 4 - 6 . . .",
                  "0 0 . 0 4 . 2 . 0 0 . 0 7 . 4 . | 0 0 . 0 4 . 2 . 6 . 4 . 2 . 1 ."};
  t.drumBars = {
      {"X.......X.......", "", "", "..x...x...x...x.", "", "", "", ""},
      {"X...X...X...X...", "", "....X.......X...", "xoxoxoxoxoxoxoxo", "..............o.", "", "", ""},
      {"X...X...X.X.X...", "....X...gxgxXxXX", "", "xoxoxoxo........", "", "", "", ""},
      {"X..x..X...X..x..", "", "....X.......X...", "x.xxx.xxx.xxx.xx", "", "gogxgogxgogxgogx", "", "..x.....x..x...."},
      {"", "", "", "..o...o...o...o.", "", "gogxgogxgogxgogx", "", "....x.......x..."},
      {"", "x.x.x.x.xxxxXXXX", "", "", "", "gogxgogxgogxgogx", "", ""},
      {"X...X...X...X...", "", "....X.......X...", "xoxoxoxoxoxoxoxo", "", "", "....H.M.L.M.H...", ""}};
  t.blocks = {{0, 0, 2, 0, 0, {-1, -1, 0, 1}, true, false},
              {1, 1, 2, 0, 0, {0, 1, 2, 3}, true, false},
              {3, 3, 6, 1, 1, {4, 1, 4, 3}, true, false},
              {4, 4, 5, 0, 1, {2, -1, 2, 3}, true, true, 4},
              {1, 3, 2, 1, 0, {0, 1, 2, 3}, true, false}};
  return t;
}

}  // namespace

const TrackDesign& TetrisTrackDesign() {
  static const TrackDesign design = Tumble();
  return design;
}

}  // namespace music
