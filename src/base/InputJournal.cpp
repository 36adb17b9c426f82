// The input journal: every frame's input written as text while recording and read back for a replay.
#include "base/InputFrame.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

std::string EscapeText(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (c > 32 && c < 127 && c != '%') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

bool UnescapeText(const std::string& text, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return false;
    char* end = nullptr;
    std::string pair = text.substr(i + 1, 2);
    long value = std::strtol(pair.c_str(), &end, 16);
    if (pair.size() != 2 || end != pair.c_str() + 2) return false;
    out += static_cast<char>(value);
    i += 2;
  }
  return true;
}

std::string KeyList(const std::bitset<256>& keys) {
  std::string out;
  for (int k = 0; k < 256; ++k) {
    if (!keys[k]) continue;
    if (!out.empty()) out += ',';
    out += std::to_string(k);
  }
  return out;
}

// Reads "a,b,c" integers; false on anything else.
bool ReadInts(const std::string& text, std::vector<long>& values) {
  values.clear();
  if (text.empty()) return true;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    char* end = nullptr;
    long value = std::strtol(item.c_str(), &end, 10);
    if (item.empty() || *end != '\0') return false;
    values.push_back(value);
  }
  return true;
}

}  // namespace

std::string JournalLine(long frame, const InputFrame& now, const InputFrame& before) {
  std::string line;
  if (now.keys != before.keys) line += " keys=" + KeyList(now.keys);
  if (now.mouseDx != before.mouseDx || now.mouseDy != before.mouseDy) {
    line += " mouse=" + std::to_string(now.mouseDx) + "," + std::to_string(now.mouseDy);
  }
  if (now.buttons != before.buttons) line += " buttons=" + std::to_string(now.buttons);
  if (now.joyX != before.joyX || now.joyY != before.joyY || now.joyButtons != before.joyButtons) {
    line += " joy=" + std::to_string(now.joyX) + "," + std::to_string(now.joyY) + "," +
            std::to_string(now.joyButtons);
  }
  if (now.wheel != 0) line += " wheel=" + std::to_string(now.wheel);
  if (!now.text.empty()) line += " text=" + EscapeText(now.text);
  if (line.empty()) return "";
  return std::to_string(frame) + line;
}

bool ParseJournalLine(const std::string& line, long& frameNumber, InputFrame& frame) {
  std::stringstream in(line);
  std::string word;
  if (!(in >> word)) return false;
  char* end = nullptr;
  long number = std::strtol(word.c_str(), &end, 10);
  if (*end != '\0' || number < 0) return false;
  InputFrame next = frame;
  std::vector<long> values;
  while (in >> word) {
    auto eq = word.find('=');
    if (eq == std::string::npos) return false;
    std::string field = word.substr(0, eq), value = word.substr(eq + 1);
    if (field == "text") {
      if (!UnescapeText(value, next.text)) return false;
      continue;
    }
    if (!ReadInts(value, values)) return false;
    if (field == "keys") {
      next.keys.reset();
      for (long k : values) {
        if (k < 0 || k > 255) return false;
        next.keys.set(static_cast<size_t>(k));
      }
    } else if (field == "mouse" && values.size() == 2) {
      next.mouseDx = static_cast<int>(values[0]);
      next.mouseDy = static_cast<int>(values[1]);
    } else if (field == "buttons" && values.size() == 1) {
      next.buttons = static_cast<int>(values[0]);
    } else if (field == "wheel" && values.size() == 1) {
      next.wheel = static_cast<int>(values[0]);
    } else if (field == "joy" && values.size() == 3) {
      next.joyX = static_cast<int>(values[0]);
      next.joyY = static_cast<int>(values[1]);
      next.joyButtons = static_cast<int>(values[2]);
    } else {
      return false;
    }
  }
  frameNumber = number;
  frame = next;
  return true;
}
