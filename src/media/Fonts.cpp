// Fonts found by face name through fontconfig, the game's own font file, and the layer's system font.
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "media/FontsInternal.h"
#include "media/MediaInternal.h"

namespace {

std::map<int, TTF_Font*> fonts;
TTF_Font* systemFont = nullptr;
bool registered = false;

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
    if (it != fonts.end()) return it->second;
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
  if (!FcInit()) return false;
  std::string file = NativePath(path);
  const FcChar8* name = reinterpret_cast<const FcChar8*>(file.c_str());
  registered = FcConfigAppFontAddFile(nullptr, name) == FcTrue;
  if (!registered || faceName.empty()) return registered;
  // The file's own family may be called otherwise: let the face name the game asks for lead to it.
  int count = 0;
  FcPattern* query = FcFreeTypeQuery(name, 0, nullptr, &count);
  FcChar8* family = nullptr;
  if (query != nullptr && FcPatternGetString(query, FC_FAMILY, 0, &family) == FcResultMatch) {
    std::string own = reinterpret_cast<const char*>(family);
    if (Lower(own) != Lower(faceName)) {
      std::string config = "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\"><fontconfig>"
                           "<alias binding=\"same\"><family>" + faceName + "</family><prefer><family>" + own +
                           "</family></prefer></alias></fontconfig>";
      FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(config.c_str()), FcFalse);
    }
  }
  if (query != nullptr) FcPatternDestroy(query);
  return registered;
}

void UnregisterFontFile() {
  if (registered) FcConfigAppFontClear(nullptr);
  registered = false;
}

bool LoadFontFace(int number, const std::string& face, int pointSize) {
  if (!StartTtf() || pointSize <= 0) return false;
  std::string file = FindFaceFile(face, false);
  if (file.empty()) {
    media::SetMediaError("no font file of the face " + face + " is installed");
    return false;
  }
  // Sizes are points on a 96-dpi screen, as the game's screens were laid out.
  TTF_Font* font = TTF_OpenFontDPI(file.c_str(), pointSize, 96, 96);
  if (font == nullptr) {
    media::SetSdlError(file);
    return false;
  }
  ReleaseFont(number);
  fonts[number] = font;
  return true;
}

int FontHandle(int number) { return fonts.count(number) ? number : -1; }

void ReleaseFont(int number) {
  auto it = fonts.find(number);
  if (it == fonts.end()) return;
  TTF_CloseFont(it->second);
  fonts.erase(it);
}

bool HasFont(int number) { return fonts.count(number) != 0; }
