// Tests of the main pictures' load order: the 864 names and numbers, built here independently from the row table.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

#include "art/ArtTable.h"

namespace {

struct Expected {
  std::string name;
  int number;
};

std::string N4(int n) {
  char b[8];
  std::snprintf(b, sizeof b, "%04d", n);
  return b;
}

// The load order written out row by row from the game's loader table.
std::vector<Expected> ExpectedMainOrder() {
  std::vector<Expected> e;
  e.push_back({"gfx/pointer.png", 2114});
  int balls[][2] = {{8, 2082}, {16, 2083}, {32, 2084}, {80, 2086}, {160, 2087}};
  for (auto& b : balls)
    e.push_back({"gfx/ball_" + std::to_string(b[0]) + "x" + std::to_string(b[0]) + ".tif", b[1]});
  e.push_back({"gfx/ship/ShipOne.00.png", 2094});
  for (int i = 1; i <= 5; ++i) e.push_back({"gfx/ship/gauche/ShipOne.0" + std::to_string(i) + "g.png", 2094 - i});
  for (int i = 1; i <= 5; ++i) e.push_back({"gfx/ship/droite/ShipOne.0" + std::to_string(i) + "d.png", 2094 + i});
  e.push_back({"gfx/ship/laser.png", 2111});
  struct Family {
    std::string prefix;
    int base;
  };
  auto interleave = [&e](const std::vector<Family>& families, int frames) {
    for (int f = 0; f < frames; ++f)
      for (const Family& fam : families) e.push_back({fam.prefix + N4(f) + ".png", fam.base + f});
  };
  std::vector<Family> colours;
  const char* c[] = {"red", "green", "blue", "yellow", "magenta", "cyan", "white", "black"};
  for (int i = 0; i < 8; ++i) colours.push_back({"gfx/tiles/" + std::string(c[i]) + "/" + c[i], 34 + 16 * i});
  interleave(colours, 16);
  interleave({{"gfx/tiles/ub/ub", 162}, {"gfx/tiles/tp/tp", 226}, {"gfx/tiles/3c/3c", 178},
              {"gfx/tiles/2c/2c", 194}, {"gfx/tiles/1c/1c", 210}},
             16);
  std::vector<Family> capsules;
  const char* letters = "teflcmbrsgp";
  for (int i = 0; i < 11; ++i) {
    std::string l(1, letters[i]);
    capsules.push_back({"gfx/bonus/" + l + "/bonus_" + l, 242 + 16 * i});
  }
  capsules.push_back({"gfx/bonus/malus/malus_", 418});
  const char* bonus = "bonus";
  for (int i = 0; i < 5; ++i)
    capsules.push_back({"gfx/bonus/bonus/" + std::string(1, bonus[i]) + "/bonus_letters", 434 + 16 * i});
  interleave(capsules, 16);
  for (int f = 0; f < 22; ++f) e.push_back({"gfx/bonus/f/fil" + N4(f) + ".png", 680 + f});
  for (int f = 0; f < 32; ++f) e.push_back({"gfx/bonus/m/missile" + N4(f) + ".png", 724 + f});
  const char* row12[] = {"Target_Normal", "Target_Light", "Target_text", "missile_decal_1", "missile_decal_2",
                         "missile_decal_3", "missile_decal_4", "smoke_a", "smoke_b", "smoke_c", "smoke_d",
                         "smoke_e", "P_Tool_Window", "P_Tool_Bar"};
  for (int i = 0; i < 14; ++i) e.push_back({"gfx/bonus/m/" + std::string(row12[i]) + ".png", 756 + 32 * i});
  e.push_back({"gfx/bonus/m/Chaingun.png", 1204});
  e.push_back({"gfx/bonus/m/GunTarget.png", 1236});
  e.push_back({"gfx/bonus/m/ChaingunMuzzle.png", 1492});
  e.push_back({"gfx/bonus/m/Bullet.png", 1460});
  for (int n = 1; n <= 6; ++n) e.push_back({"gfx/bonus/m/Ammo_0" + std::to_string(n) + ".png", 1267 + n});
  e.push_back({"gfx/bonus/f/Laser.png", 702});
  for (int f = 0; f <= 30; ++f) e.push_back({"gfx/explosion/tiles_explosion" + N4(f) + ".png", 514 + f});
  for (int f = 0; f <= 23; ++f) e.push_back({"gfx/explosion/Explosion" + N4(f) + ".jpg", 544 + f});
  interleave({{"gfx/monster/02_", 568}, {"gfx/monster/03_", 584}, {"gfx/monster/06_", 600}}, 16);
  interleave({{"gfx/monster/04_", 616}, {"gfx/monster/05_", 648}}, 32);
  for (int i = 0; i <= 10; ++i)
    e.push_back({"gfx/ship/bouclier/Bouclier." + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".png", 2100 + i});
  e.push_back({"gfx/halo.png", 2036});
  e.push_back({"gfx/ship/ship_energy.png", 2037});
  e.push_back({"gfx/ship/ship_energy_blue.png", 2039});
  e.push_back({"gfx/ship/ship_energy_red.png", 2038});
  e.push_back({"gfx/nextlevel.png", 2119});
  // Silver: A-Z 1..26, ! ' ( ) - . ? : 27..34, digits 35..44, comma 45, space 46; pictures by ascending code.
  std::map<int, int> silver, gold;
  for (int ch = 'A'; ch <= 'Z'; ++ch) silver[ch] = gold[ch] = ch - 'A' + 1;
  std::string sSigns = "!'()-.?:";
  for (size_t i = 0; i < sSigns.size(); ++i) silver[sSigns[i]] = 27 + static_cast<int>(i);
  for (int d = 0; d < 10; ++d) silver['0' + d] = 35 + d;
  silver[','] = 45;
  silver[' '] = 46;
  std::string gSigns = "()-";
  for (size_t i = 0; i < gSigns.size(); ++i) gold[gSigns[i]] = 27 + static_cast<int>(i);
  for (int d = 0; d < 10; ++d) gold['0' + d] = 30 + d;
  std::string gMore = ".:,'\"?!^ ";
  for (size_t i = 0; i < gMore.size(); ++i) gold[gMore[i]] = 40 + static_cast<int>(i);
  for (auto& [code, glyph] : silver)
    e.push_back({"gfx/fonts/silver/silver-" + std::to_string(glyph) + ".png", 1524 + code});
  for (auto& [code, glyph] : gold) e.push_back({"gfx/fonts/gold/gold-" + std::to_string(glyph) + ".png", 1780 + code});
  const char* flares[] = {"7F7F7F", "000000", "863800", "F3A80C", "FFFF80"};
  for (int i = 0; i < 5; ++i) e.push_back({"gfx/flare_" + std::string(flares[i]) + ".png", 2040 + i});
  e.push_back({"gfx/panel.png", 2116});
  e.push_back({"gfx/panel2.png", 2117});
  e.push_back({"gfx/redball16x16.png", 2118});
  e.push_back({"gfx/bonus.png", 0});
  e.push_back({"gfx/winner.png", 1});
  return e;
}

}  // namespace

TEST(ArtTable, MainPackListsEveryEntryInLoadOrder) {
  std::vector<ArtEntry> table = MainGraphicsTable();
  std::vector<Expected> expected = ExpectedMainOrder();
  ASSERT_EQ(expected.size(), 864u);
  ASSERT_EQ(table.size(), 864u);
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].name, expected[i].name) << "entry " << i;
    EXPECT_EQ(table[i].number, expected[i].number) << "entry " << i;
  }
}

TEST(ArtTable, NamesAreUniqueAndOnlySprite544IsLoadedTwice) {
  std::vector<ArtEntry> table = MainGraphicsTable();
  std::set<std::string> names;
  std::map<int, int> sprites;
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_TRUE(names.insert(table[i].name).second) << table[i].name;
    EXPECT_EQ(table[i].name.find('\\'), std::string::npos);
    if (table[i].name != "gfx/bonus.png" && table[i].name != "gfx/winner.png") ++sprites[table[i].number];
  }
  for (auto& [number, count] : sprites) EXPECT_EQ(count, number == 544 ? 2 : 1) << number;
  // The last tile-explosion frame comes right before the first big-explosion frame.
  auto at = [&](const std::string& name) {
    for (size_t i = 0; i < table.size(); ++i)
      if (table[i].name == name) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(at("gfx/explosion/Explosion0000.jpg"), at("gfx/explosion/tiles_explosion0030.png") + 1);
}

TEST(ArtTable, GlyphTablesCoverBothFonts) {
  int silver = 0, gold = 0;
  std::set<int> silverNumbers, goldNumbers;
  for (int c = 0; c < 256; ++c) {
    if (int g = SilverGlyphNumber(c)) {
      ++silver;
      silverNumbers.insert(g);
    }
    if (int g = GoldGlyphNumber(c)) {
      ++gold;
      goldNumbers.insert(g);
    }
  }
  EXPECT_EQ(silver, 46);
  EXPECT_EQ(gold, 48);
  EXPECT_EQ(silverNumbers.size(), 46u);  // one picture per glyph number, 1..46
  EXPECT_EQ(*silverNumbers.rbegin(), 46);
  EXPECT_EQ(goldNumbers.size(), 48u);
  EXPECT_EQ(SilverGlyphNumber('a'), 0);  // the fonts have capitals only
  EXPECT_EQ(GoldGlyphNumber('"'), 44);
  EXPECT_EQ(SilverGlyphNumber('"'), 0);
}

TEST(ArtTable, PanelPackHoldsTheFrameInLoadOrder) {
  std::vector<ArtEntry> table = PanelTable();
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].name, "gfx/background/panel_left.png");
  EXPECT_EQ(table[0].number, 2080);
  EXPECT_EQ(table[1].name, "gfx/background/panel_top.png");
  EXPECT_EQ(table[1].number, 2079);
  EXPECT_EQ(table[2].name, "gfx/background/panel_right.png");
  EXPECT_EQ(table[2].number, 2081);
}
