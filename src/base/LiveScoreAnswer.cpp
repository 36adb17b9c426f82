// The GetScores answer, read by the game and written by the score server.
#include "base/LiveScoreAnswer.h"

#include <climits>
#include <vector>

#include "base/WholeNumber.h"

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

// A decimal number and nothing else.
bool Number(const std::string& text, int64_t& value) {
  long number = 0;
  if (!ReadWholeNumber(text, INT64_MIN, INT64_MAX, number)) return false;
  value = number;
  return true;
}

}  // namespace

bool ReadLiveScores(const std::string& answer, ScoreRows& rows) {
  std::vector<std::string> fields = Split(answer, '\x06');
  fields.resize(3);
  int64_t checksum = 0, count = 0;
  // A missing or unreadable checksum or count counts as 0, as an empty field does.
  if (!Number(fields[0], checksum)) checksum = 0;
  if (!Number(fields[1], count)) count = 0;
  if (count < 0 || count > static_cast<int64_t>(kScoreRows)) return false;
  std::vector<std::string> lines = Split(fields[2], '\r');
  ScoreRows read;
  for (int64_t i = 0; i < count; ++i) {
    if (static_cast<size_t>(i) >= lines.size()) return false;
    std::vector<std::string> parts = Split(lines[static_cast<size_t>(i)], '\t');
    int64_t score = 0;
    if (parts.size() < 2 || !Number(parts[1], score)) return false;
    if (score < INT32_MIN || score > INT32_MAX) return false;
    checksum -= score;
    read[static_cast<size_t>(i)].name = parts[0];
    read[static_cast<size_t>(i)].score = static_cast<int32_t>(score);
  }
  if (checksum != 0) return false;
  // An empty list is taken without a change; a shorter one than before leaves no stale rows behind it.
  if (count > 0) rows = read;
  return true;
}

std::string LiveScoresAnswer(const ScoreRows& rows, size_t count) {
  if (count > kScoreRows) count = kScoreRows;
  int64_t sum = 0;
  std::string list;
  for (size_t i = 0; i < count; ++i) {
    sum += rows[i].score;
    if (i > 0) list += '\r';
    list += rows[i].name + '\t' + std::to_string(rows[i].score);
  }
  return std::to_string(sum) + '\x06' + std::to_string(count) + '\x06' + list;
}
