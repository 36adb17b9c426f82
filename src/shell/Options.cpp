// Reading the command line into the run's options.
#include "shell/Options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "base/WholeNumber.h"

namespace {

std::string FromCaller(const std::string& path, const std::string& callerDirectory) {
  if (path.empty() || path[0] == '/' || callerDirectory.empty()) return path;
  return callerDirectory + "/" + path;
}

// The same file named twice, also through another spelling or a link; nothing is opened.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  if (std::filesystem::equivalent(a, b, ignored)) return true;
  auto canonicalA = std::filesystem::weakly_canonical(a, ignored);
  auto canonicalB = std::filesystem::weakly_canonical(b, ignored);
  return a == b || (!canonicalA.empty() && canonicalA == canonicalB);
}

// Options that each read well but cannot go together.
bool CheckCombinations(const RunOptions& options, std::string& error) {
  const MediaOptions& media = options.media;
  if (!media.recordPath.empty() && !media.replayPath.empty() && SameFile(media.recordPath, media.replayPath)) {
    error = "--record and --replay name the same file " + media.replayPath +
            ": recording would destroy the journal being replayed";
    return false;
  }
  const std::pair<const char*, const std::string*> others[] = {
      {"--replay", &media.replayPath}, {"--record", &media.recordPath}, {"--report", &options.reportPath}};
  for (const auto& [name, path] : others) {
    if (!media.audioOutPath.empty() && !path->empty() && SameFile(media.audioOutPath, *path)) {
      error = std::string("--audio-out and ") + name + " name the same file " + media.audioOutPath +
              ": one would overwrite the other";
      return false;
    }
  }
  if (options.hard && options.startLevel < 0) {
    error = options.continueGame ? "--continue continues a game of the normal set: --hard cannot go with it"
                                 : "--hard chooses the level set of --start-level: give both";
    return false;
  }
  if (!options.screen.empty() && (options.startLevel >= 0 || options.continueGame)) {
    error = "--screen and --minigame run one screen by itself: --start-level and --continue cannot go with it";
    return false;
  }
  if (options.continueGame && options.startLevel >= 0) {
    error = "--continue starts on the saved game's level: --start-level cannot go with it";
    return false;
  }
  for (const auto& [frame, path] : media.screenshots) {
    if (media.frameLimit > 0 && frame >= media.frameLimit) {
      error = "--screenshot frame " + std::to_string(frame) + " is never shown: --frames " +
              std::to_string(media.frameLimit) + " ends the run after frame " + std::to_string(media.frameLimit - 1);
      return false;
    }
  }
  return true;
}

}  // namespace

const char* UsageText() {
  return "usage: novabouncer [options] [player name] [password]\n"
         "  --headless              no window and no sound; frames run as fast as possible on a virtual clock\n"
         "  --windowed              a resizable window instead of the full screen\n"
         "  --seed N                fix the random numbers\n"
         "  --frames N              end cleanly after N frames\n"
         "  --screenshot F:FILE.png save frame F as a PNG picture (repeatable)\n"
         "  --record FILE           write every frame's input to FILE\n"
         "  --replay FILE           play the input of FILE instead of the devices\n"
         "  --report FILE           write a JSON summary of the run when it ends\n"
         "  --audio-out FILE.wav    record everything the game plays as a 16-bit stereo WAV (44100 Hz)\n"
         "  --start-level N         start a game at once on level index N\n"
         "  --hard                  with --start-level: the hard level set\n"
         "  --score-server URL      the score server's base address for this run (http:// or https://)\n"
         "  --continue              continue the saved game of the player named (or of Player 1) at once\n"
         "  --autoplay              the game plays by itself, from the logos and the menu on\n"
         "  --screen NAME           run one screen and exit: logos, menu, intro, ending, gameover or credits\n"
         "  --minigame NAME         run one minigame and exit: duel, tetris, duck or sugar\n"
         "  --benchmark             a busy scene, uncapped, with frame-time figures\n"
         "  --benchmark-json FILE   with --benchmark: the figures also as JSON in FILE\n"
         "  --gpu                   in a window, SDL's accelerated renderer draws instead of the processor\n"
         "  --threads N             threads drawing the frame, 1 to 16 (default: one per processor core)\n"
         "  --no-avx2               draw with the SSE2 loops only, even where the processor has AVX2\n";
}

bool ParseOptions(const std::vector<std::string>& words, const std::string& callerDirectory, RunOptions& options,
                  std::string& error) {
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.rfind("--", 0) != 0) {
      options.arguments.push_back(word);
      continue;
    }
    auto value = [&](std::string& out) {
      if (i + 1 >= words.size()) {
        error = word + " needs a value";
        return false;
      }
      out = words[++i];
      return true;
    };
    std::string text;
    long number = 0;
    if (word == "--headless") {
      options.media.headless = true;
    } else if (word == "--windowed") {
      options.media.windowed = true;
    } else if (word == "--hard") {
      options.hard = true;
    } else if (word == "--autoplay") {
      options.autoplay = true;
    } else if (word == "--continue") {
      options.continueGame = true;
    } else if (word == "--benchmark") {
      options.media.benchmark = true;
      options.media.headless = true;
    } else if (word == "--gpu") {
      options.media.gpu = true;
    } else if (word == "--no-avx2") {
      options.media.wideSpans = false;
    } else if (word == "--threads") {
      if (!value(text)) return false;
      if (!ReadWholeNumber(text, 1, 16, number)) {
        error = "--threads takes a whole number from 1 to 16, not \"" + text + "\"";
        return false;
      }
      options.media.threads = static_cast<int>(number);
    } else if (word == "--uneven-clock") {
      // Test-only, left out of the usage: the headless clock ticks as unevenly as a busy window's.
      options.media.unevenClock = true;
    } else if (word == "--help") {
      options.help = true;
    } else if (word == "--seed") {
      if (!value(text)) return false;
      char* end = nullptr;
      errno = 0;
      unsigned long long seed = std::strtoull(text.c_str(), &end, 10);
      if (text.empty() || *end != '\0' || errno != 0 || text[0] == '-') {
        error = "--seed takes a whole number, not \"" + text + "\"";
        return false;
      }
      options.media.seeded = true;
      options.media.seed = seed;
    } else if (word == "--frames") {
      if (!value(text)) return false;
      if (!ReadWholeNumber(text, 1, LONG_MAX, number)) {
        error = "--frames takes a positive whole number, not \"" + text + "\"";
        return false;
      }
      options.media.frameLimit = number;
    } else if (word == "--screenshot") {
      if (!value(text)) return false;
      auto colon = text.find(':');
      if (colon == std::string::npos || !ReadWholeNumber(text.substr(0, colon), 0, LONG_MAX, number) ||
          colon + 1 >= text.size()) {
        error = "--screenshot takes FRAME:FILE.png, not \"" + text + "\"";
        return false;
      }
      options.media.screenshots.emplace_back(number, FromCaller(text.substr(colon + 1), callerDirectory));
    } else if (word == "--record" || word == "--replay" || word == "--report" || word == "--benchmark-json" ||
               word == "--audio-out") {
      if (!value(text)) return false;
      std::string path = FromCaller(text, callerDirectory);
      if (word == "--benchmark-json") options.benchmarkJsonPath = path;
      if (word == "--record") options.media.recordPath = path;
      if (word == "--replay") options.media.replayPath = path;
      if (word == "--report") options.reportPath = path;
      if (word == "--audio-out") options.media.audioOutPath = path;
    } else if (word == "--score-server") {
      if (!value(text)) return false;
      if ((text.rfind("http://", 0) != 0 && text.rfind("https://", 0) != 0) || text.size() > 512 ||
          text.find_first_of(" \t\r\n?#") != std::string::npos) {
        error = "--score-server takes a web address such as http://localhost:8080, not \"" + text + "\"";
        return false;
      }
      options.scoreServer = text;
    } else if (word == "--lose-focus") {
      // Test-only, left out of the usage: FRAME:FRAMES, the window loses the focus at that frame for so many.
      if (!value(text)) return false;
      auto colon = text.find(':');
      long frames = 0;
      if (colon == std::string::npos || !ReadWholeNumber(text.substr(0, colon), 1, LONG_MAX / 2, number) ||
          !ReadWholeNumber(text.substr(colon + 1), 1, LONG_MAX / 2, frames)) {
        error = "--lose-focus takes FRAME:FRAMES, two whole numbers above 0, not \"" + text + "\"";
        return false;
      }
      options.media.focusLossFrame = number;
      options.media.focusLossFrames = frames;
    } else if (word == "--screen") {
      if (!value(text)) return false;
      static const char* const names[] = {"logos", "menu", "intro", "ending", "gameover", "credits"};
      bool known = false;
      for (const char* name : names) known = known || text == name;
      if (!known) {
        error = "--screen takes logos, menu, intro, ending, gameover or credits, not \"" + text + "\"";
        return false;
      }
      options.screen = text;
    } else if (word == "--minigame") {
      if (!value(text)) return false;
      if (text != "duel" && text != "tetris" && text != "duck" && text != "sugar") {
        error = "--minigame takes duel, tetris, duck or sugar, not \"" + text + "\"";
        return false;
      }
      options.screen = text;
    } else if (word == "--start-level") {
      if (!value(text)) return false;
      if (!ReadWholeNumber(text, 0, 102, number) || number == 101) {
        error = "--start-level takes a level index from 0 to 99 (0 to 50 with --hard), 100 (the last chance) or 102 "
                "(the bonus level), not \"" + text + "\"";
        return false;
      }
      options.startLevel = static_cast<int>(number);
    } else {
      error = "unknown option " + word;
      return false;
    }
  }
  if (options.hard && options.startLevel > 50 && options.startLevel < 100) {
    error = "the hard set has no level index " + std::to_string(options.startLevel) +
            ": --start-level takes 0 to 50, 100 or 102 with --hard";
    return false;
  }
  return CheckCombinations(options, error);
}
