#include "engine/section.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/materials.h"
#include "tests/support/grades.h"

namespace pilaro {
namespace {

constexpr double kG = 1.1 / 1.2;  // D = 1.2 m, a = 0.05 m
constexpr double kRg = test::kII.strength;
constexpr double kEg = test::kII.modulus;

SectionCoefficients at(double xi, double g = kG, double Rg = kRg, double Eg = kEg) {
    StressBlockMemory memory;
    return sectionCoefficients(xi, g, Rg, Eg, memory);
}

TEST(AngleOf, IsTheArccosineWithTheSectionsPi) {
    struct Case {
        double t;
        double angle;
    };
    const Case cases[] = {
        {0.52, 1.023945},      {0.12, 1.450506},     {-0.6, 2.214297},
        {0.773554, 0.686367},  {0.099174, 1.471459}, {0.509091, 1.036668},
        {-0.727273, 2.385136}, {1.2, 0.504968},      {-1.2, 2.636625},
    };
    for (const Case& c : cases) EXPECT_NEAR(angleOf(c.t), c.angle, 1e-6) << c.t;
    EXPECT_EQ(angleOf(1), 0.0);
    EXPECT_EQ(angleOf(-1), kPi);
}

TEST(SectionCoefficients, WorkedValues) {
    struct Case {
        double xi, A, B, C, D;
    };
    const Case cases[] = {
        {0.3, 0.579779, 0.415466, -0.928150, 1.744762},
        {0.55, 1.331374, 0.652319, 0.236117, 1.848818},
        {1.0, 2.694297, 0.341333, 2.205201, 0.728180},
        {1.2, 2.968405, 0.151710, 2.596226, 0.450665},
        // t1 above 1: no steel reaches the compressive yield strain
        {0.05, 0.042151, 0.040132, -2.799993, 0.336496},
    };
    for (const Case& c : cases) {
        const SectionCoefficients s = at(c.xi);
        EXPECT_FALSE(s.zeroDivisor);
        EXPECT_NEAR(s.coefA, c.A, 5e-7) << c.xi;
        EXPECT_NEAR(s.coefB, c.B, 5e-7) << c.xi;
        EXPECT_NEAR(s.coefC, c.C, 5e-7) << c.xi;
        EXPECT_NEAR(s.coefD, c.D, 5e-7) << c.xi;
    }
    const SectionCoefficients top = at(1.5);
    EXPECT_NEAR(top.coefA, 3.141593, 5e-7);
    EXPECT_NEAR(top.coefB, 2.1e-8, 1e-9);
}

TEST(SectionCoefficients, RetainsTheStressBlockFactorAbove1_5) {
    StressBlockMemory memory;
    static_cast<void>(sectionCoefficients(1.49, kG, kRg, kEg, memory));  // only its memory
    EXPECT_NEAR(memory.beta, 0.669332, 1e-6);
    const SectionCoefficients above = sectionCoefficients(1.6, kG, kRg, kEg, memory);
    EXPECT_NEAR(above.coefA, 3.083352, 1e-6);
    // The same xi at or below 1.5 gives identical coefficients whatever came before.
    const SectionCoefficients fresh = at(0.7);
    const SectionCoefficients after = sectionCoefficients(0.7, kG, kRg, kEg, memory);
    EXPECT_EQ(fresh.coefC, after.coefC);
    EXPECT_EQ(fresh.coefD, after.coefD);
}

TEST(SectionCoefficients, ZeroDivisorsAreReported) {
    EXPECT_TRUE(at(0.625).zeroDivisor);  // t0 = 0 with beta 0.8
    // t1 = 0: (1 - 2 xi) / g = -2 xi Rg / (g 0.0033 Eg) has no root for
    // positive xi with these steels, but g -> 0 makes every t divide by 0.
    EXPECT_FALSE(at(0.55).zeroDivisor);
}

// The written formulas with the yield-angle limits (no bar, or every bar,
// past its yield strain), every sine taken where the formulas name it.
SectionCoefficients limitedRule(double xi, double g, double Rg, double Eg, double beta) {
    const double theta = angleOf(1 - 2 * xi * beta);
    const double t1 = 2 * xi * Rg / g / 0.0033 / Eg + (1 - 2 * xi) / g;
    const double t2 = -2 * xi * Rg / g / 0.0033 / Eg + (1 - 2 * xi) / g;
    const auto limited = [](double t) { return t > 1 ? 0.0 : t < -1 ? kPi : angleOf(t); };
    const double phi1 = limited(t1);
    const double phi2 = limited(t2);
    const double den =
        t1 > 1 || t1 < -1 ? 2 * xi * Rg / 0.0033 / Eg : g * std::cos(phi1) - 1 + 2 * xi;
    SectionCoefficients c;
    c.coefA = (2 * theta - std::sin(2 * theta)) / 2;
    c.coefB = (2.0 / 3.0) * std::sin(theta) * std::sin(theta) * std::sin(theta);
    c.coefC = (phi1 - kPi + phi2) +
              (g * (std::sin(phi2) - std::sin(phi1)) - (1 - 2 * xi) * (phi2 - phi1)) / den;
    c.coefD = (std::sin(phi1) + std::sin(phi2)) +
              (g * ((phi2 - phi1) / 2 + (std::sin(2 * phi2) - std::sin(2 * phi1)) / 4) -
               (1 - 2 * xi) * (std::sin(phi2) - std::sin(phi1))) /
                  den;
    return c;
}

TEST(SectionCoefficients, UnchangedWhereBothYieldAnglesLieOnTheRing) {
    int compared = 0;
    for (const SteelGrade& steel : steelGrades()) {
        for (double g : {0.75, 0.85, kG, 0.95}) {
            for (double xi = 0.01; xi <= 1.5; xi += 0.0004) {
                const double t1 = 2 * xi * steel.Rg / g / 0.0033 / steel.Eg + (1 - 2 * xi) / g;
                const double t2 = -2 * xi * steel.Rg / g / 0.0033 / steel.Eg + (1 - 2 * xi) / g;
                if (std::fabs(t1) > 1 || t2 > 1 || std::fabs(1 - 2 * xi * 0.8) < 1e-12) continue;
                const SectionCoefficients expected =
                    limitedRule(xi, g, steel.Rg, steel.Eg, xi <= 1 ? 0.8 : 1.06667 - 0.26667 * xi);
                const SectionCoefficients actual = at(xi, g, steel.Rg, steel.Eg);
                ASSERT_EQ(actual.coefA, expected.coefA) << xi;
                ASSERT_EQ(actual.coefC, expected.coefC) << xi;
                ASSERT_EQ(actual.coefD, expected.coefD) << xi;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 10000);
}

// Shallow depths, where no bar yields, and the written steps far beyond
// the section, where every bar does, have fixed yield angles: their sines
// are the library's, bit for bit.
TEST(SectionCoefficients, FixedYieldAnglesTakeTheSinesOfTheirAngles) {
    int fixedAngles = 0;
    for (const SteelGrade& steel : steelGrades()) {
        StressBlockMemory memory;
        for (double xi = 0.0004; xi <= 8; xi += 0.0156) {
            const double beta = xi > 1.5 ? memory.beta : xi <= 1 ? 0.8 : 1.06667 - 0.26667 * xi;
            const SectionCoefficients actual =
                sectionCoefficients(xi, kG, steel.Rg, steel.Eg, memory);
            if (actual.zeroDivisor) continue;
            const SectionCoefficients expected = limitedRule(xi, kG, steel.Rg, steel.Eg, beta);
            ASSERT_EQ(actual.coefC, expected.coefC) << xi;
            ASSERT_EQ(actual.coefD, expected.coefD) << xi;
            fixedAngles += actual.noBarYields + actual.pastFullCompression;
        }
    }
    EXPECT_GT(fixedAngles, 1000);
}

// The steel ring's stress integrated numerically: elastic-plastic, strain
// 0.0033 (2 xi - 1 + g cos phi) / (2 xi), over the half ring (Simpson).
struct RingIntegral {
    double C;
    double D;
};

RingIntegral integrateRing(double xi, double g, double Rg, double Eg) {
    constexpr int kSteps = 4000;
    const double h = M_PI / kSteps;
    RingIntegral sum{0, 0};
    for (int i = 0; i <= kSteps; ++i) {
        const double phi = i * h;
        const double strain = 0.0033 * (2 * xi - 1 + g * std::cos(phi)) / (2 * xi);
        const double stress = std::clamp(strain * Eg / Rg, -1.0, 1.0);
        const double weight = (i == 0 || i == kSteps) ? 1 : (i % 2 ? 4 : 2);
        sum.C += weight * stress;
        sum.D += weight * stress * std::cos(phi);
    }
    return {sum.C * h / 3, sum.D * h / 3};
}

TEST(SectionCoefficients, SteelRingAgreesWithIntegratedStress) {
    double worst = 0;
    for (const SteelGrade& steel : steelGrades()) {
        for (double g : {0.75, kG, 0.95}) {
            for (double xi = 0.01; xi <= 1.5; xi += 0.0123) {
                const SectionCoefficients c = at(xi, g, steel.Rg, steel.Eg);
                if (c.zeroDivisor) continue;
                const RingIntegral ring = integrateRing(xi, g, steel.Rg, steel.Eg);
                worst = std::max({worst, std::fabs(c.coefC - ring.C), std::fabs(c.coefD - ring.D)});
                EXPECT_NEAR(c.coefC, ring.C, 1e-4) << steel.Rg << ' ' << g << ' ' << xi;
                EXPECT_NEAR(c.coefD, ring.D, 1e-4) << steel.Rg << ' ' << g << ' ' << xi;
            }
        }
    }
    EXPECT_LT(worst, 1e-4);
}

}  // namespace
}  // namespace pilaro
