// Duck shooting between levels: its pictures, its frame on screen and its loop.
#include <cmath>

#include "base/MinigamePacks.h"
#include "front/DuckBot.h"
#include "front/DuckRules.h"
#include "front/MinigameRound.h"
#include "front/Minigames.h"
#include "game/Effects.h"
#include "game/ExtrasState.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"

namespace {

void LoadDuckPictures() {
  ChoosePack(ducksPack);
  for (const MinigameEntry& entry : duckEntries) LoadSceneSpriteQuad(entry.number, entry.name);
  ClosePack();
  for (int n = 0; n < duckTargetPictures; ++n) {
    int width = SpritePixelWidth(duckTargets + n);
    if (width > 0) duck.widths[static_cast<size_t>(n)] = width;
  }
  duck.cannonY = duckScreenHeight - SpritePixelHeight(duckCannon);
}

// A picture with its centre at (x, y), turned by `degrees`.
void DrawCentred(int picture, float x, float y, float degrees) {
  RotateQuad(picture, degrees, 0);
  DrawQuad(picture, x - QuadWidth(picture) / 2, y - QuadHeight(picture) / 2);
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
      DrawCentred(t.picture, t.x, static_cast<float>(t.row), std::sin(t.x / 8.0f) * 10.0f);
    }
    for (const DuckShot& s : duck.shots) DrawCentred(duckBall, static_cast<float>(s.x), static_cast<float>(s.y), 0);
    RotateQuad(duckCannon, 0, 0);
    DrawQuad(duckCannon, static_cast<float>(duck.cannonX) - QuadWidth(duckCannon) / 2, static_cast<float>(duck.cannonY));
    EndQuads();
  }
  DrawBigNumber(duck.points, 900, 668);
}

}  // namespace

void PlayDuck() {
  ResetDuckGame(duck);
  FadeGameMusicOut();
  LoadDuckPictures();
  StartMinigameTune(duckMidiFile);
  extras.effects.Clear();
  ForgetKeyReleases();  // an Escape held from the level does not end the round
  ArrowSpeed arrows;
  DuckBotMemory bot;
  while (!DuckRoundOver(duck)) {
    if (MinigameWaitFocus()) continue;
    SampleMinigameInput();
    MinigameHotKeys();
    ShowMinigameWords(duck.frameCount);
    DuckInput input{SidewaysMove(arrows, 1), MinigameFireHeld(), KeyReleased(Key::Escape) != 0};
    ApplyMinigameEvents(StepDuck(duck, input));
    StepEffects();
    DrawDuckFrame();
    if (settings.autoplay) InjectBotInput(DuckBotInput(duck, bot));
    PresentFrame(settings.flipMethod);
  }
  CloseMinigameRound(duck.lifeWon, DrawDuckFrame);
  duck.targets.clear();
  duck.shots.clear();
  extras.effects.Clear();
}
