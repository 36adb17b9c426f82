// The state of a game in progress: the play state, the ship, the balls, tiles and lists.
#pragma once

#include <cstdint>
#include <string>

#include "base/AssetNames.h"
#include "base/OrderedList.h"
#include "base/Playfield.h"
#include "base/TileKinds.h"

// Frames the game runs per second of play.
constexpr int framesPerSecond = 60;

enum Difficulty : int { difficultyNormal = 0, difficultyHard = 1 };

// The letters of BONUS in `letterMask`.
constexpr int letterB = 16, letterO = 8, letterN = 4, letterU = 2, letterS = 1, allLetters = 31;

struct PlayState {
  // level and game progress
  int levelIndex = 0;        // current level, 0-based
  int savedLevelIndex = 0;   // level to return to after level 100 or 102
  int difficulty = difficultyNormal;
  int lives = 3;
  int64_t score = 0;         // points
  int letterMask = 0;        // BONUS letters collected: B 16, O 8, N 4, U 2, S 1
  int levelFrames = 0;       // frames since the level started
  int frameTick = 0;         // frames since the level started (time stamps, animations)
  int frameCounter = 0;      // 0..59, the tiles' once-a-second clock
  float maxBallSpeed = 8.0f;  // pixels per frame
  int sugarPoints = 0;
  // switches set by capsules and scenes
  bool gravityOn = false, fireOn = false, glueOn = false, threadOn = false, enlargeOn = false, doorOpen = false;
  int glueHoldFrames = 0, enlargeStep = 0, malusKind = 0;
  bool laserOn = false;
  int laserCooldown = 0;     // frames
  bool missileArmed = false;
  int missileCountdown = 0;  // frames
  int chaingunActive = 0;    // 0 no gun, 1 just given (ammunition and aim still to set), 2 in hand
  int fireTimer = 0, threadPhase = 0, malusTimer = 0;  // frames
  int stuckFrames = 0;
  bool shipLeaving = false;  // the ship flies out through the open door
  bool sceneFrozen = false;  // the level's scene holds its animation
  bool sceneBuilt = false;   // the scene objects of this level were made
  bool changeMusic = false;  // the next level start plays its group's track whatever its index
  // flow of the level
  bool gameFrozen = false;   // pause
  bool restartLevel = false;  // the last ball was lost: replay with the remaining tiles
  bool levelWon = false;
  bool levelEnding = false;  // the level-won picture runs
  bool tileChallengePending = false;  // the sugar challenge was met: its minigame runs after this frame
  float bonusTimeLimit = 0;  // 1.0 while a timed level runs
  float bonusTimeLeft = 0;   // frames left on a timed level
  int tileOffsetY = 0;       // pixels, -768 when the level intro starts
  int liveTileCount = 0;
  // flow of the game (owned by the main loop)
  bool leaveGame = false, gameWon = false;
  bool escapeReleased = false;  // Escape was let go this frame
  bool consoleOpen = false;
  int pauseTicker = 0;
  bool lastChanceLeft = true, levelsLocked = true;
  int maxMonsters = 4;
  bool servePending = false, launchBlocked = false;
};

struct Ship {
  float x = shipStartX, y = shipStartY;            // centre, pixels
  float vx = 0, vy = 0;                            // this frame's movement, pixels per frame
  int halfWidth = 40, halfHeight = 40;             // pixels
  int tiltSprite = shipUprightPicture, shieldSprite = shieldPictures;
  int tiltHold = framesPerSecond / 16;             // frames before an idle ship relaxes a tilt step
  int keyNudgeX = 0, keyNudgeY = 0;
};

struct TrailPoint {
  float x = 0, y = 0;  // pixels
  float size = 0;      // flare size, pixels
  int sprite = 0;
  float turn = 0;      // degrees the flare is drawn turned this frame (the fire's flicker)
};

struct Ball {
  float x = 0, y = 0;          // centre, pixels
  float prevX = 0, prevY = 0;  // centre at the start of the frame
  float vx = 0, vy = 0;        // pixels per frame
  float gravity = 0;           // added to vy every frame
  float mass = 0;              // 4/3 pi radius^3
  float radius = 0;            // pixels: 4, 8, 16, 40 or 80
  bool teleported = false;
  bool stuck = false;          // glued to the ship
  float glueOffsetX = 0;       // ball x minus ship x while glued
  int sprite = 0;
  int lastTile = -1, lastTileTick = 0, sameTileHits = 0;
  TrailPoint trail[10];
  int trailAlpha = 0;          // 0..255, the fire trail's flicker this frame
  int stuckFrames = 0;         // consecutive frames this ball has not moved (the watchdog frees it)
};

struct Tile {
  float x = 0, y = 0;    // centre, pixels
  float dx = 0, dy = 0;  // position before this frame's move minus after it
  int sprite = 0;        // kind and first picture
  int width = 0, height = 0;
  int capsule = 0;       // sprite of the capsule released when destroyed, 0 none
  bool hitThisFrame = false;
  int startX = 0, startY = 0;
  bool alive = false;
  int animFrame = 0;     // 0..15
  bool teleportBusy = false;
  int keyIndex = 0, keyCount = 0, secondsLeft = 0;
  int keySeconds[maxKeyPoints] = {};   // seconds of the segment starting at each key point
  float keyX[maxKeyPoints] = {}, keyY[maxKeyPoints] = {};
  float vx = 0, vy = 0;  // pixels per frame on the current segment
};

struct TeleportTrip {
  float vx = 0, vy = 0, radius = 0;
  int sprite = 0, fromTile = 0, toTile = 0, age = 0;
};

struct TileIndex {
  int tile = 0;
};

struct Explosion {
  float x = 0, y = 0;
  int firstSprite = 0, frame = 0;
};

// A blast drawn zoomed: the lost ball's sparkles and other big bangs.
struct BigExplosion {
  float x = 0, y = 0;  // centre, pixels
  int firstSprite = 0, frame = 0;
  int size = 0;        // drawn width and height, pixels
};

// A capsule falling from a destroyed tile.
struct Capsule {
  float x = 0, y = 0;  // centre, pixels
  int kind = 0;        // capsule kind, also the first of its 16 pictures
  int frame = 0;       // 0..15
};

// A word given to ShowMessage, kept while its letters are on screen (its pictures are effects).
struct Message {
  std::string text;
  int delay = 0;  // frames before it shows
  int age = 0;    // frames shown so far
};

struct Lists {
  OrderedList<Ball> balls;
  OrderedList<Tile> tiles;
  OrderedList<TileIndex> teleporters;
  OrderedList<TeleportTrip> teleportTrips;
  OrderedList<TileIndex> hitSamples;
  OrderedList<Explosion> explosions;
  OrderedList<Message> messages;
  OrderedList<Capsule> capsules;
  OrderedList<Explosion> monsterExplosions;
  OrderedList<BigExplosion> bigExplosions;
};

// Events counted over the whole run, for the run report.
struct RunCounts {
  long tilesDestroyed = 0, capsulesCaught = 0, laserShots = 0, missilesLaunched = 0, bulletsFired = 0;
  long monstersDestroyed = 0;
  long bossHits = 0;  // hits that counted against Taron
};
extern RunCounts runCounts;

extern PlayState play;
extern Ship ship;
extern Lists lists;

// Empties every list of a level but the tiles and puts the level's switches back; score, lives and
// letters are left alone.
void ResetLevelState();
// Everything back to a program start, for tests.
void ResetAllPlayState();
// A short stable fingerprint of everything the game's step keeps (play, ship, balls, tiles, capsules,
// monsters, weapons, the boss, the extras' timers, effects, words, the won picture, the run's counts and
// the random generator), for comparing runs. What only the display or the music keeps is left out.
uint64_t PlayStateDigest();
