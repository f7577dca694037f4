// Searches seeded random sections for the inputs that cost the searches the
// most trials, and the whole runs the most time, and prints them in the form
// the engine benchmarks take, each with the CPU time of its whole run.
//
//   pilaro_worst_inputs [sections per road] [seed]
//
// For each road (design, check) it reports the slowest search that lands on
// the grid as written, the slowest that only lands by bisection, the
// slowest that never lands, and the slowest whole run. It then pushes the
// worst circling cases to the edge of the acceptance band (scaling Nj and Mj
// together, so that every ratio scales and nothing else changes) to find
// the most trials any input can cost. Trials counted are the written
// search's: a cycle followed to the trial cap counts them all, though most
// are never stepped one by one.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "bench/section_case.h"
#include "bench/section_generator.h"
#include "bench/trial_sequence.h"

namespace pilaro {
namespace {

struct Worst {
    SectionCase section{};
    SearchResult search;
};

// The shortest of 15 or 17 significant digits that reads back as the same
// double, so that a printed case pastes back exactly.
std::string figure(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    if (std::strtod(text, nullptr) != value) std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

void print(const char* what, const Worst& w) {
    const SectionCase& s = w.section;
    const double micros = w.search.trials > 0 ? 1e6 * secondsPerRun(s) : 0.0;
    std::printf("%-34s trials %7ld %8.1f us  {%s, %s, %s, %s, %s, %s, %zu, %zu}\n", what,
                w.search.trials, micros, figure(s.D).c_str(), figure(s.a).c_str(),
                figure(s.l0).c_str(), figure(s.Nj).c_str(), figure(s.Mj).c_str(),
                figure(s.Ag).c_str(), s.concrete, s.steel);
}

bool landsOnGrid(const SearchResult& r) {
    return r.end == SearchEnd::Landed && !r.refined;
}

// Whether the solver's search is the written search's alone, trial for
// trial: the engine benchmarks replay only such a search (a check that
// lands beyond the section's range goes on to scan it).
bool replaysAsWritten(const SectionCase& s, const SearchResult& r) {
    const TrialSequence written = trialSequenceOf(s);
    return written.search.trials == r.trials && written.search.xi == r.xi;
}

// Scales Nj and Mj together between a factor where the search lands on the
// grid and one where it does not, down to the last bit; the non-landing side
// then has a trial a hair outside the band.
Worst pushToBandEdge(const SectionCase& circling) {
    auto scaled = [&](double factor) {
        SectionCase s = circling;
        s.Nj = circling.Nj * factor;
        s.Mj = circling.Mj * factor;
        return s;
    };
    Worst worst{circling, searchOf(circling)};
    for (double step : {1e-3, -1e-3}) {
        double outside = 1.0;
        double inside = 0.0;
        for (int i = 1; i <= 20 && inside == 0.0; ++i)
            if (landsOnGrid(searchOf(scaled(1.0 + step * i)))) inside = 1.0 + step * i;
        if (inside == 0.0) continue;
        for (int i = 0; i < 80; ++i) {
            const double middle = (outside + inside) / 2;
            if (middle == outside || middle == inside) break;
            (landsOnGrid(searchOf(scaled(middle))) ? inside : outside) = middle;
        }
        const SearchResult r = searchOf(scaled(outside));
        if (r.trials > worst.search.trials) worst = {scaled(outside), r};
    }
    return worst;
}

void searchRoad(const char* road, bool check, long count, std::mt19937_64::result_type seed) {
    std::mt19937_64 random(seed);
    Worst onGrid, refined, never, circlingNoSlenderness, slowestRun;
    double slowestSeconds = 0;
    long landed = 0, bisected = 0, failed = 0, stopped = 0, capped = 0;
    for (long i = 0; i < count; ++i) {
        const SectionCase s = randomSection(random, check);
        const SearchResult r = searchOf(s);
        if (r.trials == 0) {
            ++stopped;
            continue;
        }
        const double seconds = secondsPerRun(s, 0);
        if (seconds > slowestSeconds) {
            slowestSeconds = seconds;
            slowestRun = {s, r};
        }
        if (r.trials >= kTrialCap) ++capped;
        Worst* slot = &never;
        if (landsOnGrid(r)) {
            ++landed;
            slot = &onGrid;
        } else if (r.end == SearchEnd::Landed) {
            ++bisected;
            slot = &refined;
            // Without slenderness eta is 1 and Nj scales every ratio alone.
            // Circling: the written search itself lands, by the bisection
            // of its cycle.
            const SearchResult written = writtenSearchOf(s);
            if (s.l0 / s.D <= 7 && written.end == SearchEnd::Landed && written.refined &&
                written.trials < 1000 && written.trials > circlingNoSlenderness.search.trials)
                circlingNoSlenderness = {s, written};
        } else {
            ++failed;
        }
        if (r.trials > slot->search.trials && (slot != &onGrid || replaysAsWritten(s, r)))
            *slot = {s, r};
    }
    std::printf(
        "%s: %ld sections, seed %llu: %ld land on the grid, %ld by bisection, %ld never, "
        "%ld stop before the search; %ld reach the trial cap\n",
        road, count, static_cast<unsigned long long>(seed), landed, bisected, failed, stopped,
        capped);
    print("  slowest landing on the grid", onGrid);
    print("  slowest landing by bisection", refined);
    print("  slowest never landing", never);
    print("  slowest whole run", slowestRun);
    if (circlingNoSlenderness.search.trials > 0) {
        print("  circling, no slenderness", circlingNoSlenderness);
        print("  same, pushed to the band's edge", pushToBandEdge(circlingNoSlenderness.section));
    }
}

}  // namespace
}  // namespace pilaro

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 20000;
    const auto seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 7ULL;
    pilaro::searchRoad("design", false, count, seed);
    pilaro::searchRoad("check", true, count, seed + 1);
    return 0;
}
