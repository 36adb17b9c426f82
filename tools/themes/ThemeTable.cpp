// The level themes in the order the normal set meets them, then the themes only the hard set adds (none).
#include "themes/ThemeTable.h"

#include "themes/ThemePainters.h"

const std::vector<ThemeBackground>& ThemeBackgrounds() {
  static const std::vector<ThemeBackground> themes = {
      {"black", PaintBlackBackground},     {"fire_galaxy", PaintFireGalaxyBackground},
      {"space", PaintSpaceBackground},     {"milkyway", PaintMilkyWayBackground},
      {"sun", PaintSunBackground},         {"earth", PaintEarthBackground},
      {"clouds", PaintCloudsBackground},   {"blue", PaintBlueBackground},
      {"sea", PaintSeaBackground},         {"water", PaintWaterBackground},
      {"sunset", PaintSunsetBackground},   {"forest", PaintForestBackground},
      {"trees", PaintTreesBackground},     {"river", PaintRiverBackground},
      {"yosemite", PaintYosemiteBackground}, {"snow", PaintSnowBackground},
      {"rock", PaintRockBackground},       {"shore", PaintShoreBackground},
      {"storm", PaintStormBackground},     {"aurora", PaintAuroraBackground},
      {"cave", PaintCaveBackground},       {"heart", PaintHeartBackground},
      {"valley", PaintValleyBackground},   {"temple", PaintTempleBackground},
      {"death", PaintDeathBackground},     {"bonus", PaintBonusBackground},
  };
  return themes;
}

std::string ThemePackFile(const std::string& theme) { return theme + ".pak"; }

std::string ThemeEntryName(const std::string& theme) { return "gfx/background/" + theme + "/" + theme + ".jpg"; }
