// A score as the score server takes it: sixteen numbers that check one another, their digits shuffled.
#pragma once

#include <cstdint>
#include <string>

// The 128 digits of `score` (held at most 999,999), with `salt` 0..80 as the thirteenth number.
std::string ScrambleScore(int64_t score, int salt);
// The score in a scrambled text, or -1 when its sixteen numbers do not all agree (a text not made by
// ScrambleScore, or changed on the way).
int64_t UnscrambleScore(const std::string& scrambled);
// Every character as "%" and its code in two upper-case hexadecimal digits.
std::string PercentEncode(const std::string& text);
// The characters of a text PercentEncode made; false for anything else.
bool PercentDecode(const std::string& encoded, std::string& text);
