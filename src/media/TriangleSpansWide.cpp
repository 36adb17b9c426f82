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

WIDE inline __m256i Factors(__m256i levels) { return _mm256_add_epi16(levels, _mm256_srli_epi16(levels, 7)); }

// Two pixels' bilinear texels (one in each half, in its low 64 bits), still 256 times too large: the columns
// weighed down by the fraction of v, then across by that of u (`fx` and `fy` hold the whole fractions, 0..255,
// in every lane of a half). a (256 - f) + b f is written a 256 + (b - a) f: the same value, which stays within
// 16 bits however the lanes wrap on the way, with one multiplication instead of two.
WIDE inline __m256i Weighed(__m256i upper, __m256i lower, __m256i fx, __m256i fy) {
  __m256i column = _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_slli_epi16(upper, 8), _mm256_mullo_epi16(_mm256_sub_epi16(lower, upper), fy)), 8);
  __m256i right = _mm256_srli_si256(column, 8);  // the right column under the left
  return _mm256_add_epi16(_mm256_slli_epi16(column, 8), _mm256_mullo_epi16(_mm256_sub_epi16(right, column), fx));
}

// The whole fraction (0..255) of each of four 16.16 positions, in every 16-bit lane of the half that weighs
// its pixel: for A (pixels 0 and 2) and B (pixels 1 and 3).
WIDE inline void Fractions(__m256i both, __m256i& forA, __m256i& forB) {  // `both`: the four in each half
  const __m256i pickA = _mm256_setr_epi8(1, -128, 1, -128, 1, -128, 1, -128, 1, -128, 1, -128, 1, -128, 1, -128,
                                         9, -128, 9, -128, 9, -128, 9, -128, 9, -128, 9, -128, 9, -128, 9, -128);
  const __m256i pickB = _mm256_setr_epi8(5, -128, 5, -128, 5, -128, 5, -128, 5, -128, 5, -128, 5, -128, 5, -128,
                                         13, -128, 13, -128, 13, -128, 13, -128, 13, -128, 13, -128, 13, -128, 13,
                                         -128);
  forA = _mm256_shuffle_epi8(both, pickA);
  forB = _mm256_shuffle_epi8(both, pickB);
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

// One texture sampled along a span four pixels a step: the four pixels' texel positions and the texels.
template <Reach kReach>
struct Reader {
  const Texels* t;
  const uint32_t* below;  // the texel row under the first
  // The four pixels' texel positions (16.16), the same in both halves; the whole parts place the texels.
  __m256i us, vs, usStep, vsStep;
  __m128i maskX, maskY, pitch;
  __m256i opaqueAlpha;    // 255 in the alpha lanes for an opaque texture, else 0: ORed into its texels

  WIDE Reader(const Texels& texels, const SpanStart& at, const SpanSteps& d) : t(&texels), below(texels.pixels + texels.pitch) {
    opaqueAlpha = texels.alpha != 0 ? _mm256_setr_epi16(0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255)
                                    : _mm256_setzero_si256();
    const __m256i steps = _mm256_setr_epi32(0, 1, 2, 3, 0, 1, 2, 3);
    us = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(at.u)),
                          _mm256_mullo_epi32(_mm256_set1_epi32(static_cast<int>(d.du)), steps));
    vs = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(at.v)),
                          _mm256_mullo_epi32(_mm256_set1_epi32(static_cast<int>(d.dv)), steps));
    usStep = _mm256_set1_epi32(static_cast<int>(4 * d.du)), vsStep = _mm256_set1_epi32(static_cast<int>(4 * d.dv));
    maskX = _mm_set1_epi32(texels.maskX), maskY = _mm_set1_epi32(texels.maskY), pitch = _mm_set1_epi32(texels.pitch);
  }

  // Of each four pixels, the first and third go through A, the second and fourth through B: the halves of A
  // and B then interleave into the four in their order.
  WIDE void Texels4(__m256i& upperA, __m256i& lowerA, __m256i& upperB, __m256i& lowerB) const {
    __m128i x = _mm_srai_epi32(_mm256_castsi256_si128(us), 16), y = _mm_srai_epi32(_mm256_castsi256_si128(vs), 16);
    if constexpr (kReach == Reach::Wrap) x = _mm_and_si128(x, maskX), y = _mm_and_si128(y, maskY);
    __m128i places = _mm_add_epi32(_mm_mullo_epi32(y, pitch), x);
    int k0 = _mm_cvtsi128_si32(places), k1 = _mm_extract_epi32(places, 1);
    int k2 = _mm_extract_epi32(places, 2), k3 = _mm_extract_epi32(places, 3);
    upperA = Pairs(t->pixels + k0, t->pixels + k2), lowerA = Pairs(below + k0, below + k2);
    upperB = Pairs(t->pixels + k1, t->pixels + k3), lowerB = Pairs(below + k1, below + k3);
  }

  // The four bilinear texels, in 16-bit lanes; an opaque texture's with alpha 255 when `setAlpha`.
  WIDE __m256i Filtered(__m256i upperA, __m256i lowerA, __m256i upperB, __m256i lowerB, bool setAlpha) const {
    __m256i fxA, fxB, fyA, fyB;
    Fractions(us, fxA, fxB);
    Fractions(vs, fyA, fyB);
    __m256i a = Weighed(upperA, lowerA, fxA, fyA), b = Weighed(upperB, lowerB, fxB, fyB);
    __m256i source = _mm256_srli_epi16(_mm256_unpacklo_epi64(a, b), 8);
    return setAlpha ? _mm256_or_si256(source, opaqueAlpha) : source;
  }

  WIDE void Next() { us = _mm256_add_epi32(us, usStep), vs = _mm256_add_epi32(vs, vsStep); }
};

// The span's colours four pixels at a time (A: pixels 0 and 2, B: 1 and 3, as the texels), 16.16.
struct Colours {
  __m256i a, b, step;

  WIDE Colours(const SpanStart& at, const SpanSteps& d) {
    __m128i c0, dc;
    __builtin_memcpy(&c0, &at.colour, sizeof c0);
    __builtin_memcpy(&dc, &d.dColour, sizeof dc);
    __m128i c1 = _mm_add_epi32(c0, dc), dc2 = _mm_add_epi32(dc, dc);
    a = _mm256_set_m128i(_mm_add_epi32(c0, dc2), c0);
    b = _mm256_set_m128i(_mm_add_epi32(c1, dc2), c1);
    step = _mm256_broadcastsi128_si256(_mm_add_epi32(dc2, dc2));
  }

  // The four pixels tinted by their colours.
  WIDE __m256i Tinted(__m256i source) const {
    __m256i levels = _mm256_packs_epi32(_mm256_srli_epi32(a, 16), _mm256_srli_epi32(b, 16));
    return _mm256_srli_epi16(_mm256_mullo_epi16(source, Factors(levels)), 8);
  }

  WIDE void Next() { a = _mm256_add_epi32(a, step), b = _mm256_add_epi32(b, step); }
};

// The four pixels of the frame at `out` (under `mask` when not `whole`), in 16-bit lanes, and back.
WIDE inline __m256i Beneath(const uint32_t* out, bool whole, __m128i mask) {
  __m128i four = whole ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(out))
                       : _mm_maskload_epi32(reinterpret_cast<const int*>(out), mask);
  return _mm256_cvtepu8_epi16(four);
}

WIDE inline void Store(uint32_t* out, __m256i laid, bool whole, __m128i mask) {
  __m128i four = _mm256_castsi256_si128(_mm256_permute4x64_epi64(_mm256_packus_epi16(laid, laid), 0x08));
  if (whole) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), four);
  } else {
    _mm_maskstore_epi32(reinterpret_cast<int*>(out), mask, four);
  }
}

// Four pixels of one layer laid by its blend (tinted or not). `kWhole`: all four lie in the span; else those of
// `mask` (the frame read and written under it).
template <bool kTint, FillBlend kBlend, Reach kReach, bool kWhole>
WIDE inline void OneLayerFour(uint32_t* out, __m128i mask, Reader<kReach>& reader, Colours& colours) {
  const __m256i alphaLanes = _mm256_setr_epi16(0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1);
  const __m256i colourLanes = _mm256_xor_si256(alphaLanes, _mm256_set1_epi16(-1));
  __m256i upperA, lowerA, upperB, lowerB;
  reader.Texels4(upperA, lowerA, upperB, lowerB);
  bool clear = false;
  if constexpr (kBlend == FillBlend::Blend || kBlend == FillBlend::Add) {
    // Texels that are all clear (or, added, all black) lay nothing: the frame keeps its pixels.
    __m256i any = _mm256_or_si256(_mm256_or_si256(upperA, lowerA), _mm256_or_si256(upperB, lowerB));
    clear = reader.t->alpha == 0 && _mm256_testz_si256(any, alphaLanes);
    if constexpr (kBlend == FillBlend::Add) clear = clear || _mm256_testz_si256(any, colourLanes);
  }
  if (!clear) {
    // Multiplying leaves the alpha beneath: an opaque texture's alpha needs no setting.
    __m256i source = reader.Filtered(upperA, lowerA, upperB, lowerB, kBlend != FillBlend::Modulate);
    if constexpr (kTint) source = colours.Tinted(source);
    __m256i laid = source;
    if constexpr (kBlend != FillBlend::Replace) laid = Laid<kBlend>(source, Beneath(out, kWhole, mask));
    Store(out, laid, kWhole, mask);
  }
  reader.Next();
  if constexpr (kTint) colours.Next();
}

template <bool kTint, FillBlend kBlend, Reach kReach>
WIDE void FillWide(uint32_t* out, int count, SpanStart at, const SpanSteps& steps, const Texels& texels) {
  const SpanSteps d = steps;
  const Texels t = texels;
  Reader<kReach> reader(t, at, d);
  Colours colours(at, d);
  int i = 0;
  for (; i + 4 <= count; i += 4) OneLayerFour<kTint, kBlend, kReach, true>(out + i, _mm_setzero_si128(), reader, colours);
  // A wrapping texture has texels for any position: the last one to three pixels take a step of their own.
  // Inside, the caller leaves them to the two-pixel loop.
  if (kReach == Reach::Wrap && i < count) {
    __m128i mask = _mm_cmpgt_epi32(_mm_set1_epi32(count - i), _mm_setr_epi32(0, 1, 2, 3));
    OneLayerFour<kTint, kBlend, kReach, false>(out + i, mask, reader, colours);
  }
}

// Four pixels of two layers: the first laid by its blend (tinted or not), the second multiplied over it at
// once. `kWhole`: all four lie in the span; else those of `mask` (the frame read and written under it).
template <bool kTint, FillBlend kBlend, bool kWhole>
WIDE inline void TwoLayersFour(uint32_t* out, __m128i mask, Reader<Reach::Wrap>& reader,
                               Reader<Reach::Wrap>& secondReader, Colours& colours) {
  __m256i upperA, lowerA, upperB, lowerB;
  reader.Texels4(upperA, lowerA, upperB, lowerB);
  __m256i source = reader.Filtered(upperA, lowerA, upperB, lowerB, true);
  if constexpr (kTint) source = colours.Tinted(source);
  __m256i laid = source;
  if constexpr (kBlend != FillBlend::Replace) laid = Laid<kBlend>(source, Beneath(out, kWhole, mask));
  secondReader.Texels4(upperA, lowerA, upperB, lowerB);
  laid = Laid<FillBlend::Modulate>(secondReader.Filtered(upperA, lowerA, upperB, lowerB, false), laid);
  Store(out, laid, kWhole, mask);
  reader.Next();
  secondReader.Next();
  if constexpr (kTint) colours.Next();
}

// Two wrapping textures in one pass, the pixels never leaving the registers between the layers; the same
// pixels as the one-layer loops run one after the other over the span.
template <bool kTint, FillBlend kBlend>
WIDE void FillWideTwo(uint32_t* out, int count, SpanStart at, const SpanSteps& steps, const Texels& texels,
                      SpanStart secondAt, const SpanSteps& secondSteps, const Texels& secondTexels) {
  const SpanSteps d = steps, d2 = secondSteps;
  const Texels t = texels, t2 = secondTexels;
  Reader<Reach::Wrap> reader(t, at, d), secondReader(t2, secondAt, d2);
  Colours colours(at, d);
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    TwoLayersFour<kTint, kBlend, true>(out + i, _mm_setzero_si128(), reader, secondReader, colours);
  }
  if (i < count) {
    __m128i mask = _mm_cmpgt_epi32(_mm_set1_epi32(count - i), _mm_setr_epi32(0, 1, 2, 3));
    TwoLayersFour<kTint, kBlend, false>(out + i, mask, reader, secondReader, colours);
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

template <bool kTint>
TwoLayerFiller TwoForBlend(FillBlend blend) {
  switch (blend) {
    case FillBlend::Replace: return FillWideTwo<kTint, FillBlend::Replace>;
    case FillBlend::Blend: return FillWideTwo<kTint, FillBlend::Blend>;
    case FillBlend::Add: return FillWideTwo<kTint, FillBlend::Add>;
    case FillBlend::Modulate: return FillWideTwo<kTint, FillBlend::Modulate>;
  }
  return nullptr;
}

}  // namespace

TwoLayerFiller WideTwoLayerFiller(bool tint, FillBlend blend) {
  if (!WideSpansOn()) return nullptr;
  return tint ? TwoForBlend<true>(blend) : TwoForBlend<false>(blend);
}

SpanFiller WideBilinearFiller(bool tint, FillBlend blend, Reach reach) {
  if (!WideSpansOn() || reach == Reach::Edge) return nullptr;
  if (reach == Reach::Wrap) return tint ? ForBlend<true, Reach::Wrap>(blend) : ForBlend<false, Reach::Wrap>(blend);
  return tint ? ForBlend<true, Reach::Inside>(blend) : ForBlend<false, Reach::Inside>(blend);
}

#else

SpanFiller WideBilinearFiller(bool, FillBlend, Reach) { return nullptr; }
TwoLayerFiller WideTwoLayerFiller(bool, FillBlend) { return nullptr; }

#endif

}  // namespace media::spans
