// The level source compiler: turns one plain-text level into tiles, refusing what the game cannot play.
#pragma once

#include <string>

#include "LevelModel.h"

// Compiles `text` (read from `path`, which only names it in messages) into `level`.
// On failure returns false and sets `error` to "path:line: what is wrong".
bool CompileLevelSource(const std::string& text, const std::string& path, Level& level, std::string& error);

// Reads the file and compiles it.
bool CompileLevelFile(const std::string& path, Level& level, std::string& error);
