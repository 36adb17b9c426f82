// Tests of the theme and scene tables against the level setup's own tables: every theme has a background,
// every scene pack holds only known pictures, in the order the setup loads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/SceneTable.h"
#include "themes/ThemeTable.h"

namespace {

// The backgrounds the level setup asks for, written out again from its tables.
std::set<std::string> ThemesOfTheTables() {
  std::set<std::string> themes = {"black", "fire_galaxy", "space", "milkyway", "sun", "earth", "clouds",
                                  "blue",  "sea",         "water", "sunset",   "forest", "trees", "river",
                                  "yosemite", "snow",     "rock",  "shore",    "storm", "aurora", "cave",
                                  "heart", "valley",      "temple", "death",   "bonus"};
  // The hard set reuses normal themes only.
  for (const char* hard : {"clouds", "black", "blue", "sea", "water", "forest", "cave", "storm", "heart", "valley",
                           "temple", "death", "bonus"})
    themes.insert(hard);
  return themes;
}

const ScenePack* Find(int difficulty, int level) {
  for (const ScenePack& pack : ScenePackTable())
    if (pack.difficulty == difficulty && pack.levelIndex == level) return &pack;
  return nullptr;
}

bool IsFrame(const std::string& name, const std::string& stem, int frames) {
  for (int i = 0; i < frames; ++i)
    if (name == FrameName(stem, i, ".png")) return true;
  return false;
}

// The effect pictures the scenes are made of; the last two only in the hard set.
bool IsSceneIngredient(const std::string& name, bool hard) {
  static const std::set<std::string> fixed = {
      "gfx/flare/starFF0000_128x128.png", "gfx/flare/anamorphicstreaks3.png", "gfx/flare/anamorphicstreaks.png",
      "gfx/flare/2branches_64x64.png",    "gfx/flare/centralrainbow.png",     "gfx/flare/centralglowFF0000.png",
      "gfx/flare/centralglowFF0000_3.png", "gfx/flare/centralglow0000FF_3.png", "gfx/background/water/water.png",
      "gfx/goutte.png",                   "gfx/cloudff0000wa.jpg",            "gfx/mariostar.png",
      "gfx/background/psyche/psyche1.png", "gfx/background/psyche/psyche2.png"};
  if (fixed.count(name)) return true;
  if (hard && (name == "gfx/cloudwa.jpg" || name == "gfx/flare/barre.png")) return true;
  return IsFrame(name, "gfx/plaque/plaque_128x128_", kPlaqueFrames) ||
         IsFrame(name, "gfx/poulpe/poulpe", kPoulpeFrames) || IsFrame(name, "gfx/globule/globule", kGlobuleFrames);
}

const std::vector<std::string> kTaron = {
    "gfx/taron/taron0000.png", "gfx/taron/taron0001.png", "gfx/taron/taron0002.png", "gfx/taron/taron0003.png",
    "gfx/taron/taron0004.png", "gfx/taron/taron0005.png", "gfx/taron/taron0006.png", "gfx/taron/taron0007.png",
    "gfx/taron/taronwin.png",  "gfx/taron/taronlost.png", "gfx/flare/2branches_64x64.png", "gfx/taron/taronmask.png"};

}  // namespace

TEST(ThemeTables, EveryThemeOfTheLevelTablesHasOneBackgroundAndNoOther) {
  std::set<std::string> painted;
  for (const ThemeBackground& theme : ThemeBackgrounds()) {
    EXPECT_TRUE(painted.insert(theme.theme).second) << theme.theme << " twice";
    EXPECT_TRUE(theme.paint) << theme.theme;
  }
  EXPECT_EQ(painted, ThemesOfTheTables());
  EXPECT_EQ(ThemePackFile("water"), "water.pak");
  EXPECT_EQ(ThemeEntryName("fire_galaxy"), "gfx/background/fire_galaxy/fire_galaxy.jpg");
}

TEST(ThemeTables, ScenePacksAreNamedByTheLevelIndexInFourDigits) {
  EXPECT_EQ(ScenePackFile(0, 12), "normal/0012.pak");
  EXPECT_EQ(ScenePackFile(1, 5), "hard/0005.pak");
  EXPECT_EQ(ScenePackFile(0, 102), "normal/0102.pak");
  EXPECT_EQ(FrameName("gfx/poulpe/poulpe", 7, ".png"), "gfx/poulpe/poulpe0007.png");
}

TEST(ThemeTables, ThemePicturesComeFirstThenTaronThenTheScene) {
  // Rain on the sea levels and lightning on the storm levels are loaded whether effects are on or not.
  for (int level = 31; level <= 34; ++level) {
    const ScenePack* pack = Find(0, level);
    ASSERT_NE(pack, nullptr) << level;
    EXPECT_EQ(pack->entries, std::vector<std::string>{"gfx/goutte.png"}) << level;
  }
  for (int level = 76; level <= 79; ++level) {
    const ScenePack* pack = Find(0, level);
    ASSERT_NE(pack, nullptr) << level;
    EXPECT_EQ(pack->entries, std::vector<std::string>{"gfx/strike.tif"}) << level;
  }
  ASSERT_NE(Find(1, 10), nullptr);
  EXPECT_EQ(Find(1, 10)->entries.front(), "gfx/goutte.png");
  ASSERT_NE(Find(1, 30), nullptr);
  EXPECT_EQ(Find(1, 30)->entries.front(), "gfx/strike.tif");
  // The boss levels begin with Taron's twelve pictures in their order, then the temple's scene.
  for (const auto& [difficulty, level] : {std::pair{0, 99}, std::pair{1, 50}}) {
    const ScenePack* pack = Find(difficulty, level);
    ASSERT_NE(pack, nullptr);
    ASSERT_GT(pack->entries.size(), kTaron.size());
    EXPECT_TRUE(std::equal(kTaron.begin(), kTaron.end(), pack->entries.begin())) << difficulty;
  }
  // No other pack carries Taron, rain or lightning up front.
  for (const ScenePack& pack : ScenePackTable())
    for (size_t i = 0; i < pack.entries.size(); ++i) {
      const std::string& name = pack.entries[i];
      bool boss = (pack.difficulty == 0 && pack.levelIndex == 99) || (pack.difficulty == 1 && pack.levelIndex == 50);
      if (name.rfind("gfx/taron/", 0) == 0) {
        EXPECT_TRUE(boss) << name;
      }
      if (name == "gfx/strike.tif") {
        EXPECT_EQ(i, 0u) << pack.levelIndex;
      }
    }
}

TEST(ThemeTables, EveryLevelWithAnEffectSceneHasItsPackAndOnlyKnownPictures) {
  // The normal levels whose scenes are made of effect pictures.
  std::set<int> normalScenes = {10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 99, 102};
  for (int level : {16, 17, 18, 19, 86, 87, 88, 89, 91, 92, 93, 94}) normalScenes.insert(level);
  for (int level : normalScenes) {
    const ScenePack* pack = Find(0, level);
    ASSERT_NE(pack, nullptr) << "normal " << level;
    EXPECT_FALSE(pack->scene.empty()) << level;
  }
  // Levels 0 and 5 are built of meshes and textures from the 3D archive, nothing from a scene pack.
  EXPECT_EQ(Find(0, 0), nullptr);
  EXPECT_EQ(Find(0, 5), nullptr);
  int hardScenes = 0;
  for (int level = 0; level <= 33; ++level) hardScenes += Find(1, level) != nullptr;
  EXPECT_GE(hardScenes, 26) << "most hard levels up to 33 have a scene";
  EXPECT_NE(Find(1, 50), nullptr);
  EXPECT_NE(Find(1, 102), nullptr);

  std::set<std::pair<int, int>> seen;
  for (const ScenePack& pack : ScenePackTable()) {
    EXPECT_TRUE(seen.insert({pack.difficulty, pack.levelIndex}).second) << "two packs for " << pack.levelIndex;
    EXPECT_FALSE(pack.entries.empty());
    std::set<std::string> names;
    for (const std::string& name : pack.entries) {
      EXPECT_TRUE(names.insert(name).second) << name << " twice in " << pack.levelIndex;
      bool themePicture = name == "gfx/goutte.png" || name == "gfx/strike.tif";
      bool taron = std::find(kTaron.begin(), kTaron.end(), name) != kTaron.end();
      EXPECT_TRUE(themePicture || taron || IsSceneIngredient(name, pack.difficulty == 1))
          << name << " in " << ScenePackFile(pack.difficulty, pack.levelIndex);
      EXPECT_EQ(name.find('\\'), std::string::npos) << name;
    }
  }
}
