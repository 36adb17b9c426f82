// Writing a file under a temporary name and renaming it over the old one.
#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

void MakeFolders(const std::string& path) {
  std::filesystem::path parent = std::filesystem::path(path).parent_path();
  std::error_code ignored;  // a folder that cannot be made shows as a failure to create the file
  if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
}

std::string SystemReason(int code) { return std::strerror(code); }

}  // namespace

std::string TemporaryPathFor(const std::string& path) { return path + ".tmp"; }

bool WriteWhole(int descriptor, const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  while (size > 0) {
    ssize_t n = write(descriptor, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;
      return false;
    }
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool ReplaceWithTemporary(const std::string& path, bool written, std::string& error) {
  std::string temporary = TemporaryPathFor(path);
  if (written) {
    if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    error = "cannot rename " + temporary + " to " + path + ": " + SystemReason(errno);
  } else {
    error = "cannot write " + path;
  }
  std::remove(temporary.c_str());
  return false;
}

bool WriteFileAtomically(const std::string& path, const void* data, size_t size, std::string& error,
                         FileReplace how) {
  if (how.makeFolders) MakeFolders(path);
  std::string temporary = TemporaryPathFor(path);
  int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (descriptor < 0) {
    error = "cannot create " + temporary + ": " + SystemReason(errno);
    return false;
  }
  struct stat old;
  if (stat(path.c_str(), &old) == 0) fchmod(descriptor, old.st_mode & 07777);  // keeps its permissions
  bool ok = WriteWhole(descriptor, data, size) && (!how.syncFirst || fsync(descriptor) == 0);
  int code = errno;
  if (close(descriptor) != 0 && ok) {
    ok = false;
    code = errno;
  }
  if (!ok) {
    error = "cannot write " + temporary + ": " + SystemReason(code);
    std::remove(temporary.c_str());
    return false;
  }
  return ReplaceWithTemporary(path, true, error);
}

bool WriteThroughTemporary(const std::string& path, const FileWriter& write, std::string& error, FileReplace how) {
  if (how.makeFolders) MakeFolders(path);
  std::string reason;
  if (write(TemporaryPathFor(path), reason)) return ReplaceWithTemporary(path, true, error);
  ReplaceWithTemporary(path, false, error);
  if (!reason.empty()) error += ": " + reason;
  return false;
}
