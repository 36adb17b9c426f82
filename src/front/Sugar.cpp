// Sugar, the tile challenge's minigame: its pictures, its frame on screen and its loop.
#include <cmath>

#include "base/MinigamePacks.h"
#include "front/MinigameRound.h"
#include "front/Minigames.h"
#include "front/SugarBot.h"
#include "front/SugarRules.h"
#include "game/Effects.h"
#include "game/ExtrasState.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"

namespace {

void LoadSugarPictures() {
  ChoosePack(sugarPack);
  for (const MinigameEntry& entry : sugarEntries) LoadSceneSpriteQuad(entry.number, entry.name);
  ClosePack();
  for (int n = 0; n < sugarBalloonCount; ++n) {
    int width = SpritePixelWidth(sugarBalloons + n);
    if (width > 0) sugar.balloonWidths[static_cast<size_t>(n)] = width;
  }
}

// A picture at its own size (or `height` pixels tall) with its centre at (x, y), turned by `degrees`.
void DrawCentred(int picture, float x, float y, float degrees, int alpha = 255, float height = 0) {
  float w = static_cast<float>(SpritePixelWidth(picture));
  float h = height > 0 ? height : static_cast<float>(SpritePixelHeight(picture));
  ZoomQuad(picture, w, h);
  RotateQuad(picture, degrees, 0);
  DrawQuadAlpha(picture, x - w / 2, y - h / 2, alpha);
}

// Two sets of stars drift across the sky in opposite directions, bobbing and turning.
void DrawStars() {
  int frame = sugar.frameCount;
  int offset = frame * 4 % 128;
  for (int row = 0; row < 6; ++row) {
    int y = 32 + 128 * row;
    int shift = row % 2 == 0 ? offset : -offset;
    for (int x = -128; x <= sugarScreenWidth + 128; x += 128) {
      float bob = std::sin(static_cast<float>(x + offset + frame) / 128.0f) * 20.0f;
      DrawCentred(sugarStar, static_cast<float>(x + shift), static_cast<float>(y) + bob, static_cast<float>(frame % 360),
                  y / 8 + 32);
    }
  }
}

void DrawStrings() {
  if (!BeginDraw(DrawTargetKind::Screen)) return;
  for (const SugarItem& item : sugar.items) {
    if (item.state != sugarCarrying) continue;
    SugarPoint b = BalloonCentre(item), s = SweetCentre(item);
    DrawLine(static_cast<int>(b.x), static_cast<int>(b.y), static_cast<int>(s.x), static_cast<int>(s.y),
             ColorRGB(90, 60, 90));
  }
  EndDraw();
}

void DrawItems() {
  for (const SugarItem& item : sugar.items) {
    float lean = SugarWobble(item);
    if (item.state != sugarSweetFalling) {
      SugarPoint b = BalloonCentre(item);
      // The balloon breathes as it bobs.
      float height = static_cast<float>(SpritePixelHeight(item.balloonPicture)) + std::sin(item.x / 64.0f) * 10.0f;
      DrawCentred(item.balloonPicture, b.x, b.y, lean, 255, height);
    }
    if (item.state != sugarBalloonAlone) {
      SugarPoint s = SweetCentre(item);
      DrawCentred(item.sweetPicture, s.x, s.y, lean);
    }
  }
}

void DrawSugarFrame() {
  ClearFrame(ColorRGB(243, 190, 240));
  if (BeginQuads()) {
    QuadBlendMode(Blend::Alpha);
    DrawStars();
    EndQuads();
  }
  DrawStrings();
  if (BeginQuads()) {
    DrawEffects();
    QuadBlendMode(Blend::Alpha);
    DrawItems();
    DrawCentred(sugarLauncher, sugarLauncherX, sugarLauncherY, sugar.aimAngle);
    DrawCentred(sugarBall, sugar.ballX, sugar.ballY, 0);
    if (sugar.popFrames > 0) DrawCentred(sugarPop, sugar.popX, sugar.popY, 0);
    EndQuads();
  }
  DrawBigNumber(sugar.points, 900, 668);
}

}  // namespace

int PlaySugar() {
  ResetSugarGame(sugar);
  // The tile challenge silences the level's music before it calls: a fade from 50 would bring it back for a moment.
  if (SoundVolume(SoundNumber(Sound::Music)) > 0) FadeGameMusicOut();
  StartMinigameTune(sugarMidiFile);
  LoadSugarPictures();
  extras.effects.Clear();
  ForgetKeyReleases();  // an Escape held from the level does not end the round
  ArrowSpeed arrows;
  SugarBotMemory bot;
  while (!SugarRoundOver(sugar)) {
    if (MinigameWaitFocus()) continue;
    SampleMinigameInput();
    MinigameHotKeys();
    ShowMinigameWords(sugar.frameCount);
    // The stick turns the launcher half as fast as it moves the duck cannon.
    SugarInput input{SidewaysMove(arrows, 2), MinigameFireHeld(), KeyReleased(Key::Escape) != 0};
    ApplyMinigameEvents(StepSugar(sugar, input));
    StepEffects();
    DrawSugarFrame();
    if (settings.autoplay) InjectBotInput(SugarBotInput(sugar, bot));
    PresentFrame(settings.flipMethod);
  }
  CloseMinigameRound(sugar.lifeWon, DrawSugarFrame);
  sugar.items.clear();
  extras.effects.Clear();
  play.sugarPoints = SugarResult(sugar);
  return play.sugarPoints;
}
