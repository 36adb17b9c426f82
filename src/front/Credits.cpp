// The credits screen: its pack, its frame (grid lines straight into the frame, pictures as quads, the text) and
// its way out through a fade of its music.
#include "front/Credits.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/AssetNames.h"
#include "base/ScreenPacks.h"
#include "front/CreditsScene.h"
#include "front/ScreenInput.h"
#include "front/Screens.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"

namespace {

constexpr int creditsTextTop = 130;  // pixels: the title's foot

void PlayCreditsMusic() {
  if (settings.musicEnabled && HasSound(creditsMusicSlot)) PlaySoundId(creditsMusicSlot, kSoundLoop);
}

void StopCreditsMusic() {
  if (settings.musicEnabled && HasSound(creditsMusicSlot)) StopSoundId(creditsMusicSlot);
}

void DrawPicture(const FloatingPicture& p) {
  QuadVertex corners[4];
  const float u[4] = {0, 1, 1, 0}, v[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) {
    corners[i] = {p.corners[i * 2], p.corners[i * 2 + 1], 255, 255, 255, static_cast<uint8_t>(p.alpha), u[i], v[i]};
  }
  static const int triangles[6] = {0, 1, 2, 0, 2, 3};
  DrawTriangles(creditsPictures + p.picture, corners, 4, triangles, 6);
}

void DrawCreditsText(const std::vector<std::string>& lines) {
  if (!BeginDraw(DrawTargetKind::Screen)) return;
  SetDrawFont(FontHandle(textFont));
  SetDrawMode(kDrawTransparentText);
  for (size_t n = 0; n < lines.size(); ++n) {
    int y = static_cast<int>(std::lround(creditsScene.textY + 35.0 * static_cast<double>(n)));
    // A line goes as it reaches the title, rather than running over its letters.
    if (y < creditsTextTop || y > 800 || lines[n].empty()) continue;
    DrawTextAt(512 - TextPixelWidth(lines[n]) / 2, y, lines[n], ColorRGB(0, 128, 255));
  }
  SetDrawMode(0);
  EndDraw();
}

}  // namespace

void LoadCreditsAssets() {
  ChoosePack(creditsPack);
  LoadSceneSprite(creditsTitlePicture, creditsTitleName);
  for (int n = 0; n < creditsPictureCount; ++n) LoadSceneSpriteQuad(creditsPictures + n, CreditsPictureName(n));
  if (settings.musicEnabled) {
    LoadSceneSound(creditsMusicSlot, creditsMusicName);
  }
  ClosePack();
}

void CreditsFrame() {
  static const std::vector<std::string> lines = CreditsLines();
  ClearFrame(0);
  StepCreditsGrid();
  std::vector<LineSegment> grid = CreditsGridLines();
  if (BeginDraw(DrawTargetKind::Screen)) {
    DrawLines(grid.data(), static_cast<int>(grid.size()));
    EndDraw();
  }
  if (BeginQuads()) {
    BlitSpriteKeyed(creditsTitlePicture, 0, 0);
    StepFloatingPictures();
    QuadBlendMode(Blend::Alpha);
    for (const FloatingPicture& p : creditsScene.pictures) {
      if (p.active && p.shown) DrawPicture(p);
    }
    EndQuads();
  }
  creditsScene.textY -= 1;
  DrawCreditsText(lines);
}

void CreditsScreen() {
  ResetCreditsScene();
  FreeAllResources();
  LoadCreditsAssets();
  PlayCreditsMusic();
  CreditsExit exit;
  BeginScreenInput();
  for (;;) {
    if (WaitWhileUnfocused(StopCreditsMusic, PlayCreditsMusic)) continue;
    SampleScreenInput();
    CreditsFrame();
    bool pressed = FreshKeyHeld(Key::Enter) || FreshButtonHeld(1) || FreshJoystickButton();
    bool done = StepCreditsExit(exit, KeyReleased(Key::Escape) != 0, pressed);
    if (exit.quitting && settings.musicEnabled && HasSound(creditsMusicSlot)) {
      SetSoundVolume(creditsMusicSlot, std::max(exit.volume, 0));
    }
    PresentFrame(settings.flipMethod);
    if (done) break;
  }
  WipeToBlack();
  StopCreditsMusic();
  FreeAllResources();
}
