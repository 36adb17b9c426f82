// What a ball does to a tile, the explosions, the level-cleared check with its tile challenge, the won level.
#include "game/TileHits.h"

#include <cmath>

#include "base/Rounding.h"
#include "game/Capsules.h"
#include "game/LevelWonPicture.h"
#include "media/Media.h"
#include "game/BallSteps.h"
#include "game/PlayState.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr int tileExplosionLastFrame = 29, bigExplosionLastFrame = 23;
constexpr int tilePoints = 10;

bool AnotherTeleporterFree(int tileIndex) {
  for (int i = 0; i < lists.teleporters.Count(); ++i) {
    int other = lists.teleporters.At(i)->tile;
    if (other == tileIndex) continue;
    const Tile* tile = lists.tiles.At(other);
    if (tile != nullptr && !tile->teleportBusy) return true;
  }
  return false;
}

void DestroyTile(Tile& tile) {
  if (tile.capsule != 0) ReleaseCapsule(tile.x, tile.y, tile.capsule);
  AddExplosion(tile.x, tile.y);
  PlayEffectSound(Sound::TileShatter, PanOf(tile.x), 50, 20000);
  tile.alive = false;
  play.score += tilePoints;
  runCounts.tilesDestroyed += 1;
}

// Draws a picture at its own size with its corner rounded, or zoomed to size × size, centred.
void DrawCentred(int picture, float x, float y, int size) {
  if (!HasQuad(picture)) return;
  float w = static_cast<float>(SpritePixelWidth(picture)), h = static_cast<float>(SpritePixelHeight(picture));
  if (size > 0) {
    ZoomQuad(picture, static_cast<float>(size), static_cast<float>(size));
    DrawQuad(picture, x - size / 2.0f, y - size / 2.0f);
    ZoomQuad(picture, w, h);
  } else {
    DrawQuad(picture, static_cast<float>(RoundToInt(x - w / 2)), static_cast<float>(RoundToInt(y - h / 2)));
  }
}

// An explosion shows picture `frame` of its run; it is made at its first picture.
template <typename T>
void AdvanceExplosions(OrderedList<T>& list, int lastFrame) {
  list.KeepIf([lastFrame](T& explosion) {
    if (explosion.frame >= lastFrame) return false;
    explosion.frame += 1;
    return true;
  });
}

void DrawExplosionList(const OrderedList<Explosion>& list) {
  list.ForEach([](const Explosion& explosion) {
    DrawCentred(explosion.firstSprite + explosion.frame, explosion.x, explosion.y, 0);
  });
}

int DestroyedColourTiles() {
  int count = 0;
  lists.tiles.ForEach([&](const Tile& tile) {
    if (IsColourTile(tile.sprite) && !tile.alive) count += 1;
  });
  return count;
}

int AliveMultiHitTiles() {
  int count = 0;
  lists.tiles.ForEach([&](const Tile& tile) {
    bool multiHit = tile.sprite == tileThreeHits || tile.sprite == tileTwoHits || tile.sprite == tileOneHit;
    if (multiHit && tile.alive) count += 1;
  });
  return count;
}

}  // namespace

void ApplyTileHit(Ball& ball, int tileIndex, TileContact& contact) {
  Tile* tile = lists.tiles.At(tileIndex);
  if (tile == nullptr || !tile->alive) return;
  int kind = tile->sprite;
  if (IsColourTile(kind) || kind == tileOneHit) {
    // Later samples of the same frame find the tile gone; a one-hit tile made this frame waits.
    if (!tile->hitThisFrame) DestroyTile(*tile);
  } else if (kind == tileThreeHits || kind == tileTwoHits) {
    contact.bounceKind = 2;
    if (!tile->hitThisFrame) {
      tile->sprite = kind == tileThreeHits ? tileTwoHits : tileOneHit;
      tile->hitThisFrame = true;
      play.score += tilePoints;
    }
  } else if (kind == tileTeleporter) {
    contact.specialHit = true;
    // One chance in two, and only towards a free teleporter.
    bool enters = !tile->hitThisFrame && !tile->teleportBusy && RandomUpTo(3) <= 1 &&
                  AnotherTeleporterFree(tileIndex) && !ball.teleported;
    if (!enters) return;
    if (!lists.teleporters.Empty()) {
      StartTeleportTrip(ball, tileIndex);
      play.score += tilePoints;
    }
    tile->hitThisFrame = true;
    contact.bounceKind = 3;
  } else if (kind == tileUnbreakable) {
    contact.bounceKind = 4;
    contact.specialHit = true;
  }
}

void AddExplosion(float x, float y, int zoomedSize, ExplosionLayer layer) {
  if (zoomedSize > 0) {
    *lists.bigExplosions.Append() = BigExplosion{x, y, bigExplosionPictures, 0, zoomedSize};
  } else {
    OrderedList<Explosion>& list = layer == ExplosionLayer::Monsters ? lists.monsterExplosions : lists.explosions;
    *list.Append() = Explosion{x, y, tileExplosionPictures, 0};
  }
}

void StepExplosions() {
  AdvanceExplosions(lists.explosions, tileExplosionLastFrame);
  AdvanceExplosions(lists.monsterExplosions, tileExplosionLastFrame);
  AdvanceExplosions(lists.bigExplosions, bigExplosionLastFrame);
}

void DrawExplosions() {
  QuadBlendMode(Blend::Alpha);
  DrawExplosionList(lists.explosions);
  // The big blasts glow: source alpha onto the whole back buffer.
  QuadBlendMode(Blend::AddByDestinationAlpha);
  lists.bigExplosions.ForEach([](const BigExplosion& explosion) {
    DrawCentred(explosion.firstSprite + explosion.frame, explosion.x, explosion.y, explosion.size);
  });
  QuadBlendMode(Blend::Alpha);
}

void DrawMonsterExplosions() {
  QuadBlendMode(Blend::Alpha);
  DrawExplosionList(lists.monsterExplosions);
}

int AliveBreakableTiles() {
  int count = 0;
  lists.tiles.ForEach([&](const Tile& tile) {
    if (tile.alive && IsBreakableTile(tile.sprite)) count += 1;
  });
  return count;
}

bool IsTileChallengeLevel() {
  return (play.difficulty == difficultyHard && play.levelIndex == tileChallengeLevelHard) ||
         (play.difficulty == difficultyNormal && play.levelIndex == tileChallengeLevelNormal);
}

void CheckLevelCleared() {
  if (play.tileChallengePending) return;
  int breakable = AliveBreakableTiles();
  if (IsTileChallengeLevel() && !play.levelEnding && AliveMultiHitTiles() == 0 && DestroyedColourTiles() == 0) {
    // The minigame runs between frames, once this frame's drawing is done.
    play.tileChallengePending = true;
    return;
  }
  bool lettersComplete = play.letterMask == allLetters && play.levelIndex != bonusLevel;
  if ((breakable == 0 || lettersComplete) && !play.levelEnding) LevelWon();
}

void LevelWon() {
  play.levelWon = true;
  bool lettersComplete = play.letterMask == allLetters && play.levelIndex != bonusLevel;
  StartLevelWonPicture(lettersComplete ? wonPictureBonus : wonPictureWinner);
  lists.balls.Clear();
}
