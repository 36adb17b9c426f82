// The game's asset numbers by name: every picture (sprite, quad, image) and font it uses, its sound slots and blends.
#pragma once

#include "base/TileKinds.h"

// ---------------------------------------------------------------------------------------------------------------
// The main pictures, packs/maingfx.pak. A family is named by its first number; its members follow one by one
// unless a step is given.

constexpr int pointerPicture = 2114;  // the menu pointer
// The configuration window's banner, an image of packs/minilogo.pak loaded only while the window is open.
constexpr int miniLogoImage = 2121;

// The balls, by diameter in pixels (radius 4, 8, 16, 40 and 80).
constexpr int ball8Picture = 2082, ball16Picture = 2083, ball32Picture = 2084, ball80Picture = 2086,
              ball160Picture = 2087;

// The ship upright, and banked 1..5 steps each way: upright - 5 fully left .. upright + 5 fully right.
constexpr int shipUprightPicture = 2094, shipTiltSteps = 5;
constexpr int shipLaserShotPicture = 2111;
// The enlarged ship's shield, widening over 11 pictures.
constexpr int shieldPictures = 2100, shieldPictureCount = 11;

// Tiles and capsules: each kind has 16 frames and is known by its first (TileKind and CapsuleKind name them).
constexpr int kindFrames = 16;
constexpr int tilePictures = tileRed, tileKindCount = 13;               // 34..241
constexpr int capsulePictures = capsuleTriple, capsuleKindCount = 17;  // 242..513

// The weapons.
constexpr int threadPictures = 680, threadPictureFrames = 22;  // the protective thread along the bottom
constexpr int laserBeamPicture = 702;
constexpr int missilePictures = 724, missileFrames = 32;  // the missile turning, nose up first
// The missile's other pictures, 32 numbers apart.
constexpr int missilePartStep = 32;
constexpr int targetRingPicture = 756, targetLightPicture = 788, targetTextPicture = 820;
constexpr int shrapnelPictures = 852, shrapnelCount = 4;  // 852 .. 948, 32 apart
constexpr int smokePictures = 980, smokeCount = 5;        // 980 .. 1108, 32 apart
constexpr int launcherWindowPicture = 1140, launcherBarPicture = 1172;
constexpr int chaingunPicture = 1204, gunTargetPicture = 1236;
constexpr int ammoGaugePictures = 1268, ammoGaugeSteps = 6;  // full .. empty
constexpr int bulletPicture = 1460, muzzleFlashPicture = 1492;

// Explosions. The tile explosion's 31st frame shares its number with the big explosion's first, which is loaded
// later and replaces it: the tile explosion shows 30 frames.
constexpr int tileExplosionPictures = 514, tileExplosionFrames = 31;
constexpr int bigExplosionPictures = 544, bigExplosionFrames = 24;

// The monsters: the first picture of each kind.
constexpr int drifterPictures = 568, hopperPictures = 584, blinkerPictures = 600;  // 16 frames each
constexpr int shipSeekerPictures = 616, ballSeekerPictures = 648;                  // 32 frames each
constexpr int shortMonsterFrames = 16, longMonsterFrames = 32;

// Glows, drawn additively: the halo round a ball, the ship's engine (red while it climbs, blue while it dives
// under gravity) and the fire trail's flares.
constexpr int haloPicture = 2036;
constexpr int engineGlowPicture = 2037, engineGlowRedPicture = 2038, engineGlowBluePicture = 2039;
constexpr int flarePictures = 2040, flareCount = 5;
constexpr int greyFlarePicture = 2040, blackFlarePicture = 2041, emberFlarePicture = 2042, orangeFlarePicture = 2043,
              yellowFlarePicture = 2044;

constexpr int doorArrowPicture = 2119;  // points at the open exit door

// The picture fonts: sprite = base + character code (FontGlyphs.h says which characters have a picture).
constexpr int silverFontBase = 1524, goldFontBase = 1780;

// The status column's inset: its frame (magenta shows the panel through) and its scrolling screen.
constexpr int insetFramePicture = 2116, insetScreenPicture = 2117;

// The level-won picture: the ball it is built of, and the two word pictures (images, not sprites).
constexpr int wonBallPicture = 2118;
constexpr int wonPictureBonus = 0, wonPictureWinner = 1;

// ---------------------------------------------------------------------------------------------------------------
// The panel round the playfield, packs/panel.pak.
constexpr int panelTopPicture = 2079, panelLeftPicture = 2080, panelRightPicture = 2081;

// ---------------------------------------------------------------------------------------------------------------
// Pictures the game makes or loads itself.
constexpr int backgroundPicture = 2077;     // the theme's picture behind the playfield
constexpr int screenStripPictures = 2058;   // two screen-wide blank strips for the console and the screens
constexpr int screenStripCount = 2;
constexpr int levelTitlePicture = 2124;     // the level's name, written for the inset
constexpr int insetScratchPicture = 2126;   // the inset screen while it scrolls

// Taron, the boss, from the final level's scene pack.
constexpr int taronFirstFace = 2232;  // 2232..2239: the mouth closed to fully open
constexpr int taronFaceCount = 8;
constexpr int taronWinFace = 2240, taronLostFace = 2241, taronMask = 2163, taronShotPicture = 2164;

// The scenes: the theme's own picture, then the scene's pictures in the order the scene pack holds them.
constexpr int rainDropSprite = 2170, lightningSprite = 2171;
constexpr int firstScenePicture = 3000;
constexpr int templeEyeGlow = firstScenePicture;  // the temple's red glow, also Taron's eyes

// The two text fonts: the level titles' and the big one of the messages; the third is the titles' font made
// smaller for a title whose longest word is wider than the title picture.
constexpr int textFont = 0, bigTextFont = 1, smallTitleFont = 2;

// Picture numbers from 9000 up are left free for the tests' scratch pictures.

// ---------------------------------------------------------------------------------------------------------------
// The sound slots: the music, and the effects of packs/sounds.pak.
enum class Sound : int {
  Music = 0,
  Bounce = 1,          // ball on a tile, a wall or the ship
  ThreadBounce = 2,    // ball on the protective thread
  BallClink = 3,       // ball on ball
  TileShatter = 4,
  Teleport = 5,
  Zap = 6,             // monster destroyed, boss hit
  Shimmer = 7,         // ship enlarged, door opened
  Laser = 8,           // the ship's laser, the boss's volley
  MissileLoading = 9,
  MissileLaunch = 10,
  BallLaunch = 11,
  Fire = 12,           // the fire ball's roar
  BigExplosion = 13,
  GunShot = 14,
  ExtraLife = 15,
  Failure = 16,        // ball lost, exit through the door
  Tick = 18,           // pause and countdown
  TitleFlash = 22,     // the menu title's flash, from the menu's own pack
  Pop = 23,            // minigame hits
  BonusCaught = 24,
  Chimes = 25,         // a BONUS letter caught
  Tilt = 26,           // a malus caught
};
constexpr int SoundNumber(Sound sound) { return static_cast<int>(sound); }

// ---------------------------------------------------------------------------------------------------------------
// The quad blends the game draws with, each a pair of Direct3D blend factors (source, destination).
enum class Blend : int {
  Alpha = 5 << 8 | 6,                  // transparency: source alpha, inverse source alpha
  Add = 5 << 8 | 2,                    // glow: the picture weighted by its alpha added onto the back buffer
  AddByDestinationAlpha = 5 << 8 | 7,  // the big blasts: source alpha, destination alpha
};
constexpr int BlendSourceFactor(Blend blend) { return static_cast<int>(blend) >> 8; }
constexpr int BlendDestinationFactor(Blend blend) { return static_cast<int>(blend) & 0xFF; }
