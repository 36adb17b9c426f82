// The main menu's loop: its pack loaded, frames until a choice, the entries' actions and the way out.
#include <string>

#include "base/AssetNames.h"
#include "base/Playfield.h"
#include "base/ScreenPacks.h"
#include "front/Credits.h"
#include "front/Menu.h"
#include "front/MenuAutoplay.h"
#include "front/Scores.h"
#include "front/ScreenInput.h"
#include "front/Screens.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "runtime/Music.h"
#include "runtime/Settings.h"

namespace {

// "LOADING" over "PLEASE WAIT" in the middle of the screen, on both buffers.
void ShowLoadingText() {
  for (int i = 0; i < 2; ++i) {
    ClearFrame(0);
    if (BeginDraw(DrawTargetKind::Screen)) {
      SetDrawFont(FontHandle(textFont));
      SetDrawMode(kDrawTransparentText);
      const int colour = ColorRGB(0, 128, 255);
      const std::string loading = "LOADING", wait = "PLEASE WAIT";
      DrawTextAt(512 - TextPixelWidth(loading) / 2, 384 - TextPixelHeight(loading), loading, colour);
      DrawTextAt(512 - TextPixelWidth(wait) / 2, 384, wait, colour);
      SetDrawMode(0);
      EndDraw();
    }
    PresentFrame(settings.flipMethod);
  }
}

// The menu from the start of its intro animation, with fresh presses only.
void StartMenu() {
  InitMenuState();
  LoadMenuAssets();
  ResetSparks();
  BeginScreenInput();
}

}  // namespace

void LoadMenuAssets() {
  ChoosePack(menuPack);
  for (int i = 0; i < menuEntryCount; ++i) {
    const MenuEntry& entry = menuEntries[i];
    int number = firstScreenPicture + i;
    switch (entry.kind) {
      case MenuEntryKind::Image: LoadSceneSprite(number, entry.name); break;
      case MenuEntryKind::Quad:
      case MenuEntryKind::Ball: LoadSceneSpriteQuad(number, entry.name); break;
      case MenuEntryKind::Sound: LoadSceneSound(SoundNumber(Sound::TitleFlash), entry.name); break;
      case MenuEntryKind::Music:
        // The last entry: without music it is simply not read.
        if (settings.musicEnabled) LoadSceneSound(SoundNumber(Sound::Music), entry.name);
        break;
    }
  }
  ClosePack();
}

void ActOnEntry(int entry) {
  switch (entry) {
    case entryStartGame:
      menu.menuResult = menuStart;
      break;
    case entryContinue:
      settings.continueRequested = true;
      menu.menuResult = menuStart;
      break;
    case entryDifficulty:
      // The entry and the continue entry change picture at once; the table shown is that of the new set.
      play.difficulty = play.difficulty == difficultyHard ? difficultyNormal : difficultyHard;
      LoadLocalScores();
      break;
    case entryCredits:
      FadeOutMusic();
      StopMusic();
      FreeAllResources();
      CreditsScreen();
      StartMenu();
      break;
    case entryQuit:
      menu.menuResult = menuQuitProgram;
      break;
    default:
      break;  // nothing selected: the press only latches
  }
}

bool MainMenu() {
  StartMenu();
  menu.idleFrames = 0;
  ResetMenuAutoplay();
  do {
    MainMenuFrame();
    AutoplayMenuFrame();
    PresentFrame(1);
    WaitWhileUnfocused();
  } while (menu.menuResult == menuNone);
  WipeToBlack();
  FadeOutMusic();
  StopMusic();
  FreeAllResources();
  if (menu.menuResult == menuQuitProgram) return false;
  // The first level always starts its group's track.
  play.changeMusic = true;
  ShowLoadingText();
  return true;
}
