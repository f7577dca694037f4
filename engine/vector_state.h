// The engine's arithmetic is plain SSE2. On x86-64 processors with AVX it
// runs about ten times slower while other code in the process has left the
// upper halves of the vector registers in use: Qt's start-up does, and the
// state stays until someone clears it. The engine's entry points clear it
// first. It changes no value: only the upper halves, which SSE2 code never
// reads, are set to zero.
#pragma once

namespace pilaro {

inline void clearUpperVectorHalves() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (__builtin_cpu_supports("avx")) __asm__ volatile("vzeroupper");
#endif
}

}  // namespace pilaro
