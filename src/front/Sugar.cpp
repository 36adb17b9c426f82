// Sugar, the tile challenge's minigame: its pictures, its frame on screen and its loop.
#include <cmath>

#include "base/MinigamePacks.h"
#include "front/MinigameRound.h"
#include "front/MinigameScreens.h"
#include "front/Minigames.h"
#include "front/SugarBot.h"
#include "front/SugarRules.h"
#include "game/Effects.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Music.h"
#include "runtime/NamedMedia.h"

namespace {

// Two sets of stars drift across the sky in opposite directions, bobbing and turning.
void DrawStars() {
  int frame = sugar.frameCount;
  int offset = frame * 4 % 128;
  for (int row = 0; row < 6; ++row) {
    int y = 32 + 128 * row;
    int shift = row % 2 == 0 ? offset : -offset;
    for (int x = -128; x <= sugarScreenWidth + 128; x += 128) {
      float bob = std::sin(static_cast<float>(x + offset + frame) / 128.0f) * 20.0f;
      DrawQuadCentred(sugarStar, static_cast<float>(x + shift), static_cast<float>(y) + bob, static_cast<float>(frame % 360),
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
      DrawQuadCentred(item.balloonPicture, b.x, b.y, lean, 255, height);
    }
    if (item.state != sugarBalloonAlone) {
      SugarPoint s = SweetCentre(item);
      DrawQuadCentred(item.sweetPicture, s.x, s.y, lean);
    }
  }
}

}  // namespace

void LoadSugarPictures() { LoadMinigamePictures(sugarPack, sugarEntries, sugarBalloons, sugar.balloonWidths); }

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
    DrawQuadCentred(sugarLauncher, sugarLauncherX, sugarLauncherY, sugar.aimAngle);
    DrawQuadCentred(sugarBall, sugar.ballX, sugar.ballY, 0);
    if (sugar.popFrames > 0) DrawQuadCentred(sugarPop, sugar.popX, sugar.popY, 0);
    EndQuads();
  }
  DrawBigNumber(sugar.points, 900, 668);
}


int PlaySugar() {
  ResetSugarGame(sugar);
  // The tile challenge silences the level's music before it calls: a fade from 50 would bring it back for a moment.
  if (SoundVolume(SoundNumber(Sound::Music)) > 0) FadeOutMusic();
  StartMinigameTune(sugarMidiFile);
  LoadSugarPictures();
  MinigameBotMemory bot;
  // The stick turns the launcher half as fast as it moves the duck cannon.
  PlayMinigameRound({.stickDivisor = 2,
                     .frame = [] { return sugar.frameCount; },
                     .step = [](const MinigameInput& input) { return StepSugar(sugar, input); },
                     .draw = DrawSugarFrame,
                     .over = [] { return SugarRoundOver(sugar); },
                     .lifeWon = [] { return sugar.lifeWon; },
                     .bot = [&] { return SugarBotInput(sugar, bot); }});
  sugar.items.clear();
  play.sugarPoints = SugarResult(sugar);
  return play.sugarPoints;
}
