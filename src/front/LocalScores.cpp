// The local score tables: the ten best results of each level set in a compressed block under packs/.
#include "front/Scores.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "base/Compress.h"
#include "base/Playfield.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"

ScoreTable localScores;

namespace {

// The compressor's worst case for the 204 bytes, with room to spare.
constexpr size_t kCompressedCapacity = 1024;

const char* ScoreFile() {
  return play.difficulty == difficultyHard ? "packs/scores.pak" : "packs/scores_normal.pak";
}

}  // namespace

void LoadLocalScores() {
  std::ifstream in(ScoreFile(), std::ios::binary);
  if (!in) return;
  // A file longer than a compressed table can be is damaged: the table stays as it is.
  std::vector<char> file(kCompressedCapacity + 1);
  in.read(file.data(), static_cast<std::streamsize>(file.size()));
  auto size = static_cast<size_t>(in.gcount());
  if (size == 0 || size > kCompressedCapacity) return;
  std::array<uint8_t, kScoreBlockBytes> block{};
  if (DecompressBlock(file.data(), size, block.data(), block.size()) != static_cast<long>(kScoreBlockBytes)) return;
  ScoreRows rows;
  if (!DecodeScoreBlock(block, rows)) return;
  std::copy(rows.begin(), rows.end(), localScores.rows.begin());
}

void SaveLocalScore() {
  // A game left on the last-chance or bonus level counts the level the player had reached before it.
  bool between = play.levelIndex == lastChanceLevel || play.levelIndex == bonusLevel;
  ScoreEntry& slot = localScores.rows[kScoreRows];
  slot.name = settings.playerName;
  slot.level = (between ? play.savedLevelIndex : play.levelIndex) + 1;
  slot.score = static_cast<int32_t>(std::clamp<int64_t>(play.score, 0, INT32_MAX));
  // The former slot enters the ten or stays in the slot, where the next result replaces it.
  std::stable_sort(localScores.rows.begin(), localScores.rows.end(),
                   [](const ScoreEntry& a, const ScoreEntry& b) { return a.score > b.score; });
  ScoreRows rows;
  std::copy(localScores.rows.begin(), localScores.rows.begin() + kScoreRows, rows.begin());
  std::array<uint8_t, kScoreBlockBytes> block = EncodeScoreBlock(rows);
  std::vector<uint8_t> compressed(kCompressedCapacity);
  long size = CompressBlock(block.data(), compressed.data(), block.size(), compressed.size());
  if (size <= 0) return;
  compressed.resize(static_cast<size_t>(size));
  std::string error;
  WriteFileAtomically(ScoreFile(), compressed, error);  // a file that cannot be written leaves the old one
}
