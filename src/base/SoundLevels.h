// How loud the game's sounds play: the mixer's volume laws and master gain, and the level each sound is mastered to.
#pragma once

#include <vector>

#include "base/AssetNames.h"

// Every level below is one at the mixer's output, what a recording of the game (--audio-out) holds: an effect
// "as played" is its file resampled to the frequency the game usually plays it at, times the volume law at its
// usual volume, times the master gain.

constexpr int kMixRate = 44100;  // frames per second of the mix and the device

// The mixer's output stays linear up to this level and bends smoothly towards full scale above it.
constexpr float kSoftClipKnee = 0.8f;

// Trims the sum of every voice before the soft clip, so that a burst of effects keeps its headroom.
constexpr float kMasterGain = 0.7079458f;  // −3 dB

// Effects: the amplitude is the square root of volume / 100, so the power follows the volume. A sound that the
// game plays quietly (a monster's zap at 30) then needs no file louder than full scale to be heard, and 0 stays
// silent.
float EffectVolumeGain(int volume);

// Music: the same law from 50 up, so a screen's track at volume 100 plays only 3 dB over a level's at 50, and
// the square of volume / 50 below it, so the half-second fades between 50 and 0 sound even to the ear.
float MusicVolumeGain(int volume);

// Loudness classes of the effects, each with its target as played in LUFS.
enum class EffectClass { Frequent, Weapon, Reward, Explosion };
double ClassTargetLufs(EffectClass kind);
const char* ClassName(EffectClass kind);

// How the game usually plays an effect, from its calls: the frequency (for the effects it plays with the
// frequency left as it is, the rate of the file) and the volume (0..100).
struct EffectPlay {
  Sound sound;
  EffectClass kind;
  int frequencyHz;
  int volume;
};

// Every effect the game plays, in sound-number order.
const std::vector<EffectPlay>& EffectPlays();
const EffectPlay* FindEffectPlay(Sound sound);

// The loudest an effect may peak as played, oversampled as EBU R128 measures a true peak.
constexpr double kEffectCeilingDbtp = -6.0;

// The loudest an effect may peak when played at volume 100, whatever its usual volume: four of the loudest
// started in one frame then still sum to less than the mixer's soft-clip knee.
constexpr double kBurstCeilingDbtp = -12.5;

// The ceiling an effect is mastered to as played at `volume`: the lower of the two above.
double EffectCeilingDbtp(int volume);

// Music: every track file is mastered to this integrated loudness and true peak; a level's track at volume 50
// then plays at kMusicInGameLufs.
constexpr double kMusicFileLufs = -14.0;
constexpr double kMusicCeilingDbtp = -1.5;
constexpr double kMusicInGameLufs = -20.0;
constexpr int kLevelMusicVolume = 50;

// A sound shorter than one 400 ms gating block is measured as one block over its own length: the mean
// K-weighted power of the sound alone, so a click is not made quieter by the silence after it.
constexpr double kLoudnessBlockSeconds = 0.4;
