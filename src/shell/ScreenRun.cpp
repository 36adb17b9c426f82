// One screen run by itself (--screen), for screenshots and measurements, then the program ends.
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
  } else {
    // The stories type their lines with the main pictures' letters, and the minigames their words.
    LoadMainAssets();
    if (name == "intro") IntroStory();
    if (name == "ending") EndingStory();
    if (name == "gameover") GameOverStory();
    if (name == "duck") PlayDuck();
    if (name == "sugar") PlaySugar();
  }
  SetEndReason("screen");
  EndProgram(0);
}
