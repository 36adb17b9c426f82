// The game's one random generator: PCG32 (XSH RR), the same sequence for a seed on every platform.
#include <cstdint>

#include "base/Random.h"

namespace {

// PCG32's multiplier, and the stream the game always uses (the reference generator's demo stream,
// so that a seed yields the published reference outputs).
constexpr uint64_t kMultiplier = 6364136223846793005ull;
constexpr uint64_t kIncrement = (54ull << 1) | 1u;

// Starts from what SeedRandom(0) would give, so an unseeded run is still reproducible.
uint64_t generatorState = kIncrement * kMultiplier + kIncrement;

uint32_t NextWord() {
  uint64_t old = generatorState;
  generatorState = old * kMultiplier + kIncrement;
  uint32_t xorShifted = static_cast<uint32_t>(((old >> 18) ^ old) >> 27);
  uint32_t rotation = static_cast<uint32_t>(old >> 59);
  return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

}  // namespace

void SeedRandom(uint64_t seed) {
  generatorState = 0;
  NextWord();
  generatorState += seed;
  NextWord();
}

int RandomUpTo(int max) {
  if (max <= 0) return 0;
  uint32_t range = static_cast<uint32_t>(max) + 1u;  // at most 2^31, never 0
  // Words below 2^32 mod range would make the low results a little more likely: draw again.
  uint32_t threshold = (0u - range) % range;
  for (;;) {
    uint32_t word = NextWord();
    if (word >= threshold) return static_cast<int>(word % range);
  }
}

uint64_t RandomState() { return generatorState; }
