// Reading the game's packs: zip archives whose entries are handed out one by one, in stored order.
#include <zip.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/Media.h"
#include "media/MediaInternal.h"
#include "media/ZipFiles.h"

namespace {

// No picture, sound or level of the game comes near this; a larger size is a damaged directory.
constexpr zip_uint64_t kLargestEntry = 256ull * 1024 * 1024;

struct OpenedPack {
  zip_t* archive = nullptr;
  std::string path;             // as the game named it, for messages
  zip_uint64_t nextIndex = 0;   // the archive's index of the entry the next call reads
  zip_uint64_t entryCount = 0;  // entries in the archive's directory, folders included
  bool failed = false;          // a damaged entry ends the walk: later entries would be out of step
  std::vector<uint8_t> bytes;   // the entry handed out last, plus one zero byte after its end
  size_t size = 0;              // bytes of that entry
  std::string name;             // its stored name
};

OpenedPack pack;

void ForgetEntry() {
  pack.bytes.clear();
  pack.size = 0;
  pack.name.clear();
}

// Reads the whole entry at `index` into the pack's buffer; false when it is damaged or absurd.
bool ReadEntry(zip_uint64_t index, const zip_stat_t& stat) {
  if (!media::ReadZipEntry(pack.archive, index, kLargestEntry, 1, pack.bytes)) return false;
  pack.size = pack.bytes.size() - 1;
  pack.name = stat.name;
  return true;
}

}  // namespace

bool OpenPack(const std::string& path) {
  ClosePack();
  zip_uint64_t count = 0;
  zip_t* archive = media::OpenZipForReading(path, count);
  if (archive == nullptr) return false;
  pack.archive = archive;
  pack.path = path;
  pack.entryCount = count;
  return true;
}

uint8_t* NextPackEntry() {
  ForgetEntry();
  if (pack.archive == nullptr) {
    media::SetMediaError("no pack is open");
    return nullptr;
  }
  if (pack.failed) {
    media::SetMediaError(pack.path + ": a damaged entry ended the pack");
    return nullptr;
  }
  while (pack.nextIndex < pack.entryCount) {
    zip_uint64_t index = pack.nextIndex++;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(pack.archive, index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        (stat.valid & ZIP_STAT_NAME) == 0 || stat.name == nullptr) {
      media::SetMediaError(pack.path + ": entry " + std::to_string(index) + " has no readable name or size");
      pack.failed = true;
      return nullptr;
    }
    // Folders that other zip tools record are not entries of the pack.
    std::string name = stat.name;
    if (stat.size == 0 && !name.empty() && name.back() == '/') continue;
    if (!ReadEntry(index, stat)) {
      media::SetMediaError(pack.path + ": " + name + " is damaged (its checksum or size is wrong)");
      ForgetEntry();
      pack.failed = true;
      return nullptr;
    }
    return pack.bytes.data();
  }
  media::SetMediaError(pack.path + ": the pack ends here");
  return nullptr;
}

size_t PackEntrySize() { return pack.size; }

std::string PackEntryName() { return pack.name; }

void ClosePack() {
  if (pack.archive != nullptr) zip_discard(pack.archive);  // read only: nothing to write back
  pack = OpenedPack();
}
