// The saved game's texts: every storable value comes back, any variant, and edited texts read as 0.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/Random.h"
#include "base/SavedGameCode.h"

namespace {

TEST(SavedGameCode, EveryStorableValueComesBackWhateverTheVariant) {
  SeedRandom(5);
  std::set<std::string> markers;
  for (int value = 0; value <= 999; ++value) {
    for (int round = 0; round < 4; ++round) {
      std::string text = EncodeSmall(value);
      ASSERT_EQ(text.size(), 24u) << text;
      ASSERT_EQ(DecodeSmall(text), value) << text;
      markers.insert(text.substr(0, 4));
    }
  }
  // The four variants' markers all turn up, each within its own hundred and one.
  std::set<char> variants;
  for (const std::string& marker : markers) variants.insert(marker[0]);
  EXPECT_EQ(variants.size(), 4u);
  // Outside the stored range values are held at its ends rather than overflowing their four digits.
  EXPECT_EQ(DecodeSmall(EncodeSmall(-5)), 0);
  EXPECT_EQ(DecodeSmall(EncodeSmall(123456)), 999);
  for (int64_t score : {0LL, 1LL, 12345LL, 987654321LL, 999999999LL}) {
    std::string text = EncodeScore(score);
    ASSERT_EQ(text.size(), 43u) << text;
    EXPECT_EQ(DecodeScore(text), score) << text;
  }
  EXPECT_EQ(DecodeScore(EncodeScore(-1)), 0);
  EXPECT_EQ(DecodeScore(EncodeScore(5000000000LL)), 999999999);
}

TEST(SavedGameCode, TheSameStateSavedTwiceReadsTheSameFromDifferentTexts) {
  SeedRandom(11);
  std::set<std::string> texts;
  for (int i = 0; i < 20; ++i) texts.insert(EncodeSmall(42));
  EXPECT_GT(texts.size(), 10u);
  for (const std::string& text : texts) EXPECT_EQ(DecodeSmall(text), 42);
}

TEST(SavedGameCode, EditedOrDamagedTextsReadAsZero) {
  SeedRandom(3);
  std::string level = EncodeSmall(57);
  // Any digit of any value group changed, even a last digit that a rule's division would lose, reads as 0.
  for (size_t at = 5; at < 24; ++at) {
    if (at % 5 == 4) continue;  // the dashes
    std::string edited = level;
    edited[at] = static_cast<char>('0' + (edited[at] - '0' + 1) % 10);
    EXPECT_EQ(DecodeSmall(edited), 0) << edited;
  }
  EXPECT_EQ(DecodeSmall("0000-0438-1078-3369-0151"), 0);  // a marker of no variant
  EXPECT_EQ(DecodeSmall(""), 0);
  EXPECT_EQ(DecodeSmall("1200-0438-1078-3369-015"), 0);
  EXPECT_EQ(DecodeSmall("1200-0438-1078-3369-01x1"), 0);
  EXPECT_EQ(DecodeSmall("1200+0438-1078-3369-0151"), 0);
  std::string score = EncodeScore(777777);
  std::string edited = score;
  edited[5] = static_cast<char>('0' + (edited[5] - '0' + 5) % 10);
  EXPECT_EQ(DecodeScore(edited), 0);
  EXPECT_EQ(DecodeScore(score.substr(0, 42)), 0);
  EXPECT_EQ(DecodeScore("0000099994 0000283836-0000208636-0000148145"), 0);
  EXPECT_EQ(DecodeScore("0000099994-0000283836-0000208636-0000148145"), 12345);
}

}  // namespace
