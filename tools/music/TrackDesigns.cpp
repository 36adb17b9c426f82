// The six level tracks: calm and spacious for the first worlds, driving further on, menacing for Taron.
#include "music/MusicDesign.h"

namespace music {

namespace {

constexpr Mode A = Mode::Aeolian, H = Mode::Harmonic, P = Mode::Phrygian;

// Levels 0–4 (and every fifth group after): leaving the battle behind, drifting through deep space.
TrackDesign HomewardDrift() {
  TrackDesign t;
  t.file = "nova3.ogg";
  t.title = "Homeward Drift";
  t.character = "calm and spacious: slow chords, a bell arpeggio echoing across, a soft flute-like lead";
  t.keyName = "D minor";
  t.tonic = 50;
  t.bpm = 100;
  t.bars = 32;
  t.swing = 0.12f;
  t.seed = 3;
  t.chords = {{0, 8, A}, {5, 8, A}, {2, 8, A}, {6, 8, A}};
  t.pad = {Wave::Saw, 9, 1900, 0.35f, 1.2f, 2.0f, 62, {0, 2, 4, 8}, 18, 0};
  t.bass = {Wave::Saw, 0.8f, false, 200, 320, 0.2f, 0.8f, 1.0f, 0.08f, 38};
  t.arp = {ArpKind::Bell, Wave::Sine, 0, 0, 0, 0.35f, 2.0f, 2.2f, 0.9f, 67, {0, 4, 7, 9, 11}, 0.55f};
  t.lead = {LeadKind::Synth, Wave::Triangle, Wave::Sine, 0.6f, 4, 2600, 800, 0.8f, 0.06f, 0.4f, 0.8f, 0.5f,
            14, 5.0f, 0.3f, 0.08f, 1, 0, 66, -0.12f};
  t.kit.kickStartHz = 120;
  t.kit.kickEndHz = 46;
  t.kit.kickPitchTau = 0.04f;
  t.kit.kickDecay = 0.3f;
  t.kit.kickClick = 0.1f;
  t.kit.kickDrive = 1.0f;
  t.kit.snareToneHz = 180;
  t.kit.snareDecay = 0.18f;
  t.kit.hatDecay = 0.035f;
  t.kit.hatHz = 9000;
  t.kit.kick = 0.8f;
  t.kit.snare = 0.3f;
  t.kit.hat = 0.18f;
  t.kit.openHat = 0.14f;
  t.kit.shaker = 0.14f;
  t.kit.rim = 0.28f;
  t.kit.crash = 0.1f;
  t.kit.tom = 0.3f;
  t.kit.swell = 0.1f;
  t.mix = {3.2f, 1.3f, 6500, 0.75f, 0.45f, 0.35f, 0.4f, 0.35f, 0.1f, 0.35f, 0.25f};
  t.mix.drumsDb = -4;
  t.mix.bassDb = -2;
  t.mix.padDb = -2;
  t.mix.arpDb = -4;
  t.mix.leadDb = -3;
  t.mix.presenceHz = 2500;
  t.mix.presenceDb = 2.5f;
  t.mix.lowShelfDb = -5;
  t.bassLines = {"0 - - - - - - - - - - - 4 - 2 -", "0 - - - - - 0 - - - 7 - 4 - - -"};
  t.arpLines = {"0 - 1 - 2 - 3 - 4 - 3 - 2 - 1 - | 0 - 1 - 2 - 3 - 2 - 1 - 2 - 3 -",
                "0 . 2 1 . 3 2 . 4 . 3 2 . 1 2 ."};
  t.leadMotifs = {"7 - - - - - 6 - 4 - - - - - - - | 2 - - - 4 - - - 2 - - - - - . .",
                  "4 - - - - - 5 - 4 - - - 2 - - - | 1 - 2 - 4 - - - - - - - . . . .",
                  "4 - - - - - - - 6 - - - - - - - | 8 - - - - - - - 7 - - - . . . .",
                  "2 - 4 - 7 - - - 6 - 4 - - - 2 - | 4 - - - - - - - . . . . . . . ."};
  t.drumBars = {
      {"X.........x.....", "", "", "..o...o...o...o.", "", "", "", "........x......."},
      {"X.........x...o.", "", "", "..o...o...o.g.o.", "", "gogxgogxgogxgogx", "", "........x......."},
      {"X.........x.....", "........x...o.o.", "", "..o...o...o.....", "", "gogxgogxgogx....", "............M.L.", ""},
      {"X..o......x.....", "", "", "..o...o...o...o.", "..............o.", "gogxgogxgogxgogx", "", "........x......."},
      {"X.........x..o..", "........x..g.gog", "", "..o...o.........", "", "gogxgogx........", "..........h.m.l.", ""}};
  t.blocks = {{0, 1, 2, 0, 0, {-1, -1, -1, -1}, true, false},
              {1, 1, 2, 1, 0, {0, 1, 0, 2}, true, false},
              {0, 3, 4, 1, 1, {3, 1, 3, 2}, true, false, 8},
              {3, 3, 4, 0, 1, {-1, -1, 1, 2}, true, true}};
  return t;
}

// Levels 5–9: the pulsar and the lost ship; a steady pulse, floating and a little wistful.
TrackDesign PulsarLight() {
  TrackDesign t;
  t.file = "nova05_01.ogg";
  t.title = "Pulsar Light";
  t.character = "floating and hypnotic: a pulsing square arpeggio under a sweeping filter, an FM bell lead";
  t.keyName = "E minor";
  t.tonic = 52;
  t.bpm = 105;
  t.bars = 32;
  t.swing = 0.1f;
  t.seed = 5;
  t.chords = {{0, 4, A}, {5, 4, A}, {3, 4, A}, {4, 4, A}, {0, 4, A}, {5, 4, A}, {6, 4, A}, {4, 4, H}};
  t.pad = {Wave::Saw, 7, 1800, 0.4f, 0.8f, 1.4f, 64, {0, 2, 4, 6}, 14, 0.15f};
  t.bass = {Wave::Saw, 0.7f, false, 260, 700, 0.15f, 1.1f, 1.0f, 0.05f, 40};
  t.arp = {ArpKind::Pluck, Wave::Square, 800, 3400, 0.5f, 0.16f, 2, 2, 0.6f, 67, {0, 2, 4, 7, 9}, 0.6f};
  t.lead = {LeadKind::Bell, Wave::Sine, Wave::Triangle, 0.3f, 3, 4000, 0, 0.7f, 0.01f, 0.5f, 0.5f, 0.4f,
            8, 5.0f, 0.3f, 0.03f, 2.0f, 1.4f, 71, 0.1f};
  t.kit.kickStartHz = 140;
  t.kit.kickDecay = 0.26f;
  t.kit.kickClick = 0.2f;
  t.kit.clapDecay = 0.18f;
  t.kit.kick = 0.82f;
  t.kit.clap = 0.36f;
  t.kit.snare = 0.35f;
  t.kit.hat = 0.24f;
  t.kit.openHat = 0.18f;
  t.kit.shaker = 0.14f;
  t.kit.crash = 0.11f;
  t.kit.tom = 0.32f;
  t.mix = {2.6f, 1.1f, 7000, 0.75f, 0.42f, 0.3f, 0.3f, 0.35f, 0.08f, 0.3f, 0.3f};
  t.mix.drumsDb = -2;
  t.mix.bassDb = -2;
  t.mix.padDb = -3;
  t.mix.arpDb = -5;
  t.mix.leadDb = -3;
  t.mix.presenceHz = 5200;
  t.mix.presenceDb = 5.5f;
  t.mix.lowShelfDb = -6;
  t.bassLines = {"0 - - 0 - - 0 - 0 - - 0 - - 4 -", "0 - - - - - 0 - 7 - 0 - - - 4 -"};
  t.arpLines = {"0 1 2 3 2 1 2 3 0 1 2 3 4 3 2 1", "0 2 1 3 2 4 3 2 0 2 1 3 2 4 3 4"};
  t.leadMotifs = {"4 - - - 2 - - - 4 - - - 7 - - - | 4 - - - - - - - 2 - 0 - 2 - - -",
                  "7 - - - 6 - - - 4 - - - 2 - 4 - | 0 - - - - - - - . . . . 2 - 4 -",
                  "2 - - - 4 - - - 7 - - - 9 - - - | 7 - - - 6 - - - 4 - - - . . . .",
                  "4 - 2 - 0 - - - 2 - 4 - - - - - | 7 - - - - - 4 - - - 2 - - - - -"};
  t.drumBars = {
      {"X.....x...X.....", "", "....x.......x...", "..o...o...o...o.", "", "gog.gog.gog.gog.", "", ""},
      {"X.....x...X...o.", "", "....x.......x...", "g.o.g.o.g.o.g.o.", "..............o.", "gog.gog.gog.gog.", "", ""},
      {"X.....x...X.....", "", "....x.......x.x.", "g.o.g.o.g.o.....", "", "", "..........H.M.L.", ""},
      {"X.....x...X..x..", "", "....x.......x...", "g.x.g.x.g.x.g.xg", "......o.......o.", "gog.gog.gog.gog.", "", ""},
      {"X.....x...X.x.x.", "....x.......xgxx", "", "g.x.g.x.g.x.....", "", "", "", ""}};
  t.blocks = {{0, 1, 2, 0, 0, {-1, -1, -1, -1}, true, false},
              {1, 1, 2, 0, 0, {0, 1, 0, 2}, true, false},
              {3, 3, 4, 1, 1, {3, 1, 3, 2}, true, false},
              {3, 1, 4, 1, 1, {-1, -1, 0, 2}, true, true, 6}};
  return t;
}

// Levels 10–14: gravity and the Milky Way; the groove starts to move.
TrackDesign GravityWell() {
  TrackDesign t;
  t.file = "nova3b.ogg";
  t.title = "Gravity Well";
  t.character = "a warm groove gathering pace: octave-bouncing bass, saw arpeggio, a gliding square lead";
  t.keyName = "F# minor";
  t.tonic = 54;
  t.bpm = 112;
  t.bars = 32;
  t.swing = 0.08f;
  t.seed = 7;
  t.chords = {{0, 4, A}, {3, 4, A}, {6, 4, A}, {2, 4, A}, {5, 4, A}, {3, 4, A}, {1, 4, H}, {4, 4, H}};
  t.pad = {Wave::Saw, 8, 2400, 0.3f, 0.35f, 0.9f, 63, {0, 2, 4, 6}, 16, 0.35f};
  t.bass = {Wave::Saw, 0.6f, false, 240, 1400, 0.09f, 1.3f, 1.4f, 0.03f, 40};
  t.arp = {ArpKind::Pluck, Wave::Saw, 1000, 4800, 0.35f, 0.14f, 2, 2, 0.5f, 66, {0, 2, 4, 7, 9, 11}, 0.45f};
  t.lead = {LeadKind::Synth, Wave::Square, Wave::Saw, 0.5f, 8, 3200, 2200, 1.4f, 0.01f, 0.3f, 0.65f, 0.2f,
            15, 5.5f, 0.22f, 0.07f, 1, 0, 69, 0.12f};
  t.kit.kickStartHz = 170;
  t.kit.kickEndHz = 50;
  t.kit.kickDecay = 0.25f;
  t.kit.kickClick = 0.35f;
  t.kit.kickDrive = 1.4f;
  t.kit.clap = 0.4f;
  t.kit.snare = 0.35f;
  t.kit.hat = 0.24f;
  t.kit.openHat = 0.2f;
  t.kit.crash = 0.12f;
  t.kit.tom = 0.38f;
  t.mix = {2.0f, 1.0f, 7500, 0.75f, 0.38f, 0.25f, 0.25f, 0.25f, 0.07f, 0.25f, 0.22f};
  t.mix.drumsDb = -1;
  t.mix.bassDb = -1.5f;
  t.mix.padDb = -5;
  t.mix.arpDb = -7;
  t.mix.leadDb = -3;
  t.mix.presenceHz = 2200;
  t.mix.presenceDb = 2;
  t.mix.lowShelfDb = -4;
  t.bassLines = {"0 . 7 . 0 . 7 . 0 . 7 . 0 . 7 .", "0 - 0 7 . 0 7 . 0 - 0 7 . 4 7 ."};
  t.arpLines = {"0 1 2 1 3 2 4 3 0 1 2 1 3 2 4 5", "5 4 3 2 4 3 2 1 3 2 1 0 2 1 3 2"};
  t.leadMotifs = {"4 - - 2 - - 0 - 2 - - - 4 - 5 - | 4 - - - - - - - 2 - - - - - . .",
                  "7 - - - 6 - 4 - 2 - - - 4 - - - | 2 - - - 1 - 0 - - - - - . . . .",
                  "0 - 2 - 4 - 7 - - - 6 - 4 - - - | 4 - - - - - - - 2 - - - 1 - 0 -",
                  "2 - - - 4 - - - 2 - 0 - - - - - | 2 - - - - - - - 0 - - - . . . ."};
  t.drumBars = {
      {"X...x...X...x...", "", "....x.......x...", "g.x.g.x.g.x.g.x.", "", "", "", ""},
      {"X...x...X...x..o", "", "....x.......x...", "g...g...g...g...", "..o...o...o...o.", "", "", ""},
      {"X...x...X...x...", "..........g.xgxx", "....x.......x...", "..x...x...x.....", "", "", "", ""},
      {"X...x...X...x...", "", "....x.......x...", "gxg.gxg.gxg.gxg.", "..o...o...o...o.", "", "", ""},
      {"X...x...X.x.x.x.", "", "....x.......x...", "gxg.gxg.........", "", "", "........H.H.M.L.", ""}};
  t.blocks = {{0, 1, 2, 0, 0, {-1, -1, -1, -1}, true, false},
              {1, 1, 2, 0, 0, {0, 1, 2, 3}, true, false},
              {3, 3, 4, 1, 1, {0, 1, 2, 3}, true, false, 6},
              {3, 1, 4, 1, 0, {-1, 1, -1, 3}, true, true}};
  return t;
}

// Levels 15–19: the Sun; bright, pumping, four on the floor.
TrackDesign SolarRun() {
  TrackDesign t;
  t.file = "nova3a.ogg";
  t.title = "Solar Run";
  t.character = "driving and bright: four on the floor, pumping supersaw chords, off-beat bass, a saw lead";
  t.keyName = "C minor";
  t.tonic = 48;
  t.bpm = 120;
  t.bars = 32;
  t.swing = 0.06f;
  t.seed = 11;
  t.chords = {{0, 4, A}, {5, 4, A}, {3, 4, A}, {4, 4, H}, {0, 4, A}, {5, 4, A}, {6, 4, A}, {4, 4, H}};
  t.pad = {Wave::Saw, 12, 3200, 0.3f, 0.05f, 0.5f, 65, {0, 2, 4, 7}, 14, 0.6f};
  t.bass = {Wave::Saw, 0.7f, false, 350, 1800, 0.08f, 1.2f, 1.6f, 0.02f, 36};
  t.arp = {ArpKind::Pluck, Wave::Square, 1300, 5200, 0.4f, 0.1f, 2, 2, 0.5f, 67, {0, 2, 4, 7, 9}, 0.65f};
  t.lead = {LeadKind::Synth, Wave::Saw, Wave::Saw, 0.8f, 14, 4200, 2500, 1.0f, 0.008f, 0.25f, 0.7f, 0.18f,
            18, 5.8f, 0.2f, 0.05f, 1, 0, 72, -0.1f};
  t.kit.kickStartHz = 180;
  t.kit.kickEndHz = 50;
  t.kit.kickPitchTau = 0.03f;
  t.kit.kickDecay = 0.24f;
  t.kit.kickClick = 0.4f;
  t.kit.kickDrive = 1.6f;
  t.kit.clapDecay = 0.15f;
  t.kit.kick = 0.9f;
  t.kit.clap = 0.42f;
  t.kit.snare = 0.3f;
  t.kit.hat = 0.24f;
  t.kit.openHat = 0.2f;
  t.kit.rim = 0.2f;
  t.kit.crash = 0.13f;
  t.kit.tom = 0.4f;
  t.mix = {1.8f, 0.9f, 8000, 0.75f, 0.35f, 0.2f, 0.22f, 0.22f, 0.06f, 0.22f, 0.2f};
  t.mix.drumsDb = 0;
  t.mix.bassDb = -1.5f;
  t.mix.padDb = -5;
  t.mix.arpDb = -8;
  t.mix.leadDb = -3;
  t.mix.presenceHz = 4200;
  t.mix.presenceDb = 5;
  t.mix.lowShelfDb = -7;
  t.bassLines = {". . 0 - . . 0 - . . 0 - . . 0 -", ". . 0 - . 7 0 - . . 0 - . 7 0 -"};
  t.arpLines = {"0 1 2 3 4 3 2 1 0 1 2 3 4 3 2 1", "4 2 3 1 2 0 1 0 4 2 3 1 2 0 3 4"};
  t.leadMotifs = {"7 - - - 4 - - 7 - - 6 - 4 - 2 - | 4 - - - - - - - . . 2 - 4 - 6 -",
                  "7 - - - 6 - 4 - 6 - - - 4 - 2 - | 2 - - - - - - - . . 3 - 4 - 2 -",
                  "4 - - 7 - - 9 - - - 7 - 4 - 2 - | 4 - - - - - 2 - 4 - - - 6 - - -",
                  "7 - - - 6 - 4 - 6 - - - 7 - 8 - | 7 - - - - - - - . . . . . . . ."};
  t.drumBars = {
      {"X...X...X...X...", "", "....x.......x...", "go..go..go..go..", "..x...x...x...x.", "", "", ""},
      {"X...X...X...X...", "......g.......g.", "....x.......x...", "go..go..go..go..", "..x...x...x...x.", "", "", ""},
      {"X...X...X...X...", "........g.g.xxxx", "....x.......x.x.", "go..go..go......", "", "", "", ""},
      {"X...X...X...X...", "", "....x.......x...", "gxgogxgogxgogxgo", "..x...x...x...x.", "", "", "...x.......x...."},
      {"X...X...X...X.X.", "", "....x.......x...", "gxgogxgo........", "", "", "........H.M.L.L.", ""}};
  t.blocks = {{0, 0, 2, 0, 0, {-1, -1, -1, -1}, true, false},
              {1, 1, 2, 1, 0, {0, 1, 2, 3}, true, false},
              {3, 3, 4, 1, 1, {0, 1, 0, 3}, true, false, 8},
              {1, 3, 4, 0, 1, {-1, -1, 2, 3}, true, true}};
  return t;
}

// Levels 20–24 and on to the valley: Earth in sight, full speed, rolling bass and breakbeat.
TrackDesign BladeRun() {
  TrackDesign t;
  t.file = "nova2_level(blade128).ogg";
  t.title = "Blade Run";
  t.character = "the most driving: 128 BPM breakbeat, rolling sixteenth bass, fast arpeggio, a screaming resonant lead";
  t.keyName = "G# minor";
  t.tonic = 56;
  t.bpm = 128;
  t.bars = 32;
  t.swing = 0.05f;
  t.seed = 13;
  t.chords = {{0, 4, A}, {6, 4, A}, {5, 4, A}, {4, 4, H}};
  t.pad = {Wave::Saw, 14, 3500, 0.35f, 0.02f, 0.3f, 62, {0, 4, 7, 9}, 14, 0.65f};
  t.bass = {Wave::Saw, 0.6f, false, 300, 2200, 0.06f, 1.5f, 2.0f, 0.015f, 31};
  t.arp = {ArpKind::Pluck, Wave::Saw, 1600, 6000, 0.5f, 0.09f, 2, 2, 0.45f, 67, {0, 2, 4, 7, 9, 11}, 0.7f};
  t.lead = {LeadKind::Synth, Wave::Square, Wave::Sine, 0.5f, 7, 1800, 5200, 3.2f, 0.005f, 0.2f, 0.6f, 0.15f,
            22, 6.5f, 0.15f, 0.04f, 1, 0, 70, 0.1f};
  t.kit.kickStartHz = 200;
  t.kit.kickEndHz = 52;
  t.kit.kickPitchTau = 0.028f;
  t.kit.kickDecay = 0.22f;
  t.kit.kickClick = 0.5f;
  t.kit.kickDrive = 1.8f;
  t.kit.snareToneHz = 200;
  t.kit.snareDecay = 0.16f;
  t.kit.snareNoise = 0.8f;
  t.kit.kick = 0.9f;
  t.kit.snare = 0.5f;
  t.kit.hat = 0.24f;
  t.kit.openHat = 0.2f;
  t.kit.crash = 0.13f;
  t.kit.tom = 0.42f;
  t.mix = {1.6f, 0.85f, 8000, 0.75f, 0.35f, 0.2f, 0.2f, 0.2f, 0.07f, 0.2f, 0.2f};
  t.mix.drumsDb = 0;
  t.mix.bassDb = -1;
  t.mix.padDb = -6;
  t.mix.arpDb = -8;
  t.mix.leadDb = -3;
  t.mix.presenceHz = 3200;
  t.mix.presenceDb = 6;
  t.mix.lowShelfDb = -8;
  t.bassLines = {". 0 0 0 . 0 0 0 . 0 0 0 . 0 7 0", ". 0 7 0 . 0 7 0 . 0 7 0 . 7 4 7"};
  t.arpLines = {"0 1 2 3 4 5 4 3 2 3 4 5 4 3 2 1", "5 3 4 2 3 1 2 0 5 3 4 2 3 1 2 0"};
  t.leadMotifs = {"4 - - - 4 - 5 - 7 - - - - - 5 - | 4 - - - 2 - - - 0 - - - - - . .",
                  "2 - - - 4 - - - 7 - - - 6 - 4 - | 2 - - - - - - - 0 - - - 4 - - -",
                  "7 - - - 6 - 7 - 9 - - - 7 - - - | 6 - - - 4 - - - 2 - - - 4 - - -",
                  "4 - - - 2 - - - 0 - 2 - 4 - 7 - | 7 - - - - - - - 6 - - - 4 - - -"};
  t.drumBars = {
      {"X.....x...X.....", "....X.......X...", "", "xgogxgogxgogxgog", "", "", "", ""},
      {"X.....x...X..x..", "....X..g....X...", "", "xgogxgogxgogxgog", "..............x.", "", "", ""},
      {"X.....x...X.....", "....X.......XgXX", "", "xgogxgogxgog....", "", "", "........H.H.M.L.", ""},
      {"X.x...x...X.x...", "....X.......X..g", "", "xgogxgogxgogxgog", "..x.......x.....", "", "", ""},
      {"X.....x...X.X.X.", "....X...xgxgXXXX", "", "xgogxgog........", "", "", "", ""}};
  t.blocks = {{0, 1, 2, 0, 0, {-1, -1, -1, -1}, true, false},
              {1, 1, 2, 0, 0, {0, 1, 0, 3}, true, false},
              {3, 3, 4, 1, 1, {2, 1, 2, 3}, true, false, 6},
              {3, 1, 4, 1, 0, {0, 1, 2, 3}, true, true}};
  return t;
}

// The boss level: Taron, the old enemy. Phrygian half steps, a chugging bass, clanging bells.
TrackDesign Taron() {
  TrackDesign t;
  t.file = "lethal3_trans_bis1.ogg";
  t.title = "Taron";
  t.character = "menacing: Phrygian half steps, distorted chugging bass, heavy drums and toms, a growling FM brass lead";
  t.keyName = "F Phrygian";
  t.tonic = 53;
  t.bpm = 135;
  t.bars = 40;
  t.swing = 0.04f;
  t.seed = 17;
  t.chords = {{0, 4, P}, {1, 4, P}, {0, 4, P}, {6, 4, H}, {5, 4, A}, {3, 4, A}, {1, 4, P}, {4, 4, H}};
  t.pad = {Wave::Saw, 10, 1300, 0.45f, 0.4f, 0.8f, 57, {0, 2, 4, 7}, 16, 0.3f};
  t.bass = {Wave::Saw, 0.8f, false, 200, 1200, 0.07f, 1.6f, 2.5f, 0.02f, 35};
  t.arp = {ArpKind::Bell, Wave::Sine, 0, 0, 0, 0.25f, 3.5f, 2.5f, 0.8f, 66, {0, 2, 4, 7}, 0.7f};
  t.lead = {LeadKind::Bell, Wave::Sine, Wave::Saw, 0.3f, 12, 2600, 0, 1.0f, 0.02f, 0.5f, 0.7f, 0.3f,
            18, 4.5f, 0.3f, 0.1f, 1.0f, 2.8f, 64, 0};
  t.kit.kickStartHz = 150;
  t.kit.kickEndHz = 42;
  t.kit.kickPitchTau = 0.045f;
  t.kit.kickDecay = 0.34f;
  t.kit.kickClick = 0.4f;
  t.kit.kickDrive = 2.2f;
  t.kit.snareToneHz = 170;
  t.kit.snareDecay = 0.2f;
  t.kit.snareNoise = 0.9f;
  t.kit.tomHz = 110;
  t.kit.crashDecay = 2.0f;
  t.kit.kick = 0.95f;
  t.kit.snare = 0.5f;
  t.kit.clap = 0.3f;
  t.kit.hat = 0.2f;
  t.kit.openHat = 0.18f;
  t.kit.crash = 0.14f;
  t.kit.tom = 0.5f;
  t.mix = {2.8f, 1.4f, 5500, 0.5f, 0.35f, 0.3f, 0.3f, 0.25f, 0.1f, 0.25f, 0.2f};
  t.mix.drumsDb = 0;
  t.mix.bassDb = -1;
  t.mix.padDb = -5;
  t.mix.arpDb = -8;
  t.mix.leadDb = -3;
  t.mix.presenceHz = 2000;
  t.mix.presenceDb = 3;
  t.mix.lowShelfDb = -6;
  t.bassLines = {"0 0 . 0 0 . 0 0 . 0 0 . 1 0 7 0", "0 - 0 0 . 0 0 - 0 0 . 0 7 0 1 0"};
  t.arpLines = {"0 . . 1 . . 2 . . 3 . . 2 . 1 .", "3 . 2 . 1 . 0 . 3 . 2 . 1 . 2 ."};
  t.leadMotifs = {"0 - - - - - - - 1 - - - 0 - - - | 0 - - - - - - - -1 - - - . . . .",
                  "4 - - - 2 - - - 0 - - - 1 - - - | 0 - - - - - - - 2 - - - 4 - - -",
                  "7 - - - - - 6 - 4 - - - 2 - - - | 4 - - - - - 3 - 2 - - - 0 - - -",
                  "4 - - - - - 3 - 2 - 1 - 0 - - - | 0 - - - - - - - 2 - - - - - 4 -"};
  t.drumBars = {
      {"X..x..X...X..x..", "........X.......", "", "xgxgxgxgxgxgxgxg", "", "", "", ""},
      {"X..x..X...X..x.o", "....X.......X...", "", "xgxgxgxgxgxgxgxg", "......x.......x.", "", "", ""},
      {"X..x..X...X.....", "....X.......X...", "", "xgxgxgxgxgxg....", "", "", "..........H.M.LL", ""},
      {"X.xX..X.x.X..xX.", "....X.......X...", "....x.......x...", "xgxgxgxgxgxgxgxg", "", "", "", ""},
      {"X..x..X...X.X.XX", "....X...g.gxXxXX", "", "xgxgxgxg........", "", "", "........H.M.L...", ""},
      {"X.........X.x...", "........X.......", "........x.......", "x.x.x.x.x.x.x.x.", "..o.......o.....", "", "", ""},
      {"X.....X.X.X.X.X.", "....X.g.XgXgXXXX", "", "xgxgxgxg........", "", "", "...........H.M.L", ""}};
  t.blocks = {{0, 1, 2, 0, 0, {-1, -1, -1, -1}, true, false},
              {1, 1, 2, 0, 0, {0, 1, 0, 3}, true, false},
              {3, 3, 4, 1, 1, {2, 1, 2, 3}, true, false},
              {5, 5, 4, 1, 1, {0, 1, 2, 3}, true, false, 4},
              {3, 1, 6, 0, 0, {-1, 1, -1, 3}, true, true}};
  return t;
}

}  // namespace

const std::vector<TrackDesign>& TrackDesigns() {
  static const std::vector<TrackDesign> designs = {HomewardDrift(), PulsarLight(), GravityWell(),
                                                   SolarRun(),      BladeRun(),    Taron()};
  return designs;
}

}  // namespace music
