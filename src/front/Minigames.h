// Which minigame follows which level, running it between levels, and the four minigames.
#pragma once

enum class Minigame { None, Tetris, Duel, Duck };

// The minigame offered after level `level` (0-based) of the set, given how long the level took.
Minigame MinigameAfterLevel(int difficulty, int level, int levelFrames);
// After a won level: the minigame it leads to, between two wipes, with the game music back at 50 afterwards.
void RunMinigameAfterLevel(int level);

// Each runs its minigame until it ends and leaves the level's screen to the caller. Tetris's level and score
// last for the whole run of the program.
void PlayTetris();
void PlayDuel();
void PlayDuck();
// The Sugar minigame of the tile challenge; returns its points (also left in `play.sugarPoints`).
int PlaySugar();

// After Tetris the main pictures and the level's scene are set up again; the shell gives the way to do it.
void SetMinigameRestore(void (*restore)());
void RestoreAfterTetris();
