// Numbered files: buffered writes that replace the old file only when closed, reads, and bad numbers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/Media.h"

namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("nb-files-" + std::to_string(getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "scores.pak").string();
  }
  void TearDown() override {
    for (int number = 0; number < 4; ++number) CloseFileId(number);
    fs::remove_all(dir_);
  }

  std::string ReadRaw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  void WriteRaw(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(FilesTest, WrittenBytesArriveWholeAcrossBlockBoundaries) {
  std::vector<uint8_t> data(3 * 4096 + 123);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 31 + i / 4096);
  ASSERT_TRUE(CreateFileId(1, path_));
  // Pieces of awkward sizes, one of them exactly a block, and an empty one.
  size_t at = 0;
  for (size_t piece : {size_t{1}, size_t{4095}, size_t{0}, size_t{4096}, size_t{5000}, size_t{3000}}) {
    size_t take = std::min(piece, data.size() - at);
    EXPECT_EQ(WriteBytes(1, data.data() + at, static_cast<long>(take)), static_cast<long>(take));
    at += take;
    EXPECT_EQ(FileLength(1), static_cast<long>(at));
  }
  ASSERT_EQ(at, data.size());
  ASSERT_TRUE(CloseFileId(1));
  EXPECT_FALSE(fs::exists(path_ + ".tmp"));

  ASSERT_TRUE(OpenFileId(2, path_));
  EXPECT_EQ(FileLength(2), static_cast<long>(data.size()));
  std::vector<uint8_t> back(data.size() + 10);
  EXPECT_EQ(ReadBytes(2, back.data(), 100), 100);
  EXPECT_EQ(ReadBytes(2, back.data() + 100, static_cast<long>(back.size()) - 100), static_cast<long>(data.size()) - 100);
  EXPECT_EQ(ReadBytes(2, back.data(), 10), 0);  // at the end
  back.resize(data.size());
  EXPECT_EQ(back, data);
  EXPECT_TRUE(CloseFileId(2));
}

TEST_F(FilesTest, TheOldFileSurvivesUntilTheNewOneIsClosed) {
  WriteRaw(path_, "old scores");
  ASSERT_TRUE(CreateFileId(0, path_));
  std::string fresh(10000, 'n');
  EXPECT_EQ(WriteBytes(0, fresh.data(), static_cast<long>(fresh.size())), static_cast<long>(fresh.size()));
  // Mid-way (as if the game stopped here) the real file is still the old one.
  EXPECT_EQ(ReadRaw(path_), "old scores");
  EXPECT_TRUE(fs::exists(path_ + ".tmp"));
  ASSERT_TRUE(CloseFileId(0));
  EXPECT_EQ(ReadRaw(path_), fresh);

  // Creating again over a number still open for writing abandons nothing silently: the first file is
  // closed (and so completed) before the number is reused.
  ASSERT_TRUE(CreateFileId(0, path_));
  WriteBytes(0, "first", 5);
  std::string other = (dir_ / "other").string();
  ASSERT_TRUE(CreateFileId(0, other));
  WriteBytes(0, "second", 6);
  ASSERT_TRUE(CloseFileId(0));
  EXPECT_EQ(ReadRaw(path_), "first");
  EXPECT_EQ(ReadRaw(other), "second");
}

TEST_F(FilesTest, FailuresAreReportedAndNeverCrash) {
  char buffer[16] = {};
  EXPECT_EQ(FileLength(3), -1);
  EXPECT_EQ(ReadBytes(3, buffer, 4), -1);
  EXPECT_EQ(WriteBytes(3, buffer, 4), -1);
  EXPECT_FALSE(CloseFileId(3));
  EXPECT_FALSE(CloseFileId(-1));

  EXPECT_FALSE(OpenFileId(1, (dir_ / "missing").string()));
  EXPECT_FALSE(OpenFileId(1, dir_.string()));  // a folder
  EXPECT_FALSE(OpenFileId(1, ""));
  EXPECT_FALSE(CreateFileId(1, (dir_ / "no" / "such" / "folder").string()));
  EXPECT_EQ(FileLength(1), -1);

  // Reading a file opened for writing, writing one opened for reading, negative counts.
  WriteRaw(path_, "abc");
  ASSERT_TRUE(OpenFileId(1, path_));
  EXPECT_EQ(WriteBytes(1, "x", 1), -1);
  EXPECT_EQ(ReadBytes(1, buffer, -1), -1);
  EXPECT_EQ(ReadBytes(1, nullptr, 3), -1);
  EXPECT_EQ(ReadBytes(1, buffer, 0), 0);
  ASSERT_TRUE(CreateFileId(2, (dir_ / "new").string()));
  EXPECT_EQ(ReadBytes(2, buffer, 1), -1);
  EXPECT_EQ(WriteBytes(2, buffer, -5), -1);
  EXPECT_EQ(WriteBytes(2, nullptr, 5), -1);
  EXPECT_TRUE(CloseFileId(2));
  EXPECT_TRUE(CloseFileId(1));

  // When the temporary name is taken by a folder the create fails and the old file stays.
  fs::create_directory(path_ + ".tmp");
  EXPECT_FALSE(CreateFileId(1, path_));
  EXPECT_EQ(ReadRaw(path_), "abc");

  EXPECT_TRUE(FileExists(path_));
  EXPECT_FALSE(FileExists(dir_.string()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists((dir_ / "missing").string()));
}

TEST_F(FilesTest, PathsWithBackslashesWork) {
  fs::create_directory(dir_ / "packs");
  std::string windowsStyle = dir_.string() + "\\packs\\scores.pak";
  ASSERT_TRUE(CreateFileId(1, windowsStyle));
  WriteBytes(1, "ok", 2);
  ASSERT_TRUE(CloseFileId(1));
  EXPECT_TRUE(FileExists(windowsStyle));
  EXPECT_EQ(ReadRaw((dir_ / "packs" / "scores.pak").string()), "ok");
}



}  // namespace
