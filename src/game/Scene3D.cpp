// The 3D level scenes: a sea of fire flowing towards the player under a glowing horizon, and a pulsing star.
#include "game/Scene3D.h"

#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "media/Engine3D.h"
#include "game/PlayState.h"
#include "runtime/Loaders.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr int kMesh = 1, kFire = 1, kGradient = 2, kEntity = 1, kCamera = 1;
constexpr int kFirstMaterial = 4;
constexpr int kHeatShades = 5;  // the sea's materials 4..8, from deep red to yellow heat
constexpr float kTwoPi = 6.2831853f;
constexpr float kSeaScale = 40;  // the 200-unit plane made 8000 units square

enum class Scene { none, fireSea, pulsar };

struct Built {
  Scene scene = Scene::none;
  int levelIndex = -1;  // the level the objects were made for
  std::map<std::pair<int, int>, std::pair<float, float>> scrolled;  // (material, layer) to the offsets applied
};
Built built;

// Registers what was made; what could not be made ends the program, as a missing picture does.
void Made(bool ok, const std::string& word, int number, int kind) {
  if (!ok) Alert(word + std::to_string(number) + " creation problem: " + LastMediaError());
  RegisterResource(kind, number);
}

// Scrolls a layer to offsets given by the frame count, whatever was applied before.
void ScrollTo(int material, int layer, float u, float v) {
  auto& applied = built.scrolled[{material, layer}];
  u -= std::floor(u);
  v -= std::floor(v);
  ScrollMaterial2(material, layer, u - applied.first, v - applied.second);
  applied = {u, v};
}

void MakeLight(int number, int r, int g, int b, float range) {
  Made(CreateLight(number, r, g, b), "Light", number, resourceLight);
  LightRange(number, range);
}

void MakeCamera() {
  Made(CreateCamera(kCamera, 0, 0, 100, 100), "Camera", kCamera, resourceCamera);
}

// The sea at `scale` times the 200-unit plane, its near edge always just behind the camera so that the bottom
// of the field stays covered however the sea breathes.
void PlaceSea(float scale) {
  ResizeEntity(kEntity, scale, 1, scale);
  EntityLocate(kEntity, 0, 0, 100 - 100 * scale);
}

// The plane is 8000 units square from just in front of the camera almost to the horizon. Its texture
// coordinates repeat four times across: the fire repeats 32 times, the gradient spans the plane once with its
// bright middle on the far edge, so the sea is dim at the bottom of the field and glows towards the horizon.
void BuildFireSea() {
  LoadSceneMesh(kMesh, "plan.mesh");
  LoadSceneTexture(kFire, "fire_texture.png");
  LoadSceneTexture(kGradient, "degrade_hemispherique.png");
  for (int shade = 0; shade < kHeatShades; ++shade) {
    int m = kFirstMaterial + shade;
    Made(CreateMaterial(m, kFire), "Material ", m, resourceMaterial);
    AddMaterialLayer2(m, kGradient, kBlendModulate);
    ScaleMaterial2(m, 1, 8, 8);
    ScaleMaterial2(m, 2, 0.09f, 0.09f);
    ScrollMaterial2(m, 2, -0.135f, 0.315f);
    float heat = static_cast<float>(shade) / (kHeatShades - 1);
    MaterialAmbientColor(m, 255, static_cast<int>(110 + 50 * heat), static_cast<int>(60 + 40 * heat));
    MaterialDiffuseColor(m, 255, static_cast<int>(160 + 70 * heat), static_cast<int>(100 + 60 * heat));
  }
  Made(CreateEntity(kEntity, kMesh, kFirstMaterial), "Entity ", kEntity, resourceEntity);
  PlaceSea(kSeaScale);
  MakeLight(1, 255, 210, 130, 5000);  // the glow beyond the horizon
  LightLocate(1, 0, 900, -9000);
  MakeLight(2, 255, 90, 30, 420);     // two fires wandering over the sea
  MakeLight(3, 255, 150, 50, 600);
  MakeCamera();
  CameraLocate(kCamera, 0, 100, 0);
  RotateCamera(kCamera, -15, 0, 0, 0);
  AmbientColor(205, 150, 105);
}

void AnimateFireSea(float t) {
  for (int shade = 0; shade < kHeatShades; ++shade) {
    // Every shade flows alike, so changing shades never makes the flames jump.
    ScrollTo(kFirstMaterial + shade, 1, 0.02f * std::sin(t / 240.0f), -t * 0.0035f);
  }
  // The heat rises and falls slowly, with a faster flicker on top.
  float heat = 2.0f + 1.5f * std::sin(t * kTwoPi / 420.0f) + 0.7f * std::sin(t * kTwoPi / 47.0f);
  int shade = static_cast<int>(std::lround(std::fmax(0.0f, std::fmin(kHeatShades - 1.0f, heat))));
  EntityMaterial(kEntity, kFirstMaterial + shade);
  float a = t * kTwoPi / 600.0f;
  LightLocate(2, 420 * std::cos(a), 50, -650 + 260 * std::sin(a));
  LightLocate(3, -620 * std::cos(a * 0.7f), 90, -1300 - 420 * std::sin(a * 0.7f));
  float sway = std::sin(t * kTwoPi / 900.0f);
  RotateEntity(kEntity, 0, 2.5f * sway, 0, 0);
  PlaceSea(kSeaScale * (1 + 0.03f * std::sin(t * kTwoPi / 700.0f)));
}

// The star: a fire sphere turning on a tilted axis, its two layers of flames flowing against each other.
void BuildPulsar() {
  LoadSceneMesh(kMesh, "sphere.mesh");
  LoadSceneTexture(kFire, "fire_texture.png");
  int m = kFirstMaterial;
  Made(CreateMaterial(m, kFire), "Material ", m, resourceMaterial);
  AddMaterialLayer2(m, kFire, kBlendModulate);  // dark veins where both layers are dark
  // Whole repeats round the sphere keep its seam invisible.
  ScaleMaterial2(m, 1, 3, 2);
  ScaleMaterial2(m, 2, 2, 1.5f);
  MaterialAmbientColor(m, 230, 120, 70);
  MaterialDiffuseColor(m, 255, 170, 110);
  Made(CreateEntity(kEntity, kMesh, m), "Entity ", kEntity, resourceEntity);
  EntityLocate(kEntity, 0, 50, -720);
  MakeLight(1, 255, 60, 20, 0);
  MakeLight(2, 255, 150, 40, 0);
  MakeLight(3, 160, 170, 255, 0);
  LightSpecularColor(3, 200, 210, 255);
  MakeCamera();
  AmbientColor(110, 80, 60);
}

void AnimatePulsar(float t) {
  ScrollTo(kFirstMaterial, 1, t * 0.0005f, t * 0.0009f);
  ScrollTo(kFirstMaterial, 2, -t * 0.0008f, -t * 0.0013f);
  RotateEntity(kEntity, 18, t * 0.12f, 8, 0);
  float pulse = 1.25f + 0.07f * std::sin(t * kTwoPi / 96.0f) + 0.025f * std::sin(t * kTwoPi / 17.0f);
  ResizeEntity(kEntity, pulse, pulse, pulse);
  float a = t * kTwoPi / 480.0f;
  LightLocate(1, 320 * std::cos(a), 140 * std::sin(a * 0.5f), -720 + 320 * std::sin(a));
  LightLocate(2, -300 * std::cos(a * 1.3f), 200 * std::cos(a), -720 - 300 * std::sin(a * 1.3f));
  LightLocate(3, 260 * std::sin(a * 0.8f), 260 * std::cos(a * 0.8f), -420);
}

}  // namespace

bool HasScene3D(int difficulty, int levelIndex) {
  return difficulty == difficultyNormal && (levelIndex == 0 || levelIndex == 5);
}

void BuildScene3D() {
  built = Built{};
  if (!HasScene3D(play.difficulty, play.levelIndex)) return;
  if (play.levelIndex == 0) {
    BuildFireSea();
    built.scene = Scene::fireSea;
  } else {
    BuildPulsar();
    built.scene = Scene::pulsar;
  }
  built.levelIndex = play.levelIndex;
}

namespace {

// The objects made for this level are still there.
bool SceneStands() {
  return built.scene != Scene::none && play.levelIndex == built.levelIndex && play.difficulty == difficultyNormal &&
         IsEntity(kEntity);
}

}  // namespace

void StepScene3D() {
  if (SceneStands()) AdvanceWorldAnimation(1);
}

void DrawScene3D() {
  if (!settings.effectsEnabled || !SceneStands()) return;
  float t = static_cast<float>(play.frameTick);
  if (built.scene == Scene::fireSea) AnimateFireSea(t);
  else AnimatePulsar(t);
  RenderWorld();
}
