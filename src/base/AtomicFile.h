// Files replaced whole: written under a temporary name beside them, then renamed over the old file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct FileReplace {
  bool makeFolders = false;  // create the missing folders on the way to the file
  bool syncFirst = false;    // the bytes reach the disk before the rename (settings, saved games)
};

// `path` + ".tmp": where a file is written before it replaces `path`.
std::string TemporaryPathFor(const std::string& path);

// Hands every byte to an open file, going on after interrupted or partial writes; false on an error
// (errno tells which).
bool WriteWhole(int descriptor, const void* data, size_t size);

// The last step: the finished temporary file is renamed over `path`. When `written` is false, or the
// rename fails, the temporary file is removed and `path` stays as it was; false with `error` saying why.
bool ReplaceWithTemporary(const std::string& path, bool written, std::string& error);

// Writes the bytes to the temporary file and renames it over `path`, keeping the permissions of the
// file it replaces (a new file is made readable by all, writable by its owner). Whatever fails, the old
// file is left untouched and no temporary file stays behind; false with `error` naming the step and the
// system's reason.
bool WriteFileAtomically(const std::string& path, const void* data, size_t size, std::string& error,
                         FileReplace how = {});
inline bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error,
                                FileReplace how = {}) {
  return WriteFileAtomically(path, bytes.data(), bytes.size(), error, how);
}
inline bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error,
                                FileReplace how = {}) {
  return WriteFileAtomically(path, text.data(), text.size(), error, how);
}

// For writers that can only write a file by its name (picture and archive libraries): `write` writes
// the whole file at the temporary path it is given and returns whether it succeeded, setting `reason`
// if it knows one; then the rename as above. (`how.syncFirst` is not used here.)
using FileWriter = std::function<bool(const std::string& temporary, std::string& reason)>;
bool WriteThroughTemporary(const std::string& path, const FileWriter& write, std::string& error, FileReplace how = {});
