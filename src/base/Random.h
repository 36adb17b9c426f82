// The game's one random generator, the same sequence for a seed on every platform.
#pragma once

#include <cstdint>

int RandomUpTo(int max);  // uniform over 0..max inclusive
void SeedRandom(uint64_t seed);
uint64_t RandomState();
