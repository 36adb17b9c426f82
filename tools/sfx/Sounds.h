// The sound effects' contact sheet, written on request beside the packs (packbuilder --sheets DIR).
#pragma once

#include <string>

// Writes DIR/sounds.png (waveform and spectrogram of every effect) and the effect files themselves
// under DIR/sounds/ for listening. Returns false after printing what went wrong.
bool WriteSoundSheets(const std::string& sheetDir);
