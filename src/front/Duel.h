// The 1972 duel: two paddles and a ball against the computer, first to ten.
#pragma once

#include "front/MinigameCommon.h"

constexpr int duelPaddleHeight = 768 / 8, duelPaddleWidth = 1024 / 64, duelBallSize = 1024 / 64;
constexpr int duelWinningScore = 10;

struct DuelState {
  int humanY = 0, cpuY = 0;       // pixels: the paddles' top edges
  int ballX = 0, ballY = 0;       // pixels: the ball's top-left corner
  int ballDir = 0;                // 0 right and down, 1 left and down, 2 left and up, 3 right and up
  int ballSpeed = 6;              // pixels a frame, 6 at each serve, at most 10; 0 once the match is decided
  int humanScore = 0, cpuScore = 0;
  long frame = 0;                 // frames since the duel began
  long moveStart = 0;             // the frame after which the served ball moves
  int cpuMode = 0;                // how far the computer watches the ball, 0..3
  long nextThink = 0;             // the frame at which it chooses again
  long endFrame = 0;              // the frame at which a decided match closes
  bool extraLifeGiven = false;
  ArrowSpeed arrows;
};
extern DuelState duel;

void ResetDuelScores();
void ServeDuelBall();
// One frame of the rules: the human paddle moved by `humanMove` pixels, the ball, goals, bounces, the computer's
// paddle and the result. True once the decided match has been shown long enough.
bool StepDuel(int humanMove);
