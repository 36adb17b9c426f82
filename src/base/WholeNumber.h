// Reading a decimal whole number from text, with its range and overflow checked.
#pragma once

#include <string>

// True with `value` set when `text` is a decimal number within lowest..highest; false for anything
// else (empty text, other characters, a number too large for a long).
bool ReadWholeNumber(const std::string& text, long lowest, long highest, long& value);
