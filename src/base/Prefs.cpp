// The preferences file: "key = value" lines under [group] headings, edited in place and saved through a temporary file.
//
// The syntax, as read:
//   - blank lines, and lines whose first visible character is "#" or ";", are kept as they are;
//   - "[name]" starts a group (the name is everything between the first "[" and the last "]");
//   - "key = value" sets a key (split at the first "="); blanks around key and value do not count;
//   - any other line (junk, a lost half of a line) is kept as it is and means nothing.
// Keys and group names compare without regard to letter case (ASCII letters).
// A name or value that could not stand plainly (blanks at either end, a line break or other control
// character, a leading double quote; for keys also "=" or a leading "[", "#" or ";"; for group names
// also "]") is written between double quotes with C-like escapes (\\ \" \n \r \t \xHH). Only text
// that begins with a double quote and ends with its matching closing quote is unescaped, so a value
// typed by hand such as C:\games reads as it stands.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "base/AtomicFile.h"
#include "base/Paths.h"
#include "base/Prefs.h"

namespace {

enum class LineKind { Blank, Comment, Group, Key, Other };
enum class NameUse { Key, Group, Value };

struct PrefLine {
  LineKind kind = LineKind::Other;
  std::string text;   // the line as it stands in the file, without its line break
  std::string name;   // a group's name or a key, escapes undone
  std::string value;  // a key's value, escapes undone
  std::string end = "\n";  // the line's own break, kept when the file is written back
};

struct PrefsFile {
  bool open = false;
  bool changed = false;        // only a changed file is written back
  bool byteOrderMark = false;  // the file began with a UTF-8 byte order mark: it keeps it
  std::string path;
  std::string lineEnd = "\n";  // the line break of new lines: the one the file's first line has
  std::vector<PrefLine> lines;
  std::string group;  // the selected group; "" is the top of the file
};

PrefsFile prefs;

const std::string kByteOrderMark = "\xEF\xBB\xBF";

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = LowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads a quoted text starting at text[at] == '"'; `at` ends after the closing quote.
bool ParseQuoted(const std::string& text, size_t& at, std::string& out) {
  out.clear();
  size_t i = at + 1;
  while (i < text.size()) {
    char c = text[i++];
    if (c == '"') {
      at = i;
      return true;
    }
    if (c != '\\' || i >= text.size()) {
      out += c;
      continue;
    }
    char e = text[i++];
    switch (e) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'x': {
        int high = i < text.size() ? HexDigit(text[i]) : -1;
        int low = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
        if (high < 0 || low < 0) {
          out += 'x';
        } else {
          out += static_cast<char>(high * 16 + low);
          i += 2;
        }
        break;
      }
      default: out += e; break;  // \\ and \" and anything unknown stand for the character itself
    }
  }
  return false;
}

// A quoted text that fills `text` exactly yields its content; anything else is taken as it stands.
std::string Unquote(const std::string& text) {
  if (text.empty() || text[0] != '"') return text;
  size_t at = 0;
  std::string out;
  if (ParseQuoted(text, at, out) && at == text.size()) return out;
  return text;
}

bool NeedsQuotes(const std::string& text, NameUse use) {
  if (text.empty()) return use == NameUse::Key;  // an empty value is simply nothing after "="
  if (IsBlank(text.front()) || IsBlank(text.back()) || text.front() == '"') return true;
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return true;
  }
  if (use == NameUse::Key) {
    return text.find('=') != std::string::npos || text.front() == '[' || text.front() == '#' || text.front() == ';';
  }
  if (use == NameUse::Group) return text.find(']') != std::string::npos;
  return false;
}

std::string Encode(const std::string& text, NameUse use) {
  if (!NeedsQuotes(text, use)) return text;
  static const char* const kHex = "0123456789ABCDEF";
  std::string out = "\"";
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20 || u == 0x7F) {
          out += "\\x";
          out += kHex[u >> 4];
          out += kHex[u & 15];
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

PrefLine BlankLine() {
  PrefLine line;
  line.kind = LineKind::Blank;
  line.end = prefs.lineEnd;
  return line;
}

PrefLine GroupLine(const std::string& name) {
  PrefLine line;
  line.end = prefs.lineEnd;
  line.kind = LineKind::Group;
  line.name = name;
  // Built from characters: g++ 12 warns falsely (-Wrestrict) about short literals copied into strings here.
  std::string text = Encode(name, NameUse::Group);
  text.insert(text.begin(), '[');
  text.push_back(']');
  line.text = std::move(text);
  return line;
}

PrefLine KeyLine(const std::string& key, const std::string& value) {
  PrefLine line;
  line.end = prefs.lineEnd;
  line.kind = LineKind::Key;
  line.name = key;
  line.value = value;
  line.text = Encode(key, NameUse::Key) + " =";
  if (!value.empty()) {
    line.text.push_back(' ');
    line.text += Encode(value, NameUse::Value);
  }
  return line;
}

PrefLine ParseLine(std::string text) {
  PrefLine line;
  std::string t = Trim(text);
  line.text = std::move(text);
  if (t.empty()) {
    line.kind = LineKind::Blank;
  } else if (t[0] == '#' || t[0] == ';') {
    line.kind = LineKind::Comment;
  } else if (t[0] == '[' && t.back() == ']' && t.size() >= 2) {
    line.kind = LineKind::Group;
    line.name = Unquote(Trim(t.substr(1, t.size() - 2)));
  } else {
    size_t valueStart = std::string::npos;
    size_t at = 0;
    std::string quotedKey;
    if (t[0] == '"' && ParseQuoted(t, at, quotedKey)) {
      while (at < t.size() && IsBlank(t[at])) ++at;
      if (at < t.size() && t[at] == '=') {
        line.name = quotedKey;
        valueStart = at + 1;
      }
    }
    if (valueStart == std::string::npos) {
      size_t equals = t.find('=');
      if (equals == std::string::npos) return line;  // Other: kept, means nothing
      line.name = Trim(t.substr(0, equals));
      valueStart = equals + 1;
    }
    line.kind = LineKind::Key;
    line.value = Unquote(Trim(t.substr(valueStart)));
  }
  return line;
}

void ParseFile(std::string content) {
  if (content.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
    prefs.byteOrderMark = true;
    content.erase(0, kByteOrderMark.size());
  }
  size_t start = 0;
  bool first = true;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string text = content.substr(start, end - start);
    bool carriageReturn = !text.empty() && text.back() == '\r';
    if (carriageReturn) text.pop_back();
    if (first && carriageReturn) prefs.lineEnd = "\r\n";
    first = false;
    prefs.lines.push_back(ParseLine(std::move(text)));
    if (end < content.size()) prefs.lines.back().end = carriageReturn ? "\r\n" : "\n";
    else prefs.lines.back().end = prefs.lineEnd;  // the last line had no break: it gets the file's
    start = end + 1;
  }
}

// Walks the file from the top, telling for each line whether it lies in the selected group.
class GroupWalk {
 public:
  explicit GroupWalk(const std::string& group) : group_(group), inside_(group.empty()) {}
  bool Step(const PrefLine& line) {
    if (line.kind == LineKind::Group) inside_ = !group_.empty() && SameName(line.name, group_);
    return inside_ && line.kind != LineKind::Group;
  }

 private:
  const std::string& group_;
  bool inside_;
};

PrefLine* FindKey(const std::string& key) {
  GroupWalk walk(prefs.group);
  for (PrefLine& line : prefs.lines) {
    if (walk.Step(line) && line.kind == LineKind::Key && SameName(line.name, key)) return &line;
  }
  return nullptr;
}

bool GroupHeadingExists(const std::string& name) {
  for (const PrefLine& line : prefs.lines) {
    if (line.kind == LineKind::Group && SameName(line.name, name)) return true;
  }
  return false;
}

// Where a new key of the selected group goes: after the last non-blank line of its first section,
// so that the blank lines that separate it from the next heading stay where they are.
size_t InsertionPoint() {
  size_t begin = 0;
  if (!prefs.group.empty()) {
    while (begin < prefs.lines.size() &&
           !(prefs.lines[begin].kind == LineKind::Group && SameName(prefs.lines[begin].name, prefs.group))) {
      ++begin;
    }
    ++begin;  // after the heading
  }
  size_t point = begin;
  for (size_t i = begin; i < prefs.lines.size() && prefs.lines[i].kind != LineKind::Group; ++i) {
    if (prefs.lines[i].kind != LineKind::Blank) point = i + 1;
  }
  return point;
}

void WriteValue(const std::string& key, const std::string& value) {
  if (!prefs.open) return;
  if (PrefLine* line = FindKey(key)) {
    if (line->value == value) return;
    std::string end = line->end;
    *line = KeyLine(line->name, value);  // keeps the file's own spelling of the key
    line->end = end;
    prefs.changed = true;
    return;
  }
  if (!prefs.group.empty() && !GroupHeadingExists(prefs.group)) {
    if (!prefs.lines.empty() && prefs.lines.back().kind != LineKind::Blank) prefs.lines.push_back(BlankLine());
    prefs.lines.push_back(GroupLine(prefs.group));
    prefs.lines.push_back(KeyLine(key, value));
  } else {
    prefs.lines.insert(prefs.lines.begin() + static_cast<long>(InsertionPoint()), KeyLine(key, value));
  }
  prefs.changed = true;
}

// Writes the whole file under a temporary name and renames it over the old one, so that a crash
// leaves either the old file or the new one, never a half-written one.
bool SaveFile() {
  std::string content = prefs.byteOrderMark ? kByteOrderMark : std::string();
  for (const PrefLine& line : prefs.lines) content += line.text + line.end;
  std::string error;
  return WriteFileAtomically(prefs.path, content, error, {.syncFirst = true});
}

// Why the last OpenPrefs failed; empty when nothing at all stands under the name.
std::string openError;

// Empty when what stands at `path` is a regular file (or a link to one), else why it cannot be read as
// preferences.
std::string NotReadableReason(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::file_status own = fs::symlink_status(path, error);
  if (error) return "cannot be examined: " + error.message();
  fs::file_status target = fs::status(path, error);
  if (own.type() == fs::file_type::symlink && target.type() == fs::file_type::not_found)
    return "is a link to nothing";
  if (error) return "cannot be examined: " + error.message();
  switch (target.type()) {
    case fs::file_type::regular: return "";
    case fs::file_type::directory: return "is a folder, not a file";
    case fs::file_type::fifo: return "is a pipe (FIFO), not a file";
    default: return "is not a regular file";
  }
}

}  // namespace

const std::string& PrefsOpenError() { return openError; }

bool OpenPrefs(const std::string& name) {
  if (prefs.open) ClosePrefs();
  openError = "no file name";
  if (name.empty()) return false;
  std::string path = NativePath(name);
  std::error_code missing;
  if (std::filesystem::symlink_status(path, missing).type() == std::filesystem::file_type::not_found) {
    openError.clear();
    return false;
  }
  openError = NotReadableReason(path);
  if (!openError.empty()) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    openError = std::string("cannot be opened: ") + std::strerror(errno);
    return false;
  }
  std::string content;
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) content.append(chunk, static_cast<size_t>(in.gcount()));
  if (in.bad()) {
    openError = "cannot be read to its end";
    return false;
  }
  prefs = PrefsFile();
  prefs.path = path;
  ParseFile(std::move(content));
  prefs.open = true;
  return true;
}

bool CreatePrefs(const std::string& name) {
  if (prefs.open) ClosePrefs();
  if (name.empty()) return false;
  prefs = PrefsFile();
  prefs.path = NativePath(name);
  prefs.open = true;
  prefs.changed = true;  // the file is created on closing even when nothing is written to it
  return true;
}

void PrefsGroup(const std::string& name) { prefs.group = name; }

bool PrefsGroupExists(const std::string& name) {
  if (name.empty()) return prefs.open;  // the top of the file is always there
  return prefs.open && GroupHeadingExists(name);
}

int ReadPrefInt(const std::string& key, int defaultValue) {
  if (!prefs.open) return defaultValue;
  const PrefLine* line = FindKey(key);
  if (line == nullptr) return defaultValue;
  std::string text = Trim(line->value);
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') {
    ++begin;
    if (begin != end && *begin == '-') return defaultValue;
  }
  int value = 0;
  auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end || begin == end) return defaultValue;  // junk or out of range
  return value;
}

std::string ReadPrefText(const std::string& key, const std::string& defaultValue) {
  if (!prefs.open) return defaultValue;
  const PrefLine* line = FindKey(key);
  return line == nullptr ? defaultValue : line->value;
}

void WritePrefInt(const std::string& key, int value) { WriteValue(key, std::to_string(value)); }

void WritePrefText(const std::string& key, const std::string& value) { WriteValue(key, value); }

bool ClosePrefs() {
  if (!prefs.open) return false;
  bool ok = !prefs.changed || SaveFile();
  prefs = PrefsFile();
  return ok;
}
