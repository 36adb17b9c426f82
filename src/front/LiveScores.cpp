// The online score client: the live table of all players from the score server, and the best local result
// sent at each game's end.
#include "front/Scores.h"

#include <random>
#include <string>

#include "base/LiveScoreAnswer.h"
#include "base/ScoreScramble.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Settings.h"

ScoreRows liveScores;

namespace {

constexpr int kGameId = 3;

// The account checked at the end of a game, kept until the score has gone.
struct ScoreLogin {
  bool open = false;
  std::string name, hash;  // the name sent, the MD5 of the password in lower-case hexadecimal
  int game = 0;
};
ScoreLogin login;

// A name as it goes into a request: as it is, but for its blanks (the only character a player's name may hold
// that a web address cannot), which would make the address unusable and the account unreachable.
std::string InQuery(const std::string& name) {
  std::string out;
  for (char c : name) out += c == ' ' ? std::string("%20") : std::string(1, c);
  return out;
}

// The account-and-score request of `action` with `arg`, for the login.
std::string SecureRequest(const std::string& action, const std::string& arg) {
  return ScoreServerBase() + "/live/qsecure2.php?user_name=" + login.name + "&user_pass=" + login.hash +
         "&action=" + action + "&gid=" + std::to_string(login.game) + "&arg=" + arg;
}

bool AccountCheck(const std::string& name, const std::string& password, int game) {
  login = {true, InQuery(name), Md5Hex(password), game};
  return FetchUrlText(SecureRequest("LogTest", "0")) == "1";
}

bool SendScore(int64_t score) {
  if (!login.open) return false;
  // The salt of the scrambled score is not the game's: sending a score must not change the game's numbers.
  static std::mt19937 salts(std::random_device{}());
  int salt = static_cast<int>(salts() % 81);
  return FetchUrlText(SecureRequest("SetScore", PercentEncode(ScrambleScore(score, salt)))) == "1";
}

}  // namespace

bool ScoreServerConfigured() { return !ScoreServerBase().empty(); }

int FetchLiveScores() {
  // Without a score server the game is offline: nothing is asked and the live table stays empty.
  if (!ScoreServerConfigured()) return 0;
  std::string answer = FetchUrlText(ScoreServerBase() + "/live/getscores.php?action=GetScores&gid=" +
                                    std::to_string(kGameId));
  return !answer.empty() && ReadLiveScores(answer, liveScores) ? 1 : 0;
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
