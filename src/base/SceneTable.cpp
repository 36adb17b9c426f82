// The scene pack table, shared by the game and the pack builder: which pictures each level's setup loads
// from its scene pack, in load order.
//
// The level setup reads its scene pack in this order:
//   - the picture the theme itself needs, effects on or off: "gfx/goutte.png" on the sea levels (rain),
//      "gfx/strike.tif" on the storm levels (lightning);
//   - on the boss level, Taron's pictures: "gfx/taron/taron0000.png" .. "taron0007.png" (his faces),
//      "gfx/taron/taronwin.png", "gfx/taron/taronlost.png", "gfx/flare/2branches_64x64.png" (the shot),
//      "gfx/taron/taronmask.png" (AssetNames.h numbers them);
//   - only with effects on: the pictures of the level's scene, listed per scene below.
// With effects off the setup stops after Taron's pictures and leaves the rest of the pack unread.
// Glows, flares, clouds and the psyche pictures are colour on black, drawn additively; the plates, the
// octopus, the cells, the star and the rain drop are pictures with alpha.
#include "base/SceneTable.h"

#include <cstdio>

std::string FrameName(const std::string& stem, int frame, const std::string& extension) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04d", frame);
  return stem + digits + extension;
}

std::string ScenePackFile(int difficulty, int levelIndex) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04d", levelIndex);
  return std::string(difficulty == 0 ? "normal/" : "hard/") + digits + ".pak";
}

namespace {

using Names = std::vector<std::string>;

Names Frames(const std::string& stem, int count) {
  Names names;
  for (int i = 0; i < count; ++i) names.push_back(FrameName(stem, i, ".png"));
  return names;
}

Names Join(std::initializer_list<Names> parts) {
  Names all;
  for (const Names& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The pictures a scene is made of.
const std::string kRedStar = "gfx/flare/starFF0000_128x128.png";
const std::string kStreaks3 = "gfx/flare/anamorphicstreaks3.png";
const std::string kStreaks = "gfx/flare/anamorphicstreaks.png";
const std::string kBranches = "gfx/flare/2branches_64x64.png";
const std::string kRainbow = "gfx/flare/centralrainbow.png";
const std::string kRedGlow = "gfx/flare/centralglowFF0000.png";
const std::string kRedGlow3 = "gfx/flare/centralglowFF0000_3.png";
const std::string kBlueGlow3 = "gfx/flare/centralglow0000FF_3.png";
const std::string kWater = "gfx/background/water/water.png";
const std::string kDrop = "gfx/goutte.png";
const std::string kRedCloud = "gfx/cloudff0000wa.jpg";
const std::string kWhiteCloud = "gfx/cloudwa.jpg";
const std::string kStar = "gfx/mariostar.png";
const std::string kPsyche1 = "gfx/background/psyche/psyche1.png";
const std::string kPsyche2 = "gfx/background/psyche/psyche2.png";
const std::string kBar = "gfx/flare/barre.png";
const std::string kStrike = "gfx/strike.tif";

Names PlateFrames() { return Frames("gfx/plaque/plaque_128x128_", kPlaqueFrames); }
Names OctopusFrames() { return Frames("gfx/poulpe/poulpe", kPoulpeFrames); }
Names CellFrames() { return Frames("gfx/globule/globule", kGlobuleFrames); }

Names TaronPictures() {
  Names names = Frames("gfx/taron/taron", 8);
  for (const char* name : {"gfx/taron/taronwin.png", "gfx/taron/taronlost.png", "gfx/flare/2branches_64x64.png",
                           "gfx/taron/taronmask.png"})
    names.push_back(name);
  return names;
}

// One scene procedure each: its name and the pictures it loads, in order.
struct Scene {
  const char* name;
  Names pictures;
};

// A pulsing red star with lens streaks crossing it.
Scene Pulsar() { return {"ScenePulsar", {kRedStar, kStreaks3, kStreaks, kRedGlow}}; }
// Translucent cells drifting and wobbling round a blue light.
Scene Cells() { return {"SceneCells", Join({CellFrames(), {kBlueGlow3}})}; }
// Flares licking off the sun: a breathing red glow, a rainbow halo, streaks, sparks.
Scene SolarFlares() { return {"SceneSolarFlares", {kRedGlow3, kRainbow, kStreaks, kBranches}}; }
// Metal plates tumbling past, lit by passing streaks.
Scene Plates() { return {"ScenePlates", Join({PlateFrames(), {kStreaks3}})}; }
// A shower of spinning stars with sparkles and a rainbow halo.
Scene StarShower() { return {"SceneStarShower", {kStar, kBranches, kRainbow}}; }
// Lights gliding up the space elevator's cable.
Scene ElevatorLights() { return {"SceneElevatorLights", {kBlueGlow3, kStreaks, kBranches}}; }
// Rippling light over the water and drops falling into it.
Scene WaterSurface() { return {"SceneWaterSurface", {kWater, kDrop}}; }
// Two psychedelic pictures turning against each other inside a rainbow.
Scene Psyche() { return {"ScenePsyche", {kPsyche1, kPsyche2, kRainbow}}; }
// An octopus swimming among the cells of the sea of life.
Scene Octopus() { return {"SceneOctopus", Join({OctopusFrames(), CellFrames()})}; }
// Red clouds rolling past with a glowing heart and sparks.
Scene RedClouds() { return {"SceneRedClouds", {kRedCloud, kRedGlow3, kBranches}}; }
// Glow-worms drifting in the dark of the cave.
Scene GlowWorms() { return {"SceneGlowWorms", {kBlueGlow3, kBranches}}; }
// The deep heart beating: a pulsing glow, blood cells, clouds of red.
Scene Heartbeat() { return {"SceneHeartbeat", Join({{kRedGlow3}, CellFrames(), {kRedCloud}})}; }
// Taron's temple: the eye glows, red smoke and a streak when he fires.
Scene Temple() { return {"SceneTemple", {kRedGlow, kRedCloud, kStreaks3}}; }
// Falling through white clouds with bars of light rushing past (hard set).
Scene CloudFall() { return {"SceneCloudFall", {kWhiteCloud, kBar}}; }
// Bars of light climbing the elevator with a blue glow (hard set).
Scene ElevatorBars() { return {"SceneElevatorBars", {kBar, kBlueGlow3, kStreaks}}; }
// Rain clouds over rippling water (hard set).
Scene RainClouds() { return {"SceneRainClouds", {kWhiteCloud, kWater}}; }

ScenePack Pack(int difficulty, int level, const Names& before, const Scene& scene) {
  return {difficulty, level, scene.name, Join({before, scene.pictures}), static_cast<int>(before.size())};
}

ScenePack PackWithoutScene(int difficulty, int level, const Names& before) {
  return {difficulty, level, "", before, static_cast<int>(before.size())};
}

std::vector<ScenePack> MakeTable() {
  std::vector<ScenePack> table;
  auto normal = [&](int level, const Scene& scene, const Names& before = {}) {
    table.push_back(Pack(0, level, before, scene));
  };
  // Normal set. Levels 0 and 5 have 3D scenes of meshes and textures only: no scene pack.
  normal(10, Pulsar());
  normal(15, Cells());
  for (int level = 16; level <= 19; ++level) normal(level, SolarFlares());  // "sun"
  normal(20, Plates());
  normal(25, StarShower());
  normal(30, ElevatorLights());  // "blue"
  for (int level = 31; level <= 34; ++level) table.push_back(PackWithoutScene(0, level, {kDrop}));  // "sea": rain
  normal(35, WaterSurface());  // "water"
  normal(40, Psyche());
  normal(45, Octopus());
  normal(50, Pulsar());
  normal(55, RedClouds());
  normal(60, Plates());
  normal(65, Cells());
  normal(70, Psyche());
  normal(75, Octopus());  // "LIFE"
  for (int level = 76; level <= 79; ++level) table.push_back(PackWithoutScene(0, level, {kStrike}));  // "storm"
  normal(80, StarShower());
  normal(85, RedClouds());
  for (int level = 86; level <= 89; ++level) normal(level, GlowWorms());  // "cave"
  normal(90, Psyche());
  for (int level = 91; level <= 94; ++level) normal(level, Heartbeat());  // "heart"
  normal(95, Pulsar());
  normal(99, Temple(), TaronPictures());  // the boss
  normal(102, StarShower());              // "bonus"

  // Hard set: most levels up to 33 have a scene; 5, 12, 19 and 26 are quiet ones (background only).
  auto hard = [&](int level, const Scene& scene, const Names& before = {}) {
    table.push_back(Pack(1, level, before, scene));
  };
  hard(0, CloudFall());  // "clouds"
  hard(1, Pulsar());
  hard(2, Psyche());
  hard(3, Cells());
  hard(4, Plates());
  hard(6, StarShower());
  hard(7, RedClouds());
  hard(8, Octopus());
  hard(9, ElevatorBars());          // "blue"
  hard(10, RainClouds(), {kDrop});  // "sea": rain, then the scene
  hard(11, SolarFlares());
  hard(13, GlowWorms());
  hard(14, Pulsar());
  hard(15, WaterSurface());  // "water"
  hard(16, Psyche());
  hard(17, Plates());
  hard(18, CloudFall());
  hard(20, Psyche());  // "forest", "UNREAL"
  hard(21, Cells());
  hard(22, GlowWorms());  // "cave"
  hard(23, StarShower());
  hard(24, RedClouds());
  hard(25, Octopus());
  hard(27, Heartbeat());
  hard(28, Pulsar());
  hard(29, CloudFall());
  hard(30, CloudFall(), {kStrike});  // "storm": lightning, then the scene
  hard(31, SolarFlares());
  hard(32, Plates());
  hard(33, Heartbeat());                // "heart"
  hard(50, Temple(), TaronPictures());  // the boss
  hard(102, StarShower());              // "bonus"
  return table;
}

}  // namespace

const std::vector<ScenePack>& ScenePackTable() {
  static const std::vector<ScenePack> table = MakeTable();
  return table;
}

const ScenePack* FindScenePack(int difficulty, int levelIndex) {
  for (const ScenePack& pack : ScenePackTable()) {
    if (pack.difficulty == difficulty && pack.levelIndex == levelIndex) return &pack;
  }
  return nullptr;
}
