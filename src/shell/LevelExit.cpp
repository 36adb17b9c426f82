// What follows a level: the ending, the next level, a minigame, the bonus level, the last chance or the game over.
#include "media/Media.h"
#include "front/Minigames.h"
#include "game/PlayState.h"
#include "front/Scores.h"
#include "front/Screens.h"
#include "front/SavedGame.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"

namespace {

void CountdownOff() {
  play.bonusTimeLimit = 0;
  play.bonusTimeLeft = 0;
}

// After the bonus level the game goes on past the level on which the letters were completed;
// in a locked hard game the skipped levels stay skipped.
int LevelAfterBonus() {
  int next = play.savedLevelIndex + 1;
  if (play.difficulty == difficultyHard && next == 35 && play.levelsLocked) next = finalLevelHard;
  return next;
}

void LevelWonExit() {
  bool hard = play.difficulty == difficultyHard;
  lists.tiles.Clear();
  if (play.levelIndex == lastChanceLevel) {
    play.levelIndex = play.savedLevelIndex;
    CountdownOff();
    play.lastChanceLeft = false;
  } else if (play.letterMask == allLetters && play.levelIndex == bonusLevel) {
    play.levelIndex = LevelAfterBonus();
    play.letterMask = 0;
    CountdownOff();
  } else if (play.letterMask == allLetters) {
    play.savedLevelIndex = play.levelIndex;
    play.levelIndex = bonusLevel;
    play.bonusTimeLimit = 1.0f;
    play.bonusTimeLeft = 50.0f * framesPerSecond;
  } else if (hard && play.levelIndex == 34 && play.levelsLocked) {
    play.levelIndex = finalLevelHard;
  } else if (!hard && play.levelIndex == lastOrdinaryLevelNormal && play.levelsLocked) {
    play.levelIndex = finalLevelNormal;
  } else {
    RunMinigameAfterLevel(play.levelIndex);
    play.levelIndex += 1;
    if (!hard) {
      SaveGame();
      SaveLocalScore();
    }
  }
}

void LevelLostExit() {
  if (play.levelIndex == bonusLevel) {
    // The bonus level simply ends: no life is lost.
    lists.tiles.Clear();
    play.levelIndex = LevelAfterBonus();
    play.levelWon = true;
    play.letterMask = 0;
    CountdownOff();
    play.restartLevel = false;
    return;
  }
  if (play.lives != 0) return;  // the level is replayed with its remaining tiles
  if (play.lastChanceLeft && play.levelIndex != lastChanceLevel) {
    lists.tiles.Clear();
    play.lives = 1;
    play.savedLevelIndex = play.levelIndex;
    play.levelWon = true;
    play.levelIndex = lastChanceLevel;
    play.bonusTimeLimit = 1.0f;
    play.bonusTimeLeft = 100.0f * framesPerSecond;
    play.restartLevel = false;
    return;
  }
  // The game is over; the tables record the level reached before the last chance.
  if (play.levelIndex == lastChanceLevel) play.levelIndex = play.savedLevelIndex;
  if (settings.musicEnabled) StopSoundId(Sound::Music);
  GameOverStory();
  LeaveGame(GameEndCause::livesGone);
}

}  // namespace

void HandleLevelExit() {
  if (play.gameWon) {
    EndingStory();
    play.levelWon = false;
    play.restartLevel = false;
    LeaveGame(GameEndCause::won);
  } else if (play.levelWon) {
    LevelWonExit();
  } else if (play.restartLevel) {
    LevelLostExit();
  }
}
