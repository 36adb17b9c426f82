// Little-endian reading and writing against known bytes.
#include <gtest/gtest.h>

#include <cmath>

#include "base/ByteOrder.h"

namespace {

TEST(ByteOrder, KnownBytesReadAndWriteBothWays) {
  const uint8_t bytes[] = {0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(ReadLe16(bytes), 0x5678u);
  EXPECT_EQ(ReadLe32(bytes), 0x12345678u);
  EXPECT_EQ(ReadLe32(bytes + 4), 0xFFFFFFFFu);  // the top byte does not spill into a sign
  EXPECT_EQ(static_cast<int32_t>(ReadLe32(bytes + 4)), -1);
  std::vector<uint8_t> out;
  AppendLe16(out, 0xBEEF);
  AppendLe32(out, 0x12345678u);
  AppendLe16(out, 0x1FFFF);  // only the low 16 bits go
  EXPECT_EQ(out, (std::vector<uint8_t>{0xEF, 0xBE, 0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF}));
  uint8_t in[6] = {1, 2, 3, 4, 5, 6};
  WriteLe32(in + 1, 0xA1B2C3D4u);
  EXPECT_EQ(std::vector<uint8_t>(in, in + 6), (std::vector<uint8_t>{1, 0xD4, 0xC3, 0xB2, 0xA1, 6}));
}

TEST(ByteOrder, FloatsTravelAsTheirBits) {
  std::vector<uint8_t> out;
  AppendLeFloat(out, 448.0f);  // 0x43E00000
  AppendLeFloat(out, -0.0f);   // 0x80000000
  EXPECT_EQ(out, (std::vector<uint8_t>{0, 0, 0xE0, 0x43, 0, 0, 0, 0x80}));
  EXPECT_EQ(ReadLeFloat(out.data()), 448.0f);
  EXPECT_TRUE(std::signbit(ReadLeFloat(out.data() + 4)));
  const uint8_t nan[] = {0x01, 0x00, 0xC0, 0x7F};
  EXPECT_TRUE(std::isnan(ReadLeFloat(nan)));
}

}  // namespace
