// The painters of the level scenes' pictures, chosen by the entry name the scene setup loads them by.
#pragma once

#include <string>

#include "ImageWrite.h"

// The picture for a scene pack entry ("gfx/flare/centralrainbow.png", "gfx/poulpe/poulpe0003.png", ...);
// an empty (not Valid) picture when the builder has no painter for that name.
Picture PaintScenePicture(const std::string& name);

// Additive pictures (colour on black): flares, glows, streaks, clouds, water light, psyche, lightning, bar.
Picture PaintRedStar();                        // 128 x 128
Picture PaintStreaks(bool three);              // 512 x 64 (three streaks) or 512 x 32 (one)
Picture PaintTwoBranches();                    // 64 x 64, also Taron's shot
Picture PaintRainbowHalo();                    // 256 x 256
Picture PaintCentralGlow(uint32_t rgb, bool rings);  // 128 x 128, or 256 x 256 with three rings
Picture PaintWaterLight();                     // 256 x 256, tiles in both directions
Picture PaintCloudPuff(uint32_t rgb, uint32_t seed);  // 256 x 256
Picture PaintPsyche(int which);                // 256 x 256, which 1 or 2
Picture PaintLightning();                      // 128 x 512
Picture PaintLightBar();                       // 512 x 16

// Sprites with alpha.
Picture PaintRainDrop();             // 8 x 32
Picture PaintBonusStar();            // 64 x 64, the golden star
Picture PaintPlate(int frame);       // 128 x 128, frame 0..15: a metal plate turning round
Picture PaintOctopus(int frame);     // 128 x 128, frame 0..15: swimming
Picture PaintCell(int frame);        // 64 x 64, frame 0..15: wobbling

// Taron, 256 x 256: mouth 0 (closed) .. 7 (open), the grin when he has won, the wreck when beaten, and
// the mask of his solid shape (opaque red where a ball hits him, transparent elsewhere).
Picture PaintTaron(int mouth);
Picture PaintTaronWin();
Picture PaintTaronLost();
Picture PaintTaronMask();
