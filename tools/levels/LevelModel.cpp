// Kind and capsule names of the level sources.
#include "LevelModel.h"

#include <cctype>

namespace {

struct NamedNumber {
  const char* name;
  int number;
};

const NamedNumber kKinds[] = {
    {"red", tileRed},           {"green", tileGreen},        {"blue", tileBlue},     {"yellow", tileYellow},
    {"magenta", tileMagenta},   {"cyan", tileCyan},          {"white", tileWhite},   {"black", tileBlack},
    {"solid", tileUnbreakable}, {"hit3", tileThreeHits},     {"hit2", tileTwoHits},  {"hit1", tileOneHit},
    {"tele", tileTeleporter},
};

const NamedNumber kCapsules[] = {
    {"TRIPLE", capsuleTriple}, {"ENLARGE", capsuleEnlarge}, {"FIRE", capsuleFire},
    {"LASER", capsuleLaser},   {"GLUE", capsuleGlue},       {"MISSILE", capsuleMissile},
    {"DOOR", capsuleDoor},     {"ROW", capsuleRow},         {"BIGGER", capsuleBigger},
    {"CHAINGUN", capsuleChaingun}, {"LIFE", capsuleExtraLife},
};

std::string Upper(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

}  // namespace

int KindByName(const std::string& name) {
  for (const NamedNumber& kind : kKinds)
    if (name == kind.name) return kind.number;
  return 0;
}

int CapsuleByName(const std::string& name) {
  std::string upper = Upper(name);
  for (const NamedNumber& capsule : kCapsules)
    if (upper == capsule.name) return capsule.number;
  return 0;
}

const char* KindName(int sprite) {
  for (const NamedNumber& kind : kKinds)
    if (sprite == kind.number) return kind.name;
  return "?";
}

const char* CapsuleName(int capsule) {
  for (const NamedNumber& entry : kCapsules)
    if (capsule == entry.number) return entry.name;
  return "?";
}
