// The builder's side of the main pictures: the game's load table with a painter for every entry, chosen by number.
#include "art/ArtTable.h"

#include <map>

#include "art/ArtFamilies.h"

namespace {

using Painter = std::function<Picture()>;

// The painters' words for the tile and capsule kinds, in the order of their numbers.
const char* const tileKinds[tileKindCount] = {"red",   "green", "blue", "yellow", "magenta", "cyan", "white",
                                              "black", "ub",    "3c",   "2c",     "1c",      "tp"};
const char* const capsuleKinds[capsuleKindCount] = {"t", "e", "f",     "l", "c", "m", "b", "r", "s",
                                                    "g", "p", "malus", "B", "O", "N", "U", "S"};

struct MonsterFamily {
  int first;
  int frames;
  const char* kind;  // the painter's word
};
const MonsterFamily monsterFamilies[] = {{drifterPictures, shortMonsterFrames, "02"},
                                         {hopperPictures, shortMonsterFrames, "03"},
                                         {blinkerPictures, shortMonsterFrames, "06"},
                                         {shipSeekerPictures, longMonsterFrames, "04"},
                                         {ballSeekerPictures, longMonsterFrames, "05"}};

// Whether `n` is one of `count` numbers from `first`, `step` apart.
bool In(int n, int first, int count, int step = 1) {
  return n >= first && n < first + count * step && (n - first) % step == 0;
}

Painter With(Picture (*paint)(int), int value) {
  return [paint, value] { return paint(value); };
}

Painter Kind(Picture (*paint)(const std::string&, int), std::string kind, int frame) {
  return [paint, kind, frame] { return paint(kind, frame); };
}

const std::map<int, Painter>& SinglePictures() {
  static const std::map<int, Painter> singles = {
      {pointerPicture, PaintPointer},
      {ball8Picture, [] { return PaintBall(8); }},
      {ball16Picture, [] { return PaintBall(16); }},
      {ball32Picture, [] { return PaintBall(32); }},
      {ball80Picture, [] { return PaintBall(80); }},
      {ball160Picture, [] { return PaintBall(160); }},
      {shipLaserShotPicture, PaintShipLaserShot},
      {laserBeamPicture, PaintLaserBeam},
      {targetRingPicture, PaintTargetRing},
      {targetLightPicture, PaintTargetLight},
      {targetTextPicture, PaintTargetText},
      {launcherWindowPicture, PaintLauncherWindow},
      {launcherBarPicture, PaintLauncherBar},
      {chaingunPicture, PaintChaingun},
      {gunTargetPicture, PaintGunTarget},
      {muzzleFlashPicture, PaintMuzzleFlash},
      {bulletPicture, PaintBullet},
      {haloPicture, PaintHalo},
      {engineGlowPicture, [] { return PaintEnergyGlow(0x9FE8FF); }},
      {engineGlowBluePicture, [] { return PaintEnergyGlow(0x2F6BFF); }},
      {engineGlowRedPicture, [] { return PaintEnergyGlow(0xFF3A1E); }},
      {doorArrowPicture, PaintNextLevelArrow},
      {insetFramePicture, PaintInsetFrame},
      {insetScreenPicture, PaintInsetScreen},
      {wonBallPicture, PaintRedBall},
      {panelLeftPicture, PaintPanelLeft},
      {panelTopPicture, PaintPanelTop},
      {panelRightPicture, PaintPanelRight},
  };
  return singles;
}

// A flare's colour is in its name: "gfx/flare_863800.png".
Painter Flare(const std::string& name) {
  size_t at = name.rfind('_');
  if (at == std::string::npos || name.size() < at + 7) return {};
  uint32_t rgb = static_cast<uint32_t>(std::stoul(name.substr(at + 1, 6), nullptr, 16));
  return [rgb] { return PaintFlare(rgb); };
}

}  // namespace

Painter PainterFor(const MainPicture& picture) {
  const int n = picture.number;
  if (picture.loader == MainLoader::ImageEntry) {
    if (n == wonPictureBonus) return [] { return PaintWordPicture("BONUS"); };
    if (n == wonPictureWinner) return [] { return PaintWordPicture("WINNER"); };
    return {};
  }
  // The big explosion's first frame shares its number with the tile explosion's last; only it is opaque.
  if (picture.loader == MainLoader::OpaqueSpriteQuad && In(n, bigExplosionPictures, bigExplosionFrames))
    return With(PaintBigExplosion, n - bigExplosionPictures);
  if (auto it = SinglePictures().find(n); it != SinglePictures().end()) return it->second;
  if (In(n, shipUprightPicture - shipTiltSteps, 2 * shipTiltSteps + 1)) return With(PaintShip, n - shipUprightPicture);
  if (In(n, shieldPictures, shieldPictureCount)) return With(PaintShield, n - shieldPictures);
  if (In(n, tilePictures, tileKindCount * kindFrames)) {
    int at = n - tilePictures;
    return Kind(PaintTile, tileKinds[at / kindFrames], at % kindFrames);
  }
  if (In(n, capsulePictures, capsuleKindCount * kindFrames)) {
    int at = n - capsulePictures;
    return Kind(PaintCapsule, capsuleKinds[at / kindFrames], at % kindFrames);
  }
  for (const MonsterFamily& family : monsterFamilies)
    if (In(n, family.first, family.frames)) return Kind(PaintMonster, family.kind, n - family.first);
  if (In(n, threadPictures, threadPictureFrames)) return With(PaintThread, n - threadPictures);
  if (In(n, missilePictures, missileFrames)) return With(PaintMissile, n - missilePictures);
  if (In(n, shrapnelPictures, shrapnelCount, missilePartStep))
    return With(PaintShrapnel, (n - shrapnelPictures) / missilePartStep + 1);
  if (In(n, smokePictures, smokeCount, missilePartStep)) return With(PaintSmoke, (n - smokePictures) / missilePartStep);
  if (In(n, ammoGaugePictures, ammoGaugeSteps)) return With(PaintAmmoGauge, n - ammoGaugePictures);
  if (In(n, tileExplosionPictures, tileExplosionFrames)) return With(PaintTileExplosion, n - tileExplosionPictures);
  if (In(n, silverFontBase, 256)) return [code = n - silverFontBase] { return PaintGlyph(false, code); };
  if (In(n, goldFontBase, 256)) return [code = n - goldFontBase] { return PaintGlyph(true, code); };
  if (In(n, flarePictures, flareCount)) return Flare(picture.name);
  return {};
}

namespace {

std::vector<ArtEntry> WithPainters(const std::vector<MainPicture>& pictures) {
  std::vector<ArtEntry> table;
  table.reserve(pictures.size());
  for (const MainPicture& picture : pictures) table.push_back({picture.name, picture.number, PainterFor(picture)});
  return table;
}

}  // namespace

std::vector<ArtEntry> MainGraphicsTable() { return WithPainters(MainPictureTable()); }
std::vector<ArtEntry> PanelTable() { return WithPainters(PanelPictureTable()); }
