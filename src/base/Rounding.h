// Rounding a float to the nearest whole number, halves away from zero, as lroundf does.
#pragma once

#include <cmath>

// lroundf's result for every float, without its library call for those within the int range (the ball's
// contact tests round several coordinates a tile).
inline int RoundToInt(float v) {
  if (!(std::fabs(v) < 2147483520.0f)) return static_cast<int>(std::lround(v));
  int whole = static_cast<int>(v);             // toward zero
  float rest = v - static_cast<float>(whole);  // exact: the two lie within one of each other
  if (rest >= 0.5f) return whole + 1;
  if (rest <= -0.5f) return whole - 1;
  return whole;
}
