// Pack files written and read back with libzip; entries keep their order and are stored uncompressed
// when they are pictures or Ogg (already compressed), deflated otherwise.
#include "PackWriter.h"

#include <zip.h>

#include <cstdio>

#include "base/AtomicFile.h"
#include "base/PackFormat.h"

namespace {

bool AlreadyCompressed(const std::string& name) {
  auto dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string ext = name.substr(dot + 1);
  for (auto& c : ext) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return ext == "png" || ext == "jpg" || ext == "jpeg" || ext == "ogg";
}

}  // namespace

bool WritePack(const std::string& path, const std::vector<PackEntry>& entries) {
  auto write = [&](const std::string& temporary, std::string& why) {
    std::remove(temporary.c_str());
    int zipError = 0;
    zip_t* archive = zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &zipError);
    if (archive == nullptr) {
      why = "zip error " + std::to_string(zipError);
      return false;
    }
    // libzip keeps the buffers until zip_close, so the scrambled copies must outlive the loop.
    std::vector<std::vector<uint8_t>> copies;
    copies.reserve(entries.size());
    for (const PackEntry& entry : entries) {
      copies.push_back(entry.data);
      std::vector<uint8_t>& bytes = copies.back();
      if (!entry.plain) ScramblePackEntry(bytes.data(), bytes.size());
      zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
      if (source == nullptr) {
        zip_discard(archive);
        return false;
      }
      zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
      if (index < 0) {
        why = "cannot add " + entry.name + ": " + zip_strerror(archive);
        zip_source_free(source);
        zip_discard(archive);
        return false;
      }
      zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                               AlreadyCompressed(entry.name) ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
      // A fixed time stamp keeps the packs byte for byte the same from one build to the next.
      zip_file_set_dostime(archive, static_cast<zip_uint64_t>(index), 0, (46 << 9) | (1 << 5) | 1, 0);
    }
    if (zip_close(archive) != 0) {
      why = zip_strerror(archive);
      zip_discard(archive);
      return false;
    }
    return true;
  };
  std::string error;
  if (WriteThroughTemporary(path, write, error, {.makeFolders = true})) return true;
  std::fprintf(stderr, "packbuilder: %s\n", error.c_str());
  return false;
}

bool ReadPack(const std::string& path, std::vector<PackEntry>& entries, bool unscramble) {
  entries.clear();
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) return false;
  zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0) break;
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    if (file == nullptr) break;
    PackEntry entry;
    entry.name = stat.name;
    entry.data.resize(stat.size);
    zip_int64_t got = zip_fread(file, entry.data.data(), stat.size);
    zip_fclose(file);
    if (got != static_cast<zip_int64_t>(stat.size)) break;
    if (unscramble) ScramblePackEntry(entry.data.data(), entry.data.size());
    entries.push_back(std::move(entry));
  }
  zip_close(archive);
  return static_cast<zip_int64_t>(entries.size()) == count;
}
