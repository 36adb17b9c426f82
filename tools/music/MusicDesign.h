// What a music track is made of: key, tempo, chords, instrument sounds, patterns and the 8-bar arrangement.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "music/Wavetable.h"

namespace music {

// Modes the tracks use: minor ones, and the major for the one tune that ends in peace; a chord can borrow
// another mode (the major V of the harmonic minor, the flat II of the Phrygian).
enum class Mode { Aeolian, Dorian, Harmonic, Phrygian, Ionian };

// The semitones of the seven degrees of `mode` above its tonic.
const std::array<int, 7>& ModeSteps(Mode mode);

// The pitch of `degree` (0 = tonic, 7 = the octave above, negatives below) in `mode` over `tonic`.
int DegreePitch(int tonic, Mode mode, int degree);

struct Chord {
  int degree;  // scale degree of the root, 0..6
  int beats;   // how long it lasts
  Mode mode;   // the mode its tones are taken from
};

struct PadSound {
  Wave wave = Wave::Saw;
  float detuneCents = 8;       // spread of the three oscillators of each voice
  float cutoffHz = 1400;       // low-pass centre
  float cutoffSwing = 0.3f;    // ± fraction of the cutoff the slow sweep moves over 8 bars
  float attack = 0.6f;         // seconds
  float release = 1.2f;        // seconds
  int centre = 62;             // MIDI note the voicing gathers around
  std::vector<int> tones{0, 2, 4, 6};  // chord-relative scale steps voiced
  float haasMs = 12;           // right channel late by this much, for width
  float pump = 0;              // 0..1 depth of the ducking under each kick
};

struct BassSound {
  Wave wave = Wave::Saw;
  float subLevel = 0.6f;       // level of the sine under the main oscillator
  bool subOctave = false;      // the sine an octave lower instead of at pitch
  float cutoffHz = 300;        // filter floor
  float envHz = 900;           // filter opening at the attack
  float envDecay = 0.12f;      // seconds
  float q = 0.9f;              // resonance
  float drive = 1.0f;          // >1 saturates
  float release = 0.04f;       // seconds
  int lowest = 33;             // MIDI: chord roots sit in [lowest, lowest + 11]
};

enum class ArpKind { Pluck, Bell };

struct ArpSound {
  ArpKind kind = ArpKind::Pluck;
  Wave wave = Wave::Square;
  float cutoffHz = 900;        // pluck filter floor
  float envHz = 3500;          // pluck filter opening
  float cutoffSwing = 0;       // ± fraction the filter opening sweeps over 8 bars
  float decay = 0.18f;         // seconds of the amplitude decay
  float fmRatio = 2;           // bell: modulator frequency / carrier
  float fmIndex = 2;           // bell: modulation depth at the attack
  float gate = 0.9f;           // fraction of its steps a note is held
  int centre = 67;             // MIDI: chord roots sit within a tritone of it
  std::vector<int> tones{0, 2, 4, 7};  // pattern index → chord-relative scale step
  float spread = 0.5f;         // pan of alternate notes, ±
};

enum class LeadKind { Synth, Bell };

struct LeadSound {
  LeadKind kind = LeadKind::Synth;  // filtered oscillators, or an FM bell
  Wave wave = Wave::Saw;       // first oscillator (the bell's carrier is always a sine)
  Wave wave2 = Wave::Square;   // second oscillator, detuned against the first
  float mix2 = 0.5f;           // level of the second oscillator
  float detuneCents = 6;       // cents between the two oscillators
  float cutoffHz = 2400;       // low-pass floor
  float envHz = 1500;          // filter opening at each note, Hz above the floor
  float q = 1.0f;              // filter resonance
  float attack = 0.02f, decay = 0.3f, sustain = 0.7f, release = 0.25f;  // seconds, level
  float vibratoCents = 12, vibratoHz = 5.2f, vibratoDelay = 0.25f;       // cents, Hz, seconds
  float glide = 0.05f;         // seconds of portamento between tied notes
  float fmRatio = 1, fmIndex = 0;  // bell leads: modulator / carrier frequency, depth in radians
  int centre = 72;             // MIDI: chord roots sit within a tritone of it
  float pan = 0.1f;            // −1 left .. 1 right
};

// Decays and time constants in seconds, tones in Hz, other amounts as plain factors.
struct KitSound {
  float kickStartHz = 160, kickEndHz = 48, kickPitchTau = 0.035f, kickDecay = 0.28f;  // pitch drop, body decay
  float kickClick = 0.3f, kickDrive = 1.2f;  // beater noise level, saturation (1 clean)
  float snareToneHz = 190, snareDecay = 0.14f, snareNoise = 0.7f;  // shell tone, rattle decay and level
  float clapDecay = 0.16f, clapHz = 1300;    // tail after the three slaps, band centre
  float hatDecay = 0.045f, openHatDecay = 0.28f, hatHz = 8000;  // decays, brightness of the metal
  float tomHz = 140;                         // middle tom; the others a fourth above and below
  float crashDecay = 1.6f;
  float kick = 0.9f, snare = 0.5f, clap = 0.45f, hat = 0.26f, openHat = 0.2f, shaker = 0.15f, tom = 0.45f,
        rim = 0.25f, crash = 0.16f, swell = 0.12f;  // peak levels of the drums within the kit
  float hatPan = 0.35f;        // hats to this side, the shaker to the other (−1 .. 1)
};

// One bar of drums: 16 characters per instrument, one per sixteenth ('.' off; 'X' accent, 'x' normal,
// 'o' soft, 'g' ghost). Toms use 'H', 'M', 'L' (high, mid, low; lower case softer). Empty: silent.
struct DrumBar {
  std::string kick, snare, clap, hat, openHat, shaker, tom, rim;
};

// Eight bars of arrangement. Bass, arp and lead lines are indexes into the track's patterns;
// −1 leaves the part out.
struct Block {
  int drums;                  // bars 1–4
  int drumsLate;              // bars 5–7
  int fill;                   // bar 8
  int bass;
  int arp;
  std::array<int, 4> lead;    // a two-bar motif for each pair of bars
  bool crash = true;          // cymbal on the first beat
  bool swell = false;         // a noise rise through bar 8 into the next block
  int breakdown = 0;          // its first bars (4..8) without drums or bass, under a low-pass that opens through them
};

struct MixSound {
  float reverbSeconds = 2.5f;  // RT60
  float reverbSize = 1.0f;     // scales the room's delay lengths
  float reverbDampHz = 5000;
  float delayBeats = 0.75f;    // ping-pong echo time
  float delayFeedback = 0.4f;
  float padReverb = 0.3f, arpReverb = 0.3f, leadReverb = 0.25f, drumReverb = 0.08f;  // sends
  float arpDelay = 0.3f, leadDelay = 0.2f;
  float highPassHz = 30;       // the mastering EQ: a steep cut under this
  float lowShelfDb = -6;       // shelf under 80 Hz, so the kick is felt rather than booming
  float presenceHz = 3500;     // centre of the presence lift, which makes the lead and hats carry
  float presenceDb = 4;
  // How loud each part sounds while it plays, in dB of weighted loudness (bass counts for less, as
  // the ear hears it); each part is brought to its level before the parts are mixed.
  float drumsDb = 0, bassDb = -1, padDb = -5, arpDb = -7, leadDb = -2;
};

struct TrackDesign {
  std::string file;            // "nova3.ogg"
  std::string title;           // our name for it
  std::string character;       // one line: the mood and where it plays
  std::string keyName;         // "D minor"
  int tonic = 50;              // MIDI note of the key
  double bpm = 120;
  int bars = 32;               // a multiple of 8
  float swing = 0.1f;          // off-sixteenths late by this fraction of a sixteenth
  unsigned seed = 1;
  std::vector<Chord> chords;   // cycles through the track
  PadSound pad;
  BassSound bass;
  ArpSound arp;
  LeadSound lead;
  KitSound kit;
  MixSound mix;
  // Patterns: one token per sixteenth, separated by blanks: a number (a chord-relative scale step for
  // bass and lead, an index into arp.tones for the arp), '-' holds the previous note, '.' rests.
  std::vector<std::string> bassLines, arpLines, leadMotifs;
  std::vector<DrumBar> drumBars;
  std::vector<Block> blocks;   // cycles every 8 bars
};

// The six tracks of the game, in the order the levels use them.
const std::vector<TrackDesign>& TrackDesigns();

// The five tracks of the screens around play, in the order menu, intro, ending, game over, credits.
const std::vector<TrackDesign>& ScreenTrackDesigns();

// The falling-block minigame's track.
const TrackDesign& TetrisTrackDesign();

// Samples of one loop: bars × 4 beats at the track's tempo (every tempo we use gives whole samples).
size_t LoopFrames(const TrackDesign& design, int bars);
double SamplesPerBeat(const TrackDesign& design);

}  // namespace music
