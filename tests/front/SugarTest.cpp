// Sugar: good and bad hits and their points, the end at nothing or below, sweets landing, the ball's flight and
// launch, the life at exactly fifty, entries, a fresh start, the bot's aim and whole rounds through the game's loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "front/Minigames.h"
#include "front/SugarBot.h"
#include "front/SugarRules.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "support/Headless.h"

namespace {

class Sugar : public ::testing::Test {
 protected:
  SugarGame game;
  void SetUp() override { ResetSugarGame(game); }
  // An item that stays where it is put.
  SugarItem& Add(float x, int y, int state) {
    SugarItem item;
    item.x = x;
    item.y = y;
    item.vx = 0;
    item.state = state;
    game.items.push_back(item);
    return game.items.back();
  }
  // The ball in flight, standing still at a point for the next frame's contacts.
  void BallAt(SugarPoint p) {
    game.ballFlying = true;
    game.ballX = p.x;
    game.ballY = p.y;
    game.ballVX = game.ballVY = 0;
  }
  static int PopsAt(const MinigameEvents& events, int frequency) {
    return static_cast<int>(std::count_if(events.sounds.begin(), events.sounds.end(), [&](const MinigameSound& s) {
      return s.sound == Sound::Pop && s.frequency == frequency;
    }));
  }
};

TEST_F(Sugar, FourBadHitsFromTheStartEndTheRoundAtNothing) {
  for (int hit = 0; hit < 4; ++hit) {
    EXPECT_FALSE(SugarRoundOver(game));
    SugarItem& item = Add(300 + 150 * hit, 200, sugarCarrying);
    BallAt(SweetCentre(item));
    MinigameEvents events = StepSugar(game, {});
    EXPECT_EQ(PopsAt(events, 2500), 1);
    EXPECT_FALSE(game.ballFlying);
  }
  EXPECT_EQ(game.points, 0);
  EXPECT_TRUE(SugarRoundOver(game));
  EXPECT_EQ(SugarResult(game), 0);
  EXPECT_TRUE(std::all_of(game.items.begin(), game.items.end(),
                          [](const SugarItem& i) { return i.state == sugarBalloonAlone; }));
}

TEST_F(Sugar, PointsBelowNothingEndTheRoundAndCountAsNothing) {
  game.points = 3;
  BallAt(SweetCentre(Add(400, 200, sugarCarrying)));
  StepSugar(game, {});
  EXPECT_EQ(game.points, -2);
  EXPECT_TRUE(SugarRoundOver(game));
  EXPECT_EQ(SugarResult(game), 0);
}

TEST_F(Sugar, AFallingSweetThatReachesTheBottomPaysTenUntouched) {
  Add(600, 700, sugarSweetFalling);
  int frames = 0;
  while (!game.items.empty() && frames < 100) {
    StepSugar(game, {});
    frames += 1;
  }
  EXPECT_TRUE(game.items.empty());
  EXPECT_EQ(game.points, sugarPointsAtStart + sugarSweetCollected);
  EXPECT_EQ(frames, 10);  // it gains speed as it falls: 700, 707, 714, 721, ... 765, 773
}

TEST_F(Sugar, APoppedBalloonDropsItsSweetWhereItHungAndTheLoneBalloonAndFallingSweetCount) {
  SugarItem& item = Add(400, 200, sugarCarrying);
  SugarPoint sweet = SweetCentre(item);
  SugarPoint balloon = BalloonCentre(item);
  BallAt({balloon.x, balloon.y - 40});  // on the balloon, far from its sweet
  MinigameEvents events = StepSugar(game, {});
  EXPECT_EQ(PopsAt(events, 5000), 1);
  ASSERT_EQ(game.items.size(), 1u);
  EXPECT_EQ(game.items[0].state, sugarSweetFalling);
  EXPECT_FLOAT_EQ(game.items[0].x, sweet.x);
  EXPECT_NEAR(game.items[0].y, sweet.y, 1.0f);
  EXPECT_EQ(game.points, sugarPointsAtStart);  // the sweet pays when it lands
  EXPECT_EQ(game.popFrames, sugarPopFrames);
  EXPECT_FALSE(game.ballFlying);
  // Hit on its way down, the sweet is lost.
  BallAt(SweetCentre(game.items[0]));
  game.ballY += 5;  // it falls a little before the contact
  StepSugar(game, {});
  EXPECT_TRUE(game.items.empty());
  EXPECT_EQ(game.points, sugarPointsAtStart - sugarBadHit);
  // A balloon that lost its sweet rises and pays five when popped.
  SugarItem& lone = Add(500, 300, sugarBalloonAlone);
  StepSugar(game, {});
  EXPECT_EQ(game.items[0].y, 299);
  BallAt(BalloonCentre(lone));
  StepSugar(game, {});
  EXPECT_TRUE(game.items.empty());
  EXPECT_EQ(game.points, sugarPointsAtStart);
}

TEST_F(Sugar, ThePopShowsForFiveFrames) {
  BallAt(BalloonCentre(Add(400, 200, sugarBalloonAlone)));
  StepSugar(game, {});
  int shown = 0;
  while (game.popFrames > 0) {
    shown += 1;
    StepSugar(game, {});
  }
  EXPECT_EQ(shown, 5);
}

TEST_F(Sugar, TheBallBouncesOffTheSidesAndStopsAtTheTop) {
  game.ballFlying = true;
  game.ballX = 5, game.ballY = 400, game.ballVX = -8, game.ballVY = -1;
  StepSugar(game, {});
  EXPECT_TRUE(game.ballFlying);
  EXPECT_GT(game.ballVX, 0);
  StepSugar(game, {});
  EXPECT_FLOAT_EQ(game.ballX, 5);
  game.ballX = 1020, game.ballVX = 8;
  StepSugar(game, {});
  EXPECT_LT(game.ballVX, 0);
  EXPECT_TRUE(game.ballFlying);
  game.ballY = 10, game.ballVY = -16;
  StepSugar(game, {});
  EXPECT_FALSE(game.ballFlying);
  // Home again, it waits at the launcher's foot.
  SugarPoint rest = SugarRestingBall(game.aimAngle);
  StepSugar(game, {});
  EXPECT_FLOAT_EQ(game.ballX, rest.x);
  EXPECT_FLOAT_EQ(game.ballY, rest.y);
}

TEST_F(Sugar, FireLaunchesAlongTheAimOnceAndTheLauncherStopsShortOfTheHorizon) {
  StepSugar(game, {30, false, false});
  EXPECT_FLOAT_EQ(game.aimAngle, 30);
  SugarPoint rest = SugarRestingBall(30);
  MinigameEvents events = StepSugar(game, {0, true, false});
  ASSERT_TRUE(game.ballFlying);
  EXPECT_NEAR(game.ballVX, 8.0f, 1e-3f);  // 16 sin 30
  EXPECT_NEAR(game.ballVY, -16.0f * std::cos(std::numbers::pi_v<float> / 6), 1e-3f);
  EXPECT_NEAR(game.ballX, rest.x + game.ballVX, 1e-3f);
  ASSERT_EQ(events.sounds.size(), 1u);
  EXPECT_EQ(events.sounds[0].sound, Sound::GunShot);
  // Held, the fire launches nothing more once the ball is home.
  while (game.ballFlying) StepSugar(game, {0, true, false});
  for (int frame = 0; frame < 10; ++frame) StepSugar(game, {0, true, false});
  EXPECT_FALSE(game.ballFlying);
  StepSugar(game, {0, false, false});
  StepSugar(game, {0, true, false});
  EXPECT_TRUE(game.ballFlying);
  StepSugar(game, {500, false, false});
  EXPECT_FLOAT_EQ(game.aimAngle, sugarAimLimit);
  StepSugar(game, {-500, false, false});
  EXPECT_FLOAT_EQ(game.aimAngle, -sugarAimLimit);
}

TEST_F(Sugar, TheLifeComesAtExactlyFiftyAndOnlyOnce) {
  game.points = 45;
  BallAt(BalloonCentre(Add(400, 300, sugarBalloonAlone)));
  EXPECT_TRUE(StepSugar(game, {}).lifeWon);
  EXPECT_FALSE(StepSugar(game, {}).lifeWon);
  game.points = 40;
  Add(600, 767, sugarSweetFalling);
  EXPECT_FALSE(StepSugar(game, {}).lifeWon);
  EXPECT_EQ(game.points, 50);
}

TEST_F(Sugar, AnItemEntersEveryFourSecondsAtEitherSideAndTheSpeedGrowsEveryHalfMinute) {
  for (int frame = 1; frame < sugarEntryPeriod; ++frame) StepSugar(game, {});
  EXPECT_TRUE(game.items.empty());
  int left = 0, right = 0;
  for (int n = 0; n < 40; ++n) {
    game.items.clear();
    while (game.items.empty()) StepSugar(game, {});
    const SugarItem& item = game.items[0];
    EXPECT_GE(item.y, 128);
    EXPECT_LE(item.y, 256);
    EXPECT_EQ(item.state, sugarCarrying);
    EXPECT_GE(item.sweetPicture, sugarSweets);
    EXPECT_LT(item.sweetPicture, sugarSweets + sugarSweetCount);
    if (item.vx > 0) {
      left += 1;
      EXPECT_FLOAT_EQ(item.x, -32 + 0.5f * game.speedFactor);
    } else {
      right += 1;
      EXPECT_FLOAT_EQ(item.x, 32 + 1023 - 0.5f * game.speedFactor);
    }
  }
  EXPECT_GT(left, 0);
  EXPECT_GT(right, 0);
  EXPECT_GE(game.frameCount, sugarSpeedPeriod);
  EXPECT_FLOAT_EQ(game.speedFactor, 1.0f + sugarSpeedStep * static_cast<float>(game.frameCount / sugarSpeedPeriod));
}

TEST_F(Sugar, AFreshStartForgetsTheLastRound) {
  game.lifeWon = game.triggerHeld = game.quitRequested = game.ballFlying = true;
  game.points = 70;
  game.aimAngle = 40;
  game.popFrames = 3;
  Add(1, 1, sugarCarrying);
  ResetSugarGame(game);
  EXPECT_FALSE(game.lifeWon || game.triggerHeld || game.quitRequested || game.ballFlying);
  EXPECT_EQ(game.points, sugarPointsAtStart);
  EXPECT_EQ(game.aimAngle, 0);
  EXPECT_EQ(game.popFrames, 0);
  EXPECT_TRUE(game.items.empty());
  EXPECT_FALSE(SugarRoundOver(game));
  StepSugar(game, {0, false, true});
  EXPECT_TRUE(SugarRoundOver(game));
  EXPECT_EQ(SugarResult(game), sugarPointsAtStart);
}

// The bot's input reaches the rules a frame later, as a player's would through the journal.
void RunBot(SugarGame& game, int frames, int& worstLoss) {
  MinigameBotMemory memory;
  MinigameInput input;
  for (int frame = 0; frame < frames; ++frame) {
    int before = game.points;
    StepSugar(game, {input.move, input.fire, false});
    worstLoss = std::max(worstLoss, before - game.points);
    input = SugarBotInput(game, memory);
  }
}

TEST_F(Sugar, TheBotPopsABalloonStraightAboveWithoutTouchingItsSweet) {
  SugarItem& item = Add(512, 250, sugarCarrying);
  EXPECT_EQ(SugarShotOutcome(game, 0), SugarContact::SweetLost);
  EXPECT_EQ(SugarShotOutcome(game, 80), SugarContact::None);
  game.frameCount = 1;
  item.vx = 0;
  int worstLoss = 0;
  RunBot(game, 200, worstLoss);
  EXPECT_EQ(worstLoss, 0);
  EXPECT_EQ(game.points, sugarPointsAtStart + sugarSweetCollected);
  EXPECT_NE(game.aimAngle, 0);
}

TEST_F(Sugar, WithinTwoMinutesTheBotWinsTheLifeWithoutEverLosingPoints) {
  int worstLoss = 0;
  RunBot(game, sugarBotPatience - 1, worstLoss);
  EXPECT_TRUE(game.lifeWon);
  EXPECT_EQ(worstLoss, 0);
  EXPECT_EQ(game.points, sugarLifePoints);  // and leaves with it
}

TEST(SugarRound, EscapeKeepsThePointsAndTheBotPlaysARoundToItsEnd) {
  ResetGameForTest();
  ReplayJournalText("3 keys=1\n4 keys=\n");
  EXPECT_EQ(PlaySugar(), sugarPointsAtStart);
  EXPECT_EQ(play.sugarPoints, sugarPointsAtStart);
  EXPECT_EQ(sugar.frameCount, 5);  // a journal's frame is read by the step after its present
  ResetGameForTest();
  settings.autoplay = true;
  int lives = play.lives;
  int result = PlaySugar();
  EXPECT_EQ(result, play.sugarPoints);
  EXPECT_TRUE(sugar.lifeWon || sugar.frameCount >= sugarBotPatience);
  EXPECT_EQ(play.lives, lives + (sugar.lifeWon ? 1 : 0));
  EXPECT_GT(result, sugarPointsAtStart) << "the bot lost points";
}

}  // namespace
