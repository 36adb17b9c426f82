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

// The registered face is the file itself: the installed family of the same name has lighter weights that a
// lookup by family would find first.
TEST(Fonts, TheGameFontIsItsOwnFileAndCanBeOpenedAgainAtAnotherSize) {
  EnsureHeadlessMedia();
  ASSERT_TRUE(RegisterFontFile(std::string(GAME_DIR) + "/DESIB___.ttf", "Designer Block"));
  ASSERT_TRUE(LoadFontFace(40, "Designer Block", 20));
  ASSERT_TRUE(LoadFontFace(41, "League Spartan:black", 20));
  ASSERT_TRUE(LoadFontFace(42, "League Spartan:regular", 20));
  auto width = [](int font, const std::string& text) {
    SetDrawFont(FontHandle(font));
    return TextPixelWidth(text);
  };
  EXPECT_EQ(width(40, "HOOOOOT CORRIDOR"), width(41, "HOOOOOT CORRIDOR"));
  EXPECT_NE(width(40, "HOOOOOT CORRIDOR"), width(42, "HOOOOOT CORRIDOR"));
  EXPECT_EQ(FontPointSize(40), 20);
  ASSERT_TRUE(LoadFontResized(43, 40, 10));
  EXPECT_EQ(FontPointSize(43), 10);
  EXPECT_NEAR(width(43, "CORRIDOR") * 2, width(40, "CORRIDOR"), 6);
  // A font at another size of itself.
  ASSERT_TRUE(LoadFontResized(43, 43, 12));
  EXPECT_EQ(FontPointSize(43), 12);
  EXPECT_FALSE(LoadFontResized(44, 45, 10)) << "no font 45 to resize";
  EXPECT_FALSE(HasFont(44));
  EXPECT_EQ(FontPointSize(44), 0);
  SetDrawFont(-1);
  for (int font : {40, 41, 42, 43}) ReleaseFont(font);
  UnregisterFontFile();
}

}  // namespace
