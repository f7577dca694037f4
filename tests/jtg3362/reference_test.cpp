// The solver against a direct evaluation of the code's equations with a
// dense scan of α, on sections of every grade, steel and γ0, stocky and
// slender, with e from its floor to 5 D.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "jtg3362/run.h"
#include "tests/jtg3362/case_input.h"

namespace pilaro::jtg3362::test {
namespace {

void expectClose(double actual, long double expected, const char* what, const Case& c) {
    EXPECT_NEAR(actual, static_cast<double>(expected), 1e-9 * std::fabs(expected) + 1e-9)
        << what << ' ' << c.concrete << ' ' << c.steel << " D=" << c.D << " l0=" << c.l0
        << " Md=" << c.Md;
}

TEST(Jtg3362Reference, SolverMatchesDenseScanOfEveryGradeSteelAndEccentricity) {
    constexpr double kLengthRatios[] = {3, 6, 12, 25, 40};  // l0 / D: η only from 4.375
    constexpr double kRatios[] = {0.006, 0.012, 0.025, 0.035, 0.048};
    constexpr double kEccentricities[] = {0.0, 0.1, 0.3, 1.0, 2.0, 5.0};  // e0 / D; 0: the floor
    int withTensionRoots = 0;
    for (int ci = 0; ci < 12; ++ci) {
        for (int si = 0; si < 5; ++si) {
            const int k = ci * 5 + si;
            Case c{kConcretes[ci],
                   kSteels[si],
                   kGammas[k % 3],
                   0,
                   0,
                   0.8 + 0.1 * (k % 15),
                   0.05 + 0.01 * si,
                   0,
                   0};
            c.l0 = kLengthRatios[k % 5] * c.D;
            const double A = std::numbers::pi * c.D * c.D / 4;
            c.As = kRatios[(ci + 2 * si) % 5] * A * 10000;
            c.Nd = 3000 * A;
            for (double ratio : kEccentricities) {
                c.Md = ratio * c.D * c.Nd;
                const Reference ref = referenceCheck(c, c.As);
                const Outcome out = run(inputOf(c, Task::Check));
                ASSERT_EQ(out.status, Status::Done);
                const Result& r = out.result;
                // One root where N > 0: the state found is the only one.
                EXPECT_EQ(ref.rootsWithPositiveN, 1) << c.concrete << ' ' << c.steel;
                if (ref.rootsWithoutPositiveN > 0) ++withTensionRoots;
                expectClose(r.e, ref.e, "e", c);
                expectClose(r.phi, ref.phi, "phi", c);
                expectClose(r.alpha, ref.alpha, "alpha", c);
                expectClose(r.Nud, ref.Nud, "Nud", c);
                expectClose(r.Mud, ref.Mud, "Mud", c);
                expectClose(r.Nmax, ref.Nmax, "Nmax", c);
                EXPECT_EQ(r.verdict == Verdict::Passes, ref.passes);
            }
        }
    }
    // Near e's floor the equation also holds at a state in tension (N < 0);
    // the solver passed over it above.
    EXPECT_GT(withTensionRoots, 0);
}

}  // namespace
}  // namespace pilaro::jtg3362::test
