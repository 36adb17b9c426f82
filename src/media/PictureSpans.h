// Rows of a picture laid onto the frame at its own size: blended by its alpha, added or multiplied, faded.
#pragma once

#include <cstdint>

#include "media/TriangleFill.h"

namespace media {

// How one row of a picture lands on the row beneath. Blend, Add and Modulate weigh the colours as the
// triangle filler does (levels above 127 count one more, so 255 is whole), so that a picture looks the same
// laid here or filled as two triangles.
struct LayPaint {
  FillBlend blend = FillBlend::Blend;
  uint32_t alpha = 255;      // 1..255: the draw's fade, multiplying the picture's own alpha
  uint32_t orMask = 0;       // 0xFF000000: the picture's alpha is taken as 255
};

void LaySpan(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint);
// Eight pixels a step in AVX2, the last few under a mask (only where WideSpansOn() holds): the same pixels as
// the other loops. Not for Replace, which is a plain copy.
void LaySpanWide(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint);
// The plain C++ loop, whatever the build chose for LaySpan: the tests hold the two to the same pixels.
void LaySpanPlain(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint);

}  // namespace media
