// Taron: the hits against his mask and their cooldown, the volleys' speed, shots that miss or strike,
// the descent, the pause, the defeat, and the fight going on with the effects switched off.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "game/LevelWonPicture.h"
#include "game/Taron.h"
#include "media/Media.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/Scene.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"
#include "support/Headless.h"

namespace {

constexpr int testBall = 5;  // a 16 x 16 solid square stands in for the ball's picture

class TaronFight : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ResetGameForTest();
    play.levelIndex = finalLevelNormal;
    SetUpLevel();  // the boss's pictures from the level's scene pack
  }
  void SetUp() override {
    ResetAllPlayState();
    settings.effectsEnabled = true;
    settings.soundEnabled = false;
    play.levelIndex = finalLevelNormal;
    play.sceneBuilt = true;
    std::vector<uint32_t> solid(16 * 16, 0xFFFFFFFFu);
    ASSERT_TRUE(SpriteFromPixels(testBall, 16, 16, solid.data(), kSpriteQuadTexture | kSpriteKeepAlpha));
    ASSERT_TRUE(HasSprite(taronMask));
    ResetTaron();
  }
  // Taron in place, hovering, before his first volley.
  static void Hovering() {
    taron.state = TaronState::eyesLighting;
    taron.stateTimer = framesPerSecond;
    taron.y = taronHoverY;
  }
  static Ball& BallAt(float x, float y) {
    return AddBall(x, y, 3, -4, 8, testBall);
  }
  // One frame of the fight with the level clock running, as the scene runs it.
  static void Frame() {
    StepTaron();
    BeginQuads();
    DrawTaron();
    EndQuads();
    play.frameTick += 1;
  }
  // Keeps one ball on Taron's face for `frames` frames; his shots are left out of it.
  static void BallOnFace(int frames) {
    for (int i = 0; i < frames; ++i) {
      lists.balls.Clear();
      taron.shots.Clear();
      BallAt(static_cast<float>(taron.x), taron.y);
      Frame();
    }
  }
};

TEST_F(TaronFight, TwelveHitsDefeatHimAndHitsWithinTheCooldownDoNotCount) {
  Hovering();
  BallOnFace(1);
  EXPECT_EQ(taron.hitPoints, 11);
  EXPECT_EQ(play.score, 500);
  EXPECT_EQ(taron.pulse, 0);
  Ball& ball = *lists.balls.At(0);
  EXPECT_FLOAT_EQ(ball.vx, -3);  // sent back the way it came
  EXPECT_FLOAT_EQ(ball.vy, 4);
  BallOnFace(59);  // the face still flashes red
  EXPECT_EQ(taron.hitPoints, 11);
  BallOnFace(1);
  EXPECT_EQ(taron.hitPoints, 10);
  for (int hit = 3; hit <= 12; ++hit) BallOnFace(60);
  EXPECT_EQ(taron.hitPoints, 0);
  EXPECT_EQ(taron.state, TaronState::defeated);
  EXPECT_TRUE(play.gameWon);
  EXPECT_TRUE(play.levelEnding);
  EXPECT_TRUE(play.sceneFrozen);
  EXPECT_EQ(play.score, 12 * 500);
  EXPECT_TRUE(lists.balls.Empty());
  EXPECT_EQ(taron.shots.Count(), 0);
  // He rises away in flames and never shrinks below nothing.
  for (int i = 0; i < 2000; ++i) {
    lists.bigExplosions.Clear();
    Frame();
    EXPECT_GE(taron.scale, 0.0f);
  }
  EXPECT_LE(taron.y, -256 + 1);
  EXPECT_EQ(taron.hitPoints, 0);
}

TEST_F(TaronFight, OnlyOneHitCountsInAFrameWhateverTheBalls) {
  Hovering();
  BallAt(static_cast<float>(taron.x), taron.y);
  BallAt(static_cast<float>(taron.x) + 10, taron.y);
  Frame();
  EXPECT_EQ(taron.hitPoints, 11);
}

TEST_F(TaronFight, ABallOnTheTransparentCornerOfHisPictureDoesNotHit) {
  Hovering();
  // The corner of the picture is outside the face's shape.
  ASSERT_EQ(SpritePixel(taronMask, 4, 4) >> 24, 0u);
  ASSERT_EQ(SpritePixel(taronMask, 14, 14) >> 24, 0u);
  float left = static_cast<float>(taron.x - 128), top = taron.y - 128;
  BallAt(left + 9, top + 9);  // the 16-pixel ball covers pixels 1..16 of the corner
  Frame();
  EXPECT_EQ(taron.hitPoints, 12);
  EXPECT_EQ(play.score, 0);
  lists.balls.Clear();
  BallAt(static_cast<float>(taron.x), taron.y + 40);  // and the middle of the face does
  Frame();
  EXPECT_EQ(taron.hitPoints, 11);
}

TEST_F(TaronFight, VolleysSpeedUpByAFifthUpToJustAboveEight) {
  Hovering();
  for (int volley = 1; volley <= 6; ++volley) {
    taron.state = TaronState::firing;
    Frame();
    EXPECT_EQ(taron.state, TaronState::mouthHeldOpen);
  }
  EXPECT_NEAR(taron.shotSpeed, 3.2f, 1e-4f);
  EXPECT_EQ(taron.shots.Count(), 12);
  taron.shots.Clear();
  taron.state = TaronState::firing;
  Frame();  // the seventh volley flies at 3.2
  taron.shots.ForEach([](const TaronShot& s) { EXPECT_NEAR(std::hypot(s.vx, s.vy), 3.2f, 1e-3f); });
  float fastest = 0;
  for (int volley = 0; volley < 60; ++volley) {
    taron.shots.Clear();
    taron.state = TaronState::firing;
    Frame();
    taron.shots.ForEach([&](const TaronShot& s) { fastest = std::max(fastest, std::hypot(s.vx, s.vy)); });
  }
  EXPECT_LE(fastest, 8.2f + 1e-3f);
  EXPECT_GE(fastest, 8.0f - 1e-3f);
  EXPECT_LE(taron.shotSpeed, 8.2f + 1e-3f);
}

TEST_F(TaronFight, TheFiringCycleOpensTheMouthFiresAndCloses) {
  Hovering();
  int volleysSeen = 0, firstVolleyFrame = -1;
  for (int frame = 0; frame < 1200; ++frame) {
    taron.shots.Clear();  // the ship is not what this is about
    int before = taron.volleys;
    Frame();
    if (taron.volleys > before) {
      volleysSeen += 1;
      if (firstVolleyFrame < 0) firstVolleyFrame = frame;
    }
  }
  // Eyes light up over a second, glow a second, the mouth opens in six frames, then the volley.
  EXPECT_EQ(firstVolleyFrame, 2 * framesPerSecond + 6);
  EXPECT_GE(volleysSeen, 3);
  EXPECT_TRUE(TaronInPlay());
  EXPECT_NE(taron.state, TaronState::settling);
}

TEST_F(TaronFight, OneCycleRunsItsStagesInOrderForTheirFrames) {
  Hovering();
  taron.shotSpeed = 2.0f;
  // Each stage entered, with the frames it lasted.
  std::vector<std::pair<int, int>> stages;
  int frames = 0;
  while (frames < 1000 && (stages.empty() || stages.back().first != static_cast<int>(TaronState::resting))) {
    taron.shots.Clear();
    int state = static_cast<int>(taron.state);
    if (stages.empty() || stages.back().first != state) stages.push_back({state, 0});
    stages.back().second += 1;
    Frame();
    frames += 1;
  }
  std::vector<std::pair<int, int>> expected = {{2, framesPerSecond}, {3, framesPerSecond}};
  for (int opening = 4; opening <= 9; ++opening) expected.push_back({opening, 1});  // a frame per wider face
  expected.push_back({10, 1});                       // the volley
  // The mouth stays open two seconds over the shot speed, which the volley has just raised to 2.2.
  expected.push_back({11, static_cast<int>(2 * framesPerSecond / 2.2f)});
  for (int closing = 12; closing <= 19; ++closing) expected.push_back({closing, 2});
  expected.push_back({20, 1});
  expected.push_back({21, 1});  // the first frame of the rest
  EXPECT_EQ(stages, expected);
  EXPECT_EQ(taron.eyeAlpha, 0) << "the eyes are dark while he rests";
}

TEST_F(TaronFight, AMissedShotLeavesAtTheBottomAndIsRemoved) {
  Hovering();
  taron.state = TaronState::resting;  // no new volley while the shot falls
  taron.stateTimer = 100000;
  ship.x = fieldLeft + 60;
  TaronShot* shot = taron.shots.Add();
  shot->x = 700;
  shot->y = 600;
  shot->vy = 4;
  int frames = 0;
  while (taron.shots.Count() > 0 && frames < 200) {
    EXPECT_LE(taron.shots.At(0)->y, 768 + 64 + 4);
    Frame();
    frames += 1;
  }
  EXPECT_EQ(taron.shots.Count(), 0);
  EXPECT_GT(frames, (768 - 600) / 4);  // not before it has left the screen
  EXPECT_EQ(taron.state, TaronState::resting);
  EXPECT_EQ(play.lives, 3);
}

TEST_F(TaronFight, AShotThatReachesTheShipCostsEveryBallAndTheLife) {
  Hovering();
  taron.state = TaronState::resting;
  taron.stateTimer = 100000;
  BallAt(200, 300);
  BallAt(300, 300);
  TaronShot* shot = taron.shots.Add();
  shot->x = ship.x;
  shot->y = ship.y - 60;
  shot->vy = 8;
  for (int i = 0; i < 10 && taron.shots.Count() > 0; ++i) Frame();
  EXPECT_EQ(taron.shots.Count(), 0);
  EXPECT_TRUE(lists.balls.Empty());
  EXPECT_EQ(play.lives, 2);
  EXPECT_TRUE(play.restartLevel);
  EXPECT_EQ(taron.state, TaronState::won);  // Taron has won this round
  int held = static_cast<int>(taron.y);
  Frame();  // the game holds while the life is lost
  EXPECT_EQ(static_cast<int>(taron.y), held);
}

TEST_F(TaronFight, HeDescendsGrowingToFullSizeThenSettlesAndHoldsWhilePaused) {
  EXPECT_EQ(taron.state, TaronState::descending);
  EXPECT_FLOAT_EQ(taron.scale, 96);
  int frames = 0;
  while (taron.state == TaronState::descending && frames < 1000) {
    Frame();
    frames += 1;
  }
  EXPECT_EQ(frames, taronHoverY);  // a pixel a frame
  EXPECT_NEAR(taron.scale, 256, 1.0f);
  BallOnFace(1);
  EXPECT_EQ(taron.hitPoints, 11);  // in place, he can be hit
  play.gameFrozen = true;
  TaronFight::Hovering();
  TaronState state = taron.state;
  int timer = taron.stateTimer, pulse = taron.pulse;
  for (int i = 0; i < 100; ++i) Frame();
  EXPECT_EQ(taron.state, state);
  EXPECT_EQ(taron.stateTimer, timer);
  EXPECT_EQ(taron.pulse, pulse);
}

TEST_F(TaronFight, HeFightsWithTheEffectsSwitchedOff) {
  settings.effectsEnabled = false;
  play.sceneBuilt = false;
  for (int i = 0; i < 10; ++i) {
    StepScene();
    BeginQuads();
    DrawScene();
    EndQuads();
    play.frameTick += 1;
  }
  EXPECT_EQ(taron.state, TaronState::descending);
  EXPECT_NEAR(taron.y, 10, 1e-3f);
}

// The whole way through the game's own loop: the last hit wins the game, the winner picture is built
// while Taron rises away, and a click ends the game with its ending.
TEST(TaronInPlay, TheLastHitWinsTheGameAndAClickLeavesForTheEnding) {
  ResetGameForTest();
  play.levelIndex = finalLevelNormal;
  StartLevel();
  ASSERT_EQ(taron.state, TaronState::descending);
  taron.state = TaronState::eyesLighting;
  taron.stateTimer = framesPerSecond;
  taron.y = taronHoverY;
  taron.hitPoints = 1;
  Ball& ball = *lists.balls.At(0);
  std::vector<uint32_t> solid(16 * 16, 0xFFFFFFFFu);
  ASSERT_TRUE(SpriteFromPixels(testBall, 16, 16, solid.data(), kSpriteQuadTexture | kSpriteKeepAlpha));
  ball.sprite = testBall;
  ball.stuck = false;
  ball.x = static_cast<float>(taron.x);
  ball.y = taron.y + 40;
  ball.vx = 0;
  ball.vy = -2;
  play.servePending = false;
  EXPECT_EQ(RunFramesUntilExit(120), 120) << "the win waits for a click";
  EXPECT_TRUE(play.gameWon);
  EXPECT_EQ(taron.state, TaronState::defeated);
  EXPECT_TRUE(play.levelEnding);
  EXPECT_LT(taron.y, taronHoverY);  // on his way up
  ReplayJournalText("1 buttons=1\n2 buttons=0\n");
  EXPECT_EQ(RunFramesUntilExit(10), 1);
  ClickThroughScreens();
  HandleLevelExit();
  EXPECT_TRUE(play.leaveGame);
}

}  // namespace
