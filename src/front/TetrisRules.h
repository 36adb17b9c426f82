// Tetris's rules: the board, the pieces, gravity, locking, line clearing, the levels and their bugs.
#pragma once

#include <array>
#include <string>
#include <vector>

constexpr int tetrisColumns = 20, tetrisRows = 20;
constexpr int tetrisCellSize = 32;                    // pixels
constexpr int tetrisBoardLeft = 32, tetrisBoardTop = 32;  // the board's corner on the screen
constexpr int tetrisStartX = 320, tetrisStartY = -128;     // a new piece, pixels from the board's corner
constexpr int tetrisKinds = 7;                              // pieces A..G
constexpr int tetrisLockFrames = 30;                        // half a second on the ground before a piece sets
constexpr int tetrisRepeatFrames = 6;                       // a held arrow steps every tenth of a second
constexpr int tetrisLevelDoneFrames = 120;                  // two seconds between a cleared level and the next
constexpr int tetrisLastLevel = 101;                        // reaching it ends the minigame
constexpr int tetrisLifeLevel = 10;                         // the level that earns the main game a life
constexpr int tetrisFlashStep = 10;                         // alpha a line flash loses a frame
constexpr int tetrisFramesPerSecond = 60;

// A piece's four rotations, each a 4 x 4 mask: mask[rotation][row] bit c set = a block in column c.
using PieceMasks = std::array<std::array<unsigned char, 4>, 4>;
// The masks of kind 1..7 (A..G).
const PieceMasks& PieceShape(int kind);
// The block picture of kind 1..7.
int PiecePicture(int kind);
inline bool MaskHas(const PieceMasks& masks, int rotation, int column, int row) {
  return ((masks[rotation & 3][row] >> column) & 1) != 0;
}

struct TetrisCell {
  bool loose = false;       // falls a row a frame by itself until it rests
  int picture = 0;          // 0: empty
  int glintTime = 0;        // frame at which the light next passes over the cell
  int glintAlpha = 0;
  bool glintFalling = false;
  bool bug = false;
};

struct LineFlash {
  int row = 0;
  int alpha = 255;
};

// What the player gives the rules in one frame.
struct TetrisKeys {
  bool left = false, right = false;              // held
  bool upReleased = false, downReleased = false;  // rotate one way or the other
  bool spaceHeld = false, spaceReleased = false;  // drop fast, or fall at the walking pace again
  bool pauseReleased = false;                     // P
};

// What the player sees of the rules' state this frame, for the messages.
enum class TetrisMood { Playing, Paused, GameOver, LevelDone };

// The whole game. The level, the score, the board (from level 6 on) and the clock last for the program's run;
// the rest begins again at each visit.
struct TetrisGame {
  std::array<std::array<TetrisCell, tetrisRows>, tetrisColumns> cells{};  // [column][row]
  int kind = 1, rotation = 0, pieceX = tetrisStartX, pieceY = tetrisStartY;
  int nextKind = 1;
  int pieceCount = 0;  // pieces taken so far, so that a watcher can tell a new one
  int fallSpeed = 1;  // pixels a frame: 1, or 8 while Space is held
  bool locking = false;
  int lockTime = 0;
  bool rightArmed = false, leftArmed = false;
  int rightRepeat = 0, leftRepeat = 0;
  std::vector<LineFlash> flashes;

  int level = 0;  // shown as level + 1
  int score = 0;
  int bugCount = 0;
  int piecesSinceBugs = 0;
  bool paused = false;
  bool gameOver = false;
  int levelDone = 0;  // 0 playing, 1 waiting for the next level, 2 moving on
  int levelDoneTime = 0;
  bool extraLifeGiven = false;  // this visit
  TetrisMood mood = TetrisMood::Playing;
  int messageClock = 0;  // frames in the current mood
  int clock = 0;         // frames since the program started playing Tetris
  int tint = 0;          // the background tile's colour, ColorRGB
};

extern TetrisGame tetris;

// Back to the program's start: level 0, score 0, an empty board.
void ResetTetris();
// A visit begins: the flags of a visit cleared, a fresh piece and the next one, the level set up.
void BeginTetrisVisit();
// Empties or keeps the board for the current level and lays its bugs.
void SetUpTetrisLevel();
// Loose bugs in rows 4..4 + rows, on empty cells of columns 0..18 with one chance in two each.
void AddFallingBugs(int rows);
// One frame of the rules: the loose cells and glints, the player's input and gravity, the lines, the end of the
// game or of the level, the messages and the extra life.
void StepTetris(const TetrisKeys& keys);

// Whether the piece of this kind and rotation fits with its corner at (x, y) pixels from the board's corner.
bool PieceFits(int kind, int rotation, int x, int y);
// Whether board cell (column, row) lies under a block of the falling piece.
bool PieceCovers(int column, int row);
// Writes the piece into the board when it rests on something; when it was moved free it falls again instead.
bool LockPiece();
// Empties the complete rows, starts their flashes and lets the blocks above them fall.
void ClearLines();
int CountBugs();
// The next piece becomes the falling one at the top, and a new next piece is drawn.
void TakeNextPiece();
