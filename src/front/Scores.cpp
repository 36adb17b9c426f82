// The score tables: the ten best results of each level set in a compressed block under packs/, and the live
// table of all players from the score server.
#include "front/Scores.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "base/Compress.h"
#include "base/LiveScoreAnswer.h"
#include "base/Playfield.h"
#include "base/ScoreScramble.h"
#include "media/Media.h"
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

// ---------------------------------------------------------------------------------------------------------------
// The online client: the live table of all players, and the best local result sent at each game's end.

ScoreTable liveScores;

namespace {

constexpr int kGameId = 3;

// The account checked at the end of a game, kept until the score has gone.
struct ScoreLogin {
  bool open = false;
  std::string name, hash;  // the name sent, the MD5 of the password in lower-case hexadecimal
  int game = 0;
};
ScoreLogin login;

std::string ServerAddress() {
  std::string base = settings.scoreServer;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base;
}

// A name as it goes into a request: as it is, but for its blanks (the only character a player's name may hold
// that a web address cannot), which would make the address unusable and the account unreachable.
std::string InQuery(const std::string& name) {
  std::string out;
  for (char c : name) out += c == ' ' ? std::string("%20") : std::string(1, c);
  return out;
}

bool AccountCheck(const std::string& name, const std::string& password, int game) {
  login = {true, InQuery(name), Md5Hex(password), game};
  std::string answer = FetchUrlText(ServerAddress() + "/live/qsecure2.php?user_name=" + login.name +
                                    "&user_pass=" + login.hash + "&action=LogTest&gid=" +
                                    std::to_string(game) + "&arg=0");
  return answer == "1";
}

bool SendScore(int64_t score) {
  if (!login.open) return false;
  // The salt of the scrambled score is not the game's: sending a score must not change the game's numbers.
  static std::mt19937 salts(std::random_device{}());
  int salt = static_cast<int>(salts() % 81);
  std::string answer = FetchUrlText(ServerAddress() + "/live/qsecure2.php?user_name=" + login.name +
                                    "&user_pass=" + login.hash + "&action=SetScore&gid=" +
                                    std::to_string(login.game) + "&arg=" +
                                    PercentEncode(ScrambleScore(score, salt)));
  return answer == "1";
}

}  // namespace

bool ScoreServerConfigured() { return !ServerAddress().empty(); }

int FetchLiveScores() {
  // Without a score server the game is offline: nothing is asked and the live table stays empty.
  if (!ScoreServerConfigured()) return 0;
  std::string answer = FetchUrlText(ServerAddress() + "/live/getscores.php?action=GetScores&gid=" +
                                    std::to_string(kGameId));
  if (answer.empty()) return 0;
  ScoreRows rows;
  std::copy(liveScores.rows.begin(), liveScores.rows.begin() + kScoreRows, rows.begin());
  if (!ReadLiveScores(answer, rows)) return 0;
  std::copy(rows.begin(), rows.end(), liveScores.rows.begin());
  return 1;
}

void SubmitLiveScore() {
  if (!settings.internetEnabled || !ScoreServerConfigured() || settings.playerPassword.empty() ||
      settings.playerName.empty()) {
    return;
  }
  if (AccountCheck(settings.playerName, settings.playerPassword, kGameId)) {
    // The best result under the player's exact name; this game's is already among the rows.
    int64_t best = play.score;
    for (size_t i = 0; i < kScoreRows; ++i)
      if (localScores.rows[i].name == settings.playerName && localScores.rows[i].score > best)
        best = localScores.rows[i].score;
    SendScore(best);
  }
  login = {};
}
