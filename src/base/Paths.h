// Paths as the game writes them ("packs\3d.zip") turned into the platform's own.
#pragma once

#include <string>

std::string NativePath(const std::string& path);  // "\" becomes "/"
