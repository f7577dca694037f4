#include "engine/section.h"

#include <cmath>

namespace pilaro {

double angleOf(double t) {
    const double s = std::sqrt(std::fabs(1 - t * t));
    double angle = std::atan(s / t);
    if (t < 0) angle = angle + kPi;
    return angle;
}

namespace {

double stressBlockFactor(double xi, StressBlockMemory& memory) {
    if (xi > kStressBlockLimit) return memory.beta;
    const double beta = xi <= 1 ? 0.8 : 1.06667 - 0.26667 * xi;
    memory.beta = beta;
    return beta;
}

// A yield angle and the sines of it and of twice it, as the formulas take
// them.
struct YieldAngle {
    double angle;
    double sine;
    double sineOfTwice;
};

// Where the steel ring's strain never reaches the yield strain the yielded
// zone is empty (angle 0); where the whole half ring passes it, the zone is
// the whole half turn. Between, the angle rule gives the arccosine.
//
// Most trials of a search that runs beyond the section, or of the shallow
// depths of a scan, have a fixed angle. Its sines are the library's own
// values, taken once: sin(0) is exactly 0, and the sines of pi are those
// the same calls give (computed here, not written down, so that every
// build's library gives its own bits).
YieldAngle yieldAngle(double t) {
    if (t > 1) return {0.0, 0.0, 0.0};
    if (t < -1) {
        static const YieldAngle halfTurn{kPi, std::sin(kPi), std::sin(2 * kPi)};
        return halfTurn;
    }
    const double angle = angleOf(t);
    return {angle, std::sin(angle), std::sin(2 * angle)};
}

}  // namespace

SectionCoefficients sectionCoefficients(double xi, double g, double Rg, double Eg,
                                        StressBlockMemory& memory) {
    SectionCoefficients c;
    const double beta = stressBlockFactor(xi, memory);

    const double t0 = 1 - 2 * xi * beta;
    const double t1 = 2 * xi * Rg / g / 0.0033 / Eg + (1 - 2 * xi) / g;
    const double t2 = -2 * xi * Rg / g / 0.0033 / Eg + (1 - 2 * xi) / g;
    if (t0 == 0 || t1 == 0 || t2 == 0) {
        c.zeroDivisor = true;
        return c;
    }

    c.pastFullCompression = t0 < -1 && t1 < -1;
    c.noBarYields = t1 > 1 && t2 > 1;
    // Each sine is taken once and its value used wherever the formulas
    // name it: the same call gives the same bits, and the library call is
    // most of the cost of a trial.
    const double theta = angleOf(t0);
    const double sinTheta = std::sin(theta);
    c.coefA = (2 * theta - std::sin(2 * theta)) / 2;
    c.coefB = (2.0 / 3.0) * sinTheta * sinTheta * sinTheta;

    const YieldAngle yield1 = yieldAngle(t1);
    const YieldAngle yield2 = yieldAngle(t2);
    const double phi1 = yield1.angle;
    const double phi2 = yield2.angle;

    // den is the elastic strain factor at the compression-yield angle. When
    // no steel reaches that strain (or all of it does), the angle is fixed
    // and cos(phi1) no longer stands for t1: take the factor itself.
    const bool phi1Fixed = t1 > 1 || t1 < -1;
    const double den = phi1Fixed ? 2 * xi * Rg / 0.0033 / Eg : g * std::cos(phi1) - 1 + 2 * xi;
    if (den == 0) {
        c.zeroDivisor = true;
        return c;
    }

    const double sinPhi1 = yield1.sine;
    const double sinPhi2 = yield2.sine;
    c.coefC = (phi1 - kPi + phi2) + (g * (sinPhi2 - sinPhi1) - (1 - 2 * xi) * (phi2 - phi1)) / den;
    c.coefD = (sinPhi1 + sinPhi2) +
              (g * ((phi2 - phi1) / 2 + (yield2.sineOfTwice - yield1.sineOfTwice) / 4) -
               (1 - 2 * xi) * (sinPhi2 - sinPhi1)) /
                  den;
    return c;
}

}  // namespace pilaro
