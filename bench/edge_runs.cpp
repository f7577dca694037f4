// Whole runs at the engine's edges against realistic runs, each figure a
// ratio taken in one run, so that a change of load on the machine affects
// both sides alike:
//
// - near the axis: seeded near-axial cases (no moment, or an eccentricity
//   of at most 0.02 D, under 0.2 to 1.3 times the section's axial
//   capacity; designs and checks) and as many realistic ones, alternately;
// - the worst input: the slowest inputs found (bench/named_cases.cpp) and
//   the slowest of seeded absurd inputs (sections from 0.01 mm to 100 m,
//   loads over many orders of size), whatever their outcome.
//
//   pilaro_edge_runs [cases per kind] [seed] [absurd inputs]
//
// Only runs that reach a solver count (a run that stops at "应加大截面尺寸！"
// takes no time worth measuring). Each near-axial and realistic run is
// repeated for at least 2 ms of CPU, and the median of three such rounds
// is its time; an absurd input is run three times. A slowest run, timed
// once among thousands, may have met a busy moment: the slowest few of
// each kind are timed again, alternately with the realistic run of median
// time, over seven rounds, and the median of their ratios is the figure.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/named_cases.h"
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

const Timed& atQuantile(const std::vector<Timed>& sorted, double q) {
    return sorted[static_cast<std::size_t>(q * static_cast<double>(sorted.size() - 1))];
}

void print(const char* kind, const std::vector<Timed>& sorted) {
    std::printf("%-12s %4zu runs: median %8.1f us, 90th percentile %8.1f us, slowest %8.1f us\n",
                kind, sorted.size(), 1e6 * quantile(sorted, 0.5), 1e6 * quantile(sorted, 0.9),
                1e6 * sorted.back().seconds);
}

void printCase(const SectionCase& s) {
    std::printf("{%.17g, %.17g, %.17g, %.17g, %.17g, %.17g, %zu, %zu}", s.D, s.a, s.l0, s.Nj, s.Mj,
                s.Ag, s.concrete, s.steel);
}

void printSlowest(const char* kind, const std::vector<Timed>& sorted) {
    std::printf("slowest %s runs:\n", kind);
    for (std::size_t i = 0; i < std::min<std::size_t>(3, sorted.size()); ++i) {
        const Timed& t = sorted[sorted.size() - 1 - i];
        std::printf("  %8.1f us  ", 1e6 * t.seconds);
        printCase(t.section);
        std::printf("\n");
    }
}

// The largest, over `candidates`, of the median over seven rounds of a
// candidate's time over the yardstick's, the two timed back to back.
struct Confirmed {
    double ratio = 0;
    SectionCase section{};
};

Confirmed confirmSlowest(const std::vector<SectionCase>& candidates, const SectionCase& yardstick,
                         double leastSeconds) {
    constexpr int kRounds = 7;
    Confirmed worst;
    for (const SectionCase& candidate : candidates) {
        std::array<double, kRounds> ratios{};
        for (double& ratio : ratios) {
            const double base = secondsPerRun(yardstick, 0.002);
            ratio = secondsPerRun(candidate, leastSeconds) / base;
        }
        std::sort(ratios.begin(), ratios.end());
        if (ratios[kRounds / 2] > worst.ratio) worst = {ratios[kRounds / 2], candidate};
    }
    return worst;
}

std::vector<SectionCase> slowestOf(const std::vector<Timed>& sorted, std::size_t count) {
    std::vector<SectionCase> slowest;
    for (std::size_t i = 0; i < std::min(count, sorted.size()); ++i)
        slowest.push_back(sorted[sorted.size() - 1 - i].section);
    return slowest;
}

void printConfirmed(const char* what, const Confirmed& c, double median) {
    std::printf("%s against the realistic median: %.1fx (%.1f us)  ", what, c.ratio,
                1e6 * c.ratio * median);
    printCase(c.section);
    std::printf("\n");
}

}  // namespace
}  // namespace pilaro

int main(int argc, char** argv) {
    using namespace pilaro;
    const long count = argc > 1 ? std::atol(argv[1]) : 1000;
    const auto seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261207ULL;
    const long absurdCount = argc > 3 ? std::atol(argv[3]) : 20000;
    std::mt19937_64 nearRandom(seed);
    std::mt19937_64 realisticRandom(seed + 1);
    std::mt19937_64 absurdRandom(seed + 2);
    std::vector<Timed> nearAxial, realistic, absurd;
    for (long i = 0; i < count; ++i) {
        const SectionCase n = nextCase(nearRandom, true, i);
        nearAxial.push_back({secondsPerRun(n, 0.002), n});
        const SectionCase r = nextCase(realisticRandom, false, i);
        realistic.push_back({secondsPerRun(r, 0.002), r});
    }
    for (long i = 0; i < absurdCount; ++i) {
        const SectionCase s = absurdSection(absurdRandom);
        if (solverInputOf(s)) absurd.push_back({secondsPerRun(s, 0), s});
    }
    const auto bySeconds = [](const Timed& a, const Timed& b) { return a.seconds < b.seconds; };
    std::sort(nearAxial.begin(), nearAxial.end(), bySeconds);
    std::sort(realistic.begin(), realistic.end(), bySeconds);
    std::sort(absurd.begin(), absurd.end(), bySeconds);
    print("realistic", realistic);
    print("near-axial", nearAxial);
    print("absurd", absurd);
    const double median = quantile(realistic, 0.5);
    std::printf("near-axial against the realistic median: median %.1fx, slowest %.1fx\n",
                quantile(nearAxial, 0.5) / median, nearAxial.back().seconds / median);
    printSlowest("near-axial", nearAxial);
    printSlowest("realistic", realistic);
    printSlowest("absurd", absurd);

    const SectionCase& yardstick = atQuantile(realistic, 0.5).section;
    std::printf("the realistic run of median time: ");
    printCase(yardstick);
    std::printf("\n");
    printConfirmed("slowest near-axial run, timed again,",
                   confirmSlowest(slowestOf(nearAxial, 5), yardstick, 0.002), median);
    std::vector<SectionCase> worst = slowestOf(absurd, 5);
    for (const NamedCase& named : worstInputs()) worst.push_back(named.section);
    printConfirmed("worst input, timed again,", confirmSlowest(worst, yardstick, 0.002), median);
    return 0;
}
