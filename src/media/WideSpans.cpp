// The switch between the wide (AVX2) drawing loops and the SSE2 ones: what the processor has, what tests ask.
#include "media/WideSpans.h"

namespace media {

namespace {

bool ProcessorHasAvx2() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
#else
  return false;
#endif
}

}  // namespace

bool wideSpansOn = ProcessorHasAvx2();

void UseWideSpans(bool on) { wideSpansOn = on && ProcessorHasAvx2(); }
bool WideSpansAvailable() { return ProcessorHasAvx2(); }

}  // namespace media
