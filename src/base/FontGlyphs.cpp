// The glyph numbers of the silver and gold picture fonts: runs of characters numbered one after another.
#include "base/FontGlyphs.h"

#include <string_view>

namespace {

struct Run {
  std::string_view characters;
  int firstGlyph;
};

constexpr Run silverRuns[] = {{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1}, {"!'()-.?:", 27}, {"0123456789", 35}, {", ", 45}};
constexpr Run goldRuns[] = {{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1}, {"()-", 27}, {"0123456789", 30}, {".:,'\"?!^ ", 40}};

template <size_t N>
int GlyphIn(const Run (&runs)[N], int code) {
  if (code <= 0 || code > 255) return 0;
  for (const Run& run : runs) {
    size_t at = run.characters.find(static_cast<char>(code));
    if (at != std::string_view::npos) return run.firstGlyph + static_cast<int>(at);
  }
  return 0;
}

}  // namespace

int SilverGlyphNumber(int characterCode) { return GlyphIn(silverRuns, characterCode); }
int GoldGlyphNumber(int characterCode) { return GlyphIn(goldRuns, characterCode); }
