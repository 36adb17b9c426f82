// The level's opening: the tiles slide down from above the screen while the scene already moves.
#include "game/Effects.h"
#include "game/Hud.h"
#include "game/PlayState.h"
#include "game/PlayStep.h"
#include "game/Scene.h"
#include "game/Ship.h"
#include "game/Tiles.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"

void PlayLevelIntro() {
  ClearFrame(0);
  PresentFrame(settings.flipMethod);
  ClearFrame(0);
  play.tileOffsetY = -screenHeight;
  while (play.tileOffsetY < 0 && !KeyHeld(Key::Escape)) {
    if (!ScreenHasFocus()) {
      WaitForFocus();
      continue;
    }
    SampleKeyboard();
    SampleMouse();
    StepLevelIntro();
    if (BeginQuads()) {
      StepPanelInset();
      // The play viewport, so nothing shifts when play begins.
      SetViewport(fieldLeft, fieldTop + 12, fieldWidth, fieldHeight - 12);
      DrawScene();
      DrawPanelInset();  // the frame round the playfield, as in play
      DrawShip();
      DrawEffects();
      DrawTiles();
      FullViewport();
      DrawHud(settings.playerName, play.score, play.letterMask, play.levelIndex);
      EndQuads();
    }
    play.tileOffsetY += 8;
    PresentFrame(settings.flipMethod);
    play.frameTick += 1;
  }
  play.tileOffsetY = 0;
}
