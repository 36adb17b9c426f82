// Duck shooting's rules: the parade of targets along three rows, the cannon, its shots and the points.
#pragma once

#include <array>
#include <vector>

#include "base/MinigamePacks.h"
#include "front/MinigameRound.h"

constexpr int duckScreenWidth = 1024, duckScreenHeight = 768;
constexpr int duckTopRow = 32, duckMiddleRow = 132, duckBottomRow = 232;  // the rows' centre lines
constexpr int duckTargetPictures = 14;  // seven kinds, each facing left then right

// The kinds, as offsets from duckTargets; a right-facing picture is the left-facing one + duckFacingRight.
enum DuckKind { duckCanard0, duckCanard1, duckCanard2, duckCaddie, duckEscargot, duckPoule, duckVeau };

int DuckKindOf(int picture);
bool DuckFacesRight(int picture);
bool IsDuckPicture(int picture);  // one of the three ducks, either facing
int DuckPicture(int kind, bool facingRight);
int DuckHitPoints(int picture);     // + for ducks, - for the others
int DuckHitFrequency(int picture);  // Hz of the pop that marks the hit

struct DuckTarget {
  float x = 0;       // centre, pixels
  int row = duckTopRow;
  float speed = 1;   // pixels a frame, before the drift
  int picture = 0;
};

struct DuckShot {
  int x = 0, y = 0;  // centre, pixels
};

constexpr int duckPointsAtStart = 10, duckLifePoints = 50, duckEscapeCost = 5;
constexpr int duckShotSpeed = 10, duckHitReach = 16;  // pixels
constexpr int duckShotPause = 60 / 8;                  // frames between shots
constexpr int duckEntryPeriod = 60, duckDriftPeriod = 30 * 60;  // frames
constexpr float duckDriftStep = 0.1f;

struct DuckGame {
  std::vector<DuckTarget> targets;
  std::vector<DuckShot> shots;
  int points = duckPointsAtStart;
  float driftSpeed = 0;  // added to every target's speed
  int cannonX = duckScreenWidth / 2;
  int cannonY = duckScreenHeight - 64;  // the cannon's top
  bool triggerHeld = false;  // fire must be let go between shots
  int shotCooldown = 0;      // frames
  bool lifeWon = false;
  bool quitRequested = false;
  int frameCount = 0;
  // The pictures' widths, read once they are loaded.
  std::array<int, duckTargetPictures> widths = StandInWidths<duckTargetPictures>();

  int WidthOf(int picture) const { return widths[static_cast<size_t>(picture - duckTargets)]; }
};

extern DuckGame duck;
void ResetDuckGame(DuckGame& game);

// Which way a row runs: +1 to the right (the top and bottom rows), -1 to the left.
int DuckRowDirection(int row);

// One frame of the rules: targets, entries, drift, shots, cannon, trigger and the extra life.
MinigameEvents StepDuck(DuckGame& game, const MinigameInput& input);
bool DuckRoundOver(const DuckGame& game);
