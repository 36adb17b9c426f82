// The scrambled score and the live-scores answer: what the game sends and reads, as the server makes and reads it.
#include <gtest/gtest.h>

#include <string>

#include "base/LiveScoreAnswer.h"
#include "base/ScoreScramble.h"

namespace {

TEST(ScoreScramble, EveryScoreComesBackThroughTheServersInverse) {
  for (int64_t score = 0; score <= 999999; ++score) {
    std::string scrambled = ScrambleScore(score, static_cast<int>(score % 81));
    ASSERT_EQ(scrambled.size(), 128u);
    ASSERT_EQ(UnscrambleScore(scrambled), score) << scrambled;
  }
  EXPECT_EQ(UnscrambleScore(ScrambleScore(999999, 80)), 999999);
  EXPECT_EQ(UnscrambleScore(ScrambleScore(5000000, 0)), 999999);  // held at the largest score sent
  EXPECT_EQ(UnscrambleScore(ScrambleScore(-3, 0)), 0);
  // The same score with two salts: two texts, one score.
  EXPECT_NE(ScrambleScore(1234, 1), ScrambleScore(1234, 2));
  std::string arg = PercentEncode(ScrambleScore(1234, 5));
  EXPECT_EQ(arg.size(), 384u);
  EXPECT_EQ(arg.substr(0, 3).front(), '%');
}

TEST(ScoreScramble, ATamperedScoreIsRefused) {
  std::string scrambled = ScrambleScore(4321, 17);
  for (size_t at = 0; at < 128; at += 5) {
    std::string changed = scrambled;
    changed[at] = changed[at] == '9' ? '0' : static_cast<char>(changed[at] + 1);
    EXPECT_EQ(UnscrambleScore(changed), -1) << at;
  }
  // Made for a higher score by hand: the twelve rules of a forged first number do not follow.
  std::string forged = ScrambleScore(999999, 17);
  std::swap(forged[3], forged[40]);
  ASSERT_NE(forged, ScrambleScore(999999, 17));
  EXPECT_EQ(UnscrambleScore(forged), -1);
  EXPECT_EQ(UnscrambleScore(""), -1);
  EXPECT_EQ(UnscrambleScore(std::string(128, 'x')), -1);
  std::string text;
  EXPECT_TRUE(PercentDecode(PercentEncode("a b%\x01\xFF"), text));
  EXPECT_EQ(text, "a b%\x01\xFF");
  EXPECT_FALSE(PercentDecode("%4", text));
  EXPECT_FALSE(PercentDecode("%4G", text));
  EXPECT_FALSE(PercentDecode("A41", text));
}

ScoreRows Filled() {
  ScoreRows rows;
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = {"old" + std::to_string(i), 0, 100};
  return rows;
}

TEST(LiveScoreAnswer, OnlyAWholeAnswerThatAddsUpReplacesTheTable) {
  ScoreRows rows = Filled();
  // A checksum of 25 over four rows that add up to 24.
  EXPECT_FALSE(ReadLiveScores("25\x06" "4\x06" "a\t10\rb\t8\rc\t4\rd\t2", rows));
  EXPECT_EQ(rows[0].name, "old0");
  EXPECT_TRUE(ReadLiveScores("24\x06" "4\x06" "a\t10\rb\t8\rc\t4\rd\t2", rows));
  EXPECT_EQ(rows[0].name, "a");
  EXPECT_EQ(rows[3].score, 2);
  EXPECT_EQ(rows[4].name, "");  // no stale row from the earlier table
  // Eleven rows are refused even when they add up.
  rows = Filled();
  std::string eleven = "11\x06" "11\x06";
  for (int i = 0; i < 11; ++i) eleven += std::string(i ? "\r" : "") + "p\t1";
  EXPECT_FALSE(ReadLiveScores(eleven, rows));
  // None at all is taken and changes nothing.
  EXPECT_TRUE(ReadLiveScores("0\x06" "0\x06", rows));
  EXPECT_EQ(rows[0].name, "old0");
  // Rows ended by CR LF leave the line feed at the start of the next name.
  EXPECT_TRUE(ReadLiveScores("3\x06" "2\x06" "ann\t1\r\n\nbob\t2", rows));
  EXPECT_EQ(rows[1].name, "\n\nbob");
  // A score that is not a number spoils the answer; so does a row missing.
  rows = Filled();
  EXPECT_FALSE(ReadLiveScores("0\x06" "1\x06" "ann\tlots", rows));
  EXPECT_FALSE(ReadLiveScores("5\x06" "2\x06" "ann\t5", rows));
  EXPECT_FALSE(ReadLiveScores("\x06" "-1\x06", rows));
  // A score with a zero byte inside is not a number, though reading stops there.
  const char withZero[] = "12\x06" "1\x06" "ann\t12\0" "99";
  EXPECT_FALSE(ReadLiveScores(std::string(withZero, sizeof withZero - 1), rows));
  EXPECT_EQ(rows[0].name, "old0");
  // The checksum of ten large scores goes past 32 bits and still adds up.
  ScoreRows big;
  for (auto& row : big) row = {"big", 0, 2000000000};
  ScoreRows read = Filled();
  EXPECT_TRUE(ReadLiveScores(LiveScoresAnswer(big, 10), read));
  EXPECT_EQ(read[9].score, 2000000000);
  // An empty body reads as no rows (the client refuses it before reading).
  EXPECT_TRUE(ReadLiveScores("", read));
  EXPECT_EQ(read[0].name, "big");
}

}  // namespace
