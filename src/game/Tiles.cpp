// Level files and tiles: reading the tile records, gliding along their paths, animating, drawing.
#include "game/Tiles.h"

#include <algorithm>
#include <cmath>

#include "base/LevelFormat.h"
#include "game/Capsules.h"
#include "game/Hud.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "game/Scene.h"
#include "game/Ship.h"
#include "runtime/Loaders.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

// The velocity that brings the tile from key point `from` to the next one in its segment's time.
void AimAtNextKey(Tile& tile, int from) {
  int next = (from + 1) % tile.keyCount;
  float frames = static_cast<float>(tile.keySeconds[from] * framesPerSecond);
  tile.vx = (tile.keyX[next] - tile.keyX[from]) / frames;
  tile.vy = (tile.keyY[next] - tile.keyY[from]) / frames;
}

// Each record becomes a live tile standing at its first key point, aimed at the next one.
void AddLevelTiles(const std::vector<TileRecord>& records) {
  for (const TileRecord& record : records) {
    Tile* tile = lists.tiles.Add();
    tile->sprite = record.sprite;
    tile->capsule = record.capsule;
    tile->keyCount = static_cast<int>(record.keys.size());
    for (int k = 0; k < tile->keyCount; ++k) {
      // A segment of no time would divide by zero: it lasts a second.
      tile->keySeconds[k] = std::max(1, record.keys[k].seconds);
      tile->keyX[k] = record.keys[k].x;
      tile->keyY[k] = record.keys[k].y;
    }
    tile->alive = true;
    tile->width = SpritePixelWidth(tile->sprite);
    tile->height = SpritePixelHeight(tile->sprite);
    tile->animFrame = 0;
    tile->teleportBusy = false;
    tile->keyIndex = 0;
    tile->secondsLeft = tile->keySeconds[0];
    tile->x = tile->keyX[0];
    tile->y = tile->keyY[0];
    tile->startX = static_cast<int>(std::lround(tile->keyX[0]));
    tile->startY = static_cast<int>(std::lround(tile->keyY[0]));
    if (tile->keyCount > 1) AimAtNextKey(*tile, 0);
  }
}

}  // namespace

std::string LevelFileName(int difficulty, int levelIndex) {
  return LevelSetDirectory(difficulty) + "level" + std::to_string(levelIndex) + ".pak";
}

bool ReadTileRecords(const uint8_t* data, size_t size, std::string& error) {
  LevelRead level = ReadLevelRecords(data, size);
  error = level.error;
  AddLevelTiles(level.tiles);
  return error.empty();
}

void LoadLevelTiles() {
  std::string path = LevelFileName(play.difficulty, play.levelIndex);
  if (!OpenPack(path)) Alert("No level file: " + LastMediaError());
  uint8_t* data = NextPackEntry();
  if (data == nullptr) {
    // A damaged or missing entry is no empty level: that would be won at once.
    std::string why = LastMediaError();
    ClosePack();
    Alert("The level file cannot be read: " + why);
  }
  size_t size = PackEntrySize();
  lists.tiles.Clear();
  std::string error;
  bool ok = ReadTileRecords(data, size, error);
  ClosePack();
  if (!ok) Alert("The level file " + path + " is damaged: " + error);
  play.frameCounter = 0;
}

void BuildTeleporterList() {
  lists.teleporters.Clear();
  for (int i = 0; i < lists.tiles.Count(); ++i) {
    Tile* tile = lists.tiles.At(i);
    if (tile->sprite != tileTeleporter) continue;
    lists.teleporters.Add()->tile = i;
    tile->teleportBusy = false;
  }
}

void StepTiles() {
  play.frameCounter += 1;
  if (play.frameCounter >= framesPerSecond) play.frameCounter = 0;
  int count = 0;
  lists.tiles.ForEach([&](Tile& tile) {
    if (!tile.alive) return;
    tile.hitThisFrame = false;
    float oldX = tile.x, oldY = tile.y;
    if (tile.keyCount > 1) {
      tile.x += tile.vx;
      tile.y += tile.vy;
      // Once a second the segment timer ticks; at its end the tile snaps onto its key point.
      if (play.frameCounter == 0) {
        tile.secondsLeft -= 1;
        if (tile.secondsLeft <= 0) {
          tile.keyIndex += 1;
          if (tile.keyIndex >= tile.keyCount) tile.keyIndex = 0;
          tile.secondsLeft = tile.keySeconds[tile.keyIndex];
          AimAtNextKey(tile, tile.keyIndex);
          tile.x = tile.keyX[tile.keyIndex];
          tile.y = tile.keyY[tile.keyIndex];
        }
      }
    }
    tile.dx = oldX - tile.x;
    tile.dy = oldY - tile.y;
    if ((play.frameCounter & 3) == 1) {
      tile.animFrame += 1;
      if (tile.animFrame >= 16) tile.animFrame = 0;
    }
    count += 1;
  });
  play.liveTileCount = count;
}

void DrawTiles() {
  QuadBlendMode(Blend::Alpha);
  lists.tiles.ForEach([](const Tile& tile) {
    if (!tile.alive) return;
    DrawQuad(tile.sprite + tile.animFrame, std::round(tile.x - tile.width / 2),
             std::round(tile.y - tile.height / 2 + play.tileOffsetY));
  });
}
