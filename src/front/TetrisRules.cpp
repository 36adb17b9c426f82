// Tetris's rules: pieces and their masks, collisions, gravity and the lock delay, lines, levels, bugs, messages.
#include "front/TetrisRules.h"

#include <algorithm>

#include "base/MinigamePacks.h"
#include "base/Random.h"
#include "front/MinigameCommon.h"
#include "game/Effects.h"

TetrisGame tetris;

namespace {

constexpr int glintPause = 600;  // frames at most between two glints of a cell

// Four rows of four, top to bottom, '#' a block; one line a rotation.
constexpr const char* shapeRows[tetrisKinds][4] = {
    {"###...#.........", "..#...#..##.....", "....#...###.....", "##..#...#......."},  // A
    {"####............", "...#...#...#...#", "............####", "#...#...#...#..."},  // B
    {".....#..###.....", "#...##..#.......", "###..#..........", "..#..##...#....."},  // C
    {"##..##..........", "##..##..........", "##..##..........", "##..##.........."},  // D
    {"##...##.........", "..#..##..#......", "....##...##.....", ".#..##..#......."},  // E
    {"###.#...........", ".##...#...#.....", "......#.###.....", "#...#...##......"},  // F
    {".##.##..........", ".#...##...#.....", ".....##.##......", "#...##...#......"},  // G
};

std::array<PieceMasks, tetrisKinds> BuildShapes() {
  std::array<PieceMasks, tetrisKinds> shapes{};
  for (int kind = 0; kind < tetrisKinds; ++kind) {
    for (int rotation = 0; rotation < 4; ++rotation) {
      for (int row = 0; row < 4; ++row) {
        unsigned char bits = 0;
        for (int column = 0; column < 4; ++column) {
          if (shapeRows[kind][rotation][row * 4 + column] == '#') bits |= static_cast<unsigned char>(1 << column);
        }
        shapes[kind][rotation][row] = bits;
      }
    }
  }
  return shapes;
}

// Rounds towards minus infinity, so that a piece above the board still knows its rows.
int FloorDiv(int value, int by) { return value >= 0 ? value / by : -((-value + by - 1) / by); }

bool Occupied(int column, int row) { return tetris.cells[column][row].picture != 0; }

int GlintDelay() { return 1 + RandomUpTo(glintPause); }

// Calls `block(column, firstRow, lastRow)` for each block of the piece: the board column it is in and the rows
// its 32 pixels reach (two while it is between rows).
template <typename Visit>
bool EachBlock(int kind, int rotation, int x, int y, Visit block) {
  const PieceMasks& masks = PieceShape(kind);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (!MaskHas(masks, rotation, column, row)) continue;
      int top = y + tetrisCellSize * row;
      if (!block(FloorDiv(x, tetrisCellSize) + column, FloorDiv(top, tetrisCellSize),
                 FloorDiv(top + tetrisCellSize - 1, tetrisCellSize))) {
        return false;
      }
    }
  }
  return true;
}

void MakeNextPiece() {
  tetris.nextKind = RandomUpTo(tetrisKinds - 1) + 1;
  // From the sixth level on, a few more bugs drop in every thirty pieces.
  if (tetris.level > 4 && ++tetris.piecesSinceBugs >= 30) {
    tetris.piecesSinceBugs = 0;
    AddFallingBugs(1);
  }
}

// The glints pass over every block in turn, and loose blocks fall a row a frame. Each column is walked from the
// bottom up so that a block moved this frame is not moved again.
void StepCells() {
  for (int column = 0; column < tetrisColumns; ++column) {
    for (int row = tetrisRows - 1; row >= 0; --row) {
      TetrisCell& cell = tetris.cells[column][row];
      if (cell.picture == 0) continue;
      if (tetris.clock >= cell.glintTime) {
        if (!cell.glintFalling) {
          cell.glintAlpha += 10;
          if (cell.glintAlpha > 254) cell.glintFalling = true;
        } else {
          cell.glintAlpha -= 10;
          if (cell.glintAlpha <= 0) {
            cell.glintAlpha = 0;
            cell.glintFalling = false;
            cell.glintTime = tetris.clock + GlintDelay();
          }
        }
      }
      if (!cell.loose) continue;
      if (row == tetrisRows - 1) {
        cell.loose = false;
        continue;
      }
      // A falling block waits above the piece rather than slip inside it.
      if (Occupied(column, row + 1) || PieceCovers(column, row + 1)) continue;
      tetris.cells[column][row + 1] = cell;
      cell = TetrisCell{};
    }
  }
}

bool FreeBelow() { return PieceFits(tetris.kind, tetris.rotation, tetris.pieceX, tetris.pieceY + 1); }

// A held arrow steps at once, then every tenth of a second while the way stays free.
void SideStep(bool held, bool& armed, int& repeat, int step) {
  if (!held) {
    armed = false;
    return;
  }
  bool free = PieceFits(tetris.kind, tetris.rotation, tetris.pieceX + step, tetris.pieceY);
  if (free && !tetris.paused) armed = true;
  if (armed && !tetris.paused && free && tetris.clock >= repeat) {
    tetris.pieceX += step;
    repeat = tetris.clock + tetrisRepeatFrames;
  }
}

void TetrisInput(const TetrisKeys& keys) {
  SideStep(keys.right, tetris.rightArmed, tetris.rightRepeat, tetrisCellSize);
  SideStep(keys.left, tetris.leftArmed, tetris.leftRepeat, -tetrisCellSize);
  if (!tetris.paused && !tetris.locking) {
    int turn = keys.upReleased ? 1 : (keys.downReleased ? 3 : 0);
    if (turn != 0 && PieceFits(tetris.kind, (tetris.rotation + turn) & 3, tetris.pieceX, tetris.pieceY)) {
      tetris.rotation = (tetris.rotation + turn) & 3;
    }
  }
  if (!tetris.paused && FreeBelow()) {
    if (keys.spaceHeld) tetris.fallSpeed = 8;
    if (keys.spaceReleased) tetris.fallSpeed = 1;
  }
  if (keys.pauseReleased) tetris.paused = !tetris.paused;
}

void TetrisGravity() {
  if (FreeBelow()) {
    // Pixel by pixel, so that a fast drop stops on the stack rather than inside it.
    for (int n = 0; n < tetris.fallSpeed && FreeBelow(); ++n) tetris.pieceY += 1;
  } else if (!tetris.locking) {
    tetris.fallSpeed = 0;
    tetris.locking = true;
    tetris.lockTime = tetris.clock + tetrisLockFrames;
  }
  if (tetris.locking && tetris.clock >= tetris.lockTime) {
    tetris.locking = false;
    if (LockPiece()) TakeNextPiece();
  }
}

void StepFlashes() {
  for (LineFlash& flash : tetris.flashes) flash.alpha -= tetrisFlashStep;
  std::erase_if(tetris.flashes, [](const LineFlash& flash) { return flash.alpha <= 0; });
}

void StepLevelEnd() {
  if (tetris.levelDone == 0 && tetris.bugCount == 0 && !tetris.gameOver) {
    tetris.levelDone = 1;
    tetris.levelDoneTime = tetris.clock + tetrisLevelDoneFrames;
  }
  if (tetris.levelDone == 1 && tetris.clock >= tetris.levelDoneTime) {
    tetris.levelDone = 2;
    tetris.level += 1;
    SetUpTetrisLevel();
    tetris.levelDone = 0;
  }
}

TetrisMood CurrentMood() {
  if (tetris.gameOver) return TetrisMood::GameOver;
  if (tetris.levelDone != 0) return TetrisMood::LevelDone;
  if (tetris.paused) return TetrisMood::Paused;
  return TetrisMood::Playing;
}

// The words of each mood come back in turn, every few seconds, for as long as the mood lasts.
void StepMessages() {
  TetrisMood mood = CurrentMood();
  if (mood != tetris.mood) {
    tetris.mood = mood;
    tetris.messageClock = 0;
  }
  constexpr int second = tetrisFramesPerSecond;
  int t = tetris.messageClock;
  switch (mood) {
    case TetrisMood::Paused:
      if (t % (6 * second) == 0) ShowScreenMessage("PAUSE", 0);
      if (t % (6 * second) == 2 * second) ShowScreenMessage("PRESS P TO RESUME", 0);
      if (t % (6 * second) == 4 * second) ShowScreenMessage("ESC TO QUIT", 0);
      break;
    case TetrisMood::GameOver:
      if (t % (4 * second) == 0) ShowScreenMessage("GAME OVER", 0);
      if (t % (4 * second) == 2 * second) ShowScreenMessage("SCORE : " + std::to_string(tetris.score), 0);
      break;
    case TetrisMood::LevelDone:
      if (t % (4 * second) == 0) ShowScreenMessage("LEVEL" + std::to_string(tetris.level + 2), 0);
      if (t % (4 * second) == 2 * second) ShowScreenMessage("NEXT LEVEL..." + std::to_string(tetris.score), 0);
      break;
    case TetrisMood::Playing:
      // The way out is recalled now and then during play too.
      if (t % (20 * second) == 10 * second) ShowScreenMessage("ESC TO QUIT", 0);
      break;
  }
  tetris.messageClock += 1;
}

}  // namespace

const PieceMasks& PieceShape(int kind) {
  static const std::array<PieceMasks, tetrisKinds> shapes = BuildShapes();
  return shapes[std::clamp(kind, 1, tetrisKinds) - 1];
}

int PiecePicture(int kind) { return tetrisGreen + kind % 6; }

bool PieceFits(int kind, int rotation, int x, int y) {
  return EachBlock(kind, rotation, x, y, [](int column, int firstRow, int lastRow) {
    if (column < 0 || column >= tetrisColumns || lastRow >= tetrisRows) return false;
    for (int row = std::max(firstRow, 0); row <= lastRow; ++row) {
      if (Occupied(column, row)) return false;
    }
    return true;
  });
}

bool PieceCovers(int column, int row) {
  return !EachBlock(tetris.kind, tetris.rotation, tetris.pieceX, tetris.pieceY,
                    [&](int c, int firstRow, int lastRow) { return !(c == column && row >= firstRow && row <= lastRow); });
}

bool LockPiece() {
  if (FreeBelow()) {
    // Slid off its ledge during the delay: it falls on instead.
    tetris.fallSpeed = 1;
    return false;
  }
  int picture = PiecePicture(tetris.kind);
  EachBlock(tetris.kind, tetris.rotation, tetris.pieceX, tetris.pieceY, [&](int column, int row, int) {
    if (column >= 0 && column < tetrisColumns && row >= 0 && row < tetrisRows) {
      TetrisCell& cell = tetris.cells[column][row];
      cell = TetrisCell{};
      cell.picture = picture;
      cell.glintTime = tetris.clock + GlintDelay();
      tetris.score += 10;
    }
    return true;
  });
  return true;
}

void ClearLines() {
  int lowest = -1;
  for (int row = tetrisRows - 1; row >= 0; --row) {
    bool complete = true;
    for (int column = 0; column < tetrisColumns && complete; ++column) complete = Occupied(column, row);
    if (!complete) continue;
    tetris.flashes.push_back(LineFlash{row, 255});
    for (int column = 0; column < tetrisColumns; ++column) {
      if (tetris.cells[column][row].bug) tetris.bugCount -= 1;
      tetris.cells[column][row] = TetrisCell{};
      tetris.score += 100;
    }
    lowest = std::max(lowest, row);
  }
  // Everything above the lowest cleared row comes down, each block on its own, even between two cleared rows.
  for (int column = 0; column < tetrisColumns; ++column) {
    for (int row = 0; row < lowest; ++row) {
      if (Occupied(column, row)) tetris.cells[column][row].loose = true;
    }
  }
}

int CountBugs() {
  int count = 0;
  for (const auto& column : tetris.cells) {
    for (const TetrisCell& cell : column) count += cell.bug ? 1 : 0;
  }
  return count;
}

void TakeNextPiece() {
  tetris.kind = tetris.nextKind;
  tetris.rotation = 0;
  tetris.pieceX = tetrisStartX;
  tetris.pieceY = tetrisStartY;
  tetris.fallSpeed = 1;
  tetris.locking = false;
  tetris.pieceCount += 1;
  MakeNextPiece();
}

void AddFallingBugs(int rows) {
  for (int row = 4; row <= 4 + rows && row < tetrisRows; ++row) {
    for (int column = 0; column < tetrisColumns - 1; ++column) {
      if (RandomUpTo(1) != 0 || Occupied(column, row) || PieceCovers(column, row)) continue;
      TetrisCell& cell = tetris.cells[column][row];
      cell = TetrisCell{};
      cell.picture = tetrisBug;
      cell.bug = true;
      cell.loose = true;
      cell.glintTime = tetris.clock + GlintDelay();
      tetris.bugCount += 1;
    }
  }
}

void SetUpTetrisLevel() {
  if (tetris.level <= 5) {
    for (auto& column : tetris.cells) column.fill(TetrisCell{});
    for (int row = tetrisRows - 1; row >= tetrisRows - 1 - tetris.level; --row) {
      for (int column = 0; column < tetrisColumns; ++column) {
        if (RandomUpTo(1) != 0) continue;
        TetrisCell& cell = tetris.cells[column][row];
        cell.picture = tetrisBug;
        cell.bug = true;
        cell.glintTime = tetris.clock + GlintDelay();
      }
    }
  } else {
    // The stack stays; its old bugs go and new ones rain in.
    for (auto& column : tetris.cells) {
      for (TetrisCell& cell : column) {
        if (cell.bug) cell = TetrisCell{};
      }
    }
    AddFallingBugs(6);
  }
  tetris.bugCount = CountBugs();
}

void ResetTetris() { tetris = TetrisGame{}; }

void BeginTetrisVisit() {
  tetris.paused = false;
  tetris.gameOver = false;
  tetris.levelDone = 0;
  tetris.extraLifeGiven = false;
  tetris.mood = TetrisMood::Playing;
  tetris.messageClock = 0;
  tetris.rightArmed = tetris.leftArmed = false;
  tetris.flashes.clear();
  // Every visit starts with a fresh piece at the top, whatever the last one was doing when the player left.
  tetris.nextKind = RandomUpTo(tetrisKinds - 1) + 1;
  TakeNextPiece();
  SetUpTetrisLevel();
}

void StepTetris(const TetrisKeys& keys) {
  tetris.clock += 1;
  StepCells();
  if (!tetris.gameOver && tetris.levelDone == 0) {
    TetrisInput(keys);
    if (!tetris.paused) TetrisGravity();
  }
  ClearLines();
  StepFlashes();
  for (int column = 0; column < tetrisColumns; ++column) {
    if (Occupied(column, 0)) tetris.gameOver = true;
  }
  StepLevelEnd();
  StepMessages();
  if (!tetris.extraLifeGiven && tetris.level >= tetrisLifeLevel) {
    tetris.extraLifeGiven = true;
    ShowScreenMessage("EXTRA LIFE!", 0);
    GiveMinigameLife();
  }
}
