// Which breakable tiles of a level a ball can reach from the ship through the gaps between the other tiles.
#pragma once

#include <vector>

#include "LevelModel.h"

// The smallest ball the game makes (the microball), radius in pixels.
constexpr int smallestBallRadius = 4;

// The breakable tiles (indices into level.tiles) that a ball of `radius` cannot reach from the ship's
// line. Breakable tiles count as open, since the ball breaks its way through; unbreakable tiles and
// teleporters block, a moving one only where it stands at every point of its path. A ball that reaches
// a teleporter may come out above any other.
std::vector<int> UnreachableTiles(const Level& level, int radius = smallestBallRadius);
