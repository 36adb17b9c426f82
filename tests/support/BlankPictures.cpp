// Test support: blank main pictures at the sizes the pack builder paints them.
#include "support/BlankPictures.h"

#include <gtest/gtest.h>

#include "media/Media.h"
#include "base/AssetNames.h"
#include "base/MainPictureTable.h"
#include "runtime/Loaders.h"

namespace {

struct SizeRange {
  int first, last;    // picture numbers, both included
  int width, height;  // pixels
};

// The painted sizes by picture number; a test holds them to the pictures of the built packs.
constexpr SizeRange kSizes[] = {
    {wonPictureBonus, wonPictureWinner, 72, 20},
    {tilePictures, tilePictures + tileKindCount * kindFrames - 1, 64, 20},
    {capsulePictures, capsulePictures + capsuleKindCount * kindFrames - 1, 32, 32},
    {tileExplosionPictures, bigExplosionPictures - 1, 96, 96},
    {bigExplosionPictures, bigExplosionPictures + bigExplosionFrames - 1, 128, 128},
    {drifterPictures, blinkerPictures + shortMonsterFrames - 1, 48, 48},
    {shipSeekerPictures, shipSeekerPictures + longMonsterFrames - 1, 64, 48},
    {ballSeekerPictures, ballSeekerPictures + longMonsterFrames - 1, 48, 48},
    {threadPictures, threadPictures + threadPictureFrames - 1, 128, 128},
    {laserBeamPicture, laserBeamPicture, 16, 64},
    {missilePictures, missilePictures + missileFrames - 1, 32, 96},
    {targetRingPicture, targetTextPicture, 128, 128},
    {shrapnelPictures, shrapnelPictures + (shrapnelCount - 1) * missilePartStep, 24, 24},
    {smokePictures, smokePictures + (smokeCount - 1) * missilePartStep, 64, 64},
    {launcherWindowPicture, launcherBarPicture, 256, 256},
    {chaingunPicture, chaingunPicture, 128, 128},
    {gunTargetPicture, gunTargetPicture, 128, 128},
    {ammoGaugePictures, ammoGaugePictures + ammoGaugeSteps - 1, 256, 256},
    {bulletPicture, bulletPicture, 64, 64},
    {muzzleFlashPicture, muzzleFlashPicture, 64, 64},
    {silverFontBase, goldFontBase - 1, 36, 36},
    {goldFontBase, goldFontBase + 255, 40, 40},
    {haloPicture, haloPicture, 64, 64},
    {engineGlowPicture, engineGlowBluePicture, 128, 128},
    {flarePictures, flarePictures + flareCount - 1, 64, 64},
    {panelTopPicture, panelTopPicture, 740, 20},
    {panelLeftPicture, panelLeftPicture, 88, 768},
    {panelRightPicture, panelRightPicture, 204, 768},
    {ball8Picture, ball8Picture, 8, 8},
    {ball16Picture, ball16Picture, 16, 16},
    {ball32Picture, ball32Picture, 32, 32},
    {ball80Picture, ball80Picture, 80, 80},
    {ball160Picture, ball160Picture, 160, 160},
    {shipUprightPicture - shipTiltSteps, shipUprightPicture + shipTiltSteps, 80, 80},
    {shieldPictures + 5, shieldPictures + shieldPictureCount - 1, 130, 140},  // the first five grow by ten from 80
    {shipLaserShotPicture, shipLaserShotPicture, 8, 32},
    {pointerPicture, pointerPicture, 32, 32},
    {insetFramePicture, insetFramePicture, 150, 140},
    {insetScreenPicture, insetScreenPicture, 124, 98},
    {wonBallPicture, wonBallPicture, 16, 16},
    {doorArrowPicture, doorArrowPicture, 48, 48},
};

void Blank(int number, int flags, bool withQuad) {
  auto [w, h] = MainPictureSize(number);
  ASSERT_GT(w, 0) << "no size for main picture " << number;
  if (HasQuad(number)) ReleaseQuad(number);
  if (HasSprite(number)) ReleaseSprite(number);
  ASSERT_TRUE(CreateBlankSprite(number, w, h, flags)) << number;
  if (withQuad) {
    ASSERT_TRUE(QuadFromSprite(number, number)) << number;
  }
}

}  // namespace

std::pair<int, int> MainPictureSize(int number) {
  if (number >= shieldPictures && number < shieldPictures + 5) return {80 + 10 * (number - shieldPictures), 140};
  for (const SizeRange& range : kSizes) {
    if (number >= range.first && number <= range.last) return {range.width, range.height};
  }
  return {0, 0};
}

void MakeBlankMainPictures() {
  for (const std::vector<MainPicture>* table : {&MainPictureTable(), &PanelPictureTable()}) {
    for (const MainPicture& picture : *table) {
      switch (picture.loader) {
        case MainLoader::SpriteQuad:
        case MainLoader::PivotSpriteQuad: Blank(picture.number, kSpriteQuadTexture | kSpriteKeepAlpha, true); break;
        case MainLoader::OpaqueSpriteQuad: Blank(picture.number, kSpriteQuadTexture, true); break;
        case MainLoader::SpriteEntry: Blank(picture.number, 0, false); break;
        case MainLoader::ImageEntry: {
          auto [w, h] = MainPictureSize(picture.number);
          if (HasImage(picture.number)) ReleaseImage(picture.number);
          ASSERT_TRUE(CreateBlankImage(picture.number, w, h)) << picture.number;
          break;
        }
      }
    }
  }
  chaingunPivot = Pivot{chaingunPicture, 64, 96};
  // The two screen-wide strips for the console and the screens.
  for (int number = screenStripPictures; number < screenStripPictures + screenStripCount; ++number) {
    if (HasQuad(number)) ReleaseQuad(number);
    CreateBlankSprite(number, 1024, 192, kSpriteQuadTexture);
    QuadFromSprite(number, number);
  }
}
