// The two level sets and the loading of their sources, with the checks that span a whole set.
#include "LevelSets.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "LevelSource.h"

namespace {

std::vector<int> Range(int first, int last) {
  std::vector<int> values;
  for (int i = first; i <= last; ++i) values.push_back(i);
  return values;
}

std::vector<int> Join(std::vector<std::vector<int>> parts) {
  std::vector<int> values;
  for (auto& part : parts) values.insert(values.end(), part.begin(), part.end());
  return values;
}

// "level07.txt" → 7; −1 for any other name.
int IndexOfSourceName(const std::string& name) {
  const std::string prefix = "level", suffix = ".txt";
  if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
    return -1;
  std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.size() > 4 || !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
    return -1;
  return std::stoi(digits);
}

}  // namespace

const std::vector<LevelSetInfo>& LevelSets() {
  static const std::vector<LevelSetInfo> sets = {
      {"normal", Range(0, bonusLevel), finalLevelNormal,
       Join({{10, 30}, Range(31, 34), Range(36, 39), Range(46, 50), Range(66, 69), Range(71, 74), {80, 85, 95}, Range(96, 98)}),
       tileChallengeLevelNormal},
      {"hard", Join({Range(0, finalLevelHard), {lastChanceLevel, 101, bonusLevel}}), finalLevelHard,
       {3, 10, 22, 34, 37, 42}, tileChallengeLevelHard},
  };
  return sets;
}

std::string LevelPackPath(const std::string& outDir, const std::string& setName, int index) {
  return (std::filesystem::path(outDir) / setName / ("level" + std::to_string(index) + ".pak")).string();
}

bool LoadLevelSet(const std::string& sourceDir, const LevelSetInfo& set, std::map<int, Level>& levels,
                  std::string& errors) {
  levels.clear();
  std::filesystem::path folder = std::filesystem::path(sourceDir) / set.name;
  std::error_code code;
  if (!std::filesystem::is_directory(folder, code)) {
    errors += folder.string() + ": no such level folder\n";
    return false;
  }
  std::map<int, std::string> sources;
  bool ok = true;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder, code)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    std::string fileName = file.filename().string();
    if (fileName.size() < 4 || fileName.substr(fileName.size() - 4) != ".txt") continue;  // notes, editor backups
    int index = IndexOfSourceName(fileName);
    if (index < 0 || std::find(set.indices.begin(), set.indices.end(), index) == set.indices.end()) {
      errors += file.string() + ": not a level of the " + set.name + " set (name it level<index>.txt)\n";
      ok = false;
    } else if (sources.count(index)) {
      errors += file.string() + ": level " + std::to_string(index) + " also comes from " + sources[index] + "\n";
      ok = false;
    } else {
      sources[index] = file.string();
    }
  }
  for (int index : set.indices) {
    auto source = sources.find(index);
    if (source == sources.end()) {
      errors += folder.string() + ": level " + std::to_string(index) + " has no source\n";
      ok = false;
      continue;
    }
    Level level;
    std::string error;
    if (!CompileLevelFile(source->second, level, error)) {
      errors += error + "\n";
      ok = false;
      continue;
    }
    level.index = index;
    bool breakable = std::any_of(level.tiles.begin(), level.tiles.end(), [](const LevelTile& t) { return IsBreakableTile(t.sprite); });
    if (!breakable && index != set.bossIndex) {
      errors += source->second + ":1: the level has no breakable tile and would end at once\n";
      ok = false;
      continue;
    }
    levels[index] = std::move(level);
  }
  return ok;
}
