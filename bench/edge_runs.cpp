// Whole runs near the axis against realistic runs, timed side by side: 300
// seeded near-axial cases (no moment, or an eccentricity of at most 0.02 D,
// under 0.2 to 1.3 times the section's axial capacity; designs and checks)
// and 300 realistic ones, alternately, so that a change of load on the
// machine affects both alike.
//
//   pilaro_edge_runs [cases per kind] [seed]
//
// Only runs that reach a solver count (a run that stops at "应加大截面尺寸！"
// takes no time worth measuring). Each run is repeated for at least 2 ms of
// CPU, and the median of three such rounds is its time.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/section_case.h"
#include "bench/section_generator.h"

namespace pilaro {
namespace {

struct Timed {
    double seconds;
    SectionCase section;
};

// The next case of a kind that reaches its solver; designs and checks
// alternate.
SectionCase nextCase(std::mt19937_64& random, bool nearAxial, long i) {
    const bool check = i % 2 == 1;
    for (;;) {
        const SectionCase s =
            nearAxial ? nearAxialSection(random, check, 1.3) : randomSection(random, check);
        if (solverInputOf(s)) return s;
    }
}

double quantile(const std::vector<Timed>& sorted, double q) {
    return sorted[static_cast<std::size_t>(q * static_cast<double>(sorted.size() - 1))].seconds;
}

void print(const char* kind, const std::vector<Timed>& sorted) {
    std::printf("%-12s %4zu runs: median %8.1f us, 90th percentile %8.1f us, slowest %8.1f us\n",
                kind, sorted.size(), 1e6 * quantile(sorted, 0.5), 1e6 * quantile(sorted, 0.9),
                1e6 * sorted.back().seconds);
}

void printSlowest(const char* kind, const std::vector<Timed>& sorted) {
    std::printf("slowest %s runs:\n", kind);
    for (std::size_t i = 0; i < std::min<std::size_t>(3, sorted.size()); ++i) {
        const Timed& t = sorted[sorted.size() - 1 - i];
        const SectionCase& s = t.section;
        std::printf("  %8.1f us  {%.17g, %.17g, %.17g, %.17g, %.17g, %.17g, %zu, %zu}\n",
                    1e6 * t.seconds, s.D, s.a, s.l0, s.Nj, s.Mj, s.Ag, s.concrete, s.steel);
    }
}

}  // namespace
}  // namespace pilaro

int main(int argc, char** argv) {
    using namespace pilaro;
    const long count = argc > 1 ? std::atol(argv[1]) : 300;
    const auto seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261207ULL;
    std::mt19937_64 nearRandom(seed);
    std::mt19937_64 realisticRandom(seed + 1);
    std::vector<Timed> nearAxial, realistic;
    for (long i = 0; i < count; ++i) {
        const SectionCase n = nextCase(nearRandom, true, i);
        nearAxial.push_back({secondsPerRun(n, 0.002), n});
        const SectionCase r = nextCase(realisticRandom, false, i);
        realistic.push_back({secondsPerRun(r, 0.002), r});
    }
    const auto bySeconds = [](const Timed& a, const Timed& b) { return a.seconds < b.seconds; };
    std::sort(nearAxial.begin(), nearAxial.end(), bySeconds);
    std::sort(realistic.begin(), realistic.end(), bySeconds);
    print("realistic", realistic);
    print("near-axial", nearAxial);
    const double median = quantile(realistic, 0.5);
    std::printf("near-axial against the realistic median: median %.1fx, slowest %.1fx\n",
                quantile(nearAxial, 0.5) / median, nearAxial.back().seconds / median);
    printSlowest("near-axial", nearAxial);
    printSlowest("realistic", realistic);
    return 0;
}
