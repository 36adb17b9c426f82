// Tests of the builder's main picture table: it is the game's load table, and the painter it picks by number
// paints what the entry's name says.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>

#include "art/ArtFamilies.h"
#include "art/ArtTable.h"
#include "base/FontGlyphs.h"

namespace {

// The four-digit frame after `stem` in a name like "gfx/tiles/red/red0003.png".
std::optional<int> FrameAfter(const std::string& name, const std::string& stem) {
  if (name.rfind(stem, 0) != 0 || name.size() < stem.size() + 8) return std::nullopt;
  std::string digits = name.substr(stem.size(), 4);
  for (char c : digits)
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
  if (name[stem.size() + 4] != '.') return std::nullopt;
  return std::stoi(digits);
}

// The part of `name` between `before` and the next `until`, "" when the name does not start with `before`.
std::string Between(const std::string& name, const std::string& before, char until) {
  if (name.rfind(before, 0) != 0) return "";
  size_t end = name.find(until, before.size());
  return end == std::string::npos ? "" : name.substr(before.size(), end - before.size());
}

int CodeOfGlyph(bool gold, int glyph) {
  for (int c = 1; c < 256; ++c)
    if ((gold ? GoldGlyphNumber(c) : SilverGlyphNumber(c)) == glyph) return c;
  return -1;
}

// What the name of an entry of a picture family says should be painted; nullopt for single pictures.
std::optional<Picture> PaintedByName(const std::string& name) {
  std::string kind = Between(name, "gfx/tiles/", '/');
  if (!kind.empty()) return PaintTile(kind, FrameAfter(name, "gfx/tiles/" + kind + "/" + kind).value());
  std::string letter = Between(name, "gfx/bonus/bonus/", '/');
  if (!letter.empty()) {
    std::string upper(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0]))));
    return PaintCapsule(upper, FrameAfter(name, "gfx/bonus/bonus/" + letter + "/bonus_letters").value());
  }
  if (auto f = FrameAfter(name, "gfx/bonus/malus/malus_")) return PaintCapsule("malus", *f);
  if (auto f = FrameAfter(name, "gfx/bonus/f/fil")) return PaintThread(*f);
  if (auto f = FrameAfter(name, "gfx/bonus/m/missile")) return PaintMissile(*f);
  std::string capsule = Between(name, "gfx/bonus/", '/');
  if (auto f = FrameAfter(name, "gfx/bonus/" + capsule + "/bonus_" + capsule)) return PaintCapsule(capsule, *f);
  std::string monster = Between(name, "gfx/monster/", '_');
  if (!monster.empty()) return PaintMonster(monster, FrameAfter(name, "gfx/monster/" + monster + "_").value());
  if (auto f = FrameAfter(name, "gfx/explosion/tiles_explosion")) return PaintTileExplosion(*f);
  if (auto f = FrameAfter(name, "gfx/explosion/Explosion")) return PaintBigExplosion(*f);
  std::string tilt = Between(name, "gfx/ship/gauche/ShipOne.0", 'g');
  if (!tilt.empty()) return PaintShip(-std::stoi(tilt));
  tilt = Between(name, "gfx/ship/droite/ShipOne.0", 'd');
  if (!tilt.empty()) return PaintShip(std::stoi(tilt));
  if (name == "gfx/ship/ShipOne.00.png") return PaintShip(0);
  std::string shield = Between(name, "gfx/ship/bouclier/Bouclier.", '.');
  if (!shield.empty()) return PaintShield(std::stoi(shield));
  for (bool gold : {false, true}) {
    std::string glyph = Between(name, gold ? "gfx/fonts/gold/gold-" : "gfx/fonts/silver/silver-", '.');
    if (!glyph.empty()) return PaintGlyph(gold, CodeOfGlyph(gold, std::stoi(glyph)));
  }
  std::string size = Between(name, "gfx/ball_", 'x');
  if (!size.empty()) return PaintBall(std::stoi(size));
  std::string colour = Between(name, "gfx/flare_", '.');
  if (!colour.empty()) return PaintFlare(static_cast<uint32_t>(std::stoul(colour, nullptr, 16)));
  std::string decal = Between(name, "gfx/bonus/m/missile_decal_", '.');
  if (!decal.empty()) return PaintShrapnel(std::stoi(decal));
  std::string smoke = Between(name, "gfx/bonus/m/smoke_", '.');
  if (!smoke.empty()) return PaintSmoke(smoke[0] - 'a');
  std::string ammo = Between(name, "gfx/bonus/m/Ammo_", '.');
  if (!ammo.empty()) return PaintAmmoGauge(std::stoi(ammo) - 1);
  return std::nullopt;
}

bool SamePicture(const Picture& a, const Picture& b) {
  return a.width == b.width && a.height == b.height && a.rgba == b.rgba;
}

}  // namespace

TEST(ArtTable, IsTheGamesLoadTableWithAPainterForEveryEntry) {
  std::vector<ArtEntry> main = MainGraphicsTable();
  const std::vector<MainPicture>& game = MainPictureTable();
  ASSERT_EQ(main.size(), game.size());
  for (size_t i = 0; i < main.size(); ++i) {
    EXPECT_EQ(main[i].name, game[i].name) << "entry " << i;
    EXPECT_EQ(main[i].number, game[i].number) << "entry " << i;
    EXPECT_TRUE(main[i].paint) << main[i].name;
  }
  std::vector<ArtEntry> panel = PanelTable();
  ASSERT_EQ(panel.size(), PanelPictureTable().size());
  for (size_t i = 0; i < panel.size(); ++i) {
    EXPECT_EQ(panel[i].name, PanelPictureTable()[i].name);
    EXPECT_TRUE(panel[i].paint) << panel[i].name;
  }
  // A number the game never loads has no painter.
  EXPECT_FALSE(PainterFor({"gfx/nothing.png", 2085, MainLoader::SpriteQuad}));
  EXPECT_FALSE(PainterFor({"gfx/nothing.png", 7, MainLoader::ImageEntry}));
}

TEST(ArtTable, ThePainterChosenByNumberPaintsWhatTheNameSays) {
  // Every family's first and last frames and a spread of the rest; painting them all would take seconds.
  std::vector<ArtEntry> table = MainGraphicsTable();
  int compared = 0;
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string& name = table[i].name;
    bool edge = i + 1 == table.size() || name.find("0000.") != std::string::npos || i % 11 == 0 ||
                name.find("0015.") != std::string::npos || name.find("0031.") != std::string::npos;
    if (!edge) continue;
    std::optional<Picture> expected = PaintedByName(name);
    if (!expected) continue;
    EXPECT_TRUE(SamePicture(table[i].paint(), *expected)) << name << " under " << table[i].number;
    ++compared;
  }
  EXPECT_GT(compared, 150);
}

TEST(ArtTable, SinglePicturesGetTheirOwnPainters) {
  std::vector<ArtEntry> table = MainGraphicsTable();
  auto paint = [&](const std::string& name) {
    for (const ArtEntry& e : table)
      if (e.name == name) return e.paint();
    ADD_FAILURE() << name << " missing";
    return Picture();
  };
  EXPECT_TRUE(SamePicture(paint("gfx/bonus.png"), PaintWordPicture("BONUS")));
  EXPECT_TRUE(SamePicture(paint("gfx/winner.png"), PaintWordPicture("WINNER")));
  EXPECT_TRUE(SamePicture(paint("gfx/panel.png"), PaintInsetFrame()));
  EXPECT_TRUE(SamePicture(paint("gfx/panel2.png"), PaintInsetScreen()));
  EXPECT_TRUE(SamePicture(paint("gfx/bonus/m/Target_text.png"), PaintTargetText()));
  EXPECT_TRUE(SamePicture(paint("gfx/bonus/m/P_Tool_Bar.png"), PaintLauncherBar()));
  EXPECT_TRUE(SamePicture(paint("gfx/bonus/m/ChaingunMuzzle.png"), PaintMuzzleFlash()));
  EXPECT_TRUE(SamePicture(paint("gfx/bonus/f/Laser.png"), PaintLaserBeam()));
  EXPECT_TRUE(SamePicture(paint("gfx/ship/laser.png"), PaintShipLaserShot()));
  // The engine glows by their names' colours: the centre of each is mostly that colour.
  Picture red = paint("gfx/ship/ship_energy_red.png"), blue = paint("gfx/ship/ship_energy_blue.png");
  const uint8_t* r = red.At(red.width / 2, red.height / 2);
  const uint8_t* b = blue.At(blue.width / 2, blue.height / 2);
  EXPECT_GT(r[0], r[2]);
  EXPECT_GT(b[2], b[0]);
  std::vector<ArtEntry> panel = PanelTable();
  EXPECT_TRUE(SamePicture(panel[0].paint(), PaintPanelLeft()));
  EXPECT_TRUE(SamePicture(panel[1].paint(), PaintPanelTop()));
  EXPECT_TRUE(SamePicture(panel[2].paint(), PaintPanelRight()));
}
