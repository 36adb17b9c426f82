// The benchmark: a full level of moving tiles, 30 fire balls and explosions drawn through the normal
// frame procedures for a fixed number of frames, timed with the real clock.
#include "shell/Benchmark.h"
#include "front/Credits.h"
#include "front/CreditsScene.h"
#include "front/Menu.h"
#include "front/DuckBot.h"
#include "front/MinigameScreens.h"
#include "front/SugarBot.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "media/Engine3D.h"
#include "game/Hud.h"
#include "media/Media.h"
#include "media/WideSpans.h"
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

using Clock = std::chrono::steady_clock;
double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One scene's frames, phase by phase, in milliseconds.
struct SceneFigures {
  std::string name;
  std::vector<double> frame, simulation, scene, drawing, present;
  long triangles = 0;  // the 3D world's, over all frames
  double seconds = 0;  // the whole run of the scene

  void Add(const FramePhases& phases, double presentMs) {
    simulation.push_back(phases.simulation);
    scene.push_back(phases.scene);
    drawing.push_back(phases.drawing);
    present.push_back(presentMs);
    frame.push_back(phases.simulation + phases.scene + phases.drawing + presentMs);
  }
};

std::string Phase(const std::vector<double>& values) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f / %.2f", Percentile(values, 0.5), Percentile(values, 0.95));
  return text;
}

void PrintFigures(const SceneFigures& f) {
  long frames = static_cast<long>(f.frame.size());
  std::printf("%s: %ld frames, %.1f frames per second; frame median %.2f ms, 95th percentile %.2f ms\n", f.name.c_str(),
              frames, f.seconds > 0 ? static_cast<double>(frames) / f.seconds : 0.0, Percentile(f.frame, 0.5),
              Percentile(f.frame, 0.95));
  std::printf("  ms, median / 95th percentile: simulation %s, scene %s, 2D drawing %s, upload and present %s\n",
              Phase(f.simulation).c_str(), Phase(f.scene).c_str(), Phase(f.drawing).c_str(), Phase(f.present).c_str());
  if (f.triangles > 0) std::printf("  %ld triangles a frame\n", frames > 0 ? f.triangles / frames : 0);
}

std::string JsonPhase(const char* name, const std::vector<double>& values) {
  char text[128];
  std::snprintf(text, sizeof text, "\"%s\": {\"median\": %.4f, \"p95\": %.4f}", name, Percentile(values, 0.5),
                Percentile(values, 0.95));
  return text;
}

bool WriteJson(const std::string& path, const std::vector<SceneFigures>& scenes) {
  std::string json = "{\n  \"unit\": \"ms\",\n  \"threads\": " + std::to_string(DrawThreads()) +
                     ",\n  \"headless\": " + (IsHeadless() ? "true" : "false") + ",\n  \"scenes\": [\n";
  for (size_t i = 0; i < scenes.size(); ++i) {
    const SceneFigures& f = scenes[i];
    json += "    {\"name\": \"" + f.name + "\", \"frames\": " + std::to_string(f.frame.size()) + ", " +
            JsonPhase("frame", f.frame) + ", " + JsonPhase("simulation", f.simulation) + ", " +
            JsonPhase("scene", f.scene) + ", " + JsonPhase("drawing", f.drawing) + ", " +
            JsonPhase("present", f.present) + "}" + (i + 1 < scenes.size() ? ",\n" : "\n");
  }
  json += "  ]\n}\n";
  std::string error;
  bool written = WriteFileAtomically(path, json, error);
  if (!written) std::fprintf(stderr, "Could not write the benchmark figures to %s: %s\n", path.c_str(), error.c_str());
  return written;
}

// Times `frames` frames of a scene: the present, then `frame`, which fills in the phases it measures.
SceneFigures TimeFrames(const char* name, long frames, const std::function<void(long, FramePhases&)>& frame) {
  SceneFigures figures;
  figures.name = name;
  Clock::time_point start = Clock::now();
  for (long n = 0; n < frames; ++n) {
    Clock::time_point before = Clock::now();
    PresentFrame(0);
    double present = MillisecondsSince(before);
    FramePhases phases;
    frame(n, phases);
    figures.Add(phases, present);
  }
  figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return figures;
}

// The time `draw` takes with its queued drawing finished.
double DrawingMilliseconds(const std::function<void()>& draw) {
  Clock::time_point before = Clock::now();
  draw();
  FinishDrawing();
  return MillisecondsSince(before);
}

SceneFigures BusyScene(long frames) {
  SetUpScene();
  std::vector<int> kinds;
  lists.tiles.ForEach([&](const Tile& t) { kinds.push_back(t.sprite); });
  KeepSceneBusy(kinds);
  return TimeFrames("busy scene", frames, [&](long, FramePhases& phases) {
    framePhases = &phases;
    RunFrame();
    framePhases = nullptr;
    KeepSceneBusy(kinds);
  });
}

// The main menu as a player sees it after its intro: an entry chosen, the ball rolling with its sparks and the
// red bars, the background scrolling.
SceneFigures MenuFrames(long frames) {
  InitMenuState();
  LoadMenuAssets();
  ResetSparks();
  menu.selectedEntry = entryStartGame;
  SceneFigures figures = TimeFrames("main menu", frames, [](long, FramePhases& phases) {
    menu.idleFrames = 0;
    if (!menu.ballActive) {
      menu.ballActive = true;
      menu.ballX = -65;
    }
    phases.drawing = DrawingMilliseconds(MainMenuFrame);
  });
  FreeAllResources();
  return figures;
}

// The credits: the wire grid moved, projected and drawn line by line, the pictures and the text.
SceneFigures CreditsFrames(long frames) {
  ResetCreditsScene();
  LoadCreditsAssets();
  SceneFigures figures = TimeFrames("credits", frames, [](long, FramePhases& phases) {
    phases.drawing = DrawingMilliseconds(CreditsFrame);
  });
  FreeAllResources();
  return figures;
}

// A minigame played by its bot from its start: the rules and the bot's look ahead, then the frame drawn.
template <typename Game>
SceneFigures MinigameFrames(long frames, const char* name, Game& game, void (*load)(), void (*draw)(),
                            MinigameEvents (*step)(Game&, const MinigameInput&),
                            MinigameInput (*bot)(const Game&, MinigameBotMemory&)) {
  game = Game{};
  load();
  MinigameBotMemory memory;
  MinigameInput input;
  return TimeFrames(name, frames, [&](long, FramePhases& phases) {
    Clock::time_point before = Clock::now();
    input.quit = false;  // the bot would leave once it has won the life; the scene goes on
    step(game, input);
    input = bot(game, memory);
    phases.simulation = MillisecondsSince(before);
    phases.drawing = DrawingMilliseconds(draw);
  });
}

// A 3D scene alone in the playfield, one RenderWorld (with the scene's own motion) a frame.
SceneFigures Scene3D(long frames, int level, const char* name) {
  play.difficulty = difficultyNormal;
  play.levelIndex = level;
  BuildScene3D();
  long triangles = 0;
  SceneFigures figures = TimeFrames(name, frames, [&](long frame, FramePhases& phases) {
    Clock::time_point before = Clock::now();
    play.frameTick = static_cast<int>(frame);
    StepScene3D();
    phases.simulation = MillisecondsSince(before);
    phases.scene = DrawingMilliseconds([] {
      ClearFrame(0);
      SetViewport(fieldLeft, fieldTop + 12, fieldWidth, fieldHeight - 12);
      DrawScene3D();
    });
    triangles += RenderedTriangleCount();
    FullViewport();
  });
  figures.triangles = triangles;
  return figures;
}

}  // namespace

int RunBenchmark(long frames, const std::string& jsonPath) {
  StartDevices();
  LoadMainAssets();
  std::vector<SceneFigures> scenes;
  scenes.push_back(BusyScene(frames));
  scenes.push_back(MenuFrames(frames));
  scenes.push_back(CreditsFrames(frames));
  scenes.push_back(MinigameFrames(frames, "duck shooting (its bot playing)", duck, LoadDuckPictures, DrawDuckFrame,
                                  StepDuck, DuckBotInput));
  scenes.push_back(MinigameFrames(frames, "sugar (its bot playing)", sugar, LoadSugarPictures, DrawSugarFrame,
                                  StepSugar, SugarBotInput));
  InitEngine3D();
  if (Add3DArchive("packs\\3d.zip", 1)) {
    settings.engine3DAvailable = true;
    settings.effectsEnabled = true;
    scenes.push_back(Scene3D(frames, 0, "level 1, sea of fire (3D)"));
    scenes.push_back(Scene3D(frames, 5, "level 6, pulsar (3D)"));
  } else {
    std::printf("3D scenes: packs/3d.zip is missing\n");
  }
  ShutdownEngine3D();

  int moving = 0;
  lists.tiles.ForEach([&](const Tile& t) { moving += t.keyCount > 1 ? 1 : 0; });
  std::printf("benchmark: the busy scene has %d moving tiles (broken ones come back), %d balls with fire trails, "
              "big explosions every third frame, the HUD and the level's background\n",
              moving, benchmarkBalls);
  std::printf("drawn %s by the processor into a 1024 x 768 frame with %d drawing thread%s (%s loops), uncapped\n",
              IsHeadless() ? "headless" : "in a window", DrawThreads(), DrawThreads() == 1 ? "" : "s",
              media::WideSpansOn() ? "AVX2" : "SSE2");
  for (const SceneFigures& f : scenes) PrintFigures(f);
  std::fflush(stdout);
  if (!jsonPath.empty() && !WriteJson(jsonPath, scenes)) return 1;
  return 0;
}
