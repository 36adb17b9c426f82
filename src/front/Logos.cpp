// The logo screens at start-up: the maker's emblem in 3D (or its picture), the game's logo, the publisher's logo.
#include <algorithm>
#include <cmath>

#include "base/ScreenPacks.h"
#include "front/ScreenInput.h"
#include "front/Screens.h"
#include "media/Engine3D.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"

namespace {

constexpr int fps = 60;

bool LogoLeft() { return KeyReleased(Key::Escape) || FreshJoystickButton(); }

// A picture fading in over black, held a second, fading out; `step` is the alpha change a frame.
void LogoScreen(const LogoPack& pack, int step, int fadeInEnd) {
  ChoosePack(pack.pack);
  LoadSpriteQuad(logoPicture, pack.picture);
  ClosePack();
  int fadeIn = 0, hold = fps, fadeOut = 256, alpha = 0;
  BeginScreenInput();
  for (;;) {
    SampleScreenInput();
    ClearFrame(0);
    if (fadeIn < fadeInEnd) {
      fadeIn += step;
      alpha = fadeIn;
    } else if (hold >= 0) {
      hold -= step;
    } else if (fadeOut >= 0) {
      fadeOut -= step;
      alpha = fadeOut;
    }
    if (BeginQuads()) {
      QuadBlendMode(Blend::Alpha);
      QuadFiltering(1);
      float x = static_cast<float>((1024 - static_cast<int>(QuadWidth(logoPicture))) / 2);
      float y = static_cast<float>((768 - static_cast<int>(QuadHeight(logoPicture))) / 2);
      DrawQuadAlpha(logoPicture, x, y, std::clamp(alpha, 0, 255));
      EndQuads();
    }
    PresentFrame(settings.flipMethod);
    WaitWhileUnfocused();
    if (fadeOut <= 0 || LogoLeft()) break;
  }
  WipeToBlack();
  ReleaseQuad(logoPicture);
  ReleaseSprite(logoPicture);
}

// The scene's object numbers: the emblem, three flares lighting it in red, green and blue.
constexpr int emblemMesh = 0, flareMesh = 1, streakTexture = 0, emblemMaterial = 3, emblemEntity = 0;
constexpr int firstFlare = 6, logoCamera = 0;

bool BuildLogoScene() {
  if (!LoadMesh(emblemMesh, logoMeshName) || !LoadMesh(flareMesh, logoFlareMeshName) ||
      !LoadTexture(streakTexture, logoFlareTexture)) {
    return false;
  }
  const int colours[3][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
  for (int i = 0; i < 3; ++i) {
    CreateMaterial(i, streakTexture);
    MaterialAmbientColor(i, colours[i][0], colours[i][1], colours[i][2]);
    MaterialBlendingMode(i, kBlendAdditive);
    MaterialDiffuseColor(i, 255, 255, 255);
    // No second layer: our renderer lays a second layer over the frame, and a multiplied streak would blacken the
    // emblem behind its square.
    CreateEntity(firstFlare + i, flareMesh, i);
    ResizeEntity(firstFlare + i, 4, 4, 4);  // a streak of light wider than the emblem's shards
    CreateLight(i, colours[i][0], colours[i][1], colours[i][2]);
    LightSpecularColor(i, colours[i][0], colours[i][1], colours[i][2]);
  }
  // The emblem takes its colour from the world's grey and the three coloured lights.
  CreateMaterial(emblemMaterial, -1);
  MaterialAmbientColor(emblemMaterial, 255, 255, 255);
  MaterialDiffuseColor(emblemMaterial, 255, 255, 255);
  MaterialShadingMode(emblemMaterial, kShadeFlat);
  CreateEntity(emblemEntity, emblemMesh, emblemMaterial);
  ResizeEntity(emblemEntity, 1.8f, 1.8f, 1.8f);  // about half the screen's height
  AnimateEntity(emblemEntity, "assemble");
  CreateCamera(logoCamera, 0, 0, 100, 100);
  CameraLocate(logoCamera, 0, 0, 1500);
  AmbientColor(0, 0, 0);
  return true;
}

void FreeLogoScene() {
  FreeEntity(emblemEntity);
  for (int i = 0; i < 3; ++i) {
    FreeEntity(firstFlare + i);
    FreeMaterial(i);
    FreeLight(i);
  }
  FreeMaterial(emblemMaterial);
  FreeCamera(logoCamera);
  FreeMesh(emblemMesh);
  FreeMesh(flareMesh);
  FreeTexture(streakTexture);
  AmbientColor(64, 64, 64);
}

// The emblem assembles while the world brightens and the camera creeps closer; after eight seconds it recedes
// into the dark. Three coloured flares circle it, each carrying its light.
void Logo3D() {
  if (!BuildLogoScene()) {
    FreeLogoScene();
    LogoScreen(makerLogoPack, 1, 255);
    return;
  }
  float cameraZ = 1500, grey = 0, angle = 0;
  bool animating = true;
  BeginScreenInput();
  for (int frame = 1; frame <= 12 * fps; ++frame) {
    SampleScreenInput();
    ClearFrame(0);
    if (animating) {
      float p = GetEntityAnimationTime(emblemEntity);
      if (p < 4.0f) {
        grey = p * 128 / 4;
        int g = static_cast<int>(grey);
        AmbientColor(g, g, g);
        cameraZ -= 0.5f;
        CameraLocate(logoCamera, 0, 0, cameraZ);
      } else {
        AnimateEntity(emblemEntity, "stop");
        animating = false;
      }
    }
    if (frame > 8 * fps) {
      cameraZ -= 8;
      CameraLocate(logoCamera, 0, 0, cameraZ);
      grey *= 0.98f;
      int g = static_cast<int>(grey);
      AmbientColor(g, g, g);
    }
    angle += 0.01f;
    EntityLocate(firstFlare, 230 * std::sin(angle) * std::cos(angle), 175 * std::cos(angle), 50);
    EntityLocate(firstFlare + 1, 230 * std::sin(angle), 175 * std::sin(angle) * std::cos(angle / 2), 50);
    EntityLocate(firstFlare + 2, 230 * std::sin(0.6f * angle) * std::cos(angle), 175 * std::sin(angle), 50);
    for (int i = 0; i < 3; ++i) {
      RotateEntity(firstFlare + i, 0, 0, static_cast<float>(frame), 0);
      LightLocate(i, EntityX(firstFlare + i), EntityY(firstFlare + i), EntityZ(firstFlare + i));
    }
    RenderWorld();
    AdvanceWorldAnimation(1);
    PresentFrame(settings.flipMethod);
    WaitWhileUnfocused();
    if (LogoLeft()) break;
  }
  WipeToBlack();
  FreeLogoScene();
}

}  // namespace

void ShowLogos() {
  if (settings.engine3DAvailable) {
    Logo3D();
  } else {
    LogoScreen(makerLogoPack, 1, 255);
  }
  LogoScreen(gameLogoPack, 1, 255);
  // The publisher's logo fades twice as fast; its fade-in ends at 254, an even number of steps.
  LogoScreen(publisherLogoPack, 2, 254);
}
