// Which minigame follows which level, and running it between levels.
#pragma once

enum class Minigame { None, Tetris, Duel, Duck };

// The minigame offered after level `level` (0-based) of the set, given how long the level took.
Minigame MinigameAfterLevel(int difficulty, int level, int levelFrames);
void RunMinigameAfterLevel(int level);
void PlayTetris();
void PlayDuel();
void PlayDuck();
// The Sugar minigame of the tile challenge; returns its points (also left in `play.sugarPoints`).
int PlaySugar();
