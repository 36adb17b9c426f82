// Texts kept out of sight in the program: each character exclusive-or a one-byte key, written as two hex digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string HexXorEncode(std::string_view text, uint8_t key);
// The text back; a pair that is not two hexadecimal digits, or a lone digit at the end, ends the text there.
std::string HexXorDecode(std::string_view hex, uint8_t key);
