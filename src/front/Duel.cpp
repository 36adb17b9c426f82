// The 1972 duel's rules, drawing and loop.
#include "front/Duel.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "base/AssetNames.h"
#include "base/Random.h"
#include "front/Console.h"
#include "front/Minigames.h"
#include "front/ScreenInput.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Music.h"
#include "runtime/Settings.h"
#include "runtime/SoundCues.h"

DuelState duel;

namespace {

constexpr int width = 1024, height = 768;
constexpr int framesPerSecond60 = 60;
constexpr long serveWaitFrames = 45;  // three quarters of a second
constexpr long resultFrames = 240;    // the decided match stays four seconds

void Bounce(int frequency) { PlayEffectSound(Sound::Bounce, 0, 50, frequency); }

long FramesOf(int milliseconds) { return milliseconds * framesPerSecond60 / 1000; }

bool OverlapsPaddle(int paddleY) { return paddleY < duel.ballY + duelBallSize && duel.ballY < paddleY + duelPaddleHeight; }

// The computer watches the ball only in its mode's zone of the court.
bool CpuWatches() {
  int x = duel.ballX;
  switch (duel.cpuMode) {
    case 3: return x >= width * 3 / 4 || x <= width / 8;
    case 2: return x >= width / 2 || x <= width / 8;
    case 1: return x >= width / 2 || x <= width / 6;
    default: return x >= width / 8;
  }
}

void Decide(bool humanWon) {
  if (duel.ballSpeed == 0) return;
  duel.ballSpeed = 0;
  duel.endFrame = duel.frame + resultFrames;
  int mine = humanWon ? duel.humanScore : duel.cpuScore, theirs = humanWon ? duel.cpuScore : duel.humanScore;
  AddConsoleLine(std::string(humanWon ? "YOU WIN! " : "YOU LOSE! ") + std::to_string(mine) + "-" + std::to_string(theirs));
  if (humanWon && !duel.extraLifeGiven) {
    duel.extraLifeGiven = true;
    GiveMinigameLife();
  }
}

void CentredText(const std::string& text, int y) {
  DrawTextAt(width / 2 - TextPixelWidth(text) / 2, y, text, ColorRGB(255, 255, 255));
}

void DrawDuel() {
  ClearFrame(0);
  if (!BeginDraw(DrawTargetKind::Screen)) return;
  const int white = ColorRGB(255, 255, 255);
  FillBox(width / 2 - 2, 0, 4, height, white);
  SetDrawFont(FontHandle(bigTextFont));
  SetDrawMode(kDrawTransparentText);
  DrawTextAt(width / 4, height / 3, std::to_string(duel.humanScore), white);
  DrawTextAt(width / 4 + width / 2, height / 3, std::to_string(duel.cpuScore), white);
  if (duel.cpuScore >= duelWinningScore || duel.humanScore >= duelWinningScore) {
    CentredText(duel.humanScore >= duelWinningScore ? "HUMAN WIN !" : "CPU WIN !", height / 4);
    CentredText("Please Wait...", height / 5);
  }
  SetDrawMode(0);
  FillBox(10, duel.humanY, duelPaddleWidth, duelPaddleHeight, white);
  FillBox(width - duelPaddleWidth - 10, duel.cpuY, duelPaddleWidth, duelPaddleHeight, white);
  FillBox(duel.ballX, duel.ballY, duelBallSize, duelBallSize, white);
  EndDraw();
}

// Autoplay's hand: the paddle's middle follows the ball's.
void AutoplayDuel() {
  if (!settings.autoplay) return;
  int wanted = duel.ballY + duelBallSize / 2 - (duel.humanY + duelPaddleHeight / 2);
  InjectInput("mouse=0," + std::to_string(std::clamp(wanted, -24, 24)));
}

}  // namespace

void ResetDuelScores() {
  duel.humanScore = 0;
  duel.cpuScore = 0;
}

void ServeDuelBall() {
  duel.ballDir = RandomUpTo(3);
  duel.ballX = width / 2 - duelBallSize / 2;
  duel.ballY = height / 2 - duelBallSize / 2;
  duel.ballSpeed = 6;
  duel.moveStart = duel.frame + serveWaitFrames;
  duel.humanY = duel.cpuY = height / 2 - duelPaddleHeight / 2;
  duel.cpuMode = RandomUpTo(3);
  duel.nextThink = duel.frame + FramesOf(RandomUpTo(4000));
}

bool StepDuel(int humanMove) {
  duel.frame += 1;
  if (duel.cpuScore >= duelWinningScore) {
    duel.cpuScore = duelWinningScore;
    Decide(false);
  } else if (duel.humanScore >= duelWinningScore) {
    duel.humanScore = duelWinningScore;
    Decide(true);
  }
  duel.humanY = std::clamp(duel.humanY + humanMove, 0, height - duelPaddleHeight);
  if (duel.frame > duel.moveStart) {
    duel.ballX += (duel.ballDir == 0 || duel.ballDir == 3) ? duel.ballSpeed : -duel.ballSpeed;
    duel.ballY += (duel.ballDir == 0 || duel.ballDir == 1) ? duel.ballSpeed : -duel.ballSpeed;
  }
  if (duel.ballSpeed != 0) {
    if (duel.ballX < 0) {
      duel.cpuScore += 1;
      Bounce(5000);
      ServeDuelBall();
    } else if (duel.ballX > width - duelBallSize) {
      duel.humanScore += 1;
      Bounce(6000);
      ServeDuelBall();
    }
  }
  if (duel.ballY > height - duelBallSize && (duel.ballDir == 0 || duel.ballDir == 1)) {
    duel.ballDir = duel.ballDir == 0 ? 3 : 2;
    Bounce(7000);
  } else if (duel.ballY < 0 && (duel.ballDir == 3 || duel.ballDir == 2)) {
    duel.ballDir = duel.ballDir == 3 ? 0 : 1;
    Bounce(8000);
  }
  if (duel.ballX < 13 && OverlapsPaddle(duel.humanY) && (duel.ballDir == 1 || duel.ballDir == 2)) {
    duel.ballDir = duel.ballDir == 1 ? 0 : 3;
    Bounce(10000);
  }
  if (duel.ballX >= width - duelPaddleWidth - 12 && OverlapsPaddle(duel.cpuY) && (duel.ballDir == 0 || duel.ballDir == 3)) {
    duel.ballDir = duel.ballDir == 0 ? 1 : 2;
    Bounce(10000);
    if (duel.ballSpeed != 0) duel.ballSpeed = std::min(duel.ballSpeed + 1, 10);
  }
  if (duel.frame > duel.nextThink) {
    duel.nextThink = duel.frame + FramesOf(RandomUpTo(5000) + 1500);
    duel.cpuMode = RandomUpTo(3);
  }
  if (CpuWatches()) {
    int ballCentre = duel.ballY + duelBallSize / 2, paddleCentre = duel.cpuY + duelPaddleHeight / 2;
    int step = std::min(duel.ballSpeed, std::abs(ballCentre - paddleCentre));
    duel.cpuY += ballCentre > paddleCentre ? step : -step;
  }
  duel.cpuY = std::clamp(duel.cpuY, 0, height - duelPaddleHeight);
  return duel.ballSpeed == 0 && duel.frame > duel.endFrame;
}

void PlayDuel() {
  duel = DuelState{};
  ResetDuelScores();
  FadeOutMusic();
  ServeDuelBall();
  BeginScreenInput();
  for (;;) {
    AutoplayDuel();
    PresentFrame(settings.flipMethod);
    if (WaitWhileUnfocused()) continue;
    SampleScreenInput();
    MinigameHotKeys();
    // The duel ends on Escape's release, so that the key does not act again in the level that follows.
    if (KeyReleased(Key::Escape)) break;
    int move = PointerDeltaY() + duel.arrows.Step(Key::Up, Key::Down);
    if (settings.joystickEnabled) move += JoystickStep(joystick0.y, settings.joyRangeY);
    bool over = StepDuel(move);
    DrawDuel();
    if (over) break;
  }
  RestoreGameMusic();
}
