// The tile and capsule kinds the levels store are the first pictures of the families the main table loads.
#include <gtest/gtest.h>

#include <map>

#include "base/MainPictureTable.h"
#include "game/Capsules.h"
#include "game/PlayState.h"

namespace {

std::string NameOf(int number) {
  for (const MainPicture& picture : MainPictureTable())
    if (picture.number == number && picture.loader != MainLoader::ImageEntry) return picture.name;
  return "";
}

}  // namespace

TEST(AssetKinds, EachTileKindIsTheFirstFrameOfItsPictures) {
  const std::map<int, std::string> kinds = {
      {tileRed, "red/red"},       {tileGreen, "green/green"},   {tileBlue, "blue/blue"},
      {tileYellow, "yellow/yellow"}, {tileMagenta, "magenta/magenta"}, {tileCyan, "cyan/cyan"},
      {tileWhite, "white/white"}, {tileBlack, "black/black"},   {tileUnbreakable, "ub/ub"},
      {tileThreeHits, "3c/3c"},   {tileTwoHits, "2c/2c"},       {tileOneHit, "1c/1c"},
      {tileTeleporter, "tp/tp"}};
  ASSERT_EQ(static_cast<int>(kinds.size()), tileKindCount);
  for (const auto& [kind, stem] : kinds) {
    EXPECT_EQ(NameOf(kind), "gfx/tiles/" + stem + "0000.png");
    EXPECT_EQ(NameOf(kind + kindFrames - 1), "gfx/tiles/" + stem + "0015.png");
  }
}

TEST(AssetKinds, EachCapsuleKindIsTheFirstFrameOfItsPictures) {
  const std::map<int, std::string> kinds = {
      {capsuleTriple, "t/bonus_t"},    {capsuleEnlarge, "e/bonus_e"},   {capsuleFire, "f/bonus_f"},
      {capsuleLaser, "l/bonus_l"},     {capsuleGlue, "c/bonus_c"},      {capsuleMissile, "m/bonus_m"},
      {capsuleDoor, "b/bonus_b"},      {capsuleRow, "r/bonus_r"},       {capsuleBigger, "s/bonus_s"},
      {capsuleChaingun, "g/bonus_g"},  {capsuleExtraLife, "p/bonus_p"}, {capsuleMalus, "malus/malus_"},
      {capsuleLetterB, "bonus/b/bonus_letters"}, {capsuleLetterO, "bonus/o/bonus_letters"},
      {capsuleLetterN, "bonus/n/bonus_letters"}, {capsuleLetterU, "bonus/u/bonus_letters"},
      {capsuleLetterS, "bonus/s/bonus_letters"}};
  ASSERT_EQ(static_cast<int>(kinds.size()), capsuleKindCount);
  for (const auto& [kind, stem] : kinds) {
    EXPECT_EQ(NameOf(kind), "gfx/bonus/" + stem + "0000.png");
    EXPECT_EQ(NameOf(kind + kindFrames - 1), "gfx/bonus/" + stem + "0015.png");
  }
}
