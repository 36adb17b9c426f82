// The screens around the play: menu, logos, stories, and the wipe between them.
#pragma once

void ShowLogos();
void IntroStory();
void EndingStory();
void GameOverStory();
// Holds the last picture, then darkens it row by row from both edges to black.
void WipeToBlack();
