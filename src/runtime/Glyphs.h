// The character-to-glyph tables of the silver and gold picture fonts.
#pragma once

extern int silverGlyph[256];  // glyph number of each character, 0 for none
extern int goldGlyph[256];
constexpr int silverFontBase = 1524, goldFontBase = 1780;  // sprite = base + character code

void FillGlyphTables();
