// Fonts by face name: the game's own file under its face name, the fallbacks, and faces that do not exist.
#include <gtest/gtest.h>

#include "media/Media.h"
#include "support/Headless.h"

namespace {

TEST(Fonts, TheGameFontAnswersToItsFaceNameAndUnknownFacesAreRefused) {
  EnsureHeadlessMedia();
  EXPECT_FALSE(LoadFontFace(40, "No Such Face Anywhere", 20)) << "no generic stand-in for a missing face";
  ASSERT_TRUE(RegisterFontFile(std::string(GAME_DIR) + "/DESIB___.ttf", "Designer Block"));
  EXPECT_TRUE(LoadFontFace(40, "Designer Block", 20));
  EXPECT_TRUE(LoadFontFace(41, "Arial", 80)) << "Arial is served by its metric twin";
  EXPECT_EQ(FontHandle(41), 41);
  EXPECT_EQ(FontHandle(42), -1);
  ASSERT_TRUE(BeginDraw(DrawTargetKind::Screen));
  SetDrawFont(FontHandle(40));
  EXPECT_GT(TextPixelWidth("LOADING"), 40);
  EXPECT_GT(TextPixelHeight("LOADING"), 15);
  EndDraw();
  ReleaseFont(40);
  ReleaseFont(41);
  EXPECT_FALSE(HasFont(40));
}

}  // namespace
