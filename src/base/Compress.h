// zlib blocks for the score files, bounded by the caller's buffer.
#pragma once

#include <cstddef>

// zlib blocks with a 16 KB window; DecompressBlock returns -1 for a damaged or oversized block
long CompressBlock(const void* source, void* destination, size_t size, size_t capacity);
long DecompressBlock(const void* source, size_t size, void* destination, size_t capacity);
