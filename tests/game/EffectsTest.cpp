// Floating words and effects: placement, the wait, the still part, the split and fade, and the tail.
#include <gtest/gtest.h>

#include "ExtrasTestSupport.h"
#include "game/Effects.h"
#include "game/ExtrasState.h"
#include "game/PlayState.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class Effects : public ::testing::Test {
 protected:
  void SetUp() override { ResetExtrasTest(); }
};

TEST_F(Effects, AWordIsCentredOnThePlayfieldTwoCopiesPerLetter) {
  ShowMessage("Go!", 0);
  ASSERT_EQ(extras.effects.Count(), 6);
  const Effect* first = extras.effects.At(0);
  EXPECT_FLOAT_EQ(first->x, 88 + 360 - (3 * 40 - 40) / 2.0f);
  EXPECT_FLOAT_EQ(first->y, 20 + 374 - 19);
  EXPECT_EQ(static_cast<int>(first->sprite), goldFontBase + 'G');
  EXPECT_FLOAT_EQ(first->vy, 2);
  EXPECT_FLOAT_EQ(extras.effects.At(1)->vy, -2);
  EXPECT_EQ(static_cast<int>(extras.effects.At(2)->sprite), goldFontBase + 'O') << "letters are upper-cased";
  EXPECT_FLOAT_EQ(extras.effects.At(4)->x, first->x + 80);
  EXPECT_TRUE(MessageShown("Go!"));
}

TEST_F(Effects, BlanksAndCharactersWithoutAPictureKeepTheirPlaceButAddNothing) {
  ShowMessage("A B", 0);
  ASSERT_EQ(extras.effects.Count(), 4);
  EXPECT_FLOAT_EQ(extras.effects.At(2)->x - extras.effects.At(0)->x, 80);
  ShowMessage("#", 0);
  EXPECT_EQ(extras.effects.Count(), 4);
}

TEST_F(Effects, AWordWaitsItsDelayStandsStillThenSplitsAndFades) {
  ShowMessage("X", 10);
  const Effect* down = extras.effects.At(0);
  float y = down->y;
  for (int i = 0; i < 10; ++i) StepEffects();
  EXPECT_EQ(down->age, 0);
  for (int i = 0; i < 90; ++i) StepEffects();
  EXPECT_FLOAT_EQ(down->y, y) << "still for a second and a half";
  EXPECT_FLOAT_EQ(down->alpha, 255);
  StepEffects();
  EXPECT_FLOAT_EQ(down->y, y + 2);
  EXPECT_FLOAT_EQ(down->alpha, 252);
  for (int i = 0; i < 84; ++i) StepEffects();
  EXPECT_EQ(extras.effects.Count(), 2);
  EXPECT_TRUE(MessageShown("X"));
  StepEffects();
  EXPECT_EQ(extras.effects.Count(), 0);
  EXPECT_FALSE(MessageShown("X")) << "the word is forgotten with its letters";
}

TEST_F(Effects, AnimationWrapsAndTheTailHoldsTheLastPicture) {
  SpawnEffect({.sprite = tileExplosionPictures,
               .spriteStep = 1,
               .spriteLow = tileExplosionPictures,
               .spriteHigh = tileExplosionPictures + 2,
               .x = 300,
               .y = 300,
               .vx = 1,
               .scaleStep = 0.5f,
               .lifetime = 5,
               .tailFrames = 2});
  const Effect* e = extras.effects.At(0);
  StepEffects();
  StepEffects();
  StepEffects();
  EXPECT_FLOAT_EQ(e->sprite, tileExplosionPictures) << "past spriteHigh it starts again at spriteLow";
  EXPECT_FLOAT_EQ(e->x, 303);
  EXPECT_FLOAT_EQ(e->scale, 2.5f);
  StepEffects();
  StepEffects();
  EXPECT_EQ(e->age, 5);
  float x = e->x;
  StepEffects();
  StepEffects();
  EXPECT_EQ(extras.effects.Count(), 1);
  EXPECT_FLOAT_EQ(e->x, x);
  StepEffects();
  EXPECT_EQ(extras.effects.Count(), 0);
}

}  // namespace
