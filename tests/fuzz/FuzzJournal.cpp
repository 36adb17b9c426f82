// Fuzz target: the input journal's reader takes any text a --replay file may hold, line by line as a replay
// reads it, each line applied to the input the lines before it left.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/InputFrame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  InputFrame frame;
  size_t at = 0;
  while (at <= text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    long number = 0;
    ParseJournalLine(text.substr(at, end - at), number, frame);
    frame.wheel = 0;  // events last one frame
    frame.text.clear();
    at = end + 1;
  }
  return 0;
}
