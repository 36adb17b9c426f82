// Tests of the picture encoders: PNG round trips through libpng, JPEG, TIFF and BMP decode to the same pixels.
#include <gtest/gtest.h>
#include <unistd.h>
#include <jpeglib.h>
#include <tiffio.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "ImageWrite.h"

namespace {

Picture Sample(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = p.At(x, y);
      px[0] = static_cast<uint8_t>(x * 7 + y);
      px[1] = static_cast<uint8_t>(y * 13);
      px[2] = static_cast<uint8_t>(255 - x * 3);
      px[3] = static_cast<uint8_t>((x + y) % 3 == 0 ? 255 : (x * y) % 256);
    }
  return p;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("nbart_" + std::to_string(::getpid()) + "_" + name)).string();
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(ImageWrite, PngRoundTripKeepsEveryPixelAndAlpha) {
  Picture original = Sample(37, 23);  // odd sizes catch row-stride mistakes
  std::vector<uint8_t> png = EncodePng(original);
  ASSERT_FALSE(png.empty());
  Picture decoded;
  ASSERT_TRUE(DecodePng(png, decoded));
  EXPECT_EQ(decoded.width, 37);
  EXPECT_EQ(decoded.height, 23);
  EXPECT_EQ(decoded.rgba, original.rgba);
}

TEST(ImageWrite, RgbPngDropsAlphaAndKeepsColour) {
  Picture original = Sample(5, 4);
  Picture decoded;
  ASSERT_TRUE(DecodePng(EncodePng(original, false), decoded));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(decoded.At(x, y)[3], 255);
      for (int c = 0; c < 3; ++c) EXPECT_EQ(decoded.At(x, y)[c], original.At(x, y)[c]);
    }
}

TEST(ImageWrite, BadInputGivesNoBytesAndNoCrash) {
  Picture empty;
  EXPECT_TRUE(EncodePng(empty).empty());
  EXPECT_TRUE(EncodeJpeg(empty).empty());
  EXPECT_TRUE(EncodeTiff(empty).empty());
  EXPECT_TRUE(EncodeBmp(empty).empty());
  EXPECT_TRUE(EncodeByName("picture.gif", Sample(2, 2)).empty());
  Picture out;
  EXPECT_FALSE(DecodePng({1, 2, 3}, out));
  std::vector<uint8_t> truncated = EncodePng(Sample(8, 8));
  truncated.resize(truncated.size() / 2);
  EXPECT_FALSE(DecodePng(truncated, out));
  EXPECT_FALSE(out.Valid());
}

TEST(ImageWrite, JpegDecodesToTheSizeAndRoughlyTheColour) {
  Picture flat(16, 8);
  for (int i = 0; i < 16 * 8; ++i) {
    flat.rgba[i * 4 + 0] = 200;
    flat.rgba[i * 4 + 1] = 100;
    flat.rgba[i * 4 + 2] = 30;
    flat.rgba[i * 4 + 3] = 255;
  }
  std::vector<uint8_t> jpeg = EncodeByName("x.jpg", flat);
  ASSERT_GE(jpeg.size(), 4u);
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), jpeg.size());
  ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
  jpeg_start_decompress(&info);
  EXPECT_EQ(info.output_width, 16u);
  EXPECT_EQ(info.output_height, 8u);
  std::vector<uint8_t> row(16 * 3);
  JSAMPROW rowPointer = row.data();
  jpeg_read_scanlines(&info, &rowPointer, 1);
  while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, &rowPointer, 1);
  EXPECT_NEAR(row[0], 200, 6);
  EXPECT_NEAR(row[1], 100, 6);
  EXPECT_NEAR(row[2], 30, 6);
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
}

TEST(ImageWrite, TiffKeepsSizeAlphaAndOpaqueColours) {
  Picture original = Sample(9, 6);
  std::string path = TempPath("round.tif");
  WriteBytes(path, EncodeByName("ball.tif", original));
  TIFF* tiff = TIFFOpen(path.c_str(), "r");
  ASSERT_NE(tiff, nullptr);
  uint32_t w = 0, h = 0;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &w);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &h);
  ASSERT_EQ(w, 9u);
  ASSERT_EQ(h, 6u);
  std::vector<uint32_t> raster(w * h);
  ASSERT_EQ(TIFFReadRGBAImageOriented(tiff, w, h, raster.data(), ORIENTATION_TOPLEFT, 0), 1);
  TIFFClose(tiff);
  std::filesystem::remove(path);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 9; ++x) {
      uint32_t p = raster[y * 9 + x];
      const uint8_t* o = original.At(x, y);
      EXPECT_EQ(TIFFGetA(p), o[3]);
      if (o[3] == 255) {  // libtiff premultiplies the others on reading
        EXPECT_EQ(TIFFGetR(p), o[0]);
        EXPECT_EQ(TIFFGetG(p), o[1]);
        EXPECT_EQ(TIFFGetB(p), o[2]);
      }
    }
}

TEST(ImageWrite, BmpIsBottomUpWithPaddedRows) {
  Picture original = Sample(3, 2);  // 9 bytes a row, padded to 12
  std::vector<uint8_t> bmp = EncodeBmp(original);
  ASSERT_EQ(bmp.size(), 54u + 12u * 2u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  // The first stored row is the bottom one, in blue, green, red order.
  EXPECT_EQ(bmp[54], original.At(0, 1)[2]);
  EXPECT_EQ(bmp[55], original.At(0, 1)[1]);
  EXPECT_EQ(bmp[56], original.At(0, 1)[0]);
  EXPECT_EQ(bmp[54 + 12], original.At(0, 0)[2]);
}
