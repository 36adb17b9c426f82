// Tests of the main packs' load table and the picture fonts' glyphs: the order the packs and the game share.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/FontGlyphs.h"
#include "base/MainPictureTable.h"

namespace {

int IndexOf(const std::vector<MainPicture>& table, const std::string& name) {
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

TEST(MainPictureTable, RowsComeInLoadOrderWithInterleavedFamilies) {
  const auto& table = MainPictureTable();
  ASSERT_EQ(table.size(), 864u);
  EXPECT_EQ(table.front().name, "gfx/pointer.png");
  EXPECT_EQ(table[6].name, "gfx/ship/ShipOne.00.png");
  EXPECT_EQ(table[7].number, shipUprightPicture - 1);  // banked left first
  EXPECT_EQ(table[16].name, "gfx/ship/droite/ShipOne.05d.png");
  EXPECT_EQ(table[16].number, 2099);
  // The colour tiles interleave frame by frame.
  EXPECT_EQ(table[18].name, "gfx/tiles/red/red0000.png");
  EXPECT_EQ(table[19].name, "gfx/tiles/green/green0000.png");
  EXPECT_EQ(table[26].name, "gfx/tiles/red/red0001.png");
  EXPECT_EQ(table[26].number, 35);
  // The special tiles: the teleporter comes second but is numbered last.
  EXPECT_EQ(table[18 + 128 + 1].name, "gfx/tiles/tp/tp0000.png");
  EXPECT_EQ(table[18 + 128 + 1].number, 226);
  EXPECT_EQ(table[IndexOf(table, "gfx/bonus/bonus/s/bonus_letters0015.png")].number, 513);
  EXPECT_EQ(table[IndexOf(table, "gfx/bonus/m/smoke_e.png")].number, 1108);
  EXPECT_EQ(table[IndexOf(table, "gfx/bonus/m/Ammo_01.png")].number, 1268);
  EXPECT_EQ(table[IndexOf(table, "gfx/bonus/m/Chaingun.png")].loader, MainLoader::PivotSpriteQuad);
  EXPECT_EQ(table[IndexOf(table, "gfx/fonts/silver/silver-1.png")].number, 1524 + 'A');
  EXPECT_EQ(table[IndexOf(table, "gfx/fonts/gold/gold-48.png")].number, 1780 + ' ');
  EXPECT_EQ(table[IndexOf(table, "gfx/flare_FFFF80.png")].number, 2044);
  EXPECT_EQ(table[table.size() - 2].name, "gfx/bonus.png");
  EXPECT_EQ(table.back().name, "gfx/winner.png");
  EXPECT_EQ(table.back().loader, MainLoader::ImageEntry);
}

TEST(MainPictureTable, NamesAreUniqueAndOnlyTheBigExplosionsFirstFrameReplacesAPicture) {
  const auto& table = MainPictureTable();
  std::set<std::string> names;
  std::map<int, int> sprites;
  for (const MainPicture& picture : table) {
    EXPECT_TRUE(names.insert(picture.name).second) << picture.name;
    EXPECT_EQ(picture.name.find('\\'), std::string::npos) << picture.name;
    if (picture.loader != MainLoader::ImageEntry) ++sprites[picture.number];
  }
  for (auto& [number, count] : sprites) EXPECT_EQ(count, number == bigExplosionPictures ? 2 : 1) << number;
  // The last tile-explosion frame comes right before the first big-explosion frame, which is the one kept.
  int last = IndexOf(table, "gfx/explosion/tiles_explosion0030.png");
  ASSERT_GE(last, 0);
  EXPECT_EQ(table[last + 1].name, "gfx/explosion/Explosion0000.jpg");
  EXPECT_EQ(table[last + 1].loader, MainLoader::OpaqueSpriteQuad);
  // No picture strays into the numbers the game makes for itself.
  for (int made : {backgroundPicture, screenStripPictures, screenStripPictures + 1, levelTitlePicture,
                   insetScratchPicture, panelLeftPicture, panelTopPicture, panelRightPicture})
    EXPECT_EQ(sprites.count(made), 0u) << made;
}

TEST(MainPictureTable, PanelAndSoundPacksInLoadOrder) {
  const auto& panel = PanelPictureTable();
  ASSERT_EQ(panel.size(), 3u);
  EXPECT_EQ(panel[0].name, "gfx/background/panel_left.png");
  EXPECT_EQ(panel[0].number, 2080);
  EXPECT_EQ(panel[1].number, 2079);
  EXPECT_EQ(panel[2].number, 2081);
  for (const MainPicture& picture : panel) EXPECT_EQ(picture.loader, MainLoader::SpriteEntry);

  const auto& sounds = MainSoundTable();
  ASSERT_EQ(sounds.size(), 21u);
  std::vector<int> numbers;
  for (const MainSound& sound : sounds) numbers.push_back(SoundNumber(sound.sound));
  // The slots skip 17 and 19..22; the music's slot 0 is loaded with each level.
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 23, 24, 25, 26}));
  EXPECT_EQ(sounds.front().name, "sfx/bounce.wav");
  EXPECT_EQ(sounds.back().name, "sfx/tilt.ogg");
}

TEST(FontGlyphs, EachFontNumbersItsGlyphsOnceAndHasCapitalsOnly) {
  for (bool gold : {false, true}) {
    std::set<int> glyphs;
    int characters = 0;
    for (int c = -1; c < 300; ++c) {
      int glyph = gold ? GoldGlyphNumber(c) : SilverGlyphNumber(c);
      if (glyph == 0) continue;
      ++characters;
      EXPECT_TRUE(glyphs.insert(glyph).second) << c;
    }
    int expected = gold ? 48 : 46;
    EXPECT_EQ(characters, expected);
    EXPECT_EQ(*glyphs.begin(), 1);
    EXPECT_EQ(*glyphs.rbegin(), expected);  // 1..expected without a gap
  }
  EXPECT_EQ(SilverGlyphNumber('A'), 1);
  EXPECT_EQ(SilverGlyphNumber('0'), 35);
  EXPECT_EQ(SilverGlyphNumber(' '), 46);
  EXPECT_EQ(SilverGlyphNumber('a'), 0);
  EXPECT_EQ(SilverGlyphNumber('"'), 0);
  EXPECT_EQ(GoldGlyphNumber('"'), 44);
  EXPECT_EQ(GoldGlyphNumber('0'), 30);
  EXPECT_EQ(GoldGlyphNumber(0), 0);  // the string terminator is no character of either font
  EXPECT_EQ(SilverGlyphNumber(0), 0);
}
