// Laying picture rows onto the frame, four pixels at a time in SSE2 where the processor has it.
#include "media/PictureSpans.h"
#include "media/WideSpans.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace media {

namespace {

inline uint32_t Weight(uint32_t level) { return level + (level >> 7); }  // 0..256

// One pixel, channel by channel; `source` already carries the fade in its alpha.
inline uint32_t Laid(uint32_t source, uint32_t beneath, FillBlend blend) {
  uint32_t out = 0;
  uint32_t a = source >> 24, w = Weight(a);
  for (int shift = 0; shift < 32; shift += 8) {
    uint32_t s = source >> shift & 255, d = beneath >> shift & 255, level = 0;
    bool alphaLane = shift == 24;
    switch (blend) {
      case FillBlend::Replace: level = s; break;
      case FillBlend::Blend: level = ((alphaLane ? s * 256 : s * w) + d * (256 - w)) >> 8; break;
      case FillBlend::Add: level = alphaLane ? d : std::min(255u, d + (s * w >> 8)); break;
      case FillBlend::Modulate: level = alphaLane ? d : (Weight(s) * d) >> 8; break;
    }
    out |= level << shift;
  }
  return out;
}

inline uint32_t Faded(uint32_t source, uint32_t alpha) {
  if (alpha >= 255) return source;
  return (source & 0xFFFFFFu) | ((source >> 24) * Weight(alpha) >> 8) << 24;
}

}  // namespace

void LaySpanPlain(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint) {
  for (int i = 0; i < count; ++i) {
    if (paint.blend == FillBlend::Replace) {
      out[i] = in[i] | paint.orMask;
      continue;
    }
    uint32_t s = Faded(in[i] | paint.orMask, paint.alpha);
    if (paint.blend == FillBlend::Blend && s >> 24 == 255) {
      out[i] = s;
    } else if (paint.blend != FillBlend::Modulate && s >> 24 == 0) {
      continue;  // blending or adding nothing
    } else {
      out[i] = Laid(s, out[i], paint.blend);
    }
  }
}

#if defined(__SSE2__)

namespace {

// The alpha of each of the two pixels in a register of 16-bit lanes, spread over its four lanes.
inline __m128i SpreadAlpha(__m128i lanes) { return _mm_shufflehi_epi16(_mm_shufflelo_epi16(lanes, 0xFF), 0xFF); }
inline __m128i Weights(__m128i levels) { return _mm_add_epi16(levels, _mm_srli_epi16(levels, 7)); }

// Two pixels in 16-bit lanes laid on the two beneath.
template <FillBlend kBlend>
inline __m128i LaidPair(__m128i s, __m128i d, __m128i alphaLanes, __m128i colourLanes) {
  const __m128i full = _mm_set1_epi16(256);
  if constexpr (kBlend == FillBlend::Modulate) {
    __m128i factor = _mm_or_si128(_mm_and_si128(Weights(s), colourLanes), _mm_and_si128(full, alphaLanes));
    return _mm_srli_epi16(_mm_mullo_epi16(factor, d), 8);
  } else {
    __m128i w = Weights(SpreadAlpha(s));
    if constexpr (kBlend == FillBlend::Blend) {
      __m128i over = _mm_or_si128(_mm_and_si128(w, colourLanes), _mm_and_si128(full, alphaLanes));
      return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(s, over), _mm_mullo_epi16(d, _mm_sub_epi16(full, w))), 8);
    } else {
      __m128i over = _mm_and_si128(w, colourLanes);
      return _mm_add_epi16(d, _mm_srli_epi16(_mm_mullo_epi16(s, over), 8));  // saturated when packed
    }
  }
}

template <FillBlend kBlend>
void LayFour(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i orMask = _mm_set1_epi32(static_cast<int>(paint.orMask));
  const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i alphaLanes = _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0);
  const __m128i colourLanes = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
  const bool faded = paint.alpha < 255;
  // The fade multiplies only the alpha lanes; the colour lanes by 256 leave them as they are.
  const __m128i fade = _mm_or_si128(_mm_and_si128(_mm_set1_epi16(static_cast<short>(Weight(paint.alpha))), alphaLanes),
                                    _mm_and_si128(_mm_set1_epi16(256), colourLanes));
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    __m128i s = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i)), orMask);
    __m128i alphas = _mm_and_si128(s, alphaMask);
    if constexpr (kBlend != FillBlend::Modulate) {
      // Wholly clear pixels lay nothing; wholly opaque ones, unfaded, simply replace in a blend.
      if (_mm_movemask_epi8(_mm_cmpeq_epi32(alphas, zero)) == 0xFFFF) continue;
      if (kBlend == FillBlend::Blend && !faded && _mm_movemask_epi8(_mm_cmpeq_epi32(alphas, alphaMask)) == 0xFFFF) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), s);
        continue;
      }
    }
    __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
    __m128i sLow = _mm_unpacklo_epi8(s, zero), sHigh = _mm_unpackhi_epi8(s, zero);
    if (faded) {
      sLow = _mm_srli_epi16(_mm_mullo_epi16(sLow, fade), 8);
      sHigh = _mm_srli_epi16(_mm_mullo_epi16(sHigh, fade), 8);
    }
    __m128i low = LaidPair<kBlend>(sLow, _mm_unpacklo_epi8(d, zero), alphaLanes, colourLanes);
    __m128i high = LaidPair<kBlend>(sHigh, _mm_unpackhi_epi8(d, zero), alphaLanes, colourLanes);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
  }
  if (i < count) {
    // The last one to three pixels through the same loop, beside copies that fill out its four.
    uint32_t outFour[4] = {}, inFour[4] = {};
    int rest = count - i;
    for (int k = 0; k < rest; ++k) outFour[k] = out[i + k], inFour[k] = in[i + k];
    LayFour<kBlend>(outFour, inFour, 4, paint);
    for (int k = 0; k < rest; ++k) out[i + k] = outFour[k];
  }
}

}  // namespace

void LaySpan(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint) {
  if (paint.blend != FillBlend::Replace && WideSpansOn()) {
    LaySpanWide(out, in, count, paint);
    return;
  }
  switch (paint.blend) {
    case FillBlend::Replace:
      for (int i = 0; i < count; ++i) out[i] = in[i] | paint.orMask;
      return;
    case FillBlend::Blend: LayFour<FillBlend::Blend>(out, in, count, paint); return;
    case FillBlend::Add: LayFour<FillBlend::Add>(out, in, count, paint); return;
    case FillBlend::Modulate: LayFour<FillBlend::Modulate>(out, in, count, paint); return;
  }
}

#else

void LaySpan(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint) {
  LaySpanPlain(out, in, count, paint);
}

#endif

}  // namespace media
