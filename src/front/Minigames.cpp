// The offer rules of the minigames between levels, and the frame around each one.
#include "front/Minigames.h"

#include "front/MinigameCommon.h"
#include "front/Screens.h"
#include "game/PlayState.h"

namespace {
void (*restoreAfterTetris)() = nullptr;
}  // namespace

void SetMinigameRestore(void (*restore)()) { restoreAfterTetris = restore; }

void RestoreAfterTetris() {
  if (restoreAfterTetris != nullptr) restoreAfterTetris();
}

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
    case Minigame::Tetris:
      PlayTetris();
      RestoreAfterTetris();
      break;
    case Minigame::Duel: PlayDuel(); break;
    case Minigame::Duck: PlayDuck(); break;
    case Minigame::None: break;
  }
  WipeToBlack();
  RestoreGameMusic();
}
