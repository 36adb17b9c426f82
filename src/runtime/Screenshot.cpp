// The player's screenshots (the S key): the whole screen saved under the first free number in screenshots/.
#include "runtime/Screenshot.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "base/Playfield.h"
#include "media/Media.h"

// The first free number names the picture: a screenshot never draws on the game's random numbers. A
// name is taken by anything standing there (a picture, a folder, a link even to nothing), so that no
// save replaces it; "" when every number is taken.
std::string FreeScreenshotPath() {
  constexpr int lastNumber = 99999;
  for (int n = 1; n <= lastNumber; ++n) {
    std::string path = "screenshots/screenshot" + std::to_string(n) + ".bmp";
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() == std::filesystem::file_type::not_found) return path;
  }
  return "";
}

void SaveScreenshot() {
  std::string path = FreeScreenshotPath();
  if (path.empty()) {
    std::fprintf(stderr, "No screenshot saved: every screenshot number is taken\n");
    return;
  }
  int sprite = CaptureScreenArea(-1, 0, 0, screenWidth, screenHeight);
  if (sprite == 0) return;
  if (!SaveSpriteBitmap(sprite, path)) std::fprintf(stderr, "Could not save %s: %s\n", path.c_str(), LastMediaError().c_str());
  ReleaseSprite(sprite);
}
