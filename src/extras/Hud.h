// The status column beside the playfield and its animated inset.
#pragma once

#include <cstdint>
#include <string>

void DrawPanelInset();
void DrawHud(const std::string& playerName, int64_t score, int letterMask, int levelIndex);
