// The five screen tracks: the title theme, the homecoming story, the ending at the lake, defeat, and the credits.
#include "music/MusicDesign.h"

namespace music {

namespace {

constexpr Mode A = Mode::Aeolian, D = Mode::Dorian, H = Mode::Harmonic, P = Mode::Phrygian, I = Mode::Ionian;

// The menu: the game's own theme, heard while the player chooses. A marching gallop in the bass, the
// rising i–VI–III–VII of an adventure, a Dorian major IV lifting into the dominant, a bright square lead.
TrackDesign Starward() {
  TrackDesign t;
  t.file = "nova_01_05b.ogg";
  t.title = "Starward";
  t.character = "the title theme: heroic and catchy, a galloping bass, brass-like chords, a bright square-wave lead";
  t.keyName = "A minor";
  t.tonic = 57;
  t.bpm = 108;
  t.bars = 32;
  t.swing = 0.04f;
  t.seed = 19;
  t.chords = {{0, 4, A}, {5, 4, A}, {2, 4, A}, {6, 4, A}, {0, 4, A}, {5, 4, A}, {3, 4, D}, {4, 4, H}};
  t.pad = {.wave = Wave::Saw, .detuneCents = 11, .cutoffHz = 2600, .cutoffSwing = 0.3f, .attack = 0.06f,
           .release = 0.6f, .centre = 64, .tones = {0, 2, 4, 7}, .haasMs = 14, .pump = 0.25f};
  t.bass = {.wave = Wave::Saw, .subLevel = 0.7f, .subOctave = false, .cutoffHz = 280, .envHz = 1300,
            .envDecay = 0.08f, .q = 1.1f, .drive = 1.4f, .release = 0.03f, .lowest = 33};
  t.arp = {.kind = ArpKind::Pluck, .wave = Wave::Saw, .cutoffHz = 1100, .envHz = 4200, .cutoffSwing = 0.4f,
           .decay = 0.12f, .gate = 0.55f, .centre = 69, .tones = {0, 2, 4, 7, 9}, .spread = 0.6f};
  t.lead = {.kind = LeadKind::Synth, .wave = Wave::Square, .wave2 = Wave::Square, .mix2 = 0.7f, .detuneCents = 10,
            .cutoffHz = 3000, .envHz = 2600, .q = 1.2f, .attack = 0.01f, .decay = 0.25f, .sustain = 0.75f,
            .release = 0.2f, .vibratoCents = 16, .vibratoHz = 5.6f, .vibratoDelay = 0.25f, .glide = 0.06f,
            .centre = 72, .pan = 0.0f};
  t.kit = {.kickStartHz = 150, .kickEndHz = 48, .kickPitchTau = 0.035f, .kickDecay = 0.28f, .kickClick = 0.3f,
           .kickDrive = 1.3f, .snareToneHz = 200, .snareDecay = 0.16f, .snareNoise = 0.75f, .tomHz = 120,
           .crashDecay = 1.8f, .kick = 0.75f, .snare = 0.5f, .clap = 0.4f, .hat = 0.22f, .openHat = 0.18f,
           .shaker = 0.14f, .tom = 0.45f, .rim = 0.22f, .crash = 0.15f, .swell = 0.12f};
  t.mix = {.reverbSeconds = 2.2f, .reverbSize = 1.1f, .reverbDampHz = 7000, .delayBeats = 0.75f,
           .delayFeedback = 0.35f, .padReverb = 0.25f, .arpReverb = 0.3f, .leadReverb = 0.25f, .drumReverb = 0.08f,
           .arpDelay = 0.3f, .leadDelay = 0.22f, .drumsDb = -2, .bassDb = -1.5f, .padDb = -4,
           .arpDb = -8, .leadDb = -2.5f};
  t.bassLines = {"0 - 0 0 0 - 0 0 0 - 0 0 0 - 7 -", "0 - 0 0 7 - 0 0 0 - 0 0 4 - 7 -"};
  t.arpLines = {"0 . 1 . 2 . 1 . 3 . 2 . 1 . 2 .", "0 1 2 3 4 3 2 1 0 1 2 3 4 3 2 1"};
  // Over the chord pairs Am–F, C–G, Am–F, D–E: a call that leaps a fifth and an octave, its answer
  // stepping down, the call again higher, and a close on the dominant that leads home.
  t.leadMotifs = {"0 - - 4 7 - - - 6 - 4 - 7 - - - | 4 - - - - - 2 - 4 - - - . . 2 -",
                  "4 - - - 2 - 4 - 7 - - - 6 - - - | 4 - - - - - - - 2 - 4 - 2 - 0 -",
                  "7 - - - 8 - 7 - 4 - - - 2 - 4 - | 4 - - - 6 - - - 7 - - - 4 - - -",
                  "4 - - - 2 - - - 0 - 2 - 4 - - - | 2 - - - - - - - 0 - - - - - . ."};
  t.drumBars = {
      {"X.......X.......", "", "....x.......x...", "..o...o...o...o.", "", "", "", ""},
      {"X.....x.X.......", "....X.......X...", "", "x.o.x.o.x.o.x.oo", "..............o.", "", "", ""},
      {"X.....x.X.......", "....X.......XgXX", "", "x.o.x.o.x.o.....", "", "", "........H.M.L.L.", ""},
      {"X.....x.X.x.....", "....X.......X...", "", "xgxgxgxgxgxgxgxg", "..o.......o.....", "", "", ""},
      {"X.....x.X...X.X.", "....X...X.XgXXXX", "", "xgxgxgxg........", "", "", "", ""},
      {"", "", "", "", "", "gogxgogxgogxgogx", "", "....x.......x..."},
      {"X...X...X...X...", "..........x.x.x.", "", "..o...o...o...o.", "", "gogxgogxgogxgogx", "", ""}};
  t.blocks = {{0, 0, 2, 0, 0, {-1, -1, 2, 3}, true, false},
              {1, 1, 2, 0, 0, {0, 1, 2, 3}, true, false},
              {5, 6, 4, 1, 1, {0, 1, 0, 3}, true, true, 4},
              {3, 3, 2, 1, 1, {0, 1, 2, 3}, true, false}};
  return t;
}

// The intro: the ship comes home. Eight bars of wide major chords borrowed from the minor (hope, the
// blue planet ahead), eight where it grows, then the Phrygian half step and a pulsing bass: something
// is wrong down there.
TrackDesign Homecoming() {
  TrackDesign t;
  t.file = "nova300.ogg";
  t.title = "Homecoming";
  t.character = "the story: spacious and hopeful, then ominous; slow pads, a glassy bell, a soft horn-like lead";
  t.keyName = "Eb minor";
  t.tonic = 51;
  t.bpm = 90;
  t.bars = 24;
  t.swing = 0.1f;
  t.seed = 23;
  t.chords = {{5, 8, A}, {2, 8, A}, {6, 8, A}, {0, 8, A},    // hope
              {2, 8, A}, {6, 8, A}, {5, 8, A}, {3, 8, D},    // growing
              {0, 8, P}, {1, 8, P}, {0, 8, P}, {4, 8, H}};   // the bad surprise
  t.pad = {.wave = Wave::Saw, .detuneCents = 10, .cutoffHz = 1500, .cutoffSwing = 0.4f, .attack = 1.5f,
           .release = 2.5f, .centre = 63, .tones = {0, 2, 4, 8}, .haasMs = 20, .pump = 0};
  t.bass = {.wave = Wave::Triangle, .subLevel = 0.9f, .subOctave = false, .cutoffHz = 180, .envHz = 300,
            .envDecay = 0.3f, .q = 0.7f, .drive = 1.0f, .release = 0.15f, .lowest = 39};
  t.arp = {.kind = ArpKind::Bell, .wave = Wave::Sine, .cutoffHz = 0, .envHz = 0, .cutoffSwing = 0, .decay = 0.45f,
           .fmRatio = 4.0f, .fmIndex = 1.2f, .gate = 0.9f, .centre = 79, .tones = {0, 2, 4, 7, 9}, .spread = 0.7f};
  t.lead = {.kind = LeadKind::Synth, .wave = Wave::Triangle, .wave2 = Wave::Saw, .mix2 = 0.35f, .detuneCents = 7,
            .cutoffHz = 1400, .envHz = 900, .q = 0.9f, .attack = 0.18f, .decay = 0.6f, .sustain = 0.85f,
            .release = 0.8f, .vibratoCents = 10, .vibratoHz = 4.6f, .vibratoDelay = 0.5f, .glide = 0.12f,
            .centre = 70, .pan = -0.05f};
  t.kit = {.kickStartHz = 120, .kickEndHz = 44, .kickPitchTau = 0.04f, .kickDecay = 0.4f, .kickClick = 0.1f,
           .kickDrive = 1.2f, .snareToneHz = 170, .snareDecay = 0.25f, .snareNoise = 0.8f, .tomHz = 100,
           .crashDecay = 2.5f, .kick = 0.85f, .snare = 0.45f, .hat = 0.16f, .openHat = 0.14f, .shaker = 0.13f,
           .tom = 0.4f, .rim = 0.25f, .crash = 0.1f, .swell = 0.15f};
  t.mix = {.reverbSeconds = 3.6f, .reverbSize = 1.4f, .reverbDampHz = 6000, .delayBeats = 0.75f,
           .delayFeedback = 0.5f, .padReverb = 0.4f, .arpReverb = 0.45f, .leadReverb = 0.35f, .drumReverb = 0.14f,
           .arpDelay = 0.4f, .leadDelay = 0.3f, .drumsDb = -4, .bassDb = -2, .padDb = -2,
           .arpDb = -5, .leadDb = -3};
  t.bassLines = {"0 - - - - - - - - - - - - - - -", "0 - - - - - - - 4 - - - - - - -",
                 "0 - - 0 - - 0 - 0 - - 0 - - 1 -"};
  t.arpLines = {"0 . . . 2 . . . 4 . . . 3 . . .", "0 . 2 . 4 . 3 . 1 . 3 . 2 . 4 ."};
  // Each two-bar phrase sits on one chord: a rising call, a settling answer, then a low Phrygian sigh and
  // its fall.
  t.leadMotifs = {"0 - - - 2 - - - 4 - - - - - - - | 7 - - - - - - - 6 - - - 4 - - -",
                  "4 - - - - - - - 2 - - - 1 - 0 - | 0 - - - - - - - - - - - . . . .",
                  "0 - - - - - - - 1 - - - 0 - - - | -1 - - - - - - - 0 - - - - - . .",
                  "2 - - - 0 - - - 1 - - - 0 - - - | 0 - - - - - - - . . . . . . . ."};
  t.drumBars = {
      {"", "", "", "", "", "........gogxgogx", "............l.l.", ""},
      {"X.........X.....", "", "", "", "", "gogxgogxgogxgogx", "", "........x......."},
      {"X.........X.....", "", "", "", "", "gogxgogx........", "..........m.l.l.", "........x...x.x."},
      {"X.......X..x....", "........X.......", "", "..o...o...o...o.", "", "", "", ""},
      {"X.......X.......", "........X...xgxx", "", "..o...o.........", "", "", "....L.....M.L.L.", ""}};
  t.blocks = {{-1, -1, 0, 0, 0, {-1, -1, 0, 1}, true, false},
              {1, 1, 2, 1, 1, {0, 1, 0, 1}, true, true},
              {3, 3, 4, 2, 0, {2, 3, 2, 3}, true, false, 4}};
  return t;
}

// The ending: the ship has landed by a lake at dusk. The only tune in a major key: seventh chords drifting
// over a slow bass, water-like ripples and an electric-piano melody.
TrackDesign StillWater() {
  TrackDesign t;
  t.file = "finalp3.ogg";
  t.title = "Still Water";
  t.character = "the ending: warm and peaceful, major seventh chords, rippling plucks, an electric-piano melody";
  t.keyName = "G major";
  t.tonic = 55;
  t.bpm = 84;
  t.bars = 24;
  t.swing = 0.14f;
  t.seed = 29;
  t.chords = {{0, 4, I}, {2, 4, I}, {5, 4, I}, {3, 4, I}, {0, 4, I}, {5, 4, I}, {1, 4, I}, {4, 4, I}};
  t.pad = {.wave = Wave::Saw, .detuneCents = 7, .cutoffHz = 1700, .cutoffSwing = 0.25f, .attack = 1.0f,
           .release = 2.0f, .centre = 63, .tones = {0, 2, 4, 6}, .haasMs = 16, .pump = 0};
  t.bass = {.wave = Wave::Triangle, .subLevel = 0.7f, .subOctave = false, .cutoffHz = 220, .envHz = 350,
            .envDecay = 0.25f, .q = 0.7f, .drive = 1.0f, .release = 0.12f, .lowest = 32};
  t.arp = {.kind = ArpKind::Pluck, .wave = Wave::Triangle, .cutoffHz = 1400, .envHz = 1800, .cutoffSwing = 0.3f,
           .decay = 0.3f, .gate = 0.9f, .centre = 72, .tones = {0, 2, 4, 7, 9}, .spread = 0.6f};
  t.lead = {.kind = LeadKind::Bell, .wave = Wave::Sine, .wave2 = Wave::Triangle, .mix2 = 0.3f, .detuneCents = 2,
            .cutoffHz = 4000, .envHz = 0, .q = 0.7f, .attack = 0.005f, .decay = 0.8f, .sustain = 0.4f,
            .release = 0.6f, .vibratoCents = 4, .vibratoHz = 4.0f, .vibratoDelay = 0.4f, .glide = 0.02f,
            .fmRatio = 1.0f, .fmIndex = 1.6f, .centre = 68, .pan = 0.1f};
  t.kit = {.kickStartHz = 110, .kickEndHz = 46, .kickPitchTau = 0.04f, .kickDecay = 0.3f, .kickClick = 0.08f,
           .kickDrive = 1.0f, .tomHz = 120, .crashDecay = 2.2f, .kick = 0.75f, .hat = 0.14f, .openHat = 0.12f,
           .shaker = 0.15f, .tom = 0.28f, .rim = 0.26f, .crash = 0.08f, .swell = 0.08f};
  t.mix = {.reverbSeconds = 3.0f, .reverbSize = 1.3f, .reverbDampHz = 5500, .delayBeats = 0.75f,
           .delayFeedback = 0.42f, .padReverb = 0.35f, .arpReverb = 0.35f, .leadReverb = 0.3f, .drumReverb = 0.12f,
           .arpDelay = 0.3f, .leadDelay = 0.22f, .drumsDb = -5, .bassDb = -2, .padDb = -2.5f,
           .arpDb = -5, .leadDb = -2.5f};
  t.bassLines = {"0 - - - - - - - 4 - - - - - - -", "0 - - - - - 4 - 7 - - - 4 - 2 -"};
  t.arpLines = {"0 - 2 - 1 - 3 - 4 - 3 - 2 - 1 -", "0 . . 2 . . 1 . 3 . . 4 . . 2 ."};
  // Over I–iii, vi–IV, I–vi and ii–V: long notes that fall and rise like breathing.
  t.leadMotifs = {"4 - - - 2 - - - 0 - - - - - - - | 2 - - - 4 - - - 2 - - - 0 - - -",
                  "0 - - - 2 - 4 - 6 - - - 4 - - - | 4 - - - - - - - 2 - - - . . . .",
                  "7 - - - - - 6 - 4 - - - 2 - - - | 4 - - - - - - - . . 2 - 4 - - -",
                  "2 - - - 4 - - - 6 - - - 4 - - - | 2 - - - 1 - 0 - 0 - - - - - . ."};
  t.drumBars = {
      {"", "", "", "", "", "gogxgogxgogxgogx", "", "........x......."},
      {"X.........x.....", "", "", "..o...o...o...o.", "", "gogxgogxgogxgogx", "", "........x......."},
      {"X.........x.....", "", "", "", "", "gogxgogx........", "............m.l.", "........x...x..."},
      {"X.........x.....", "", "", "..o...o...o.o.o.", "..............o.", "", "", "........x......."}};
  t.blocks = {{0, 1, 2, 0, 0, {-1, -1, 0, 1}, true, false},
              {1, 1, 3, 1, 0, {0, 1, 2, 3}, true, false},
              {-1, 0, 2, 0, 1, {2, -1, 0, 3}, true, true, 6}};
  return t;
}

// Game over: the flash, then ash. Slow and heavy: a distorted bass, half-time drums with booming toms, a
// ringing inharmonic bell like the air after a blast, and a hollow lead that falls to the Neapolitan chord.
TrackDesign Fallout() {
  TrackDesign t;
  t.file = "gameoverp3.ogg";
  t.title = "Fallout";
  t.character = "defeat: dark, slow and heavy, distorted bass, booming toms, a ringing bell and a hollow lead";
  t.keyName = "C# minor";
  t.tonic = 49;
  t.bpm = 72;
  t.bars = 24;
  t.swing = 0.08f;
  t.seed = 31;
  t.chords = {{0, 4, A}, {5, 4, A}, {3, 4, A}, {4, 4, H}, {0, 4, A}, {5, 4, A}, {1, 4, P}, {4, 4, H}};
  t.pad = {.wave = Wave::Saw, .detuneCents = 14, .cutoffHz = 800, .cutoffSwing = 0.35f, .attack = 0.9f,
           .release = 2.2f, .centre = 56, .tones = {0, 2, 4, 7}, .haasMs = 14, .pump = 0.2f};
  t.bass = {.wave = Wave::Saw, .subLevel = 0.8f, .subOctave = false, .cutoffHz = 160, .envHz = 700,
            .envDecay = 0.15f, .q = 1.1f, .drive = 2.8f, .release = 0.1f, .lowest = 37};
  t.arp = {.kind = ArpKind::Bell, .wave = Wave::Sine, .cutoffHz = 0, .envHz = 0, .cutoffSwing = 0, .decay = 0.6f,
           .fmRatio = 1.41f, .fmIndex = 2.8f, .gate = 0.9f, .centre = 61, .tones = {0, 4, 7}, .spread = 0.7f};
  t.lead = {.kind = LeadKind::Synth, .wave = Wave::Square, .wave2 = Wave::Triangle, .mix2 = 0.6f, .detuneCents = 5,
            .cutoffHz = 1100, .envHz = 600, .q = 0.8f, .attack = 0.12f, .decay = 0.5f, .sustain = 0.8f,
            .release = 0.7f, .vibratoCents = 14, .vibratoHz = 4.2f, .vibratoDelay = 0.35f, .glide = 0.15f,
            .centre = 61, .pan = -0.1f};
  t.kit = {.kickStartHz = 110, .kickEndHz = 38, .kickPitchTau = 0.05f, .kickDecay = 0.45f, .kickClick = 0.25f,
           .kickDrive = 2.0f, .snareToneHz = 150, .snareDecay = 0.3f, .snareNoise = 1.0f, .tomHz = 85,
           .crashDecay = 3.0f, .kick = 0.8f, .snare = 0.55f, .hat = 0.14f, .openHat = 0.14f, .tom = 0.45f,
           .rim = 0.2f, .crash = 0.16f, .swell = 0.2f};
  t.mix = {.reverbSeconds = 3.4f, .reverbSize = 1.5f, .reverbDampHz = 4000, .delayBeats = 0.5f,
           .delayFeedback = 0.35f, .padReverb = 0.3f, .arpReverb = 0.4f, .leadReverb = 0.3f, .drumReverb = 0.14f,
           .arpDelay = 0.3f, .leadDelay = 0.2f, .drumsDb = -2, .bassDb = -1, .padDb = -4,
           .arpDb = -7, .leadDb = -3};
  t.bassLines = {"0 - - - - - 0 - - - - - 0 - - -", "0 - - - - - 0 - 0 - - - 7 - 0 -"};
  t.arpLines = {"0 . . . . . . . . . . . 1 . . .", "0 . . . 1 . . . 2 . . . 1 . . ."};
  // Over i–VI, iv–V, i–VI and the Neapolitan flat II–V.
  t.leadMotifs = {"4 - - - - - - - 2 - - - 0 - - - | 2 - - - - - - - 0 - - - - - . .",
                  "0 - - - 2 - - - 4 - - - 2 - - - | 2 - - - - - 1 - 0 - - - - - . .",
                  "7 - - - 6 - - - 4 - - - 2 - 3 - | 4 - - - - - - - 2 - - - - - . .",
                  "0 - - - 2 - - - 4 - - - - - - - | 2 - - - - - - - -1 - - - - - . ."};
  t.drumBars = {
      {"X...............", "", "", "", "", "", "........L.......", ""},
      {"X.....x...x.....", "....X.......X...", "", "o.g.o.g.o.g.o.g.", "", "", "", ""},
      {"X...............", "", "", "", "", "", "....L...M...L.L.", ""},
      {"X.....x...x...x.", "....X.......X...", "", "o.g.o.g.o.g.o.g.", "..........o.....", "", "L...............", ""},
      {"X.....x...x.....", "....X.......XgXX", "", "", "", "", "........M.L.L.L.", ""},
      {"", "", "", "", "", "", "L.......M.......", "....x.......x..."}};
  t.blocks = {{0, 1, 2, 0, 0, {-1, -1, 0, 1}, true, true},
              {1, 3, 4, 1, 0, {0, 1, 2, 3}, true, false},
              {5, 0, 2, 0, 1, {2, 3, -1, 3}, true, true, 4}};
  return t;
}

// The credits: flying over a glowing wire grid towards the horizon. Synthwave: four on the floor, a big
// snare, a pumping wide pad, a square bass in eighths, a sixteenth arpeggio and a detuned saw lead echoing.
TrackDesign Gridrunner() {
  TrackDesign t;
  t.file = "creditsnovabouncer.ogg";
  t.title = "Gridrunner";
  t.character = "the credits: upbeat driving synthwave, pumping pads, square bass, big snare, a gliding saw lead";
  t.keyName = "Bb minor";
  t.tonic = 46;
  t.bpm = 125;
  t.bars = 32;
  t.swing = 0.03f;
  t.seed = 37;
  t.chords = {{0, 4, A}, {3, 4, A}, {5, 4, A}, {6, 4, A}, {0, 4, A}, {3, 4, A}, {5, 4, A}, {4, 4, H}};
  t.pad = {.wave = Wave::Saw, .detuneCents = 16, .cutoffHz = 2800, .cutoffSwing = 0.4f, .attack = 0.03f,
           .release = 0.4f, .centre = 63, .tones = {0, 2, 4, 8}, .haasMs = 18, .pump = 0.7f};
  t.bass = {.wave = Wave::Square, .subLevel = 0.6f, .subOctave = false, .cutoffHz = 320, .envHz = 1600,
            .envDecay = 0.07f, .q = 1.3f, .drive = 1.5f, .release = 0.02f, .lowest = 34};
  t.arp = {.kind = ArpKind::Pluck, .wave = Wave::Saw, .cutoffHz = 1200, .envHz = 5000, .cutoffSwing = 0.5f,
           .decay = 0.1f, .gate = 0.5f, .centre = 70, .tones = {0, 2, 4, 7, 9, 11}, .spread = 0.7f};
  t.lead = {.kind = LeadKind::Synth, .wave = Wave::Saw, .wave2 = Wave::Triangle, .mix2 = 0.5f, .detuneCents = 16,
            .cutoffHz = 3800, .envHz = 2000, .q = 1.2f, .attack = 0.01f, .decay = 0.35f, .sustain = 0.75f,
            .release = 0.3f, .vibratoCents = 22, .vibratoHz = 5.5f, .vibratoDelay = 0.3f, .glide = 0.08f,
            .centre = 70, .pan = 0.05f};
  t.kit = {.kickStartHz = 170, .kickEndHz = 50, .kickPitchTau = 0.03f, .kickDecay = 0.26f, .kickClick = 0.35f,
           .kickDrive = 1.5f, .snareToneHz = 185, .snareDecay = 0.24f, .snareNoise = 0.9f, .tomHz = 130,
           .crashDecay = 1.8f, .kick = 0.9f, .snare = 0.55f, .hat = 0.2f, .openHat = 0.16f, .tom = 0.45f,
           .rim = 0.2f, .crash = 0.13f, .swell = 0.14f};
  t.mix = {.reverbSeconds = 2.0f, .reverbSize = 1.2f, .reverbDampHz = 7000, .delayBeats = 0.75f,
           .delayFeedback = 0.45f, .padReverb = 0.2f, .arpReverb = 0.25f, .leadReverb = 0.25f, .drumReverb = 0.15f,
           .arpDelay = 0.25f, .leadDelay = 0.3f, .drumsDb = 0, .bassDb = -1.5f, .padDb = -5,
           .arpDb = -8, .leadDb = -3};
  t.bassLines = {"0 . 0 . 0 . 0 . 0 . 0 . 0 . 7 .", "0 . 0 7 0 . 0 7 0 . 0 7 0 . 4 ."};
  t.arpLines = {"0 1 2 3 4 3 2 1 0 1 2 3 5 3 2 1", "0 2 4 2 1 3 5 3 0 2 4 2 1 3 4 5"};
  // Over i–iv, VI–VII, i–iv and VI–V: notes pushed ahead of the beat, then long falling answers.
  t.leadMotifs = {"4 - - - - - 4 - - - 6 - - - 7 - | 7 - - - 6 - - - 4 - - - 2 - - -",
                  "2 - - - 4 - - - 6 - - - 4 - 2 - | 0 - - - - - - - . . . . 4 - 6 -",
                  "4 - - - 2 - - - 4 - 6 - 7 - - - | 6 - - - 4 - - - 2 - - - 1 - - -",
                  "0 - - - - - - - - - - - 2 - 4 - | 4 - - - - - - - - - - - . . . ."};
  t.drumBars = {
      {"X...X...X...X...", "", "", "..x...x...x...x.", "", "", "", ""},
      {"X...X...X...X...", "....X.......X...", "", "xg.gxg.gxg.gxg.g", "..o...o...o...o.", "", "", ""},
      {"X...X...X...X...", "....X.......X...", "", "xg.gxg.g........", "", "", "........H.H.M.L.", ""},
      {"", "....x.......x...", "", "x.x.x.x.x.x.x.x.", "", "", "", ""},
      {"X...X...X.X.X.X.", "....X...gxgxXXXX", "", "", "", "", "", ""},
      {"X.......X.......", "x.x.x.x.x.x.x.x.", "", "", "", "", "", ""},
      {"X...X...X...X.x.", "....X.......X...", "", "xgxgxgxgxgxgxgxg", "..o...o...o...o.", "", "", "...x.....x......"}};
  t.blocks = {{0, 0, 2, 0, 0, {-1, -1, -1, -1}, true, false},
              {1, 1, 2, 0, 0, {0, 1, 0, 2}, true, false},
              {3, 5, 4, 1, 1, {3, -1, 3, 2}, true, true, 6},
              {1, 6, 4, 1, 1, {0, 1, 0, 2}, true, false}};
  return t;
}

}  // namespace

const std::vector<TrackDesign>& ScreenTrackDesigns() {
  static const std::vector<TrackDesign> designs = {Starward(), Homecoming(), StillWater(), Fallout(), Gridrunner()};
  return designs;
}

}  // namespace music
