// Stand-in pictures for the minigames: plain shapes of the right sizes, until they are painted.
#include "minigames/MinigameArt.h"

namespace {

Picture Boxed(int w, int h, int inset, uint32_t rgb) {
  Picture p(w, h);
  for (int y = inset; y < h - inset; ++y)
    for (int x = inset; x < w - inset; ++x) {
      uint8_t* px = p.At(x, y);
      px[0] = rgb >> 16 & 255, px[1] = rgb >> 8 & 255, px[2] = rgb & 255, px[3] = 255;
    }
  return p;
}

}  // namespace

Picture PaintTetrisPicture(int number) {
  switch (number) {
    case tetrisFrame: return Boxed(1024, 768, 0, 0x202840);
    case tetrisBackdrop: return Boxed(1024, 768, 0, 0x101020);
    case tetrisBump: case tetrisDiffuse: return Boxed(128, 128, 0, 0x404060);
    case tetrisLineFlash: return Boxed(64, 32, 0, 0xFFFFFF);
    case tetrisGlint: return Boxed(32, 32, 8, 0xFFFFFF);
    case tetrisBug: return Boxed(32, 32, 1, 0x804000);
    default: return Boxed(32, 32, 1, 0x20A040 + 0x101010 * (number - tetrisGreen));
  }
}

Picture PaintDuckPicture(int number) {
  if (number == duckCannon) return Boxed(64, 64, 4, 0x606060);
  if (number == duckBall) return Boxed(16, 16, 2, 0xFFFFFF);
  return Boxed(64, 64, 4, 0xC0A020 + 0x080808 * ((number - duckTargets) % duckFacingRight));
}

Picture PaintSugarPicture(int number) {
  if (number >= sugarBalloons && number < sugarBalloons + sugarBalloonCount) return Boxed(64, 80, 2, 0xE04060);
  if (number >= sugarSweets && number < sugarSweets + sugarSweetCount) return Boxed(48, 48, 4, 0x8040C0);
  if (number == sugarStar) return Boxed(32, 32, 4, 0xFFFFA0);
  if (number == sugarLauncher) return Boxed(32, 96, 2, 0x404080);
  if (number == sugarBall) return Boxed(16, 16, 2, 0x202020);
  return Boxed(64, 64, 8, 0xFFFFFF);  // the pop
}

