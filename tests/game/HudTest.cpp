// The status column: the name cut to nine, lives in rows of seven up to 28, the level row, letters, the inset.
#include <gtest/gtest.h>

#include "ExtrasTestSupport.h"
#include "game/Capsules.h"
#include "game/Hud.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "base/AssetNames.h"

namespace {

std::string Shown(const std::vector<HudGlyph>& glyphs) {
  std::string text;
  for (const HudGlyph& g : glyphs) text += static_cast<char>(g.picture - silverFontBase);
  return text;
}

TEST(Hud, ATwelveCharacterNameShowsItsFirstNine) {
  EXPECT_EQ(HudName("Christophers"), "Christoph");
  EXPECT_EQ(HudName("Nova"), "Nova");
  EXPECT_EQ(HudName("ninechars"), "ninechars");
}

TEST(Hud, TextRowsAreUpperCasedRightAlignedAndSkipWhatTheFontLacks) {
  std::vector<HudGlyph> row = HudTextRow("Player 1", 52);
  EXPECT_EQ(Shown(row), "PLAYER 1");
  ASSERT_EQ(row.size(), 8u);
  EXPECT_EQ(row.front().x, 994 - 20 * 8);
  EXPECT_EQ(row.back().x, 994 - 20);
  EXPECT_EQ(row.front().y, 52);
  EXPECT_EQ(Shown(HudTextRow("a_b#c", 0)), "ABC");
}

TEST(Hud, ThirtyLivesShowTwentyEightIconsInFourRowsOfSeven) {
  std::vector<HudIcon> icons = HudLifeIcons(30);
  ASSERT_EQ(icons.size(), 28u);
  EXPECT_EQ(icons[0].x, 832);
  EXPECT_EQ(icons[0].y, 300);
  EXPECT_EQ(icons[6].x, 832 + 6 * 24);
  EXPECT_EQ(icons[7].x, 832);
  EXPECT_EQ(icons[7].y, 324);
  EXPECT_EQ(icons[27].y, 372);
  for (const HudIcon& icon : icons) EXPECT_LE(icon.x + 24, 1024);
  EXPECT_EQ(HudLifeIcons(3).size(), 3u);
  EXPECT_TRUE(HudLifeIcons(0).empty());
}

TEST(Hud, LevelRowNamesTheLevelsWithoutANumber) {
  EXPECT_EQ(HudLevelText(0, difficultyNormal), "1");
  EXPECT_EQ(HudLevelText(98, difficultyNormal), "99");
  EXPECT_EQ(HudLevelText(99, difficultyNormal), "SPECIAL");
  EXPECT_EQ(HudLevelText(100, difficultyNormal), "DEATH");
  EXPECT_EQ(HudLevelText(102, difficultyNormal), "BONUS");
  EXPECT_EQ(HudLevelText(49, difficultyHard), "50");
  EXPECT_EQ(HudLevelText(60, difficultyHard), "SPECIAL");
  EXPECT_EQ(HudLevelText(102, difficultyHard), "BONUS");
}

TEST(Hud, LettersShowOnlyThoseHeld) {
  EXPECT_TRUE(HudLetters(0).empty());
  auto letters = HudLetters(letterB | letterU);
  ASSERT_EQ(letters.size(), 2u);
  EXPECT_EQ(letters[0], std::make_pair(int(capsuleLetterB), 820));
  EXPECT_EQ(letters[1], std::make_pair(int(capsuleLetterU), 930));
  EXPECT_EQ(HudLetters(allLetters).size(), 5u);
}

TEST(Hud, InsetRollsItsScreenSixLinesOnTheFramesItShowsIt) {
  EnsureMainAssets();  // the screen's own picture, so that a roll shows
  ResetExtrasTest();
  ASSERT_TRUE(HasSprite(insetScreenPicture));
  int w = SpritePixelWidth(insetScreenPicture), h = SpritePixelHeight(insetScreenPicture);
  std::vector<uint32_t> before;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) before.push_back(SpritePixel(insetScreenPicture, x, y));
  }
  EXPECT_FALSE(InsetShowsLevelName(31));
  EXPECT_FALSE(InsetShowsLevelName(63 * 2));
  EXPECT_TRUE(InsetShowsLevelName(2));
  play.levelFrames = 1;
  StepPanelInset();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; x += 7) {
      ASSERT_EQ(SpritePixel(insetScreenPicture, x, y), before[((y + 6) % h) * w + x]) << x << "," << y;
    }
  }
  // Drawing the inset leaves its screen as it is; on a frame that shows the level's name the screen stands.
  BeginQuads();
  DrawPanelInset();
  EndQuads();
  EXPECT_EQ(SpritePixel(insetScreenPicture, 3, 0), before[6 * w + 3]);
  if (HasSprite(levelTitlePicture)) {
    play.levelFrames = 2;
    StepPanelInset();
    EXPECT_EQ(SpritePixel(insetScreenPicture, 3, 0), before[6 * w + 3]);
  }
}

TEST(Hud, DrawingTheColumnLeavesTheIconAndGlyphsAtTheirOwnSize) {
  ResetExtrasTest();
  play.lives = 9;
  BeginQuads();
  DrawHud("Player 1", 12345, allLetters, 102);
  EndQuads();
  EXPECT_FLOAT_EQ(QuadWidth(shipUprightPicture), static_cast<float>(SpritePixelWidth(shipUprightPicture)));
  EXPECT_FLOAT_EQ(QuadWidth(silverFontBase + 'P'), 36.0f);
}

}  // namespace
