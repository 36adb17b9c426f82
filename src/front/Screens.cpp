// The screens around the play (not built yet: the menu starts a game at once).
#include "front/Screens.h"

void MainMenu() {}
void ShowLogos() {}
void IntroStory() {}
void EndingStory() {}
void GameOverStory() {}
void WipeToBlack() {}
