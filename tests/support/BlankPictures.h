// Test support: the main pictures as blank sprites of the sizes the pack builder paints, without the packs.
#pragma once

#include <utility>

// Width and height in pixels of main picture `number` as painted; {0, 0} for a number no main picture has.
std::pair<int, int> MainPictureSize(int number);
// Every sprite, quad and image the main assets give the game (and the chaingun's pivot), blank at its real size:
// for tests that need the pictures' sizes but not their pixels.
void MakeBlankMainPictures();
