// A mock play screen composed from the painted sprites, placed where the game draws them (a review aid).
#pragma once

#include <map>

#include "ImageWrite.h"

// `sprites` maps sprite numbers to pictures; missing ones are left out. Returns a 1024 x 768 picture.
Picture MakePlayMock(const std::map<int, const Picture*>& sprites);
