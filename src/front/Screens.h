// The screens around the play: menu, logos, stories, and the wipe between them.
#pragma once

void MainMenu();
void ShowLogos();
void IntroStory();
void EndingStory();
void GameOverStory();
void WipeToBlack();
