// Opening zip archives and reading whole entries with their CRC checked.
#include "media/ZipFiles.h"

#include "media/Media.h"
#include "media/MediaInternal.h"

namespace media {

zip_t* OpenZipForReading(const std::string& path, zip_uint64_t& count) {
  int error = 0;
  zip_t* archive = zip_open(NativePath(path).c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) {
    zip_error_t reason;
    zip_error_init_with_code(&reason, error);
    SetMediaError(path + ": " + zip_error_strerror(&reason));
    zip_error_fini(&reason);
    return nullptr;
  }
  zip_int64_t entries = zip_get_num_entries(archive, 0);
  if (entries < 0) {
    SetMediaError(path + ": the archive's directory cannot be read");
    zip_discard(archive);
    return nullptr;
  }
  count = static_cast<zip_uint64_t>(entries);
  return archive;
}

bool ReadZipEntry(zip_t* archive, zip_uint64_t index, zip_uint64_t largest, size_t padding, std::vector<uint8_t>& bytes) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) || stat.size > largest)
    return false;
  zip_file_t* file = zip_fopen_index(archive, index, 0);
  if (file == nullptr) return false;
  size_t size = static_cast<size_t>(stat.size);
  bytes.assign(size + padding, 0);
  bool ok = true;
  size_t got = 0;
  while (ok && got < size) {
    zip_int64_t n = zip_fread(file, bytes.data() + got, size - got);
    if (n <= 0) ok = false;
    else got += static_cast<size_t>(n);
  }
  // One more read reaches the end of the entry, where libzip checks the CRC; it must yield nothing.
  if (ok) {
    uint8_t extra = 0;
    ok = zip_fread(file, &extra, 1) == 0;
  }
  zip_fclose(file);
  if (!ok) bytes.clear();
  return ok;
}

}  // namespace media
