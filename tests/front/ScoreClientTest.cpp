// The online score client against a server on the loopback address: the requests it sends, the table it takes,
// what it refuses, and a server that never answers or floods it.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "base/LiveScoreAnswer.h"
#include "base/ScoreScramble.h"
#include "front/Scores.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "support/LoopbackServer.h"

namespace {

class ScoreClient : public ::testing::Test {
 protected:
  void SetUp() override {
    savedSettings_ = settings;
    savedPlay_ = play;
    savedLocal_ = localScores;
    savedLive_ = liveScores;
    settings.internetEnabled = true;
    liveScores = ScoreRows{};
    localScores = ScoreTable{};
  }
  void TearDown() override {
    settings = savedSettings_;
    play = savedPlay_;
    localScores = savedLocal_;
    liveScores = savedLive_;
  }
  Settings savedSettings_;
  PlayState savedPlay_;
  ScoreTable savedLocal_;
  ScoreRows savedLive_;
};

// A server that knows one account and takes any score it can unscramble.
std::string Answer(const std::string& target) {
  if (target.rfind("/live/getscores.php?action=GetScores&gid=3", 0) == 0) {
    ScoreRows rows;
    rows[0] = {"Ann", 0, 12000};
    rows[1] = {"Bob", 0, 500};
    return LiveScoresAnswer(rows, 2);
  }
  std::string account = "/live/qsecure2.php?user_name=Ann&user_pass=" + Md5Hex("s3cret");
  if (target == account + "&action=LogTest&gid=3&arg=0") return "1";
  std::string setScore = account + "&action=SetScore&gid=3&arg=";
  if (target.rfind(setScore, 0) == 0) {
    std::string scrambled;
    if (PercentDecode(target.substr(setScore.size()), scrambled) && UnscrambleScore(scrambled) >= 0) return "1";
    return "0";
  }
  return "";
}

TEST_F(ScoreClient, FetchesTheLiveTableAndSubmitsTheBestLocalResultUnderTheExactName) {
  LoopbackServer server(Answer);
  settings.scoreServer = server.Address() + "/";
  ASSERT_EQ(FetchLiveScores(), 1);
  EXPECT_EQ(liveScores[0].name, "Ann");
  EXPECT_EQ(liveScores[1].score, 500);
  EXPECT_EQ(server.AgentOf(0), "QSecure");

  settings.playerName = "Ann";
  settings.playerPassword = "s3cret";
  play.score = 3000;
  localScores.rows[0] = {"Ann", 9, 12000};
  localScores.rows[1] = {"ann", 9, 50000};  // another name: the case counts
  localScores.rows[2] = {"Ann", 2, 3000};
  SubmitLiveScore();
  std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[1], "/live/qsecure2.php?user_name=Ann&user_pass=" + Md5Hex("s3cret") +
                             "&action=LogTest&gid=3&arg=0");
  std::string prefix = "/live/qsecure2.php?user_name=Ann&user_pass=" + Md5Hex("s3cret") + "&action=SetScore&gid=3&arg=";
  ASSERT_EQ(requests[2].rfind(prefix, 0), 0u) << requests[2];
  std::string scrambled;
  ASSERT_TRUE(PercentDecode(requests[2].substr(prefix.size()), scrambled));
  EXPECT_EQ(UnscrambleScore(scrambled), 12000);
  EXPECT_EQ(play.score, 3000);
  EXPECT_EQ(Md5Hex("s3cret").size(), 32u);
  EXPECT_EQ(Md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST_F(ScoreClient, ANameWithBlanksReachesTheServer) {
  LoopbackServer server([](const std::string&) { return std::string("1"); });
  settings.scoreServer = server.Address();
  settings.playerName = "Ann B";
  settings.playerPassword = "s3cret";
  play.score = 10;
  SubmitLiveScore();
  std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].rfind("/live/qsecure2.php?user_name=Ann%20B&user_pass=", 0), 0u) << requests[0];
}

TEST_F(ScoreClient, NothingIsSentWithoutAPasswordAnAccountOrAServer) {
  LoopbackServer server(Answer);
  settings.scoreServer = server.Address();
  settings.playerName = "Ann";
  settings.playerPassword = "";
  SubmitLiveScore();
  EXPECT_TRUE(server.Requests().empty());
  // A wrong password: the account check fails and no score follows.
  settings.playerPassword = "wrong";
  SubmitLiveScore();
  EXPECT_EQ(server.Requests().size(), 1u);
  // Internet access switched off, or no server named: nothing at all.
  settings.playerPassword = "s3cret";
  settings.internetEnabled = false;
  SubmitLiveScore();
  EXPECT_EQ(server.Requests().size(), 1u);
  settings.internetEnabled = true;
  settings.scoreServer = "";
  EXPECT_FALSE(ScoreServerConfigured());
  EXPECT_EQ(FetchLiveScores(), 0);
  SubmitLiveScore();
  EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(ScoreClient, OnlyAnAnswerOfExactlyOneCountsAndABrokenTableChangesNothing) {
  std::string reply = "1\n";
  LoopbackServer server([&](const std::string& target) {
    return target.find("GetScores") != std::string::npos ? std::string("25\x06" "1\x06" "Eve\t24") : reply;
  });
  settings.scoreServer = server.Address();
  liveScores[0] = {"Kept", 0, 7};
  EXPECT_EQ(FetchLiveScores(), 0);
  EXPECT_EQ(liveScores[0].name, "Kept");
  settings.playerName = "Ann";
  settings.playerPassword = "s3cret";
  SubmitLiveScore();  // "1" and a line break is no success: the score is not sent
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(ScoreClient, ADeadOrFloodingServerCostsAtMostTheTimeoutAndTheCap) {
  {
    LoopbackServer flood(Answer, LoopbackServer::Manner::Flood);
    settings.scoreServer = flood.Address();
    EXPECT_EQ(FetchUrlText(flood.Address() + "/live/getscores.php"), "");
    EXPECT_EQ(FetchLiveScores(), 0);
  }
  LoopbackServer silent(Answer, LoopbackServer::Manner::Silent);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(FetchUrlText(silent.Address() + "/live/getscores.php"), "");
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 12.0);  // the whole request's limit is 10 s: a correctness bound, not a speed figure
  // Nothing listening at all fails at once.
  EXPECT_EQ(FetchUrlText("http://127.0.0.1:1/live/getscores.php"), "");
}

}  // namespace
