// Paths as the game writes them turned into the platform's own.
#include "base/Paths.h"

std::string NativePath(const std::string& path) {
  std::string out = path;
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}
