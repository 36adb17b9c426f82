// Test support for driving the game headless.
#include "support/Headless.h"

#include <gtest/gtest.h>

#include "media/Media.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"

namespace {
bool started = false;
}  // namespace

void EnsureHeadlessMedia() {
  // The sound streams run threads of their own: death tests must start a fresh process.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  if (started) return;
  MediaOptions options;
  options.headless = true;
  options.seeded = true;
  options.seed = 7;
  MediaInit(options);
  InitSprites2D();
  InitKeyboard();
  InitSound();
  OpenFullScreen(1024, 768, 32, "test");
  started = true;
}

void ResetGameForTest() {
  EnsureHeadlessMedia();
  // The game runs from its folder, beside its packs.
  SetCurrentDirectory(GAME_DIR);
  ResetAllPlayState();
  settings = Settings{};
  settings.soundEnabled = false;
  settings.musicEnabled = false;
  // Let go of every key so that no release from an earlier test is pending.
  ReplayJournalText("1 keys= buttons=0\n");
  PresentFrame(0);
  SampleKeyboard();
  SampleMouse();
  KeyReleased(-1);
}

int RunFramesUntilExit(int limit) {
  for (int frame = 1; frame <= limit; ++frame) {
    PresentFrame(0);
    RunFrame();
    if (FrameLoopShouldExit()) return frame;
  }
  return limit;
}

bool MessageShown(const std::string& text) {
  bool found = false;
  lists.messages.ForEach([&](const Message& m) { found = found || m.text == text; });
  return found;
}

void ClickThroughScreens() {
  std::string journal;
  for (int frame = 1; frame < 3000; frame += 20) {
    journal += std::to_string(frame) + " buttons=1\n" + std::to_string(frame + 1) + " buttons=0\n";
  }
  ReplayJournalText(journal);
}
