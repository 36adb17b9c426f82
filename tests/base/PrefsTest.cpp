// The preferences file: round trips, groups, awkward names and values, damaged files and safe saving.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "media/Media.h"

namespace {

namespace fs = std::filesystem;

class PrefsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("nb-prefs-" + std::to_string(getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "config").string();
  }
  void TearDown() override {
    ClosePrefs();
    fs::remove_all(dir_);
  }

  void WriteRaw(const std::string& content) {
    std::ofstream out(path_, std::ios::binary);
    out << content;
  }
  std::string ReadRaw() {
    std::ifstream in(path_, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  ino_t Inode() {
    struct stat info {};
    stat(path_.c_str(), &info);
    return info.st_ino;
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(PrefsTest, RoundTripWithGroupsAndCaseInsensitiveNames) {
  EXPECT_FALSE(OpenPrefs(path_));  // missing
  ASSERT_TRUE(CreatePrefs(path_));
  WritePrefInt("ingame_music", 0);
  WritePrefInt("flip_method", 2);
  WritePrefText("player_name", "Ann Lee");
  PrefsGroup("Ann Lee");
  WritePrefText("alpha", "0123-4567");
  WritePrefInt("Gamma", -3);
  PrefsGroup("Bob");
  WritePrefText("alpha", "bob's");
  ASSERT_TRUE(ClosePrefs());

  ASSERT_TRUE(OpenPrefs(path_));
  EXPECT_EQ(ReadPrefInt("INGAME_MUSIC", 1), 0);
  EXPECT_EQ(ReadPrefInt("flip_method", 1), 2);
  EXPECT_EQ(ReadPrefText("Player_Name", "Offline"), "Ann Lee");
  EXPECT_EQ(ReadPrefText("alpha", "none"), "none");  // group keys are not at the top
  EXPECT_TRUE(PrefsGroupExists("ann lee"));
  EXPECT_TRUE(PrefsGroupExists("BOB"));
  EXPECT_FALSE(PrefsGroupExists("Carol"));
  EXPECT_TRUE(PrefsGroupExists(""));
  PrefsGroup("ANN LEE");
  EXPECT_EQ(ReadPrefText("ALPHA", ""), "0123-4567");
  EXPECT_EQ(ReadPrefInt("gamma", 0), -3);
  EXPECT_EQ(ReadPrefText("player_name", "missing"), "missing");  // top keys are not in the group
  PrefsGroup("bob");
  EXPECT_EQ(ReadPrefText("alpha", ""), "bob's");
  PrefsGroup("Carol");  // reading a missing group gives defaults and creates nothing
  EXPECT_EQ(ReadPrefInt("alpha", 17), 17);
  ASSERT_TRUE(ClosePrefs());
  ASSERT_TRUE(OpenPrefs(path_));
  EXPECT_FALSE(PrefsGroupExists("Carol"));
}

TEST_F(PrefsTest, MissingOrUnreadableValuesGiveTheDefault) {
  WriteRaw("a = 12abc\nb =\nc = 99999999999\nd = -7\ne = +8\nf = 0x10\ng =  42  \nh = +-1\n");
  ASSERT_TRUE(OpenPrefs(path_));
  EXPECT_EQ(ReadPrefInt("a", 5), 5);
  EXPECT_EQ(ReadPrefInt("b", 5), 5);
  EXPECT_EQ(ReadPrefText("b", "x"), "");  // present but empty is not missing
  EXPECT_EQ(ReadPrefInt("c", 5), 5);      // out of range
  EXPECT_EQ(ReadPrefInt("d", 5), -7);
  EXPECT_EQ(ReadPrefInt("e", 5), 8);
  EXPECT_EQ(ReadPrefInt("f", 5), 5);
  EXPECT_EQ(ReadPrefInt("g", 5), 42);
  EXPECT_EQ(ReadPrefInt("h", 5), 5);
  EXPECT_EQ(ReadPrefInt("nothing", 5), 5);
  EXPECT_EQ(ReadPrefText("nothing", "dflt"), "dflt");
  ClosePrefs();
  // Without an open file every read is the default and writes go nowhere.
  EXPECT_EQ(ReadPrefInt("d", 5), 5);
  WritePrefInt("d", 1);
  EXPECT_FALSE(ClosePrefs());
}

TEST_F(PrefsTest, WritingReplacesInPlaceAndKeepsEverythingElse) {
  const std::string original =
      "# settings of the game\n"
      "Ingame_Music = 1\n"
      "; the next line means nothing\n"
      "just some words\n"
      "player_name = Ann\n"
      "\n"
      "[Ann]\n"
      "alpha = 1\n"
      "\n"
      "[Other]\n"
      "alpha = 2\n";
  WriteRaw(original);
  ASSERT_TRUE(OpenPrefs(path_));
  WritePrefInt("ingame_music", 0);
  WritePrefText("new_key", "v");
  PrefsGroup("ann");
  WritePrefInt("alpha", 3);
  WritePrefInt("beta", 4);
  PrefsGroup("Zed");
  WritePrefInt("alpha", 5);
  ASSERT_TRUE(ClosePrefs());
  EXPECT_EQ(ReadRaw(),
            "# settings of the game\n"
            "Ingame_Music = 0\n"
            "; the next line means nothing\n"
            "just some words\n"
            "player_name = Ann\n"
            "new_key = v\n"
            "\n"
            "[Ann]\n"
            "alpha = 3\n"
            "beta = 4\n"
            "\n"
            "[Other]\n"
            "alpha = 2\n"
            "\n"
            "[Zed]\n"
            "alpha = 5\n");
}

TEST_F(PrefsTest, TheFileIsRewrittenOnlyWhenChangedAndOnlyThroughATemporaryName) {
  WriteRaw("a = 1\r\nb = two\r\n");
  ino_t before = Inode();
  ASSERT_TRUE(OpenPrefs(path_));
  EXPECT_EQ(ReadPrefText("b", ""), "two");  // Windows line breaks read cleanly
  WritePrefInt("a", 1);                      // the same value: no change
  ASSERT_TRUE(ClosePrefs());
  EXPECT_EQ(Inode(), before);

  ASSERT_TRUE(OpenPrefs(path_));
  WritePrefInt("a", 2);
  ASSERT_TRUE(ClosePrefs());
  EXPECT_NE(Inode(), before);  // replaced by renaming a new file over it
  EXPECT_EQ(ReadRaw(), "a = 2\r\nb = two\r\n");
  EXPECT_FALSE(fs::exists(path_ + ".tmp"));

  // When the temporary file cannot be made, the old file stays whole and the failure is reported.
  fs::create_directory(path_ + ".tmp");
  ASSERT_TRUE(OpenPrefs(path_));
  WritePrefInt("a", 3);
  EXPECT_FALSE(ClosePrefs());
  EXPECT_EQ(ReadRaw(), "a = 2\r\nb = two\r\n");
  EXPECT_TRUE(fs::is_directory(path_ + ".tmp"));

  // A created file appears only when closed, even when nothing was written to it.
  std::string fresh = (dir_ / "fresh").string();
  ASSERT_TRUE(CreatePrefs(fresh));
  EXPECT_FALSE(fs::exists(fresh));
  ASSERT_TRUE(ClosePrefs());
  EXPECT_TRUE(fs::exists(fresh));
  EXPECT_TRUE(OpenPrefs(fresh));
}

TEST_F(PrefsTest, AwkwardNamesAndValuesComeBackExactly) {
  // Player names come from the command line unfiltered and become group names.
  const std::string names[] = {"a=b", "[x]", "]", "x]y[", " padded ", "\"quoted\"", "back\\slash", "two\nlines",
                               "#hash", ";semi", "tab\there", "\x01\x7f", "C:\\games\\", "=", "[", "\xC3\xA9t\xC3\xA9"};
  ASSERT_TRUE(CreatePrefs(path_));
  for (const std::string& name : names) {
    PrefsGroup(name);
    WritePrefText("player", name);
    PrefsGroup("");
    WritePrefText(name, "key:" + name);
  }
  ASSERT_TRUE(ClosePrefs());

  ASSERT_TRUE(OpenPrefs(path_));
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(PrefsGroupExists(name));
    PrefsGroup(name);
    EXPECT_EQ(ReadPrefText("player", ""), name);
    PrefsGroup("");
    EXPECT_EQ(ReadPrefText(name, ""), "key:" + name);
  }
  ClosePrefs();
  // No name broke out into lines of its own: one key per name at the top, one heading and key per group.
  std::string raw = ReadRaw();
  size_t lines = 0;
  for (char c : raw) lines += c == '\n';
  size_t n = std::size(names);
  EXPECT_EQ(lines, n + n * 3 - 1);  // top keys, then blank line (none before the first) + heading + key per group

  // A value typed by hand with backslashes reads as it stands.
  WriteRaw("path = C:\\games\\nova\\x41\nquoted = \"a\\tb\"\nhalf = \"open\n");
  ASSERT_TRUE(OpenPrefs(path_));
  EXPECT_EQ(ReadPrefText("path", ""), "C:\\games\\nova\\x41");
  EXPECT_EQ(ReadPrefText("quoted", ""), "a\tb");
  EXPECT_EQ(ReadPrefText("half", ""), "\"open");
}

TEST_F(PrefsTest, DamagedFilesReadWithoutTrouble) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
  std::string huge(1024 * 1024, 'z');
  WriteRaw("\xEF\xBB\xBFingame_music = 0\n" + junk + "\nno equals sign here\n[\n]\n[unclosed\n" + huge + "\n" +
           std::string("nul\0byte = 1\n", 13) + "flip_method = 2\n" + huge + " = long key\nlast = " + huge);
  ASSERT_TRUE(OpenPrefs(path_));
  EXPECT_EQ(ReadPrefInt("ingame_music", 1), 0);  // the byte order mark is not part of the key
  EXPECT_EQ(ReadPrefInt("flip_method", 1), 2);
  EXPECT_EQ(ReadPrefText("last", "").size(), huge.size());
  EXPECT_EQ(ReadPrefText(huge, ""), "long key");
  EXPECT_EQ(ReadPrefInt("missing", 9), 9);
  // Writing keeps the damaged lines as they were.
  WritePrefInt("flip_method", 1);
  ASSERT_TRUE(ClosePrefs());
  std::string raw = ReadRaw();
  EXPECT_EQ(raw.compare(0, 3, "\xEF\xBB\xBF"), 0);
  EXPECT_NE(raw.find(junk), std::string::npos);
  EXPECT_NE(raw.find(std::string("nul\0byte = 1\n", 13)), std::string::npos);
  EXPECT_NE(raw.find("flip_method = 1\n"), std::string::npos);
  ASSERT_TRUE(OpenPrefs(path_));
  EXPECT_EQ(ReadPrefInt("flip_method", 0), 1);
  EXPECT_EQ(ReadPrefInt("ingame_music", 1), 0);

  // A folder in place of the file is not a preferences file.
  EXPECT_FALSE(OpenPrefs(dir_.string()));
  EXPECT_EQ(PrefsOpenError(), "is a folder, not a file");
}

// Only "nothing there" may be created afresh; everything else says why it cannot be read.
TEST_F(PrefsTest, AFailedOpenSaysWhetherAnythingStandsUnderTheName) {
  EXPECT_FALSE(OpenPrefs(path_));
  EXPECT_EQ(PrefsOpenError(), "");
  fs::create_symlink(dir_ / "nowhere", path_);
  EXPECT_FALSE(OpenPrefs(path_));
  EXPECT_EQ(PrefsOpenError(), "is a link to nothing");
  fs::remove(path_);
  ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
  EXPECT_FALSE(OpenPrefs(path_));
  EXPECT_EQ(PrefsOpenError(), "is a pipe (FIFO), not a file");
  fs::remove(path_);
  // A link to a readable file is read through.
  WriteRaw("");
  fs::rename(path_, dir_ / "real");
  std::ofstream(dir_ / "real") << "flip_method = 2\n";
  fs::create_symlink(dir_ / "real", path_);
  ASSERT_TRUE(OpenPrefs(path_));
  EXPECT_EQ(ReadPrefInt("flip_method", 1), 2);
}

}  // namespace
