// The pack loaders: each takes the next entry of the current pack, checks its name and makes a numbered resource.
#include "base/Paths.h"
#include "runtime/Loaders.h"

#include <cstdio>

#include "media/Engine3D.h"
#include "media/Media.h"
#include "base/OrderedList.h"
#include "base/PackFormat.h"
#include "runtime/Music.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

std::string currentPack;
int entriesTaken = 0;
Pivot chaingunPivot;

namespace {

struct Resource {
  int kind = 0;
  int number = 0;
};
OrderedList<Resource> registry;

// The fixed message names the asset; the reason after it says which pack and what went wrong.
[[noreturn]] void Fail(const std::string& name, const std::string& reason) {
  Alert(name + " loading problem (" + reason + ")");
}

std::string InPack(const std::string& reason) { return currentPack + ": " + reason; }

// Loading into a used number replaces the resource: the quad goes first, then its sprite.
void FreeSpriteAndQuad(int number) {
  if (HasQuad(number)) ReleaseQuad(number);
  if (HasSprite(number)) ReleaseSprite(number);
}

void MakeSprite(int number, const std::string& name, int flags, bool withQuad) {
  size_t size = 0;
  uint8_t* data = TakePackEntry(name, size);
  if (!SpriteFromMemory(number, data, size, flags)) Fail(name, InPack(LastMediaError()));
  if (withQuad && !QuadFromSprite(number, number)) Fail(name, InPack("no texture could be made of it"));
  entriesTaken += 1;
}

void MakeSound(int number, const std::string& name) {
  size_t size = 0;
  uint8_t* data = TakePackEntry(name, size);
  if (!SoundFromMemory(number, data, size)) Fail(name, InPack(LastSoundError()));
  entriesTaken += 1;
}

}  // namespace

void ChoosePack(const std::string& path) {
  currentPack = path;
  entriesTaken = 0;
}

void EnsurePackOpen() {
  if (entriesTaken == 0 && !OpenPack(currentPack)) Fail(currentPack, LastMediaError());
}

uint8_t* TakePackEntry(const std::string& expectedName, size_t& size) {
  EnsurePackOpen();
  uint8_t* data = NextPackEntry();
  if (data == nullptr) Fail(expectedName, LastMediaError());
  // A name that differs means the pack and the game disagree on the order: say so at once.
  if (NativePath(PackEntryName()) != NativePath(expectedName)) {
    Fail(expectedName, InPack("the pack holds " + PackEntryName() + " in its place"));
  }
  size = PackEntrySize();
  ScramblePackEntry(data, size);  // the rule undoes itself
  return data;
}

void RegisterResource(int kind, int number) {
  Resource* r = registry.Append();
  r->kind = kind;
  r->number = number;
}

int RegisteredResourceCount() { return registry.Count(); }

void FreeAllResources() {
  static void (*const free3D[])(int) = {FreeMesh, FreeTexture, FreeEntity, FreeMaterial, FreeCamera, FreeLight};
  registry.ForEach([](const Resource& r) {
    switch (r.kind) {
      case resourceSprite:
        if (HasSprite(r.number)) ReleaseSprite(r.number);
        break;
      case resourceQuad:
        FreeSpriteAndQuad(r.number);
        break;
      case resourceImage:
        if (HasImage(r.number)) ReleaseImage(r.number);
        break;
      case resourceFont:
        if (HasFont(r.number)) ReleaseFont(r.number);
        break;
      case resourceSound:
        if (HasSound(r.number)) ReleaseSound(r.number);
        break;
      default:
        // The 3D objects, which the renderer frees by kind.
        if (r.kind >= resourceMesh && r.kind <= resourceLight) free3D[r.kind - resourceMesh](r.number);
        break;
    }
  });
  Sleep(1000);
  registry.Clear();
}

void LoadSpriteQuad(int number, const std::string& name) {
  FreeSpriteAndQuad(number);
  MakeSprite(number, name, kSpriteQuadTexture | kSpriteKeepAlpha, true);
}

void LoadOpaqueSpriteQuad(int number, const std::string& name) {
  FreeSpriteAndQuad(number);
  MakeSprite(number, name, kSpriteQuadTexture, true);
}

Pivot LoadPivotSpriteQuad(int number, const std::string& name, int pivotX, int pivotY) {
  LoadSpriteQuad(number, name);
  return Pivot{number, pivotX, pivotY};
}

void LoadImageEntry(int number, const std::string& name) {
  if (HasImage(number)) ReleaseImage(number);
  size_t size = 0;
  uint8_t* data = TakePackEntry(name, size);
  if (!ImageFromMemory(number, data, size)) Fail(name, InPack(LastMediaError()));
  entriesTaken += 1;
}

void LoadSpriteEntry(int number, const std::string& name) {
  FreeSpriteAndQuad(number);
  MakeSprite(number, name, 0, false);
}

void LoadSoundEntry(int number, const std::string& name) {
  if (HasSound(number)) ReleaseSound(number);
  MakeSound(number, name);
}

void LoadSceneSpriteQuad(int number, const std::string& name) {
  MakeSprite(number, name, kSpriteQuadTexture | kSpriteKeepAlpha, true);
  RegisterResource(resourceQuad, number);
}

void LoadSceneOpaqueSpriteQuad(int number, const std::string& name) {
  MakeSprite(number, name, kSpriteQuadTexture, true);
  RegisterResource(resourceQuad, number);
}

void LoadSceneSprite(int number, const std::string& name) {
  MakeSprite(number, name, 0, false);
  RegisterResource(resourceSprite, number);
}

void LoadSceneSound(int number, const std::string& name) {
  // A slot still holding an earlier screen's track takes the new one in its place.
  if (HasSound(number)) ReleaseSound(number);
  MakeSound(number, name);
  RegisterResource(resourceSound, number);
}

void LoadSceneMesh(int number, const std::string& name) {
  if (!LoadMesh(number, name)) Fail(name, LastMediaError());
  RegisterResource(resourceMesh, number);
}

void LoadSceneTexture(int number, const std::string& name) {
  if (!LoadTexture(number, name)) Fail(name, LastMediaError());
  RegisterResource(resourceTexture, number);
}

std::string LevelSetDirectory(int difficulty) { return difficulty == 1 ? "packs/hard/" : "packs/normal/"; }

void LoadBackground(const std::string& theme, const std::string& scenePack) {
  std::string pack = "packs/" + theme + ".pak";
  // Without its pack a theme simply has no picture: the level is still playable.
  if (FileExists(pack)) {
    ChoosePack(pack);
    LoadSceneSprite(backgroundPicture, "gfx/background/" + theme + "/" + theme + ".jpg");
    ClosePack();
  }
  ChoosePack(scenePack);
}

void LoadLevelMusic(const std::string& music) {
  if (!settings.musicEnabled) return;
  std::string pack = "packs/" + music + ".pak";
  if (!FileExists(pack)) return;  // a missing track leaves the music as it is
  FadeOutMusic();
  StopMusic();
  ChoosePack(pack);
  LoadSoundEntry(SoundNumber(Sound::Music), "sfx/" + music);
  ClosePack();
  if (HasSound(Sound::Music)) {
    SetSoundVolume(Sound::Music, 0);
    PlaySoundId(Sound::Music, kSoundLoop);
    FadeInMusic();
  }
}
