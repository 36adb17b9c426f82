// The sound contact sheet: a table of every sound the builder makes, as made and as played, with a spectrogram each.
#pragma once

#include <string>
#include <vector>

// The folder the table and the spectrograms go to; empty (the default) writes none.
void SetSoundCatalogueDirectory(const std::string& directory);

// One sound as the game hears it: `samples` (interleaved `channels`) at `rate`, the rate it was made for, and
// `playedGain`, what the mixer's law and master gain make of it at its usual volume.
struct CatalogueSound {
  std::string name;        // the pack entry or track file
  std::string kind;        // "effect (frequent)", "music (level, volume 50)", ...
  const std::vector<float>* samples = nullptr;
  int channels = 1;
  double rate = 44100;
  double playedGain = 1;
  double playedLufs = -200;  // when the caller measured it as played (an effect resampled); else from the gain
  double playedPeakDb = -200;
  double madeLufs = -200;    // when the caller measured it already (a track); else measured here
};

// Measures the sound, writes its spectrogram (spectrograms/NAME.png under the folder) and keeps its row for the
// table. Safe from several threads. False after printing why a picture could not be written.
bool AddToSoundCatalogue(const CatalogueSound& sound);

// Writes the table, sounds.tsv: name, kind, seconds, LUFS as made and as played, true peak as played in dBTP,
// spectral centroid in Hz; rows sorted by name. False after printing why.
bool WriteSoundCatalogue();

// The power-weighted mean frequency of a mono sound, in Hz; 0 for silence.
double SpectralCentroidHz(const std::vector<float>& mono, double rate);
