// The menu's pictures by their entry in packs/menu.pak.
#include "screens/MenuPainters.h"
#include "screens/ScreenArt.h"

Picture PaintMenuPicture(MenuItem item) {
  using namespace screens;
  switch (item) {
    case menuLogo: return PaintWordMark();
    case menuTitleLetter: return PaintNumeralStroke(false);
    case menuTitleFire: return PaintNumeralStroke(true);
    case menuBlueBar: return PaintBlueBand();
    case menuSubtitle: return PaintSubtitle();
    case menuFrame: return PaintFrame();
    case menuStartGame: return PaintEntry("START GAME", EntryLook::Normal);
    case menuCredits: return PaintEntry("CREDITS", EntryLook::Normal);
    case menuQuit: return PaintEntry("QUIT", EntryLook::Normal);
    case menuCaption: return PaintCaption();
    case menuBall: return PaintSelectionBall();
    case menuSpark: return PaintSpark();
    case menuBlueRing: return PaintBlueRing();
    case menuRedBar: return PaintRedBand();
    case menuBackground: return PaintMenuBackground();
    case menuCursor: return PaintCursor();
    case menuDifficultyNormal: return PaintEntry("DIFFICULTY: NORMAL", EntryLook::Normal);
    case menuDifficultyHard: return PaintEntry("DIFFICULTY: HARD", EntryLook::Hot);
    case menuContinue: return PaintEntry("CONTINUE SAVED GAME", EntryLook::Normal);
    case menuContinueDisabled: return PaintEntry("CONTINUE SAVED GAME", EntryLook::Disabled);
    default: return Picture();  // the sound and the music are not pictures
  }
}
