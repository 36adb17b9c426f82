// The 3D renderer: projection to known pixels, near-plane clipping, painter's order, repeating textures,
// the OBJ reader's edge cases, morph frames and the archive's names.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "media/Engine3D.h"
#include "media/Engine3DMesh.h"
#include "base/ByteOrder.h"
#include "media/Compositor.h"
#include "media/Media.h"
#include "support/Headless.h"
#include "tools/PackWriter.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A 24-bit BMP, `w` x `h`, whose left half is `left` and right half `right` (game colours).
std::vector<uint8_t> TwoColourBmp(int w, int h, int left, int right) {
  int row = (w * 3 + 3) / 4 * 4, size = 54 + row * h;
  auto le = [](std::vector<uint8_t>& b, uint32_t v, int n) { n == 2 ? AppendLe16(b, v) : AppendLe32(b, v); };
  std::vector<uint8_t> b = {'B', 'M'};
  le(b, size, 4), le(b, 0, 4), le(b, 54, 4), le(b, 40, 4), le(b, w, 4), le(b, h, 4), le(b, 1, 2), le(b, 24, 2);
  le(b, 0, 4), le(b, row * h, 4), le(b, 2835, 4), le(b, 2835, 4), le(b, 0, 4), le(b, 0, 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int colour = x < w / 2 ? left : right;
      b.push_back(ColorBlue(colour)), b.push_back(ColorGreen(colour)), b.push_back(ColorRed(colour));
    }
    for (int pad = w * 3; pad < row; ++pad) b.push_back(0);
  }
  return b;
}

// Left half red, right half blue.
std::vector<uint8_t> HalvesBmp(int w, int h) { return TwoColourBmp(w, h, ColorRGB(255, 0, 0), ColorRGB(0, 0, 255)); }

const char* const kSquareObj =
    "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nf 1/1 2/2 3/3 4/4\n";
const char* const kTriangleObj = "v 0 0 0\nv 20 0 0\nv 0 20 0\nf 1 2 3\n";

int ScreenAt(int x, int y) {
  BeginDraw(DrawTargetKind::Screen);
  int colour = PixelColour(x, y);
  EndDraw();
  return colour;
}

class Engine3D : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureHeadlessMedia();
    ASSERT_TRUE(InitEngine3D());
    dir = std::filesystem::temp_directory_path() / ("engine3d-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "sub");
    archive = (dir / "sub" / "scene.zip").string();
    ASSERT_TRUE(WritePack(archive, {{"meshes/square.obj", Bytes(kSquareObj), true},
                                    {"triangle.obj", Bytes(kTriangleObj), true},
                                    {"broken.obj", Bytes("v 0 0 0\nf 1 2 3\n"), true},
                                    {"halves.bmp", HalvesBmp(8, 8), true},
                                    {"grey.bmp", TwoColourBmp(8, 8, ColorRGB(128, 128, 128), ColorRGB(128, 128, 128)),
                                     true}}));
    ASSERT_TRUE(Add3DArchive(dir.string() + "\\sub\\scene.zip", 1));
    AmbientColor(255, 255, 255);  // untextured materials show their ambient colour as it is
    QuadFiltering(0);
    ClearFrame(0);
    SetViewport(0, 0, 200, 200);
  }
  void TearDown() override {
    FullViewport();
    QuadFiltering(1);
    ShutdownEngine3D();
    std::filesystem::remove_all(dir);
  }
  // An untextured entity of the given mesh in one flat colour.
  void Flat(int entity, int mesh, int r, int g, int b, int blend = kBlendOpaque) {
    ASSERT_TRUE(CreateMaterial(entity, -1));
    MaterialAmbientColor(entity, r, g, b);
    MaterialBlendingMode(entity, blend);
    ASSERT_TRUE(CreateEntity(entity, mesh, entity));
  }
  std::filesystem::path dir;
  std::string archive;
};

TEST_F(Engine3D, ATriangleLandsOnThePixelsThePerspectiveGives) {
  ASSERT_TRUE(LoadMesh(1, "triangle.mesh"));  // found as triangle.obj
  Flat(1, 1, 255, 255, 255);
  ASSERT_TRUE(CreateCamera(1, 0, 0, 100, 100));
  CameraLocate(1, 0, 0, 100);
  // Focal length 100 / tan(22.5 deg) = 241.4 pixels: the corners fall on (100, 100), (148.3, 100), (100, 51.7).
  SetViewport(100, 50, 200, 200);  // the camera fills this viewport: its centre is (200, 150)
  RenderWorld();
  EXPECT_EQ(RenderedTriangleCount(), 1);
  EXPECT_EQ(ScreenAt(225, 145), ColorRGB(255, 255, 255));
  EXPECT_EQ(ScreenAt(202, 110), ColorRGB(255, 255, 255));
  EXPECT_EQ(ScreenAt(240, 147), ColorRGB(255, 255, 255));
  EXPECT_EQ(ScreenAt(197, 140), 0) << "left of the corner at the centre";
  EXPECT_EQ(ScreenAt(210, 153), 0) << "below it";
  EXPECT_EQ(ScreenAt(235, 115), 0) << "beyond the slanted side";
  EXPECT_EQ(ScreenAt(250, 148), 0) << "beyond the right corner";
  // A camera on the right half of the viewport moves the centre to (250, 150) and draws nothing outside it.
  ClearFrame(0);
  ASSERT_TRUE(CreateCamera(1, 50, 0, 50, 100));
  CameraLocate(1, 0, 0, 100);
  RenderWorld();
  EXPECT_EQ(ScreenAt(260, 140), ColorRGB(255, 255, 255));
  EXPECT_EQ(ScreenAt(245, 140), 0);
  EXPECT_EQ(ScreenAt(200, 150), 0);
}

TEST_F(Engine3D, NothingBehindTheCameraAndACrossingTriangleIsCutCleanly) {
  ASSERT_TRUE(LoadMesh(1, "square.obj"));
  Flat(1, 1, 255, 255, 255, kBlendAdditive);  // both sides drawn
  ASSERT_TRUE(CreateCamera(1, 0, 0, 100, 100));
  EntityLocate(1, 0, 0, 10);  // behind the camera at the origin
  RenderWorld();
  EXPECT_EQ(RenderedTriangleCount(), 0);
  // A floor 10 below the camera reaching from 100 in front of it to 100 behind it.
  ResizeEntity(1, 100, 100, 1);
  RotateEntity(1, -90, 0, 0, 0);  // the square's y axis now runs along -z
  EntityLocate(1, 0, -10, 0);
  ClearFrame(0);
  RenderWorld();
  EXPECT_GE(RenderedTriangleCount(), 2);
  int lit = 0, above = 0, odd = 0;
  BeginDraw(DrawTargetKind::Screen);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      int c = PixelColour(x, y);
      above += y < 100 && c != 0;  // the floor never rises above the horizon
      odd += c != 0 && c != ColorRGB(255, 255, 255);
      lit += c != 0;
    }
  EndDraw();
  EXPECT_EQ(above, 0);
  EXPECT_EQ(odd, 0);
  // Rows 124 (100 in front) to 200 are floor: 76 x 200 pixels at the most.
  EXPECT_GT(lit, 10000);
  EXPECT_LE(lit, 76 * 200 + 200);
}

TEST_F(Engine3D, TheNearerTriangleCoversTheFartherWhateverTheirOrder) {
  ASSERT_TRUE(LoadMesh(1, "square.obj"));
  ASSERT_TRUE(CreateCamera(1, 0, 0, 100, 100));
  for (bool nearFirst : {true, false}) {
    int nearOne = nearFirst ? 1 : 2, farOne = nearFirst ? 2 : 1;
    Flat(nearOne, 1, 255, 0, 0);
    Flat(farOne, 1, 0, 0, 255);
    EntityLocate(nearOne, 0, 0, -50);
    ResizeEntity(nearOne, 10, 10, 1);
    EntityLocate(farOne, 0, 0, -100);
    ResizeEntity(farOne, 40, 40, 1);
    ClearFrame(0);
    RenderWorld();
    EXPECT_EQ(ScreenAt(100, 100), ColorRGB(255, 0, 0)) << nearFirst;
    EXPECT_EQ(ScreenAt(100, 30), ColorRGB(0, 0, 255)) << nearFirst;
  }
}

TEST_F(Engine3D, ScrolledAndScaledTexturesRepeat) {
  ASSERT_TRUE(LoadMesh(1, "square.obj"));
  ASSERT_TRUE(LoadTexture(1, "HALVES.BMP"));
  EXPECT_EQ(TextureID(1), kTextureSpriteBase + 1);
  ASSERT_TRUE(CreateMaterial(1, 1));
  ASSERT_TRUE(CreateEntity(1, 1, 1));
  ASSERT_TRUE(CreateCamera(1, 0, 0, 100, 100));
  // 60 pixels either side of the centre: u = (x - 40) / 120.
  EntityLocate(1, 0, 0, -200);
  ResizeEntity(1, 50, 50, 1);
  const int red = ColorRGB(255, 0, 0), blue = ColorRGB(0, 0, 255);
  auto row = [&]() {
    ClearFrame(0);
    RenderWorld();
    return std::vector<int>{ScreenAt(52, 100), ScreenAt(76, 100), ScreenAt(112, 100), ScreenAt(142, 100)};
  };
  EXPECT_EQ(row(), (std::vector<int>{red, red, blue, blue}));
  ScrollMaterial2(1, 1, 1.5f, 0);  // half a texture, past the end: the left half must come round again
  EXPECT_EQ(row(), (std::vector<int>{blue, blue, red, red}));
  ScrollMaterial2(1, 1, 0.5f, 0);
  ScaleMaterial2(1, 1, 2, 1);  // twice across: u from -0.5 to 1.5
  EXPECT_EQ(row(), (std::vector<int>{blue, red, blue, red}));
  EXPECT_EQ(RenderedTriangleCount(), 2) << "the compositor repeats the texture itself: nothing is cut";
  // SDL's renderer cannot repeat a texture: there the triangles are cut at the repeats, to the same picture.
  media::DrawThroughRenderer(true);
  EXPECT_EQ(row(), (std::vector<int>{blue, red, blue, red}));
  EXPECT_GT(RenderedTriangleCount(), 2) << "cut at the repeats";
  media::DrawThroughRenderer(false);
  FreeTexture(1);
  EXPECT_FALSE(HasSprite(kTextureSpriteBase + 1));
  EXPECT_FALSE(LoadTexture(2, "triangle.obj")) << "no picture";
  EXPECT_FALSE(LoadTexture(-1, "halves.bmp"));
}

TEST_F(Engine3D, AOneLayerMaterialAfterATwoLayerOneOfTheSameTextureKeepsItsOwnLayer) {
  ASSERT_TRUE(LoadMesh(1, "square.obj"));
  ASSERT_TRUE(LoadTexture(1, "halves.bmp"));
  ASSERT_TRUE(LoadTexture(2, "grey.bmp"));
  // Behind: the halves darkened by a grey layer multiplied over them.
  ASSERT_TRUE(CreateMaterial(1, 1));
  ASSERT_TRUE(AddMaterialLayer2(1, 2, kBlendModulate));
  ASSERT_TRUE(CreateEntity(1, 1, 1));
  EntityLocate(1, 0, 0, -400);
  ResizeEntity(1, 150, 150, 1);
  // In front, the same texture alone and drawn alike: it must not take the layer of the one before it.
  ASSERT_TRUE(CreateMaterial(2, 1));
  ASSERT_TRUE(CreateEntity(2, 1, 2));
  EntityLocate(2, 0, 0, -200);
  ResizeEntity(2, 50, 50, 1);
  ASSERT_TRUE(CreateCamera(1, 0, 0, 100, 100));
  ClearFrame(0);
  RenderWorld();
  const int red = ColorRGB(255, 0, 0), blue = ColorRGB(0, 0, 255);
  EXPECT_EQ(ColorRed(ScreenAt(20, 100)), 128) << "the two layers behind";
  EXPECT_EQ(ScreenAt(52, 100), red);
  EXPECT_EQ(ScreenAt(142, 100), blue);
}

TEST_F(Engine3D, ArchivesAndDamagedMeshesAreRefusedCleanly) {
  EXPECT_TRUE(LoadMesh(1, "square.mesh")) << "found in a sub-folder by its name alone";
  EXPECT_TRUE(LoadMesh(2, "meshes\\square.obj"));
  EXPECT_FALSE(LoadMesh(3, "broken.obj"));
  EXPECT_EQ(LastMediaError(), "broken.obj is not a mesh the renderer can read");
  EXPECT_FALSE(IsMesh(3));
  EXPECT_FALSE(LoadMesh(3, "absent.mesh"));
  EXPECT_EQ(LastMediaError(), "the 3D archive holds neither absent.mesh nor absent.obj");
  EXPECT_FALSE(Add3DArchive((dir / "none.zip").string(), 1));
  std::ofstream((dir / "junk.zip").string()) << "not a zip at all";
  EXPECT_FALSE(Add3DArchive((dir / "junk.zip").string(), 1));
  EXPECT_FALSE(CreateEntity(1, 9, 1)) << "no such mesh";
  EXPECT_EQ(LastMediaError(), "mesh 9 was never loaded");
  EXPECT_FALSE(CreateMaterial(1, 5)) << "no such texture";
  EXPECT_EQ(LastMediaError(), "texture 5 was never loaded");
  EXPECT_EQ(MeshID(1), 1);
  EXPECT_EQ(MeshID(3), -1);
  RenderWorld();  // no camera: nothing, and no harm
  ShutdownEngine3D();
  EXPECT_FALSE(IsMesh(1));
  EXPECT_FALSE(LoadMesh(1, "square.obj")) << "the archives went with the world";
}

TEST(ObjReader, ResolvesIndicesFansFacesAndComputesMissingNormals) {
  engine3d::MeshData mesh;
  std::string why;
  // Negative indices, a quad, corners with and without texture coordinates, no normals at all.
  ASSERT_TRUE(engine3d::ParseObj("# square\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 1\n"
                                 "f -4/1 -3 -2/-1 -1\n",
                                 mesh, &why))
      << why;
  ASSERT_EQ(mesh.TriangleCount(), 2u);
  EXPECT_EQ(mesh.VertexCount(), 4u);
  EXPECT_EQ(mesh.indices, (std::vector<int>{0, 1, 2, 0, 2, 3}));
  EXPECT_FLOAT_EQ(mesh.texCoords[2].u, 1);
  EXPECT_FLOAT_EQ(mesh.texCoords[2].v, 0) << "OBJ v counts from the bottom, textures from the top";
  for (const auto& n : mesh.frames[0].normals) EXPECT_NEAR(n.z, 1.0f, 1e-5f);
  // The same position with two texture coordinates makes two vertices.
  ASSERT_TRUE(engine3d::ParseObj("v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nf 1/1 2/1 3/1\nf 1/2 3/1 2/1\n", mesh));
  EXPECT_EQ(mesh.VertexCount(), 4u);
  for (const char* bad : {"v 0 0 0\nv 1 0 0\nf 1 2 3\n", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 0 1 2\n",
                          "v 0 0 0\nv 1 0 0\nv 0 1 0\nf -4 1 2\n", "v nan 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n",
                          "v 1e9 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2\n",
                          "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1/1 2 3\n", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3x\n",
                          "v 0 0\n", "v 0 0 0\nv 1 0 0\nv 0 1 0\n", "",
                          "o frame0\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\no frame1\nv 0 0 0\nf 4 4 4 4\n"}) {
    EXPECT_FALSE(engine3d::ParseObj(bad, mesh, &why)) << bad;
    EXPECT_FALSE(why.empty());
  }
}

TEST(ObjReader, MorphFramesInterpolateAndHoldTheLast) {
  engine3d::MeshData mesh;
  std::string text;
  for (int frame = 0; frame < 3; ++frame) {
    text += "o frame" + std::to_string(frame) + "\n";
    text += "v " + std::to_string(frame * 10) + " 0 0\nv 1 0 0\nv 0 1 0\n";
    text += "f -3 -2 -1\n";
  }
  ASSERT_TRUE(engine3d::ParseObj(text, mesh));
  ASSERT_EQ(mesh.frames.size(), 3u);
  std::vector<engine3d::Vec3> positions, normals;
  engine3d::MorphFrame(mesh, 0.25f, positions, normals);
  EXPECT_FLOAT_EQ(positions[0].x, 2.5f);
  engine3d::MorphFrame(mesh, 1.5f, positions, normals);
  EXPECT_FLOAT_EQ(positions[0].x, 15.0f);
  engine3d::MorphFrame(mesh, 9.0f, positions, normals);
  EXPECT_FLOAT_EQ(positions[0].x, 20.0f);
  engine3d::MorphFrame(mesh, -1.0f, positions, normals);
  EXPECT_FLOAT_EQ(positions[0].x, 0.0f);
}

TEST(ObjReader, WorkGrowsWithTheFileNotWithTheSquareOfItsMorphFrames) {
  // Twenty thousand frames of one triangle on three positions of their own, half of them with no normals.
  constexpr int kFrames = 20000;
  std::string text = "vn 0 0 1\n";
  size_t lines = 1;
  for (int frame = 0; frame < kFrames; ++frame) {
    text += "o frame" + std::to_string(frame) + "\nv " + std::to_string(-(frame % 100)) + " 0 0\nv 1 0 0\nv 0 1 0\n";
    text += frame % 2 ? "f -3//1 -2//1 -1//1\n" : "f -3 -2 -1\n";
    lines += 5;
  }
  engine3d::MeshData mesh;
  std::string why;
  ASSERT_TRUE(engine3d::ParseObj(text, mesh, &why)) << why;
  ASSERT_EQ(mesh.frames.size(), static_cast<size_t>(kFrames));
  EXPECT_FLOAT_EQ(mesh.frames[kFrames - 1].positions[0].x, -99.0f);
  EXPECT_NEAR(mesh.frames[kFrames - 2].normals[1].z, 1.0f, 1e-5f) << "computed where the face names none";
  EXPECT_LE(engine3d::LastParseObjSteps(), 10 * lines) << "a few visits per line of the file";
  // A frame past the cap on corners over all frames still fails as before.
  std::string big = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
  std::string face = "f 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2 3 1 2\n";
  for (size_t corners = 0; corners <= (4u << 20); corners += 47) big += face;
  EXPECT_FALSE(engine3d::ParseObj(big, mesh, &why));
  EXPECT_NE(why.find("too many faces"), std::string::npos) << why;
}

TEST_F(Engine3D, AnimationTimeAdvancesByFramesGivenNotByRendersStopsAndRestarts) {
  ASSERT_TRUE(LoadMesh(1, "triangle.obj"));
  Flat(1, 1, 255, 255, 255);
  EXPECT_EQ(MeshFrameCount(1), 1);
  AnimateEntity(1, "assemble");
  for (int i = 0; i < 5; ++i) RenderWorld();
  EXPECT_EQ(GetEntityAnimationTime(1), 0.0f) << "drawing moves nothing on";
  for (int i = 0; i < 20; ++i) AdvanceWorldAnimation(1);
  AdvanceWorldAnimation(10);
  AdvanceWorldAnimation(-3);
  EXPECT_NEAR(GetEntityAnimationTime(1), 0.5f, 1e-4f);
  AnimateEntity(1, "stop");
  AdvanceWorldAnimation(1);
  EXPECT_NEAR(GetEntityAnimationTime(1), 0.5f, 1e-4f);
  AnimateEntity(1, "assemble");
  EXPECT_EQ(GetEntityAnimationTime(1), 0.0f);
  FreeEntity(1);
  EXPECT_FALSE(IsEntity(1));
  EXPECT_EQ(GetEntityAnimationTime(1), 0.0f);
}

}  // namespace
