// Bilinear triangle spans four pixels a step in AVX2, chosen at run time where the processor has it: the same
// arithmetic as the two-pixel loops of the filler, lane for lane, so the same pixels.
#include "media/TriangleSpans.h"
#include "media/WideSpans.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define NOVA_WIDE_SPANS 1
#endif

namespace media::spans {

#if defined(NOVA_WIDE_SPANS)

namespace {

// Every function here runs only after the processor said it has AVX2; nothing here is shared with the other
// files (no inline function or template of theirs is instantiated), so no AVX2 code can stand in for theirs.
#define WIDE __attribute__((target("avx2")))

// Two pixels' pairs of texels (the pair at `a`, then the pair at `b`), in 16-bit lanes: [a a | b b].
WIDE inline __m256i Pairs(const uint32_t* a, const uint32_t* b) {
  __m128i first = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(a));
  __m128i second = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(b));
  return _mm256_cvtepu8_epi16(_mm_unpacklo_epi64(first, second));
}

// The same 16-bit fraction in every lane of each half: `low` in the first 128 bits, `high` in the second.
WIDE inline __m256i Halves(uint32_t low, uint32_t high) {
  return _mm256_set_m128i(_mm_set1_epi16(static_cast<short>(high)), _mm_set1_epi16(static_cast<short>(low)));
}

WIDE inline __m256i Factors(__m256i levels) { return _mm256_add_epi16(levels, _mm256_srli_epi16(levels, 7)); }

// Two pixels' bilinear texels (one in each half), each still the sum of its two weighed columns: the column
// weighed down by the fraction of v, across by that of u.
WIDE inline __m256i Weighed(__m256i upper, __m256i lower, __m256i uFraction, __m256i vFraction) {
  const __m256i full = _mm256_set1_epi16(256);
  const __m256i sideMask = _mm256_setr_epi16(-1, -1, -1, -1, 0, 0, 0, 0, -1, -1, -1, -1, 0, 0, 0, 0);
  const __m256i sideBase = _mm256_setr_epi16(256, 256, 256, 256, 0, 0, 0, 0, 256, 256, 256, 256, 0, 0, 0, 0);
  __m256i fy = _mm256_srli_epi16(vFraction, 8), fx = _mm256_srli_epi16(uFraction, 8);
  __m256i column = _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_mullo_epi16(upper, _mm256_sub_epi16(full, fy)), _mm256_mullo_epi16(lower, fy)), 8);
  __m256i across = _mm256_add_epi16(_mm256_sub_epi16(_mm256_xor_si256(fx, sideMask), sideMask), sideBase);
  __m256i weighed = _mm256_mullo_epi16(column, across);
  return _mm256_add_epi16(weighed, _mm256_srli_si256(weighed, 8));  // each half's pixel in its low 64 bits
}

// Four source pixels laid on the four beneath, as the two-pixel loops lay two.
template <FillBlend kBlend>
WIDE inline __m256i Laid(__m256i source, __m256i beneath) {
  const __m256i full = _mm256_set1_epi16(256);
  const __m256i alphaLanes = _mm256_setr_epi16(0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1);
  if constexpr (kBlend == FillBlend::Replace) {
    return source;
  } else if constexpr (kBlend == FillBlend::Modulate) {
    __m256i factor = _mm256_blendv_epi8(Factors(source), full, alphaLanes);
    return _mm256_srli_epi16(_mm256_mullo_epi16(factor, beneath), 8);
  } else {
    __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(source, 0xFF), 0xFF);
    __m256i weight = Factors(alpha);
    if constexpr (kBlend == FillBlend::Blend) {
      __m256i over = _mm256_blendv_epi8(weight, full, alphaLanes);
      return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(source, over),
                                                _mm256_mullo_epi16(beneath, _mm256_sub_epi16(full, weight))),
                               8);
    } else {
      __m256i over = _mm256_andnot_si256(alphaLanes, weight);
      __m256i sum = _mm256_add_epi16(beneath, _mm256_srli_epi16(_mm256_mullo_epi16(source, over), 8));
      return _mm256_min_epu16(sum, _mm256_set1_epi16(255));
    }
  }
}

template <bool kTint, FillBlend kBlend, Reach kReach>
WIDE void FillWide(uint32_t* out, int count, SpanStart at, const SpanSteps& steps, const Texels& texels) {
  const SpanSteps d = steps;
  const Texels t = texels;
  const __m256i alphaLanes = _mm256_setr_epi16(0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1);
  const __m256i opaqueAlpha = _mm256_and_si256(alphaLanes, _mm256_set1_epi16(255));
  const __m256i colourLanes = _mm256_xor_si256(alphaLanes, _mm256_set1_epi16(-1));
  const bool opaque = t.alpha != 0;
  const uint32_t u = at.u, v = at.v;
  // The four pixels' texel positions, whose whole parts give the texels' places in the texture.
  __m128i us = _mm_add_epi32(_mm_set1_epi32(static_cast<int>(u)),
                             _mm_mullo_epi32(_mm_set1_epi32(static_cast<int>(d.du)), _mm_setr_epi32(0, 1, 2, 3)));
  __m128i vs = _mm_add_epi32(_mm_set1_epi32(static_cast<int>(v)),
                             _mm_mullo_epi32(_mm_set1_epi32(static_cast<int>(d.dv)), _mm_setr_epi32(0, 1, 2, 3)));
  const __m128i usStep = _mm_set1_epi32(static_cast<int>(4 * d.du)), vsStep = _mm_set1_epi32(static_cast<int>(4 * d.dv));
  const __m128i maskX = _mm_set1_epi32(t.maskX), maskY = _mm_set1_epi32(t.maskY), pitch = _mm_set1_epi32(t.pitch);
  const uint32_t* below = t.pixels + t.pitch;
  // Of each four pixels, the first and third go through A, the second and fourth through B: the halves of
  // A and B then interleave into the four in their order.
  __m256i uA = Halves(u, u + 2 * d.du), uB = Halves(u + d.du, u + 3 * d.du);
  __m256i vA = Halves(v, v + 2 * d.dv), vB = Halves(v + d.dv, v + 3 * d.dv);
  const __m256i uStep = _mm256_set1_epi16(static_cast<short>(4 * d.du));
  const __m256i vStep = _mm256_set1_epi16(static_cast<short>(4 * d.dv));
  __m128i c0, c1, dc;
  __builtin_memcpy(&c0, &at.colour, sizeof c0);
  __builtin_memcpy(&dc, &d.dColour, sizeof dc);
  c1 = _mm_add_epi32(c0, dc);
  __m128i dc2 = _mm_add_epi32(dc, dc);
  __m256i colourA = _mm256_set_m128i(_mm_add_epi32(c0, dc2), c0), colourB = _mm256_set_m128i(_mm_add_epi32(c1, dc2), c1);
  const __m256i colourStep = _mm256_broadcastsi128_si256(_mm_add_epi32(dc2, dc2));
  // A wrapping texture has texels for any position: the last one to three pixels take a step of their own,
  // the frame read and written under a mask.
  const int end = kReach == Reach::Wrap ? count : count & ~3;
  for (int i = 0; i < end; i += 4) {
    const bool whole = kReach != Reach::Wrap || end - i >= 4;
    const __m128i pixelMask = _mm_cmpgt_epi32(_mm_set1_epi32(end - i), _mm_setr_epi32(0, 1, 2, 3));
    __m128i x = _mm_srai_epi32(us, 16), y = _mm_srai_epi32(vs, 16);
    if constexpr (kReach == Reach::Wrap) x = _mm_and_si128(x, maskX), y = _mm_and_si128(y, maskY);
    __m128i places = _mm_add_epi32(_mm_mullo_epi32(y, pitch), x);
    int k0 = _mm_cvtsi128_si32(places), k1 = _mm_extract_epi32(places, 1);
    int k2 = _mm_extract_epi32(places, 2), k3 = _mm_extract_epi32(places, 3);
    __m256i upperA = Pairs(t.pixels + k0, t.pixels + k2), lowerA = Pairs(below + k0, below + k2);
    __m256i upperB = Pairs(t.pixels + k1, t.pixels + k3), lowerB = Pairs(below + k1, below + k3);
    bool clear = false;
    if constexpr (kBlend == FillBlend::Blend || kBlend == FillBlend::Add) {
      // Texels that are all clear (or, added, all black) lay nothing: the frame keeps its pixels.
      __m256i any = _mm256_or_si256(_mm256_or_si256(upperA, lowerA), _mm256_or_si256(upperB, lowerB));
      clear = !opaque && _mm256_testz_si256(any, alphaLanes);
      if constexpr (kBlend == FillBlend::Add) clear = clear || _mm256_testz_si256(any, colourLanes);
    }
    if (!clear) {
      __m256i a = Weighed(upperA, lowerA, uA, vA), b = Weighed(upperB, lowerB, uB, vB);
      __m256i source = _mm256_srli_epi16(_mm256_unpacklo_epi64(a, b), 8);
      if (opaque) source = _mm256_or_si256(_mm256_andnot_si256(alphaLanes, source), opaqueAlpha);
      if constexpr (kTint) {
        __m256i levels = _mm256_packs_epi32(_mm256_srli_epi32(colourA, 16), _mm256_srli_epi32(colourB, 16));
        source = _mm256_srli_epi16(_mm256_mullo_epi16(source, Factors(levels)), 8);
      }
      __m256i laid = source;
      if constexpr (kBlend != FillBlend::Replace) {
        __m128i below4 = whole ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i))
                               : _mm_maskload_epi32(reinterpret_cast<const int*>(out + i), pixelMask);
        laid = Laid<kBlend>(source, _mm256_cvtepu8_epi16(below4));
      }
      __m128i four = _mm256_castsi256_si128(_mm256_permute4x64_epi64(_mm256_packus_epi16(laid, laid), 0x08));
      if (whole) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), four);
      } else {
        _mm_maskstore_epi32(reinterpret_cast<int*>(out + i), pixelMask, four);
      }
    }
    us = _mm_add_epi32(us, usStep), vs = _mm_add_epi32(vs, vsStep);
    uA = _mm256_add_epi16(uA, uStep), uB = _mm256_add_epi16(uB, uStep);
    vA = _mm256_add_epi16(vA, vStep), vB = _mm256_add_epi16(vB, vStep);
    if constexpr (kTint) colourA = _mm256_add_epi32(colourA, colourStep), colourB = _mm256_add_epi32(colourB, colourStep);
  }
}

template <bool kTint, Reach kReach>
SpanFiller ForBlend(FillBlend blend) {
  switch (blend) {
    case FillBlend::Replace: return FillWide<kTint, FillBlend::Replace, kReach>;
    case FillBlend::Blend: return FillWide<kTint, FillBlend::Blend, kReach>;
    case FillBlend::Add: return FillWide<kTint, FillBlend::Add, kReach>;
    case FillBlend::Modulate: return FillWide<kTint, FillBlend::Modulate, kReach>;
  }
  return nullptr;
}

}  // namespace

SpanFiller WideBilinearFiller(bool tint, FillBlend blend, Reach reach) {
  if (!WideSpansOn() || reach == Reach::Edge) return nullptr;
  if (reach == Reach::Wrap) return tint ? ForBlend<true, Reach::Wrap>(blend) : ForBlend<false, Reach::Wrap>(blend);
  return tint ? ForBlend<true, Reach::Inside>(blend) : ForBlend<false, Reach::Inside>(blend);
}

#else

SpanFiller WideBilinearFiller(bool, FillBlend, Reach) { return nullptr; }

#endif

}  // namespace media::spans
