// The score server's answers: accounts kept as Argon2id hashes of the password digest the game sends, scores
// taken only when their sixteen numbers agree, a best score never lowered.
#include "ScoreService.h"

#include <sodium.h>

#include <algorithm>

#include "base/LiveScoreAnswer.h"
#include "base/ScoreScramble.h"
#include "media/Media.h"

namespace {

constexpr size_t kLongestName = 24;      // characters, after filtering
constexpr size_t kLongestPassword = 128;

std::string Html(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::string ScoreService::GetScores() {
  std::vector<BestScore> top = store_.Top(kScoreRows);
  ScoreRows rows;
  for (size_t i = 0; i < top.size() && i < kScoreRows; ++i)
    rows[i] = {top[i].name, 0, static_cast<int32_t>(std::clamp<int64_t>(top[i].score, 0, INT32_MAX))};
  return LiveScoresAnswer(rows, std::min(top.size(), kScoreRows));
}

bool ScoreService::Verified(const std::string& name, const std::string& passwordDigest) {
  if (passwordDigest.size() != 32) return false;
  std::optional<std::string> hash = store_.PasswordHash(name);
  return hash && crypto_pwhash_str_verify(hash->c_str(), passwordDigest.data(), passwordDigest.size()) == 0;
}

std::string ScoreService::QSecure(const std::string& name, const std::string& passwordDigest,
                                  const std::string& action, const std::string& gameId, const std::string& arg) {
  if (gameId != std::to_string(kScoreGameId) || !Verified(name, passwordDigest)) return "0";
  if (action == "LogTest") return "1";
  if (action != "SetScore") return "0";
  int64_t score = UnscrambleScore(arg);
  if (score < 0) return "0";
  return store_.KeepBest(name, score) ? "1" : "0";
}

std::string ScoreService::Register(const std::string& typedName, const std::string& typedPassword) {
  std::string name = FilterName(typedName);
  std::string password = FilterPassword(typedPassword);
  if (name.empty() || name.size() > kLongestName) return "Choose a name of 1 to 24 letters, digits, blanks or - ! ?.";
  if (name != typedName) return "A name may hold only letters, digits, blanks and - ! ?.";
  if (password.size() < 4 || typedPassword.size() > kLongestPassword)
    return "Choose a password of at least 4 characters (blanks and % \\ & / @ $ do not count).";
  // The game sends the MD5 digest of the password it was given: that digest is what is hashed and kept.
  std::string digest = Md5Hex(password);
  char hash[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(hash, digest.data(), digest.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
    return "The server is too busy to make an account now; try again later.";
  }
  if (!store_.AddAccount(name, hash)) return "That name is taken.";
  return "";
}

std::string ScoreService::LivePage(const std::string& notice) {
  std::vector<BestScore> top = store_.Top(kScoreRows);
  std::string rows;
  for (size_t i = 0; i < top.size(); ++i)
    rows += "<tr><td>" + std::to_string(i + 1) + "</td><td>" + Html(top[i].name) + "</td><td>" +
            std::to_string(top[i].score) + "</td></tr>\n";
  if (top.empty()) rows = "<tr><td colspan=\"3\">No scores yet: be the first.</td></tr>\n";
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n"
         "<meta http-equiv=\"refresh\" content=\"30\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         "<title>Novabouncer III live scores</title>\n<style>\n"
         "body{background:#05070f;color:#e8eef6;font-family:sans-serif;margin:2em auto;max-width:34em}\n"
         "h1{color:#ffc23d;letter-spacing:.08em}table{border-collapse:collapse;width:100%}\n"
         "td,th{padding:.35em .7em;border-bottom:1px solid #2a2d3a;text-align:left}\n"
         "td:last-child,th:last-child{text-align:right}th{color:#2ee6f0}\n"
         "form{margin-top:2em;padding:1em;border:1px solid #2a2d3a}input{margin:.3em 0;width:100%}\n"
         ".notice{color:#ffd22e}\n</style></head><body>\n"
         "<h1>NOVABOUNCER III &mdash; live scores</h1>\n"
         "<table><thead><tr><th>#</th><th>Player</th><th>Score</th></tr></thead><tbody>\n" +
         rows + "</tbody></table>\n" + (notice.empty() ? "" : "<p class=\"notice\">" + Html(notice) + "</p>\n") +
         "<form method=\"post\" action=\"/live/register\"><h2>Join the table</h2>\n"
         "<label>Name in game <input name=\"name\" maxlength=\"24\" required></label>\n"
         "<label>Password <input name=\"password\" type=\"password\" required></label>\n"
         "<button type=\"submit\">Register</button>\n"
         "<p>Then give the game the same name and password.</p></form>\n</body></html>\n";
}

bool ScoreService::Admit(const std::string& address) {
  if (rate_ <= 0) return true;
  const double burst = 4 * rate_;
  std::lock_guard<std::mutex> lock(bucketsMutex_);
  auto now = std::chrono::steady_clock::now();
  if (buckets_.size() > 100000) buckets_.clear();  // a flood of addresses forgets, it does not grow without end
  auto [it, fresh] = buckets_.try_emplace(address);
  Bucket& bucket = it->second;
  if (fresh) {
    bucket.tokens = burst;
  } else {
    double seconds = std::chrono::duration<double>(now - bucket.last).count();
    bucket.tokens = std::min(burst, bucket.tokens + seconds * rate_);
  }
  bucket.last = now;
  if (bucket.tokens < 1) return false;
  bucket.tokens -= 1;
  return true;
}
