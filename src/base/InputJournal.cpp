// The input journal: every frame's input written as text while recording and read back for a replay.
#include "base/InputFrame.h"
#include "base/WholeNumber.h"

#include <climits>
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

// Reads "a,b,c" integers each within lowest..highest; false on anything else.
bool ReadInts(const std::string& text, long lowest, long highest, std::vector<long>& values) {
  values.clear();
  if (text.empty()) return true;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    long value = 0;
    if (!ReadWholeNumber(item, lowest, highest, value)) return false;
    values.push_back(value);
  }
  // A trailing comma leaves an empty last item that getline does not return.
  return text.back() != ',';
}

struct FieldRange {
  const char* name;
  size_t count;  // numbers the field takes; 0: any number of them
  long lowest, highest;
};
constexpr FieldRange fieldRanges[] = {{"keys", 0, 0, 255},
                                      {"mouse", 2, -journalMotionLimit, journalMotionLimit},
                                      {"buttons", 1, 0, 7},
                                      {"wheel", 1, -journalMotionLimit, journalMotionLimit},
                                      {"joy", 3, 0, 65535},
                                      {"focus", 1, 0, 1}};
constexpr long joyButtonsHighest = INT_MAX;  // the third number of "joy": 31 button bits

}  // namespace

std::string JournalLine(long frame, const InputFrame& now, const InputFrame& before) {
  std::string line;
  if (now.keys != before.keys) line += " keys=" + KeyList(now.keys);
  if (now.mouseDx != before.mouseDx || now.mouseDy != before.mouseDy) {
    line += " mouse=" + std::to_string(now.mouseDx) + "," + std::to_string(now.mouseDy);
  }
  if (now.buttons != before.buttons) line += " buttons=" + std::to_string(now.buttons);
  if (!now.joyOpen && before.joyOpen) {
    line += " joy=none";
  } else if (now.joyOpen && (!before.joyOpen || now.joyX != before.joyX || now.joyY != before.joyY ||
                             now.joyButtons != before.joyButtons)) {
    line += " joy=" + std::to_string(now.joyX) + "," + std::to_string(now.joyY) + "," +
            std::to_string(now.joyButtons);
  }
  if (now.focus != before.focus) line += now.focus ? " focus=1" : " focus=0";
  if (now.wheel != 0) line += " wheel=" + std::to_string(now.wheel);
  if (!now.text.empty()) line += " text=" + EscapeText(now.text);
  if (line.empty()) return "";
  return std::to_string(frame) + line;
}

bool ParseJournalLine(const std::string& line, long& frameNumber, InputFrame& frame) {
  std::stringstream in(line);
  std::string word;
  if (!(in >> word)) return false;
  long number = 0;
  if (!ReadWholeNumber(word, 0, LONG_MAX, number)) return false;
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
    if (field == "joy" && value == "none") {
      next.joyOpen = false;
      next.joyX = next.joyY = 32767;
      next.joyButtons = 0;
      continue;
    }
    const FieldRange* range = nullptr;
    for (const FieldRange& r : fieldRanges) {
      if (field == r.name) range = &r;
    }
    if (range == nullptr) return false;
    // The joystick's buttons are checked apart: its axes have the narrower range.
    long highest = field == "joy" ? joyButtonsHighest : range->highest;
    if (!ReadInts(value, range->lowest, highest, values)) return false;
    if (range->count != 0 && values.size() != range->count) return false;
    if (field == "joy" && (values[0] > range->highest || values[1] > range->highest)) return false;
    if (field == "keys") {
      next.keys.reset();
      for (long k : values) next.keys.set(static_cast<size_t>(k));
    } else if (field == "mouse") {
      next.mouseDx = static_cast<int>(values[0]);
      next.mouseDy = static_cast<int>(values[1]);
    } else if (field == "buttons") {
      next.buttons = static_cast<int>(values[0]);
    } else if (field == "wheel") {
      next.wheel = static_cast<int>(values[0]);
    } else if (field == "focus") {
      next.focus = values[0] != 0;
    } else {
      next.joyX = static_cast<int>(values[0]);
      next.joyY = static_cast<int>(values[1]);
      next.joyButtons = static_cast<int>(values[2]);
      next.joyOpen = true;
    }
  }
  frameNumber = number;
  frame = next;
  return true;
}
