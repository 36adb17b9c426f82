// The wipe to black between screens: the last picture held, then darkened row by row from both edges.
#include "front/Screens.h"

#include "base/AssetNames.h"
#include "base/Playfield.h"
#include "media/Media.h"
#include "runtime/Settings.h"

void WipeToBlack() {
  // The last picture goes into a sprite and back, so that the wipe starts from what was seen.
  int held = CaptureScreenArea(-1, 0, 0, screenWidth, screenHeight);
  PresentFrame(1);
  if (held >= 0) BlitSprite(held, 0, 0);
  PresentFrame(1);
  if (held >= 0) {
    BlitSprite(held, 0, 0);
    ReleaseSprite(held);
  }
  // Even rows darken from the top down while odd rows darken from the bottom up: 48 steps of 16 rows.
  for (int y = 0; y < screenHeight; y += 16) {
    PresentFrame(2);
    if (!BeginDraw(DrawTargetKind::Screen)) continue;
    for (int k = 0; k <= y + 15 && k < screenHeight; k += 2) {
      FillBox(0, k, screenWidth, 1, 0);
      FillBox(0, screenHeight - 1 - k, screenWidth, 1, 0);
    }
    EndDraw();
  }
  for (int i = 0; i < 2; ++i) {
    ClearFrame(0);
    PresentFrame(settings.flipMethod);
  }
}
