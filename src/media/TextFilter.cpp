// Characters kept or dropped by a regular expression (PCRE2), each character tested by itself, and the player's
// name and password filtered so: shared by the game and the score server.
#include <map>
#include <memory>
#include <string>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "base/NameRules.h"
#include "media/Media.h"

namespace {

struct Expression {
  pcre2_code* code = nullptr;
  pcre2_match_data* match = nullptr;
  ~Expression() {
    if (match) pcre2_match_data_free(match);
    if (code) pcre2_code_free(code);
  }
};

// Each expression is compiled once; null when it cannot be.
const Expression* Compiled(const std::string& pattern) {
  static std::map<std::string, std::unique_ptr<Expression>> compiled;
  auto found = compiled.find(pattern);
  if (found != compiled.end()) return found->second.get();
  auto made = std::make_unique<Expression>();
  int error = 0;
  PCRE2_SIZE offset = 0;
  made->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), 0, &error, &offset, nullptr);
  if (made->code != nullptr) made->match = pcre2_match_data_create_from_pattern(made->code, nullptr);
  if (made->code == nullptr || made->match == nullptr) made.reset();
  return (compiled[pattern] = std::move(made)).get();
}

}  // namespace

bool FilterCharacters(const std::string& text, const std::string& pattern, bool keepMatching, std::string& out) {
  out.clear();
  const Expression* expression = Compiled(pattern);
  if (expression == nullptr) return false;
  for (char c : text) {
    int found = pcre2_match(expression->code, reinterpret_cast<PCRE2_SPTR>(&c), 1, 0, 0, expression->match, nullptr);
    if ((found >= 0) == keepMatching) out += c;
  }
  return true;
}

namespace {

std::string Filtered(const std::string& typed, const char* pattern, bool keepMatching) {
  std::string out;
  if (!FilterCharacters(typed, pattern, keepMatching, out)) out.clear();
  return out;
}

}  // namespace

std::string FilterName(const std::string& typed) { return Filtered(typed, kNameCharacters, true); }

std::string FilterPassword(const std::string& typed) { return Filtered(typed, kPasswordDropped, false); }
