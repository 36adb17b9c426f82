// The score server: its stores, its answers to the game's requests and its registration, and the game's own
// client against it over the loopback address, end to end.
#include <gtest/gtest.h>
#include <httplib.h>
#include <sodium.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "ScoreRoutes.h"
#include "ScoreService.h"
#include "base/LiveScoreAnswer.h"
#include "base/ScoreScramble.h"
#include "front/Scores.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Settings.h"

namespace {

namespace fs = std::filesystem;

// What every store must do, whichever database is behind it.
void ExpectAStore(ScoreStore& store) {
  EXPECT_TRUE(store.AddAccount("Ann", "hash-a"));
  EXPECT_FALSE(store.AddAccount("Ann", "other"));  // a name is taken once
  EXPECT_TRUE(store.AddAccount("Bob", "hash-b"));
  EXPECT_TRUE(store.AddAccount("Robert'); DROP TABLE accounts;--", "hash-c"));  // a name is data, never SQL
  EXPECT_EQ(store.PasswordHash("Ann").value_or(""), "hash-a");
  EXPECT_FALSE(store.PasswordHash("Nobody").has_value());
  EXPECT_TRUE(store.Top(10).empty());  // accounts without a score are not listed
  EXPECT_TRUE(store.KeepBest("Ann", 500));
  EXPECT_TRUE(store.KeepBest("Ann", 300));  // lower: kept as it was
  EXPECT_TRUE(store.KeepBest("Bob", 900));
  std::vector<BestScore> top = store.Top(10);
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[0].name, "Bob");
  EXPECT_EQ(top[1].score, 500);
  EXPECT_EQ(store.Top(1).size(), 1u);
  EXPECT_EQ(store.PasswordHash("Robert'); DROP TABLE accounts;--").value_or(""), "hash-c");
}

class Server : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GE(sodium_init(), 0);
    dir_ = fs::temp_directory_path() / ("nb-server-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::unique_ptr<ScoreStore> Sqlite() {
    std::string error;
    auto store = OpenSqliteStore((dir_ / "scores.sqlite").string(), error);
    EXPECT_TRUE(store) << error;
    return store;
  }
  fs::path dir_;
};

TEST_F(Server, TheSqliteStoreKeepsAccountsAndBestScores) {
  auto store = Sqlite();
  ASSERT_TRUE(store);
  ExpectAStore(*store);
  std::string error;
  EXPECT_FALSE(OpenSqliteStore((dir_ / "no" / "such" / "folder.sqlite").string(), error));
  EXPECT_FALSE(error.empty());
}

TEST_F(Server, AnswersTheGamesRequestsOnlyForItsAccountsAndHonestScores) {
  auto store = Sqlite();
  ScoreService service(*store);
  EXPECT_EQ(service.Register("Ann_1", "s3cret"), "A name may hold only letters, digits, blanks and - ! ?.");
  EXPECT_EQ(service.Register("Ann B", "s3cret"), "");
  EXPECT_EQ(service.Register("Ann B", "other1"), "That name is taken.");
  EXPECT_NE(service.Register("Cy", "a b"), "");  // too short once its blank is dropped
  std::string digest = Md5Hex("s3cret");
  EXPECT_EQ(service.QSecure("Ann B", digest, "LogTest", "3", "0"), "1");
  EXPECT_EQ(service.QSecure("Ann B", Md5Hex("wrong"), "LogTest", "3", "0"), "0");
  EXPECT_EQ(service.QSecure("Ann B", digest, "LogTest", "4", "0"), "0");
  EXPECT_EQ(service.QSecure("Nobody", digest, "LogTest", "3", "0"), "0");
  EXPECT_EQ(service.QSecure("Ann B", digest, "SetScore", "3", ScrambleScore(4200, 9)), "1");
  EXPECT_EQ(service.QSecure("Ann B", digest, "SetScore", "3", ScrambleScore(100, 9)), "1");  // kept, not lowered
  std::string tampered = ScrambleScore(999999, 9);
  std::swap(tampered[0], tampered[77]);
  if (tampered != ScrambleScore(999999, 9)) {
    EXPECT_EQ(service.QSecure("Ann B", digest, "SetScore", "3", tampered), "0");
  }
  ScoreRows rows;
  ASSERT_TRUE(ReadLiveScores(service.GetScores(), rows));
  EXPECT_EQ(rows[0].name, "Ann B");
  EXPECT_EQ(rows[0].score, 4200);
  // The page lists the player, with names made safe for HTML.
  EXPECT_NE(service.LivePage("").find("<td>Ann B</td><td>4200</td>"), std::string::npos);
  EXPECT_NE(service.LivePage("<b>").find("&lt;b&gt;"), std::string::npos);
}

TEST_F(Server, AFloodFromOneAddressIsHeldBackAndOthersGoOn) {
  auto store = Sqlite();
  ScoreService service(*store);
  int admitted = 0;
  for (int i = 0; i < 100; ++i) admitted += service.Admit("10.0.0.1") ? 1 : 0;
  EXPECT_LT(admitted, 30);
  EXPECT_TRUE(service.Admit("10.0.0.2"));
}

// The game's client, as it runs at start-up and at a game's end, against the real server over the loopback; then
// the live page in a headless browser lists the score.
TEST_F(Server, TheGamesClientLogsInSubmitsAndFetchesAndThePageShowsTheScore) {
  auto store = Sqlite();
  ScoreService service(*store);
  httplib::Server http;
  ServeScores(http, service);
  int port = http.bind_to_any_port("127.0.0.1");
  ASSERT_GT(port, 0);
  std::thread serving([&] { http.listen_after_bind(); });
  std::string address = "http://127.0.0.1:" + std::to_string(port);
  // Registered through the page's form, as a player does.
  httplib::Client browser("127.0.0.1", port);
  auto made = browser.Post("/live/register", "name=Ann&password=s3cret", "application/x-www-form-urlencoded");
  ASSERT_TRUE(made);
  EXPECT_NE(made->body.find("Welcome to the table, Ann!"), std::string::npos);
  Settings savedSettings = settings;
  PlayState savedPlay = play;
  ScoreTable savedLocal = localScores;
  ScoreRows savedLive = liveScores;
  settings.scoreServer = address;
  settings.internetEnabled = true;
  settings.playerName = "Ann";
  settings.playerPassword = "s3cret";
  play.score = 3000;
  localScores = ScoreTable{};
  localScores.rows[0] = {"Ann", 8, 12000};
  SubmitLiveScore();
  liveScores = ScoreRows{};
  EXPECT_EQ(FetchLiveScores(), 1);
  EXPECT_EQ(liveScores[0].name, "Ann");
  EXPECT_EQ(liveScores[0].score, 12000);
  settings = savedSettings;
  play = savedPlay;
  localScores = savedLocal;
  liveScores = savedLive;
  // The page as a browser builds it.
  const char* chromium = "/usr/bin/chromium";
  if (fs::exists(chromium)) {
    std::string dom = (dir_ / "page.html").string();
    std::string command = std::string(chromium) + " --headless --no-sandbox --disable-gpu --dump-dom " + address +
                          "/live/ >" + dom + " 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(dom);
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(page.find("<td>Ann</td><td>12000</td>"), std::string::npos) << page;
  } else {
    std::printf("Chromium is not installed: the live page was not opened in a browser\n");
  }
  http.stop();
  serving.join();
}

// PostgreSQL 15, started for the test in a temporary folder: the same store behaviour as SQLite's.
TEST_F(Server, ThePostgresStoreKeepsAccountsAndBestScores) {
  const std::string bin = "/usr/lib/postgresql/15/bin/";
  if (!fs::exists(bin + "initdb") || !fs::exists(bin + "pg_ctl")) {
    GTEST_SKIP() << "PostgreSQL 15 is not installed (scripts/setup installs it): its store is not tested";
  }
  // PostgreSQL refuses to run as root: run it as the postgres user the package made.
  std::string as = geteuid() == 0 ? "runuser -u postgres -- " : "";
  fs::path data = dir_ / "pg";
  fs::create_directories(data);
  if (geteuid() == 0 && std::system(("chown -R postgres " + dir_.string()).c_str()) != 0) {
    GTEST_SKIP() << "no postgres user to run PostgreSQL as";
  }
  int port = 20000 + static_cast<int>(getpid() % 20000);
  std::string log = (dir_ / "pg.log").string();
  ASSERT_EQ(std::system((as + bin + "initdb -D " + data.string() + " -U scores -A trust >" + log + " 2>&1").c_str()), 0);
  std::string options = "\"-p " + std::to_string(port) + " -k " + dir_.string() + " -c listen_addresses=''\"";
  // The server writes its own log, as its own user.
  std::string serverLog = (dir_ / "server.log").string();
  ASSERT_EQ(std::system((as + bin + "pg_ctl -D " + data.string() + " -o " + options + " -w -l " + serverLog +
                         " start >/dev/null").c_str()),
            0);
  std::string error;
  auto store = OpenPostgresStore("postgresql:///postgres?host=" + dir_.string() + "&port=" + std::to_string(port) +
                                     "&user=scores",
                                 error);
  EXPECT_TRUE(store) << error;
  if (store) ExpectAStore(*store);
  store.reset();
  std::system((as + bin + "pg_ctl -D " + data.string() + " -m immediate stop >/dev/null 2>&1").c_str());
}

}  // namespace
