// Pictures held in memory as straight RGBA and their encoders (PNG, JPEG, TIFF, BMP), shared by the builder parts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One picture: rows top to bottom, four bytes per pixel (red, green, blue, alpha), alpha not premultiplied.
struct Picture {
  int width = 0;              // pixels
  int height = 0;             // pixels
  std::vector<uint8_t> rgba;  // width * height * 4 bytes

  Picture() = default;
  Picture(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}
  uint8_t* At(int x, int y) { return rgba.data() + (static_cast<size_t>(y) * width + x) * 4; }
  const uint8_t* At(int x, int y) const { return rgba.data() + (static_cast<size_t>(y) * width + x) * 4; }
  bool Valid() const {
    return width > 0 && height > 0 && rgba.size() == static_cast<size_t>(width) * height * 4;
  }
};

// Each encoder returns the file's bytes, or an empty vector (after printing why) when the picture is
// not valid or the library refuses it. The output depends only on the pixels: no time stamps.
std::vector<uint8_t> EncodePng(const Picture& picture, bool withAlpha = true);
std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality = 88);  // alpha is dropped
std::vector<uint8_t> EncodeTiff(const Picture& picture);                    // RGBA, deflate
std::vector<uint8_t> EncodeBmp(const Picture& picture);                     // 24-bit, alpha dropped

// Encodes by the extension of `name` (.png, .jpg/.jpeg, .tif/.tiff, .bmp); empty for an unknown one.
std::vector<uint8_t> EncodeByName(const std::string& name, const Picture& picture);

// Decodes a PNG of any colour type into RGBA; false (picture untouched) when the bytes are no PNG.
bool DecodePng(const std::vector<uint8_t>& bytes, Picture& picture);
