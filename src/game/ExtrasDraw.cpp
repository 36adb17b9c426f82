// Drawing helpers of the extras.
#include "game/ExtrasDraw.h"

#include <cmath>

#include "media/Media.h"
#include "runtime/NamedMedia.h"

int PictureWidth(int picture) { return SpritePixelWidth(picture); }
int PictureHeight(int picture) { return SpritePixelHeight(picture); }

void DrawPictureCentred(int picture, float x, float y, float w, float h, int alpha, float degrees) {
  if (!HasQuad(picture) || alpha <= 0) return;
  ZoomQuad(picture, w, h);
  if (degrees != 0) RotateQuad(picture, degrees, 0);
  DrawQuadAlpha(picture, x - w / 2, y - h / 2, alpha);
  if (degrees != 0) RotateQuad(picture, 0, 0);
  ZoomQuad(picture, static_cast<float>(PictureWidth(picture)), static_cast<float>(PictureHeight(picture)));
}

void DrawPictureCentred(int picture, float x, float y, int alpha, float degrees) {
  DrawPictureCentred(picture, x, y, static_cast<float>(PictureWidth(picture)), static_cast<float>(PictureHeight(picture)),
                     alpha, degrees);
}

void DrawScrolledPictureCentred(int picture, float x, float y, float w, float h, int alpha, float scrollU) {
  if (!HasQuad(picture) || alpha <= 0 || w <= 0 || h <= 0) return;
  float shift = scrollU - std::floor(scrollU);  // 0 <= shift < 1
  auto a = static_cast<uint8_t>(alpha > 255 ? 255 : alpha);
  float left = x - w / 2, top = y - h / 2, split = left + (1 - shift) * w;
  // Two bands, cut where the texture repeats, so that no texture coordinate leaves 0..1.
  QuadVertex corners[8] = {
      {left, top, 255, 255, 255, a, shift, 0},          {split, top, 255, 255, 255, a, 1, 0},
      {split, top + h, 255, 255, 255, a, 1, 1},         {left, top + h, 255, 255, 255, a, shift, 1},
      {split, top, 255, 255, 255, a, 0, 0},             {left + w, top, 255, 255, 255, a, shift, 0},
      {left + w, top + h, 255, 255, 255, a, shift, 1},  {split, top + h, 255, 255, 255, a, 0, 1},
  };
  const int indices[12] = {0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7};
  // With no shift the second band has no width: draw the first alone.
  DrawTriangles(picture, corners, 8, indices, shift > 0 ? 12 : 6);
}

void BlendNormal() { QuadBlendMode(Blend::Alpha); }
void BlendAdditive() { QuadBlendMode(Blend::Add); }
