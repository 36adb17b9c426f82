// The glyph numbers of the silver and gold picture fonts.
#include "runtime/Glyphs.h"

int silverGlyph[256];
int goldGlyph[256];

namespace {

void Map(int* table, const char* characters, int firstGlyph) {
  for (int i = 0; characters[i] != '\0'; ++i) table[static_cast<unsigned char>(characters[i])] = firstGlyph + i;
}

}  // namespace

void FillGlyphTables() {
  for (int c = 0; c < 256; ++c) silverGlyph[c] = goldGlyph[c] = 0;
  Map(silverGlyph, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1);
  Map(silverGlyph, "!'()-.?:", 27);
  Map(silverGlyph, "0123456789", 35);
  Map(silverGlyph, ", ", 45);
  Map(goldGlyph, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1);
  Map(goldGlyph, "()-", 27);
  Map(goldGlyph, "0123456789", 30);
  Map(goldGlyph, ".:,'\"?!^ ", 40);
}
