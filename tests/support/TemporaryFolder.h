// Test support: a test's own empty folder, made the current directory while the test runs.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

class TemporaryFolder {
 public:
  // A fresh folder named after `purpose` and this process; the current directory moves into it.
  explicit TemporaryFolder(const std::string& purpose)
      : home_(std::filesystem::current_path()),
        path_(std::filesystem::temp_directory_path() / ("nb-" + purpose + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~TemporaryFolder() {
    std::filesystem::current_path(home_);
    std::filesystem::remove_all(path_);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path home_, path_;
};
