// Duck shooting: hits and their points, the life at exactly fifty, escapes, the trigger, the ducks growing along
// the rows, entries and drift, a fresh start, the bot's aim and a whole round through the game's loop.
#include <gtest/gtest.h>

#include <algorithm>

#include "front/DuckBot.h"
#include "front/DuckRules.h"
#include "front/Minigames.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "support/Headless.h"

namespace {

constexpr int canard0Right = duckTargets + duckCanard0 + duckFacingRight;
constexpr int canard1Left = duckTargets + duckCanard1;
constexpr int canard2Right = duckTargets + duckCanard2 + duckFacingRight;
constexpr int caddieRight = duckTargets + duckCaddie + duckFacingRight;
constexpr int escargotRight = duckTargets + duckEscargot + duckFacingRight;

class DuckShooting : public ::testing::Test {
 protected:
  DuckGame game;
  void SetUp() override { ResetDuckGame(game); }
  // A target standing still, so that a shot placed under it meets it on the next frame.
  void Place(int picture, float x, int row) { game.targets.push_back({x, row, -game.driftSpeed, picture}); }
  void ShootAt(int x, int row) { game.shots.push_back({x, row + duckShotSpeed}); }
  bool HasSound(const MinigameEvents& events, Sound sound, int frequency) {
    return std::any_of(events.sounds.begin(), events.sounds.end(),
                       [&](const MinigameSound& s) { return s.sound == sound && s.frequency == frequency; });
  }
};

TEST_F(DuckShooting, HittingATrolleyAtThreePointsEndsTheRound) {
  game.points = 3;
  Place(caddieRight, 500, duckBottomRow);
  ShootAt(500, duckBottomRow);
  MinigameEvents events = StepDuck(game, {});
  EXPECT_EQ(game.points, -1);
  EXPECT_TRUE(game.targets.empty());
  EXPECT_TRUE(game.shots.empty());
  EXPECT_TRUE(HasSound(events, Sound::Pop, 50));
  EXPECT_TRUE(DuckRoundOver(game));
}

TEST_F(DuckShooting, EachKindPaysItsPointsAndAShotReachesSixteenPixelsEitherSide) {
  const int expected[7] = {1, 2, 3, -4, -1, -2, -3};
  for (int kind = 0; kind < 7; ++kind) {
    for (bool right : {false, true}) {
      ResetDuckGame(game);
      Place(DuckPicture(kind, right), 500, duckMiddleRow);
      ShootAt(516, duckMiddleRow - 16);
      StepDuck(game, {});
      EXPECT_EQ(game.points, duckPointsAtStart + expected[kind]) << kind;
    }
  }
  ResetDuckGame(game);
  Place(canard0Right, 500, duckMiddleRow);
  ShootAt(517, duckMiddleRow);
  StepDuck(game, {});
  EXPECT_EQ(game.points, duckPointsAtStart);
  EXPECT_EQ(game.targets.size(), 1u);
}

TEST_F(DuckShooting, OnlyOneHitCountsInAFrameAndAShotAboveTheScreenGoes) {
  Place(canard0Right, 200, duckTopRow);
  Place(canard0Right, 600, duckTopRow);
  ShootAt(200, duckTopRow);
  ShootAt(600, duckTopRow);
  game.shots.push_back({900, 0});
  StepDuck(game, {});
  EXPECT_EQ(game.points, duckPointsAtStart + 1);
  EXPECT_EQ(game.targets.size(), 1u);
  ASSERT_EQ(game.shots.size(), 1u);  // the shot at the top has gone, the second waits for the next frame
  StepDuck(game, {});
  EXPECT_EQ(game.points, duckPointsAtStart + 2);  // still within reach of its row
}

TEST_F(DuckShooting, TheLifeComesWhenThePointsStandAtExactlyFiftyAndOnlyOnce) {
  game.points = 48;
  Place(canard2Right, 300, duckTopRow);
  ShootAt(300, duckTopRow);
  EXPECT_FALSE(StepDuck(game, {}).lifeWon);  // 51: fifty was passed, not reached
  EXPECT_EQ(game.points, 51);
  game.points = 49;
  Place(canard0Right, 300, duckTopRow);
  ShootAt(300, duckTopRow);
  EXPECT_TRUE(StepDuck(game, {}).lifeWon);
  EXPECT_TRUE(game.lifeWon);
  EXPECT_FALSE(StepDuck(game, {}).lifeWon);  // still fifty
  game.points = 47;
  Place(canard2Right, 300, duckTopRow);
  ShootAt(300, duckTopRow);
  EXPECT_FALSE(StepDuck(game, {}).lifeWon);
  EXPECT_EQ(game.points, 50);
}

TEST_F(DuckShooting, AnEscapingDuckCostsFiveAndAnEscapingSnailNothing) {
  game.targets.push_back({1055, duckBottomRow, 1, canard2Right});
  game.targets.push_back({1055, duckBottomRow, 1, escargotRight});
  MinigameEvents events = StepDuck(game, {});
  EXPECT_TRUE(game.targets.empty());
  EXPECT_EQ(game.points, duckPointsAtStart - duckEscapeCost);
  EXPECT_TRUE(HasSound(events, Sound::Tick, 500));
  ASSERT_EQ(events.sounds.size(), 1u);
  // At five points the duck's escape ends the round.
  game.points = 5;
  game.targets.push_back({1055, duckBottomRow, 1, canard2Right});
  StepDuck(game, {});
  EXPECT_TRUE(DuckRoundOver(game));
}

TEST_F(DuckShooting, HoldingFireFiresOnceAndTheNextPressWaitsForTheCooldown) {
  int shotsFired = 0;
  for (int frame = 0; frame < 30; ++frame) {
    for (const MinigameSound& s : StepDuck(game, {0, true, false}).sounds) shotsFired += s.sound == Sound::GunShot;
  }
  EXPECT_EQ(shotsFired, 1);
  ASSERT_FALSE(game.shots.empty());
  EXPECT_EQ(game.shots.front().x, game.cannonX);
  // A quick release and press within the cooldown fire as soon as it has run out, once.
  ResetDuckGame(game);
  StepDuck(game, {0, true, false});
  StepDuck(game, {0, false, false});
  int firedAt = 0;
  for (int frame = 3; frame < 20 && firedAt == 0; ++frame) {
    for (const MinigameSound& s : StepDuck(game, {0, true, false}).sounds) {
      if (s.sound == Sound::GunShot) firedAt = frame;
    }
  }
  EXPECT_EQ(firedAt, 1 + duckShotPause);
}

TEST_F(DuckShooting, ADuckGrowsFromCanard0ToCanard2OnItsWayDownAndOtherKindsKeepTheirs) {
  game.targets.push_back({1055, duckTopRow, 1, canard0Right});
  game.targets.push_back({1055, duckTopRow, 1, escargotRight});
  StepDuck(game, {});
  ASSERT_EQ(game.targets.size(), 2u);
  EXPECT_EQ(game.targets[0].row, duckMiddleRow);
  EXPECT_EQ(game.targets[0].picture, canard1Left);
  EXPECT_EQ(game.targets[0].speed, 2.0f);
  EXPECT_EQ(game.targets[1].picture, duckTargets + duckEscargot);
  for (DuckTarget& t : game.targets) t.x = -30;
  StepDuck(game, {});
  EXPECT_EQ(game.targets[0].row, duckBottomRow);
  EXPECT_EQ(game.targets[0].picture, canard2Right);
  EXPECT_EQ(game.targets[0].speed, 3.0f);
  EXPECT_EQ(game.targets[1].picture, escargotRight);
}

TEST_F(DuckShooting, ATargetEntersEverySecondAndTheDriftGrowsEveryHalfMinute) {
  for (int frame = 1; frame < duckEntryPeriod; ++frame) StepDuck(game, {});
  EXPECT_TRUE(game.targets.empty());
  StepDuck(game, {});
  ASSERT_EQ(game.targets.size(), 1u);
  const DuckTarget& t = game.targets.front();
  EXPECT_EQ(t.x, -64.0f);
  EXPECT_EQ(t.row, duckTopRow);
  EXPECT_EQ(t.speed, 1.0f);
  EXPECT_TRUE(DuckFacesRight(t.picture));
  EXPECT_TRUE(t.picture == canard0Right || !IsDuckPicture(t.picture));
  game.points = 1000;  // no escape ends the round meanwhile
  while (game.frameCount < duckDriftPeriod) StepDuck(game, {});
  EXPECT_FLOAT_EQ(game.driftSpeed, duckDriftStep);
}

TEST_F(DuckShooting, AFreshStartForgetsTheLastRoundAndTheCannonStaysOnTheScreen) {
  game.lifeWon = game.triggerHeld = game.quitRequested = true;
  game.shotCooldown = 5;
  game.points = 3;
  Place(canard0Right, 10, duckTopRow);
  ShootAt(10, 500);
  ResetDuckGame(game);
  EXPECT_FALSE(game.lifeWon || game.triggerHeld || game.quitRequested);
  EXPECT_EQ(game.shotCooldown, 0);
  EXPECT_EQ(game.points, duckPointsAtStart);
  EXPECT_TRUE(game.targets.empty() && game.shots.empty());
  StepDuck(game, {-5000, false, false});
  EXPECT_EQ(game.cannonX, 0);
  StepDuck(game, {5000, false, false});
  EXPECT_EQ(game.cannonX, duckScreenWidth - 1);
  EXPECT_FALSE(DuckRoundOver(game));
  StepDuck(game, {0, false, true});
  EXPECT_TRUE(DuckRoundOver(game));
}

// The bot's input reaches the rules a frame later, as a player's would through the journal.
int RunBot(DuckGame& game, int frames) {
  MinigameBotMemory memory;
  MinigameInput input;
  int shots = 0;
  for (int frame = 0; frame < frames; ++frame) {
    MinigameEvents events = StepDuck(game, input);
    for (const MinigameSound& s : events.sounds) shots += s.sound == Sound::GunShot;
    input = DuckBotInput(game, memory);
  }
  return shots;
}

TEST_F(DuckShooting, TheBotLeadsADuckAndHitsIt) {
  game.targets.push_back({700, duckMiddleRow, 2, canard1Left});
  RunBot(game, 100);
  EXPECT_TRUE(std::none_of(game.targets.begin(), game.targets.end(),
                           [](const DuckTarget& t) { return t.picture == canard1Left; }));
  EXPECT_GE(game.points, duckPointsAtStart + 2);
}

TEST_F(DuckShooting, TheBotHoldsItsFireWhileASnailIsInTheWay) {
  // A snail on the bottom row keeps pace with a duck straight above it on the top row.
  game.targets.push_back({512, duckBottomRow, 0, escargotRight});
  game.targets.push_back({512, duckTopRow, 0, canard0Right});
  EXPECT_EQ(PredictedDuckHit(game, 512), escargotRight);
  EXPECT_EQ(RunBot(game, 100), 0);
  EXPECT_EQ(game.points, duckPointsAtStart);
  // Once the snail has gone the duck is shot.
  game.targets.erase(game.targets.begin());
  RunBot(game, 100);
  EXPECT_TRUE(std::none_of(game.targets.begin(), game.targets.end(),
                           [](const DuckTarget& t) { return t.x == 512 && t.row == duckTopRow; }));
  EXPECT_GE(game.points, duckPointsAtStart + 1);
}

TEST(DuckShootingRound, EscapeEndsTheRoundAndTheBotPlaysARoundToItsEnd) {
  ResetGameForTest();
  ReplayJournalText("3 keys=1\n4 keys=\n");
  PlayDuck();
  EXPECT_EQ(duck.frameCount, 5);  // a journal's frame is read by the step after its present
  EXPECT_EQ(duck.points, duckPointsAtStart);
  EXPECT_TRUE(duck.targets.empty());
  EXPECT_EQ(duck.cannonY, duckScreenHeight - SpritePixelHeight(duckCannon));
  // The bot leaves with the life won, or after two minutes.
  ResetGameForTest();
  settings.autoplay = true;
  int lives = play.lives;
  PlayDuck();
  EXPECT_TRUE(duck.lifeWon || duck.frameCount >= duckBotPatience || duck.points < 1);
  EXPECT_EQ(play.lives, lives + (duck.lifeWon ? 1 : 0));
  EXPECT_GE(duck.points, 1) << "the bot lost the round";
}

TEST_F(DuckShooting, OverTwoMinutesTheBotGainsPointsAndSeldomHitsWhatItMustNot) {
  MinigameBotMemory memory;
  MinigameInput input;
  int shots = 0, ducks = 0, others = 0;
  while (game.frameCount < duckBotPatience && !DuckRoundOver(game)) {
    for (const MinigameSound& s : StepDuck(game, {input.move, input.fire, false}).sounds) {
      shots += s.sound == Sound::GunShot;
      ducks += s.sound == Sound::Pop && s.frequency == 5000;
      others += s.sound == Sound::Pop && s.frequency != 5000;
    }
    input = DuckBotInput(game, memory);
  }
  EXPECT_GT(game.points, 3 * duckPointsAtStart);
  EXPECT_LE(others * 5, ducks);
  EXPECT_LE(shots, 2 * ducks);  // no volley at a duck that a shot is already on its way to
}

}  // namespace
