// The 1972 duel: the serve's wait, the computer's returns speeding the ball up to ten, one life for a win, and
// Escape leaving without a result.
#include <gtest/gtest.h>

#include "front/Console.h"
#include "front/Duel.h"
#include "front/Minigames.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "support/Headless.h"

namespace {

class Duel : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    ResetConsole();
    duel = DuelState{};
    ServeDuelBall();
  }
};

TEST_F(Duel, TheServedBallWaitsThreeQuartersOfASecond) {
  int x = duel.ballX, y = duel.ballY;
  for (int i = 0; i < 45; ++i) StepDuel(0);
  EXPECT_EQ(duel.ballX, x);
  EXPECT_EQ(duel.ballY, y);
  StepDuel(0);
  EXPECT_NE(duel.ballX, x);
  EXPECT_EQ(std::abs(duel.ballX - x), 6);
}

TEST_F(Duel, EachComputerReturnSpeedsTheBallUpByOneUpToTen) {
  duel.frame = duel.moveStart + 1;
  for (int rally = 0; rally < 8; ++rally) {
    int before = duel.ballSpeed;
    duel.ballDir = 0;  // right and down, onto the computer's paddle
    duel.ballX = 1024 - duelPaddleWidth - 12 - before;
    duel.ballY = 300;
    duel.cpuY = 280;
    StepDuel(0);
    EXPECT_EQ(duel.ballDir, 1) << rally;
    EXPECT_EQ(duel.ballSpeed, std::min(before + 1, 10)) << rally;
  }
  EXPECT_EQ(duel.ballSpeed, 10);
}

TEST_F(Duel, WinningTenToNAddsExactlyOneLifeAndTheResultStaysFourSeconds) {
  play.lives = 3;
  duel.humanScore = 10;
  duel.cpuScore = 4;
  int frames = 0;
  StepDuel(0);  // the frame that decides
  while (!StepDuel(0) && frames < 1000) frames += 1;
  EXPECT_EQ(frames, 240);  // four seconds shown, then it closes
  EXPECT_EQ(play.lives, 4);
  EXPECT_EQ(console.lines.back(), "YOU WIN! 10-4");
}

TEST_F(Duel, EscapeLeavesWithoutAResultLineOrALife) {
  play.lives = 3;
  ReplayJournalText("5 keys=1\n6 keys=\n");
  PlayDuel();
  EXPECT_EQ(play.lives, 3);
  EXPECT_TRUE(console.lines.empty());
  EXPECT_LT(PresentedFrames(), 1000000);
}

}  // namespace
