// Drawing leaves the play alone: the same frames, drawn or not, with the effects on or off, end in the same play.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "game/Autoplay.h"
#include "game/Capsules.h"
#include "game/ExtrasState.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"
#include "support/Headless.h"

namespace {

struct Outcome {
  uint64_t digest = 0;
  int64_t score = 0;
  long smokePuffs = 0;  // puffs seen over the run, frame by frame
};

// A level with monsters, played by autoplay with a missile loading and a fire capsule falling onto the
// ship, so that smoke, fire trails, explosions and effects all run. `effects` says, frame by frame, whether
// the effects are on; `drawn` whether the frame is drawn.
Outcome Play(const std::function<bool(int)>& effects, const std::function<bool(int)>& drawn) {
  ResetGameForTest();
  static bool assetsLoaded = false;
  if (!assetsLoaded) {
    LoadMainAssets();
    assetsLoaded = true;
  }
  SeedRandom(11);
  ResetAutoplay();
  play.levelIndex = 5;
  settings.effectsEnabled = effects(0);
  StartLevel();
  play.missileArmed = true;
  play.missileCountdown = 150;
  ReleaseCapsule(ship.x, ship.y - 200, capsuleFire);
  settings.autoplay = true;
  Outcome outcome;
  for (int frame = 1; frame <= 300; ++frame) {
    settings.effectsEnabled = effects(frame);
    AutoplayFrame();
    PresentFrame(0);
    RunFrame(drawn(frame));
    for (const SmokePuff& puff : extras.smoke) outcome.smokePuffs += puff.active ? 1 : 0;
  }
  settings.autoplay = false;
  settings.effectsEnabled = true;
  outcome.digest = PlayStateDigest();
  outcome.score = play.score;
  return outcome;
}

TEST(Drawing, NeitherTheEffectsNorTheDrawingItselfChangeThePlay) {
  auto always = [](int) { return true; };
  Outcome shown = Play(always, always);
  ASSERT_GT(shown.smokePuffs, 0) << "the missile flew and smoked";
  ASSERT_GT(shown.score, 0);
  EXPECT_GT(runCounts.missilesLaunched, 0);
  EXPECT_GT(runCounts.capsulesCaught, 0) << "the fire ball burned";

  Outcome effectsOff = Play([](int) { return false; }, always);
  EXPECT_EQ(effectsOff.digest, shown.digest) << "effects off from the level's start";
  EXPECT_EQ(effectsOff.smokePuffs, shown.smokePuffs) << "smoke runs whether it is shown or not";

  // F2 pressed now and then, and frames left undrawn as a slow machine would.
  Outcome toggled = Play([](int frame) { return (frame / 37) % 2 == 0; }, [](int frame) { return frame % 3 != 0; });
  EXPECT_EQ(toggled.digest, shown.digest);

  Outcome undrawn = Play(always, [](int) { return false; });
  EXPECT_EQ(undrawn.digest, shown.digest) << "no frame drawn at all";
  EXPECT_EQ(undrawn.score, shown.score);
}

TEST(Drawing, AScreenshotTakesTheFirstFreeNumberAndLeavesThePlayAlone) {
  namespace fs = std::filesystem;
  auto run = [](const char* journal) {
    ResetGameForTest();
    SeedRandom(3);
    StartLevel();
    ReplayJournalText(journal);
    for (int frame = 0; frame < 4; ++frame) {
      PresentFrame(0);
      RunFrame();
    }
    return PlayStateDigest();
  };
  ResetGameForTest();
  bool madeFolder = fs::create_directories("screenshots");
  auto pictures = [] {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator("screenshots")) names.insert(entry.path().filename().string());
    return names;
  };
  // Whatever stands under a name takes it, a link to nothing and a folder too: neither is replaced.
  int firstFree = 1;
  while (fs::exists(fs::symlink_status("screenshots/screenshot" + std::to_string(firstFree) + ".bmp"))) ++firstFree;
  std::string link = "screenshots/screenshot" + std::to_string(firstFree) + ".bmp";
  std::string folder = "screenshots/screenshot" + std::to_string(firstFree + 1) + ".bmp";
  fs::create_symlink("nowhere.bmp", link);
  fs::create_directory(folder);
  std::set<std::string> before = pictures();
  int expected = firstFree + 2;
  uint64_t plain = run("1 keys=\n");
  uint64_t shot = run("1 keys=31\n2 keys=\n");  // S pressed and let go
  EXPECT_EQ(shot, plain);
  std::set<std::string> after = pictures();
  EXPECT_EQ(after.size(), before.size() + 1);
  EXPECT_TRUE(after.count("screenshot" + std::to_string(expected) + ".bmp"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_TRUE(fs::is_directory(folder));
  // A second picture in the same second takes the next number.
  run("1 keys=31\n2 keys=\n");
  EXPECT_TRUE(fs::exists("screenshots/screenshot" + std::to_string(expected + 1) + ".bmp"));
  fs::remove(link);
  fs::remove(folder);
  after = pictures();
  for (const std::string& name : after) {
    if (!before.count(name)) fs::remove(fs::path("screenshots") / name);
  }
  if (madeFolder) fs::remove("screenshots");
}

}  // namespace
