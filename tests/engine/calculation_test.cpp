#include "engine/calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "form/calc_state.h"
#include "messages/run_messages.h"
#include "tests/support/grades.h"
#include "tests/support/same_bits.h"

namespace pilaro {
namespace {

CalcInput section(CalcType type, double Mj, double Nj, double D, double a, double l0,
                  double Ag = 0) {
    CalcInput in;
    in.type = type;
    in.Mj = Mj;
    in.Nj = Nj;
    in.D = D;
    in.a = a;
    in.l0 = l0;
    in.Ag = Ag;
    in.Ra = test::k25.strength;
    in.Eh = test::k25.modulus;
    in.Rg = test::kII.strength;
    in.Eg = test::kII.modulus;
    return in;
}

using test::sameBits;

bool sameResult(const CalcResult& a, const CalcResult& b) {
    const MaybeValue fa[] = {a.g,     a.r,        a.I,  a.e0,    a.lambda, a.alpha,
                             a.eta,   a.rhoGiven, a.xi, a.coefA, a.coefB,  a.coefC,
                             a.coefD, a.rho,      a.Ag, a.Nq,    a.Mq};
    const MaybeValue fb[] = {b.g,     b.r,        b.I,  b.e0,    b.lambda, b.alpha,
                             b.eta,   b.rhoGiven, b.xi, b.coefA, b.coefB,  b.coefC,
                             b.coefD, b.rho,      b.Ag, b.Nq,    b.Mq};
    for (std::size_t i = 0; i < std::size(fa); ++i)
        if (!sameBits(fa[i], fb[i])) return false;
    for (std::size_t i = 0; i < a.barCounts.size(); ++i)
        if (!sameBits(a.barCounts[i], b.barCounts[i])) return false;
    return a.verdict == b.verdict;
}

TEST(CalculationRun, DerivedQuantitiesOfASlenderSection) {
    CalcInput in = section(CalcType::Design, 1500, 5000, 1.2, 0.05, 10);
    in.Eh = test::k30.modulus;
    CalcResult r;
    ASSERT_EQ(runCalculation(in, r), CalcStatus::Done);
    EXPECT_NEAR(*r.g, 0.9166667, 1e-7);
    EXPECT_EQ(*r.r, 0.6);
    EXPECT_NEAR(*r.I, 0.1017876, 1e-7);
    EXPECT_NEAR(*r.e0, 0.3, 1e-15);
    EXPECT_NEAR(*r.lambda, 8.3333333, 1e-7);
    EXPECT_NEAR(*r.alpha, 0.324818, 1e-6);
    EXPECT_EQ(*r.rhoGiven, 0);
    EXPECT_NEAR(*r.eta, 1.071040, 1e-6);
}

TEST(CalculationRun, SlendernessOnlyAbove7) {
    struct Case {
        double D, l0;
        bool amplified;
    };
    const Case cases[] = {{1.2, 6, false}, {1.0, 7, false}, {0.6, 4.2, true}};
    for (const Case& c : cases) {
        CalcResult r;
        ASSERT_EQ(runCalculation(section(CalcType::Design, 150, 5000, c.D, 0.05, c.l0), r),
                  CalcStatus::Done);
        EXPECT_EQ(r.alpha.has_value(), c.amplified) << c.D << ' ' << c.l0;
        EXPECT_EQ(r.eta != 1.0, c.amplified) << c.D << ' ' << c.l0;
    }
}

TEST(CalculationRun, AlphaAtTheRelativeEccentricityOf1) {
    CalcResult r;
    ASSERT_EQ(runCalculation(section(CalcType::Design, 1000, 1000, 1, 0.05, 8), r),
              CalcStatus::Done);
    EXPECT_EQ(*r.alpha, 0.22);
    CalcResult below;
    ASSERT_EQ(runCalculation(section(CalcType::Design, 999.99, 1000, 1, 0.05, 8), below),
              CalcStatus::Done);
    EXPECT_NEAR(*below.alpha, 0.21992, 1e-5);
}

TEST(CalculationRun, AmplificationOutOfRangeStopsBeforeTheSolver) {
    struct Case {
        double Mj, Nj;
        CalcStatus status;
        double eta;
    };
    const Case cases[] = {
        {60, 6000, CalcStatus::EnlargeSection, 21.09},  // alpha 0.458789
        {100, 20000, CalcStatus::EnlargeSection, -0.472},
        {60, 3000, CalcStatus::Done, 1.9734},
    };
    for (const Case& c : cases) {
        CalcInput in = section(CalcType::Design, c.Mj, c.Nj, 0.6, 0.05, 9);
        in.Ra = test::k15.strength;
        in.Eh = test::k15.modulus;
        CalcResult r;
        ASSERT_EQ(runCalculation(in, r), c.status) << c.Mj << ' ' << c.Nj;
        EXPECT_NEAR(*r.eta, c.eta, 5e-3);
        EXPECT_EQ(r.xi.has_value(), c.status == CalcStatus::Done);
    }
}

TEST(CalculationRun, EnlargeSectionKeepsTheSolverResultsOfTheLastRun) {
    CalcState state;
    state.type = CalcType::Design;
    ASSERT_EQ(runCalculation(state, section(CalcType::Design, 3000, 5000, 1.2, 0.05, 10)),
              CalcStatus::Done);
    const CalcResult before = state.result;
    CalcInput slender = section(CalcType::Design, 60, 6000, 0.6, 0.05, 9);
    slender.Eh = test::k15.modulus;
    ASSERT_EQ(runCalculation(state, slender), CalcStatus::EnlargeSection);
    EXPECT_EQ(*state.lastInput.Nj, 6000);  // the report prints the stopped run's inputs
    EXPECT_GT(*state.result.eta, 3);
    EXPECT_EQ(state.result.xi, before.xi);
    EXPECT_EQ(state.result.Ag, before.Ag);
    EXPECT_EQ(state.result.barCounts, before.barCounts);
}

TEST(CalculationRun, GivenAreaChoosesTheSolver) {
    CalcResult r;
    ASSERT_EQ(runCalculation(section(CalcType::Check, 800, 3000, 1.0, 0.06, 12, 150), r),
              CalcStatus::Done);
    EXPECT_NEAR(*r.eta, 1.145714, 1e-6);
    EXPECT_TRUE(r.Nq.has_value());
    EXPECT_FALSE(r.rho.has_value());

    CalcResult empty;  // a Check run whose area reads as 0 takes the design road
    ASSERT_EQ(runCalculation(section(CalcType::Check, 800, 3000, 1.0, 0.06, 12, 0), empty),
              CalcStatus::Done);
    EXPECT_TRUE(empty.rho.has_value());
    EXPECT_FALSE(empty.Nq.has_value());

    CalcResult negative;  // a negative area is not 0
    EXPECT_NE(runCalculation(section(CalcType::Check, 800, 3000, 1.0, 0.06, 12, -150), negative),
              CalcStatus::NoType);
    EXPECT_FALSE(negative.rho.has_value());
}

// No check accepts more steel than concrete. The section of D = 1.2 m is
// 3.1415926 x 1.2^2 / 4 m^2 = 11309.73336 cm^2; that of D = 1.5 m is
// 17671.4 cm^2, so 20000 cm^2 there is a ratio of 1.13; 300 cm^2 on
// D = 0.1 m is 3.82.
TEST(CalculationRun, AGivenAreaAboveTheSectionIsRefused) {
    const struct {
        double D;
        double Ag;
        bool refused;
    } cases[] = {
        {1.2, 11309.733, false}, {1.2, 11309.734, true}, {1.5, 20000, true},
        {0.1, 300, true},        {1.2, 1e300, true},
    };
    for (const auto& c : cases) {
        CalcResult result;
        const CalcStatus status =
            runCalculation(section(CalcType::Check, 10, 100, c.D, 0.01, 1, c.Ag), result);
        EXPECT_EQ(status == CalcStatus::AreaAboveSection, c.refused) << c.D << " " << c.Ag;
    }
}

// Every run that ends on a fault tells the user what to check and leaves
// the calculation state exactly as it was.
TEST(CalculationRun, FaultsLeaveTheStateUntouched) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        CalcInput input;
        CalcStatus status;
        const char* message;
    };
    CalcInput noConcrete = section(CalcType::Design, 3000, 5000, 1.2, 0.05, 4);
    noConcrete.Ra.reset();
    noConcrete.Eh.reset();
    CalcInput noSteel = section(CalcType::Check, 3000, 5000, 1.2, 0.05, 4, 45);
    noSteel.Rg.reset();
    noSteel.Eg.reset();
    CalcInput slenderNoConcrete = section(CalcType::Check, 3000, 5000, 1.2, 0.05, 10, 45);
    slenderNoConcrete.Eh.reset();
    const Case cases[] = {
        {"no type", section(CalcType::None, 3000, 5000, 1.2, 0.05, 10), CalcStatus::NoType,
         "请选择计算类型《配筋计算或强度验算！》"},
        {"huge moment", section(CalcType::Design, inf, 5000, 1.2, 0.05, 10),
         CalcStatus::MomentTooLarge, "计算弯矩的数值超出范围，请检查计算弯矩！"},
        {"huge area", section(CalcType::Check, 1, 5000, 1.2, 0.05, 10, -inf),
         CalcStatus::AreaTooLarge, "纵向钢筋面积的数值超出范围，请检查纵向钢筋面积！"},
        {"no diameter", section(CalcType::Design, 3000, 5000, 0, 0.05, 10),
         CalcStatus::ZeroDiameter, "圆形直径不能为零，请输入圆形直径！"},
        {"no axial force", section(CalcType::Design, 3000, 0, 1.2, 0.05, 10),
         CalcStatus::ZeroAxialForce, "轴向力不能为零，请输入轴向力！"},
        {"no concrete", noConcrete, CalcStatus::MissingGrade, "请选择混凝土标号和钢筋等级！"},
        {"no steel", noSteel, CalcStatus::MissingGrade, nullptr},
        {"slender, no concrete", slenderNoConcrete, CalcStatus::MissingGrade, nullptr},
        {"negative diameter", section(CalcType::Design, 3000, 5000, -1.2, 0.05, 10),
         CalcStatus::NegativeDiameter, "圆形直径不能为负数，请检查圆形直径！"},
        {"cover of half the diameter", section(CalcType::Design, 3000, 5000, 1.2, 0.6, 4),
         CalcStatus::CoverOutsideSection,
         "保护层厚度应不小于0且小于圆形直径的一半（单位为m），请检查保护层厚度！"},
        {"cover typed in mm", section(CalcType::Check, 3000, 5000, 1.2, 50, 4, 45),
         CalcStatus::CoverOutsideSection, nullptr},
        {"negative cover", section(CalcType::Design, 3000, 5000, 1.2, -0.05, 4),
         CalcStatus::CoverOutsideSection, nullptr},
        {"tension", section(CalcType::Design, 3000, -5000, 1.2, 0.05, 10), CalcStatus::TensionForce,
         "轴向力不能为负数：本程序只计算偏心受压构件，请输入轴向压力！"},
        {"negative length", section(CalcType::Design, 3000, 5000, 1.2, 0.05, -10),
         CalcStatus::NegativeLength, "计算长度不能为负数，请检查计算长度！"},
        {"negative area", section(CalcType::Check, 3000, 5000, 1.2, 0.05, 10, -45),
         CalcStatus::NegativeArea, "纵向钢筋面积不能为负数，请检查纵向钢筋面积！"},
        {"eccentricity overflows", section(CalcType::Design, 1e300, 1e-300, 1.2, 0.05, 4),
         CalcStatus::ResultOutOfRange, "计算结果超出数值范围，请检查输入数据！"},
        {"more steel than section", section(CalcType::Check, 3000, 5000, 1.5, 0.05, 10, 20000),
         CalcStatus::AreaAboveSection,
         "纵向钢筋面积大于截面面积（配筋率大于1），请检查纵向钢筋面积！"},
        {"more than the whole section in steel", section(CalcType::Design, 0, 1e9, 1.2, 0.05, 4),
         CalcStatus::SectionTooSmall, "截面太小：配筋率达到100%也不能承受轴向力，应加大截面尺寸！"},
    };
    CalcState state;
    state.type = CalcType::Design;
    ASSERT_EQ(runCalculation(state, section(CalcType::Design, 3000, 5000, 1.2, 0.05, 10)),
              CalcStatus::Done);
    state.result.verdict = Verdict::Passes;
    const CalcState before = state;
    for (const Case& c : cases) {
        const CalcStatus status = runCalculation(state, c.input);
        EXPECT_EQ(status, c.status) << c.what;
        EXPECT_FALSE(storesInput(status)) << c.what;
        if (c.message) {
            EXPECT_EQ(statusMessage(status), c.message) << c.what;
        }
        EXPECT_FALSE(statusMessage(status).empty()) << c.what;
        EXPECT_TRUE(sameResult(state.result, before.result)) << c.what;
        EXPECT_EQ(*state.lastInput.Mj, *before.lastInput.Mj) << c.what;
        EXPECT_EQ(*state.lastInput.Nj, *before.lastInput.Nj) << c.what;
        EXPECT_EQ(*state.lastInput.D, *before.lastInput.D) << c.what;
    }
}

TEST(CalculationRun, DesignRoadLeavesTheCheckResultsAndViceVersa) {
    CalcState state;
    ASSERT_EQ(runCalculation(state, section(CalcType::Check, 1500, 5000, 1.2, 0.05, 10, 45.239)),
              CalcStatus::Done);
    const CalcResult check = state.result;
    ASSERT_EQ(runCalculation(state, section(CalcType::Design, 3000, 5000, 1.2, 0.05, 10)),
              CalcStatus::Done);
    EXPECT_EQ(state.result.Nq, check.Nq);
    EXPECT_EQ(state.result.Mq, check.Mq);
    EXPECT_EQ(state.result.verdict, check.verdict);
    const CalcResult design = state.result;
    ASSERT_EQ(runCalculation(state, section(CalcType::Check, 3000, 8000, 1.2, 0.05, 10, 45.239)),
              CalcStatus::Done);
    EXPECT_EQ(state.result.rho, design.rho);
    EXPECT_EQ(state.result.Ag, design.Ag);
    EXPECT_EQ(state.result.barCounts, design.barCounts);
    EXPECT_EQ(state.result.verdict, Verdict::Fails);
}

TEST(CalculationRun, StartingValues) {
    const CalcState state;
    EXPECT_EQ(state.type, CalcType::None);
    EXPECT_FALSE(state.Ra.has_value());
    EXPECT_FALSE(state.lastInput.Nj.has_value());
    EXPECT_EQ(state.lastInput.l0, 0);
    EXPECT_EQ(state.result.Ag, 0);
    EXPECT_EQ(state.result.Mq, 0);
    EXPECT_EQ(state.result.coefD, 0);
    EXPECT_EQ(state.result.barCounts[10], 0.0);
    EXPECT_FALSE(state.result.barCounts[0].has_value());
    EXPECT_EQ(state.result.verdict, Verdict::None);
}

}  // namespace
}  // namespace pilaro
