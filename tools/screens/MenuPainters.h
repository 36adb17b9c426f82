// The painters of the menu's pictures, one per entry of packs/menu.pak, grouped by kind in their own files.
#pragma once

#include <string>

#include "ImageWrite.h"

namespace screens {

// Lettering (MenuWords.cpp): keyed pictures, hard alpha.
Picture PaintWordMark();                          // "00 - logo", 560 x 150
Picture PaintSubtitle();                          // "04 - meridian", 1024 x 60
enum class EntryLook { Normal, Hot, Disabled };
Picture PaintEntry(const std::string& text, EntryLook look);  // the menu's choices, 1024 x 64
Picture PaintCaption();                           // "09 - text", 1024 x 40
Picture PaintCursor();                            // "15 - curseur", tip at (0, 0)

// The frame round the screen (MenuFrame.cpp): keyed, 1024 x 768, clear inside.
Picture PaintFrame();
// The deep-space ground that scrolls up and wraps (MenuFrame.cpp): 1024 x 768, opaque.
Picture PaintMenuBackground();

// Lights drawn as blended quads (MenuGlows.cpp).
Picture PaintNumeralStroke(bool burning);         // "01 - I" and "02 - I fire", 256 x 256
Picture PaintBlueBand();                          // "03 - barre bleue", 256 x 256, tiles left-right
Picture PaintSelectionBall();                     // "10 - balle", 64 x 64
Picture PaintSpark();                             // "11 - fire", 32 x 32
Picture PaintBlueRing();                          // "12 - rond bleu select", 128 x 128
Picture PaintRedBand();                           // "13 - barre rouge", 128 x 128, tiles left-right

}  // namespace screens
