// The saved game's texts. Each group is the value through a rule "times a factor, plus an offset"; a text is
// read back only when the four groups agree exactly, so a hand-edited value reads as 0.
#include "base/SavedGameCode.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "base/Random.h"
#include "base/WholeNumber.h"

namespace {

struct Rule {
  int64_t factor, offset;
};

// The four variants of the small-number form: the first marker of each (it owns that and the next 100) and
// its four rules. For values up to 999 every group stays within four digits.
struct Variant {
  int firstMarker;
  Rule rules[4];
};
constexpr Variant kVariants[4] = {
    {1200, {{3, 417}, {7, 1029}, {2, 3355}, {9, 88}}},
    {3400, {{5, 2301}, {4, 777}, {8, 120}, {6, 1500}}},
    {5600, {{9, 45}, {2, 5000}, {7, 610}, {3, 2222}}},
    {7800, {{4, 3030}, {6, 901}, {5, 1717}, {8, 404}}},
};
constexpr int kLargestSmall = 999;

// The score's four rules: for scores up to 999,999,999 every group stays within ten digits.
constexpr Rule kScoreRules[4] = {{7, 13579}, {3, 246801}, {9, 97531}, {5, 86420}};
constexpr int64_t kLargestScore = 999999999;

// The number written in text[at .. at + digits), or -1 when it is not one.
int64_t Group(const std::string& text, size_t at, size_t digits) {
  long value = 0;
  if (at + digits > text.size() || !ReadWholeNumber(text.substr(at, digits), 0, LONG_MAX, value)) return -1;
  return value;
}

// The value the first group gives, when every group is exactly what its rule makes of that value, else 0. (The
// four values' integer average then agrees with the first too; the average alone would pass an edit of a
// group's last digit, which the rules' divisions lose.)
int64_t Agreed(const int64_t (&groups)[4], const Rule (&rules)[4]) {
  int64_t value = (groups[0] - rules[0].offset) / rules[0].factor;
  for (int k = 0; k < 4; ++k)
    if (groups[k] != value * rules[k].factor + rules[k].offset) return 0;
  return value;
}

// Whether the text is `groupCount` groups of `groupDigits` characters with "-" between them.
bool Dashed(const std::string& text, size_t groupCount, size_t groupDigits) {
  if (text.size() != groupCount * (groupDigits + 1) - 1) return false;
  for (size_t k = 1; k < groupCount; ++k)
    if (text[k * (groupDigits + 1) - 1] != '-') return false;
  return true;
}

}  // namespace

std::string EncodeSmall(int value) {
  value = std::clamp(value, 0, kLargestSmall);
  const Variant& variant = kVariants[RandomUpTo(3)];
  int marker = variant.firstMarker + RandomUpTo(100);
  char text[32];
  int64_t g[4];
  for (int k = 0; k < 4; ++k) g[k] = value * variant.rules[k].factor + variant.rules[k].offset;
  std::snprintf(text, sizeof text, "%04d-%04lld-%04lld-%04lld-%04lld", marker, static_cast<long long>(g[0]),
                static_cast<long long>(g[1]), static_cast<long long>(g[2]), static_cast<long long>(g[3]));
  return text;
}

int DecodeSmall(const std::string& text) {
  // Five groups of four digits joined by dashes: the marker, then the four values.
  if (!Dashed(text, 5, 4)) return 0;
  int64_t marker = Group(text, 0, 4);
  for (const Variant& variant : kVariants) {
    if (marker < variant.firstMarker || marker > variant.firstMarker + 100) continue;
    int64_t groups[4];
    for (int k = 0; k < 4; ++k) {
      groups[k] = Group(text, 5 + 5 * static_cast<size_t>(k), 4);
      if (groups[k] < 0) return 0;
    }
    return static_cast<int>(Agreed(groups, variant.rules));
  }
  return 0;  // a marker of no variant
}

std::string EncodeScore(int64_t score) {
  score = std::clamp<int64_t>(score, 0, kLargestScore);
  char text[64];
  int64_t g[4];
  for (int k = 0; k < 4; ++k) g[k] = score * kScoreRules[k].factor + kScoreRules[k].offset;
  std::snprintf(text, sizeof text, "%010lld-%010lld-%010lld-%010lld", static_cast<long long>(g[0]),
                static_cast<long long>(g[1]), static_cast<long long>(g[2]), static_cast<long long>(g[3]));
  return text;
}

int64_t DecodeScore(const std::string& text) {
  if (!Dashed(text, 4, 10)) return 0;
  int64_t groups[4];
  for (int k = 0; k < 4; ++k) {
    groups[k] = Group(text, 11 * static_cast<size_t>(k), 10);
    if (groups[k] < 0) return 0;
  }
  return Agreed(groups, kScoreRules);
}
