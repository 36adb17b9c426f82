// Tests of the written theme and scene packs: one right-sized background per theme, scene packs exactly as
// the table says, backgrounds dark where the ship flies, animations that loop, Taron's mask, determinism.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <set>

#include <jpeglib.h>

#include "Builder.h"
#include "PackWriter.h"
#include "themes/Backdrop.h"
#include "base/SceneTable.h"
#include "levels/LevelSets.h"
#include "themes/ScenePictures.h"
#include "themes/ThemeTable.h"

namespace {

namespace fs = std::filesystem;

// The packs as the build wrote them into the game folder.
const fs::path kPacks = PACKS_DIR;

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

bool DecodeJpeg(const std::vector<uint8_t>& bytes, Picture& picture) {
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = [](j_common_ptr common) { std::longjmp(reinterpret_cast<JpegError*>(common->err)->jump, 1); };
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), bytes.size());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  picture = Picture(info.output_width, info.output_height);
  std::vector<uint8_t> row(info.output_width * 3);
  while (info.output_scanline < info.output_height) {
    uint8_t* rows[1] = {row.data()};
    int y = info.output_scanline;
    jpeg_read_scanlines(&info, rows, 1);
    for (int x = 0; x < picture.width; ++x) {
      uint8_t* p = picture.At(x, y);
      p[0] = row[x * 3];
      p[1] = row[x * 3 + 1];
      p[2] = row[x * 3 + 2];
      p[3] = 255;
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

double Luminance(const uint8_t* p) { return 0.2126 * p[0] + 0.7152 * p[1] + 0.0722 * p[2]; }

double MeanDifference(const Picture& a, const Picture& b) {
  if (a.width != b.width || a.height != b.height) return 1e9;
  double sum = 0;
  for (size_t i = 0; i < a.rgba.size(); ++i) sum += std::abs(int(a.rgba[i]) - int(b.rgba[i]));
  return sum / (a.width * a.height);
}

// Frames change, and the step from the last frame back to the first is no bigger than the others.
void ExpectLoop(Picture (*paint)(int), int frames, const char* what) {
  std::vector<Picture> pictures;
  for (int f = 0; f < frames; ++f) pictures.push_back(paint(f));
  double largest = 0;
  for (int f = 0; f + 1 < frames; ++f) largest = std::max(largest, MeanDifference(pictures[f], pictures[f + 1]));
  EXPECT_GT(largest, 1.0) << what << " does not animate";
  EXPECT_LE(MeanDifference(pictures[frames - 1], pictures[0]), largest * 1.25 + 0.5) << what << " pops";
}

}  // namespace

TEST(ThemePacks, EachThemeHasItsPackWithOneBackgroundOfThePlayfieldsSize) {
  for (const ThemeBackground& theme : ThemeBackgrounds()) {
    std::vector<PackEntry> entries;
    ASSERT_TRUE(ReadPack((kPacks / ThemePackFile(theme.theme)).string(), entries)) << theme.theme;
    ASSERT_EQ(entries.size(), 1u) << theme.theme;
    EXPECT_EQ(entries[0].name, "gfx/background/" + theme.theme + "/" + theme.theme + ".jpg");
    Picture picture;
    ASSERT_TRUE(DecodeJpeg(entries[0].data, picture)) << theme.theme;
    EXPECT_EQ(picture.width, 740) << theme.theme;
    EXPECT_EQ(picture.height, 748) << theme.theme;
  }
}

TEST(ThemePacks, ScenePacksHoldExactlyTheTablesEntriesAndNothingElseIsWritten) {
  std::set<std::string> expected;
  for (const ScenePack& pack : ScenePackTable()) {
    std::string file = ScenePackFile(pack.difficulty, pack.levelIndex);
    expected.insert(file);
    std::vector<PackEntry> entries;
    ASSERT_TRUE(ReadPack((kPacks / file).string(), entries)) << file;
    std::vector<std::string> names;
    for (const PackEntry& entry : entries) {
      names.push_back(entry.name);
      EXPECT_FALSE(entry.data.empty()) << entry.name;
    }
    EXPECT_EQ(names, pack.entries) << file;
  }
  // The level builder writes its level packs into the same folders.
  for (const LevelSetInfo& set : LevelSets())
    for (int index : set.indices) expected.insert(set.name + "/level" + std::to_string(index) + ".pak");
  for (const char* set : {"normal", "hard"})
    for (const auto& file : fs::directory_iterator(kPacks / set))
      EXPECT_TRUE(expected.count(std::string(set) + "/" + file.path().filename().string())) << file.path();
}

TEST(ThemePacks, BackgroundsAreDarkerThanTheTilesAndDarkestWhereTheShipFlies) {
  // The seven bright tile colours; the darkest of them is the blue.
  const uint8_t tiles[7][3] = {{0xE8, 0x28, 0x3C}, {0x2E, 0xD1, 0x58}, {0x2F, 0x7B, 0xFF}, {0xFF, 0xD2, 0x2E},
                               {0xE8, 0x3C, 0xD8}, {0x2E, 0xE6, 0xF0}, {0xF2, 0xF4, 0xFA}};
  double darkestTile = 1e9, meanTile = 0;
  for (const auto& t : tiles) {
    darkestTile = std::min(darkestTile, Luminance(t));
    meanTile += Luminance(t) / 7;
  }
  for (const ThemeBackground& theme : ThemeBackgrounds()) {
    std::vector<PackEntry> entries;
    ASSERT_TRUE(ReadPack((kPacks / ThemePackFile(theme.theme)).string(), entries));
    Picture picture;
    ASSERT_TRUE(DecodeJpeg(entries[0].data, picture));
    double mean = 0, bottomMean = 0;
    std::vector<double> bottom;
    for (int y = 0; y < picture.height; ++y)
      for (int x = 0; x < picture.width; ++x) {
        double l = Luminance(picture.At(x, y));
        mean += l;
        if (y >= picture.height - 110) {
          bottom.push_back(l);
          bottomMean += l;
        }
      }
    mean /= picture.width * picture.height;
    bottomMean /= bottom.size();
    std::sort(bottom.begin(), bottom.end());
    double bottomBright = bottom[bottom.size() * 99 / 100];
    EXPECT_LT(mean, meanTile * 0.5) << theme.theme;
    EXPECT_LT(bottomMean, darkestTile * 0.35) << theme.theme << " is too bright where the ship flies";
    EXPECT_LT(bottomBright, darkestTile * 0.7) << theme.theme << " has bright detail where the ship flies";
    EXPECT_LE(bottomMean, mean * 1.05) << theme.theme << " is brighter at the bottom than overall";
  }
}

TEST(ThemePictures, AnimationsAnimateAndLoopWithoutAPop) {
  ExpectLoop(PaintPlate, kPlaqueFrames, "plaque");
  ExpectLoop(PaintOctopus, kPoulpeFrames, "poulpe");
  ExpectLoop(PaintCell, kGlobuleFrames, "globule");
}

TEST(ThemePictures, TaronsMaskCoversEveryFaceAndNothingOutsideIt) {
  Picture mask = PaintTaronMask();
  ASSERT_EQ(mask.width, 256);
  ASSERT_EQ(mask.height, 256);
  std::vector<Picture> faces;
  for (int mouth = 0; mouth < 8; ++mouth) faces.push_back(PaintTaron(mouth));
  faces.push_back(PaintTaronWin());
  faces.push_back(PaintTaronLost());
  for (size_t i = 0; i < faces.size(); ++i) {
    ASSERT_EQ(faces[i].width, 256);
    ASSERT_EQ(faces[i].height, 256);
    int outside = 0;
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x)
        if (faces[i].At(x, y)[3] > 200 && mask.At(x, y)[3] == 0) ++outside;
    EXPECT_LE(outside, 40) << "face " << i << " sticks out of the mask";  // antialiased edge pixels only
  }
  // The corners are transparent, so a ball there does not hit.
  EXPECT_EQ(mask.At(0, 255)[3], 0);
  EXPECT_EQ(mask.At(255, 255)[3], 0);
  EXPECT_EQ(mask.At(128, 128)[3], 255);
}

TEST(ThemePictures, GlowsAreOpaqueColourFadingToBlackAtTheirBorders) {
  for (const char* name : {"gfx/flare/starFF0000_128x128.png", "gfx/flare/centralglow0000FF_3.png",
                           "gfx/flare/centralrainbow.png", "gfx/flare/2branches_64x64.png", "gfx/cloudwa.jpg",
                           "gfx/background/psyche/psyche1.png", "gfx/flare/anamorphicstreaks3.png"}) {
    Picture p = PaintScenePicture(name);
    ASSERT_TRUE(p.Valid()) << name;
    int brightest = 0, brightBorder = 0, seeThrough = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const uint8_t* px = p.At(x, y);
        seeThrough += px[3] != 255;
        int v = std::max({px[0], px[1], px[2]});
        brightest = std::max(brightest, v);
        if (x == 0 || y == 0 || x == p.width - 1 || y == p.height - 1) brightBorder = std::max(brightBorder, v);
      }
    EXPECT_EQ(seeThrough, 0) << name << " is not opaque";
    EXPECT_GT(brightest, 150) << name;
    EXPECT_LE(brightBorder, 6) << name << " shows a hard edge";
  }
  EXPECT_FALSE(PaintScenePicture("gfx/poulpe/poulpe0016.png").Valid());
  EXPECT_FALSE(PaintScenePicture("gfx/unknown.png").Valid());
}

TEST(ThemePictures, PaintingIsDeterministic) {
  const ThemeBackground& snow = ThemeBackgrounds()[15];
  ASSERT_EQ(snow.theme, "snow");
  Picture a = snow.paint(), b = snow.paint();
  EXPECT_EQ(a.rgba, b.rgba);
  EXPECT_EQ(EncodeByName("x.jpg", a), EncodeByName("x.jpg", b));
  EXPECT_EQ(PaintOctopus(5).rgba, PaintOctopus(5).rgba);
  EXPECT_EQ(EncodeByName("x.tif", PaintLightning()), EncodeByName("x.tif", PaintLightning()));
}
