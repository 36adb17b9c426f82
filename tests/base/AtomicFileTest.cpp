// Replacing files whole: the new bytes or the old file, never a half-written one and no temporary left over.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/AtomicFile.h"

namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("nb-atomic-" + std::to_string(getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "file.dat").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  void WriteOld() { std::ofstream(path_, std::ios::binary) << "old contents"; }

  fs::path dir_;
  std::string path_;
};

TEST_F(AtomicFile, WritesNewFilesAndReplacesOldOnesKeepingTheirPermissions) {
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path_, std::string("first"), error)) << error;
  EXPECT_EQ(Read(path_), "first");
  chmod(path_.c_str(), 0600);
  const std::vector<uint8_t> bytes = {0, 1, 2, 255};
  ASSERT_TRUE(WriteFileAtomically(path_, bytes, error, {.syncFirst = true})) << error;
  EXPECT_EQ(Read(path_), std::string("\0\1\2\xFF", 4));
  struct stat info {};
  ASSERT_EQ(stat(path_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_FALSE(fs::exists(TemporaryPathFor(path_)));
  ASSERT_TRUE(WriteFileAtomically(path_, std::string(), error)) << error;  // empty is a file too
  EXPECT_TRUE(fs::exists(path_));
  EXPECT_EQ(fs::file_size(path_), 0u);
}

TEST_F(AtomicFile, MissingFoldersAreMadeOnlyWhenAskedFor) {
  std::string deep = (dir_ / "a" / "b" / "file.txt").string(), error;
  EXPECT_FALSE(WriteFileAtomically(deep, std::string("x"), error));
  EXPECT_NE(error.find(TemporaryPathFor(deep)), std::string::npos) << error;
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  ASSERT_TRUE(WriteFileAtomically(deep, std::string("x"), error, {.makeFolders = true})) << error;
  EXPECT_EQ(Read(deep), "x");
}

TEST_F(AtomicFile, EveryFailureLeavesTheOldFileWholeAndNoTemporary) {
  WriteOld();
  std::string error;
  // The temporary name is taken by a folder: the file cannot even be made.
  fs::create_directory(TemporaryPathFor(path_));
  EXPECT_FALSE(WriteFileAtomically(path_, std::string("new"), error));
  EXPECT_EQ(error.rfind("cannot create " + TemporaryPathFor(path_) + ": ", 0), 0u) << error;
  EXPECT_EQ(Read(path_), "old contents");
  fs::remove(TemporaryPathFor(path_));

  // A writer that fails half-way: its partial file goes, its reason is passed on.
  auto failing = [](const std::string& temporary, std::string& why) {
    std::ofstream(temporary) << "half";
    why = "disk full";
    return false;
  };
  EXPECT_FALSE(WriteThroughTemporary(path_, failing, error));
  EXPECT_EQ(error, "cannot write " + path_ + ": disk full");
  EXPECT_EQ(Read(path_), "old contents");
  EXPECT_FALSE(fs::exists(TemporaryPathFor(path_)));

  // The rename fails (the target is a folder that is not empty): the temporary file goes.
  std::string folder = (dir_ / "folder").string();
  fs::create_directories(fs::path(folder) / "inside");
  auto writing = [](const std::string& temporary, std::string&) {
    std::ofstream(temporary) << "new";
    return true;
  };
  EXPECT_FALSE(WriteThroughTemporary(folder, writing, error));
  EXPECT_EQ(error.rfind("cannot rename " + TemporaryPathFor(folder) + " to " + folder + ": ", 0), 0u) << error;
  EXPECT_TRUE(fs::is_directory(fs::path(folder) / "inside"));
  EXPECT_FALSE(fs::exists(TemporaryPathFor(folder)));

  // The same writer succeeds on the real file.
  ASSERT_TRUE(WriteThroughTemporary(path_, writing, error)) << error;
  EXPECT_EQ(Read(path_), "new");
}

TEST_F(AtomicFile, WriteWholeHandsOverEveryByte) {
  std::string big(1 << 20, 'z');
  big[12345] = 'a';
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path_, big, error)) << error;
  EXPECT_EQ(Read(path_), big);
  FILE* readOnly = std::fopen(path_.c_str(), "r");  // writing to it fails
  ASSERT_NE(readOnly, nullptr);
  EXPECT_FALSE(WriteWhole(fileno(readOnly), "x", 1));
  std::fclose(readOnly);
}

}  // namespace
