// The level-won picture: zigzag scan from the bottom row, flights of 40 frames, landing, and the click.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/LevelWonPicture.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "shell/Shell.h"
#include "support/Headless.h"

namespace {

// Image numbers of our own, so the game's word pictures stay untouched.
constexpr int allWhiteImage = 40, noWhiteImage = 41;

void MakeImage(int number, int w, int h, int colour) {
  ASSERT_TRUE(CreateBlankImage(number, w, h));
  ASSERT_TRUE(BeginDraw(DrawTargetKind::Image, number));
  FillBox(0, 0, w, h, colour);
  EndDraw();
}

class WonPicture : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameForTest(); }
  void TearDown() override {
    ReplayJournalText("1 keys= mouse=0,0 buttons=0\n");
    PresentFrame(0);
  }
  static std::vector<std::pair<float, float>> FlyingTargets() {
    std::vector<std::pair<float, float>> out;
    wonPicture.flying.ForEach([&](const FlyingBall& b) { out.emplace_back(b.targetX, b.targetY); });
    return out;
  }
  static void Draw(int frames) {
    for (int i = 0; i < frames; ++i) {
      StepLevelWonPicture();
      play.frameTick += 1;
    }
  }
};

TEST_F(WonPicture, ScanRunsInAZigzagFromTheBottomRowThreePixelsAFrame) {
  MakeImage(allWhiteImage, 4, 3, ColorRGB(255, 255, 255));
  StartLevelWonPicture(allWhiteImage);
  EXPECT_TRUE(play.levelEnding);
  Draw(1);
  EXPECT_EQ(wonPicture.flying.Count(), 3);
  Draw(3);
  // The scan starts one step along the bottom row, turns up at each edge and ends past the top row.
  const std::pair<int, int> order[] = {{1, 2}, {2, 2}, {3, 2}, {3, 1}, {2, 1}, {1, 1},
                                       {0, 1}, {0, 0}, {1, 0}, {2, 0}, {3, 0}};
  auto targets = FlyingTargets();
  ASSERT_EQ(targets.size(), std::size(order));
  for (size_t i = 0; i < targets.size(); ++i) {
    // A 10-pixel grid from the left wall, centred on the middle of the screen (height 3: 384 - 15).
    EXPECT_FLOAT_EQ(targets[i].first, 88.0f + 10 * order[i].first) << "ball " << i;
    EXPECT_FLOAT_EQ(targets[i].second, 369.0f + 10 * order[i].second) << "ball " << i;
  }
  EXPECT_LT(wonPicture.scanY, 0);
  EXPECT_FALSE(LevelWonPictureComplete());
}

TEST_F(WonPicture, EveryBallLandsExactlyFortyFramesAfterItsLaunch) {
  MakeImage(allWhiteImage, 4, 3, ColorRGB(255, 255, 255));
  StartLevelWonPicture(allWhiteImage);
  Draw(1);  // three balls launched
  Draw(39);
  EXPECT_EQ(wonPicture.placed.Count(), 0);
  wonPicture.flying.ForEach([](const FlyingBall& b) { EXPECT_TRUE(b.active); });
  Draw(1);  // the first three land
  EXPECT_EQ(wonPicture.placed.Count(), 3);
  Draw(3);  // the last ones, launched in the top row after the scan ended, land too
  EXPECT_EQ(wonPicture.placed.Count(), 11);
  EXPECT_TRUE(wonPicture.flying.Empty());
  EXPECT_TRUE(LevelWonPictureComplete());
  float firstX = 0, firstY = 0;
  wonPicture.placed.ForEach([&](const PlacedBall& b) {
    if (firstX == 0) {
      firstX = b.x;
      firstY = b.y;
    }
  });
  EXPECT_FLOAT_EQ(firstX, 98.0f);
  EXPECT_FLOAT_EQ(firstY, 389.0f);
}

TEST_F(WonPicture, ANewStartEmptiesBothListsOfAnUnfinishedPicture) {
  MakeImage(allWhiteImage, 4, 3, ColorRGB(255, 255, 255));
  StartLevelWonPicture(allWhiteImage);
  Draw(42);
  ASSERT_FALSE(wonPicture.placed.Empty());
  ASSERT_FALSE(wonPicture.flying.Empty());
  StartLevelWonPicture(allWhiteImage);
  EXPECT_TRUE(wonPicture.placed.Empty());
  EXPECT_TRUE(wonPicture.flying.Empty());
  EXPECT_TRUE(wonPicture.pictureStart);
}

TEST_F(WonPicture, APictureWithoutWhitePixelsGivesNoBallsAndTheLoopStillWaitsForTheClick) {
  // Almost white is not white.
  MakeImage(noWhiteImage, 6, 4, ColorRGB(255, 255, 254));
  play.levelWon = true;
  StartLevelWonPicture(noWhiteImage);
  EXPECT_EQ(RunFramesUntilExit(200), 200);
  EXPECT_TRUE(wonPicture.flying.Empty());
  EXPECT_TRUE(wonPicture.placed.Empty());
  EXPECT_TRUE(LevelWonPictureComplete());
  ReplayJournalText("1 buttons=1\n");
  EXPECT_EQ(RunFramesUntilExit(10), 1);
}

TEST_F(WonPicture, AMissingPictureEndsTheScanAtOnce) {
  StartLevelWonPicture(4321);
  Draw(2);
  EXPECT_TRUE(wonPicture.flying.Empty());
  EXPECT_TRUE(LevelWonPictureComplete());
}

}  // namespace
