// Our own small 3D renderer: meshes, textures, materials, entities, cameras and lights drawn as media-layer triangles.
#pragma once

#include <string>

// Objects are addressed by numbers the game chooses; meshes, textures, materials, entities, cameras and
// lights each have their own number space. Creating into a used number replaces the object.
// Angles are in degrees and follow the right-hand rule about each axis (positive turns counter-clockwise
// seen from the positive end of the axis). An orientation turns by z first, then x, then y:
// R = Ry(ry) * Rx(rx) * Rz(rz), so on a camera rx pitches (positive looks up) and ry yaws (positive turns left).

bool InitEngine3D();      // an empty world with no archives; true once the renderer is ready
void ShutdownEngine3D();  // frees every object, texture sprite and archive (also what InitEngine3D does first)
// Makes a plain zip's entries loadable by name ("\" or "/" separators, case ignored); later archives win over
// earlier ones. `recursive` 1 also finds entries of sub-folders by their file name alone. False when unreadable.
bool Add3DArchive(const std::string& path, int recursive);
void Parse3DScripts();    // the archives hold no scripts: nothing to do

// Meshes: Wavefront OBJ from the archives. "name.mesh" falls back on "name.obj". Objects named frame0,
// frame1, ... are the frames of a morph animation with the same faces. False for a missing or damaged file.
bool LoadMesh(int number, const std::string& name);
int MeshID(int number);   // `number` while the mesh exists, -1 otherwise
void FreeMesh(int number);
bool IsMesh(int number);
int MeshFrameCount(int number);  // morph frames of the mesh, 0 when it does not exist

// Textures: PNG or JPEG from the archives, kept as sprites from kTextureSpriteBase on (numbers 0..99999).
constexpr int kTextureSpriteBase = 900000;
bool LoadTexture(int number, const std::string& name);
int TextureID(int number);  // the sprite that holds the texture, -1 when it does not exist
void FreeTexture(int number);
bool IsTexture(int number);

// Blending of a material or of its second layer onto what is drawn before it.
constexpr int kBlendOpaque = 0, kBlendAdditive = 1, kBlendAlpha = 2, kBlendModulate = 3;
constexpr int kShadeFlat = 0, kShadeSmooth = 1;

// Materials: up to two texture layers. Layer 1 is the material's own texture, layer 2 (optional) is drawn
// over it as a second pass with its own blending. Colours are 0..255 per channel.
bool CreateMaterial(int number, int texture);  // texture -1: vertex colours only
bool AddMaterialLayer2(int material, int texture, int mode);  // mode: a kBlend* value
void MaterialAmbientColor(int material, int r, int g, int b);  // times the world's ambient colour
void MaterialDiffuseColor(int material, int r, int g, int b);  // times the lights' colours
void MaterialBlendingMode(int material, int mode);  // kBlend*; only opaque materials hide their back faces
void MaterialShadingMode(int material, int mode);   // kShadeFlat (one normal per face) or kShadeSmooth
// Texture coordinates of a layer (1 or 2) turn about the texture centre, are scaled about it and scroll;
// scrolling adds up, turning and scaling set. Textures repeat beyond 0..1.
void RotateMaterial(int material, float degrees);  // layer 1
void RotateMaterial2(int material, int layer, float degrees);
void ScrollMaterial2(int material, int layer, float du, float dv);
void ScaleMaterial2(int material, int layer, float su, float sv);  // 2: the texture repeats twice as often
int MaterialID(int number);  // `number` while the material exists, -1 otherwise
void FreeMaterial(int number);
bool IsMaterial(int number);

// Entities: a mesh drawn with a material, placed, turned and scaled in the world.
bool CreateEntity(int number, int mesh, int material);  // false when the mesh or the material is missing
bool EntityMaterial(int entity, int material);           // draws it with another existing material
void EntityLocate(int entity, float x, float y, float z);
float EntityX(int entity);  // 0 for a missing entity
float EntityY(int entity);
float EntityZ(int entity);
void RotateEntity(int entity, float rx, float ry, float rz, int mode);  // mode 0 sets, 1 adds
void ResizeEntity(int entity, float sx, float sy, float sz);             // scale factors
// Morph animation at one frame per second, holding the last frame: "stop" freezes the time, any other name
// (re)starts it from 0. The time advances by 1/60 s for every frame given to AdvanceWorldAnimation.
void AnimateEntity(int entity, const std::string& name);
float GetEntityAnimationTime(int entity);  // seconds since the start
void FreeEntity(int entity);
bool IsEntity(int entity);

// Cameras: the viewport is in percent of the media viewport current at RenderWorld. A new camera stands at
// the origin looking down -z with y up, a vertical field of view of 45 degrees and its near plane at 1.
bool CreateCamera(int number, float xPercent, float yPercent, float wPercent, float hPercent);
void CameraLocate(int camera, float x, float y, float z);
void RotateCamera(int camera, float rx, float ry, float rz, int mode);  // mode 0 sets, 1 adds
void FreeCamera(int camera);
bool IsCamera(int camera);

// Point lights, white specular highlights unless told otherwise; no fall-off unless given a range.
bool CreateLight(int number, int r, int g, int b);
void LightLocate(int light, float x, float y, float z);
void LightSpecularColor(int light, int r, int g, int b);
void LightRange(int light, float range);  // units at which the light has fallen to half; 0: no fall-off
void FreeLight(int light);
bool IsLight(int light);
void AmbientColor(int r, int g, int b);  // the world's ambient light, (64, 64, 64) at the start

// Moves every animating entity's time on by `frames` sixtieths of a second (the game's step); negative counts
// nothing.
void AdvanceWorldAnimation(int frames);
// Draws the world through every camera (in camera number order), back to front, then leaves the media
// viewport and the quad blending (normal transparency) as they were. It changes no object.
void RenderWorld();
int RenderedTriangleCount();  // triangles handed to the media layer by the last RenderWorld
double RenderWorldDrawMilliseconds();  // of the last RenderWorld, the time the media layer took to fill them
