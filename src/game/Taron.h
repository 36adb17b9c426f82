// Taron, the boss of each set's final level: a face that descends, hovers, fires volleys at the ship and falls after twelve hits.
#pragma once

#include "base/AssetNames.h"
#include "base/OrderedList.h"

struct TaronShot {
  float x = 0, y = 0;    // centre, pixels
  float vx = 0, vy = 0;  // pixels per frame
};

// The stages of the fight, in the order they come. The mouth opens and closes a face per stage, so those
// two run through ranges of values; the values are the ones the play digest has always hashed.
enum class TaronState : int {
  descending = 0,        // falls into view from above the playfield, growing to full size
  settling = 1,          // a second in which his hover swings out to its full width
  eyesLighting = 2,      // the eye glows fade in over a second
  eyesLit = 3,           // a second at full glow, the lips parted
  mouthOpening = 4,      // 4..9: one frame for each wider face
  mouthOpeningLast = 9,
  firing = 10,           // the volley leaves both eyes
  mouthHeldOpen = 11,    // the mouth stays open while the volley flies
  mouthClosing = 12,     // 12..19: a face every two frames, the eyes dimming
  mouthClosingLast = 19,
  choosingRest = 20,     // draws the length of the rest before the next volley
  resting = 21,          // eyes dark until the rest is over, then the eyes light again
  won = 22,              // his shot struck the ship: a life is being lost
  defeated = 23,         // twelve hits: he rises and shrinks among explosions
};

struct Taron {
  int x = 448;             // centre of the face, pixels
  float y = 0;             // centre of the face, pixels
  int hitPoints = 12;
  TaronState state = TaronState::descending;
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

// While Taron is in place and fighting (after his descent, before his win or defeat): balls can hit him.
bool TaronInPlay();

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
