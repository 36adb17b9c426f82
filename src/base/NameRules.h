// The characters a player's name and password may hold, as regular expressions (PCRE syntax) that each
// character is tested against by itself: shared by the game and its score server.
#pragma once

// A name keeps the characters that match: letters, digits, blank, minus, exclamation and question marks.
constexpr const char* kNameCharacters = "[[:alnum:]]|[ \\-!?]";
// A password loses the characters that match: blank, percent, backslash, ampersand, slash, at sign, dollar.
constexpr const char* kPasswordDropped = "[ \\%\\\\\\&\\/\\@\\$]";
