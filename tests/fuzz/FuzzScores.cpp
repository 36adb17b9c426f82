// Fuzz target: the readers of score data from outside the game take any bytes: a local score file, a server's
// live-scores answer, saved-game texts from config, and what the score server unscrambles from a request.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Compress.h"
#include "base/LiveScoreAnswer.h"
#include "base/SavedGameCode.h"
#include "base/ScoreBlock.h"
#include "base/ScoreScramble.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::array<uint8_t, kScoreBlockBytes> block{};
  ScoreRows rows;
  if (DecompressBlock(data, size, block.data(), block.size()) == static_cast<long>(kScoreBlockBytes)) {
    DecodeScoreBlock(block, rows);
  }
  std::string text(reinterpret_cast<const char*>(data), size);
  if (ReadLiveScores(text, rows)) {
    // What was read is a table a server could send again.
    for (const ScoreEntry& row : rows) (void)row.name.size();
  }
  DecodeSmall(text);
  DecodeScore(text);
  std::string decoded;
  if (PercentDecode(text, decoded)) UnscrambleScore(decoded);
  UnscrambleScore(text);
  return 0;
}
