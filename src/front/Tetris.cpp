// Tetris between levels: its pack, its frame (background, board, pieces, flashes, status) and its loop.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/MinigamePacks.h"
#include "front/MinigameCommon.h"
#include "front/Minigames.h"
#include "front/ScreenInput.h"
#include "front/TetrisAutoplay.h"
#include "front/TetrisRules.h"
#include "game/Effects.h"
#include "game/ExtrasState.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Music.h"
#include "runtime/Loaders.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"

namespace {

constexpr int tileSize = 128;
constexpr int boardPixels = tetrisColumns * tetrisCellSize;

void PlayTetrisMusic() {
  if (settings.musicEnabled && HasSound(tetrisMusic)) PlaySoundId(tetrisMusic, kSoundLoop);
}

void StopTetrisMusic() {
  if (settings.musicEnabled && HasSound(tetrisMusic)) StopSoundId(tetrisMusic);
}

// The background tile: the diffuse colours lit by a light from the upper left over the bump picture's relief.
void MakeBackgroundTile() {
  std::vector<uint32_t> pixels(tileSize * tileSize);
  auto height = [](int x, int y) {
    uint32_t p = SpritePixel(tetrisBump, (x + tileSize) % tileSize, (y + tileSize) % tileSize);
    return static_cast<double>((p >> 16 & 255) + (p >> 8 & 255) + (p & 255)) / (3 * 255.0);
  };
  const double lx = -0.5, ly = -0.5, lz = 0.707;
  for (int y = 0; y < tileSize; ++y) {
    for (int x = 0; x < tileSize; ++x) {
      double nx = (height(x - 1, y) - height(x + 1, y)) * 4, ny = (height(x, y - 1) - height(x, y + 1)) * 4, nz = 1;
      double light = std::max(0.0, (nx * lx + ny * ly + nz * lz) / std::sqrt(nx * nx + ny * ny + nz * nz));
      double shade = 0.35 + 0.65 * light;
      uint32_t d = SpritePixel(tetrisDiffuse, x, y);
      auto lit = [&](int shift) {
        return static_cast<uint32_t>(std::min(255.0, (d >> shift & 255) * shade)) << shift;
      };
      pixels[y * tileSize + x] = 0xFF000000u | lit(16) | lit(8) | lit(0);
    }
  }
  if (SpriteFromPixels(tetrisTile, tileSize, tileSize, pixels.data(), kSpriteQuadTexture) &&
      QuadFromSprite(tetrisTile, tetrisTile)) {
    RegisterResource(resourceQuad, tetrisTile);
  }
}

void LoadTetrisAssets() {
  FreeAllResources();
  ChoosePack(tetrisPack);
  for (const MinigameEntry& entry : tetrisEntries) {
    if (entry.number == tetrisMusic) {
      if (!settings.musicEnabled) break;  // the last entry
      LoadSceneSound(tetrisMusic, entry.name);
    } else if (entry.number == tetrisBump || entry.number == tetrisDiffuse) {
      LoadSceneSprite(entry.number, entry.name);
    } else {
      LoadSceneSpriteQuad(entry.number, entry.name);
    }
  }
  ClosePack();
  MakeBackgroundTile();
}

// The tile's tint: three slow waves of colour, moved on every three frames.
int BackgroundTint(int clock) {
  double t = (clock - clock % 3) / static_cast<double>(tetrisFramesPerSecond);
  auto wave = [t](double speed, double phase) {
    return static_cast<int>(150 + 105 * std::cos(t * speed + phase));
  };
  return ColorRGB(wave(0.31, 0), wave(0.23, 2.1), wave(0.17, 4.2));
}

void DrawBackground() {
  int tint = BackgroundTint(tetris.clock);
  auto r = static_cast<uint8_t>(ColorRed(tint)), g = static_cast<uint8_t>(ColorGreen(tint)),
       b = static_cast<uint8_t>(ColorBlue(tint));
  static const int triangles[6] = {0, 1, 2, 0, 2, 3};
  int scroll = (tetris.clock / 2) % tileSize;  // half a pixel a frame, downwards
  for (int y = scroll - tileSize; y < 768; y += tileSize) {
    for (int x = 0; x < 1024; x += tileSize) {
      auto fx = static_cast<float>(x), fy = static_cast<float>(y), s = static_cast<float>(tileSize);
      QuadVertex corners[4] = {{fx, fy, r, g, b, 255, 0, 0},
                               {fx + s, fy, r, g, b, 255, 1, 0},
                               {fx + s, fy + s, r, g, b, 255, 1, 1},
                               {fx, fy + s, r, g, b, 255, 0, 1}};
      DrawTriangles(tetrisTile, corners, 4, triangles, 6);
    }
  }
  DrawQuad(tetrisFrame, 0, 0);
}

void DrawPiece(int kind, int rotation, int left, int top) {
  const PieceMasks& masks = PieceShape(kind);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (!MaskHas(masks, rotation, column, row)) continue;
      DrawQuad(PiecePicture(kind), static_cast<float>(left + tetrisCellSize * column),
               static_cast<float>(top + tetrisCellSize * row));
    }
  }
}

// The board's cells, their glints, the falling piece and the line flashes, kept inside the board.
void DrawBoard() {
  SetViewport(tetrisBoardLeft, tetrisBoardTop, boardPixels, boardPixels);
  for (int column = 0; column < tetrisColumns; ++column) {
    for (int row = tetrisRows - 1; row >= 0; --row) {
      const TetrisCell& cell = tetris.cells[column][row];
      if (cell.picture == 0) continue;
      auto x = static_cast<float>(tetrisBoardLeft + tetrisCellSize * column);
      auto y = static_cast<float>(tetrisBoardTop + tetrisCellSize * row);
      DrawQuad(cell.picture, x, y);
      if (tetris.clock >= cell.glintTime && cell.glintAlpha > 0) {
        DrawQuadAlpha(tetrisGlint, x, y, std::min(cell.glintAlpha, 255));
      }
    }
  }
  DrawPiece(tetris.kind, tetris.rotation, tetrisBoardLeft + tetris.pieceX, tetrisBoardTop + tetris.pieceY);
  for (const LineFlash& flash : tetris.flashes) {
    auto y = static_cast<float>(tetrisBoardTop + tetrisCellSize * flash.row);
    for (int x = 48; x <= 688; x += 64) DrawQuadAlpha(tetrisLineFlash, static_cast<float>(x - 32), y, flash.alpha);
  }
  FullViewport();
}

void DrawStatus() {
  if (!BeginDraw(DrawTargetKind::Screen)) return;
  SetDrawFont(FontHandle(textFont));
  SetDrawMode(kDrawTransparentText);
  const int green = ColorRGB(128, 255, 0);
  auto centred = [&](const std::string& text, int y) { DrawTextAt(910 - TextPixelWidth(text) / 2, y, text, green); };
  centred("LEVEL : " + std::to_string(tetris.level + 1), 310);
  centred("SCORE:", 330);
  centred(std::to_string(tetris.score), 350);
  SetDrawMode(0);
  EndDraw();
}

void DrawTetris() {
  if (BeginQuads()) {
    QuadBlendMode(Blend::Alpha);
    DrawBackground();
    DrawBoard();
    DrawPiece(tetris.nextKind, 0, 834, 85);
    StepEffects();
    DrawEffects();
    EndQuads();
  }
  DrawStatus();
}

TetrisKeys ReadTetrisKeys() {
  TetrisKeys keys;
  keys.left = KeyHeld(Key::Left) != 0;
  keys.right = KeyHeld(Key::Right) != 0;
  keys.upReleased = KeyReleased(Key::Up) != 0;
  keys.downReleased = KeyReleased(Key::Down) != 0;
  keys.spaceHeld = KeyHeld(Key::Space) != 0;
  keys.spaceReleased = KeyReleased(Key::Space) != 0;
  keys.pauseReleased = KeyReleased(Key::P) != 0;
  return keys;
}

void StartTetris() {
  // The level's music fades before the level's resources make way for Tetris's.
  FadeOutMusic();
  LoadTetrisAssets();
  PlayTetrisMusic();
  BeginTetrisVisit();
  ResetTetrisAutoplay();
  extras.effects.Clear();
  lists.messages.Clear();
  ShowScreenMessage("MINIGAME !", 0);
  BeginScreenInput();
}

}  // namespace

void PlayTetris() {
  StartTetris();
  for (;;) {
    if (WaitWhileUnfocused(StopTetrisMusic, PlayTetrisMusic)) continue;
    SampleScreenInput();
    MinigameHotKeys();
    // Each release reports once, so each is read once.
    TetrisKeys keys = ReadTetrisKeys();
    bool escape = KeyReleased(Key::Escape) != 0;
    bool enterOrSpace = KeyReleased(Key::Enter) != 0 || keys.spaceReleased;
    StepTetris(keys);
    DrawTetris();
    bool leave = escape || tetris.level >= tetrisLastLevel || (tetris.gameOver && enterOrSpace);
    AutoplayTetrisFrame();
    PresentFrame(settings.flipMethod);
    if (leave) break;
  }
  StopTetrisMusic();
  extras.effects.Clear();
  lists.messages.Clear();
  FreeAllResources();
}
