#include "engine/vector_state.h"

#if defined(__x86_64__) && !defined(__AVX__)
#include <immintrin.h>
#endif

namespace pilaro {

// A build for AVX encodes every vector instruction so that the upper
// halves never slow it down: nothing to clear.
#if defined(__x86_64__) && !defined(__AVX__)

namespace {

// Compiled for AVX alone, and called only where the processor has it.
[[gnu::target("avx")]] void zeroUpperHalves() {
    _mm256_zeroupper();
}

}  // namespace

void clearUpperVectorHalves() {
    if (__builtin_cpu_supports("avx")) zeroUpperHalves();
}

#else

void clearUpperVectorHalves() {}

#endif

}  // namespace pilaro
