// The interaction curve is the check seen whole: every check's state lies
// on the curve of its section and steel, and the curve's top is where a
// check of axial force alone ends.
#include "engine/interaction_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/calculation.h"
#include "engine/materials.h"
#include "engine/resistance.h"
#include "engine/search/check_solver.h"
#include "tests/engine/solver_fixture.h"

namespace pilaro {
namespace {

struct Section {
    double D, a, l0, Ag;
    const char* concrete;
    const char* steel;
};

SolverInput solverInputOf(const Section& s, double Nj, double Mj) {
    CalcInput in;
    in.type = CalcType::Check;
    in.Mj = Mj;
    in.Nj = Nj;
    in.D = s.D;
    in.a = s.a;
    in.l0 = s.l0;
    in.Ag = s.Ag;
    in.Ra = findConcreteGrade(s.concrete)->Ra;
    in.Eh = findConcreteGrade(s.concrete)->Eh;
    in.Rg = findSteelGrade(s.steel)->Rg;
    in.Eg = findSteelGrade(s.steel)->Eg;
    CalcResult derived;
    SolverInput solver{};
    EXPECT_EQ(deriveSection(in, derived, solver), CalcStatus::Done);
    return solver;
}

// Distance of (M, N) from the polyline, in shares of the curve's extent.
double distanceFromCurve(const std::vector<CurvePoint>& curve, double M, double N) {
    double extentN = 0, extentM = 0;
    for (const CurvePoint& p : curve) {
        extentN = std::max(extentN, std::fabs(p.N));
        extentM = std::max(extentM, std::fabs(p.M));
    }
    double nearest = INFINITY;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const double ax = curve[i - 1].M / extentM, ay = curve[i - 1].N / extentN;
        const double dx = curve[i].M / extentM - ax, dy = curve[i].N / extentN - ay;
        const double px = M / extentM - ax, py = N / extentN - ay;
        const double t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(px - t * dx, py - t * dy));
    }
    return nearest;
}

const Section kSections[] = {
    {1.2, 0.05, 10, 45.239, "25号", "Ⅱ级"}, {1.2, 0.05, 10, 207.021, "25号", "Ⅱ级"},
    {2.0, 0.08, 25, 600, "40号", "Ⅳ级"},    {0.8, 0.04, 4, 120, "15号", "Ⅰ级"},
    {1.6, 0.06, 12, 300, "60号", "5号"},    {0.6, 0.08, 1, 113.097, "20号", "Ⅳ级"},
};

TEST(InteractionCurve, EveryCheckLiesOnItsCurve) {
    int checks = 0;
    for (const Section& s : kSections) {
        const double r = s.D / 2;
        const double Nj = 0.95 * kPi * r * r * findConcreteGrade(s.concrete)->Ra / 1.25 / 3;
        for (double e : {0.0, 0.01, 0.03, 0.05, 0.2, 0.5, 1.0, 3.0}) {  // e0 / D
            const SolverInput in = solverInputOf(s, Nj, Nj * e * s.D);
            const double rho = givenSteelRatio(s.Ag, s.D);
            CheckSolution check;
            if (test::checkRatioWithOwnMemo(in, rho, check).end != SearchEnd::Landed) continue;
            ++checks;
            const std::vector<CurvePoint> curve = interactionCurve(in, rho);
            ASSERT_GT(curve.size(), 100u);
            EXPECT_LT(distanceFromCurve(curve, check.Mq * in.eta, check.Nq), 1e-3)
                << s.D << " e0/D " << e;
            // The check is the curve cut by the load's line: both lie on the ray
            // of the amplified eccentricity, within the band.
            if (check.atSmallestEccentricity) continue;
            const LoadPoint load = loadPoint(in);
            EXPECT_NEAR((load.M / load.N) / (check.Mq * in.eta / check.Nq), 1, 1.001e-3)
                << s.D << " e0/D " << e;
        }
    }
    EXPECT_GT(checks, 30);
}

TEST(InteractionCurve, StartsAtTheTopWhereAnAxialCheckEnds) {
    for (const Section& s : kSections) {
        const SolverInput in = solverInputOf(s, 1000, 0);
        const double rho = givenSteelRatio(s.Ag, s.D);
        CheckSolution check;
        ASSERT_EQ(test::checkRatioWithOwnMemo(in, rho, check).end, SearchEnd::Landed);
        ASSERT_TRUE(check.atSmallestEccentricity);
        const std::vector<CurvePoint> curve = interactionCurve(in, rho);
        ASSERT_FALSE(curve.empty());
        EXPECT_EQ(curve.front().xi, check.xi) << s.D;
        EXPECT_EQ(curve.front().N, check.Nq) << s.D;
        // From the top down to the smallest axial force.
        const auto lowest =
            std::min_element(curve.begin(), curve.end(),
                             [](const CurvePoint& a, const CurvePoint& b) { return a.N < b.N; });
        EXPECT_EQ(lowest, curve.end() - 1) << s.D;
        EXPECT_LT(curve.back().N, 0) << s.D;
    }
}

}  // namespace
}  // namespace pilaro
