// The CPU triangle filler: exact top-left edge walks, affine colour and texels (nearest or bilinear), four blends.
#include "media/TriangleFill.h"
#include "media/TriangleSpans.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace media {

namespace {

using spans::Colour;
using spans::Reach;
using spans::SpanFiller;
using spans::SpanStart;
using spans::SpanSteps;
using spans::Texels;

constexpr int kSubBits = 8;  // vertex positions snap to 1/256 pixel
constexpr int64_t kSub = int64_t{1} << kSubBits;
constexpr int64_t kHalf = kSub / 2;  // a pixel centre, from the pixel's corner
constexpr double kFixed = 65536.0;   // interpolated values step in 16.16 fixed point
constexpr double kLargestStep = 16384.0;  // texels or levels per pixel

// Two pixels' channels in 16-bit lanes, each in the pixel's byte order (blue, green, red, alpha): the pixels
// filled side by side, or the two texels of a row that the bilinear filter weighs.
using Lanes = uint16_t __attribute__((vector_size(16)));
using LaneBytes = uint8_t __attribute__((vector_size(8)));
using ColourLanes = uint16_t __attribute__((vector_size(8)));  // one colour's levels

enum class Sampling { None, Nearest, Bilinear };

inline Lanes Splat(uint16_t k) { return Lanes{k, k, k, k, k, k, k, k}; }

#if defined(__SSE2__)
inline Lanes Widened(__m128i bytes) {
  return reinterpret_cast<Lanes>(_mm_unpacklo_epi8(bytes, _mm_setzero_si128()));
}
inline Lanes Spread(uint32_t first, uint32_t second) {
  return Widened(_mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(first)),
                                    _mm_cvtsi32_si128(static_cast<int>(second))));
}
inline Lanes PairAt(const uint32_t* pixels) {
  return Widened(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pixels)));
}
inline void StorePair(uint32_t* pixels, Lanes lanes) {
  auto words = reinterpret_cast<__m128i>(lanes);
  _mm_storel_epi64(reinterpret_cast<__m128i*>(pixels), _mm_packus_epi16(words, words));
}
// The whole part of each channel of two colours.
inline Lanes Levels(Colour first, Colour second) {
  return reinterpret_cast<Lanes>(_mm_packs_epi32(_mm_srli_epi32(reinterpret_cast<__m128i>(first), 16),
                                                 _mm_srli_epi32(reinterpret_cast<__m128i>(second), 16)));
}
#else
inline Lanes Spread(uint32_t first, uint32_t second) {
  const uint32_t both[2] = {first, second};
  LaneBytes bytes;
  std::memcpy(&bytes, both, sizeof bytes);
  return __builtin_convertvector(bytes, Lanes);
}
inline Lanes PairAt(const uint32_t* pixels) { return Spread(pixels[0], pixels[1]); }
inline void StorePair(uint32_t* pixels, Lanes lanes) {
  LaneBytes bytes = __builtin_convertvector(lanes, LaneBytes);
  std::memcpy(pixels, &bytes, sizeof bytes);
}
inline Lanes Levels(Colour first, Colour second) {
  ColourLanes a = __builtin_convertvector(first >> 16, ColourLanes);
  ColourLanes b = __builtin_convertvector(second >> 16, ColourLanes);
  return __builtin_shufflevector(a, b, 0, 1, 2, 3, 4, 5, 6, 7);
}
#endif

// Levels plus one above 127, so that multiplying by them and shifting by 8 maps 255 to 255.
inline Lanes Factors(Lanes levels) { return levels + (levels >> 7); }

inline uint32_t Texel(const Texels& t, int x, int y) { return t.pixels[y * t.pitch + x] | t.alpha; }

// One pixel's bilinear texel: the two columns of the 2 x 2 texels weighed for the pixel, still to be added.
template <Reach kReach>
inline Lanes BilinearColumns(const Texels& t, uint32_t u, uint32_t v, Lanes uFraction, Lanes vFraction) {
  int x = static_cast<int32_t>(u) >> 16, y = static_cast<int32_t>(v) >> 16;
  if constexpr (kReach == Reach::Wrap) x &= t.maskX, y &= t.maskY;
  Lanes upper, lower;
  if constexpr (kReach != Reach::Edge) {
    const uint32_t* corner = t.pixels + y * t.pitch + x;
    upper = PairAt(corner);
    lower = PairAt(corner + t.pitch);
  } else {
    int left = std::clamp(x, 0, t.lastX), right = std::clamp(x + 1, 0, t.lastX);
    const uint32_t* top = t.pixels + std::clamp(y, 0, t.lastY) * t.pitch;
    const uint32_t* bottom = t.pixels + std::clamp(y + 1, 0, t.lastY) * t.pitch;
    upper = Spread(top[left], top[right]);
    lower = Spread(bottom[left], bottom[right]);
  }
  // Down both columns at once, then weighed across: every product stays within 255 * 256.
  const Lanes sideMask{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0, 0, 0, 0}, sideBase{256, 256, 256, 256, 0, 0, 0, 0};
  Lanes fy = vFraction >> 8, fx = uFraction >> 8;
  Lanes column = (upper * (Splat(256) - fy) + lower * fy) >> 8;
  return column * (((fx ^ sideMask) - sideMask) + sideBase);
}

// Two source pixels laid onto the two beneath as SDL's software renderer does: blending and adding weigh the
// colour by its alpha, modulating multiplies the colours; adding and modulating keep the alpha beneath.
template <FillBlend kBlend>
inline Lanes Laid(Lanes source, Lanes beneath) {
  if constexpr (kBlend == FillBlend::Replace) {
    return source;
  } else if constexpr (kBlend == FillBlend::Modulate) {
    Lanes factor = Factors(source);
    factor[3] = factor[7] = 256;
    return (factor * beneath) >> 8;
  } else {
    if constexpr (kBlend == FillBlend::Blend) {
      if (source[3] == 255 && source[7] == 255) return source;
    }
    Lanes weight = Factors(__builtin_shufflevector(source, source, 3, 3, 3, 3, 7, 7, 7, 7));
    Lanes over = weight;
    if constexpr (kBlend == FillBlend::Blend) {
      over[3] = over[7] = 256;  // the alpha comes out as alpha + (1 - alpha) * alpha beneath
      return (source * over + beneath * (Splat(256) - weight)) >> 8;
    } else {
      over[3] = over[7] = 0;
      Lanes sum = beneath + ((source * over) >> 8);
      const Lanes top = Splat(255);
      return sum > top ? top : sum;
    }
  }
}

// Two source pixels (the second only when `pair`) laid on the frame at out + i.
template <FillBlend kBlend>
inline void LayPair(uint32_t* out, int i, bool pair, Lanes source) {
  if (pair) {
    StorePair(out + i, Laid<kBlend>(source, kBlend == FillBlend::Replace ? source : PairAt(out + i)));
  } else {
    uint32_t both[2] = {out[i], out[i]};
    StorePair(both, Laid<kBlend>(source, kBlend == FillBlend::Replace ? source : PairAt(both)));
    out[i] = both[0];
  }
}

// The bilinear weight across of one pixel's two columns (see BilinearColumns), still to be added.
inline Lanes WeighedAcross(Lanes column, Lanes uFraction) {
  const Lanes sideMask{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0, 0, 0, 0}, sideBase{256, 256, 256, 256, 0, 0, 0, 0};
  Lanes fx = uFraction >> 8;
  return column * (((fx ^ sideMask) - sideMask) + sideBase);
}

// A bilinear span inside the texture along one texel row (v the same at every pixel, as across an unturned
// picture): each texel column is weighed down once for the span instead of once for every pixel that
// samples it. The same arithmetic as the general loop, so the same pixels.
template <bool kTint, FillBlend kBlend>
void FillLevelSpan(uint32_t* out, int count, SpanStart at, const SpanSteps& d, const Texels& t) {
  thread_local std::vector<uint16_t> columns;
  int y = static_cast<int32_t>(at.v) >> 16;
  int first = static_cast<int32_t>(at.u) >> 16;
  int last = static_cast<int32_t>(at.u + d.du * static_cast<uint32_t>(count - 1)) >> 16;
  if (last < first) std::swap(first, last);
  int texels = last + 2 - first;  // the last pixel weighs the texel after its own
  columns.resize(static_cast<size_t>(texels + 1) * 4);
  const uint32_t* upper = t.pixels + y * t.pitch;
  const uint32_t* lower = upper + t.pitch;
  Lanes fy = Splat(static_cast<uint16_t>(at.v)) >> 8;
  for (int k = 0; k < texels; k += 2) {
    int x = first + k;
    bool two = k + 1 < texels;
    Lanes top = two ? PairAt(upper + x) : Spread(upper[x], upper[x]);
    Lanes bottom = two ? PairAt(lower + x) : Spread(lower[x], lower[x]);
    Lanes column = (top * (Splat(256) - fy) + bottom * fy) >> 8;
    std::memcpy(columns.data() + static_cast<size_t>(k) * 4, &column, sizeof column);
  }
  auto columnAt = [&](uint32_t u) {
    Lanes column;
    std::memcpy(&column, columns.data() + static_cast<size_t>((static_cast<int32_t>(u) >> 16) - first) * 4,
                sizeof column);
    return column;
  };
  Lanes uFraction = Splat(static_cast<uint16_t>(at.u));
  const Lanes duFraction = Splat(static_cast<uint16_t>(d.du));
  for (int i = 0; i < count; i += 2) {
    bool pair = i + 1 < count;
    uint32_t u2 = at.u + d.du;
    Colour colour2 = at.colour + d.dColour;
    Lanes firstPixel = WeighedAcross(columnAt(at.u), uFraction);
    Lanes second = pair ? WeighedAcross(columnAt(u2), uFraction + duFraction) : firstPixel;
    Lanes source = (__builtin_shufflevector(firstPixel, second, 0, 1, 2, 3, 8, 9, 10, 11) +
                    __builtin_shufflevector(firstPixel, second, 4, 5, 6, 7, 12, 13, 14, 15)) >> 8;
    if (t.alpha != 0) source[3] = source[7] = 255;
    if constexpr (kTint) source = (source * Factors(Levels(at.colour, colour2))) >> 8;
    LayPair<kBlend>(out, i, pair, source);
    at.u = u2 + d.du;
    at.colour = colour2 + d.dColour;
    uFraction += duFraction + duFraction;
  }
}

// Two pixels of a span (the second only when `pair`) sampled, tinted and laid on the frame.
template <Sampling kSampling, bool kTint, FillBlend kBlend, Reach kReach>
inline void FillPair(uint32_t* out, int i, bool pair, const SpanStart& at, uint32_t u2, uint32_t v2,
                     Colour colour2, Lanes uFraction, Lanes vFraction, Lanes duFraction, Lanes dvFraction,
                     const Texels& t) {
  Lanes source;
  if constexpr (kSampling == Sampling::Bilinear) {
    Lanes first = BilinearColumns<kReach>(t, at.u, at.v, uFraction, vFraction);
    Lanes second = pair ? BilinearColumns<kReach>(t, u2, v2, uFraction + duFraction, vFraction + dvFraction)
                        : first;
    source = (__builtin_shufflevector(first, second, 0, 1, 2, 3, 8, 9, 10, 11) +
              __builtin_shufflevector(first, second, 4, 5, 6, 7, 12, 13, 14, 15)) >> 8;
    if (t.alpha != 0) source[3] = source[7] = 255;
  } else if constexpr (kSampling == Sampling::Nearest) {
    auto texel = [&](uint32_t u, uint32_t v) {
      int x = static_cast<int32_t>(u) >> 16, y = static_cast<int32_t>(v) >> 16;
      if constexpr (kReach == Reach::Edge) x = std::clamp(x, 0, t.lastX), y = std::clamp(y, 0, t.lastY);
      if constexpr (kReach == Reach::Wrap) x &= t.maskX, y &= t.maskY;
      return Texel(t, x, y);
    };
    uint32_t first = texel(at.u, at.v);
    source = Spread(first, pair ? texel(u2, v2) : first);
  } else {
    source = Levels(at.colour, colour2);
  }
  if constexpr (kTint && kSampling != Sampling::None) source = (source * Factors(Levels(at.colour, colour2))) >> 8;
  LayPair<kBlend>(out, i, pair, source);
}

// Whether the texels two bilinear pixels weigh are all wholly clear (or, added, all black), so that laying
// them changes nothing: their sampling is then skipped. Only where no texel index needs clamping.
template <Sampling kSampling, FillBlend kBlend, Reach kReach>
inline bool Clear(const Texels& t, uint32_t u, uint32_t v, uint32_t u2, uint32_t v2) {
  if constexpr (kSampling != Sampling::Bilinear || kReach == Reach::Edge ||
                (kBlend != FillBlend::Blend && kBlend != FillBlend::Add)) {
    return false;
  } else {
    auto corner = [&t](uint32_t at, uint32_t down) {
      int x = static_cast<int32_t>(at) >> 16, y = static_cast<int32_t>(down) >> 16;
      if constexpr (kReach == Reach::Wrap) x &= t.maskX, y &= t.maskY;
      return t.pixels + y * t.pitch + x;
    };
    const uint32_t* a = corner(u, v);
    const uint32_t* b = corner(u2, v2);
    uint32_t any = a[0] | a[1] | a[t.pitch] | a[t.pitch + 1] | b[0] | b[1] | b[t.pitch] | b[t.pitch + 1];
    // Added, black adds nothing either, whatever its alpha.
    if constexpr (kBlend == FillBlend::Add) {
      if ((any & 0xFFFFFFu) == 0) return true;
    }
    return t.alpha == 0 && (any >> 24) == 0;
  }
}

// Fills a span two pixels at a time (the second lane half is the second pixel); an odd last pixel takes the
// same path with its half beside it unused.
template <Sampling kSampling, bool kTint, FillBlend kBlend, Reach kReach>
void FillSpan(uint32_t* out, int count, SpanStart at, const SpanSteps& steps, const Texels& texels) {
  // Copies the compiler can keep in registers: the frame's pixels might otherwise alias the fields.
  const SpanSteps d = steps;
  const Texels t = texels;
  if constexpr (kSampling == Sampling::Nearest && !kTint && kBlend == FillBlend::Replace) {
    for (int i = 0; i < count; ++i, at.u += d.du, at.v += d.dv) {
      int x = static_cast<int32_t>(at.u) >> 16, y = static_cast<int32_t>(at.v) >> 16;
      if constexpr (kReach == Reach::Edge) x = std::clamp(x, 0, t.lastX), y = std::clamp(y, 0, t.lastY);
      if constexpr (kReach == Reach::Wrap) x &= t.maskX, y &= t.maskY;
      out[i] = Texel(t, x, y);
    }
    return;
  }
  if constexpr (kSampling == Sampling::Bilinear && kReach == Reach::Inside) {
    if (d.dv == 0 && count >= 8) {
      FillLevelSpan<kTint, kBlend>(out, count, at, d, t);
      return;
    }
  }
  // The bilinear weights step in 16-bit lanes: the fraction of u (down to 1/65536) wraps exactly as u does.
  Lanes uFraction = Splat(static_cast<uint16_t>(at.u)), vFraction = Splat(static_cast<uint16_t>(at.v));
  const Lanes duFraction = Splat(static_cast<uint16_t>(d.du)), dvFraction = Splat(static_cast<uint16_t>(d.dv));
  for (int i = 0; i < count; i += 2) {
    bool pair = i + 1 < count;
    uint32_t u2 = at.u + d.du, v2 = at.v + d.dv;
    Colour colour2 = at.colour + d.dColour;
    if (!Clear<kSampling, kBlend, kReach>(t, at.u, at.v, pair ? u2 : at.u, pair ? v2 : at.v)) {
      FillPair<kSampling, kTint, kBlend, kReach>(out, i, pair, at, u2, v2, colour2, uFraction, vFraction,
                                                  duFraction, dvFraction, t);
    }
    at.u = u2 + d.du;
    at.v = v2 + d.dv;
    at.colour = colour2 + d.dColour;
    uFraction += duFraction + duFraction;
    vFraction += dvFraction + dvFraction;
  }
}

template <Sampling kSampling, bool kTint, Reach kReach>
SpanFiller FillerForBlend(FillBlend blend) {
  switch (blend) {
    case FillBlend::Replace: return FillSpan<kSampling, kTint, FillBlend::Replace, kReach>;
    case FillBlend::Blend: return FillSpan<kSampling, kTint, FillBlend::Blend, kReach>;
    case FillBlend::Add: return FillSpan<kSampling, kTint, FillBlend::Add, kReach>;
    case FillBlend::Modulate: return FillSpan<kSampling, kTint, FillBlend::Modulate, kReach>;
  }
  return nullptr;
}

template <Sampling kSampling, bool kTint>
SpanFiller FillerFor(FillBlend blend, Reach reach) {
  switch (reach) {
    case Reach::Edge: return FillerForBlend<kSampling, kTint, Reach::Edge>(blend);
    case Reach::Inside: return FillerForBlend<kSampling, kTint, Reach::Inside>(blend);
    case Reach::Wrap: return FillerForBlend<kSampling, kTint, Reach::Wrap>(blend);
  }
  return nullptr;
}

// Fillers for spans inside the texture and for spans that reach its edges (for a wrapping texture, both
// the one that masks its texel indices).
struct Fillers {
  SpanFiller inside = nullptr, edge = nullptr;
};

Fillers FillersFor(Sampling sampling, bool tint, FillBlend blend, bool wrap) {
  auto pick = [&](Reach reach) {
    switch (sampling) {
      case Sampling::Bilinear: return tint ? FillerFor<Sampling::Bilinear, true>(blend, reach)
                                           : FillerFor<Sampling::Bilinear, false>(blend, reach);
      case Sampling::Nearest: return tint ? FillerFor<Sampling::Nearest, true>(blend, reach)
                                          : FillerFor<Sampling::Nearest, false>(blend, reach);
      case Sampling::None: return FillerForBlend<Sampling::None, true, Reach::Inside>(blend);
    }
    return SpanFiller{};
  };
  if (wrap) return {pick(Reach::Wrap), pick(Reach::Wrap)};
  return {pick(Reach::Inside), pick(Reach::Edge)};
}

int64_t FloorDiv(int64_t a, int64_t b) {  // b > 0
  int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

// The first row, or column, whose pixel centre lies at or beyond a fixed-point position.
int64_t FirstCentreFrom(int64_t position) { return CeilDiv(position - kHalf, kSub); }

// Walks one edge down the rows: `x` is the first column whose centre lies at or right of the edge, kept
// exactly with a quotient and remainder so that two triangles sharing the edge split its pixels exactly.
struct EdgeWalk {
  int64_t x = 0;
  int64_t remainder = 0;    // x * denominator - numerator, in 0 .. denominator - 1
  int64_t denominator = 1;
  int64_t stepX = 0, stepRemainder = 0;

  // From (x0, y0) down to (x1, y1), y1 > y0, in fixed point; the walk starts on pixel row `row`.
  void Start(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t row) {
    int64_t dx = x1 - x0, dy = y1 - y0;
    denominator = kSub * dy;
    int64_t numerator = (x0 - kHalf) * dy + (row * kSub + kHalf - y0) * dx;
    x = CeilDiv(numerator, denominator);
    remainder = x * denominator - numerator;
    int64_t step = kSub * dx;
    stepX = FloorDiv(step, denominator);
    stepRemainder = step - stepX * denominator;
  }

  // Without a branch: whether the remainder wraps follows the edge's slope, which no predictor guesses well.
  void Next() {
    remainder -= stepRemainder;
    int64_t wrapped = remainder >> 63;  // -1 when the remainder went below 0
    x += stepX - wrapped;
    remainder += denominator & wrapped;
  }
};

// One interpolated value as a plane over the screen: value = base + dx * x + dy * y at pixel (x, y),
// kept within the values at the corners.
// Left unset until fitted (a triangle sets up several, most of which it never fits).
struct Plane {
  double base, dx, dy, low, high;

  void Fit(const double (&x)[3], const double (&y)[3], const double (&value)[3], double inverseArea) {
    double d1 = value[1] - value[0], d2 = value[2] - value[0];
    dx = (d1 * (y[2] - y[0]) - d2 * (y[1] - y[0])) * inverseArea;
    dy = (d2 * (x[1] - x[0]) - d1 * (x[2] - x[0])) * inverseArea;
    base = value[0] - dx * x[0] - dy * y[0];
    low = std::min({value[0], value[1], value[2]});
    high = std::max({value[0], value[1], value[2]});
  }

  uint32_t At(double x, double y) const { return Fixed(std::clamp(base + dx * x + dy * y, low, high)); }
  uint32_t Step() const { return Fixed(std::clamp(dx, -kLargestStep, kLargestStep)); }

  // Truncated: 1/65536 either way makes no difference, and a library call per value would. Held within the
  // 16.16 range (only a wrapping texture's far-flung corners reach it); a corner that is not a number lands
  // on the low end rather than on a conversion the machine leaves undefined.
  static uint32_t Fixed(double value) {
    constexpr double kMost = 2147483647.0 / kFixed;
    double held = value >= -kMost && value <= kMost ? value : (value > 0 ? kMost : -kMost);
    return static_cast<uint32_t>(static_cast<int32_t>(held * kFixed));
  }
};

// Narrows the pixels [low, high) of a span to those whose value (16.16, from `start` by `step` a pixel) lies
// within 0 .. last.
void NarrowToInside(uint32_t start, uint32_t step, int64_t last, int& low, int& high) {
  int64_t first = static_cast<int32_t>(start), d = static_cast<int32_t>(step);
  int64_t end = first + d * (high - 1);
  if (std::min(first, end) >= 0 && std::max(first, end) <= last) return;  // the usual case: all inside
  int64_t from = 0, to = 0;  // pixels from .. to are inside
  if (d == 0) {
    if (first < 0 || first > last) high = low;
    return;
  }
  if (d > 0) {
    from = CeilDiv(-first, d);
    to = FloorDiv(last - first, d);
  } else {
    from = CeilDiv(first - last, -d);
    to = FloorDiv(first, -d);
  }
  low = static_cast<int>(std::clamp<int64_t>(from, low, high));
  high = static_cast<int>(std::clamp<int64_t>(to + 1, low, high));
}

SpanStart Advanced(SpanStart at, const SpanSteps& d, int pixels) {
  auto n = static_cast<uint32_t>(pixels);
  at.u += d.du * n;
  at.v += d.dv * n;
  at.colour += d.dColour * Colour{n, n, n, n};
  return at;
}

struct Corner {
  int64_t x = 0, y = 0;  // fixed point
  const QuadVertex* vertex = nullptr;
};

// A coordinate to the nearest 1/256 pixel, the same however often it is snapped (shared corners must agree).
int64_t Snapped(float coordinate) {
  constexpr double kOffset = 1 << 20;  // above every usable coordinate, so that truncation floors
  return static_cast<int64_t>((coordinate + kOffset) * kSub + 0.5) - static_cast<int64_t>(kOffset * kSub);
}

bool Usable(const QuadVertex& v) {
  return std::fabs(v.x) <= kFarthestFillPixel && std::fabs(v.y) <= kFarthestFillPixel;  // false for NaN
}

double UnitClamped(float t) { return t >= 0.0f ? (t <= 1.0f ? t : 1.0) : 0.0; }  // NaN to 0

// The whole number at or below `value` (within +-2^52): what std::floor gives, without a library call on
// processors that lack a rounding instruction.
inline double Floor(double value) {
  if (!(std::fabs(value) < 4503599627370496.0)) return value;  // already whole, or not a number
  double whole = static_cast<double>(static_cast<int64_t>(value));
  return whole > value ? whole - 1 : whole;
}

// How one texture is sampled across a triangle: its texel positions as planes over the screen, its fillers.
struct LayerFill {
  Sampling sampling = Sampling::None;
  bool wrap = false;
  Plane u, v;
  SpanSteps steps;
  const Texels* texels = nullptr;
  Fillers fill;
  SpanFiller wide = nullptr;        // four pixels a step, where the processor can
  int64_t insideX = 0, insideY = 0; // inside the texture, a span's texel positions lie within these (16.16)

  // Fits the texel planes to the corners' coordinates (`coordinates` gives a corner's u and v).
  template <typename Coordinates>
  void Fit(const FillTexture& texture, const double (&x)[3], const double (&y)[3], double inverseArea,
           Coordinates coordinates) {
    // Bilinear texel centres lie on whole numbers, nearest texels span them.
    double shift = texture.bilinear ? 0.5 : 0.0;
    wrap = texture.wrap;
    auto fit = [&](Plane& plane, int which, int size) {
      double value[3];
      for (int k = 0; k < 3; ++k) {
        float t = coordinates(k, which);
        value[k] = (wrap ? (t == t ? static_cast<double>(t) : 0.0) : UnitClamped(t)) * size - shift;
      }
      if (wrap) {
        // Only the position within a repeat matters: whole repeats off all three corners keep the values small.
        double repeats = Floor(std::min({value[0], value[1], value[2]}) / size) * size;
        for (double& w : value) w -= repeats;
      }
      plane.Fit(x, y, value, inverseArea);
    };
    fit(u, 0, texture.width);
    fit(v, 1, texture.height);
    steps.du = u.Step();
    steps.dv = v.Step();
    sampling = texture.bilinear ? Sampling::Bilinear : Sampling::Nearest;
    int pair = sampling == Sampling::Bilinear ? 1 : 0;
    insideX = ((int64_t{texels->lastX} - pair) << 16) + 0xFFFF;
    insideY = ((int64_t{texels->lastY} - pair) << 16) + 0xFFFF;
  }

  void ChooseFillers(bool tint, FillBlend blend) {
    fill = FillersFor(sampling, tint, blend, wrap);
    wide = sampling == Sampling::Bilinear ? spans::WideBilinearFiller(tint, blend, wrap ? Reach::Wrap : Reach::Inside)
                                          : nullptr;
  }

  // The inside of a span through the wide loop (for a texture that stops at its edges, its multiple of four
  // pixels), the rest through the two-pixel one.
  void Inside(uint32_t* to, int n, const SpanStart& from) const {
    int four = wide == nullptr ? 0 : wrap ? n : n & ~3;
    if (four > 0) wide(to, four, from, steps, *texels);
    if (four < n) fill.inside(to + four, n - four, four > 0 ? Advanced(from, steps, four) : from, steps, *texels);
  }

  // A span of `count` pixels from `out`, its values `at` those of its first pixel. Only the pixels near the
  // texture's edges take the slower filler that clamps texel indices.
  void Span(uint32_t* out, int count, const SpanStart& at) const {
    int low = 0, high = count;
    if (sampling != Sampling::None && !wrap) {
      NarrowToInside(at.u, steps.du, insideX, low, high);
      NarrowToInside(at.v, steps.dv, insideY, low, high);
    }
    if (low >= high) {
      fill.edge(out, count, at, steps, *texels);
      return;
    }
    if (low > 0) fill.edge(out, low, at, steps, *texels);
    Inside(out + low, high - low, Advanced(at, steps, low));
    if (high < count) fill.edge(out + high, count - high, Advanced(at, steps, high), steps, *texels);
  }
};

struct Job {
  const PixelRows& target;
  FillClip clip;
  const FillTexture& texture;
  FillBlend blend;
  Texels texels;
  const QuadVertex* vertices;     // the first vertex, for the second layer's coordinates of a corner
  const FillSecondLayer* second;  // null: one layer
  Texels secondTexels;
  FillCoverage* coverage;         // null: not wanted
};

// Marks pixels from .. to - 1 of a row as drawn. A few words a span: written in place, not by a library call.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-tree-loop-distribute-patterns")))
#endif
void Cover(FillCoverage& coverage, int64_t row, int64_t from, int64_t to) {
  if (row < coverage.top || row >= coverage.top + coverage.rows || from >= to) return;
  uint64_t* words = coverage.bits + (row - coverage.top) * coverage.wordsPerRow;
  int64_t first = from >> 6, last = (to - 1) >> 6;
  uint64_t head = ~uint64_t{0} << (from & 63), tail = ~uint64_t{0} >> (63 - ((to - 1) & 63));
  if (first == last) {
    words[first] |= head & tail;
    return;
  }
  words[first] |= head;
  for (int64_t w = first + 1; w < last; ++w) words[w] = ~uint64_t{0};
  words[last] |= tail;
}

void FillOne(const Job& job, const QuadVertex& p, const QuadVertex& q, const QuadVertex& r) {
  if (!Usable(p) || !Usable(q) || !Usable(r)) return;
  Corner c[3] = {{Snapped(p.x), Snapped(p.y), &p}, {Snapped(q.x), Snapped(q.y), &q}, {Snapped(r.x), Snapped(r.y), &r}};
  if (c[1].y < c[0].y) std::swap(c[0], c[1]);
  if (c[2].y < c[1].y) std::swap(c[1], c[2]);
  if (c[1].y < c[0].y) std::swap(c[0], c[1]);
  const Corner &top = c[0], &middle = c[1], &bottom = c[2];
  // Twice the signed area; negative when the middle corner lies right of the long edge from top to bottom.
  int64_t cross = (bottom.x - top.x) * (middle.y - top.y) - (bottom.y - top.y) * (middle.x - top.x);
  if (cross == 0) return;
  const FillClip& clip = job.clip;
  int64_t firstRow = std::max<int64_t>(FirstCentreFrom(top.y), clip.y0);
  int64_t middleRow = FirstCentreFrom(middle.y);
  int64_t endRow = std::min<int64_t>(FirstCentreFrom(bottom.y), clip.y1);
  int64_t leftmost = std::min({top.x, middle.x, bottom.x}), rightmost = std::max({top.x, middle.x, bottom.x});
  if (firstRow >= endRow || FirstCentreFrom(leftmost) >= clip.x1 || FirstCentreFrom(rightmost) <= clip.x0) return;

  double x[3], y[3], value[3];
  for (int k = 0; k < 3; ++k) x[k] = c[k].x / double(kSub), y[k] = c[k].y / double(kSub);
  double inverseArea = 1.0 / ((x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]));
  bool textured = job.texture.pixels != nullptr;
  bool white = true, opaque = true;
  for (const Corner& k : c) {
    const QuadVertex& v = *k.vertex;
    white = white && v.r == 255 && v.g == 255 && v.b == 255 && v.a == 255;
    opaque = opaque && v.a == 255;
  }
  LayerFill first, second;
  first.texels = &job.texels;
  if (textured) {
    first.Fit(job.texture, x, y, inverseArea, [&](int k, int which) { return which == 0 ? c[k].vertex->u : c[k].vertex->v; });
  }
  Plane colour[4];
  bool tint = !textured || !white;
  // One colour at every corner (a faded quad, a flat triangle): it stands still, no plane to walk.
  const QuadVertex &c0 = *c[0].vertex, &c1 = *c[1].vertex, &c2 = *c[2].vertex;
  bool flat = c0.r == c1.r && c0.r == c2.r && c0.g == c1.g && c0.g == c2.g && c0.b == c1.b && c0.b == c2.b &&
              c0.a == c1.a && c0.a == c2.a;
  Colour flatColour{};
  if (tint && flat) {
    const uint8_t levels[4] = {c0.b, c0.g, c0.r, c0.a};
    for (int channel = 0; channel < 4; ++channel) flatColour[channel] = Plane::Fixed(levels[channel] + 0.5);
  } else if (tint) {
    for (int channel = 0; channel < 4; ++channel) {
      for (int k = 0; k < 3; ++k) {
        const QuadVertex& w = *c[k].vertex;
        const uint8_t levels[4] = {w.b, w.g, w.r, w.a};
        value[k] = levels[channel] + 0.5;
      }
      colour[channel].Fit(x, y, value, inverseArea);
    }
  }
  FillBlend blend = job.blend;
  if (blend == FillBlend::Blend && opaque && (!textured || job.texture.opaque)) blend = FillBlend::Replace;
  first.ChooseFillers(tint, blend);
  if (!flat)
    for (int channel = 0; channel < 4; ++channel) first.steps.dColour[channel] = colour[channel].Step();
  bool layered = job.second != nullptr;
  if (layered) {
    second.texels = &job.secondTexels;
    const float* uv = job.second->uv;
    second.Fit(job.second->texture, x, y, inverseArea,
               [&](int k, int which) { return uv[2 * (c[k].vertex - job.vertices) + which]; });
    second.ChooseFillers(false, FillBlend::Modulate);
  }
  // Both layers repeating and filtered: one pass lays both, four pixels a step, where the processor can.
  spans::TwoLayerFiller both = layered && first.wrap && second.wrap && first.sampling == Sampling::Bilinear &&
                                       second.sampling == Sampling::Bilinear
                                   ? spans::WideTwoLayerFiller(tint, blend)
                                   : nullptr;

  EdgeWalk along, upper, lower;
  along.Start(top.x, top.y, bottom.x, bottom.y, firstRow);
  bool alongIsLeft = cross < 0;
  if (firstRow < middleRow) upper.Start(top.x, top.y, middle.x, middle.y, firstRow);
  int64_t lowerFirst = std::max(middleRow, firstRow);
  if (lowerFirst < endRow) lower.Start(middle.x, middle.y, bottom.x, bottom.y, lowerFirst);
  for (int64_t row = firstRow; row < endRow; ++row) {
    EdgeWalk& side = row < middleRow ? upper : lower;
    int64_t edge = alongIsLeft ? along.x : side.x, to = alongIsLeft ? side.x : along.x;
    int64_t from = std::max<int64_t>(edge, clip.x0);
    to = std::min<int64_t>(to, clip.x1);
    if (from < to) {
      // The values start at the span's own left end and step from there to the first pixel drawn, so that a
      // pixel comes out the same however much of its span the clip cuts away.
      double cx = static_cast<double>(edge) + 0.5, cy = static_cast<double>(row) + 0.5;
      int cut = static_cast<int>(from - edge), count = static_cast<int>(to - from);
      SpanStart at;
      if (textured) at.u = first.u.At(cx, cy), at.v = first.v.At(cx, cy);
      if (tint && flat) {
        at.colour = flatColour;
      } else if (tint) {
        for (int channel = 0; channel < 4; ++channel) at.colour[channel] = colour[channel].At(cx, cy);
      }
      uint32_t* out = job.target.pixels + row * job.target.pitch + from;
      if (cut > 0) at = Advanced(at, first.steps, cut);
      SpanStart at2;
      if (layered) {
        at2.u = second.u.At(cx, cy), at2.v = second.v.At(cx, cy);
        if (cut > 0) at2 = Advanced(at2, second.steps, cut);
      }
      if (job.coverage != nullptr) Cover(*job.coverage, row, from, to);
      if (both != nullptr) {
        both(out, count, at, first.steps, *first.texels, at2, second.steps, *second.texels);
      } else {
        first.Span(out, count, at);
        // The second layer modulates the span the first has just laid, as a second pass over it would.
        if (layered) second.Span(out, count, at2);
      }
    }
    along.Next();
    side.Next();
  }
}

}  // namespace

namespace {

bool Fillable(const FillTexture& texture) {
  if (texture.pixels == nullptr) return true;
  if (texture.width <= 0 || texture.height <= 0 || texture.width > kLargestFillTexture ||
      texture.height > kLargestFillTexture) {
    return false;
  }
  return !texture.wrap || CanWrapTexture(texture.width, texture.height);
}

Texels TexelsOf(const FillTexture& texture) {
  return {texture.pixels, texture.pitch, texture.width - 1, texture.height - 1, texture.opaque ? 0xFF000000u : 0u,
          texture.width - 1, texture.height - 1};
}

}  // namespace

void FillTriangles(const PixelRows& target, const FillClip& clip, const FillTexture& texture, FillBlend blend,
                   const QuadVertex* vertices, int vertexCount, const int* indices, int indexCount,
                   const FillSecondLayer* second, FillCoverage* coverage) {
  if (target.pixels == nullptr || vertices == nullptr || vertexCount <= 0 || !Fillable(texture)) return;
  if (second != nullptr && (second->texture.pixels == nullptr || second->uv == nullptr || !Fillable(second->texture)))
    return;
  FillClip within{std::max(clip.x0, 0), std::max(clip.y0, 0), std::min(clip.x1, target.width),
                  std::min(clip.y1, target.height)};
  Job job{target, within, texture, blend, TexelsOf(texture), vertices, second,
          second != nullptr ? TexelsOf(second->texture) : Texels{}, coverage};
  if (job.clip.x0 >= job.clip.x1 || job.clip.y0 >= job.clip.y1) return;
  int corners = indices != nullptr ? indexCount : vertexCount;
  for (int i = 0; i + 2 < corners; i += 3) {
    int a = indices ? indices[i] : i, b = indices ? indices[i + 1] : i + 1, c = indices ? indices[i + 2] : i + 2;
    if (a < 0 || b < 0 || c < 0 || a >= vertexCount || b >= vertexCount || c >= vertexCount) continue;
    // Triangles wholly above or below the rows to fill (a band of the frame) are passed at once.
    float top = std::min({vertices[a].y, vertices[b].y, vertices[c].y});
    float bottom = std::max({vertices[a].y, vertices[b].y, vertices[c].y});
    if (!(bottom >= static_cast<float>(job.clip.y0) - 1.0f && top <= static_cast<float>(job.clip.y1) + 1.0f)) continue;
    FillOne(job, vertices[a], vertices[b], vertices[c]);
  }
}

}  // namespace media
