// Hexadecimal exclusive-or texts: written by the developers, read back when they are shown.
#include "base/HexXor.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string HexXorEncode(std::string_view text, uint8_t key) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (char c : text) {
    uint8_t b = static_cast<uint8_t>(c) ^ key;
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return hex;
}

std::string HexXorDecode(std::string_view hex, uint8_t key) {
  std::string text;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) break;
    text += static_cast<char>((high << 4 | low) ^ key);
  }
  return text;
}
