// Stand-in pictures for the screens: plain shapes of the right sizes, until the screens are painted.
#include "screens/ScreenArt.h"

#include <cmath>

#include "screens/MenuPainters.h"

namespace {

Picture Filled(int w, int h, uint32_t rgb, int alpha) {
  Picture p(w, h);
  for (int i = 0; i < w * h; ++i) {
    p.rgba[i * 4 + 0] = rgb >> 16 & 255;
    p.rgba[i * 4 + 1] = rgb >> 8 & 255;
    p.rgba[i * 4 + 2] = rgb & 255;
    p.rgba[i * 4 + 3] = static_cast<uint8_t>(alpha);
  }
  return p;
}

// A box of colour inside a clear picture.
Picture Boxed(int w, int h, int bx, int by, int bw, int bh, uint32_t rgb) {
  Picture p(w, h);
  for (int y = by; y < by + bh && y < h; ++y)
    for (int x = bx; x < bx + bw && x < w; ++x) {
      uint8_t* px = p.At(x, y);
      px[0] = rgb >> 16 & 255, px[1] = rgb >> 8 & 255, px[2] = rgb & 255, px[3] = 255;
    }
  return p;
}

}  // namespace

Picture PaintMenuPicture(MenuItem item) {
  using namespace screens;
  switch (item) {
    case menuLogo: return PaintWordMark();
    case menuTitleLetter: return PaintNumeralStroke(false);
    case menuTitleFire: return PaintNumeralStroke(true);
    case menuBlueBar: return PaintBlueBand();
    case menuSubtitle: return PaintSubtitle();
    case menuFrame: return PaintFrame();
    case menuStartGame: return PaintEntry("START GAME", EntryLook::Normal);
    case menuCredits: return PaintEntry("CREDITS", EntryLook::Normal);
    case menuQuit: return PaintEntry("QUIT", EntryLook::Normal);
    case menuCaption: return PaintCaption();
    case menuBall: return PaintSelectionBall();
    case menuSpark: return PaintSpark();
    case menuBlueRing: return PaintBlueRing();
    case menuRedBar: return PaintRedBand();
    case menuBackground: return PaintMenuBackground();
    case menuCursor: return PaintCursor();
    case menuDifficultyNormal: return PaintEntry("DIFFICULTY: NORMAL", EntryLook::Normal);
    case menuDifficultyHard: return PaintEntry("DIFFICULTY: HARD", EntryLook::Hot);
    case menuContinue: return PaintEntry("CONTINUE SAVED GAME", EntryLook::Normal);
    case menuContinueDisabled: return PaintEntry("CONTINUE SAVED GAME", EntryLook::Disabled);
    default: return Picture();  // the sound and the music are not pictures
  }
}

Picture PaintLogo(LogoKind kind) {
  uint32_t colours[] = {0x4080FF, 0xFFC040, 0x40FF80};
  return Boxed(512, 256, 16, 16, 480, 224, colours[static_cast<int>(kind)]);
}

Picture PaintCreditsTitle() { return Boxed(1024, 120, 312, 20, 400, 80, 0x80A0FF); }

Picture PaintCreditsPicture(int n) { return Boxed(512, 512, 32, 32, 448, 448, 0x204080 + n * 0x100010); }
