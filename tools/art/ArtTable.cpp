// The load order of the main pictures: names, numbers and painters, row by row as the game's loader reads them.
#include "art/ArtTable.h"

#include <cstdio>

#include "art/ArtFamilies.h"

namespace {

std::string FourDigits(int n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", n);
  return buffer;
}

void Add(std::vector<ArtEntry>& table, std::string name, int number, std::function<Picture()> paint) {
  table.push_back({std::move(name), number, std::move(paint)});
}

}  // namespace

int SilverGlyphNumber(int c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
  if (c >= '0' && c <= '9') return c - '0' + 35;
  switch (c) {
    case '!': return 27;
    case '\'': return 28;
    case '(': return 29;
    case ')': return 30;
    case '-': return 31;
    case '.': return 32;
    case '?': return 33;
    case ':': return 34;
    case ',': return 45;
    case ' ': return 46;
    default: return 0;
  }
}

int GoldGlyphNumber(int c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
  if (c >= '0' && c <= '9') return c - '0' + 30;
  switch (c) {
    case '(': return 27;
    case ')': return 28;
    case '-': return 29;
    case '.': return 40;
    case ':': return 41;
    case ',': return 42;
    case '\'': return 43;
    case '"': return 44;
    case '?': return 45;
    case '!': return 46;
    case '^': return 47;
    case ' ': return 48;
    default: return 0;
  }
}

std::vector<ArtEntry> MainGraphicsTable() {
  std::vector<ArtEntry> t;
  t.reserve(864);
  Add(t, "gfx/pointer.png", 2114, PaintPointer);
  const int ballSizes[] = {8, 16, 32, 80, 160};
  const int ballNumbers[] = {2082, 2083, 2084, 2086, 2087};
  for (int i = 0; i < 5; ++i) {
    int d = ballSizes[i];
    Add(t, "gfx/ball_" + std::to_string(d) + "x" + std::to_string(d) + ".tif", ballNumbers[i],
        [d] { return PaintBall(d); });
  }
  Add(t, "gfx/ship/ShipOne.00.png", 2094, [] { return PaintShip(0); });
  for (int i = 1; i <= 5; ++i)
    Add(t, "gfx/ship/gauche/ShipOne.0" + std::to_string(i) + "g.png", 2094 - i, [i] { return PaintShip(-i); });
  for (int i = 1; i <= 5; ++i)
    Add(t, "gfx/ship/droite/ShipOne.0" + std::to_string(i) + "d.png", 2094 + i, [i] { return PaintShip(i); });
  Add(t, "gfx/ship/laser.png", 2111, PaintShipLaserShot);

  // Tiles: the loop runs over the frame, and for each frame over the kinds.
  const char* colours[] = {"red", "green", "blue", "yellow", "magenta", "cyan", "white", "black"};
  for (int f = 0; f < 16; ++f)
    for (int k = 0; k < 8; ++k) {
      std::string kind = colours[k];
      Add(t, "gfx/tiles/" + kind + "/" + kind + FourDigits(f) + ".png", 34 + 16 * k + f,
          [kind, f] { return PaintTile(kind, f); });
    }
  const char* specials[] = {"ub", "tp", "3c", "2c", "1c"};
  const int specialBase[] = {162, 226, 178, 194, 210};
  for (int f = 0; f < 16; ++f)
    for (int k = 0; k < 5; ++k) {
      std::string kind = specials[k];
      Add(t, "gfx/tiles/" + kind + "/" + kind + FourDigits(f) + ".png", specialBase[k] + f,
          [kind, f] { return PaintTile(kind, f); });
    }

  // Capsules, interleaved the same way.
  struct CapsuleFamily {
    const char* prefix;
    const char* kind;
    int base;
  };
  const CapsuleFamily capsules[] = {
      {"gfx/bonus/t/bonus_t", "t", 242},           {"gfx/bonus/e/bonus_e", "e", 258},
      {"gfx/bonus/f/bonus_f", "f", 274},           {"gfx/bonus/l/bonus_l", "l", 290},
      {"gfx/bonus/c/bonus_c", "c", 306},           {"gfx/bonus/m/bonus_m", "m", 322},
      {"gfx/bonus/b/bonus_b", "b", 338},           {"gfx/bonus/r/bonus_r", "r", 354},
      {"gfx/bonus/s/bonus_s", "s", 370},           {"gfx/bonus/g/bonus_g", "g", 386},
      {"gfx/bonus/p/bonus_p", "p", 402},           {"gfx/bonus/malus/malus_", "malus", 418},
      {"gfx/bonus/bonus/b/bonus_letters", "B", 434}, {"gfx/bonus/bonus/o/bonus_letters", "O", 450},
      {"gfx/bonus/bonus/n/bonus_letters", "N", 466}, {"gfx/bonus/bonus/u/bonus_letters", "U", 482},
      {"gfx/bonus/bonus/s/bonus_letters", "S", 498},
  };
  for (int f = 0; f < 16; ++f)
    for (const CapsuleFamily& c : capsules) {
      std::string kind = c.kind;
      Add(t, std::string(c.prefix) + FourDigits(f) + ".png", c.base + f, [kind, f] { return PaintCapsule(kind, f); });
    }

  for (int f = 0; f < 22; ++f)
    Add(t, "gfx/bonus/f/fil" + FourDigits(f) + ".png", 680 + f, [f] { return PaintThread(f); });
  for (int f = 0; f < 32; ++f)
    Add(t, "gfx/bonus/m/missile" + FourDigits(f) + ".png", 724 + f, [f] { return PaintMissile(f); });

  // Fourteen missile pictures, numbered in steps of 32.
  const std::string m = "gfx/bonus/m/";
  Add(t, m + "Target_Normal.png", 756, PaintTargetRing);
  Add(t, m + "Target_Light.png", 788, PaintTargetLight);
  Add(t, m + "Target_text.png", 820, PaintTargetText);
  for (int i = 1; i <= 4; ++i)
    Add(t, m + "missile_decal_" + std::to_string(i) + ".png", 852 + 32 * (i - 1), [i] { return PaintShrapnel(i); });
  for (int i = 0; i < 5; ++i)
    Add(t, m + "smoke_" + std::string(1, static_cast<char>('a' + i)) + ".png", 980 + 32 * i,
        [i] { return PaintSmoke(i); });
  Add(t, m + "P_Tool_Window.png", 1140, PaintLauncherWindow);
  Add(t, m + "P_Tool_Bar.png", 1172, PaintLauncherBar);
  Add(t, m + "Chaingun.png", 1204, PaintChaingun);
  Add(t, m + "GunTarget.png", 1236, PaintGunTarget);
  Add(t, m + "ChaingunMuzzle.png", 1492, PaintMuzzleFlash);
  Add(t, m + "Bullet.png", 1460, PaintBullet);
  for (int n = 1; n <= 6; ++n)
    Add(t, m + "Ammo_0" + std::to_string(n) + ".png", 1267 + n, [n] { return PaintAmmoGauge(n - 1); });
  Add(t, "gfx/bonus/f/Laser.png", 702, PaintLaserBeam);

  for (int f = 0; f <= 30; ++f)
    Add(t, "gfx/explosion/tiles_explosion" + FourDigits(f) + ".png", 514 + f, [f] { return PaintTileExplosion(f); });
  // The big explosion's first frame is loaded under 544 too, replacing the last tile-explosion frame.
  for (int f = 0; f <= 23; ++f)
    Add(t, "gfx/explosion/Explosion" + FourDigits(f) + ".jpg", 544 + f, [f] { return PaintBigExplosion(f); });

  for (int f = 0; f < 16; ++f) {
    Add(t, "gfx/monster/02_" + FourDigits(f) + ".png", 568 + f, [f] { return PaintMonster("02", f); });
    Add(t, "gfx/monster/03_" + FourDigits(f) + ".png", 584 + f, [f] { return PaintMonster("03", f); });
    Add(t, "gfx/monster/06_" + FourDigits(f) + ".png", 600 + f, [f] { return PaintMonster("06", f); });
  }
  for (int f = 0; f < 32; ++f) {
    Add(t, "gfx/monster/04_" + FourDigits(f) + ".png", 616 + f, [f] { return PaintMonster("04", f); });
    Add(t, "gfx/monster/05_" + FourDigits(f) + ".png", 648 + f, [f] { return PaintMonster("05", f); });
  }

  for (int i = 0; i <= 10; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "gfx/ship/bouclier/Bouclier.%02d.png", i);
    Add(t, name, 2100 + i, [i] { return PaintShield(i); });
  }

  Add(t, "gfx/halo.png", 2036, PaintHalo);
  Add(t, "gfx/ship/ship_energy.png", 2037, [] { return PaintEnergyGlow(0x9FE8FF); });
  Add(t, "gfx/ship/ship_energy_blue.png", 2039, [] { return PaintEnergyGlow(0x2F6BFF); });
  Add(t, "gfx/ship/ship_energy_red.png", 2038, [] { return PaintEnergyGlow(0xFF3A1E); });
  Add(t, "gfx/nextlevel.png", 2119, PaintNextLevelArrow);

  for (int c = 0; c < 256; ++c)
    if (int g = SilverGlyphNumber(c))
      Add(t, "gfx/fonts/silver/silver-" + std::to_string(g) + ".png", 1524 + c, [c] { return PaintGlyph(false, c); });
  for (int c = 0; c < 256; ++c)
    if (int g = GoldGlyphNumber(c))
      Add(t, "gfx/fonts/gold/gold-" + std::to_string(g) + ".png", 1780 + c, [c] { return PaintGlyph(true, c); });

  const uint32_t flares[] = {0x7F7F7F, 0x000000, 0x863800, 0xF3A80C, 0xFFFF80};
  for (int i = 0; i < 5; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "gfx/flare_%06X.png", flares[i]);
    uint32_t rgb = flares[i];
    Add(t, name, 2040 + i, [rgb] { return PaintFlare(rgb); });
  }

  Add(t, "gfx/panel.png", 2116, PaintInsetFrame);
  Add(t, "gfx/panel2.png", 2117, PaintInsetScreen);
  Add(t, "gfx/redball16x16.png", 2118, PaintRedBall);
  Add(t, "gfx/bonus.png", 0, [] { return PaintWordPicture("BONUS"); });
  Add(t, "gfx/winner.png", 1, [] { return PaintWordPicture("WINNER"); });
  return t;
}

std::vector<ArtEntry> PanelTable() {
  std::vector<ArtEntry> t;
  Add(t, "gfx/background/panel_left.png", 2080, PaintPanelLeft);
  Add(t, "gfx/background/panel_top.png", 2079, PaintPanelTop);
  Add(t, "gfx/background/panel_right.png", 2081, PaintPanelRight);
  return t;
}
