// The game's rounding against lroundf: halves, neighbours of halves, negatives, the ends of the int range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "base/Rounding.h"

namespace {

TEST(Rounding, GivesWhatLroundfGivesForEveryKindOfFloat) {
  for (float v : {0.0f, -0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 2.5f, -2.5f, 0.49999997f, -0.49999997f, 0.50000006f,
                  1e-30f, -1e-30f, 8388607.5f, 8388608.5f, 16777217.0f, 2147483520.0f, -2147483520.0f, 123.456f}) {
    EXPECT_EQ(RoundToInt(v), static_cast<int>(std::lround(v))) << v;
  }
  // Every float near the halves of the playfield's coordinates, and random ones across the int range.
  for (int k = -2000; k <= 2000; ++k) {
    float half = static_cast<float>(k) + 0.5f;
    for (float v : {std::nextafter(half, -1e9f), half, std::nextafter(half, 1e9f)}) {
      ASSERT_EQ(RoundToInt(v), static_cast<int>(std::lround(v))) << v;
    }
  }
  std::mt19937 numbers(7);
  for (int i = 0; i < 200000; ++i) {
    uint32_t bits = numbers();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    if (!(std::fabs(v) < 2147483520.0f)) continue;  // beyond an int lroundf's answer does not fit either
    ASSERT_EQ(RoundToInt(v), static_cast<int>(std::lround(v))) << v;
  }
}

}  // namespace
