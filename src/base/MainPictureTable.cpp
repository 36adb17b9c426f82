// The main packs' load order, row by row: families of frames, some interleaved frame by frame.
#include "base/MainPictureTable.h"

#include <cstdio>
#include <initializer_list>

#include "base/FontGlyphs.h"

namespace {

std::string Frame(const std::string& stem, int frame, const std::string& extension = ".png") {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", frame);
  return stem + digits + extension;
}

struct Family {
  const char* stem;
  int first;  // number of frame 0
};

class Rows {
 public:
  void Add(const std::string& name, int number, MainLoader loader = MainLoader::SpriteQuad) {
    out_.push_back({name, number, loader});
  }
  // Families whose frames are interleaved: for each frame, every family in turn.
  void Interleaved(int frames, std::initializer_list<Family> families) {
    for (int f = 0; f < frames; ++f)
      for (const Family& family : families) Add(Frame(family.stem, f), family.first + f);
  }
  std::vector<MainPicture> Take() { return std::move(out_); }

 private:
  std::vector<MainPicture> out_;
};

std::vector<MainPicture> BuildMainPictures() {
  Rows rows;
  rows.Add("gfx/pointer.png", pointerPicture);
  rows.Add("gfx/ball_8x8.tif", ball8Picture);
  rows.Add("gfx/ball_16x16.tif", ball16Picture);
  rows.Add("gfx/ball_32x32.tif", ball32Picture);
  rows.Add("gfx/ball_80x80.tif", ball80Picture);
  rows.Add("gfx/ball_160x160.tif", ball160Picture);
  rows.Add("gfx/ship/ShipOne.00.png", shipUprightPicture);
  for (int i = 1; i <= shipTiltSteps; ++i)
    rows.Add("gfx/ship/gauche/ShipOne.0" + std::to_string(i) + "g.png", shipUprightPicture - i);
  for (int i = 1; i <= shipTiltSteps; ++i)
    rows.Add("gfx/ship/droite/ShipOne.0" + std::to_string(i) + "d.png", shipUprightPicture + i);
  rows.Add("gfx/ship/laser.png", shipLaserShotPicture);
  rows.Interleaved(kindFrames, {{"gfx/tiles/red/red", tileRed}, {"gfx/tiles/green/green", tileGreen},
                                {"gfx/tiles/blue/blue", tileBlue}, {"gfx/tiles/yellow/yellow", tileYellow},
                                {"gfx/tiles/magenta/magenta", tileMagenta}, {"gfx/tiles/cyan/cyan", tileCyan},
                                {"gfx/tiles/white/white", tileWhite}, {"gfx/tiles/black/black", tileBlack}});
  rows.Interleaved(kindFrames, {{"gfx/tiles/ub/ub", tileUnbreakable}, {"gfx/tiles/tp/tp", tileTeleporter},
                                {"gfx/tiles/3c/3c", tileThreeHits}, {"gfx/tiles/2c/2c", tileTwoHits},
                                {"gfx/tiles/1c/1c", tileOneHit}});
  rows.Interleaved(kindFrames,
                   {{"gfx/bonus/t/bonus_t", capsuleTriple}, {"gfx/bonus/e/bonus_e", capsuleEnlarge},
                    {"gfx/bonus/f/bonus_f", capsuleFire}, {"gfx/bonus/l/bonus_l", capsuleLaser},
                    {"gfx/bonus/c/bonus_c", capsuleGlue}, {"gfx/bonus/m/bonus_m", capsuleMissile},
                    {"gfx/bonus/b/bonus_b", capsuleDoor}, {"gfx/bonus/r/bonus_r", capsuleRow},
                    {"gfx/bonus/s/bonus_s", capsuleBigger}, {"gfx/bonus/g/bonus_g", capsuleChaingun},
                    {"gfx/bonus/p/bonus_p", capsuleExtraLife}, {"gfx/bonus/malus/malus_", capsuleMalus},
                    {"gfx/bonus/bonus/b/bonus_letters", capsuleLetterB},
                    {"gfx/bonus/bonus/o/bonus_letters", capsuleLetterO},
                    {"gfx/bonus/bonus/n/bonus_letters", capsuleLetterN},
                    {"gfx/bonus/bonus/u/bonus_letters", capsuleLetterU},
                    {"gfx/bonus/bonus/s/bonus_letters", capsuleLetterS}});
  for (int f = 0; f < threadPictureFrames; ++f) rows.Add(Frame("gfx/bonus/f/fil", f), threadPictures + f);
  for (int f = 0; f < missileFrames; ++f) rows.Add(Frame("gfx/bonus/m/missile", f), missilePictures + f);
  const std::string m = "gfx/bonus/m/";
  rows.Add(m + "Target_Normal.png", targetRingPicture);
  rows.Add(m + "Target_Light.png", targetLightPicture);
  rows.Add(m + "Target_text.png", targetTextPicture);
  for (int i = 0; i < shrapnelCount; ++i)
    rows.Add(m + "missile_decal_" + std::to_string(i + 1) + ".png", shrapnelPictures + missilePartStep * i);
  for (int i = 0; i < smokeCount; ++i)
    rows.Add(m + "smoke_" + static_cast<char>('a' + i) + ".png", smokePictures + missilePartStep * i);
  rows.Add(m + "P_Tool_Window.png", launcherWindowPicture);
  rows.Add(m + "P_Tool_Bar.png", launcherBarPicture);
  rows.Add(m + "Chaingun.png", chaingunPicture, MainLoader::PivotSpriteQuad);
  rows.Add(m + "GunTarget.png", gunTargetPicture);
  rows.Add(m + "ChaingunMuzzle.png", muzzleFlashPicture);
  rows.Add(m + "Bullet.png", bulletPicture);
  for (int i = 0; i < ammoGaugeSteps; ++i)
    rows.Add(m + "Ammo_0" + std::to_string(i + 1) + ".png", ammoGaugePictures + i);
  rows.Add("gfx/bonus/f/Laser.png", laserBeamPicture);
  for (int f = 0; f < tileExplosionFrames; ++f)
    rows.Add(Frame("gfx/explosion/tiles_explosion", f), tileExplosionPictures + f);
  for (int f = 0; f < bigExplosionFrames; ++f)
    rows.Add(Frame("gfx/explosion/Explosion", f, ".jpg"), bigExplosionPictures + f, MainLoader::OpaqueSpriteQuad);
  rows.Interleaved(shortMonsterFrames,
                   {{"gfx/monster/02_", drifterPictures}, {"gfx/monster/03_", hopperPictures},
                    {"gfx/monster/06_", blinkerPictures}});
  rows.Interleaved(longMonsterFrames,
                   {{"gfx/monster/04_", shipSeekerPictures}, {"gfx/monster/05_", ballSeekerPictures}});
  for (int i = 0; i < shieldPictureCount; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "gfx/ship/bouclier/Bouclier.%02d.png", i);
    rows.Add(name, shieldPictures + i);
  }
  rows.Add("gfx/halo.png", haloPicture);
  rows.Add("gfx/ship/ship_energy.png", engineGlowPicture);
  rows.Add("gfx/ship/ship_energy_blue.png", engineGlowBluePicture);
  rows.Add("gfx/ship/ship_energy_red.png", engineGlowRedPicture);
  rows.Add("gfx/nextlevel.png", doorArrowPicture);
  for (int code = 0; code < 256; ++code)
    if (int glyph = SilverGlyphNumber(code))
      rows.Add("gfx/fonts/silver/silver-" + std::to_string(glyph) + ".png", silverFontBase + code);
  for (int code = 0; code < 256; ++code)
    if (int glyph = GoldGlyphNumber(code))
      rows.Add("gfx/fonts/gold/gold-" + std::to_string(glyph) + ".png", goldFontBase + code);
  rows.Add("gfx/flare_7F7F7F.png", greyFlarePicture);
  rows.Add("gfx/flare_000000.png", blackFlarePicture);
  rows.Add("gfx/flare_863800.png", emberFlarePicture);
  rows.Add("gfx/flare_F3A80C.png", orangeFlarePicture);
  rows.Add("gfx/flare_FFFF80.png", yellowFlarePicture);
  rows.Add("gfx/panel.png", insetFramePicture, MainLoader::SpriteEntry);
  rows.Add("gfx/panel2.png", insetScreenPicture, MainLoader::SpriteEntry);
  rows.Add("gfx/redball16x16.png", wonBallPicture);
  rows.Add("gfx/bonus.png", wonPictureBonus, MainLoader::ImageEntry);
  rows.Add("gfx/winner.png", wonPictureWinner, MainLoader::ImageEntry);
  return rows.Take();
}

}  // namespace

const std::vector<MainPicture>& MainPictureTable() {
  static const std::vector<MainPicture> table = BuildMainPictures();
  return table;
}

const std::vector<MainPicture>& PanelPictureTable() {
  static const std::vector<MainPicture> table = {
      {"gfx/background/panel_left.png", panelLeftPicture, MainLoader::SpriteEntry},
      {"gfx/background/panel_top.png", panelTopPicture, MainLoader::SpriteEntry},
      {"gfx/background/panel_right.png", panelRightPicture, MainLoader::SpriteEntry}};
  return table;
}

const std::vector<MainSound>& MainSoundTable() {
  static const std::vector<MainSound> table = {
      {Sound::Bounce, "sfx/bounce.wav"},
      {Sound::ThreadBounce, "sfx/bounce_f.wav"},
      {Sound::BallClink, "sfx/bounce_ball.wav"},
      {Sound::TileShatter, "sfx/explode.wav"},
      {Sound::Teleport, "sfx/PrSelect.wav"},
      {Sound::Zap, "sfx/zap.wav"},
      {Sound::Shimmer, "sfx/bouclier.wav"},
      {Sound::Laser, "sfx/laser3.wav"},
      {Sound::MissileLoading, "sfx/missile_loading.wav"},
      {Sound::MissileLaunch, "sfx/missile_launch.wav"},
      {Sound::BallLaunch, "sfx/ball_launch.wav"},
      {Sound::Fire, "sfx/onfire.wav"},
      {Sound::BigExplosion, "sfx/Explosion.wav"},
      {Sound::GunShot, "sfx/m2fire.wav"},
      {Sound::ExtraLife, "sfx/HAPPYBEL.WAV"},
      {Sound::Failure, "sfx/SOUND827.WAV"},
      {Sound::Tick, "sfx/inter.WAV"},
      {Sound::Pop, "sfx/bounce1.wav"},
      {Sound::BonusCaught, "sfx/digifx08.ogg"},
      {Sound::Chimes, "sfx/chimes.wav"},
      {Sound::Tilt, "sfx/tilt.ogg"}};
  return table;
}
