// Reading a decimal whole number from text, with its range and overflow checked.
#include "base/WholeNumber.h"

#include <cerrno>
#include <cstdlib>

bool ReadWholeNumber(const std::string& text, long lowest, long highest, long& value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long number = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || number < lowest || number > highest) return false;
  value = number;
  return true;
}
