// Taron, the boss of each set's final level: a face that descends, hovers, fires volleys at the ship and falls after twelve hits.
#pragma once

#include "base/AssetNames.h"
#include "base/OrderedList.h"

struct TaronShot {
  float x = 0, y = 0;    // centre, pixels
  float vx = 0, vy = 0;  // pixels per frame
};

struct Taron {
  int x = 448;             // centre of the face, pixels
  float y = 0;             // centre of the face, pixels
  int hitPoints = 12;
  int state = 0;           // 0 descent, 1 settling, 2..21 the firing cycle, 22 Taron has won, 23 defeated
  int stateTimer = 0;      // frames left in a timed state
  float scale = 96;        // drawn size during the descent and the defeat, pixels
  int pulse = 0;           // frames since the last hit, drives the glow
  int hitCooldown = 0;     // frames before the next hit can count
  float shotSpeed = 2.0f;  // pixels per frame of the next volley
  int eyeAlpha = 0;        // 0..255, the glow in the eye sockets
  int volleys = 0;         // volleys fired since the level started
  OrderedList<TaronShot> shots;
};

extern Taron taron;

constexpr int taronHits = 12;
constexpr int taronHoverY = 356;       // pixels
constexpr float taronTopSpeed = 8.0f;  // volleys speed up by 0.2 while below this

// True on the final level of the set being played (normal 99, hard 50).
bool IsBossLevel();
// Half the ship's picture: a shot closer to the ship's centre than this on both axes strikes it.
int ShipStrikeHalfWidth();
int ShipStrikeHalfHeight();
// Back to the start of the fight: above the playfield, twelve hits to go, no shots.
void ResetTaron();
// One frame of the fight: moves, fires, takes hits. The state holds while the game is paused.
void StepTaron();
// His face, its glow and red flash, the eye glows (with the temple scene's pictures) and his shots.
void DrawTaron();
