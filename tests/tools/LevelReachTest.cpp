// The reachability of tiles: sealed boxes, gaps just wide enough, moving walls and teleporters.
#include <gtest/gtest.h>

#include "levels/LevelReach.h"
#include "levels/LevelSource.h"

namespace {

// The unreachable tiles' kinds, in order, of a compiled source.
std::vector<std::string> Sealed(const std::string& text) {
  Level level;
  std::string error;
  EXPECT_TRUE(CompileLevelSource(text, "lv.txt", level, error)) << error;
  std::vector<std::string> kinds;
  for (int index : UnreachableTiles(level)) kinds.push_back(KindName(level.tiles[index].sprite));
  return kinds;
}

// A red tile at (448, 200) in a box of solid tiles: GAP pixels between neighbours across and down.
std::string Boxed(int gapX, int gapY, const std::string& extra = "") {
  std::string pitch = std::to_string(64 + gapX) + " " + std::to_string(20 + gapY);
  return "name \"x\"\ngrid " + std::to_string(448 - 64 - gapX) + " " + std::to_string(200 - 20 - gapY) + " " + pitch +
         "\n###\n#r#\n###\nend\n" + extra;
}

TEST(LevelReach, AGapNarrowerThanTheSmallestBallSealsATileOff) {
  EXPECT_EQ(Sealed(Boxed(4, 4)), std::vector<std::string>{"red"});
  EXPECT_EQ(Sealed(Boxed(4, 7)), std::vector<std::string>{"red"});  // a ball of radius 4 needs 8 pixels
  EXPECT_TRUE(Sealed(Boxed(4, 8)).empty());
  EXPECT_TRUE(Sealed(Boxed(8, 4)).empty());
  // A breakable wall is no wall: the ball breaks through.
  EXPECT_TRUE(Sealed("name \"x\"\ngrid 380 176\nrrr\nrgr\nrrr\nend\n").empty());
  // A tile standing on the ship's side of the field is reached along the floor.
  EXPECT_TRUE(Sealed("name \"x\"\ntile red 448 700\n").empty());
}

TEST(LevelReach, MovingWallsOpenWhereTheyLeaveAGap) {
  // The box's top middle slides away by a tile's width and back: open.
  std::string sliding = "name \"x\"\npath away slide 0 -40 3\n"
                        "row solid 380 176 1 68\nrow solid 516 176 1 68\nrow solid 380 200 3 136\nrow solid 380 224 3 68\n"
                        "tile solid 448 176 move away\ntile red 448 200\n";
  EXPECT_TRUE(Sealed(sliding).empty());
  // Sliding by less than the ball needs keeps the box shut.
  std::string nudged = sliding;
  nudged.replace(nudged.find("-40"), 3, "-4");
  EXPECT_EQ(Sealed(nudged), std::vector<std::string>{"red"});
}

TEST(LevelReach, ATeleporterTakesTheBallIntoAClosedRoom) {
  // A closed room with a teleporter inside: the ball comes out above it and reaches the red tile.
  std::string room = "name \"x\"\ngrid 312 128 68 24\n#####\n#.r.#\n#...#\n#.T.#\n#####\nend\ntile tele 448 500\n";
  EXPECT_TRUE(Sealed(room).empty());
  // Without the teleporter in the room, two outside lead nowhere new.
  std::string shut = room;
  shut.replace(shut.find("#.T.#"), 5, "#...#");
  shut += "tile tele 200 500\n";
  EXPECT_EQ(Sealed(shut), std::vector<std::string>{"red"});
}

}  // namespace
