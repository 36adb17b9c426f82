// Bytes written as lower-case hexadecimal digits, two a byte (digests as the score server takes them).
#pragma once

#include <cstddef>
#include <string>

inline std::string LowerHex(const unsigned char* bytes, size_t count) {
  static const char* digits = "0123456789abcdef";
  std::string hex;
  hex.reserve(count * 2);
  for (size_t i = 0; i < count; ++i) {
    hex += digits[bytes[i] >> 4];
    hex += digits[bytes[i] & 15];
  }
  return hex;
}
