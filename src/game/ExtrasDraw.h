// Drawing helpers of the extras, the balls and the scenes: pictures zoomed, turned and centred without leaving the quad changed.
#pragma once

// The picture's own size in pixels (0 when it is not loaded), whatever zoom its quad was left with.
int PictureWidth(int picture);
int PictureHeight(int picture);
// Draws `picture` zoomed to w × h and turned by `degrees` (clockwise), centred on (x, y), with `alpha`;
// the quad gets its own size and no turn back afterwards, so that other drawings of it are not disturbed.
void DrawPictureCentred(int picture, float x, float y, float w, float h, int alpha, float degrees = 0);
// The same at the picture's own size.
void DrawPictureCentred(int picture, float x, float y, int alpha = 255, float degrees = 0);
// Draws `picture` zoomed to w × h, centred on (x, y), with its texture slid left by `scrollU` of its width
// (whole turns wrap): what leaves on the left comes back on the right, as lettering on a band does.
void DrawScrolledPictureCentred(int picture, float x, float y, float w, float h, int alpha, float scrollU);
// Normal transparency and additive glow, the two blends the effects use.
void BlendNormal();
void BlendAdditive();
