// How games and the program end: games over counted in the report, the closed window, signals, and files
// the run could not write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"
#include "support/Headless.h"

namespace {

class ProgramEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    // Named by the test, not the process: a death test's child must find the same folder.
    std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir = std::filesystem::temp_directory_path() / ("program-end-" + test);
    std::filesystem::create_directories(dir);
    report = (dir / "report.json").string();
  }
  void TearDown() override {
    SetReportPath("");
    std::filesystem::remove_all(dir);
  }
  // The report's text, written now unless the program already wrote it.
  std::string Report() {
    std::ifstream in(report);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::filesystem::path dir;
  std::string report;
};

bool Has(const std::string& report, const std::string& line) {
  return report.find("  " + line + "\n") != std::string::npos || report.find("  " + line + ",\n") != std::string::npos;
}

TEST_F(ProgramEnd, TheReportCountsEndedGamesAndKeepsTheLastOnesEnd) {
  SetReportPath(report);
  ASSERT_TRUE(WriteRunReport("end"));
  EXPECT_TRUE(Has(Report(), "\"gamesEnded\": 0")) << Report();
  long before = endedGames.count;
  // The last life goes on level 8 after the last chance was used.
  NewGameValues();
  BeginGame();
  play.levelIndex = 7;
  play.score = 900;
  play.lives = 0;
  play.lastChanceLeft = false;
  play.restartLevel = true;
  ClickThroughScreens();
  HandleLevelExit();
  ASSERT_TRUE(play.leaveGame);
  FinishGame();
  FinishGame();  // once only
  EXPECT_EQ(endedGames.count, before + 1);
  EXPECT_EQ(endedGames.cause, GameEndCause::livesGone);
  EXPECT_EQ(endedGames.score, 900);
  EXPECT_EQ(endedGames.levelIndex, 7);
  // The next game has begun, the report still tells how the last one ended.
  NewGameValues();
  SetReportPath(report);
  ASSERT_TRUE(WriteRunReport("end"));
  std::string text = Report();
  EXPECT_TRUE(Has(text, "\"gamesEnded\": " + std::to_string(before + 1))) << text;
  EXPECT_TRUE(Has(text, "\"lastGameCause\": \"lives gone\"")) << text;
  EXPECT_TRUE(Has(text, "\"lastGameScore\": 900")) << text;
  EXPECT_TRUE(Has(text, "\"lastGameLevelIndex\": 7")) << text;
  EXPECT_TRUE(Has(text, "\"score\": 0")) << text;
  // A hard game left with Escape.
  BeginGame();
  play.difficulty = difficultyHard;
  play.levelIndex = 4;
  StartLevel();
  ReplayJournalText("1 keys=1\n2 keys=\n3 keys=1\n4 keys=\n");
  RunFramesUntilExit(10);
  ASSERT_TRUE(play.leaveGame);
  FinishGame();
  EXPECT_EQ(endedGames.count, before + 2);
  EXPECT_EQ(endedGames.cause, GameEndCause::escape);
  EXPECT_EQ(endedGames.difficulty, difficultyHard);
  EXPECT_EQ(endedGames.levelIndex, 4);
}

TEST_F(ProgramEnd, ClosingTheWindowEndsTheGameAsEscapeDoesAndTheProgramWithStatusZero) {
  EXPECT_EXIT(
      {
        SetReportPath(report);
        SetProgramEndHook(EndOfRun);
        NewGameValues();
        BeginGame();
        play.levelIndex = 3;
        StartLevel();
        RequestWindowClose();
        RunFrameLoop();
      },
      ::testing::ExitedWithCode(0), "");
  std::string text = Report();
  EXPECT_TRUE(Has(text, "\"reason\": \"closed\"")) << text;
  EXPECT_TRUE(Has(text, "\"gamesEnded\": 1")) << text;
  EXPECT_TRUE(Has(text, "\"lastGameCause\": \"window closed\"")) << text;
  EXPECT_TRUE(Has(text, "\"lastGameLevelIndex\": 3")) << text;
}

TEST_F(ProgramEnd, ASignalEndsTheProgramWithItsOwnReasonAndStatus) {
  EXPECT_EXIT(
      {
        SetReportPath(report);
        SetProgramEndHook(EndOfRun);
        std::raise(SIGTERM);
        PresentFrame(0);
        std::_Exit(5);  // not reached: the present ends the program
      },
      ::testing::ExitedWithCode(128 + SIGTERM), "");
  std::string text = Report();
  EXPECT_TRUE(Has(text, "\"reason\": \"signal\"")) << text;
  EXPECT_TRUE(Has(text, "\"gamesEnded\": 0")) << text;
  EXPECT_EXIT(
      {
        std::raise(SIGINT);
        std::raise(SIGINT);  // the player will not wait for the next present
        std::_Exit(5);
      },
      ::testing::ExitedWithCode(128 + SIGINT), "");
}

TEST_F(ProgramEnd, AReportOrScreenshotThatCannotBeWrittenIsAFailure) {
  // A plain file stands where a folder would have to be made.
  std::ofstream(dir / "plain") << "a file\n";
  std::string nowhere = (dir / "plain" / "file").string();
  EXPECT_EXIT(
      {
        SetReportPath(nowhere + ".json");
        SetProgramEndHook(EndOfRun);
        EndProgram(0);
      },
      ::testing::ExitedWithCode(1), "Cannot write the report .*plain");
  EXPECT_EXIT(
      {
        MediaOptions options = CurrentMediaOptions();
        options.screenshots.emplace_back(PresentedFrames(), nowhere + ".png");
        MediaInit(options);
        PresentFrame(0);
        EndProgram(0);
      },
      ::testing::ExitedWithCode(1), "Could not save the screenshot .*plain");
  // A run that wrote everything it was asked to ends with 0.
  EXPECT_EXIT(
      {
        SetReportPath(report);
        SetProgramEndHook(EndOfRun);
        EndProgram(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(Has(Report(), "\"reason\": \"end\""));
}

}  // namespace
