// The 3D renderer's objects by number: meshes, textures, materials, entities, cameras and lights.
#include <cmath>

#include "media/Engine3D.h"
#include "media/Engine3DInternal.h"
#include "media/Media.h"
#include "media/MediaInternal.h"

using engine3d::TheWorld;

namespace engine3d {

World& TheWorld() {
  static World world;
  return world;
}

}  // namespace engine3d

namespace {

constexpr int kMostTextures = 100000;  // texture numbers 0..99999 keep their sprites in the reserved range

template <typename T>
T* Find(std::map<int, T>& objects, int number) {
  auto it = objects.find(number);
  return it == objects.end() ? nullptr : &it->second;
}

engine3d::Layer* LayerOf(int material, int layer) {
  engine3d::Material* m = Find(TheWorld().materials, material);
  if (m == nullptr || (layer != 1 && layer != 2)) return nullptr;
  return &m->layers[layer - 1];
}

float Finite(float v) { return std::isfinite(v) ? v : 0.0f; }
float Wrapped(float v) { return std::isfinite(v) ? v - std::floor(v) : 0.0f; }

// "name.mesh" and the like are stored as "name.obj".
std::string ObjName(const std::string& name) {
  size_t dot = name.rfind('.');
  size_t slash = name.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return name + ".obj";
  return name.substr(0, dot) + ".obj";
}

}  // namespace

bool InitEngine3D() {
  ShutdownEngine3D();
  return true;
}

void ShutdownEngine3D() {
  engine3d::World& w = TheWorld();
  for (auto& [number, sprite] : w.textures) {
    (void)number;
    ReleaseSprite(sprite);
  }
  w = engine3d::World{};
  engine3d::CloseArchives();
}

bool LoadMesh(int number, const std::string& name) {
  std::vector<uint8_t> bytes;
  if (!engine3d::ReadArchiveEntry(name, bytes) && !engine3d::ReadArchiveEntry(ObjName(name), bytes)) {
    media::SetMediaError("the 3D archive holds neither " + name + " nor " + ObjName(name));
    return false;
  }
  auto mesh = std::make_shared<engine3d::MeshData>();
  if (!engine3d::ParseObj(std::string(bytes.begin(), bytes.end()), *mesh)) {
    media::SetMediaError(name + " is not a mesh the renderer can read");
    return false;
  }
  TheWorld().meshes[number] = std::move(mesh);
  return true;
}

int MeshID(int number) { return IsMesh(number) ? number : -1; }
void FreeMesh(int number) { TheWorld().meshes.erase(number); }
bool IsMesh(int number) { return TheWorld().meshes.count(number) != 0; }

int MeshFrameCount(int number) {
  auto it = TheWorld().meshes.find(number);
  return it == TheWorld().meshes.end() ? 0 : static_cast<int>(it->second->frames.size());
}

bool LoadTexture(int number, const std::string& name) {
  if (number < 0 || number >= kMostTextures) {
    media::SetMediaError("texture number " + std::to_string(number) + " is out of range");
    return false;
  }
  std::vector<uint8_t> bytes;
  if (!engine3d::ReadArchiveEntry(name, bytes)) {
    media::SetMediaError("the 3D archive holds no " + name);
    return false;
  }
  int sprite = kTextureSpriteBase + number;
  FreeTexture(number);
  if (!SpriteFromMemory(sprite, bytes.data(), bytes.size(), kSpriteQuadTexture | kSpriteKeepAlpha)) {
    media::SetMediaError(name + ": " + LastMediaError());
    return false;
  }
  TheWorld().textures[number] = sprite;
  return true;
}

int TextureID(int number) {
  auto it = TheWorld().textures.find(number);
  return it == TheWorld().textures.end() ? -1 : it->second;
}

void FreeTexture(int number) {
  auto it = TheWorld().textures.find(number);
  if (it == TheWorld().textures.end()) return;
  ReleaseSprite(it->second);
  TheWorld().textures.erase(it);
}

bool IsTexture(int number) { return TheWorld().textures.count(number) != 0; }

bool CreateMaterial(int number, int texture) {
  if (texture != -1 && !IsTexture(texture)) {
    media::SetMediaError("texture " + std::to_string(texture) + " was never loaded");
    return false;
  }
  engine3d::Material m;
  m.layers[0].texture = texture;
  TheWorld().materials[number] = m;
  return true;
}

bool AddMaterialLayer2(int material, int texture, int mode) {
  engine3d::Material* m = Find(TheWorld().materials, material);
  if (m == nullptr || !IsTexture(texture) || mode < kBlendOpaque || mode > kBlendModulate) return false;
  m->layers[1] = engine3d::Layer{};
  m->layers[1].texture = texture;
  m->layers[1].mode = mode;
  m->hasLayer2 = true;
  return true;
}

void MaterialAmbientColor(int material, int r, int g, int b) {
  if (auto* m = Find(TheWorld().materials, material)) m->ambient = engine3d::RgbOf(r, g, b);
}

void MaterialDiffuseColor(int material, int r, int g, int b) {
  if (auto* m = Find(TheWorld().materials, material)) m->diffuse = engine3d::RgbOf(r, g, b);
}

void MaterialBlendingMode(int material, int mode) {
  auto* m = Find(TheWorld().materials, material);
  if (m != nullptr && mode >= kBlendOpaque && mode <= kBlendModulate) m->blend = mode;
}

void MaterialShadingMode(int material, int mode) {
  if (auto* m = Find(TheWorld().materials, material)) m->shading = mode == kShadeFlat ? kShadeFlat : kShadeSmooth;
}

void RotateMaterial(int material, float degrees) { RotateMaterial2(material, 1, degrees); }

void RotateMaterial2(int material, int layer, float degrees) {
  if (auto* l = LayerOf(material, layer)) l->degrees = std::isfinite(degrees) ? std::fmod(degrees, 360.0f) : 0.0f;
}

void ScrollMaterial2(int material, int layer, float du, float dv) {
  // Kept within one repeat: the texture looks the same and the coordinates stay precise.
  if (auto* l = LayerOf(material, layer)) {
    l->scrollU = Wrapped(l->scrollU + Finite(du));
    l->scrollV = Wrapped(l->scrollV + Finite(dv));
  }
}

void ScaleMaterial2(int material, int layer, float su, float sv) {
  // Repeats are capped so that one triangle never splits into an absurd number of pieces.
  auto bounded = [](float s) { return std::isfinite(s) ? std::fmax(-64.0f, std::fmin(64.0f, s)) : 1.0f; };
  if (auto* l = LayerOf(material, layer)) {
    l->scaleU = bounded(su);
    l->scaleV = bounded(sv);
  }
}

int MaterialID(int number) { return IsMaterial(number) ? number : -1; }
void FreeMaterial(int number) { TheWorld().materials.erase(number); }
bool IsMaterial(int number) { return TheWorld().materials.count(number) != 0; }

bool CreateEntity(int number, int mesh, int material) {
  if (!IsMesh(mesh) || !IsMaterial(material)) {
    media::SetMediaError(!IsMesh(mesh) ? "mesh " + std::to_string(mesh) + " was never loaded"
                                       : "material " + std::to_string(material) + " was never made");
    return false;
  }
  engine3d::Entity e;
  e.mesh = mesh;
  e.material = material;
  TheWorld().entities[number] = e;
  return true;
}

bool EntityMaterial(int entity, int material) {
  auto* e = Find(TheWorld().entities, entity);
  if (e == nullptr || !IsMaterial(material)) return false;
  e->material = material;
  return true;
}

void EntityLocate(int entity, float x, float y, float z) {
  if (auto* e = Find(TheWorld().entities, entity)) e->position = {Finite(x), Finite(y), Finite(z)};
}

float EntityX(int entity) {
  auto* e = Find(TheWorld().entities, entity);
  return e ? e->position.x : 0.0f;
}

float EntityY(int entity) {
  auto* e = Find(TheWorld().entities, entity);
  return e ? e->position.y : 0.0f;
}

float EntityZ(int entity) {
  auto* e = Find(TheWorld().entities, entity);
  return e ? e->position.z : 0.0f;
}

namespace {

void Turn(float& ax, float& ay, float& az, float rx, float ry, float rz, int mode) {
  auto angle = [mode](float was, float given) {
    float v = (mode == 1 ? was : 0.0f) + Finite(given);
    return std::fmod(v, 360.0f);
  };
  ax = angle(ax, rx);
  ay = angle(ay, ry);
  az = angle(az, rz);
}

}  // namespace

void RotateEntity(int entity, float rx, float ry, float rz, int mode) {
  if (auto* e = Find(TheWorld().entities, entity)) Turn(e->rx, e->ry, e->rz, rx, ry, rz, mode);
}

void ResizeEntity(int entity, float sx, float sy, float sz) {
  if (auto* e = Find(TheWorld().entities, entity)) e->scale = {Finite(sx), Finite(sy), Finite(sz)};
}

void AnimateEntity(int entity, const std::string& name) {
  auto* e = Find(TheWorld().entities, entity);
  if (e == nullptr) return;
  if (name == "stop") {
    e->animating = false;
    return;
  }
  e->animating = true;
  e->animationTime = 0;
}

float GetEntityAnimationTime(int entity) {
  auto* e = Find(TheWorld().entities, entity);
  return e ? e->animationTime : 0.0f;
}

void FreeEntity(int entity) { TheWorld().entities.erase(entity); }
bool IsEntity(int entity) { return TheWorld().entities.count(entity) != 0; }

bool CreateCamera(int number, float xPercent, float yPercent, float wPercent, float hPercent) {
  auto percent = [](float p) { return std::isfinite(p) ? std::fmax(0.0f, std::fmin(100.0f, p)) : 0.0f; };
  engine3d::Camera c;
  c.xPercent = percent(xPercent);
  c.yPercent = percent(yPercent);
  c.wPercent = percent(wPercent);
  c.hPercent = percent(hPercent);
  if (c.wPercent <= 0 || c.hPercent <= 0) return false;
  TheWorld().cameras[number] = c;
  return true;
}

void CameraLocate(int camera, float x, float y, float z) {
  if (auto* c = Find(TheWorld().cameras, camera)) c->position = {Finite(x), Finite(y), Finite(z)};
}

void RotateCamera(int camera, float rx, float ry, float rz, int mode) {
  if (auto* c = Find(TheWorld().cameras, camera)) Turn(c->rx, c->ry, c->rz, rx, ry, rz, mode);
}

void FreeCamera(int camera) { TheWorld().cameras.erase(camera); }
bool IsCamera(int camera) { return TheWorld().cameras.count(camera) != 0; }

bool CreateLight(int number, int r, int g, int b) {
  engine3d::Light l;
  l.colour = engine3d::RgbOf(r, g, b);
  TheWorld().lights[number] = l;
  return true;
}

void LightLocate(int light, float x, float y, float z) {
  if (auto* l = Find(TheWorld().lights, light)) l->position = {Finite(x), Finite(y), Finite(z)};
}

void LightSpecularColor(int light, int r, int g, int b) {
  if (auto* l = Find(TheWorld().lights, light)) l->specular = engine3d::RgbOf(r, g, b);
}

void LightRange(int light, float range) {
  if (auto* l = Find(TheWorld().lights, light)) l->range = std::isfinite(range) && range > 0 ? range : 0.0f;
}

void FreeLight(int light) { TheWorld().lights.erase(light); }
bool IsLight(int light) { return TheWorld().lights.count(light) != 0; }

void AmbientColor(int r, int g, int b) { TheWorld().ambient = engine3d::RgbOf(r, g, b); }

int RenderedTriangleCount() { return TheWorld().renderedTriangles; }
double RenderWorldDrawMilliseconds() { return TheWorld().drawMilliseconds; }
