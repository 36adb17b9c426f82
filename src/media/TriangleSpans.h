// What the triangle filler's span loops share: where a span starts, how it steps, the texture it samples.
// Types only: the loops themselves live in files compiled for different processors.
#pragma once

#include <cstdint>

#include "media/TriangleFill.h"

namespace media::spans {

using Colour = uint32_t __attribute__((vector_size(16)));  // blue, green, red, alpha in 16.16, wrapping

// Where a span's texel positions lie: near the texture's edges (indices clamped), clear of them, or anywhere
// in a wrapping texture (indices masked; its extra column and row hold the wrapped neighbours).
enum class Reach { Edge, Inside, Wrap };

struct Texels {
  const uint32_t* pixels;
  int pitch, lastX, lastY;  // texels per row; the last column and row
  uint32_t alpha;           // ORed into every texel: 0xFF000000 for an opaque texture
  int maskX, maskY;         // a wrapping texture's width and height less one (else unused)
};

// Where a span starts and how its values change from one pixel to the next. u and v are texel positions in
// 16.16, wrapping; for the bilinear filter texel centres lie on whole numbers, for the nearest they span them.
// Colours carry half a level more, so that their whole part is the rounded level.
struct SpanStart {
  uint32_t u = 0, v = 0;
  Colour colour{};
};

struct SpanSteps {
  uint32_t du = 0, dv = 0;
  Colour dColour{};
};

using SpanFiller = void (*)(uint32_t*, int, SpanStart, const SpanSteps&, const Texels&);

// The bilinear span loops that fill four pixels a step with the processor's 256-bit integer instructions
// (AVX2), for spans that need no clamping (Inside or Wrap): null where WideSpansOn() is false. They lay the
// pixels of the two-pixel loops, bit for bit. Wrapping, they fill any count; inside, the multiple of four of
// it, and the caller leaves the last one to three pixels to the two-pixel loop.
SpanFiller WideBilinearFiller(bool tint, FillBlend blend, Reach reach);

// Two wrapping bilinear textures over one span in one pass: the first laid by `blend` (tinted or not), the
// second multiplied over it; as the wide one-layer loops run one after the other. Null where WideSpansOn() is
// false.
using TwoLayerFiller = void (*)(uint32_t*, int, SpanStart, const SpanSteps&, const Texels&, SpanStart,
                                const SpanSteps&, const Texels&);
TwoLayerFiller WideTwoLayerFiller(bool tint, FillBlend blend);

}  // namespace media::spans
