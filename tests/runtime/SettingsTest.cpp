// Reading "config" at start-up: a missing file is created, one that cannot be read is kept as it stands.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "runtime/Settings.h"
#include "support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;

class ConfigFile : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = settings;
  }
  void TearDown() override {
    settings = saved_;
  }
  // Reads the preferences with every switch set the other way first; returns what went to standard error.
  std::string Read() {
    settings.musicEnabled = false;
    settings.flipMethod = 2;
    settings.joystickEnabled = true;
    settings.playerName = "Someone";
    ::testing::internal::CaptureStderr();
    ReadPreferences();
    return ::testing::internal::GetCapturedStderr();
  }
  void ExpectDefaults() {
    EXPECT_TRUE(settings.musicEnabled);
    EXPECT_EQ(settings.flipMethod, 1);
    EXPECT_FALSE(settings.joystickEnabled);
    EXPECT_EQ(settings.playerName, "Offline");
  }

  TemporaryFolder folder_{"config"};
  Settings saved_;
};

TEST_F(ConfigFile, AMissingFileIsCreatedAndAReadableOneIsRead) {
  EXPECT_EQ(Read(), "");
  ExpectDefaults();
  EXPECT_TRUE(fs::is_regular_file("config"));
  std::ofstream("config") << "ingame_music = 0\nflip_method = 2\nplayer_name = Ann\n";
  EXPECT_EQ(Read(), "");
  EXPECT_FALSE(settings.musicEnabled);
  EXPECT_EQ(settings.flipMethod, 2);
  EXPECT_EQ(settings.playerName, "Ann");
}

TEST_F(ConfigFile, WhatCannotBeReadIsKeptAndTheGamePlaysWithDefaults) {
  // A link to nothing stays a link to nothing.
  fs::create_symlink("gone/config.real", "config");
  EXPECT_NE(Read().find("config is a link to nothing: it is left as it is"), std::string::npos);
  ExpectDefaults();
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status("config")));
  EXPECT_EQ(fs::read_symlink("config"), "gone/config.real");
  fs::remove("config");
  // A pipe is neither read (that would wait for a writer) nor replaced.
  ASSERT_EQ(mkfifo("config", 0600), 0);
  EXPECT_NE(Read().find("config is a pipe (FIFO), not a file"), std::string::npos);
  ExpectDefaults();
  EXPECT_TRUE(fs::is_fifo("config"));
  fs::remove("config");
  // A folder keeps what it holds.
  fs::create_directory("config");
  std::ofstream("config/keep") << "x";
  EXPECT_NE(Read().find("config is a folder"), std::string::npos);
  EXPECT_TRUE(fs::exists("config/keep"));
  EXPECT_FALSE(fs::exists("config.tmp"));
}

}  // namespace
