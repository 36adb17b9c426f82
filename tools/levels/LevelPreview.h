// Level previews: one picture per level and a contact sheet per set, for the designers to look at.
#pragma once

#include <map>
#include <string>

#include "LevelModel.h"
#include "LevelSets.h"

// Draws the level at full size: tiles at their first key points, their paths, capsules and the field.
bool RenderLevelPreview(const Level& level, const std::string& pngPath);

// All levels of a set, small, in index order with their names.
bool RenderLevelSheet(const LevelSetInfo& set, const std::map<int, Level>& levels, const std::string& pngPath);

// Compiles both sets from `levelSourceDir` and writes <dir>/<set>/level<index>.png and <dir>/<set>-sheet.png.
bool BuildLevelPreviews(const std::string& levelSourceDir, const std::string& previewDir);
