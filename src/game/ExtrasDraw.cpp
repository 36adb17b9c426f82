// Drawing helpers of the extras.
#include "game/ExtrasDraw.h"

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

void BlendNormal() { QuadBlendMode(Blend::Alpha); }
void BlendAdditive() { QuadBlendMode(Blend::Add); }
