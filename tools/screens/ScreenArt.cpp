// Stand-in pictures for the screens: plain shapes of the right sizes, until the screens are painted.
#include "screens/ScreenArt.h"

#include <cmath>

#include "sfx/WavWrite.h"

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
  switch (item) {
    case menuLogo: return Boxed(560, 160, 10, 10, 540, 140, 0x3050C0);
    case menuTitleLetter: return Boxed(256, 256, 106, 8, 44, 240, 0xC0D0F0);
    case menuTitleFire: return Boxed(256, 256, 100, 2, 56, 252, 0xFFA030);
    case menuBlueBar: return Boxed(256, 256, 0, 110, 256, 36, 0x3060FF);
    case menuSubtitle: return Boxed(1024, 60, 40, 10, 480, 40, 0x90A0C0);
    case menuFrame: return Boxed(1024, 768, 0, 0, 1024, 8, 0x506080);
    case menuStartGame: case menuCredits: case menuQuit: case menuDifficultyNormal: case menuDifficultyHard:
    case menuContinue: return Boxed(1024, 64, 362, 14, 300, 38, 0xE0E8F0);
    case menuContinueDisabled: return Boxed(1024, 64, 362, 14, 300, 38, 0x505860);
    case menuCaption: return Boxed(1024, 40, 262, 10, 500, 20, 0x6080A0);
    case menuBall: return Boxed(64, 64, 8, 8, 48, 48, 0xC0C8D8);
    case menuSpark: return Boxed(32, 32, 8, 8, 16, 16, 0xFF8020);
    case menuBlueRing: return Boxed(128, 128, 24, 24, 80, 80, 0x2040A0);
    case menuRedBar: return Boxed(128, 128, 0, 50, 128, 28, 0xC02020);
    case menuBackground: return Filled(1024, 768, 0x081028, 255);
    case menuCursor: return Boxed(24, 26, 0, 0, 16, 22, 0xF0F0F0);
    default: return Filled(1, 1, 0, 0);
  }
}

std::vector<uint8_t> MakeMenuFlashSound() {
  std::vector<int16_t> samples(22050 / 2);
  for (size_t i = 0; i < samples.size(); ++i) {
    double t = static_cast<double>(i) / 22050.0;
    samples[i] = static_cast<int16_t>(8000.0 * std::sin(2 * M_PI * 440 * t) * (1.0 - t * 2));
  }
  std::vector<uint8_t> out;
  std::string error;
  EncodeWav16(samples, 1, 22050, out, error);
  return out;
}

Picture PaintStoryBackground(StoryScene scene) {
  uint32_t colours[] = {0x101840, 0x402818, 0x401008};
  return Filled(1024, 768, colours[static_cast<int>(scene)], 255);
}

Picture PaintLogo(LogoKind kind) {
  uint32_t colours[] = {0x4080FF, 0xFFC040, 0x40FF80};
  return Boxed(512, 256, 16, 16, 480, 224, colours[static_cast<int>(kind)]);
}

Picture PaintCreditsTitle() { return Boxed(1024, 120, 312, 20, 400, 80, 0x80A0FF); }

Picture PaintCreditsPicture(int n) { return Boxed(512, 512, 32, 32, 448, 448, 0x204080 + n * 0x100010); }
