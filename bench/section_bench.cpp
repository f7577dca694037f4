// One evaluation of the section coefficients at a few depths of the neutral
// axis: the worked values' section (D = 1.2 m, a = 0.05 m, Ⅱ级 steel).
#include <benchmark/benchmark.h>

#include "engine/section.h"

namespace pilaro {
namespace {

constexpr double kG = 1.1 / 1.2;
constexpr double kRg = 340000;
constexpr double kEg = 200000000;

void sectionCoefficientsAt(benchmark::State& state, double xi) {
    // Above 1.5 the stress-block factor is the one retained from the last
    // evaluation at or below 1.5, as within a search that crossed 1.5.
    StressBlockMemory memory;
    static_cast<void>(sectionCoefficients(1.49, kG, kRg, kEg, memory));
    for (auto _ : state) {
        SectionCoefficients c = sectionCoefficients(xi, kG, kRg, kEg, memory);
        benchmark::DoNotOptimize(c);
    }
}

// xi = 0.05: t1 above 1 (no steel yields in compression); 0.3 and 0.55:
// both yield zones; 1.0 and 1.2: t2 below -1, tension yield clamped; 1.6:
// the retained stress-block factor.
BENCHMARK_CAPTURE(sectionCoefficientsAt, xi_0_05, 0.05);
BENCHMARK_CAPTURE(sectionCoefficientsAt, xi_0_30, 0.3);
BENCHMARK_CAPTURE(sectionCoefficientsAt, xi_0_55, 0.55);
BENCHMARK_CAPTURE(sectionCoefficientsAt, xi_1_00, 1.0);
BENCHMARK_CAPTURE(sectionCoefficientsAt, xi_1_20, 1.2);
BENCHMARK_CAPTURE(sectionCoefficientsAt, xi_1_60, 1.6);

}  // namespace
}  // namespace pilaro
