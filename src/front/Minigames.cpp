// The offer rules of the minigames between levels (the games themselves are not built yet).
#include "front/Minigames.h"

#include "game/PlayState.h"
#include "front/Screens.h"

Minigame MinigameAfterLevel(int difficulty, int level, int levelFrames) {
  bool fast = levelFrames < 3 * 60 * framesPerSecond;  // the level took under three minutes
  if (difficulty == difficultyHard) {
    if (level == 9) return Minigame::Tetris;
    if (level == 19) return Minigame::Duel;
    if (level == 22 && fast) return Minigame::Duck;
  } else {
    if (level == 19) return Minigame::Tetris;
    if (level == 49) return Minigame::Duel;
    if (level == 86 && fast) return Minigame::Duck;
  }
  return Minigame::None;
}

void RunMinigameAfterLevel(int level) {
  Minigame game = MinigameAfterLevel(play.difficulty, level, play.levelFrames);
  if (game == Minigame::None) return;
  WipeToBlack();
  switch (game) {
    case Minigame::Tetris: PlayTetris(); break;
    case Minigame::Duel: PlayDuel(); break;
    case Minigame::Duck: PlayDuck(); break;
    case Minigame::None: break;
  }
  WipeToBlack();
}

void PlayTetris() {}
void PlayDuel() {}
void PlayDuck() {}

int PlaySugar() {
  play.sugarPoints = 0;
  return 0;
}
