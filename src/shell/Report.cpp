// The JSON summary of a run, written once when the program ends.
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "base/AtomicFile.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "runtime/SoundCues.h"
#include "shell/Shell.h"

namespace {

std::string reportPath;

// The presents at which the run started the effects of `kinds`, as one line of numbers.
std::string CueFrames(std::initializer_list<Sound> kinds) {
  std::string out;
  for (const EffectCue& cue : EffectCues()) {
    for (Sound kind : kinds) {
      if (cue.sound != kind) continue;
      if (!out.empty()) out += ' ';
      out += std::to_string(cue.frame);
      break;
    }
  }
  return out;
}
bool reportWritten = false;

std::string JsonText(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 32 || c > 126) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace

void SetReportPath(const std::string& path) {
  reportPath = path;
  reportWritten = false;
}

bool EndOfRun() {
  OutsideEnd outside = OutsideEndRequest();
  if (outside == OutsideEnd::windowClosed) SetEndReason("closed");
  if (outside == OutsideEnd::signal) SetEndReason("signal");
  FinishGameOnProgramEnd();
  return WriteRunReport(EndReason());
}

bool WriteRunReport(const std::string& reason) {
  if (reportPath.empty() || reportWritten) return true;
  reportWritten = true;
  std::string error;
  // Where the run's recording should hold the ball's bounces, the tiles' shattering and the capsules' sounds.
  const std::string bounces = CueFrames({Sound::Bounce, Sound::ThreadBounce, Sound::BallClink});
  const std::string tiles = CueFrames({Sound::TileShatter});
  const std::string capsules = CueFrames({Sound::BonusCaught, Sound::Chimes, Sound::Shimmer, Sound::ExtraLife,
                                          Sound::MissileLoading, Sound::Tilt});
  std::string everything;
  for (const EffectCue& cue : EffectCues()) everything += (everything.empty() ? "" : " ") + std::to_string(cue.frame);
  auto write = [&](const std::string& temporary, std::string& why) {
    FILE* file = std::fopen(temporary.c_str(), "w");
    if (file == nullptr) {
      why = std::strerror(errno);
      return false;
    }
    std::fprintf(file,
                 "{\n  \"reason\": %s,\n  \"frames\": %ld,\n  \"levelIndex\": %d,\n  \"difficulty\": %d,\n"
                 "  \"score\": %" PRId64 ",\n  \"lives\": %d,\n  \"letterMask\": %d,\n  \"digest\": \"%016" PRIx64
                 "\",\n  \"tilesDestroyed\": %ld,\n  \"capsulesCaught\": %ld,\n  \"laserShots\": %ld,\n"
                 "  \"missilesLaunched\": %ld,\n  \"bulletsFired\": %ld,\n  \"monstersDestroyed\": %ld,\n"
                 "  \"bossHits\": %ld,\n  \"gamesEnded\": %ld,\n  \"lastGameCause\": %s,\n"
                 "  \"lastGameScore\": %" PRId64 ",\n  \"lastGameLevelIndex\": %d,\n  \"lastGameDifficulty\": %d,\n"
                 "  \"effectsStarted\": %zu,\n  \"bounceSoundFrames\": %s,\n  \"tileSoundFrames\": %s,\n"
                 "  \"capsuleSoundFrames\": %s,\n  \"effectSoundFrames\": %s\n}\n",
                 JsonText(reason).c_str(), PresentedFrames(), play.levelIndex, play.difficulty, play.score, play.lives,
                 play.letterMask, PlayStateDigest(), runCounts.tilesDestroyed, runCounts.capsulesCaught,
                 runCounts.laserShots, runCounts.missilesLaunched, runCounts.bulletsFired, runCounts.monstersDestroyed,
                 runCounts.bossHits, endedGames.count,
                 JsonText(endedGames.count > 0 ? GameEndCauseName(endedGames.cause) : "").c_str(), endedGames.score,
                 endedGames.levelIndex, endedGames.difficulty, EffectCues().size(), JsonText(bounces).c_str(),
                 JsonText(tiles).c_str(), JsonText(capsules).c_str(), JsonText(everything).c_str());
    return std::fclose(file) == 0;
  };
  if (WriteThroughTemporary(reportPath, write, error)) return true;
  std::fprintf(stderr, "Cannot write the report %s: %s\n", reportPath.c_str(), error.c_str());
  return false;
}
