// The console's panel: the slide, the keys typed into it, and its two layers (a drifting green grid under blue text).
#include <cmath>
#include <string>
#include <vector>

#include "base/AssetNames.h"
#include "front/Console.h"
#include "game/PlayState.h"
#include "media/Media.h"

namespace {

constexpr int textLayer = screenStripPictures, gridLayer = screenStripPictures + 1;
constexpr float slideStep = 4.5f;  // pixels a frame: 43 frames each way
constexpr int caretFrames = 18;    // a blank for 6 frames, then the underscore for 12

void DrawGridLayer() {
  console.gridOffsetX += 0.5f;
  console.gridOffsetY += 0.5f;
  if (console.gridOffsetX >= 32) console.gridOffsetX = 0;
  if (console.gridOffsetY >= 32) console.gridOffsetY = 0;
  if (!BeginDraw(DrawTargetKind::Sprite, gridLayer)) return;
  FillBox(0, 0, 1024, consoleHeight, 0);
  // Squares of 16 pixels drawn edge to edge: each square's outline, as lines laid at once.
  const int green = ColorRGB(0, 255, 0);
  const int dx = static_cast<int>(std::lround(console.gridOffsetX)), dy = static_cast<int>(std::lround(console.gridOffsetY));
  std::vector<LineSegment> lines;
  for (int y = -32; y <= consoleHeight; y += 16) {
    int top = y + dy;
    lines.push_back({-32 + dx, top, 1024 + 15 + dx, top, green});
    lines.push_back({-32 + dx, top + 15, 1024 + 15 + dx, top + 15, green});
  }
  for (int x = -32; x <= 1024; x += 16) {
    int left = x + dx;
    lines.push_back({left, -32 + dy, left, consoleHeight + 15 + dy, green});
    lines.push_back({left + 15, -32 + dy, left + 15, consoleHeight + 15 + dy, green});
  }
  DrawLines(lines.data(), static_cast<int>(lines.size()));
  EndDraw();
}

void DrawTextLayer() {
  if (!BeginDraw(DrawTargetKind::Sprite, textLayer)) return;
  FillBox(0, 0, 1024, consoleHeight, ColorRGB(0, 0, 255));
  SetDrawFont(-1);
  SetDrawMode(kDrawTransparentText);
  float top = -console.scrollOffset - static_cast<float>(console.wheelOffset);
  for (size_t i = 0; i < console.lines.size(); ++i) {
    int y = static_cast<int>(top + consoleLineHeight * static_cast<float>(i));
    if (y <= -consoleLineHeight || y >= consoleHeight) continue;
    DrawTextAt(5, y, console.lines[i], ColorRGB(255, 255, 255));
  }
  std::string caret = console.caretFrames % caretFrames < 6 ? " " : "_";
  int promptY = static_cast<int>(top + consoleLineHeight * static_cast<float>(console.lines.size()));
  DrawTextAt(5, promptY, "Command : " + console.commandLine + caret, ColorRGB(0, 255, 200));
  SetDrawMode(0);
  EndDraw();
}

}  // namespace

void DrawConsole() {
  float y = std::round(console.panelY);
  DrawQuad(gridLayer, 0, y);
  DrawQuadAlpha(textLayer, 0, y, 200);
}

void ConsoleCommand() {
  if (console.slide == ConsoleSlide::Down) {
    console.panelY += slideStep;
    if (console.panelY >= 0) {
      console.panelY = 0;
      console.slide = ConsoleSlide::Open;
      console.wheelOffset = 0;
      console.scrollOffset = (static_cast<float>(console.lines.size()) - 4) * consoleLineHeight;
    }
  }
  if (KeyHeld(Key::PageUp) && console.slide == ConsoleSlide::Open) console.slide = ConsoleSlide::Up;
  if (console.slide == ConsoleSlide::Up) {
    console.panelY -= slideStep;
    if (console.panelY <= -consoleHeight) {
      console.panelY = -consoleHeight;
      console.slide = ConsoleSlide::Down;
      play.consoleOpen = false;
      play.gameFrozen = false;
    }
  }
  // Open, the game stands still, also through a level change made from the console.
  if (console.slide == ConsoleSlide::Open) {
    play.gameFrozen = true;
    console.commandLine += TypedKeys();
  }
  if (KeyReleased(Key::Backspace) && !console.commandLine.empty()) console.commandLine.pop_back();
  if (KeyHeld(Key::Up)) console.commandLine = console.lastCommand;
  if (KeyReleased(Key::Enter)) ExecuteConsoleLine(console.commandLine);
  if (!play.consoleOpen) return;
  DrawGridLayer();
  DrawTextLayer();
  console.caretFrames += 1;
  int wheel = PointerWheel();
  if (wheel > 0) console.wheelOffset += 20;
  if (wheel < 0) console.wheelOffset -= 20;
}
