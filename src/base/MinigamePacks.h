// The minigames' packs: their files, their entries in load order and the picture numbers they load into. The game
// reads by these tables, the builder writes by them.
#pragma once

#include <array>
#include <string>

struct MinigameEntry {
  const char* name;  // the name in the pack ("\" separated as the game asks; the builder stores "/")
  int number;        // the picture (or sound) it loads into
};

// packs/tetris.pak, files under "MiniGames\Tetris\".
constexpr const char* tetrisPack = "packs/tetris.pak";
constexpr int tetrisGreen = 2293, tetrisRed = 2294, tetrisBlue = 2295, tetrisYellow = 2296, tetrisPurple = 2297,
              tetrisCyan = 2298;                           // 32 x 32 blocks
constexpr int tetrisFrame = 2299;                          // 1024 x 768, drawn at (0, 0) over the background
constexpr int tetrisBackdrop = 2301;                       // 1024 x 768
constexpr int tetrisTile = 2302;                           // the scrolling background tile, 128 x 128, made in game
constexpr int tetrisLineFlash = 2303, tetrisGlint = 2304;  // 64 x 32 and 32 x 32
constexpr int tetrisBug = 2305;                            // 32 x 32
constexpr int tetrisMusic = 2306;                          // sound slot of "noval01a.ogg"
constexpr int tetrisBump = 2307, tetrisDiffuse = 2308;     // 128 x 128: the tile's relief and colour
constexpr int tetrisEntryCount = 14;
extern const std::array<MinigameEntry, tetrisEntryCount> tetrisEntries;  // the music is the last entry

// packs/ducks.pak, files under "MiniGames\canards\": the cannon, its ball, then seven targets facing left and the
// same seven facing right (+7).
constexpr const char* ducksPack = "packs/ducks.pak";
constexpr int duckCannon = 2277, duckBall = 2278;
constexpr int duckTargets = 2279;  // canard0, canard1, canard2, caddie, escargot, poule, veau (left-facing)
constexpr int duckFacingRight = 7;
constexpr int duckEntryCount = 16;
extern const std::array<MinigameEntry, duckEntryCount> duckEntries;

// packs/sugar.pak, files under "MiniGames\sugar\": six balloons, 25 sweets, the star, the launcher, the ball, the pop.
constexpr const char* sugarPack = "packs/sugar.pak";
constexpr int sugarBalloons = 2242, sugarBalloonCount = 6;
constexpr int sugarSweets = 2248, sugarSweetCount = 25;
constexpr int sugarStar = 2273, sugarLauncher = 2274, sugarBall = 2275, sugarPop = 2276;
constexpr int sugarEntryCount = 35;
extern const std::array<MinigameEntry, sugarEntryCount> sugarEntries;

// The minigames' MIDI tunes: Standard MIDI Files stored under a pack's name.
constexpr const char* duckMidiFile = "packs\\ballgame.pak";
constexpr const char* sugarMidiFile = "packs\\elephant.pak";

// The duel's two white rectangles, made at its start.
constexpr int duelPaddlePicture = 2309, duelBallPicture = 2310;
