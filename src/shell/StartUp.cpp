// Start-up of the program in its fixed order, the game screen, the blank second, joysticks and quitting.
#include <cctype>
#include <cmath>
#include <cstdio>

#include "base/AssetNames.h"
#include "media/Engine3D.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "front/Screens.h"
#include "front/Scores.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "shell/ConfigWindow.h"
#include "shell/Shell.h"

void OpenGameScreen() {
  if (!OpenFullScreen(screenWidth, screenHeight, screenDepth, "Novabounc3r by the Zephyx team")) {
    Alert("Can't create screen: " + LastMediaError());
  }
  PresentFrame(2);
  ClearFrame(0);
  PresentFrame(2);
  ClearFrame(0);
  SetFrameRate(framesPerSecond);
  QuadFiltering(1);
  ReleasePointer(0);
}

void BlankSecond() {
  for (int i = 0; i < framesPerSecond; ++i) {
    PresentFrame(settings.flipMethod);
    if (!ScreenHasFocus()) {
      ReleasePointer(1);
      while (!ScreenHasFocus()) {
        Sleep(1);
        PresentFrame(1);
      }
      ReleasePointer(0);
    } else {
      SampleKeyboard();
      SampleMouse();
      ClearFrame(0);
    }
    Sleep(1000 / framesPerSecond);
  }
}

void DetectJoysticks() {
  int rangeX = 0, rangeY = 0;
  if (JoystickCount() > 0 && JoystickRange(0, rangeX, rangeY)) {
    settings.joyRangeX = rangeX;
    settings.joyRangeY = rangeY;
  }
}

// Task-switch keys cannot be locked on current systems; nothing to do.
void LockSystemKeys() {}
void UnlockSystemKeys() {}

void QuitProgram() {
  CloseScreen();
  ReleaseFont(textFont);
  ReleaseFont(bigTextFont);
  if (settings.fontRegistered) UnregisterFontFile();
  UnlockSystemKeys();
  Sleep(3000);
  SetEndReason("quit");
  EndProgram(0);
}

void LoadGameFonts() {
  if (!LoadFontFace(textFont, "Designer Block", 20) && !LoadFontFace(textFont, "Arial", 20)) {
    Alert("Designer Block Font can't be loaded: " + LastMediaError());
  }
  if (!LoadFontFace(bigTextFont, "Arial black", 80) && !LoadFontFace(bigTextFont, "Arial", 80)) {
    Alert("Arial black font can't be loaded: " + LastMediaError());
  }
}

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void StartUp() {
  // The game's own font, findable by its face name from now on.
  settings.fontRegistered = RegisterFontFile("DESIB___.ttf", "Designer Block");
  settings.startDirectory = CurrentDirectory();
  // The values every run starts with.
  play.difficulty = difficultyNormal;
  settings.continueRequested = false;
  settings.effectsEnabled = true;
  settings.internetEnabled = true;
  settings.joystickEnabled = false;
  // The 3D renderer and its archive; without the archive the levels simply have no 3D scenes.
  InitEngine3D();
  settings.engine3DAvailable = Add3DArchive("packs\\3d.zip", 1);
  // The stored preferences override the start values.
  ReadPreferences();
  // Autoplay steers with the mouse: a joystick switched on in an earlier game would leave the ship still.
  if (settings.autoplay) settings.joystickEnabled = false;
  // Devices: the screen's 2D and 3D drawing first, then keyboard, mouse and sound.
  if (!InitSprites2D()) Alert("Graphic (2D) initialisation problem: " + LastMediaError());
  if (!InitQuads3D()) Alert("Graphic (3D) initialisation problem");
  if (!OpenInputJournals()) Alert(LastMediaError());
  if (!InitKeyboard()) Alert("Keyboard initialisation problem: " + LastMediaError());
  if (!InitMouse()) Alert("Mouse initialisation problem");
  // A machine without a sound card still plays, silently: refusing to start would help nobody.
  if (!InitSound()) std::fprintf(stderr, "No sound device could be opened: playing without sound\n");
  // The player from the command line, or the configuration window.
  if (ArgumentCount() >= 1) {
    // Filtered as the window filters them, so that one typed password always gives one digest.
    settings.playerName = FilterName(Argument(0));
    settings.playerPassword = FilterPassword(Argument(1));
  } else if (settings.startLevel < 0 && !settings.continueAtStart && settings.screenOnly.empty() && !IsHeadless()) {
    ConfigurationUtility();
  }
  // A player still unnamed plays as "Player 1".
  if (Upper(settings.playerName) == "OFFLINE" || settings.playerName.empty()) settings.playerName = "Player 1";
  // Live scores, with the choice to play offline; without a score server the game is offline and asks nothing.
  while (settings.internetEnabled && ScoreServerConfigured()) {
    if (FetchLiveScores() == 1) break;
    std::string text = "Can't receive scores from " + LiveScoresPage() + "  Retry ?";
    if (MessageBox("Novabounc3r live scores", text, kButtonsYesNo) == kAnswerNo) settings.internetEnabled = false;
  }
  // The game screen, the keyboard's layout, the joysticks, the system keys locked and fresh random numbers.
  OpenGameScreen();
  UseLayoutKeyCodes(1);
  DetectJoysticks();
  LockSystemKeys();
  ReseedRandom();
  // The text fonts of the screens and the HUD.
  LoadGameFonts();
  // A blank second, then the logos unless a level was asked for on the command line.
  BlankSecond();
  if (settings.startLevel < 0 && !settings.continueAtStart && settings.screenOnly.empty()) ShowLogos();
}
