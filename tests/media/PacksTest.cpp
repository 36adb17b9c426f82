// Reading packs written by the pack builder's writer: order, names, stored bytes, and damaged archives.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/Media.h"
#include "base/ByteOrder.h"
#include "base/PackFormat.h"
#include "tools/PackWriter.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(size_t size, uint32_t seed, bool noisy) {
  std::vector<uint8_t> bytes(size);
  uint32_t x = seed;
  for (size_t i = 0; i < size; ++i) {
    x = x * 1664525u + 1013904223u;
    bytes[i] = noisy ? static_cast<uint8_t>(x >> 24) : static_cast<uint8_t>(i % 7 + seed);
  }
  return bytes;
}

class PacksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("nb-packs-" + std::to_string(getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // Small and large, stored (pictures) and deflated, scrambled and plain, empty, and exactly 255/256.
    entries_ = {
        {"gfx/pointer.png", Bytes(3000, 1, true), false},
        {"gfx/tiles/red/red0000.png", Bytes(255, 2, true), false},
        {"sfx/bounce.wav", Bytes(256, 3, false), false},
        {"gfx/bonus.png", Bytes(40000, 4, true), false},
        {"levels/level7.txt", Bytes(5000, 5, false), true},
        {"empty.bin", {}, false},
        {"sfx/long.wav", Bytes(300000, 6, false), false},
    };
    path_ = (dir_ / "test.pak").string();
    ASSERT_TRUE(WritePack(path_, entries_));
  }
  void TearDown() override {
    ClosePack();
    fs::remove_all(dir_);
  }

  // The bytes the pack holds for an entry: scrambled unless plain.
  static std::vector<uint8_t> Stored(const PackEntry& entry) {
    std::vector<uint8_t> bytes = entry.data;
    if (!entry.plain) ScramblePackEntry(bytes.data(), bytes.size());
    return bytes;
  }

  std::vector<uint8_t> ReadRaw() {
    std::ifstream in(path_, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  void WriteRaw(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  // Reads entries until the end or the first refusal; returns how many came out.
  static int Drain() {
    int count = 0;
    while (uint8_t* data = NextPackEntry()) {
      if (PackEntrySize() > 0) {
        volatile uint8_t touch = data[PackEntrySize() - 1];  // the whole entry is readable memory
        (void)touch;
      }
      ++count;
    }
    EXPECT_EQ(PackEntrySize(), 0u);
    return count;
  }

  fs::path dir_;
  std::string path_;
  std::vector<PackEntry> entries_;
};

TEST_F(PacksTest, EntriesComeInStoredOrderWithTheirNamesAndStoredBytes) {
  ASSERT_TRUE(OpenPack(path_));
  for (const PackEntry& entry : entries_) {
    SCOPED_TRACE(entry.name);
    uint8_t* data = NextPackEntry();
    ASSERT_NE(data, nullptr);  // an empty entry is still an entry, not the end
    EXPECT_EQ(PackEntryName(), entry.name);
    ASSERT_EQ(PackEntrySize(), entry.data.size());
    std::vector<uint8_t> expected = Stored(entry);
    EXPECT_TRUE(expected.empty() || std::memcmp(data, expected.data(), expected.size()) == 0);
    // The game's loader unscrambles in place and gets the original back.
    if (!entry.plain) ScramblePackEntry(data, PackEntrySize());
    EXPECT_TRUE(entry.data.empty() || std::memcmp(data, entry.data.data(), entry.data.size()) == 0);
  }
  EXPECT_EQ(NextPackEntry(), nullptr);
  EXPECT_EQ(NextPackEntry(), nullptr);  // and stays at the end
  EXPECT_EQ(PackEntryName(), "");
  ClosePack();
  EXPECT_EQ(NextPackEntry(), nullptr);
}

TEST_F(PacksTest, OnlyOnePackIsOpenAndBackslashesAreAccepted) {
  std::string second = (dir_ / "second.pak").string();
  ASSERT_TRUE(WritePack(second, {{"gfx/only.png", Bytes(10, 9, true), false}}));
  ASSERT_TRUE(OpenPack(path_));
  ASSERT_NE(NextPackEntry(), nullptr);
  EXPECT_EQ(PackEntryName(), "gfx/pointer.png");
  // Opening another pack closes the first: its entries are read from the start.
  std::string windowsStyle = dir_.string() + "\\second.pak";
  ASSERT_TRUE(OpenPack(windowsStyle));
  ASSERT_NE(NextPackEntry(), nullptr);
  EXPECT_EQ(PackEntryName(), "gfx/only.png");
  EXPECT_EQ(NextPackEntry(), nullptr);
  // A failed open leaves no pack open.
  EXPECT_FALSE(OpenPack((dir_ / "missing.pak").string()));
  EXPECT_EQ(NextPackEntry(), nullptr);
  EXPECT_FALSE(OpenPack(dir_.string()));
}

TEST_F(PacksTest, DamagedArchivesFailCleanly) {
  std::vector<uint8_t> whole = ReadRaw();
  std::string damaged = (dir_ / "damaged.pak").string();

  // Truncated anywhere: the directory at the end is gone, so the open fails, or entries are refused.
  for (size_t cut : {size_t{0}, size_t{10}, size_t{100}, whole.size() / 2, whole.size() - 30, whole.size() - 1}) {
    SCOPED_TRACE(cut);
    WriteRaw(damaged, std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(cut)));
    if (OpenPack(damaged)) {
      EXPECT_LT(Drain(), static_cast<int>(entries_.size()));
    }
  }

  // Noise, and noise that starts like a zip.
  std::vector<uint8_t> noise = Bytes(5000, 42, true);
  WriteRaw(damaged, noise);
  EXPECT_FALSE(OpenPack(damaged));
  EXPECT_NE(LastMediaError().find(damaged + ": "), std::string::npos) << "the reason names the file";
  noise[0] = 'P', noise[1] = 'K', noise[2] = 3, noise[3] = 4;
  WriteRaw(damaged, noise);
  if (OpenPack(damaged)) Drain();

  // Noise written over the middle of the archive, where entry data lies, at many places: whatever
  // the damage hits, every entry that still comes out is exactly the one stored.
  for (size_t at = 64; at + 16 < whole.size(); at += whole.size() / 40) {
    std::vector<uint8_t> copy = whole;
    for (size_t i = 0; i < 16; ++i) copy[at + i] ^= 0x5A;
    WriteRaw(damaged, copy);
    if (!OpenPack(damaged)) continue;
    for (const PackEntry& entry : entries_) {
      uint8_t* data = NextPackEntry();
      if (data == nullptr) break;
      std::vector<uint8_t> expected = Stored(entry);
      ASSERT_EQ(PackEntrySize(), expected.size()) << at;
      ASSERT_TRUE(expected.empty() || std::memcmp(data, expected.data(), expected.size()) == 0) << at << " " << entry.name;
    }
  }
}

TEST_F(PacksTest, ADamagedEntryIsRefusedAndEndsTheWalk) {
  // One byte changed inside the stored (not deflated) picture: only the CRC can tell.
  std::vector<uint8_t> whole = ReadRaw();
  const std::vector<uint8_t> stored = Stored(entries_[3]);
  auto found = std::search(whole.begin(), whole.end(), stored.begin() + 1000, stored.begin() + 1064);
  ASSERT_NE(found, whole.end());
  found[10] ^= 1;
  std::string damaged = (dir_ / "damaged.pak").string();
  WriteRaw(damaged, whole);
  ASSERT_TRUE(OpenPack(damaged));
  for (int i = 0; i < 3; ++i) ASSERT_NE(NextPackEntry(), nullptr);
  EXPECT_EQ(NextPackEntry(), nullptr);
  EXPECT_EQ(PackEntrySize(), 0u);
  EXPECT_EQ(LastMediaError(), damaged + ": " + entries_[3].name + " is damaged (its checksum or size is wrong)");
  // The entries after it would be out of step with the game's loads: none come out.
  EXPECT_EQ(NextPackEntry(), nullptr);
}

TEST_F(PacksTest, AnAbsurdEntrySizeIsRefusedWithoutAllocatingIt) {
  // The deflated level data claims 3 GiB unpacked, in the directory and in its local header.
  std::vector<uint8_t> whole = ReadRaw();
  const std::string name = entries_[4].name;
  auto patch = [&](uint32_t signature, size_t sizeOffset, size_t nameOffset) {
    int patched = 0;
    for (size_t i = 0; i + nameOffset + name.size() <= whole.size(); ++i) {
      if (ReadLe32(&whole[i]) != signature || std::memcmp(&whole[i + nameOffset], name.data(), name.size()) != 0) continue;
      WriteLe32(&whole[i + sizeOffset], 0xC0000000u);
      ++patched;
    }
    return patched;
  };
  ASSERT_EQ(patch(0x04034b50, 22, 30), 1);  // local header: uncompressed size at 22, name at 30
  ASSERT_EQ(patch(0x02014b50, 24, 46), 1);  // directory entry: uncompressed size at 24, name at 46
  std::string damaged = (dir_ / "huge.pak").string();
  WriteRaw(damaged, whole);
  // libzip takes the sizes from the headers without checking them against the data at open,
  // so it is the reader itself that must refuse the entry.
  ASSERT_TRUE(OpenPack(damaged));
  for (int i = 0; i < 4; ++i) ASSERT_NE(NextPackEntry(), nullptr);
  EXPECT_EQ(NextPackEntry(), nullptr);
  EXPECT_EQ(PackEntrySize(), 0u);
}

}  // namespace
