// The textures of the 3D archive: tiling fire, the hemispherical gradient and the anamorphic lens streak.
#include <algorithm>
#include <cmath>

#include "meshes/Meshes3D.h"
#include "themes/Backdrop.h"

namespace {

uint8_t Byte(double v) { return static_cast<uint8_t>(Clamp01(v) * 255.0 + 0.5); }

void Put(Picture& picture, int x, int y, Rgb c, double alpha) {
  uint8_t* p = picture.At(x, y);
  p[0] = Byte(c.r);
  p[1] = Byte(c.g);
  p[2] = Byte(c.b);
  p[3] = Byte(alpha);
}

// Heat 0..1 to fire colours: embers, deep red, orange, yellow, white-hot.
Rgb FireColour(double heat) {
  const Rgb stops[] = {Hex(0x140200), Hex(0x5A0A02), Hex(0xB02A04), Hex(0xF06A10), Hex(0xFFB838), Hex(0xFFF2C8)};
  double s = Clamp01(heat) * 5;
  int i = std::min(4, static_cast<int>(s));
  return Mix(stops[i], stops[i + 1], s - i);
}

}  // namespace

Picture PaintFireTexture() {
  constexpr int size = 256, cells = 4;  // noise cells per repeat
  Picture picture(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double fx = static_cast<double>(x) / size * cells, fy = static_cast<double>(y) / size * cells;
      // Warping by noise of the same period keeps the picture seamless while the flames curl.
      double wx = TilingNoise(fx, fy, cells, cells, 71, 4) - 0.5, wy = TilingNoise(fx, fy, cells, cells, 72, 4) - 0.5;
      double body = TilingNoise(fx + wx * 2.2, fy + wy * 2.2, cells, cells, 73, 5);
      double wisp = 1 - std::fabs(TilingNoise(fx * 2 + wy * 3, fy * 2 + wx * 3, cells * 2, cells * 2, 74, 4) * 2 - 1);
      double heat = SmoothStep(0.28, 0.78, body) * 0.75 + std::pow(wisp, 6) * 0.45;
      Put(picture, x, y, FireColour(heat), 1);
    }
  return picture;
}

Picture PaintHemisphereGradient() {
  constexpr int size = 256;
  Picture picture(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double dx = (x + 0.5) / size * 2 - 1, dy = (y + 0.5) / size * 2 - 1;
      // The height of a hemisphere over the disc, softened so that the rim fades out smoothly.
      double height = std::sqrt(std::max(0.0, 1 - dx * dx - dy * dy));
      double level = height * height;
      Put(picture, x, y, {level, level, level}, level);
    }
  return picture;
}

Picture PaintAnamorphicStreak() {
  constexpr int width = 256, height = 64;
  Picture picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      double u = (x + 0.5) / width * 2 - 1, v = (y + 0.5) / height * 2 - 1;
      double along = std::pow(Clamp01(1 - std::fabs(u)), 2.5);
      double core = std::exp(-std::pow(v / 0.05, 2)) * along;
      double halo = std::exp(-std::pow(v / 0.35, 2)) * std::pow(Clamp01(1 - std::fabs(u)), 4) * 0.35;
      double fade = SmoothStep(1.0, 0.85, std::fabs(v));  // nothing at the top and bottom rows
      Rgb blue = Hex(0x3C6CFF), white = Hex(0xE8F0FF);
      Rgb c = Plus(Times(blue, (core * 0.8 + halo) * fade), Times(white, std::pow(core, 3) * fade));
      Put(picture, x, y, c, 1);
    }
  return picture;
}
