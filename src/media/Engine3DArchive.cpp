// The 3D renderer's archives: plain zips whose entries are found by name.
#include <cctype>

#include "media/Engine3D.h"
#include "media/Engine3DInternal.h"
#include "media/Media.h"
#include "media/ZipFiles.h"

namespace engine3d {

namespace {

constexpr zip_uint64_t kLargestEntry = 64ull * 1024 * 1024;  // no mesh or texture comes near this

struct Place {
  zip_t* archive = nullptr;
  zip_uint64_t index = 0;
};

std::vector<zip_t*> archives;
std::map<std::string, Place> entries;  // by key, see Key

std::string Key(const std::string& name) {
  std::string key = NativePath(name);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  while (key.rfind("./", 0) == 0) key.erase(0, 2);
  return key;
}

}  // namespace

bool ReadArchiveEntry(const std::string& name, std::vector<uint8_t>& bytes) {
  auto found = entries.find(Key(name));
  return found != entries.end() &&
         media::ReadZipEntry(found->second.archive, found->second.index, kLargestEntry, 0, bytes);
}

void CloseArchives() {
  entries.clear();
  for (zip_t* archive : archives) zip_discard(archive);
  archives.clear();
}

}  // namespace engine3d

bool Add3DArchive(const std::string& path, int recursive) {
  zip_uint64_t count = 0;
  zip_t* archive = media::OpenZipForReading(path, count);
  if (archive == nullptr) return false;
  engine3d::archives.push_back(archive);
  for (zip_uint64_t i = 0; i < count; ++i) {
    const char* stored = zip_get_name(archive, i, 0);
    if (stored == nullptr) continue;
    std::string key = engine3d::Key(stored);
    if (key.empty() || key.back() == '/') continue;  // folders
    engine3d::entries[key] = {archive, i};
    size_t slash = key.rfind('/');
    if (recursive && slash != std::string::npos) engine3d::entries[key.substr(slash + 1)] = {archive, i};
  }
  return true;
}

void Parse3DScripts() {}
