// The machine player of Tetris: it weighs every rotation and column of each new piece and plays it with the keys.
#include "front/TetrisAutoplay.h"

#include <array>

#include "front/TetrisRules.h"
#include "media/Media.h"
#include "runtime/Settings.h"

namespace {

struct TetrisBotMemory {
  int piece = -1;          // the piece the plan is for
  TetrisPlacement plan;
  bool turnPressed = false;  // Up went down last frame: let it go so that the turn happens
  bool quitPressed = false;
  int lastX = 0, stuckFrames = 0;
  int visitFrames = 0;     // frames of this visit: the bot leaves after two minutes, as the other bots do
};
TetrisBotMemory memory;

constexpr int tetrisBotVisitFrames = 2 * 60 * 60;  // a long run passes on to the next level
constexpr int giveUpFrames = 30;  // a slide that makes no progress for this long ends in a drop

using Grid = std::array<std::array<bool, tetrisRows>, tetrisColumns>;

// Complete lines first, then the fewest gaps under blocks, then the lowest place.
long Weigh(const Grid& grid) {
  int lines = 0, gaps = 0, top = tetrisRows;
  for (int row = 0; row < tetrisRows; ++row) {
    bool complete = true;
    for (int column = 0; column < tetrisColumns; ++column) complete = complete && grid[column][row];
    lines += complete ? 1 : 0;
  }
  for (int column = 0; column < tetrisColumns; ++column) {
    bool roofed = false;
    for (int row = 0; row < tetrisRows; ++row) {
      if (grid[column][row]) {
        roofed = true;
        top = row < top ? row : top;
      } else if (roofed) {
        gaps += 1;
      }
    }
  }
  return lines * 100000L - gaps * 1000L - (tetrisRows - top) * 10L;
}

}  // namespace

TetrisPlacement ChooseTetrisPlacement() {
  TetrisPlacement best;
  long bestWeight = 0;
  Grid board{};
  for (int column = 0; column < tetrisColumns; ++column) {
    for (int row = 0; row < tetrisRows; ++row) board[column][row] = tetris.cells[column][row].picture != 0;
  }
  const PieceMasks& masks = PieceShape(tetris.kind);
  for (int rotation = 0; rotation < 4; ++rotation) {
    for (int x = -3 * tetrisCellSize; x < tetrisColumns * tetrisCellSize; x += tetrisCellSize) {
      int y = tetrisStartY;
      if (!PieceFits(tetris.kind, rotation, x, y)) continue;
      while (PieceFits(tetris.kind, rotation, x, y + tetrisCellSize)) y += tetrisCellSize;
      Grid grid = board;
      int rows = 0;  // the blocks' rows added up: the lower they rest, the more
      for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
          if (!MaskHas(masks, rotation, c, r)) continue;
          int row = y / tetrisCellSize + r;  // y is a whole number of rows, above the board or on it
          if (row >= 0) grid[x / tetrisCellSize + c][row] = true;
          rows += row;
        }
      }
      long weight = Weigh(grid) + rows;
      if (!best.found || weight > bestWeight) {
        best = TetrisPlacement{rotation, x, true};
        bestWeight = weight;
      }
    }
  }
  return best;
}

void ResetTetrisAutoplay() { memory = TetrisBotMemory{}; }

std::string TetrisAutoplayFields() {
  memory.visitFrames += 1;
  if (tetris.gameOver || memory.visitFrames > tetrisBotVisitFrames) {
    // Down in one frame, up in the next: the release leaves the minigame.
    memory.quitPressed = !memory.quitPressed;
    return memory.quitPressed ? "keys=1" : "keys=";
  }
  if (tetris.levelDone != 0 || tetris.paused) return "keys=";
  if (memory.piece != tetris.pieceCount) {
    memory.piece = tetris.pieceCount;
    memory.plan = ChooseTetrisPlacement();
    memory.turnPressed = false;
    memory.lastX = tetris.pieceX;
    memory.stuckFrames = 0;
  }
  if (memory.turnPressed) {
    memory.turnPressed = false;
    return "keys=";
  }
  if (!memory.plan.found) return "keys=57";
  if (tetris.rotation != memory.plan.rotation && !tetris.locking) {
    memory.turnPressed = true;
    return "keys=200";
  }
  if (tetris.pieceX != memory.plan.x && memory.stuckFrames < giveUpFrames) {
    memory.stuckFrames = tetris.pieceX == memory.lastX ? memory.stuckFrames + 1 : 0;
    memory.lastX = tetris.pieceX;
    return tetris.pieceX < memory.plan.x ? "keys=205" : "keys=203";
  }
  return "keys=57";
}

void AutoplayTetrisFrame() {
  if (settings.autoplay) InjectInput(TetrisAutoplayFields());
}
