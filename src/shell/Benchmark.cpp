// The benchmark: a full level of moving tiles, 30 fire balls and explosions drawn through the normal
// frame procedures for a fixed number of frames, timed with the real clock.
#include "shell/Benchmark.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "media/Engine3D.h"
#include "media/Media.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/Scene.h"
#include "game/Scene3D.h"
#include "game/TileHits.h"
#include "game/Tiles.h"
#include "runtime/Loaders.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"

namespace {

constexpr int benchmarkBalls = 30;
constexpr int benchmarkLevel = 60;  // its theme and background stand behind the scene
constexpr int columns = 10, rows = 14;

// The kinds of the busy level, row by row: colours, multi-hit tiles, a row with teleporters and walls.
int KindOfRow(int row, int column) {
  static const int colours[] = {tileRed, tileGreen, tileBlue, tileYellow, tileMagenta, tileCyan, tileWhite, tileBlack};
  if (row == 4) return column % 3 == 0 ? tileTeleporter : tileUnbreakable;
  if (row == 9) return column % 2 ? tileThreeHits : tileTwoHits;
  return colours[(row + column) % 8];
}

// Every tile glides on its own little rectangle, as a moving level's tiles do.
void BuildBusyLevel() {
  lists.tiles.Clear();
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      Tile* tile = lists.tiles.Add();
      tile->sprite = KindOfRow(row, column);
      tile->alive = true;
      tile->width = SpritePixelWidth(tile->sprite);
      tile->height = SpritePixelHeight(tile->sprite);
      float x = 142 + 68.0f * column - (row % 2 ? 20 : 0), y = 60 + 24.0f * row;
      const float dx[] = {0, 24, 24, 0}, dy[] = {0, 0, 8, 8};
      tile->keyCount = 4;
      for (int k = 0; k < 4; ++k) {
        int at = (k + row + column) % 4;
        tile->keyX[k] = x + dx[at];
        tile->keyY[k] = y + dy[at];
        tile->keySeconds[k] = 1;
      }
      tile->x = tile->keyX[0];
      tile->y = tile->keyY[0];
      tile->startX = static_cast<int>(tile->x);
      tile->startY = static_cast<int>(tile->y);
      tile->secondsLeft = 1;
      tile->vx = (tile->keyX[1] - tile->keyX[0]) / framesPerSecond;
      tile->vy = (tile->keyY[1] - tile->keyY[0]) / framesPerSecond;
    }
  }
  play.frameCounter = 0;
}

void AddBenchmarkBall() {
  float x = static_cast<float>(fieldLeft + 40 + RandomUpTo(fieldWidth - 80));
  float vx = static_cast<float>(RandomUpTo(10) - 5) + 0.5f;
  float vy = -static_cast<float>(3 + RandomUpTo(4));
  AddBall(x, 560, vx, vy, 8, ball16Picture);
}

// The scene stays as busy as it started: broken tiles come back, lost balls are replaced, the fire
// burns on, explosions keep coming and the level never ends.
void KeepSceneBusy(const std::vector<int>& kinds) {
  int index = 0;
  lists.tiles.Reset();
  while (Tile* tile = lists.tiles.Next()) {
    if (!tile->alive) {
      tile->alive = true;
      tile->sprite = kinds[index];
    }
    ++index;
  }
  play.levelWon = play.levelEnding = play.restartLevel = play.gameFrozen = false;
  play.fireOn = true;
  play.fireTimer = 500;
  while (lists.balls.Count() < benchmarkBalls) AddBenchmarkBall();
  if (play.frameTick % 3 == 0) {
    AddExplosion(fieldLeft + RandomUpTo(fieldWidth), fieldTop + RandomUpTo(500), 96 + RandomUpTo(64));
  }
}

void StartDevices() {
  settings.fontRegistered = RegisterFontFile("DESIB___.ttf", "Designer Block");
  if (!InitSprites2D()) Alert("Graphic (2D) initialisation problem: " + LastMediaError());
  if (!InitQuads3D()) Alert("Graphic (3D) initialisation problem");
  InitKeyboard();
  InitMouse();
  InitSound();
  OpenGameScreen();
  ReseedRandom();
  LoadGameFonts();
  settings.playerName = "Benchmark";
  settings.musicEnabled = false;
  settings.internetEnabled = false;
}

void SetUpScene() {
  play = PlayState{};
  play.difficulty = difficultyNormal;
  play.levelIndex = benchmarkLevel;
  ResetLevelState();
  FreeAllResources();
  BuildBusyLevel();
  SetUpLevel();
  BuildTeleporterList();
  play.tileOffsetY = 0;
  play.servePending = false;
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  size_t at = static_cast<size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

// The 3D scenes drawn alone into the playfield, one RenderWorld (with the scene's own motion) per frame.
void Benchmark3DScenes(long frames) {
  InitEngine3D();
  if (!Add3DArchive("packs\\3d.zip", 1)) {
    std::printf("3D scenes: packs/3d.zip is missing\n");
    return;
  }
  settings.engine3DAvailable = true;
  settings.effectsEnabled = true;
  const struct {
    int level;
    const char* name;
  } scenes[] = {{0, "sea of fire"}, {5, "pulsar"}};
  for (const auto& scene : scenes) {
    play.difficulty = difficultyNormal;
    play.levelIndex = scene.level;
    BuildScene3D();
    std::vector<double> milliseconds, filling;
    long triangles = 0;
    for (long frame = 0; frame < frames; ++frame) {
      play.frameTick = static_cast<int>(frame);
      ClearFrame(0);
      SetViewport(fieldLeft, fieldTop + 12, fieldWidth, fieldHeight - 12);
      StepScene3D();
      auto before = std::chrono::steady_clock::now();
      DrawScene3D();
      milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count());
      triangles += RenderedTriangleCount();
      filling.push_back(RenderWorldDrawMilliseconds());
      FullViewport();
      PresentFrame(0);
    }
    double median = Percentile(milliseconds, 0.5), fill = Percentile(filling, 0.5);
    std::printf("3D scene (level %d, %s): %ld triangles, %.2f ms per RenderWorld (median; %.2f ms transforming, "
                "lighting, clipping and sorting, %.2f ms filling the pixels), %.2f ms (95th percentile)\n",
                scene.level + 1, scene.name, frames > 0 ? triangles / frames : 0, median, median - fill, fill,
                Percentile(milliseconds, 0.95));
  }
  ShutdownEngine3D();
}

}  // namespace

int RunBenchmark(long frames) {
  StartDevices();
  LoadMainAssets();
  SetUpScene();
  std::vector<int> kinds;
  lists.tiles.ForEach([&](const Tile& t) { kinds.push_back(t.sprite); });
  KeepSceneBusy(kinds);

  std::vector<double> milliseconds;
  milliseconds.reserve(static_cast<size_t>(frames));
  using Clock = std::chrono::steady_clock;
  Clock::time_point start = Clock::now();
  for (long frame = 0; frame < frames; ++frame) {
    Clock::time_point before = Clock::now();
    PresentFrame(0);
    RunFrame();
    Clock::time_point after = Clock::now();
    milliseconds.push_back(std::chrono::duration<double, std::milli>(after - before).count());
    KeepSceneBusy(kinds);
  }
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();

  int moving = 0;
  lists.tiles.ForEach([&](const Tile& t) { moving += t.keyCount > 1 ? 1 : 0; });
  std::printf("benchmark: %ld frames of a busy scene: %d moving tiles (broken ones come back), %d balls with fire "
              "trails, big explosions every third frame, the HUD and the level's background\n",
              frames, moving, benchmarkBalls);
  std::printf("drawn headless, uncapped, by SDL's software renderer into a 1024 x 768 surface: the figures measure "
              "that renderer on this machine's processor, not a graphics card\n");
  std::printf("frames per second: %.1f\n", seconds > 0 ? static_cast<double>(frames) / seconds : 0.0);
  std::printf("frame time median: %.2f ms\n", Percentile(milliseconds, 0.5));
  std::printf("frame time 95th percentile: %.2f ms\n", Percentile(milliseconds, 0.95));
  Benchmark3DScenes(frames);
  std::fflush(stdout);
  return 0;
}
