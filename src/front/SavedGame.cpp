// The saved game of the normal set: five self-checking texts in the player's group of "config".
#include "front/SavedGame.h"

#include <algorithm>
#include <string>

#include "base/Prefs.h"
#include "base/SavedGameCode.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"

namespace {

// Only the ordinary levels are saved: a continued game never starts on a bonus, last-chance or boss level.
constexpr int kLastSavedLevel = 98;
constexpr int kMostLives = 99;
constexpr int kAllLetters = 31;

}  // namespace

void SaveGame() {
  if (play.levelIndex < 0 || play.levelIndex > kLastSavedLevel) return;
  // Encoded first, whether the file opens or not, so that the random numbers drawn do not depend on the
  // file (a replay must draw what its recording drew). Lives beyond what a continued game accepts are
  // stored as the most it accepts, rather than losing the whole saved game.
  std::string alpha = EncodeSmall(play.levelIndex), beta = EncodeScore(play.score);
  std::string gamma = EncodeSmall(std::min(play.lives, kMostLives)), delta = EncodeSmall(play.letterMask);
  std::string epsilon = EncodeSmall(play.lastChanceLeft ? 1 : 0);
  if (!OpenPrefs("config")) return;
  // With no name the keys stand at the top of the file.
  PrefsGroup(settings.playerName);
  WritePrefText("alpha", alpha);
  WritePrefText("beta", beta);
  WritePrefText("gamma", gamma);
  WritePrefText("delta", delta);
  WritePrefText("epsilon", epsilon);
  ClosePrefs();
}

void LoadSavedGame() {
  if (!OpenPrefs("config")) return;
  std::string alpha, beta, gamma, delta, epsilon;
  auto readFive = [&] {
    alpha = ReadPrefText("alpha", "");
    beta = ReadPrefText("beta", "");
    gamma = ReadPrefText("gamma", "");
    delta = ReadPrefText("delta", "");
    epsilon = ReadPrefText("epsilon", "");
  };
  if (!settings.playerName.empty() && PrefsGroupExists(settings.playerName)) {
    PrefsGroup(settings.playerName);
    readFive();
  } else {
    // Older files kept the level alone at the top, under the player's name or under "level".
    PrefsGroup("");
    readFive();
    if (alpha.empty() && beta.empty()) {
      if (!settings.playerName.empty()) alpha = ReadPrefText(settings.playerName, "");
      if (alpha.empty()) alpha = ReadPrefText("level", "");
    }
  }
  ClosePrefs();
  int levelIndex = DecodeSmall(alpha);
  int lives = DecodeSmall(gamma);
  int letterMask = DecodeSmall(delta);
  // Values no game can have saved mean no saved game: the new game's values stay. A text holding a level
  // alone (no lives) continues on that level with the new game's lives, score and letters.
  if (levelIndex < 0 || levelIndex > kLastSavedLevel || lives < 0 || lives > kMostLives || letterMask < 0 ||
      letterMask > kAllLetters) {
    return;
  }
  play.levelIndex = levelIndex;
  if (lives > 0) {
    play.lives = lives;
    play.score = DecodeScore(beta);
    play.letterMask = letterMask;
    play.lastChanceLeft = DecodeSmall(epsilon) != 0;
  }
}
