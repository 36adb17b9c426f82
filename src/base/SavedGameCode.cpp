// The saved game's texts. Each group is the value through a rule "times a factor, plus an offset"; a text is
// read back only when the four groups agree exactly, so a hand-edited value reads as 0.
#include "base/SavedGameCode.h"

#include <algorithm>
#include <cstdio>

#include "base/Random.h"

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

// The number written in text[at .. at + digits), or -1 when it is not all digits.
int64_t Group(const std::string& text, size_t at, size_t digits) {
  if (at + digits > text.size()) return -1;
  int64_t value = 0;
  for (size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// The first candidate when the integer average of the four agrees with it and every group is exactly what
// its rule makes of it, else 0: the rules' divisions alone would pass an edit of a group's last digit.
int64_t Agreed(const int64_t (&candidates)[4], const int64_t (&groups)[4], const Rule (&rules)[4]) {
  int64_t sum = candidates[0] + candidates[1] + candidates[2] + candidates[3];
  if (sum / 4 != candidates[0]) return 0;
  for (int k = 0; k < 4; ++k)
    if (groups[k] != candidates[0] * rules[k].factor + rules[k].offset) return 0;
  return candidates[0];
}

// Whether the groups are separated by "-" where the form has them.
bool Dashed(const std::string& text, size_t groupDigits) {
  size_t length = 4 * groupDigits + 3;
  if (text.size() != length) return false;
  for (size_t k = 1; k < 4; ++k)
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
  // The marker's group is five digits wide with the others' dashes in a text of 24 characters.
  if (text.size() != 24) return 0;
  int64_t marker = Group(text, 0, 4);
  for (const Variant& variant : kVariants) {
    if (marker < variant.firstMarker || marker > variant.firstMarker + 100) continue;
    int64_t candidates[4], groups[4];
    for (int k = 0; k < 4; ++k) {
      groups[k] = Group(text, 5 + 5 * static_cast<size_t>(k), 4);
      if (groups[k] < 0 || text[4 + 5 * static_cast<size_t>(k)] != '-') return 0;
      candidates[k] = (groups[k] - variant.rules[k].offset) / variant.rules[k].factor;
    }
    return static_cast<int>(Agreed(candidates, groups, variant.rules));
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
  if (!Dashed(text, 10)) return 0;
  int64_t candidates[4], groups[4];
  for (int k = 0; k < 4; ++k) {
    groups[k] = Group(text, 11 * static_cast<size_t>(k), 10);
    if (groups[k] < 0) return 0;
    candidates[k] = (groups[k] - kScoreRules[k].offset) / kScoreRules[k].factor;
  }
  return Agreed(candidates, groups, kScoreRules);
}
