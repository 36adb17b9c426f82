// Fuzz target: the preferences reader takes any bytes a config file may hold; a value written then reads back.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/Prefs.h"

namespace {

std::string ConfigPath() {
  std::filesystem::path folder = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  folder /= "nbfuzz-prefs-" + std::to_string(getpid());
  std::filesystem::create_directories(folder);
  return (folder / "config").string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ConfigPath();
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!OpenPrefs(path)) return 0;
  for (const char* group : {"", "player", "Scores", "a"}) {
    PrefsGroup(group);
    if (!PrefsGroupExists(group) && group[0] != '\0') continue;
    ReadPrefInt("joystick_switch", 0);
    ReadPrefText("name", "");
  }
  // The first bytes, blanks, quotes and line breaks included, go back in as a value and must read back the same.
  std::string value(reinterpret_cast<const char*>(data), size < 24 ? size : 24);
  PrefsGroup("fuzz");
  WritePrefText("value", value);
  if (!ClosePrefs()) return 0;
  if (!OpenPrefs(path)) __builtin_trap();
  PrefsGroup("fuzz");
  if (ReadPrefText("value", "<missing>") != value) __builtin_trap();
  ClosePrefs();
  return 0;
}
