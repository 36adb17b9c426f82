// Fonts found by face name through fontconfig, the game's own font file opened directly, and the layer's system font.
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <climits>
#include <cstdlib>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "media/FontsInternal.h"
#include "media/MediaInternal.h"

namespace {

struct OpenFont {
  TTF_Font* font = nullptr;
  std::string file;   // where it was opened from, so that it can be opened again at another size
  int pointSize = 0;  // points on a 96-dpi screen
};

std::map<int, OpenFont> fonts;
TTF_Font* systemFont = nullptr;
// The game's own font files by the lower-case face name they answer to, as full paths.
std::map<std::string, std::string> registeredFiles;

bool StartTtf() { return TTF_WasInit() || TTF_Init() == 0; }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool IsGenericFamily(const std::string& family) {
  std::string f = Lower(family);
  return f == "sans-serif" || f == "serif" || f == "monospace" || f == "sans" || f == "mono" || f == "system-ui";
}

// The file of the font fontconfig offers for a face name, or "" when it would only offer a stand-in:
// the match must be the face itself or one of its declared equivalents ("Arial" is served by
// Liberation Sans), not one of the weak defaults fontconfig appends for any unknown name.
std::string FindFaceFile(const std::string& face, bool acceptGeneric) {
  if (!FcInit()) return "";
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(face.c_str()));
  if (pattern == nullptr) return "";
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  std::vector<std::string> acceptable;
  FcValue value;
  FcValueBinding binding;
  for (int i = 0; FcPatternGetWithBinding(pattern, FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i) {
    if (value.type != FcTypeString) continue;
    std::string name = reinterpret_cast<const char*>(value.u.s);
    if (binding != FcValueBindingWeak && !IsGenericFamily(name)) acceptable.push_back(Lower(name));
  }
  FcChar8* family = nullptr;
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string file;
  if (match != nullptr) {
    FcChar8* path = nullptr;
    bool familyOk = acceptGeneric;
    for (int i = 0; !familyOk && FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
      std::string name = Lower(reinterpret_cast<const char*>(family));
      familyOk = std::find(acceptable.begin(), acceptable.end(), name) != acceptable.end();
    }
    if (familyOk && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
      file = reinterpret_cast<const char*>(path);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return file;
}

}  // namespace

namespace media {

TTF_Font* FontFor(int handle) {
  if (handle >= 0) {
    auto it = fonts.find(handle);
    if (it != fonts.end()) return it->second.font;
  }
  if (systemFont == nullptr && StartTtf()) {
    // The stand-in for the system's plain dialog font: small, legible, always there.
    std::string file = FindFaceFile("DejaVu Sans", true);
    if (!file.empty()) systemFont = TTF_OpenFontDPI(file.c_str(), 10, 96, 96);
  }
  return systemFont;
}

}  // namespace media

bool RegisterFontFile(const std::string& path, const std::string& faceName) {
  // The file itself is opened under that name: a family looked up through the system could lead to
  // another weight of an installed font of the same family.
  char full[PATH_MAX];
  if (faceName.empty() || realpath(NativePath(path).c_str(), full) == nullptr) return false;
  registeredFiles[Lower(faceName)] = full;
  return true;
}

void UnregisterFontFile() { registeredFiles.clear(); }

namespace {

bool OpenFontFile(int number, const std::string& file, int pointSize) {
  // Sizes are points on a 96-dpi screen, as the game's screens were laid out.
  TTF_Font* font = TTF_OpenFontDPI(file.c_str(), pointSize, 96, 96);
  if (font == nullptr) {
    media::SetSdlError(file);
    return false;
  }
  ReleaseFont(number);
  fonts[number] = OpenFont{font, file, pointSize};
  return true;
}

}  // namespace

bool LoadFontFace(int number, const std::string& face, int pointSize) {
  if (!StartTtf() || pointSize <= 0) return false;
  auto own = registeredFiles.find(Lower(face));
  std::string file = own != registeredFiles.end() ? own->second : FindFaceFile(face, false);
  if (file.empty()) {
    media::SetMediaError("no font file of the face " + face + " is installed");
    return false;
  }
  return OpenFontFile(number, file, pointSize);
}

bool LoadFontResized(int number, int source, int pointSize) {
  auto it = fonts.find(source);
  if (it == fonts.end() || pointSize <= 0) return false;
  std::string file = it->second.file;
  return OpenFontFile(number, file, pointSize);
}

int FontPointSize(int number) {
  auto it = fonts.find(number);
  return it != fonts.end() ? it->second.pointSize : 0;
}

int FontHandle(int number) { return fonts.count(number) ? number : -1; }

void ReleaseFont(int number) {
  auto it = fonts.find(number);
  if (it == fonts.end()) return;
  TTF_CloseFont(it->second.font);
  fonts.erase(it);
}

bool HasFont(int number) { return fonts.count(number) != 0; }
