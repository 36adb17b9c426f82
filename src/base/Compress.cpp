// Compressed blocks for the score files: zlib streams with a 16 KB window, bounded by the caller's buffer.
#include <zlib.h>

#include <climits>
#include <cstring>

#include "base/Compress.h"

namespace {

constexpr int kWindowBits = 14;   // 2^14 = 16 KB, the window the score files are written with
constexpr int kReadWindowBits = 15;  // reading accepts any zlib window, which is a superset
constexpr int kMemoryLevel = 8;

}  // namespace

long CompressBlock(const void* source, void* destination, size_t size, size_t capacity) {
  if (destination == nullptr || (source == nullptr && size > 0)) return -1;
  if (size > UINT_MAX || capacity > UINT_MAX || capacity > static_cast<size_t>(LONG_MAX)) return -1;
  z_stream stream;
  std::memset(&stream, 0, sizeof stream);
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY) != Z_OK) {
    return -1;
  }
  stream.next_in = static_cast<Bytef*>(const_cast<void*>(source));
  stream.avail_in = static_cast<uInt>(size);
  stream.next_out = static_cast<Bytef*>(destination);
  stream.avail_out = static_cast<uInt>(capacity);
  // One call with Z_FINISH either ends the stream or reports that the destination was too small.
  int result = deflate(&stream, Z_FINISH);
  long written = static_cast<long>(stream.total_out);
  deflateEnd(&stream);
  return result == Z_STREAM_END ? written : -1;
}

long DecompressBlock(const void* source, size_t size, void* destination, size_t capacity) {
  if (source == nullptr || destination == nullptr) return -1;
  if (size > UINT_MAX || capacity > static_cast<size_t>(LONG_MAX)) return -1;
  if (capacity > UINT_MAX) capacity = UINT_MAX;
  z_stream stream;
  std::memset(&stream, 0, sizeof stream);
  if (inflateInit2(&stream, kReadWindowBits) != Z_OK) return -1;
  stream.next_in = static_cast<Bytef*>(const_cast<void*>(source));
  stream.avail_in = static_cast<uInt>(size);
  stream.next_out = static_cast<Bytef*>(destination);
  stream.avail_out = static_cast<uInt>(capacity);
  // Anything short of a complete stream whose checksum matches is refused: a block that does not
  // fit stops at the end of the destination (Z_BUF_ERROR), a cut one runs out of input, a damaged
  // one fails its Adler-32 or its codes. Bytes after the stream's end are ignored.
  int result = inflate(&stream, Z_FINISH);
  long written = static_cast<long>(stream.total_out);
  inflateEnd(&stream);
  return result == Z_STREAM_END ? written : -1;
}
