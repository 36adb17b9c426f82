// The painters of every picture family of the main packs; each returns one finished picture.
#pragma once

#include <string>

#include "ImageWrite.h"

// Tiles, 64 x 20: kind is "red", "green", "blue", "yellow", "magenta", "cyan", "white", "black",
// "ub" (unbreakable), "tp" (teleporter), "3c", "2c", "1c" (hits left); frame 0..15.
Picture PaintTile(const std::string& kind, int frame);

// Capsules, 32 x 32: kind is the asset letter ("t", "e", "f", "l", "c", "m", "b", "r", "s", "g", "p"),
// "malus", or "B", "O", "N", "U", "S" for the letters of the word BONUS; frame 0..15.
Picture PaintCapsule(const std::string& kind, int frame);

// Balls and glows.
Picture PaintBall(int diameter);           // shaded sphere, diameter 8..160
Picture PaintRedBall();                    // 16 x 16, the balls of the word pictures
Picture PaintHalo();                       // additive halo round a ball, on black
Picture PaintFlare(uint32_t rgb);          // additive fire-trail flare of that colour, on black
Picture PaintEnergyGlow(uint32_t rgb);     // additive glow under the ship, on black
Picture PaintPointer();                    // the menu pointer
Picture PaintNextLevelArrow();             // the arrow at the open exit door

// Ship.
Picture PaintShip(int tilt);               // 80 x 80; tilt -5 (banked left) .. 5 (banked right)
int ShieldWidth(int index);                // width of shield picture 0..10: twice the ship's half width
Picture PaintShield(int index);            // index 0..10
Picture PaintShipLaserShot();              // the ship's laser shot

// Weapons and bonus effects.
Picture PaintThread(int frame);            // protective thread, 128 wide, frame 0..21
Picture PaintMissile(int frame);           // frame 0..31, nose up
Picture PaintTargetRing();
Picture PaintTargetLight();
Picture PaintTargetText();
Picture PaintShrapnel(int index);          // 1..4
Picture PaintSmoke(int index);             // 0..4
Picture PaintLauncherWindow();
Picture PaintLauncherBar();
Picture PaintChaingun();                   // 128 x 128, pivot (64, 96), barrels up
Picture PaintGunTarget();                  // 128 x 128 crosshair
Picture PaintMuzzleFlash();
Picture PaintBullet();                     // 64 x 64, the slug in the middle
Picture PaintAmmoGauge(int step);          // step 0 (full) .. 5 (empty), 256 x 256 round the ship
Picture PaintLaserBeam();                  // the fire-bonus laser picture

// Explosions.
Picture PaintTileExplosion(int frame);     // frame 0..30, transparent
Picture PaintBigExplosion(int frame);      // frame 0..23, opaque on black

// Monsters: kind "02", "03", "06" (16 frames) or "04", "05" (32 frames).
Picture PaintMonster(const std::string& kind, int frame);

// Metallic glyphs of the two bitmap fonts.
Picture PaintGlyph(bool gold, int characterCode);

// Panel frame, inset and word pictures.
Picture PaintPanelLeft();
Picture PaintPanelTop();
Picture PaintPanelRight();
Picture PaintInsetFrame();                 // magenta (255, 0, 255) where the panel shows through
Picture PaintInsetScreen();                // 124 x 98, scrolls vertically, so it wraps
Picture PaintWordPicture(const std::string& word);  // white letters on a dark ground, at most 72 x 74
