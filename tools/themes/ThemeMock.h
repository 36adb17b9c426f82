// A mock play screen over a theme's background, to judge whether the play objects stand out on it.
#pragma once

#include "ImageWrite.h"

// Returns a 1024 x 768 picture: the background at (80, 20), the panels, rows of tiles, balls, a capsule,
// a monster and the ship, painted by the main art's own painters.
Picture MakeThemeMock(const Picture& background);

// The picture shrunk by a whole factor, each pixel the mean of a factor x factor block.
Picture Shrink(const Picture& picture, int factor);
