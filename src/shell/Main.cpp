// The program's entry: reads the command line, moves into the game folder, starts the layer and the game.
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "media/Media.h"
#include "shell/Benchmark.h"
#include "shell/Options.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  std::string caller = CurrentDirectory();
  RunOptions options;
  std::string error;
  if (!ParseOptions(words, caller, options, error)) {
    std::fprintf(stderr, "novabouncer: %s\n%s", error.c_str(), UsageText());
    return 2;
  }
  if (options.help) {
    std::printf("%s", UsageText());
    return 0;
  }
  // The game reads its packs and writes its files beside the executable.
  std::error_code ignored;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ignored);
  if (!ignored && exe.has_parent_path()) SetCurrentDirectory(exe.parent_path().string());

  SetArguments(options.arguments);
  SetReportPath(options.reportPath);
  settings.startLevel = options.startLevel;
  settings.startHard = options.hard;
  settings.continueAtStart = options.continueGame;
  settings.scoreServer = options.scoreServer;
  settings.autoplay = options.autoplay;
  settings.screenOnly = options.screen;
  // The benchmark counts its own frames: the layer must not end the program before the figures.
  long benchmarkFrames = options.media.frameLimit > 0 ? options.media.frameLimit : benchmarkDefaultFrames;
  if (options.media.benchmark) options.media.frameLimit = 0;
  if (!MediaInit(options.media)) {
    std::fprintf(stderr, "novabouncer: the platform layer could not start\n");
    return 1;
  }
  if (!OpenAudioOut()) {
    std::fprintf(stderr, "novabouncer: %s\n", LastMediaError().c_str());
    return 1;
  }
  SetProgramEndHook(EndOfRun);
  if (options.media.benchmark) EndProgram(RunBenchmark(benchmarkFrames, options.benchmarkJsonPath));
  StartUp();
  if (!settings.screenOnly.empty()) RunScreenOnly(settings.screenOnly);
  RunGameCycle();
}
