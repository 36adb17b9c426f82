// The command line: options, the player's arguments, and odd input refused with a clear message.
#include <gtest/gtest.h>

#include "shell/Options.h"

namespace {

bool Parse(std::vector<std::string> words, RunOptions& options, std::string& error) {
  return ParseOptions(words, "/home/player", options, error);
}

TEST(Options, ReadsEveryOptionAndKeepsTheRestAsArguments) {
  RunOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"Zoe", "--headless", "--seed", "7", "--frames", "600", "--screenshot", "10:a.png",
                     "--screenshot", "20:/tmp/b.png", "--record", "in.txt", "--report", "r.json", "--start-level",
                     "12", "--hard", "secret"},
                    o, error))
      << error;
  EXPECT_TRUE(o.media.headless);
  EXPECT_TRUE(o.media.seeded);
  EXPECT_EQ(o.media.seed, 7u);
  EXPECT_EQ(o.media.frameLimit, 600);
  ASSERT_EQ(o.media.screenshots.size(), 2u);
  EXPECT_EQ(o.media.screenshots[0].first, 10);
  EXPECT_EQ(o.media.screenshots[0].second, "/home/player/a.png");
  EXPECT_EQ(o.media.screenshots[1].second, "/tmp/b.png");
  EXPECT_EQ(o.media.recordPath, "/home/player/in.txt");
  EXPECT_EQ(o.reportPath, "/home/player/r.json");
  EXPECT_EQ(o.startLevel, 12);
  EXPECT_TRUE(o.hard);
  EXPECT_EQ(o.arguments, (std::vector<std::string>{"Zoe", "secret"}));
  RunOptions test;
  ASSERT_TRUE(Parse({"--uneven-clock", "--lose-focus", "250:40"}, test, error)) << error;
  EXPECT_TRUE(test.media.unevenClock);
  EXPECT_EQ(test.media.focusLossFrame, 250);
  EXPECT_EQ(test.media.focusLossFrames, 40);
  RunOptions drawing;
  ASSERT_TRUE(Parse({"--gpu", "--threads", "3", "--benchmark-json", "/tmp/figures.json"}, drawing, error)) << error;
  EXPECT_TRUE(drawing.media.gpu);
  EXPECT_EQ(drawing.media.threads, 3);
  EXPECT_EQ(drawing.benchmarkJsonPath, "/tmp/figures.json");
  RunOptions sound;
  ASSERT_TRUE(Parse({"--audio-out", "run.wav"}, sound, error)) << error;
  EXPECT_EQ(sound.media.audioOutPath, "/home/player/run.wav");
}

TEST(Options, OddCommandLinesAreRefused) {
  for (std::vector<std::string> words : std::vector<std::vector<std::string>>{
           {"--frames"}, {"--frames", "0"}, {"--frames", "12x"}, {"--frames", "-5"}, {"--seed", "-1"},
           {"--seed", ""}, {"--screenshot", "abc"}, {"--screenshot", "10:"}, {"--start-level", "103"},
           {"--start-level", "101"}, {"--start-level", "70", "--hard"}, {"--start-level", "51", "--hard"}, {"--fly"},
           {"--frames", "99999999999999999999999"},
           {"--lose-focus", "250"}, {"--lose-focus", "250:0"}, {"--lose-focus", "0:40"}, {"--lose-focus", ":40"},
           {"--lose-focus", "250:x"}, {"--lose-focus", "9999999999999999999:1"}, {"--threads", "0"},
           {"--threads", "17"}, {"--threads", "two"}, {"--threads"}, {"--benchmark-json"}, {"--audio-out"}}) {
    RunOptions o;
    std::string error;
    EXPECT_FALSE(Parse(words, o, error)) << words[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(Options, OptionsThatCannotGoTogetherAreRefusedWithTheReason) {
  struct Case {
    std::vector<std::string> words;
    const char* reason;  // a piece of the message
  };
  for (const Case& c : std::vector<Case>{
           {{"--record", "run.txt", "--replay", "run.txt"}, "same file"},
           {{"--replay", "run.txt", "--record", "./sub/../run.txt"}, "same file"},
           {{"--record", "/home/player/run.txt", "--replay", "run.txt"}, "same file"},
           {{"--hard"}, "--start-level"},
           {{"--continue", "--hard"}, "normal set"},
           {{"--continue", "--start-level", "3"}, "saved game's level"},
           {{"--audio-out", "run.txt", "--replay", "run.txt"}, "same file"},
           {{"--record", "./run.wav", "--audio-out", "run.wav"}, "same file"},
           {{"--audio-out", "/home/player/r.json", "--report", "r.json"}, "same file"},
           {{"--frames", "600", "--screenshot", "600:a.png"}, "never shown"},
           {{"--screenshot", "700:a.png", "--frames", "600"}, "never shown"}}) {
    RunOptions o;
    std::string error;
    EXPECT_FALSE(Parse(c.words, o, error)) << c.words[0] << " " << c.words[1];
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  RunOptions o;
  std::string error;
  EXPECT_TRUE(Parse({"--record", "a.txt", "--replay", "b.txt", "--frames", "600", "--screenshot", "599:a.png"}, o,
                    error))
      << error;
  EXPECT_TRUE(Parse({"--continue", "Ann"}, o, error)) << error;
  EXPECT_TRUE(o.continueGame);
}

TEST(Options, StartLevelsAreTheLevelsPlayCanReach) {
  for (std::vector<std::string> words : std::vector<std::vector<std::string>>{
           {"--start-level", "0"}, {"--start-level", "99"}, {"--start-level", "100"}, {"--start-level", "102"},
           {"--start-level", "50", "--hard"}, {"--start-level", "100", "--hard"}, {"--start-level", "102", "--hard"}}) {
    RunOptions o;
    std::string error;
    EXPECT_TRUE(Parse(words, o, error)) << words[1] << error;
  }
  RunOptions o;
  std::string error;
  EXPECT_FALSE(Parse({"--start-level", "101"}, o, error));
  EXPECT_NE(error.find("0 to 99"), std::string::npos) << error;
  EXPECT_FALSE(Parse({"--start-level", "60", "--hard"}, o, error));
  EXPECT_NE(error.find("0 to 50"), std::string::npos) << error;
}

TEST(Options, BenchmarkRunsHeadless) {
  RunOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"--benchmark"}, o, error));
  EXPECT_TRUE(o.media.headless);
  EXPECT_TRUE(o.media.benchmark);
}

}  // namespace
