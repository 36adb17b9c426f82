// The level source compiler: statements placing tiles one by one, in rows, rings, arcs and character grids,
// grouped, mirrored, repeated and moved along named paths.
#include "LevelSource.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "LevelPaths.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

enum class BlockKind { Top, Group, Mirror, Repeat, Grid, Shape };

struct Block {
  BlockKind kind = BlockKind::Top;
  int line = 0;
  std::vector<LevelTile> tiles;
  // Group: the path every tile of the group follows.
  std::string pathName;
  int phase = 0;
  int stagger = 0;
  // Mirror: the axes (a copy is made across each one given).
  bool mirrorX = false, mirrorY = false;
  double axisX = 448, axisY = 0;
  // Repeat: total number of copies and the step between them.
  int copies = 1;
  double stepX = 0, stepY = 0;
  // Grid: centre of the top-left cell, cell pitch, row reached.
  double gridX = 0, gridY = 0, pitchX = 68, pitchY = 24;
  int gridRow = 0;
  // Shape: the name under which its tiles are kept for `place`.
  std::string shapeName;
};

struct PendingCapsule {
  int capsule;
  double x, y;
  int line;
};

struct TileOptions {
  int capsule = 0;
  std::string pathName;
  int phase = 0;
  int stagger = 0;
};

class Compiler {
 public:
  Compiler(const std::string& path, Level& level) : path_(path), level_(level) {}

  bool Run(const std::string& text, std::string& error);

 private:
  bool Statement(const std::vector<std::string>& words);
  bool GridLine(const std::string& raw);
  bool EndBlock();
  bool Options(const std::vector<std::string>& words, size_t first, bool allowCapsule, TileOptions& options);
  bool Numbers(const std::vector<std::string>& words, size_t first, size_t count, std::vector<double>& values);
  bool Kind(const std::string& word, int& sprite);
  bool Capsule(const std::string& word, int& capsule);
  bool Move(std::vector<LevelTile>& tiles, const std::string& pathName, int phase, int stagger);
  void Place(std::vector<LevelTile> tiles, const TileOptions& options);
  bool Finish();
  bool Fail(const std::string& message) {
    message_ = path_ + ":" + std::to_string(line_) + ": " + message;
    return false;
  }
  bool FailAt(int line, const std::string& message) {
    line_ = line;
    return Fail(message);
  }

  std::string path_;
  Level& level_;
  std::vector<Block> blocks_;
  std::map<std::string, PathPlan> paths_;
  std::map<std::string, std::vector<LevelTile>> shapes_;  // drawn round (0, 0), placed by `place`
  std::vector<PendingCapsule> capsules_;
  int line_ = 0;
  std::string message_;
};

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream stream(line);
  std::string word;
  while (stream >> word) {
    if (word[0] == '#') break;
    words.push_back(word);
  }
  return words;
}

LevelTile StillTile(int sprite, double x, double y, int capsule, int line) {
  LevelTile tile;
  tile.sprite = sprite;
  tile.capsule = capsule;
  tile.keys.push_back({1, static_cast<float>(std::round(x * 100) / 100), static_cast<float>(std::round(y * 100) / 100)});
  tile.line = line;
  tile.writtenX = tile.keys[0].x;
  tile.writtenY = tile.keys[0].y;
  return tile;
}

bool Compiler::Run(const std::string& text, std::string& error) {
  level_.tiles.clear();
  level_.name.clear();
  level_.sourcePath = path_;
  blocks_.assign(1, Block{});
  std::istringstream stream(text);
  std::string raw;
  bool ok = true;
  while (ok && std::getline(stream, raw)) {
    ++line_;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (blocks_.back().kind == BlockKind::Grid) {
      ok = GridLine(raw);
      continue;
    }
    std::vector<std::string> words = Words(raw);
    if (!words.empty()) ok = Statement(words);
  }
  if (ok && blocks_.size() > 1) ok = FailAt(blocks_.back().line, "block opened here is never closed with 'end'");
  if (ok) ok = Finish();
  if (!ok) error = message_;
  return ok;
}

bool Compiler::Kind(const std::string& word, int& sprite) {
  sprite = KindByName(word);
  if (sprite == 0)
    return Fail("unknown tile kind '" + word + "' (red green blue yellow magenta cyan white black solid hit3 hit2 hit1 tele)");
  return true;
}

bool Compiler::Capsule(const std::string& word, int& capsule) {
  capsule = CapsuleByName(word);
  if (capsule != 0) return true;
  std::string upper;
  for (char c : word) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper == "MALUS" || upper == "B" || upper == "O" || upper == "N" || upper == "U" || upper == "S" || upper == "LETTER")
    return Fail("capsule '" + word + "' is placed by the game itself, never by a level");
  return Fail("unknown capsule '" + word + "' (TRIPLE ENLARGE FIRE LASER GLUE MISSILE DOOR ROW BIGGER CHAINGUN LIFE)");
}

bool Compiler::Numbers(const std::vector<std::string>& words, size_t first, size_t count, std::vector<double>& values) {
  values.clear();
  for (size_t i = first; i < first + count; ++i) {
    double value = 0;
    if (i >= words.size()) return Fail("'" + words[0] + "' needs " + std::to_string(count) + " numbers");
    if (!ParseNumber(words[i], value)) return Fail("'" + words[i] + "' is not a number");
    values.push_back(value);
  }
  return true;
}

bool Compiler::Options(const std::vector<std::string>& words, size_t first, bool allowCapsule, TileOptions& options) {
  for (size_t i = first; i < words.size(); i += 2) {
    const std::string& key = words[i];
    if (i + 1 >= words.size()) return Fail("'" + key + "' needs a value");
    const std::string& value = words[i + 1];
    double number = 0;
    if (key == "cap") {
      if (!allowCapsule) return Fail("give capsules to single tiles ('tile ... cap NAME' or 'capsule NAME X Y')");
      if (!Capsule(value, options.capsule)) return false;
    } else if (key == "move") {
      if (paths_.count(value) == 0) return Fail("no path named '" + value + "' defined above");
      options.pathName = value;
    } else if (key == "phase" || key == "stagger") {
      if (!ParseNumber(value, number) || number != std::floor(number) || number < 0)
        return Fail("'" + key + "' takes a whole number of key points");
      (key == "phase" ? options.phase : options.stagger) = static_cast<int>(number);
    } else {
      return Fail("unexpected '" + key + "' (options are cap, move, phase, stagger)");
    }
  }
  if ((options.phase != 0 || options.stagger != 0) && options.pathName.empty())
    return Fail("'phase' and 'stagger' need a 'move'");
  return true;
}

bool Compiler::Move(std::vector<LevelTile>& tiles, const std::string& pathName, int phase, int stagger) {
  const PathPlan& plan = paths_.at(pathName);
  for (size_t i = 0; i < tiles.size(); ++i) {
    LevelTile& tile = tiles[i];
    if (tile.keys.size() != 1) return FailAt(tile.line, "tile already follows a path; one path per tile");
    std::vector<KeyPoint> keys = PathKeys(plan, tile.keys[0].x, tile.keys[0].y);
    size_t shift = (static_cast<size_t>(phase) + i * static_cast<size_t>(stagger)) % keys.size();
    tile.keys.assign(keys.begin() + static_cast<std::ptrdiff_t>(shift), keys.end());
    tile.keys.insert(tile.keys.end(), keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(shift));
  }
  return true;
}

void Compiler::Place(std::vector<LevelTile> tiles, const TileOptions& options) {
  if (!options.pathName.empty()) {
    if (!Move(tiles, options.pathName, options.phase, options.stagger)) return;
  }
  std::vector<LevelTile>& target = blocks_.back().tiles;
  target.insert(target.end(), tiles.begin(), tiles.end());
}

bool Compiler::Statement(const std::vector<std::string>& words) {
  const std::string& verb = words[0];
  std::vector<double> n;
  int sprite = 0;
  TileOptions options;
  message_.clear();
  if (verb == "name") {
    if (!level_.name.empty()) return Fail("the level is already named");
    std::string name;
    for (size_t i = 1; i < words.size(); ++i) name += (i > 1 ? " " : "") + words[i];
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
    if (name.empty()) return Fail("'name' needs the level's idea in words");
    level_.name = name;
    return true;
  }
  if (verb == "path") {
    if (words.size() < 3) return Fail("write 'path NAME SHAPE NUMBERS...'");
    if (paths_.count(words[1])) return Fail("path '" + words[1] + "' is already defined");
    PathPlan plan;
    std::string why;
    if (!ParsePathPlan(std::vector<std::string>(words.begin() + 2, words.end()), plan, why)) return Fail(why);
    paths_[words[1]] = plan;
    return true;
  }
  if (verb == "tile") {
    if (words.size() < 4 || !Kind(words[1], sprite) || !Numbers(words, 2, 2, n) || !Options(words, 4, true, options))
      return message_.empty() ? Fail("write 'tile KIND X Y [cap CAPSULE] [move PATH]'") : false;
    if (options.capsule != 0 && !IsBreakableTile(sprite)) return Fail("only breakable tiles can carry a capsule");
    Place({StillTile(sprite, n[0], n[1], options.capsule, line_)}, options);
    return message_.empty();
  }
  if (verb == "row") {
    if (words.size() < 6 || !Kind(words[1], sprite) || !Numbers(words, 2, 4, n))
      return message_.empty() ? Fail("write 'row KIND X Y COUNT STEP_X [STEP_Y]'") : false;
    double stepY = 0, value = 0;
    size_t first = 6;
    if (words.size() > 6 && ParseNumber(words[6], value)) stepY = value, first = 7;
    if (!Options(words, first, false, options)) return false;
    if (n[2] < 1 || n[2] > 200 || n[2] != std::floor(n[2])) return Fail("a row holds 1 to 200 tiles");
    std::vector<LevelTile> tiles;
    for (int i = 0; i < static_cast<int>(n[2]); ++i) tiles.push_back(StillTile(sprite, n[0] + i * n[3], n[1] + i * stepY, 0, line_));
    Place(tiles, options);
    return message_.empty();
  }
  if (verb == "ring" || verb == "arc") {
    size_t count = verb == "ring" ? 4 : 6;
    if (words.size() < 2 + count || !Kind(words[1], sprite) || !Numbers(words, 2, count, n))
      return message_.empty() ? Fail(verb == "ring" ? "write 'ring KIND CX CY RADIUS COUNT [START_DEGREES]'"
                                                    : "write 'arc KIND CX CY RADIUS COUNT FROM_DEGREES TO_DEGREES'")
                              : false;
    double start = verb == "arc" ? n[4] : 0, value = 0;
    size_t first = 2 + count;
    if (verb == "ring" && words.size() > first && ParseNumber(words[first], value)) start = value, ++first;
    if (!Options(words, first, false, options)) return false;
    int tiles = static_cast<int>(n[3]);
    if (tiles < 1 || tiles > 200 || n[3] != std::floor(n[3])) return Fail("a ring or arc holds 1 to 200 tiles");
    double span = verb == "ring" ? 360.0 / tiles : (tiles > 1 ? (n[5] - n[4]) / (tiles - 1) : 0);
    std::vector<LevelTile> placed;
    for (int i = 0; i < tiles; ++i) {
      double angle = (start + i * span) * kPi / 180;
      placed.push_back(StillTile(sprite, n[0] + n[2] * std::cos(angle), n[1] + n[2] * std::sin(angle), 0, line_));
    }
    Place(placed, options);
    return message_.empty();
  }
  if (verb == "capsule") {
    int capsule = 0;
    if (words.size() != 4 || !Capsule(words[1], capsule) || !Numbers(words, 2, 2, n))
      return message_.empty() ? Fail("write 'capsule NAME X Y' (a point inside the tile)") : false;
    capsules_.push_back({capsule, n[0], n[1], line_});
    return true;
  }
  if (verb == "place") {
    if (words.size() < 4 || !Numbers(words, 2, 2, n)) return message_.empty() ? Fail("write 'place SHAPE X Y [move PATH]'") : false;
    auto shape = shapes_.find(words[1]);
    if (shape == shapes_.end()) return Fail("no shape named '" + words[1] + "' defined above");
    if (!Options(words, 4, false, options)) return false;
    std::vector<LevelTile> tiles = shape->second;
    for (LevelTile& tile : tiles) {
      tile.line = line_;
      tile.writtenX = static_cast<float>(tile.writtenX + n[0]);
      tile.writtenY = static_cast<float>(tile.writtenY + n[1]);
      for (KeyPoint& key : tile.keys) {
        key.x = static_cast<float>(key.x + n[0]);
        key.y = static_cast<float>(key.y + n[1]);
      }
    }
    Place(tiles, options);
    return message_.empty();
  }
  if (verb == "shape") {
    if (words.size() != 2) return Fail("write 'shape NAME', the tiles round (0, 0), then 'end'");
    if (shapes_.count(words[1])) return Fail("shape '" + words[1] + "' is already defined");
    if (blocks_.size() != 1) return Fail("define shapes outside other blocks");
    Block block;
    block.kind = BlockKind::Shape;
    block.line = line_;
    block.shapeName = words[1];
    blocks_.push_back(block);
    return true;
  }
  if (verb == "group" || verb == "grid" || verb == "mirror" || verb == "repeat") {
    Block block;
    block.line = line_;
    if (verb == "group") {
      block.kind = BlockKind::Group;
      if (!Options(words, 1, false, options)) return false;
      block.pathName = options.pathName;
      block.phase = options.phase;
      block.stagger = options.stagger;
    } else if (verb == "grid") {
      block.kind = BlockKind::Grid;
      double value = 0;
      bool pitch = words.size() >= 5 && ParseNumber(words[3], value) && ParseNumber(words[4], value);
      if (words.size() < 3 || !Numbers(words, 1, pitch ? 4 : 2, n))
        return message_.empty() ? Fail("write 'grid X Y [PITCH_X PITCH_Y]' then rows of characters, then 'end'") : false;
      if (!Options(words, pitch ? 5 : 3, false, options)) return false;
      block.gridX = n[0], block.gridY = n[1];
      if (pitch) block.pitchX = n[2], block.pitchY = n[3];
      block.pathName = options.pathName;
      block.phase = options.phase;
      block.stagger = options.stagger;
    } else if (verb == "mirror") {
      block.kind = BlockKind::Mirror;
      if (words.size() == 1) block.mirrorX = true;
      for (size_t i = 1; i < words.size(); i += 2) {
        double value = 0;
        if (i + 1 >= words.size() || !ParseNumber(words[i + 1], value) || (words[i] != "x" && words[i] != "y"))
          return Fail("write 'mirror [x AXIS_X] [y AXIS_Y]'");
        if (words[i] == "x") block.mirrorX = true, block.axisX = value;
        else block.mirrorY = true, block.axisY = value;
      }
    } else {
      block.kind = BlockKind::Repeat;
      if (words.size() != 4 || !Numbers(words, 1, 3, n)) return message_.empty() ? Fail("write 'repeat COUNT STEP_X STEP_Y'") : false;
      if (n[0] < 1 || n[0] > 100 || n[0] != std::floor(n[0])) return Fail("repeat 1 to 100 times");
      block.copies = static_cast<int>(n[0]);
      block.stepX = n[1], block.stepY = n[2];
    }
    blocks_.push_back(block);
    return true;
  }
  if (verb == "end") {
    if (words.size() != 1) return Fail("'end' stands alone");
    return EndBlock();
  }
  return Fail("unknown statement '" + verb + "'");
}

bool Compiler::GridLine(const std::string& raw) {
  std::vector<std::string> words = Words(raw);
  if (words.size() == 1 && words[0] == "end") return EndBlock();
  Block& grid = blocks_.back();
  std::vector<LevelTile> tiles;
  for (size_t column = 0; column < raw.size(); ++column) {
    char c = raw[column];
    int sprite = 0;
    switch (c) {
      case '.': case ' ': case '\t': continue;
      case 'r': sprite = tileRed; break;
      case 'g': sprite = tileGreen; break;
      case 'b': sprite = tileBlue; break;
      case 'y': sprite = tileYellow; break;
      case 'm': sprite = tileMagenta; break;
      case 'c': sprite = tileCyan; break;
      case 'w': sprite = tileWhite; break;
      case 'k': sprite = tileBlack; break;
      case '#': sprite = tileUnbreakable; break;
      case '3': sprite = tileThreeHits; break;
      case '2': sprite = tileTwoHits; break;
      case '1': sprite = tileOneHit; break;
      case 'T': sprite = tileTeleporter; break;
      default:
        return Fail(std::string("unknown grid character '") + c + "' (rgbymcwk colours, # solid, 3 2 1 multi-hit, T teleporter, . empty)");
    }
    tiles.push_back(StillTile(sprite, grid.gridX + column * grid.pitchX, grid.gridY + grid.gridRow * grid.pitchY, 0, line_));
  }
  ++grid.gridRow;
  grid.tiles.insert(grid.tiles.end(), tiles.begin(), tiles.end());
  return true;
}

bool Compiler::EndBlock() {
  if (blocks_.size() < 2) return Fail("'end' without a block to close");
  Block block = std::move(blocks_.back());
  blocks_.pop_back();
  std::vector<LevelTile> tiles = std::move(block.tiles);
  if (block.kind == BlockKind::Shape) {
    shapes_[block.shapeName] = std::move(tiles);
    return true;
  }
  if (block.kind == BlockKind::Group || block.kind == BlockKind::Grid) {
    if (!block.pathName.empty() && !Move(tiles, block.pathName, block.phase, block.stagger)) return false;
  } else if (block.kind == BlockKind::Mirror) {
    size_t originals = tiles.size();
    auto flip = [&](bool acrossX, bool acrossY) {
      for (size_t i = 0; i < originals; ++i) {
        LevelTile copy = tiles[i];
        if (acrossX) copy.writtenX = static_cast<float>(2 * block.axisX - copy.writtenX);
        if (acrossY) copy.writtenY = static_cast<float>(2 * block.axisY - copy.writtenY);
        for (KeyPoint& key : copy.keys) {
          if (acrossX) key.x = static_cast<float>(2 * block.axisX - key.x);
          if (acrossY) key.y = static_cast<float>(2 * block.axisY - key.y);
        }
        tiles.push_back(copy);
      }
    };
    if (block.mirrorX) flip(true, false);
    if (block.mirrorY) flip(false, true);
    if (block.mirrorX && block.mirrorY) flip(true, true);
  } else if (block.kind == BlockKind::Repeat) {
    size_t originals = tiles.size();
    for (int copy = 1; copy < block.copies; ++copy)
      for (size_t i = 0; i < originals; ++i) {
        LevelTile moved = tiles[i];
        moved.writtenX = static_cast<float>(moved.writtenX + copy * block.stepX);
        moved.writtenY = static_cast<float>(moved.writtenY + copy * block.stepY);
        for (KeyPoint& key : moved.keys) {
          key.x = static_cast<float>(key.x + copy * block.stepX);
          key.y = static_cast<float>(key.y + copy * block.stepY);
        }
        tiles.push_back(moved);
      }
  }
  std::vector<LevelTile>& parent = blocks_.back().tiles;
  parent.insert(parent.end(), tiles.begin(), tiles.end());
  return true;
}

bool Compiler::Finish() {
  std::vector<LevelTile>& tiles = blocks_.back().tiles;
  for (const PendingCapsule& pending : capsules_) {
    // The tile whose box holds the point; of overlapping tiles, the one whose centre is nearest.
    LevelTile* best = nullptr;
    double bestDistance = 1e9;
    for (LevelTile& tile : tiles) {
      double dx = pending.x - tile.writtenX, dy = pending.y - tile.writtenY;
      if (std::fabs(dx) > tileWidth / 2 || std::fabs(dy) > tileHeight / 2) continue;
      double distance = dx * dx + dy * dy;
      if (distance < bestDistance) best = &tile, bestDistance = distance;
    }
    if (best == nullptr) return FailAt(pending.line, "no tile is written at this point to carry the capsule");
    if (!IsBreakableTile(best->sprite)) return FailAt(pending.line, "only breakable tiles can carry a capsule");
    if (best->capsule != 0) return FailAt(pending.line, "this tile already carries a capsule");
    best->capsule = pending.capsule;
  }
  int teleporters = 0, teleporterLine = 0;
  for (const LevelTile& tile : tiles) {
    if (tile.sprite == tileTeleporter) ++teleporters, teleporterLine = tile.line;
    if (tile.keys.size() > static_cast<size_t>(maxKeyPoints))
      return FailAt(tile.line, "a tile has at most " + std::to_string(maxKeyPoints) + " key points (got " + std::to_string(tile.keys.size()) + ")");
    for (const KeyPoint& key : tile.keys) {
      if (tile.keys.size() > 1 && key.seconds < 1) return FailAt(tile.line, "key point seconds must be 1 or more");
      if (!TileInField(key.x, key.y)) {
        char where[64];
        std::snprintf(where, sizeof where, "(%.1f, %.1f)", key.x, key.y);
        return FailAt(tile.line, std::string("tile off the playfield at ") + where +
                                     ": centres must stay within x 120..776, y 30..758");
      }
    }
  }
  if (teleporters == 1) return FailAt(teleporterLine, "a single teleporter leads nowhere; place two or more");
  if (level_.name.empty()) return FailAt(1, "the level has no 'name' line saying its idea");
  level_.tiles = tiles;
  return true;
}

}  // namespace

bool CompileLevelSource(const std::string& text, const std::string& path, Level& level, std::string& error) {
  Compiler compiler(path, level);
  return compiler.Run(text, error);
}

bool CompileLevelFile(const std::string& path, Level& level, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = path + ": cannot be read";
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return CompileLevelSource(text.str(), path, level, error);
}
