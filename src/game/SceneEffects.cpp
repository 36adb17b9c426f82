// The background scenes behind the tiles: glows, streaks, drifting cells, plates, stars, clouds, rain, lightning.
#include "game/SceneEffects.h"

#include <cmath>
#include <cstring>
#include <map>

#include "base/AssetNames.h"
#include "game/ExtrasDraw.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "base/SceneTable.h"
#include "runtime/Loaders.h"

namespace {

constexpr float centreX = fieldLeft + fieldWidth / 2.0f;  // 448
constexpr float twoPi = 6.2831853f;

// The pictures before the scene's own (the theme's and the boss's) keep the numbers their code draws
// them by; the scene's pictures are numbered in their order from firstScenePicture.
int NumberOf(const std::string& name, int index, int sceneStart) {
  if (index >= sceneStart) return firstScenePicture + index - sceneStart;
  static const std::map<std::string, int> fixed = {
      {"gfx/taron/taronwin.png", taronWinFace},   {"gfx/taron/taronlost.png", taronLostFace},
      {"gfx/taron/taronmask.png", taronMask},     {"gfx/flare/2branches_64x64.png", taronShotPicture},
      {"gfx/goutte.png", rainDropSprite},         {"gfx/strike.tif", lightningSprite}};
  if (name.rfind("gfx/taron/taron0", 0) == 0) return taronFirstFace + (name[name.size() - 5] - '0');
  auto it = fixed.find(name);
  return it != fixed.end() ? it->second : firstScenePicture - 1 - index;
}

// A repeatable spread of numbers in 0..1, so the scenes never draw on the game's random numbers.
float Spread(int n) {
  uint32_t h = static_cast<uint32_t>(n) * 2654435761u;
  h ^= h >> 15;
  h *= 2246822519u;
  h ^= h >> 13;
  return (h & 0xFFFF) / 65535.0f;
}


int Pulse(float t, float period, int low, int high) {
  return low + static_cast<int>((high - low) * (0.5f + 0.5f * std::sin(t * twoPi / period)));
}

const ScenePack* currentScene = nullptr;
int S(int k) { return firstScenePicture + k; }

// Things that drift from one edge to the other and wrap, each on its own lane.
void Drift(int number, int frames, int count, float t, float speedX, float speedY, float size, int alpha, bool additive,
           int seed) {
  additive ? BlendAdditive() : BlendNormal();
  for (int i = 0; i < count; ++i) {
    float x0 = fieldLeft + Spread(seed + i) * fieldWidth;
    float y0 = fieldTop + Spread(seed + 100 + i) * fieldHeight;
    float speed = 0.6f + Spread(seed + 200 + i);
    float x = std::fmod(x0 + t * speedX * speed - fieldLeft + 10 * fieldWidth, fieldWidth + size) + fieldLeft - size / 2;
    float y = std::fmod(y0 + t * speedY * speed - fieldTop + 10 * fieldHeight, fieldHeight + size) + fieldTop - size / 2;
    x += 12 * std::sin(t / 40.0f + i);
    int picture = number + (frames > 1 ? (static_cast<int>(t / 4) + i) % frames : 0);
    float s = size * (0.6f + 0.6f * Spread(seed + 300 + i));
    DrawPictureCentred(picture, x, y, s, s, alpha, frames > 1 ? 0 : std::fmod(t * (i % 2 ? 1.5f : -1.0f) + i * 40, 360.0f));
  }
}

void Pulsar(float t) {
  BlendAdditive();
  DrawPictureCentred(S(3), centreX, 230, 360, 360, Pulse(t, 90, 60, 160));
  DrawPictureCentred(S(0), centreX, 230, 150, 150, Pulse(t, 45, 120, 255), std::fmod(t * 0.7f, 360.0f));
  DrawPictureCentred(S(1), centreX, 230, 700, 60, Pulse(t, 90, 40, 180));
  DrawPictureCentred(S(2), centreX, 230, 500, 24, Pulse(t + 20, 60, 30, 150), 90);
}

void Cells(float t) {
  BlendAdditive();
  DrawPictureCentred(S(16), centreX, 300, 420, 420, Pulse(t, 120, 50, 120));
  Drift(S(0), 16, 12, t, 0.1f, -0.5f, 56, 170, false, 11);
}

void SolarFlares(float t) {
  BlendAdditive();
  DrawPictureCentred(S(0), centreX, fieldTop + 20, 620, 320, Pulse(t, 150, 90, 190));
  DrawPictureCentred(S(1), centreX, fieldTop + 20, 460, 460, Pulse(t, 200, 20, 80), std::fmod(t * 0.2f, 360.0f));
  DrawPictureCentred(S(2), centreX, fieldTop + 60, 720, 40, Pulse(t, 70, 20, 120));
  Drift(S(3), 1, 10, t, 0.3f, 1.0f, 40, 200, true, 23);
}

void Plates(float t) {
  Drift(S(0), 16, 6, t, 0.2f, 0.4f, 110, 140, false, 31);
  BlendAdditive();
  float sweep = std::fmod(t * 2.0f, fieldHeight + 200.0f) + fieldTop - 100;
  DrawPictureCentred(S(16), centreX, sweep, 720, 50, 90);
}

void StarShower(float t) {
  Drift(S(0), 1, 10, t, 0.8f, 1.4f, 44, 220, false, 41);
  Drift(S(1), 1, 14, t, 0.5f, 1.0f, 30, 200, true, 43);
  BlendAdditive();
  DrawPictureCentred(S(2), centreX, 200, 500, 500, Pulse(t, 240, 10, 60), std::fmod(-t * 0.15f, 360.0f));
}

void ElevatorLights(float t) {
  BlendAdditive();
  for (int i = 0; i < 5; ++i) {
    float y = fieldBottom - std::fmod(t * 2.5f + i * 160.0f, fieldHeight + 100.0f);
    DrawPictureCentred(S(0), centreX, y, 140, 140, 150);
    DrawPictureCentred(S(2), centreX, y, 60, 60, 220, std::fmod(t * 3.0f, 360.0f));
  }
  DrawPictureCentred(S(1), centreX, 160, 720, 36, Pulse(t, 100, 30, 140));
}

void WaterSurface(float t) {
  BlendAdditive();
  float wobble = 12 * std::sin(t / 30.0f);
  DrawPictureCentred(S(0), centreX, fieldTop + 110, 740 + wobble, 240 - wobble, Pulse(t, 120, 70, 130));
  BlendNormal();
  Drift(S(1), 1, 18, t, 0.0f, 3.0f, 22, 160, false, 53);
}

void Psyche(float t) {
  BlendAdditive();
  DrawPictureCentred(S(0), centreX, 330, 560, 560, 80, std::fmod(t * 0.3f, 360.0f));
  DrawPictureCentred(S(1), centreX, 330, 520, 520, 70, std::fmod(-t * 0.4f, 360.0f));
  DrawPictureCentred(S(2), centreX, 330, 640, 640, Pulse(t, 300, 10, 50));
}

void Octopus(float t) {
  Drift(S(16), 16, 10, t, -0.2f, -0.4f, 48, 150, false, 61);
  BlendNormal();
  float x = fieldLeft + std::fmod(t * 0.6f, fieldWidth + 200.0f) - 100;
  float y = 330 + 60 * std::sin(t / 50.0f);
  DrawPictureCentred(S(static_cast<int>(t / 4) % 16), x, y, 150, 150, 200, 8 * std::sin(t / 25.0f));
}

void RedClouds(float t) {
  BlendAdditive();
  for (int i = 0; i < 3; ++i) {
    float x = fieldLeft + std::fmod(t * (0.3f + 0.15f * i) + i * 300.0f, fieldWidth + 400.0f) - 200;
    DrawPictureCentred(S(0), x, 140 + 170 * i, 460, 300, 70);
  }
  DrawPictureCentred(S(1), centreX, 330, 380, 380, Pulse(t, 160, 40, 110));
  Drift(S(2), 1, 8, t, 0.4f, -0.3f, 36, 180, true, 71);
}

void GlowWorms(float t) {
  BlendAdditive();
  for (int i = 0; i < 10; ++i) {
    float x = centreX + 300 * std::sin(t / (90.0f + 13 * i) + i * 1.7f);
    float y = 330 + 250 * std::sin(t / (70.0f + 11 * i) + i * 2.3f);
    DrawPictureCentred(S(0), x, y, 70, 70, Pulse(t + i * 30, 80, 60, 160));
    DrawPictureCentred(S(1), x, y, 26, 26, 220, std::fmod(t * 4.0f + i * 36, 360.0f));
  }
}

void Heartbeat(float t) {
  BlendAdditive();
  // Two beats close together, then a rest: lub-dub.
  float beat = std::fmod(t, 70.0f);
  int strength = beat < 8 ? 200 : (beat > 14 && beat < 22 ? 150 : 60);
  DrawPictureCentred(S(0), centreX, 300, 500 + strength / 2, 500 + strength / 2, strength);
  DrawPictureCentred(S(17), centreX, 300, 700, 500, 40);
  Drift(S(1), 16, 12, t, 1.0f, 0.2f, 40, 160, false, 81);
}

void Temple(float t) {
  BlendAdditive();
  for (int i = 0; i < 2; ++i) {
    float x = fieldLeft + std::fmod(t * (0.25f + 0.1f * i) + i * 360.0f, fieldWidth + 400.0f) - 200;
    DrawPictureCentred(S(1), x, 560 - 150 * i, 520, 300, 60);
  }
  DrawPictureCentred(S(2), centreX, 80, 720, 40, Pulse(t, 140, 20, 100));
}

void CloudFall(float t) {
  BlendAdditive();
  for (int i = 0; i < 4; ++i) {
    float y = fieldBottom + 150 - std::fmod(t * (2.0f + i * 0.5f) + i * 220.0f, fieldHeight + 300.0f);
    DrawPictureCentred(S(0), fieldLeft + Spread(90 + i) * fieldWidth, y, 420, 260, 60);
  }
  Drift(S(1), 1, 6, t, 0.0f, -6.0f, 300, 90, true, 91);
}

void ElevatorBars(float t) {
  BlendAdditive();
  for (int i = 0; i < 6; ++i) {
    float y = fieldBottom - std::fmod(t * 4.0f + i * 130.0f, fieldHeight + 60.0f);
    DrawPictureCentred(S(0), centreX, y, 600, 16, 150);
  }
  DrawPictureCentred(S(1), centreX, 200, 400, 400, Pulse(t, 120, 40, 110));
  DrawPictureCentred(S(2), centreX, 200, 720, 30, Pulse(t, 80, 20, 120));
}

void RainClouds(float t) {
  BlendAdditive();
  for (int i = 0; i < 3; ++i) {
    float x = fieldLeft + std::fmod(t * 0.4f + i * 280.0f, fieldWidth + 400.0f) - 200;
    DrawPictureCentred(S(0), x, fieldTop + 70, 460, 240, 70);
  }
  DrawPictureCentred(S(1), centreX, fieldBottom - 120, 740, 220, Pulse(t, 100, 30, 80));
}

void Rain(float t) {
  BlendNormal();
  for (int i = 0; i < 40; ++i) {
    float x = fieldLeft + Spread(500 + i) * fieldWidth + std::fmod(t * 1.5f, 40.0f);
    float y = std::fmod(Spread(600 + i) * fieldHeight + t * (9 + 4 * Spread(700 + i)), fieldHeight + 40.0f) + fieldTop - 20;
    DrawPictureCentred(rainDropSprite, x, y, 6, 24, 140, -8);
  }
}

void Lightning(float t) {
  int stroke = static_cast<int>(t) / 200;  // a stroke every 200 frames, somewhere new each time
  float age = std::fmod(t, 200.0f);
  if (age > 10) return;
  BlendAdditive();
  float x = fieldLeft + 80 + Spread(stroke) * (fieldWidth - 160);
  DrawPictureCentred(lightningSprite, x, fieldTop + 256, 128, 512, static_cast<int>(255 * (1.0f - age / 10.0f)));
}

using SceneDraw = void (*)(float);
const std::map<std::string, SceneDraw>& Scenes() {
  static const std::map<std::string, SceneDraw> scenes = {
      {"ScenePulsar", Pulsar},       {"SceneCells", Cells},           {"SceneSolarFlares", SolarFlares},
      {"ScenePlates", Plates},       {"SceneStarShower", StarShower}, {"SceneElevatorLights", ElevatorLights},
      {"SceneWaterSurface", WaterSurface}, {"ScenePsyche", Psyche},   {"SceneOctopus", Octopus},
      {"SceneRedClouds", RedClouds}, {"SceneGlowWorms", GlowWorms},   {"SceneHeartbeat", Heartbeat},
      {"SceneTemple", Temple},       {"SceneCloudFall", CloudFall},   {"SceneElevatorBars", ElevatorBars},
      {"SceneRainClouds", RainClouds}};
  return scenes;
}

}  // namespace

void LoadScenePictures(bool withEffects) {
  currentScene = FindScenePack(play.difficulty, play.levelIndex);
  if (currentScene == nullptr) return;
  int end = withEffects ? static_cast<int>(currentScene->entries.size()) : currentScene->sceneStart;
  for (int k = 0; k < end; ++k) {
    const std::string& name = currentScene->entries[k];
    LoadSceneSpriteQuad(NumberOf(name, k, currentScene->sceneStart), name);
  }
}

void DrawSceneEffects() {
  if (currentScene == nullptr) return;
  if (currentScene->difficulty != play.difficulty || currentScene->levelIndex != play.levelIndex) return;
  float t = static_cast<float>(play.frameTick);
  auto it = Scenes().find(currentScene->scene);
  if (it != Scenes().end()) it->second(t);
  if (HasQuad(rainDropSprite)) Rain(t);
  if (HasQuad(lightningSprite)) Lightning(t);
  BlendNormal();
}
