// Duck shooting's and Sugar's pictures and frames on screen, for their loops and the benchmark.
#pragma once

// The pictures of a round, loaded from the minigame's pack (the rules' state reset first).
void LoadDuckPictures();
void LoadSugarPictures();
// One frame drawn from the rules' state, which it only reads.
void DrawDuckFrame();
void DrawSugarFrame();
