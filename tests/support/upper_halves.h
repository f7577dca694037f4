// The upper halves of the vector registers, as code outside the engine
// leaves them: made dirty on purpose, and read back through the processor's
// record of which register state is in use (XGETBV with ECX = 1).
#pragma once

#if defined(__x86_64__)
#include <cpuid.h>

#include <cstdint>
#endif

namespace pilaro::test {

// True where the processor has AVX and reports whether the upper halves
// are in use.
inline bool upperHalvesObservable() {
#if defined(__x86_64__)
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__builtin_cpu_supports("avx") || !__get_cpuid_count(0xD, 1, &a, &b, &c, &d)) return false;
    return (a & 4) != 0;  // XGETBV with ECX = 1
#else
    return false;
#endif
}

// The upper halves hold something other than zeros. Only where observable.
inline bool upperHalvesInUse() {
#if defined(__x86_64__)
    std::uint32_t low = 0, high = 0;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
    return (low & 4) != 0;
#else
    return false;
#endif
}

// Leaves every ymm register all ones, upper halves included, as AVX code
// that returns without clearing may. (Some processors slow down SSE2 code
// only for the registers whose upper halves are in use.) Only where
// observable.
inline void dirtyUpperHalves() {
#if defined(__x86_64__)
#define PILARO_ONES(n) "vcmpps $15, %%ymm" #n ", %%ymm" #n ", %%ymm" #n "\n\t"
    __asm__ volatile(PILARO_ONES(0) PILARO_ONES(1) PILARO_ONES(2) PILARO_ONES(3) PILARO_ONES(4)
                         PILARO_ONES(5) PILARO_ONES(6) PILARO_ONES(7) PILARO_ONES(8) PILARO_ONES(9)
                             PILARO_ONES(10) PILARO_ONES(11) PILARO_ONES(12) PILARO_ONES(13)
                                 PILARO_ONES(14) PILARO_ONES(15)
                     :
                     :
                     : "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7", "xmm8",
                       "xmm9", "xmm10", "xmm11", "xmm12", "xmm13", "xmm14", "xmm15");
#undef PILARO_ONES
#endif
}

}  // namespace pilaro::test
