// Compressed blocks: round trips, the 16 KB window, and damaged or oversized blocks refused without overrun.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "media/Media.h"

namespace {

std::vector<uint8_t> Sample(size_t size, uint32_t seed) {
  std::vector<uint8_t> bytes(size);
  uint32_t x = seed;
  for (size_t i = 0; i < size; ++i) {
    x = x * 1664525u + 1013904223u;
    // Half repetitive, half noise, so that the compressor has matches to find at long distances.
    bytes[i] = (i / 512) % 2 ? static_cast<uint8_t>(x >> 24) : static_cast<uint8_t>(i % 61);
  }
  return bytes;
}

std::vector<uint8_t> Compressed(const std::vector<uint8_t>& plain) {
  std::vector<uint8_t> block(plain.size() + plain.size() / 100 + 64);
  long size = CompressBlock(plain.data(), block.data(), plain.size(), block.size());
  EXPECT_GT(size, 0);
  block.resize(size > 0 ? static_cast<size_t>(size) : 0);
  return block;
}

TEST(CompressTest, BlocksComeBackAsTheyWere) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{204}, size_t{16384}, size_t{200000}}) {
    std::vector<uint8_t> plain = Sample(size, static_cast<uint32_t>(size) + 1);
    std::vector<uint8_t> block = Compressed(plain);
    std::vector<uint8_t> back(size + 1, 0xEE);
    long got = DecompressBlock(block.data(), block.size(), back.data(), back.size());
    ASSERT_EQ(got, static_cast<long>(size)) << size;
    back.resize(size);
    EXPECT_EQ(back, plain) << size;
  }
}

TEST(CompressTest, BlocksAreWrittenWithASixteenKilobyteWindow) {
  std::vector<uint8_t> block = Compressed(Sample(204, 3));
  ASSERT_GE(block.size(), 2u);
  // The zlib header's first byte: deflate (8) with window 2^(6 + 8) = 16 KB.
  EXPECT_EQ(block[0], 0x68);
  EXPECT_EQ(((block[0] << 8) | block[1]) % 31, 0);
}

TEST(CompressTest, ADestinationTooSmallIsRefusedAndNotOverrun) {
  std::vector<uint8_t> plain = Sample(5000, 9);
  std::vector<uint8_t> block = Compressed(plain);

  // Decompressing into one byte less than needed: refused, and the guard bytes stay untouched.
  std::vector<uint8_t> back(plain.size() + 16, 0xAB);
  EXPECT_EQ(DecompressBlock(block.data(), block.size(), back.data(), plain.size() - 1), -1);
  for (size_t i = plain.size() - 1; i < back.size(); ++i) ASSERT_EQ(back[i], 0xAB) << i;

  // Compressing into a destination too small for the result.
  std::vector<uint8_t> small(block.size() / 2 + 16, 0xCD);
  EXPECT_EQ(CompressBlock(plain.data(), small.data(), plain.size(), block.size() / 2), -1);
  for (size_t i = block.size() / 2; i < small.size(); ++i) ASSERT_EQ(small[i], 0xCD) << i;
}

TEST(CompressTest, DamagedBlocksAreRefused) {
  std::vector<uint8_t> plain = Sample(204, 11);
  std::vector<uint8_t> block = Compressed(plain);
  std::vector<uint8_t> back(4096);

  // Every single flipped bit is caught: by the header check, the codes or the Adler-32 at the end.
  for (size_t at = 0; at < block.size(); ++at) {
    for (int bit = 0; bit < 8; ++bit) {
      std::vector<uint8_t> damaged = block;
      damaged[at] ^= static_cast<uint8_t>(1 << bit);
      long got = DecompressBlock(damaged.data(), damaged.size(), back.data(), back.size());
      if (got >= 0) {
        // A flip that still decodes must give the same bytes (a few bits are unused padding).
        ASSERT_EQ(got, 204) << at << ":" << bit;
        ASSERT_TRUE(std::equal(plain.begin(), plain.end(), back.begin())) << at << ":" << bit;
      }
    }
  }

  // Cut short, empty, or noise.
  for (size_t cut = 0; cut < block.size(); ++cut) {
    EXPECT_EQ(DecompressBlock(block.data(), cut, back.data(), back.size()), -1) << cut;
  }
  std::vector<uint8_t> noise = Sample(1024, 77);
  noise.erase(noise.begin(), noise.begin() + 512);  // keeps the second half, which is noise
  EXPECT_EQ(DecompressBlock(noise.data(), noise.size(), back.data(), back.size()), -1);
  EXPECT_EQ(DecompressBlock(nullptr, 10, back.data(), back.size()), -1);
  EXPECT_EQ(DecompressBlock(block.data(), block.size(), nullptr, 100), -1);
}

}  // namespace
