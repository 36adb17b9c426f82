// Sugar's rules: balloons carrying sweets across the sky, the launcher at the bottom, its ball and the points.
#pragma once

#include <array>
#include <vector>

#include "base/MinigamePacks.h"
#include "front/MinigameRound.h"

constexpr int sugarScreenWidth = 1024, sugarScreenHeight = 768;
constexpr float sugarLauncherX = 512, sugarLauncherY = 705;  // the launcher's centre
constexpr float sugarAimLimit = 85;                          // degrees either side of straight up
constexpr float sugarBallSpeed = 16;                         // pixels a frame
constexpr float sugarBalloonReach = 64, sugarSweetReach = 32;  // pixels from a centre that count as a touch
constexpr int sugarPointsAtStart = 20, sugarLifePoints = 50;
constexpr int sugarGoodPop = 5, sugarBadHit = 5, sugarSweetCollected = 10;
constexpr int sugarEntryPeriod = 4 * 60, sugarSpeedPeriod = 30 * 60, sugarPopFrames = 5;  // frames
constexpr float sugarSpeedStep = 0.05f;

enum SugarItemState { sugarCarrying = 1, sugarBalloonAlone = 2, sugarSweetFalling = 3 };

struct SugarItem {
  float x = 0;      // the balloon's (or, falling, the sweet's) centre
  int y = 0;
  float vx = 0.5f;  // +0.5 from the left, -0.5 from the right
  int balloonPicture = sugarBalloons;
  int sweetPicture = sugarSweets;
  int state = sugarCarrying;
};

struct SugarPoint {
  float x = 0, y = 0;
};

struct SugarGame {
  std::vector<SugarItem> items;
  int points = sugarPointsAtStart;
  float speedFactor = 1.0f;
  float aimAngle = 0;  // degrees, 0 straight up, positive to the right
  bool ballFlying = false;
  float ballX = sugarLauncherX, ballY = sugarLauncherY + 48;  // the ball's centre, resting at the launcher's foot
  float ballVX = 0, ballVY = 0;
  float popX = 0, popY = 0;
  int popFrames = 0;
  bool triggerHeld = false;
  bool lifeWon = false;
  bool quitRequested = false;
  int frameCount = 0;
  // The balloons' widths, read once they are loaded.
  std::array<int, sugarBalloonCount> balloonWidths = StandInWidths<sugarBalloonCount>();

  int BalloonWidth(const SugarItem& item) const {
    return balloonWidths[static_cast<size_t>(item.balloonPicture - sugarBalloons)];
  }
};

extern SugarGame sugar;
void ResetSugarGame(SugarGame& game);

// Where a carried balloon bobs, and where its sweet swings below it on the string; a falling sweet is at (x, y).
SugarPoint BalloonCentre(const SugarItem& item);
SugarPoint SweetCentre(const SugarItem& item);
// Degrees the balloon and its sweet lean.
float SugarWobble(const SugarItem& item);
// Where the ball waits while it is not flying: at the launcher's foot, behind its aim.
SugarPoint SugarRestingBall(float aimAngle);

// What a flying ball at (bx, by) does to an item.
enum class SugarContact { None, BalloonPopped, SweetLost, LoneBalloonPopped, FallingSweetLost };
SugarContact SugarContactWith(const SugarItem& item, float bx, float by);
bool SugarContactIsGood(SugarContact contact);

// Moves an item along its course for a frame: it stays, leaves the screen, or (a falling sweet) reaches the bottom.
enum class SugarMove { Stays, Gone, Collected };
SugarMove MoveSugarItem(const SugarGame& game, SugarItem& item);

// One frame of the rules: launch, entries, speed, items, launcher, ball, pop and the extra life.
MinigameEvents StepSugar(SugarGame& game, const MinigameInput& input);
bool SugarRoundOver(const SugarGame& game);
// The round's result for the main game: never below nothing.
int SugarResult(const SugarGame& game);
