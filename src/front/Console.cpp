// The console's commands: the plain ones, the two unlock words and the two groups they open.
#include "front/Console.h"

#include <algorithm>
#include <cctype>

#include "base/HexXor.h"
#include "base/WholeNumber.h"
#include "front/MinigameCommon.h"
#include "front/Minigames.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/Alert.h"

ConsoleState console;

namespace {

constexpr uint8_t unlockKey = 0x3C;
constexpr const char* weaponWordStored = "6F687D6E7A756E79";
constexpr const char* optionWordStored = "7B7D68796B7D65";

std::string Trimmed(const std::string& text) {
  size_t from = text.find_first_not_of(' ');
  if (from == std::string::npos) return "";
  size_t to = text.find_last_not_of(' ');
  return text.substr(from, to - from + 1);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool WeaponCommand(const std::string& verb) {
  if (verb == "MISSILE") {
    play.missileArmed = true;
    AddConsoleLine("One missile added");
  } else if (verb == "CHAINGUN") {
    play.chaingunActive = 1;
    AddConsoleLine("Chaingun bonus on");
  } else if (verb == "FIL") {
    // As the capsule starts it: fading in, so that it does not switch itself off at once.
    play.threadOn = true;
    play.threadPhase = -255;
    AddConsoleLine("Fil bonus on");
  } else if (verb == "LASER") {
    play.laserOn = true;
    AddConsoleLine("Laser bonus on");
  } else if (verb == "GLUE") {
    play.glueOn = true;
    AddConsoleLine("Ball glue to ship");
  } else if (verb == "MEGACOMBO") {
    play.missileArmed = true;
    play.chaingunActive = 1;
    play.threadOn = true;
    play.threadPhase = -255;
    play.laserOn = true;
    play.glueOn = true;
    AddConsoleLine("COMBO BONUS !");
  } else {
    return false;
  }
  return true;
}

// The level index play can go on at in the set being played; an empty argument means the first.
bool LevelArgument(const std::string& argument, int& level) {
  if (argument.empty()) {
    level = 0;
    return true;
  }
  long value = 0;
  int last = play.difficulty == difficultyHard ? 50 : 99;
  if (!ReadWholeNumber(argument, 0, last, value)) return false;
  level = static_cast<int>(value);
  return true;
}

void OptionCommand(const std::string& verb, const std::string& argument) {
  if (verb == "1972") {
    PlayDuel();
  } else if (verb == "TETRIS") {
    const std::string dashes(54, '-');
    AddConsoleLine(dashes);
    AddConsoleLine("TETRIS WAS WRITTEN BY MAJ.TORVE AND TESTED BY HIS WIFE");
    AddConsoleLine(dashes);
    PlayTetris();
    RestoreAfterTetris();
  } else if (verb == "DUCK") {
    PlayDuck();
  } else if (verb == "SUGAR") {
    PlaySugar();
  } else if (verb == "CHANGELEVEL") {
    int level = 0;
    if (!LevelArgument(argument, level)) {
      AddConsoleLine("Level out of range");
      return;
    }
    // The level ends as won; the level advance then brings play to the level asked for.
    play.levelWon = true;
    play.levelIndex = level - 1;
    play.bonusTimeLimit = 0;
    play.bonusTimeLeft = 0;
    lists.messages.Clear();
    AddConsoleLine("Change level to " + argument);
  } else if (verb == "UNLOCK") {
    play.levelsLocked = false;
    AddConsoleLine("There's now 50 levels");
  } else {
    AddConsoleLine("Command not found !");
  }
  RestoreGameMusic();
}

}  // namespace

void ResetConsole() { console = ConsoleState{}; }

std::string WeaponUnlockWord() { return HexXorDecode(weaponWordStored, unlockKey); }
std::string OptionUnlockWord() { return HexXorDecode(optionWordStored, unlockKey); }

void AddConsoleLine(const std::string& line) {
  console.lines.push_back(line);
  console.scrollOffset += consoleLineHeight;
  if (console.lines.size() > consoleMostLines) {
    size_t extra = console.lines.size() - consoleMostLines;
    console.lines.erase(console.lines.begin(), console.lines.begin() + static_cast<long>(extra));
    console.scrollOffset -= consoleLineHeight * static_cast<float>(extra);
  }
}

void ConsoleBanner() {
  AddConsoleLine("NOVABOUNC3R MERIDIAN - ZEPHYX 2008 - CONSOLE MODE");
  AddConsoleLine(std::string(44, '-'));
  console.panelY = -consoleHeight;
  console.slide = ConsoleSlide::Down;
  play.consoleOpen = false;
}

void ExecuteConsoleLine(const std::string& typed) {
  std::string line = Upper(typed);
  AddConsoleLine(line);
  console.commandLine.clear();
  console.wheelOffset = 0;
  console.lastCommand = line;
  // The verb is the text before the first blank, the argument what follows it; an empty line is only echoed.
  std::string trimmed = Trimmed(line);
  if (trimmed.empty()) return;
  size_t blank = trimmed.find(' ');
  std::string verb = trimmed.substr(0, blank);
  std::string argument = blank == std::string::npos ? "" : Trimmed(trimmed.substr(blank + 1));
  if (verb == "END") {
    SetEndReason("console");
    EndProgram(0);
  }
  if (verb == "CLEAR") {
    console.lines.clear();
    console.scrollOffset = 0;
    AddConsoleLine("NOVABOUNCER 3 MERIDIAN (2008) CONSOLE MODE");
    AddConsoleLine(std::string(44, '-'));
    console.scrollOffset = 0;
    return;
  }
  if (verb == WeaponUnlockWord()) {
    console.bonusCommandsOn = true;
    AddConsoleLine("BONUS ACTIVATED");
    AddConsoleLine(std::string(15, '-'));
    AddConsoleLine("MISSILE - CHAINGUN - FIL - LASER - GLUE - MEGACOMBO");
    return;
  }
  if (verb == OptionUnlockWord()) {
    console.optionCommandsOn = true;
    AddConsoleLine("OPTIONS ACTIVATED");
    AddConsoleLine(std::string(17, '-'));
    AddConsoleLine("1972 - TETRIS - DUCK - SUGAR");
    AddConsoleLine("CHANGELEVEL - UNLOCK");
    return;
  }
  if (console.bonusCommandsOn && WeaponCommand(verb)) return;
  if (console.optionCommandsOn) OptionCommand(verb, argument);
}
