// Contact sheets: every picture of a pack laid out with its number, so a person can judge the art at a glance.
#pragma once

#include <string>
#include <vector>

#include "ImageWrite.h"

struct SheetItem {
  std::string label;  // shown under the picture (the picture number)
  Picture picture;
};

// The folder the builder writes contact sheets into; empty (the default) writes none.
void SetContactSheetDirectory(const std::string& directory);
const std::string& ContactSheetDirectory();

// Lays the pictures out in rows on a checkerboard; `light` picks a light checkerboard instead of a dark one.
Picture MakeContactSheet(const std::vector<SheetItem>& items, bool light, int sheetWidth = 1400);

// Writes <dir>/<packName>.png (dark ground) and <dir>/<packName>_light.png; false after printing why.
bool WriteContactSheets(const std::string& directory, const std::string& packName,
                        const std::vector<SheetItem>& items);

// Writes a file under a temporary name and renames it into place.
bool WriteSheetFile(const std::string& path, const std::vector<uint8_t>& bytes);
