// The story screens: letters typed on their beat within their window, blanks for missing letters, the exit
// rules, the scrambled page, and presses held from before a screen.
#include <gtest/gtest.h>

#include "base/AssetNames.h"
#include "base/HexXor.h"
#include "front/ScreenInput.h"
#include "front/Stories.h"
#include "game/ExtrasState.h"
#include "media/Media.h"
#include "support/Headless.h"

namespace {

TEST(Stories, ALineIsTypedOneLetterABeatWithinItsWindowAndCentred) {
  ResetGameForTest();
  StoryLine line = MakeStoryLine("AB~C", 100, silverFontBase, 37, 10, 30, 3);
  EXPECT_EQ(line.x, 512 - 4 * 37 / 2);
  for (int t = 0; t <= 40; ++t) TypeLine(line, t);
  // Beats at 10, 13, 16, 19 (t mod 3 = 1): four characters, the tilde typed as a blank with no picture.
  EXPECT_EQ(line.next, 5);
  int letters = 0;
  extras.effects.ForEach([&](const Effect& e) {
    letters += 1;
    EXPECT_EQ(e.scale, 8.0f);
    EXPECT_EQ(e.alpha, 0.0f);
    EXPECT_EQ(e.lifetime, 14);
  });
  EXPECT_EQ(letters, 3);
  // Outside its window nothing is typed, even with letters left.
  StoryLine late = MakeStoryLine("LONG LINE", 100, goldFontBase, 36, 0, 60, 4);
  for (int t = 0; t <= 200; ++t) TypeLine(late, t);
  EXPECT_EQ(late.next, 10);
  StoryLine cut = MakeStoryLine("A VERY LONG LINE INDEED", 100, goldFontBase, 36, 0, 20, 4);
  for (int t = 0; t <= 200; ++t) TypeLine(cut, t);
  EXPECT_EQ(cut.next, 6);  // beats 1, 5, 9, 13, 17
}

TEST(Stories, TheIntroEndsBySeventeenSecondsAndTheEndingOnlyAfterAPagesFirstFiveSeconds) {
  EXPECT_FALSE(IntroEnds(1019, false));
  EXPECT_TRUE(IntroEnds(1020, false));
  EXPECT_TRUE(IntroEnds(0, true));
  EXPECT_FALSE(EndingEnds(1, true));
  EXPECT_FALSE(EndingEnds(300, true));
  EXPECT_TRUE(EndingEnds(301, true));
  EXPECT_FALSE(EndingEnds(endingPageFrames, false));
  EXPECT_TRUE(EndingEnds(192 * 60 + 1, false));
}

TEST(Stories, TheSecretPageReadsBackFromItsScrambledForm) {
  std::vector<std::string> page = EndingSecretPage();
  ASSERT_EQ(page.size(), 3u);
  EXPECT_EQ(page[0].size(), 21u);
  EXPECT_EQ(page[1].size(), 27u);
  EXPECT_EQ(page[2].size(), 27u);
  for (const std::string& line : page) {
    for (char c : line) EXPECT_TRUE((c >= 'A' && c <= 'Z') || c == ' ' || c == '!') << line;
    EXPECT_EQ(HexXorDecode(HexXorEncode(line, 0x5A), 0x5A), line);
  }
  // A damaged pair ends the text there rather than reading past it.
  EXPECT_EQ(HexXorDecode("1B1G1B", 0x5A), "A");
  EXPECT_EQ(HexXorDecode("1B1", 0x5A), "A");
}

TEST(ScreenInput, OnlyPressesBegunAfterTheScreenCountAndANewOneCountsOnTheFirstFrame) {
  ResetGameForTest();
  InjectInput("buttons=1 keys=28");
  PresentFrame(0);
  SampleScreenInput();
  BeginScreenInput();
  PresentFrame(0);
  SampleScreenInput();
  EXPECT_FALSE(FreshButtonHeld(1));
  EXPECT_FALSE(FreshKeyHeld(28));
  InjectInput("buttons=0 keys=");
  PresentFrame(0);
  SampleScreenInput();
  InjectInput("buttons=1 keys=28");
  PresentFrame(0);
  SampleScreenInput();
  EXPECT_TRUE(FreshButtonHeld(1));
  EXPECT_TRUE(FreshKeyHeld(28));
  // A screen that begins with nothing held takes a press on its very first frame.
  InjectInput("buttons=0 keys=");
  PresentFrame(0);
  SampleScreenInput();
  BeginScreenInput();
  InjectInput("buttons=4");
  PresentFrame(0);
  SampleScreenInput();
  EXPECT_TRUE(FreshButtonHeld(3));
  EXPECT_FALSE(FreshKeyHeld(-1));
  InjectInput("buttons=0");
  PresentFrame(0);
  SampleScreenInput();
}

}  // namespace
