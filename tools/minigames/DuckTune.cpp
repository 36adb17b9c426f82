// The shooting gallery's tune: a fairground waltz for calliope, with the band organ's oom-pah beneath it.
#include "minigames/MinigameArt.h"
#include "minigames/TuneNotation.h"

namespace {

// General MIDI programs and percussion keys.
constexpr int kCalliope = 82, kDrawbarOrgan = 16, kTuba = 58, kGlockenspiel = 9, kAccordion = 21;
constexpr int kBassDrum = 36, kSnare = 38, kCrash = 49, kTambourine = 54, kTriangle = 81;

constexpr int kBarsPerSection = 16;

// A waltz in C, a second strain on its dominant, the first again with bells, then a trio in F whose last bar
// turns to G7 so that the tune falls back into its first bar when it starts again. Lengths are in eighths.
const char* const kStrainA =
    "c5:2 e5:2 g5:2 | c6:4 g5:2 | b5:3 a5:1 g5:2 | f5:4 d5:2 | b4:2 d5:2 f5:2 | a5:4 g5:2 | e5:3 d5:1 e5:2 |"
    " c5:4 r:2 | c5:2 e5:2 g5:2 | bb5:4 g5:2 | a5:3 g5:1 f5:2 | c6:4 a5:2 | g5:2 e5:2 c5:2 | f#5:2 a5:2 c6:2 |"
    " d6:3 b5:1 g5:2 | c6:4 r:2";
const char* const kChordsA = "C C G7 G7 | G7 G7 C C | C C7 F F | C D7 G7 C";

const char* const kStrainB =
    "d5:1 c5:1 b4:1 c5:1 d5:2 | g5:4 d5:2 | c5:1 b4:1 a4:1 b4:1 c5:2 | f#5:4 d5:2 |"
    " a5:1 g5:1 f#5:1 g5:1 a5:2 | c6:4 a5:2 | b5:2 a5:2 g5:2 | d5:4 r:2 | d5:1 c5:1 b4:1 c5:1 d5:2 |"
    " g#5:4 e5:2 | a5:1 g5:1 e5:1 g5:1 a5:2 | c6:4 a5:2 | f#5:2 a5:2 c6:2 | d6:3 c6:1 a5:2 | b5:2 g5:2 d5:2 |"
    " f5:2 d5:2 b4:2";
const char* const kChordsB = "G G D7 D7 | D7 D7 G G | G E7 Am Am | D7 D7 G G7";

const char* const kTrio =
    "a4:4 c5:2 | f5:4 e5:1 f5:1 | g5:4 e5:2 | c5:6 | bb4:4 c5:2 | g5:4 f5:1 g5:1 | a5:4 f5:2 | c5:6 |"
    " d5:4 f5:2 | bb5:4 a5:1 bb5:1 | c6:4 a5:2 | a5:4 f#5:2 | g5:3 a5:1 bb5:2 | c6:2 bb5:2 g5:2 | a5:4 f5:2 |"
    " g5:2 f5:2 d5:2";
const char* const kChordsTrio = "F F C7 C7 | C7 C7 F F | Bb Bb F D7 | Gm C7 F G7";

enum Strain { kFirst, kSecond, kBells, kTrioStrain };

struct Section {
  const char* melody;
  const char* chords;
  Strain strain;
};
const Section kSections[] = {
    {kStrainA, kChordsA, kFirst}, {kStrainB, kChordsB, kSecond}, {kStrainA, kChordsA, kBells},
    {kTrio, kChordsTrio, kTrioStrain}};

struct Band {
  int calliope, organ, tuba, bells, accordion, drums;
};

// Oom on the first beat, the tuba swinging between root and fifth while a chord lasts; pah, pah on the
// organ on the second and third.
void OomPah(tune::Score& score, const Band& band, int bar, const tune::Chord& chord, bool fifth) {
  uint32_t beat = score.beatTicks(), start = score.BarStart(bar);
  int root = tune::KeyFrom(36, chord.root);
  int bass = fifth ? (root + 7 <= 50 ? root + 7 : root - 5) : root;
  score.Play(band.tuba, start, beat * 4 / 5, bass, 96);
  for (int keyOfChord : tune::Voicing(chord, 63, 3)) {
    score.Play(band.organ, start + beat, beat / 2, keyOfChord, 64);
    score.Play(band.organ, start + 2 * beat, beat / 2, keyOfChord, 56);
  }
}

void Percussion(tune::Score& score, const Band& band, int bar, int barInSection, Strain strain, bool lastBar) {
  uint32_t beat = score.beatTicks(), start = score.BarStart(bar);
  score.Play(band.drums, start, beat / 2, kBassDrum, strain == kTrioStrain ? 76 : 90);
  if (barInSection == 0) score.Play(band.drums, start, beat, kCrash, 72);
  if (lastBar) {
    // A roll on the snare carries the band over the bar line into the next strain.
    for (int i = 0; i < 8; ++i) score.Play(band.drums, start + beat + uint32_t(i) * beat / 4, beat / 4, kSnare, 44 + 5 * i);
    return;
  }
  for (uint32_t upbeat : {beat, 2 * beat}) {
    if (strain == kSecond) score.Play(band.drums, start + upbeat, beat / 2, kSnare, 42);
    if (strain == kBells) score.Play(band.drums, start + upbeat, beat / 2, kTambourine, 50);
  }
  if (strain == kTrioStrain && barInSection % 2 == 0) score.Play(band.drums, start, beat * 2, kTriangle, 58);
}

}  // namespace

std::vector<uint8_t> ComposeDuckTune() {
  tune::Score score(480, 3, 4, 176, "Duck gallery waltz");
  Band band;
  // The band plays a quarter under full channel volume: the carousel is a louder tune than the sugar game's,
  // and the two play at one level in the game.
  band.calliope = score.Part("Calliope", 0, kCalliope, 95, 64);
  band.organ = score.Part("Band organ", 1, kDrawbarOrgan, 69, 44);
  band.tuba = score.Part("Tuba", 2, kTuba, 84, 72);
  band.bells = score.Part("Glockenspiel", 3, kGlockenspiel, 75, 92);
  band.accordion = score.Part("Accordion", 4, kAccordion, 78, 36);
  band.drums = score.Part("Drums", midi::kDrumChannel, -1, 78, 64);

  const uint32_t eighth = score.beatTicks() / 2;
  const int sections = int(std::size(kSections));
  for (int s = 0; s < sections; ++s) {
    const Section& section = kSections[s];
    int first = s * kBarsPerSection;
    score.Melody(band.calliope, first, section.melody, eighth, 0, eighth / 4, 100);
    if (section.strain == kBells) score.Melody(band.bells, first, section.melody, eighth, 12, 0, 72);
    if (section.strain == kTrioStrain) score.Melody(band.accordion, first, section.melody, eighth, -12, eighth / 3, 70);
    std::vector<tune::Chord> chords = score.Chords(section.chords);
    bool fifth = false;
    for (int b = 0; b < int(chords.size()); ++b) {
      fifth = b > 0 && chords[size_t(b)].root == chords[size_t(b) - 1].root && !fifth;
      OomPah(score, band, first + b, chords[size_t(b)], fifth);
      Percussion(score, band, first + b, b, section.strain, b == kBarsPerSection - 1);
    }
  }
  return score.Finish(sections * kBarsPerSection, "ballgame.pak");
}
