// Tetris's rules: bug lines, the fast drop and the lock delay, slides off a ledge, levels and their bugs, the piece
// masks, the extra life, what a visit resets, and the machine player.
#include <gtest/gtest.h>

#include <bitset>
#include <cstdio>
#include <set>
#include <sstream>
#include <utility>

#include "base/MinigamePacks.h"
#include "base/Random.h"
#include "front/Minigames.h"
#include "front/TetrisAutoplay.h"
#include "front/TetrisRules.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "support/Headless.h"

namespace {

constexpr int lastRow = tetrisRows - 1;

void Put(int column, int row, bool bug = false) {
  TetrisCell& cell = tetris.cells[column][row];
  cell = TetrisCell{};
  cell.picture = bug ? tetrisBug : tetrisRed;
  cell.bug = bug;
  cell.glintTime = 1 << 30;
}

// Every bug gone from the board, as if the player had cleared them.
void ClearBugs() {
  for (auto& column : tetris.cells) {
    for (TetrisCell& cell : column) {
      if (cell.bug) cell = TetrisCell{};
    }
  }
  tetris.bugCount = 0;
}

bool Filled(int column, int row) { return tetris.cells[column][row].picture != 0; }

int FilledCount() {
  int count = 0;
  for (int c = 0; c < tetrisColumns; ++c) {
    for (int r = 0; r < tetrisRows; ++r) count += Filled(c, r) ? 1 : 0;
  }
  return count;
}

// The blocks of a mask as (column, row) pairs moved to touch the top left corner.
std::set<std::pair<int, int>> Blocks(int kind, int rotation, bool turnQuarter = false) {
  std::set<std::pair<int, int>> blocks;
  int left = 99, top = 99;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      if (!MaskHas(PieceShape(kind), rotation, c, r)) continue;
      // A quarter turn clockwise takes (c, r) to (-r, c).
      int x = turnQuarter ? -r : c, y = turnQuarter ? c : r;
      blocks.insert({x, y});
      left = std::min(left, x);
      top = std::min(top, y);
    }
  }
  std::set<std::pair<int, int>> moved;
  for (auto [x, y] : blocks) moved.insert({x - left, y - top});
  return moved;
}

class Tetris : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    SeedRandom(11);
    ResetTetris();
    BeginTetrisVisit();
  }
  // An empty board but for one bug out of the way, so that the level does not end by itself.
  void EmptyBoardWithOneBug() {
    for (auto& column : tetris.cells) column.fill(TetrisCell{});
    Put(0, lastRow, true);
    tetris.bugCount = 1;
  }
  // The falling piece: a kind, at the top, in rotation 0, at column `column`.
  void NewPiece(int kind, int column) {
    tetris.kind = kind;
    tetris.rotation = 0;
    tetris.pieceX = column * tetrisCellSize;
    tetris.pieceY = tetrisStartY;
    tetris.fallSpeed = 1;
    tetris.locking = false;
  }
  void Steps(int frames, const TetrisKeys& keys = {}) {
    for (int n = 0; n < frames; ++n) StepTetris(keys);
  }
  // Frames until the piece starts its lock delay; -1 when it does not within `limit`.
  int FramesToLand(const TetrisKeys& keys, int limit = 2000) {
    for (int n = 1; n <= limit; ++n) {
      StepTetris(keys);
      if (tetris.locking) return n;
    }
    return -1;
  }
};

TEST_F(Tetris, ALineHoldingThreeBugsLowersTheCountByThreeAndScoresTwoThousand) {
  EmptyBoardWithOneBug();
  for (int c = 0; c < tetrisColumns; ++c) Put(c, lastRow - 1, c == 3 || c == 9 || c == 15);
  Put(0, lastRow, true);
  tetris.bugCount = CountBugs();
  ASSERT_EQ(tetris.bugCount, 4);
  int score = tetris.score;
  ClearLines();
  EXPECT_EQ(tetris.bugCount, 1);
  EXPECT_EQ(tetris.score, score + 2000);
  ASSERT_EQ(tetris.flashes.size(), 1u);
  EXPECT_EQ(tetris.flashes[0].row, lastRow - 1);
  for (int c = 0; c < tetrisColumns; ++c) EXPECT_FALSE(Filled(c, lastRow - 1)) << c;
  // The bug below the line stays where it is.
  EXPECT_TRUE(tetris.cells[0][lastRow].bug);
}

TEST_F(Tetris, BlocksBetweenTwoClearedRowsFallIntoTheLowerOne) {
  EmptyBoardWithOneBug();
  for (int c = 0; c < tetrisColumns; ++c) {
    Put(c, lastRow - 1);
    Put(c, lastRow - 3);
  }
  Put(5, lastRow - 2);  // between the two lines
  Put(7, lastRow - 5);  // above both
  Put(5, lastRow);      // the floors they come to rest on
  Put(7, lastRow);
  ClearLines();
  EXPECT_TRUE(tetris.cells[5][lastRow - 2].loose);
  EXPECT_TRUE(tetris.cells[7][lastRow - 5].loose);
  EXPECT_FALSE(tetris.cells[0][lastRow].loose);
  NewPiece(2, 15);  // out of the way
  Steps(8);
  EXPECT_TRUE(Filled(5, lastRow - 1));
  EXPECT_FALSE(Filled(5, lastRow - 2));
  EXPECT_TRUE(Filled(7, lastRow - 1));
  EXPECT_FALSE(Filled(7, lastRow - 5));
  EXPECT_FALSE(tetris.cells[7][lastRow].loose);
}

TEST_F(Tetris, ALooseBlockWaitsAboveTheFallingPiece) {
  EmptyBoardWithOneBug();
  NewPiece(4, 10);  // D, the square: columns 10 and 11
  tetris.pieceY = 8 * tetrisCellSize;
  Put(10, 5);
  tetris.cells[10][5].loose = true;
  StepTetris({});
  EXPECT_TRUE(Filled(10, 6));
  StepTetris({});
  // The piece covers rows 8..10 now; the block stops right above it and never inside.
  for (int n = 0; n < 60; ++n) {
    StepTetris({});
    for (int r = 0; r < tetrisRows; ++r) {
      EXPECT_FALSE(Filled(10, r) && PieceCovers(10, r)) << "frame " << n << ", row " << r;
    }
  }
}

TEST_F(Tetris, SpaceDropsEightPixelsAFrameAndTheHalfSecondLockDelayStillHolds) {
  EmptyBoardWithOneBug();
  NewPiece(2, 8);  // B lying flat: one row high
  TetrisKeys space;
  space.spaceHeld = true;
  StepTetris(space);
  int y = tetris.pieceY;
  StepTetris(space);
  EXPECT_EQ(tetris.pieceY, y + 8);
  StepTetris(space);
  EXPECT_EQ(tetris.pieceY, y + 16);
  ASSERT_GT(FramesToLand(space), 0);
  EXPECT_EQ(tetris.pieceY, lastRow * tetrisCellSize);  // stopped on the floor, not through it
  int before = FilledCount();
  Steps(tetrisLockFrames - 1, space);
  EXPECT_EQ(FilledCount(), before) << "locked before half a second";
  EXPECT_EQ(tetris.pieceY, lastRow * tetrisCellSize);
  StepTetris(space);
  EXPECT_EQ(FilledCount(), before + 4);
  for (int c = 8; c < 12; ++c) EXPECT_TRUE(Filled(c, lastRow));
  EXPECT_EQ(tetris.pieceY, tetrisStartY);
  EXPECT_EQ(tetris.score, 40);
}

TEST_F(Tetris, AFastDropStopsOnTheStackWhateverPixelItWasOn) {
  EmptyBoardWithOneBug();
  for (int c = 4; c < 12; ++c) Put(c, 12);
  NewPiece(2, 6);
  Steps(3);  // at the walking pace first, so that the fast drop is off the grid of eight
  TetrisKeys space;
  space.spaceHeld = true;
  ASSERT_GT(FramesToLand(space), 0);
  EXPECT_EQ(tetris.pieceY, 11 * tetrisCellSize);
}

TEST_F(Tetris, APieceSlidOffALedgeDuringTheLockDelayKeepsFalling) {
  EmptyBoardWithOneBug();
  // A ledge of two cells in row 10 under columns 8 and 9; the flat B lies on it across columns 6..9.
  Put(8, 10);
  Put(9, 10);
  NewPiece(2, 6);
  ASSERT_GT(FramesToLand({}), 0);
  ASSERT_EQ(tetris.pieceY, 9 * tetrisCellSize);
  TetrisKeys left;
  left.left = true;
  StepTetris(left);  // one step to the left: columns 5..8, still on the ledge
  StepTetris({});
  EXPECT_EQ(tetris.pieceX, 5 * tetrisCellSize);
  for (int n = 0; n < 2; ++n) {
    Steps(tetrisRepeatFrames);
    StepTetris(left);
    StepTetris({});
  }
  EXPECT_EQ(tetris.pieceX, 3 * tetrisCellSize);  // columns 3..6: off the ledge
  int before = FilledCount();
  Steps(tetrisLockFrames);
  EXPECT_EQ(FilledCount(), before) << "the piece was set in the air";
  EXPECT_FALSE(tetris.locking);
  int y = tetris.pieceY;
  Steps(5);
  EXPECT_GT(tetris.pieceY, y);
  ASSERT_GT(FramesToLand({}), 0);
  Steps(tetrisLockFrames);
  for (int c = 3; c < 7; ++c) EXPECT_TRUE(Filled(c, lastRow)) << c;
}

TEST_F(Tetris, LevelZeroStartsWithABottomRowOfBugsAndClearingThemLeadsToLevelOne) {
  for (int seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    ResetTetris();
    BeginTetrisVisit();
    int bugs = 0;
    for (int c = 0; c < tetrisColumns; ++c) {
      for (int r = 0; r < lastRow; ++r) EXPECT_FALSE(Filled(c, r));
      bugs += tetris.cells[c][lastRow].bug ? 1 : 0;
    }
    EXPECT_EQ(tetris.bugCount, bugs);
    EXPECT_GE(bugs, 3) << "seed " << seed;
    EXPECT_LE(bugs, 17) << "seed " << seed;
  }
  // The gaps of the bottom row filled: the line goes, and with it every bug.
  for (int c = 0; c < tetrisColumns; ++c) {
    if (!Filled(c, lastRow)) Put(c, lastRow);
  }
  NewPiece(2, 8);
  StepTetris({});
  EXPECT_EQ(tetris.bugCount, 0);
  EXPECT_EQ(tetris.levelDone, 1);
  EXPECT_TRUE(MessageShown("LEVEL2"));
  int y = tetris.pieceY;
  Steps(tetrisLevelDoneFrames - 1);
  EXPECT_EQ(tetris.level, 0);
  EXPECT_EQ(tetris.pieceY, y) << "the piece moved while the level was done";
  StepTetris({});
  EXPECT_EQ(tetris.level, 1);
  EXPECT_EQ(tetris.levelDone, 0);
  // Level 1 has two rows of bugs and nothing else.
  EXPECT_EQ(tetris.bugCount, CountBugs());
  for (int c = 0; c < tetrisColumns; ++c) {
    for (int r = 0; r < lastRow - 1; ++r) EXPECT_FALSE(Filled(c, r));
  }
}

TEST_F(Tetris, FromTheSixthLevelChangeBugsFallInBetweenRowsFourAndTenOnTheKeptBoard) {
  tetris.level = 5;
  SetUpTetrisLevel();
  for (int c = 2; c < tetrisColumns; ++c) Put(c, 12);  // the player's blocks, kept
  // Every bug cleared: the level ends.
  ClearBugs();
  NewPiece(2, 8);
  Steps(tetrisLevelDoneFrames + 1);
  ASSERT_EQ(tetris.level, 6);
  for (int c = 2; c < tetrisColumns; ++c) EXPECT_TRUE(Filled(c, 12)) << c;
  EXPECT_GT(tetris.bugCount, 0);
  EXPECT_EQ(tetris.bugCount, CountBugs());
  for (int c = 0; c < tetrisColumns; ++c) {
    for (int r = 0; r < tetrisRows; ++r) {
      if (!tetris.cells[c][r].bug) continue;
      EXPECT_LT(c, tetrisColumns - 1);
      // Born between rows 4 and 10 a frame ago, falling a row a frame onto the stack.
      EXPECT_GE(r, 4);
      EXPECT_LE(r, 11);
      EXPECT_TRUE(tetris.cells[c][r].loose);
    }
  }
  Steps(30);
  for (int c = 0; c < tetrisColumns - 1; ++c) {
    for (int r = 0; r < tetrisRows - 1; ++r) {
      EXPECT_TRUE(!tetris.cells[c][r].bug || Filled(c, r + 1)) << "a bug hangs in the air at " << c << "," << r;
    }
  }
}

TEST_F(Tetris, EveryMaskHasFourBlocksTurnsAQuarterAtATimeAndStaysInsideTheBoard) {
  for (int kind = 1; kind <= tetrisKinds; ++kind) {
    for (int rotation = 0; rotation < 4; ++rotation) {
      EXPECT_EQ(Blocks(kind, rotation).size(), 4u) << kind << "/" << rotation;
      EXPECT_EQ(Blocks(kind, rotation, true), Blocks(kind, (rotation + 1) % 4)) << kind << "/" << rotation;
      // Slid to either wall, no block leaves the board, and the walls are reached.
      for (int step : {-tetrisCellSize, tetrisCellSize}) {
        int x = tetrisStartX;
        ASSERT_TRUE(PieceFits(kind, rotation, x, 0));
        while (PieceFits(kind, rotation, x + step, 0)) x += step;
        int leftmost = 99, rightmost = -1;
        for (auto [c, r] : Blocks(kind, rotation)) {
          (void)r;
          leftmost = std::min(leftmost, c);
          rightmost = std::max(rightmost, c);
        }
        int offset = 0;
        while (!MaskHas(PieceShape(kind), rotation, offset, 0) && !MaskHas(PieceShape(kind), rotation, offset, 1) &&
               !MaskHas(PieceShape(kind), rotation, offset, 2) && !MaskHas(PieceShape(kind), rotation, offset, 3)) {
          ++offset;
        }
        int firstColumn = x / tetrisCellSize + offset;
        int reached = step < 0 ? firstColumn : firstColumn + rightmost - leftmost;
        EXPECT_EQ(reached, step < 0 ? 0 : tetrisColumns - 1) << kind << "/" << rotation;
      }
    }
    // Nothing fits below the floor.
    EXPECT_FALSE(PieceFits(kind, 0, tetrisStartX, tetrisRows * tetrisCellSize - 1));
  }
  const int square = 4;
  for (int rotation = 1; rotation < 4; ++rotation) EXPECT_EQ(Blocks(square, rotation), Blocks(square, 0));
  EXPECT_EQ(PiecePicture(1), tetrisRed);
  EXPECT_EQ(PiecePicture(6), tetrisGreen);
  EXPECT_EQ(PiecePicture(7), tetrisRed);
}

TEST_F(Tetris, ReachingLevelTenGivesExactlyOneLifePerVisit) {
  tetris.level = 9;
  BeginTetrisVisit();
  int lives = play.lives;
  Steps(10);
  EXPECT_EQ(play.lives, lives);
  ClearBugs();
  Steps(tetrisLevelDoneFrames + 1);
  ASSERT_EQ(tetris.level, 10);
  EXPECT_EQ(play.lives, lives + 1);
  EXPECT_TRUE(MessageShown("EXTRA LIFE!"));
  Steps(200);
  EXPECT_EQ(play.lives, lives + 1);
  BeginTetrisVisit();
  Steps(5);
  EXPECT_EQ(play.lives, lives + 2);
}

TEST_F(Tetris, AVisitStartsAfreshButKeepsTheLevelTheScoreAndFromLevelSixTheBoard) {
  tetris.level = 7;
  tetris.score = 1230;
  SetUpTetrisLevel();
  Put(3, 0);  // the top row reached: over
  StepTetris({});
  ASSERT_TRUE(tetris.gameOver);
  tetris.paused = true;
  tetris.extraLifeGiven = true;
  tetris.levelDone = 1;
  tetris.bugCount = 99;  // out of step with the board
  tetris.cells[3][0] = TetrisCell{};
  BeginTetrisVisit();
  EXPECT_FALSE(tetris.gameOver);
  EXPECT_FALSE(tetris.paused);
  EXPECT_FALSE(tetris.locking);
  EXPECT_EQ(tetris.levelDone, 0);
  EXPECT_FALSE(tetris.extraLifeGiven);
  EXPECT_EQ(tetris.bugCount, CountBugs());
  EXPECT_EQ(tetris.level, 7);
  EXPECT_EQ(tetris.score, 1230);
  EXPECT_EQ(tetris.pieceY, tetrisStartY);
  // Game over shows its words, and stops the piece.
  Put(3, 0);
  StepTetris({});
  EXPECT_TRUE(MessageShown("GAME OVER"));
  int y = tetris.pieceY;
  Steps(5);
  EXPECT_EQ(tetris.pieceY, y);
}

TEST_F(Tetris, PauseStopsThePieceAndItsWordsComeRound) {
  EmptyBoardWithOneBug();
  NewPiece(2, 8);
  TetrisKeys p;
  p.pauseReleased = true;
  StepTetris(p);
  ASSERT_TRUE(tetris.paused);
  EXPECT_TRUE(MessageShown("PAUSE"));
  int y = tetris.pieceY, x = tetris.pieceX;
  TetrisKeys right;
  right.right = true;
  Steps(2 * 60, right);
  EXPECT_EQ(tetris.pieceY, y);
  EXPECT_EQ(tetris.pieceX, x);
  EXPECT_TRUE(MessageShown("PRESS P TO RESUME"));
  Steps(2 * 60);
  EXPECT_TRUE(MessageShown("ESC TO QUIT"));
  StepTetris(p);
  EXPECT_FALSE(tetris.paused);
  StepTetris({});
  EXPECT_GT(tetris.pieceY, y);
}

TEST_F(Tetris, TheMachinePlayerDropsTheLongPieceIntoAOneWideWell) {
  EmptyBoardWithOneBug();
  for (int c = 0; c < tetrisColumns; ++c) {
    if (c == 13) continue;
    for (int r = lastRow - 3; r <= lastRow; ++r) Put(c, r);
  }
  NewPiece(2, 8);
  TetrisPlacement plan = ChooseTetrisPlacement();
  ASSERT_TRUE(plan.found);
  // Upright B has its blocks in the mask's last column (rotation 1) or its first (rotation 3).
  int column = plan.x / tetrisCellSize + (plan.rotation == 1 ? 3 : 0);
  EXPECT_TRUE(plan.rotation == 1 || plan.rotation == 3);
  EXPECT_EQ(column, 13);
}

// The machine player's keys fed back into the rules, frame after frame, as the devices would.
TEST_F(Tetris, TheMachinePlayerClearsLinesAndLeavesWithEscapeWhenTheGameIsOver) {
  ResetTetrisAutoplay();
  std::bitset<256> held, before;
  auto apply = [&](const std::string& fields) {
    ASSERT_EQ(fields.rfind("keys=", 0), 0u) << fields;
    held.reset();
    std::stringstream list(fields.substr(5));
    std::string code;
    while (std::getline(list, code, ',')) held.set(std::stoi(code));
  };
  int frames = 0;
  for (; frames < 20000 && tetris.level < 2 && !tetris.gameOver; ++frames) {
    TetrisKeys keys;
    keys.left = held[203];
    keys.right = held[205];
    keys.upReleased = before[200] && !held[200];
    keys.downReleased = before[208] && !held[208];
    keys.spaceHeld = held[57];
    keys.spaceReleased = before[57] && !held[57];
    StepTetris(keys);
    before = held;
    apply(TetrisAutoplayFields());
  }
 std::printf("the machine player: level %d, score %d after %d frames\n", tetris.level + 1, tetris.score, frames);
  EXPECT_GE(tetris.level, 1) << "score " << tetris.score << " after " << frames << " frames";
  // Over: Escape goes down, then up.
  Put(5, 0);
  StepTetris({});
  ASSERT_TRUE(tetris.gameOver);
  EXPECT_EQ(TetrisAutoplayFields(), "keys=1");
  EXPECT_EQ(TetrisAutoplayFields(), "keys=");
}

// The whole minigame on the headless screen: the pack loads, a frame draws, and autoplay leaves a lost game.
TEST_F(Tetris, TheMinigameRunsWithItsPackAndAutoplayLeavesALostGame) {
  tetris.level = 6;
  Put(19, 0);  // kept from an earlier visit: the game is over at once
  settings.autoplay = true;
  settings.flipMethod = 0;
  long start = PresentedFrames();
  PlayTetris();
  EXPECT_LT(PresentedFrames() - start, 10);
  EXPECT_TRUE(tetris.gameOver);
  settings.autoplay = false;
  EndReplay();
}

}  // namespace
