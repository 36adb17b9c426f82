// The 3D level scenes: built only where they belong, drawn dim below and bright at the horizon, repeatable
// frame by frame, freed with the level, and absent without harm when the archive is missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "media/Engine3D.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "game/Scene.h"
#include "game/Scene3D.h"
#include "runtime/Loaders.h"
#include "runtime/Settings.h"
#include "support/Headless.h"
#include "base/AssetNames.h"

namespace {

class Scene3D : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameForTest();
    FreeAllResources();
    ASSERT_TRUE(InitEngine3D());
    RegisterFontFile("DESIB___.ttf", "Designer Block");
    LoadFontFace(textFont, "Designer Block", 20);
  }
  void TearDown() override {
    FreeAllResources();
    ShutdownEngine3D();
    FullViewport();
  }
  // Sets up a normal level with the archive (or without) and draws its scene at `tick`.
  void Start(int levelIndex, bool withArchive) {
    settings.engine3DAvailable = withArchive && Add3DArchive("packs\\3d.zip", 1);
    play.difficulty = difficultyNormal;
    play.levelIndex = levelIndex;
    SetUpLevel();
  }
  void Draw(int tick) {
    play.frameTick = tick;
    SetViewport(fieldLeft, fieldTop + 12, fieldWidth, fieldHeight - 12);
    DrawScene();
    FullViewport();
  }
  // Mean brightness (0..765) of the playfield's rows from y0 to y1.
  static double Brightness(int y0, int y1) {
    BeginDraw(DrawTargetKind::Screen);
    double sum = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = fieldLeft; x < fieldRight; x += 3) {
        int c = PixelColour(x, y);
        sum += ColorRed(c) + ColorGreen(c) + ColorBlue(c);
      }
    EndDraw();
    return sum / ((y1 - y0) * ((fieldRight - fieldLeft + 2) / 3));
  }
};

TEST_F(Scene3D, WithoutTheArchiveTheFirstLevelStillSetsUpAndAnimates) {
  std::string game = CurrentDirectory();
  auto empty = std::filesystem::temp_directory_path() / ("noarchive-" + std::to_string(getpid()));
  std::filesystem::create_directories(empty);
  ASSERT_TRUE(SetCurrentDirectory(empty.string()));
  settings.engine3DAvailable = Add3DArchive("packs\\3d.zip", 1);
  ASSERT_TRUE(SetCurrentDirectory(game));
  std::filesystem::remove_all(empty);
  EXPECT_FALSE(settings.engine3DAvailable);
  play.levelIndex = 0;
  SetUpLevel();
  for (int tick = 0; tick < 5; ++tick) Draw(tick);
  EXPECT_FALSE(IsEntity(1));
  EXPECT_FALSE(IsCamera(1));
  EXPECT_EQ(RenderedTriangleCount(), 0);
}

TEST_F(Scene3D, TheSeaOfFireGlowsAtTheHorizonAndGoesWithTheLevel) {
  Start(0, true);
  ASSERT_TRUE(settings.engine3DAvailable);
  EXPECT_TRUE(IsMesh(1) && IsTexture(1) && IsTexture(2) && IsEntity(1) && IsCamera(1));
  for (int m = 4; m <= 8; ++m) EXPECT_TRUE(IsMaterial(m)) << m;
  for (int l = 1; l <= 3; ++l) EXPECT_TRUE(IsLight(l)) << l;
  Draw(300);
  EXPECT_GT(RenderedTriangleCount(), 500);
  // Bright under the horizon, dim-ish where the ship flies, and nowhere blown out behind the tiles.
  double horizon = Brightness(180, 240), middle = Brightness(400, 460), bottom = Brightness(700, 760);
  EXPECT_GT(horizon, middle);
  EXPECT_GT(middle, 30.0);
  EXPECT_LT(bottom, 300.0);
  FreeAllResources();
  EXPECT_FALSE(IsEntity(1));
  EXPECT_FALSE(IsCamera(1));
  EXPECT_FALSE(IsMesh(1));
  EXPECT_FALSE(HasSprite(TextureID(1)));
  EXPECT_FALSE(HasSprite(kTextureSpriteBase + 1));
  for (int m = 4; m <= 8; ++m) EXPECT_FALSE(IsMaterial(m)) << m;
  for (int l = 1; l <= 3; ++l) EXPECT_FALSE(IsLight(l)) << l;
  Draw(301);
  RenderWorld();
  EXPECT_EQ(RenderedTriangleCount(), 0) << "nothing left to draw";
}

TEST_F(Scene3D, OnlyTheStarLevelAndTheSeaLevelOfTheNormalSetHaveScenes) {
  Start(5, true);
  EXPECT_TRUE(IsMesh(1) && IsEntity(1) && IsMaterial(4) && IsCamera(1));
  Draw(100);
  EXPECT_GT(RenderedTriangleCount(), 300);
  FreeAllResources();
  for (int level : {1, 10}) {
    Start(level, true);
    EXPECT_FALSE(IsEntity(1)) << level;
    FreeAllResources();
  }
  play.difficulty = difficultyHard;
  play.levelIndex = 0;
  SetUpLevel();
  EXPECT_FALSE(IsEntity(1));
  EXPECT_TRUE(HasScene3D(difficultyNormal, 5));
  EXPECT_FALSE(HasScene3D(difficultyHard, 5));
}

TEST_F(Scene3D, AFrameLooksTheSameHoweverManyFramesWereDrawnBefore) {
  auto picture = [](int tick) {
    ClearFrame(0);
    play.frameTick = tick;
    SetViewport(fieldLeft, fieldTop + 12, fieldWidth, fieldHeight - 12);
    DrawScene3D();
    FullViewport();
    std::vector<int> pixels;
    BeginDraw(DrawTargetKind::Screen);
    for (int y = fieldTop + 12; y < fieldBottom; y += 7)
      for (int x = fieldLeft; x < fieldRight; x += 7) pixels.push_back(PixelColour(x, y));
    EndDraw();
    return pixels;
  };
  for (int level : {0, 5}) {
    Start(level, true);
    std::vector<int> once = picture(240);
    for (int tick : {10, 11, 90, 91, 92}) picture(tick);
    EXPECT_EQ(picture(240), once) << level;
    FreeAllResources();
  }
}

}  // namespace
