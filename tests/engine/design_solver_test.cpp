#include "engine/search/design_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/number_text.h"
#include "tests/engine/solver_fixture.h"

namespace pilaro {
namespace {

using test::inputOf;
using test::Section;
using test::solverInputOf;

struct LandingCase {
    Section section;
    long trials;
    double xi;  // exactly as the search accumulated it
    double rho;
    double requiredArea;
};

TEST(DesignSolver, LandsOnTheWrittenTrial) {
    const LandingCase cases[] = {
        {{1500, 5000, 1.2, 0.05, 10}, 36, 0.5263999999999988, 0.004, 0.001 * 3.1415926 * 1.44},
        {{3000, 5000, 1.2, 0.05, 10}, 8, 0.5167999999999998, 0.018305, 0.020702},
    };
    for (const LandingCase& c : cases) {
        DesignSolution s;
        const SearchResult r = test::designWithOwnMemo(solverInputOf(c.section), s);
        ASSERT_EQ(r.end, SearchEnd::Landed);
        EXPECT_FALSE(r.refined);
        EXPECT_EQ(r.trials, c.trials);
        EXPECT_EQ(s.xi, c.xi);
        EXPECT_NEAR(s.rho, c.rho, 5e-7);
        EXPECT_NEAR(s.requiredArea, c.requiredArea, 5e-7);
    }
}

TEST(DesignSolver, MinimumRatioOfTheFirstExample) {
    DesignSolution s;
    ASSERT_EQ(test::designWithOwnMemo(solverInputOf({1500, 5000, 1.2, 0.05, 10}), s).end,
              SearchEnd::Landed);
    EXPECT_NEAR(s.coefficients.coefA, 1.256590, 5e-7);
    EXPECT_NEAR(s.coefficients.coefB, 0.641934, 5e-7);
    EXPECT_NEAR(s.coefficients.coefC, 0.123394, 5e-7);
    EXPECT_NEAR(s.coefficients.coefD, 1.872134, 5e-7);
    EXPECT_EQ(s.rho, 0.004);
    EXPECT_EQ(s.requiredArea, (0.001 * 3.1415926) * 1.2 * 1.2);
}

std::vector<std::string> readOuts(const CalcResult& r) {
    std::vector<std::string> texts = {numberToText(r.Ag), numberToText(*r.rho)};
    for (const MaybeValue& n : r.barCounts) texts.push_back(numberToText(*n));
    for (double v : {*r.coefA, *r.coefB, *r.coefC, r.coefD, *r.xi})
        texts.push_back(numberToText(v));
    return texts;
}

TEST(DesignSolver, ReportedValuesOfTheSecondExample) {
    CalcResult r;
    ASSERT_EQ(runCalculation(inputOf({3000, 5000, 1.2, 0.05, 10}), r), CalcStatus::Done);
    const std::vector<std::string> expected = {
        " 207.021", " .0183",   " 183",    " 135",    " 103",     " 82",
        " 66",      " 55",      " 43",     " 34",     " 26",      " 23",
        " 21",      " 1.22629", " .63692", " .07825", " 1.87936", " .5167"};
    EXPECT_EQ(readOuts(r), expected);
}

// The fixed steps can circle the solution forever (the ratio changes by
// about 0.008 from one grid point to the next): the bracket is bisected.
TEST(DesignSolver, CirclingSearchIsRefinedInsideItsBracket) {
    const Section circling{1500, 500, 1.8, 0.05, 15, test::k50, test::kII};
    const SolverInput in = solverInputOf(circling);
    DesignSolution s;
    const SearchResult r = test::designWithOwnMemo(in, s);
    ASSERT_EQ(r.end, SearchEnd::Landed);
    EXPECT_TRUE(r.refined);
    EXPECT_LT(r.trials, 1000);
    EXPECT_GT(s.xi, 0.0584);
    EXPECT_LT(s.xi, 0.0936);

    // The landed state satisfies the band with the ratio the moment needs.
    const SectionCoefficients& c = s.coefficients;
    const double rho = in.Ra * (c.coefB * in.r - c.coefA * in.eta * in.e0) / in.Rg /
                       (c.coefC * in.eta * in.e0 - c.coefD * in.g * in.r);
    const double Nu = 0.95 * c.coefA * in.r * in.r * in.Ra / 1.25 +
                      0.95 * c.coefC * rho * in.r * in.r * in.Rg / 1.25;
    EXPECT_LE(std::fabs(Nu / in.Nj - 1), 0.001);
    EXPECT_LT(rho, 0.004);  // below the minimum ratio
    EXPECT_EQ(s.rho, 0.004);

    CalcResult shown;
    ASSERT_EQ(runCalculation(inputOf(circling), shown), CalcStatus::Done);
    const std::vector<std::string> expected = {
        " 101.787", " .004", " 90", " 67", " 51",     " 40",     " 33",      " 27",     " 21",
        " 17",      " 13",   " 12", " 10", " .08186", " .07574", "-2.23677", " .86846", " .0781"};
    EXPECT_EQ(readOuts(shown), expected);
}

// A large eccentricity starts with a negative ratio and runs away upward:
// its solution at small xi is found by scanning for a bracket.
TEST(DesignSolver, RunawaySearchFindsTheBracketBelow) {
    const Section runaway{1259.2, 256, 1.06, 0.032, 31.1, test::k25, test::k5};
    DesignSolution s;
    const SearchResult r = test::designWithOwnMemo(solverInputOf(runaway), s);
    ASSERT_EQ(r.end, SearchEnd::Landed);
    EXPECT_TRUE(r.refined);
    EXPECT_GT(s.xi, 0);
    EXPECT_LT(s.xi, 1.5);
    EXPECT_GE(s.rho, 0.004);
    EXPECT_LE(r.trials, kTrialBound);
}

// Between xi = 1 and 1.5 the stress-block factor follows the accumulated
// xi, so a point reached again never repeats to the last bit: the cycle
// must still be recognised. A cycle passing a hair outside the band is
// followed on the written steps to the trial cap before it is refined.
TEST(DesignSolver, CyclesThatRepeatOnlyUpToRounding) {
    struct Case {
        Section section;
        long mostTrials;
    };
    const Case cases[] = {
        {{97.7, 7902, 1.05, 0.046, 6, test::k15, test::k5}, 1000},
        {{13.796286721145453, 246.72191581610483, 0.93, 0.063, 3.4, test::k40, test::kIII},
         kTrialBound},
    };
    for (const Case& c : cases) {
        DesignSolution s;
        const SearchResult r = test::designWithOwnMemo(solverInputOf(c.section), s);
        EXPECT_EQ(r.end, SearchEnd::Landed) << c.section.Nj;
        EXPECT_TRUE(r.refined) << c.section.Nj;
        EXPECT_LE(r.trials, c.mostTrials) << c.section.Nj;
    }
}

TEST(DesignSolver, HighStrengthSteelThroughTheUnyieldedRange) {
    // With Ⅳ级 steel the yield strain comes close to 0.0033: with a cover of
    // 0.1 m, below xi of 0.5 no steel reaches it in compression (t1 > 1).
    const Section section{2500, 3000, 1.2, 0.1, 10, test::k25, test::kIV};
    DesignSolution s;
    const SearchResult r = test::designWithOwnMemo(solverInputOf(section), s);
    ASSERT_EQ(r.end, SearchEnd::Landed);
    const SolverInput in = solverInputOf(section);
    EXPECT_GT(2 * s.xi * in.Rg / in.g / 0.0033 / in.Eg + (1 - 2 * s.xi) / in.g, 1);
    CalcResult shown;
    ASSERT_EQ(runCalculation(inputOf(section), shown), CalcStatus::Done);
    const std::vector<std::string> expected = {
        " 118.8", " .0105", " 105", " 78", " 59",     " 47",     " 38",     " 32",      " 25",
        " 20",    " 15",    " 13",  " 12", " .93886", " .56596", "-.45694", " 1.64848", " .4239"};
    EXPECT_EQ(readOuts(shown), expected);
}

}  // namespace
}  // namespace pilaro
