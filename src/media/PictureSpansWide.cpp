// Picture rows laid eight pixels a step in AVX2, chosen at run time where the processor has it: the lanes of
// the four-pixel SSE2 loop, twice as wide, so the same pixels.
#include "media/PictureSpans.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define NOVA_WIDE_SPANS 1
#endif

namespace media {

#if defined(NOVA_WIDE_SPANS)

namespace {

// Only ever run after the processor said it has AVX2; nothing shared with other files is instantiated here.
#define WIDE __attribute__((target("avx2")))

WIDE inline __m256i Weights(__m256i levels) { return _mm256_add_epi16(levels, _mm256_srli_epi16(levels, 7)); }

// Four pixels in 16-bit lanes (two in each 128-bit half) laid on the four beneath.
template <FillBlend kBlend>
WIDE inline __m256i LaidFour(__m256i s, __m256i d, __m256i alphaLanes, __m256i colourLanes) {
  const __m256i full = _mm256_set1_epi16(256);
  if constexpr (kBlend == FillBlend::Modulate) {
    __m256i factor = _mm256_or_si256(_mm256_and_si256(Weights(s), colourLanes), _mm256_and_si256(full, alphaLanes));
    return _mm256_srli_epi16(_mm256_mullo_epi16(factor, d), 8);
  } else {
    __m256i w = Weights(_mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s, 0xFF), 0xFF));
    if constexpr (kBlend == FillBlend::Blend) {
      __m256i over = _mm256_or_si256(_mm256_and_si256(w, colourLanes), _mm256_and_si256(full, alphaLanes));
      return _mm256_srli_epi16(
          _mm256_add_epi16(_mm256_mullo_epi16(s, over), _mm256_mullo_epi16(d, _mm256_sub_epi16(full, w))), 8);
    } else {
      __m256i over = _mm256_and_si256(w, colourLanes);
      return _mm256_add_epi16(d, _mm256_srli_epi16(_mm256_mullo_epi16(s, over), 8));  // saturated when packed
    }
  }
}

// Eight pixels, faded by `fade` when `faded`, laid on the eight beneath and packed back to bytes.
template <FillBlend kBlend>
WIDE inline __m256i LaidEight(__m256i s, __m256i d, bool faded, __m256i fade, __m256i alphaLanes, __m256i colourLanes) {
  const __m256i zero = _mm256_setzero_si256();
  __m256i sLow = _mm256_unpacklo_epi8(s, zero), sHigh = _mm256_unpackhi_epi8(s, zero);
  if (faded) {
    sLow = _mm256_srli_epi16(_mm256_mullo_epi16(sLow, fade), 8);
    sHigh = _mm256_srli_epi16(_mm256_mullo_epi16(sHigh, fade), 8);
  }
  __m256i low = LaidFour<kBlend>(sLow, _mm256_unpacklo_epi8(d, zero), alphaLanes, colourLanes);
  __m256i high = LaidFour<kBlend>(sHigh, _mm256_unpackhi_epi8(d, zero), alphaLanes, colourLanes);
  return _mm256_packus_epi16(low, high);
}

template <FillBlend kBlend>
WIDE int LayEight(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint) {
  const __m256i orMask = _mm256_set1_epi32(static_cast<int>(paint.orMask));
  const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  const __m256i alphaLanes = _mm256_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0);
  const __m256i colourLanes = _mm256_set_epi16(0, -1, -1, -1, 0, -1, -1, -1, 0, -1, -1, -1, 0, -1, -1, -1);
  const bool faded = paint.alpha < 255;
  uint32_t fadeWeight = paint.alpha + (paint.alpha >> 7);
  const __m256i fade = _mm256_or_si256(_mm256_and_si256(_mm256_set1_epi16(static_cast<short>(fadeWeight)), alphaLanes),
                                       _mm256_and_si256(_mm256_set1_epi16(256), colourLanes));
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    __m256i s = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i)), orMask);
    __m256i alphas = _mm256_and_si256(s, alphaMask);
    if constexpr (kBlend != FillBlend::Modulate) {
      // Wholly clear pixels lay nothing; wholly opaque ones, unfaded, simply replace in a blend.
      if (_mm256_testz_si256(alphas, alphas)) continue;
      if (kBlend == FillBlend::Blend && !faded &&
          _mm256_movemask_epi8(_mm256_cmpeq_epi32(alphas, alphaMask)) == -1) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), s);
        continue;
      }
    }
    __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                        LaidEight<kBlend>(s, d, faded, fade, alphaLanes, colourLanes));
  }
  if (i < count) {
    // The last one to seven pixels through the same arithmetic, read and written under a mask.
    __m256i lanes = _mm256_cmpgt_epi32(_mm256_set1_epi32(count - i), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    __m256i s = _mm256_or_si256(_mm256_maskload_epi32(reinterpret_cast<const int*>(in + i), lanes), orMask);
    __m256i d = _mm256_maskload_epi32(reinterpret_cast<const int*>(out + i), lanes);
    _mm256_maskstore_epi32(reinterpret_cast<int*>(out + i), lanes,
                           LaidEight<kBlend>(s, d, faded, fade, alphaLanes, colourLanes));
  }
  return count;
}

}  // namespace

void LaySpanWide(uint32_t* out, const uint32_t* in, int count, const LayPaint& paint) {
  switch (paint.blend) {
    case FillBlend::Blend: LayEight<FillBlend::Blend>(out, in, count, paint); return;
    case FillBlend::Add: LayEight<FillBlend::Add>(out, in, count, paint); return;
    case FillBlend::Modulate: LayEight<FillBlend::Modulate>(out, in, count, paint); return;
    case FillBlend::Replace: return;
  }
}

#else

void LaySpanWide(uint32_t*, const uint32_t*, int, const LayPaint&) {}

#endif

}  // namespace media
