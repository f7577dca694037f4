#include "engine/search/check_solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/number_text.h"
#include "engine/search/design_solver.h"
#include "tests/engine/solver_fixture.h"

namespace pilaro {
namespace {

using test::inputOf;
using test::Section;
using test::solverInputOf;

struct CheckCase {
    Section section;
    long trials;
    double xi;
    std::vector<std::string> shown;  // A, B, C, D, xi, Nq, Mq, rhoGiven
    Verdict verdict;
};

// The search looks for the state whose resistance acts at the amplified
// eccentricity eta * e0, as the design does.
TEST(CheckSolver, WorkedExamples) {
    const CheckCase cases[] = {
        {{1500, 5000, 1.2, 0.05, 10},
         30,
         0.5960000000000011,
         {" 1.47802", " .66451", " .46727", " 1.77673", " .596", " 6037.51", " 1809.547", " .004"},
         Verdict::Passes},
        {{3000, 8000, 1.2, 0.05, 10},
         49,
         0.47760000000000047,
         {" 1.10352", " .61182", "-.10325", " 1.89646", " .4776", " 4339.491", " 1625.931",
          " .004"},
         Verdict::Fails},
    };
    for (const CheckCase& c : cases) {
        CheckSolution s;
        const SearchResult r = test::checkWithOwnMemo(solverInputOf(c.section), 45.239, s);
        ASSERT_EQ(r.end, SearchEnd::Landed);
        EXPECT_EQ(r.trials, c.trials);
        EXPECT_EQ(s.xi, c.xi);
        EXPECT_NEAR(s.rhoGiven, 0.0040000, 5e-8);

        CalcResult shown;
        ASSERT_EQ(runCalculation(inputOf(c.section, 45.239), shown), CalcStatus::Done);
        const std::vector<std::string> texts = {
            numberToText(*shown.coefA), numberToText(*shown.coefB),   numberToText(*shown.coefC),
            numberToText(shown.coefD),  numberToText(*shown.xi),      numberToText(*shown.Nq),
            numberToText(shown.Mq),     numberToText(*shown.rhoGiven)};
        EXPECT_EQ(texts, c.shown);
        EXPECT_EQ(shown.verdict, c.verdict);
    }
}

TEST(CheckSolver, VerdictOnTheReportedCapacity) {
    const double reported = floorToDecimals(5000.0004, 3);
    EXPECT_EQ(checkVerdict(reported, 5000.0002), Verdict::Fails);
    EXPECT_EQ(checkVerdict(reported, 5000), Verdict::Passes);
}

TEST(CheckSolver, WithoutSlendernessMatchesTheInitialEccentricity) {
    const Section stocky{1500, 5000, 1.2, 0.05, 6};
    const SolverInput in = solverInputOf(stocky);
    ASSERT_EQ(in.eta, 1);
    CheckSolution s;
    ASSERT_EQ(test::checkWithOwnMemo(in, 45.239, s).end, SearchEnd::Landed);
    const SectionCoefficients& c = s.coefficients;
    const double eq = (c.coefB * in.Ra + c.coefD * s.rhoGiven * in.g * in.Rg) /
                      (c.coefA * in.Ra + c.coefC * s.rhoGiven * in.Rg) * in.r;
    EXPECT_NEAR(in.e0 / eq, 1, 0.001);
}

// A section designed by the program, checked with its reported area under
// the same loads, carries the axial force (within the search's band).
TEST(CheckSolver, DesignedSectionsPassTheirOwnCheck) {
    const Section sections[] = {
        {3000, 5000, 1.2, 0.05, 10},
        {1500, 5000, 1.2, 0.05, 10},
        {6000, 8000, 1.5, 0.06, 20},
        {4000, 12000, 1.6, 0.06, 14, test::k50, test::kII},
        {900, 2500, 0.8, 0.04, 9, test::k25, test::k5},
        {2500, 3000, 1.2, 0.1, 10, test::k25, test::kIV},
        {2500, 1000, 1.2, 0.1, 10, test::k25, test::kIV},
        {1500, 500, 1.8, 0.05, 15, test::k50, test::kII},       // circles: refined
        {1259.2, 256, 1.06, 0.032, 31.1, test::k25, test::k5},  // runs away: scanned
    };
    for (const Section& section : sections) {
        CalcResult design;
        ASSERT_EQ(runCalculation(inputOf(section), design), CalcStatus::Done) << section.Mj;
        CalcResult check;
        ASSERT_EQ(runCalculation(inputOf(section, design.Ag), check), CalcStatus::Done)
            << section.Mj;
        EXPECT_GE(*check.Nq, section.Nj * 0.995) << section.Mj << ' ' << section.Nj;
    }
}

TEST(CheckSolver, HighStrengthSteelThroughTheUnyieldedRange) {
    const Section section{2500, 3000, 1.2, 0.1, 10, test::k25, test::kIV};
    const SolverInput in = solverInputOf(section);
    CheckSolution s;
    ASSERT_EQ(test::checkWithOwnMemo(in, 118.8, s).end, SearchEnd::Landed);
    EXPECT_GT(2 * s.xi * in.Rg / in.g / 0.0033 / in.Eg + (1 - 2 * s.xi) / in.g, 1);
    CalcResult shown;
    ASSERT_EQ(runCalculation(inputOf(section, 118.8), shown), CalcStatus::Done);
    EXPECT_EQ(numberToText(*shown.Nq), " 3002.38");
    EXPECT_EQ(numberToText(shown.Mq), " 2501.982");  // Nq e0: the moment along the load line
    EXPECT_EQ(numberToText(*shown.xi), " .424");
    EXPECT_EQ(shown.verdict, Verdict::Passes);
}

}  // namespace
}  // namespace pilaro
