// The sugar game's tune: a bouncy marimba melody over pizzicato bass, soft vibraphone chords and light drums.
#include "minigames/MinigameArt.h"
#include "minigames/TuneNotation.h"

namespace {

// General MIDI programs and percussion keys.
constexpr int kMarimba = 12, kGlockenspiel = 9, kPizzicato = 45, kVibraphone = 11;
constexpr int kBassDrum = 36, kSideStick = 37, kClap = 39, kClosedHat = 42, kCrash2 = 57, kHighBongo = 60,
              kLowBongo = 61, kShaker = 70;

constexpr int kBarsPerSection = 8;

// In F, lengths in eighths. The head is the same six bars each time the tune comes round; the first ending
// turns on C7 back to the head (the last section ends that way too, so that the tune loops into its start),
// the second closes on F before the middle strain in B flat.
const char* const kHead =
    "c5:1 f5:1 a5:1 f5:1 c6:2 a5:2 | bb5:1 a5:1 g5:1 f5:1 g5:2 a5:2 | d5:1 f5:1 a5:1 f5:1 d6:2 a5:2 |"
    " bb5:1 a5:1 g5:1 f5:1 g5:4 | f5:1 bb5:1 d6:1 bb5:1 f5:2 d5:2 | e5:1 g5:1 c6:1 g5:1 bb5:2 g5:2";
const char* const kTurnBack = "a5:2 c6:2 a5:1 g5:1 f5:2 | g5:3 r:1 c5:1 d5:1 e5:2";
const char* const kClose = "a5:2 c6:2 f6:2 c6:1 a5:1 | f5:2 c5:2 f5:2 r:2";
const char* const kMiddle =
    "d6:3 c6:1 bb5:2 f5:2 | g5:3 f5:1 d5:4 | bb5:3 a5:1 g5:2 d5:2 | bb4:2 d5:2 g5:4 |"
    " e5:1 f5:1 g5:1 bb5:1 c6:2 bb5:2 | g5:1 a5:1 bb5:1 g5:1 e5:4 | f5:2 a5:2 d6:2 a5:2 | g5:2 bb5:2 e5:2 c5:2";

enum Kind { kPlain, kClosing, kMiddleStrain, kBells };

struct Section {
  Kind kind;
  const char* chords;
};
const Section kSections[] = {
    {kPlain, "F C7 Dm Gm7 | Bb C7 F C7"},
    {kClosing, "F C7 Dm Gm7 | Bb C7 F F"},
    {kMiddleStrain, "Bb Bb6 Gm Gm | C7 C7 Dm C7"},
    {kBells, "F C7 Dm Gm7 | Bb C7 F C7"},
};

struct Band {
  int marimba, bells, bass, vibes, drums;
};

// Root, fifth, octave on the beats; the fourth steps up a semitone into the next bar's root when the chord
// changes, and otherwise falls back to the fifth.
void Bass(tune::Score& score, const Band& band, int bar, const tune::Chord& chord, const tune::Chord& next) {
  uint32_t beat = score.beatTicks(), start = score.BarStart(bar);
  int root = tune::KeyFrom(41, chord.root);
  int fourth = next.root != chord.root ? tune::KeyFrom(root + 1, next.root) - 1 : root + 7;
  const int keys[4] = {root, root + 7, root + 12, fourth};
  const int velocities[4] = {112, 94, 104, 96};
  for (int i = 0; i < 4; ++i) score.Play(band.bass, start + uint32_t(i) * beat, beat * 3 / 5, keys[i], velocities[i]);
}

// Vibraphone chords off the beat; in the middle strain the bells climb the chord a beat at a time.
void Chords(tune::Score& score, const Band& band, int bar, const tune::Chord& chord, Kind kind) {
  uint32_t beat = score.beatTicks(), start = score.BarStart(bar);
  for (int i = 0; i < 4; ++i) {
    if (kind != kMiddleStrain && i % 2 == 0) continue;
    for (int key : tune::Voicing(chord, 65, 3)) {
      score.Play(band.vibes, start + uint32_t(i) * beat + beat / 2, beat * 2 / 5, key, kind == kMiddleStrain ? 56 : 66);
    }
  }
  if (kind == kMiddleStrain) {
    std::vector<int> climb = tune::Voicing(chord, 86, 4);
    for (int i = 0; i < 4; ++i) score.Play(band.bells, start + uint32_t(i) * beat, beat, climb[size_t(i)], 46);
  }
}

void Drums(tune::Score& score, const Band& band, int bar, int barInSection, Kind kind) {
  uint32_t beat = score.beatTicks(), eighth = beat / 2, start = score.BarStart(bar);
  bool fill = barInSection == kBarsPerSection - 1;
  for (int i = 0; i < 4; ++i) {
    uint32_t at = start + uint32_t(i) * beat;
    if (i % 2 == 0) score.Play(band.drums, at, eighth, kBassDrum, i == 0 ? 78 : 66);
    if (i % 2 == 1) score.Play(band.drums, at, eighth, kSideStick, 62);
    if (i % 2 == 1 && kind == kBells) score.Play(band.drums, at, eighth, kClap, 50);
    if (fill && i == 3) {
      // Bongos lead each strain into the next, the last one back to the start.
      const int bongos[4] = {kHighBongo, kHighBongo, kLowBongo, kLowBongo};
      for (int k = 0; k < 4; ++k) score.Play(band.drums, at + uint32_t(k) * beat / 4, beat / 4, bongos[k], 58 + 4 * k);
      continue;
    }
    if (kind == kMiddleStrain) {
      for (int k = 0; k < 4; ++k) score.Play(band.drums, at + uint32_t(k) * beat / 4, beat / 4, kShaker, k % 2 ? 40 : 30);
    } else {
      score.Play(band.drums, at, eighth, kClosedHat, 34);
      score.Play(band.drums, at + eighth, eighth, kClosedHat, 48);
    }
  }
  if (barInSection == 0 && kind == kMiddleStrain) score.Play(band.drums, start, beat * 2, kCrash2, 46);
}

}  // namespace

std::vector<uint8_t> ComposeSugarTune() {
  tune::Score score(480, 4, 4, 118, "Sugar bounce");
  Band band;
  band.marimba = score.Part("Marimba", 0, kMarimba, 127, 58);
  band.bells = score.Part("Glockenspiel", 1, kGlockenspiel, 110, 86);
  band.bass = score.Part("Pizzicato bass", 2, kPizzicato, 118, 60);
  band.vibes = score.Part("Vibraphone", 3, kVibraphone, 108, 38);
  band.drums = score.Part("Drums", midi::kDrumChannel, -1, 116, 64);

  const uint32_t eighth = score.beatTicks() / 2;
  std::vector<tune::Chord> chords;
  for (const Section& section : kSections) {
    std::vector<tune::Chord> more = score.Chords(section.chords);
    chords.insert(chords.end(), more.begin(), more.end());
  }
  for (int s = 0; s < int(std::size(kSections)); ++s) {
    Kind kind = kSections[s].kind;
    int first = s * kBarsPerSection;
    for (int part : {band.marimba, band.bells}) {
      if (part == band.bells && kind != kClosing && kind != kBells) continue;
      int transpose = part == band.bells ? 12 : 0;
      int velocity = part == band.bells ? 72 : 112;
      if (kind == kMiddleStrain) {
        score.Melody(part, first, kMiddle, eighth, transpose, eighth / 3, velocity);
      } else {
        int bars = score.Melody(part, first, kHead, eighth, transpose, eighth / 3, velocity);
        score.Melody(part, first + bars, kind == kClosing ? kClose : kTurnBack, eighth, transpose, eighth / 3, velocity);
      }
    }
    for (int b = 0; b < kBarsPerSection && first + b < int(chords.size()); ++b) {
      int bar = first + b;
      // The last bar leads into the first, where the tune starts again.
      const tune::Chord& next = chords[size_t(bar + 1) % chords.size()];
      Bass(score, band, bar, chords[size_t(bar)], next);
      Chords(score, band, bar, chords[size_t(bar)], kind);
      Drums(score, band, bar, b, kind);
    }
  }
  return score.Finish(int(std::size(kSections)) * kBarsPerSection, "elephant.pak");
}
