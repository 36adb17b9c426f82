// Duck shooting between levels: its pictures, its frame on screen and its loop.
#include <cmath>

#include "base/MinigamePacks.h"
#include "front/DuckBot.h"
#include "front/DuckRules.h"
#include "front/MinigameRound.h"
#include "front/MinigameScreens.h"
#include "front/Minigames.h"
#include "game/Effects.h"
#include "media/Media.h"
#include "runtime/Music.h"
#include "runtime/NamedMedia.h"

void LoadDuckPictures() {
  LoadMinigamePictures(ducksPack, duckEntries, duckTargets, duck.widths);
  duck.cannonY = duckScreenHeight - SpritePixelHeight(duckCannon);
}

void DrawDuckFrame() {
  if (BeginDraw(DrawTargetKind::Screen)) {
    FillBox(0, 0, duckScreenWidth, duckScreenHeight, ColorRGB(0, 0, 85));
    for (int y : {64, 164, 264}) FillBox(0, y, duckScreenWidth, 1, ColorRGB(170, 170, 170));
    EndDraw();
  }
  if (BeginQuads()) {
    DrawEffects();
    QuadBlendMode(Blend::Alpha);
    // The targets rock as they go.
    for (const DuckTarget& t : duck.targets) {
      DrawQuadCentred(t.picture, t.x, static_cast<float>(t.row), std::sin(t.x / 8.0f) * 10.0f);
    }
    for (const DuckShot& s : duck.shots) DrawQuadCentred(duckBall, static_cast<float>(s.x), static_cast<float>(s.y), 0);
    DrawQuadCentred(duckCannon, static_cast<float>(duck.cannonX),
                    static_cast<float>(duck.cannonY) + static_cast<float>(SpritePixelHeight(duckCannon)) / 2, 0);
    EndQuads();
  }
  DrawBigNumber(duck.points, 900, 668);
}


void PlayDuck() {
  ResetDuckGame(duck);
  FadeOutMusic();
  LoadDuckPictures();
  StartMinigameTune(duckMidiFile);
  MinigameBotMemory bot;
  PlayMinigameRound({.stickDivisor = 1,
                     .frame = [] { return duck.frameCount; },
                     .step = [](const MinigameInput& input) { return StepDuck(duck, input); },
                     .draw = DrawDuckFrame,
                     .over = [] { return DuckRoundOver(duck); },
                     .lifeWon = [] { return duck.lifeWon; },
                     .bot = [&] { return DuckBotInput(duck, bot); }});
  duck.targets.clear();
  duck.shots.clear();
}
