// Paths of moving tiles in the level sources: named shapes that become each tile's loop of key points.
#pragma once

#include <string>
#include <vector>

#include "LevelModel.h"

// A parsed path statement: its shape word, numbers and turning sense.
struct PathPlan {
  std::string shape;            // keys, slide, rect, circle, ellipse, spin, swing
  std::vector<double> numbers;  // the shape's numbers as written (pixels, degrees, counts, seconds)
  bool counterClockwise = false;
};

// Parses the words of a path after its name ("slide 120 0 4"); false with a message when the
// shape is unknown, numbers are missing or the path would break the game's limits.
bool ParsePathPlan(const std::vector<std::string>& words, PathPlan& plan, std::string& error);

// The key points of a tile written at (x, y) following the path; the first is where the tile starts.
std::vector<KeyPoint> PathKeys(const PathPlan& plan, float x, float y);

// Reads a whole decimal number or a number with a fraction; false when the word is anything else.
bool ParseNumber(const std::string& word, double& value);
