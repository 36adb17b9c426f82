// The 3D renderer's world as its own files share it: the objects by number and the archives' entries.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "media/Engine3DMesh.h"

namespace engine3d {

struct Rgb {
  float r = 1, g = 1, b = 1;  // 0..1 each
};

inline Rgb RgbOf(int r, int g, int b) {
  auto unit = [](int c) { return static_cast<float>(c < 0 ? 0 : c > 255 ? 255 : c) / 255.0f; };
  return {unit(r), unit(g), unit(b)};
}

struct Layer {
  int texture = -1;      // texture number, -1 none
  int mode = 0;          // kBlend*: how the layer goes onto what is under it
  float degrees = 0;     // turn of the texture coordinates about the texture centre
  float scaleU = 1, scaleV = 1;
  float scrollU = 0, scrollV = 0;  // texture widths and heights, kept in 0..1
};

struct Material {
  Layer layers[2];
  bool hasLayer2 = false;
  Rgb ambient, diffuse;
  int blend = 0;    // kBlend*
  int shading = 1;  // kShadeFlat or kShadeSmooth
};

struct Entity {
  int mesh = 0, material = 0;
  Vec3 position;
  float rx = 0, ry = 0, rz = 0;  // degrees
  Vec3 scale{1, 1, 1};
  float animationTime = 0;       // seconds
  bool animating = false;
};

struct Camera {
  float xPercent = 0, yPercent = 0, wPercent = 100, hPercent = 100;  // of the media viewport
  Vec3 position;
  float rx = 0, ry = 0, rz = 0;  // degrees
};

struct Light {
  Rgb colour, specular;
  Vec3 position;
  float range = 0;  // units to half strength; 0 no fall-off
};

struct World {
  std::map<int, std::shared_ptr<MeshData>> meshes;
  std::map<int, int> textures;  // texture number to its sprite
  std::map<int, Material> materials;
  std::map<int, Entity> entities;
  std::map<int, Camera> cameras;
  std::map<int, Light> lights;
  Rgb ambient{64 / 255.0f, 64 / 255.0f, 64 / 255.0f};
  int renderedTriangles = 0;
  double drawMilliseconds = 0;  // spent in the media layer's triangle drawing by the last RenderWorld
};

World& TheWorld();

// The archives' entries: true with the bytes of `name` (separators and case as the game writes them).
bool ReadArchiveEntry(const std::string& name, std::vector<uint8_t>& bytes);
void CloseArchives();

}  // namespace engine3d
