// The saved game's self-checking texts: small numbers in four random variants, the score in one fixed form.
#pragma once

#include <cstdint>
#include <string>

// "VVVV-AAAA-BBBB-CCCC-DDDD": a variant marker drawn from the game's random numbers, then the value through
// the variant's four rules. Values are stored from 0 to 999.
std::string EncodeSmall(int value);
// The value, or 0 when the text is not one EncodeSmall writes (empty, edited, damaged).
int DecodeSmall(const std::string& text);
// Four groups of ten digits, each the score through its own rule. Scores are stored from 0 to 999,999,999.
std::string EncodeScore(int64_t score);
int64_t DecodeScore(const std::string& text);
