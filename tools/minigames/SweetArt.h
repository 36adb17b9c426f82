// Sugar's sweets, painted one by one.
#pragma once

#include "ImageWrite.h"

namespace minigames {

// The sweet of Sugar's sweet files by its place among them (0 the ring .. 24 the third lollipop), 48 x 48;
// an empty picture for any other index.
Picture PaintSweet(int index);

}  // namespace minigames
