// The picture fonts' glyphs: which characters the silver and gold fonts have, and each one's glyph number.
#pragma once

// The glyph number of a character (its picture's file is "silver-<number>.png"), 0 when the font has none.
int SilverGlyphNumber(int characterCode);
int GoldGlyphNumber(int characterCode);
