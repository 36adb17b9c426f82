// The configuration window's form: the name and password filters, the forced timer pacing, and what it stores.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Prefs.h"
#include "front/ConfigurationForm.h"
#include "media/Media.h"
#include "runtime/Settings.h"
#include "support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(NameFilters, KeepOnlyTheAllowedCharactersInOrder) {
  EXPECT_EQ(FilterName("Ann_a1"), "Anna1");  // the underscore between a letter and a digit goes
  EXPECT_EQ(FilterName("<Zed> -!?"), "Zed -!?");
  EXPECT_EQ(FilterName("a.b,c;d\t\"e'"), "abcde");
  EXPECT_EQ(FilterName(""), "");
  EXPECT_EQ(FilterPassword("se cr@et"), "secret");  // a blank and an at sign lose both, the rest keeps order
  EXPECT_EQ(FilterPassword("%a\\b&c/d$e"), "abcde");
  EXPECT_EQ(FilterPassword("x_y-z!"), "x_y-z!");
  // Bytes beyond ASCII are not letters to the filter: names stay plain for the score server.
  EXPECT_EQ(FilterName("J\xC3\xB6rg"), "Jrg");
}

class Form : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = settings;
  }
  void TearDown() override {
    settings = saved_;
  }
  static std::string File() {
    std::ifstream in("config");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  TemporaryFolder folder_{"form"};
  Settings saved_;
};

TEST_F(Form, OpensWithTheSettingsAndForcesTheTimerWithoutASixtyHertzMode) {
  settings.musicEnabled = false;
  settings.joystickEnabled = true;
  settings.flipMethod = 1;
  settings.playerName = "Ann";
  ConfigurationForm form = FormFromSettings(true);
  EXPECT_FALSE(form.music);
  EXPECT_TRUE(form.joystick);
  EXPECT_EQ(form.flipMethod, 1);
  EXPECT_FALSE(form.synchroLocked);
  EXPECT_EQ(form.name, "Ann");
  form = FormFromSettings(false);
  EXPECT_EQ(form.flipMethod, 2);
  EXPECT_TRUE(form.synchroLocked);
  // A hand-edited method that does not exist shows the first option.
  settings.flipMethod = 7;
  EXPECT_EQ(FormFromSettings(true).flipMethod, 1);

  std::ofstream("config") << "flip_method = 1\n";
  form = FormFromSettings(false);
  form.flipMethod = 1;  // the locked options cannot be changed, whatever the gadgets say
  ApplyForm(form);
  EXPECT_EQ(settings.flipMethod, 2);
  EXPECT_NE(File().find("flip_method = 2"), std::string::npos);
}

TEST_F(Form, StoresTheSwitchesAndTheFilteredNameButNeverThePassword) {
  std::ofstream("config") << "ingame_music = 0\nsomething_else = 5\n[Bob]\nalpha = 0101-0202-0303-0404-0505\n"
                             "beta = kept\n";
  ConfigurationForm form;
  form.music = true;
  form.sound = false;
  form.effects = false;
  form.internet = false;
  form.joystick = true;
  form.flipMethod = 2;
  form.name = "Ann_a1 <x>";
  form.password = "p w@d";
  ApplyForm(form);
  EXPECT_EQ(settings.playerName, "Anna1 x");
  EXPECT_EQ(settings.playerPassword, "pwd");
  EXPECT_TRUE(settings.musicEnabled);
  EXPECT_FALSE(settings.soundEnabled);
  EXPECT_EQ(settings.flipMethod, 2);
  std::string file = File();
  EXPECT_EQ(file.find("pwd"), std::string::npos);
  EXPECT_EQ(file.find("fullscreen_switch"), std::string::npos);
  ASSERT_TRUE(OpenPrefs("config"));
  PrefsGroup("");
  EXPECT_EQ(ReadPrefInt("ingame_music", -1), 1);
  EXPECT_EQ(ReadPrefInt("ingame_sound", -1), 0);
  EXPECT_EQ(ReadPrefInt("effects_switch", -1), 0);
  EXPECT_EQ(ReadPrefInt("internet_access_switch", -1), 0);
  EXPECT_EQ(ReadPrefInt("joystick_switch", -1), 1);
  EXPECT_EQ(ReadPrefInt("flip_method", -1), 2);
  EXPECT_EQ(ReadPrefText("player_name", ""), "Anna1 x");
  EXPECT_EQ(ReadPrefInt("something_else", -1), 5);
  // Another player's saved game survives the window.
  PrefsGroup("Bob");
  EXPECT_EQ(ReadPrefText("alpha", ""), "0101-0202-0303-0404-0505");
  EXPECT_EQ(ReadPrefText("beta", ""), "kept");
  ClosePrefs();
}

TEST_F(Form, APlayerWithoutAnAccountIsStoredAsOffline) {
  for (const char* typed : {"Player 1", "PLAYER 1", "pLaYeR 1", "", "__"}) {
    std::ofstream("config") << "";
    ConfigurationForm form;
    form.name = typed;
    ApplyForm(form);
    EXPECT_EQ(settings.playerName, "Offline") << typed;
    EXPECT_NE(File().find("player_name = Offline"), std::string::npos) << typed;
  }
  ConfigurationForm form;
  form.name = "Player 12";
  ApplyForm(form);
  EXPECT_EQ(settings.playerName, "Player 12");
}

TEST_F(Form, AFileThatCannotBeReadIsLeftAloneAndTheChoicesHoldForThisRun) {
  fs::create_directory("config");  // not a file: it cannot be opened as one
  ConfigurationForm form;
  form.music = false;
  form.name = "Ann";
  ApplyForm(form);
  EXPECT_FALSE(settings.musicEnabled);
  EXPECT_EQ(settings.playerName, "Ann");
  EXPECT_TRUE(fs::is_directory("config"));
}

}  // namespace
