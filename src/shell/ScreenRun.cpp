// One screen or minigame run by itself (--screen, --minigame), for screenshots and measurements, then the end.
#include "front/Credits.h"
#include "front/Menu.h"
#include "front/Minigames.h"
#include "front/Scores.h"
#include "front/Screens.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "shell/Shell.h"

void RunScreenOnly(const std::string& name) {
  if (name == "logos") {
    ShowLogos();
  } else if (name == "menu") {
    NewGameValues();
    LoadLocalScores();
    MainMenu();
  } else if (name == "credits") {
    CreditsScreen();
  } else if (name == "duel" || name == "tetris" || name == "duck" || name == "sugar") {
    // The minigames show their words with the main pictures' letters.
    LoadMainAssets();
    if (name == "duel") PlayDuel();
    if (name == "tetris") PlayTetris();
    if (name == "duck") PlayDuck();
    if (name == "sugar") PlaySugar();
  } else {
    // The stories type their lines with the main pictures' letters.
    LoadMainAssets();
    if (name == "intro") IntroStory();
    if (name == "ending") EndingStory();
    if (name == "gameover") GameOverStory();
  }
  SetEndReason("screen");
  EndProgram(0);
}
