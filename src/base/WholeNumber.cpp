// Reading a decimal whole number from text, with its range and overflow checked.
#include "base/WholeNumber.h"

#include <cerrno>
#include <cstdlib>

bool ReadWholeNumber(const std::string& text, long lowest, long highest, long& value) {
  // strtol stops at a zero byte: text from outside may hold one, and what follows it is not a number.
  if (text.empty() || text.find('\0') != std::string::npos) return false;
  errno = 0;
  char* end = nullptr;
  long number = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || number < lowest || number > highest) return false;
  value = number;
  return true;
}
