// Reading zip archives, shared by the game's packs and the 3D renderer's archives.
#pragma once

#include <zip.h>

#include <cstdint>
#include <string>
#include <vector>

namespace media {

// Opens an archive read-only ("\" or "/" separators); null when it cannot be read. `count` gets its entries.
zip_t* OpenZipForReading(const std::string& path, zip_uint64_t& count);
// Reads the whole entry into `bytes`, followed by `padding` zero bytes. False for an entry larger than
// `largest` or a damaged one (short, or failing its CRC check).
bool ReadZipEntry(zip_t* archive, zip_uint64_t index, zip_uint64_t largest, size_t padding, std::vector<uint8_t>& bytes);

}  // namespace media
