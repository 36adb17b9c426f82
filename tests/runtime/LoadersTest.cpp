// The pack loaders: unscrambling, the name check, missing packs, freeing a scene, and the built main packs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <numeric>

#include "media/Media.h"
#include "base/PackFormat.h"
#include "runtime/Loaders.h"
#include "runtime/NamedMedia.h"
#include "support/Headless.h"
#include "tools/PackWriter.h"

namespace {

std::vector<uint8_t> Bytes(size_t n) {
  std::vector<uint8_t> v(n);
  std::iota(v.begin(), v.end(), static_cast<uint8_t>(1));
  return v;
}

TEST(Scrambling, OnlyEntriesOf256BytesOrMoreAndItUndoesItself) {
  auto small = Bytes(255);
  auto copy = small;
  ScramblePackEntry(small.data(), small.size());
  EXPECT_EQ(small, copy);
  auto large = Bytes(256);
  copy = large;
  ScramblePackEntry(large.data(), large.size());
  EXPECT_NE(large, copy);
  EXPECT_TRUE(std::equal(large.begin(), large.begin() + 4, copy.begin())) << "word 0 never changes";
  EXPECT_TRUE(std::equal(large.begin() + 256, large.end(), copy.begin() + 256));
  // word 1 is XORed with 1 * 256 * 0x2F6B9D43
  uint32_t key = 256u * 0x2F6B9D43u;
  EXPECT_EQ(large[4], static_cast<uint8_t>(copy[4] ^ (key & 255)));
  ScramblePackEntry(large.data(), large.size());
  EXPECT_EQ(large, copy);
}

class Loaders : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureHeadlessMedia();
    dir = std::filesystem::temp_directory_path() / ("loaders-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string Pack(const std::vector<PackEntry>& entries) {
    std::string path = (dir / "test.pak").string();
    EXPECT_TRUE(WritePack(path, entries));
    return path;
  }
  std::filesystem::path dir;
};

// A tiny 2 x 2 BMP, built by hand so the test needs no encoder.
std::vector<uint8_t> TinyBmp() {
  std::vector<uint8_t> b = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0,
                            1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int row = 0; row < 2; ++row) {
    for (int px = 0; px < 6; ++px) b.push_back(200);
    b.push_back(0);
    b.push_back(0);
  }
  return b;
}

TEST_F(Loaders, TakeEntriesInOrderAndRegisterSceneResources) {
  FreeAllResources();  // what earlier scenes registered
  ChoosePack(Pack({{"gfx/a.bmp", TinyBmp()}, {"gfx/b.bmp", TinyBmp()}, {"gfx/c.bmp", TinyBmp()}}));
  LoadSpriteQuad(9001, "gfx/a.bmp");
  LoadSceneSpriteQuad(9002, "gfx\\b.bmp");  // either separator
  LoadSceneSprite(9003, "gfx/c.bmp");
  EXPECT_EQ(entriesTaken, 3);
  EXPECT_TRUE(HasQuad(9001) && HasQuad(9002) && HasSprite(9003));
  EXPECT_EQ(SpritePixelWidth(9002), 2);
  ClosePack();
  EXPECT_EQ(RegisteredResourceCount(), 2);
  FreeAllResources();
  EXPECT_TRUE(HasQuad(9001) && HasSprite(9001)) << "main resources stay";
  EXPECT_FALSE(HasQuad(9002) || HasSprite(9002) || HasSprite(9003));
  EXPECT_EQ(RegisteredResourceCount(), 0);
}

// Every fatal loading message names the asset, then the pack and why it failed.
TEST_F(Loaders, AnEntryOutOfOrderEndsWithItsNameAndWhatThePackHolds) {
  std::string path = Pack({{"gfx/a.bmp", TinyBmp()}, {"gfx/b.bmp", TinyBmp()}});
  EXPECT_EXIT(
      {
        ChoosePack(path);
        LoadSpriteQuad(9010, "gfx/b.bmp");
      },
      ::testing::ExitedWithCode(1), "gfx/b.bmp loading problem \\(.*: the pack holds gfx/a.bmp in its place\\)");
}

TEST_F(Loaders, APackThatRunsOutOrIsMissingEndsWithItsNameAndTheReason) {
  std::string path = Pack({{"gfx/a.bmp", TinyBmp()}});
  EXPECT_EXIT(
      {
        ChoosePack(path);
        LoadSpriteQuad(9011, "gfx/a.bmp");
        LoadSpriteQuad(9012, "gfx/b.bmp");
      },
      ::testing::ExitedWithCode(1), "gfx/b.bmp loading problem \\(.*: the pack ends here\\)");
  EXPECT_EXIT(
      {
        ChoosePack("packs/nothing.pak");
        LoadSpriteQuad(9013, "gfx/a.bmp");
      },
      ::testing::ExitedWithCode(1), "packs/nothing.pak loading problem \\(packs/nothing.pak: No such file");
}

TEST_F(Loaders, AnUndecodablePictureEndsWithItsNameAndTheDecodersReason) {
  std::string path = Pack({{"gfx/broken.png", Bytes(300)}});
  EXPECT_EXIT(
      {
        ChoosePack(path);
        LoadSpriteQuad(9014, "gfx/broken.png");
      },
      ::testing::ExitedWithCode(1), "gfx/broken.png loading problem \\(.*: the picture cannot be decoded: .+\\)");
}

TEST(MainAssets, TheBuiltPacksLoadAndSprite544IsTheFirstBigExplosionFrame) {
  EnsureHeadlessMedia();
  std::string before = CurrentDirectory();
  ASSERT_TRUE(SetCurrentDirectory(GAME_DIR));
  LoadMainAssets();
  EXPECT_TRUE(HasQuad(pointerPicture));
  EXPECT_TRUE(HasSound(Sound::Tilt));
  EXPECT_EQ(SpritePixelWidth(tilePictures), 64);
  EXPECT_EQ(SpritePixelHeight(tilePictures), 20);
  EXPECT_EQ(SpritePixelWidth(screenStripPictures + screenStripCount - 1), 1024);
  EXPECT_TRUE(HasImage(wonPictureBonus) && HasImage(wonPictureWinner));
  EXPECT_TRUE(HasSprite(panelRightPicture));
  // Decode the big explosion's first frame on its own and compare.
  ASSERT_TRUE(OpenPack("packs/maingfx.pak"));
  bool compared = false;
  while (uint8_t* data = NextPackEntry()) {
    if (PackEntryName() != "gfx/explosion/Explosion0000.jpg") continue;
    size_t size = PackEntrySize();
    ScramblePackEntry(data, size);
    ASSERT_TRUE(SpriteFromMemory(99999, data, size, 0));
    for (int y = 0; y < SpritePixelHeight(bigExplosionPictures); y += 7) {
      for (int x = 0; x < SpritePixelWidth(bigExplosionPictures); x += 7)
        ASSERT_EQ(SpritePixel(bigExplosionPictures, x, y), SpritePixel(99999, x, y));
    }
    compared = true;
    break;
  }
  ClosePack();
  EXPECT_TRUE(compared);
  SetCurrentDirectory(before);
}

}  // namespace
