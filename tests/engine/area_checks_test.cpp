// A design checks each area it would report once: required areas that
// report alike (to 0.001 cm^2) share one check, which is the check of that
// area made on its own.
#include <gtest/gtest.h>

#include "engine/search/area_checks.h"
#include "tests/engine/solver_fixture.h"

namespace pilaro {
namespace {

TEST(AreaChecks, AreasThatReportAlikeShareOneCheck) {
    const SolverInput in = test::solverInputOf({1500, 5000, 1.2, 0.05, 10});
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    AreaChecks checks(in, memo);
    // 45.2391 and 45.23918 cm^2 both report as 45.239 cm^2 (D12 ... D36
    // counts aside, the area is floored to three decimals).
    const AreaCheck& first = checks.of(45.2391e-4, Reading::Fresh);
    const AreaCheck& again = checks.of(45.23918e-4, Reading::ThroughMemo);
    EXPECT_EQ(&first, &again);

    CheckSolution alone;
    ASSERT_EQ(test::checkWithOwnMemo(in, 45.239, alone).end, SearchEnd::Landed);
    ASSERT_EQ(first.end, SearchEnd::Landed);
    EXPECT_EQ(first.check.xi, alone.xi);
    EXPECT_EQ(first.check.Nq, alone.Nq);
    EXPECT_EQ(first.check.Mq, alone.Mq);

    // Another area is another check.
    const AreaCheck& other = checks.of(45.2401e-4, Reading::Fresh);
    EXPECT_NE(&other, &first);
    CheckSolution otherAlone;
    ASSERT_EQ(test::checkWithOwnMemo(in, 45.240, otherAlone).end, SearchEnd::Landed);
    EXPECT_EQ(other.check.Nq, otherAlone.Nq);
}

// More areas than it keeps: the oldest give way, and each check still
// reads as the check of its own area.
TEST(AreaChecks, ManyAreasEachReadTheirOwnCheck) {
    const SolverInput in = test::solverInputOf({3000, 8000, 1.2, 0.05, 10});
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    AreaChecks checks(in, memo);
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 40; ++i) {
            const double cm2 = 40 + 0.5 * i;
            const AreaCheck& made = checks.of(cm2 * 1e-4 + 1e-11, Reading::ThroughMemo);
            CheckSolution alone;
            const SearchEnd end = test::checkWithOwnMemo(in, cm2, alone).end;
            ASSERT_EQ(made.end, end) << cm2;
            if (end == SearchEnd::Landed) {
                EXPECT_EQ(made.check.Nq, alone.Nq) << cm2;
            }
        }
    }
}

}  // namespace
}  // namespace pilaro
