// Encoders for the builder's pictures: PNG (libpng), JPEG (libjpeg), TIFF (libtiff) and BMP, all into memory.
#include "ImageWrite.h"

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "base/ByteOrder.h"

namespace {

// libpng and libjpeg report fatal errors by longjmp; nothing with a destructor may live between the
// setjmp and the library calls, so the row pointers are prepared before.
void PngWriteToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void PngFlush(png_structp) {}

struct PngReadCursor {
  const std::vector<uint8_t>* bytes;
  size_t offset;  // bytes consumed so far
};

void PngReadFromVector(png_structp png, png_bytep data, png_size_t length) {
  auto* cursor = static_cast<PngReadCursor*>(png_get_io_ptr(png));
  if (cursor->offset + length > cursor->bytes->size()) png_error(png, "truncated PNG");
  std::memcpy(data, cursor->bytes->data() + cursor->offset, length);
  cursor->offset += length;
}

std::string LowerExtension(const std::string& name) {
  auto dot = name.rfind('.');
  if (dot == std::string::npos) return "";
  std::string ext = name.substr(dot + 1);
  for (auto& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

// A growable in-memory file for libtiff's client interface.
struct TiffMemory {
  std::vector<uint8_t> bytes;
  toff_t position = 0;  // byte offset of the next read or write
};

tsize_t TiffRead(thandle_t handle, tdata_t data, tsize_t size) {
  auto* mem = static_cast<TiffMemory*>(handle);
  if (mem->position >= mem->bytes.size()) return 0;
  tsize_t n = std::min<tsize_t>(size, static_cast<tsize_t>(mem->bytes.size() - mem->position));
  std::memcpy(data, mem->bytes.data() + mem->position, static_cast<size_t>(n));
  mem->position += static_cast<toff_t>(n);
  return n;
}

tsize_t TiffWrite(thandle_t handle, tdata_t data, tsize_t size) {
  auto* mem = static_cast<TiffMemory*>(handle);
  size_t end = static_cast<size_t>(mem->position) + static_cast<size_t>(size);
  if (end > mem->bytes.size()) mem->bytes.resize(end, 0);
  std::memcpy(mem->bytes.data() + mem->position, data, static_cast<size_t>(size));
  mem->position = end;
  return size;
}

toff_t TiffSeek(thandle_t handle, toff_t offset, int whence) {
  auto* mem = static_cast<TiffMemory*>(handle);
  int64_t base = whence == SEEK_CUR ? static_cast<int64_t>(mem->position)
                 : whence == SEEK_END ? static_cast<int64_t>(mem->bytes.size())
                                      : 0;
  int64_t target = base + static_cast<int64_t>(offset);
  if (target < 0) return static_cast<toff_t>(-1);
  mem->position = static_cast<toff_t>(target);
  return mem->position;
}

int TiffClose(thandle_t) { return 0; }
toff_t TiffSize(thandle_t handle) { return static_cast<TiffMemory*>(handle)->bytes.size(); }
int TiffMap(thandle_t, tdata_t*, toff_t*) { return 0; }
void TiffUnmap(thandle_t, tdata_t, toff_t) {}

}  // namespace

std::vector<uint8_t> EncodePng(const Picture& picture, bool withAlpha) {
  std::vector<uint8_t> out;
  if (!picture.Valid()) {
    std::fprintf(stderr, "packbuilder: cannot encode an empty picture as PNG\n");
    return out;
  }
  // RGB pictures are packed first so that libpng gets whole rows either way.
  std::vector<uint8_t> packed;
  const int channels = withAlpha ? 4 : 3;
  if (!withAlpha) {
    packed.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    for (size_t i = 0, n = static_cast<size_t>(picture.width) * picture.height; i < n; ++i)
      std::memcpy(&packed[i * 3], &picture.rgba[i * 4], 3);
  }
  const uint8_t* pixels = withAlpha ? picture.rgba.data() : packed.data();
  std::vector<png_bytep> rows(static_cast<size_t>(picture.height));
  for (int y = 0; y < picture.height; ++y)
    rows[y] = const_cast<png_bytep>(pixels + static_cast<size_t>(y) * picture.width * channels);

  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return out;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fprintf(stderr, "packbuilder: libpng failed to encode a picture\n");
    out.clear();
    return out;
  }
  png_set_write_fn(png, &out, PngWriteToVector, PngFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height),
               8, withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 6);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

bool DecodePng(const std::vector<uint8_t>& bytes, Picture& picture) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  PngReadCursor cursor{&bytes, 0};
  Picture decoded;
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &cursor, PngReadFromVector);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  png_uint_32 width = png_get_image_width(png, info);
  png_uint_32 height = png_get_image_height(png, info);
  if (width == 0 || height == 0 || width > 16384 || height > 16384 || png_get_rowbytes(png, info) != width * 4) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  decoded = Picture(static_cast<int>(width), static_cast<int>(height));
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = decoded.rgba.data() + static_cast<size_t>(y) * width * 4;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  picture = std::move(decoded);
  return true;
}

namespace {

struct JpegErrorTrap {
  jpeg_error_mgr manager;  // must stay first: libjpeg hands back a pointer to it
  std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrorTrap*>(info->err)->jump, 1);
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality) {
  std::vector<uint8_t> out;
  if (!picture.Valid()) {
    std::fprintf(stderr, "packbuilder: cannot encode an empty picture as JPEG\n");
    return out;
  }
  std::vector<uint8_t> rgb(static_cast<size_t>(picture.width) * picture.height * 3);
  for (size_t i = 0, n = static_cast<size_t>(picture.width) * picture.height; i < n; ++i)
    std::memcpy(&rgb[i * 3], &picture.rgba[i * 4], 3);

  jpeg_compress_struct info;
  JpegErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JpegFail;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    std::fprintf(stderr, "packbuilder: libjpeg failed to encode a picture\n");
    return {};
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.width);
  info.image_height = static_cast<JDIMENSION>(picture.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = &rgb[static_cast<size_t>(info.next_scanline) * picture.width * 3];
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  out.assign(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

std::vector<uint8_t> EncodeTiff(const Picture& picture) {
  if (!picture.Valid()) {
    std::fprintf(stderr, "packbuilder: cannot encode an empty picture as TIFF\n");
    return {};
  }
  TiffMemory memory;
  TIFF* tiff = TIFFClientOpen("picture.tif", "w", &memory, TiffRead, TiffWrite, TiffSeek, TiffClose, TiffSize,
                              TiffMap, TiffUnmap);
  if (tiff == nullptr) {
    std::fprintf(stderr, "packbuilder: libtiff cannot open a picture for writing\n");
    return {};
  }
  uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(picture.width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(picture.height));
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 4);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
  TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, static_cast<uint32_t>(picture.height));
  bool ok = true;
  std::vector<uint8_t> row(static_cast<size_t>(picture.width) * 4);
  for (int y = 0; y < picture.height && ok; ++y) {
    std::memcpy(row.data(), picture.At(0, y), row.size());  // libtiff may scribble on the row it is given
    ok = TIFFWriteScanline(tiff, row.data(), static_cast<uint32_t>(y), 0) == 1;
  }
  TIFFClose(tiff);
  if (!ok) {
    std::fprintf(stderr, "packbuilder: libtiff failed to encode a picture\n");
    return {};
  }
  return memory.bytes;
}

std::vector<uint8_t> EncodeBmp(const Picture& picture) {
  std::vector<uint8_t> out;
  if (!picture.Valid()) {
    std::fprintf(stderr, "packbuilder: cannot encode an empty picture as BMP\n");
    return out;
  }
  const uint32_t rowBytes = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
  const uint32_t dataBytes = rowBytes * static_cast<uint32_t>(picture.height);
  out.reserve(54 + dataBytes);
  out.push_back('B');
  out.push_back('M');
  AppendLe32(out, 54 + dataBytes);
  AppendLe32(out, 0);
  AppendLe32(out, 54);
  AppendLe32(out, 40);
  AppendLe32(out, static_cast<uint32_t>(picture.width));
  AppendLe32(out, static_cast<uint32_t>(picture.height));  // positive: rows stored bottom up
  AppendLe16(out, 1);
  AppendLe16(out, 24);
  AppendLe32(out, 0);
  AppendLe32(out, dataBytes);
  AppendLe32(out, 2835);  // 72 dpi
  AppendLe32(out, 2835);
  AppendLe32(out, 0);
  AppendLe32(out, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t* p = picture.At(x, y);
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    for (uint32_t pad = static_cast<uint32_t>(picture.width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<uint8_t> EncodeByName(const std::string& name, const Picture& picture) {
  std::string ext = LowerExtension(name);
  if (ext == "png") return EncodePng(picture, true);
  if (ext == "jpg" || ext == "jpeg") return EncodeJpeg(picture);
  if (ext == "tif" || ext == "tiff") return EncodeTiff(picture);
  if (ext == "bmp") return EncodeBmp(picture);
  std::fprintf(stderr, "packbuilder: no picture encoder for %s\n", name.c_str());
  return {};
}
