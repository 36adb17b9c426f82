// Autoplay in the menu: the high-score displays are let run once, then the cursor glides onto "start game".
#include "front/MenuAutoplay.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ScreenPacks.h"
#include "front/Menu.h"
#include "media/Media.h"
#include "runtime/Settings.h"

namespace {

struct MenuAutoplayMemory {
  bool pressed = false;     // the button went down last frame
  bool announced = false;   // the displays were reported
  bool aimKnown = false;    // the point on "start game" was found
  int aimX = 0, aimY = 0;   // screen pixels
};
MenuAutoplayMemory memory;

constexpr int idleCycleFrames = 900;  // menu, local table, live table: seen once before choosing
constexpr int glide = 24;             // pixels a frame at most

int Toward(int from, int to) {
  int d = to - from;
  return d > glide ? glide : (d < -glide ? -glide : d);
}

}  // namespace

void ResetMenuAutoplay() { memory = MenuAutoplayMemory{}; }

bool EntryAimPoint(int picture, int& x, int& y) {
  int w = SpritePixelWidth(picture), h = SpritePixelHeight(picture);
  int best = -1;
  for (int py = 0; py < h; ++py) {
    for (int px = 0; px < w; ++px) {
      uint32_t pixel = SpritePixel(picture, px, py);
      if ((pixel >> 24) < 128 || (pixel & 0xFFFFFFu) == 0) continue;
      int distance = std::abs(px - w / 2) + 4 * std::abs(py - h / 2);
      if (best < 0 || distance < best) {
        best = distance;
        x = px;
        y = py;
      }
    }
  }
  return best >= 0;
}

void AutoplayMenuFrame() {
  if (!settings.autoplay) return;
  std::string fields = "mouse=0,0 buttons=0";
  if (memory.pressed) {
    memory.pressed = false;  // a click is a press in one frame and a release in the next
  } else if (menu.idleFrames >= idleCycleFrames || memory.announced) {
    if (!memory.announced) {
      std::printf("autoplay: the menu showed both high-score tables by frame %ld\n", PresentedFrames());
      std::fflush(stdout);
      memory.announced = true;
    }
    if (!memory.aimKnown && EntryAimPoint(MenuPicture(menuStartGame), memory.aimX, memory.aimY)) {
      memory.aimY += menuEntryY[0];
      memory.aimKnown = true;
    }
    int aimX = memory.aimX, aimY = memory.aimY;
    if (memory.aimKnown) {
      if (menu.selectedEntry == entryStartGame && menu.cursorX == aimX && menu.cursorY == aimY) {
        fields = "mouse=0,0 buttons=1";
        memory.pressed = true;
      } else {
        fields = "mouse=" + std::to_string(Toward(menu.cursorX, aimX)) + "," + std::to_string(Toward(menu.cursorY, aimY)) +
                 " buttons=0";
      }
    }
  }
  InjectInput(fields);
}
