// The 3D archive: its seven entries in a plain zip, the same bytes every build, meshes whose morph frames agree
// and whose indices stay in range, a fire texture that tiles and a gradient that fades out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "Builder.h"
#include "ImageWrite.h"
#include "PackWriter.h"

namespace {

struct ObjCounts {
  int positions = 0, texCoords = 0, normals = 0;
  std::vector<std::vector<int>> frameFaceSizes;  // corners per face, frame by frame
  bool indicesInRange = true;
  double minX = 1e9, maxX = -1e9;               // of the last frame's positions
};

ObjCounts Count(const std::string& text) {
  ObjCounts c;
  std::istringstream lines(text);
  std::string line;
  int framePositions = 0;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string keyword;
    words >> keyword;
    if (keyword == "o") {
      c.frameFaceSizes.emplace_back();
      c.minX = 1e9, c.maxX = -1e9;
      framePositions = 0;
    } else if (keyword == "v") {
      double x = 0;
      words >> x;
      c.minX = std::min(c.minX, x), c.maxX = std::max(c.maxX, x);
      ++c.positions, ++framePositions;
    } else if (keyword == "vt") {
      ++c.texCoords;
    } else if (keyword == "vn") {
      ++c.normals;
    } else if (keyword == "f") {
      if (c.frameFaceSizes.empty()) c.frameFaceSizes.emplace_back();
      int corners = 0;
      for (std::string corner; words >> corner; ++corners) {
        int v = 0, t = 0, n = 0;
        char slash = 0;
        std::istringstream parts(corner);
        parts >> v;
        if (parts >> slash) parts >> t;
        if (parts >> slash) parts >> n;
        c.indicesInRange = c.indicesInRange && v >= 1 && v <= c.positions && t >= 0 && t <= c.texCoords &&
                           n >= 0 && n <= c.normals;
      }
      c.frameFaceSizes.back().push_back(corners);
    }
  }
  return c;
}

// The archive as the build wrote it into the game folder.
const std::filesystem::path kBuilt = std::filesystem::path(PACKS_DIR) / "3d.zip";

class Archive3D : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadPack(kBuilt.string(), entries, false));
    for (const PackEntry& e : entries) byName[e.name] = &e;
  }
  std::string Text(const std::string& name) { return {byName[name]->data.begin(), byName[name]->data.end()}; }
  std::vector<PackEntry> entries;
  std::map<std::string, const PackEntry*> byName;
};

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(Archive3D, HoldsTheSevenEntriesTheSameEveryBuild) {
  std::vector<std::string> names;
  for (const PackEntry& e : entries) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"plan.obj", "sphere.obj", "flare.obj", "tessalink.obj",
                                             "fire_texture.png", "degrade_hemispherique.png",
                                             "anamorphicstreaks.png"}));
  EXPECT_EQ(Text("flare.obj").substr(0, 1), "#") << "stored as it is, never scrambled";
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("archive3d-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(Build3DArchive(dir.string()));
  EXPECT_EQ(FileBytes(kBuilt), FileBytes(dir / "3d.zip"));
  std::filesystem::remove_all(dir);
}

TEST_F(Archive3D, MeshesHaveTheirShapesAndTheEmblemsFramesAgree) {
  ObjCounts plane = Count(Text("plan.obj"));
  EXPECT_TRUE(plane.indicesInRange);
  ASSERT_EQ(plane.frameFaceSizes.size(), 1u);
  EXPECT_EQ(plane.frameFaceSizes[0].size(), 24u * 24u);
  EXPECT_DOUBLE_EQ(plane.maxX - plane.minX, 200.0);
  ObjCounts sphere = Count(Text("sphere.obj"));
  EXPECT_TRUE(sphere.indicesInRange);
  EXPECT_EQ(sphere.frameFaceSizes[0].size(), 32u * 24u);
  EXPECT_DOUBLE_EQ(sphere.maxX, 100.0);
  EXPECT_TRUE(Count(Text("flare.obj")).indicesInRange);
  ObjCounts logo = Count(Text("tessalink.obj"));
  EXPECT_TRUE(logo.indicesInRange);
  ASSERT_EQ(logo.frameFaceSizes.size(), 5u);
  EXPECT_GT(logo.frameFaceSizes[0].size(), 100u);
  for (size_t f = 1; f < 5; ++f) EXPECT_EQ(logo.frameFaceSizes[f], logo.frameFaceSizes[0]) << f;
  EXPECT_NEAR(logo.maxX - logo.minX, 300.0, 15.0) << "assembled in the last frame";
  std::string text = Text("tessalink.obj");
  std::string first = text.substr(text.find("o frame0"), 2000), last = text.substr(text.find("o frame4"), 2000);
  EXPECT_NE(first.substr(9), last.substr(9)) << "the pieces start elsewhere";
}

TEST_F(Archive3D, TheFireTilesAndTheGradientFadesToNothing) {
  Picture fire, gradient, streak;
  ASSERT_TRUE(DecodePng(byName["fire_texture.png"]->data, fire));
  ASSERT_TRUE(DecodePng(byName["degrade_hemispherique.png"]->data, gradient));
  ASSERT_TRUE(DecodePng(byName["anamorphicstreaks.png"]->data, streak));
  EXPECT_EQ(fire.width, 256);
  EXPECT_EQ(fire.height, 256);
  EXPECT_EQ(streak.width, 256);
  EXPECT_EQ(streak.height, 64);
  // Across each seam the step is no larger than between neighbours inside the picture.
  auto step = [&](int x0, int y0, int x1, int y1) {
    double sum = 0;
    for (int k = 0; k < 3; ++k) sum += std::abs(fire.At(x0, y0)[k] - fire.At(x1, y1)[k]);
    return sum;
  };
  double seamX = 0, seamY = 0, inside = 0;
  for (int i = 0; i < 256; ++i) {
    seamX += step(255, i, 0, i);
    seamY += step(i, 255, i, 0);
    inside += step(127, i, 128, i);
  }
  EXPECT_LT(seamX, inside * 1.5 + 256);
  EXPECT_LT(seamY, inside * 1.5 + 256);
  int dark = 0, hot = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const uint8_t* p = fire.At(x, y);
      dark += p[0] < 120;
      hot += p[1] > 200;
    }
  EXPECT_GT(dark, 256 * 256 / 20) << "dark red between the flames";
  EXPECT_GT(hot, 256 * 256 / 100) << "yellow-white wisps";
  EXPECT_GT(gradient.At(128, 128)[3], 240);
  EXPECT_EQ(gradient.At(0, 0)[3], 0);
  EXPECT_LE(gradient.At(0, 128)[0], 4) << "black at the rim";
  EXPECT_GT(streak.At(128, 32)[2], 200) << "a bright core";
  EXPECT_LT(streak.At(0, 32)[2] + streak.At(128, 0)[2], 10) << "black round it";
}

}  // namespace
