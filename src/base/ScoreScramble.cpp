// The scrambled score shared by the game and its score server: numbers 1..12 are the score through a rule each,
// number 13 a salt, numbers 14..16 the score times the salt plus an addend; the 128 digits then change places.
#include "base/ScoreScramble.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "base/WholeNumber.h"

namespace {

struct Rule {
  int64_t multiplier, offset;
};
constexpr std::array<Rule, 12> kRules = {{{7, 310457}, {13, 92011}, {97, 4412}, {29, 650003}, {41, 17},
                                          {11, 808080}, {53, 123456}, {89, 7}, {17, 555555}, {61, 31415},
                                          {37, 271828}, {83, 99}}};
struct SaltedRule {
  int64_t addend, offset;
};
constexpr std::array<SaltedRule, 3> kSaltedRules = {{{3, 40961}, {11, 7777}, {17, 123}}};
constexpr int kLargestSalt = 80;
constexpr int64_t kLargestScore = 999999;

// Where each of the 128 digits goes, in the order they are written: two hexadecimal digits a position.
constexpr const char* kPositions =
    "0B30557A1F44690E33587D22476C11365B00254A6F14395E03284D72173C6106"
    "2B50751A3F64092E53781D42670C31567B20456A0F34597E23486D12375C0126"
    "4B70153A5F04294E73183D62072C51761B40650A2F54791E43680D32577C2146"
    "6B10355A7F24496E13385D02274C71163B60052A4F74193E63082D52771C4166";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int Position(int n) { return HexValue(kPositions[2 * n]) * 16 + HexValue(kPositions[2 * n + 1]); }

}  // namespace

std::string ScrambleScore(int64_t score, int salt) {
  score = std::clamp<int64_t>(score, 0, kLargestScore);
  salt = std::clamp(salt, 0, kLargestSalt);
  std::array<int64_t, 16> numbers{};
  for (size_t k = 0; k < kRules.size(); ++k) numbers[k] = score * kRules[k].multiplier + kRules[k].offset;
  numbers[12] = salt;
  for (size_t k = 0; k < kSaltedRules.size(); ++k)
    numbers[13 + k] = score * (salt + kSaltedRules[k].addend) + kSaltedRules[k].offset;
  std::string digits;
  for (int64_t number : numbers) {
    char text[16];
    std::snprintf(text, sizeof text, "%08lld", static_cast<long long>(number));
    digits += text;
  }
  std::string out(128, '0');
  for (int n = 0; n < 128; ++n) out[static_cast<size_t>(Position(n))] = digits[static_cast<size_t>(n)];
  return out;
}

int64_t UnscrambleScore(const std::string& scrambled) {
  if (scrambled.size() != 128) return -1;
  std::string digits(128, '0');
  for (int n = 0; n < 128; ++n) {
    char c = scrambled[static_cast<size_t>(Position(n))];
    if (c < '0' || c > '9') return -1;
    digits[static_cast<size_t>(n)] = c;
  }
  std::array<int64_t, 16> numbers{};
  for (size_t k = 0; k < 16; ++k) {
    long number = 0;
    ReadWholeNumber(digits.substr(8 * k, 8), 0, 99999999, number);  // eight digits, checked above
    numbers[k] = number;
  }
  int64_t score = (numbers[0] - kRules[0].offset) / kRules[0].multiplier;
  if (score < 0 || score > kLargestScore) return -1;
  for (size_t k = 0; k < kRules.size(); ++k)
    if (numbers[k] != score * kRules[k].multiplier + kRules[k].offset) return -1;
  int64_t salt = numbers[12];
  if (salt < 0 || salt > kLargestSalt) return -1;
  for (size_t k = 0; k < kSaltedRules.size(); ++k)
    if (numbers[13 + k] != score * (salt + kSaltedRules[k].addend) + kSaltedRules[k].offset) return -1;
  return score;
}

std::string PercentEncode(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 3);
  for (unsigned char c : text) {
    out += '%';
    out += hex[c >> 4];
    out += hex[c & 15];
  }
  return out;
}

bool PercentDecode(const std::string& encoded, std::string& text) {
  text.clear();
  if (encoded.size() % 3 != 0) return false;
  for (size_t i = 0; i < encoded.size(); i += 3) {
    int high = HexValue(encoded[i + 1]), low = HexValue(encoded[i + 2]);
    if (encoded[i] != '%' || high < 0 || low < 0) return false;
    text += static_cast<char>(high * 16 + low);
  }
  return true;
}
