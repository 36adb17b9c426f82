// The painters of the level backgrounds, one per theme, each returning a finished 740 x 748 picture.
#pragma once

#include "ImageWrite.h"

// Space (SpaceThemes.cpp).
Picture PaintBlackBackground();
Picture PaintFireGalaxyBackground();
Picture PaintSpaceBackground();
Picture PaintMilkyWayBackground();
Picture PaintSunBackground();
Picture PaintEarthBackground();
Picture PaintBonusBackground();

// Sky and sea (SkyThemes.cpp).
Picture PaintCloudsBackground();
Picture PaintBlueBackground();
Picture PaintSeaBackground();
Picture PaintWaterBackground();
Picture PaintSunsetBackground();
Picture PaintShoreBackground();
Picture PaintStormBackground();
Picture PaintAuroraBackground();

// Land (LandThemes.cpp, DeepThemes.cpp).
Picture PaintForestBackground();
Picture PaintTreesBackground();
Picture PaintRiverBackground();
Picture PaintYosemiteBackground();
Picture PaintSnowBackground();
Picture PaintValleyBackground();
Picture PaintRockBackground();
Picture PaintCaveBackground();
Picture PaintHeartBackground();
Picture PaintTempleBackground();
Picture PaintDeathBackground();
