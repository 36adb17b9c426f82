// The player's screenshots: the whole screen as a BMP picture in screenshots/, never over an earlier one.
#pragma once

#include <string>

// The first free name "screenshots/screenshot<n>.bmp"; "" when every number is taken.
std::string FreeScreenshotPath();
void SaveScreenshot();
