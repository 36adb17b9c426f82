// The 60 Hz frame loop of a level: input, hot keys and pause, the game's step, the drawing pass, counters, countdown, exit test.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "front/Console.h"
#include "game/Autoplay.h"
#include "game/Balls.h"
#include "game/Capsules.h"
#include "game/Effects.h"
#include "game/Hud.h"
#include "game/LevelWonPicture.h"
#include "game/Monsters.h"
#include "game/PlayState.h"
#include "game/PlayStep.h"
#include "game/Scene.h"
#include "game/Ship.h"
#include "game/TileHits.h"
#include "game/Tiles.h"
#include "game/Weapons.h"
#include "media/Media.h"
#include "runtime/Screenshot.h"
#include "runtime/Settings.h"
#include "shell/Shell.h"

namespace {

constexpr int fps = framesPerSecond;

void StartMusic() {
  PlaySoundId(Sound::Music, kSoundLoop);
  SetSoundVolume(Sound::Music, 50);
}


// The player's pause lets go of the pointer and silences the music until play resumes.
bool pauseHoldsPointer = false;

void StartPause() {
  play.gameFrozen = true;
  PlayEffectSound(Sound::Tick, -1, -1, -1);
  play.pauseTicker = 0;
  pauseHoldsPointer = true;
  ReleasePointer(1);
  if (settings.musicEnabled) StopSoundId(Sound::Music);
}

void HandleHotKeys() {
  play.escapeReleased = KeyReleased(Key::Escape) != 0;
  bool f2 = KeyReleased(Key::F2) != 0;
  bool j = KeyReleased(Key::J) != 0;
  // Typing in the open console must not toggle anything.
  if (play.consoleOpen) return;
  if (f2) settings.effectsEnabled = !settings.effectsEnabled;
  if (j) settings.joystickEnabled = !settings.joystickEnabled;
  bool pausePressed = KeyReleased(Key::P) != 0 || play.escapeReleased;
  bool levelDecided = play.levelWon || play.restartLevel;
  if (pausePressed && !levelDecided) {
    if (play.gameFrozen && play.escapeReleased) {
      // The game ends: the pointer comes back, the music stays off.
      LeaveGame(GameEndCause::escape);
      EndPause(false);
    } else if (!play.gameFrozen) {
      StartPause();
    } else {
      play.gameFrozen = false;
      EndPause(true);
    }
  }
  if (play.gameFrozen && !levelDecided && !play.leaveGame) {
    int t = play.pauseTicker % (6 * fps);
    if (t == 0) ShowMessage("PAUSE", 0);
    if (t == 2 * fps) ShowMessage("PRESS P TO RESUME", 0);
    if (t == 4 * fps) ShowMessage("ESC TO QUIT", 0);
    play.pauseTicker += 1;
    Sleep(2);
  }
  if (KeyReleased(Key::M)) {
    settings.musicEnabled = !settings.musicEnabled;
    if (settings.musicEnabled) {
      StartMusic();
    } else {
      StopSoundId(Sound::Music);
    }
  }
  if (KeyReleased(Key::S)) SaveScreenshot();
  if (KeyHeld(Key::PageDown)) play.consoleOpen = true;
}

// Every system's drawing, in the game's drawing order; nothing here changes the play.
using PhaseClock = std::chrono::steady_clock;

double MillisecondsSince(PhaseClock::time_point start) {
  return std::chrono::duration<double, std::milli>(PhaseClock::now() - start).count();
}

void DrawPlayfield() {
  SetViewport(fieldLeft, fieldTop + 12, fieldWidth, fieldHeight - 12);
  PhaseClock::time_point start = PhaseClock::now();
  DrawScene();
  if (framePhases != nullptr) {
    FinishDrawing();
    framePhases->scene = MillisecondsSince(start);
    start = PhaseClock::now();
  }
  DrawPanelInset();
  QuadFiltering(1);
  DrawTiles();
  DrawThread();
  DrawMissiles();
  if (settings.effectsEnabled) DrawSmoke();
  DrawChaingun();
  DrawShip();
  DrawCapsules();
  DrawMonsters();
  DrawEffects();
  DrawLaserShots();
  DrawExplosions();
  DrawShrapnel();
  DrawBullets();
  DrawMuzzleFlashes();
  DrawMissileTarget();
  if (play.doorOpen) {
    QuadBlendMode(Blend::Alpha);
    DrawQuad(doorArrowPicture, 744 - 8 * std::sin(play.frameTick / 5.0f), 700);
  }
  DrawBalls();
  FullViewport();
  DrawHud(settings.playerName, play.score, play.letterMask, play.levelIndex);
  if (play.levelEnding) DrawLevelWonPicture();
  if (play.consoleOpen) DrawConsole();
  if (framePhases != nullptr) {
    FinishDrawing();
    framePhases->drawing = MillisecondsSince(start);
  }
}

}  // namespace

FramePhases* framePhases = nullptr;

void EndPause(bool withMusic) {
  if (!pauseHoldsPointer) return;
  pauseHoldsPointer = false;
  ReleasePointer(0);
  if (withMusic && settings.musicEnabled) StartMusic();
}

void WaitForFocus() {
  ReleasePointer(1);
  if (settings.musicEnabled) StopSoundId(Sound::Music);
  while (!ScreenHasFocus()) {
    Sleep(1);
    PresentFrame(1);
  }
  // A paused game stays paused: the pointer and the music wait for play to resume.
  if (pauseHoldsPointer) return;
  ReleasePointer(0);
  if (settings.musicEnabled) StartMusic();
}

void RunCountdown() {
  // A paused or lost level's clock stands still.
  if (play.bonusTimeLimit == 0 || play.restartLevel || play.gameFrozen) return;
  play.bonusTimeLeft -= 1.0f;
  int n = static_cast<int>(std::lround(play.bonusTimeLeft));
  for (int second = 5; second >= 1; --second) {
    if (n == second * fps) {
      ShowMessage(std::to_string(second), 0);
      PlayEffectSound(Sound::Tick, -1, -1, -1);
    }
  }
  if (n == 0) {
    ShowMessage("COMING BACK...", 0);
    play.levelWon = true;
  }
}

namespace {
// Every button has been up since the level was decided: a fire button still held from play (laser,
// chaingun) must not skip the won picture in the frame the last tile breaks.
bool buttonsLetGo = false;
}  // namespace

bool FrameLoopShouldExit() {
  if (play.leaveGame) return true;
  bool held = PointerButton(1) || PointerButton(2) || PointerButton(3) ||
              (JoystickSteers() && (joystick0.buttons & 1));
  if (!play.levelWon && !play.restartLevel && !play.gameWon) {
    buttonsLetGo = !held;
    return false;
  }
  if (!held) buttonsLetGo = true;
  return play.consoleOpen || (held && buttonsLetGo);
}

void RunFrame(bool drawn) {
  if (!ScreenHasFocus()) {
    WaitForFocus();
    return;
  }
  PhaseClock::time_point start = PhaseClock::now();
  SampleKeyboard();
  SampleMouse();
  if (settings.joystickEnabled) {
    if (!ReadJoystick(0, joystick0)) joystick0 = JoystickState{};
    // A joystick plugged in after the start brings its ranges with it.
    if (joystick0.open && settings.joyRangeX == 0 && settings.joyRangeY == 0) {
      JoystickRange(0, settings.joyRangeX, settings.joyRangeY);
    }
  }
  HandleHotKeys();
  StepPlay();
  if (framePhases != nullptr) framePhases->simulation = MillisecondsSince(start);
  if (drawn && BeginQuads()) {
    StepPanelInset();
    DrawPlayfield();
    EndQuads();
  }
  if (play.consoleOpen) ConsoleCommand();
  if (play.tileChallengePending) RunTileChallenge();
  play.frameTick += 1;
  play.levelFrames += 1;
  if (play.frameTick == fps * 60 * 5 || play.frameTick == fps * 60 * 10 || play.frameTick == fps * 60 * 15) {
    play.maxMonsters += 4;
  }
  RunCountdown();
}

void RunFrameLoop() {
  do {
    // The machine player's input for the coming frame enters with the devices' input.
    AutoplayFrame();
    PresentFrame(settings.flipMethod);
    RunFrame();
  } while (!FrameLoopShouldExit());
  AutoplayLevelEnded();
}
