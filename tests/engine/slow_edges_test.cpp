// The edges that once took milliseconds, each held to the slow way kept
// here: a cycle wholly beyond xi = 1.5 against stepping every trial to the
// cap, a check's search cut above the section against stepping on to the
// drift bound, and the design road that leaves a written search on a cycle
// outside the range against one that follows it to its end.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "engine/bar_counts.h"
#include "engine/resistance.h"
#include "engine/roads.h"
#include "engine/search/area_checks.h"
#include "engine/search/check_trial.h"
#include "engine/search/least_ratio.h"
#include "engine/search/written_search.h"
#include "tests/engine/solver_fixture.h"

namespace pilaro {
namespace {

using test::Section;
using test::solverInputOf;

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Stepped as written with every trial evaluated, until a trial ends the
// search or the step count reaches `most`.
SearchResult stepEveryTrial(CheckTrial& trial, long most) {
    SearchResult result;
    double xi = kSearchStart;
    for (long n = 1; n <= most; ++n) {
        const TrialOutcome t = trial(xi);
        result.trials = n;
        result.xi = xi;
        if (t.zeroDivisor) return {SearchEnd::ZeroDivisor, xi, n, false};
        if (!t.finite) return {SearchEnd::NotFinite, xi, n, false};
        if (landsInBand(t.ratio)) return {SearchEnd::Landed, xi, n, false};
        if (std::fabs(xi - kSearchStart) > kDriftBound) break;
        xi = t.ratio < 1 ? xi + kCheckSteps.up : xi - kCheckSteps.down;
    }
    return result;
}

// A near-axial design (15号, Ⅱ级) whose least carrying ratio checks the area
// of a ratio of 1: that check's written search circles between xi = 1.68
// and 1.72, wholly beyond 1.5, with a trial close to the band's edge. It
// was once stepped trial by trial to the cap; its circuits move by a fixed
// drift, since the stress-block factor it carries never changes.
TEST(SlowEdges, ACycleWhollyBeyondTheBlockIsFollowedByItsDrift) {
    const SolverInput in = solverInputOf({112.1, 10113, 1.07, 0.054, 2.6, test::k15, test::kII});
    const double rho = givenSteelRatio(selectBars(areaOfRatio(1.0, in.D)).Ag, in.D);
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    CheckTrial slowTrial{in, rho, memo, Reading::Fresh};
    const SearchResult slow = stepEveryTrial(slowTrial, kTrialCap);
    CheckTrial fastTrial{in, rho, memo, Reading::Fresh};
    const SearchResult fast = writtenSearch(fastTrial, kCheckSteps);

    // No trial on the way to the cap lands, so the fast search, too, goes
    // all the way and then bisects its cycle.
    ASSERT_EQ(slow.end, SearchEnd::NotConverging);
    EXPECT_GE(fast.trials, kTrialCap);
    EXPECT_TRUE(fast.end == SearchEnd::NotConverging || fast.refined);
    EXPECT_GT(fast.xi, 1.5);
}

// The check's trial, noting whether the last one told the search that no
// landing lies ahead.
struct NotingCheckTrial {
    CheckTrial trial;
    bool cut = false;

    TrialOutcome operator()(double xi) {
        const TrialOutcome t = trial(xi);
        cut = t.noLandingAhead;
        return t;
    }
};

// A check of plain concrete, or of a trace of steel, under a load far
// outside the section steps down from 0.55 for ever: once above the
// section, its ratio only grows.
TEST(SlowEdges, ACheckIsCutBelowTheSectionOnlyWhereItRunsAway) {
    int cut = 0;
    for (const test::Grade steel : {test::kI, test::kII, test::kIII, test::kIV, test::k5})
        for (const double e : {0.3, 0.6, 2.0, 20.0})  // e0 / D
            for (const double rho : {0.0, 1e-6, 1e-4, 0.004}) {
                const SolverInput in = solverInputOf({std::round(3000 * e * 0.88 * 10) / 10, 3000,
                                                      0.88, 0.065, 5, test::k40, steel});
                CoefficientMemo memo(in.g, in.Rg, in.Eg);
                NotingCheckTrial fast{CheckTrial{in, rho, memo, Reading::Fresh}};
                const SearchResult written = writtenSearch(fast, kCheckSteps);
                if (written.end != SearchEnd::NotConverging || !fast.cut || written.xi > 0)
                    continue;
                ++cut;
                CheckTrial slow{in, rho, memo, Reading::Fresh};
                EXPECT_EQ(stepEveryTrial(slow, kTrialCap).end, SearchEnd::NotConverging)
                    << "e " << e << " rho " << rho;
            }
    EXPECT_GT(cut, 10);
}

// The design road as written: the written search followed to its end, its
// design standing where it lands on the range and its own check carries,
// else the least carrying ratio.
CalcStatus designFollowingEveryCycle(const SolverInput& in, DesignSolution& solution) {
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    DesignSolution written;
    if (solveDesign(in, written, memo).end == SearchEnd::Landed && written.xi > 0 &&
        written.xi <= 1.5 && written.rho <= 1) {
        CheckSolution own;
        CoefficientMemo ownMemo(in.g, in.Rg, in.Eg);
        if (solveCheck(in, selectBars(written.requiredArea).Ag, own, ownMemo).end ==
                SearchEnd::Landed &&
            own.Nq >= 0.99 * in.Nj) {
            solution = written;
            return CalcStatus::Done;
        }
    }
    CoefficientMemo leastMemo(in.g, in.Rg, in.Eg);
    AreaChecks checks(in, leastMemo);
    return leastCarryingRatio(checks, solution);
}

// Designs near the axis with high-strength steel circle far beyond 1.5,
// around a pole of the design's ratio; the road leaves them there.
TEST(SlowEdges, TheDesignRoadAnswersAsIfItFollowedEveryCycle) {
    int stopped = 0;
    for (const test::Grade steel : {test::kII, test::kIII, test::kIV})
        for (const double D : {0.6, 1.03, 1.57})
            for (const double load : {0.5, 0.8, 1.1})           // of the squash load at 2 % steel
                for (const double e : {0.001, 0.004, 0.012}) {  // e0 / D
                    const double r = D / 2;
                    const double squash =
                        0.95 / 1.25 * kPi * r * r * (test::k25.strength + 0.02 * steel.strength);
                    const double Nj = std::round(load * squash);
                    const Section s{
                        std::round(Nj * e * D * 10) / 10, Nj, D, 0.07, 6, test::k25, steel};
                    const SolverInput in = solverInputOf(s);
                    DesignSolution reference, road;
                    const CalcStatus expected = designFollowingEveryCycle(in, reference);
                    ASSERT_EQ(designRoad(in, road), expected) << D << " Nj " << Nj;
                    if (expected == CalcStatus::Done) {
                        EXPECT_TRUE(sameBits(road.rho, reference.rho)) << D << " Nj " << Nj;
                        EXPECT_TRUE(sameBits(road.requiredArea, reference.requiredArea)) << D;
                        EXPECT_TRUE(sameBits(road.xi, reference.xi)) << D << " Nj " << Nj;
                    }
                    CoefficientMemo memo(in.g, in.Rg, in.Eg);
                    DesignSolution written;
                    stopped += solveDesignOnRange(in, written, memo).stoppedOutsideRange;
                }
    EXPECT_GT(stopped, 5);
}

// A check's scan passes over a shallow stretch between coarse points that
// its trial shows in tension throughout: read point by point, no depth
// there reaches a ratio of 1.
TEST(SlowEdges, AStretchInTensionHoldsNoRatioOf1) {
    using search_detail::coarseIndex;
    int passedOver = 0;
    for (const test::Grade steel : {test::kI, test::kIII, test::k5})
        for (const double e : {0.002, 0.02, 0.3})  // e0 / D
            for (const double rho : {0.004, 0.03, 1.0}) {
                const double squash =
                    0.95 / 1.25 * kPi * 0.3 * 0.3 * (test::k25.strength + 0.02 * steel.strength);
                const double Nj = std::round(0.9 * squash);
                const SolverInput in = solverInputOf(
                    {std::round(Nj * e * 6) / 10, Nj, 0.6, 0.05, 5, test::k25, steel});
                CoefficientMemo memo(in.g, in.Rg, in.Eg);
                CheckTrial trial{in, rho, memo, Reading::ThroughMemo};
                for (long j = 0; j + 1 < search_detail::kCoarseCount; ++j) {
                    const long first = coarseIndex(j), last = coarseIndex(j + 1);
                    if (!trial.belowOneThroughout(gridPoint(first), gridPoint(last))) continue;
                    ++passedOver;
                    for (long k = first; k <= last; ++k) {
                        const TrialOutcome t = trial(gridPoint(k));
                        EXPECT_TRUE(!search_detail::usable(t) || t.ratio < 1) << rho << ' ' << k;
                    }
                }
            }
    EXPECT_GT(passedOver, 300);
}

}  // namespace
}  // namespace pilaro
