// The fonts as the drawing code needs them.
#pragma once

#include <SDL_ttf.h>

#include "media/Media.h"

namespace media {
TTF_Font* FontFor(int handle);  // -1 or a missing handle: the system font (may be null)
}
