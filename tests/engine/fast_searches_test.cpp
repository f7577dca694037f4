// The written search's edges taken fast, held to the slow way kept here:
// the scan of the section's range against reading every grid point, the
// cut of a design search that can only run away against stepping on to
// the drift bound, and the circuits of a cycle against stepping each one.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "engine/resistance.h"
#include "engine/search/check_solver.h"
#include "engine/search/cycle_follow.h"
#include "engine/search/design_solver.h"
#include "engine/search/written_search.h"
#include "tests/engine/solver_fixture.h"

namespace pilaro {
namespace {

using test::Section;
using test::solverInputOf;

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Every grid point of the range, outward from 0.55 one pair up and one
// down in turn, each pair on either side of 1 bisected until one lands.
template <typename Trial>
SearchResult scanEveryPoint(Trial& trial) {
    SearchResult result;
    const auto usable = [](const TrialOutcome& t) { return !t.zeroDivisor && t.finite; };
    const auto tryPair = [&](long k) {
        const TrialOutcome a = trial(gridPoint(k));
        const TrialOutcome b = trial(gridPoint(k + 1));
        return usable(a) && usable(b) && (a.ratio < 1) != (b.ratio < 1) &&
               search_detail::bisect(trial, gridPoint(k), a.ratio, gridPoint(k + 1), result);
    };
    for (long i = 1; i <= kHighestGridIndex; ++i) {
        if (tryPair(i - 1)) return result;
        if (-i >= kLowestGridIndex && tryPair(-i)) return result;
    }
    return result;
}

std::vector<Section> sections() {
    std::vector<Section> all;
    for (const test::Grade steel : {test::kI, test::kII, test::kIII, test::kIV, test::k5})
        for (const double e : {0.0, 0.002, 0.01, 0.03, 0.2, 1.0, 5.0})  // e0 / D
            for (const double Nj : {300.0, 3000.0, 15719.0})
                all.push_back(
                    {std::round(Nj * e * 0.88 * 10) / 10, Nj, 0.88, 0.065, 5, test::k40, steel});
    // A pole of the design's ratio between two coarse points, with a
    // crossing of 1 beside it.
    all.push_back({182.2, 15719, 0.88, 0.065, 10.3, test::k40, test::kI});
    return all;
}

TEST(FastSearches, TheRangeScanLandsWhereEveryPointDoes) {
    int landed = 0;
    for (const Section& s : sections()) {
        const SolverInput in = solverInputOf(s);
        CoefficientMemo memo(in.g, in.Rg, in.Eg);
        for (const double rho : {0.0, 0.01, 0.05}) {
            DesignTrial design{in, memo, Reading::Fresh};
            CheckTrial check{in, rho, memo, Reading::Fresh};
            const SearchResult fast =
                rho == 0 ? scanSectionRange(design, {}) : scanSectionRange(check, {});
            const SearchResult slow = rho == 0 ? scanEveryPoint(design) : scanEveryPoint(check);
            ASSERT_EQ(fast.end, slow.end) << s.Nj << " Mj " << s.Mj << " rho " << rho;
            EXPECT_TRUE(sameBits(fast.xi, slow.xi)) << s.Nj << " Mj " << s.Mj << " rho " << rho;
            landed += fast.end == SearchEnd::Landed;
        }
    }
    EXPECT_GT(landed, 100);
}

// Stepped as written, evaluating every trial, until a trial lands or xi
// is more than 1000 from the start.
SearchResult stepToTheDriftBound(DesignTrial& trial) {
    SearchResult result;
    for (double xi = kSearchStart; std::fabs(xi - kSearchStart) <= kDriftBound;) {
        const TrialOutcome t = trial(xi);
        ++result.trials;
        if (t.zeroDivisor || !t.finite || landsInBand(t.ratio)) {
            result.end = SearchEnd::Landed;
            result.xi = xi;
            return result;
        }
        xi = t.ratio < 1 ? xi + kDesignSteps.up : xi - kDesignSteps.down;
    }
    return result;
}

// The design's trial, noting whether the last one told the search that no
// landing lies ahead.
struct NotingTrial {
    DesignTrial trial;
    bool cut = false;

    TrialOutcome operator()(double xi) {
        const TrialOutcome t = trial(xi);
        cut = t.noLandingAhead;
        return t;
    }
};

TEST(FastSearches, ADesignSearchIsCutOnlyWhereItRunsAway) {
    int cut = 0;
    for (const Section& s : sections()) {
        const SolverInput in = solverInputOf(s);
        CoefficientMemo memo(in.g, in.Rg, in.Eg);
        NotingTrial fast{DesignTrial{in, memo, Reading::Fresh}};
        const SearchResult written = writtenSearch(fast, kDesignSteps);
        if (written.end != SearchEnd::NotConverging || !fast.cut) continue;
        ++cut;
        DesignTrial slow{in, memo, Reading::Fresh};
        EXPECT_EQ(stepToTheDriftBound(slow).end, SearchEnd::NotConverging)
            << s.Nj << " Mj " << s.Mj;
    }
    EXPECT_GT(cut, 10);
}

// Sections whose design searches circle with a trial close to the band's
// edge, followed to the trial cap: found among random sections, and one
// pushed to the edge on purpose.
TEST(FastSearches, EveryCircuitOfACycleLiesWhereItsDriftSays) {
    const Section circling[] = {
        {18.3, 59, 0.89, 0.033, 9.5, {11000, 26000000}, test::kI},
        {13.796286721145453, 246.72191581610483, 0.93, 0.063, 3.4, test::k40, test::kIII},
    };
    for (const Section& s : circling) {
        const SolverInput in = solverInputOf(s);
        CoefficientMemo memo(in.g, in.Rg, in.Eg);
        DesignTrial trial{in, memo, Reading::Fresh};
        // Step until the search comes back to a grid point, then record one
        // circuit.
        double xi = kSearchStart;
        std::vector<long> seen;
        search_detail::Cycle cycle;
        for (int i = 0; i < 100000 && cycle.length == 0; ++i) {
            const double ratio = trial(xi).ratio;
            const long k = gridIndex(xi);
            const auto again = std::find(seen.begin(), seen.end(), k);
            if (again != seen.end()) {
                cycle.length = static_cast<std::size_t>(seen.end() - again);
                for (std::size_t p = 0; p < cycle.length; ++p) {
                    const double r = trial(xi).ratio;
                    cycle.points[p] = {gridIndex(xi), xi, r};
                    xi = r < 1 ? xi + kDesignSteps.up : xi - kDesignSteps.down;
                }
                break;
            }
            seen.push_back(k);
            xi = ratio < 1 ? xi + kDesignSteps.up : xi - kDesignSteps.down;
        }
        ASSERT_GT(cycle.length, 0u) << s.Nj;
        constexpr long kCircuits = 3000;
        const double drift = search_detail::driftPerCircuit(cycle, kDesignSteps, kCircuits);
        ASSERT_FALSE(std::isnan(drift)) << s.Nj;
        // xi stands at the first point of circuit 1; step every trial.
        for (long circuit = 1; circuit <= kCircuits; ++circuit) {
            for (std::size_t p = 0; p < cycle.length; ++p) {
                const double expected = cycle.points[p].xi + static_cast<double>(circuit) * drift;
                ASSERT_TRUE(sameBits(xi, expected))
                    << s.Nj << " circuit " << circuit << " point " << p;
                xi += cycle.step(p, kDesignSteps);
            }
        }
    }
}

}  // namespace
}  // namespace pilaro
