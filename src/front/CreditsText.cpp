// The credits' text: the people who made the game and the open libraries and fonts it stands on.
#include "front/CreditsScene.h"

namespace {

const char* const creditsText =
    "NOVABOUNCER 3\r\n"
    "\n"
    "A GAME BY THE ZEPHYX TEAM\n"
    "\n"
    "DESIGN AND PROGRAMMING\n"
    "THE ZEPHYX TEAM\n"
    "\n"
    "PICTURES, SOUNDS AND MUSIC\n"
    "PAINTED AND COMPOSED BY CODE\n"
    "IN THE TEAM'S OWN PACK BUILDER\n"
    "\n"
    "LEVELS\n"
    "THE ZEPHYX TEAM\n"
    "\n"
    "THANKS TO EVERY PLAYER\n"
    "WHO SENT A SCORE OR A BUG\n"
    "\n"
    "\n"
    "BUILT ON OPEN SOFTWARE\n"
    "\n"
    "SDL 2, SDL_IMAGE, SDL_TTF - ZLIB LICENCE\n"
    "FREETYPE - FREETYPE LICENCE\n"
    "LIBOGG AND LIBVORBIS - BSD LICENCE\n"
    "FLUIDSYNTH - LGPL 2.1\n"
    "TIMGM6MB SOUNDFONT - GPL 2\n"
    "LIBEBUR128 - MIT LICENCE\n"
    "ZLIB - ZLIB LICENCE\n"
    "LIBZIP - BSD LICENCE\n"
    "PCRE2 - BSD LICENCE\n"
    "LIBCURL - CURL LICENCE\n"
    "OPENSSL - APACHE LICENCE 2.0\n"
    "FLTK - LGPL 2 WITH EXCEPTIONS\n"
    "CPP-HTTPLIB - MIT LICENCE\n"
    "SQLITE - PUBLIC DOMAIN\n"
    "LIBPQ - POSTGRESQL LICENCE\n"
    "LIBSODIUM - ISC LICENCE\n"
    "CAIRO - LGPL 2.1 OR MPL 1.1\n"
    "LIBPNG - PNG REFERENCE LIBRARY LICENCE\n"
    "LIBJPEG-TURBO - IJG AND BSD LICENCES\n"
    "LIBTIFF - LIBTIFF LICENCE\n"
    "GOOGLETEST - BSD LICENCE\n"
    "\n"
    "FONT\n"
    "LEAGUE SPARTAN - SIL OPEN FONT LICENCE 1.1\n"
    "\n"
    "\n"
    "THANK YOU FOR PLAYING\n";

}  // namespace

std::vector<std::string> CreditsLines() {
  std::vector<std::string> lines(1);
  for (const char* c = creditsText; *c != '\0'; ++c) {
    if (*c == '\r') continue;
    if (*c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += *c;
    }
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}
