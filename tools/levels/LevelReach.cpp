// Flood fill of the ball's centre over the playfield, one pixel at a time, from the ship's line up to the tiles.
#include "LevelReach.h"

#include <algorithm>
#include <cmath>

namespace {

// The box a tile covers wherever it stands on its path (empty when it moves by a tile's size or more).
struct Box {
  float left, top, right, bottom;  // screen pixels
  bool Empty() const { return left >= right || top >= bottom; }
};

Box AlwaysCovered(const LevelTile& tile) {
  float minX = tile.keys[0].x, maxX = minX, minY = tile.keys[0].y, maxY = minY;
  for (const KeyPoint& key : tile.keys) {  // paths are straight between key points: the extremes are key points
    minX = std::min(minX, key.x), maxX = std::max(maxX, key.x);
    minY = std::min(minY, key.y), maxY = std::max(maxY, key.y);
  }
  return {maxX - tileWidth / 2.0f, maxY - tileHeight / 2.0f, minX + tileWidth / 2.0f, minY + tileHeight / 2.0f};
}

// Distance from a point to a box, 0 inside.
float Distance(float x, float y, const Box& box) {
  float dx = std::max({box.left - x, 0.0f, x - box.right});
  float dy = std::max({box.top - y, 0.0f, y - box.bottom});
  return std::sqrt(dx * dx + dy * dy);
}

// Tile centres along the tile's whole path, a few pixels apart.
std::vector<KeyPoint> PathSamples(const LevelTile& tile) {
  std::vector<KeyPoint> samples;
  size_t count = tile.keys.size();
  for (size_t i = 0; i < count; ++i) {
    const KeyPoint& from = tile.keys[i];
    const KeyPoint& to = tile.keys[(i + 1) % count];
    int steps = std::max(1, static_cast<int>(std::hypot(to.x - from.x, to.y - from.y) / 2));
    for (int s = 0; s < steps; ++s)
      samples.push_back({1, from.x + (to.x - from.x) * s / steps, from.y + (to.y - from.y) * s / steps});
  }
  return samples;
}

class Field {
 public:
  Field() : cells_(static_cast<size_t>(fieldWidth + 1) * (fieldHeight + 1), open) {}
  enum Cell : unsigned char { open, blocked, reached };
  unsigned char& At(int x, int y) { return cells_[static_cast<size_t>(y - fieldTop) * (fieldWidth + 1) + (x - fieldLeft)]; }
  bool Inside(int x, int y) const { return x >= fieldLeft && x <= fieldRight && y >= fieldTop && y <= fieldBottom; }

  // Marks every centre whose ball would overlap the box, and every centre where the ball leaves the walls.
  void Block(const Box& box, int radius) {
    for (int y = std::max(fieldTop, static_cast<int>(std::floor(box.top)) - radius);
         y <= std::min(fieldBottom, static_cast<int>(std::ceil(box.bottom)) + radius); ++y)
      for (int x = std::max(fieldLeft, static_cast<int>(std::floor(box.left)) - radius);
           x <= std::min(fieldRight, static_cast<int>(std::ceil(box.right)) + radius); ++x)
        if (Distance(x, y, box) < radius) At(x, y) = blocked;
  }

  // Spreads from the seed to every open centre it connects with.
  void Fill(int x, int y) {
    if (!Inside(x, y) || At(x, y) != open) return;
    std::vector<std::pair<int, int>> stack{{x, y}};
    At(x, y) = reached;
    while (!stack.empty()) {
      auto [cx, cy] = stack.back();
      stack.pop_back();
      const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      for (const auto& step : steps) {
        int nx = cx + step[0], ny = cy + step[1];
        if (Inside(nx, ny) && At(nx, ny) == open) {
          At(nx, ny) = reached;
          stack.push_back({nx, ny});
        }
      }
    }
  }

  // True when a reached centre puts the ball over the box.
  bool Touches(const Box& box, int radius) {
    for (int y = std::max(fieldTop, static_cast<int>(std::floor(box.top)) - radius);
         y <= std::min(fieldBottom, static_cast<int>(std::ceil(box.bottom)) + radius); ++y)
      for (int x = std::max(fieldLeft, static_cast<int>(std::floor(box.left)) - radius);
           x <= std::min(fieldRight, static_cast<int>(std::ceil(box.right)) + radius); ++x)
        if (At(x, y) == reached && Distance(x, y, box) <= radius) return true;  // resting against it
    return false;
  }

 private:
  std::vector<unsigned char> cells_;
};

Box BoxAt(float x, float y) {
  return {x - tileWidth / 2.0f, y - tileHeight / 2.0f, x + tileWidth / 2.0f, y + tileHeight / 2.0f};
}

bool TouchesAnywhere(Field& field, const LevelTile& tile, int radius) {
  for (const KeyPoint& at : PathSamples(tile))
    if (field.Touches(BoxAt(at.x, at.y), radius)) return true;
  return false;
}

}  // namespace

std::vector<int> UnreachableTiles(const Level& level, int radius) {
  Field field;
  // The walls: the ball's centre stays a radius inside the sides and the top.
  field.Block({fieldLeft - 100.0f, fieldTop - 100.0f, static_cast<float>(fieldLeft), fieldBottom + 100.0f}, radius);
  field.Block({static_cast<float>(fieldRight), fieldTop - 100.0f, fieldRight + 100.0f, fieldBottom + 100.0f}, radius);
  field.Block({fieldLeft - 100.0f, fieldTop - 100.0f, fieldRight + 100.0f, static_cast<float>(fieldTop)}, radius);
  std::vector<const LevelTile*> teleporters;
  for (const LevelTile& tile : level.tiles) {
    if (IsBreakableTile(tile.sprite)) continue;
    Box box = AlwaysCovered(tile);
    if (!box.Empty()) field.Block(box, radius);
    if (tile.sprite == tileTeleporter) teleporters.push_back(&tile);
  }
  // The ball leaves the ship anywhere along its line.
  const int launchY = shipStartY - 50;
  for (int x = fieldLeft; x <= fieldRight; ++x) field.Fill(x, launchY);
  // A teleporter the ball reaches sends it out above another, wherever that one stands on its path.
  bool spread = teleporters.size() >= 2;
  while (spread) {
    spread = false;
    for (const LevelTile* entry : teleporters) {
      if (!TouchesAnywhere(field, *entry, radius)) continue;
      for (const LevelTile* exit : teleporters) {
        if (exit == entry) continue;
        for (const KeyPoint& at : PathSamples(*exit)) {
          int x = static_cast<int>(std::lround(at.x)), y = static_cast<int>(std::lround(at.y - tileHeight / 2.0f - radius - 1));
          if (field.Inside(x, y) && field.At(x, y) == Field::open) {
            field.Fill(x, y);
            spread = true;
          }
        }
      }
    }
  }
  std::vector<int> unreachable;
  for (size_t i = 0; i < level.tiles.size(); ++i)
    if (IsBreakableTile(level.tiles[i].sprite) && !TouchesAnywhere(field, level.tiles[i], radius))
      unreachable.push_back(static_cast<int>(i));
  return unreachable;
}
