// Tests of the painted pictures: the sizes the game's arithmetic relies on, seamless loops, word pictures,
// shield widths, additive pictures on black, the magenta key, glyph metrics and byte-for-byte determinism.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "PackWriter.h"
#include "art/ArtFamilies.h"
#include "art/ArtTable.h"
#include "base/FontGlyphs.h"

namespace {

// Mean absolute difference per pixel over all four channels.
double Difference(const Picture& a, const Picture& b) {
  if (a.width != b.width || a.height != b.height) return 1e9;
  double sum = 0;
  for (size_t i = 0; i < a.rgba.size(); ++i) sum += std::abs(int(a.rgba[i]) - int(b.rgba[i]));
  return sum / (a.width * a.height);
}

// Every frame differs from some other, and the step from the last frame back to the first is no bigger
// than the largest step between neighbouring frames: the cycle animates and loops without a pop.
void ExpectSeamlessLoop(const std::vector<Picture>& frames, int period, const std::string& what) {
  double largest = 0, wrap = Difference(frames[period - 1], frames[0]);
  for (int f = 0; f + 1 < period; ++f) largest = std::max(largest, Difference(frames[f], frames[f + 1]));
  EXPECT_GT(largest, 0.0) << what << " does not animate";
  EXPECT_LE(wrap, largest * 1.25 + 0.5) << what << " pops when it loops";
}

// Every kind must be recognisable: no two pictures are alike.
void ExpectAllDifferent(const std::vector<Picture>& pictures, const std::string& what) {
  for (size_t i = 0; i < pictures.size(); ++i)
    for (size_t j = i + 1; j < pictures.size(); ++j)
      EXPECT_GT(Difference(pictures[i], pictures[j]), 3.0) << what << " " << i << " and " << j;
}

int InkTop(const Picture& p) {
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, y)[3] > 128) return y;
  return -1;
}

int InkBottom(const Picture& p) {
  for (int y = p.height - 1; y >= 0; --y)
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, y)[3] > 128) return y;
  return -1;
}

}  // namespace

TEST(ArtPictures, TilesAre64By20AnimateAndLoop) {
  std::vector<Picture> looks;
  for (std::string kind : {"red", "green", "blue", "yellow", "magenta", "cyan", "white", "black", "ub", "tp", "3c",
                           "2c", "1c"}) {
    std::vector<Picture> frames;
    for (int f = 0; f < 16; ++f) {
      frames.push_back(PaintTile(kind, f));
      ASSERT_EQ(frames.back().width, 64) << kind;
      ASSERT_EQ(frames.back().height, 20) << kind;
    }
    ExpectSeamlessLoop(frames, 16, "tile " + kind);
    looks.push_back(frames[5]);
  }
  ExpectAllDifferent(looks, "tile kinds");
}

TEST(ArtPictures, CapsulesAre32By32TurnAndLoop) {
  std::vector<Picture> looks;
  for (std::string kind :
       {"t", "e", "f", "l", "c", "m", "b", "r", "s", "g", "p", "malus", "B", "O", "N", "U", "S"}) {
    std::vector<Picture> frames;
    for (int f = 0; f < 16; ++f) {
      frames.push_back(PaintCapsule(kind, f));
      ASSERT_EQ(frames.back().width, 32) << kind;
      ASSERT_EQ(frames.back().height, 32) << kind;
    }
    ExpectSeamlessLoop(frames, 16, "capsule " + kind);
    // The mark faces the player at frame 0: white pixels near the middle.
    int white = 0;
    for (int y = 8; y < 24; ++y)
      for (int x = 8; x < 24; ++x) {
        const uint8_t* p = frames[0].At(x, y);
        if (p[0] > 235 && p[1] > 220 && p[2] > 220 && p[3] == 255) ++white;
      }
    EXPECT_GT(white, 12) << "capsule " << kind << " shows no mark";
    looks.push_back(frames[0]);
  }
  ExpectAllDifferent(looks, "capsule kinds");
}

TEST(ArtPictures, MonstersMissileAndThreadLoop) {
  for (std::string kind : {"03", "06", "04", "05"}) {
    int count = kind == "04" || kind == "05" ? 32 : 16;
    std::vector<Picture> frames;
    for (int f = 0; f < count; ++f) frames.push_back(PaintMonster(kind, f));
    ExpectSeamlessLoop(frames, count, "monster " + kind);
  }
  // Kind 02 shows its drift: the first and last pictures look opposite ways.
  EXPECT_GT(Difference(PaintMonster("02", 0), PaintMonster("02", 15)), 5.0);
  std::vector<Picture> missile, thread;
  for (int f = 0; f < 32; ++f) missile.push_back(PaintMissile(f));
  for (int f = 0; f < 22; ++f) thread.push_back(PaintThread(f));
  ExpectSeamlessLoop(missile, 32, "missile");
  ExpectSeamlessLoop(thread, 22, "thread");
  EXPECT_EQ(thread[0].width, 128);  // copies stand every 128 pixels
}

TEST(ArtPictures, WordPicturesAreWhiteLettersOnAGroundWithoutWhite) {
  for (std::string word : {"BONUS", "WINNER"}) {
    Picture p = PaintWordPicture(word);
    EXPECT_LE(p.width, 72);  // 10 pixels a ball across the 720-pixel playfield
    EXPECT_LE(p.height, 74);
    int white = 0, nearWhite = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const uint8_t* px = p.At(x, y);
        EXPECT_EQ(px[3], 255);
        if (px[0] == 255 && px[1] == 255 && px[2] == 255) ++white;
        else if (std::max({px[0], px[1], px[2]}) > 160) ++nearWhite;
      }
    EXPECT_EQ(nearWhite, 0) << word << " has blurred letter edges";
    EXPECT_GT(white, 40 * static_cast<int>(word.size())) << word;
    // The word is centred: the first and last lettered columns sit about as far from the sides.
    int first = p.width, last = -1;
    for (int x = 0; x < p.width; ++x)
      for (int y = 0; y < p.height; ++y)
        if (p.At(x, y)[0] == 255 && p.At(x, y)[1] == 255) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
    EXPECT_LE(std::abs(first - (p.width - 1 - last)), 1) << word;
  }
}

TEST(ArtPictures, ShieldWidthsGiveTheShipsHalfWidths) {
  const int halfWidths[] = {40, 45, 50, 55, 60, 65, 65, 65, 65, 65, 65};
  int previous = 0;
  for (int i = 0; i <= 10; ++i) {
    Picture shield = PaintShield(i);
    EXPECT_EQ(shield.width, 2 * halfWidths[i]) << i;
    EXPECT_EQ(ShieldWidth(i), 2 * halfWidths[i]) << i;
    EXPECT_GE(shield.width, previous);
    previous = shield.width;
    // The ring reaches both edges, which is where the walls stop the ship.
    int leftInk = 0, rightInk = 0;
    for (int y = 0; y < shield.height; ++y) {
      leftInk = std::max<int>(leftInk, shield.At(1, y)[3]);
      rightInk = std::max<int>(rightInk, shield.At(shield.width - 2, y)[3]);
    }
    EXPECT_GT(leftInk, 60) << i;
    EXPECT_GT(rightInk, 60) << i;
  }
  // While enlarged the six pictures differ, so the ring visibly cycles.
  for (int i = 5; i < 10; ++i) EXPECT_GT(Difference(PaintShield(i), PaintShield(i + 1)), 0.0) << i;
}

TEST(ArtPictures, ShipBanksFurtherAtEachTiltStep) {
  Picture upright = PaintShip(0);
  ASSERT_EQ(upright.width, 80);
  ASSERT_EQ(upright.height, 80);
  for (int side : {-1, 1}) {
    double previous = 0;
    for (int step = 1; step <= 5; ++step) {
      double d = Difference(upright, PaintShip(side * step));
      EXPECT_GT(d, previous) << "tilt " << side * step;
      previous = d;
    }
  }
}

TEST(ArtPictures, AdditivePicturesAreOpaqueOnBlackWithoutHardEdges) {
  std::vector<std::pair<std::string, Picture>> glows = {
      {"halo", PaintHalo()},           {"energy", PaintEnergyGlow(0x9FE8FF)}, {"flare", PaintFlare(0xF3A80C)},
      {"flare", PaintFlare(0xFFFF80)}, {"target", PaintTargetLight()},        {"ring", PaintTargetRing()},
      {"explosion 0", PaintBigExplosion(0)}, {"explosion 23", PaintBigExplosion(23)}};
  for (auto& [name, p] : glows) {
    int brightBorder = 0, seeThrough = 0, maxCentre = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const uint8_t* px = p.At(x, y);
        if (px[3] != 255) ++seeThrough;
        bool border = x == 0 || y == 0 || x == p.width - 1 || y == p.height - 1;
        if (border && std::max({px[0], px[1], px[2]}) > 24) ++brightBorder;
      }
    const uint8_t* centre = p.At(p.width / 2, p.height / 2);
    maxCentre = std::max({centre[0], centre[1], centre[2]});
    EXPECT_EQ(seeThrough, 0) << name;
    EXPECT_EQ(brightBorder, 0) << name;
    if (name != "ring" && name != "target" && name != "explosion 23") {  // rings are dark inside
      EXPECT_GT(maxCentre, 100) << name;
    }
  }
}

TEST(ArtPictures, InsetKeysOutExactMagentaOnly) {
  Picture frame = PaintInsetFrame();
  // The scanner picture (124 x 98) is drawn at (864, 630), the frame at (851, 600): the window is at (13, 30).
  for (int y = 30; y < 128; ++y)
    for (int x = 13; x < 137; ++x) {
      const uint8_t* p = frame.At(x, y);
      ASSERT_TRUE(p[0] == 255 && p[1] == 0 && p[2] == 255) << x << "," << y;
    }
  EXPECT_TRUE(frame.At(0, 0)[0] == 255 && frame.At(0, 0)[1] == 0 && frame.At(0, 0)[2] == 255);
  EXPECT_LE(851 + frame.width, 1024);
  EXPECT_LE(600 + frame.height, 768);
  int fringe = 0;
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) {
      const uint8_t* p = frame.At(x, y);
      bool exact = p[0] == 255 && p[1] == 0 && p[2] == 255;
      if (!exact && p[0] > 150 && p[2] > 150 && p[1] < 100) ++fringe;  // half-blended magenta would show pink
      EXPECT_EQ(p[3], 255);
    }
  EXPECT_EQ(fringe, 0);
  Picture screen = PaintInsetScreen();
  EXPECT_EQ(screen.width, 124);
  EXPECT_EQ(screen.height, 98);
}

TEST(ArtPictures, PanelsFrameTheScreenExactlyWithoutPureBlack) {
  Picture left = PaintPanelLeft(), top = PaintPanelTop(), right = PaintPanelRight();
  // Left at (0, 0) up to the left wall, top at (80, 0) over the ceiling, right at (820, 0) to the screen edge.
  EXPECT_EQ(left.width, 88);
  EXPECT_EQ(left.height, 768);
  EXPECT_EQ(80 + top.width, 820);
  EXPECT_EQ(top.height, 20);
  EXPECT_EQ(820 + right.width, 1024);
  EXPECT_EQ(right.height, 768);
  for (const Picture* p : {&left, &top, &right})
    for (size_t i = 0; i < p->rgba.size(); i += 4) {
      ASSERT_EQ(p->rgba[i + 3], 255);
      ASSERT_FALSE(p->rgba[i] == 0 && p->rgba[i + 1] == 0 && p->rgba[i + 2] == 0);  // black may be a key colour
    }
}

TEST(ArtPictures, GlyphsShareCapHeightBaselineAndDigitWidth) {
  for (bool gold : {false, true}) {
    int size = gold ? 40 : 36;
    std::set<int> tops, bottoms;
    for (int c = 0; c < 256; ++c) {
      int number = gold ? GoldGlyphNumber(c) : SilverGlyphNumber(c);
      if (!number) continue;
      Picture p = PaintGlyph(gold, c);
      ASSERT_EQ(p.width, size);
      ASSERT_EQ(p.height, size);
      if (c == ' ') {
        EXPECT_EQ(InkTop(p), -1);
        continue;
      }
      EXPECT_GE(InkTop(p), 0) << char(c);
      if (c == 'Q' || c == 'J') continue;  // descend or overshoot by design
      if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        tops.insert(InkTop(p));
        bottoms.insert(InkBottom(p));
      }
    }
    // Round letters overshoot by a pixel; nothing more.
    EXPECT_LE(*tops.rbegin() - *tops.begin(), 2) << (gold ? "gold" : "silver");
    EXPECT_LE(*bottoms.rbegin() - *bottoms.begin(), 2) << (gold ? "gold" : "silver");
    EXPECT_GE(*bottoms.begin() - *tops.begin(), gold ? 28 : 24);
  }
}

TEST(ArtPictures, BallsAreRoundAndOpaqueInside) {
  for (int d : {8, 16, 32, 80, 160}) {
    Picture ball = PaintBall(d);
    ASSERT_EQ(ball.width, d);
    ASSERT_EQ(ball.height, d);
    EXPECT_EQ(ball.At(0, 0)[3], 0) << d;
    EXPECT_EQ(ball.At(d / 2, d / 2)[3], 255) << d;
  }
}

TEST(ArtPictures, SameBytesEveryBuildAndPacksReadBack) {
  // A sample from every family and every file format, painted and encoded twice.
  std::vector<ArtEntry> table = MainGraphicsTable();
  std::vector<PackEntry> first, second;
  for (size_t i = 0; i < table.size(); i += 37) {
    first.push_back({table[i].name, EncodeByName(table[i].name, table[i].paint())});
    second.push_back({table[i].name, EncodeByName(table[i].name, table[i].paint())});
    ASSERT_FALSE(first.back().data.empty()) << table[i].name;
    EXPECT_EQ(first.back().data, second.back().data) << table[i].name;
  }
  for (const std::string name : {"gfx/ball_16x16.tif", "gfx/explosion/Explosion0005.jpg", "gfx/bonus.png"}) {
    auto it = std::find_if(table.begin(), table.end(), [&](const ArtEntry& e) { return e.name == name; });
    ASSERT_NE(it, table.end());
    first.push_back({name, EncodeByName(name, it->paint())});
    second.push_back({name, EncodeByName(name, it->paint())});
  }
  const std::vector<uint8_t>& tif = first[first.size() - 3].data;
  const std::vector<uint8_t>& jpg = first[first.size() - 2].data;
  EXPECT_TRUE((tif[0] == 'I' && tif[1] == 'I') || (tif[0] == 'M' && tif[1] == 'M'));
  EXPECT_TRUE(jpg[0] == 0xFF && jpg[1] == 0xD8);
  EXPECT_EQ(first.back().data[1], 'P');

  auto dir = std::filesystem::temp_directory_path() / ("nbart_determinism_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::string a = (dir / "a.pak").string(), b = (dir / "b.pak").string();
  ASSERT_TRUE(WritePack(a, first));
  ASSERT_TRUE(WritePack(b, second));
  auto slurp = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  EXPECT_EQ(slurp(a), slurp(b));
  std::vector<PackEntry> back;
  ASSERT_TRUE(ReadPack(a, back));
  ASSERT_EQ(back.size(), first.size());
  for (size_t i = 0; i < back.size(); ++i) {
    EXPECT_EQ(back[i].name, first[i].name);
    EXPECT_EQ(back[i].data, first[i].data);
  }
  std::filesystem::remove_all(dir);
}
