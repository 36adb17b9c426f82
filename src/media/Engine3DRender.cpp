// RenderWorld: entities transformed, lit per vertex, culled, clipped, projected, sorted back to front and drawn
// as batches of media-layer triangles.
#include <algorithm>
#include <chrono>
#include <cmath>

#include "media/Engine3D.h"
#include "media/Engine3DClip.h"
#include "media/Engine3DInternal.h"
#include "media/MediaInternal.h"
#include "media/TriangleFill.h"

namespace engine3d {

namespace {

constexpr float kNearZ = 1.0f;        // units in front of the camera
constexpr float kFarZ = 1000000.0f;   // units: farther triangles are not drawn
constexpr float kHalfFieldOfView = 22.5f * kRadiansPerDegree;  // vertical
constexpr float kGuardBand = 1024.0f;  // pixels round the viewport beyond which polygons are cut
// The highlight's sharpness: the cosine to the 24th power, by squarings (a library power per vertex and light
// cost more than the rest of the lighting).
inline float SpecularPower(float c) {
  float c2 = c * c, c4 = c2 * c2, c8 = c4 * c4;
  return c8 * c8 * c8;
}
constexpr float kSpecularStrength = 0.35f;
constexpr float kFrameSeconds = 1.0f / 60.0f;
constexpr int kMostSubdivisions = 6;  // halvings of one edge at the most

struct View {
  Mat3 rotation;      // the camera's; the view turns by its transpose
  Vec3 position;      // the camera's
  float focal = 1;    // pixels per unit at distance 1
  float centreX = 0, centreY = 0;
  SDL_Rect rect{};    // the camera's viewport
};

struct Triangle {
  float depth = 0;  // sum of the corners' view z: the most negative is the farthest
  int order = 0;    // creation order of the triangle in this camera's pass, to keep ties stable
  int entity = 0;
  const Material* material = nullptr;
  Corner3 corners[3];
};

struct Batch {
  int sprite = -2;  // -2: nothing gathered yet
  int source = 5, destination = 6;
  bool wrap = false;  // the texture repeats in the media layer: the triangles were not cut at the repeats
  int secondSprite = -1;  // a second layer multiplied over the first in the same pass (both repeating)
  std::vector<QuadVertex> vertices;
  std::vector<float> secondCoordinates;  // u, v of the second layer at each vertex
  std::vector<int> indices;
};

// What one RenderWorld reuses from the last, so that a frame allocates nothing once warm.
struct Scratch {
  std::vector<Vec3> positions, normals, worldPositions, worldNormals, viewPositions;
  std::vector<std::pair<float, int>> depths;  // (depth, creation order) of each triangle, sorted
  std::vector<Rgb> colours;
  std::vector<char> lit;  // whether the vertex's colour was worked out in this render
  std::vector<Triangle> triangles;
  std::vector<int> order;
  std::vector<Polygon> projected, pieces;
  Batch batch;
};

Scratch scratch;

void BlendFactors(int mode, int& source, int& destination) {
  switch (mode) {
    case kBlendAdditive: source = 5, destination = 2; break;
    case kBlendModulate: source = 1, destination = 3; break;
    default: source = 5, destination = 6; break;
  }
}

uint8_t Byte(float c) { return static_cast<uint8_t>(std::clamp(c, 0.0f, 1.0f) * 255.0f + 0.5f); }

// The world's lights in their order, gathered once a render instead of walked in their map at every vertex.
std::vector<const Light*>& LightsOf(const World& world) {
  static std::vector<const Light*> lights;
  lights.clear();
  for (const auto& [number, light] : world.lights) {
    (void)number;
    lights.push_back(&light);
  }
  return lights;
}

Rgb Lit(const World& world, const std::vector<const Light*>& lights, const Material& m, Vec3 p, Vec3 n, Vec3 eye) {
  Rgb c{world.ambient.r * m.ambient.r, world.ambient.g * m.ambient.g, world.ambient.b * m.ambient.b};
  Vec3 toEye = Normalised(eye - p);
  for (const Light* shining : lights) {
    const Light& light = *shining;
    Vec3 toLight = light.position - p;
    float distanceSquared = Dot(toLight, toLight);
    toLight = Normalised(toLight);
    float lambert = Dot(n, toLight);
    if (lambert <= 0) continue;
    float strength = light.range > 0 ? 1.0f / (1.0f + distanceSquared / (light.range * light.range)) : 1.0f;
    float diffuse = lambert * strength;
    float highlight = SpecularPower(std::max(0.0f, Dot(n, Normalised(toLight + toEye)))) *
                      kSpecularStrength * strength;
    c.r += light.colour.r * m.diffuse.r * diffuse + light.specular.r * highlight;
    c.g += light.colour.g * m.diffuse.g * diffuse + light.specular.g * highlight;
    c.b += light.colour.b * m.diffuse.b * diffuse + light.specular.b * highlight;
  }
  return c;
}

Corner3 Midway(const Corner3& a, const Corner3& b) {
  return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2, (a.r + b.r) / 2, (a.g + b.g) / 2,
          (a.b + b.b) / 2, (a.u + b.u) / 2, (a.v + b.v) / 2};
}

// Whether an edge recedes steeply enough over enough pixels to be halved. It depends on the edge alone, so the
// two triangles that share it always agree and no crack opens between them.
bool NeedsHalving(const Corner3& p, const Corner3& q, const View& view) {
  float nearest = std::max(kNearZ, std::min(-p.z, -q.z)), farthest = std::max(-p.z, -q.z);
  float pixels = (std::fabs(p.x - q.x) + std::fabs(p.y - q.y) + std::fabs(p.z - q.z)) * view.focal / nearest;
  return farthest > 1.3f * nearest && pixels > 40.0f;
}

// Adds a triangle to the list. The media layer maps textures linearly on the screen, which bends them on
// large triangles that recede steeply; their long receding edges are halved (in view space, where the
// mapping is exact) until they are short or level enough.
void Keep(Triangle& tri, const View& view, int level) {
  const Corner3* c = tri.corners;
  bool halve[3];
  int halved = 0;
  for (int i = 0; i < 3; ++i) {
    halve[i] = level < kMostSubdivisions && NeedsHalving(c[i], c[(i + 1) % 3], view);
    halved += halve[i] ? 1 : 0;
  }
  if (halved > 0) {
    Corner3 parts[4][3];
    int count = 0;
    if (halved == 3) {
      Corner3 ab = Midway(c[0], c[1]), bc = Midway(c[1], c[2]), ca = Midway(c[2], c[0]);
      Corner3 four[4][3] = {{c[0], ab, ca}, {ab, c[1], bc}, {ca, bc, c[2]}, {ab, bc, ca}};
      std::copy(&four[0][0], &four[0][0] + 12, &parts[0][0]);
      count = 4;
    } else if (halved == 1) {
      int i = halve[0] ? 0 : halve[1] ? 1 : 2;
      const Corner3 &a = c[i], &b = c[(i + 1) % 3], &o = c[(i + 2) % 3];
      Corner3 m = Midway(a, b);
      Corner3 two[2][3] = {{a, m, o}, {m, b, o}};
      std::copy(&two[0][0], &two[0][0] + 6, &parts[0][0]);
      count = 2;
    } else {
      int i = !halve[0] ? 0 : !halve[1] ? 1 : 2;  // the edge left whole runs from p to q
      const Corner3 &p = c[i], &q = c[(i + 1) % 3], &r = c[(i + 2) % 3];
      Corner3 qr = Midway(q, r), rp = Midway(r, p);
      Corner3 three[3][3] = {{rp, qr, r}, {p, q, qr}, {p, qr, rp}};
      std::copy(&three[0][0], &three[0][0] + 9, &parts[0][0]);
      count = 3;
    }
    for (int k = 0; k < count; ++k) {
      Triangle piece = tri;
      std::copy(parts[k], parts[k] + 3, piece.corners);
      Keep(piece, view, level + 1);
    }
    return;
  }
  tri.depth = c[0].z + c[1].z + c[2].z;
  if (!std::isfinite(tri.depth)) return;  // a scale that overflowed: nothing sensible to draw
  tri.order = static_cast<int>(scratch.triangles.size());
  scratch.triangles.push_back(tri);
}

// Puts the entity's triangles that face the camera into the scratch list.
void GatherEntity(const World& world, int number, const Entity& e, const View& view) {
  auto mesh = world.meshes.find(e.mesh);
  auto material = world.materials.find(e.material);
  if (mesh == world.meshes.end() || material == world.materials.end()) return;
  const MeshData& data = *mesh->second;
  const Material& m = material->second;
  Scratch& s = scratch;
  MorphFrame(data, e.animationTime, s.positions, s.normals);
  Mat3 turn = RotationOf(e.rx, e.ry, e.rz);
  auto inverse = [](float k) { return k != 0 ? 1.0f / k : 0.0f; };
  Vec3 normalScale{inverse(e.scale.x), inverse(e.scale.y), inverse(e.scale.z)};
  size_t count = s.positions.size();
  s.worldPositions.resize(count);
  s.worldNormals.resize(count);
  s.viewPositions.resize(count);
  s.colours.resize(count);
  const std::vector<const Light*>& lights = LightsOf(world);
  for (size_t i = 0; i < count; ++i) {
    Vec3 p = s.positions[i], n = s.normals[i];
    s.worldPositions[i] = turn * Vec3{p.x * e.scale.x, p.y * e.scale.y, p.z * e.scale.z} + e.position;
    s.worldNormals[i] = Normalised(turn * Vec3{n.x * normalScale.x, n.y * normalScale.y, n.z * normalScale.z});
    // Into the view once a vertex, not once for each triangle that shares it.
    s.viewPositions[i] = TransposeTimes(view.rotation, s.worldPositions[i] - view.position);
  }
  // Smooth shading lights a vertex when a triangle in view first needs it: most of a large plane lies outside.
  s.lit.assign(count, 0);
  auto colourOf = [&](int vertex) -> const Rgb& {
    if (!s.lit[vertex]) {
      s.colours[vertex] = Lit(world, lights, m, s.worldPositions[vertex], s.worldNormals[vertex], view.position);
      s.lit[vertex] = 1;
    }
    return s.colours[vertex];
  };
  bool cull = m.blend == kBlendOpaque;
  float tanX = std::tan(kHalfFieldOfView) * view.rect.w / std::max(1, view.rect.h), tanY = std::tan(kHalfFieldOfView);
  for (size_t t = 0; t + 2 < data.indices.size(); t += 3) {
    Triangle tri;
    Vec3 world3[3];
    bool behind = true, beyond = true, left = true, right = true, below = true, above = true;
    for (int k = 0; k < 3; ++k) {
      int vertex = data.indices[t + static_cast<size_t>(k)];
      world3[k] = s.worldPositions[vertex];
      Vec3 v = s.viewPositions[vertex];
      behind = behind && v.z > -kNearZ;
      beyond = beyond && v.z < -kFarZ;
      // Outside one side of the view pyramid (only meaningful in front of the camera).
      left = left && v.x < v.z * tanX;
      right = right && v.x > -v.z * tanX;
      below = below && v.y < v.z * tanY;
      above = above && v.y > -v.z * tanY;
      const TexCoord& uv = data.texCoords[vertex];
      tri.corners[k] = {v.x, v.y, v.z, 0, 0, 0, uv.u, uv.v};
    }
    if (behind || beyond || left || right || below || above) continue;
    if (m.shading == kShadeSmooth) {
      for (int k = 0; k < 3; ++k) {
        const Rgb& lit = colourOf(data.indices[t + static_cast<size_t>(k)]);
        tri.corners[k].r = lit.r, tri.corners[k].g = lit.g, tri.corners[k].b = lit.b;
      }
    }
    Corner3* c = tri.corners;
    Vec3 a{c[0].x, c[0].y, c[0].z}, b{c[1].x, c[1].y, c[1].z}, d{c[2].x, c[2].y, c[2].z};
    if (cull && Dot(Cross(b - a, d - a), a) >= 0) continue;  // the camera is at the view's origin
    if (m.shading == kShadeFlat) {
      Vec3 centre = (world3[0] + world3[1] + world3[2]) * (1.0f / 3.0f);
      Vec3 face = Normalised(Cross(world3[1] - world3[0], world3[2] - world3[0]));
      Rgb lit = Lit(world, lights, m, centre, face, view.position);
      for (Corner3& corner : tri.corners) corner.r = lit.r, corner.g = lit.g, corner.b = lit.b;
    }
    tri.entity = number;
    tri.material = &m;
    Keep(tri, view, 0);
  }
}

// A two-layer batch the media layer could not draw in one pass: the first layer, then the second multiplied
// over it (white, as a modulating layer is drawn).
void DrawLayersApart(const Batch& batch) {
  int vertexCount = static_cast<int>(batch.vertices.size()), indexCount = static_cast<int>(batch.indices.size());
  DrawTriangles(batch.sprite, batch.vertices.data(), vertexCount, batch.indices.data(), indexCount);
  std::vector<QuadVertex> second = batch.vertices;
  for (size_t i = 0; i < second.size(); ++i) {
    second[i].r = second[i].g = second[i].b = second[i].a = 255;
    second[i].u = batch.secondCoordinates[2 * i];
    second[i].v = batch.secondCoordinates[2 * i + 1];
  }
  int source = 5, destination = 6;
  BlendFactors(kBlendModulate, source, destination);
  QuadBlendMode(source, destination);
  DrawTriangles(batch.secondSprite, second.data(), vertexCount, batch.indices.data(), indexCount);
  QuadBlendMode(batch.source, batch.destination);
}

void Flush(Batch& batch) {
  if (!batch.indices.empty()) {
    QuadBlendMode(batch.source, batch.destination);
    auto before = std::chrono::steady_clock::now();
    int vertexCount = static_cast<int>(batch.vertices.size()), indexCount = static_cast<int>(batch.indices.size());
    if (batch.secondSprite >= 0) {
      if (!media::DrawWrappedTwoLayerTriangles(batch.sprite, batch.secondSprite, batch.vertices.data(), vertexCount,
                                               batch.secondCoordinates.data(), batch.indices.data(), indexCount)) {
        DrawLayersApart(batch);
      }
    } else if (!batch.wrap || !media::DrawWrappedTriangles(batch.sprite, batch.vertices.data(), vertexCount,
                                                           batch.indices.data(), indexCount)) {
      DrawTriangles(batch.sprite, batch.vertices.data(), vertexCount, batch.indices.data(), indexCount);
    }
    TheWorld().drawMilliseconds +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count();
    TheWorld().renderedTriangles += static_cast<int>(batch.indices.size() / 3);
  }
  batch.vertices.clear();
  batch.secondCoordinates.clear();
  batch.indices.clear();
  batch.sprite = -2;
  batch.secondSprite = -1;
}

// The triangle near-clipped, projected and kept within the guard band; count 0 when nothing shows.
void Project(const Triangle& tri, const View& view, Polygon& out) {
  Polygon in, clipped;
  in.count = 3;
  for (int k = 0; k < 3; ++k) in.corners[k] = tri.corners[k];
  ClipNear(in, kNearZ, clipped);
  float minX = 1e30f, minY = 1e30f, maxX = -1e30f, maxY = -1e30f;
  for (int i = 0; i < clipped.count; ++i) {
    Corner3& c = clipped.corners[i];
    float w = view.focal / -c.z;
    c.x = view.centreX + c.x * w;
    c.y = view.centreY - c.y * w;
    minX = std::min(minX, c.x), maxX = std::max(maxX, c.x);
    minY = std::min(minY, c.y), maxY = std::max(maxY, c.y);
  }
  out.count = 0;
  const SDL_Rect& r = view.rect;
  if (clipped.count == 0 || maxX < r.x || maxY < r.y || minX > r.x + r.w || minY > r.y + r.h) return;
  if (minX < r.x - kGuardBand || minY < r.y - kGuardBand || maxX > r.x + r.w + kGuardBand ||
      maxY > r.y + r.h + kGuardBand) {
    ClipRect(clipped, r.x - kGuardBand, r.y - kGuardBand, r.x + r.w + kGuardBand, r.y + r.h + kGuardBand, out);
  } else {
    std::copy(clipped.corners.begin(), clipped.corners.begin() + clipped.count, out.corners.begin());
    out.count = clipped.count;
  }
}

// The layer's texture coordinates of the polygon's corners: scaled and turned about the texture centre, then
// scrolled.
void TransformCoordinates(const Layer& layer, const Polygon& p, float* u, float* v) {
  float c = std::cos(layer.degrees * kRadiansPerDegree), s = std::sin(layer.degrees * kRadiansPerDegree);
  for (int i = 0; i < p.count; ++i) {
    const Corner3& k = p.corners[i];
    float tu = (k.u - 0.5f) * layer.scaleU, tv = (k.v - 0.5f) * layer.scaleV;
    u[i] = c * tu - s * tv + 0.5f + layer.scrollU;
    v[i] = s * tu + c * tv + 0.5f + layer.scrollV;
  }
}

void TransformCoordinates(const Layer& layer, Polygon& p) {
  float u[16], v[16];
  TransformCoordinates(layer, p, u, v);
  for (int i = 0; i < p.count; ++i) p.corners[i].u = u[i], p.corners[i].v = v[i];
}

// The polygon's corners as vertices of the batch, with texture coordinates `u`, `v`, and the fan of its
// triangles.
void AddFan(Batch& batch, const Polygon& p, const float* u, const float* v, bool white) {
  int first = static_cast<int>(batch.vertices.size());
  for (int i = 0; i < p.count; ++i) {
    const Corner3& c = p.corners[i];
    QuadVertex vertex{c.x, c.y, 255, 255, 255, 255, u[i], v[i]};
    if (!white) vertex.r = Byte(c.r), vertex.g = Byte(c.g), vertex.b = Byte(c.b);
    batch.vertices.push_back(vertex);
  }
  for (int i = 1; i + 1 < p.count; ++i) {
    batch.indices.push_back(first);
    batch.indices.push_back(first + i);
    batch.indices.push_back(first + i + 1);
  }
}

// Adds one layer of a projected polygon to the batch, cut at the texture's repeats unless the media layer
// repeats the texture itself (`wrap`).
// The batch gathers triangles drawn alike: a change of picture, blend, repeating or second layer first draws
// what it holds.
Batch& BatchFor(int sprite, int mode, bool wrap, int secondSprite) {
  Batch& batch = scratch.batch;
  int source = 5, destination = 6;
  BlendFactors(mode, source, destination);
  if (batch.sprite != sprite || batch.source != source || batch.destination != destination || batch.wrap != wrap ||
      batch.secondSprite != secondSprite) {
    Flush(batch);
    batch.sprite = sprite;
    batch.source = source;
    batch.destination = destination;
    batch.wrap = wrap;
    batch.secondSprite = secondSprite;
  }
  return batch;
}

void AddLayer(const Polygon& polygon, const Layer& layer, int sprite, int mode, bool white, bool wrap) {
  Scratch& s = scratch;
  Batch& batch = BatchFor(sprite, mode, wrap, -1);
  if (sprite >= 0 && wrap) {
    // Whole: only its coordinates are moved near the first repeat.
    float u[16], v[16];
    TransformCoordinates(layer, polygon, u, v);
    MoveNearFirstRepeat(u, v, polygon.count);
    AddFan(batch, polygon, u, v, white);
    return;
  }
  Polygon moved = polygon;
  TransformCoordinates(layer, moved);
  if (sprite >= 0) {
    SplitAtRepeats(moved, s.pieces);
  } else {
    s.pieces.assign(1, moved);
  }
  for (const Polygon& piece : s.pieces) {
    float u[16], v[16];
    for (int i = 0; i < piece.count; ++i) u[i] = piece.corners[i].u, v[i] = piece.corners[i].v;
    AddFan(batch, piece, u, v, white);
  }
}

// Adds both layers of a projected polygon to the batch at once, neither cut: the media layer repeats both
// textures and multiplies the second (a modulating layer) over the first in the same pass.
void AddTwoLayers(const Polygon& polygon, const Layer& first, const Layer& second, int sprite, int secondSprite,
                  int mode) {
  Batch& batch = BatchFor(sprite, mode, true, secondSprite);
  if (polygon.count < 3) return;
  float u[16], v[16], secondU[16], secondV[16];
  TransformCoordinates(first, polygon, u, v);
  TransformCoordinates(second, polygon, secondU, secondV);
  MoveNearFirstRepeat(u, v, polygon.count);
  MoveNearFirstRepeat(secondU, secondV, polygon.count);
  AddFan(batch, polygon, u, v, false);
  for (int i = 0; i < polygon.count; ++i) {
    batch.secondCoordinates.push_back(secondU[i]);
    batch.secondCoordinates.push_back(secondV[i]);
  }
}

int SpriteOf(const World& world, int texture) {
  auto it = world.textures.find(texture);
  return it == world.textures.end() ? -1 : it->second;
}

// Whether the media layer repeats this sprite's picture itself, so that its triangles need no cutting.
bool Wraps(int sprite) {
  if (sprite < 0 || media::S().rendererDraws) return false;
  return media::CanWrapTexture(SpritePixelWidth(sprite), SpritePixelHeight(sprite));
}

// Draws the sorted triangles. A two-layer material draws its first layer over a run of consecutive triangles
// of one entity, then its second layer over the same run: exact for meshes whose front faces do not cover
// each other (flat or convex ones), and far fewer draws than alternating the layers triangle by triangle.
void DrawSorted(const World& world, const View& view) {
  Scratch& s = scratch;
  size_t at = 0;
  while (at < s.order.size()) {
    const Triangle& head = s.triangles[s.order[at]];
    const Material& m = *head.material;
    size_t end = at + 1;
    if (m.hasLayer2)
      while (end < s.order.size() && s.triangles[s.order[end]].entity == head.entity) ++end;
    s.projected.clear();
    for (size_t i = at; i < end; ++i) {
      s.projected.emplace_back();
      Project(s.triangles[s.order[i]], view, s.projected.back());
    }
    int sprite1 = SpriteOf(world, m.layers[0].texture);
    bool wrap1 = Wraps(sprite1);
    int sprite2 = m.hasLayer2 ? SpriteOf(world, m.layers[1].texture) : -1;
    bool wrap2 = Wraps(sprite2);
    if (wrap1 && wrap2 && m.layers[1].mode == kBlendModulate) {
      for (const Polygon& p : s.projected)
        if (p.count) AddTwoLayers(p, m.layers[0], m.layers[1], sprite1, sprite2, m.blend);
      at = end;
      continue;
    }
    for (const Polygon& p : s.projected)
      if (p.count) AddLayer(p, m.layers[0], sprite1, m.blend, false, wrap1);
    if (sprite2 >= 0)
      for (const Polygon& p : s.projected)
        if (p.count) AddLayer(p, m.layers[1], sprite2, m.layers[1].mode, m.layers[1].mode == kBlendModulate, wrap2);
    at = end;
  }
  Flush(s.batch);
}

}  // namespace

}  // namespace engine3d

void RenderWorld() {
  using namespace engine3d;
  World& world = TheWorld();
  world.renderedTriangles = 0;
  world.drawMilliseconds = 0;
  media::State& media = media::S();
  SDL_Rect saved = media.viewport;
  if (media::CanDraw()) {
    for (const auto& [cameraNumber, camera] : world.cameras) {
      (void)cameraNumber;
      View view;
      view.rect = {saved.x + static_cast<int>(std::lround(saved.w * camera.xPercent / 100.0f)),
                   saved.y + static_cast<int>(std::lround(saved.h * camera.yPercent / 100.0f)),
                   static_cast<int>(std::lround(saved.w * camera.wPercent / 100.0f)),
                   static_cast<int>(std::lround(saved.h * camera.hPercent / 100.0f))};
      if (view.rect.w <= 0 || view.rect.h <= 0) continue;
      view.rotation = RotationOf(camera.rx, camera.ry, camera.rz);
      view.position = camera.position;
      view.focal = view.rect.h / 2.0f / std::tan(kHalfFieldOfView);
      view.centreX = view.rect.x + view.rect.w / 2.0f;
      view.centreY = view.rect.y + view.rect.h / 2.0f;
      // The camera's rectangle within the viewport the game had set: it must not draw outside it.
      SDL_Rect inside{};
      if (!SDL_IntersectRect(&saved, &view.rect, &inside)) continue;
      SetViewport(inside.x, inside.y, inside.w, inside.h);
      scratch.triangles.clear();
      for (const auto& [number, entity] : world.entities) GatherEntity(world, number, entity, view);
      // Farthest first, ties in the order made; the keys sorted beside their triangles, not looked up in them.
      scratch.depths.resize(scratch.triangles.size());
      for (size_t i = 0; i < scratch.depths.size(); ++i) {
        scratch.depths[i] = {scratch.triangles[i].depth, scratch.triangles[i].order};
      }
      std::sort(scratch.depths.begin(), scratch.depths.end());
      scratch.order.resize(scratch.depths.size());
      for (size_t i = 0; i < scratch.order.size(); ++i) scratch.order[i] = scratch.depths[i].second;
      DrawSorted(world, view);
    }
    SetViewport(saved.x, saved.y, saved.w, saved.h);
    QuadBlendMode(5, 6);
  }
}

void AdvanceWorldAnimation(int frames) {
  using namespace engine3d;
  if (frames <= 0) return;
  for (auto& [number, entity] : TheWorld().entities) {
    (void)number;
    if (entity.animating) entity.animationTime += kFrameSeconds * static_cast<float>(frames);
  }
}
