// Review aids for the screens' pictures: the menu composed as the game shows it, and the contact sheets.
#include "screens/ScreenSheets.h"

#include "art/Paint.h"
#include "screens/ScreenPaint.h"

namespace screens {

namespace {

void Draw(cairo_t* cr, const std::map<int, Picture>& pictures, int item, double x, double y, double alpha = 1) {
  auto found = pictures.find(item);
  if (found != pictures.end() && found->second.Valid()) DrawPicture(cr, found->second, x, y, 1.0, alpha);
}

}  // namespace

Picture MakeMenuMock(const std::map<int, Picture>& pictures, int selected) {
  Canvas canvas(1024, 768);
  cairo_t* cr = canvas.cr();
  Draw(cr, pictures, menuBackground, 0, 0);
  // The title's band of light with the three strokes of "III" over it, right of the word mark.
  for (int i = 0; i < 5; ++i) Draw(cr, pictures, menuBlueBar, i * 256, -18, 0.8);
  for (int i = 0; i < 3; ++i) Draw(cr, pictures, menuTitleLetter, 600 + i * 60, 0, 150 / 255.0);
  Draw(cr, pictures, menuLogo, -3, menuLogoY);
  Draw(cr, pictures, menuSubtitle, 0, menuSubtitleY);
  // The chosen entry: its red bar, the halo and the ball rolling along it.
  const int y = menuEntryY[selected];
  for (int i = 0; i < 9; ++i) Draw(cr, pictures, menuRedBar, i * 128, y + 33 - 64, 0.6);
  Draw(cr, pictures, menuBlueRing, 230 - 64, y + 33 - 64);
  Draw(cr, pictures, menuBall, 230 - 32, y + 1);
  const MenuItem entries[5] = {menuStartGame, menuContinueDisabled, menuDifficultyHard, menuCredits, menuQuit};
  for (int i = 0; i < 5; ++i) Draw(cr, pictures, entries[i], menuEntryX, menuEntryY[i]);
  Draw(cr, pictures, menuCaption, 0, menuCaptionY);
  for (int i = 0; i < 12; ++i) Draw(cr, pictures, menuSpark, 700 + i * 9, 30 + (i * 37) % 200, 0.7);
  Draw(cr, pictures, menuFrame, 0, 0);
  Draw(cr, pictures, menuCursor, 600, y + 40);
  return canvas.Take();
}

bool WriteScreenSheets(const std::string& directory, const std::map<int, Picture>& menu,
                       const std::vector<SheetItem>& stories, const std::vector<SheetItem>& logos,
                       const std::vector<SheetItem>& credits) {
  std::vector<SheetItem> menuItems;
  for (const auto& [item, picture] : menu) menuItems.push_back({std::to_string(MenuPicture(MenuItem(item))), picture});
  bool ok = WriteContactSheets(directory, "screens_menu", menuItems);
  ok = WriteContactSheets(directory, "screens_logos", logos) && ok;
  ok = WriteContactSheets(directory, "screens_credits", credits) && ok;
  ok = WriteContactSheets(directory, "screens_stories", stories) && ok;
  // The big pictures once more at full size, and the menu as the game puts it together.
  for (const SheetItem& story : stories) ok = WriteSheetFile(directory + "/screens_" + story.label + ".png",
                                                             EncodePng(story.picture, false)) && ok;
  ok = WriteSheetFile(directory + "/screens_menu_mock.png", EncodePng(MakeMenuMock(menu, 2), false)) && ok;
  return ok;
}

}  // namespace screens
