// Numbered files: reading, and writing under a temporary name that replaces the real file only when closed.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "media/Media.h"

namespace {

constexpr size_t kWriteBlock = 4096;  // bytes gathered before each write to the disk

struct OpenFile {
  int descriptor = -1;
  bool writing = false;
  bool failed = false;         // a write went wrong: closing discards the temporary file
  std::string path;            // where the file lives (or will live once closed)
  std::string temporaryPath;   // where a created file is written until it is closed
  std::vector<uint8_t> block;  // written bytes not yet handed to the system
  long flushed = 0;            // bytes already handed to the system
};

std::map<int, OpenFile> files;

OpenFile* Find(int number) {
  auto it = files.find(number);
  return it == files.end() ? nullptr : &it->second;
}

bool FlushBlock(OpenFile& file) {
  if (file.failed) return false;
  if (file.block.empty()) return true;
  if (!WriteWhole(file.descriptor, file.block.data(), file.block.size())) {
    file.failed = true;
    return false;
  }
  file.flushed += static_cast<long>(file.block.size());
  file.block.clear();
  return true;
}

}  // namespace

bool CreateFileId(int number, const std::string& path) {
  if (Find(number) != nullptr) CloseFileId(number);
  if (path.empty()) return false;
  OpenFile file;
  file.path = NativePath(path);
  file.temporaryPath = TemporaryPathFor(file.path);
  file.writing = true;
  file.descriptor = open(file.temporaryPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (file.descriptor < 0) return false;
  file.block.reserve(kWriteBlock);
  files[number] = std::move(file);
  return true;
}

bool OpenFileId(int number, const std::string& path) {
  if (Find(number) != nullptr) CloseFileId(number);
  if (path.empty()) return false;
  OpenFile file;
  file.path = NativePath(path);
  file.descriptor = open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file.descriptor < 0) return false;
  struct stat info;
  if (fstat(file.descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {  // a folder opens but never reads
    close(file.descriptor);
    return false;
  }
  files[number] = std::move(file);
  return true;
}

long FileLength(int number) {
  OpenFile* file = Find(number);
  if (file == nullptr) return -1;
  if (file->writing) return file->flushed + static_cast<long>(file->block.size());
  struct stat info;
  if (fstat(file->descriptor, &info) != 0) return -1;
  return static_cast<long>(info.st_size);
}

long ReadBytes(int number, void* buffer, long count) {
  OpenFile* file = Find(number);
  if (file == nullptr || file->writing || count < 0 || (buffer == nullptr && count > 0)) return -1;
  auto* out = static_cast<uint8_t*>(buffer);
  long got = 0;
  while (got < count) {
    ssize_t n = read(file->descriptor, out + got, static_cast<size_t>(count - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return got > 0 ? got : -1;
    if (n == 0) break;  // end of the file
    got += n;
  }
  return got;
}

long WriteBytes(int number, const void* data, long count) {
  OpenFile* file = Find(number);
  if (file == nullptr || !file->writing || file->failed || count < 0 || (data == nullptr && count > 0)) return -1;
  const auto* in = static_cast<const uint8_t*>(data);
  long left = count;
  while (left > 0) {
    size_t room = kWriteBlock - file->block.size();
    size_t take = static_cast<size_t>(left) < room ? static_cast<size_t>(left) : room;
    file->block.insert(file->block.end(), in, in + take);
    in += take;
    left -= static_cast<long>(take);
    if (file->block.size() == kWriteBlock && !FlushBlock(*file)) return -1;
  }
  return count;
}

bool CloseFileId(int number) {
  auto it = files.find(number);
  if (it == files.end()) return false;
  OpenFile file = std::move(it->second);
  files.erase(it);
  if (!file.writing) return close(file.descriptor) == 0;
  // The old file is replaced only by a complete new one that has reached the disk.
  bool ok = FlushBlock(file) && fsync(file.descriptor) == 0;
  ok = close(file.descriptor) == 0 && ok;
  std::string error;
  return ReplaceWithTemporary(file.path, ok, error);
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  struct stat info;
  return stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
