// The committed level sets: complete, playable, distinct, and with the tile challenge possible where the game offers it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <set>

#include "base/LevelFormat.h"
#include "levels/LevelModel.h"
#include "levels/LevelReach.h"
#include "levels/LevelSets.h"

namespace {

struct CompiledSets {
  std::map<std::string, std::map<int, Level>> levels;
  std::string errors;
  bool ok = true;
};

// Compiling both sets takes a fraction of a second; do it once for all tests here.
const CompiledSets& Sets() {
  static const CompiledSets sets = [] {
    CompiledSets result;
    for (const LevelSetInfo& set : LevelSets())
      result.ok = LoadLevelSet(std::string(SOURCE_DIR) + "/levels", set, result.levels[set.name], result.errors) && result.ok;
    return result;
  }();
  return sets;
}

TEST(LevelSets, EveryIndexTheGameCanReachCompiles) {
  ASSERT_TRUE(Sets().ok) << Sets().errors;
  for (const LevelSetInfo& set : LevelSets()) {
    const auto& levels = Sets().levels.at(set.name);
    for (int index : set.indices) EXPECT_TRUE(levels.count(index)) << set.name << " " << index;
  }
  EXPECT_EQ(Sets().levels.at("normal").size(), 103u);  // 0..98, boss 99, 100, 101, 102
  EXPECT_EQ(Sets().levels.at("hard").size(), 54u);     // 0..49, boss 50, 100, 101, 102
}

// What the builder writes, the game reads back record for record, bit for bit.
// Every breakable tile can be reached by the smallest ball, from the ship, through the gaps the other
// tiles leave (the ball breaks its way through breakable tiles).
TEST(LevelSets, TheSmallestBallReachesEveryBreakableTile) {
  for (const LevelSetInfo& set : LevelSets()) {
    for (const auto& [index, level] : Sets().levels.at(set.name)) {
      for (int unreachable : UnreachableTiles(level))
        ADD_FAILURE() << level.sourcePath << ":" << level.tiles[unreachable].line << " the tile at ("
                      << level.tiles[unreachable].keys[0].x << ", " << level.tiles[unreachable].keys[0].y
                      << ") is sealed off from the ship";
    }
  }
}

// No tile stands on another where the level puts them (touching edges are fine).
TEST(LevelSets, NoTwoTilesOverlap) {
  for (const LevelSetInfo& set : LevelSets()) {
    for (const auto& [index, level] : Sets().levels.at(set.name)) {
      const auto& tiles = level.tiles;
      for (size_t i = 0; i < tiles.size(); ++i)
        for (size_t j = i + 1; j < tiles.size(); ++j) {
          const KeyPoint &a = tiles[i].keys[0], &b = tiles[j].keys[0];
          if (std::fabs(a.x - b.x) < tileWidth - 0.5 && std::fabs(a.y - b.y) < tileHeight - 0.5) {
            ADD_FAILURE() << level.sourcePath << ":" << tiles[i].line << " and line " << tiles[j].line
                          << " put tiles on one another at (" << a.x << ", " << a.y << ")";
          }
        }
    }
  }
}

// Every level is its own design: no two levels, of one set or of both, share more than half the tiles
// of the smaller one (a tile of the same kind starting at the same place).
TEST(LevelSets, NoTwoLevelsShareHalfTheirTiles) {
  struct Placed {
    std::string path;
    std::set<std::tuple<int, long, long>> tiles;  // kind, start x, start y
  };
  std::vector<Placed> all;
  for (const LevelSetInfo& set : LevelSets())
    for (const auto& [index, level] : Sets().levels.at(set.name)) {
      Placed placed{level.sourcePath, {}};
      for (const LevelTile& tile : level.tiles) placed.tiles.insert({tile.sprite, std::lround(tile.keys[0].x), std::lround(tile.keys[0].y)});
      all.push_back(std::move(placed));
    }
  for (size_t i = 0; i < all.size(); ++i) {
    for (size_t j = i + 1; j < all.size(); ++j) {
      size_t shared = 0;
      for (const auto& tile : all[i].tiles) shared += all[j].tiles.count(tile);
      size_t smaller = std::min(all[i].tiles.size(), all[j].tiles.size());
      EXPECT_LE(shared * 2, smaller) << all[i].path << " and " << all[j].path << " share " << shared << " of " << smaller << " tiles";
    }
  }
}

TEST(LevelSets, EveryLevelRoundTripsThroughTheLevelFormat) {
  for (const LevelSetInfo& set : LevelSets()) {
    for (const auto& [index, level] : Sets().levels.at(set.name)) {
      LevelRead read = ReadLevelRecords(WriteLevelRecords(level.tiles));
      ASSERT_EQ(read.error, "") << level.sourcePath;
      ASSERT_EQ(read.tiles.size(), level.tiles.size()) << level.sourcePath;
      for (size_t i = 0; i < read.tiles.size(); ++i) {
        const TileRecord& back = read.tiles[i];
        const LevelTile& tile = level.tiles[i];
        EXPECT_EQ(back.sprite, tile.sprite) << level.sourcePath << ":" << tile.line;
        EXPECT_EQ(back.capsule, tile.capsule) << level.sourcePath << ":" << tile.line;
        ASSERT_EQ(back.keys.size(), tile.keys.size()) << level.sourcePath << ":" << tile.line;
        for (size_t k = 0; k < tile.keys.size(); ++k) {
          EXPECT_EQ(back.keys[k].seconds, tile.keys[k].seconds) << level.sourcePath << ":" << tile.line;
          EXPECT_EQ(back.keys[k].x, tile.keys[k].x) << level.sourcePath << ":" << tile.line;
          EXPECT_EQ(back.keys[k].y, tile.keys[k].y) << level.sourcePath << ":" << tile.line;
        }
      }
    }
  }
}

TEST(LevelSets, TilesStayInTheFieldAndLevelsCanEnd) {
  for (const LevelSetInfo& set : LevelSets()) {
    for (const auto& [index, level] : Sets().levels.at(set.name)) {
      int breakable = 0, capsules = 0;
      for (const LevelTile& tile : level.tiles) {
        ASSERT_TRUE(IsTileKind(tile.sprite)) << level.sourcePath;
        ASSERT_TRUE(tile.keys.size() >= 1 && tile.keys.size() <= static_cast<size_t>(maxKeyPoints)) << level.sourcePath;
        for (const KeyPoint& key : tile.keys) {
          EXPECT_GE(key.x - tileWidth / 2, fieldLeft - 0.01) << level.sourcePath << ":" << tile.line;
          EXPECT_LE(key.x + tileWidth / 2, fieldRight + 0.01) << level.sourcePath << ":" << tile.line;
          EXPECT_GE(key.y - tileHeight / 2, fieldTop - 0.01) << level.sourcePath << ":" << tile.line;
          EXPECT_LE(key.y + tileHeight / 2, fieldBottom + 0.01) << level.sourcePath << ":" << tile.line;
          if (tile.keys.size() > 1) {
            EXPECT_GE(key.seconds, 1) << level.sourcePath;
          }
        }
        if (tile.capsule != 0) {
          EXPECT_TRUE(IsLevelCapsule(tile.capsule)) << level.sourcePath;  // never a letter or the malus
          EXPECT_TRUE(IsBreakableTile(tile.sprite)) << level.sourcePath;
          ++capsules;
        }
        breakable += IsBreakableTile(tile.sprite);
      }
      if (index != set.bossIndex) {
        EXPECT_GT(breakable, 0) << level.sourcePath;
      }
      // A handful of capsules: never a capsule on every tile, and at least four on an ordinary level.
      EXPECT_LE(capsules, 8) << level.sourcePath;
      if (index <= (set.name == "hard" ? lastOrdinaryLevelHard : lastOrdinaryLevelNormal)) {
        EXPECT_GE(capsules, 4) << level.sourcePath;
      }
      EXPECT_LT(capsules, static_cast<int>(level.tiles.size())) << level.sourcePath;
    }
  }
}

TEST(LevelSets, EveryCapsuleKindAppearsInEachSet) {
  for (const LevelSetInfo& set : LevelSets()) {
    std::set<int> used;
    for (const auto& [index, level] : Sets().levels.at(set.name))
      for (const LevelTile& tile : level.tiles)
        if (tile.capsule) used.insert(tile.capsule);
    for (int capsule = capsuleTriple; IsLevelCapsule(capsule); capsule += 16)
      EXPECT_TRUE(used.count(capsule)) << set.name << " never uses " << CapsuleName(capsule);
  }
}

TEST(LevelSets, NoTwoLevelsAreAlike) {
  std::map<std::vector<uint8_t>, std::string> seen;
  std::map<std::string, std::string> names;
  for (const LevelSetInfo& set : LevelSets()) {
    for (const auto& [index, level] : Sets().levels.at(set.name)) {
      auto [where, fresh] = seen.emplace(WriteLevelRecords(level.tiles), level.sourcePath);
      EXPECT_TRUE(fresh) << level.sourcePath << " is the same as " << where->second;
      if (index == set.bossIndex || index >= 100) continue;  // the special levels share their names across sets
      auto [named, unique] = names.emplace(level.name, level.sourcePath);
      EXPECT_TRUE(unique) << level.sourcePath << " has the name of " << named->second;
    }
  }
}

// The challenge asks for every multi-hit tile to go before any colour tile. A sufficient condition:
// the colour tiles stand still, and below every multi-hit tile the ball's corridor straight up from
// the ship (the tile's width plus a ball on each side) holds no tile but multi-hit ones, so a ball
// sent straight up under it meets multi-hit tiles only.
TEST(LevelSets, TileChallengeLevelsLetEveryMultiHitTileGoFirst) {
  for (const LevelSetInfo& set : LevelSets()) {
    const Level& level = Sets().levels.at(set.name).at(set.challengeIndex);
    int multiHit = 0, colour = 0;
    for (const LevelTile& target : level.tiles) {
      if (IsColourTile(target.sprite)) {
        ++colour;
        EXPECT_EQ(target.keys.size(), 1u) << level.sourcePath << ":" << target.line << " colour tiles stand still here";
      }
      if (!IsMultiHitTile(target.sprite)) continue;
      ++multiHit;
      for (const KeyPoint& at : target.keys) {
        for (const LevelTile& other : level.tiles) {
          if (&other == &target || IsMultiHitTile(other.sprite)) continue;
          for (const KeyPoint& key : other.keys) {
            bool inCorridor = std::fabs(key.x - at.x) < 32 + 32 + 8 && key.y > at.y;
            EXPECT_FALSE(inCorridor) << level.sourcePath << ":" << other.line << " stands below the multi-hit tile of line "
                                     << target.line;
          }
        }
      }
    }
    EXPECT_GE(multiHit, 6) << level.sourcePath;
    EXPECT_GE(colour, 6) << level.sourcePath;
  }
}

}  // namespace
