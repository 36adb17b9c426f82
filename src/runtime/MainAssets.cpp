// The main assets of a game: every picture of packs/maingfx.pak in its fixed order, the panel and the sounds.
#include <cstdio>

#include "media/Media.h"
#include "runtime/Glyphs.h"
#include "runtime/Loaders.h"

namespace {

std::string Frame(const std::string& prefix, int frame, const std::string& extension = ".png") {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", frame);
  return prefix + digits + extension;
}

struct Family {
  const char* prefix;
  int first;  // number of frame 0
};

// Rows whose families are interleaved: for each frame, every family in turn.
void Interleaved(std::vector<MainAsset>& out, int frames, std::initializer_list<Family> families) {
  for (int f = 0; f < frames; ++f) {
    for (const Family& family : families) out.push_back({Frame(family.prefix, f), family.first + f});
  }
}

std::vector<MainAsset> BuildOrder() {
  std::vector<MainAsset> out;
  auto add = [&](const std::string& name, int number, MainLoader loader = MainLoader::SpriteQuad) {
    out.push_back({name, number, loader});
  };
  add("gfx/pointer.png", 2114);
  const int balls[] = {8, 16, 32, 80, 160};
  const int ballNumbers[] = {2082, 2083, 2084, 2086, 2087};
  for (int i = 0; i < 5; ++i) {
    add("gfx/ball_" + std::to_string(balls[i]) + "x" + std::to_string(balls[i]) + ".tif", ballNumbers[i]);
  }
  add("gfx/ship/ShipOne.00.png", 2094);
  for (int i = 1; i <= 5; ++i) add("gfx/ship/gauche/ShipOne.0" + std::to_string(i) + "g.png", 2094 - i);
  for (int i = 1; i <= 5; ++i) add("gfx/ship/droite/ShipOne.0" + std::to_string(i) + "d.png", 2094 + i);
  add("gfx/ship/laser.png", 2111);
  Interleaved(out, 16,
              {{"gfx/tiles/red/red", 34}, {"gfx/tiles/green/green", 50}, {"gfx/tiles/blue/blue", 66},
               {"gfx/tiles/yellow/yellow", 82}, {"gfx/tiles/magenta/magenta", 98}, {"gfx/tiles/cyan/cyan", 114},
               {"gfx/tiles/white/white", 130}, {"gfx/tiles/black/black", 146}});
  Interleaved(out, 16,
              {{"gfx/tiles/ub/ub", 162}, {"gfx/tiles/tp/tp", 226}, {"gfx/tiles/3c/3c", 178},
               {"gfx/tiles/2c/2c", 194}, {"gfx/tiles/1c/1c", 210}});
  Interleaved(out, 16,
              {{"gfx/bonus/t/bonus_t", 242}, {"gfx/bonus/e/bonus_e", 258}, {"gfx/bonus/f/bonus_f", 274},
               {"gfx/bonus/l/bonus_l", 290}, {"gfx/bonus/c/bonus_c", 306}, {"gfx/bonus/m/bonus_m", 322},
               {"gfx/bonus/b/bonus_b", 338}, {"gfx/bonus/r/bonus_r", 354}, {"gfx/bonus/s/bonus_s", 370},
               {"gfx/bonus/g/bonus_g", 386}, {"gfx/bonus/p/bonus_p", 402}, {"gfx/bonus/malus/malus_", 418},
               {"gfx/bonus/bonus/b/bonus_letters", 434}, {"gfx/bonus/bonus/o/bonus_letters", 450},
               {"gfx/bonus/bonus/n/bonus_letters", 466}, {"gfx/bonus/bonus/u/bonus_letters", 482},
               {"gfx/bonus/bonus/s/bonus_letters", 498}});
  for (int f = 0; f <= 21; ++f) add(Frame("gfx/bonus/f/fil", f), 680 + f);
  for (int f = 0; f <= 31; ++f) add(Frame("gfx/bonus/m/missile", f), 724 + f);
  const char* missileParts[] = {"Target_Normal.png", "Target_Light.png", "Target_text.png", "missile_decal_1.png",
                                "missile_decal_2.png", "missile_decal_3.png", "missile_decal_4.png", "smoke_a.png",
                                "smoke_b.png", "smoke_c.png", "smoke_d.png", "smoke_e.png", "P_Tool_Window.png",
                                "P_Tool_Bar.png"};
  for (int i = 0; i < 14; ++i) add(std::string("gfx/bonus/m/") + missileParts[i], 756 + 32 * i);
  add("gfx/bonus/m/Chaingun.png", 1204, MainLoader::PivotSpriteQuad);
  add("gfx/bonus/m/GunTarget.png", 1236);
  add("gfx/bonus/m/ChaingunMuzzle.png", 1492);
  add("gfx/bonus/m/Bullet.png", 1460);
  for (int n = 1; n <= 6; ++n) add("gfx/bonus/m/Ammo_0" + std::to_string(n) + ".png", 1267 + n);
  add("gfx/bonus/f/Laser.png", 702);
  for (int f = 0; f <= 30; ++f) add(Frame("gfx/explosion/tiles_explosion", f), 514 + f);
  // 544 comes twice: the big explosion's first frame replaces the last tile-explosion frame.
  for (int f = 0; f <= 23; ++f) add(Frame("gfx/explosion/Explosion", f, ".jpg"), 544 + f, MainLoader::OpaqueSpriteQuad);
  Interleaved(out, 16, {{"gfx/monster/02_", 568}, {"gfx/monster/03_", 584}, {"gfx/monster/06_", 600}});
  Interleaved(out, 32, {{"gfx/monster/04_", 616}, {"gfx/monster/05_", 648}});
  for (int i = 0; i <= 10; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "gfx/ship/bouclier/Bouclier.%02d.png", i);
    add(name, 2100 + i);
  }
  add("gfx/halo.png", 2036);
  add("gfx/ship/ship_energy.png", 2037);
  add("gfx/ship/ship_energy_blue.png", 2039);
  add("gfx/ship/ship_energy_red.png", 2038);
  add("gfx/nextlevel.png", 2119);
  for (int code = 0; code < 256; ++code) {
    if (silverGlyph[code]) add("gfx/fonts/silver/silver-" + std::to_string(silverGlyph[code]) + ".png", silverFontBase + code);
  }
  for (int code = 0; code < 256; ++code) {
    if (goldGlyph[code]) add("gfx/fonts/gold/gold-" + std::to_string(goldGlyph[code]) + ".png", goldFontBase + code);
  }
  const char* flares[] = {"7F7F7F", "000000", "863800", "F3A80C", "FFFF80"};
  for (int i = 0; i < 5; ++i) add(std::string("gfx/flare_") + flares[i] + ".png", 2040 + i);
  add("gfx/panel.png", 2116, MainLoader::SpriteEntry);
  add("gfx/panel2.png", 2117, MainLoader::SpriteEntry);
  add("gfx/redball16x16.png", 2118);
  add("gfx\\bonus.png", 0, MainLoader::ImageEntry);
  add("gfx\\winner.png", 1, MainLoader::ImageEntry);
  return out;
}

}  // namespace

const std::vector<MainAsset>& MainGraphicsOrder() {
  // The glyph tables decide which font pictures exist; they are filled at start-up.
  if (silverGlyph['A'] == 0) FillGlyphTables();
  static const std::vector<MainAsset> order = BuildOrder();
  return order;
}

void LoadMainAssets() {
  ChoosePack("packs/maingfx.pak");
  for (const MainAsset& asset : MainGraphicsOrder()) {
    switch (asset.loader) {
      case MainLoader::SpriteQuad: LoadSpriteQuad(asset.number, asset.name); break;
      case MainLoader::OpaqueSpriteQuad: LoadOpaqueSpriteQuad(asset.number, asset.name); break;
      case MainLoader::PivotSpriteQuad: chaingunPivot = LoadPivotSpriteQuad(asset.number, asset.name, 64, 96); break;
      case MainLoader::SpriteEntry: LoadSpriteEntry(asset.number, asset.name); break;
      case MainLoader::ImageEntry: LoadImageEntry(asset.number, asset.name); break;
    }
    if (asset.number == 2117 && asset.loader == MainLoader::SpriteEntry) SetSpriteKeyColour(2116, ColorRGB(255, 0, 255));
  }
  ClosePack();

  ChoosePack("packs/panel.pak");
  LoadSpriteEntry(2080, "gfx/background/panel_left.png");
  LoadSpriteEntry(2079, "gfx/background/panel_top.png");
  LoadSpriteEntry(2081, "gfx/background/panel_right.png");
  ClosePack();

  ChoosePack("packs/sounds.pak");
  const std::pair<int, const char*> sounds[] = {
      {1, "sfx/bounce.wav"},         {2, "sfx/bounce_f.wav"},     {3, "sfx/bounce_ball.wav"},
      {4, "sfx/explode.wav"},        {5, "sfx/PrSelect.wav"},     {6, "sfx/zap.wav"},
      {7, "sfx/bouclier.wav"},       {8, "sfx/laser3.wav"},       {9, "sfx/missile_loading.wav"},
      {10, "sfx/missile_launch.wav"}, {11, "sfx/ball_launch.wav"}, {12, "sfx/onfire.wav"},
      {13, "sfx/Explosion.wav"},     {14, "sfx/m2fire.wav"},      {15, "sfx/HAPPYBEL.WAV"},
      {16, "sfx/SOUND827.WAV"},      {18, "sfx/inter.WAV"},       {23, "sfx/bounce1.wav"},
      {24, "sfx/digifx08.ogg"},      {25, "sfx/chimes.wav"},      {26, "sfx/tilt.ogg"}};
  for (const auto& [number, name] : sounds) LoadSoundEntry(number, name);
  ClosePack();

  // Two screen-wide strips a quarter of the screen high, for the console and the screens.
  for (int number : {2058, 2059}) {
    if (HasQuad(number)) ReleaseQuad(number);
    CreateBlankSprite(number, 1024, 192, kSpriteQuadTexture);
    QuadFromSprite(number, number);
  }
  Sleep(100);
}
